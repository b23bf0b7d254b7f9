#pragma once

#include "store/Money.h"

#include <QDate>
#include <QString>

// One movement of stock as the business journal records it: into or out of one warehouse,
// for one item group of one document, with the stock row's state right after it.
struct JournalEntry {
    enum class Direction { In, Out };

    QString itemCode;
    QString itemName;
    QString warehouse;
    Direction direction = Direction::In;
    double quantity = 0;
    Money amount;
    QDate date;
    QString movement;     // 业务名称, e.g. "物品入库"
    QString counterparty; // 部门
    QString handler;      // 经办人
    QString brand;
    QString category;
    QString itemSize;
    QString unit;
    Money unitPrice;
    QString documentNumber;
    QString documentKind; // 单据来源, e.g. "入库单"
    double stockAfter = 0;
    Money amountAfter;
};

// Appends the row to 业务流水; only the pair of its direction is written, the other keeps 0.
void appendJournal(const JournalEntry& entry);

// Appends a row to 操作流水表: now, the text cut to its 50 characters, the current operator.
void appendOperationLog(const QString& text);
