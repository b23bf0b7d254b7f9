#pragma once

#include "reference/Row.h"

// The state of the item window: browsing, adding a new item or changing items, and the
// item whose name, 物品规格 and unit a new item copies.
class ItemEditing {
public:
    struct Outcome {
        bool stored = false;
        QString message; // what to tell the user
    };

    bool adding() const { return adding_; }
    bool modifying() const { return modifying_; }

    // The item last clicked in the item list.
    void setCopySource(const Row& item) { copySource_ = item; }

    // 新增: a pending new item of the category. Throws StoreError when no number is left.
    Row beginNew(const QString& categoryCode);
    // 修改: false when changing was already on.
    bool beginModify();
    // 保存 of the pending (or current) row. A change is stored when changing is on;
    // otherwise the row goes through the checks of a new item and is stored only when
    // adding. Throws StoreError on a database failure.
    Outcome save(const Row& row);
    // Esc: the pending row is dropped; changing stays on.
    void escape() { adding_ = false; }
    void close();

private:
    bool adding_ = false;
    bool modifying_ = false;
    Row copySource_;
};
