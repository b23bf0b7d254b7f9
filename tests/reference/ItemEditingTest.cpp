#include "reference/ItemEditing.h"
#include "store/Sql.h"
#include "support/TestDatabase.h"

namespace {

QString u(const char* text) {
    return QString::fromUtf8(text);
}

class ItemEditingTest : public DatabaseTest {
protected:
    void SetUp() override {
        DatabaseTest::SetUp();
        Sql::insert(u("物品类别"), {{u("物品分类编号"), u("001")}, {u("物品类别"), u("五金")}});
    }
    static QString lastNumber() {
        return Sql::scalar(u("SELECT 最后编号 FROM 物品类别")).toString();
    }
    ItemEditing editing;
};

TEST_F(ItemEditingTest, ANewItemIsStoredOnlyWhenSavedComplete) {
    Row draft = editing.beginNew(u("001"));
    editing.escape(); // abandoned: the number is not used up
    EXPECT_EQ(editing.beginNew(u("001")).value(u("物品编号")), draft.value(u("物品编号")));

    draft.insert(u("物品名称"), u("螺栓"));
    const ItemEditing::Outcome refused = editing.save(draft);
    EXPECT_FALSE(refused.stored);
    EXPECT_EQ(refused.message, u("物品名称和单位不能为空!"));
    EXPECT_TRUE(editing.adding());

    draft.insert(u("物品单位"), u("个"));
    EXPECT_EQ(editing.save(draft).message, u("物品信息保存成功!可以按新增继续增加物品资料"));
    EXPECT_FALSE(editing.adding());
    EXPECT_EQ(lastNumber(), u("0001"));

    // The second item copies the item last clicked.
    editing.setCopySource(draft);
    const Row second = editing.beginNew(u("001"));
    EXPECT_EQ(second.value(u("物品编号")).toString(), u("0010002"));
    EXPECT_EQ(second.value(u("物品名称")).toString(), u("螺栓"));
    // Saved unchanged it is refused as a copy of the first.
    EXPECT_EQ(editing.save(second).message,
              u("物品资料表已存在相同全称的物品。物品编号： 0010001"));
}

TEST_F(ItemEditingTest, ChangingStaysOnUntilAChangeIsSaved) {
    Row item = editing.beginNew(u("001"));
    item.insert(u("物品名称"), u("螺栓"));
    item.insert(u("物品单位"), u("个"));
    editing.save(item);

    // 保存 while browsing runs the new-item checks and finds the row itself.
    EXPECT_FALSE(editing.save(item).stored);

    EXPECT_TRUE(editing.beginModify());
    editing.escape();
    EXPECT_FALSE(editing.beginModify()); // already on
    item.insert(u("物品名称"), u("螺栓 M8"));
    EXPECT_EQ(editing.save(item).message,
              u("物品资料信息与物品库存信息、业务流水信息同步被修改！"));
    EXPECT_FALSE(editing.modifying());
    EXPECT_EQ(rowCount(u("物品资料表"), u("物品名称 = ?"), {u("螺栓 M8")}), 1);
    EXPECT_EQ(lastNumber(), u("0001"));
}

} // namespace
