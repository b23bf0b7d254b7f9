#include "reference/Warehouses.h"

#include "store/Sql.h"

namespace Warehouses {

bool exists(const QString& name) {
    return Sql::scalar(QStringLiteral("SELECT 1 FROM 仓库信息表 WHERE 仓库名称 = ?"), {name})
        .isValid();
}

} // namespace Warehouses
