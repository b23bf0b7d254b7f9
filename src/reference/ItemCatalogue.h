#pragma once

#include "reference/Row.h"

// Items are numbered inside their category: the category code followed by a four-digit
// running number kept in the category's 最后编号. A number is used up only when the new
// item is stored, so an abandoned new item leaves no gap.
namespace ItemCatalogue {

struct ItemNumber {
    QString itemCode;      // category code + running number
    QString runningNumber; // four digits
};

// The number the next item of the category gets. Throws StoreError when the category is
// unknown, its 最后编号 is not a number, or its 9999 numbers are used up.
ItemNumber nextItemNumber(const QString& categoryCode);

// A pending new item of the category: its number, category name and default warehouse,
// and, once the category already holds numbered items, name, 物品规格 and unit of
// the copy source (the item last clicked).
Row newItemDraft(const QString& categoryCode, const Row& copySource);

// Why a new item cannot be stored (empty name or unit, a name already in the catalogue),
// or an empty text.
QString refusalOfNewItem(const Row& item);

// Stores a new item, uses up its running number in its category and logs it, together.
// Throws StoreError with the refusal or the database's message.
void addItem(const Row& item);

// Stores the changes of an item and copies them into every stock row and journal row of
// the item, with its log row, together. Number and category stay as they are.
void changeItem(const Row& item);

// Deletes an item with its stock rows in every warehouse, with its log row, together.
// Journal rows and document lines of the item stay.
void deleteItem(const QString& itemCode);

} // namespace ItemCatalogue
