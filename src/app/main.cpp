#include "app/MainForm.h"
#include "app/ShellCommands.h"
#include "platform/widgets/CommandRegistry.h"
#include "platform/widgets/Messages.h"
#include "store/Database.h"

#include <QApplication>
#include <QScreen>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationDisplayName(QStringLiteral("恒昶储管家（工程版）"));
    if (QString problem = Database::open(Database::defaultPath()); !problem.isEmpty()) {
        qWarning("%s", qPrintable(problem)); // names the file and what is wrong with it
        Messages::guidance(nullptr, QStringLiteral("先安装数据库驱动,然后重新运行本软件."));
        return 1;
    }
    CommandRegistry commands;
    registerAllCommands(commands);
    TMainForm window(commands);
    // Maximised by the window manager; the size is for a desktop that has none.
    window.resize(window.screen()->availableGeometry().size());
    window.showMaximized();
    const int result = app.exec();
    Database::close();
    return result;
}
