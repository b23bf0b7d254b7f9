#pragma once

#include "documents/DocumentKind.h"

// The stock documents of the program, each described once.
namespace DocumentKinds {
const DocumentKind& inboundNote();        // 入库单
const DocumentKind& outboundNote();       // 出库单
const DocumentKind& inboundReturnNote();  // 入库退出单
const DocumentKind& outboundReturnNote(); // 出库退回单
const DocumentKind& transferNote();       // 调拨单
const DocumentKind& directIssueNote();    // 直拨单
const DocumentKind& stocktakingNote();    // 盘盈盘损单
} // namespace DocumentKinds
