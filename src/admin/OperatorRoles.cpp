#include "admin/OperatorRoles.h"

#include "store/Sql.h"

bool OperatorRoles::isAdministrator(const QString& operatorName) {
    const QVariant role = Sql::scalar(
        QStringLiteral(
            "SELECT 操作员类别 FROM 操作员信息表 WHERE 操作员姓名 = ? ORDER BY rowid LIMIT 1"),
        {operatorName});
    return role.toString() == QString::fromUtf8(AdministratorRole);
}
