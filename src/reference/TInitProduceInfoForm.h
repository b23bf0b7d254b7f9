#pragma once

#include "reference/ItemEditing.h"
#include "reference/ReferenceWindow.h"

// The item catalogue: the categories on the left select the items on the right. 新增 adds
// an item numbered in the selected category, 修改 changes items (copied into their stock
// and journal rows on 保存), 删除 removes an item with its stock.
class TInitProduceInfoForm : public ReferenceWindow {
    Q_OBJECT
public:
    explicit TInitProduceInfoForm(QWidget* parent);

    QPushButton* modifyButton() const { return modifyButton_; }
    const ItemEditing& editing() const { return editing_; }

    void modifyItems();

protected:
    Row newRowValues() override;
    std::optional<qint64> storeRow(int row) override;
    void removeRow(int row) override;
    void escape() override;
    void showSaved() override;
    void done(int result) override;

private:
    void setListsLocked(bool locked);

    QPushButton* modifyButton_;
    ItemEditing editing_;
    QString savedMessage_;
};
