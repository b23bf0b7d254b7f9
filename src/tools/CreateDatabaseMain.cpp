#include "tools/NewDatabase.h"

#include <QCoreApplication>
#include <QTextStream>

// chuguanjia-createdb PATH: makes a fresh database for the program.
int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList args = app.arguments();
    if (args.size() != 2) {
        err << "用法: chuguanjia-createdb 数据库文件\n";
        return 2;
    }
    if (QString error = NewDatabase::create(args[1]); !error.isEmpty()) {
        err << error << '\n';
        return 1;
    }
    return 0;
}
