#include "platform/widgets/GridFooter.h"

#include "platform/format/DisplayMask.h"

#include <QHeaderView>
#include <QPainter>
#include <QScrollBar>
#include <QSqlQuery>
#include <QTableView>

QStringList footerTexts(const GridColumns& columns, const QString& statement,
                        const Sql::Params& params) {
    QStringList sums;
    for (const GridColumn& column : columns)
        if (!column.footerSumMask.isEmpty())
            sums << QStringLiteral("sum([%1])").arg(column.field); // [] : a wrong name fails
    QSqlQuery totals;
    if (!sums.isEmpty() && !statement.isEmpty()) {
        totals = Sql::exec(
            QStringLiteral("SELECT %1 FROM (%2)").arg(sums.join(QStringLiteral(", ")), statement),
            params);
        totals.next();
    }
    QStringList texts;
    int sumIndex = 0;
    for (const GridColumn& column : columns) {
        if (column.footerSumMask.isEmpty()) {
            texts << column.footerText;
            continue;
        }
        const QVariant total = totals.value(sumIndex++);
        texts << (column.money ? applyMask(Sql::money(total), column.footerSumMask)
                               : applyMask(total.toDouble(), column.footerSumMask));
    }
    return texts;
}

GridFooter::GridFooter(QTableView* view, QWidget* parent) : QWidget(parent), view_(view) {
    setObjectName(QStringLiteral("gridFooter"));
    setAccessibleName(QStringLiteral("合计行"));
    QHeaderView* header = view->horizontalHeader();
    connect(header, &QHeaderView::sectionResized, this, qOverload<>(&QWidget::update));
    connect(header, &QHeaderView::geometriesChanged, this, qOverload<>(&QWidget::update));
    connect(view->horizontalScrollBar(), &QScrollBar::valueChanged, this,
            qOverload<>(&QWidget::update));
}

void GridFooter::setTexts(const QStringList& texts, const GridColumns& columns) {
    texts_ = texts;
    rightAligned_.clear();
    for (const GridColumn& column : columns)
        rightAligned_.push_back(!column.footerSumMask.isEmpty());
    update();
}

void GridFooter::setFrozenColumns(int count) {
    frozenColumns_ = count;
    update();
}

QSize GridFooter::sizeHint() const {
    return {100, fontMetrics().height() + 8};
}

void GridFooter::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().button());
    const QHeaderView* header = view_->horizontalHeader();
    const int left = view_->viewport()->x();
    int frozenWidth = 0;
    for (int c = 0; c < frozenColumns_ && c < header->count(); ++c)
        frozenWidth += header->sectionSize(c);
    const auto cell = [&](int column, int x) {
        const QRect area(left + x, 0, header->sectionSize(column), height());
        painter.setPen(palette().mid().color());
        painter.drawRect(area.adjusted(0, 0, -1, -1));
        painter.setPen(palette().buttonText().color());
        const bool number = column < int(rightAligned_.size()) && rightAligned_[column];
        painter.drawText(area.adjusted(3, 0, -3, 0),
                         (number ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter,
                         texts_.value(column));
    };
    painter.save();
    painter.setClipRect(QRect(left + frozenWidth, 0, width(), height()));
    for (int c = frozenColumns_; c < header->count(); ++c)
        if (!header->isSectionHidden(c))
            cell(c, header->sectionViewportPosition(c));
    painter.restore();
    for (int c = 0; c < frozenColumns_ && c < header->count(); ++c)
        cell(c, header->sectionPosition(c));
}
