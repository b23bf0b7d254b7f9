#include "store/Database.h"
#include "admin/PasswordHash.h"
#include "store/Sql.h"
#include "store/StoreError.h"
#include "store/Transaction.h"
#include "support/TestDatabase.h"
#include "tools/NewDatabase.h"

#include <QFile>
#include <QSqlQuery>

namespace {

class StoreDatabase : public DatabaseTest {};

TEST_F(StoreDatabase, ANewDatabaseHoldsTheAdministratorAndOneCompanyRow) {
    QSqlQuery row = Sql::exec(
        QStringLiteral("SELECT 操作员代号, 操作员姓名, 操作员类别, 操作员密码 FROM 操作员信息表"));
    ASSERT_TRUE(row.next());
    EXPECT_EQ(row.value(0).toString(), "0000");
    EXPECT_EQ(row.value(1).toString(), QString::fromUtf8(NewDatabase::AdministratorName));
    EXPECT_EQ(row.value(2).toString(), "管理员");
    EXPECT_NE(row.value(3).toString(), QString::fromUtf8(NewDatabase::AdministratorPassword));
    EXPECT_TRUE(PasswordHash::matches(QString::fromUtf8(NewDatabase::AdministratorPassword),
                                      row.value(3).toString()));
    EXPECT_FALSE(row.next());
    EXPECT_EQ(rowCount(QStringLiteral("公司信息")), 1);
    EXPECT_EQ(Sql::scalar(QStringLiteral("PRAGMA journal_mode")).toString(), "wal");
    EXPECT_EQ(Sql::scalar(QStringLiteral("PRAGMA synchronous")).toInt(), 2); // FULL
}

TEST_F(StoreDatabase, AnExistingFileIsNeverOverwritten) {
    Database::close();
    const QByteArray before = [&] {
        QFile f(databasePath());
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    }();
    EXPECT_FALSE(NewDatabase::create(databasePath()).isEmpty());
    QFile f(databasePath());
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), before);
}

TEST_F(StoreDatabase, AMissingOrForeignFileIsNotOpened) {
    Database::close();
    const QString missing = dir_.filePath(QStringLiteral("Data/LibDB.db"));
    EXPECT_FALSE(Database::open(missing).isEmpty());
    EXPECT_FALSE(QFile::exists(missing)); // no empty database is made in its place
    EXPECT_FALSE(Database::isOpen());

    const QString garbage = dir_.filePath(QStringLiteral("garbage.db"));
    QFile f(garbage);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("this is not a database at all, just some text that is long enough");
    f.close();
    EXPECT_FALSE(Database::open(garbage).isEmpty());

    const QString other = dir_.filePath(QStringLiteral("other.db"));
    {
        QSqlDatabase db =
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("other"));
        db.setDatabaseName(other);
        ASSERT_TRUE(db.open());
        QSqlQuery(db).exec(QStringLiteral("CREATE TABLE t (x)"));
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("other"));
    EXPECT_TRUE(Database::checkFile(other).contains(QStringLiteral("操作员信息表")));
}

TEST_F(StoreDatabase, ATransactionLandsWholeOrNotAtAll) {
    auto addSummary = [](const char* text) {
        Sql::insert(QStringLiteral("帐务摘要"),
                    {{QStringLiteral("帐务摘要"), QString::fromUtf8(text)}});
    };
    try {
        Transaction t;
        addSummary("甲");
        addSummary("甲"); // duplicate: throws before commit
        t.commit();
    } catch (const StoreError&) {
    }
    EXPECT_EQ(rowCount(QStringLiteral("帐务摘要")), 0);

    {
        Transaction outer;
        addSummary("乙");
        try {
            Transaction inner;
            addSummary("丙");
            throw StoreError(QStringLiteral("放弃"));
        } catch (const StoreError&) {
        }
        outer.commit();
    }
    EXPECT_EQ(rowCount(QStringLiteral("帐务摘要")), 1);
    EXPECT_EQ(rowCount(QStringLiteral("帐务摘要"), QStringLiteral("帐务摘要 = ?"),
                       {QStringLiteral("乙")}),
              1);
}

TEST_F(StoreDatabase, ASecondWriterWaitsAndThenFailsCleanly) {
    QSqlDatabase second =
        QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("second"));
    second.setDatabaseName(databasePath());
    second.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=100"));
    ASSERT_TRUE(second.open());
    {
        Transaction holder;
        Sql::insert(QStringLiteral("帐务摘要"),
                    {{QStringLiteral("帐务摘要"), QStringLiteral("锁")}});
        EXPECT_THROW(Transaction{second}, StoreError);
        holder.commit();
    }
    {
        Transaction later(second);
        later.commit();
    }
    second.close();
    second = QSqlDatabase();
    QSqlDatabase::removeDatabase(QStringLiteral("second"));
}

} // namespace
