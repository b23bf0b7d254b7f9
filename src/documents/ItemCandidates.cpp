#include "documents/ItemCandidates.h"

#include "store/Decimal.h"

namespace {

bool fromStock(ItemSource source) {
    return source == ItemSource::StockOfWarehouse;
}

QString likePattern(const QString& text) {
    return u'%' + text + u'%';
}

} // namespace

ItemQuery categoryQuery(ItemSource source, const QString& warehouse) {
    switch (source) {
    case ItemSource::CatalogueOfWarehouse:
        return {QStringLiteral(
                    "SELECT 物品类别 FROM 物品类别 WHERE 所在仓库 = ? ORDER BY 物品分类编号"),
                {warehouse}};
    case ItemSource::StockOfWarehouse:
        return {QStringLiteral("SELECT 物品类别 FROM 物品库存表 WHERE 仓库 = ? GROUP BY 物品类别 "
                               "ORDER BY 物品类别"),
                {warehouse}};
    case ItemSource::WholeCatalogue:
        break;
    }
    return {QStringLiteral("SELECT 物品类别 FROM 物品资料表 GROUP BY 物品类别 ORDER BY 物品类别"),
            {}};
}

ItemQuery itemsOfCategory(ItemSource source, const QString& warehouse, const QString& category) {
    switch (source) {
    case ItemSource::CatalogueOfWarehouse:
        return {QStringLiteral("SELECT * FROM 物品资料表 WHERE 物品类别 = ? AND 默认仓库 = ? "
                               "ORDER BY 物品编号"),
                {category, warehouse}};
    case ItemSource::StockOfWarehouse:
        return {QStringLiteral("SELECT * FROM 物品库存表 WHERE 物品类别 = ? AND 仓库 = ? "
                               "ORDER BY 物品编号"),
                {category, warehouse}};
    case ItemSource::WholeCatalogue:
        break;
    }
    return {QStringLiteral("SELECT * FROM 物品资料表 WHERE 物品类别 = ? ORDER BY 物品编号"),
            {category}};
}

ItemQuery itemsNamed(ItemSource source, const QString& warehouse, const QString& text) {
    switch (source) {
    case ItemSource::CatalogueOfWarehouse:
        return {QStringLiteral("SELECT * FROM 物品资料表 WHERE 默认仓库 = ? AND 物品名称 LIKE ? "
                               "ORDER BY 物品编号"),
                {warehouse, likePattern(text)}};
    case ItemSource::StockOfWarehouse:
        return {QStringLiteral("SELECT * FROM 物品库存表 WHERE 仓库 = ? AND 物品名称 LIKE ? "
                               "ORDER BY 物品编号"),
                {warehouse, likePattern(text)}};
    case ItemSource::WholeCatalogue:
        break;
    }
    return {QStringLiteral("SELECT * FROM 物品资料表 WHERE 物品名称 LIKE ? ORDER BY 物品编号"),
            {likePattern(text)}};
}

DocumentLine lineFromCandidate(ItemSource source, PriceSource price, const CandidateRow& row) {
    DocumentLine line;
    line.itemCode = row(QStringLiteral("物品编号")).toString();
    line.name = row(QStringLiteral("物品名称")).toString();
    line.brand = row(QStringLiteral("物品品牌")).toString();
    line.category = row(QStringLiteral("物品类别")).toString();
    line.unit = row(QStringLiteral("物品单位")).toString();
    line.itemSize =
        row(fromStock(source) ? QStringLiteral("物品型号") : QStringLiteral("物品规格")).toString();
    if (fromStock(source)) {
        const double cost = row(QStringLiteral("平均成本")).toDouble();
        line.price = roundDecimals(cost, price == PriceSource::StockCostMoney ? 4 : 6);
    }
    return line;
}

std::optional<double> stockOfCandidate(ItemSource source, const CandidateRow& row) {
    if (!fromStock(source))
        return std::nullopt;
    return row(QStringLiteral("物品数量")).toDouble();
}

std::optional<double> stockQuantity(const QString& itemCode, const QString& warehouse) {
    QVariant quantity = Sql::scalar(
        QStringLiteral("SELECT 物品数量 FROM 物品库存表 WHERE 物品编号 = ? AND 仓库 = ?"),
        {itemCode, warehouse.trimmed()});
    if (!quantity.isValid())
        return std::nullopt;
    return quantity.toDouble();
}
