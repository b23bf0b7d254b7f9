#include "platform/widgets/GridModel.h"

#include "platform/format/DisplayMask.h"
#include "store/Database.h"
#include "store/StoreError.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

QString formatCell(const GridColumn& column, const QVariant& stored) {
    if (column.mask.isEmpty() || stored.isNull() || stored.toString().isEmpty())
        return stored.toString();
    if (column.money)
        return applyMask(Sql::money(stored), column.mask);
    return applyMask(stored.toDouble(), column.mask);
}

GridModel::GridModel(QObject* parent) : QAbstractTableModel(parent) {
    // The source's row batches become this model's rows; those it fetches while a new query
    // is set up are part of that reset.
    connect(&source_, &QAbstractItemModel::rowsAboutToBeInserted, this,
            [this](const QModelIndex&, int first, int last) {
                if (!resetting_)
                    beginInsertRows({}, first, last);
            });
    connect(&source_, &QAbstractItemModel::rowsInserted, this, [this] {
        if (!resetting_)
            endInsertRows();
    });
}

void GridModel::setColumns(GridColumns columns) {
    beginResetModel();
    columns_ = std::move(columns);
    mapFields();
    endResetModel();
}

void GridModel::setColourHook(ColourHook hook) {
    colourHook_ = std::move(hook);
    if (rowCount() > 0)
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1),
                         {Qt::BackgroundRole});
}

void GridModel::setQuery(const QString& statement, const Sql::Params& params) {
    QSqlQuery query(Database::connection());
    if (!query.prepare(statement))
        throw StoreError(query.lastError().text());
    for (const QVariant& p : params)
        query.addBindValue(p);
    if (!query.exec())
        throw StoreError(query.lastError().text());
    beginResetModel();
    resetting_ = true;
    statement_ = statement;
    params_ = params;
    source_.setQuery(std::move(query));
    mapFields();
    resetting_ = false;
    endResetModel();
}

void GridModel::clear() {
    beginResetModel();
    resetting_ = true;
    statement_.clear();
    params_.clear();
    source_.clear();
    mapFields();
    resetting_ = false;
    endResetModel();
}

void GridModel::mapFields() {
    record_ = source_.record();
    fieldIndex_.clear();
    for (const GridColumn& column : columns_)
        fieldIndex_.push_back(record_.indexOf(column.field));
}

QVariant GridModel::value(int row, const QString& field) const {
    const int fieldIndex = record_.indexOf(field);
    if (fieldIndex < 0 || row < 0 || row >= rowCount())
        return {};
    return source_.data(source_.index(row, fieldIndex));
}

QString GridModel::displayText(int row, int column) const {
    const int field = fieldIndex_[column];
    if (field < 0)
        return {};
    return formatCell(columns_[column], source_.data(source_.index(row, field)));
}

void GridModel::fetchAll() {
    while (source_.canFetchMore())
        source_.fetchMore();
}

int GridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : source_.rowCount();
}

int GridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(columns_.size());
}

QVariant GridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return displayText(index.row(), index.column());
    case Qt::TextAlignmentRole:
        return columns_[index.column()].mask.isEmpty()
                   ? QVariant(Qt::AlignLeft | Qt::AlignVCenter)
                   : QVariant(Qt::AlignRight | Qt::AlignVCenter);
    case Qt::BackgroundRole:
        if (colourHook_) {
            const QColor colour = colourHook_(*this, index.row(), index.column());
            if (colour.isValid())
                return colour;
        }
        return {};
    default:
        return {};
    }
}

QVariant GridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= columnCount())
        return QAbstractTableModel::headerData(section, orientation, role);
    return columns_[section].title;
}

bool GridModel::canFetchMore(const QModelIndex& parent) const {
    return !parent.isValid() && source_.canFetchMore();
}

void GridModel::fetchMore(const QModelIndex& parent) {
    if (!parent.isValid())
        source_.fetchMore();
}
