#include "admin/Operators.h"
#include "store/Sql.h"
#include "store/StoreError.h"
#include "support/TestDatabase.h"

namespace {

QString u(const char* text) {
    return QString::fromUtf8(text);
}

class OperatorsTest : public DatabaseTest {
protected:
    static void addOperator(const char* code, const char* name, const char* password) {
        Operators::add({u(code), u(name), u("操作员"), u(password)});
    }
    static QString storedPassword(const char* code) {
        return Sql::scalar(u("SELECT 操作员密码 FROM 操作员信息表 WHERE 操作员代号 = ?"), {u(code)})
            .toString();
    }
};

TEST_F(OperatorsTest, OperatorsAreNumberedFrom0001) {
    EXPECT_EQ(Operators::nextCode(), u("0001")); // after the administrator's 0000
    Sql::exec(u("DELETE FROM 操作员信息表"));
    EXPECT_EQ(Operators::nextCode(), u("0001"));
    addOperator("0001", "张三", "x");
    EXPECT_EQ(Operators::nextCode(), u("0002"));
    EXPECT_EQ(operationLogTexts(), QStringList{u("新增操作员,编号是:0001")});
}

TEST_F(OperatorsTest, APasswordIsStoredHashedAndComparedExactly) {
    addOperator("0001", "O'Hara", "Ab'1");
    EXPECT_FALSE(storedPassword("0001").contains(u("Ab'1")));
    EXPECT_TRUE(Operators::passwordMatches(u("O'Hara"), u("Ab'1")));
    EXPECT_FALSE(Operators::passwordMatches(u("O'Hara"), u("ab'1")));
    EXPECT_FALSE(Operators::passwordMatches(u("无此人"), u("Ab'1")));
}

TEST_F(OperatorsTest, AnIncompleteOperatorIsRefused) {
    const Operators::NewOperator cases[] = {
        {u("0001"), u("  "), u("操作员"), u("x")},
        {u("0001"), u("李四"), u(""), u("x")},
        {u(""), u("李四"), u("操作员"), u("x")},
    };
    for (const auto& op : cases) {
        SCOPED_TRACE(op.name.toStdString() + "/" + op.role.toStdString());
        EXPECT_FALSE(Operators::isComplete(op));
        EXPECT_THROW(Operators::add(op), StoreError);
    }
    EXPECT_EQ(rowCount(u("操作员信息表")), 1);
    EXPECT_TRUE(operationLogTexts().isEmpty());
}

TEST_F(OperatorsTest, APasswordChangeNeedsTheOldPassword) {
    addOperator("0001", "王五", "old");
    addOperator("0002", "王五", "other"); // a shared name: the first row is the one

    EXPECT_THROW(Operators::changePassword(u("王五"), u("OLD"), u("new")), StoreError);
    EXPECT_TRUE(Operators::passwordMatches(u("王五"), u("old")));
    EXPECT_EQ(operationLogTexts().size(), 2);

    const QString untouched = storedPassword("0002");
    Operators::changePassword(u("王五"), u("old"), u("n'ew"));
    EXPECT_TRUE(Operators::passwordMatches(u("王五"), u("n'ew")));
    EXPECT_EQ(storedPassword("0002"), untouched);
    EXPECT_EQ(operationLogTexts().constLast(), u("修改登录密码"));
}

} // namespace
