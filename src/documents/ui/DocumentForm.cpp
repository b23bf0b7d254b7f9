#include "documents/ui/DocumentForm.h"

#include "documents/DocumentLines.h"
#include "documents/DocumentRefusal.h"
#include "documents/InboundNoteCopy.h"
#include "documents/Lookups.h"
#include "documents/pickers/DocumentPickers.h"
#include "documents/ui/LineEntryForm.h"
#include "platform/widgets/DataGrid.h"
#include "platform/widgets/DateBox.h"
#include "platform/widgets/EnterFocusChain.h"
#include "platform/widgets/Labels.h"
#include "platform/widgets/LookupBox.h"
#include "platform/widgets/Messages.h"
#include "platform/widgets/ModalRunner.h"
#include "platform/widgets/StatusPanels.h"
#include "platform/widgets/WindowParts.h"
#include "reference/TListBinessNoteForm.h"
#include "reports/DocumentPrinting.h"
#include "store/Session.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QVBoxLayout>

namespace {

GridColumns lineColumns() {
    return {
        {QStringLiteral("物品编号"),
         QStringLiteral("物品编号"),
         {},
         false,
         QStringLiteral("总计"),
         {},
         90},
        {QStringLiteral("物品名称"), QStringLiteral("物品名称"), {}, false, {}, {}, 220},
        {QStringLiteral("物品规格"), QStringLiteral("物品规格"), {}, false, {}, {}, 110},
        {QStringLiteral("物品单位"), QStringLiteral("单位"), {}, false, {}, {}, 60},
        {QStringLiteral("物品单价"),
         QStringLiteral("物品单价"),
         QStringLiteral("##0.000000"),
         false,
         {},
         {},
         100},
        {QStringLiteral("物品数量"),
         QStringLiteral("物品数量"),
         QStringLiteral("##0.000"),
         false,
         {},
         QStringLiteral("##0.000"),
         100},
        {QStringLiteral("金额合计"),
         QStringLiteral("金额合计"),
         QStringLiteral("##0.00"),
         true,
         {},
         QStringLiteral("##0.00"),
         110},
    };
}

} // namespace

DocumentForm::DocumentForm(const DocumentWindowDescriptor& descriptor, QWidget* parent)
    : ModalWindow(parent, descriptor.className, descriptor.caption), descriptor_(descriptor) {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(titlePanel(descriptor.caption));
    layout->addWidget(buildHeader());
    grid_ = new DataGrid(QStringLiteral("DBGridEh1"), lineColumns(), this);
    grid_->setFrozenColumns(1);
    layout->addWidget(grid_, 1);
    layout->addWidget(buildPeople());
    layout->addWidget(buildButtons());
    status_ = new StatusPanels(QStringLiteral("StatusBar1"),
                               {QStringLiteral("操作提示"), descriptor.statusHint}, this);
    layout->addWidget(status_);
    resize(900, 600);

    connect(grid_, &DataGrid::doubleClicked, this, [this] { addLine(); });
    connect(grid_, &DataGrid::functionKeyPressed, this, [this](int key) {
        if (key == Qt::Key_F1)
            addLine();
        else if (key == Qt::Key_F2)
            changeLine();
    });
    setUpEnterChain();

    maker_->setText(Session::operatorName());
    try {
        editor_.emplace(descriptor.kind);
    } catch (const StoreError& e) {
        Messages::error(this, e.message());
        setEnabled(false);
        return;
    }
    prepareNextDocument();
}

QWidget* DocumentForm::buildHeader() {
    auto* header = new QWidget(this);
    auto* grid = new QGridLayout(header);
    number_ = new QLineEdit;
    number_->setObjectName(QStringLiteral("cxTextEdit1"));
    number_->setReadOnly(true);
    number_->setFocusPolicy(Qt::NoFocus);
    date_ = new DateBox(QStringLiteral("cxDateEdit1"));
    grid->addWidget(buddyLabel(QStringLiteral("Label1"), descriptor_.numberLabel, number_), 0, 0);
    grid->addWidget(number_, 0, 1);
    grid->addWidget(buddyLabel(QStringLiteral("Label2"), QStringLiteral("日期"), date_), 0, 2);
    grid->addWidget(date_, 0, 3);
    int cell = 2;
    for (const HeaderBox& box : descriptor_.boxes) {
        QWidget* control = makeBox(box);
        const int row = cell / 2;
        const int column = (cell % 2) * 2;
        grid->addWidget(buddyLabel(box.objectName + QStringLiteral("Label"), box.label, control),
                        row, column);
        grid->addWidget(control, row, column + 1);
        ++cell;
    }
    if (descriptor_.gainOrLossChoice) {
        gain_ = new QRadioButton(QStringLiteral("盘盈"));
        gain_->setObjectName(QStringLiteral("RadioButton1"));
        loss_ = new QRadioButton(QStringLiteral("盘损"));
        loss_->setObjectName(QStringLiteral("RadioButton2"));
        auto* choice = new QHBoxLayout;
        choice->addWidget(gain_);
        choice->addWidget(loss_);
        choice->addStretch();
        grid->addLayout(choice, cell / 2 + 1, 1);
    }
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    return header;
}

QWidget* DocumentForm::makeBox(const HeaderBox& box) {
    QWidget* control = nullptr;
    if (box.kind == HeaderBox::Kind::Combo) {
        auto* combo = new QComboBox;
        combo->setEditable(true);
        combo->addItems(box.items);
        combo->setCurrentIndex(-1);
        combo->lineEdit()->setMaxLength(box.maxLength);
        control = combo;
    } else {
        auto* edit = new LookupBox(box.objectName, box.maxLength);
        edit->setReadOnly(box.kind == HeaderBox::Kind::ReadOnly);
        if (box.picker.kind != BoxPicker::Kind::None)
            connect(edit, &LookupBox::pickerRequested, this,
                    [this, edit, picker = box.picker] { openPicker(edit, picker); });
        control = edit;
    }
    control->setObjectName(box.objectName);
    control->setToolTip(box.toolTip);
    control->installEventFilter(this);
    boxes_[box.field] = control;
    for (const auto& [name, action] : descriptor_.leaveActions)
        if (name == box.objectName && action == LeaveAction::RefuseSourceWarehouse)
            connect(static_cast<QLineEdit*>(control), &QLineEdit::textChanged, this,
                    [this] { refuseSameWarehouse(); });
    return control;
}

QWidget* DocumentForm::buildPeople() {
    auto* people = new QWidget(this);
    auto* row = new QHBoxLayout(people);
    auto add = [&](QLineEdit*& edit, const char* name, const QString& label) {
        edit = new QLineEdit;
        edit->setObjectName(QString::fromLatin1(name));
        edit->setMaxLength(8);
        row->addWidget(buddyLabel(edit->objectName() + QStringLiteral("Label"),
                                  label + descriptor_.peopleColon, edit));
        row->addWidget(edit);
    };
    add(maker_, "cxTextEdit3", QStringLiteral("制单员"));
    add(handler_, "cxTextEdit4", QStringLiteral("经办员"));
    add(checker_, "cxTextEdit5", QStringLiteral("审核员"));
    return people;
}

QWidget* DocumentForm::buildButtons() {
    auto* buttons = new QWidget(this);
    auto* row = new QHBoxLayout(buttons);
    save_ = commandButton(QStringLiteral("BitBtn1"), QStringLiteral("保存"));
    auto* remove = commandButton(QStringLiteral("BitBtn2"), QStringLiteral("删除一行"));
    auto* print = commandButton(QStringLiteral("BitBtn3"), QStringLiteral("打印"));
    auto* exit = commandButton(QStringLiteral("BitBtn4"), QStringLiteral("退出"));
    row->addStretch();
    for (QPushButton* b : {save_, remove, print, exit})
        row->addWidget(b);
    connect(save_, &QPushButton::clicked, this, [this] { post(); });
    connect(remove, &QPushButton::clicked, this, [this] { deleteLine(); });
    connect(print, &QPushButton::clicked, this, [this] { this->print(); });
    connect(exit, &QPushButton::clicked, this, [this] { leave(); });
    return buttons;
}

void DocumentForm::setUpEnterChain() {
    QList<QWidget*> chain;
    for (const HeaderBox& box : descriptor_.boxes)
        chain << boxes_.at(box.field);
    chain << grid_->view() << maker_ << handler_ << checker_ << save_;
    EnterFocusChain::install(this, chain);
}

void DocumentForm::openPicker(QLineEdit* box, const BoxPicker& picker) {
    switch (picker.kind) {
    case BoxPicker::Kind::Units:
        openDepartmentPicker(box, picker.key, picker.title);
        break;
    case BoxPicker::Kind::InboundCounterparty:
        openCounterpartyPicker(box);
        break;
    case BoxPicker::Kind::Warehouse:
        openWarehousePicker(box, picker.warehouse);
        break;
    case BoxPicker::Kind::Summary:
        TListBinessNoteForm::fillBox(this, picker.key, box);
        break;
    case BoxPicker::Kind::None:
        break;
    }
    refreshLines();
}

QString DocumentForm::number() const {
    return editor_ ? editor_->number() : QString();
}

QString DocumentForm::warehouse() const {
    return text(DocumentField::Warehouse);
}

QString DocumentForm::text(DocumentField field) const {
    auto found = boxes_.find(field);
    if (found == boxes_.end())
        return {};
    if (auto* combo = qobject_cast<QComboBox*>(found->second))
        return combo->currentText();
    return static_cast<QLineEdit*>(found->second)->text();
}

void DocumentForm::setText(DocumentField field, const QString& value) {
    auto found = boxes_.find(field);
    if (found == boxes_.end())
        return;
    if (auto* combo = qobject_cast<QComboBox*>(found->second))
        combo->setEditText(value);
    else
        static_cast<QLineEdit*>(found->second)->setText(value);
}

DocumentInput DocumentForm::input() const {
    DocumentInput in;
    in.date = date_->date().isValid() ? date_->date() : QDate::currentDate();
    in.counterparty = text(DocumentField::Counterparty);
    in.type = text(DocumentField::Type);
    in.summary = text(DocumentField::Summary);
    in.warehouse = text(DocumentField::Warehouse);
    in.destinationWarehouse = text(DocumentField::DestinationWarehouse);
    in.reason = text(DocumentField::Reason);
    in.targetNumber = text(DocumentField::TargetNumber);
    in.maker = maker_->text();
    in.handler = handler_->text();
    in.checker = checker_->text();
    in.gain = gain_ && gain_->isChecked();
    return in;
}

void DocumentForm::refreshLines() {
    if (!editor_)
        return;
    try {
        grid_->setQuery(QStringLiteral("SELECT * FROM \"%1\" WHERE \"%2\" = ? ORDER BY \"%3\"")
                            .arg(descriptor_.kind.lineTable, descriptor_.kind.numberColumn,
                                 descriptor_.kind.lineIdColumn),
                        {editor_->number()});
    } catch (const StoreError& e) {
        Messages::error(this, e.message());
    }
}

void DocumentForm::lineStored() {
    editor_->lineSaved();
    save_->setEnabled(true);
    refreshLines();
}

void DocumentForm::prepareNextDocument() {
    number_->setText(editor_->number());
    date_->setDate(QDate::currentDate());
    for (const HeaderBox& box : descriptor_.boxes)
        if (!box.keptAfterPosting)
            setText(box.field, {});
    handler_->clear();
    checker_->clear();
    if (gain_) {
        gain_->setVisible(true);
        loss_->setVisible(true);
        loss_->setChecked(true);
    }
    save_->setEnabled(false);
    refreshLines();
    if (!descriptor_.boxes.empty())
        boxes_.at(descriptor_.boxes.front().field)->setFocus();
}

void DocumentForm::addLine() {
    if (!editor_)
        return;
    if (!descriptor_.warehouseBox.isEmpty() && warehouse().trimmed().isEmpty()) {
        Messages::guidance(this, descriptor_.noWarehouseMessage);
        boxes_.at(DocumentField::Warehouse)->setFocus();
        return;
    }
    if (gain_)
        (gain_->isChecked() ? loss_ : gain_)->setVisible(false);
    runModal(new LineEntryForm(*this, std::nullopt));
}

void DocumentForm::changeLine() {
    const int row = grid_->currentRow();
    if (!editor_ || row < 0)
        return;
    const qint64 id = grid_->value(row, descriptor_.kind.lineIdColumn).toLongLong();
    runModal(new LineEntryForm(*this, id));
}

void DocumentForm::deleteLine() {
    const int row = grid_->currentRow();
    if (!editor_ || grid_->rowCount() == 0 || row < 0) {
        Messages::error(this, QStringLiteral("没有记录可以删除了,请查清楚!"));
        return;
    }
    try {
        DocumentLines::remove(descriptor_.kind,
                              grid_->value(row, descriptor_.kind.lineIdColumn).toLongLong());
    } catch (const StoreError& e) {
        Messages::error(this, e.message());
    }
    refreshLines();
}

void DocumentForm::showRefusal(const StoreError& error) {
    auto* refusal = dynamic_cast<const DocumentRefusal*>(&error);
    if (refusal && refusal->severity() == DocumentRefusal::Severity::Guidance)
        Messages::guidance(this, error.message());
    else
        Messages::error(this, error.message());
}

void DocumentForm::post() {
    if (!editor_)
        return;
    try {
        editor_->post(input());
    } catch (const StoreError& e) {
        showRefusal(e);
        return;
    }
    prepareNextDocument();
}

void DocumentForm::print() {
    if (!editor_)
        return;
    const PostedDocument last = editor_->lastPosted();
    try {
        auto preview = documentPreview(descriptor_.printLayout, last.number, last.amount, this);
        preview->setAttribute(Qt::WA_DeleteOnClose);
        runModal(preview.release());
    } catch (const StoreError& e) {
        Messages::error(this, e.message());
    }
}

void DocumentForm::leave() {
    if (editor_ && editor_->hasUnpostedLines() &&
        !Messages::confirm(this, QStringLiteral("数据还没有保存,真的要退出吗？")))
        return;
    try {
        if (editor_)
            editor_->discard();
    } catch (const StoreError& e) {
        Messages::error(this, e.message());
    }
    leaving_ = true;
    close();
}

void DocumentForm::closeEvent(QCloseEvent* event) {
    if (leaving_) {
        ModalWindow::closeEvent(event);
        return;
    }
    event->ignore();
    leave();
}

bool DocumentForm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut && !inLeaveAction_)
        boxLeft(watched->objectName());
    return ModalWindow::eventFilter(watched, event);
}

void DocumentForm::boxLeft(const QString& objectName) {
    auto action = std::find_if(descriptor_.leaveActions.begin(), descriptor_.leaveActions.end(),
                               [&](const auto& entry) { return entry.first == objectName; });
    if (action == descriptor_.leaveActions.end() || !editor_)
        return;
    auto* box = findChild<QLineEdit*>(objectName);
    if (!box || box->text().trimmed().isEmpty())
        return;
    inLeaveAction_ = true;
    try {
        switch (action->second) {
        case LeaveAction::ResolveUnitKeepUnknown:
        case LeaveAction::ResolveUnitClearUnknown:
            if (auto name = resolveUnitName(box->text())) {
                box->setText(*name);
            } else if (action->second == LeaveAction::ResolveUnitClearUnknown) {
                box->clear();
                box->setFocus();
                Messages::guidance(
                    this, QStringLiteral("没有找到你所输入的单位信息，请按F1从清单查找或增加！"));
            }
            break;
        case LeaveAction::ResolveWarehouse:
            if (auto name = resolveWarehouseName(box->text())) {
                box->setText(*name);
            } else {
                box->clear();
                box->setFocus();
                Messages::guidance(this, QStringLiteral("没有找到您所输入的仓库信息,请重输入"));
            }
            break;
        case LeaveAction::CopyInboundNote:
            // Only a number typed anew is copied, not one the focus merely passed through.
            if (box->isModified()) {
                box->setModified(false);
                if (auto from = copyInboundNoteLines(box->text().trimmed(), editor_->number())) {
                    setText(DocumentField::Warehouse, *from);
                    lineStored();
                } else {
                    box->clear();
                    box->setFocus();
                    Messages::guidance(
                        this, QStringLiteral("没有找到您所输入的入库单编号的入库单信息,请重输入"));
                }
            }
            break;
        case LeaveAction::RefuseSourceWarehouse:
        case LeaveAction::None:
            break;
        }
    } catch (const StoreError& e) {
        Messages::error(this, e.message());
    }
    inLeaveAction_ = false;
}

void DocumentForm::refuseSameWarehouse() {
    const QString destination = text(DocumentField::DestinationWarehouse).trimmed();
    if (destination.isEmpty() || destination != warehouse().trimmed())
        return;
    setText(DocumentField::DestinationWarehouse, {});
    boxes_.at(DocumentField::DestinationWarehouse)->setFocus();
    Messages::error(this, QStringLiteral("调出仓库,调入仓库不能一样!"));
}
