#include "reference/ItemCatalogue.h"
#include "store/Journal.h"
#include "store/Sql.h"
#include "store/StoreError.h"
#include "support/TestDatabase.h"

#include <QSqlQuery>

namespace {

QString u(const char* text) {
    return QString::fromUtf8(text);
}

class ItemCatalogueTest : public DatabaseTest {
protected:
    void SetUp() override {
        DatabaseTest::SetUp();
        addCategory("001", "五金", "", "一库");
        addCategory("002", "电料", "0012", "二库");
    }

    static void addCategory(const char* code, const char* name, const char* last,
                            const char* warehouse) {
        Sql::insert(u("物品类别"), {{u("物品分类编号"), u(code)},
                                    {u("物品类别"), u(name)},
                                    {u("最后编号"), u(last)},
                                    {u("所在仓库"), u(warehouse)}});
    }

    static QString lastNumber(const char* category) {
        return Sql::scalar(u("SELECT 最后编号 FROM 物品类别 WHERE 物品分类编号 = ?"), {u(category)})
            .toString();
    }

    static Row newItem(const char* category, const char* name, const char* unit = "个") {
        Row item = ItemCatalogue::newItemDraft(u(category), {});
        item.insert(u("物品名称"), u(name));
        item.insert(u("物品单位"), u(unit));
        return item;
    }

    static void addStock(const QString& item, const char* warehouse) {
        Sql::insert(u("物品库存表"), {{u("物品编号"), item},
                                      {u("物品名称"), u("旧名")},
                                      {u("仓库"), u(warehouse)},
                                      {u("仓位"), u("旧仓位")},
                                      {u("物品数量"), 5.0}});
    }

    static void addJournal(const QString& item) {
        JournalEntry entry;
        entry.itemCode = item;
        entry.itemName = u("旧名");
        entry.warehouse = u("一库");
        entry.quantity = 5;
        entry.documentNumber = u("00000001");
        appendJournal(entry);
    }
};

TEST_F(ItemCatalogueTest, ItemsAreNumberedWithinTheirCategory) {
    const Row copySource{
        {u("物品名称"), u("螺栓")}, {u("物品规格"), u("M8")}, {u("物品单位"), u("个")}};

    // The first item of a category starts at 0001 and copies nothing.
    Row first = ItemCatalogue::newItemDraft(u("001"), copySource);
    EXPECT_EQ(first.value(u("物品编号")).toString(), u("0010001"));
    EXPECT_EQ(first.value(u("物品类别")).toString(), u("五金"));
    EXPECT_EQ(first.value(u("默认仓库")).toString(), u("一库"));
    EXPECT_FALSE(first.contains(u("物品名称")));

    // A category that already holds items goes on from its 最后编号 and copies the source.
    const Row next = ItemCatalogue::newItemDraft(u("002"), copySource);
    EXPECT_EQ(next.value(u("物品编号")).toString(), u("0020013"));
    EXPECT_EQ(next.value(u("物品规格")).toString(), u("M8"));

    // Abandoning a new item uses up no number; saving one does.
    EXPECT_EQ(ItemCatalogue::nextItemNumber(u("001")).itemCode, u("0010001"));
    ItemCatalogue::addItem(newItem("001", "垫圈"));
    EXPECT_EQ(lastNumber("001"), u("0001"));
    EXPECT_EQ(ItemCatalogue::nextItemNumber(u("001")).itemCode, u("0010002"));
    EXPECT_EQ(operationLogTexts(), QStringList{u("新增物品信息:0010001 垫圈")});
}

TEST_F(ItemCatalogueTest, TheTenThousandthItemOfACategoryIsRefused) {
    addCategory("003", "满类", "9999", "");
    try {
        ItemCatalogue::nextItemNumber(u("003"));
        FAIL() << "a five-digit running number was made";
    } catch (const StoreError& e) {
        EXPECT_TRUE(e.message().contains(u("满类"))) << e.message().toStdString();
    }
}

TEST_F(ItemCatalogueTest, ANewItemNeedsANameAUnitAndANewName) {
    ItemCatalogue::addItem(newItem("001", "O'Ring 密封圈"));
    const struct {
        const char* name;
        const char* unit;
        const char* refusal;
    } cases[] = {
        {"", "个", "物品名称和单位不能为空!"},
        {"扳手", " ", "物品名称和单位不能为空!"},
        {"O'Ring 密封圈", "个", "物品资料表已存在相同全称的物品。物品编号： 0010001"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.refusal);
        const Row item = newItem("001", c.name, c.unit);
        EXPECT_EQ(ItemCatalogue::refusalOfNewItem(item), u(c.refusal));
        EXPECT_THROW(ItemCatalogue::addItem(item), StoreError);
    }
    EXPECT_EQ(rowCount(u("物品资料表")), 1);
    EXPECT_EQ(lastNumber("001"), u("0001"));
}

TEST_F(ItemCatalogueTest, AFailedSaveWritesNothingAndShowsTheDatabaseMessage) {
    // An item stored behind the numbering's back already holds the next number.
    Sql::insert(u("物品资料表"), {{u("物品编号"), u("0010001")}, {u("物品名称"), u("外来")}});
    try {
        ItemCatalogue::addItem(newItem("001", "垫圈"));
        FAIL() << "a second item 0010001 was stored";
    } catch (const StoreError& e) {
        EXPECT_TRUE(e.message().contains(u("UNIQUE"))) << e.message().toStdString();
    }
    EXPECT_EQ(lastNumber("001"), u(""));
    EXPECT_TRUE(operationLogTexts().isEmpty());
}

TEST_F(ItemCatalogueTest, AChangeIsCopiedIntoEveryStockAndJournalRow) {
    ItemCatalogue::addItem(newItem("001", "螺栓"));
    ItemCatalogue::addItem(newItem("001", "螺母"));
    for (const char* warehouse : {"一库", "二库"})
        addStock(u("0010001"), warehouse);
    addStock(u("0010002"), "一库");
    addJournal(u("0010001"));
    addJournal(u("0010002"));

    Row changed = firstRow(u("SELECT * FROM 物品资料表 WHERE 物品编号 = '0010001'"));
    changed.insert(u("物品名称"), u("螺栓 O'型"));
    changed.insert(u("物品规格"), u("M10"));
    changed.insert(u("物品单位"), u("套"));
    changed.insert(u("物品品牌"), u("飞'马"));
    changed.insert(u("默认仓位"), u("B-2"));
    changed.insert(u("替换号码"), u("QY-7"));
    changed.insert(u("参考进货价"), 1.25);
    changed.insert(u("物品厂价"), 1.1);
    changed.insert(u("最低库存限额"), 3.0);
    ItemCatalogue::changeItem(changed);

    QSqlQuery stock =
        Sql::exec(u("SELECT 物品名称, 物品型号, 物品单位, 物品品牌, 仓位, 代替品编号, "
                    "进货单价, 参考批发价, 最低库存限额, 物品数量 FROM 物品库存表 "
                    "WHERE 物品编号 = '0010001'"));
    int rows = 0;
    while (stock.next()) {
        ++rows;
        EXPECT_EQ(stock.value(0).toString(), u("螺栓 O'型"));
        EXPECT_EQ(stock.value(1).toString(), u("M10"));
        EXPECT_EQ(stock.value(2).toString(), u("套"));
        EXPECT_EQ(stock.value(3).toString(), u("飞'马"));
        EXPECT_EQ(stock.value(4).toString(), u("B-2"));
        EXPECT_EQ(stock.value(5).toString(), u("QY-7"));
        EXPECT_DOUBLE_EQ(stock.value(6).toDouble(), 1.25);
        EXPECT_DOUBLE_EQ(stock.value(7).toDouble(), 1.1);
        EXPECT_DOUBLE_EQ(stock.value(8).toDouble(), 3.0);
        EXPECT_DOUBLE_EQ(stock.value(9).toDouble(), 5.0); // quantities are not copies
    }
    EXPECT_EQ(rows, 2);
    EXPECT_EQ(rowCount(u("物品库存表"), u("物品名称 = '旧名'")), 1); // the other item's row
    EXPECT_EQ(rowCount(u("业务流水"),
                       u("物品名称 = ? AND 物品规格 = 'M10' AND 物品单位 = '套' AND "
                         "品牌 = ?"),
                       {u("螺栓 O'型"), u("飞'马")}),
              1);
    EXPECT_EQ(rowCount(u("业务流水"), u("物品名称 = '旧名'")), 1);
    EXPECT_EQ(lastNumber("001"), u("0002"));
    EXPECT_EQ(operationLogTexts().constLast(), u("修改物品信息:0010001 螺栓 O'型"));
}

TEST_F(ItemCatalogueTest, ADeleteRemovesTheStockInEveryWarehouseButKeepsTheJournal) {
    ItemCatalogue::addItem(newItem("001", "螺栓'甲"));
    ItemCatalogue::addItem(newItem("001", "螺母"));
    for (const char* warehouse : {"一库", "二库"})
        addStock(u("0010001"), warehouse);
    addStock(u("0010002"), "一库");
    addJournal(u("0010001"));

    ItemCatalogue::deleteItem(u("0010001"));
    EXPECT_EQ(rowCount(u("物品资料表")), 1);
    EXPECT_EQ(rowCount(u("物品库存表"), u("物品编号 = '0010001'")), 0);
    EXPECT_EQ(rowCount(u("物品库存表")), 1);
    EXPECT_EQ(rowCount(u("业务流水")), 1);
    EXPECT_EQ(operationLogTexts().constLast(), u("删除物品资料和库存:0010001 螺栓'甲"));
    EXPECT_THROW(ItemCatalogue::deleteItem(u("0010001")), StoreError);
}

} // namespace
