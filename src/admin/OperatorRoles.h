#pragma once

#include <QString>

// Operators' roles, read again from 操作员信息表 each time they matter: a change of role
// made during a run counts at once.
namespace OperatorRoles {

inline constexpr char AdministratorRole[] = "管理员";

// Whether the operator of that name is an administrator. Two operators sharing a name share
// the role of the first one entered; an unknown name is no administrator. Throws StoreError.
bool isAdministrator(const QString& operatorName);

} // namespace OperatorRoles
