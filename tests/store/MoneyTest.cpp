#include "store/Money.h"

#include <gtest/gtest.h>

namespace {

struct ParseCase {
    const char* text;
    std::optional<int64_t> units;
};

TEST(Money, ParsesWhatAUserTypes) {
    const ParseCase cases[] = {
        {"12", 120000},         {" 12.5 ", 125000},
        {"-0.05", -500},        {"1,234.5678", 12345678},
        {"0.00005", 1},         {"-0.00005", -1},
        {"0.00004", 0},         {"+3", 30000},
        {".5", 5000},           {"", std::nullopt},
        {"abc", std::nullopt},  {"1.2.3", std::nullopt},
        {"12元", std::nullopt}, {"99999999999999999999", std::nullopt},
    };
    for (const ParseCase& c : cases) {
        SCOPED_TRACE(c.text);
        auto parsed = Money::parse(QString::fromUtf8(c.text));
        ASSERT_EQ(parsed.has_value(), c.units.has_value());
        if (parsed) {
            EXPECT_EQ(parsed->units(), *c.units);
        }
    }
}

TEST(Money, ProductOfQuantityAndPriceIsExact) {
    EXPECT_EQ(Money::product(1.015, 1).units(), 10150);
    EXPECT_EQ(Money::product(3, 0.1).units(), 3000);
    EXPECT_EQ(Money::product(0.1, 0.7).units(), 700);
    EXPECT_EQ(Money::product(2.5, 1.00005).units(), 25001); // 2.500125 rounds up
    EXPECT_EQ(Money::product(-2.5, 1.00005).units(), -25001);
    EXPECT_EQ(Money::product(1234.5678, 9.876543).units(), 121932620); // 12193.26196...
}

TEST(Money, RoundsTiesAwayFromZero) {
    EXPECT_EQ(Money::fromUnits(125).roundedTo(2).units(), 100);
    EXPECT_EQ(Money::fromUnits(150).roundedTo(2).units(), 200);
    EXPECT_EQ(Money::fromUnits(-150).roundedTo(2).units(), -200);
    EXPECT_EQ(Money::fromUnits(-149).roundedTo(2).units(), -100);
    EXPECT_EQ(Money::fromDouble(2.675).roundedTo(2).units(), 26800);
    EXPECT_EQ(Money::fromDouble(0.00015).units(), 2);
}

TEST(Money, FormatsWithFixedDecimals) {
    EXPECT_EQ(Money::fromUnits(12345000).toString(), "1234.50");
    EXPECT_EQ(Money::fromUnits(-500).toString(), "-0.05");
    EXPECT_EQ(Money::fromUnits(-40).toString(), "0.00");
    EXPECT_EQ(Money::fromUnits(12345).toString(4), "1.2345");
    EXPECT_EQ(Money::fromUnits(15000).toString(0), "2");
    EXPECT_EQ(Money::fromUnits(INT64_MAX).toString(4), "922337203685477.5807");
}

TEST(Money, ArithmeticStaysExact) {
    Money total;
    for (int i = 0; i < 10; ++i)
        total += *Money::parse(u"0.1");
    EXPECT_EQ(total, *Money::parse(u"1"));
    EXPECT_EQ((total - *Money::parse(u"1.5")).toString(), "-0.50");
    EXPECT_DOUBLE_EQ(Money::fromUnits(10150).toDouble(), 1.015);
}

} // namespace
