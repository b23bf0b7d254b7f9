#include "LargeDatabase.h"

#include "store/Schema.h"
#include "store/Sql.h"
#include "store/Transaction.h"

namespace {

// Numbers 1..n as a recursive CTE named n(i).
QString numbers(int n) {
    return QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE "
                          "i < %1) ")
        .arg(n);
}

void fillCatalogue() {
    Sql::exec(numbers(10000) +
              QStringLiteral("INSERT INTO 物品资料表 (物品编号, 物品名称, 物品类别, 物品单位, "
                             "默认仓库, 参考进货价) "
                             "SELECT printf('%03d%04d', (i - 1) / 500 + 1, (i - 1) % 500 + 1), "
                             "'物品' || i, '类别' || ((i - 1) / 500 + 1), '个', "
                             "'仓库' || (i % 5 + 1), i % 97 FROM n"));
    Sql::exec(numbers(5) + QStringLiteral("INSERT INTO 仓库信息表 (仓库编号, 仓库名称) "
                                          "SELECT printf('%02d', i), '仓库' || i FROM n"));
    Sql::exec(QStringLiteral(
        "INSERT INTO 物品库存表 (物品编号, 物品名称, 物品类别, 物品单位, 仓库, 物品数量, 总成本, "
        "平均成本) SELECT c.物品编号, c.物品名称, c.物品类别, c.物品单位, w.仓库名称, 1000, "
        "1000 * 25000, 2.5 FROM 物品资料表 c CROSS JOIN 仓库信息表 w"));
}

void fillDocuments() {
    Sql::exec(numbers(100000) +
              QStringLiteral("INSERT INTO 入库单主表 (入库单编号, 入库日期, 交货单位, 收料仓库, "
                             "入库总数量, 总金额) SELECT printf('%08d', i), "
                             "date('2025-01-01', '+' || (i % 730) || ' days'), '供应商', "
                             "'仓库' || (i % 5 + 1), 20, 500000 FROM n"));
    Sql::exec(numbers(100000) +
              QStringLiteral("INSERT INTO 出库单主表 (出库单编号, 出库日期, 领料部门, 出料仓库, "
                             "出库总数量, 总金额) SELECT printf('%08d', i), "
                             "date('2025-01-01', '+' || (i % 730) || ' days'), '生产部', "
                             "'仓库' || (i % 5 + 1), 20, 500000 FROM n"));
    for (const char* table : {"入库单明细表", "出库单明细表"}) {
        const QString number = QString::fromUtf8(table) == QStringLiteral("入库单明细表")
                                   ? QStringLiteral("入库单编号")
                                   : QStringLiteral("出库单编号");
        Sql::exec(numbers(200000) +
                  QStringLiteral("INSERT INTO %1 (%2, 物品编号, 物品名称, 物品单位, 物品单价, "
                                 "物品数量, 金额合计) SELECT printf('%08d', (i + 1) / 2), "
                                 "printf('%03d%04d', i % 20 + 1, i % 500 + 1), '物品', '个', 2.5, "
                                 "10, 250000 FROM n")
                      .arg(QString::fromUtf8(table), number));
    }
}

// Bulk rows go in faster with the table's indexes built afterwards.
QStringList indexesOf(const QString& table) {
    QStringList statements;
    for (const QString& statement : schemaStatements())
        if (statement.startsWith(QStringLiteral("CREATE INDEX")) &&
            statement.contains(QStringLiteral(" ON \"%1\" ").arg(table)))
            statements << statement;
    return statements;
}

void fillJournal() {
    const QStringList indexes = indexesOf(QStringLiteral("业务流水"));
    for (const QString& index : indexes)
        Sql::exec(QStringLiteral("DROP INDEX ") + index.section(u' ', 2, 2));
    Sql::exec(
        numbers(2000000) +
        QStringLiteral(
            "INSERT INTO 业务流水 (物品编号, 物品名称, 仓库, 入库数量, 入库金额, 出库数量, "
            "出库金额, 日期, 业务名称, 部门, 单据编号, 单据来源, 当时库存, 当时金额) "
            "SELECT printf('%03d%04d', i % 20 + 1, i % 500 + 1), '物品', "
            "'仓库' || (i % 5 + 1), "
            "CASE WHEN i % 2 = 0 THEN 10 ELSE 0 END, CASE WHEN i % 2 = 0 THEN 250000 ELSE 0 END, "
            "CASE WHEN i % 2 = 1 THEN 10 ELSE 0 END, CASE WHEN i % 2 = 1 THEN 250000 ELSE 0 END, "
            "date('2025-01-01', '+' || (i % 730) || ' days'), "
            "CASE WHEN i % 2 = 0 THEN '物品入库' ELSE '物品出库' END, '生产部', "
            "printf('%08d', i / 20 + 1), CASE WHEN i % 2 = 0 THEN '入库单' ELSE '出库单' END, "
            "1000, 25000000 FROM n"));
}

} // namespace

QString benchmarkItemCode(int index) {
    return QStringLiteral("%1%2")
        .arg(index / 500 + 1, 3, 10, QLatin1Char('0'))
        .arg(index % 500 + 1, 4, 10, QLatin1Char('0'));
}

void fillLargeDatabase() {
    Transaction transaction;
    fillCatalogue();
    fillDocuments();
    fillJournal();
    transaction.commit();
    Sql::exec(QStringLiteral("ANALYZE"));
}
