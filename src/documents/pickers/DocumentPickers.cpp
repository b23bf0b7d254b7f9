#include "documents/pickers/DocumentPickers.h"

#include "documents/pickers/CounterpartyPicker.h"
#include "documents/pickers/DepartmentPicker.h"
#include "documents/pickers/WarehousePicker.h"
#include "platform/widgets/ModalRunner.h"

bool openDepartmentPicker(QWidget* caller, const QString& callerKey, const QString& title) {
    auto* picker = new DepartmentPicker(caller, callerKey);
    if (!title.isEmpty())
        picker->setTitle(title);
    return runModal(picker) == QDialog::Accepted;
}

bool openCounterpartyPicker(QWidget* caller) {
    return runModal(new CounterpartyPicker(caller)) == QDialog::Accepted;
}

bool openWarehousePicker(QWidget* caller, WarehousePickerFor kind) {
    return runModal(new WarehousePicker(caller, warehousePickerKind(kind))) == QDialog::Accepted;
}
