#include "DocumentFixture.h"

#include "documents/DocumentRefusal.h"
#include "store/Sql.h"
#include "store/StoreError.h"

#include <QSqlQuery>

namespace {

using namespace DocumentKinds;

Money m(const char* text) {
    return *Money::parse(QString::fromUtf8(text));
}

class Posting : public DocumentFixture {};

TEST_F(Posting, InboundNoteGroupsByItemAndPriceAndCreatesRowsInItsWarehouse) {
    addItem("0010001", "螺栓", "一库");
    addItem("0010002", "螺母", "二库"); // default warehouse differs from the note's
    addStock("0010001", "一库", 10, "100", 10);
    DocumentEditor editor(inboundNote());
    ASSERT_EQ(editor.number(), "00000001");
    addLine(inboundNote(), editor.number(), "0010001", 12, 5);
    addLine(inboundNote(), editor.number(), "0010001", 10, 1);
    addLine(inboundNote(), editor.number(), "0010001", 10, 1);
    addLine(inboundNote(), editor.number(), "0010002", 2.5, 4);
    editor.lineSaved();

    DocumentInput in = input(QStringLiteral(" 一库 "));
    in.type = QStringLiteral("外购物品入库");
    const PostedDocument posted = editor.post(in);

    EXPECT_EQ(posted.number, "00000001");
    EXPECT_EQ(posted.amount, m("90"));
    // 10 + 2 at 10 → 12 at 120; + 5 at 12 → 17 at 180.
    const StockState bolt = *stock("0010001", "一库");
    EXPECT_DOUBLE_EQ(bolt.quantity, 17);
    EXPECT_EQ(bolt.totalCost, m("180"));
    EXPECT_DOUBLE_EQ(bolt.averageCost, 180.0 / 17);
    const auto nut = stock("0010002", "一库");
    ASSERT_TRUE(nut.has_value());
    EXPECT_DOUBLE_EQ(nut->averageCost, 2.5);
    EXPECT_FALSE(stock("0010002", "二库").has_value());

    const auto rows = journal();
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_DOUBLE_EQ(rows[0].inQuantity, 2);
    EXPECT_EQ(rows[0].inAmount, m("20"));
    EXPECT_DOUBLE_EQ(rows[0].stockAfter, 12);
    EXPECT_EQ(rows[0].amountAfter, m("120"));
    EXPECT_DOUBLE_EQ(rows[1].stockAfter, 17);
    EXPECT_EQ(rows[1].amountAfter, m("180"));
    EXPECT_DOUBLE_EQ(rows[2].stockAfter, 4); // a new row shows what was received
    EXPECT_EQ(rows[2].amountAfter, m("10"));
    for (const auto& r : rows) {
        EXPECT_EQ(r.warehouse, "一库");
        EXPECT_EQ(r.movement, "物品入库");
        EXPECT_EQ(r.source, "入库单");
        EXPECT_EQ(r.counterparty, "华东五金");
        EXPECT_EQ(r.outQuantity, 0.0);
    }

    QSqlQuery header = Sql::exec(QStringLiteral(
        "SELECT 入库单编号, 入库日期, 交货单位, 收料仓库, 入库总数量, 总金额, 制单人, 审批人, "
        "经办人, 入库类型 FROM 入库单主表"));
    ASSERT_TRUE(header.next());
    EXPECT_EQ(header.value(1).toString(), "2026-12-01");
    EXPECT_EQ(header.value(3).toString(), "一库");
    EXPECT_DOUBLE_EQ(header.value(4).toDouble(), 11);
    EXPECT_EQ(Sql::money(header.value(5)), m("90"));
    EXPECT_EQ(header.value(7).toString(), "王五");
    EXPECT_EQ(header.value(8).toString(), "李四");
    EXPECT_EQ(header.value(9).toString(), "外购物品入库");
    EXPECT_EQ(rowCount(QStringLiteral("操作流水表"), QStringLiteral("业务内容 = ?"),
                       {QStringLiteral("输入入库单,编号是:00000001")}),
              1);

    EXPECT_EQ(editor.number(), "00000002");
    EXPECT_FALSE(editor.hasUnpostedLines());
    EXPECT_EQ(editor.lastPosted().number, "00000001");
}

TEST_F(Posting, NumbersAdvancePerKindAndStopAtEightDigits) {
    Sql::insert(QStringLiteral("出库单主表"),
                {{QStringLiteral("出库单编号"), QStringLiteral("00000099")}});
    EXPECT_EQ(DocumentEditor::nextNumber(outboundNote()), "00000100");
    EXPECT_EQ(DocumentEditor::nextNumber(inboundNote()), "00000001");
    Sql::insert(QStringLiteral("入库单主表"),
                {{QStringLiteral("入库单编号"), QStringLiteral("99999999")}});
    EXPECT_THROW(DocumentEditor::nextNumber(inboundNote()), StoreError);
}

TEST_F(Posting, LooseLinesOfTheNumberJoinTheNextDocument) {
    addItem("0010001", "螺栓", "一库");
    addLine(inboundNote(), "00000001", "0010001", 1, 3); // left by an earlier run
    DocumentEditor editor(inboundNote());
    addLine(inboundNote(), editor.number(), "0010001", 1, 2);
    editor.lineSaved();
    editor.post(input(QStringLiteral("一库")));
    EXPECT_DOUBLE_EQ(stock("0010001", "一库")->quantity, 5);
}

TEST_F(Posting, TheZeroQuantityPurgeCoversEveryDocumentOfTheKind) {
    addItem("0010001", "螺栓", "一库");
    addLine(inboundNote(), "00000007", "0010001", 1, 0);
    addLine(inboundNote(), "00000007", "0010001", 1, 1);
    addLine(outboundNote(), "00000007", "0010001", 1, 0);
    DocumentEditor editor(inboundNote());
    addLine(inboundNote(), editor.number(), "0010001", 1, 1);
    editor.post(input(QStringLiteral("一库")));
    EXPECT_EQ(rowCount(QStringLiteral("入库单明细表"), QStringLiteral("物品数量 = 0")), 0);
    EXPECT_EQ(rowCount(QStringLiteral("入库单明细表")), 2);
    EXPECT_EQ(rowCount(QStringLiteral("出库单明细表")), 1);
}

TEST_F(Posting, AnOutboundGroupWithoutStockWritesNothingAtAll) {
    addItem("0010001", "螺栓", "一库");
    addItem("0010002", "螺母", "一库");
    addStock("0010001", "一库", 10, "25", 2.5);
    DocumentEditor editor(outboundNote());
    addLine(outboundNote(), editor.number(), "0010001", 2.5, 3);
    addLine(outboundNote(), editor.number(), "0010002", 1, 1);   // its stock row vanished
    addLine(outboundNote(), editor.number(), "0010001", 2.5, 0); // purged, but rolled back
    editor.lineSaved();

    try {
        editor.post(input(QStringLiteral("一库")));
        FAIL() << "posting should be refused";
    } catch (const DocumentRefusal& refusal) {
        EXPECT_EQ(refusal.message(), "数据出现严重错误,请与软件供应商联系!");
        EXPECT_EQ(refusal.severity(), DocumentRefusal::Severity::Error);
    }
    EXPECT_EQ(rowCount(QStringLiteral("出库单主表")), 0);
    EXPECT_EQ(rowCount(QStringLiteral("业务流水")), 0);
    EXPECT_EQ(rowCount(QStringLiteral("操作流水表")), 0);
    EXPECT_EQ(rowCount(QStringLiteral("出库单明细表")), 3);
    EXPECT_DOUBLE_EQ(stock("0010001", "一库")->quantity, 10);
    EXPECT_EQ(editor.number(), "00000001");
    EXPECT_TRUE(editor.hasUnpostedLines());
    EXPECT_TRUE(editor.lastPosted().number.isEmpty());
}

TEST_F(Posting, OutboundIssuesAtCostWithTheStockRowsFigures) {
    addItem("0010001", "螺栓", "一库");
    addStock("0010001", "一库", 10, "25", 2.5);
    DocumentEditor editor(outboundNote());
    addLine(outboundNote(), editor.number(), "0010001", 2.5, 3);
    addLine(outboundNote(), editor.number(), "0010001", 2.5, 9); // past the stock
    editor.post(input(QStringLiteral("一库")));
    const StockState after = *stock("0010001", "一库");
    EXPECT_DOUBLE_EQ(after.quantity, -2);
    EXPECT_EQ(after.totalCost, m("-5"));
    EXPECT_DOUBLE_EQ(after.averageCost, 2.5);
    const auto rows = journal();
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_DOUBLE_EQ(rows[0].outQuantity, 12);
    EXPECT_EQ(rows[0].outAmount, m("30"));
    EXPECT_EQ(rows[0].movement, "物品出库");
    EXPECT_EQ(rows[0].source, "出库单");
}

TEST_F(Posting, QuotesInNamesAreJustText) {
    addItem("0010001", "O'Brien 扳手", "一'库");
    DocumentEditor editor(inboundNote());
    addLine(inboundNote(), editor.number(), "0010001", 1, 1);
    DocumentInput in = input(QStringLiteral("一'库"));
    in.counterparty = QStringLiteral("O'Hara 供应");
    in.summary = QStringLiteral("'; DROP TABLE 物品库存表; --");
    editor.post(in);
    EXPECT_TRUE(stock("0010001", "一'库").has_value());
    EXPECT_EQ(Sql::scalar(QStringLiteral("SELECT 摘要 FROM 入库单主表")).toString(), in.summary);
    EXPECT_EQ(journal()[0].counterparty, "O'Hara 供应");
}

TEST_F(Posting, DiscardingRemovesOnlyTheUnpostedLinesOfTheNumber) {
    DocumentEditor editor(inboundNote());
    addLine(inboundNote(), editor.number(), "0010001", 1, 1);
    addLine(inboundNote(), "00000009", "0010001", 1, 1);
    editor.discard(); // nothing saved through the editor: nothing to discard
    EXPECT_EQ(rowCount(QStringLiteral("入库单明细表")), 2);
    editor.lineSaved();
    editor.discard();
    EXPECT_EQ(rowCount(QStringLiteral("入库单明细表")), 1);
}

TEST_F(Posting, LastPostedLivesPerWindowOrForTheRun) {
    const struct {
        const DocumentKind& kind;
        bool keptForTheRun;
    } cases[] = {{inboundNote(), false},       {outboundNote(), true},  {inboundReturnNote(), true},
                 {outboundReturnNote(), true}, {transferNote(), false}, {directIssueNote(), false},
                 {stocktakingNote(), true}};
    addItem("0010001", "螺栓", "一库");
    addStock("0010001", "一库", 100, "100", 1);
    addStock("0010001", "二库", 100, "100", 1);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.kind.name.toStdString());
        {
            DocumentEditor first(c.kind);
            addLine(c.kind, first.number(), "0010001", 1, 1);
            DocumentInput in = input(QStringLiteral("一库"));
            in.destinationWarehouse = QStringLiteral("二库");
            first.post(in);
        }
        DocumentEditor second(c.kind);
        EXPECT_EQ(second.lastPosted().number, c.keptForTheRun ? "00000001" : "");
    }
}

} // namespace
