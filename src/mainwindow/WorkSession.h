#pragma once
// TWorkSession: the main window's work files. It saves the work (the save command with its
// dialog and messages), opens work files through the one loader (Open work..., the recent
// files, the command line, a dropped file, a ".klb" chosen in the video dialog), keeps the
// recent-files list up to date, and tells whether the work was modified since it was
// opened or saved, which the caption shows and the confirmations ask about.
//
// Modified means: what a save would write (apart from the frame shown and the marking
// mode) differs from what was last opened or saved. The document and the montage report
// every change (ContentChanged); the comparison itself is deferred (UpdateModified), so a
// drag does not rebuild the file at every move.
//
// With recovery on (EnableRecovery), a modified work is also kept in this process's
// recovery file (TWorkRecovery), which goes whenever the work is safe again: saved, replaced
// by other work or a new video, or left on a clean end (the session's destruction: a crash
// never gets there). At start, OfferRecovery offers the files of processes that are gone;
// a restored work is unsaved work from its original work file.

#include "mainwindow/WorkRecovery.h"
#include "results/ResRecord.h"
#include "work/WorkFile.h"

#include <QByteArray>
#include <QString>
#include <functional>
#include <memory>

namespace kolibra::measurement {
class TData;
}
namespace kolibra::formulas {
class TFormules;
}
namespace kolibra::settings {
class TOptions;
}
namespace kolibra::videoview {
class TVideoModel;
}
namespace kolibra::editing {
class TMontage;
}

namespace kolibra::mainwindow {

class TMainController;

// The file dialogs of the work files; the window shows the real ones, tests answer.
class IWorkDialogs {
 public:
  virtual ~IWorkDialogs() = default;
  // The save dialog in folder with the proposed file name; empty when cancelled.
  virtual QString AskSaveFileName(const QString &folder, const QString &proposed) = 0;
  // The open dialog for work files; empty when cancelled.
  virtual QString AskWorkFileName(const QString &folder) = 0;
  // The open dialog for a video that has moved; empty when cancelled.
  virtual QString AskVideoFileName(const QString &folder) = 0;
};

struct TWorkObjects {
  videoview::TVideoModel &Video;
  measurement::TData &Data;
  editing::TMontage &Montage;
  formulas::TFormules *Formulas = nullptr;
};

class TWorkSession {
 public:
  // wrapperFolder: where the FFmpeg wrapper is, for the probe of a work file's video.
  TWorkSession(TMainController &controller, const TWorkObjects &objects, settings::TOptions &options,
               IWorkDialogs &dialogs, const QString &wrapperFolder = QString());
  ~TWorkSession();
  TWorkSession(const TWorkSession &) = delete;
  TWorkSession &operator=(const TWorkSession &) = delete;

  // The save command: false when there was nothing to save, the user cancelled or the save
  // failed (so a close that asked to save does not lose the work).
  bool Save();
  // "Open work...": the dialog, then OpenWork.
  bool OpenWorkCommand();
  // Opens a work file after the confirmation; the current work stays on any failure.
  bool OpenWork(const QString &fileName);

  // The work file the work came from or went to last; empty for a new measurement.
  const QString &WorkFileName() const { return WorkFile; }
  // Recomputes whether the work differs from the file (and the caption when that changed).
  bool UpdateModified();
  bool Modified() const { return IsModified; }
  // Something changed: OnPendingCheck asks the window to call UpdateModified soon.
  void ContentChanged();
  std::function<void()> OnPendingCheck;

  // The caption: the work file (else the video) with "*" in front when modified.
  QString Caption() const;

  // The results window's part of the work (its models, constructs, views, vector scales):
  // taken from it before writing or comparing, given back to it once a file opened.
  std::function<results::TResRecord()> CaptureResults;
  std::function<void(const results::TResRecord &)> RestoreResults;

  // How a work file's video is tried before anything changes (tests replace the readers).
  std::function<work::TVideoProbe(const QString &video)> Probe;

  // --- Recovery -----------------------------------------------------------------------------

  // Keeps the modified work in this process's recovery file in folder.
  void EnableRecovery(const QString &folder);
  TWorkRecovery *Recovery() const { return RecoveryFile.get(); }
  // The recovery files of processes no longer running, offered until the user restores one
  // (true), says "Later" or none is left. Damaged files can only be discarded.
  bool OfferRecovery(IRecoveryDialog &dialog);
  // Takes an orphan recovery file and opens it as unsaved work from its original work file;
  // on failure the file is given back as it was.
  bool RestoreRecovery(const work::TRecoveryEntry &entry);

 private:
  // The work now is what the file holds (a save, a load, a new video); a work that matches
  // it has nothing to recover (unless keepRecovery: the view dropped the work on a failed
  // open, and its recovery file is all that is left of it).
  void Settle(const QString &workFile, bool matchesFile, bool keepRecovery = false);
  // Loads fileName through the one loader, telling the user why it failed (about shownName);
  // besideFile: where else its video may be.
  work::TWorkLoadResult Load(const QString &fileName, const QString &shownName, const QString &besideFile);
  TRecoverySnapshot RecoverySnapshot() const;
  // A digest of the results window's part of the work, which changes without telling.
  QByteArray ResultsPrint() const;
  QString InitialFolder() const;
  QByteArray Fingerprint() const;
  // The work's objects with the results as the window holds them now.
  work::TWorkContext Context() const;
  QString LocateVideo(const QString &storedPath, const QString &workFile);

  TMainController &Controller;
  TWorkObjects Objects;
  settings::TOptions &Options;
  IWorkDialogs &Dialogs;
  QString WrapperFolder;
  QString WorkFile;
  QByteArray SavedPrint;
  bool IsModified = false;
  bool Loading = false;
  // The last capture, or what the last file opened held.
  mutable results::TResRecord Results;
  std::unique_ptr<TWorkRecovery> RecoveryFile;
};

}  // namespace kolibra::mainwindow
