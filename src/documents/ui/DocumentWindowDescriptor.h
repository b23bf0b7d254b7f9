#pragma once

#include "documents/DocumentKind.h"
#include "documents/pickers/WarehousePickerKinds.h"
#include "reports/DocumentPrintLayout.h"

#include <QString>
#include <QStringList>
#include <vector>

// How a document kind's windows look and behave, as data: the header boxes with their
// labels, limits, pickers and Enter order, the texts, and its line-entry window. One
// document window and one line-entry window are built from it.

// The picker behind a header box.
struct BoxPicker {
    enum class Kind { None, Units, InboundCounterparty, Warehouse, Summary };
    Kind kind = Kind::None;
    QString key{};   // the caller key (units, summary)
    QString title{}; // units: the picker's title panel
    WarehousePickerFor warehouse{};
};

struct HeaderBox {
    enum class Kind { Text, ReadOnly, Combo };

    QString objectName{};
    QString label{};
    DocumentField field{};
    int maxLength = 50;
    Kind kind = Kind::Text;
    BoxPicker picker{};
    QStringList items{};           // combo boxes
    bool keptAfterPosting = false; // not cleared for the next document
    QString toolTip{};
};

// What leaving a box does beyond taking its text.
enum class LeaveAction {
    None,
    ResolveUnitKeepUnknown,  // a code or short name becomes the unit's name
    ResolveUnitClearUnknown, // as above; an unknown unit is cleared with a message
    ResolveWarehouse,        // a code or short name becomes the warehouse's name
    CopyInboundNote,         // the inbound note of that number is copied into the lines
    RefuseSourceWarehouse,   // the destination may not be the source
};

struct LineEntryDescriptor {
    QString className{};
    QString title{};
    QString statusHint{};
    QString numberLabel{};
    QStringList
        itemBoxes{}; // objectNames of 物品编号, 物品名称, 物品规格, 物品单位, 品牌, 物品类型
    QString priceBox{};
    QString priceLabel{};
    QString quantityBox{};
    QString amountBox{};
    QString stockBox{}; // empty: the window shows no stock
    int quantityMaxLength = 16;
    bool offersNewItem = false;
};

struct DocumentWindowDescriptor {
    const DocumentKind& kind;
    QString className{};
    QString caption{};
    QString numberLabel{};
    std::vector<HeaderBox> boxes{}; // in Enter order; the grid follows them
    std::vector<std::pair<QString, LeaveAction>> leaveActions{};
    QString warehouseBox{}; // a line needs this box filled; empty: no condition
    QString noWarehouseMessage{};
    bool gainOrLossChoice = false;
    QString peopleColon = QStringLiteral(":"); // 制单员: or 制单员：
    QString statusHint{};
    PrintLayoutKind printLayout{};
    LineEntryDescriptor lineEntry{};
};
