#include "reference/ReferenceRows.h"
#include "reference/CompanyInfo.h"
#include "reference/Parties.h"
#include "store/Sql.h"
#include "support/TestDatabase.h"

namespace {

QString u(const char* text) {
    return QString::fromUtf8(text);
}

class ReferenceRowsTest : public DatabaseTest {};

TEST_F(ReferenceRowsTest, EachKindNumbersItsOwnRowsFromItsFirstCode) {
    const struct {
        const ReferenceKind& kind;
        const char* first;
        const char* second;
    } cases[] = {
        {ReferenceKinds::categories(), "001", "002"},
        {ReferenceKinds::warehouses(), "01", "02"},
        {ReferenceKinds::departments(), "001", "002"},
        {ReferenceKinds::suppliers(), "101", "102"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE((c.kind.table + c.kind.kindValue).toStdString());
        ReferenceRows rows(c.kind);
        const QString first = rows.nextCode();
        EXPECT_EQ(first, u(c.first));
        rows.add({{c.kind.codeColumn, first}});
        EXPECT_EQ(rows.nextCode(), u(c.second));
    }
    // A department 101 and a supplier 101 live side by side in the one table.
    ReferenceRows departments(ReferenceKinds::departments());
    for (int i = 2; i <= 101; ++i)
        departments.add({{u("单位编号"), departments.nextCode()}});
    EXPECT_EQ(rowCount(u("部门信息"), u("单位编号 = '101'")), 2);
    EXPECT_EQ(ReferenceRows(ReferenceKinds::suppliers()).count(), 1);
}

TEST_F(ReferenceRowsTest, ACodeThatNoLongerFitsIsRefused) {
    ReferenceRows warehouses(ReferenceKinds::warehouses());
    warehouses.add({{u("仓库编号"), u("99")}});
    try {
        warehouses.nextCode();
        FAIL() << "the 100th warehouse got a code";
    } catch (const StoreError& e) {
        EXPECT_TRUE(e.message().contains(u("不能再增加"))) << e.message().toStdString();
    }
}

TEST_F(ReferenceRowsTest, AddingAndDeletingLogTheKindsTexts) {
    const struct {
        const ReferenceKind& kind;
        Row row;
        const char* added;
        const char* deleted;
    } cases[] = {
        {ReferenceKinds::categories(),
         {{u("物品分类编号"), u("001")}, {u("物品类别"), u("O'Neil 五金")}},
         "新增物品类别信息:001 O'Neil 五金",
         "删除物品类别:001 O'Neil 五金"},
        {ReferenceKinds::warehouses(),
         {{u("仓库编号"), u("01")}, {u("仓库名称"), u("一号'库")}},
         "新增仓库信息!01",
         "删除仓库信息,仓库编号是:01"},
        {ReferenceKinds::departments(),
         {{u("单位编号"), u("001")}, {u("单位名称"), u("生产'部")}},
         "新增部门信息!001",
         "删除部门信息,部门名称是:生产'部"},
        {ReferenceKinds::suppliers(),
         {{u("单位编号"), u("101")}, {u("单位名称"), u("华'达公司")}},
         "新增加供应商,编号是:101",
         "删除供销商信息,供销商名称是:华'达公司"},
        {ReferenceKinds::summaries(),
         {{u("帐务摘要"), u("工程'甲")}},
         "新增加业务摘要:工程'甲",
         "删除业务摘要:工程'甲"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.added);
        ReferenceRows rows(c.kind);
        const qint64 id = rows.add(c.row);
        EXPECT_EQ(rows.count(), 1);
        EXPECT_EQ(operationLogTexts().constLast(), u(c.added));
        rows.remove(id);
        EXPECT_EQ(rows.count(), 0);
        EXPECT_EQ(operationLogTexts().constLast(), u(c.deleted));
    }
}

TEST_F(ReferenceRowsTest, BinsCarryTheirWarehouseAndAreNotLogged) {
    ReferenceRows bins(ReferenceKinds::bins());
    const qint64 id =
        bins.add({{u("仓位名称"), u("A-1")}, {u("仓库编号"), u("01")}, {u("仓库名称"), u("一库")}});
    bins.save(id, {{u("位置描述"), u("北墙")}});
    EXPECT_EQ(bins.read(id).value(u("位置描述")).toString(), u("北墙"));
    EXPECT_EQ(bins.read(id).value(u("仓库名称")).toString(), u("一库"));
    bins.remove(id);
    EXPECT_TRUE(operationLogTexts().isEmpty());
}

TEST_F(ReferenceRowsTest, ADuplicateSummaryIsRefusedWithItsOwnMessage) {
    ReferenceRows summaries(ReferenceKinds::summaries());
    summaries.add({{u("帐务摘要"), u("生产单 A'1")}});
    const qint64 other = summaries.add({{u("帐务摘要"), u("生产单 B")}});
    try {
        summaries.add({{u("帐务摘要"), u("生产单 A'1")}});
        FAIL() << "a duplicate summary was stored";
    } catch (const DuplicateEntry& e) {
        EXPECT_EQ(e.message(), u("该摘要信息已经存在,不用再增加!"));
    }
    EXPECT_THROW(summaries.change(other, {{u("帐务摘要"), u("生产单 A'1")}}), DuplicateEntry);
    EXPECT_EQ(summaries.count(), 2);
    EXPECT_EQ(operationLogTexts().size(), 2);
}

TEST_F(ReferenceRowsTest, AnotherFailureCarriesTheDatabaseMessage) {
    ReferenceRows warehouses(ReferenceKinds::warehouses());
    warehouses.add({{u("仓库编号"), u("01")}});
    try {
        warehouses.add({{u("仓库编号"), u("01")}, {u("仓库名称"), u("二库")}});
        FAIL() << "a second warehouse 01 was stored";
    } catch (const DuplicateEntry&) {
        FAIL() << "reported as a duplicate summary";
    } catch (const StoreError& e) {
        EXPECT_TRUE(e.message().contains(u("UNIQUE"))) << e.message().toStdString();
    }
    EXPECT_EQ(warehouses.count(), 1);
    EXPECT_EQ(operationLogTexts().size(), 1); // the failed row left no log row behind
}

TEST_F(ReferenceRowsTest, NamelessPartiesOfBothKindsAreRemoved) {
    ReferenceRows departments(ReferenceKinds::departments());
    ReferenceRows suppliers(ReferenceKinds::suppliers());
    departments.add({{u("单位编号"), u("001")}, {u("单位名称"), u("生产部")}});
    departments.add({{u("单位编号"), u("002")}});
    departments.add({{u("单位编号"), u("003")}, {u("单位名称"), u("  ")}});
    suppliers.add({{u("单位编号"), u("101")}, {u("单位名称"), u("\u3000")}});
    suppliers.add({{u("单位编号"), u("102")}, {u("单位名称"), u("华达")}});
    EXPECT_EQ(Parties::removeNameless(), 3);
    EXPECT_EQ(departments.count(), 1);
    EXPECT_EQ(suppliers.count(), 1);
}

TEST_F(ReferenceRowsTest, CompanyInformationIsOneRow) {
    CompanyInfo::save({{u("公司名称"), u("恒昶'公司")}, {u("公司电传"), u("0571-1")}});
    CompanyInfo::save({{u("联系人"), u("王五")}});
    EXPECT_EQ(rowCount(u("公司信息")), 1);
    const Row row = CompanyInfo::load();
    EXPECT_EQ(row.value(u("公司名称")).toString(), u("恒昶'公司"));
    EXPECT_EQ(row.value(u("联系人")).toString(), u("王五"));
    EXPECT_EQ(operationLogTexts(), QStringList({u("设置公司信息"), u("设置公司信息")}));

    Sql::exec(u("DELETE FROM 公司信息"));
    CompanyInfo::save({{u("公司名称"), u("新公司")}});
    EXPECT_EQ(rowCount(u("公司信息")), 1);
}

} // namespace
