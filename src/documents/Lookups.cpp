#include "documents/Lookups.h"

#include "store/Sql.h"

namespace {

std::optional<QString> firstMatch(const QString& table, const QString& nameColumn,
                                  const QStringList& keyColumns, const QString& typed) {
    const QString key = typed.trimmed();
    if (key.isEmpty())
        return std::nullopt;
    for (const QString& column : keyColumns) {
        QVariant name = Sql::scalar(QStringLiteral("SELECT \"%1\" FROM \"%2\" WHERE \"%3\" = ? "
                                                   "LIMIT 1")
                                        .arg(nameColumn, table, column),
                                    {key});
        if (name.isValid())
            return name.toString();
    }
    return std::nullopt;
}

} // namespace

std::optional<QString> resolveUnitName(const QString& typed) {
    return firstMatch(
        QStringLiteral("部门信息"), QStringLiteral("单位名称"),
        {QStringLiteral("单位编号"), QStringLiteral("简称"), QStringLiteral("单位名称")}, typed);
}

std::optional<QString> resolveWarehouseName(const QString& typed) {
    return firstMatch(
        QStringLiteral("仓库信息表"), QStringLiteral("仓库名称"),
        {QStringLiteral("仓库编号"), QStringLiteral("简称"), QStringLiteral("仓库名称")}, typed);
}
