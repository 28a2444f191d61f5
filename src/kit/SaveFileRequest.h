#pragma once
// What a subsystem asks of the program's one save dialog. The main window prepares it the
// same way for everybody: it opens in the options' default folder when that exists, else in
// the folder of the last file used, else on the desktop, and proposes a name derived by the
// file-name proposal rule (base name, a counter, today's date, the extension).
//
// Subsystems below the main window (the studio, the capture) only describe the request;
// the window shows the dialog, and tests answer it.

#include <QString>

namespace kolibra {

struct TSaveFileRequest {
  QString Title;             // "Save image to file"
  QString Filter;            // Qt's form: "Bitmap file (*.bmp);;PNG picture (*.png)"
  QString DefaultExtension;  // without the dot: "bmp"
  // The proposal is derived from BaseName (a file name or a bare word such as "Capture"),
  // or from the open video's name when BaseName is empty...
  QString BaseName;
  // ...and checked for existing files in Folder (empty: the folder of BaseName, or the
  // video's). The dialog opens in Folder when it is given.
  QString Folder;
  // Put before the proposal with "_": "ChronoPhoto" gives "ChronoPhoto_Video_1_01022024.bmp".
  QString Prefix;
  // The dialog asks before an existing file is replaced; a caller that refuses existing
  // names with its own words turns this off.
  bool ConfirmOverwrite = true;
};

}  // namespace kolibra
