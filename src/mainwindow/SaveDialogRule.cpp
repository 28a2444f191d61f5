#include "mainwindow/SaveDialogRule.h"

#include "mainwindow/FileNames.h"

#include <QFileInfo>
#include <QStandardPaths>

namespace kolibra::mainwindow {

TSaveDialogStart PrepareSaveDialog(const TSaveFileRequest &request, const QString &defaultFolder,
                                   const QString &recentFolder, const QString &videoFileName, const QDate &today) {
  const auto isFolder = [](const QString &folder) { return !folder.isEmpty() && QFileInfo(folder).isDir(); };
  TSaveDialogStart start;
  if (isFolder(request.Folder))
    start.Folder = request.Folder;
  else if (isFolder(defaultFolder))
    start.Folder = defaultFolder;
  else if (isFolder(recentFolder))
    start.Folder = recentFolder;
  else
    start.Folder = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);

  // The proposal is free where it will be written: in the folder asked for, else beside
  // the base file (the video), else in the last folder used.
  const QString base = request.BaseName.isEmpty() ? videoFileName : request.BaseName;
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

}  // namespace kolibra::mainwindow
