#pragma once

#include "documents/DocumentKind.h"
#include "store/Money.h"

// The part of a stock row that posting changes.
struct StockState {
    double quantity = 0;    // 物品数量
    Money totalCost;        // 总成本
    double averageCost = 0; // 平均成本
};

// The row after a group of quantity q and amount a moved through it by the rule. The new
// quantity is rounded to 4 decimals, as stored, before the re-average test, so a float
// residue never divides the cost by almost nothing.
StockState applyStockRule(StockRule rule, const StockState& old, double q, Money a);

// A row made for a group that found none: q at a, its average a / q (0 when q is 0).
StockState newStockState(double q, Money a);
