#pragma once

#include <QString>

// The administrator every new database starts with.
namespace NewDatabase {
inline constexpr char AdministratorCode[] = "0000";
inline constexpr char AdministratorName[] = "系统管理员";
inline constexpr char AdministratorPassword[] = "admin";

// Creates the database file with the whole schema, the administrator and one empty
// 公司信息 row. Refuses an existing file. Returns an empty text on success, otherwise why
// it failed. Uses the LibKeep connection and leaves it closed.
QString create(const QString& path);
} // namespace NewDatabase
