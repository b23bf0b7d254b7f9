#include "documents/StockRows.h"

#include "store/Decimal.h"
#include "store/Sql.h"

#include <QSqlQuery>

QString StockRows::key(const QString& itemCode, const QString& warehouse) {
    return itemCode + QChar(0x1f) + warehouse;
}

std::optional<StockState> StockRows::find(const QString& itemCode, const QString& warehouse) {
    const QString k = key(itemCode, warehouse);
    if (auto known = rows_.constFind(k); known != rows_.constEnd())
        return *known;
    QSqlQuery& query =
        Sql::execCached(QStringLiteral("SELECT 物品数量, 总成本, 平均成本 FROM 物品库存表 "
                                       "WHERE 物品编号 = ? AND 仓库 = ?"),
                        {itemCode, warehouse});
    std::optional<StockState> row;
    if (query.next())
        row = StockState{query.value(0).toDouble(), Sql::money(query.value(1)),
                         query.value(2).toDouble()};
    query.finish();
    rows_.insert(k, row);
    return row;
}

void StockRows::store(const QString& itemCode, const QString& warehouse, const StockState& state) {
    Sql::execCached(QStringLiteral("UPDATE 物品库存表 SET 物品数量 = ?, 总成本 = ?, 平均成本 = ? "
                                   "WHERE 物品编号 = ? AND 仓库 = ?"),
                    {roundDecimals(state.quantity, 4), QVariant::fromValue(state.totalCost.units()),
                     state.averageCost, itemCode, warehouse});
    rows_.insert(key(itemCode, warehouse), state);
}

void StockRows::createFromCatalogue(const QString& itemCode, const QString& warehouse,
                                    const StockState& state) {
    QSqlQuery item = Sql::exec(
        QStringLiteral("SELECT 物品名称, 物品品牌, 物品类别, 物品单位, 物品规格, 物品厂价, "
                       "参考进货价, 参考销售价, 默认仓位, 条形码, 替换号码, 最高库存限额, "
                       "最低库存限额, 安全库存数量 FROM 物品资料表 WHERE 物品编号 = ?"),
        {itemCode});
    const bool found = item.next();
    auto field = [&](int i) { return found ? item.value(i) : QVariant(); };
    Sql::insert(QStringLiteral("物品库存表"),
                {
                    {QStringLiteral("物品编号"), itemCode},
                    {QStringLiteral("物品名称"), field(0)},
                    {QStringLiteral("物品品牌"), field(1)},
                    {QStringLiteral("物品类别"), field(2)},
                    {QStringLiteral("物品单位"), field(3)},
                    {QStringLiteral("物品型号"), field(4)},
                    {QStringLiteral("进货单价"), field(5)},
                    {QStringLiteral("参考零售价"), field(6)},
                    {QStringLiteral("参考批发价"), field(7)},
                    {QStringLiteral("仓位"), field(8)},
                    {QStringLiteral("仓库"), warehouse},
                    {QStringLiteral("物品数量"), state.quantity},
                    {QStringLiteral("平均成本"), state.averageCost},
                    {QStringLiteral("总成本"), QVariant::fromValue(state.totalCost)},
                    {QStringLiteral("条形码"), field(9)},
                    {QStringLiteral("代替品编号"), field(10)},
                    {QStringLiteral("最高库存限额"), field(11)},
                    {QStringLiteral("最低库存限额"), field(12)},
                    {QStringLiteral("安全库存数量"), field(13)},
                });
    rows_.insert(key(itemCode, warehouse), state);
}
