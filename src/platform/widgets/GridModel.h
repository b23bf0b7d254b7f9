#pragma once

#include "platform/widgets/GridColumn.h"
#include "store/Sql.h"

#include <QAbstractTableModel>
#include <QColor>
#include <QSqlQueryModel>
#include <QSqlRecord>
#include <functional>

// The rows of one query, shown through a window's column list: columns chosen, titled and
// ordered by the list, numbers in their display masks. Rows are fetched in batches as the
// view scrolls, so 100,000 rows open at once. value() reads any field of the query, shown
// or not (a line id, a key).
class GridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    // The background of a cell; an invalid colour leaves it plain. `column` indexes the
    // column list.
    using ColourHook = std::function<QColor(const GridModel& model, int row, int column)>;

    explicit GridModel(QObject* parent = nullptr);

    void setColumns(GridColumns columns);
    const GridColumns& columns() const { return columns_; }
    void setColourHook(ColourHook hook);

    // Runs the query with bound values; throws StoreError when the database refuses it.
    void setQuery(const QString& statement, const Sql::Params& params = {});
    // No rows until the next setQuery.
    void clear();
    const QString& statement() const { return statement_; }
    const Sql::Params& params() const { return params_; }

    QVariant value(int row, const QString& field) const;
    QString displayText(int row, int column) const;
    // Fetches the rest of the rows (for a search over all of them).
    void fetchAll();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    bool canFetchMore(const QModelIndex& parent) const override;
    void fetchMore(const QModelIndex& parent) override;

private:
    void mapFields();

    GridColumns columns_;
    std::vector<int> fieldIndex_; // per column, the query field it shows (-1: none)
    QSqlQueryModel source_;
    QSqlRecord record_; // the query's fields
    QString statement_;
    Sql::Params params_;
    ColourHook colourHook_;
    bool resetting_ = false;
};

// A stored value as a column shows it: through its mask when it has one.
QString formatCell(const GridColumn& column, const QVariant& stored);
