#pragma once
// The whole work in a ".klb" file: writing it (the save command and kolibra-cli resave)
// and reading it back (Open work..., the recent files, the command line, a dropped file,
// kolibra-cli results) through one loader that the windows and the command line share.
//
// Writing builds the file in memory in the order [Main], the document (section "Data"),
// the video view ("Video"), the montage ("Montage"), the formulas ("Formules", "Record"),
// the results ("Results": models, constructs, views, vector scales), and puts it on disk at
// once (TKlb).
//
// Reading parses and checks the whole file, finds and probes its video, and only then
// touches the current work: it opens the video in the view (which starts a new
// measurement), then restores the montage, the document, the formulas, and the view's frame
// and marking mode. Any failure before the video opens leaves the current work as it was.
// The readers bound every count by what the file holds, drop marks that are not numbers or
// lie on frames the video does not have or hides, and keep the video's frame interval when
// the file's is absurd; a file whose video editing puts two visible frames at one time is
// refused.
//
// Defaults where the file lacks a key: a system's origin in the middle of the frame (0.5,
// 0.5), axes along the frame (x angle 0, the y axis always derived from x), no scale, one
// object; missing sections read as an empty measurement on the named video.

#include "measurement/Klb.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>

namespace kolibra::measurement {
class TData;
}
namespace kolibra::formulas {
class TFormules;
}
namespace kolibra::videoview {
class TVideoModel;
}
namespace kolibra::editing {
class TMontage;
}
namespace kolibra::results {
struct TResRecord;
}

namespace kolibra::work {

using editing::TMontage;

// What a work file records, and where it goes back to.
struct TWorkContext {
  videoview::TVideoModel &Video;
  measurement::TData &Data;
  TMontage &Montage;
  formulas::TFormules *Formulas = nullptr;
  // What the file keeps of the results (section "Results"): written when Present, read back
  // on opening (not Present for a file without the section). The window captures it from its
  // results before writing and gives it back to them after opening.
  results::TResRecord *Results = nullptr;
};

// Every section of the work, in the file's order.
void WriteWork(const TWorkContext &work, TIniFile &ini);

enum TWorkSaveResult {
  wsOk,
  wsOpenFailed,   // the file cannot be made there ("Saving has failed.")
  wsWriteFailed,  // writing it failed; an older file is untouched ("File saving has failed.")
};
TWorkSaveResult SaveWork(const TWorkContext &work, const QString &fileName);

// A digest of what the user would lose: every section but the view's position (the frame
// shown, the marking mode, the layer's place on that frame, the next object to point) and
// how the results were last shown (their view, choices and vector scales).
// Equal digests: nothing to save.
QByteArray WorkFingerprint(const TWorkContext &work);
// The same of a work already written by WriteWork.
QByteArray WorkFingerprint(TIniFile written);

// A video tried before anything changes.
struct TVideoProbe {
  bool Opened = false;
  int FrameCount = 0;
  QString Reason;  // why it did not open
};
// Opens file with a reader set of its own (wrapperFolder: where the FFmpeg wrapper is).
TVideoProbe ProbeVideo(const QString &file, const QString &wrapperFolder);

struct TWorkLoadRequest {
  QString FileName;
  // The video is also looked for beside this file (by default FileName): a recovery file
  // looks beside the work file it was made from.
  QString BesideFile;
  // Opens the video in the view; the window's own opening, which resets the measurement.
  // Without it the view opens the file itself.
  std::function<bool(const QString &video)> OpenVideo;
  // The video is neither where the file says nor beside the file: the user may point to it.
  // Returns the chosen file, or an empty text to give up. Without it the load fails.
  std::function<QString(const QString &storedPath)> LocateVideo;
  // Asked once the file and its video have passed every check, just before the current
  // work gives way; false stops the load as cancelled (the user kept the work in hand).
  std::function<bool()> BeforeChange;
  // Tries a video before anything changes; by default ProbeVideo with WrapperFolder.
  std::function<TVideoProbe(const QString &video)> Probe;
  QString WrapperFolder;
};

struct TWorkLoadResult {
  bool Loaded = false;
  // The user gave up finding the video: nothing happened and nothing more is said.
  bool Cancelled = false;
  // Why the file was not loaded, line by line (the file name is not included).
  QStringList Error;
  // What the user should know about a loaded file.
  QStringList Warnings;
  // The video that was opened; differs from the stored one when it had moved.
  QString VideoFile;
  bool VideoMoved = false;
  // The video passed its probe but the view could not open it (OpenVideo told the user).
  bool ViewOpenFailed = false;
};
TWorkLoadResult LoadWork(const TWorkContext &work, const TWorkLoadRequest &request);

// The file name part of a stored path, whichever separators it was written with.
QString StoredFileName(const QString &storedPath);

}  // namespace kolibra::work
