#include "platform/widgets/DataGrid.h"
#include "platform/widgets/GridFooter.h"
#include "platform/widgets/support/ScriptedUi.h"

#include "store/Sql.h"
#include "store/StoreError.h"
#include "support/TestDatabase.h"

#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>

namespace {

const QString StockOf = QStringLiteral("SELECT * FROM 物品库存表 WHERE 仓库 = ? ORDER BY 物品编号");

GridColumns stockColumns() {
    return {
        {"物品编号", "编号", {}, false, "总计", {}, 0},
        {"物品数量", "数量", "##0.000", false, {}, "###.###", 0},
        {"总成本", "总成本", "#,##0.00", true, {}, "#,##0.00", 0},
    };
}

void addStock(const QString& code, const QString& warehouse, double quantity, const char* cost) {
    Sql::insert(
        QStringLiteral("物品库存表"),
        {{QStringLiteral("物品编号"), code},
         {QStringLiteral("物品名称"), QStringLiteral("名称") + code},
         {QStringLiteral("仓库"), warehouse},
         {QStringLiteral("物品数量"), quantity},
         {QStringLiteral("总成本"), QVariant::fromValue(*Money::parse(QString::fromUtf8(cost)))}});
}

class DataGridTest : public DatabaseTest {};

} // namespace

TEST_F(DataGridTest, ShowsChosenColumnsInTheirMasksWithExactFooterSums) {
    const struct {
        const char* code;
        double quantity;
        const char* cost;
        const char* quantityShown;
        const char* costShown;
    } rows[] = {
        {"0010001", 1234.5678, "1234567.125", "1234.568", "1,234,567.13"},
        {"0010002", -2.0005, "-0.005", "-2.001", "-0.01"},
        {"0010003", 0, "0", "0.000", "0.00"},
        {"0010004", 0.0004, "999.995", "0.000", "1,000.00"},
    };
    for (const auto& r : rows)
        addStock(r.code, "一号库", r.quantity, r.cost);
    addStock("0010009", "二号库", 5, "5");

    DataGrid grid(QStringLiteral("DBGridEh1"), stockColumns());
    grid.setQuery(StockOf, {QStringLiteral("一号库")});
    ASSERT_EQ(grid.rowCount(), 4);
    ASSERT_EQ(grid.model()->columnCount(), 3);
    EXPECT_EQ(grid.model()->headerData(2, Qt::Horizontal, Qt::DisplayRole), "总成本");
    for (int row = 0; row < 4; ++row) {
        SCOPED_TRACE(rows[row].code);
        EXPECT_EQ(grid.displayText(row, 0), rows[row].code);
        EXPECT_EQ(grid.displayText(row, 1), rows[row].quantityShown);
        EXPECT_EQ(grid.displayText(row, 2), rows[row].costShown);
    }
    EXPECT_EQ(grid.value(1, QStringLiteral("物品名称")), "名称0010002") << "fields not shown";
    // 1235567.115 exactly; a sum in binary floating point would round it down.
    EXPECT_EQ(grid.footerTexts(), (QStringList{"总计", "1232.568", "1,235,567.12"}));

    grid.setQuery(StockOf, {QStringLiteral("无此库")});
    EXPECT_EQ(grid.footerTexts(), (QStringList{"总计", "", "0.00"})) << "a zero sum under ###.###";
    grid.clear();
    EXPECT_EQ(grid.footerTexts(), (QStringList{"总计", "", "0.00"}));

    GridColumns misspelt = stockColumns();
    misspelt[1].field = QStringLiteral("物品数目");
    EXPECT_THROW(footerTexts(misspelt, StockOf, {QStringLiteral("一号库")}), StoreError);
}

TEST_F(DataGridTest, FetchesLazilyButSumsAndFindsOverAllRows) {
    Sql::exec(QStringLiteral(
        "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 100000) "
        "INSERT INTO 物品库存表 (物品编号, 物品名称, 仓库, 物品数量, 总成本) "
        "SELECT printf('%07d', i), '', '大库', 1, 10000 FROM n"));
    DataGrid grid(QStringLiteral("DBGridEh1"), stockColumns());
    grid.setQuery(StockOf, {QStringLiteral("大库")});
    EXPECT_LT(grid.rowCount(), 100000);
    EXPECT_EQ(grid.footerTexts(), (QStringList{"总计", "100000", "100,000.00"}));
    EXPECT_EQ(grid.findNext(QStringLiteral("0100000"), 0, -1), 99999);
    EXPECT_EQ(grid.rowCount(), 100000);
    EXPECT_EQ(grid.findNext(QStringLiteral("0100000"), 0, 99999), -1);
}

TEST_F(DataGridTest, FrozenColumnsColoursAndUserSignals) {
    addStock("0010001", "一号库", -3, "0");
    addStock("0010002", "一号库", 3, "0");
    GridColumns columns = stockColumns();
    columns[0].width = 140;
    DataGrid grid(QStringLiteral("DBGridEh1"), columns);
    grid.resize(300, 200);
    grid.show();
    QSignalSpy doubleClicks(&grid, &DataGrid::doubleClicked);
    QSignalSpy keys(&grid, &DataGrid::functionKeyPressed);
    QTest::mouseDClick(grid.view()->viewport(), Qt::LeftButton, {}, QPoint(20, 20));
    ASSERT_EQ(doubleClicks.count(), 1);
    EXPECT_EQ(doubleClicks[0][0].toInt(), -1) << "an empty grid still asks for a line";

    grid.setQuery(StockOf, {QStringLiteral("一号库")});
    grid.setFrozenColumns(2);
    EXPECT_EQ(grid.view()->columnWidth(0), 140) << "a new query keeps the widths";
    auto* frozen = grid.findChild<QTableView*>(QStringLiteral("DBGridEh1Frozen"));
    ASSERT_TRUE(frozen);
    EXPECT_TRUE(frozen->isVisible());
    EXPECT_FALSE(frozen->isColumnHidden(1));
    EXPECT_TRUE(frozen->isColumnHidden(2));
    EXPECT_EQ(frozen->width(), grid.view()->columnWidth(0) + grid.view()->columnWidth(1));

    grid.setColourHook([](const GridModel& model, int row, int) {
        return model.value(row, QStringLiteral("物品数量")).toDouble() < 0 ? QColor(Qt::red)
                                                                           : QColor();
    });
    EXPECT_EQ(grid.model()->index(0, 2).data(Qt::BackgroundRole).value<QColor>(), QColor(Qt::red));
    EXPECT_FALSE(grid.model()->index(1, 2).data(Qt::BackgroundRole).isValid());

    grid.setCurrentRow(1);
    QTest::keyClick(grid.view(), Qt::Key_F2);
    ASSERT_EQ(keys.count(), 1);
    EXPECT_EQ(keys[0][0].toInt(), int(Qt::Key_F2));
    EXPECT_EQ(grid.currentValue(QStringLiteral("物品编号")), "0010002");
}

TEST_F(DataGridTest, FindDialogMovesToTheNextMatchOrSaysThereIsNone) {
    for (const char* code : {"0010001", "0020001", "0020002"})
        addStock(code, "一号库", 1, "1");
    DataGrid grid(QStringLiteral("DBGridEh1"), stockColumns());
    grid.setQuery(StockOf, {QStringLiteral("一号库")});
    grid.show();
    QTest::keyClick(grid.view(), Qt::Key_F, Qt::ControlModifier);
    auto* dialog = grid.findChild<QDialog*>(QStringLiteral("GridFindDialog"));
    ASSERT_TRUE(dialog);
    auto* text = dialog->findChild<QLineEdit*>(QStringLiteral("findText"));
    auto* next = dialog->findChild<QPushButton*>(QStringLiteral("findNextButton"));
    QTest::keyClicks(text, QStringLiteral("002"));
    QTest::mouseClick(next, Qt::LeftButton);
    EXPECT_EQ(grid.currentRow(), 1);
    QTest::mouseClick(next, Qt::LeftButton);
    EXPECT_EQ(grid.currentRow(), 2);
    MessageRecorder messages;
    messages.expect(QStringLiteral("没有找到“002”。"));
    QTest::mouseClick(next, Qt::LeftButton);
    EXPECT_EQ(grid.currentRow(), 2);
}
