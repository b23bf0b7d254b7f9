#include "platform/format/DisplayMask.h"

namespace {

struct MaskShape {
    QString prefix;
    QString suffix;
    bool thousands = false;
    int minIntegerDigits = 0;
    int minDecimals = 0;
    int maxDecimals = 0;
};

bool isPlaceholder(QChar c) {
    return c == u'#' || c == u'0' || c == u',' || c == u'.';
}

MaskShape parseMask(QStringView mask) {
    MaskShape shape;
    qsizetype first = 0;
    while (first < mask.size() && !isPlaceholder(mask[first]))
        ++first;
    qsizetype last = mask.size();
    while (last > first && !isPlaceholder(mask[last - 1]))
        --last;
    shape.prefix = mask.left(first).toString();
    shape.suffix = mask.mid(last).toString();
    bool inDecimals = false;
    for (QChar c : mask.mid(first, last - first)) {
        if (c == u'.') {
            inDecimals = true;
        } else if (!inDecimals) {
            shape.thousands |= c == u',';
            shape.minIntegerDigits += c == u'0';
        } else if (c == u'0' || c == u'#') {
            ++shape.maxDecimals;
            if (c == u'0')
                shape.minDecimals = shape.maxDecimals;
        }
    }
    return shape;
}

QString groupThousands(const QString& digits) {
    QString grouped;
    for (qsizetype i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            grouped += u',';
        grouped += digits[i];
    }
    return grouped;
}

} // namespace

QString applyMask(const Decimal& value, QStringView mask) {
    MaskShape shape = parseMask(mask);
    Decimal rounded = value.roundedTo(shape.maxDecimals);
    QString plain = rounded.toString();
    bool negative = plain.startsWith(u'-');
    if (negative)
        plain.remove(0, 1);
    qsizetype dot = plain.indexOf(u'.');
    QString integer = dot < 0 ? plain : plain.left(dot);
    QString decimals = dot < 0 ? QString() : plain.mid(dot + 1);

    if (integer == u"0")
        integer.clear();
    if (integer.size() < shape.minIntegerDigits)
        integer.prepend(QString(shape.minIntegerDigits - integer.size(), u'0'));
    if (shape.thousands)
        integer = groupThousands(integer);
    if (decimals.size() < shape.minDecimals)
        decimals.append(QString(shape.minDecimals - decimals.size(), u'0'));

    QString text = integer;
    if (!decimals.isEmpty())
        text += u'.' + decimals;
    if (negative && !text.isEmpty())
        text.prepend(u'-');
    return shape.prefix + text + shape.suffix;
}

QString applyMask(double value, QStringView mask) {
    return applyMask(Decimal::fromDouble(value), mask);
}

QString applyMask(Money value, QStringView mask) {
    return applyMask(Decimal{value.units(), Money::Decimals}, mask);
}
