#include "measurement/Klb.h"

#include "kit/TextDecoding.h"

#include <QFile>
#include <QFileInfo>

namespace kolibra::measurement {

bool CanWriteFile(const QString &name) {
  const QFileInfo file(name);
  if (name.isEmpty() || file.isDir()) return false;
  const QFileInfo folder(file.absolutePath());
  if (!folder.isDir() || !folder.isWritable()) return false;
  return !file.exists() || file.isWritable();
}

bool TKlb::Open(const QString &name) {
  if (IsOpen() || !CanWriteFile(name)) return false;
  Name = name;
  File = TIniFile::FromText(name, QString());
  return true;
}

bool TKlb::Close() {
  if (!IsOpen()) return false;
  const bool written = File->UpdateFile();
  File.reset();
  return written;
}

void TKlb::Cancel() { File.reset(); }

TKlbReadStatus TKlb::Read(const QString &name, TIniFile &ini) {
  QFile file(name);
  if (!QFileInfo(name).isFile()) return krsMissing;
  if (file.size() > MaxWorkFileSize) return krsTooLarge;
  if (!file.open(QIODevice::ReadOnly)) return krsUnreadable;
  // The size is checked again on the bytes read: a file may grow between the two looks.
  const QByteArray bytes = file.read(MaxWorkFileSize + 1);
  if (bytes.size() > MaxWorkFileSize) return krsTooLarge;
  if (file.error() != QFileDevice::NoError) return krsUnreadable;
  ini = TIniFile::FromText(name, DecodeText(bytes));
  return krsOk;
}

}  // namespace kolibra::measurement
