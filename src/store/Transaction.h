#pragma once

#include <QSqlDatabase>
#include <QString>

// Everything written between construction and commit() lands whole or not at all. The
// outermost guard starts BEGIN IMMEDIATE, so a second program on the same file waits for
// the write lock and then fails cleanly; guards inside it use savepoints. A guard that is
// destroyed without commit() rolls back. Failures throw StoreError.
class Transaction {
public:
    explicit Transaction(QSqlDatabase db);
    Transaction();
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

    void commit();

private:
    void run(const QString& statement);

    QSqlDatabase db_;
    int depth_;
    bool finished_ = false;
};
