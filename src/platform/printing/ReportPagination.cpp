#include "platform/printing/ReportPagination.h"

#include "platform/format/DisplayMask.h"
#include "platform/printing/ReportValues.h"

#include <map>

namespace {

const ReportRecord NoLine;

class Paginator {
public:
    Paginator(const ReportLayout& layout, const ReportData& data) : layout_(layout), data_(data) {
        for (const ReportBand* band : allBands())
            for (const ReportElement& e : band->elements)
                if (e.kind == ReportElementKind::Sum)
                    totals_[&e] = {};
        pages_.pageSize = layout.pageSize;
    }

    ReportPages run() {
        if (data_.lines.empty() && !layout_.printsWithoutLines)
            return pages_;
        startPage();
        std::optional<QVariant> group;
        for (const ReportRecord& line : data_.lines) {
            if (!layout_.groupField.isEmpty()) {
                QVariant value = line.value(layout_.groupField);
                if (!group || *group != value)
                    startGroup(group.has_value(), line);
                group = value;
            }
            addToTotals(line);
            current_ = &line;
            if (layout_.detail)
                placeWhereItFits(*layout_.detail);
        }
        if (layout_.summary)
            placeWhereItFits(*layout_.summary);
        finishPage();
        fillPageNumbers();
        return pages_;
    }

private:
    std::vector<const ReportBand*> allBands() const {
        std::vector<const ReportBand*> bands;
        for (const std::optional<ReportBand>* band :
             {&layout_.title, &layout_.pageHeader, &layout_.columnHeader, &layout_.detail,
              &layout_.summary, &layout_.pageFooter, &layout_.groupHeader})
            if (*band)
                bands.push_back(&**band);
        return bands;
    }

    double footerTop() const {
        double height = layout_.pageFooter ? layout_.pageFooter->height : 0;
        return layout_.pageSize.height() - layout_.margins.bottom - height;
    }

    void startPage() {
        pages_.pages.emplace_back();
        y_ = layout_.margins.top;
        bandsOnPage_ = 0;
        if (pages_.pages.size() == 1 && layout_.title)
            place(*layout_.title);
        if (layout_.pageHeader)
            place(*layout_.pageHeader);
        if (layout_.columnHeader)
            place(*layout_.columnHeader);
        bandsOnPage_ = 0;
    }

    void finishPage() {
        if (!layout_.pageFooter)
            return;
        y_ = footerTop();
        place(*layout_.pageFooter);
    }

    void startGroup(bool afterAnotherGroup, const ReportRecord& line) {
        if (afterAnotherGroup && layout_.groupStartsNewPage && bandsOnPage_ > 0) {
            finishPage();
            startPage();
        }
        current_ = &line;
        if (layout_.groupHeader)
            placeWhereItFits(*layout_.groupHeader);
    }

    // A band that does not fit above the footer opens a new page, unless the page holds
    // nothing yet (a band taller than a page is printed cut rather than looping).
    void placeWhereItFits(const ReportBand& band) {
        if (y_ + band.height > footerTop() + 1e-9 && bandsOnPage_ > 0) {
            finishPage();
            startPage();
        }
        place(band);
        ++bandsOnPage_;
    }

    void addToTotals(const ReportRecord& line) {
        for (auto& [element, total] : totals_)
            total.add(element->expression ? element->expression(line) : line.value(element->field));
    }

    void place(const ReportBand& band) {
        for (const ReportElement& e : band.elements)
            page().primitives.push_back(primitive(e));
        y_ += band.height;
    }

    PagePrimitive primitive(const ReportElement& e) {
        PagePrimitive p;
        p.rect = e.rect.translated(layout_.margins.left, y_);
        p.font = e.font;
        p.alignment = e.alignment;
        p.clip = e.clip;
        switch (e.kind) {
        case ReportElementKind::Frame:
            p.kind = PrimitiveKind::Frame;
            break;
        case ReportElementKind::Rule:
            p.kind = PrimitiveKind::Line;
            break;
        case ReportElementKind::PageNumber:
            pageNumbers_.push_back({pages_.pages.size() - 1, page().primitives.size(), e.text});
            break;
        default:
            p.text = text(e);
        }
        return p;
    }

    QString text(const ReportElement& e) const {
        const ReportRecord& line = current_ ? *current_ : NoLine;
        switch (e.kind) {
        case ReportElementKind::Label:
            return e.text;
        case ReportElementKind::Field:
            return reportText(record(e.source).value(e.field), e.mask);
        case ReportElementKind::Expression:
            return reportText(e.expression(line), e.mask);
        case ReportElementKind::Sum: {
            Decimal total = totals_.at(&e).value();
            return e.mask.isEmpty() ? total.toString() : applyMask(total, e.mask);
        }
        case ReportElementKind::SystemDate:
            return data_.printDate.toString(e.text);
        default:
            return {};
        }
    }

    const ReportRecord& record(ReportSource source) const {
        switch (source) {
        case ReportSource::Header:
            return data_.header;
        case ReportSource::Parameter:
            return data_.parameters;
        case ReportSource::Line:
            break;
        }
        return current_ ? *current_ : NoLine;
    }

    void fillPageNumbers() {
        QString count = QString::number(pages_.pages.size());
        for (const PendingPageNumber& n : pageNumbers_)
            pages_.pages[n.page].primitives[n.primitive].text =
                QString(n.format)
                    .replace(QStringLiteral("%1"), QString::number(n.page + 1))
                    .replace(QStringLiteral("%2"), count);
    }

    ReportPage& page() { return pages_.pages.back(); }

    struct PendingPageNumber {
        size_t page;
        size_t primitive;
        QString format;
    };

    const ReportLayout& layout_;
    const ReportData& data_;
    ReportPages pages_;
    double y_ = 0;
    int bandsOnPage_ = 0;
    const ReportRecord* current_ = nullptr;
    std::map<const ReportElement*, ReportTotal> totals_;
    std::vector<PendingPageNumber> pageNumbers_;
};

} // namespace

ReportPages paginate(const ReportLayout& layout, const ReportData& data) {
    return Paginator(layout, data).run();
}
