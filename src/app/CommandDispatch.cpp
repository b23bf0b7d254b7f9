#include "app/CommandDispatch.h"

#include "admin/AdministratorCheck.h"
#include "platform/widgets/CommandRegistry.h"
#include "platform/widgets/Messages.h"
#include "store/StoreError.h"

QString notAvailableText(const CommandDef& command) {
    const QString text = QStringLiteral("“%1”功能尚未完成，暂时不能使用。").arg(command.caption);
    return command.windowClass.isEmpty() ? text
                                         : text + QStringLiteral("（%1）").arg(command.windowClass);
}

void runCommand(const CommandDef& command, const CommandRegistry& registry, QWidget* mainWindow) {
    if (command.administratorOnly() && !requireAdministrator(mainWindow, command.adminMessage))
        return;
    const CommandRegistry::Action* action = registry.find(command.caption);
    if (!action) {
        Messages::notice(mainWindow, notAvailableText(command));
        return;
    }
    try {
        (*action)(mainWindow);
    } catch (const StoreError& e) {
        Messages::error(mainWindow, e.message());
    }
}
