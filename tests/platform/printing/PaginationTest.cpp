#include "ReportSamples.h"

#include "platform/printing/ReportPagination.h"

#include <gtest/gtest.h>

namespace {

QStringList detailTexts(const ReportPage& page) {
    QStringList lines;
    for (const QString& text : pageTexts(page))
        if (text.startsWith(u'L'))
            lines << text;
    return lines;
}

struct PaginationCase {
    int lines;
    std::vector<int> linesPerPage;
    int summaryPage; // 0-based
};

TEST(Pagination, BreaksPagesAndRepeatsHeadersAndFooters) {
    const PaginationCase cases[] = {
        {1, {1}, 0},           {3, {3}, 0},
        {5, {5, 0}, 1},  // the summary does not fit under the fifth line
        {10, {5, 5}, 1}, // the summary ends exactly on the footer
        {11, {5, 6, 0}, 2},    {12, {5, 6, 1}, 2},
        {17, {5, 6, 6, 0}, 3},
    };
    for (const PaginationCase& c : cases) {
        SCOPED_TRACE(c.lines);
        ReportPages pages = paginate(sampleLayout(), sampleData(c.lines));
        ASSERT_EQ(pages.pages.size(), c.linesPerPage.size());
        int next = 1;
        for (size_t i = 0; i < pages.pages.size(); ++i) {
            SCOPED_TRACE(i);
            const ReportPage& page = pages.pages[i];
            QStringList texts = pageTexts(page);
            EXPECT_EQ(texts.count(QStringLiteral("样张")), i == 0 ? 1 : 0);
            EXPECT_EQ(texts.count(QStringLiteral("00000001")), 1);
            EXPECT_EQ(texts.count(QStringLiteral("名称")), 1);
            EXPECT_EQ(texts.count(QStringLiteral("合计")), int(i) == c.summaryPage ? 1 : 0);

            QStringList expected;
            for (int n = 0; n < c.linesPerPage[i]; ++n)
                expected << QStringLiteral("L%1").arg(next++);
            EXPECT_EQ(detailTexts(page), expected);

            const PagePrimitive* footer =
                findText(page, QStringLiteral("第%1页共%2页").arg(i + 1).arg(pages.pages.size()));
            ASSERT_NE(footer, nullptr);
            EXPECT_DOUBLE_EQ(footer->rect.top(), 85.0); // anchored above the bottom margin
        }
    }
}

TEST(Pagination, NoLinesGiveNoPagesUnlessAskedFor) {
    EXPECT_TRUE(paginate(sampleLayout(), sampleData(0)).pages.empty());

    ReportLayout layout = sampleLayout();
    layout.printsWithoutLines = true;
    ReportPages pages = paginate(layout, sampleData(0));
    ASSERT_EQ(pages.pages.size(), 1u);
    EXPECT_NE(findText(pages.pages[0], QStringLiteral("合计")), nullptr);
    EXPECT_NE(findText(pages.pages[0], QStringLiteral("0.000")), nullptr);
}

TEST(Pagination, PlacesBandsInMillimetresFromThePaperCorner) {
    ReportPages pages = paginate(sampleLayout(), sampleData(6));
    const ReportPage& first = pages.pages[0];
    EXPECT_EQ(findText(first, QStringLiteral("样张"))->rect, QRectF(10, 10, 80, 10));
    EXPECT_EQ(findText(first, QStringLiteral("L1"))->rect, QRectF(10, 30, 40, 10));
    EXPECT_EQ(findText(first, QStringLiteral("L5"))->rect, QRectF(10, 70, 40, 10));
    // Later pages start with the page header at the top margin, no title.
    EXPECT_EQ(findText(pages.pages[1], QStringLiteral("L6"))->rect, QRectF(10, 20, 40, 10));
}

TEST(Pagination, SumsAreExactAndMaskedAndFieldsAreMasked) {
    ReportData data = sampleData(3);
    data.lines[2][QStringLiteral("数量")] = 0.1;
    ReportPages pages = paginate(sampleLayout(), data);
    ASSERT_EQ(pages.pages.size(), 1u);
    QStringList texts = pageTexts(pages.pages[0]);
    EXPECT_TRUE(texts.contains("1.500"));
    EXPECT_TRUE(texts.contains("0.100"));
    EXPECT_TRUE(texts.contains("3.100")); // 1.5 + 1.5 + 0.1, no binary residue
    EXPECT_TRUE(texts.contains("3.70"));  // 3 × 1.2345 rounded once, not 3 × 1.23
    EXPECT_TRUE(texts.contains("6.2"));   // expression sum, 2 × quantity
    EXPECT_TRUE(texts.contains("2026年5月4日"));
}

TEST(Pagination, AGroupBreakStartsANewPageWithItsHeader) {
    ReportLayout layout = sampleLayout();
    layout.summary.reset();
    layout.groupField = QStringLiteral("仓库");
    layout.groupHeader = ReportBand{
        5,
        {ReportElements::field(QRectF(0, 0, 80, 5), ReportSource::Line, QStringLiteral("仓库"))}};
    layout.groupStartsNewPage = true;
    ReportData data = sampleData(3);
    const char* warehouses[] = {"一号库", "一号库", "二号库"};
    for (size_t i = 0; i < 3; ++i)
        data.lines[i][QStringLiteral("仓库")] = QString::fromUtf8(warehouses[i]);

    ReportPages pages = paginate(layout, data);
    ASSERT_EQ(pages.pages.size(), 2u);
    EXPECT_EQ(detailTexts(pages.pages[0]), QStringList({"L1", "L2"}));
    EXPECT_EQ(pageTexts(pages.pages[0]).count(QStringLiteral("一号库")), 1);
    EXPECT_EQ(detailTexts(pages.pages[1]), QStringList({"L3"}));
    EXPECT_TRUE(pageTexts(pages.pages[1]).contains(QStringLiteral("二号库")));
}

} // namespace
