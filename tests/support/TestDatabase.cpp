#include "support/TestDatabase.h"

#include "store/Database.h"
#include "store/Session.h"
#include "store/Sql.h"
#include "tools/NewDatabase.h"

#include <QFile>
#include <QSqlQuery>

namespace {

const QString& templatePath() {
    static QTemporaryDir dir;
    static const QString path = [] {
        QString p = dir.filePath(QStringLiteral("template.db"));
        QString error = NewDatabase::create(p);
        if (!error.isEmpty())
            qFatal("cannot create the template database: %s", qPrintable(error));
        return p;
    }();
    return path;
}

} // namespace

void DatabaseTest::SetUp() {
    ASSERT_TRUE(dir_.isValid());
    ASSERT_TRUE(QFile::copy(templatePath(), databasePath()));
    ASSERT_EQ(Database::open(databasePath()), QString());
    Session::setOperatorName(QString::fromUtf8(NewDatabase::AdministratorName));
}

void DatabaseTest::TearDown() {
    Database::close();
    Session::setOperatorName({});
}

QString DatabaseTest::databasePath() const {
    return dir_.filePath(QStringLiteral("LibDB.db"));
}

int rowCount(const QString& table, const QString& where, const QVariantList& params) {
    QString statement = QStringLiteral("SELECT count(*) FROM \"%1\"").arg(table);
    if (!where.isEmpty())
        statement += QStringLiteral(" WHERE ") + where;
    return Sql::scalar(statement, params).toInt();
}

QStringList operationLogTexts() {
    QStringList texts;
    QSqlQuery query =
        Sql::exec(QStringLiteral("SELECT 业务内容 FROM 操作流水表 ORDER BY 流水编号"));
    while (query.next())
        texts << query.value(0).toString();
    return texts;
}
