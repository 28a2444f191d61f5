#pragma once
// Recovery files: the work of a running Kolibra kept on disk between saves, so that a crash,
// a killed program or a power cut costs a few seconds of marking, not a lesson's.
//
// A recovery file is an ordinary work file (kolibra-cli results reads it) with one more
// section, "Recovery", written last: the process that wrote it (its id and its start time,
// which tells a live process from a later one that was given the same id), the work file the
// work came from, the time of writing and the number of marks. A file whose section is
// missing or incomplete was cut short, and is damaged.
//
// Each process writes one file, named after itself ("<pid>-<start>.klb"), in one folder per
// user: $XDG_STATE_HOME/kolibra/recovery, else ~/.local/state/kolibra/recovery. The name
// says whose a file is: a file whose process still runs is never taken or removed by
// another. Taking an orphan is a rename to the taker's own name, which only one process can
// win.

#include "work/WorkFile.h"

#include <QDateTime>
#include <QString>
#include <vector>

class QTextStream;

namespace kolibra::work {

inline const QString RecoverySection = QStringLiteral("Recovery");

// The recovery folder of this user (not created here).
QString RecoveryFolder();

// A process as the recovery files name it: its id and its start time in clock ticks since
// boot (0 where the system does not tell).
struct TProcessIdentity {
  qint64 Pid = 0;
  qint64 Start = 0;
  bool operator==(const TProcessIdentity &) const = default;
};
TProcessIdentity CurrentProcess();
// Whether the process still runs (a zombie does not; one with the same id but another start
// time is another process).
bool ProcessRunning(const TProcessIdentity &process);

// "<folder>/<pid>-<start>.klb".
QString RecoveryFileName(const QString &folder, const TProcessIdentity &process);
// The process a recovery file's name gives; false for a name of another form.
bool RecoveryFileOwner(const QString &fileName, TProcessIdentity &owner);

// What a recovery file records besides the work.
struct TRecoveryInfo {
  TProcessIdentity Process;
  QString WorkFile;  // where the work came from or was last saved; empty for a new one
  QDateTime SavedAt;
  int Marks = 0;
};

// The whole recovery file of a work: the work file's text with the section "Recovery".
QByteArray RecoveryText(const TWorkContext &work, const TRecoveryInfo &info);
// The same from a work already written to ini (which gains the section).
QByteArray RecoveryText(TIniFile &ini, const TRecoveryInfo &info);

enum TRecoveryState { rsRunning, rsOrphan, rsDamaged };

struct TRecoveryEntry {
  QString Path;
  TRecoveryState State = rsDamaged;
  QString Video;      // the video's path as stored; empty when damaged
  QDateTime SavedAt;  // when damaged: the file's last modification
  int Marks = 0;
  QString WorkFile;
  TProcessIdentity Owner;  // from the file's name, else from its section
};

// Every recovery file in folder, the newest first. Reads at most MaxWorkFileSize of each;
// a file that cannot be read is listed as damaged (unless its process still runs).
std::vector<TRecoveryEntry> ListRecoveryFiles(const QString &folder);
// Reads one recovery file.
TRecoveryEntry ReadRecoveryEntry(const QString &path);

// "path<TAB>video<TAB>saved_at<TAB>marks<TAB>state", saved_at in ISO 8601 (UTC), state
// "running", "orphan" or "damaged".
QString RecoveryListLine(const TRecoveryEntry &entry);
// kolibra-cli recover --list: one line per recovery file of folder; status 0.
int RecoverList(const QString &folder, QTextStream &out, QTextStream &err);

// Takes an orphan (or damaged) file by renaming it to ownName; false when its process runs
// again, another process took it first, or ownName exists already.
bool ClaimRecoveryFile(const QString &path, const QString &ownName);
// Removes an orphan or damaged file; false when its process runs or it is gone.
bool DiscardRecoveryFile(const QString &path);
// Removes the half-written copies that processes no longer running left in folder.
int RemoveStaleRecoveryCopies(const QString &folder);

}  // namespace kolibra::work
