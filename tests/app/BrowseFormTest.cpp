#include "app/BrowseForm.h"

#include "platform/widgets/DataGrid.h"
#include "platform/widgets/StatusPanels.h"
#include "store/Sql.h"
#include "support/TestDatabase.h"

#include <QPointer>
#include <QTableView>
#include <QTest>

namespace {

class BrowseFormTest : public DatabaseTest {
protected:
    void SetUp() override {
        DatabaseTest::SetUp();
        Sql::insert("仓库信息表", {{"仓库编号", "02"}, {"仓库名称", "O'Neil库"}});
        Sql::insert("仓库信息表", {{"仓库编号", "01"}, {"仓库名称", "一号库"}});
        Sql::insert("物品类别", {{"物品分类编号", "001"}, {"物品类别", "钢材"}});
        Sql::insert("物品类别", {{"物品分类编号", "002"}, {"物品类别", "水泥"}});
        stock("0010002", "钢材", "一号库", 2.5, 1000.125, "B2");
        stock("0010001", "钢材", "一号库", -1, -10, "");
        stock("0010001", "钢材", "O'Neil库", 1234.5, 2468.999, "");
        stock("0020001", "水泥", "一号库", 7, 70, "");
    }
    void TearDown() override {
        delete form.data();
        DatabaseTest::TearDown();
    }

    static void stock(const char* code, const char* category, const char* warehouse,
                      double quantity, double cost, const char* substitute) {
        Sql::insert("物品库存表", {{"物品编号", code},
                                   {"物品名称", QStringLiteral("物品") + code},
                                   {"物品类别", category},
                                   {"物品单位", "吨"},
                                   {"仓库", warehouse},
                                   {"物品数量", quantity},
                                   {"平均成本", quantity ? cost / quantity : 0},
                                   {"总成本", cost},
                                   {"代替品编号", substitute}});
    }

    void open(BrowseForm* created) {
        form = created;
        form->show();
        list = form->findChild<DataGrid*>("DBGrid1");
        rows = form->findChild<DataGrid*>("DBGridEh1");
        ASSERT_TRUE(list && rows);
    }

    void clickGroup(int row) {
        QTableView* view = list->view();
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {},
                          view->visualRect(list->model()->index(row, 0)).center());
    }

    QStringList row(int r) const {
        QStringList texts;
        for (int c = 0; c < rows->model()->columnCount(); ++c)
            texts << rows->displayText(r, c);
        return texts;
    }

    QPointer<BrowseForm> form;
    DataGrid* list = nullptr;
    DataGrid* rows = nullptr;
};

} // namespace

TEST_F(BrowseFormTest, ListLibShowsTheStockOfTheWarehouseClicked) {
    open(createListLibForm(nullptr));
    EXPECT_EQ(form->objectName(), "TListLibForm");
    EXPECT_EQ(form->findChild<StatusPanels*>()->text(1),
              "选择存放物品的不同仓库，列出该仓库中所有物品的信息!");
    ASSERT_EQ(list->rowCount(), 2);
    EXPECT_EQ(list->displayText(0, 0), "一号库") << "in warehouse code order";
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form));
    list->setFocus(); // the list takes a current row with the focus
    EXPECT_EQ(rows->rowCount(), 0) << "empty until a warehouse is clicked";

    clickGroup(0);
    ASSERT_EQ(rows->rowCount(), 3);
    EXPECT_EQ(row(0), (QStringList{"钢材", "0010001", "物品0010001", "吨", "-1.000", "10.000",
                                   "-10.00", ""}));
    EXPECT_EQ(row(1), (QStringList{"钢材", "0010002", "物品0010002", "吨", "2.500", "400.050",
                                   "1,000.13", "B2"}));
    EXPECT_EQ(rows->footerTexts(), (QStringList{"", "", "", "", "8.5", "", "1,060.13", ""}));
    EXPECT_EQ(rows->model()->headerData(7, Qt::Horizontal, Qt::DisplayRole), "企业编码");
    EXPECT_TRUE(form->findChild<QTableView*>("DBGridEh1Frozen")->isVisible());

    clickGroup(1); // a name with a quote in it
    ASSERT_EQ(rows->rowCount(), 1);
    EXPECT_EQ(row(0).at(6), "2,469.00");
}

TEST_F(BrowseFormTest, ListProducInfoShowsTheCategoryInEveryWarehouse) {
    open(createListProducInfoForm(nullptr));
    EXPECT_EQ(form->objectName(), "TListProducInfoForm");
    ASSERT_EQ(list->rowCount(), 2);
    EXPECT_EQ(rows->rowCount(), 0);
    clickGroup(0);
    ASSERT_EQ(rows->rowCount(), 3);
    EXPECT_EQ(row(0).at(0), "0010001");
    QStringList warehouses;
    for (int r = 0; r < 3; ++r)
        warehouses << rows->displayText(r, 6);
    warehouses.sort();
    EXPECT_EQ(warehouses, (QStringList{"O'Neil库", "一号库", "一号库"}));
    EXPECT_EQ(row(2), (QStringList{"0010002", "物品0010002", "吨", "2.500", "400.050", "1,000.13",
                                   "一号库"}));
    clickGroup(1);
    EXPECT_EQ(rows->rowCount(), 1);
}
