#include "documents/pickers/WarehousePicker.h"

#include "documents/pickers/CallerControls.h"
#include "platform/widgets/DataGrid.h"

WarehousePicker::WarehousePicker(QWidget* caller, const WarehousePickerKind& kind)
    : ListPicker(caller, kind.className, QStringLiteral("仓库清单"),
                 {plainColumn("仓库编号"), plainColumn("仓库名称"), plainColumn("仓库用途"),
                  plainColumn("仓管员")},
                 QStringLiteral("BitBtn1"), QStringLiteral("退出")),
      kind_(kind) {
    showRows(QStringLiteral("SELECT * FROM 仓库信息表 ORDER BY 仓库编号"));
}

void WarehousePicker::choose(int row) {
    fillCallerBox(this, kind_.targetBox, grid()->value(row, QStringLiteral("仓库名称")).toString(),
                  kind_.focusAfter);
    accept();
}
