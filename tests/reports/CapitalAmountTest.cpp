#include "reports/CapitalAmount.h"

#include <gtest/gtest.h>
#include <limits>

namespace {

struct CapitalCase {
    const char* amount;
    const char* text;
};

TEST(CapitalAmount, WritesTheStandardCapitalMoneyText) {
    const CapitalCase cases[] = {
        {"0", "零元整"},
        {"0.05", "伍分"},
        {"0.5", "伍角整"},
        {"10", "壹拾元整"},
        {"100.05", "壹佰元零伍分"},
        {"1005.30", "壹仟零伍元叁角整"},
        {"100000000", "壹亿元整"},
        {"100010000.01", "壹亿零壹万元零壹分"},
        {"-12.345", "负壹拾贰元叁角伍分"},
        {"12.344", "壹拾贰元叁角肆分"},
        {"-0.004", "零元整"},
        {"-0.005", "负壹分"},
        {"1.005", "壹元零壹分"},
        {"7", "柒元整"},
        {"15.6", "壹拾伍元陆角整"},
        {"203", "贰佰零叁元整"},
        {"4000.4", "肆仟元肆角整"},
        {"10203.04", "壹万零贰佰零叁元零肆分"},
        {"300000", "叁拾万元整"},
        {"6007000", "陆佰万柒仟元整"},
        {"50000800", "伍仟万零捌佰元整"},
        {"1200000000", "壹拾贰亿元整"},
        {"30000000005", "叁佰亿零伍元整"},
        {"1000000000000", "壹万亿元整"},
        {"10000000000001", "壹拾万亿零壹元整"},
        {"922337203685477.5807",
         "玖佰贰拾贰万叁仟叁佰柒拾贰亿零叁佰陆拾捌万伍仟肆佰柒拾柒元伍角捌分"},
    };
    for (const CapitalCase& c : cases) {
        SCOPED_TRACE(c.amount);
        std::optional<Money> amount = Money::parse(QString::fromUtf8(c.amount));
        ASSERT_TRUE(amount);
        EXPECT_EQ(capitalAmount(*amount), QString::fromUtf8(c.text));
    }
}

TEST(CapitalAmount, TheMostNegativeAmountDoesNotOverflow) {
    EXPECT_EQ(
        capitalAmount(Money::fromUnits(std::numeric_limits<int64_t>::min())),
        QString::fromUtf8("负玖佰贰拾贰万叁仟叁佰柒拾贰亿零叁佰陆拾捌万伍仟肆佰柒拾柒元伍角捌分"));
}

} // namespace
