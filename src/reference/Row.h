#pragma once

#include "store/Sql.h"

#include <QSqlQuery>
#include <QVariantMap>

// One row of a table as column name → value.
using Row = QVariantMap;

Sql::Values valuesOf(const Row& row);
// The query's current row, every column by name.
Row currentRow(const QSqlQuery& query);
// The first row a statement selects; empty when there is none.
Row firstRow(const QString& statement, const Sql::Params& params = {});
