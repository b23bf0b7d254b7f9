#include "store/Schema.h"
#include "store/Sql.h"
#include "store/StoreError.h"
#include "support/TestDatabase.h"

#include <QSqlQuery>

namespace {

class SchemaTest : public DatabaseTest {};

QStringList split(const char* list) {
    return QString::fromUtf8(list).split(u',', Qt::SkipEmptyParts);
}

QStringList storedColumns(const QString& table) {
    QSqlQuery query =
        Sql::exec(QStringLiteral("SELECT name FROM pragma_table_info(?) ORDER BY cid"), {table});
    QStringList names;
    while (query.next())
        names << query.value(0).toString();
    return names;
}

const char* const StockLines =
    "物品编号,品牌,物品类型,物品名称,物品规格,物品单位,物品单价,物品数量,金额合计";

struct TableCase {
    const char* table;
    QString columns;
};

QString lines(const char* lineNumber, const char* number) {
    return QString::fromUtf8(lineNumber) + u',' + QString::fromUtf8(number) + u',' +
           QString::fromUtf8(StockLines);
}

TEST_F(SchemaTest, EveryTableHasItsColumnsInOrder) {
    const QString outsourcingLines = lines("外委加工单明细编号", "外委加工单编号") +
                                     QStringLiteral(",损差率,应交数量,实交数量,加工后物品编号");
    const QString outsourcingHeader =
        QStringLiteral("外委加工单编号,摘要,委托日期,应收日期,委托公司,委托数量,金额合计,应收数量,"
                       "实收数量,收料仓库,"
                       "出库仓库,制单人,经办人,审核人");
    const TableCase cases[] = {
        {"物品类别", "物品分类编号,物品类别,最后编号,所在仓库"},
        {"物品资料表",
         "物品编号,物品名称,物品规格,物品类别,物品单位,物品品牌,生产商,物品重量kg,物品体积,"
         "税则号码,替换号码,物品厂价,参考进货价,参考销售价,默认仓库,默认仓位,条形码,备注,"
         "最高库存限额,最低库存限额,安全库存数量,类别编号"},
        {"物品库存表",
         "自动编号,物品编号,物品名称,物品品牌,物品类别,物品型号,物品单位,入库单编号,生产商,"
         "进货单价,参考零售价,参考批发价,仓位,仓库,入库日期,物品数量,平均成本,实际成本,总成本,"
         "总实际成本,条形码,代替品编号,最高库存限额,最低库存限额,安全库存数量,备注"},
        {"仓库信息表", "仓库编号,仓库名称,简称,仓库地址,仓库用途,仓管员"},
        {"仓位信息表", "仓位编号,仓位名称,仓库编号,仓库名称,位置描述"},
        {"部门信息",
         "单位编号,单位名称,单位地址,单位电话,单位传真,单位帐号,联系人,简称,类别,公司备注说明"},
        {"公司信息",
         "公司名称,公司地址,公司电话,公司电传,公司帐号,公司税号,联系人,简称,类别,公司备注说明"},
        {"委托加工公司", "公司编号,公司名称,加工类别,联系人,联系电话,公司地址"},
        {"帐务摘要", "帐务摘要,使用次数"},
        {"操作员信息表", "操作员代号,操作员姓名,操作员类别,操作员密码"},
        {"入库单主表",
         "入库单编号,来源单编号,入库日期,交货单位,摘要,收料仓库,入库总数量,总金额,制单人,"
         "审批人,经办人,备注,入库类型"},
        {"出库单主表",
         "出库单编号,出库日期,领料部门,摘要,出料仓库,出库总数量,总金额,制单人,经办人,审核人,"
         "出库用途,出库类型"},
        {"入库退出单主表",
         "退出单编号,返还单位,摘要,出料仓库,退出日期,目标单编号,退出数量,总金额,制单人,"
         "经办人,审核人"},
        {"出库退回单主表",
         "退货单编号,退货日期,客户名称,退货原因,退货数量,退货金额,制单人,经办人,审核人,"
         "退货仓库,摘要"},
        {"调拨单主表",
         "调拨单编号,调拨日期,调拨原因,调拨数量,制单人,调出仓库,调入仓库,金额合计,审批人,"
         "经办人,摘要"},
        {"直拨单主表",
         "直拨单编号,直拨日期,直拨原因,直拨数量,制单人,领用部门,金额合计,审批人,经办人,摘要"},
        {"盘损盈单主表",
         "盘损盈单编号,盘点日期,盘点盈状态,摘要,盘盈损仓库,总数量,总金额,制单人,经办人,审批人"},
        {"委托加工单主表", outsourcingHeader},
        {"委托加工入库单主表", outsourcingHeader + QStringLiteral(",对应出库单")},
        {"入库单明细表", lines("入库单明细编号", "入库单编号")},
        {"出库单明细表", lines("出库单明细编号", "出库单编号")},
        {"入库退出单明细表", lines("退出单明细编号", "退出单编号")},
        {"出库退回单明细表", lines("退货单明细编号", "退货单编号")},
        {"调拨单明细表", lines("调拨单明细编号", "调拨单编号")},
        {"直拨单明细表", lines("直拨单明细编号", "直拨单编号")},
        {"盘损盈单明细表", lines("盘损盈单明细编号", "盘损盈单编号")},
        {"委托加工单明细表", outsourcingLines},
        {"委托加工入库单明细表", outsourcingLines},
        {"工程预算单主表",
         "工程编号,工程名称,负责部门,负责人,摘要,备注,日期,完成日期,完成标志,修改人,修改日期"},
        {"工程预算单子表", "自动编号,工程编号,物品编号,数量,单价,金额合计,备注"},
        {"业务流水",
         "自动编号,物品编号,物品名称,仓库,入库数量,入库金额,出库数量,出库金额,日期,业务名称,部门,"
         "经办人,品牌,物品类别,物品规格,物品单位,物品单价,备注,单据编号,单据来源,当时库存,"
         "当时金额"},
        {"操作流水表", "流水编号,发生时间,业务内容,操作员"},
    };
    for (const TableCase& c : cases) {
        SCOPED_TRACE(c.table);
        EXPECT_EQ(storedColumns(QString::fromUtf8(c.table)), c.columns.split(u','));
    }
    for (const char* cleared :
         {"物品品牌", "客户信息表", "销售单主表", "销售单明细表", "采购单主表", "采购单明细表"})
        EXPECT_FALSE(storedColumns(QString::fromUtf8(cleared)).isEmpty()) << cleared;
}

TEST_F(SchemaTest, ColumnKindsAndWidthsAreStoredAsDeclared) {
    const TableDef& stock = tableDef(u"物品库存表");
    EXPECT_EQ(stock.column(u"物品编号")->width, 7);
    EXPECT_EQ(stock.column(u"仓位")->width, 12);
    EXPECT_EQ(stock.column(u"总成本")->kind, ColumnKind::Money);
    EXPECT_EQ(stock.column(u"平均成本")->kind, ColumnKind::Float);
    EXPECT_EQ(stock.column(u"物品数量")->kind, ColumnKind::Quantity);
    EXPECT_EQ(tableDef(u"业务流水").column(u"单据编号")->width, 12);
    EXPECT_EQ(tableDef(u"操作流水表").column(u"业务内容")->width, 50);
    EXPECT_EQ(tableDef(u"盘损盈单主表").column(u"总数量")->kind, ColumnKind::Integer);
}

TEST_F(SchemaTest, WritersCutTextsAndStoreExactValues) {
    Sql::insert(QStringLiteral("物品库存表"),
                {{QStringLiteral("物品编号"), QStringLiteral("00100012345")},
                 {QStringLiteral("仓库"), QStringLiteral("主仓库")},
                 {QStringLiteral("物品数量"), 1.0 / 3.0},
                 {QStringLiteral("总成本"), QVariant::fromValue(*Money::parse(u"12.3456"))},
                 {QStringLiteral("入库日期"), QDate(2026, 3, 1)}});
    QSqlQuery row =
        Sql::exec(QStringLiteral("SELECT 物品编号, 物品数量, 总成本, 入库日期, 物品名称, "
                                 "平均成本 FROM 物品库存表"));
    ASSERT_TRUE(row.next());
    EXPECT_EQ(row.value(0).toString(), "0010001");
    EXPECT_DOUBLE_EQ(row.value(1).toDouble(), 0.3333);
    EXPECT_EQ(row.value(2).toLongLong(), 123456);
    EXPECT_EQ(row.value(3).toString(), "2026-03-01");
    EXPECT_FALSE(row.value(4).isNull()); // texts hold '' rather than NULL
    EXPECT_EQ(row.value(4).toString(), "");
    EXPECT_DOUBLE_EQ(row.value(5).toDouble(), 0.0);
}

TEST_F(SchemaTest, TheDatabaseRefusesWhatTheWritersWouldNeverStore) {
    EXPECT_THROW(Sql::exec(QStringLiteral("INSERT INTO 仓库信息表 (仓库编号) VALUES ('123')")),
                 StoreError);
}

TEST_F(SchemaTest, JournalNumbersDefaultToZero) {
    Sql::insert(QStringLiteral("业务流水"),
                {{QStringLiteral("物品编号"), QStringLiteral("0010001")}});
    QSqlQuery row = Sql::exec(QStringLiteral("SELECT 入库数量, 入库金额, 出库数量, 出库金额, "
                                             "物品单价, 当时库存, 当时金额 FROM 业务流水"));
    ASSERT_TRUE(row.next());
    for (int i = 0; i < 7; ++i) {
        EXPECT_FALSE(row.value(i).isNull()) << i;
        EXPECT_EQ(row.value(i).toDouble(), 0.0) << i;
    }
}

struct UniqueCase {
    const char* table;
    Sql::Values first;
    Sql::Values second;
    bool secondAccepted;
};

TEST_F(SchemaTest, UniquenessRules) {
    auto v = [](const char* column, const char* value) {
        return std::pair<QString, QVariant>(QString::fromUtf8(column), QString::fromUtf8(value));
    };
    const UniqueCase cases[] = {
        {"帐务摘要", {v("帐务摘要", "一号工程")}, {v("帐务摘要", "一号工程")}, false},
        {"物品库存表",
         {v("物品编号", "0010001"), v("仓库", "一库")},
         {v("物品编号", "0010001"), v("仓库", "一库")},
         false},
        {"物品库存表",
         {v("物品编号", "0010002"), v("仓库", "一库")},
         {v("物品编号", "0010002"), v("仓库", "二库")},
         true},
        {"入库单主表", {v("入库单编号", "00000001")}, {v("入库单编号", "00000001")}, false},
        {"出库单主表", {v("出库单编号", "00000001")}, {v("出库单编号", "00000002")}, true},
        {"部门信息",
         {v("单位编号", "101"), v("类别", "内部部门")},
         {v("单位编号", "101"), v("类别", "供应商")},
         true},
        {"部门信息",
         {v("单位编号", "102"), v("类别", "供应商")},
         {v("单位编号", "102"), v("类别", "供应商")},
         false},
    };
    for (const UniqueCase& c : cases) {
        SCOPED_TRACE(c.table);
        const QString table = QString::fromUtf8(c.table);
        Sql::insert(table, c.first);
        if (c.secondAccepted)
            EXPECT_NO_THROW(Sql::insert(table, c.second));
        else
            EXPECT_THROW(Sql::insert(table, c.second), StoreError);
    }
    // The same number in two kinds of document is fine.
    EXPECT_NO_THROW(Sql::insert(QStringLiteral("调拨单主表"),
                                {{QStringLiteral("调拨单编号"), QStringLiteral("00000001")}}));
}

TEST_F(SchemaTest, StatisticsViewsJoinLinesWithTheirHeader) {
    Sql::insert(QStringLiteral("入库单主表"),
                {{QStringLiteral("入库单编号"), QStringLiteral("00000001")},
                 {QStringLiteral("入库日期"), QDate(2026, 5, 2)},
                 {QStringLiteral("交货单位"), QStringLiteral("华东供应")},
                 {QStringLiteral("收料仓库"), QStringLiteral("一库")},
                 {QStringLiteral("摘要"), QStringLiteral("A工程")}});
    Sql::insert(QStringLiteral("入库单明细表"),
                {{QStringLiteral("入库单编号"), QStringLiteral("00000001")},
                 {QStringLiteral("物品编号"), QStringLiteral("0010001")},
                 {QStringLiteral("物品数量"), 3},
                 {QStringLiteral("金额合计"), QVariant::fromValue(*Money::parse(u"4.5"))}});
    QSqlQuery row =
        Sql::exec(QStringLiteral("SELECT 部门名称, 仓库名称, 日期, 摘要, 物品数量, 金额合计 "
                                 "FROM 入库单统计"));
    ASSERT_TRUE(row.next());
    EXPECT_EQ(row.value(0).toString(), "华东供应");
    EXPECT_EQ(row.value(1).toString(), "一库");
    EXPECT_EQ(row.value(2).toString(), "2026-05-02");
    EXPECT_EQ(row.value(3).toString(), "A工程");
    EXPECT_EQ(row.value(4).toDouble(), 3.0);
    EXPECT_EQ(row.value(5).toLongLong(), 45000);
}

TEST_F(SchemaTest, ViewsExposeTheColumnsTheReadersUse) {
    const std::pair<const char*, const char*> cases[] = {
        {"入库单统计",
         "物品编号,物品名称,品牌,物品单位,部门名称,仓库名称,物品数量,金额合计,日期,摘要"},
        {"出库单统计", "物品编号,物品名称,物品单位,部门名称,仓库名称,物品数量,金额合计,日期,摘要"},
        {"直拨单统计", "物品编号,物品名称,物品单位,部门名称,仓库名称,物品数量,金额合计,日期,摘要"},
        {"退出单统计", "物品编号,物品名称,物品单位,部门名称,仓库名称,物品数量,金额合计,日期,摘要"},
        {"出库退回单统计",
         "物品编号,物品名称,物品单位,部门名称,仓库名称,物品数量,金额合计,日期,摘要"},
        {"调拨单统计", "物品编号,物品名称,物品单位,仓库名称,物品数量,金额合计,日期,摘要"},
        {"委外加工统计", "物品编号,物品名称,经办人,委托公司,出库数量合计,出库金额合计,入库数量合计,"
                         "入库金额合计,仓库,日期"},
    };
    for (const auto& [view, columns] : cases) {
        SCOPED_TRACE(view);
        EXPECT_EQ(storedColumns(QString::fromUtf8(view)), split(columns));
    }
}

} // namespace
