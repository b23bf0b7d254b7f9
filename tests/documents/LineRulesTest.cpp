#include "documents/LineRules.h"
#include "documents/DocumentKinds.h"

#include <gtest/gtest.h>

namespace {

using namespace DocumentKinds;

TEST(LineRules, EachKindRefusesAnIncompleteLineWithItsOwnMessage) {
    const struct {
        const DocumentKind& kind;
        LineDraft draft;
        const char* message; // "" when the line may be stored
    } cases[] = {
        {inboundNote(), {"", "", "1", "1", {}}, "请选择物品然后再按本按钮保存!"},
        {inboundNote(), {"0010001", "螺栓", "", "1", {}}, "请输入物品的单价,再按本按钮保存!"},
        {inboundNote(),
         {"0010001", "螺栓", "1", "0.00004", {}},
         "请输入入库的物品数量,再按本按钮保存!"},
        {inboundNote(), {"0010001", "螺栓", "1", "-2", {}}, ""},
        // The outbound note asks for the quantity before the item.
        {outboundNote(), {"", "", "2.5", "", 3.0}, "请输入物品数量!"},
        {outboundNote(), {"0010001", "螺栓", "2.5", "9", 3.0}, ""}, // above stock: warned only
        {inboundReturnNote(),
         {"0010001", "螺栓", "2", "4", 3.0},
         "退出数量不能大于库存数量,请查清楚!"},
        {inboundReturnNote(), {"0010001", "螺栓", "2", "3", 3.0}, ""},
        {outboundReturnNote(), {"0010001", "螺栓", "2.5", "0", {}}, ""},
        {outboundReturnNote(),
         {"0010001", "螺栓", "2.5", "", {}},
         "请输入物品的数量,再按本按钮保存!"},
        {transferNote(), {"0010001", "螺栓", "2.5", "3.0004", 3.0}, ""}, // shown as 3.000
        {transferNote(),
         {"0010001", "螺栓", "2.5", "3.001", 3.0},
         "调拨数量大于库存数量,请查清楚!"},
        {directIssueNote(), {"", "手写物品", "2", "1", {}}, ""},
        {directIssueNote(), {"", "", "2", "1", {}}, "请选择物品然后按本按钮保存!"},
        {stocktakingNote(),
         {"0010001", "螺栓", "abc", "1", {}},
         "请输入物品的单价,再按本按钮保存!"},
        {stocktakingNote(), {"0010001", "螺栓", "1", "0", {}}, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.kind.name.toStdString() + " " + c.message);
        auto failed = firstFailedCheck(c.kind.lineRules, c.draft);
        EXPECT_EQ(failed ? failed->message : QString(), QString::fromUtf8(c.message));
    }
}

TEST(LineRules, StockRefusalsUseTheErrorBox) {
    auto failed = firstFailedCheck(transferNote().lineRules, {"0010001", "螺栓", "1", "5", 1.0});
    ASSERT_TRUE(failed.has_value());
    EXPECT_EQ(failed->severity, DocumentRefusal::Severity::Error);
    EXPECT_EQ(failed->focus, LineCheck::Focus::Quantity);
}

} // namespace
