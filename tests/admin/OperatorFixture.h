#pragma once

#include "admin/PasswordHash.h"
#include "store/Sql.h"

#include <QString>

// Adds an operator as the operator window would store it.
inline void addOperator(const QString& code, const QString& name, const QString& role,
                        const QString& password) {
    Sql::insert(QStringLiteral("操作员信息表"),
                {{QStringLiteral("操作员代号"), code},
                 {QStringLiteral("操作员姓名"), name},
                 {QStringLiteral("操作员类别"), role},
                 {QStringLiteral("操作员密码"), PasswordHash::make(password)}});
}
