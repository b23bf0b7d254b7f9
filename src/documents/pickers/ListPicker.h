#pragma once

#include "platform/widgets/GridColumn.h"
#include "platform/widgets/ModalWindow.h"
#include "store/Sql.h"

class DataGrid;
class QHBoxLayout;
class QLabel;
class QLayout;
class QPushButton;
class QVBoxLayout;

// A column showing the field under its own name.
GridColumn plainColumn(const char* field);

// The shape shared by the pickers: a title panel, a read-only grid of one list, rows of
// controls below it, a row of buttons and an optional hint in the status bar. A
// double-click on a row chooses it; what choosing does is the picker's own.
class ListPicker : public ModalWindow {
    Q_OBJECT
public:
    // Sets the title panel and the caption.
    void setTitle(const QString& title);

protected:
    // The button that closes the picker unchanged ("关闭", "退出") comes last in its row.
    ListPicker(QWidget* caller, const QString& className, const QString& title, GridColumns columns,
               const QString& closeButtonName, const QString& closeText);

    DataGrid* grid() const { return grid_; }

    // A row of controls between the grid and the buttons.
    void addControlRow(QLayout* row);
    // A button placed before the closing one.
    QPushButton* addButton(const QString& objectName, const QString& text);
    void showHint(const QString& hint);

    // Lists the rows of the query; a database error is shown and leaves the list empty.
    void showRows(const QString& statement, const Sql::Params& params = {});

    virtual void choose(int row) = 0;
    // A double-click on an empty list.
    virtual void chooseFromEmptyList() {}

private:
    void doubleClicked(int row);

    QLabel* titlePanel_;
    DataGrid* grid_;
    QVBoxLayout* layout_;
    QHBoxLayout* buttons_;
    QPushButton* closeButton_ = nullptr;
};
