#include "DocumentFixture.h"

#include "documents/DocumentRefusal.h"
#include "documents/InboundNoteCopy.h"
#include "store/Sql.h"

#include <QSqlQuery>

namespace {

using namespace DocumentKinds;

Money m(const char* text) {
    return *Money::parse(QString::fromUtf8(text));
}

class OtherKinds : public DocumentFixture {};

TEST_F(OtherKinds, InboundReturnCopiesAnInboundNoteAndReaverages) {
    addItem("0010001", "螺栓", "一库");
    DocumentEditor inbound(inboundNote());
    addLine(inboundNote(), inbound.number(), "0010001", 12, 4);
    inbound.post(input(QStringLiteral("一库")));
    Sql::update(QStringLiteral("物品库存表"),
                {{QStringLiteral("物品数量"), 10.0}, {QStringLiteral("总成本"), 100.0}},
                QStringLiteral("1 = 1"));

    DocumentEditor editor(inboundReturnNote());
    EXPECT_FALSE(copyInboundNoteLines(QStringLiteral("00000099"), editor.number()).has_value());
    EXPECT_EQ(copyInboundNoteLines(QStringLiteral("00000001"), editor.number()), "一库");
    editor.lineSaved();
    DocumentInput in = input(QStringLiteral("一库"));
    in.targetNumber = QStringLiteral("00000001");
    editor.post(in);

    const StockState after = *stock("0010001", "一库");
    EXPECT_DOUBLE_EQ(after.quantity, 6);
    EXPECT_EQ(after.totalCost, m("52"));
    EXPECT_DOUBLE_EQ(after.averageCost, 52.0 / 6);
    EXPECT_EQ(Sql::scalar(QStringLiteral("SELECT 目标单编号 FROM 入库退出单主表")).toString(),
              "00000001");
    const auto rows = journal();
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[1].source, "入库退出单");
    EXPECT_DOUBLE_EQ(rows[1].outQuantity, 4);
}

TEST_F(OtherKinds, InboundReturnWithoutAStockRowStillWritesItsJournalRow) {
    DocumentEditor editor(inboundReturnNote());
    addLine(inboundReturnNote(), editor.number(), "0010009", 3, 2);
    editor.post(input(QStringLiteral("一库")));
    EXPECT_EQ(rowCount(QStringLiteral("物品库存表")), 0);
    const auto rows = journal();
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].stockAfter, 0.0);
    EXPECT_EQ(rows[0].amountAfter, Money());
    EXPECT_EQ(rows[0].movement, "物品出库");
}

TEST_F(OtherKinds, OutboundReturnComesBackAtCost) {
    addItem("0010001", "螺栓", "一库");
    addStock("0010001", "一库", 4, "10", 2.5);
    DocumentEditor editor(outboundReturnNote());
    addLine(outboundReturnNote(), editor.number(), "0010001", 2.5, 2);
    DocumentInput in = input(QStringLiteral("一库"));
    in.reason = QStringLiteral("质量问题");
    editor.post(in);
    const StockState after = *stock("0010001", "一库");
    EXPECT_DOUBLE_EQ(after.quantity, 6);
    EXPECT_EQ(after.totalCost, m("15"));
    EXPECT_DOUBLE_EQ(after.averageCost, 2.5);
    EXPECT_EQ(journal()[0].movement, "物品入库");
    EXPECT_EQ(Sql::scalar(QStringLiteral("SELECT 退货原因 FROM 出库退回单主表")).toString(),
              "质量问题");
}

TEST_F(OtherKinds, TransferMovesAtSourceCostWithAJournalRowPerWarehouse) {
    addItem("0010001", "螺栓", "一库");
    addStock("0010001", "一库", 10, "25", 2.5);
    DocumentEditor editor(transferNote());
    addLine(transferNote(), editor.number(), "0010001", 2.5, 3);
    addLine(transferNote(), editor.number(), "0010001", 2.6, 1); // a second group
    DocumentInput in = input(QStringLiteral("一库"));
    in.destinationWarehouse = QStringLiteral("三库");
    editor.post(in);

    const StockState source = *stock("0010001", "一库");
    EXPECT_DOUBLE_EQ(source.quantity, 6);
    EXPECT_EQ(source.totalCost, m("14.9"));
    EXPECT_DOUBLE_EQ(source.averageCost, 2.5);
    const StockState destination = *stock("0010001", "三库");
    EXPECT_DOUBLE_EQ(destination.quantity, 4);
    EXPECT_EQ(destination.totalCost, m("10.1"));
    EXPECT_DOUBLE_EQ(destination.averageCost, 2.5); // made by the first group, kept by the second
    QSqlQuery made =
        Sql::exec(QStringLiteral("SELECT 物品名称, 仓位, 最低库存限额, 进货单价 FROM 物品库存表 "
                                 "WHERE 仓库 = '三库'"));
    ASSERT_TRUE(made.next());
    EXPECT_EQ(made.value(0).toString(), "螺栓");
    EXPECT_EQ(made.value(1).toString(), "A-1");
    EXPECT_EQ(made.value(2).toDouble(), 2.0);
    EXPECT_EQ(made.value(3).toDouble(), 1.5);

    const auto rows = journal();
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[0].warehouse, "三库");
    EXPECT_EQ(rows[0].movement, "物品入库");
    EXPECT_DOUBLE_EQ(rows[0].stockAfter, 3);
    EXPECT_EQ(rows[1].warehouse, "一库");
    EXPECT_EQ(rows[1].movement, "物品出库");
    EXPECT_DOUBLE_EQ(rows[1].stockAfter, 7);
    EXPECT_EQ(rows[1].amountAfter, m("17.5"));
    for (const auto& r : rows)
        EXPECT_EQ(r.counterparty, "一库");
    EXPECT_DOUBLE_EQ(Sql::scalar(QStringLiteral("SELECT 调拨数量 FROM 调拨单主表")).toDouble(), 4);
}

TEST_F(OtherKinds, TransferRefusalsWriteNothing) {
    addItem("0010001", "螺栓", "一库");
    addStock("0010001", "一库", 10, "25", 2.5);
    const struct {
        const char* name;
        const char* source;
        const char* destination;
        double firstQuantity, secondQuantity;
        const char* message;
    } cases[] = {
        {"no destination", "一库", " ", 1, 1, "调出仓库与调入仓库不能为空!"},
        {"quantities cancel", "一库", "二库", 1.004, -1.001, "调拨单的物品数量合计为零,不能保存!"},
        {"source row gone", "四库", "二库", 1, 1, "数据出现严重错误,请与软件供应商联系!"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        DocumentEditor editor(transferNote());
        addLine(transferNote(), editor.number(), "0010001", 2.5, c.firstQuantity);
        addLine(transferNote(), editor.number(), "0010001", 2.5, c.secondQuantity);
        DocumentInput in = input(QString::fromUtf8(c.source));
        in.destinationWarehouse = QString::fromUtf8(c.destination);
        try {
            editor.post(in);
            ADD_FAILURE() << "should be refused";
        } catch (const DocumentRefusal& refusal) {
            EXPECT_EQ(refusal.message(), QString::fromUtf8(c.message));
        }
        EXPECT_EQ(rowCount(QStringLiteral("调拨单主表")), 0);
        EXPECT_EQ(rowCount(QStringLiteral("业务流水")), 0);
        EXPECT_EQ(rowCount(QStringLiteral("物品库存表")), 1);
        EXPECT_DOUBLE_EQ(stock("0010001", "一库")->quantity, 10);
        editor.discard();
        DocumentLines::removeAll(transferNote(), editor.number());
    }
}

TEST_F(OtherKinds, DirectIssueLeavesStockAndJournalAlone) {
    addItem("0010001", "螺栓", "一库");
    addStock("0010001", "一库", 10, "25", 2.5);
    DocumentEditor editor(directIssueNote());
    addLine(directIssueNote(), editor.number(), "", 3, 1.005);
    DocumentInput in = input({});
    in.counterparty.clear();
    editor.post(in);
    EXPECT_EQ(rowCount(QStringLiteral("业务流水")), 0);
    EXPECT_DOUBLE_EQ(stock("0010001", "一库")->quantity, 10);
    QSqlQuery header =
        Sql::exec(QStringLiteral("SELECT 直拨数量, 金额合计, 领用部门 FROM 直拨单主表"));
    ASSERT_TRUE(header.next());
    EXPECT_DOUBLE_EQ(header.value(0).toDouble(), 1.005);
    EXPECT_EQ(Sql::money(header.value(1)), m("3.015"));
    EXPECT_EQ(header.value(2).toString(), "");
    EXPECT_EQ(rowCount(QStringLiteral("操作流水表"), QStringLiteral("业务内容 = ?"),
                       {QStringLiteral("输入直拨单,编号是:00000001")}),
              1);
}

TEST_F(OtherKinds, StocktakingGainReaveragesAndLossIssuesAtCost) {
    const struct {
        bool gain;
        StockState expected;
        const char* movement;
        const char* state;
    } cases[] = {
        {true, {12, m("130"), 130.0 / 12}, "物品入库", "盘盈"},
        {false, {8, m("70"), 10}, "物品出库", "盘损"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.state);
        Sql::exec(QStringLiteral("DELETE FROM 物品库存表"));
        addStock("0010001", "一库", 10, "100", 10);
        DocumentEditor editor(stocktakingNote());
        addLine(stocktakingNote(), editor.number(), "0010001", 15, 2);
        DocumentInput in = input(QStringLiteral("一库"));
        in.gain = c.gain;
        editor.post(in);
        const StockState after = *stock("0010001", "一库");
        EXPECT_DOUBLE_EQ(after.quantity, c.expected.quantity);
        EXPECT_EQ(after.totalCost, c.expected.totalCost);
        EXPECT_DOUBLE_EQ(after.averageCost, c.expected.averageCost);
        const auto last = journal().back();
        EXPECT_EQ(last.movement, QString::fromUtf8(c.movement));
        EXPECT_EQ(last.counterparty, "盘点");
        EXPECT_EQ(last.source, "盘盈盘损单");
        EXPECT_EQ(Sql::scalar(
                      QStringLiteral("SELECT 盘点盈状态 FROM 盘损盈单主表 WHERE 盘损盈单编号 = ?"),
                      {editor.lastPosted().number})
                      .toString(),
                  QString::fromUtf8(c.state));
    }
}

TEST_F(OtherKinds, StocktakingTotalIsAWholeNumberRoundedHalfToEven) {
    addStock("0010001", "一库", 10, "100", 10);
    for (const auto& [quantity, expected] : {std::pair{2.5, 2}, {3.5, 4}, {2.4, 2}}) {
        DocumentEditor editor(stocktakingNote());
        addLine(stocktakingNote(), editor.number(), "0010001", 1, quantity);
        editor.post(input(QStringLiteral("一库")));
        EXPECT_EQ(
            Sql::scalar(QStringLiteral("SELECT 总数量 FROM 盘损盈单主表 WHERE 盘损盈单编号 = ?"),
                        {editor.lastPosted().number})
                .toInt(),
            expected)
            << quantity;
    }
}

TEST_F(OtherKinds, StocktakingWithoutAStockRowStopsBeforeWritingAnything) {
    addStock("0010001", "一库", 10, "100", 10);
    DocumentEditor editor(stocktakingNote());
    addLine(stocktakingNote(), editor.number(), "0010001", 1, 1);
    addLine(stocktakingNote(), editor.number(), "0010002", 1, 1);
    EXPECT_THROW(editor.post(input(QStringLiteral("一库"))), DocumentRefusal);
    EXPECT_EQ(rowCount(QStringLiteral("盘损盈单主表")), 0);
    EXPECT_EQ(rowCount(QStringLiteral("业务流水")), 0);
    EXPECT_DOUBLE_EQ(stock("0010001", "一库")->quantity, 10);
}

} // namespace
