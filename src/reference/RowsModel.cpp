#include "reference/RowsModel.h"

#include <QSqlRecord>

namespace {

constexpr int BatchSize = 256;

} // namespace

RowsModel::RowsModel(QString table, QList<Column> columns, QObject* parent)
    : QAbstractTableModel(parent), table_(std::move(table)), columns_(std::move(columns)) {}

void RowsModel::setSelection(QString condition, Sql::Params params, QString orderBy) {
    condition_ = std::move(condition);
    params_ = std::move(params);
    orderBy_ = std::move(orderBy);
    reload();
}

void RowsModel::reload() {
    beginResetModel();
    pending_.reset();
    rows_ = fetch(0, BatchSize);
    complete_ = rows_.size() < BatchSize;
    endResetModel();
}

QList<RowsModel::StoredRow> RowsModel::fetch(int offset, int limit) const {
    QSqlQuery query = Sql::exec(
        QStringLiteral("SELECT rowid AS \"#rowid\", * FROM \"%1\" WHERE %2 ORDER BY %3 LIMIT %4 "
                       "OFFSET %5")
            .arg(table_, condition_, orderBy_)
            .arg(limit)
            .arg(offset),
        params_);
    QList<StoredRow> rows;
    while (query.next()) {
        Row values = currentRow(query);
        const qint64 id = values.take(QStringLiteral("#rowid")).toLongLong();
        rows.append({id, values});
    }
    return rows;
}

void RowsModel::setEditableColumns(QStringList columns) {
    editable_ = std::move(columns);
}

QString RowsModel::columnName(int column) const {
    return columns_.value(column).column;
}

int RowsModel::columnIndex(const QString& name) const {
    for (int i = 0; i < columns_.size(); ++i)
        if (columns_[i].column == name)
            return i;
    return -1;
}

qint64 RowsModel::rowId(int row) const {
    return row >= 0 && row < rows_.size() ? rows_[row].id : -1;
}

int RowsModel::rowOfId(qint64 rowId) const {
    for (int i = 0; i < rows_.size(); ++i)
        if (rows_[i].id == rowId)
            return i;
    return -1;
}

Row RowsModel::row(int row) const {
    Row values = row < rows_.size() ? rows_.value(row).values : Row();
    if (pending_ && pending_->row == row)
        values.insert(pending_->values);
    return values;
}

QVariant RowsModel::valueAt(int row, const QString& column) const {
    if (pending_ && pending_->row == row && pending_->values.contains(column))
        return pending_->values.value(column);
    return row < rows_.size() ? rows_[row].values.value(column) : QVariant();
}

int RowsModel::appendRow(const Row& values) {
    discardPending();
    const int row = rowCount();
    beginInsertRows({}, row, row);
    pending_ = Pending{row, true, values};
    endInsertRows();
    return row;
}

void RowsModel::setValue(int row, const QString& column, const QVariant& value) {
    if (row < 0 || row >= rowCount())
        return;
    if (!pending_ || pending_->row != row) {
        discardPending();
        pending_ = Pending{row, false, {}};
    }
    pending_->values.insert(column, value);
    const int col = columnIndex(column);
    if (col >= 0)
        emit dataChanged(index(row, col), index(row, col));
}

int RowsModel::pendingRow() const {
    return pending_ ? pending_->row : -1;
}

bool RowsModel::pendingIsNew() const {
    return pending_ && pending_->isNew;
}

Row RowsModel::pendingValues() const {
    return pending_ ? pending_->values : Row();
}

void RowsModel::discardPending() {
    if (!pending_)
        return;
    const Pending old = *pending_;
    pending_.reset();
    if (old.isNew) {
        beginRemoveRows({}, old.row, old.row);
        endRemoveRows();
    } else {
        emit dataChanged(index(old.row, 0), index(old.row, columnCount() - 1));
    }
}

void RowsModel::keepPending() {
    if (!pending_ || pending_->isNew)
        return;
    rows_[pending_->row].values.insert(pending_->values);
    pending_.reset();
}

int RowsModel::findRow(const QString& column, const QVariant& value) {
    for (int row = 0;; ++row) {
        if (row >= rows_.size()) {
            if (!canFetchMore({}))
                return -1;
            fetchMore({});
            if (row >= rows_.size())
                return -1;
        }
        if (rows_[row].values.value(column) == value)
            return row;
    }
}

int RowsModel::rowCount(const QModelIndex& parent) const {
    if (parent.isValid())
        return 0;
    return rows_.size() + (pendingIsNew() ? 1 : 0);
}

int RowsModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : columns_.size();
}

QVariant RowsModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    return valueAt(index.row(), columnName(index.column()));
}

QVariant RowsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole)
        return columns_.value(section).title;
    return QAbstractTableModel::headerData(section, orientation, role);
}

Qt::ItemFlags RowsModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    if (index.isValid() && editable_.contains(columnName(index.column())))
        flags |= Qt::ItemIsEditable;
    return flags;
}

bool RowsModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable))
        return false;
    if (valueAt(index.row(), columnName(index.column())) == value)
        return true;
    setValue(index.row(), columnName(index.column()), value);
    return true;
}

bool RowsModel::canFetchMore(const QModelIndex& parent) const {
    return !parent.isValid() && !complete_ && !pendingIsNew();
}

void RowsModel::fetchMore(const QModelIndex& parent) {
    if (!canFetchMore(parent))
        return;
    const QList<StoredRow> more = fetch(rows_.size(), BatchSize);
    complete_ = more.size() < BatchSize;
    if (more.isEmpty())
        return;
    beginInsertRows({}, rows_.size(), rows_.size() + more.size() - 1);
    rows_.append(more);
    endInsertRows();
}
