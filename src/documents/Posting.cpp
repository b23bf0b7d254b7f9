#include "documents/Posting.h"

#include "documents/DocumentRefusal.h"
#include "documents/ItemGroups.h"
#include "documents/StockRows.h"
#include "store/Decimal.h"
#include "store/Journal.h"
#include "store/Sql.h"
#include "store/Transaction.h"

#include <cmath>

namespace {

double storedTotalQuantity(QuantityTotal rule, double quantity) {
    switch (rule) {
    case QuantityTotal::Plain:
        return quantity;
    case QuantityTotal::TwoDecimals:
        return roundDecimals(quantity, 2);
    case QuantityTotal::WholeHalfEven:
        return std::nearbyint(quantity);
    }
    return quantity;
}

QString textOf(DocumentField field, const DocumentInput& in) {
    switch (field) {
    case DocumentField::Number:
        return in.number.trimmed();
    case DocumentField::Counterparty:
        return in.counterparty;
    case DocumentField::Type:
        return in.type;
    case DocumentField::Summary:
        return in.summary;
    case DocumentField::Warehouse:
        return in.warehouse.trimmed();
    case DocumentField::DestinationWarehouse:
        return in.destinationWarehouse.trimmed();
    case DocumentField::Reason:
        return in.reason;
    case DocumentField::TargetNumber:
        return in.targetNumber;
    case DocumentField::Maker:
        return in.maker;
    case DocumentField::Handler:
        return in.handler;
    case DocumentField::Checker:
        return in.checker;
    case DocumentField::GainOrLoss:
        return in.gain ? QStringLiteral("盘盈") : QStringLiteral("盘损");
    case DocumentField::Date:
    case DocumentField::TotalQuantity:
    case DocumentField::TotalAmount:
        break;
    }
    return {};
}

QVariant headerValue(const DocumentKind& kind, DocumentField field, const DocumentInput& in,
                     const DocumentTotals& totals) {
    switch (field) {
    case DocumentField::Date:
        return in.date;
    case DocumentField::TotalQuantity:
        return storedTotalQuantity(kind.quantityTotal, totals.quantity);
    case DocumentField::TotalAmount:
        return QVariant::fromValue(totals.amount);
    default:
        return textOf(field, in);
    }
}

void purgeZeroQuantityLines(const DocumentKind& kind) {
    Sql::exec(QStringLiteral("DELETE FROM \"%1\" WHERE 物品数量 = 0").arg(kind.lineTable));
}

void writeHeader(const DocumentKind& kind, const DocumentInput& in, const DocumentTotals& totals) {
    Sql::Values values;
    for (const auto& [column, field] : kind.headerMap)
        values.emplace_back(column, headerValue(kind, field, in, totals));
    Sql::insert(kind.headerTable, values);
}

StockState moveStock(const MovementLeg& leg, StockRows& stock, const ItemGroup& g,
                     const QString& warehouse) {
    if (auto row = stock.find(g.itemCode, warehouse)) {
        StockState next = applyStockRule(leg.rule, *row, g.quantity, g.amount);
        stock.store(g.itemCode, warehouse, next);
        return next;
    }
    switch (leg.missing) {
    case MissingStockRow::CreateFromCatalogue: {
        StockState fresh = newStockState(g.quantity, g.amount);
        stock.createFromCatalogue(g.itemCode, warehouse, fresh);
        return fresh;
    }
    case MissingStockRow::Refuse:
        throw DocumentRefusal(leg.missingMessage, DocumentRefusal::Severity::Error);
    case MissingStockRow::Skip:
        break;
    }
    return {};
}

QString journalCounterparty(const DocumentKind& kind, const DocumentInput& in) {
    if (!kind.fixedJournalCounterparty.isEmpty())
        return kind.fixedJournalCounterparty;
    return textOf(kind.journalCounterparty, in);
}

void writeJournal(const DocumentKind& kind, const MovementLeg& leg, const DocumentInput& in,
                  const ItemGroup& g, const QString& warehouse, const StockState& after) {
    JournalEntry e;
    e.itemCode = g.itemCode;
    e.itemName = g.itemName;
    e.warehouse = warehouse;
    e.direction = leg.direction;
    e.quantity = g.quantity;
    e.amount = g.amount;
    e.date = in.date;
    e.movement = leg.movementName;
    e.counterparty = journalCounterparty(kind, in);
    e.handler = in.handler;
    e.brand = g.brand;
    e.category = g.category;
    e.itemSize = g.itemSize;
    e.unit = g.unit;
    e.unitPrice = Money::fromDouble(g.price);
    e.documentNumber = in.number.trimmed();
    e.documentKind = kind.journalSource;
    e.stockAfter = after.quantity;
    e.amountAfter = after.totalCost;
    appendJournal(e);
}

void postItemGroups(const DocumentKind& kind, const DocumentInput& in) {
    const std::vector<MovementLeg> legs = kind.legsFor ? kind.legsFor(in) : kind.legs;
    if (legs.empty())
        return;
    StockRows stock;
    for (const ItemGroup& g : loadItemGroups(kind, in.number.trimmed())) {
        for (const MovementLeg& leg : legs) {
            const QString warehouse = textOf(leg.warehouse, in);
            const StockState after = moveStock(leg, stock, g, warehouse);
            writeJournal(kind, leg, in, g, warehouse, after);
        }
    }
}

} // namespace

PostedDocument postDocument(const DocumentKind& kind, const DocumentInput& input) {
    const QString number = input.number.trimmed();
    Transaction transaction;
    purgeZeroQuantityLines(kind);
    const DocumentTotals totals = loadTotals(kind, number);
    if (kind.precondition) {
        if (QString refusal = kind.precondition(input, totals); !refusal.isEmpty())
            throw DocumentRefusal(refusal, DocumentRefusal::Severity::Guidance);
    }
    writeHeader(kind, input, totals);
    postItemGroups(kind, input);
    appendOperationLog(kind.logPrefix + number);
    transaction.commit();
    return {number, totals.amount};
}
