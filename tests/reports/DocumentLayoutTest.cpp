#include "reports/DocumentPrinting.h"
#include "reports/DocumentReport.h"

#include "platform/printing/ReportOutput.h"
#include "store/Sql.h"
#include "support/TestDatabase.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <cmath>

namespace {

QString u(const char* text) {
    return QString::fromUtf8(text);
}

// A header value as the document shows it beside its label; no column for a label that
// prints alone.
struct ShownField {
    const char* label;
    const char* column;
    const char* value;
};

struct LayoutCase {
    PrintLayoutKind kind;
    const char* title;
    const char* lineTable; // where the fixture lines go
    std::vector<ShownField> fields;
    std::vector<const char*> columns;
    std::vector<const char*> firstLine; // as printed, column by column
    std::vector<const char*> totals;    // as printed, left to right
};

const char* const StockColumns[] = {"物品编号",     "物品名称", "物品规格",    "物品单位",
                                    "物品单价(元)", "物品数量", "金额合计(元)"};
const std::vector<const char*> stockColumns(StockColumns, std::end(StockColumns));
const std::vector<const char*> stockFirstLine = {"0010001",      "螺栓",  "M8×30",   "个",
                                                 "1,234.500000", "2.500", "3,086.25"};
const std::vector<const char*> stockTotals = {"1,002.500", "3,211.25"};

const LayoutCase Cases[] = {
    {PrintLayoutKind::InboundNote,
     "入库单",
     "入库单明细表",
     {{"交货单位：", "交货单位", "华北钢材公司"},
      {"入库日期：", "入库日期", "2026-03-15"},
      {"入库单编号：", "入库单编号", "00000042"},
      {"收料仓库：", "收料仓库", "一号仓库"},
      {"摘  要：", "摘要", "三月钢材采购"},
      {"入库类型：", "入库类型", "采购入库"},
      {"制单人：", "制单人", "系统管理员"},
      {"收货人：", "经办人", "李四"},
      {"送货人：", nullptr, nullptr},
      {"审核人：", "审批人", "王五"}},
     stockColumns,
     stockFirstLine,
     stockTotals},
    {PrintLayoutKind::OutboundNote,
     "出库单",
     "出库单明细表",
     {{"领货单位：", "领料部门", "生产部"},
      {"出库日期：", "出库日期", "2026-03-16"},
      {"出库单编号：", "出库单编号", "00000042"},
      {"出货仓库：", "出料仓库", "一号仓库"},
      {"项目名称：", "摘要", "二号厂房"},
      {"出库类型：", "出库类型", "工程领用"},
      {"制单人：", "制单人", "系统管理员"},
      {"发货人：", "经办人", "李四"},
      {"领料人：", nullptr, nullptr},
      {"审核人：", "审核人", "王五"}},
     stockColumns,
     stockFirstLine,
     stockTotals},
    {PrintLayoutKind::InboundReturnNote,
     "入库退出单",
     "入库退出单明细表",
     {{"返还单位：", "返还单位", "华北钢材公司"},
      {"日期：", "退出日期", "2026-03-17"},
      {"退出单编号：", "退出单编号", "00000042"},
      {"退出仓库：", "出料仓库", "一号仓库"},
      {"摘  要：", "摘要", "规格不符"},
      {"对应入库单", "目标单编号", "00000041"},
      {"制单人:", "制单人", "系统管理员"},
      {"发货人:", "经办人", "李四"},
      {"收货人:", nullptr, nullptr},
      {"审核人:", "审核人", "王五"}},
     stockColumns,
     stockFirstLine,
     stockTotals},
    {PrintLayoutKind::OutboundReturnNote,
     "出库退回单",
     "出库退回单明细表",
     {{"退回单位：", "客户名称", "生产部"},
      {"日期：", "退货日期", "2026-03-18"},
      {"退回单编号：", "退货单编号", "00000042"},
      {"收料仓库：", "退货仓库", "二号仓库"},
      {"摘  要：", "摘要", "余料退回"},
      {"退回原因：", "退货原因", "工程结束"},
      {"制单人：", "制单人", "系统管理员"},
      {"收货人：", "经办人", "李四"},
      {"送货人：", nullptr, nullptr},
      {"审核人：", "审核人", "王五"}},
     stockColumns,
     {"0010001", "螺栓", "M8×30", "个", "1234.500000", "2.500", "3,086.25"},
     stockTotals},
    {PrintLayoutKind::TransferNote,
     "调拨单",
     "调拨单明细表",
     {{"调出仓库：", "调出仓库", "一号仓库"},
      {"日期：", "调拨日期", "2026-03-19"},
      {"调拨单编号：", "调拨单编号", "00000042"},
      {"调入仓库：", "调入仓库", "二号仓库"},
      {"摘  要：", "摘要", "库存调整"},
      {"调拨原因：", "调拨原因", "就近领用"},
      {"制单人：", "制单人", "系统管理员"},
      {"发货人：", "经办人", "李四"},
      {"收货人：", nullptr, nullptr},
      {"审核人：", "审批人", "王五"}},
     stockColumns,
     stockFirstLine,
     stockTotals},
    {PrintLayoutKind::DirectIssueNote,
     "直拨单",
     "直拨单明细表",
     {{"领用单位：", "领用部门", "安装队"},
      {"日期：", "直拨日期", "2026-03-20"},
      {"直拨单编号：", "直拨单编号", "00000042"},
      {"摘    要：", "摘要", "现场直拨"},
      {"直拨原因：", "直拨原因", "急用"},
      {"制单人:", "制单人", "系统管理员"},
      {"经办人:", "经办人", "李四"},
      {"审批人:", "审批人", "王五"}},
     {"物品编号", "物品名称", "物品规格", "单位", "物品单价(元)", "物品数量", "金额合计(元)"},
     stockFirstLine,
     stockTotals},
    {PrintLayoutKind::StocktakingNote,
     "盘盈损单",
     "盘损盈单明细表",
     {{"日期：", "盘点日期", "2026-03-21"},
      {"盘盈损单编号：", "盘损盈单编号", "00000042"},
      {"盘点仓库：", "盘盈损仓库", "一号仓库"},
      {"摘  要：", "摘要", "季度盘点"},
      {"盘点类型：", "盘点盈状态", "盘盈"},
      {"制单人：", "制单人", "系统管理员"},
      {"经办人：", "经办人", "李四"},
      {"审核人：", "审批人", "王五"}},
     stockColumns,
     stockFirstLine,
     stockTotals},
    {PrintLayoutKind::OutsourcingReceiptNote,
     "委外加工入库单",
     "委托加工入库单明细表",
     {{"委托单位：", "委托公司", "城东机加工厂"},
      {"日期：", "应收日期", "2026-03-22"},
      {"委外入库单编号：", "外委加工单编号", "00000042"},
      {"收料仓库：", "收料仓库", "一号仓库"},
      {"摘  要：", "摘要", "加工完成"},
      {"制单人：", "制单人", "系统管理员"},
      {"收货人：", "经办人", "李四"},
      {"送货人：", nullptr, nullptr},
      {"审核人：", "审核人", "王五"}},
     stockColumns,
     stockFirstLine,
     stockTotals},
    {PrintLayoutKind::OutsourcingIssueNote,
     "委外加工出库单",
     "委托加工单明细表",
     {{"委托单位：", "委托公司", "城东机加工厂"},
      {"日期：", "委托日期", "2026-03-23"},
      {"委外出库单编号：", "外委加工单编号", "00000042"},
      {"出货仓库：", "出库仓库", "一号仓库"},
      {"摘  要：", "摘要", "外协镀锌"},
      {"收货日期：", "应收日期", "2026-04-20"},
      {"制单人：", "制单人", "系统管理员"},
      {"发货人：", "经办人", "李四"},
      {"领料人：", nullptr, nullptr},
      {"审核人：", "审核人", "王五"}},
     stockColumns,
     stockFirstLine,
     stockTotals},
    {PrintLayoutKind::ProjectBudget,
     "工程预算表",
     "工程预算单子表",
     {{"工程编号：", "工程编号", "00000042"},
      {"工程名称：", "工程名称", "二号厂房钢结构"},
      {"日期：", "日期", "2026-03-01"},
      {"负责部门：", "负责部门", "工程部"},
      {"负责人：", "负责人", "赵六"},
      {"完成日期：", "完成日期", "2026-06-30"},
      {"摘  要：", "摘要", "主体钢结构材料"},
      {"备  注：", "备注", "含损耗"}},
     {"物品编号", "物品名称", "规格", "单位", "数量", "单价(元)", "金额合计(元)"},
     {"0010001", "螺栓", "M8×30", "个", "2.500", "1234.500", "3086.25"},
     {"3211.25"}},
};

const QString Number = QStringLiteral("00000042");
const QString Company = QStringLiteral("恒昶实业有限公司");
const Money Total = *Money::parse(u"3211.25");

struct FixtureLine {
    const char* item;
    const char* name;
    const char* descriptor;
    const char* unit;
    double price;
    double quantity;
    const char* amount;
};

const FixtureLine Lines[] = {{"0010001", "螺栓", "M8×30", "个", 1234.5, 2.5, "3086.25"},
                             {"0010002", "垫片", "Φ8", "片", 0.125, 1000, "125"}};

class DocumentLayoutTest : public DatabaseTest {
protected:
    void SetUp() override {
        DatabaseTest::SetUp();
        Sql::update(u("公司信息"), {{u("公司名称"), Company}}, u("1 = 1"));
    }

    static void insertDocument(const LayoutCase& c) {
        const DocumentPrintLayout& layout = documentPrintLayout(c.kind);
        Sql::Values header;
        for (const ShownField& f : c.fields)
            if (f.column)
                header.push_back({u(f.column), u(f.value)});
        Sql::insert(layout.headerTable, header);
        if (c.kind == PrintLayoutKind::ProjectBudget)
            insertBudgetLines();
        else
            insertStockLines(layout);
    }

    static void insertStockLines(const DocumentPrintLayout& layout) {
        for (const FixtureLine& l : Lines)
            Sql::insert(layout.lineTable, {{layout.numberField, Number},
                                           {u("物品编号"), u(l.item)},
                                           {u("物品名称"), u(l.name)},
                                           {u("物品规格"), u(l.descriptor)},
                                           {u("物品单位"), u(l.unit)},
                                           {u("物品单价"), l.price},
                                           {u("物品数量"), l.quantity},
                                           {u("金额合计"), u(l.amount)}});
        // A line of another document of the same kind must not show.
        Sql::insert(layout.lineTable,
                    {{layout.numberField, u("00000043")}, {u("物品名称"), u("别的单据")}});
    }

    static void insertBudgetLines() {
        for (const FixtureLine& l : Lines) {
            Sql::insert(u("物品资料表"), {{u("物品编号"), u(l.item)},
                                          {u("物品名称"), u(l.name)},
                                          {u("物品规格"), u(l.descriptor)},
                                          {u("物品单位"), u(l.unit)}});
            Sql::insert(u("工程预算单子表"), {{u("工程编号"), Number},
                                              {u("物品编号"), u(l.item)},
                                              {u("数量"), l.quantity},
                                              {u("单价"), l.price},
                                              {u("金额合计"), u(l.amount)}});
        }
        Sql::insert(u("工程预算单子表"),
                    {{u("工程编号"), u("00000043")}, {u("物品编号"), u("0010002")}});
    }
};

const PagePrimitive* textAt(const ReportPage& page, const QString& text) {
    for (const PagePrimitive& p : page.primitives)
        if (p.kind == PrimitiveKind::Text && p.text == text)
            return &p;
    return nullptr;
}

// The text primitive that starts where this one ends, on the same row.
const PagePrimitive* textAfter(const ReportPage& page, const PagePrimitive& label) {
    for (const PagePrimitive& p : page.primitives)
        if (p.kind == PrimitiveKind::Text && &p != &label &&
            std::abs(p.rect.left() - label.rect.right()) < 0.01 &&
            std::abs(p.rect.top() - label.rect.top()) < 0.01)
            return &p;
    return nullptr;
}

bool sameColumn(const PagePrimitive& a, const PagePrimitive& b) {
    return std::abs(a.rect.left() - b.rect.left()) < 0.01 &&
           std::abs(a.rect.width() - b.rect.width()) < 0.01;
}

TEST_F(DocumentLayoutTest, EveryLayoutShowsItsTitleHeaderLinesAndTotals) {
    for (const LayoutCase& c : Cases) {
        SCOPED_TRACE(c.title);
        insertDocument(c);
        ReportPages pages = documentPages(c.kind, Number, Total);
        ASSERT_EQ(pages.pages.size(), 1u);
        const ReportPage& page = pages.pages[0];

        const PagePrimitive* title = textAt(page, u(c.title));
        ASSERT_NE(title, nullptr);
        EXPECT_EQ(title->font.pointSize, 20);
        EXPECT_NE(textAt(page, Company), nullptr);

        for (const ShownField& f : c.fields) {
            SCOPED_TRACE(f.label);
            const PagePrimitive* label = textAt(page, u(f.label));
            ASSERT_NE(label, nullptr);
            const PagePrimitive* value = textAfter(page, *label);
            if (f.column) {
                ASSERT_NE(value, nullptr);
                EXPECT_EQ(value->text, u(f.value));
            } else {
                EXPECT_EQ(value, nullptr);
            }
        }

        std::vector<const PagePrimitive*> titles;
        for (size_t i = 0; i < c.columns.size(); ++i) {
            SCOPED_TRACE(c.columns[i]);
            titles.push_back(textAt(page, u(c.columns[i])));
            ASSERT_NE(titles.back(), nullptr);
            if (i > 0) {
                EXPECT_GT(titles[i]->rect.left(), titles[i - 1]->rect.left());
            }
            const PagePrimitive* cell = textAt(page, u(c.firstLine[i]));
            ASSERT_NE(cell, nullptr) << c.firstLine[i];
            EXPECT_TRUE(sameColumn(*cell, *titles[i]));
            EXPECT_GT(cell->rect.top(), titles[i]->rect.top());
        }
        EXPECT_GT(textAt(page, u("垫片"))->rect.top(), textAt(page, u("螺栓"))->rect.top());
        EXPECT_EQ(textAt(page, u("别的单据")), nullptr);

        const PagePrimitive* totalLabel = textAt(page, u("合  计："));
        ASSERT_NE(totalLabel, nullptr);
        for (size_t i = 0; i < c.totals.size(); ++i) {
            SCOPED_TRACE(c.totals[i]);
            const PagePrimitive* total = textAt(page, u(c.totals[i]));
            ASSERT_NE(total, nullptr);
            EXPECT_EQ(total->rect.top(), totalLabel->rect.top());
            size_t column = c.columns.size() - c.totals.size() + i; // the last columns
            EXPECT_TRUE(sameColumn(*total, *titles[column]));
        }
        const PagePrimitive* capitalLabel = textAt(page, u("人民币(大写):"));
        ASSERT_NE(capitalLabel, nullptr);
        const PagePrimitive* capital = textAfter(page, *capitalLabel);
        ASSERT_NE(capital, nullptr);
        EXPECT_EQ(capital->text, u("叁仟贰佰壹拾壹元贰角伍分"));
    }
}

TEST_F(DocumentLayoutTest, TheBudgetPrintsTheCompanyUnderTheTotals) {
    insertDocument(Cases[std::size(Cases) - 1]);
    ReportPages pages = documentPages(PrintLayoutKind::ProjectBudget, Number, Total);
    ASSERT_EQ(pages.pages.size(), 1u);
    EXPECT_GT(textAt(pages.pages[0], Company)->rect.top(),
              textAt(pages.pages[0], u("人民币(大写):"))->rect.top());
}

TEST_F(DocumentLayoutTest, ANumberWithoutAHeaderPrintsNothing) {
    // Lines are saved before their header is posted; alone they print nothing.
    insertStockLines(documentPrintLayout(PrintLayoutKind::InboundNote));
    EXPECT_TRUE(documentPages(PrintLayoutKind::InboundNote, Number, Total).pages.empty());
    EXPECT_TRUE(documentPages(PrintLayoutKind::TransferNote, u("99999999"), Money()).pages.empty());
}

TEST_F(DocumentLayoutTest, ANameWithAQuoteIsReadAsData) {
    insertDocument(Cases[0]);
    Sql::update(u("入库单主表"), {{u("交货单位"), u("O'Brien 五金")}}, u("1 = 1"));
    ReportPages pages = documentPages(PrintLayoutKind::InboundNote, Number, Total);
    ASSERT_EQ(pages.pages.size(), 1u);
    EXPECT_NE(textAt(pages.pages[0], u("O'Brien 五金")), nullptr);
    EXPECT_TRUE(
        documentPages(PrintLayoutKind::InboundNote, u("0' OR '1'='1"), Total).pages.empty());
}

TEST_F(DocumentLayoutTest, WithoutACompanyRowTheCompanyNameIsEmpty) {
    Sql::exec(u("DELETE FROM 公司信息"));
    insertDocument(Cases[0]);
    ReportPages pages = documentPages(PrintLayoutKind::InboundNote, Number, Total);
    ASSERT_EQ(pages.pages.size(), 1u);
    EXPECT_EQ(textAt(pages.pages[0], Company), nullptr);
}

TEST_F(DocumentLayoutTest, ThePreviewOpensOnTheDocumentAndSavesItAsPdf) {
    // CHUGUANJIA_PDF_DIR keeps the files, to refresh the pictures in docs/screenshots.
    QTemporaryDir scratch;
    QString dir = qEnvironmentVariable("CHUGUANJIA_PDF_DIR", scratch.path());
    const std::pair<size_t, const char*> documents[] = {{0, "print-inbound-note.pdf"},
                                                        {4, "print-transfer-note.pdf"}};
    for (auto [index, file] : documents) {
        SCOPED_TRACE(file);
        insertDocument(Cases[index]);
        std::unique_ptr<ReportPreview> preview = documentPreview(Cases[index].kind, Number, Total);
        EXPECT_EQ(preview->findChild<QLabel*>(u("pageLabel"))->text(), u("第 1 页 / 共 1 页"));
        QString path = QDir(dir).filePath(u(file));
        ASSERT_TRUE(preview->savePdf(path));
        QFile pdf(path);
        ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
        EXPECT_TRUE(pdf.readAll().startsWith("%PDF"));
    }
}

} // namespace
