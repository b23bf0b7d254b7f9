#pragma once

#include <QString>
#include <QVariantList>

// Codes of reference rows and document numbers: digit strings of a fixed width; the next
// code is the last one plus one, zero-filled to the width. A code that no longer fits is
// refused rather than cut into a duplicate.
struct CodeRule {
    int width;
    const char* firstCode;
};

namespace CodeRules {
inline constexpr CodeRule Warehouse{2, "01"};
inline constexpr CodeRule Category{3, "001"};
inline constexpr CodeRule Department{3, "001"};
inline constexpr CodeRule Supplier{3, "101"};
inline constexpr CodeRule OutsourcingCompany{3, "001"};
inline constexpr CodeRule Operator{4, "0001"};
inline constexpr CodeRule ItemRunningNumber{4, "0001"};
inline constexpr CodeRule Document{8, "00000001"};
} // namespace CodeRules

// The code after lastCode (the rule's first code when lastCode is empty). Throws StoreError
// when lastCode is not a number or the next code does not fit the width.
QString nextCode(const QString& lastCode, const CodeRule& rule);

// The next code after the greatest code of a column among the rows the WHERE clause
// selects (program text with '?' for its bound values; empty for all rows).
QString nextCodeInColumn(const QString& table, const QString& column, const CodeRule& rule,
                         const QString& where = {}, const QVariantList& params = {});
