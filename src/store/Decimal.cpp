#include "store/Decimal.h"

#include <charconv>
#include <cmath>
#include <string>

namespace {

constexpr Int128 pow10(int n) {
    Int128 result = 1;
    for (int i = 0; i < n; ++i)
        result *= 10;
    return result;
}

constexpr int MaxScale = 36;

// Divides, rounding the quotient half away from zero.
Int128 divideRounded(Int128 value, Int128 divisor) {
    Int128 quotient = value / divisor;
    Int128 remainder = value % divisor;
    if (remainder < 0)
        remainder = -remainder;
    if (remainder * 2 >= divisor)
        quotient += value < 0 ? -1 : 1;
    return quotient;
}

Decimal normalised(Decimal d) {
    while (d.scale > 0 && d.digits % 10 == 0) {
        d.digits /= 10;
        --d.scale;
    }
    return d;
}

std::optional<Decimal> parseAscii(std::string_view s) {
    Decimal d;
    bool negative = false;
    size_t i = 0;
    if (i < s.size() && (s[i] == '-' || s[i] == '+'))
        negative = s[i++] == '-';
    bool anyDigit = false;
    bool inFraction = false;
    for (; i < s.size(); ++i) {
        char c = s[i];
        if (c == '.' && !inFraction) {
            inFraction = true;
        } else if (c >= '0' && c <= '9') {
            anyDigit = true;
            if (d.digits > pow10(35))
                return std::nullopt;
            d.digits = d.digits * 10 + (c - '0');
            if (inFraction)
                ++d.scale;
        } else {
            break;
        }
    }
    if (!anyDigit)
        return std::nullopt;
    int exponent = 0;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        size_t start = i + 1;
        if (start < s.size() && s[start] == '+')
            ++start;
        auto [end, ec] = std::from_chars(s.data() + start, s.data() + s.size(), exponent);
        if (ec != std::errc() || end != s.data() + s.size())
            return std::nullopt;
    } else if (i != s.size()) {
        return std::nullopt;
    }
    d.scale -= exponent;
    if (d.scale < 0) {
        if (d.scale < -30)
            return std::nullopt;
        d.digits *= pow10(-d.scale);
        d.scale = 0;
    }
    if (d.scale > MaxScale)
        d = d.roundedTo(MaxScale);
    if (negative)
        d.digits = -d.digits;
    return normalised(d);
}

} // namespace

Decimal Decimal::fromDouble(double value) {
    if (!std::isfinite(value))
        return {};
    char buffer[64];
    auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
    if (ec != std::errc())
        return {};
    return parseAscii(std::string_view(buffer, end - buffer)).value_or(Decimal{});
}

std::optional<Decimal> Decimal::parse(QStringView text) {
    QString compact = text.trimmed().toString();
    compact.remove(u',');
    return parseAscii(compact.toStdString());
}

Decimal Decimal::roundedTo(int decimals) const {
    if (scale <= decimals)
        return *this;
    return normalised({divideRounded(digits, pow10(scale - decimals)), decimals});
}

Decimal Decimal::times(const Decimal& other) const {
    Decimal product{digits * other.digits, scale + other.scale};
    return normalised(product);
}

std::optional<int64_t> Decimal::toScaledInteger(int decimals) const {
    Decimal r = roundedTo(decimals);
    if (r.scale < decimals) {
        int shift = decimals - r.scale;
        if (shift > 30)
            return std::nullopt;
        Int128 limit = static_cast<Int128>(INT64_MAX) / pow10(shift);
        if (r.digits > limit || r.digits < -limit)
            return std::nullopt;
        r.digits *= pow10(shift);
    }
    if (r.digits > INT64_MAX || r.digits < INT64_MIN)
        return std::nullopt;
    return static_cast<int64_t>(r.digits);
}

double Decimal::toDouble() const {
    return std::strtod(toString().toLatin1().constData(), nullptr);
}

QString Decimal::toString() const {
    Int128 magnitude = digits < 0 ? -digits : digits;
    std::string text;
    do {
        text.insert(text.begin(), char('0' + int(magnitude % 10)));
        magnitude /= 10;
    } while (magnitude != 0);
    if (scale > 0) {
        if (int(text.size()) <= scale)
            text.insert(0, size_t(scale - text.size() + 1), '0');
        text.insert(text.size() - scale, 1, '.');
    }
    if (digits < 0)
        text.insert(text.begin(), '-');
    return QString::fromLatin1(text.c_str());
}

double roundDecimals(double value, int decimals) {
    if (!std::isfinite(value))
        return 0.0;
    return Decimal::fromDouble(value).roundedTo(decimals).toDouble();
}
