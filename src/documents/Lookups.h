#pragma once

#include <QString>
#include <optional>

// What a user typed in a counterparty or warehouse box, resolved to the stored name.

// A unit of 部门信息 found by its code, then its short name, then its name.
std::optional<QString> resolveUnitName(const QString& typed);
// A warehouse found by its code, then its short name, then its name.
std::optional<QString> resolveWarehouseName(const QString& typed);
