#pragma once
// What the export asks of the program around it: a save dialog prepared by the program's
// one save rule, the recent-files folder and the file-name proposal, and the dialog kit's
// file search. The windows implement it; tests answer from a script.

#include <QString>

namespace kolibra::exporting {

// The save dialog's preparation, by the program's save rule: the name is proposed from
// BaseName, or from the video's name when it is empty, with the default extension; a prefix
// comes before it, joined by "_". The filter is written "description|mask|description|mask...".
struct TSaveDialogRequest {
  QString Prefix;
  QString BaseName;
  int FilterIndex = 1;
  QString Title;
  QString Filter;
  QString DefaultExtension;
};

class IExportHost {
 public:
  virtual ~IExportHost() = default;
  // The file the user chose; empty when the dialog was cancelled. The dialog does not ask
  // about an existing file: the export asks itself, once the name is final.
  virtual QString AskSaveFileName(const TSaveDialogRequest &request) = 0;
  // The folder becomes the recent-files folder.
  virtual void SetRecentFolder(const QString &folder) = 0;
  // A name in folder for a new file with the extension (without dot), derived from the
  // video's name by the program's proposal rule: no file of that name exists yet.
  virtual QString ProposeFileName(const QString &folder, const QString &extension) = 0;
  // The file-search dialog with a filter "description|mask", its result list emptied; the
  // found file the user opened (folder and name), empty when none.
  virtual QString SearchFile(const QString &filter) = 0;
};

}  // namespace kolibra::exporting
