#pragma once

#include "documents/DocumentKind.h"
#include "store/Money.h"

#include <QString>
#include <vector>

// The lines of one document with the same item and the same unit price, summed.
struct ItemGroup {
    QString itemCode;
    QString itemName; // from the item catalogue, empty when the item is gone
    QString category; // the lines' 物品类型
    QString brand;
    QString itemSize;
    QString unit;
    double price = 0;
    double quantity = 0;
    Money amount;
};

std::vector<ItemGroup> loadItemGroups(const DocumentKind& kind, const QString& number);

struct DocumentTotals {
    double quantity = 0;
    Money amount;
};

DocumentTotals loadTotals(const DocumentKind& kind, const QString& number);
