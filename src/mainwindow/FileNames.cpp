#include "mainwindow/FileNames.h"

#include "kit/AtomicFile.h"
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace kolibra::mainwindow {

QString DateDigits(const QDate &date) {
  // Formatted field by field: the system's date separators never enter a file name.
  return QStringLiteral("%1%2%3")
      .arg(date.day(), 2, 10, QLatin1Char('0'))
      .arg(date.month(), 2, 10, QLatin1Char('0'))
      .arg(date.year(), 4, 10, QLatin1Char('0'));
}

QString ProposeFileName(const QString &folder, const QString &name, const QString &extension, bool withDate,
                        const QDate &today) {
  QString base = QFileInfo(name).completeBaseName();
  QString suffix;
  if (withDate) {
    const QString date = DateDigits(today);
    base.remove(date);
    suffix = QLatin1Char('_') + date;
  }
  while (base.endsWith(QLatin1Char('_'))) base.chop(1);
  QString ext = extension.toLower();
  ext.remove(QLatin1Char('.'));
  ext.prepend(QLatin1Char('.'));
  QString dir = folder;
  if (!dir.isEmpty() && !dir.endsWith(QLatin1Char('/')) && !dir.endsWith(QDir::separator())) dir += QLatin1Char('/');
  for (int n = 1;; ++n) {
    const QString candidate = dir + base + QLatin1Char('_') + QString::number(n) + suffix + ext;
    if (!QFileInfo::exists(candidate)) return candidate;
  }
}

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
