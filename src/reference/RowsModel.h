#pragma once

#include "reference/Row.h"

#include <QAbstractTableModel>
#include <optional>

// The rows of one table (or of one selection within it) for a grid, fetched in batches
// as the grid scrolls. At most one row is pending: a new row not yet stored, or edits of
// a stored row. The model never writes; the window hands the pending values to the logic
// that stores them and then reloads.
class RowsModel : public QAbstractTableModel {
    Q_OBJECT
public:
    // A column the grid shows: the table column and its title.
    struct Column {
        QString column;
        QString title;
    };

    RowsModel(QString table, QList<Column> columns, QObject* parent = nullptr);

    // Which rows are shown and in which order; the condition is program text with '?' for
    // its bound values. Reloads.
    void setSelection(QString condition, Sql::Params params, QString orderBy);
    void reload();

    // Columns the user may edit now; none makes the grid read-only.
    void setEditableColumns(QStringList columns);
    QString columnName(int column) const;
    int columnIndex(const QString& name) const;

    qint64 rowId(int row) const;     // -1 for a pending new row
    Row row(int row) const;          // every column of the table, pending edits included
    int rowOfId(qint64 rowId) const; // among the rows fetched; -1 when not fetched

    // Adds a pending new row at the end with the given values and returns its index.
    int appendRow(const Row& values);
    // Changes a value; on a stored row this starts (or extends) its pending edit.
    void setValue(int row, const QString& column, const QVariant& value);
    int pendingRow() const; // -1 when nothing is pending
    bool pendingIsNew() const;
    // A new row's values, or the columns an edit changed.
    Row pendingValues() const;
    void discardPending();
    // The pending edit of a stored row has been stored: its values become the row's.
    void keepPending();
    // The first row whose column holds the value, fetching further rows as needed; -1 when
    // none.
    int findRow(const QString& column, const QVariant& value);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    bool canFetchMore(const QModelIndex& parent) const override;
    void fetchMore(const QModelIndex& parent) override;

private:
    struct StoredRow {
        qint64 id;
        Row values;
    };
    struct Pending {
        int row;
        bool isNew;
        Row values;
    };

    QList<StoredRow> fetch(int offset, int limit) const;
    QVariant valueAt(int row, const QString& column) const;

    QString table_;
    QList<Column> columns_;
    QString condition_ = QStringLiteral("1");
    Sql::Params params_;
    QString orderBy_ = QStringLiteral("rowid");
    QStringList editable_;
    QList<StoredRow> rows_;
    bool complete_ = false;
    std::optional<Pending> pending_;
};
