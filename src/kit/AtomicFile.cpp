#include "kit/AtomicFile.h"

#include <QSaveFile>

namespace kolibra {

bool WriteFileAtomically(const QString &fileName, const QByteArray &bytes, QString *reason) {
  QSaveFile file(fileName);
  const auto fail = [&file, reason] {
    if (reason != nullptr) *reason = file.errorString();
    return false;
  };
  if (!file.open(QIODevice::WriteOnly)) return fail();
  // QSaveFile buffers writes, and Qt 6.4's commit() does not report a failed final flush
  // (a full disk): it would put a truncated file in place. Flush first and check.
  if (file.write(bytes) != bytes.size() || !file.flush()) {
    fail();
    file.cancelWriting();
    return false;
  }
  return file.commit() || fail();
}

}  // namespace kolibra
