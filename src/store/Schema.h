#pragma once

#include <QString>
#include <QStringList>
#include <vector>

// The database described as data: every table with its columns in physical order, the
// uniqueness rules, the indexes and the saved views. The DDL and the width rule of the
// writers are both derived from it.

enum class ColumnKind {
    Text,       // width in characters; holds '' rather than NULL
    Float,      // REAL
    Quantity,   // REAL, rounded to 4 decimals when written
    Money,      // INTEGER, an exact count of 1/10000 units
    Integer,    // INTEGER
    DateTime,   // ISO 8601 text
    YesNo,      // INTEGER 0 or 1
    AutoNumber, // INTEGER PRIMARY KEY AUTOINCREMENT: increasing, never reused
};

struct ColumnDef {
    QString name;
    ColumnKind kind;
    int width = 0; // text columns only
};

struct TableDef {
    QString name;
    std::vector<ColumnDef> columns;
    std::vector<QStringList> uniqueKeys;
    std::vector<QStringList> indexes;

    const ColumnDef* column(QStringView columnName) const;
    QStringList columnNames() const;
};

struct ViewDef {
    QString name;
    QString select;
};

const std::vector<TableDef>& schemaTables();
const std::vector<ViewDef>& schemaViews();
const TableDef& tableDef(QStringView tableName); // aborts on a name not in the schema

// CREATE TABLE, CREATE INDEX and CREATE VIEW statements, in an order that can be run as is.
QStringList schemaStatements();
