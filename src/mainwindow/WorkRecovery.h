#pragma once
// TWorkRecovery: the main window's recovery file, written between saves so that a crash
// costs seconds of work. The work session tells it of every change (Changed); it writes once
// the user has paused for IdleMs, and at least every LongestMs while the changes go on.
// A slow check every LongestMs also catches what changes without telling (the results
// window's models and constructs): it compares a small digest of that part only
// (QuietPrint), so an idle window with thousands of marks does not serialise them. Each write starts from a snapshot the session takes on
// the GUI thread (the work written to an INI in memory); the writer's thread compares it with
// the saved work and with what it wrote last, turns it into the file's text and puts it on
// disk. Only a work that differs from what was last written is written again, and a work
// with nothing to lose (saved, or no video) has no recovery file.
//
// A failure to write is told once (OnProblem) until a write succeeds again, which is told
// with an empty reason.

#include "kit/IniFile.h"
#include "work/Recovery.h"
#include "work/RecoveryWriter.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <functional>
#include <memory>
#include <optional>

namespace kolibra::mainwindow {

// When the next write is due: IdleMs after the last change, and no later than LongestMs
// after the first change not yet written. Times in milliseconds on any steady clock.
class TRecoverySchedule {
 public:
  static constexpr qint64 IdleMs = 2000;
  static constexpr qint64 LongestMs = 30000;
  void Changed(qint64 now);
  void Written();
  bool Pending() const { return FirstChange >= 0; }
  // When pending: the time the write is due.
  qint64 DueAt() const;

 private:
  qint64 FirstChange = -1;
  qint64 LastChange = -1;
};

// The work as a recovery file would hold it.
struct TRecoverySnapshot {
  // The work is changing hands (a file is loading): nothing to do now.
  bool Later = false;
  // The work written by WriteWork; none without a video.
  std::optional<TIniFile> Work;
  // WorkFingerprint of the saved work (empty: never saved): a work that matches it has
  // nothing to lose.
  QByteArray SavedPrint;
  QString WorkFile;
  int Marks = 0;
};

// The answer of the start-up dialog about the recovery files.
enum TRecoveryAnswer { raRestore, raDiscard, raLater };
struct TRecoveryChoice {
  TRecoveryAnswer Answer = raLater;
  int Index = -1;  // the file answered about (Restore, Discard)
};
// The dialog that offers the recovery files at start; the window shows the real one, tests
// answer.
class IRecoveryDialog {
 public:
  virtual ~IRecoveryDialog() = default;
  virtual TRecoveryChoice AskRecovery(const std::vector<work::TRecoveryEntry> &entries) = 0;
};

class TWorkRecovery {
 public:
  // The file is this process's in folder.
  explicit TWorkRecovery(const QString &folder);
  // Waits for the writer; the file stays (TWorkSession removes it on a clean end).
  ~TWorkRecovery();
  TWorkRecovery(const TWorkRecovery &) = delete;
  TWorkRecovery &operator=(const TWorkRecovery &) = delete;

  const QString &Folder() const { return RecoveryFolder; }
  const QString &FileName() const { return Writer.FileName(); }

  // The work changed: a write is scheduled.
  void Changed();
  // Takes a snapshot and hands it to the writer, which writes it if the work differs from
  // what was written last (or removes the file when nothing would be lost).
  void Check();
  // The work is safe elsewhere (saved, replaced, closed): the file goes.
  void Discard();
  // The slow check: Check when what changes without telling has changed since the last one.
  void CheckQuietChanges();
  // Waits until the writer has done every job handed over.
  void Wait() { Writer.Wait(); }

  std::function<TRecoverySnapshot()> Snapshot;
  // A digest of what changes without telling.
  std::function<QByteArray()> QuietPrint;
  // Called on the GUI thread: the reason a write failed (once), or empty once one succeeds.
  std::function<void(const QString &reason)> OnProblem;
  // For tests: called on the writer's thread halfway through a write.
  void SetMidway(std::function<void()> midway) { Writer.SetMidway(std::move(midway)); }

 private:
  void Reschedule();
  void Done(bool ok, const QString &reason);

  // Declared first: it outlives the writer's thread, which posts to it.
  QObject Context;
  QString RecoveryFolder;
  work::TProcessIdentity Process;
  work::TRecoveryWriter Writer;
  TRecoverySchedule Schedule;
  QElapsedTimer Clock;
  QTimer DueTimer;
  QTimer SlowCheck;
  // The fingerprint of the work in the file as this process last wrote it; read and written
  // by the writer's jobs only.
  std::shared_ptr<QByteArray> WrittenPrint = std::make_shared<QByteArray>();
  bool Failing = false;
  QByteArray LastQuietPrint;
};

}  // namespace kolibra::mainwindow
