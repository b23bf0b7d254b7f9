#include "reference/ReferenceWindow.h"

#include "admin/AdministratorCheck.h"
#include "platform/widgets/DataGrid.h"
#include "platform/widgets/EnterFocusChain.h"
#include "platform/widgets/Messages.h"
#include "platform/widgets/StatusPanels.h"
#include "platform/widgets/WindowParts.h"
#include "reference/Parties.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace {} // namespace

ReferenceWindow::ReferenceWindow(QWidget* parent, const ReferenceWindowKind& kind)
    : ModalWindow(parent, kind.className, kind.caption), kind_(kind), rows_(*kind.rows),
      model_(new RowsModel(kind.rows->table, kind.columns, this)),
      grid_(new EditGrid(kind.gridName, model_, this)),
      addButton_(commandButton(QStringLiteral("BitBtn1"), QStringLiteral("新增"), this)),
      saveButton_(commandButton(QStringLiteral("BitBtn2"), QStringLiteral("保存"), this)),
      deleteButton_(commandButton(QStringLiteral("BitBtn3"), QStringLiteral("删除"), this)),
      closeButton_(commandButton(QStringLiteral("BitBtn4"), kind.closeCaption, this)),
      status_(new StatusPanels(QStringLiteral("StatusBar1"),
                               {QStringLiteral("操作提示"), kind.hint}, this)),
      buttons_(new QHBoxLayout) {
    auto* heading = titlePanel(kind.caption, this);

    auto* grids = new QHBoxLayout;
    if (kind.master) {
        master_ = new DataGrid(kind.master->gridName, kind.master->columns, this);
        master_->setMaximumWidth(260);
        grids->addWidget(master_);
        connect(master_, &DataGrid::currentRowChanged, this, [this] { showRowsOfMaster(); });
    }
    grids->addWidget(grid_, 1);
    grid_->setAccessibleName(kind.caption);

    for (QPushButton* b : {addButton_, saveButton_, deleteButton_, closeButton_})
        buttons_->addWidget(b);
    buttons_->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addLayout(grids, 1);
    layout->addLayout(buttons_);
    layout->addWidget(status_);
    resize(kind.master ? 1080 : 800, 480);

    connect(addButton_, &QPushButton::clicked, this, &ReferenceWindow::addRow);
    connect(saveButton_, &QPushButton::clicked, this, &ReferenceWindow::saveRow);
    connect(deleteButton_, &QPushButton::clicked, this, &ReferenceWindow::deleteRow);
    connect(closeButton_, &QPushButton::clicked, this, &QDialog::reject);
    connect(grid_, &EditGrid::escapePressed, this, [this] { escape(); });
    connect(grid_, &EditGrid::currentRowChanged, this, &ReferenceWindow::leaveRow);
    // Enter in the grid moves on to 新增.
    EnterFocusChain::install(this, {grid_->view(), addButton_});

    grid_->setFrozenColumns(kind.frozenColumns);
    try {
        if (master_) {
            master_->setQuery(kind.master->statement);
            master_->setCurrentRow(0);
        }
        reloadRows();
    } catch (const StoreError& e) {
        Messages::error(this, e.message());
    }
    setBrowsing();
}

void ReferenceWindow::reloadRows() {
    if (!master_) {
        model_->setSelection(rows_.condition(), rows_.conditionParams(), kind_.orderBy);
        return;
    }
    const QVariant link = master_->currentValue(kind_.master->linkField);
    if (master_->currentRow() < 0)
        model_->setSelection(QStringLiteral("0"), {}, kind_.orderBy);
    else
        model_->setSelection(QStringLiteral("\"%1\" = ?").arg(kind_.master->detailColumn), {link},
                             kind_.orderBy);
}

void ReferenceWindow::showRowsOfMaster() {
    setBrowsing();
    try {
        reloadRows();
    } catch (const StoreError& e) {
        Messages::error(this, e.message());
    }
}

void ReferenceWindow::setEditing(bool newRow) {
    QStringList editable = kind_.editable;
    if (newRow)
        editable << kind_.editableWhenNew;
    model_->setEditableColumns(editable);
}

void ReferenceWindow::setBrowsing() {
    model_->setEditableColumns(kind_.editable);
    addButton_->setEnabled(true);
}

Row ReferenceWindow::newRowValues() {
    Row values;
    if (kind_.rows->codeRule)
        values.insert(kind_.rows->codeColumn, rows_.nextCode());
    if (master_)
        for (const QString& field : kind_.master->copied)
            values.insert(field, master_->currentValue(field));
    return values;
}

void ReferenceWindow::addRow() {
    if (master_ && master_->currentRow() < 0)
        return;
    Row values;
    try {
        values = newRowValues();
    } catch (const StoreError& e) {
        Messages::error(this, e.message());
        return;
    }
    const int row = model_->appendRow(values);
    setEditing(true);
    grid_->setCurrentRow(row);
    if (!kind_.addStaysEnabled)
        addButton_->setEnabled(false);
    grid_->focusColumn(kind_.firstNewColumn);
}

std::optional<qint64> ReferenceWindow::storeRow(int row) {
    if (model_->pendingIsNew())
        return rows_.add(model_->pendingValues());
    const qint64 id = model_->rowId(row);
    if (id < 0)
        return std::nullopt;
    rows_.save(id, model_->pendingRow() == row ? model_->pendingValues() : Row());
    return id;
}

void ReferenceWindow::saveRow() {
    grid_->commitEdits();
    const int row = model_->pendingRow() >= 0 ? model_->pendingRow() : grid_->currentRow();
    if (row < 0)
        return;
    std::optional<qint64> stored;
    try {
        stored = storeRow(row);
    } catch (const DuplicateEntry& e) {
        Messages::guidance(this, e.message());
        if (kind_.duplicateDropsRow) {
            escape();
            grid_->setFocus();
        } else {
            model_->setValue(row, kind_.rows->uniqueColumn, QString());
            grid_->focusColumn(kind_.rows->uniqueColumn);
        }
        return;
    } catch (const StoreError& e) {
        Messages::error(this, e.message());
        return;
    }
    if (!stored)
        return;
    // Read-only first, so that the row made current opens no editor.
    setBrowsing();
    showStoredRow(*stored);
    showSaved();
}

void ReferenceWindow::showSaved() {
    if (!kind_.saved.text.isEmpty())
        kind_.saved.show(this);
}

void ReferenceWindow::showStoredRow(qint64 rowId) {
    try {
        reloadRows();
    } catch (const StoreError& e) {
        Messages::error(this, e.message());
        return;
    }
    int row = rowId < 0 ? -1 : model_->rowOfId(rowId);
    while (row < 0 && rowId >= 0 && model_->canFetchMore({})) {
        model_->fetchMore({});
        row = model_->rowOfId(rowId);
    }
    grid_->setCurrentRow(row >= 0 ? row : model_->rowCount() - 1);
}

void ReferenceWindow::removeRow(int row) {
    rows_.remove(model_->rowId(row));
}

void ReferenceWindow::deleteRow() {
    if (!requireAdministrator(this, kind_.adminMessage))
        return;
    if (!Messages::confirm(this, kind_.deleteQuestion, QStringLiteral("警告信息")))
        return;
    model_->discardPending();
    const int row = grid_->currentRow();
    if (row < 0 || model_->rowId(row) < 0) {
        if (!kind_.nothingToDelete.text.isEmpty())
            kind_.nothingToDelete.show(this);
        return;
    }
    try {
        removeRow(row);
    } catch (const StoreError& e) {
        Messages::error(this, e.message());
    }
    setBrowsing();
    showStoredRow(model_->rowId(std::max(row - 1, 0)));
}

void ReferenceWindow::escape() {
    model_->discardPending();
    setBrowsing();
}

void ReferenceWindow::leaveRow(int row, int previous) {
    if (returning_)
        return;
    grid_->commitEdits();
    if (previous < 0 || previous != model_->pendingRow())
        return;
    bool stays = model_->pendingIsNew() || !kind_.postsWhenLeavingRow;
    if (!stays) {
        try {
            rows_.change(model_->rowId(previous), model_->pendingValues());
            model_->keepPending();
        } catch (const StoreError& e) {
            Messages::error(this, e.message());
            stays = true;
        }
    }
    if (stays && row != previous) {
        // The pending row is stored only by 保存 (or dropped by Esc): the cursor stays.
        returning_ = true;
        grid_->setCurrentRow(previous);
        returning_ = false;
    }
}

void ReferenceWindow::keyPressEvent(QKeyEvent* event) {
    // Esc does not close these windows; it drops what is pending.
    if (event->key() == Qt::Key_Escape) {
        escape();
        return;
    }
    ModalWindow::keyPressEvent(event);
}

void ReferenceWindow::done(int result) {
    model_->discardPending();
    if (kind_.removesNamelessOnClose) {
        try {
            Parties::removeNameless();
        } catch (const StoreError& e) {
            Messages::error(this, e.message());
        }
    }
    ModalWindow::done(result);
}
