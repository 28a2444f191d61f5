#pragma once
// Writing a whole file so that it is either replaced completely or left as it was.

#include <QByteArray>
#include <QString>

namespace kolibra {

// Writes bytes to a temporary file beside fileName, then puts it in fileName's place.
// Returns false, and leaves any existing file untouched, when the folder cannot be
// written, the disk is full or the file would pass a size limit; reason, when given, then
// holds the system's words for it.
bool WriteFileAtomically(const QString &fileName, const QByteArray &bytes, QString *reason = nullptr);

}  // namespace kolibra
