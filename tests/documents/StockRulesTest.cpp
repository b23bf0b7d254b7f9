#include "documents/StockRules.h"

#include <gtest/gtest.h>

namespace {

Money m(const char* text) {
    return *Money::parse(QString::fromUtf8(text));
}

TEST(StockRules, EachRuleMovesQuantityCostAndAverage) {
    const struct {
        const char* name;
        StockRule rule;
        StockState old;
        double q;
        const char* a;
        StockState expected;
    } cases[] = {
        {"receive re-averages",
         StockRule::ReceiveAndReaverage,
         {10, m("100"), 10},
         5,
         "80",
         {15, m("180"), 12}},
        {"receive into -5 at -40 reaching zero keeps the average",
         StockRule::ReceiveAndReaverage,
         {-5, m("-40"), 8},
         5,
         "50",
         {0, m("10"), 8}},
        {"receive into an empty row",
         StockRule::ReceiveAndReaverage,
         {0, m("0"), 0},
         4,
         "10",
         {4, m("10"), 2.5}},
        {"issue at cost keeps the average",
         StockRule::IssueAtCost,
         {10, m("25"), 2.5},
         3,
         "7.5",
         {7, m("17.5"), 2.5}},
        {"issue past the stock goes negative",
         StockRule::IssueAtCost,
         {2, m("5"), 2.5},
         3,
         "7.5",
         {-1, m("-2.5"), 2.5}},
        {"return out re-averages",
         StockRule::ReturnOutAndReaverage,
         {10, m("100"), 10},
         4,
         "48",
         {6, m("52"), 52.0 / 6}},
        {"return out of everything keeps the average",
         StockRule::ReturnOutAndReaverage,
         {10, m("100"), 10},
         10,
         "100",
         {0, m("0"), 10}},
        {"return in at cost keeps the average",
         StockRule::ReturnInAtCost,
         {4, m("10"), 2.5},
         2,
         "5",
         {6, m("15"), 2.5}},
        {"a float residue counts as zero",
         StockRule::ReceiveAndReaverage,
         {0.1 + 0.2, m("0.6"), 2},
         -0.3,
         "-0.6",
         {0, m("0"), 2}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const StockState next = applyStockRule(c.rule, c.old, c.q, m(c.a));
        EXPECT_DOUBLE_EQ(next.quantity, c.expected.quantity);
        EXPECT_EQ(next.totalCost, c.expected.totalCost);
        EXPECT_DOUBLE_EQ(next.averageCost, c.expected.averageCost);
    }
}

TEST(StockRules, ANewRowAveragesItsAmountAndNeverDividesByZero) {
    EXPECT_DOUBLE_EQ(newStockState(4, m("10")).averageCost, 2.5);
    const StockState empty = newStockState(0, m("3"));
    EXPECT_EQ(empty.quantity, 0.0);
    EXPECT_EQ(empty.averageCost, 0.0);
    EXPECT_EQ(empty.totalCost, m("3"));
}

} // namespace
