#pragma once
// How the options' password is kept: never as typed, but as a salted PBKDF2-HMAC-SHA256
// hash, "pbkdf2-sha256$iterations$salt$hash" with the salt and the hash in base64 (without
// padding, so the value has no "=" to trouble an INI line). Teachers reuse passwords, and
// the options file is readable by whoever can read the user's folder.
//
// A stored value without "$" is a plain password written by an older version: it is
// compared as it always was (exactly, case-sensitive) and replaced by its hash by the
// caller after the first successful check. Every comparison takes the same time whatever
// the first differing byte.

#include <QByteArray>
#include <QString>

namespace kolibra::settings {

// About a quarter of a second on a school computer: slow enough to make guessing from a
// copied options file expensive, fast enough for a dialog that opens once in a while.
inline constexpr int DefaultPasswordIterations = 50000;
// Bounds of the iteration count read from a stored hash: a hand-edited file must neither
// make the check free nor freeze the program.
inline constexpr int MinPasswordIterations = 1;
inline constexpr int MaxPasswordIterations = 10000000;

inline constexpr const char *PasswordHashScheme = "pbkdf2-sha256";

// PBKDF2 with HMAC-SHA256 (Qt's QPasswordDigestor).
QByteArray Pbkdf2Sha256(const QByteArray &password, const QByteArray &salt, int iterations,
                        int length);

// Equal contents, compared in a time that does not depend on where they differ.
bool ConstantTimeEqual(const QByteArray &a, const QByteArray &b);

// The stored form of a password; a random 16-byte salt unless one is given (tests).
QString HashPassword(const QString &password, int iterations = DefaultPasswordIterations,
                     const QByteArray &salt = QByteArray());

// A stored value in the hashed form (it holds "$"); otherwise an older plain password.
bool IsPasswordHash(const QString &stored);

// Does typed match the stored value (hash or older plain password)? A malformed hash
// matches nothing.
bool VerifyPassword(const QString &typed, const QString &stored);

}  // namespace kolibra::settings
