#pragma once

#include "documents/pickers/ListPicker.h"
#include "documents/pickers/WarehousePickerKinds.h"

// The warehouse pickers of the stock documents ("仓库清单"): the list of 仓库信息表; a
// double-click writes the row's 仓库名称 into the caller's box of its kind, moves the focus
// on and closes; "退出" closes unchanged.
class WarehousePicker : public ListPicker {
    Q_OBJECT
public:
    WarehousePicker(QWidget* caller, const WarehousePickerKind& kind);

private:
    void choose(int row) override;

    WarehousePickerKind kind_;
};
