#pragma once

#include "store/Decimal.h"

#include <QString>
#include <QVariant>

// How a report shows a value: numbers and money through their display mask, dates as
// yyyy-MM-dd, everything else as its text.
QString reportText(const QVariant& value, const QString& mask);

// An exact running total of money and numbers, as a sum element shows it.
class ReportTotal {
public:
    void add(const QVariant& value);
    Decimal value() const { return total_; }

private:
    Decimal total_;
};
