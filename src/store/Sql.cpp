#include "store/Sql.h"

#include "store/Database.h"
#include "store/Dates.h"
#include "store/Decimal.h"
#include "store/Schema.h"
#include "store/StoreError.h"

#include <QHash>
#include <QSqlError>

namespace Sql {

namespace {

QString quoted(const QString& identifier) {
    return u'"' + identifier + u'"';
}

Money toMoney(const QVariant& value) {
    if (value.metaType() == QMetaType::fromType<Money>())
        return value.value<Money>();
    if (value.typeId() == QMetaType::QString)
        return Money::parse(value.toString()).value_or(Money());
    return Money::fromDouble(value.toDouble());
}

QVariant toStoredDate(const QVariant& value) {
    switch (value.typeId()) {
    case QMetaType::QDate:
        return value.toDate().isValid() ? QVariant(isoDate(value.toDate())) : QVariant();
    case QMetaType::QDateTime:
        return value.toDateTime().isValid() ? QVariant(isoDateTime(value.toDateTime()))
                                            : QVariant();
    default:
        return value.toString().isEmpty() ? QVariant() : QVariant(value.toString());
    }
}

QVariant convert(const ColumnDef& column, const QVariant& value) {
    switch (column.kind) {
    case ColumnKind::Text: {
        const QString text = value.toString().left(column.width);
        return text.isNull() ? QStringLiteral("") : text; // '' rather than NULL
    }
    case ColumnKind::Float:
        return value.toDouble();
    case ColumnKind::Quantity:
        return roundDecimals(value.toDouble(), 4);
    case ColumnKind::Money:
        return QVariant::fromValue<qint64>(toMoney(value).units());
    case ColumnKind::Integer:
        return value.toLongLong();
    case ColumnKind::YesNo:
        return value.toBool() ? 1 : 0;
    case ColumnKind::DateTime:
        return toStoredDate(value);
    case ColumnKind::AutoNumber:
        return value;
    }
    return value;
}

QHash<QString, QSqlQuery>& statementCache() {
    static QHash<QString, QSqlQuery> cache;
    return cache;
}

void bindAndRun(QSqlQuery& query, const Params& params) {
    for (qsizetype i = 0; i < params.size(); ++i)
        query.bindValue(int(i), params[i]);
    if (!query.exec())
        throw StoreError(query.lastError().text());
}

const ColumnDef& columnOf(const TableDef& table, const QString& column) {
    const ColumnDef* def = table.column(column);
    if (!def)
        throw StoreError(QStringLiteral("表 %1 没有字段 %2").arg(table.name, column));
    return *def;
}

} // namespace

QSqlQuery exec(QSqlDatabase db, const QString& statement, const Params& params) {
    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (!query.prepare(statement))
        throw StoreError(query.lastError().text());
    for (const QVariant& p : params)
        query.addBindValue(p);
    if (!query.exec())
        throw StoreError(query.lastError().text());
    return query;
}

QSqlQuery exec(const QString& statement, const Params& params) {
    return exec(Database::connection(), statement, params);
}

QSqlQuery& execCached(const QString& statement, const Params& params) {
    auto found = statementCache().find(statement);
    if (found == statementCache().end()) {
        QSqlQuery query(Database::connection());
        query.setForwardOnly(true);
        if (!query.prepare(statement))
            throw StoreError(query.lastError().text());
        found = statementCache().insert(statement, query);
    }
    found->finish();
    bindAndRun(*found, params);
    return *found;
}

void clearStatementCache() {
    statementCache().clear();
}

QVariant scalar(const QString& statement, const Params& params) {
    QSqlQuery query = exec(statement, params);
    return query.next() ? query.value(0) : QVariant();
}

QVariant storedValue(const QString& table, const QString& column, const QVariant& value) {
    return convert(columnOf(tableDef(table), column), value);
}

InsertStatement::InsertStatement(const QString& table, const QStringList& columns) {
    const TableDef& def = tableDef(table);
    QStringList quotedColumns;
    QStringList marks;
    for (const QString& name : columns) {
        columns_.push_back(&columnOf(def, name));
        quotedColumns << quoted(name);
        marks << QStringLiteral("?");
    }
    statement_ = QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                     .arg(quoted(table), quotedColumns.join(u", "), marks.join(u", "));
}

qint64 InsertStatement::run(const Params& values) const {
    Params converted;
    converted.reserve(values.size());
    for (qsizetype i = 0; i < values.size(); ++i)
        converted << convert(*columns_[i], values[i]);
    return execCached(statement_, converted).lastInsertId().toLongLong();
}

qint64 insert(const QString& table, const Values& values) {
    QStringList columns;
    Params params;
    for (const auto& [name, value] : values) {
        columns << name;
        params << value;
    }
    return InsertStatement(table, columns).run(params);
}

int update(const QString& table, const Values& values, const QString& where,
           const Params& whereParams) {
    const TableDef& def = tableDef(table);
    QStringList assignments;
    Params params;
    for (const auto& [name, value] : values) {
        assignments << quoted(name) + QStringLiteral(" = ?");
        params << convert(columnOf(def, name), value);
    }
    params << whereParams;
    QSqlQuery& query = execCached(QStringLiteral("UPDATE %1 SET %2 WHERE %3")
                                      .arg(quoted(table), assignments.join(u", "), where),
                                  params);
    return query.numRowsAffected();
}

Money money(const QVariant& stored) {
    return Money::fromUnits(stored.toLongLong());
}

QDate date(const QVariant& stored) {
    return dateFromIso(stored.toString());
}

} // namespace Sql
