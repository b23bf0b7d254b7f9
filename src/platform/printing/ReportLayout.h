#pragma once

#include <QDate>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QVariant>
#include <functional>
#include <optional>
#include <vector>

// A banded report described as data. Positions are millimetres inside the band; every
// band has a fixed height, so where pages break follows from the layout alone.

// One row of a dataset, by column name.
using ReportRecord = QVariantHash;

// What a report is filled with: the header row, the lines in print order, and named
// values that the opener supplies (company name, capital amount, dates of a run).
struct ReportData {
    ReportRecord header;
    std::vector<ReportRecord> lines;
    ReportRecord parameters;
    QDate printDate = QDate::currentDate();
};

// Face, size in points and weight, as the layout names them; the painter maps the face to
// one that is installed.
struct ReportFont {
    QString family = QStringLiteral("宋体");
    double pointSize = 11;
    bool bold = false;
};

enum class ReportElementKind {
    Label,      // text as it stands
    Field,      // a column of a dataset, with an optional display mask
    Expression, // a value computed from the current line
    Sum,        // the sum of a line column or expression over the lines printed so far
    SystemDate, // the print date, in the element's text as date format
    PageNumber, // text with %1 for the page number and %2 for the page count
    Frame,      // a rectangle
    Rule,       // a line from the rectangle's top-left to its bottom-right corner
};

enum class ReportSource { Header, Line, Parameter };

using ReportExpression = std::function<QVariant(const ReportRecord& line)>;

struct ReportElement {
    ReportElementKind kind = ReportElementKind::Label;
    QRectF rect;
    QString text;
    ReportSource source = ReportSource::Line;
    QString field;
    ReportExpression expression;
    QString mask;
    ReportFont font;
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter;
    bool clip = true;
};

struct ReportBand {
    double height = 0;
    std::vector<ReportElement> elements;
};

struct ReportMargins {
    double left = 10, top = 10, right = 10, bottom = 10;
};

struct ReportLayout {
    QSizeF pageSize{210, 297}; // A4 portrait
    ReportMargins margins;

    std::optional<ReportBand> title;        // first page only
    std::optional<ReportBand> pageHeader;   // top of every page
    std::optional<ReportBand> columnHeader; // under the page header, every page
    std::optional<ReportBand> detail;       // once per line
    std::optional<ReportBand> summary;      // once after the last line
    std::optional<ReportBand> pageFooter;   // anchored at the bottom of every page

    // Lines with a new value in this column start a group: its header band, on a new page
    // when groupStartsNewPage is set.
    QString groupField;
    std::optional<ReportBand> groupHeader;
    bool groupStartsNewPage = false;

    // A report without lines prints nothing unless this is set.
    bool printsWithoutLines = false;
};

// Element builders, so layouts read as lists of what they show.
namespace ReportElements {

ReportElement label(QRectF rect, const QString& text, Qt::Alignment alignment = Qt::AlignLeft);
ReportElement field(QRectF rect, ReportSource source, const QString& field,
                    const QString& mask = {}, Qt::Alignment alignment = Qt::AlignLeft);
ReportElement expression(QRectF rect, ReportExpression expression, const QString& mask = {},
                         Qt::Alignment alignment = Qt::AlignRight);
ReportElement sum(QRectF rect, const QString& lineField, const QString& mask,
                  Qt::Alignment alignment = Qt::AlignRight);
ReportElement sum(QRectF rect, ReportExpression expression, const QString& mask,
                  Qt::Alignment alignment = Qt::AlignRight);
ReportElement systemDate(QRectF rect, const QString& format = QStringLiteral("yyyy-MM-dd"),
                         Qt::Alignment alignment = Qt::AlignLeft);
ReportElement pageNumber(QRectF rect, const QString& format,
                         Qt::Alignment alignment = Qt::AlignHCenter);
ReportElement frame(QRectF rect);
ReportElement horizontalRule(QPointF from, double length);
ReportElement verticalRule(QPointF from, double length);

} // namespace ReportElements
