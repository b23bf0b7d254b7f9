#include "platform/printing/ReportOutput.h"

#include "platform/printing/PagePainter.h"

#include <QPageLayout>
#include <QPdfWriter>

namespace {

constexpr int PdfResolution = 600;

// Paints pages first to last (1-based) on an already opened device.
void paintPages(const ReportPages& pages, QPainter& painter, QPagedPaintDevice& device,
                double pixelsPerMm, int first, int last) {
    for (int number = first; number <= last; ++number) {
        if (number > first)
            device.newPage();
        paintPage(painter, pages.pages[size_t(number - 1)], pixelsPerMm);
    }
}

} // namespace

QPageLayout reportPageLayout(const ReportPages& pages) {
    QSizeF size = pages.pageSize;
    bool landscape = size.width() > size.height();
    if (landscape)
        size.transpose();
    return QPageLayout(QPageSize(size, QPageSize::Millimeter),
                       landscape ? QPageLayout::Landscape : QPageLayout::Portrait, QMarginsF());
}

bool printPages(const ReportPages& pages, QPrinter& printer) {
    if (pages.pages.empty())
        return true;
    printer.setFullPage(true);
    printer.setPageLayout(reportPageLayout(pages));
    int count = int(pages.pages.size());
    int first = printer.fromPage() > 0 ? std::min(printer.fromPage(), count) : 1;
    int last = printer.toPage() > 0 ? std::min(printer.toPage(), count) : count;
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    paintPages(pages, painter, printer, printer.resolution() / 25.4, first, last);
    return painter.end();
}

bool writePdf(const ReportPages& pages, const QString& path) {
    QPdfWriter writer(path);
    writer.setResolution(PdfResolution);
    writer.setPageLayout(reportPageLayout(pages));
    writer.setCreator(QStringLiteral("恒昶储管家"));
    QPainter painter;
    if (!painter.begin(&writer))
        return false;
    if (!pages.pages.empty())
        paintPages(pages, painter, writer, PdfResolution / 25.4, 1, int(pages.pages.size()));
    return painter.end();
}
