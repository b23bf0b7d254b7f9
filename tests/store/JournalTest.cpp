#include "store/Journal.h"
#include "store/Session.h"
#include "store/Sql.h"
#include "support/TestDatabase.h"

#include <QDateTime>
#include <QSqlQuery>

namespace {

class JournalTest : public DatabaseTest {};

TEST_F(JournalTest, AMovementFillsOnlyItsOwnPair) {
    JournalEntry e;
    e.itemCode = QStringLiteral("0010001");
    e.itemName = QStringLiteral("螺栓 M8");
    e.warehouse = QStringLiteral(" 一库 ");
    e.direction = JournalEntry::Direction::Out;
    e.quantity = 2.00004;
    e.amount = *Money::parse(u"10.5");
    e.date = QDate(2026, 4, 30);
    e.movement = QStringLiteral("物品出库");
    e.counterparty = QStringLiteral("生产部");
    e.unitPrice = *Money::parse(u"5.25");
    e.documentNumber = QStringLiteral("00000007");
    e.documentKind = QStringLiteral("出库单");
    e.stockAfter = 8;
    e.amountAfter = *Money::parse(u"42");
    appendJournal(e);

    QSqlQuery row = Sql::exec(QStringLiteral(
        "SELECT 仓库, 入库数量, 入库金额, 出库数量, 出库金额, 日期, 物品单价, 单据编号, 单据来源, "
        "当时库存, 当时金额, 部门 FROM 业务流水"));
    ASSERT_TRUE(row.next());
    EXPECT_EQ(row.value(0).toString(), "一库");
    EXPECT_EQ(row.value(1).toDouble(), 0.0);
    EXPECT_EQ(row.value(2).toLongLong(), 0);
    EXPECT_DOUBLE_EQ(row.value(3).toDouble(), 2.0);
    EXPECT_EQ(row.value(4).toLongLong(), 105000);
    EXPECT_EQ(row.value(5).toString(), "2026-04-30");
    EXPECT_EQ(row.value(6).toLongLong(), 52500);
    EXPECT_EQ(row.value(7).toString(), "00000007");
    EXPECT_EQ(row.value(8).toString(), "出库单");
    EXPECT_EQ(row.value(9).toDouble(), 8.0);
    EXPECT_EQ(row.value(10).toLongLong(), 420000);
    EXPECT_EQ(row.value(11).toString(), "生产部");
}

TEST_F(JournalTest, TheLogIsStampedAndCutToItsWidth) {
    Session::setOperatorName(QStringLiteral("张三"));
    const QDateTime before = QDateTime::currentDateTime().addSecs(-1);
    const QString text = QStringLiteral("删除供销商信息,供销商名称是:") + QString(60, u'甲');
    appendOperationLog(text);
    QSqlQuery row = Sql::exec(QStringLiteral("SELECT 发生时间, 业务内容, 操作员 FROM 操作流水表"));
    ASSERT_TRUE(row.next());
    const QDateTime stamped = QDateTime::fromString(row.value(0).toString(), Qt::ISODate);
    EXPECT_GE(stamped, before);
    EXPECT_LE(stamped, QDateTime::currentDateTime());
    EXPECT_EQ(row.value(1).toString(), text.left(50));
    EXPECT_EQ(row.value(2).toString(), "张三");
}

} // namespace
