#include "reports/CapitalAmount.h"

#include <cstdint>

namespace {

const QString Digits = QStringLiteral("零壹贰叁肆伍陆柒捌玖");
const QString PlaceUnits = QStringLiteral("仟佰拾"); // for the digits above the last of four

QChar digit(uint64_t d) {
    return Digits[qsizetype(d)];
}

// 1 to 9999: no leading 零, one 零 for any run of inner zeros, none at the end.
QString fourDigits(uint64_t n) {
    QString text;
    bool pendingZero = false;
    for (uint64_t divisor = 1000, place = 0; divisor > 0; divisor /= 10, ++place) {
        uint64_t d = n / divisor % 10;
        if (d == 0) {
            pendingZero = !text.isEmpty();
            continue;
        }
        if (pendingZero)
            text += digit(0);
        pendingZero = false;
        text += digit(d);
        if (place < 3)
            text += PlaceUnits[qsizetype(place)];
    }
    return text;
}

// A whole number above zero, grouped by 亿 and 万; a group that starts with zeros after a
// higher group is joined with 零.
QString integerText(uint64_t n) {
    constexpr uint64_t Yi = 100000000;
    constexpr uint64_t Wan = 10000;
    if (n >= Yi) {
        uint64_t low = n % Yi;
        QString text = integerText(n / Yi) + u'亿';
        if (low == 0)
            return text;
        return text + (low < Yi / 10 ? QString(digit(0)) : QString()) + integerText(low);
    }
    if (n >= Wan) {
        uint64_t low = n % Wan;
        QString text = fourDigits(n / Wan) + u'万';
        if (low == 0)
            return text;
        return text + (low < Wan / 10 ? QString(digit(0)) : QString()) + fourDigits(low);
    }
    return fourDigits(n);
}

// |units| rounded half away from zero to cents; unsigned, so the most negative amount fits.
uint64_t centsOf(int64_t units) {
    uint64_t magnitude = units < 0 ? uint64_t(0) - uint64_t(units) : uint64_t(units);
    constexpr uint64_t UnitsPerCent = Money::Scale / 100;
    return magnitude / UnitsPerCent + (magnitude % UnitsPerCent >= UnitsPerCent / 2 ? 1 : 0);
}

} // namespace

QString capitalAmount(Money amount) {
    uint64_t cents = centsOf(amount.units());
    if (cents == 0)
        return QStringLiteral("零元整");
    uint64_t yuan = cents / 100;
    uint64_t jiao = cents / 10 % 10;
    uint64_t fen = cents % 10;

    QString text = amount.units() < 0 ? QStringLiteral("负") : QString();
    if (yuan > 0)
        text += integerText(yuan) + u'元';
    if (jiao > 0)
        text += QString(digit(jiao)) + u'角';
    else if (yuan > 0 && fen > 0)
        text += digit(0);
    if (fen > 0)
        text += QString(digit(fen)) + u'分';
    else
        text += u'整';
    return text;
}
