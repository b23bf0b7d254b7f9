#include "reference/ItemEditing.h"

#include "reference/ItemCatalogue.h"

Row ItemEditing::beginNew(const QString& categoryCode) {
    Row draft = ItemCatalogue::newItemDraft(categoryCode, copySource_);
    modifying_ = false;
    adding_ = true;
    return draft;
}

bool ItemEditing::beginModify() {
    if (modifying_)
        return false;
    modifying_ = true;
    return true;
}

ItemEditing::Outcome ItemEditing::save(const Row& row) {
    if (modifying_) {
        ItemCatalogue::changeItem(row);
        modifying_ = false;
        return {true, QStringLiteral("物品资料信息与物品库存信息、业务流水信息同步被修改！")};
    }
    if (const QString refusal = ItemCatalogue::refusalOfNewItem(row); !refusal.isEmpty())
        return {false, refusal};
    if (!adding_)
        return {};
    ItemCatalogue::addItem(row);
    adding_ = false;
    return {true, QStringLiteral("物品信息保存成功!可以按新增继续增加物品资料")};
}

void ItemEditing::close() {
    adding_ = false;
    modifying_ = false;
}
