#include "documents/pickers/DepartmentPicker.h"

#include "documents/pickers/CallerControls.h"
#include "documents/pickers/DepartmentCallerKeys.h"

DepartmentPicker::DepartmentPicker(QWidget* caller, const QString& callerKey)
    : UnitPicker(caller, QStringLiteral("TListDeptInfoForm"), QStringLiteral("单位清单")),
      boxName_(departmentBoxOf(callerKey)) {
    Q_ASSERT_X(!boxName_.isEmpty(), "DepartmentPicker", "unknown caller key");
    showHint(QStringLiteral("双击选择清单中的单位，系统将会自动加入！"));
}

void DepartmentPicker::deliver(const QString& unitName) {
    fillCallerBox(this, boxName_, unitName);
    accept();
}
