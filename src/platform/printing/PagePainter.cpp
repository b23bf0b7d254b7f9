#include "platform/printing/PagePainter.h"

#include "platform/printing/ReportFonts.h"

#include <QPaintDevice>
#include <QPen>

namespace {

constexpr double RuleWidthMm = 0.25;
constexpr double TextPaddingMm = 0.8;

QRectF scaled(const QRectF& mm, double pixelsPerMm) {
    return {mm.x() * pixelsPerMm, mm.y() * pixelsPerMm, mm.width() * pixelsPerMm,
            mm.height() * pixelsPerMm};
}

void paintText(QPainter& painter, const PagePrimitive& p, double pixelsPerMm) {
    painter.setFont(reportFont(p.font, pixelsPerMm, painter.device()->logicalDpiY()));
    QRectF box = scaled(p.rect.adjusted(TextPaddingMm, 0, -TextPaddingMm, 0), pixelsPerMm);
    int flags = int(p.alignment) | Qt::TextSingleLine;
    if (!p.clip)
        flags |= Qt::TextDontClip;
    painter.save();
    if (p.clip)
        painter.setClipRect(box, Qt::IntersectClip);
    painter.drawText(box, flags, p.text);
    painter.restore();
}

} // namespace

void paintPage(QPainter& painter, const ReportPage& page, double pixelsPerMm) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    QPen pen(Qt::black, std::max(1.0, RuleWidthMm * pixelsPerMm));
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    for (const PagePrimitive& p : page.primitives) {
        switch (p.kind) {
        case PrimitiveKind::Text:
            paintText(painter, p, pixelsPerMm);
            break;
        case PrimitiveKind::Frame:
            painter.drawRect(scaled(p.rect, pixelsPerMm));
            break;
        case PrimitiveKind::Line: {
            QRectF line = scaled(p.rect, pixelsPerMm);
            painter.drawLine(line.topLeft(), line.bottomRight());
            break;
        }
        }
    }
    painter.restore();
}

QImage renderPage(const ReportPages& pages, int index, double pixelsPerMm) {
    QSize size = (pages.pageSize * pixelsPerMm).toSize();
    QImage image(size, QImage::Format_RGB32);
    image.setDotsPerMeterX(qRound(pixelsPerMm * 1000));
    image.setDotsPerMeterY(qRound(pixelsPerMm * 1000));
    image.fill(Qt::white);
    QPainter painter(&image);
    paintPage(painter, pages.pages.at(size_t(index)), pixelsPerMm);
    return image;
}
