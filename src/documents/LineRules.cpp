#include "documents/LineRules.h"

#include "store/Decimal.h"

namespace {

bool passes(const LineCheck& check, const LineDraft& d) {
    switch (check.what) {
    case LineCheck::What::ItemCode:
        return !d.itemCode.trimmed().isEmpty();
    case LineCheck::What::ItemName:
        return !d.itemName.trimmed().isEmpty();
    case LineCheck::What::Price:
    case LineCheck::What::PriceOrZero:
        return typedNumber(d.priceText).has_value();
    case LineCheck::What::Quantity: {
        auto q = typedNumber(d.quantityText);
        return q && roundDecimals(*q, 4) != 0;
    }
    case LineCheck::What::QuantityPresent:
        return typedNumber(d.quantityText).has_value();
    case LineCheck::What::WithinStock: {
        auto q = typedNumber(d.quantityText);
        return !q || !d.stock || !aboveStock(*q, *d.stock);
    }
    }
    return true;
}

} // namespace

std::optional<LineCheck> firstFailedCheck(const LineRules& rules, const LineDraft& draft) {
    for (const LineCheck& check : rules.checks)
        if (!passes(check, draft))
            return check;
    return std::nullopt;
}

std::optional<double> typedNumber(const QString& text) {
    auto d = Decimal::parse(text);
    if (!d)
        return std::nullopt;
    return d->toDouble();
}

bool aboveStock(double quantity, double stock) {
    return roundDecimals(quantity, 3) > roundDecimals(stock, 3);
}
