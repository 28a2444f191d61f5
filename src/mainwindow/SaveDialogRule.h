#pragma once
// Where the shared save dialog opens and what it proposes (the data module's preparation):
// the options' default folder when it exists, else the folder of the last file used, else
// the desktop; the name by the file-name proposal rule, from the request's base name or the
// video's, with today's date, behind the request's prefix.

#include "kit/SaveFileRequest.h"

#include <QDate>
#include <QString>

namespace kolibra::mainwindow {

struct TSaveDialogStart {
  QString Folder;    // where the dialog opens
  QString Proposed;  // the file name proposed, without a folder
};

TSaveDialogStart PrepareSaveDialog(const TSaveFileRequest &request, const QString &defaultFolder,
                                   const QString &recentFolder, const QString &videoFileName,
                                   const QDate &today = QDate::currentDate());

}  // namespace kolibra::mainwindow
