#include "store/CodeNumbering.h"

#include "store/Sql.h"
#include "store/StoreError.h"

QString nextCode(const QString& lastCode, const CodeRule& rule) {
    const QString trimmed = lastCode.trimmed();
    if (trimmed.isEmpty())
        return QString::fromLatin1(rule.firstCode);
    bool isNumber = false;
    qulonglong last = trimmed.toULongLong(&isNumber);
    if (!isNumber)
        throw StoreError(QStringLiteral("编号“%1”不是数字,无法生成下一个编号!").arg(trimmed));
    QString next = QString::number(last + 1);
    if (next.size() > rule.width)
        throw StoreError(
            QStringLiteral("编号已经用完(最大为%1),不能再增加!").arg(QString(rule.width, u'9')));
    return next.rightJustified(rule.width, u'0');
}

QString nextCodeInColumn(const QString& table, const QString& column, const CodeRule& rule,
                         const QString& where, const QVariantList& params) {
    // Codes are written zero-filled to the column's width, so the greatest text is the
    // largest number, and the column's index finds it without a scan.
    const QString condition = where.isEmpty() ? QString() : QStringLiteral(" WHERE ") + where;
    QVariant last =
        Sql::scalar(QStringLiteral("SELECT \"%2\" FROM \"%1\"%3 ORDER BY \"%2\" DESC LIMIT 1")
                        .arg(table, column, condition),
                    params);
    return nextCode(last.toString(), rule);
}
