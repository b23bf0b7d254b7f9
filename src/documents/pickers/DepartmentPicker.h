#pragma once

#include "documents/pickers/UnitPicker.h"

// TListDeptInfoForm: the department picker shared by the documents, queries and statistics.
// Its caller key selects the box of the caller's window that receives the chosen name; that
// box then takes the focus.
class DepartmentPicker : public UnitPicker {
    Q_OBJECT
public:
    DepartmentPicker(QWidget* caller, const QString& callerKey);

private:
    void deliver(const QString& unitName) override;

    QString boxName_;
};
