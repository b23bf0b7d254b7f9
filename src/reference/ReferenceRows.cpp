#include "reference/ReferenceRows.h"

#include "store/Journal.h"
#include "store/Transaction.h"

QString ReferenceRows::condition() const {
    return kind_.kindColumn.isEmpty() ? QStringLiteral("1")
                                      : QStringLiteral("\"%1\" = ?").arg(kind_.kindColumn);
}

Sql::Params ReferenceRows::conditionParams() const {
    return kind_.kindColumn.isEmpty() ? Sql::Params{} : Sql::Params{kind_.kindValue};
}

QString ReferenceRows::nextCode() const {
    return nextCodeInColumn(kind_.table, kind_.codeColumn, *kind_.codeRule,
                            kind_.kindColumn.isEmpty() ? QString() : condition(),
                            conditionParams());
}

int ReferenceRows::count() const {
    return Sql::scalar(
               QStringLiteral("SELECT count(*) FROM \"%1\" WHERE %2").arg(kind_.table, condition()),
               conditionParams())
        .toInt();
}

Row ReferenceRows::read(qint64 rowId) const {
    return firstRow(QStringLiteral("SELECT * FROM \"%1\" WHERE rowid = ?").arg(kind_.table),
                    {rowId});
}

qint64 ReferenceRows::add(Row row) const {
    if (!kind_.kindColumn.isEmpty())
        row.insert(kind_.kindColumn, kind_.kindValue);
    refuseDuplicate(row, -1);
    Transaction transaction;
    const qint64 rowId = Sql::insert(kind_.table, valuesOf(row));
    if (!kind_.addedLog.isEmpty())
        appendOperationLog(kind_.addedLog.of(read(rowId)));
    transaction.commit();
    return rowId;
}

void ReferenceRows::change(qint64 rowId, const Row& row) const {
    refuseDuplicate(row, rowId);
    if (!row.isEmpty())
        Sql::update(kind_.table, valuesOf(row), QStringLiteral("rowid = ?"), {rowId});
}

void ReferenceRows::save(qint64 rowId, const Row& row) const {
    Transaction transaction;
    change(rowId, row);
    if (!kind_.addedLog.isEmpty())
        appendOperationLog(kind_.addedLog.of(read(rowId)));
    transaction.commit();
}

void ReferenceRows::remove(qint64 rowId) const {
    const Row row = read(rowId);
    Transaction transaction;
    if (!kind_.deletedLog.isEmpty())
        appendOperationLog(kind_.deletedLog.of(row));
    Sql::exec(QStringLiteral("DELETE FROM \"%1\" WHERE rowid = ?").arg(kind_.table), {rowId});
    transaction.commit();
}

void ReferenceRows::refuseDuplicate(const Row& row, qint64 exceptRowId) const {
    if (kind_.uniqueColumn.isEmpty() || !row.contains(kind_.uniqueColumn))
        return;
    const QVariant stored =
        Sql::storedValue(kind_.table, kind_.uniqueColumn, row.value(kind_.uniqueColumn));
    const QVariant clash =
        Sql::scalar(QStringLiteral("SELECT 1 FROM \"%1\" WHERE \"%2\" = ? AND rowid <> ?")
                        .arg(kind_.table, kind_.uniqueColumn),
                    {stored, exceptRowId});
    if (clash.isValid())
        throw DuplicateEntry(kind_.duplicateMessage);
}
