#include "admin/PasswordHash.h"

#include <QCryptographicHash>
#include <QPasswordDigestor>
#include <QRandomGenerator>
#include <QStringList>

namespace {

constexpr int Iterations = 60000;
constexpr int SaltBytes = 16;
constexpr int HashBytes = 32;
const QString Scheme = QStringLiteral("pbkdf2-sha256");

QByteArray derive(const QString& password, const QByteArray& salt, int iterations) {
    return QPasswordDigestor::deriveKeyPbkdf2(QCryptographicHash::Sha256, password.toUtf8(), salt,
                                              iterations, HashBytes);
}

// Compares without stopping at the first difference.
bool sameBytes(const QByteArray& a, const QByteArray& b) {
    if (a.size() != b.size())
        return false;
    unsigned char difference = 0;
    for (qsizetype i = 0; i < a.size(); ++i)
        difference |= static_cast<unsigned char>(a[i] ^ b[i]);
    return difference == 0;
}

} // namespace

QString PasswordHash::make(const QString& password) {
    QByteArray salt(SaltBytes, Qt::Uninitialized);
    QRandomGenerator::system()->fillRange(reinterpret_cast<quint32*>(salt.data()),
                                          SaltBytes / sizeof(quint32));
    return QStringLiteral("%1$%2$%3$%4")
        .arg(Scheme)
        .arg(Iterations)
        .arg(QString::fromLatin1(salt.toBase64()),
             QString::fromLatin1(derive(password, salt, Iterations).toBase64()));
}

bool PasswordHash::matches(const QString& password, const QString& stored) {
    const QStringList parts = stored.split(u'$');
    if (parts.size() != 4 || parts[0] != Scheme)
        return false;
    bool ok = false;
    const int iterations = parts[1].toInt(&ok);
    if (!ok || iterations <= 0)
        return false;
    const QByteArray salt = QByteArray::fromBase64(parts[2].toLatin1());
    const QByteArray expected = QByteArray::fromBase64(parts[3].toLatin1());
    return sameBytes(derive(password, salt, iterations), expected);
}
