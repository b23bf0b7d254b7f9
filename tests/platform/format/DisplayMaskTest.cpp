#include "platform/format/DisplayMask.h"

#include <gtest/gtest.h>

namespace {

struct MaskCase {
    double value;
    const char* mask;
    const char* expected;
};

TEST(DisplayMask, FormatsLikeTheWindowsShowIt) {
    const MaskCase cases[] = {{1234.5, "#,##0.00", "1,234.50"},
                              {-1234567.891, "#,##0.00", "-1,234,567.89"},
                              {0, "#,##0.00", "0.00"},
                              {0.005, "#,##0.00", "0.01"},
                              {-0.005, "#,##0.00", "-0.01"},
                              {-0.004, "#,##0.00", "0.00"},
                              {2.675, "##0.00", "2.68"},
                              {12.5, "##0.000", "12.500"},
                              {999.9999, "##0.000", "1000.000"},
                              {12.5, "###.###", "12.5"},
                              {0, "###.###", ""},
                              {0.25, "###.###", ".25"},
                              {3.1234565, "##0.000000", "3.123457"},
                              {1234.5, "#,###.##", "1,234.5"},
                              {100, "#,###.##", "100"},
                              {1000000, "#,###.###", "1,000,000"}};
    for (const MaskCase& c : cases) {
        SCOPED_TRACE(std::string(c.mask) + " " + std::to_string(c.value));
        EXPECT_EQ(applyMask(c.value, QString::fromUtf8(c.mask)), QString::fromUtf8(c.expected));
    }
}

TEST(DisplayMask, MoneyIsFormattedExactly) {
    EXPECT_EQ(applyMask(Money::fromUnits(10150), u"##0.00"), "1.02");
    EXPECT_EQ(applyMask(Money::fromUnits(-12345678901234), u"#,##0.00"), "-1,234,567,890.12");
}

} // namespace
