#pragma once
// A file's bytes read or written whole, for tests that make or damage files by hand.

#include <QByteArray>
#include <QFile>
#include <QString>
#include <gtest/gtest.h>

namespace kolibra::testing {

// Empty when the file cannot be read.
inline QByteArray ReadBytes(const QString &name) {
  QFile file(name);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline void WriteBytes(const QString &name, const QByteArray &bytes) {
  QFile file(name);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(bytes);
}

}  // namespace kolibra::testing
