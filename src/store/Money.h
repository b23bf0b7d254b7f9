#pragma once

#include <QMetaType>
#include <QString>
#include <compare>
#include <cstdint>
#include <optional>

// An exact amount of money: a 64-bit count of 1/10000 units. Amounts are never held in
// binary floating point; a quantity times a price is computed on exact decimals.
class Money {
public:
    static constexpr int Decimals = 4;
    static constexpr int64_t Scale = 10000;

    constexpr Money() = default;
    static constexpr Money fromUnits(int64_t units) { return Money(units); }

    // What a user types: optional sign, digits, optional thousands commas and decimals.
    // More than four decimals round half away from zero; nullopt for anything else.
    static std::optional<Money> parse(QStringView text);
    // A double taken at its shortest decimal text, rounded to four decimals.
    static Money fromDouble(double value);
    // quantity × price, exact, rounded once to four decimals half away from zero.
    static Money product(double quantity, double price);

    constexpr int64_t units() const { return units_; }
    double toDouble() const;
    constexpr bool isZero() const { return units_ == 0; }

    // Rounded to fewer decimals (0 to 4), ties away from zero.
    Money roundedTo(int decimals) const;
    // Plain text with exactly the given decimals, "-1234.50"; rounds half away from zero.
    QString toString(int decimals = 2) const;

    constexpr Money operator-() const { return Money(-units_); }
    constexpr Money operator+(Money other) const { return Money(units_ + other.units_); }
    constexpr Money operator-(Money other) const { return Money(units_ - other.units_); }
    constexpr Money& operator+=(Money other) {
        units_ += other.units_;
        return *this;
    }
    constexpr Money& operator-=(Money other) {
        units_ -= other.units_;
        return *this;
    }
    constexpr auto operator<=>(const Money&) const = default;

private:
    constexpr explicit Money(int64_t units) : units_(units) {}
    int64_t units_ = 0;
};

Q_DECLARE_METATYPE(Money)
