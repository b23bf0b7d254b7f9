#pragma once

#include "platform/widgets/GridColumn.h"
#include "platform/widgets/ModalWindow.h"

class DataGrid;

// A read-only browse window: a list of groups on the left (warehouses, categories), and on
// the right the stock rows of the group chosen there, empty until one is chosen.
struct BrowseDescriptor {
    QString className;
    QString heading;
    QString listBox;       // title of the left box
    QString listStatement; // the groups, one column
    GridColumn listColumn;
    QString rowsBox;       // title of the right box
    QString rowsStatement; // the rows of one group: one '?' for the group's name
    GridColumns rowsColumns;
    int frozenColumns = 0;
    QString hint;
    QString closeCaption;
};

class BrowseForm : public ModalWindow {
    Q_OBJECT
public:
    BrowseForm(const BrowseDescriptor& descriptor, QWidget* parent);

private:
    void showGroup(int row);

    BrowseDescriptor descriptor_;
    DataGrid* DBGrid1;
    DataGrid* DBGridEh1;
};

// 仓库情况表: the stock of one warehouse.
BrowseForm* createListLibForm(QWidget* parent);
// 物品明细表: the stock of one category in every warehouse.
BrowseForm* createListProducInfoForm(QWidget* parent);
