#include "settings/PasswordHash.h"

#include <QCryptographicHash>
#include <QPasswordDigestor>
#include <QRandomGenerator>
#include <QStringList>
#include <algorithm>

namespace kolibra::settings {

namespace password_hash {

constexpr int SaltLength = 16;
constexpr int HashLength = 32;  // one SHA-256 block: a longer key only costs the defender
constexpr auto Base64Options = QByteArray::Base64Encoding | QByteArray::OmitTrailingEquals;

bool DecodeBase64(const QString &text, QByteArray &bytes) {
  const auto result = QByteArray::fromBase64Encoding(text.toLatin1(), Base64Options);
  if (!result || text.isEmpty()) return false;
  bytes = *result;
  return true;
}

}  // namespace password_hash

QByteArray Pbkdf2Sha256(const QByteArray &password, const QByteArray &salt, int iterations,
                        int length) {
  return QPasswordDigestor::deriveKeyPbkdf2(QCryptographicHash::Sha256, password, salt,
                                            iterations, quint64(length));
}

bool ConstantTimeEqual(const QByteArray &a, const QByteArray &b) {
  // Every byte of the longer one is visited; only the lengths may show, and they are no secret.
  const qsizetype length = std::max(a.size(), b.size());
  unsigned difference = a.size() == b.size() ? 0u : 1u;
  for (qsizetype i = 0; i < length; ++i) {
    const auto x = i < a.size() ? static_cast<unsigned char>(a.at(i)) : 0u;
    const auto y = i < b.size() ? static_cast<unsigned char>(b.at(i)) : 0u;
    difference |= x ^ y;
  }
  return difference == 0;
}

QString HashPassword(const QString &password, int iterations, const QByteArray &salt) {
  using namespace password_hash;
  QByteArray usedSalt = salt;
  if (usedSalt.isEmpty()) {
    usedSalt.resize(SaltLength);
    QRandomGenerator::system()->generate(usedSalt.begin(), usedSalt.end());
  }
  iterations = std::clamp(iterations, MinPasswordIterations, MaxPasswordIterations);
  const QByteArray hash = Pbkdf2Sha256(password.toUtf8(), usedSalt, iterations, HashLength);
  return QStringList{QLatin1String(PasswordHashScheme), QString::number(iterations),
                     QString::fromLatin1(usedSalt.toBase64(Base64Options)),
                     QString::fromLatin1(hash.toBase64(Base64Options))}
      .join(QLatin1Char('$'));
}

bool IsPasswordHash(const QString &stored) { return stored.contains(QLatin1Char('$')); }

bool VerifyPassword(const QString &typed, const QString &stored) {
  using namespace password_hash;
  if (!IsPasswordHash(stored)) return ConstantTimeEqual(typed.toUtf8(), stored.toUtf8());
  const QStringList parts = stored.split(QLatin1Char('$'));
  if (parts.size() != 4 || parts.at(0) != QLatin1String(PasswordHashScheme)) return false;
  bool ok = false;
  const int iterations = parts.at(1).toInt(&ok);
  if (!ok || iterations < MinPasswordIterations || iterations > MaxPasswordIterations)
    return false;
  QByteArray salt;
  QByteArray hash;
  if (!DecodeBase64(parts.at(2), salt) || !DecodeBase64(parts.at(3), hash)) return false;
  // A key as long as the stored one, so a hash from a longer derivation still compares.
  if (hash.size() < 16 || hash.size() > 64) return false;
  return ConstantTimeEqual(Pbkdf2Sha256(typed.toUtf8(), salt, iterations, int(hash.size())), hash);
}

}  // namespace kolibra::settings
