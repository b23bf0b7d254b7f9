#pragma once

#include "documents/DocumentLines.h"
#include "documents/LineRules.h"
#include "store/Sql.h"

#include <functional>

// The items a line-entry window offers, as the queries its two lists show: the categories,
// then the items of one category or those whose name contains a text. Every query reads
// one table (the catalogue or the stock rows of the warehouse), so a picked row carries
// the item's fields, and for stock rows its quantity and average cost.
struct ItemQuery {
    QString statement;
    Sql::Params params;
};

ItemQuery categoryQuery(ItemSource source, const QString& warehouse);
ItemQuery itemsOfCategory(ItemSource source, const QString& warehouse, const QString& category);
ItemQuery itemsNamed(ItemSource source, const QString& warehouse, const QString& text);

// A row of the item list: its value for a column name.
using CandidateRow = std::function<QVariant(const QString& column)>;

// The line a picked row starts, with the price its kind gives it (0 when typed by the user).
DocumentLine lineFromCandidate(ItemSource source, PriceSource price, const CandidateRow& row);
// The stock quantity shown beside a picked stock row; nullopt for catalogue rows.
std::optional<double> stockOfCandidate(ItemSource source, const CandidateRow& row);

// The stock quantity of an item in a warehouse, for a line being changed.
std::optional<double> stockQuantity(const QString& itemCode, const QString& warehouse);
