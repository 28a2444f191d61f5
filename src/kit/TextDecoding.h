#pragma once
// Text files written by people and by other programs: Kolibra writes UTF-8, but a work or
// options file edited on Windows may come back with a byte-order mark, as UTF-16, or in the
// Windows-1252 code page ("é" as one byte). Each is read as the user wrote it.

#include <QByteArray>
#include <QString>

namespace kolibra {

// The text of a file's bytes: a byte-order mark selects UTF-8 or UTF-16 and is dropped;
// without one, valid UTF-8 is read as UTF-8 and anything else as Windows-1252.
QString DecodeText(const QByteArray &bytes);

}  // namespace kolibra
