#include "reference/Parties.h"

#include "store/Sql.h"

namespace Parties {

int removeNameless() {
    // Blank means spaces, tabs, line breaks or ideographic spaces only.
    return Sql::exec(
               QStringLiteral("DELETE FROM 部门信息 WHERE trim(coalesce(单位名称, ''), ?) = ''"),
               {QStringLiteral(" \t\r\n\u3000")})
        .numRowsAffected();
}

} // namespace Parties
