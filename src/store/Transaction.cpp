#include "store/Transaction.h"

#include "store/Database.h"
#include "store/StoreError.h"

#include <QHash>
#include <QSqlError>
#include <QSqlQuery>

namespace {

// Open guards per connection; single-threaded, like the program.
QHash<QString, int>& depths() {
    static QHash<QString, int> map;
    return map;
}

QString savepoint(int depth) {
    return QStringLiteral("guard%1").arg(depth);
}

} // namespace

Transaction::Transaction() : Transaction(Database::connection()) {}

Transaction::Transaction(QSqlDatabase db) : db_(db), depth_(depths().value(db.connectionName())) {
    run(depth_ == 0 ? QStringLiteral("BEGIN IMMEDIATE")
                    : QStringLiteral("SAVEPOINT ") + savepoint(depth_));
    depths()[db_.connectionName()] = depth_ + 1;
}

Transaction::~Transaction() {
    if (finished_)
        return;
    depths()[db_.connectionName()] = depth_;
    QSqlQuery query(db_);
    if (depth_ == 0) {
        query.exec(QStringLiteral("ROLLBACK"));
    } else {
        query.exec(QStringLiteral("ROLLBACK TO ") + savepoint(depth_));
        query.exec(QStringLiteral("RELEASE ") + savepoint(depth_));
    }
}

void Transaction::commit() {
    run(depth_ == 0 ? QStringLiteral("COMMIT") : QStringLiteral("RELEASE ") + savepoint(depth_));
    depths()[db_.connectionName()] = depth_;
    finished_ = true;
}

void Transaction::run(const QString& statement) {
    QSqlQuery query(db_);
    if (!query.exec(statement))
        throw StoreError(query.lastError().text());
}
