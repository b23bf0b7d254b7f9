#include "documents/DocumentKinds.h"

#include "documents/DocumentInput.h"
#include "documents/ItemGroups.h"
#include "store/Decimal.h"

namespace {

using F = DocumentField;
using Direction = JournalEntry::Direction;

const QString SeriousError = QStringLiteral("数据出现严重错误,请与软件供应商联系!");
const QString Received = QStringLiteral("物品入库");
const QString Issued = QStringLiteral("物品出库");

using W = LineCheck::What;
using Focus = LineCheck::Focus;
constexpr auto ErrorBox = DocumentRefusal::Severity::Error;
const QString NoItem = QStringLiteral("请选择物品然后再按本按钮保存!");

DocumentKind base(const char* name, const char* header, const char* lines, const char* number,
                  const char* lineId) {
    DocumentKind kind;
    kind.name = QString::fromUtf8(name);
    kind.headerTable = QString::fromUtf8(header);
    kind.lineTable = QString::fromUtf8(lines);
    kind.numberColumn = QString::fromUtf8(number);
    kind.lineIdColumn = QString::fromUtf8(lineId);
    kind.journalSource = kind.name;
    kind.logPrefix = QStringLiteral("输入%1,编号是:").arg(kind.name);
    return kind;
}

std::vector<std::pair<QString, DocumentField>>
map(std::initializer_list<std::pair<const char*, DocumentField>> entries) {
    std::vector<std::pair<QString, DocumentField>> result;
    for (const auto& [column, field] : entries)
        result.emplace_back(QString::fromUtf8(column), field);
    return result;
}

DocumentKind makeInbound() {
    DocumentKind k = base("入库单", "入库单主表", "入库单明细表", "入库单编号", "入库单明细编号");
    k.headerMap = map({{"入库单编号", F::Number},
                       {"入库日期", F::Date},
                       {"交货单位", F::Counterparty},
                       {"摘要", F::Summary},
                       {"收料仓库", F::Warehouse},
                       {"入库总数量", F::TotalQuantity},
                       {"总金额", F::TotalAmount},
                       {"制单人", F::Maker},
                       {"审批人", F::Checker},
                       {"经办人", F::Handler},
                       {"入库类型", F::Type}});
    k.legs = {{F::Warehouse,
               Direction::In,
               StockRule::ReceiveAndReaverage,
               MissingStockRow::CreateFromCatalogue,
               {},
               Received}};
    k.printScope = PrintScope::PerWindow;
    k.lineRules = {
        ItemSource::CatalogueOfWarehouse,
        PriceSource::Typed,
        StockCheck::None,
        {},
        {{W::ItemCode, NoItem, Focus::ItemList},
         {W::Price, QStringLiteral("请输入物品的单价,再按本按钮保存!"), Focus::Price},
         {W::Quantity, QStringLiteral("请输入入库的物品数量,再按本按钮保存!"), Focus::Quantity}}};
    return k;
}

DocumentKind makeOutbound() {
    DocumentKind k = base("出库单", "出库单主表", "出库单明细表", "出库单编号", "出库单明细编号");
    k.headerMap = map({{"出库单编号", F::Number},
                       {"出库日期", F::Date},
                       {"领料部门", F::Counterparty},
                       {"摘要", F::Summary},
                       {"出料仓库", F::Warehouse},
                       {"出库总数量", F::TotalQuantity},
                       {"总金额", F::TotalAmount},
                       {"制单人", F::Maker},
                       {"经办人", F::Handler},
                       {"审核人", F::Checker},
                       {"出库用途", F::Type},
                       {"出库类型", F::Type}});
    k.legs = {{F::Warehouse, Direction::Out, StockRule::IssueAtCost, MissingStockRow::Refuse,
               SeriousError, Issued}};
    k.lineRules = {ItemSource::StockOfWarehouse,
                   PriceSource::StockCost6,
                   StockCheck::Warn,
                   QStringLiteral("出库数量大于库存数量,请查清楚!"),
                   {{W::Quantity, QStringLiteral("请输入物品数量!"), Focus::Quantity},
                    {W::ItemCode, NoItem, Focus::ItemList}}};
    return k;
}

DocumentKind makeInboundReturn() {
    DocumentKind k =
        base("入库退出单", "入库退出单主表", "入库退出单明细表", "退出单编号", "退出单明细编号");
    k.headerMap = map({{"退出单编号", F::Number},
                       {"返还单位", F::Counterparty},
                       {"摘要", F::Summary},
                       {"出料仓库", F::Warehouse},
                       {"退出日期", F::Date},
                       {"目标单编号", F::TargetNumber},
                       {"退出数量", F::TotalQuantity},
                       {"总金额", F::TotalAmount},
                       {"制单人", F::Maker},
                       {"经办人", F::Handler},
                       {"审核人", F::Checker}});
    k.legs = {{F::Warehouse,
               Direction::Out,
               StockRule::ReturnOutAndReaverage,
               MissingStockRow::Skip,
               {},
               Issued}};
    const QString aboveStock = QStringLiteral("退出数量不能大于库存数量,请查清楚!");
    k.lineRules = {ItemSource::StockOfWarehouse,
                   PriceSource::Typed,
                   StockCheck::Refuse,
                   aboveStock,
                   {{W::ItemCode, NoItem, Focus::ItemList},
                    {W::Price, QStringLiteral("请输入物品的单价!"), Focus::Price},
                    {W::Quantity, QStringLiteral("请输入物品的数量!"), Focus::Quantity},
                    {W::WithinStock, aboveStock, Focus::Quantity, ErrorBox}}};
    return k;
}

DocumentKind makeOutboundReturn() {
    DocumentKind k =
        base("出库退回单", "出库退回单主表", "出库退回单明细表", "退货单编号", "退货单明细编号");
    k.headerMap = map({{"退货单编号", F::Number},
                       {"退货日期", F::Date},
                       {"客户名称", F::Counterparty},
                       {"退货原因", F::Reason},
                       {"退货数量", F::TotalQuantity},
                       {"退货金额", F::TotalAmount},
                       {"制单人", F::Maker},
                       {"经办人", F::Handler},
                       {"审核人", F::Checker},
                       {"退货仓库", F::Warehouse},
                       {"摘要", F::Summary}});
    k.legs = {{F::Warehouse,
               Direction::In,
               StockRule::ReturnInAtCost,
               MissingStockRow::CreateFromCatalogue,
               {},
               Received}};
    k.lineRules = {
        ItemSource::StockOfWarehouse,
        PriceSource::StockCostMoney,
        StockCheck::None,
        {},
        {{W::ItemCode, NoItem, Focus::ItemList},
         {W::PriceOrZero, QStringLiteral("请输入物品的单价,再按本按钮保存!"), Focus::Price},
         {W::QuantityPresent, QStringLiteral("请输入物品的数量,再按本按钮保存!"),
          Focus::Quantity}}};
    return k;
}

QString transferPrecondition(const DocumentInput& in, const DocumentTotals& totals) {
    if (in.warehouse.trimmed().isEmpty() || in.destinationWarehouse.trimmed().isEmpty())
        return QStringLiteral("调出仓库与调入仓库不能为空!");
    if (roundDecimals(totals.quantity, 2) == 0)
        return QStringLiteral("调拨单的物品数量合计为零,不能保存!");
    return {};
}

DocumentKind makeTransfer() {
    DocumentKind k = base("调拨单", "调拨单主表", "调拨单明细表", "调拨单编号", "调拨单明细编号");
    k.headerMap = map({{"调拨单编号", F::Number},
                       {"调拨日期", F::Date},
                       {"调拨原因", F::Reason},
                       {"调拨数量", F::TotalQuantity},
                       {"制单人", F::Maker},
                       {"调出仓库", F::Warehouse},
                       {"调入仓库", F::DestinationWarehouse},
                       {"金额合计", F::TotalAmount},
                       {"审批人", F::Checker},
                       {"经办人", F::Handler},
                       {"摘要", F::Summary}});
    k.quantityTotal = QuantityTotal::TwoDecimals;
    // The goods travel at the source's cost: neither warehouse re-averages.
    k.legs = {{F::DestinationWarehouse,
               Direction::In,
               StockRule::ReturnInAtCost,
               MissingStockRow::CreateFromCatalogue,
               {},
               Received},
              {F::Warehouse, Direction::Out, StockRule::IssueAtCost, MissingStockRow::Refuse,
               SeriousError, Issued}};
    k.journalCounterparty = F::Warehouse;
    k.printScope = PrintScope::PerWindow;
    k.precondition = transferPrecondition;
    const QString aboveStock = QStringLiteral("调拨数量大于库存数量,请查清楚!");
    k.lineRules = {ItemSource::StockOfWarehouse,
                   PriceSource::StockCost6,
                   StockCheck::Refuse,
                   aboveStock,
                   {{W::ItemCode, NoItem, Focus::ItemList},
                    {W::Quantity, QStringLiteral("请输入物品数量!"), Focus::Quantity},
                    {W::WithinStock, aboveStock, Focus::Quantity, ErrorBox}}};
    return k;
}

DocumentKind makeDirectIssue() {
    DocumentKind k = base("直拨单", "直拨单主表", "直拨单明细表", "直拨单编号", "直拨单明细编号");
    k.headerMap = map({{"直拨单编号", F::Number},
                       {"直拨日期", F::Date},
                       {"直拨原因", F::Reason},
                       {"直拨数量", F::TotalQuantity},
                       {"制单人", F::Maker},
                       {"领用部门", F::Counterparty},
                       {"金额合计", F::TotalAmount},
                       {"审批人", F::Checker},
                       {"经办人", F::Handler},
                       {"摘要", F::Summary}});
    k.printScope = PrintScope::PerWindow;
    k.lineRules = {
        ItemSource::WholeCatalogue,
        PriceSource::Typed,
        StockCheck::None,
        {},
        {{W::ItemName, QStringLiteral("请选择物品然后按本按钮保存!"), Focus::ItemList},
         {W::Price, QStringLiteral("请输入物品单价,再按本按钮保存!"), Focus::Price},
         {W::Quantity, QStringLiteral("请输入物品数量,再按本按钮保存!"), Focus::Quantity}}};
    return k;
}

std::vector<MovementLeg> stocktakingLegs(const DocumentInput& in) {
    const QString missing = QStringLiteral("仓库没有此物品的资料,请查请楚!");
    if (in.gain)
        return {{F::Warehouse, Direction::In, StockRule::ReceiveAndReaverage,
                 MissingStockRow::Refuse, missing, Received}};
    return {{F::Warehouse, Direction::Out, StockRule::IssueAtCost, MissingStockRow::Refuse, missing,
             Issued}};
}

DocumentKind makeStocktaking() {
    DocumentKind k =
        base("盘盈盘损单", "盘损盈单主表", "盘损盈单明细表", "盘损盈单编号", "盘损盈单明细编号");
    k.headerMap = map({{"盘损盈单编号", F::Number},
                       {"盘点日期", F::Date},
                       {"盘点盈状态", F::GainOrLoss},
                       {"摘要", F::Summary},
                       {"盘盈损仓库", F::Warehouse},
                       {"总数量", F::TotalQuantity},
                       {"总金额", F::TotalAmount},
                       {"制单人", F::Maker},
                       {"经办人", F::Handler},
                       {"审批人", F::Checker}});
    k.quantityTotal = QuantityTotal::WholeHalfEven;
    k.legsFor = stocktakingLegs;
    k.fixedJournalCounterparty = QStringLiteral("盘点");
    k.lineRules = {
        ItemSource::StockOfWarehouse,
        PriceSource::StockCostEditable,
        StockCheck::None,
        {},
        {{W::ItemCode, QStringLiteral("请选择物品,再按本按钮保存!"), Focus::ItemList},
         {W::Price, QStringLiteral("请输入物品的单价,再按本按钮保存!"), Focus::Price},
         {W::QuantityPresent, QStringLiteral("请输入物品数量,再按本按钮保存!"), Focus::Quantity}}};
    return k;
}

} // namespace

namespace DocumentKinds {

const DocumentKind& inboundNote() {
    static const DocumentKind kind = makeInbound();
    return kind;
}
const DocumentKind& outboundNote() {
    static const DocumentKind kind = makeOutbound();
    return kind;
}
const DocumentKind& inboundReturnNote() {
    static const DocumentKind kind = makeInboundReturn();
    return kind;
}
const DocumentKind& outboundReturnNote() {
    static const DocumentKind kind = makeOutboundReturn();
    return kind;
}
const DocumentKind& transferNote() {
    static const DocumentKind kind = makeTransfer();
    return kind;
}
const DocumentKind& directIssueNote() {
    static const DocumentKind kind = makeDirectIssue();
    return kind;
}
const DocumentKind& stocktakingNote() {
    static const DocumentKind kind = makeStocktaking();
    return kind;
}

} // namespace DocumentKinds
