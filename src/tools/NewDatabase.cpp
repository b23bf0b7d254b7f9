#include "tools/NewDatabase.h"

#include "admin/PasswordHash.h"
#include "store/Database.h"
#include "store/Sql.h"
#include "store/StoreError.h"
#include "store/Transaction.h"

namespace {

void addFirstRows() {
    Transaction transaction;
    Sql::insert(QStringLiteral("操作员信息表"),
                {{QStringLiteral("操作员代号"), QString::fromUtf8(NewDatabase::AdministratorCode)},
                 {QStringLiteral("操作员姓名"), QString::fromUtf8(NewDatabase::AdministratorName)},
                 {QStringLiteral("操作员类别"), QStringLiteral("管理员")},
                 {QStringLiteral("操作员密码"),
                  PasswordHash::make(QString::fromUtf8(NewDatabase::AdministratorPassword))}});
    Sql::insert(QStringLiteral("公司信息"), {{QStringLiteral("公司名称"), QString()}});
    transaction.commit();
}

} // namespace

QString NewDatabase::create(const QString& path) {
    if (QString error = Database::create(path); !error.isEmpty())
        return error;
    if (QString error = Database::open(path); !error.isEmpty())
        return error;
    QString error;
    try {
        addFirstRows();
    } catch (const StoreError& e) {
        error = e.message();
    }
    Database::close();
    return error;
}
