#include "reference/RowsModel.h"
#include "store/Sql.h"
#include "store/Transaction.h"
#include "support/TestDatabase.h"

namespace {

QString u(const char* text) {
    return QString::fromUtf8(text);
}

class RowsModelTest : public DatabaseTest {
protected:
    void SetUp() override {
        DatabaseTest::SetUp();
        Transaction transaction;
        for (int i = 1; i <= 300; ++i)
            Sql::insert(u("仓位信息表"),
                        {{u("仓位名称"), QStringLiteral("B%1").arg(i, 3, 10, QChar(u'0'))},
                         {u("仓库编号"), i % 2 ? u("01") : u("02")}});
        transaction.commit();
    }
    RowsModel model{u("仓位信息表"), {{u("仓位名称"), u("仓位")}, {u("位置描述"), u("描述")}}};
};

TEST_F(RowsModelTest, RowsArriveInBatchesOfTheSelection) {
    model.reload();
    EXPECT_EQ(model.rowCount(), 256);
    ASSERT_TRUE(model.canFetchMore({}));
    model.fetchMore({});
    EXPECT_EQ(model.rowCount(), 300);
    EXPECT_FALSE(model.canFetchMore({}));

    model.setSelection(u("仓库编号 = ?"), {u("02")}, u("仓位名称 DESC"));
    EXPECT_EQ(model.rowCount(), 150);
    EXPECT_EQ(model.data(model.index(0, 0)).toString(), u("B300"));
    EXPECT_EQ(model.headerData(1, Qt::Horizontal).toString(), u("描述"));
}

TEST_F(RowsModelTest, OneRowIsPendingUntilItIsStoredOrDiscarded) {
    model.setSelection(u("仓库编号 = ?"), {u("01")}, u("仓位名称"));
    const QModelIndex description = model.index(0, 1);
    EXPECT_FALSE(model.setData(description, u("北墙"))); // read-only grid
    model.setEditableColumns({u("位置描述")});
    EXPECT_FALSE(model.flags(model.index(0, 0)) & Qt::ItemIsEditable);
    ASSERT_TRUE(model.setData(description, u("北墙")));
    EXPECT_EQ(model.pendingRow(), 0);
    EXPECT_FALSE(model.pendingIsNew());
    EXPECT_EQ(model.pendingValues(), Row({{u("位置描述"), u("北墙")}}));
    EXPECT_EQ(model.row(0).value(u("仓位名称")).toString(), u("B001"));

    // A new row replaces the pending edit, which is dropped.
    const int added = model.appendRow({{u("仓库编号"), u("01")}});
    EXPECT_EQ(added, 150);
    EXPECT_EQ(model.rowCount(), 151);
    EXPECT_TRUE(model.pendingIsNew());
    EXPECT_EQ(model.data(description).toString(), u(""));
    EXPECT_EQ(model.rowId(added), -1);
    model.discardPending();
    EXPECT_EQ(model.rowCount(), 150);
    EXPECT_EQ(model.pendingRow(), -1);
}

} // namespace
