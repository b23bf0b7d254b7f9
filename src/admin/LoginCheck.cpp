#include "admin/LoginCheck.h"

#include "admin/PasswordHash.h"
#include "store/Sql.h"

std::optional<QString> LoginCheck::operatorName(const QString& code) {
    const QVariant name = Sql::scalar(
        QStringLiteral("SELECT 操作员姓名 FROM 操作员信息表 WHERE 操作员代号 = ? LIMIT 1"), {code});
    if (!name.isValid())
        return std::nullopt;
    return name.toString();
}

std::optional<QString> LoginCheck::check(const QString& code, const QString& password) {
    QSqlQuery rows = Sql::exec(
        QStringLiteral("SELECT 操作员姓名, 操作员密码 FROM 操作员信息表 WHERE 操作员代号 = ?"),
        {code});
    if (!rows.next())
        return std::nullopt;
    const QString name = rows.value(0).toString();
    const QString stored = rows.value(1).toString();
    if (rows.next()) // two operators under one code: neither may log in
        return std::nullopt;
    if (!PasswordHash::matches(password, stored))
        return std::nullopt;
    return name;
}
