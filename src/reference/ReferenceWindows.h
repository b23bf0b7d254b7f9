#pragma once

#include <QString>

class CommandRegistry;
class QDialog;
class QWidget;

// The reference windows by class name: "TInitLibBoxInfoForm", "TInitStorageInfoForm",
// "TInitProdObjectInfoForm", "TInitProduceInfoForm", "TInitDeptInfoForm",
// "TInitClientInfoForm", "TInitBessInfoForm", "TInitCompanyInfoForm". nullptr for any other
// name. The window frees itself when it closes.
QDialog* createReferenceWindow(const QString& className, QWidget* parent);

// The main window's commands that open them (仓库设置, 仓位设置, 物品类别设置, 物品设置,
// 工程项目设置, 供销商设置, 部门设置, 公司信息录入).
void registerReferenceCommands(CommandRegistry& registry);
