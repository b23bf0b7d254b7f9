#include "store/Journal.h"

#include "store/Session.h"
#include "store/Sql.h"

#include <QDateTime>

void appendJournal(const JournalEntry& e) {
    static const Sql::InsertStatement statement(
        QStringLiteral("业务流水"),
        {QStringLiteral("物品编号"), QStringLiteral("物品名称"), QStringLiteral("仓库"),
         QStringLiteral("入库数量"), QStringLiteral("入库金额"), QStringLiteral("出库数量"),
         QStringLiteral("出库金额"), QStringLiteral("日期"),     QStringLiteral("业务名称"),
         QStringLiteral("部门"),     QStringLiteral("经办人"),   QStringLiteral("品牌"),
         QStringLiteral("物品类别"), QStringLiteral("物品规格"), QStringLiteral("物品单位"),
         QStringLiteral("物品单价"), QStringLiteral("单据编号"), QStringLiteral("单据来源"),
         QStringLiteral("当时库存"), QStringLiteral("当时金额")});
    // Only the pair of the movement's direction is filled; the other keeps its 0.
    const bool in = e.direction == JournalEntry::Direction::In;
    const QVariant amount = QVariant::fromValue(e.amount);
    const QVariant none = QVariant::fromValue(Money());
    statement.run({e.itemCode,
                   e.itemName,
                   e.warehouse.trimmed(),
                   in ? e.quantity : 0.0,
                   in ? amount : none,
                   in ? 0.0 : e.quantity,
                   in ? none : amount,
                   e.date,
                   e.movement,
                   e.counterparty,
                   e.handler,
                   e.brand,
                   e.category,
                   e.itemSize,
                   e.unit,
                   QVariant::fromValue(e.unitPrice),
                   e.documentNumber,
                   e.documentKind,
                   e.stockAfter,
                   QVariant::fromValue(e.amountAfter)});
}

void appendOperationLog(const QString& text) {
    Sql::insert(QStringLiteral("操作流水表"),
                {
                    {QStringLiteral("发生时间"), QDateTime::currentDateTime()},
                    {QStringLiteral("业务内容"), text},
                    {QStringLiteral("操作员"), Session::operatorName()},
                });
}
