#include "platform/printing/ReportValues.h"

#include "platform/format/DisplayMask.h"
#include "store/Money.h"

#include <QDate>
#include <QDateTime>

namespace {

bool isNumber(const QVariant& value) {
    switch (value.typeId()) {
    case QMetaType::Double:
    case QMetaType::Float:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
        return true;
    default:
        return false;
    }
}

bool isMoney(const QVariant& value) {
    return value.userType() == qMetaTypeId<Money>();
}

std::optional<Decimal> toDecimal(const QVariant& value) {
    if (isMoney(value))
        return Decimal{value.value<Money>().units(), Money::Decimals};
    if (value.typeId() == QMetaType::Double || value.typeId() == QMetaType::Float)
        return Decimal::fromDouble(value.toDouble());
    if (isNumber(value))
        return Decimal{value.toLongLong(), 0};
    return std::nullopt;
}

Decimal scaledTo(Decimal d, int scale) {
    while (d.scale < scale) {
        d.digits *= 10;
        ++d.scale;
    }
    return d;
}

} // namespace

QString reportText(const QVariant& value, const QString& mask) {
    if (!value.isValid() || value.isNull())
        return {};
    if (!mask.isEmpty()) {
        if (isMoney(value))
            return applyMask(value.value<Money>(), mask);
        if (std::optional<Decimal> number = toDecimal(value))
            return applyMask(*number, mask);
    }
    if (value.typeId() == QMetaType::QDate)
        return value.toDate().toString(QStringLiteral("yyyy-MM-dd"));
    if (value.typeId() == QMetaType::QDateTime)
        return value.toDateTime().date().toString(QStringLiteral("yyyy-MM-dd"));
    if (isMoney(value))
        return value.value<Money>().toString(2);
    return value.toString();
}

void ReportTotal::add(const QVariant& value) {
    std::optional<Decimal> number = toDecimal(value);
    if (!number)
        return;
    int scale = std::max(total_.scale, number->scale);
    Decimal sum = scaledTo(total_, scale);
    sum.digits += scaledTo(*number, scale).digits;
    total_ = sum;
}
