#include "documents/ItemGroups.h"

#include "store/Decimal.h"
#include "store/Sql.h"

#include <QSqlQuery>

std::vector<ItemGroup> loadItemGroups(const DocumentKind& kind, const QString& number) {
    QSqlQuery query = Sql::exec(
        QStringLiteral(
            "SELECT d.物品编号, SUM(d.物品数量), SUM(d.金额合计), d.物品类型, d.品牌, d.物品规格, "
            "d.物品单位, d.物品单价, MAX(c.物品名称) "
            "FROM \"%1\" d LEFT JOIN 物品资料表 c ON c.物品编号 = d.物品编号 "
            "WHERE d.\"%2\" = ? "
            "GROUP BY d.物品编号, d.物品类型, d.品牌, d.物品规格, d.物品单位, d.物品单价 "
            "ORDER BY d.物品编号, d.物品单价")
            .arg(kind.lineTable, kind.numberColumn),
        {number});
    std::vector<ItemGroup> groups;
    while (query.next()) {
        ItemGroup g;
        g.itemCode = query.value(0).toString();
        g.quantity = roundDecimals(query.value(1).toDouble(), 4);
        g.amount = Sql::money(query.value(2));
        g.category = query.value(3).toString();
        g.brand = query.value(4).toString();
        g.itemSize = query.value(5).toString();
        g.unit = query.value(6).toString();
        g.price = query.value(7).toDouble();
        g.itemName = query.value(8).toString();
        groups.push_back(g);
    }
    return groups;
}

DocumentTotals loadTotals(const DocumentKind& kind, const QString& number) {
    QSqlQuery query = Sql::exec(QStringLiteral("SELECT SUM(物品数量), SUM(金额合计) FROM \"%1\" "
                                               "WHERE \"%2\" = ?")
                                    .arg(kind.lineTable, kind.numberColumn),
                                {number});
    DocumentTotals totals;
    if (query.next()) {
        totals.quantity = roundDecimals(query.value(0).toDouble(), 4);
        totals.amount = Sql::money(query.value(1));
    }
    return totals;
}
