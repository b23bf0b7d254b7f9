#pragma once

#include "documents/DocumentEditor.h"
#include "documents/DocumentKinds.h"
#include "documents/DocumentLines.h"
#include "documents/StockRules.h"
#include "support/TestDatabase.h"

#include <optional>

// A database with a small catalogue: items, stock rows and document lines made to measure.
class DocumentFixture : public DatabaseTest {
protected:
    static void addItem(const QString& code, const QString& name, const QString& warehouse);
    static void addStock(const QString& code, const QString& warehouse, double quantity,
                         const char* totalCost, double averageCost);
    static std::optional<StockState> stock(const QString& code, const QString& warehouse);
    static qint64 addLine(const DocumentKind& kind, const QString& number, const QString& code,
                          double price, double quantity);

    struct JournalRow {
        QString warehouse;
        double inQuantity, outQuantity;
        Money inAmount, outAmount;
        QString movement, counterparty, source, number;
        double stockAfter;
        Money amountAfter;
    };
    static std::vector<JournalRow> journal();
    static DocumentInput input(const QString& warehouse);
};
