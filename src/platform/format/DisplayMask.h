#pragma once

#include "store/Decimal.h"
#include "store/Money.h"

#include <QString>

// Number display masks as the windows and printed layouts write them: "#,##0.00",
// "##0.000", "###.###", "##0.000000". '0' is a digit always shown, '#' a digit shown only
// when significant, ',' in the integer part asks for thousands separators, '.' marks the
// decimals. The value is rounded half away from zero to the mask's decimals; a mask with no
// '0' shows nothing for zero. Other characters are copied as they stand.
QString applyMask(const Decimal& value, QStringView mask);
QString applyMask(double value, QStringView mask);
QString applyMask(Money value, QStringView mask);
