#pragma once

#include "platform/widgets/GridColumn.h"
#include "store/Sql.h"

#include <QStringList>
#include <QWidget>

class QTableView;

// The footer texts of a column list over a query's rows: a column's fixed text, or the sum
// of its field over all rows in its sum mask, or nothing. The sums come from one SUM query
// over the statement, however many rows it has; without a statement every sum is zero.
// Throws StoreError.
QStringList footerTexts(const GridColumns& columns, const QString& statement,
                        const Sql::Params& params);

// The footer row under a grid: one cell under each column, following the columns' widths
// and the sideways scrolling, with the first frozenColumns cells kept in place.
class GridFooter : public QWidget {
    Q_OBJECT
public:
    GridFooter(QTableView* view, QWidget* parent);

    void setTexts(const QStringList& texts, const GridColumns& columns);
    const QStringList& texts() const { return texts_; }
    void setFrozenColumns(int count);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QTableView* view_;
    QStringList texts_;
    std::vector<bool> rightAligned_;
    int frozenColumns_ = 0;
};
