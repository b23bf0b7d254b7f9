#pragma once

#include "platform/widgets/GridColumn.h"
#include "platform/widgets/GridModel.h"

#include <QPointer>
#include <QWidget>

class GridFooter;
class GridFindDialog;
class QTableView;

// The read-only grid of every window: rows of one query shown through the window's column
// list (GridModel), an optional footer row of fixed texts and column sums (GridFooter), the
// first N columns kept in place when scrolling sideways, a colour hook per cell, and a find
// dialog (Ctrl+F). Rows are fetched lazily.
//
// Double-click anywhere (also on an empty grid) emits doubleClicked with the row or -1;
// function keys emit functionKeyPressed (F1 add a line, F2 change it, in document windows).
class DataGrid : public QWidget {
    Q_OBJECT
public:
    DataGrid(const QString& objectName, GridColumns columns, QWidget* parent = nullptr);

    // Shows the rows of the query; throws StoreError (the grid is then empty).
    void setQuery(const QString& statement, const Sql::Params& params = {});
    // Runs the current query again (after a write), keeping the current row where possible.
    void refresh();
    void clear();

    void setFrozenColumns(int count);
    void setColourHook(GridModel::ColourHook hook);

    int rowCount() const;
    int currentRow() const; // -1 when there is none
    void setCurrentRow(int row);
    QVariant value(int row, const QString& field) const;
    QVariant currentValue(const QString& field) const;
    QString displayText(int row, int column) const;
    QStringList footerTexts() const;

    // The first row after `fromRow` whose shown text in `column` (-1: any column) contains
    // `text`, ignoring letter case; -1 when none. Fetches further rows as it searches.
    int findNext(const QString& text, int column, int fromRow) const;
    void showFindDialog();

    QTableView* view() const { return view_; }
    GridModel* model() const { return model_; }

signals:
    void doubleClicked(int row);
    void functionKeyPressed(int key);
    void currentRowChanged(int row);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void applyColumnWidths();
    void setUpFrozenView();
    void placeFrozenView();
    void updateFooter();

    GridModel* model_;
    QTableView* view_;
    QTableView* frozen_;
    GridFooter* footer_;
    int frozenColumns_ = 0;
    QPointer<GridFindDialog> findDialog_;
};
