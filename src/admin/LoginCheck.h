#pragma once

#include <QString>
#include <optional>

// What the login window asks of 操作员信息表. Codes are taken exactly as typed.
namespace LoginCheck {

// The name of the operator with that code; nullopt when there is none. Throws StoreError.
std::optional<QString> operatorName(const QString& code);

// The name of the operator when exactly one row has the code and the password matches its
// stored hash (letter case counts); nullopt otherwise. Throws StoreError.
std::optional<QString> check(const QString& code, const QString& password);

} // namespace LoginCheck
