#include "reports/DocumentPrintLayout.h"

#include <map>

namespace {

QString u(const char* text) {
    return QString::fromUtf8(text);
}

std::vector<LabelledField> pairs(std::initializer_list<std::pair<const char*, const char*>> list) {
    std::vector<LabelledField> result;
    for (auto [label, field] : list)
        result.push_back({u(label), u(field)});
    return result;
}

std::vector<PrintColumn> stockColumns() {
    return {{u("物品编号"), u("物品编号"), {}, 22, {}},
            {u("物品名称"), u("物品名称"), {}, 42, {}},
            {u("物品规格"), u("物品规格"), {}, 28, {}},
            {u("物品单位"), u("物品单位"), {}, 18, {}},
            {u("物品单价(元)"), u("物品单价"), u("#,##0.000000"), 28, {}},
            {u("物品数量"), u("物品数量"), u("#,##0.000"), 24, u("#,##0.000")},
            {u("金额合计(元)"), u("金额合计"), u("#,##0.00"), 28, u("#,##0.00")}};
}

enum StockColumn { UnitColumn = 3, PriceColumn = 4 };

// The shared shape of the nine stock and outsourcing documents.
DocumentPrintLayout stockDocument(const char* name, const char* title, const char* headerTable,
                                  const char* lineTable, const char* numberField,
                                  const char* lineNumberField) {
    DocumentPrintLayout layout;
    layout.name = u(name);
    layout.title = u(title);
    layout.headerTable = u(headerTable);
    layout.lineTable = u(lineTable);
    layout.numberField = u(numberField);
    layout.lineOrderField = u(lineNumberField);
    layout.columns = stockColumns();
    return layout;
}

DocumentPrintLayout inboundNote() {
    DocumentPrintLayout l = stockDocument("TPrintInLibNoteForm", "入库单", "入库单主表",
                                          "入库单明细表", "入库单编号", "入库单明细编号");
    l.headerRows = {
        pairs({{"交货单位：", "交货单位"},
               {"入库日期：", "入库日期"},
               {"入库单编号：", "入库单编号"}}),
        pairs({{"收料仓库：", "收料仓库"}, {"摘  要：", "摘要"}, {"入库类型：", "入库类型"}})};
    l.signatures = pairs(
        {{"制单人：", "制单人"}, {"收货人：", "经办人"}, {"送货人：", ""}, {"审核人：", "审批人"}});
    return l;
}

DocumentPrintLayout outboundNote() {
    DocumentPrintLayout l = stockDocument("TPrintoutLibNoteForm", "出库单", "出库单主表",
                                          "出库单明细表", "出库单编号", "出库单明细编号");
    l.headerRows = {
        pairs({{"领货单位：", "领料部门"},
               {"出库日期：", "出库日期"},
               {"出库单编号：", "出库单编号"}}),
        pairs({{"出货仓库：", "出料仓库"}, {"项目名称：", "摘要"}, {"出库类型：", "出库类型"}})};
    l.signatures = pairs(
        {{"制单人：", "制单人"}, {"发货人：", "经办人"}, {"领料人：", ""}, {"审核人：", "审核人"}});
    return l;
}

DocumentPrintLayout inboundReturnNote() {
    DocumentPrintLayout l = stockDocument("TPrintExitLibNoteForm", "入库退出单", "入库退出单主表",
                                          "入库退出单明细表", "退出单编号", "退出单明细编号");
    l.headerRows = {
        pairs({{"返还单位：", "返还单位"}, {"日期：", "退出日期"}, {"退出单编号：", "退出单编号"}}),
        pairs({{"退出仓库：", "出料仓库"}, {"摘  要：", "摘要"}, {"对应入库单", "目标单编号"}})};
    l.signatures = pairs(
        {{"制单人:", "制单人"}, {"发货人:", "经办人"}, {"收货人:", ""}, {"审核人:", "审核人"}});
    return l;
}

DocumentPrintLayout outboundReturnNote() {
    DocumentPrintLayout l = stockDocument("TPrintUntreadNoteForm", "出库退回单", "出库退回单主表",
                                          "出库退回单明细表", "退货单编号", "退货单明细编号");
    l.headerRows = {
        pairs({{"退回单位：", "客户名称"}, {"日期：", "退货日期"}, {"退回单编号：", "退货单编号"}}),
        pairs({{"收料仓库：", "退货仓库"}, {"摘  要：", "摘要"}, {"退回原因：", "退货原因"}})};
    l.signatures = pairs(
        {{"制单人：", "制单人"}, {"收货人：", "经办人"}, {"送货人：", ""}, {"审核人：", "审核人"}});
    l.columns[PriceColumn].mask = u("##0.000000");
    return l;
}

DocumentPrintLayout transferNote() {
    DocumentPrintLayout l = stockDocument("TPrintAttempNoteForm", "调拨单", "调拨单主表",
                                          "调拨单明细表", "调拨单编号", "调拨单明细编号");
    l.headerRows = {
        pairs({{"调出仓库：", "调出仓库"}, {"日期：", "调拨日期"}, {"调拨单编号：", "调拨单编号"}}),
        pairs({{"调入仓库：", "调入仓库"}, {"摘  要：", "摘要"}, {"调拨原因：", "调拨原因"}})};
    l.signatures = pairs(
        {{"制单人：", "制单人"}, {"发货人：", "经办人"}, {"收货人：", ""}, {"审核人：", "审批人"}});
    return l;
}

DocumentPrintLayout directIssueNote() {
    DocumentPrintLayout l = stockDocument("TPrintDirectNoteForm", "直拨单", "直拨单主表",
                                          "直拨单明细表", "直拨单编号", "直拨单明细编号");
    l.headerRows = {
        pairs({{"领用单位：", "领用部门"}, {"日期：", "直拨日期"}, {"直拨单编号：", "直拨单编号"}}),
        pairs({{"摘    要：", "摘要"}, {"直拨原因：", "直拨原因"}})};
    l.signatures = pairs({{"制单人:", "制单人"}, {"经办人:", "经办人"}, {"审批人:", "审批人"}});
    l.columns[UnitColumn].title = u("单位");
    return l;
}

DocumentPrintLayout stocktakingNote() {
    DocumentPrintLayout l = stockDocument("TPrintPanDianNoteForm", "盘盈损单", "盘损盈单主表",
                                          "盘损盈单明细表", "盘损盈单编号", "盘损盈单明细编号");
    l.headerRows = {
        pairs({{"日期：", "盘点日期"}, {"盘盈损单编号：", "盘损盈单编号"}}),
        pairs({{"盘点仓库：", "盘盈损仓库"}, {"摘  要：", "摘要"}, {"盘点类型：", "盘点盈状态"}})};
    l.signatures = pairs({{"制单人：", "制单人"}, {"经办人：", "经办人"}, {"审核人：", "审批人"}});
    return l;
}

DocumentPrintLayout outsourcingReceiptNote() {
    DocumentPrintLayout l =
        stockDocument("TPrintWWInLibNoteForm", "委外加工入库单", "委托加工入库单主表",
                      "委托加工入库单明细表", "外委加工单编号", "外委加工单明细编号");
    l.headerRows = {pairs({{"委托单位：", "委托公司"},
                           {"日期：", "应收日期"},
                           {"委外入库单编号：", "外委加工单编号"}}),
                    pairs({{"收料仓库：", "收料仓库"}, {"摘  要：", "摘要"}})};
    l.signatures = pairs(
        {{"制单人：", "制单人"}, {"收货人：", "经办人"}, {"送货人：", ""}, {"审核人：", "审核人"}});
    return l;
}

DocumentPrintLayout outsourcingIssueNote() {
    DocumentPrintLayout l =
        stockDocument("TPrintWWOutLibNoteForm", "委外加工出库单", "委托加工单主表",
                      "委托加工单明细表", "外委加工单编号", "外委加工单明细编号");
    l.headerRows = {
        pairs({{"委托单位：", "委托公司"},
               {"日期：", "委托日期"},
               {"委外出库单编号：", "外委加工单编号"}}),
        pairs({{"出货仓库：", "出库仓库"}, {"摘  要：", "摘要"}, {"收货日期：", "应收日期"}})};
    l.signatures = pairs(
        {{"制单人：", "制单人"}, {"发货人：", "经办人"}, {"领料人：", ""}, {"审核人：", "审核人"}});
    return l;
}

// The budget reads its lines joined with the item catalogue and prints quantity before
// price, only the amount summed, and no signatures.
DocumentPrintLayout projectBudget() {
    DocumentPrintLayout l;
    l.name = u("TPrint118Form");
    l.title = u("工程预算表");
    l.headerTable = u("工程预算单主表");
    l.numberField = u("工程编号");
    l.lineTable = u("工程预算单子表");
    l.lineOrderField = u("自动编号");
    l.lineStatement = u("SELECT 工程预算单子表.物品编号, 物品资料表.物品名称, 物品资料表.物品规格, "
                        "物品资料表.物品单位, 工程预算单子表.数量, 工程预算单子表.单价, "
                        "工程预算单子表.金额合计, 工程预算单子表.备注 FROM 工程预算单子表 "
                        "LEFT JOIN 物品资料表 ON 工程预算单子表.物品编号 = 物品资料表.物品编号 "
                        "WHERE 工程预算单子表.工程编号 = ? ORDER BY 工程预算单子表.自动编号");
    l.headerRows = {
        pairs({{"工程编号：", "工程编号"}, {"工程名称：", "工程名称"}, {"日期：", "日期"}}),
        pairs({{"负责部门：", "负责部门"}, {"负责人：", "负责人"}, {"完成日期：", "完成日期"}}),
        pairs({{"摘  要：", "摘要"}}), pairs({{"备  注：", "备注"}})};
    l.columns = {{u("物品编号"), u("物品编号"), {}, 22, {}},
                 {u("物品名称"), u("物品名称"), {}, 42, {}},
                 {u("规格"), u("物品规格"), {}, 28, {}},
                 {u("单位"), u("物品单位"), {}, 18, {}},
                 {u("数量"), u("数量"), u("#,##0.000"), 24, {}},
                 {u("单价(元)"), u("单价"), u("##0.000"), 28, {}},
                 {u("金额合计(元)"), u("金额合计"), u("##0.00"), 28, u("##0.00")}};
    l.companyInSummary = true;
    return l;
}

DocumentPrintLayout describe(PrintLayoutKind kind) {
    switch (kind) {
    case PrintLayoutKind::InboundNote:
        return inboundNote();
    case PrintLayoutKind::OutboundNote:
        return outboundNote();
    case PrintLayoutKind::InboundReturnNote:
        return inboundReturnNote();
    case PrintLayoutKind::OutboundReturnNote:
        return outboundReturnNote();
    case PrintLayoutKind::TransferNote:
        return transferNote();
    case PrintLayoutKind::DirectIssueNote:
        return directIssueNote();
    case PrintLayoutKind::StocktakingNote:
        return stocktakingNote();
    case PrintLayoutKind::OutsourcingReceiptNote:
        return outsourcingReceiptNote();
    case PrintLayoutKind::OutsourcingIssueNote:
        return outsourcingIssueNote();
    case PrintLayoutKind::ProjectBudget:
        break;
    }
    return projectBudget();
}

} // namespace

const DocumentPrintLayout& documentPrintLayout(PrintLayoutKind kind) {
    static const std::map<PrintLayoutKind, DocumentPrintLayout> layouts = [] {
        std::map<PrintLayoutKind, DocumentPrintLayout> all;
        for (PrintLayoutKind k : AllPrintLayoutKinds)
            all.emplace(k, describe(k));
        return all;
    }();
    return layouts.at(kind);
}
