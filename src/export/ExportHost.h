#pragma once
// What the export asks of the program around it: the main window's shared save dialog with
// its preparation, its recent-files folder and its file-name proposal, and the dialog kit's
// file search. The windows implement it; tests answer from a script.

#include <QString>

namespace kolibra::exporting {

// The save dialog's preparation: with no proposed name the host derives one from the video's
// name with the default extension; a prefix comes before it, joined by "_". The filter is
// written "description|mask|description|mask...".
struct TSaveDialogRequest {
  QString Prefix;
  QString ProposedName;
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
