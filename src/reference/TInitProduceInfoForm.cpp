#include "reference/TInitProduceInfoForm.h"

#include "platform/widgets/DataGrid.h"
#include "platform/widgets/Messages.h"
#include "platform/widgets/WindowParts.h"
#include "reference/ItemCatalogue.h"

#include <QHBoxLayout>
#include <QPushButton>

namespace {

const QString ItemCode = QStringLiteral("物品编号");

} // namespace

TInitProduceInfoForm::TInitProduceInfoForm(QWidget* parent)
    : ReferenceWindow(parent, ReferenceWindowKinds::items()),
      modifyButton_(commandButton(QStringLiteral("BitBtn5"), QStringLiteral("修改"), this)) {
    buttonRow()->insertWidget(2, modifyButton_);
    connect(modifyButton_, &QPushButton::clicked, this, &TInitProduceInfoForm::modifyItems);
    connect(grid_, &EditGrid::cellClicked, this,
            [this](int row) { editing_.setCopySource(model_->row(row)); });
    // The category list has the focus when the window opens.
    master_->setFocus();
}

void TInitProduceInfoForm::setListsLocked(bool locked) {
    master_->setEnabled(!locked);
}

Row TInitProduceInfoForm::newRowValues() {
    Row draft = editing_.beginNew(master_->currentValue(QStringLiteral("物品分类编号")).toString());
    setListsLocked(true);
    return draft;
}

void TInitProduceInfoForm::modifyItems() {
    setListsLocked(true);
    // Number and category stay as they are.
    model_->setEditableColumns(kind_.editableWhenNew);
    if (!editing_.beginModify())
        Messages::notice(this, QStringLiteral("您已在修改状态，可以进行物品资料的修改了！"));
    grid_->focusColumn(QStringLiteral("物品名称"));
}

std::optional<qint64> TInitProduceInfoForm::storeRow(int row) {
    const Row item = model_->row(row);
    const ItemEditing::Outcome outcome = editing_.save(item);
    if (!outcome.stored) {
        if (!outcome.message.isEmpty())
            Messages::success(this, outcome.message);
        return std::nullopt;
    }
    savedMessage_ = outcome.message;
    setListsLocked(false);
    const QVariant id = Sql::scalar(
        QStringLiteral("SELECT rowid FROM 物品资料表 WHERE 物品编号 = ?"), {item.value(ItemCode)});
    return id.isValid() ? id.toLongLong() : -1;
}

void TInitProduceInfoForm::showSaved() {
    Messages::success(this, savedMessage_);
}

void TInitProduceInfoForm::removeRow(int row) {
    ItemCatalogue::deleteItem(model_->row(row).value(ItemCode).toString());
}

void TInitProduceInfoForm::escape() {
    ReferenceWindow::escape();
    editing_.escape();
    setListsLocked(false);
}

void TInitProduceInfoForm::done(int result) {
    editing_.close();
    ReferenceWindow::done(result);
}
