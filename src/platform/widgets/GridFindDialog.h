#pragma once

#include <QDialog>

class DataGrid;
class QComboBox;
class QLineEdit;

// The grid's find dialog: a text, the column to search (or all), and 查找下一个, which moves
// the grid's current row to the next row holding the text. Not modal: the user may go on
// working in the grid.
class GridFindDialog : public QDialog {
    Q_OBJECT
public:
    explicit GridFindDialog(DataGrid* grid);

    void findNext();

private:
    DataGrid* grid_;
    QLineEdit* text_;
    QComboBox* column_;
};
