#pragma once

#include <QString>

namespace Warehouses {
// Whether a warehouse of that name exists (categories and items refer to it by name).
bool exists(const QString& name);
} // namespace Warehouses
