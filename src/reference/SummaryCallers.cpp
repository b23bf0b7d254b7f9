#include "reference/SummaryCallers.h"

namespace {

SummaryCaller caller(const char* key, const char* window, const char* box, bool movesFocus) {
    return {QString::fromUtf8(key), QString::fromUtf8(window), QString::fromUtf8(box), movesFocus};
}

} // namespace

const std::vector<SummaryCaller>& summaryCallers() {
    static const std::vector<SummaryCaller> callers{
        caller("入库单", "TEnterInLibNoteForm", "cxTextEdit6", true),
        caller("预算单录入", "TEnterProjectNoteFrom", "cxTextEdit2", true),
        caller("预算单领料查询", "TFindProjectNoteGetMaterialFrom", "cxTextEdit1", false),
        caller("工程领料汇总", "TCountProjectNoteFrom", "cxTextEdit1", false),
        caller("出库单", "TEnterOutLibNoteForm", "cxTextEdit6", true),
        caller("工程出库单", "TEnterProjectOutLibNoteForm", "cxTextEdit6", true),
        caller("入库退出单", "TEnterExitNoteForm", "cxTextEdit6", true),
        caller("调拨单", "TEnterAttemperNoteForm", "cxTextEdit6", true),
        caller("出库退回单", "TEnterUntreadNoteForm", "cxTextEdit6", true),
        caller("直拨单", "TEnterDirectnessNoteForm", "cxTextEdit6", true),
        caller("盘盈盘损单", "TEnterPanDianNoteForm", "cxTextEdit6", true),
        caller("委外加工入库单", "TEnterWWInLibNoteForm", "cxTextEdit6", true),
        caller("委外加工出库单", "TEnterWWOutNoteForm", "cxTextEdit6", true),
        caller("库存物品查询", "TFindProducInfoForm", "cxTextEdit3", true),
        caller("帐单统计", "TCountNoteForm", "cxTextEdit3", true),
    };
    return callers;
}

const SummaryCaller* summaryCaller(const QString& key) {
    for (const SummaryCaller& c : summaryCallers())
        if (c.key == key)
            return &c;
    return nullptr;
}
