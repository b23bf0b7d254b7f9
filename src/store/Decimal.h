#pragma once

#include <QString>
#include <cstdint>
#include <optional>

// An exact decimal number: digits × 10^-scale. Doubles enter through their shortest
// round-trip text, so 1.015 is 1015/1000 and never 1.01499999…; all arithmetic on it is
// integer arithmetic.
__extension__ typedef __int128 Int128;

struct Decimal {
    Int128 digits = 0;
    int scale = 0;

    static Decimal fromDouble(double value);
    static std::optional<Decimal> parse(QStringView text);

    // Rounded to the given number of decimals, ties away from zero.
    Decimal roundedTo(int decimals) const;
    Decimal times(const Decimal& other) const;

    // The value as an integer count of 10^-decimals units, rounded half away from zero;
    // nullopt when it does not fit 64 bits.
    std::optional<int64_t> toScaledInteger(int decimals) const;
    double toDouble() const;
    QString toString() const;
};

// A double rounded to the given decimals, ties away from zero, computed on its decimal
// text (so 2.675 rounds to 2.68, as a user expects).
double roundDecimals(double value, int decimals);
