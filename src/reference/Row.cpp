#include "reference/Row.h"

#include <QSqlRecord>

Sql::Values valuesOf(const Row& row) {
    Sql::Values values;
    for (auto it = row.begin(); it != row.end(); ++it)
        values.emplace_back(it.key(), it.value());
    return values;
}

Row currentRow(const QSqlQuery& query) {
    const QSqlRecord record = query.record();
    Row row;
    for (int i = 0; i < record.count(); ++i)
        row.insert(record.fieldName(i), record.value(i));
    return row;
}

Row firstRow(const QString& statement, const Sql::Params& params) {
    QSqlQuery query = Sql::exec(statement, params);
    return query.next() ? currentRow(query) : Row();
}
