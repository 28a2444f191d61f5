#include "work/Recovery.h"

#include "measurement/Data.h"
#include "measurement/Klb.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTextStream>

#include <unistd.h>
#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>

namespace kolibra::work {

namespace recovery_impl {

const QString PidKey = QStringLiteral("ProcessId");
const QString StartKey = QStringLiteral("ProcessStart");
const QString WorkFileKey = QStringLiteral("WorkFile");
const QString SavedAtKey = QStringLiteral("SavedAt");
const QString MarksKey = QStringLiteral("Marks");
// Written last: a file cut anywhere before it lacks it.
const QString CompleteKey = QStringLiteral("Complete");

const QRegularExpression &OwnerPattern() {
  static const QRegularExpression pattern(QStringLiteral("^(\\d{1,10})-(\\d{1,20})\\.klb$"));
  return pattern;
}

// The start time of a process in clock ticks since boot (field 22 of /proc/PID/stat), 0
// when it is not running or is a zombie, -1 when the system has no /proc.
qint64 ProcStart(qint64 pid) {
  static const bool hasProc = QFileInfo::exists(QStringLiteral("/proc/self/stat"));
  if (!hasProc) return -1;
  QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
  if (!stat.open(QIODevice::ReadOnly)) return 0;
  const QByteArray text = stat.read(4096);
  // The command name, in brackets, may hold spaces and brackets itself.
  const qsizetype close = text.lastIndexOf(')');
  if (close < 0) return 0;
  const QList<QByteArray> fields = text.mid(close + 2).split(' ');
  // fields[0] is field 3 (the state), so field 22 is fields[19].
  if (fields.size() < 20 || fields[0] == "Z" || fields[0] == "X") return 0;
  bool ok = false;
  const qint64 start = fields[19].toLongLong(&ok);
  return ok ? start : 0;
}

QString IsoTime(const QDateTime &time) { return time.toUTC().toString(Qt::ISODateWithMs); }

}  // namespace recovery_impl

using namespace recovery_impl;

QString RecoveryFolder() {
  QString state = qEnvironmentVariable("XDG_STATE_HOME");
  // A relative XDG_STATE_HOME is not to be used: the XDG base directory rules say so.
  if (state.isEmpty() || QDir::isRelativePath(state))
    state = QDir::home().filePath(QStringLiteral(".local/state"));
  return QDir(state).filePath(QStringLiteral("kolibra/recovery"));
}

TProcessIdentity CurrentProcess() {
  const qint64 pid = qint64(::getpid());
  return {pid, std::max<qint64>(0, ProcStart(pid))};
}

bool ProcessRunning(const TProcessIdentity &process) {
  if (process.Pid <= 0) return false;
  const qint64 start = ProcStart(process.Pid);
  if (start >= 0) return start > 0 && (process.Start == 0 || start == process.Start);
  // Without /proc: whether any process has that id.
  return ::kill(pid_t(process.Pid), 0) == 0 || errno == EPERM;
}

QString RecoveryFileName(const QString &folder, const TProcessIdentity &process) {
  return QDir(folder).filePath(QStringLiteral("%1-%2.klb").arg(process.Pid).arg(process.Start));
}

bool RecoveryFileOwner(const QString &fileName, TProcessIdentity &owner) {
  const QRegularExpressionMatch match = OwnerPattern().match(QFileInfo(fileName).fileName());
  if (!match.hasMatch()) return false;
  owner = {match.captured(1).toLongLong(), match.captured(2).toLongLong()};
  return true;
}

// ---------------------------------------------------------------------------------------------
// Writing
// ---------------------------------------------------------------------------------------------

QByteArray RecoveryText(TIniFile &ini, const TRecoveryInfo &info) {
  ini.EraseSection(RecoverySection);
  ini.WriteString(RecoverySection, PidKey, QString::number(info.Process.Pid));
  ini.WriteString(RecoverySection, StartKey, QString::number(info.Process.Start));
  ini.WriteString(RecoverySection, WorkFileKey, info.WorkFile);
  ini.WriteString(RecoverySection, SavedAtKey, IsoTime(info.SavedAt));
  ini.WriteInteger(RecoverySection, MarksKey, info.Marks);
  ini.WriteBool(RecoverySection, CompleteKey, true);
  return ini.ToText().toUtf8();
}

QByteArray RecoveryText(const TWorkContext &work, const TRecoveryInfo &info) {
  TIniFile ini = TIniFile::FromText(QString(), QString());
  WriteWork(work, ini);
  TRecoveryInfo counted = info;
  counted.Marks = work.Data.FixedMarks().MarksCount() + work.Data.LayerMarks().MarksCount();
  return RecoveryText(ini, counted);
}

// ---------------------------------------------------------------------------------------------
// Reading
// ---------------------------------------------------------------------------------------------

TRecoveryEntry ReadRecoveryEntry(const QString &path) {
  TRecoveryEntry entry;
  entry.Path = path;
  const bool named = RecoveryFileOwner(path, entry.Owner);
  entry.SavedAt = QFileInfo(path).lastModified();

  TIniFile ini = TIniFile::FromText(path, QString());
  bool whole = measurement::TKlb::Read(path, ini) == measurement::krsOk;
  const QString video =
      ini.ReadString(measurement::WorkMainSection, measurement::WorkVideoKey, QString()).trimmed();
  const QDateTime saved = QDateTime::fromString(
      ini.ReadString(RecoverySection, SavedAtKey, QString()), Qt::ISODateWithMs);
  bool marksOk = false;
  const int marks = ini.ReadString(RecoverySection, MarksKey, QString()).toInt(&marksOk);
  whole = whole && !video.isEmpty() && saved.isValid() && marksOk && marks >= 0 &&
          ini.ReadBool(RecoverySection, CompleteKey, false);
  if (!named) {
    entry.Owner.Pid = ini.ReadString(RecoverySection, PidKey, QString()).toLongLong();
    entry.Owner.Start = ini.ReadString(RecoverySection, StartKey, QString()).toLongLong();
  }
  if (whole) {
    entry.Video = video;
    entry.SavedAt = saved;
    entry.Marks = marks;
    entry.WorkFile = ini.ReadString(RecoverySection, WorkFileKey, QString());
  }
  // A running process's file is its own business, whatever it holds now.
  entry.State = ProcessRunning(entry.Owner) ? rsRunning : whole ? rsOrphan : rsDamaged;
  return entry;
}

std::vector<TRecoveryEntry> ListRecoveryFiles(const QString &folder) {
  std::vector<TRecoveryEntry> entries;
  const QFileInfoList files =
      QDir(folder).entryInfoList({QStringLiteral("*.klb")}, QDir::Files | QDir::Hidden, QDir::Name);
  for (const QFileInfo &file : files) entries.push_back(ReadRecoveryEntry(file.absoluteFilePath()));
  std::stable_sort(
      entries.begin(), entries.end(),
      [](const TRecoveryEntry &a, const TRecoveryEntry &b) { return a.SavedAt > b.SavedAt; });
  return entries;
}

QString RecoveryListLine(const TRecoveryEntry &entry) {
  static const char *const states[] = {"running", "orphan", "damaged"};
  return QStringList{entry.Path, entry.Video, IsoTime(entry.SavedAt), QString::number(entry.Marks),
                     QLatin1String(states[entry.State])}
      .join(QLatin1Char('\t'));
}

int RecoverList(const QString &folder, QTextStream &out, QTextStream &err) {
  Q_UNUSED(err);
  for (const TRecoveryEntry &entry : ListRecoveryFiles(folder))
    out << RecoveryListLine(entry) << Qt::endl;
  return 0;
}

// ---------------------------------------------------------------------------------------------
// Taking and discarding
// ---------------------------------------------------------------------------------------------

bool ClaimRecoveryFile(const QString &path, const QString &ownName) {
  if (ReadRecoveryEntry(path).State == rsRunning || QFileInfo::exists(ownName)) return false;
  // rename() is atomic: of two processes taking one file, only one finds it.
  return std::rename(QFile::encodeName(path).constData(), QFile::encodeName(ownName).constData()) ==
         0;
}

bool DiscardRecoveryFile(const QString &path) {
  if (ReadRecoveryEntry(path).State == rsRunning) return false;
  return QFile::remove(path);
}

int RemoveStaleRecoveryCopies(const QString &folder) {
  // A killed writer leaves "<pid>-<start>.klb.XXXXXX" behind.
  int removed = 0;
  const QFileInfoList files =
      QDir(folder).entryInfoList({QStringLiteral("*.klb.*")}, QDir::Files | QDir::Hidden);
  for (const QFileInfo &file : files) {
    TProcessIdentity owner;
    const QString name = file.fileName();
    const qsizetype klb = name.indexOf(QLatin1String(".klb."));
    if (!RecoveryFileOwner(name.left(klb + 4), owner) || ProcessRunning(owner)) continue;
    if (QFile::remove(file.absoluteFilePath())) ++removed;
  }
  return removed;
}

}  // namespace kolibra::work
