#include "reference/CompanyInfo.h"

#include "store/Journal.h"
#include "store/Transaction.h"

namespace CompanyInfo {

Row load() {
    return firstRow(QStringLiteral("SELECT * FROM 公司信息 ORDER BY rowid LIMIT 1"));
}

void save(const Row& values) {
    Transaction transaction;
    const QVariant rowId =
        Sql::scalar(QStringLiteral("SELECT rowid FROM 公司信息 ORDER BY rowid LIMIT 1"));
    if (rowId.isValid())
        Sql::update(QStringLiteral("公司信息"), valuesOf(values), QStringLiteral("rowid = ?"),
                    {rowId});
    else
        Sql::insert(QStringLiteral("公司信息"), valuesOf(values));
    appendOperationLog(QStringLiteral("设置公司信息"));
    transaction.commit();
}

} // namespace CompanyInfo
