#include "documents/pickers/ListPicker.h"

#include "platform/widgets/DataGrid.h"
#include "platform/widgets/Messages.h"
#include "platform/widgets/StatusPanels.h"
#include "platform/widgets/WindowParts.h"
#include "store/StoreError.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

GridColumn plainColumn(const char* field) {
    GridColumn column;
    column.field = QString::fromUtf8(field);
    column.title = column.field;
    return column;
}

ListPicker::ListPicker(QWidget* caller, const QString& className, const QString& title,
                       GridColumns columns, const QString& closeButtonName,
                       const QString& closeText)
    : ModalWindow(caller, className, title), titlePanel_(titlePanel(title, this, 4)),
      grid_(new DataGrid(QStringLiteral("DBGridEh1"), std::move(columns), this)),
      layout_(new QVBoxLayout(this)), buttons_(new QHBoxLayout) {
    buttons_->addStretch();
    layout_->addWidget(titlePanel_);
    layout_->addWidget(grid_, 1);
    layout_->addLayout(buttons_);
    closeButton_ = addButton(closeButtonName, closeText);
    connect(closeButton_, &QPushButton::clicked, this, &ListPicker::reject);
    connect(grid_, &DataGrid::doubleClicked, this, &ListPicker::doubleClicked);
    resize(560, 400);
}

void ListPicker::setTitle(const QString& title) {
    titlePanel_->setText(title);
    setWindowTitle(title);
}

void ListPicker::addControlRow(QLayout* row) {
    layout_->insertLayout(layout_->indexOf(buttons_), row);
}

QPushButton* ListPicker::addButton(const QString& objectName, const QString& text) {
    auto* button = commandButton(objectName, text, this);
    if (closeButton_)
        buttons_->insertWidget(buttons_->indexOf(closeButton_), button);
    else
        buttons_->addWidget(button);
    return button;
}

void ListPicker::showHint(const QString& hint) {
    layout_->addWidget(
        new StatusPanels(QStringLiteral("StatusBar1"), {QStringLiteral("操作提示"), hint}, this));
}

void ListPicker::showRows(const QString& statement, const Sql::Params& params) {
    try {
        grid_->setQuery(statement, params);
    } catch (const StoreError& e) {
        Messages::error(this, e.message());
    }
}

void ListPicker::doubleClicked(int row) {
    if (grid_->rowCount() == 0) {
        chooseFromEmptyList();
        return;
    }
    if (row < 0)
        row = grid_->currentRow();
    if (row >= 0)
        choose(row);
}
