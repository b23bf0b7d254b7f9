#include "admin/LoginCheck.h"

#include "OperatorFixture.h"
#include "support/TestDatabase.h"

namespace {

class LoginCheckTest : public DatabaseTest {
protected:
    void SetUp() override {
        DatabaseTest::SetUp();
        addOperator("0001", "张三", "操作员", "Ab");
    }
};

} // namespace

TEST_F(LoginCheckTest, ChecksCodeAndPasswordExactly) {
    const struct {
        const char* code;
        const char* password;
        const char* name; // nullptr: refused
    } cases[] = {
        {"0000", "admin", "系统管理员"},   {"0001", "Ab", "张三"},
        {"0001", "ab", nullptr},  // letter case counts
        {"0001", "Ab ", nullptr}, // as typed, not trimmed
        {"0001 ", "Ab", nullptr},          {"0001", "", nullptr},
        {"0009", "Ab", nullptr}, // no such code
        {"0001", "x' OR '1'='1", nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.code) + "/" + c.password);
        const auto name =
            LoginCheck::check(QString::fromUtf8(c.code), QString::fromUtf8(c.password));
        if (c.name)
            EXPECT_EQ(name, QString::fromUtf8(c.name));
        else
            EXPECT_EQ(name, std::nullopt);
    }
}

TEST_F(LoginCheckTest, FindsTheNameForACodeAsTyped) {
    EXPECT_EQ(LoginCheck::operatorName("0001"), QStringLiteral("张三"));
    EXPECT_EQ(LoginCheck::operatorName("0001 "), std::nullopt);
    EXPECT_EQ(LoginCheck::operatorName("'"), std::nullopt);
}

TEST_F(LoginCheckTest, TwoRowsWithTheSameCodeAndPasswordFail) {
    // Only a direct edit of the file can do this: drop the key and copy the row.
    Sql::exec("ALTER TABLE 操作员信息表 RENAME TO 旧操作员");
    Sql::exec("CREATE TABLE 操作员信息表 AS SELECT * FROM 旧操作员");
    Sql::exec("INSERT INTO 操作员信息表 SELECT * FROM 操作员信息表 WHERE 操作员代号 = '0001'");
    EXPECT_EQ(LoginCheck::check("0001", "Ab"), std::nullopt);
    EXPECT_EQ(LoginCheck::check("0000", "admin"), QStringLiteral("系统管理员"));
}
