#include "app/ShellCommands.h"

#include "admin/OperatorCommands.h"
#include "app/BrowseForm.h"
#include "app/CommandTable.h"
#include "app/DesktopLaunch.h"
#include "app/InfoTextForm.h"
#include "documents/ui/DocumentCommands.h"
#include "platform/widgets/CommandRegistry.h"
#include "reference/ReferenceWindows.h"

#include <QWidget>

void registerShellCommands(CommandRegistry& registry) {
    registry.addWindow(QStringLiteral("仓库情况表"), createListLibForm);
    registry.addWindow(QStringLiteral("物品明细表"), createListProducInfoForm);
    registry.addWindow(QStringLiteral("关于软件"), createAboutForm);
    registry.addWindow(QStringLiteral("联系方式"), createContactForm);
    registry.addWindow(QStringLiteral("动态帮助"), createHelpTextForm);
    registry.addAction(QStringLiteral("计算器"), DesktopLaunch::startCalculator);
    registry.addAction(QStringLiteral("使用说明"), DesktopLaunch::openManual);
    registry.addAction(ExitCommand, [](QWidget* mainWindow) { mainWindow->close(); });
}

void registerAllCommands(CommandRegistry& registry) {
    registerShellCommands(registry);
    registerDocumentCommands(registry);
    registerReferenceCommands(registry);
    registerOperatorCommands(registry);
}
