#include "store/Database.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationDisplayName(QStringLiteral("恒昶储管家（工程版）"));
    if (!Database::open(Database::defaultPath()).isEmpty()) {
        QMessageBox::warning(nullptr, QStringLiteral("提示信息"),
                             QStringLiteral("先安装数据库驱动,然后重新运行本软件."));
        return 1;
    }
    QLabel window(QStringLiteral("恒昶储管家 2008工程版"));
    window.setWindowTitle(QStringLiteral("恒昶储管家 2008工程版"));
    window.resize(800, 600);
    window.show();
    return app.exec();
}
