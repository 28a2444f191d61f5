#pragma once
// The program's one rule for save dialogs: where a dialog opens and which file name it
// proposes. Every save goes through it, whichever window asks: the main window's shared
// dialog (TSaveFileRequest), the export's, the results window's pictures and the print
// window's PDF.
//
// The folder: the one asked for when it exists, else the options' default folder, else the
// folder of the last file used, else the desktop. The name: the request's base name or the
// open video's ("Kolibra" with neither), without today's date digits and trailing "_", then
// "_" and the smallest counter free in the folder where it will be written, "_" and today's
// date, the extension; the request's prefix before it, joined by "_".

#include "kit/SaveFileRequest.h"

#include <QDate>
#include <QString>

namespace kolibra {

// Today's date as ddmmyyyy, digits only whatever the system's separators.
QString DateDigits(const QDate &date);

// folder + base + "_" + n + date suffix + extension for the smallest n >= 1 whose file does
// not exist. base is name without its extension, with every occurrence of the date digits
// removed and trailing "_" stripped; the date suffix is "_" + the date digits with withDate,
// else nothing; the extension is lower-cased, its dots removed, one dot put in front.
QString ProposeFileName(const QString &folder, const QString &name, const QString &extension, bool withDate,
                        const QDate &today = QDate::currentDate());

// The folder a save dialog opens in: asked when it is a folder, else defaultFolder, else
// recentFolder, else the desktop.
QString SaveStartFolder(const QString &asked, const QString &defaultFolder, const QString &recentFolder);

// The base name proposed when neither the request nor an open video gives one.
QString NoVideoBaseName();

struct TSaveDialogStart {
  QString Folder;    // where the dialog opens
  QString Proposed;  // the file name proposed, without a folder
};

TSaveDialogStart PrepareSaveDialog(const TSaveFileRequest &request, const QString &defaultFolder,
                                   const QString &recentFolder, const QString &videoFileName,
                                   const QDate &today = QDate::currentDate());

}  // namespace kolibra
