#pragma once

#include <QString>

// Operator passwords are kept as salted PBKDF2-SHA256 hashes:
// "pbkdf2-sha256$<iterations>$<salt base64>$<hash base64>". The comparison is exact, so
// letter case matters.
namespace PasswordHash {
QString make(const QString& password);
bool matches(const QString& password, const QString& stored);
} // namespace PasswordHash
