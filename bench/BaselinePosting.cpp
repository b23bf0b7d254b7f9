#include "BaselinePosting.h"

#include "store/Database.h"
#include "store/StoreError.h"

#include <QDateTime>
#include <QSqlError>
#include <QSqlQuery>

namespace {

QSqlQuery prepared(const QString& sql) {
    QSqlQuery q(Database::connection());
    if (!q.prepare(sql))
        throw StoreError(q.lastError().text());
    return q;
}

void run(QSqlQuery& q, const QVariantList& values) {
    for (int i = 0; i < values.size(); ++i)
        q.bindValue(i, values[i]);
    if (!q.exec())
        throw StoreError(q.lastError().text());
}

void runSql(const QString& sql) {
    QSqlQuery q(Database::connection());
    if (!q.exec(sql))
        throw StoreError(q.lastError().text());
}

struct Leg {
    QString warehouse;
    bool in;
};

std::vector<Leg> legsOf(const DocumentKind& kind, const DocumentInput& input) {
    std::vector<Leg> legs;
    const auto kindLegs = kind.legsFor ? kind.legsFor(input) : kind.legs;
    for (const MovementLeg& leg : kindLegs)
        legs.push_back({leg.warehouse == DocumentField::DestinationWarehouse
                            ? input.destinationWarehouse
                            : input.warehouse,
                        leg.direction == JournalEntry::Direction::In});
    return legs;
}

} // namespace

void baselinePost(const DocumentKind& kind, const DocumentInput& input) {
    runSql(QStringLiteral("BEGIN IMMEDIATE"));
    runSql(QStringLiteral("DELETE FROM \"%1\" WHERE 物品数量 = 0").arg(kind.lineTable));
    QSqlQuery totals =
        prepared(QStringLiteral("SELECT SUM(物品数量), SUM(金额合计) FROM \"%1\" WHERE \"%2\" = ?")
                     .arg(kind.lineTable, kind.numberColumn));
    run(totals, {input.number});
    totals.next();
    QStringList columns;
    QStringList marks;
    QVariantList values;
    for (const auto& [column, field] : kind.headerMap) {
        columns << u'"' + column + u'"';
        marks << QStringLiteral("?");
        values << (field == DocumentField::TotalAmount     ? totals.value(1)
                   : field == DocumentField::TotalQuantity ? totals.value(0)
                   : field == DocumentField::Number        ? QVariant(input.number)
                   : field == DocumentField::Date ? QVariant(input.date.toString(Qt::ISODate))
                                                  : QVariant(input.handler));
    }
    totals.finish();
    QSqlQuery header = prepared(QStringLiteral("INSERT INTO \"%1\" (%2) VALUES (%3)")
                                    .arg(kind.headerTable, columns.join(u','), marks.join(u',')));
    run(header, values);

    QSqlQuery groups =
        prepared(QStringLiteral("SELECT 物品编号, SUM(物品数量), SUM(金额合计) FROM \"%1\" "
                                "WHERE \"%2\" = ? GROUP BY 物品编号, 物品单价")
                     .arg(kind.lineTable, kind.numberColumn));
    run(groups, {input.number});
    QSqlQuery find = prepared(
        QStringLiteral("SELECT 物品数量, 总成本 FROM 物品库存表 WHERE 物品编号 = ? AND 仓库 = ?"));
    QSqlQuery update = prepared(QStringLiteral(
        "UPDATE 物品库存表 SET 物品数量 = ?, 总成本 = ? WHERE 物品编号 = ? AND 仓库 = ?"));
    QSqlQuery journal = prepared(QStringLiteral(
        "INSERT INTO 业务流水 (物品编号, 仓库, 入库数量, 入库金额, 出库数量, 出库金额, 日期, "
        "单据编号, 当时库存, 当时金额) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    const std::vector<Leg> legs = legsOf(kind, input);
    while (groups.next()) {
        const QString item = groups.value(0).toString();
        const double q = groups.value(1).toDouble();
        const qint64 a = groups.value(2).toLongLong();
        for (const Leg& leg : legs) {
            run(find, {item, leg.warehouse});
            find.next();
            const double newQ = find.value(0).toDouble() + (leg.in ? q : -q);
            const qint64 newC = find.value(1).toLongLong() + (leg.in ? a : -a);
            find.finish();
            run(update, {newQ, newC, item, leg.warehouse});
            run(journal,
                {item, leg.warehouse, leg.in ? q : 0.0, leg.in ? a : 0, leg.in ? 0.0 : q,
                 leg.in ? 0 : a, input.date.toString(Qt::ISODate), input.number, newQ, newC});
        }
    }
    QSqlQuery log = prepared(
        QStringLiteral("INSERT INTO 操作流水表 (发生时间, 业务内容, 操作员) VALUES (?, ?, ?)"));
    run(log, {QDateTime::currentDateTime().toString(Qt::ISODate), kind.logPrefix + input.number,
              QStringLiteral("基准")});
    runSql(QStringLiteral("COMMIT"));
}
