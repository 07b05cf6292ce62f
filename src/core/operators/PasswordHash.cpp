#include "operators/PasswordHash.h"

#include <QCryptographicHash>
#include <QPasswordDigestor>
#include <QRandomGenerator>
#include <QStringList>

namespace {

constexpr int kSaltBytes = 16;
constexpr int kHashBytes = 32;
// A stored count above this is not one we wrote; refusing it keeps a damaged or
// planted value from stalling the login.
constexpr int kMaxIterations = 10'000'000;

QByteArray FromBase64(const QString& text, bool* ok) {
    const auto result =
        QByteArray::fromBase64Encoding(text.toLatin1(), QByteArray::AbortOnBase64DecodingErrors);
    *ok = bool(result);
    return *ok ? *result : QByteArray();
}

} // namespace

QString TPasswordHash::Make(const QString& password, int iterations) {
    QByteArray salt(kSaltBytes, Qt::Uninitialized);
    QRandomGenerator::system()->generate(salt.begin(), salt.end());
    const QByteArray hash = Derive(password, salt, iterations);
    return QLatin1String(kPrefix) + QString::number(iterations) + QLatin1Char('$') +
           QString::fromLatin1(salt.toBase64()) + QLatin1Char('$') +
           QString::fromLatin1(hash.toBase64());
}

bool TPasswordHash::IsHash(const QString& stored) {
    TParts parts;
    return Parse(stored, parts);
}

bool TPasswordHash::Matches(const QString& stored, const QString& password) {
    TParts parts;
    if (!Parse(stored, parts))
        return stored == password;
    return SameBytes(Derive(password, parts.Salt, parts.Iterations), parts.Hash);
}

bool TPasswordHash::Parse(const QString& stored, TParts& parts) {
    if (!stored.startsWith(QLatin1String(kPrefix)))
        return false;
    const QStringList fields = stored.mid(qsizetype(strlen(kPrefix))).split(QLatin1Char('$'));
    if (fields.size() != 3)
        return false;
    bool ok = false;
    parts.Iterations = fields[0].toInt(&ok);
    if (!ok || parts.Iterations < 1 || parts.Iterations > kMaxIterations)
        return false;
    parts.Salt = FromBase64(fields[1], &ok);
    if (!ok || parts.Salt.isEmpty())
        return false;
    parts.Hash = FromBase64(fields[2], &ok);
    return ok && parts.Hash.size() == kHashBytes;
}

QByteArray TPasswordHash::Derive(const QString& password, const QByteArray& salt, int iterations) {
    return QPasswordDigestor::deriveKeyPbkdf2(QCryptographicHash::Sha256, password.toUtf8(), salt,
                                              iterations, kHashBytes);
}

// Compares without stopping at the first difference, so the time taken does not
// tell how much of a guess was right.
bool TPasswordHash::SameBytes(const QByteArray& a, const QByteArray& b) {
    if (a.size() != b.size())
        return false;
    unsigned char diff = 0;
    for (qsizetype i = 0; i < a.size(); ++i)
        diff |= static_cast<unsigned char>(a[i] ^ b[i]);
    return diff == 0;
}
