#include "reference/EditGrid.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPointer>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QTableView>

// Remembers the cell editor it opened, so that the view can commit it on request.
class EditorDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override {
        editor_ = QStyledItemDelegate::createEditor(parent, option, index);
        return editor_;
    }
    QWidget* openEditor() const { return editor_; }

private:
    mutable QPointer<QWidget> editor_;
};

// A table view that can hand an open editor's text to the model on request.
class EditGrid::View : public QTableView {
public:
    explicit View(QWidget* parent) : QTableView(parent), delegate_(new EditorDelegate(this)) {
        setItemDelegate(delegate_);
    }

    void commitOpenEditor() {
        if (state() != EditingState || !delegate_->openEditor())
            return;
        QWidget* editor = delegate_->openEditor();
        commitData(editor);
        closeEditor(editor, QAbstractItemDelegate::NoHint);
    }

private:
    EditorDelegate* delegate_;
};

EditGrid::EditGrid(const QString& objectName, RowsModel* model, QWidget* parent)
    : QWidget(parent), model_(model), frozen_(new View(this)), view_(new View(this)) {
    setObjectName(objectName);
    view_->setObjectName(objectName + QStringLiteral("View"));
    frozen_->setObjectName(objectName + QStringLiteral("Frozen"));
    setUpView(view_);
    setUpView(frozen_);
    frozen_->setSelectionModel(view_->selectionModel());
    frozen_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    frozen_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    frozen_->hide();
    connect(view_->verticalScrollBar(), &QScrollBar::valueChanged, frozen_->verticalScrollBar(),
            &QScrollBar::setValue);
    connect(frozen_->verticalScrollBar(), &QScrollBar::valueChanged, view_->verticalScrollBar(),
            &QScrollBar::setValue);
    connect(view_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current, const QModelIndex& previous) {
                emit currentRowChanged(current.row(), previous.row());
            });
    connect(model_, &QAbstractItemModel::modelReset, this,
            [this] { setFrozenColumns(frozenColumns_); });

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(frozen_);
    layout->addWidget(view_, 1);
    setFocusProxy(view_);
}

void EditGrid::setUpView(View* view) {
    view->setModel(model_);
    view->setSelectionBehavior(QAbstractItemView::SelectItems);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setEditTriggers(QAbstractItemView::AllEditTriggers);
    view->setAlternatingRowColors(true);
    view->verticalHeader()->setDefaultSectionSize(view->fontMetrics().height() + 6);
    view->verticalHeader()->hide();
    view->installEventFilter(this);
    view->viewport()->installEventFilter(this);
    connect(view, &QAbstractItemView::clicked, this,
            [this](const QModelIndex& index) { emit cellClicked(index.row()); });
}

QTableView* EditGrid::view() const {
    return view_;
}

QTableView* EditGrid::viewOf(int column) const {
    return column < frozenColumns_ ? frozen_ : view_;
}

void EditGrid::setFrozenColumns(int count) {
    frozenColumns_ = std::clamp(count, 0, model_->columnCount());
    for (int c = 0; c < model_->columnCount(); ++c) {
        const bool frozen = c < frozenColumns_;
        frozen_->setColumnHidden(c, !frozen);
        view_->setColumnHidden(c, frozen);
    }
    fitColumns();
}

void EditGrid::fitColumns() {
    constexpr int WidestColumn = 280;
    int width = frozen_->frameWidth() * 2;
    for (int c = 0; c < model_->columnCount(); ++c) {
        View* view = c < frozenColumns_ ? frozen_ : view_;
        view->resizeColumnToContents(c);
        view->setColumnWidth(c, std::min(view->columnWidth(c), WidestColumn));
        if (c < frozenColumns_)
            width += view->columnWidth(c);
    }
    frozen_->setFixedWidth(width);
    frozen_->setVisible(frozenColumns_ > 0);
}

int EditGrid::currentRow() const {
    const QModelIndex current = view_->currentIndex();
    return current.isValid() ? current.row() : -1;
}

void EditGrid::setCurrentRow(int row) {
    if (row < 0 || row >= model_->rowCount())
        return;
    const int column = std::max(view_->currentIndex().column(), frozenColumns_);
    view_->setCurrentIndex(model_->index(row, std::min(column, model_->columnCount() - 1)));
}

void EditGrid::focusColumn(const QString& column) {
    const int c = model_->columnIndex(column);
    const int row = currentRow();
    if (c < 0 || row < 0)
        return;
    QTableView* view = viewOf(c);
    view->setCurrentIndex(model_->index(row, c));
    view->setFocus();
}

void EditGrid::commitEdits() {
    frozen_->commitOpenEditor();
    view_->commitOpenEditor();
}

bool EditGrid::hasFocusInside() const {
    QWidget* focus = QApplication::focusWidget();
    return focus && isAncestorOf(focus);
}

bool EditGrid::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && (watched == view_ || watched == frozen_)) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Escape) {
            emit escapePressed();
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
            view->setCurrentIndex(index);
        emit doubleClicked(index.isValid() ? index.row() : -1);
        if (!(model_->flags(index) & Qt::ItemIsEditable))
            return true;
    }
    return QWidget::eventFilter(watched, event);
}
