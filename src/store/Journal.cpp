#include "store/Journal.h"

#include "store/Session.h"
#include "store/Sql.h"

#include <QDateTime>

void appendJournal(const JournalEntry& e) {
    const bool in = e.direction == JournalEntry::Direction::In;
    Sql::insert(QStringLiteral("业务流水"),
                {
                    {QStringLiteral("物品编号"), e.itemCode},
                    {QStringLiteral("物品名称"), e.itemName},
                    {QStringLiteral("仓库"), e.warehouse.trimmed()},
                    {in ? QStringLiteral("入库数量") : QStringLiteral("出库数量"), e.quantity},
                    {in ? QStringLiteral("入库金额") : QStringLiteral("出库金额"),
                     QVariant::fromValue(e.amount)},
                    {QStringLiteral("日期"), e.date},
                    {QStringLiteral("业务名称"), e.movement},
                    {QStringLiteral("部门"), e.counterparty},
                    {QStringLiteral("经办人"), e.handler},
                    {QStringLiteral("品牌"), e.brand},
                    {QStringLiteral("物品类别"), e.category},
                    {QStringLiteral("物品规格"), e.specification},
                    {QStringLiteral("物品单位"), e.unit},
                    {QStringLiteral("物品单价"), QVariant::fromValue(e.unitPrice)},
                    {QStringLiteral("单据编号"), e.documentNumber},
                    {QStringLiteral("单据来源"), e.documentKind},
                    {QStringLiteral("当时库存"), e.stockAfter},
                    {QStringLiteral("当时金额"), QVariant::fromValue(e.amountAfter)},
                });
}

void appendOperationLog(const QString& text) {
    Sql::insert(QStringLiteral("操作流水表"),
                {
                    {QStringLiteral("发生时间"), QDateTime::currentDateTime()},
                    {QStringLiteral("业务内容"), text},
                    {QStringLiteral("操作员"), Session::operatorName()},
                });
}
