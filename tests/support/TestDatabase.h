#pragma once

#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// A fresh database of the real schema for each test, open as LibKeep, with the operator
// logged in as the administrator. The first one made in a test program is kept as a
// template and copied for the others.
class DatabaseTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    QString databasePath() const;

    QTemporaryDir dir_;
};

// Counts rows of a table, optionally WHERE clause with bound values.
int rowCount(const QString& table, const QString& where = {}, const QVariantList& params = {});

// The 业务内容 of every operation-log row, oldest first.
QStringList operationLogTexts();
