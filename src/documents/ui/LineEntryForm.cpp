#include "documents/ui/LineEntryForm.h"

#include "documents/ItemCandidates.h"
#include "documents/ui/DocumentForm.h"
#include "platform/format/DisplayMask.h"
#include "platform/widgets/DataGrid.h"
#include "platform/widgets/EnterFocusChain.h"
#include "platform/widgets/Labels.h"
#include "platform/widgets/Messages.h"
#include "platform/widgets/ModalRunner.h"
#include "platform/widgets/StatusPanels.h"
#include "platform/widgets/WindowParts.h"
#include "reference/TInitProduceInfoForm.h"
#include "store/StoreError.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSplitter>
#include <QTableView>
#include <QVBoxLayout>

namespace {

const QStringList ItemLabels{QStringLiteral("物品编号"), QStringLiteral("物品名称"),
                             QStringLiteral("物品规格"), QStringLiteral("物品单位"),
                             QStringLiteral("物品品牌"), QStringLiteral("物品类型")};

GridColumns itemColumns(ItemSource source) {
    const bool stock = source == ItemSource::StockOfWarehouse;
    return {{QStringLiteral("物品类别"), QStringLiteral("物品类别"), {}, false, {}, {}, 90},
            {QStringLiteral("物品编号"), QStringLiteral("物品编号"), {}, false, {}, {}, 80},
            {QStringLiteral("物品名称"), QStringLiteral("物品名称"), {}, false, {}, {}, 200},
            {stock ? QStringLiteral("物品型号") : QStringLiteral("物品规格"),
             QStringLiteral("物品规格"),
             {},
             false,
             {},
             {},
             100}};
}

QString priceText(const LineRules& rules, double price) {
    return applyMask(price,
                     rules.price == PriceSource::StockCostMoney ? u"##0.0000" : u"##0.000000");
}

} // namespace

LineEntryForm::LineEntryForm(DocumentForm& document, std::optional<qint64> lineId)
    : ModalWindow(&document, document.descriptor().lineEntry.className,
                  document.descriptor().lineEntry.title),
      descriptor_(document.descriptor()), rules_(document.descriptor().kind.lineRules),
      document_(document), lineId_(lineId) {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(titlePanel(descriptor_.lineEntry.title, this, 4));
    layout->addWidget(buildLists(), 1);
    layout->addWidget(buildLineBoxes());
    layout->addWidget(buildButtons());
    layout->addWidget(
        new StatusPanels(QStringLiteral("StatusBar1"),
                         {QStringLiteral("操作提示"), descriptor_.lineEntry.statusHint}, this));
    resize(820, 560);
    EnterFocusChain::install(this, QList<QWidget*>{price_, quantity_, save_});

    number_->setText(document.number());
    try {
        const ItemQuery categories = categoryQuery(rules_.items, document.warehouse().trimmed());
        categories_->setQuery(categories.statement, categories.params);
        if (lineId)
            loadLine(*lineId);
    } catch (const StoreError& e) {
        Messages::error(this, e.message());
    }
}

QWidget* LineEntryForm::buildLists() {
    auto* splitter = new QSplitter(this);
    categories_ = new DataGrid(
        QStringLiteral("DBGrid1"),
        {{QStringLiteral("物品类别"), QStringLiteral("物品类别"), {}, false, {}, {}, 140}},
        splitter);
    auto* right = new QWidget(splitter);
    auto* rightLayout = new QVBoxLayout(right);
    rightLayout->setContentsMargins(0, 0, 0, 0);
    auto* searchRow = new QHBoxLayout;
    searchText_ = new QLineEdit;
    searchText_->setObjectName(QStringLiteral("Edit1"));
    auto* searchButton = commandButton(QStringLiteral("BitBtn3"), QStringLiteral("查询"));
    searchRow->addWidget(
        buddyLabel(QStringLiteral("Label10"), QStringLiteral("物品名称"), searchText_));
    searchRow->addWidget(searchText_, 1);
    searchRow->addWidget(searchButton);
    rightLayout->addLayout(searchRow);
    items_ = new DataGrid(QStringLiteral("DBGrid2"), itemColumns(rules_.items), right);
    items_->setFrozenColumns(3);
    rightLayout->addWidget(items_);
    splitter->setStretchFactor(1, 1);

    connect(categories_, &DataGrid::currentRowChanged, this,
            [this](int row) { showCategory(row); });
    connect(searchButton, &QPushButton::clicked, this, [this] { search(); });
    connect(items_, &DataGrid::doubleClicked, this, [this](int row) { pick(row); });
    if (lineId_)
        items_->setEnabled(false);
    return splitter;
}

QLineEdit* LineEntryForm::addBox(QGridLayout* grid, int row, int column, const QString& objectName,
                                 const QString& label) {
    auto* box = new QLineEdit;
    box->setObjectName(objectName);
    grid->addWidget(buddyLabel(objectName + QStringLiteral("Label"), label, box), row, column);
    grid->addWidget(box, row, column + 1);
    return box;
}

QWidget* LineEntryForm::buildLineBoxes() {
    const LineEntryDescriptor& s = descriptor_.lineEntry;
    auto* boxes = new QWidget(this);
    auto* grid = new QGridLayout(boxes);
    number_ = addBox(grid, 0, 0, QStringLiteral("DBEdit1"), s.numberLabel);
    number_->setReadOnly(true);
    number_->setFocusPolicy(Qt::NoFocus);
    for (int i = 0; i < 6; ++i) {
        QLineEdit* box = addBox(grid, 1 + i / 3, (i % 3) * 2, s.itemBoxes.value(i), ItemLabels[i]);
        box->setReadOnly(!itemTypedByHand());
        itemBoxes_.push_back(box);
    }
    price_ = addBox(grid, 3, 0, s.priceBox, s.priceLabel);
    price_->setMaxLength(16);
    price_->setReadOnly(rules_.price == PriceSource::StockCost6 ||
                        rules_.price == PriceSource::StockCostMoney);
    quantity_ = addBox(grid, 3, 2, s.quantityBox, QStringLiteral("物品数量"));
    quantity_->setMaxLength(s.quantityMaxLength);
    amount_ = addBox(grid, 3, 4, s.amountBox, QStringLiteral("金额合计"));
    amount_->setReadOnly(true);
    amount_->setFocusPolicy(Qt::NoFocus);
    if (!s.stockBox.isEmpty()) {
        stockBox_ = addBox(grid, 0, 2, s.stockBox, QStringLiteral("库存数量"));
        stockBox_->setReadOnly(true);
        stockBox_->setFocusPolicy(Qt::NoFocus);
    }
    connect(price_, &QLineEdit::textChanged, this, [this] { showAmount(); });
    connect(quantity_, &QLineEdit::textChanged, this, [this] { showAmount(); });
    connect(price_, &QLineEdit::editingFinished, this, [this] { priceOrQuantityLeft(false); });
    connect(quantity_, &QLineEdit::editingFinished, this, [this] { priceOrQuantityLeft(true); });
    return boxes;
}

QWidget* LineEntryForm::buildButtons() {
    auto* buttons = new QWidget(this);
    auto* row = new QHBoxLayout(buttons);
    row->addStretch();
    if (descriptor_.lineEntry.offersNewItem) {
        auto* newItem = commandButton(QStringLiteral("BitBtn1"), QStringLiteral("新增物品"));
        connect(newItem, &QPushButton::clicked, this, [this] {
            runModal(new TInitProduceInfoForm(this));
            showCategory(categories_->currentRow());
        });
        row->addWidget(newItem);
    }
    save_ = commandButton(QStringLiteral("BitBtn2"), QStringLiteral("保存"));
    auto* close = commandButton(QStringLiteral("BitBtn4"), QStringLiteral("关闭"));
    row->addWidget(save_);
    row->addWidget(close);
    connect(save_, &QPushButton::clicked, this, [this] { save(); });
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    return buttons;
}

bool LineEntryForm::itemTypedByHand() const {
    return rules_.items == ItemSource::WholeCatalogue;
}

void LineEntryForm::showCategory(int row) {
    if (row < 0)
        return;
    try {
        const ItemQuery q =
            itemsOfCategory(rules_.items, document_.warehouse().trimmed(),
                            categories_->value(row, QStringLiteral("物品类别")).toString());
        items_->setQuery(q.statement, q.params);
    } catch (const StoreError& e) {
        Messages::error(this, e.message());
    }
}

void LineEntryForm::search() {
    if (searchText_->text().isEmpty())
        return;
    try {
        const ItemQuery q =
            itemsNamed(rules_.items, document_.warehouse().trimmed(), searchText_->text());
        items_->setQuery(q.statement, q.params);
    } catch (const StoreError& e) {
        Messages::error(this, e.message());
    }
}

void LineEntryForm::pick(int row) {
    if (row < 0 || items_->rowCount() == 0)
        return;
    const CandidateRow record = [this, row](const QString& column) {
        return items_->value(row, column);
    };
    line_ = lineFromCandidate(rules_.items, rules_.price, record);
    stock_ = stockOfCandidate(rules_.items, record);
    showLine(*line_);
    for (QLineEdit* box : itemBoxes_)
        box->setReadOnly(true);
    quantity_->clear();
    amount_->clear();
    if (rules_.price == PriceSource::Typed) {
        price_->clear();
        price_->setFocus();
    } else {
        quantity_->setFocus();
    }
}

void LineEntryForm::loadLine(qint64 id) {
    line_ = DocumentLines::find(descriptor_.kind, id);
    if (!line_)
        return;
    if (rules_.items == ItemSource::StockOfWarehouse)
        stock_ = stockQuantity(line_->itemCode, document_.warehouse());
    showLine(*line_);
    quantity_->setText(QString::number(line_->quantity, 'g', 15));
    showAmount();
    quantity_->setFocus();
}

void LineEntryForm::showLine(const DocumentLine& line) {
    const QStringList fields{line.itemCode, line.name,  line.itemSize,
                             line.unit,     line.brand, line.category};
    for (int i = 0; i < 6; ++i)
        itemBoxes_[i]->setText(fields[i]);
    price_->setText(rules_.price == PriceSource::Typed && !lineId_ ? QString()
                                                                   : priceText(rules_, line.price));
    if (stockBox_)
        stockBox_->setText(stock_ ? applyMask(*stock_, u"##0.000") : QString());
}

void LineEntryForm::showAmount() {
    auto price = typedNumber(price_->text());
    auto quantity = typedNumber(quantity_->text());
    amount_->setText(price && quantity ? lineAmount(*quantity, *price).toString(4) : QString());
}

void LineEntryForm::priceOrQuantityLeft(bool quantity) {
    showAmount();
    if (!quantity || rules_.stockCheck == StockCheck::None || !stock_)
        return;
    auto typed = typedNumber(quantity_->text());
    if (typed && aboveStock(*typed, *stock_))
        Messages::error(this, rules_.stockMessage);
}

void LineEntryForm::save() {
    LineDraft draft;
    draft.itemCode = itemBoxes_[0]->text();
    draft.itemName = itemBoxes_[1]->text();
    draft.priceText = price_->text();
    draft.quantityText = quantity_->text();
    draft.stock = stock_;
    if (auto failed = firstFailedCheck(rules_, draft)) {
        if (failed->what == LineCheck::What::PriceOrZero)
            price_->setText(QStringLiteral("0.00"));
        QWidget* focus = items_->view();
        if (failed->focus == LineCheck::Focus::Price)
            focus = price_;
        else if (failed->focus == LineCheck::Focus::Quantity)
            focus = quantity_;
        focus->setFocus();
        if (failed->severity == DocumentRefusal::Severity::Error)
            Messages::error(this, failed->message);
        else
            Messages::guidance(this, failed->message);
        return;
    }
    DocumentLine line = line_.value_or(DocumentLine{});
    if (itemTypedByHand()) {
        line.itemCode = itemBoxes_[0]->text();
        line.name = itemBoxes_[1]->text();
        line.itemSize = itemBoxes_[2]->text();
        line.unit = itemBoxes_[3]->text();
        line.brand = itemBoxes_[4]->text();
        line.category = itemBoxes_[5]->text();
    }
    if (rules_.price == PriceSource::Typed || rules_.price == PriceSource::StockCostEditable)
        line.price = *typedNumber(price_->text());
    line.quantity = *typedNumber(quantity_->text());
    showAmount();
    try {
        if (lineId_)
            DocumentLines::update(descriptor_.kind, line);
        else
            DocumentLines::add(descriptor_.kind, document_.number(), line);
    } catch (const StoreError& e) {
        Messages::error(this, e.message());
        return;
    }
    document_.lineStored();
    if (lineId_) {
        close();
        return;
    }
    clearLine();
}

void LineEntryForm::clearLine() {
    line_.reset();
    stock_.reset();
    for (QLineEdit* box : itemBoxes_) {
        box->clear();
        box->setReadOnly(!itemTypedByHand());
    }
    price_->clear();
    quantity_->clear();
    amount_->clear();
    if (stockBox_)
        stockBox_->clear();
    items_->view()->setFocus();
}
