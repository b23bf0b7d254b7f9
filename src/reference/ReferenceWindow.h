#pragma once

#include "platform/widgets/ModalWindow.h"

#include "reference/EditGrid.h"
#include "reference/ReferenceRows.h"
#include "reference/ReferenceWindowKind.h"
#include <optional>

class DataGrid;
class QHBoxLayout;
class QPushButton;
class StatusPanels;

// The window shape of the reference tables: a heading, an editable grid (with, for some
// kinds, a read-only list beside it that selects the grid's rows), the buttons 新增, 保存,
// 删除 and 关闭窗口, and a status hint. The kind says what differs; the few windows with
// real extra behaviour override the hooks.
class ReferenceWindow : public ModalWindow {
    Q_OBJECT
public:
    ReferenceWindow(QWidget* parent, const ReferenceWindowKind& kind);

    EditGrid* grid() const { return grid_; }
    DataGrid* masterList() const { return master_; }

    void addRow();
    void saveRow();
    void deleteRow();

    void done(int result) override;

protected:
    // The values a new row starts with: its code and what it takes from the master list.
    virtual Row newRowValues();
    // Stores the pending (or current) row; returns the rowid to show afterwards (-1: the
    // last row), or nullopt when nothing was stored and the row stays pending.
    virtual std::optional<qint64> storeRow(int row);
    virtual void removeRow(int row);
    // Esc in the grid (or in a window that reacts to it anywhere).
    virtual void escape();
    virtual void showSaved();

    void keyPressEvent(QKeyEvent* event) override;

    void reloadRows();
    void showRowsOfMaster();
    void setEditing(bool newRow);
    void setBrowsing();
    void showStoredRow(qint64 rowId);
    QHBoxLayout* buttonRow() const { return buttons_; }

    const ReferenceWindowKind& kind_;
    ReferenceRows rows_;
    RowsModel* model_;
    EditGrid* grid_;
    DataGrid* master_ = nullptr;
    QPushButton* addButton_;
    QPushButton* saveButton_;
    QPushButton* deleteButton_;
    QPushButton* closeButton_;
    StatusPanels* status_;

private:
    void leaveRow(int row, int previous);

    QHBoxLayout* buttons_;
    bool returning_ = false;
};
