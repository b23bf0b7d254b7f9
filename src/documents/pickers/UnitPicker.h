#pragma once

#include "documents/pickers/ListPicker.h"

class QLineEdit;

// The list of units (部门信息: departments, customers and suppliers alike) with the search
// by part of the name. A double-click hands the chosen row's 单位名称 to the picker's
// deliver(); on an empty list it only says that there is nothing to choose.
class UnitPicker : public ListPicker {
    Q_OBJECT
public:
    // Lists the units whose name contains the search box's text (all of them when it is
    // empty), in the order of their codes.
    void search();

protected:
    UnitPicker(QWidget* caller, const QString& className, const QString& title);

    // Writes the chosen name into the caller's window and closes the picker.
    virtual void deliver(const QString& unitName) = 0;

private:
    void choose(int row) override;
    void chooseFromEmptyList() override;

    QLineEdit* nameBox_;
};
