#pragma once

#include "documents/DocumentKind.h"
#include "store/Money.h"

#include <optional>
#include <vector>

// One line of a stock document, as its detail table keeps it. Lines are written while the
// document is entered, before its header exists.
struct DocumentLine {
    qint64 id = 0; // the line's auto number
    QString itemCode;
    QString brand;
    QString category; // 物品类型
    QString name;
    QString itemSize;
    QString unit;
    double price = 0;
    double quantity = 0;
    Money amount;
};

// The amount of a line: quantity × price, exact, rounded once to 4 decimals.
Money lineAmount(double quantity, double price);

namespace DocumentLines {
// Stores a new line under the number; the amount is computed from quantity and price.
qint64 add(const DocumentKind& kind, const QString& number, DocumentLine line);
// Rewrites the line with line.id: item fields, price, quantity and the amount.
void update(const DocumentKind& kind, DocumentLine line);
void remove(const DocumentKind& kind, qint64 id);
void removeAll(const DocumentKind& kind, const QString& number);
std::vector<DocumentLine> list(const DocumentKind& kind, const QString& number);
std::optional<DocumentLine> find(const DocumentKind& kind, qint64 id);
} // namespace DocumentLines
