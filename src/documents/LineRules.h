#pragma once

#include "documents/DocumentRefusal.h"

#include <QString>
#include <optional>
#include <vector>

// How the line-entry window of a document kind offers items, prices them and checks a line
// before it is stored.

enum class ItemSource {
    CatalogueOfWarehouse, // catalogue items whose default warehouse is the document's
    StockOfWarehouse,     // the warehouse's stock rows
    WholeCatalogue,       // any catalogue item, or one typed by hand
};

enum class PriceSource {
    Typed,             // the user types it
    StockCost6,        // the stock row's 平均成本 to 6 decimals, not editable
    StockCostMoney,    // the stock row's 平均成本 to 4 decimals, not editable
    StockCostEditable, // the stock row's 平均成本 to 6 decimals, may be overwritten
};

enum class StockCheck { None, Warn, Refuse };

// One check of a line being saved, in the kind's order.
struct LineCheck {
    enum class What {
        ItemCode,        // an item was picked
        ItemName,        // a name is there (items may be typed by hand)
        Price,           // a price is there
        PriceOrZero,     // a price is there; an empty box is set to "0.00" first
        Quantity,        // a quantity other than 0 at 4 decimals
        QuantityPresent, // a quantity is there (0 is accepted)
        WithinStock,     // the quantity is not above the stock shown
    };
    enum class Focus { ItemList, Price, Quantity };

    What what;
    QString message;
    Focus focus;
    DocumentRefusal::Severity severity = DocumentRefusal::Severity::Guidance;
};

struct LineRules {
    ItemSource items;
    PriceSource price;
    StockCheck stockCheck = StockCheck::None;
    QString stockMessage; // shown on leaving the quantity when it is above the stock
    std::vector<LineCheck> checks;
};

// What the line-entry window holds when 保存 is pressed.
struct LineDraft {
    QString itemCode;
    QString itemName;
    QString priceText;
    QString quantityText;
    std::optional<double> stock; // 库存数量, when the window shows it
};

// The first check the draft fails, or nullopt when the line may be stored.
std::optional<LineCheck> firstFailedCheck(const LineRules& rules, const LineDraft& draft);

// A number typed in a box; nullopt for an empty or unreadable text.
std::optional<double> typedNumber(const QString& text);

// Whether a quantity is above the stock shown (compared as the box shows it, 3 decimals).
bool aboveStock(double quantity, double stock);
