#include "WindowDriver.h"
#include "platform/widgets/DataGrid.h"
#include "platform/widgets/support/ScriptedUi.h"
#include "reference/TInitProduceInfoForm.h"
#include "store/Sql.h"
#include "support/TestDatabase.h"

#include <QPointer>

namespace {

QString u(const char* text) {
    return QString::fromUtf8(text);
}

class ItemWindowTest : public DatabaseTest {
protected:
    void SetUp() override {
        DatabaseTest::SetUp();
        Sql::insert(u("物品类别"), {{u("物品分类编号"), u("001")},
                                    {u("物品类别"), u("五金")},
                                    {u("所在仓库"), u("一库")}});
        Sql::insert(u("物品类别"), {{u("物品分类编号"), u("002")}, {u("物品类别"), u("电料")}});
        window_ = new TInitProduceInfoForm(nullptr);
        showActive(window_);
    }
    void TearDown() override {
        delete window_.data();
        DatabaseTest::TearDown();
    }

    EditGrid* grid() const { return window_->grid(); }
    int pending() const { return grid()->model()->pendingRow(); }

    void addItem(const char* name, const char* unit) {
        click(window_, "BitBtn1");
        typeCell(grid(), pending(), u("物品名称"), u(name));
        typeCell(grid(), pending(), u("物品单位"), u(unit));
        messages.expect(u("物品信息保存成功!可以按新增继续增加物品资料"));
        click(window_, "BitBtn2");
    }
    static QString lastNumber() {
        return Sql::scalar(u("SELECT 最后编号 FROM 物品类别 WHERE 物品分类编号 = '001'"))
            .toString();
    }

    MessageRecorder messages;
    QPointer<TInitProduceInfoForm> window_;
};

TEST_F(ItemWindowTest, NewItemsAreNumberedInTheSelectedCategory) {
    click(window_, "BitBtn1");
    EXPECT_FALSE(window_->masterList()->isEnabled());
    Row draft = grid()->model()->pendingValues();
    EXPECT_EQ(draft.value(u("物品编号")).toString(), u("0010001"));
    EXPECT_EQ(draft.value(u("默认仓库")).toString(), u("一库"));
    EXPECT_FALSE(isEditable(grid(), pending(), u("物品编号")));

    messages.expect(u("物品名称和单位不能为空!"));
    click(window_, "BitBtn2");
    EXPECT_EQ(messages.shown().back().icon, MessageRequest::Icon::Information);
    EXPECT_EQ(pending(), 0); // still being entered

    typeCell(grid(), pending(), u("物品名称"), u("O'Ring 圈"));
    typeCell(grid(), pending(), u("物品单位"), u("个"));
    messages.expect(u("物品信息保存成功!可以按新增继续增加物品资料"));
    click(window_, "BitBtn2");
    EXPECT_EQ(lastNumber(), u("0001"));
    EXPECT_TRUE(window_->masterList()->isEnabled());
    EXPECT_FALSE(isEditable(grid(), 0, u("物品名称")));
    EXPECT_EQ(operationLogTexts(), QStringList{u("新增物品信息:0010001 O'Ring 圈")});

    // An abandoned new item uses up no number; a clicked item is copied into the next.
    QTest::mouseClick(grid()->view()->viewport(), Qt::LeftButton, {},
                      grid()->view()->visualRect(grid()->model()->index(0, 4)).center());
    click(window_, "BitBtn1");
    QTest::keyClick(grid()->view(), Qt::Key_Escape);
    EXPECT_EQ(grid()->model()->rowCount(), 1);
    click(window_, "BitBtn1");
    draft = grid()->model()->pendingValues();
    EXPECT_EQ(draft.value(u("物品编号")).toString(), u("0010002"));
    EXPECT_EQ(draft.value(u("物品名称")).toString(), u("O'Ring 圈"));
    messages.expect(u("物品资料表已存在相同全称的物品。物品编号： 0010001"));
    click(window_, "BitBtn2");
}

TEST_F(ItemWindowTest, AChangeReachesTheStockAndADeleteRemovesIt) {
    addItem("螺栓", "个");
    for (const char* warehouse : {"一库", "二库"})
        Sql::insert(
            u("物品库存表"),
            {{u("物品编号"), u("0010001")}, {u("物品名称"), u("螺栓")}, {u("仓库"), u(warehouse)}});

    click(window_, "BitBtn5");
    EXPECT_FALSE(isEditable(grid(), 0, u("物品类别")));
    typeCell(grid(), 0, u("物品名称"), u("螺栓 M8"));
    typeCell(grid(), 0, u("默认仓位"), u("B-2"));
    messages.expect(u("物品资料信息与物品库存信息、业务流水信息同步被修改！"));
    click(window_, "BitBtn2");
    EXPECT_EQ(rowCount(u("物品库存表"), u("物品名称 = '螺栓 M8' AND 仓位 = 'B-2'")), 2);
    EXPECT_EQ(operationLogTexts().constLast(), u("修改物品信息:0010001 螺栓 M8"));
    EXPECT_EQ(lastNumber(), u("0001"));

    messages.expect(u("您真的要删除该物品的资料和库存数据吗？"), true);
    click(window_, "BitBtn3");
    EXPECT_EQ(rowCount(u("物品资料表")), 0);
    EXPECT_EQ(rowCount(u("物品库存表")), 0);
    EXPECT_EQ(operationLogTexts().constLast(), u("删除物品资料和库存:0010001 螺栓 M8"));

    messages.expect(u("您真的要删除该物品的资料和库存数据吗？"), true);
    messages.expect(u("没有记录可以删除了,请查清楚!"));
    click(window_, "BitBtn3");
}

TEST_F(ItemWindowTest, ASecondModifyReportsItIsAlreadyOn) {
    addItem("螺栓", "个");
    click(window_, "BitBtn5");
    QTest::keyClick(grid()->view(), Qt::Key_Escape);
    messages.expect(u("您已在修改状态，可以进行物品资料的修改了！"));
    click(window_, "BitBtn5");
    // Choosing another category shows its items.
    window_->masterList()->setCurrentRow(1);
    EXPECT_EQ(grid()->model()->rowCount(), 0);
}

} // namespace
