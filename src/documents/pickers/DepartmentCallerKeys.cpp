#include "documents/pickers/DepartmentCallerKeys.h"

namespace {

struct CallerKey {
    const char* key;
    const char* box;
};

// Document windows keep their counterparty in cxTextEdit2; the query windows their unit
// criterion in cxTextEdit1; the budget window its 负责部门 in cxTextEdit3.
constexpr CallerKey callerKeys[] = {
    {"出库单录入", "cxTextEdit2"},     {"工程出库单录入", "cxTextEdit2"},
    {"入库退出单录入", "cxTextEdit2"}, {"出库退回单录入", "cxTextEdit2"},
    {"调拨单录入", "cxTextEdit2"},     {"预算单录入", "cxTextEdit3"},
    {"入库单查询", "cxTextEdit1"},     {"出库单查询", "cxTextEdit1"},
    {"出库退回单查询", "cxTextEdit1"}, {"入库退出单查询", "cxTextEdit1"},
    {"直拨单查询", "cxTextEdit1"},     {"帐单统计", "cxTextEdit2"},
};

} // namespace

QString departmentBoxOf(const QString& callerKey) {
    for (const CallerKey& c : callerKeys)
        if (callerKey == QString::fromUtf8(c.key))
            return QString::fromUtf8(c.box);
    return {};
}
