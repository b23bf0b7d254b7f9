#include "documents/ui/DocumentWindows.h"

#include "documents/DocumentKinds.h"
#include "documents/ui/DocumentForm.h"

namespace {

using F = DocumentField;
using Box = HeaderBox;
using Picker = BoxPicker;

const QString PickHint = QStringLiteral("点击物品类别表,然后从物品资料表双击选择物品!");

QStringList names(const char* prefix, std::initializer_list<int> numbers) {
    QStringList result;
    for (int n : numbers)
        result << QString::fromLatin1(prefix) + QString::number(n);
    return result;
}

// The line boxes of the windows whose views are DBEdit2…DBEdit10.
LineEntryDescriptor dbEditLines(const char* className, const char* title, const QString& hint,
                                const char* numberLabel, int quantityMaxLength) {
    return {QString::fromLatin1(className),
            QString::fromUtf8(title),
            hint,
            QString::fromUtf8(numberLabel),
            names("DBEdit", {2, 3, 4, 5, 8, 9}),
            QStringLiteral("DBEdit6"),
            QStringLiteral("物品单价"),
            QStringLiteral("DBEdit7"),
            QStringLiteral("DBEdit10"),
            {},
            quantityMaxLength};
}

// The line boxes of the windows whose views are cxDBTextEdit1…cxDBTextEdit10.
LineEntryDescriptor textEditLines(const char* className, const char* title, const char* numberLabel,
                                  const char* priceLabel, const QString& stockBox,
                                  int quantityMaxLength) {
    return {QString::fromLatin1(className),
            QString::fromUtf8(title),
            PickHint,
            QString::fromUtf8(numberLabel),
            names("cxDBTextEdit", {1, 2, 3, 4, 5, 6}),
            QStringLiteral("cxDBTextEdit7"),
            QString::fromUtf8(priceLabel),
            QStringLiteral("cxDBTextEdit9"),
            QStringLiteral("cxDBTextEdit10"),
            stockBox,
            quantityMaxLength};
}

Box summary(const char* callerKey) {
    return {QStringLiteral("cxTextEdit6"),
            QStringLiteral("摘要"),
            F::Summary,
            50,
            Box::Kind::Text,
            {Picker::Kind::Summary, QString::fromUtf8(callerKey), {}}};
}

Box warehouse(const char* objectName, const char* label, WarehousePickerFor picker,
              Box::Kind kind = Box::Kind::Text) {
    Box box{QString::fromLatin1(objectName), QString::fromUtf8(label), F::Warehouse, 24, kind};
    box.picker.kind = Picker::Kind::Warehouse;
    box.picker.warehouse = picker;
    return box;
}

Box units(const char* label, int maxLength, const char* callerKey, const char* title) {
    return {QStringLiteral("cxTextEdit2"),
            QString::fromUtf8(label),
            F::Counterparty,
            maxLength,
            Box::Kind::Text,
            {Picker::Kind::Units, QString::fromUtf8(callerKey), QString::fromUtf8(title)}};
}

Box typeList(const char* label, QStringList items) {
    Box box{QStringLiteral("cxComboBox1"), QString::fromUtf8(label), F::Type, 24, Box::Kind::Combo};
    box.items = items;
    box.keptAfterPosting = true;
    return box;
}

Box text(const char* objectName, const char* label, F field, int maxLength, bool kept) {
    Box box{QString::fromLatin1(objectName), QString::fromUtf8(label), field, maxLength};
    box.keptAfterPosting = kept;
    return box;
}

DocumentWindowDescriptor makeInbound() {
    DocumentWindowDescriptor s{DocumentKinds::inboundNote(), QStringLiteral("TEnterInLibNoteForm"),
                               QStringLiteral("入库单"), QStringLiteral("入库单编号")};
    s.boxes = {{QStringLiteral("cxTextEdit2"),
                QStringLiteral("交货单位"),
                F::Counterparty,
                50,
                Box::Kind::Text,
                {Picker::Kind::InboundCounterparty, {}, {}}},
               typeList("入库类型", {QStringLiteral("产品入库"), QStringLiteral("原材料入库"),
                                     QStringLiteral("半成品入库"), QStringLiteral("外购物品入库"),
                                     QStringLiteral("其他入库")}),
               summary("入库单"),
               warehouse("cxTextEdit7", "收料仓库", WarehousePickerFor::InboundNote)};
    s.leaveActions = {{QStringLiteral("cxTextEdit2"), LeaveAction::ResolveUnitKeepUnknown},
                      {QStringLiteral("cxTextEdit7"), LeaveAction::ResolveWarehouse}};
    s.warehouseBox = QStringLiteral("cxTextEdit7");
    s.noWarehouseMessage = QStringLiteral("请先双击选择收料仓库,谢谢!");
    s.statusHint = QStringLiteral(
        "双击鼠标左键或按F1键新增入库物品，若要修改则选择表中要修改记录然后按F2键。");
    s.printLayout = PrintLayoutKind::InboundNote;
    s.lineEntry = dbEditLines("TEnterProduceToInLibForm2", "入库物品录入",
                              QStringLiteral("点击物品类别表,然后从物品资料表,双击选择入库物品!"),
                              "入库单编号", 16);
    s.lineEntry.offersNewItem = true;
    return s;
}

DocumentWindowDescriptor makeOutbound() {
    DocumentWindowDescriptor s{DocumentKinds::outboundNote(),
                               QStringLiteral("TEnterOutLibNoteForm"), QStringLiteral("出库单"),
                               QStringLiteral("出库单编号")};
    s.boxes = {units("领用单位", 50, "出库单录入", "领用单位清单"),
               typeList("出库类型", {QStringLiteral("生产领用"), QStringLiteral("销售出库"),
                                     QStringLiteral("使用领用"), QStringLiteral("其他领用")}),
               summary("出库单"),
               warehouse("cxTextEdit7", "出料仓库", WarehousePickerFor::OutboundNote)};
    s.boxes[2].label = QStringLiteral("项目名称");
    s.leaveActions = {{QStringLiteral("cxTextEdit2"), LeaveAction::ResolveUnitClearUnknown},
                      {QStringLiteral("cxTextEdit7"), LeaveAction::ResolveWarehouse}};
    s.warehouseBox = QStringLiteral("cxTextEdit7");
    s.noWarehouseMessage = QStringLiteral("请先双击选择出料仓库,谢谢!");
    s.statusHint = QStringLiteral(
        "双击鼠标左键或按F1键新增出库物品，若要修改则选择表中要修改记录然后按F2键。");
    s.printLayout = PrintLayoutKind::OutboundNote;
    s.lineEntry = textEditLines("TEnterProduceToOutLibForm2", "出库物品输入", "出库单编号",
                                "成本价格", QStringLiteral("cxDBTextEdit8"), 10);
    return s;
}

DocumentWindowDescriptor makeInboundReturn() {
    DocumentWindowDescriptor s{DocumentKinds::inboundReturnNote(),
                               QStringLiteral("TEnterExitNoteForm"), QStringLiteral("入库退出单"),
                               QStringLiteral("退出单编号")};
    Box target = text("cxTextEdit8", "入库单号", F::TargetNumber, 8, false);
    target.toolTip = QStringLiteral("注意:若录入入库单号则是将整个入库单读入!");
    s.boxes = {units("返还单位", 50, "入库退出单录入", "返还单位清单"), target,
               summary("入库退出单"),
               warehouse("cxTextEdit7", "出料仓库", WarehousePickerFor::InboundReturnNote)};
    s.leaveActions = {{QStringLiteral("cxTextEdit8"), LeaveAction::CopyInboundNote}};
    s.warehouseBox = QStringLiteral("cxTextEdit7");
    s.noWarehouseMessage = QStringLiteral("请先双击选择出料仓库,谢谢!");
    s.statusHint = QStringLiteral(
        "双击鼠标左键或按F1键新增入库退出库物品，若要修改则选择表中要修改记录然后按F2键。");
    s.printLayout = PrintLayoutKind::InboundReturnNote;
    s.lineEntry = textEditLines("TEnterProduceToExitLibForm", "入库退出物品输入", "出库单编号",
                                "物品单价", QStringLiteral("cxTextEdit1"), 10);
    return s;
}

DocumentWindowDescriptor makeOutboundReturn() {
    DocumentWindowDescriptor s{DocumentKinds::outboundReturnNote(),
                               QStringLiteral("TEnterUntreadNoteForm"),
                               QStringLiteral("出库退回单"), QStringLiteral("退库单编号")};
    s.boxes = {units("退回单位", 50, "出库退回单录入", "退回单位清单"),
               text("cxTextEdit8", "退回原因", F::Reason, 50, false), summary("出库退回单"),
               warehouse("cxTextEdit7", "收料仓库", WarehousePickerFor::OutboundReturnNote)};
    s.warehouseBox = QStringLiteral("cxTextEdit7");
    s.noWarehouseMessage = QStringLiteral("请先双击选择收料仓库,谢谢!");
    s.statusHint = QStringLiteral(
        "双击鼠标左键或按F1键新增出库退回物品，若要修改则选择表中要修改记录然后按F2键。");
    s.printLayout = PrintLayoutKind::OutboundReturnNote;
    s.lineEntry = dbEditLines("TEnterProduceToUntreadNoteForm", "出库退回物品输入", PickHint,
                              "入库单编号", 8);
    return s;
}

DocumentWindowDescriptor makeTransfer() {
    DocumentWindowDescriptor s{DocumentKinds::transferNote(),
                               QStringLiteral("TEnterAttemperNoteForm"), QStringLiteral("调拨单"),
                               QStringLiteral("调拨单编号")};
    Box destination = warehouse("cxTextEdit7", "调入仓库", WarehousePickerFor::TransferDestination,
                                Box::Kind::ReadOnly);
    destination.field = F::DestinationWarehouse;
    s.boxes = {warehouse("cxTextEdit2", "调出仓库", WarehousePickerFor::TransferSource,
                         Box::Kind::ReadOnly),
               destination, summary("调拨单"),
               text("cxTextEdit8", "调拨原因", F::Reason, 50, true)};
    s.leaveActions = {{QStringLiteral("cxTextEdit7"), LeaveAction::RefuseSourceWarehouse}};
    s.warehouseBox = QStringLiteral("cxTextEdit2");
    s.noWarehouseMessage = QStringLiteral("请先双击选择调出仓库,谢谢!");
    s.statusHint = QStringLiteral(
        "双击鼠标左键或按F1键新增调拨物品，若要修改则选择表中要修改记录然后按F2键。");
    s.printLayout = PrintLayoutKind::TransferNote;
    s.lineEntry = textEditLines("TEnterProduceToAttemperLib1Form", "调拨物品输入", "出库单编号",
                                "成本价格", QStringLiteral("cxTextEdit1"), 10);
    return s;
}

DocumentWindowDescriptor makeDirectIssue() {
    DocumentWindowDescriptor s{DocumentKinds::directIssueNote(),
                               QStringLiteral("TEnterDirectnessNoteForm"), QStringLiteral("直拨单"),
                               QStringLiteral("直拨单编号")};
    s.boxes = {units("领用单位", 24, "调拨单录入", "领用单位清单"), summary("直拨单"),
               text("cxTextEdit7", "直拨原因", F::Reason, 50, true)};
    s.statusHint =
        QStringLiteral("双击鼠标左键或按F1键新增物品，若要修改则选择表中要修改记录然后按F2键。");
    s.printLayout = PrintLayoutKind::DirectIssueNote;
    s.lineEntry = textEditLines("TEnterProduceToDirectNoteForm", "直拨物品输入", "直拨单编号",
                                "物品单价", {}, 8);
    return s;
}

DocumentWindowDescriptor makeStocktaking() {
    DocumentWindowDescriptor s{DocumentKinds::stocktakingNote(),
                               QStringLiteral("TEnterPanDianNoteForm"),
                               QStringLiteral("盘盈盘损单"), QStringLiteral("盘盈损单编号")};
    s.boxes = {summary("盘盈盘损单"),
               warehouse("cxTextEdit7", "盘点仓库", WarehousePickerFor::StocktakingNote)};
    s.warehouseBox = QStringLiteral("cxTextEdit7");
    s.noWarehouseMessage = QStringLiteral("请先双击选择盘点仓库,谢谢!");
    s.gainOrLossChoice = true;
    s.peopleColon = QStringLiteral("：");
    s.statusHint = QStringLiteral("双击鼠标左键或按F1键新增录入物品，若要修改则选择表中要修改记录"
                                  "然后按F2键。 若要改变盘点类型请选中相应选项!");
    s.printLayout = PrintLayoutKind::StocktakingNote;
    s.lineEntry =
        dbEditLines("TEnterProduceToPanDianForm", "盘盈亏物品输入", PickHint, "入库单编号", 8);
    return s;
}

} // namespace

namespace DocumentWindows {

const DocumentWindowDescriptor& inboundNote() {
    static const DocumentWindowDescriptor descriptor = makeInbound();
    return descriptor;
}
const DocumentWindowDescriptor& outboundNote() {
    static const DocumentWindowDescriptor descriptor = makeOutbound();
    return descriptor;
}
const DocumentWindowDescriptor& inboundReturnNote() {
    static const DocumentWindowDescriptor descriptor = makeInboundReturn();
    return descriptor;
}
const DocumentWindowDescriptor& outboundReturnNote() {
    static const DocumentWindowDescriptor descriptor = makeOutboundReturn();
    return descriptor;
}
const DocumentWindowDescriptor& transferNote() {
    static const DocumentWindowDescriptor descriptor = makeTransfer();
    return descriptor;
}
const DocumentWindowDescriptor& directIssueNote() {
    static const DocumentWindowDescriptor descriptor = makeDirectIssue();
    return descriptor;
}
const DocumentWindowDescriptor& stocktakingNote() {
    static const DocumentWindowDescriptor descriptor = makeStocktaking();
    return descriptor;
}

const std::vector<const DocumentWindowDescriptor*>& all() {
    static const std::vector<const DocumentWindowDescriptor*> specs{
        &inboundNote(),  &outboundNote(),    &inboundReturnNote(), &outboundReturnNote(),
        &transferNote(), &directIssueNote(), &stocktakingNote()};
    return specs;
}

QDialog* create(const DocumentWindowDescriptor& descriptor, QWidget* parent) {
    return new DocumentForm(descriptor, parent);
}

} // namespace DocumentWindows
