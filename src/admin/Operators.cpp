#include "admin/Operators.h"

#include "admin/PasswordHash.h"
#include "store/CodeNumbering.h"
#include "store/Journal.h"
#include "store/Sql.h"
#include "store/StoreError.h"
#include "store/Transaction.h"

#include <QSqlQuery>

namespace Operators {

namespace {

// Names need not be unique; the first row of a name stands for it, as in the
// administrator check.
QSqlQuery firstOfName(const QString& name) {
    QSqlQuery query = Sql::exec(QStringLiteral("SELECT rowid, 操作员密码 FROM 操作员信息表 "
                                               "WHERE 操作员姓名 = ? ORDER BY rowid LIMIT 1"),
                                {name});
    query.next();
    return query;
}

} // namespace

QString nextCode() {
    return nextCodeInColumn(QStringLiteral("操作员信息表"), QStringLiteral("操作员代号"),
                            CodeRules::Operator);
}

bool isComplete(const NewOperator& op) {
    return !op.code.trimmed().isEmpty() && !op.name.trimmed().isEmpty() &&
           !op.role.trimmed().isEmpty();
}

void add(const NewOperator& op) {
    if (!isComplete(op))
        throw StoreError(QStringLiteral("请输入完整的操作员的资料,再按本按钮进行保存!"));
    Transaction transaction;
    Sql::insert(QStringLiteral("操作员信息表"),
                {{QStringLiteral("操作员代号"), op.code},
                 {QStringLiteral("操作员姓名"), op.name},
                 {QStringLiteral("操作员类别"), op.role},
                 {QStringLiteral("操作员密码"), PasswordHash::make(op.password)}});
    appendOperationLog(QStringLiteral("新增操作员,编号是:") + op.code);
    transaction.commit();
}

bool passwordMatches(const QString& name, const QString& typed) {
    QSqlQuery row = firstOfName(name);
    return row.isValid() && PasswordHash::matches(typed, row.value(1).toString());
}

void changePassword(const QString& name, const QString& oldPassword, const QString& newPassword) {
    QSqlQuery row = firstOfName(name);
    if (!row.isValid() || !PasswordHash::matches(oldPassword, row.value(1).toString()))
        throw StoreError(QStringLiteral("密码不正确!,请重新输入正确的密码!"));
    Transaction transaction;
    appendOperationLog(QStringLiteral("修改登录密码"));
    Sql::update(QStringLiteral("操作员信息表"),
                {{QStringLiteral("操作员密码"), PasswordHash::make(newPassword)}},
                QStringLiteral("rowid = ?"), {row.value(0)});
    transaction.commit();
}

} // namespace Operators
