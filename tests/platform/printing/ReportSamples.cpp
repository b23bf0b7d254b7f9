#include "ReportSamples.h"

#include "store/Money.h"

#include <algorithm>

using namespace ReportElements;

ReportLayout sampleLayout() {
    ReportLayout layout;
    layout.pageSize = QSizeF(100, 100);
    layout.title = ReportBand{10, {label(QRectF(0, 0, 80, 10), QStringLiteral("样张"))}};
    layout.pageHeader =
        ReportBand{5, {field(QRectF(0, 0, 80, 5), ReportSource::Header, QStringLiteral("单号"))}};
    layout.columnHeader =
        ReportBand{5,
                   {frame(QRectF(0, 0, 80, 5)), label(QRectF(0, 0, 40, 5), QStringLiteral("名称")),
                    label(QRectF(40, 0, 40, 5), QStringLiteral("数量"))}};
    layout.detail = ReportBand{
        10,
        {field(QRectF(0, 0, 40, 10), ReportSource::Line, QStringLiteral("名称")),
         field(QRectF(40, 0, 40, 10), ReportSource::Line, QStringLiteral("数量"), "#,##0.000")}};
    layout.summary = ReportBand{15,
                                {label(QRectF(0, 0, 20, 5), QStringLiteral("合计")),
                                 sum(QRectF(40, 0, 40, 5), QStringLiteral("数量"), "#,##0.000"),
                                 sum(QRectF(40, 5, 40, 5), QStringLiteral("金额"), "#,##0.00"),
                                 sum(
                                     QRectF(0, 10, 40, 5),
                                     [](const ReportRecord& line) {
                                         return line.value(QStringLiteral("数量")).toDouble() * 2;
                                     },
                                     "0.0")}};
    layout.pageFooter =
        ReportBand{5,
                   {pageNumber(QRectF(0, 0, 50, 5), QStringLiteral("第%1页共%2页")),
                    systemDate(QRectF(50, 0, 30, 5), QStringLiteral("yyyy年M月d日"))}};
    return layout;
}

ReportData sampleData(int lines) {
    ReportData data;
    data.header.insert(QStringLiteral("单号"), QStringLiteral("00000001"));
    data.printDate = QDate(2026, 5, 4);
    for (int i = 1; i <= lines; ++i)
        data.lines.push_back(
            {{QStringLiteral("名称"), QStringLiteral("L%1").arg(i)},
             {QStringLiteral("数量"), 1.5},
             {QStringLiteral("金额"), QVariant::fromValue(Money::fromUnits(12345))}});
    return data;
}

QStringList pageTexts(const ReportPage& page) {
    std::vector<const PagePrimitive*> texts;
    for (const PagePrimitive& p : page.primitives)
        if (p.kind == PrimitiveKind::Text)
            texts.push_back(&p);
    std::stable_sort(texts.begin(), texts.end(),
                     [](auto* a, auto* b) { return a->rect.y() < b->rect.y(); });
    QStringList result;
    for (const PagePrimitive* p : texts)
        result << p->text;
    return result;
}

const PagePrimitive* findText(const ReportPage& page, const QString& text) {
    for (const PagePrimitive& p : page.primitives)
        if (p.kind == PrimitiveKind::Text && p.text == text)
            return &p;
    return nullptr;
}
