#include "reference/ItemCatalogue.h"

#include "store/CodeNumbering.h"
#include "store/Journal.h"
#include "store/Schema.h"
#include "store/StoreError.h"
#include "store/Transaction.h"

namespace ItemCatalogue {

namespace {

const QString ItemTable = QStringLiteral("物品资料表");
constexpr int CategoryCodeWidth = 3;

QString text(const Row& row, const char* column) {
    return row.value(QString::fromUtf8(column)).toString();
}

Row category(const QString& categoryCode) {
    Row row =
        firstRow(QStringLiteral("SELECT * FROM 物品类别 WHERE 物品分类编号 = ?"), {categoryCode});
    if (row.isEmpty())
        throw StoreError(QStringLiteral("没有找到编号为%1的物品类别!").arg(categoryCode));
    return row;
}

QString logKey(const Row& item) {
    return text(item, "物品编号") + u' ' + text(item, "物品名称");
}

// The columns of an item a change may rewrite: all but its number and category.
Sql::Values changedColumns(const Row& item) {
    Sql::Values values;
    for (const QString& column : tableDef(ItemTable).columnNames())
        if (column != u"物品编号" && column != u"物品类别" && item.contains(column))
            values.emplace_back(column, item.value(column));
    return values;
}

// Stock rows and journal rows hold copies of these item columns.
Sql::Values stockCopies(const Row& item) {
    const auto copy = [&item](const char* stockColumn, const char* itemColumn) {
        return std::pair{QString::fromUtf8(stockColumn), item.value(QString::fromUtf8(itemColumn))};
    };
    return {copy("物品名称", "物品名称"),         copy("物品型号", "物品规格"),
            copy("物品单位", "物品单位"),         copy("生产商", "生产商"),
            copy("物品品牌", "物品品牌"),         copy("仓位", "默认仓位"),
            copy("代替品编号", "替换号码"),       copy("最高库存限额", "最高库存限额"),
            copy("最低库存限额", "最低库存限额"), copy("安全库存数量", "安全库存数量"),
            copy("进货单价", "参考进货价"),       copy("参考零售价", "参考销售价"),
            copy("参考批发价", "物品厂价")};
}

Sql::Values journalCopies(const Row& item) {
    return {{QStringLiteral("物品名称"), item.value(QStringLiteral("物品名称"))},
            {QStringLiteral("物品规格"), item.value(QStringLiteral("物品规格"))},
            {QStringLiteral("物品单位"), item.value(QStringLiteral("物品单位"))},
            {QStringLiteral("品牌"), item.value(QStringLiteral("物品品牌"))}};
}

} // namespace

ItemNumber nextItemNumber(const QString& categoryCode) {
    const Row row = category(categoryCode);
    QString running;
    try {
        running = nextCode(text(row, "最后编号"), CodeRules::ItemRunningNumber);
    } catch (const StoreError& e) {
        throw StoreError(QStringLiteral("物品类别%1(%2)不能再增加物品: %3")
                             .arg(categoryCode, text(row, "物品类别"), e.message()));
    }
    return {categoryCode + running, running};
}

Row newItemDraft(const QString& categoryCode, const Row& copySource) {
    const Row row = category(categoryCode);
    Row draft{{QStringLiteral("物品编号"), nextItemNumber(categoryCode).itemCode},
              {QStringLiteral("物品类别"), row.value(QStringLiteral("物品类别"))},
              {QStringLiteral("默认仓库"), row.value(QStringLiteral("所在仓库"))}};
    if (!text(row, "最后编号").trimmed().isEmpty())
        for (const char* column : {"物品名称", "物品规格", "物品单位"})
            draft.insert(QString::fromUtf8(column), copySource.value(QString::fromUtf8(column)));
    return draft;
}

QString refusalOfNewItem(const Row& item) {
    if (text(item, "物品名称").trimmed().isEmpty() || text(item, "物品单位").trimmed().isEmpty())
        return QStringLiteral("物品名称和单位不能为空!");
    const QVariant name = Sql::storedValue(ItemTable, QStringLiteral("物品名称"),
                                           item.value(QStringLiteral("物品名称")));
    const QVariant existing = Sql::scalar(
        QStringLiteral("SELECT 物品编号 FROM 物品资料表 WHERE 物品名称 = ? LIMIT 1"), {name});
    if (existing.isValid())
        return QStringLiteral("物品资料表已存在相同全称的物品。物品编号： ") + existing.toString();
    return {};
}

void addItem(const Row& item) {
    if (const QString refusal = refusalOfNewItem(item); !refusal.isEmpty())
        throw StoreError(refusal);
    const QString code = text(item, "物品编号");
    const QString categoryCode = code.left(CategoryCodeWidth);
    const ItemNumber number = nextItemNumber(categoryCode);
    if (number.itemCode != code)
        throw StoreError(QStringLiteral("物品编号%1已经不是该类别的下一个编号(%2),请重新新增!")
                             .arg(code, number.itemCode));
    Transaction transaction;
    Sql::insert(ItemTable, valuesOf(item));
    Sql::update(QStringLiteral("物品类别"), {{QStringLiteral("最后编号"), number.runningNumber}},
                QStringLiteral("物品分类编号 = ?"), {categoryCode});
    appendOperationLog(QStringLiteral("新增物品信息:") + logKey(item));
    transaction.commit();
}

void changeItem(const Row& item) {
    const QString code = text(item, "物品编号");
    const QString where = QStringLiteral("物品编号 = ?");
    Transaction transaction;
    if (const Sql::Values values = changedColumns(item); !values.empty())
        Sql::update(ItemTable, values, where, {code});
    Sql::update(QStringLiteral("物品库存表"), stockCopies(item), where, {code});
    Sql::update(QStringLiteral("业务流水"), journalCopies(item), where, {code});
    appendOperationLog(QStringLiteral("修改物品信息:") + logKey(item));
    transaction.commit();
}

void deleteItem(const QString& itemCode) {
    const Row item =
        firstRow(QStringLiteral("SELECT * FROM 物品资料表 WHERE 物品编号 = ?"), {itemCode});
    if (item.isEmpty())
        throw StoreError(QStringLiteral("没有找到编号为%1的物品!").arg(itemCode));
    Transaction transaction;
    Sql::exec(QStringLiteral("DELETE FROM 物品库存表 WHERE 物品编号 = ?"), {itemCode});
    appendOperationLog(QStringLiteral("删除物品资料和库存:") + logKey(item));
    Sql::exec(QStringLiteral("DELETE FROM 物品资料表 WHERE 物品编号 = ?"), {itemCode});
    transaction.commit();
}

} // namespace ItemCatalogue
