#include "DocumentFixture.h"

#include "store/Sql.h"

#include <QSqlQuery>

void DocumentFixture::addItem(const QString& code, const QString& name, const QString& warehouse) {
    Sql::insert(QStringLiteral("物品资料表"), {{QStringLiteral("物品编号"), code},
                                               {QStringLiteral("物品名称"), name},
                                               {QStringLiteral("物品类别"), QStringLiteral("五金")},
                                               {QStringLiteral("物品单位"), QStringLiteral("个")},
                                               {QStringLiteral("物品品牌"), QStringLiteral("牌")},
                                               {QStringLiteral("物品厂价"), 1.5},
                                               {QStringLiteral("默认仓位"), QStringLiteral("A-1")},
                                               {QStringLiteral("最低库存限额"), 2.0},
                                               {QStringLiteral("默认仓库"), warehouse}});
}

void DocumentFixture::addStock(const QString& code, const QString& warehouse, double quantity,
                               const char* totalCost, double averageCost) {
    Sql::insert(QStringLiteral("物品库存表"),
                {{QStringLiteral("物品编号"), code},
                 {QStringLiteral("物品名称"), QStringLiteral("库存中的名称")},
                 {QStringLiteral("物品类别"), QStringLiteral("五金")},
                 {QStringLiteral("仓库"), warehouse},
                 {QStringLiteral("物品数量"), quantity},
                 {QStringLiteral("总成本"), QString::fromUtf8(totalCost)},
                 {QStringLiteral("平均成本"), averageCost}});
}

std::optional<StockState> DocumentFixture::stock(const QString& code, const QString& warehouse) {
    QSqlQuery q = Sql::exec(QStringLiteral("SELECT 物品数量, 总成本, 平均成本 FROM 物品库存表 "
                                           "WHERE 物品编号 = ? AND 仓库 = ?"),
                            {code, warehouse});
    if (!q.next())
        return std::nullopt;
    return StockState{q.value(0).toDouble(), Sql::money(q.value(1)), q.value(2).toDouble()};
}

qint64 DocumentFixture::addLine(const DocumentKind& kind, const QString& number,
                                const QString& code, double price, double quantity) {
    DocumentLine line;
    line.itemCode = code;
    line.name = QStringLiteral("行名称");
    line.category = QStringLiteral("五金");
    line.unit = QStringLiteral("个");
    line.price = price;
    line.quantity = quantity;
    return DocumentLines::add(kind, number, line);
}

std::vector<DocumentFixture::JournalRow> DocumentFixture::journal() {
    QSqlQuery q = Sql::exec(QStringLiteral(
        "SELECT 仓库, 入库数量, 出库数量, 入库金额, 出库金额, 业务名称, 部门, 单据来源, 单据编号, "
        "当时库存, 当时金额 FROM 业务流水 ORDER BY 自动编号"));
    std::vector<JournalRow> rows;
    while (q.next())
        rows.push_back({q.value(0).toString(), q.value(1).toDouble(), q.value(2).toDouble(),
                        Sql::money(q.value(3)), Sql::money(q.value(4)), q.value(5).toString(),
                        q.value(6).toString(), q.value(7).toString(), q.value(8).toString(),
                        q.value(9).toDouble(), Sql::money(q.value(10))});
    return rows;
}

DocumentInput DocumentFixture::input(const QString& warehouse) {
    DocumentInput in;
    in.date = QDate(2026, 12, 1);
    in.counterparty = QStringLiteral("华东五金");
    in.warehouse = warehouse;
    in.maker = QStringLiteral("系统管理员");
    in.handler = QStringLiteral("李四");
    in.checker = QStringLiteral("王五");
    return in;
}
