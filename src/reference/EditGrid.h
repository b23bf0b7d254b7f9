#pragma once

#include "reference/RowsModel.h"

#include <QWidget>

class QTableView;

// The editable grid of the reference windows, over a RowsModel. The first columns can stay
// in place while the others scroll sideways: they are a second view beside the scrolling
// one, sharing its rows, selection and vertical scrolling. Esc, function keys and
// double-clicks are reported to the window, which decides what they do.
class EditGrid : public QWidget {
    Q_OBJECT
public:
    EditGrid(const QString& objectName, RowsModel* model, QWidget* parent = nullptr);

    RowsModel* model() const { return model_; }
    QTableView* view() const; // the scrolling part
    QTableView* viewOf(int column) const;
    void setFrozenColumns(int count);

    int currentRow() const; // -1 when there is none
    void setCurrentRow(int row);
    // Makes the cell of the current row in that column current and gives it the focus.
    void focusColumn(const QString& column);
    // Stores what an open cell editor holds into the model and closes it.
    void commitEdits();
    bool hasFocusInside() const;

signals:
    void escapePressed();
    void functionKeyPressed(int key);
    void doubleClicked(int row);
    void cellClicked(int row);
    void currentRowChanged(int row, int previous);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    class View;

    void setUpView(View* view);
    // Columns as wide as their titles and the rows fetched, within a limit.
    void fitColumns();

    RowsModel* model_;
    View* frozen_;
    View* view_;
    int frozenColumns_ = 0;
};
