#pragma once

#include <QString>

// Fills the open database with years of data, written directly with SQL: 10,000 items in
// 20 categories, 5 warehouses each stocking every item, 200,000 posted documents with their
// lines, and 2 million journal rows over two years.
void fillLargeDatabase();

// Item codes the benchmark documents use: 50 consecutive items from a given start.
QString benchmarkItemCode(int index);
inline const QString BenchmarkWarehouse = QStringLiteral("仓库1");
inline const QString BenchmarkOtherWarehouse = QStringLiteral("仓库2");
