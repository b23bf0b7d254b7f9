#include "reference/TInitProdObjectInfoForm.h"

#include "reference/TListLibBoxToProObjecForm.h"

TInitProdObjectInfoForm::TInitProdObjectInfoForm(QWidget* parent)
    : ReferenceWindow(parent, ReferenceWindowKinds::categories()) {
    connect(grid_, &EditGrid::functionKeyPressed, this, [this](int key) {
        if (key == Qt::Key_F1)
            pickWarehouse();
    });
    connect(grid_, &EditGrid::doubleClicked, this, [this] {
        if (model_->pendingRow() >= 0)
            pickWarehouse();
    });
}

void TInitProdObjectInfoForm::pickWarehouse() {
    const int row = grid_->currentRow();
    if (row < 0)
        return;
    if (const std::optional<QString> name = TListLibBoxToProObjecForm::choose(this))
        model_->setValue(row, QStringLiteral("所在仓库"), *name);
}
