#pragma once

#include <QString>

class QDialog;
class QWidget;

// The reference windows by class name, for the commands that open them: "TInitLibBoxInfoForm",
// "TInitStorageInfoForm", "TInitProdObjectInfoForm", "TInitProduceInfoForm",
// "TInitDeptInfoForm", "TInitClientInfoForm", "TInitBessInfoForm", "TInitCompanyInfoForm".
// nullptr for any other name. The window frees itself when it closes.
QDialog* createReferenceWindow(const QString& className, QWidget* parent);
