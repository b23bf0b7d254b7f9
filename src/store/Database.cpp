#include "store/Database.h"

#include "store/Schema.h"
#include "store/Sql.h"

#include <QDir>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>

namespace Database {

namespace {

QString path_;

// Settings chosen for a ledger: a crash never loses a committed posting, and a second
// copy of the program waits for the write lock instead of failing at once.
constexpr int BusyTimeoutMs = 5000;

QString runAll(QSqlDatabase db, const QStringList& statements) {
    QSqlQuery query(db);
    for (const QString& statement : statements)
        if (!query.exec(statement))
            return query.lastError().text();
    return {};
}

QString applySettings(QSqlDatabase db) {
    return runAll(
        db, {QStringLiteral("PRAGMA journal_mode=WAL"), QStringLiteral("PRAGMA synchronous=FULL")});
}

QString missingTables(QSqlDatabase db) {
    QStringList missing;
    QSqlQuery query(db);
    for (const TableDef& table : schemaTables()) {
        query.prepare(QStringLiteral("SELECT count(*) FROM sqlite_master WHERE type = 'table' "
                                     "AND name = ?"));
        query.addBindValue(table.name);
        if (!query.exec() || !query.next())
            return query.lastError().text();
        if (query.value(0).toInt() == 0)
            missing << table.name;
    }
    return missing.isEmpty() ? QString() : QStringLiteral("缺少数据表: ") + missing.join(u'、');
}

QSqlDatabase addConnection(const QString& name, const QString& path) {
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
    db.setDatabaseName(path);
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(BusyTimeoutMs));
    return db;
}

// Runs work on a private connection of its own, removed afterwards.
template <typename Work> QString withConnection(const QString& path, Work work) {
    const QString name = QStringLiteral("check-") + QUuid::createUuid().toString();
    QString result;
    {
        QSqlDatabase db = addConnection(name, path);
        result = db.open() ? work(db) : db.lastError().text();
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return result;
}

} // namespace

QString defaultPath() {
    return QDir::current().filePath(QStringLiteral("Data/LibDB.db"));
}

QString checkFile(const QString& path) {
    if (!QFileInfo(path).isFile())
        return QStringLiteral("数据库文件 %1 不存在").arg(QDir::toNativeSeparators(path));
    return withConnection(path, [](QSqlDatabase db) {
        QSqlQuery query(db);
        if (!query.exec(QStringLiteral("PRAGMA quick_check")) || !query.next())
            return query.lastError().text();
        if (query.value(0).toString() != QStringLiteral("ok"))
            return QStringLiteral("数据库文件已损坏: ") + query.value(0).toString();
        return missingTables(db);
    });
}

QString open(const QString& path) {
    if (isOpen())
        close();
    if (QString problem = checkFile(path); !problem.isEmpty())
        return problem;
    QSqlDatabase db = addConnection(QString::fromLatin1(ConnectionName), path);
    if (!db.open()) {
        QString error = db.lastError().text();
        close();
        return error;
    }
    if (QString error = applySettings(db); !error.isEmpty()) {
        close();
        return error;
    }
    path_ = QFileInfo(path).absoluteFilePath();
    return {};
}

void close() {
    Sql::clearStatementCache();
    const QString name = QString::fromLatin1(ConnectionName);
    if (QSqlDatabase::contains(name)) {
        QSqlDatabase::database(name, false).close();
        QSqlDatabase::removeDatabase(name);
    }
    path_.clear();
}

bool isOpen() {
    const QString name = QString::fromLatin1(ConnectionName);
    return QSqlDatabase::contains(name) && QSqlDatabase::database(name, false).isOpen();
}

QSqlDatabase connection() {
    return QSqlDatabase::database(QString::fromLatin1(ConnectionName));
}

QString filePath() {
    return path_;
}

QString create(const QString& path) {
    if (QFileInfo::exists(path))
        return QStringLiteral("文件 %1 已经存在,不能覆盖").arg(QDir::toNativeSeparators(path));
    QDir().mkpath(QFileInfo(path).absolutePath());
    return withConnection(path, [](QSqlDatabase db) {
        QStringList statements{QStringLiteral("BEGIN")};
        statements << schemaStatements() << QStringLiteral("COMMIT");
        if (QString error = runAll(db, statements); !error.isEmpty())
            return error;
        return applySettings(db);
    });
}

} // namespace Database
