#include "admin/OperatorCommands.h"

#include "admin/TChangePasswordForm.h"
#include "admin/TEnterUserForm.h"
#include "platform/widgets/CommandRegistry.h"

void registerOperatorCommands(CommandRegistry& registry) {
    registry.addWindow(QStringLiteral("操作员管理"),
                       [](QWidget* mainWindow) { return new TEnterUserForm(mainWindow); });
    registry.addWindow(QStringLiteral("修改密码"),
                       [](QWidget* mainWindow) { return new TChangePasswordForm(mainWindow); });
}
