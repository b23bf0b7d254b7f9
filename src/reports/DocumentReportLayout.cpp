#include "reports/DocumentReport.h"

#include <numeric>

namespace {

using namespace ReportElements;

constexpr double RowHeight = 7;
constexpr double TitleHeight = 12;
constexpr double ColumnHeaderHeight = 8;
constexpr double SignatureHeight = 9;
constexpr double FooterHeight = 6;
constexpr double MmPerPoint = 25.4 / 72;
constexpr int HeaderSlots = 3;

// Printed width of a label in the body font: CJK characters are a full em, others half.
double labelWidth(const QString& text) {
    double ems = 0;
    for (QChar c : text)
        ems += c.unicode() >= 0x2E80 ? 1.0 : 0.5;
    constexpr double BodyPoints = 11;
    return ems * BodyPoints * MmPerPoint + 2;
}

// A label and the value after it, filling a slot of a row.
void addLabelledField(ReportBand& band, const LabelledField& pair, QRectF slot,
                      ReportSource source) {
    double width = std::min(labelWidth(pair.label), slot.width());
    band.elements.push_back(label(QRectF(slot.x(), slot.y(), width, slot.height()), pair.label));
    if (!pair.field.isEmpty())
        band.elements.push_back(
            field(QRectF(slot.x() + width, slot.y(), slot.width() - width, slot.height()), source,
                  pair.field));
}

class DocumentBands {
public:
    explicit DocumentBands(const DocumentPrintLayout& layout) : layout_(layout) {
        width_ = std::accumulate(layout.columns.begin(), layout.columns.end(), 0.0,
                                 [](double sum, const PrintColumn& c) { return sum + c.widthMm; });
    }

    ReportLayout build() const {
        ReportLayout report;
        report.title = title();
        report.columnHeader = columnRow(ColumnHeaderHeight, [](const PrintColumn& c, QRectF cell) {
            return label(cell, c.title, Qt::AlignHCenter);
        });
        report.detail = columnRow(RowHeight, [](const PrintColumn& c, QRectF cell) {
            return field(cell, ReportSource::Line, c.field, c.mask,
                         c.mask.isEmpty() ? Qt::AlignLeft : Qt::AlignRight);
        });
        report.summary = summary();
        report.pageFooter = pageFooter();
        return report;
    }

private:
    ReportBand title() const {
        ReportBand band;
        ReportElement heading =
            label(QRectF(width_ / 2 - 35, 0, 70, TitleHeight), layout_.title, Qt::AlignHCenter);
        heading.font = {QStringLiteral("华文中宋"), 20, false};
        band.elements.push_back(heading);
        if (!layout_.companyInSummary)
            band.elements.push_back(
                field(QRectF(width_ / 2 + 36, 2, width_ / 2 - 36, TitleHeight - 2),
                      ReportSource::Parameter, DocumentParameters::CompanyName));
        double top = TitleHeight + 2;
        double rows = double(layout_.headerRows.size());
        band.elements.push_back(frame(QRectF(0, top, width_, rows * RowHeight)));
        for (const std::vector<LabelledField>& row : layout_.headerRows) {
            double slotWidth = row.size() == 1 ? width_ : width_ / HeaderSlots;
            for (size_t i = 0; i < row.size(); ++i)
                addLabelledField(band, row[i], QRectF(i * slotWidth, top, slotWidth, RowHeight),
                                 ReportSource::Header);
            top += RowHeight;
        }
        band.height = top + 3;
        return band;
    }

    // A framed row with a vertical rule between the columns and one element per column.
    template <typename MakeCell> ReportBand columnRow(double height, MakeCell makeCell) const {
        ReportBand band;
        band.height = height;
        band.elements.push_back(frame(QRectF(0, 0, width_, height)));
        double x = 0;
        for (const PrintColumn& column : layout_.columns) {
            if (x > 0)
                band.elements.push_back(verticalRule(QPointF(x, 0), height));
            band.elements.push_back(makeCell(column, QRectF(x, 0, column.widthMm, height)));
            x += column.widthMm;
        }
        return band;
    }

    ReportBand summary() const {
        ReportBand band;
        band.elements.push_back(frame(QRectF(0, 0, width_, 2 * RowHeight)));
        band.elements.push_back(horizontalRule(QPointF(0, RowHeight), width_));
        band.elements.push_back(label(QRectF(0, 0, 40, RowHeight), QStringLiteral("合  计：")));
        double x = 0;
        for (const PrintColumn& column : layout_.columns) {
            if (!column.sumMask.isEmpty()) {
                band.elements.push_back(verticalRule(QPointF(x, 0), RowHeight));
                band.elements.push_back(
                    sum(QRectF(x, 0, column.widthMm, RowHeight), column.field, column.sumMask));
            }
            x += column.widthMm;
        }
        addLabelledField(band, {QStringLiteral("人民币(大写):"), DocumentParameters::CapitalAmount},
                         QRectF(0, RowHeight, width_, RowHeight), ReportSource::Parameter);
        band.height = 2 * RowHeight + SignatureHeight;
        QRectF signatures(0, 2 * RowHeight, width_, SignatureHeight);
        addSignatures(band, signatures);
        return band;
    }

    void addSignatures(ReportBand& band, QRectF row) const {
        if (layout_.companyInSummary) {
            band.elements.push_back(field(row, ReportSource::Parameter,
                                          DocumentParameters::CompanyName, {}, Qt::AlignRight));
            return;
        }
        double slotWidth = row.width() / double(layout_.signatures.size());
        for (size_t i = 0; i < layout_.signatures.size(); ++i)
            addLabelledField(band, layout_.signatures[i],
                             QRectF(row.x() + i * slotWidth, row.y(), slotWidth, row.height()),
                             ReportSource::Header);
    }

    ReportBand pageFooter() const {
        ReportBand band;
        band.height = FooterHeight;
        ReportElement number =
            pageNumber(QRectF(0, 0, width_, FooterHeight), QStringLiteral("第 %1 页 共 %2 页"));
        number.font.pointSize = 9;
        band.elements.push_back(number);
        return band;
    }

    const DocumentPrintLayout& layout_;
    double width_ = 0;
};

} // namespace

ReportLayout documentReportLayout(const DocumentPrintLayout& layout) {
    return DocumentBands(layout).build();
}
