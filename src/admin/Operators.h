#pragma once

#include <QString>

// Operators log in with a code and a password; the password is kept only as a salted hash.
namespace Operators {

struct NewOperator {
    QString code;
    QString name;
    QString role;
    QString password;
};

// The code the next operator gets; throws StoreError when codes are used up.
QString nextCode();
// Code, name and role, each trimmed, must not be empty.
bool isComplete(const NewOperator& op);
// Stores the operator as typed, the password hashed, with its log row. Throws StoreError.
void add(const NewOperator& op);

// Whether the typed password is that of the first operator of that name (letter case
// counts).
bool passwordMatches(const QString& name, const QString& typed);
// Replaces the password of the first operator of that name after checking the old one,
// with its log row. Throws StoreError when the old password does not match.
void changePassword(const QString& name, const QString& oldPassword, const QString& newPassword);

} // namespace Operators
