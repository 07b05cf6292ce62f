#pragma once

#include <QByteArray>
#include <QString>

// Passwords are kept in the operator table as a salted PBKDF2-SHA256 hash:
//   pbkdf2-sha256$<iterations>$<salt, base64>$<hash, base64>
// Older databases hold plain text; such a value still matches the same text.
class TPasswordHash {
  public:
    // Iterations of a new hash: about 100 ms of one processor core, slow enough
    // to make guessing from a copied table costly, quick enough for a login.
    // The count is stored in each hash, so raising it later keeps old hashes valid.
    static constexpr int kIterations = 75000;
    static constexpr const char* kPrefix = "pbkdf2-sha256$";

    // A new hash of `password` with a fresh random salt.
    static QString Make(const QString& password, int iterations = kIterations);
    // True when `stored` is a well-formed hash of this kind.
    static bool IsHash(const QString& stored);
    // True when `password` is the one `stored` keeps: a hash is checked by
    // deriving it again, plain text is compared exactly (case-sensitive).
    static bool Matches(const QString& stored, const QString& password);

  private:
    struct TParts {
        int Iterations = 0;
        QByteArray Salt;
        QByteArray Hash;
    };
    static bool Parse(const QString& stored, TParts& parts);
    static QByteArray Derive(const QString& password, const QByteArray& salt, int iterations);
    static bool SameBytes(const QByteArray& a, const QByteArray& b);
};
