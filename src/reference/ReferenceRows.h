#pragma once

#include "reference/ReferenceKind.h"
#include "store/Sql.h"
#include "store/StoreError.h"

// A text that must not repeat was entered a second time; carries the kind's own message.
class DuplicateEntry : public StoreError {
public:
    using StoreError::StoreError;
};

// Reads and writes the rows of one reference kind. Rows are identified by their rowid, so
// tables without a key of their own (bins, summaries) are handled alike. Each change is
// stored together with its log row.
class ReferenceRows {
public:
    explicit ReferenceRows(const ReferenceKind& kind) : kind_(kind) {}

    const ReferenceKind& kind() const { return kind_; }

    // The condition selecting the kind's rows ("1" for a whole table) and its bound values.
    QString condition() const;
    Sql::Params conditionParams() const;

    // The code a new row gets; throws StoreError when it no longer fits its width.
    QString nextCode() const;
    int count() const;
    Row read(qint64 rowId) const;

    // Stores a new row of the kind and logs it. Returns its rowid.
    qint64 add(Row row) const;
    // Stores edits of an existing row as they are posted, without a log row.
    void change(qint64 rowId, const Row& row) const;
    // Stores edits of an existing row through 保存, which logs like an addition.
    void save(qint64 rowId, const Row& row) const;
    // Logs and deletes the row.
    void remove(qint64 rowId) const;

private:
    void refuseDuplicate(const Row& row, qint64 exceptRowId) const;

    const ReferenceKind& kind_;
};
