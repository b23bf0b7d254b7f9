#include "store/CodeNumbering.h"
#include "store/Sql.h"
#include "store/StoreError.h"
#include "support/TestDatabase.h"

namespace {

TEST(CodeNumbering, NextCodeIsLastPlusOneZeroFilled) {
    const struct {
        const char* last;
        CodeRule rule;
        const char* next;
    } cases[] = {
        {"", CodeRules::Warehouse, "01"},
        {"", CodeRules::Category, "001"},
        {"", CodeRules::Department, "001"},
        {"", CodeRules::Supplier, "101"},
        {"", CodeRules::OutsourcingCompany, "001"},
        {"", CodeRules::Operator, "0001"},
        {"", CodeRules::Document, "00000001"},
        {"009", CodeRules::Category, "010"},
        {"099", CodeRules::Category, "100"},
        {"0000", CodeRules::Operator, "0001"},
        {"00000099", CodeRules::Document, "00000100"},
        {"98", CodeRules::Warehouse, "99"},
        {" 41 ", CodeRules::Warehouse, "42"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.last);
        EXPECT_EQ(nextCode(QString::fromUtf8(c.last), c.rule), QString::fromUtf8(c.next));
    }
}

TEST(CodeNumbering, ACodeThatNoLongerFitsIsRefused) {
    EXPECT_THROW(nextCode(QStringLiteral("99"), CodeRules::Warehouse), StoreError);
    EXPECT_THROW(nextCode(QStringLiteral("999"), CodeRules::Department), StoreError);
    EXPECT_THROW(nextCode(QStringLiteral("9999"), CodeRules::ItemRunningNumber), StoreError);
    EXPECT_THROW(nextCode(QStringLiteral("99999999"), CodeRules::Document), StoreError);
    EXPECT_THROW(nextCode(QStringLiteral("A1"), CodeRules::Warehouse), StoreError);
}

class CodeNumberingInTable : public DatabaseTest {
protected:
    void addUnit(const char* code, const char* kind) {
        Sql::insert(QStringLiteral("部门信息"),
                    {{QStringLiteral("单位编号"), QString::fromUtf8(code)},
                     {QStringLiteral("类别"), QString::fromUtf8(kind)}});
    }
    QString next(const char* kind, const CodeRule& rule) {
        return nextCodeInColumn(QStringLiteral("部门信息"), QStringLiteral("单位编号"), rule,
                                QStringLiteral("类别 = ?"), {QString::fromUtf8(kind)});
    }
};

TEST_F(CodeNumberingInTable, DepartmentsAndSuppliersNumberSeparately) {
    EXPECT_EQ(next("内部部门", CodeRules::Department), "001");
    EXPECT_EQ(next("供应商", CodeRules::Supplier), "101");
    addUnit("001", "内部部门");
    addUnit("101", "供应商");
    EXPECT_EQ(next("内部部门", CodeRules::Department), "002");
    EXPECT_EQ(next("供应商", CodeRules::Supplier), "102");
    addUnit("009", "内部部门");
    addUnit("002", "内部部门");
    EXPECT_EQ(next("内部部门", CodeRules::Department), "010");
}

TEST_F(CodeNumberingInTable, TheLargestCodeCountsNotTheLastRowWritten) {
    Sql::insert(QStringLiteral("仓库信息表"), {{QStringLiteral("仓库编号"), QStringLiteral("10")}});
    Sql::insert(QStringLiteral("仓库信息表"), {{QStringLiteral("仓库编号"), QStringLiteral("02")}});
    EXPECT_EQ(nextCodeInColumn(QStringLiteral("仓库信息表"), QStringLiteral("仓库编号"),
                               CodeRules::Warehouse),
              "11");
}

} // namespace
