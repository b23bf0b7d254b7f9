#pragma once

#include "store/Money.h"

#include <QDate>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QVariant>
#include <utility>
#include <vector>

// Statements with bound values only: user input never becomes SQL text. Every failure
// throws StoreError with the database's own message.
struct ColumnDef;

namespace Sql {

using Params = QVariantList;
// Column name and value, in the order they are written.
using Values = std::vector<std::pair<QString, QVariant>>;

QSqlQuery exec(const QString& statement, const Params& params = {});
QSqlQuery exec(QSqlDatabase db, const QString& statement, const Params& params = {});

// Runs a statement prepared once per connection and kept, for the hot paths of posting.
// The caller reads any result before the same statement runs again.
QSqlQuery& execCached(const QString& statement, const Params& params = {});
// Forgets the kept statements; done when the connection closes.
void clearStatementCache();

// The first column of the first row, or an invalid QVariant when there is no row.
QVariant scalar(const QString& statement, const Params& params = {});

// Inserts one row; each value is converted to its column's kind (texts cut to their width,
// quantities rounded to 4 decimals, money as an exact count, dates as ISO text). Returns
// the new row id.
qint64 insert(const QString& table, const Values& values);
// One INSERT of fixed columns, prepared once and run for many rows: the writers' hot path.
class InsertStatement {
public:
    InsertStatement(const QString& table, const QStringList& columns);
    // Values in the order of the columns, converted as insert() converts them.
    qint64 run(const Params& values) const;

private:
    QString statement_;
    std::vector<const ColumnDef*> columns_;
};

// Updates the rows that the WHERE clause selects; the clause is program text with '?' for
// its own bound values.
int update(const QString& table, const Values& values, const QString& where,
           const Params& whereParams = {});

// The value as the column of that table stores it.
QVariant storedValue(const QString& table, const QString& column, const QVariant& value);

// Reading back what the writers stored.
Money money(const QVariant& stored);
QDate date(const QVariant& stored);

} // namespace Sql
