#include "kit/SaveDialogRule.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace kolibra {

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

QString SaveStartFolder(const QString &asked, const QString &defaultFolder, const QString &recentFolder) {
  for (const QString &folder : {asked, defaultFolder, recentFolder})
    if (!folder.isEmpty() && QFileInfo(folder).isDir()) return folder;
  return QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
}

QString NoVideoBaseName() { return QStringLiteral("Kolibra"); }

TSaveDialogStart PrepareSaveDialog(const TSaveFileRequest &request, const QString &defaultFolder,
                                   const QString &recentFolder, const QString &videoFileName, const QDate &today) {
  TSaveDialogStart start;
  start.Folder = SaveStartFolder(request.Folder, defaultFolder, recentFolder);

  // The proposal is free where it will be written: in the folder asked for, else beside
  // the base file (the video), else in the last folder used.
  QString base = request.BaseName.isEmpty() ? videoFileName : request.BaseName;
  if (base.isEmpty()) base = NoVideoBaseName();
  QString proposalFolder = request.Folder;
  if (proposalFolder.isEmpty()) {
    const QFileInfo baseFile(base);
    proposalFolder = baseFile.isAbsolute() ? baseFile.absolutePath() : recentFolder;
  }
  start.Proposed = QFileInfo(ProposeFileName(proposalFolder, QFileInfo(base).fileName(), request.DefaultExtension,
                                             true, today))
                       .fileName();
  if (!request.Prefix.isEmpty()) start.Proposed = request.Prefix + QLatin1Char('_') + start.Proposed;
  return start;
}

}  // namespace kolibra
