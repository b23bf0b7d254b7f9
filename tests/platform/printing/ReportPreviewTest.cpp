#include "ReportSamples.h"

#include "platform/printing/PagePainter.h"
#include "platform/printing/ReportFonts.h"
#include "platform/printing/ReportOutput.h"
#include "platform/printing/ReportPagination.h"
#include "platform/printing/ReportPreview.h"

#include <QComboBox>
#include <QFile>
#include <QFontInfo>
#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

QPushButton* button(QWidget& window, const char* name) {
    auto* b = window.findChild<QPushButton*>(QString::fromLatin1(name));
    EXPECT_NE(b, nullptr) << name;
    return b;
}

QString pageLabel(QWidget& window) {
    return window.findChild<QLabel*>(QStringLiteral("pageLabel"))->text();
}

int pdfPageCount(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    QByteArray bytes = file.readAll();
    if (!bytes.startsWith("%PDF"))
        return -1;
    return int(
        QString::fromLatin1(bytes).count(QRegularExpression(QStringLiteral("/Type\\s*/Page[^s]"))));
}

TEST(ReportPreview, NavigatesPagesWithButtonsAndKeys) {
    ReportPreview preview(paginate(sampleLayout(), sampleData(12)));
    preview.show();
    EXPECT_EQ(pageLabel(preview), "第 1 页 / 共 3 页");
    EXPECT_FALSE(button(preview, "previousPageButton")->isEnabled());

    QTest::mouseClick(button(preview, "nextPageButton"), Qt::LeftButton);
    EXPECT_EQ(preview.currentPage(), 1);
    EXPECT_EQ(pageLabel(preview), "第 2 页 / 共 3 页");

    QTest::keyClick(&preview, Qt::Key_End);
    EXPECT_EQ(preview.currentPage(), 2);
    EXPECT_FALSE(button(preview, "nextPageButton")->isEnabled());
    EXPECT_FALSE(button(preview, "lastPageButton")->isEnabled());

    QTest::keyClick(&preview, Qt::Key_PageUp);
    EXPECT_EQ(preview.currentPage(), 1);
    QTest::mouseClick(button(preview, "firstPageButton"), Qt::LeftButton);
    EXPECT_EQ(preview.currentPage(), 0);
}

TEST(ReportPreview, ZoomRepaintsTheShownPageAtItsScale) {
    ReportPreview preview(paginate(sampleLayout(), sampleData(2)));
    preview.show();
    auto* view = preview.findChild<QLabel*>(QStringLiteral("pageView"));
    int fullWidth = view->pixmap().width();
    auto* zoom = preview.findChild<QComboBox*>(QStringLiteral("zoomBox"));
    zoom->setCurrentIndex(zoom->findText(QStringLiteral("50%")));
    EXPECT_DOUBLE_EQ(preview.zoom(), 0.5);
    EXPECT_NEAR(view->pixmap().width(), fullWidth / 2, 1);
}

TEST(ReportPreview, AnEmptyReportOffersNothingToPrint) {
    ReportPreview preview(ReportPages{});
    preview.show();
    EXPECT_EQ(pageLabel(preview), "没有可打印的内容");
    EXPECT_FALSE(button(preview, "printButton")->isEnabled());
    EXPECT_FALSE(button(preview, "pdfButton")->isEnabled());
    EXPECT_FALSE(button(preview, "nextPageButton")->isEnabled());
}

TEST(ReportPreview, SavesEveryPageAsPdf) {
    QTemporaryDir dir;
    ReportPreview preview(paginate(sampleLayout(), sampleData(12)));
    QString path = dir.filePath(QStringLiteral("样张.pdf"));
    ASSERT_TRUE(preview.savePdf(path));
    EXPECT_EQ(pdfPageCount(path), 3);
    EXPECT_FALSE(preview.savePdf(dir.filePath(QStringLiteral("missing/x.pdf"))));
}

TEST(ReportOutput, PrintsOnlyThePagesChosenInThePrintDialog) {
    QTemporaryDir dir;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath(QStringLiteral("range.pdf")));
    printer.setFromTo(2, 5); // beyond the last page
    ASSERT_TRUE(printPages(paginate(sampleLayout(), sampleData(12)), printer));
    EXPECT_EQ(pdfPageCount(printer.outputFileName()), 2);
}

TEST(ReportFonts, SongFacesUseTheInstalledCjkSerif) {
    for (const char* face : {"宋体", "华文中宋", "SimSun"}) {
        SCOPED_TRACE(face);
        QFont font = reportFont({QString::fromUtf8(face), 11, false}, 4, 96);
        EXPECT_EQ(QFontInfo(font).family(), "Noto Serif CJK SC");
    }
}

TEST(PagePainter, ChineseTextInksItsBoxOnly) {
    ReportPages pages;
    pages.pageSize = QSizeF(60, 30);
    PagePrimitive text;
    text.rect = QRectF(5, 5, 50, 10);
    text.text = QStringLiteral("入库单合计金额");
    pages.pages.push_back({{text}});
    QImage image = renderPage(pages, 0, 8); // 8 px per mm
    auto inked = [&](QRect area) {
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                if (qGray(image.pixel(x, y)) < 128)
                    return true;
        return false;
    };
    EXPECT_TRUE(inked(QRect(40, 40, 400, 80)));
    EXPECT_FALSE(inked(QRect(0, 0, 480, 39)));
    EXPECT_FALSE(inked(QRect(0, 121, 480, 119)));
}

} // namespace
