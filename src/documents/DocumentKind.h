#pragma once

#include "documents/LineRules.h"
#include "store/Journal.h"

#include <QString>
#include <functional>
#include <vector>

struct DocumentInput;
struct DocumentTotals;

// What a document kind is, as data: its tables, how its header is filled, how each of its
// item groups moves stock and what it writes to the journal and the log. One posting
// engine serves every kind from this description.

// The boxes of a document window, as far as posting reads them.
enum class DocumentField {
    Number,
    Date,
    Counterparty,         // 交货单位, 领用单位, 返还单位, 退回单位 …
    Type,                 // 入库类型, 出库类型
    Summary,              // 摘要
    Warehouse,            // the document's warehouse; the source of a transfer
    DestinationWarehouse, // 调入仓库
    Reason,               // 调拨原因, 直拨原因, 退回原因
    TargetNumber,         // the inbound note an inbound return was copied from
    Maker,                // 制单员
    Handler,              // 经办员
    Checker,              // 审核员
    GainOrLoss,           // "盘盈" or "盘损"
    TotalQuantity,
    TotalAmount,
};

// How a group's quantity and amount change a stock row.
enum class StockRule {
    ReceiveAndReaverage,   // Q + q, C + a, average recomputed
    IssueAtCost,           // Q − q, C − a, average kept
    ReturnOutAndReaverage, // Q − q, C − a, average recomputed
    ReturnInAtCost,        // Q + q, C + a, average kept
};

// What a group does when its warehouse has no stock row for the item.
enum class MissingStockRow {
    CreateFromCatalogue, // a new row in the leg's warehouse, from the item catalogue
    Refuse,              // the posting stops and nothing is written
    Skip,                // no stock change; the journal row is still written, reading 0
};

// One warehouse touched by every item group of a document.
struct MovementLeg {
    DocumentField warehouse; // Warehouse or DestinationWarehouse
    JournalEntry::Direction direction;
    StockRule rule;
    MissingStockRow missing;
    QString missingMessage; // shown when missing is Refuse
    QString movementName;   // 业务名称 of its journal rows
};

// How the header's total quantity is stored.
enum class QuantityTotal { Plain, TwoDecimals, WholeHalfEven };

// Whether the last posted number and amount belong to one window or to the whole run.
enum class PrintScope { PerWindow, PerRun };

struct DocumentKind {
    QString name; // 入库单 …; also the key of its last posted document
    QString headerTable;
    QString lineTable;
    QString numberColumn;
    QString lineIdColumn;
    std::vector<std::pair<QString, DocumentField>> headerMap; // header column ← box
    QuantityTotal quantityTotal = QuantityTotal::Plain;
    std::vector<MovementLeg> legs; // empty: the document moves no stock
    // Replaces legs where the choice on the document decides them (gain or loss).
    std::function<std::vector<MovementLeg>(const DocumentInput&)> legsFor;
    DocumentField journalCounterparty = DocumentField::Counterparty;
    QString fixedJournalCounterparty; // used when not empty, e.g. "盘点"
    QString journalSource;            // 单据来源
    QString logPrefix;                // "输入入库单,编号是:"
    PrintScope printScope = PrintScope::PerRun;
    LineRules lineRules;
    // A check before anything is written; returns the refusal text, or empty to go on.
    std::function<QString(const DocumentInput&, const DocumentTotals&)> precondition;
};
