#pragma once

#include "reference/Row.h"
#include "store/CodeNumbering.h"

#include <QStringList>
#include <optional>

// The text of an operation-log row: a fixed prefix followed by the values of some columns
// of the row concerned, separated by a blank.
struct LogText {
    QString prefix;
    QStringList columns;

    bool isEmpty() const { return prefix.isEmpty(); }
    QString of(const Row& row) const;
};

// What the reference windows need to know of the rows they keep: the table, the kind of
// row within a shared table, how a new row is numbered, what is logged, and which text
// must not repeat.
struct ReferenceKind {
    QString table;
    QString kindColumn; // empty when the rows are the whole table
    QString kindValue;
    QString codeColumn; // empty when the rows have no code of ours
    std::optional<CodeRule> codeRule;
    LogText addedLog;
    LogText deletedLog;
    QString uniqueColumn; // a text that must not repeat, checked before it is stored
    QString duplicateMessage;
};

namespace ReferenceKinds {
const ReferenceKind& categories();
const ReferenceKind& warehouses();
const ReferenceKind& bins();
const ReferenceKind& departments();
const ReferenceKind& suppliers();
const ReferenceKind& summaries();
// The item catalogue as a grid reads it; its writes go through ItemCatalogue.
const ReferenceKind& items();
} // namespace ReferenceKinds
