#pragma once

#include "documents/StockRules.h"

#include <QHash>
#include <QString>
#include <optional>

// The stock rows one posting reads and writes, keyed by item and warehouse. Rows are read
// once and kept, so two groups of one item see each other's changes without reading again.
class StockRows {
public:
    std::optional<StockState> find(const QString& itemCode, const QString& warehouse);
    void store(const QString& itemCode, const QString& warehouse, const StockState& state);
    // A new row from the item catalogue, in the given warehouse.
    void createFromCatalogue(const QString& itemCode, const QString& warehouse,
                             const StockState& state);

private:
    static QString key(const QString& itemCode, const QString& warehouse);
    QHash<QString, std::optional<StockState>> rows_;
};
