#include "platform/widgets/DataGrid.h"

#include "platform/widgets/GridFindDialog.h"
#include "platform/widgets/GridFooter.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QScrollBar>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

DataGrid::DataGrid(const QString& objectName, GridColumns columns, QWidget* parent)
    : QWidget(parent), model_(new GridModel(this)), view_(new QTableView(this)),
      frozen_(new QTableView(view_)), footer_(nullptr) {
    setObjectName(objectName);
    model_->setColumns(std::move(columns));

    view_->setObjectName(objectName + QStringLiteral("View"));
    view_->setModel(model_);
    view_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view_->setSelectionBehavior(QAbstractItemView::SelectRows);
    view_->setSelectionMode(QAbstractItemView::SingleSelection);
    view_->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    view_->setAlternatingRowColors(true);
    view_->verticalHeader()->setDefaultSectionSize(view_->fontMetrics().height() + 6);
    view_->verticalHeader()->hide();
    view_->installEventFilter(this);
    view_->viewport()->installEventFilter(this);
    setFocusProxy(view_);
    applyColumnWidths();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(view_);
    const GridColumns& list = model_->columns();
    if (std::any_of(list.begin(), list.end(), [](const GridColumn& c) { return c.hasFooter(); })) {
        footer_ = new GridFooter(view_, this);
        layout->addWidget(footer_);
    }
    setUpFrozenView();
    connect(view_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) { emit currentRowChanged(current.row()); });
    updateFooter();
}

void DataGrid::setUpFrozenView() {
    frozen_->setObjectName(objectName() + QStringLiteral("Frozen"));
    frozen_->setModel(model_);
    frozen_->setSelectionModel(view_->selectionModel());
    frozen_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    frozen_->setSelectionBehavior(QAbstractItemView::SelectRows);
    frozen_->setFocusPolicy(Qt::NoFocus);
    frozen_->verticalHeader()->hide();
    frozen_->verticalHeader()->setDefaultSectionSize(view_->verticalHeader()->defaultSectionSize());
    frozen_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    frozen_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    frozen_->setVerticalScrollMode(view_->verticalScrollMode());
    frozen_->setAlternatingRowColors(true);
    frozen_->setStyleSheet(QStringLiteral("QTableView { border: none; }"));
    frozen_->viewport()->installEventFilter(this);
    frozen_->hide();
    connect(view_->verticalScrollBar(), &QScrollBar::valueChanged, frozen_->verticalScrollBar(),
            &QScrollBar::setValue);
    connect(frozen_->verticalScrollBar(), &QScrollBar::valueChanged, view_->verticalScrollBar(),
            &QScrollBar::setValue);
    connect(view_->horizontalHeader(), &QHeaderView::sectionResized, this,
            [this](int column, int, int size) {
                if (column < frozenColumns_)
                    frozen_->setColumnWidth(column, size);
                placeFrozenView();
            });
    // A new query resets the header, and with it the columns' widths.
    connect(model_, &QAbstractItemModel::modelReset, this, [this] {
        applyColumnWidths();
        setFrozenColumns(frozenColumns_);
    });
}

void DataGrid::applyColumnWidths() {
    const GridColumns& columns = model_->columns();
    for (int c = 0; c < int(columns.size()); ++c)
        if (columns[c].width > 0)
            view_->setColumnWidth(c, columns[c].width);
}

void DataGrid::setFrozenColumns(int count) {
    frozenColumns_ = std::clamp(count, 0, model_->columnCount());
    for (int c = 0; c < model_->columnCount(); ++c) {
        frozen_->setColumnHidden(c, c >= frozenColumns_);
        if (c < frozenColumns_)
            frozen_->setColumnWidth(c, view_->columnWidth(c));
    }
    frozen_->setVisible(frozenColumns_ > 0);
    if (footer_)
        footer_->setFrozenColumns(frozenColumns_);
    placeFrozenView();
}

void DataGrid::placeFrozenView() {
    if (frozenColumns_ == 0)
        return;
    int width = 0;
    for (int c = 0; c < frozenColumns_; ++c)
        width += view_->columnWidth(c);
    frozen_->setGeometry(view_->frameWidth(), view_->frameWidth(), width,
                         view_->viewport()->height() + view_->horizontalHeader()->height());
    frozen_->horizontalHeader()->setFixedHeight(view_->horizontalHeader()->height());
}

void DataGrid::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    placeFrozenView();
}

void DataGrid::setQuery(const QString& statement, const Sql::Params& params) {
    try {
        model_->setQuery(statement, params);
        updateFooter();
    } catch (...) {
        clear();
        throw;
    }
}

void DataGrid::refresh() {
    if (model_->statement().isEmpty())
        return;
    const int row = currentRow();
    setQuery(model_->statement(), model_->params());
    setCurrentRow(std::min(row, rowCount() - 1));
}

void DataGrid::clear() {
    model_->clear();
    updateFooter();
}

void DataGrid::updateFooter() {
    if (!footer_)
        return;
    const QStringList texts =
        ::footerTexts(model_->columns(), model_->statement(), model_->params());
    footer_->setTexts(texts, model_->columns());
}

void DataGrid::setColourHook(GridModel::ColourHook hook) {
    model_->setColourHook(std::move(hook));
}

int DataGrid::rowCount() const {
    return model_->rowCount();
}

int DataGrid::currentRow() const {
    const QModelIndex current = view_->currentIndex();
    return current.isValid() ? current.row() : -1;
}

void DataGrid::setCurrentRow(int row) {
    if (row < 0 || row >= rowCount())
        return;
    const int column = std::max(view_->currentIndex().column(), 0);
    view_->setCurrentIndex(model_->index(row, column));
}

QVariant DataGrid::value(int row, const QString& field) const {
    return model_->value(row, field);
}

QVariant DataGrid::currentValue(const QString& field) const {
    return model_->value(currentRow(), field);
}

QString DataGrid::displayText(int row, int column) const {
    return model_->displayText(row, column);
}

QStringList DataGrid::footerTexts() const {
    return footer_ ? footer_->texts() : QStringList();
}

int DataGrid::findNext(const QString& text, int column, int fromRow) const {
    if (text.isEmpty())
        return -1;
    for (int row = fromRow + 1;; ++row) {
        if (row >= model_->rowCount()) {
            if (!model_->canFetchMore({}))
                return -1;
            model_->fetchMore({});
            continue;
        }
        for (int c = 0; c < model_->columnCount(); ++c)
            if ((column < 0 || c == column) &&
                model_->displayText(row, c).contains(text, Qt::CaseInsensitive))
                return row;
    }
}

void DataGrid::showFindDialog() {
    if (!findDialog_)
        findDialog_ = new GridFindDialog(this);
    findDialog_->show();
    findDialog_->raise();
    findDialog_->activateWindow();
}

bool DataGrid::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && watched == view_) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->matches(QKeySequence::Find)) {
            showFindDialog();
            return true;
        }
        if (key->key() >= Qt::Key_F1 && key->key() <= Qt::Key_F12 &&
            key->modifiers() == Qt::NoModifier) {
            emit functionKeyPressed(key->key());
            return true;
        }
    }
    if (event->type() == QEvent::MouseButtonDblClick &&
        (watched == view_->viewport() || watched == frozen_->viewport())) {
        auto* view = watched == view_->viewport() ? view_ : frozen_;
        const QModelIndex index = view->indexAt(static_cast<QMouseEvent*>(event)->pos());
        if (index.isValid())
            view_->setCurrentIndex(index);
        emit doubleClicked(index.isValid() ? index.row() : -1);
        return true;
    }
    return QWidget::eventFilter(watched, event);
}
