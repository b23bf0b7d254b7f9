#include "reference/ReferenceWindows.h"

#include "platform/widgets/CommandRegistry.h"
#include "reference/ReferenceWindow.h"
#include "reference/TInitCompanyInfoForm.h"
#include "reference/TInitProdObjectInfoForm.h"
#include "reference/TInitProduceInfoForm.h"

QDialog* createReferenceWindow(const QString& className, QWidget* parent) {
    if (className == u"TInitProdObjectInfoForm")
        return new TInitProdObjectInfoForm(parent);
    if (className == u"TInitProduceInfoForm")
        return new TInitProduceInfoForm(parent);
    if (className == u"TInitCompanyInfoForm")
        return new TInitCompanyInfoForm(parent);
    for (const ReferenceWindowKind* kind :
         {&ReferenceWindowKinds::warehouses(), &ReferenceWindowKinds::bins(),
          &ReferenceWindowKinds::departments(), &ReferenceWindowKinds::suppliers(),
          &ReferenceWindowKinds::summaries()})
        if (kind->className == className)
            return new ReferenceWindow(parent, *kind);
    return nullptr;
}

void registerReferenceCommands(CommandRegistry& registry) {
    const struct {
        const char* caption;
        const char* className;
    } commands[] = {
        {"仓库设置", "TInitLibBoxInfoForm"},         {"仓位设置", "TInitStorageInfoForm"},
        {"物品类别设置", "TInitProdObjectInfoForm"}, {"物品设置", "TInitProduceInfoForm"},
        {"工程项目设置", "TInitBessInfoForm"},       {"供销商设置", "TInitClientInfoForm"},
        {"部门设置", "TInitDeptInfoForm"},           {"公司信息录入", "TInitCompanyInfoForm"},
    };
    for (const auto& c : commands)
        registry.addWindow(QString::fromUtf8(c.caption),
                           [className = QString::fromUtf8(c.className)](QWidget* mainWindow) {
                               return createReferenceWindow(className, mainWindow);
                           });
}
