#pragma once

#include <QString>

// The windows that pick a warehouse from 仓库信息表 and what the pick does in each.
enum class WarehousePickerFor {
    InboundNote,         // 收料仓库 of the inbound note
    OutboundNote,        // 出料仓库 of the outbound note (caller key "出库单")
    ProjectIssueNote,    // 出料仓库 of the project issue note (caller key "工程出库单")
    InboundReturnNote,   // 出料仓库 of the inbound return note
    OutboundReturnNote,  // 收料仓库 of the outbound return note
    TransferSource,      // 调出仓库 of the transfer note
    TransferDestination, // 调入仓库 of the transfer note
    StocktakingNote,     // 盘点仓库 of the stocktaking note
};

struct WarehousePickerKind {
    QString className;  // the picker window's class, its objectName
    QString targetBox;  // the caller's box that receives 仓库名称
    QString focusAfter; // the caller's control that takes the focus next
};

const WarehousePickerKind& warehousePickerKind(WarehousePickerFor caller);
