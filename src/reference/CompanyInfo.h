#pragma once

#include "reference/Row.h"

// The one row of 公司信息 that the printed layouts show.
namespace CompanyInfo {
Row load();
// Stores the columns given (adding the row when the table is empty) and logs it.
void save(const Row& values);
} // namespace CompanyInfo
