#include "documents/StockRules.h"

#include "store/Decimal.h"

namespace {

bool adds(StockRule rule) {
    return rule == StockRule::ReceiveAndReaverage || rule == StockRule::ReturnInAtCost;
}

bool reaverages(StockRule rule) {
    return rule == StockRule::ReceiveAndReaverage || rule == StockRule::ReturnOutAndReaverage;
}

} // namespace

StockState applyStockRule(StockRule rule, const StockState& old, double q, Money a) {
    StockState next = old;
    next.quantity = roundDecimals(adds(rule) ? old.quantity + q : old.quantity - q, 4);
    next.totalCost = adds(rule) ? old.totalCost + a : old.totalCost - a;
    if (reaverages(rule) && next.quantity != 0)
        next.averageCost = next.totalCost.toDouble() / next.quantity;
    return next;
}

StockState newStockState(double q, Money a) {
    StockState state;
    state.quantity = roundDecimals(q, 4);
    state.totalCost = a;
    state.averageCost = state.quantity != 0 ? a.toDouble() / state.quantity : 0.0;
    return state;
}
