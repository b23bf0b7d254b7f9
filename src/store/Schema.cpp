#include "store/Schema.h"

#include <QtGlobal>

namespace {

using K = ColumnKind;

ColumnDef text(const char* name, int width) {
    return {QString::fromUtf8(name), K::Text, width};
}
ColumnDef real(const char* name) {
    return {QString::fromUtf8(name), K::Float};
}
ColumnDef quantity(const char* name) {
    return {QString::fromUtf8(name), K::Quantity};
}
ColumnDef money(const char* name) {
    return {QString::fromUtf8(name), K::Money};
}
ColumnDef integer(const char* name) {
    return {QString::fromUtf8(name), K::Integer};
}
ColumnDef dateTime(const char* name) {
    return {QString::fromUtf8(name), K::DateTime};
}
ColumnDef yesNo(const char* name) {
    return {QString::fromUtf8(name), K::YesNo};
}
ColumnDef autoNumber(const char* name) {
    return {QString::fromUtf8(name), K::AutoNumber};
}

QStringList names(std::initializer_list<const char*> list) {
    QStringList result;
    for (const char* n : list)
        result << QString::fromUtf8(n);
    return result;
}

// The seven stock documents share one line layout.
TableDef stockLines(const char* table, const char* lineNumber, const char* number) {
    return {QString::fromUtf8(table),
            {autoNumber(lineNumber), text(number, 8), text("物品编号", 7), text("品牌", 24),
             text("物品类型", 24), text("物品名称", 50), text("物品规格", 24), text("物品单位", 8),
             real("物品单价"), quantity("物品数量"), money("金额合计")},
            {},
            // 物品数量 serves the zero-quantity purge that every posting runs.
            {names({number}), names({"物品编号"}), names({"物品数量"})}};
}

TableDef outsourcingLines(const char* table) {
    TableDef def = stockLines(table, "外委加工单明细编号", "外委加工单编号");
    def.columns.push_back(real("损差率"));
    def.columns.push_back(quantity("应交数量"));
    def.columns.push_back(quantity("实交数量"));
    def.columns.push_back(text("加工后物品编号", 8));
    return def;
}

TableDef outsourcingHeader(const char* table, bool withIssueNumber) {
    TableDef def{QString::fromUtf8(table),
                 {text("外委加工单编号", 8), text("摘要", 50), dateTime("委托日期"),
                  dateTime("应收日期"), text("委托公司", 50), quantity("委托数量"),
                  money("金额合计"), quantity("应收数量"), quantity("实收数量"),
                  text("收料仓库", 24), text("出库仓库", 24), text("制单人", 8), text("经办人", 8),
                  text("审核人", 8)},
                 {names({"外委加工单编号"})},
                 {names({"委托日期"})}};
    if (withIssueNumber)
        def.columns.push_back(text("对应出库单", 8));
    return def;
}

std::vector<TableDef> referenceTables() {
    return {
        {"物品类别",
         {text("物品分类编号", 3), text("物品类别", 24), text("最后编号", 4), text("所在仓库", 24)},
         {names({"物品分类编号"})},
         {}},
        {"物品资料表",
         {text("物品编号", 7),  text("物品名称", 50), text("物品规格", 24), text("物品类别", 24),
          text("物品单位", 8),  text("物品品牌", 24), text("生产商", 50),   real("物品重量kg"),
          real("物品体积"),     text("税则号码", 24), text("替换号码", 24), real("物品厂价"),
          real("参考进货价"),   real("参考销售价"),   text("默认仓库", 24), text("默认仓位", 24),
          text("条形码", 50),   text("备注", 200),    real("最高库存限额"), real("最低库存限额"),
          real("安全库存数量"), text("类别编号", 3)},
         {names({"物品编号"})},
         {names({"物品类别", "物品编号"}), names({"物品名称"})}},
        {"物品库存表",
         {autoNumber("自动编号"), text("物品编号", 7),   text("物品名称", 50),
          text("物品品牌", 24),   text("物品类别", 24),  text("物品型号", 24),
          text("物品单位", 8),    text("入库单编号", 8), text("生产商", 50),
          real("进货单价"),       real("参考零售价"),    real("参考批发价"),
          text("仓位", 12),       text("仓库", 24),      dateTime("入库日期"),
          quantity("物品数量"),   real("平均成本"),      real("实际成本"),
          money("总成本"),        money("总实际成本"),   text("条形码", 50),
          text("代替品编号", 7),  real("最高库存限额"),  real("最低库存限额"),
          real("安全库存数量"),   text("备注", 50)},
         {names({"物品编号", "仓库"})},
         {names({"仓库", "物品编号"}), names({"物品类别"})}},
        {"仓库信息表",
         {text("仓库编号", 2), text("仓库名称", 24), text("简称", 12), text("仓库地址", 50),
          text("仓库用途", 50), text("仓管员", 8)},
         {names({"仓库编号"})},
         {}},
        {"仓位信息表",
         {autoNumber("仓位编号"), text("仓位名称", 24), text("仓库编号", 2), text("仓库名称", 24),
          text("位置描述", 50)},
         {},
         {names({"仓库编号"})}},
        {"部门信息",
         {text("单位编号", 3), text("单位名称", 50), text("单位地址", 50), text("单位电话", 50),
          text("单位传真", 50), text("单位帐号", 50), text("联系人", 8), text("简称", 12),
          text("类别", 12), text("公司备注说明", 50)},
         {names({"类别", "单位编号"})},
         {names({"单位名称"})}},
        {"公司信息",
         {text("公司名称", 50), text("公司地址", 50), text("公司电话", 50), text("公司电传", 50),
          text("公司帐号", 50), text("公司税号", 50), text("联系人", 8), text("简称", 12),
          text("类别", 12), text("公司备注说明", 50)},
         {},
         {}},
        {"委托加工公司",
         {text("公司编号", 3), text("公司名称", 50), text("加工类别", 24), text("联系人", 8),
          text("联系电话", 24), text("公司地址", 50)},
         {names({"公司编号"})},
         {}},
        {"帐务摘要", {text("帐务摘要", 50), integer("使用次数")}, {names({"帐务摘要"})}, {}},
        // 操作员密码 holds a salted hash ("pbkdf2-sha256$…"), hence wider than a typed password.
        {"操作员信息表",
         {text("操作员代号", 4), text("操作员姓名", 8), text("操作员类别", 12),
          text("操作员密码", 128)},
         {names({"操作员代号"})},
         {names({"操作员姓名"})}},
        {"物品品牌", {text("品牌名称", 24), text("备注", 50)}, {}, {}},
        {"客户信息表",
         {text("客户编号", 3), text("客户名称", 50), text("客户地址", 50), text("联系电话", 50),
          text("联系人", 8)},
         {},
         {}},
    };
}

std::vector<TableDef> documentHeaders() {
    return {
        {"入库单主表",
         {text("入库单编号", 8), text("来源单编号", 8), dateTime("入库日期"), text("交货单位", 50),
          text("摘要", 50), text("收料仓库", 24), quantity("入库总数量"), money("总金额"),
          text("制单人", 8), text("审批人", 8), text("经办人", 8), text("备注", 50),
          text("入库类型", 24)},
         {names({"入库单编号"})},
         {names({"入库日期"})}},
        {"出库单主表",
         {text("出库单编号", 8), dateTime("出库日期"), text("领料部门", 24), text("摘要", 50),
          text("出料仓库", 24), quantity("出库总数量"), money("总金额"), text("制单人", 8),
          text("经办人", 8), text("审核人", 8), text("出库用途", 50), text("出库类型", 24)},
         {names({"出库单编号"})},
         {names({"出库日期"}), names({"摘要"})}},
        {"入库退出单主表",
         {text("退出单编号", 8), text("返还单位", 24), text("摘要", 50), text("出料仓库", 24),
          dateTime("退出日期"), text("目标单编号", 8), quantity("退出数量"), money("总金额"),
          text("制单人", 8), text("经办人", 8), text("审核人", 8)},
         {names({"退出单编号"})},
         {names({"退出日期"})}},
        {"出库退回单主表",
         {text("退货单编号", 8), dateTime("退货日期"), text("客户名称", 50), text("退货原因", 50),
          quantity("退货数量"), money("退货金额"), text("制单人", 8), text("经办人", 8),
          text("审核人", 8), text("退货仓库", 24), text("摘要", 50)},
         {names({"退货单编号"})},
         {names({"退货日期"})}},
        {"调拨单主表",
         {text("调拨单编号", 8), dateTime("调拨日期"), text("调拨原因", 50), quantity("调拨数量"),
          text("制单人", 8), text("调出仓库", 24), text("调入仓库", 24), money("金额合计"),
          text("审批人", 8), text("经办人", 8), text("摘要", 50)},
         {names({"调拨单编号"})},
         {names({"调拨日期"})}},
        {"直拨单主表",
         {text("直拨单编号", 8), dateTime("直拨日期"), text("直拨原因", 50), quantity("直拨数量"),
          text("制单人", 8), text("领用部门", 50), money("金额合计"), text("审批人", 8),
          text("经办人", 8), text("摘要", 50)},
         {names({"直拨单编号"})},
         {names({"直拨日期"})}},
        {"盘损盈单主表",
         {text("盘损盈单编号", 8), dateTime("盘点日期"), text("盘点盈状态", 4), text("摘要", 50),
          text("盘盈损仓库", 24), integer("总数量"), money("总金额"), text("制单人", 8),
          text("经办人", 8), text("审批人", 8)},
         {names({"盘损盈单编号"})},
         {names({"盘点日期"})}},
        outsourcingHeader("委托加工单主表", false),
        outsourcingHeader("委托加工入库单主表", true),
    };
}

std::vector<TableDef> documentLines() {
    return {
        stockLines("入库单明细表", "入库单明细编号", "入库单编号"),
        stockLines("出库单明细表", "出库单明细编号", "出库单编号"),
        stockLines("入库退出单明细表", "退出单明细编号", "退出单编号"),
        stockLines("出库退回单明细表", "退货单明细编号", "退货单编号"),
        stockLines("调拨单明细表", "调拨单明细编号", "调拨单编号"),
        stockLines("直拨单明细表", "直拨单明细编号", "直拨单编号"),
        stockLines("盘损盈单明细表", "盘损盈单明细编号", "盘损盈单编号"),
        outsourcingLines("委托加工单明细表"),
        outsourcingLines("委托加工入库单明细表"),
    };
}

std::vector<TableDef> budgetAndClearedTables() {
    return {
        {"工程预算单主表",
         {text("工程编号", 30), text("工程名称", 100), text("负责部门", 50), text("负责人", 50),
          text("摘要", 200), text("备注", 200), dateTime("日期"), dateTime("完成日期"),
          yesNo("完成标志"), text("修改人", 8), dateTime("修改日期")},
         {names({"工程编号"}), names({"工程名称"})},
         {names({"日期"})}},
        {"工程预算单子表",
         {autoNumber("自动编号"), text("工程编号", 30), text("物品编号", 12), quantity("数量"),
          real("单价"), money("金额合计"), text("备注", 50)},
         {},
         {names({"工程编号"})}},
        // Kept only so that the data initialisation can clear them.
        {"销售单主表",
         {text("销售单编号", 8), dateTime("销售日期"), text("客户名称", 50), money("总金额"),
          text("制单人", 8)},
         {},
         {}},
        {"销售单明细表",
         {autoNumber("销售单明细编号"), text("销售单编号", 8), text("物品编号", 7),
          quantity("物品数量"), real("物品单价"), money("金额合计")},
         {},
         {}},
        {"采购单主表",
         {text("采购单编号", 8), dateTime("采购日期"), text("供应商", 50), money("总金额"),
          text("制单人", 8)},
         {},
         {}},
        {"采购单明细表",
         {autoNumber("采购单明细编号"), text("采购单编号", 8), text("物品编号", 7),
          quantity("物品数量"), real("物品单价"), money("金额合计")},
         {},
         {}},
    };
}

std::vector<TableDef> journalTables() {
    return {
        {"业务流水",
         {autoNumber("自动编号"), text("物品编号", 8),  text("物品名称", 50), text("仓库", 24),
          quantity("入库数量"),   money("入库金额"),    quantity("出库数量"), money("出库金额"),
          dateTime("日期"),       text("业务名称", 50), text("部门", 50),     text("经办人", 8),
          text("品牌", 24),       text("物品类别", 24), text("物品规格", 24), text("物品单位", 8),
          money("物品单价"),      text("备注", 50),     text("单据编号", 12), text("单据来源", 24),
          quantity("当时库存"),   money("当时金额")},
         {},
         {names({"物品编号", "日期"}), names({"仓库", "日期"}), names({"日期"}),
          names({"单据来源", "单据编号"})}},
        {"操作流水表",
         {autoNumber("流水编号"), dateTime("发生时间"), text("业务内容", 50), text("操作员", 8)},
         {},
         {}},
    };
}

std::vector<TableDef> buildTables() {
    std::vector<TableDef> all;
    for (auto part : {referenceTables(), documentHeaders(), documentLines(),
                      budgetAndClearedTables(), journalTables()})
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

// Where a statistics view takes its columns from: one row per document line joined with its
// header, whose counterpart unit, warehouse, date and summary it shows.
struct ViewSource {
    const char* header;
    const char* lines;
    const char* number;
    const char* unit;      // nullptr: the view has no 部门名称
    const char* warehouse; // nullptr: the document has none, 仓库名称 is ''
    const char* date;
    bool withBrand;
};

QString statisticsView(const ViewSource& s) {
    QStringList columns{QStringLiteral("d.物品编号"), QStringLiteral("d.物品名称")};
    if (s.withBrand)
        columns << QStringLiteral("d.品牌");
    columns << QStringLiteral("d.物品单位");
    if (s.unit)
        columns << QStringLiteral("h.%1 AS 部门名称").arg(QString::fromUtf8(s.unit));
    columns << (s.warehouse ? QStringLiteral("h.%1 AS 仓库名称").arg(QString::fromUtf8(s.warehouse))
                            : QStringLiteral("'' AS 仓库名称"));
    columns << QStringLiteral("d.物品数量") << QStringLiteral("d.金额合计")
            << QStringLiteral("h.%1 AS 日期").arg(QString::fromUtf8(s.date))
            << QStringLiteral("h.摘要");
    return QStringLiteral("SELECT %1 FROM %2 d JOIN %3 h ON h.%4 = d.%4")
        .arg(columns.join(u", "), QString::fromUtf8(s.lines), QString::fromUtf8(s.header),
             QString::fromUtf8(s.number));
}

std::vector<ViewDef> buildViews() {
    return {
        {"入库单统计", statisticsView({"入库单主表", "入库单明细表", "入库单编号", "交货单位",
                                       "收料仓库", "入库日期", true})},
        {"出库单统计", statisticsView({"出库单主表", "出库单明细表", "出库单编号", "领料部门",
                                       "出料仓库", "出库日期", false})},
        // A transfer is counted against the warehouse the goods leave.
        {"调拨单统计", statisticsView({"调拨单主表", "调拨单明细表", "调拨单编号", nullptr,
                                       "调出仓库", "调拨日期", false})},
        {"直拨单统计", statisticsView({"直拨单主表", "直拨单明细表", "直拨单编号", "领用部门",
                                       nullptr, "直拨日期", false})},
        {"退出单统计", statisticsView({"入库退出单主表", "入库退出单明细表", "退出单编号",
                                       "返还单位", "出料仓库", "退出日期", false})},
        {"出库退回单统计", statisticsView({"出库退回单主表", "出库退回单明细表", "退货单编号",
                                           "客户名称", "退货仓库", "退货日期", false})},
        // Issues to and receipts from the outsourcing companies, one row per line.
        {"委外加工统计",
         QStringLiteral(
             "SELECT d.物品编号, d.物品名称, h.经办人, h.委托公司, d.物品数量 AS 出库数量合计, "
             "d.金额合计 AS 出库金额合计, 0 AS 入库数量合计, 0 AS 入库金额合计, "
             "h.出库仓库 AS 仓库, h.委托日期 AS 日期 "
             "FROM 委托加工单明细表 d JOIN 委托加工单主表 h ON h.外委加工单编号 = d.外委加工单编号 "
             "UNION ALL "
             "SELECT d.物品编号, d.物品名称, h.经办人, h.委托公司, 0, 0, d.物品数量, d.金额合计, "
             "h.收料仓库, h.委托日期 "
             "FROM 委托加工入库单明细表 d JOIN 委托加工入库单主表 h "
             "ON h.外委加工单编号 = d.外委加工单编号")},
    };
}

QString quoted(const QString& identifier) {
    return u'"' + identifier + u'"';
}

QString columnDdl(const ColumnDef& c) {
    QString name = quoted(c.name);
    switch (c.kind) {
    case K::Text:
        return QStringLiteral("%1 TEXT NOT NULL DEFAULT '' CHECK (length(%1) <= %2)")
            .arg(name)
            .arg(c.width);
    case K::Float:
    case K::Quantity:
        return name + QStringLiteral(" REAL NOT NULL DEFAULT 0");
    case K::Money:
    case K::Integer:
        return name + QStringLiteral(" INTEGER NOT NULL DEFAULT 0");
    case K::YesNo:
        return name + QStringLiteral(" INTEGER NOT NULL DEFAULT 0 CHECK (%1 IN (0, 1))").arg(name);
    case K::DateTime:
        return name + QStringLiteral(" TEXT");
    case K::AutoNumber:
        return name + QStringLiteral(" INTEGER PRIMARY KEY AUTOINCREMENT");
    }
    return name;
}

QString joinedColumns(const QStringList& columns) {
    QStringList quotedColumns;
    for (const QString& c : columns)
        quotedColumns << quoted(c);
    return quotedColumns.join(u", ");
}

QString createTable(const TableDef& table) {
    QStringList parts;
    for (const ColumnDef& c : table.columns)
        parts << columnDdl(c);
    for (const QStringList& key : table.uniqueKeys)
        parts << QStringLiteral("UNIQUE (%1)").arg(joinedColumns(key));
    return QStringLiteral("CREATE TABLE %1 (\n  %2\n)")
        .arg(quoted(table.name), parts.join(QStringLiteral(",\n  ")));
}

} // namespace

const ColumnDef* TableDef::column(QStringView columnName) const {
    for (const ColumnDef& c : columns)
        if (c.name == columnName)
            return &c;
    return nullptr;
}

QStringList TableDef::columnNames() const {
    QStringList result;
    for (const ColumnDef& c : columns)
        result << c.name;
    return result;
}

const std::vector<TableDef>& schemaTables() {
    static const std::vector<TableDef> tables = buildTables();
    return tables;
}

const std::vector<ViewDef>& schemaViews() {
    static const std::vector<ViewDef> views = buildViews();
    return views;
}

const TableDef& tableDef(QStringView tableName) {
    for (const TableDef& t : schemaTables())
        if (t.name == tableName)
            return t;
    qFatal("table %s is not in the schema", qPrintable(tableName.toString()));
}

QStringList schemaStatements() {
    QStringList statements;
    for (const TableDef& table : schemaTables()) {
        statements << createTable(table);
        int n = 0;
        for (const QStringList& index : table.indexes)
            statements << QStringLiteral("CREATE INDEX %1 ON %2 (%3)")
                              .arg(quoted(QStringLiteral("%1_索引%2").arg(table.name).arg(++n)),
                                   quoted(table.name), joinedColumns(index));
    }
    for (const ViewDef& view : schemaViews())
        statements << QStringLiteral("CREATE VIEW %1 AS %2").arg(quoted(view.name), view.select);
    return statements;
}
