#include "platform/printing/ReportLayout.h"

namespace ReportElements {

namespace {

ReportElement element(ReportElementKind kind, QRectF rect, Qt::Alignment alignment) {
    ReportElement e;
    e.kind = kind;
    e.rect = rect;
    e.alignment = alignment | Qt::AlignVCenter;
    return e;
}

} // namespace

ReportElement label(QRectF rect, const QString& text, Qt::Alignment alignment) {
    ReportElement e = element(ReportElementKind::Label, rect, alignment);
    e.text = text;
    return e;
}

ReportElement field(QRectF rect, ReportSource source, const QString& field, const QString& mask,
                    Qt::Alignment alignment) {
    ReportElement e = element(ReportElementKind::Field, rect, alignment);
    e.source = source;
    e.field = field;
    e.mask = mask;
    return e;
}

ReportElement expression(QRectF rect, ReportExpression expression, const QString& mask,
                         Qt::Alignment alignment) {
    ReportElement e = element(ReportElementKind::Expression, rect, alignment);
    e.expression = std::move(expression);
    e.mask = mask;
    return e;
}

ReportElement sum(QRectF rect, const QString& lineField, const QString& mask,
                  Qt::Alignment alignment) {
    ReportElement e = element(ReportElementKind::Sum, rect, alignment);
    e.field = lineField;
    e.mask = mask;
    return e;
}

ReportElement sum(QRectF rect, ReportExpression expression, const QString& mask,
                  Qt::Alignment alignment) {
    ReportElement e = element(ReportElementKind::Sum, rect, alignment);
    e.expression = std::move(expression);
    e.mask = mask;
    return e;
}

ReportElement systemDate(QRectF rect, const QString& format, Qt::Alignment alignment) {
    ReportElement e = element(ReportElementKind::SystemDate, rect, alignment);
    e.text = format;
    return e;
}

ReportElement pageNumber(QRectF rect, const QString& format, Qt::Alignment alignment) {
    ReportElement e = element(ReportElementKind::PageNumber, rect, alignment);
    e.text = format;
    return e;
}

ReportElement frame(QRectF rect) {
    return element(ReportElementKind::Frame, rect, Qt::AlignLeft);
}

ReportElement horizontalRule(QPointF from, double length) {
    return element(ReportElementKind::Rule, QRectF(from, QSizeF(length, 0)), Qt::AlignLeft);
}

ReportElement verticalRule(QPointF from, double length) {
    return element(ReportElementKind::Rule, QRectF(from, QSizeF(0, length)), Qt::AlignLeft);
}

} // namespace ReportElements
