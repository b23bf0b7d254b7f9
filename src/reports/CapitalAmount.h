#pragma once

#include "store/Money.h"

#include <QString>

// The amount in Chinese capital money numerals, as printed under a document's total:
// rounded once, half away from zero, to the cent; "壹仟零伍元叁角整", "壹亿零壹万元整",
// "负壹拾贰元叁角伍分", "零元整". A negative amount that rounds to zero has no 负.
QString capitalAmount(Money amount);
