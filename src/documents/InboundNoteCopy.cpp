#include "documents/InboundNoteCopy.h"

#include "store/Sql.h"
#include "store/Transaction.h"

std::optional<QString> copyInboundNoteLines(const QString& inboundNumber,
                                            const QString& returnNumber) {
    QVariant warehouse = Sql::scalar(
        QStringLiteral("SELECT 收料仓库 FROM 入库单主表 WHERE 入库单编号 = ?"), {inboundNumber});
    if (!warehouse.isValid())
        return std::nullopt;
    Transaction transaction;
    Sql::exec(QStringLiteral("INSERT INTO 入库退出单明细表 (退出单编号, 物品编号, 品牌, 物品类型, "
                             "物品名称, 物品规格, 物品单位, 物品单价, 物品数量, 金额合计) "
                             "SELECT ?, 物品编号, 品牌, 物品类型, 物品名称, 物品规格, 物品单位, "
                             "物品单价, 物品数量, 金额合计 FROM 入库单明细表 "
                             "WHERE 入库单编号 = ? ORDER BY 入库单明细编号"),
              {returnNumber.trimmed(), inboundNumber});
    transaction.commit();
    return warehouse.toString();
}
