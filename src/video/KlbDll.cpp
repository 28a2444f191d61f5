#include "video/KlbDll.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstring>
#include <dlfcn.h>

namespace kolibra::video {

QString TKlbDll::DefaultFolder() {
  const QString forced = qEnvironmentVariable("KOLIBRA_KLBDLL_DIR");
  if (!forced.isEmpty()) return forced;
  return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("KlbDll"));
}

bool TKlbDll::Load(const QString &Folder, const QString &FileName) {
  if (FHandle) return true;
  const QString path = QDir(Folder.isEmpty() ? DefaultFolder() : Folder).filePath(FileName);
  if (!QFileInfo::exists(path)) {
    FError = QCoreApplication::translate("TFFMpegPlay", "%1 is missing.").arg(QDir::toNativeSeparators(path));
    return false;
  }
  dlerror();
  FHandle = dlopen(QFile::encodeName(path).constData(), RTLD_NOW | RTLD_LOCAL);
  if (!FHandle) {
    const char *reason = dlerror();
    FError = reason ? QString::fromLocal8Bit(reason) : path;
    return false;
  }
  FError.clear();
  return true;
}

void TKlbDll::Unload() {
  if (!FHandle) return;
  dlclose(FHandle);
  FHandle = nullptr;
}

void *TKlbDll::Symbol(const char *Name) const { return FHandle ? dlsym(FHandle, Name) : nullptr; }

QString TKlbDll::Text(const char *Text) {
  if (!Text) return QString();
  return QString::fromUtf8(Text, static_cast<qsizetype>(strnlen(Text, 1024)));
}

QString TKlbDll::NotInstalledText() {
  return QCoreApplication::translate("TFFMpegPlay", "The « FFmpeg » libraries are not installed on the hard disk.") +
         QStringLiteral("\r\n") +
         QCoreApplication::translate("TFFMpegPlay", "Please download and install the « KlbDll » folder.");
}

QString TKlbDll::TooOldText() {
  return QCoreApplication::translate("TFFMpegPlay",
                                     "The « FFmpeg » libraries installed on the hard disk are too old.") +
         QStringLiteral("\r\n") +
         QCoreApplication::translate("TFFMpegPlay",
                                     "Please download and install a newer version of the « KlbDll » folder.");
}

}  // namespace kolibra::video
