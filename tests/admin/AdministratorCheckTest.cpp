#include "admin/AdministratorCheck.h"

#include "OperatorFixture.h"
#include "platform/widgets/support/ScriptedUi.h"
#include "store/Session.h"
#include "support/TestDatabase.h"

namespace {
class AdministratorCheckTest : public DatabaseTest {};
} // namespace

TEST_F(AdministratorCheckTest, OnlyAnAdministratorPassesOthersSeeTheCallersMessage) {
    addOperator("0001", "张三", "操作员", "x");
    addOperator("0002", "李四", "管理员 ", "x"); // not exactly the role
    const struct {
        const char* name;
        bool passes;
    } cases[] = {
        {"系统管理员", true}, {"张三", false}, {"李四", false}, {"无名氏", false}, {"", false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Session::setOperatorName(QString::fromUtf8(c.name));
        MessageRecorder messages;
        if (!c.passes)
            messages.expect("只有管理员才能进行此操作!!");
        EXPECT_EQ(requireAdministrator(nullptr, "只有管理员才能进行此操作!!"), c.passes);
        for (const MessageRequest& shown : messages.shown()) {
            EXPECT_EQ(shown.title, "提示信息");
            EXPECT_EQ(shown.icon, MessageRequest::Icon::Warning);
        }
    }
}

TEST_F(AdministratorCheckTest, ReadsTheRoleAgainEachTime) {
    addOperator("0001", "张三", "操作员", "x");
    Session::setOperatorName("张三");
    {
        MessageRecorder messages;
        messages.expect({});
        EXPECT_FALSE(requireAdministrator(nullptr, "不行"));
    }
    Sql::update("操作员信息表", {{"操作员类别", "管理员"}}, "操作员姓名 = ?", {"张三"});
    EXPECT_TRUE(requireAdministrator(nullptr, "不行"));
}
