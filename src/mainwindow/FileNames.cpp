#include "mainwindow/FileNames.h"

#include "kit/AtomicFile.h"
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace kolibra::mainwindow {

namespace file_names {

bool WriteResource(const QString &resource, const QString &target) {
  QFile source(resource);
  if (!source.open(QIODevice::ReadOnly)) return false;
  return WriteFileAtomically(target, source.readAll());
}

}  // namespace file_names

bool WriteSampleVideos(const QString &folder, TSampleVideos &written) {
  const QDir dir(folder);
  const QString cylindre = dir.filePath(QStringLiteral("Kolibra_Cylindre.avi"));
  const QString parabole = dir.filePath(QStringLiteral("Kolibra_Parabole.avi"));
  if (!file_names::WriteResource(QStringLiteral(":/samples/Cylindre"), cylindre) ||
      !file_names::WriteResource(QStringLiteral(":/samples/Parabole"), parabole))
    return false;
  written.Cylindre = cylindre;
  written.Parabole = parabole;
  return true;
}

QString ChooseSample(const TSampleVideos &samples, int seconds) {
  return seconds % 2 != 0 ? samples.Cylindre : samples.Parabole;
}

}  // namespace kolibra::mainwindow
