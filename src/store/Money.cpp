#include "store/Money.h"

#include "store/Decimal.h"

namespace {

Money fromDecimal(const Decimal& d) {
    return Money::fromUnits(d.toScaledInteger(Money::Decimals).value_or(0));
}

Decimal toDecimal(Money m) {
    return Decimal{m.units(), Money::Decimals};
}

} // namespace

std::optional<Money> Money::parse(QStringView text) {
    auto d = Decimal::parse(text);
    if (!d)
        return std::nullopt;
    auto units = d->toScaledInteger(Decimals);
    if (!units)
        return std::nullopt;
    return Money(*units);
}

Money Money::fromDouble(double value) {
    return fromDecimal(Decimal::fromDouble(value));
}

Money Money::product(double quantity, double price) {
    return fromDecimal(Decimal::fromDouble(quantity).times(Decimal::fromDouble(price)));
}

double Money::toDouble() const {
    return toDecimal(*this).toDouble();
}

Money Money::roundedTo(int decimals) const {
    return fromDecimal(toDecimal(*this).roundedTo(decimals));
}

QString Money::toString(int decimals) const {
    Decimal rounded = toDecimal(*this).roundedTo(decimals);
    QString text = rounded.toString();
    if (decimals <= 0)
        return text;
    int dot = text.indexOf(u'.');
    int have = dot < 0 ? 0 : int(text.size()) - dot - 1;
    if (dot < 0)
        text += u'.';
    return text + QString(decimals - have, u'0');
}
