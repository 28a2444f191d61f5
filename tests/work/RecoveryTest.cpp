// Recovery files: an ordinary work file with the section of its own (read back by the
// loader and by kolibra-cli results), the owner told by the name and by whether that process
// still runs, damaged files (truncated, empty, huge, garbage) listed and never fatal,
// kolibra-cli recover --list line by line, the rename that only one taker wins, and the
// background writer (order of jobs, a folder that cannot be made, a full disk, a copy cut
// halfway).

#include "support/FileBytes.h"
#include "editing/ParaboleWork.h"
#include "kit/AtomicFile.h"
#include "support/FullDisk.h"
#include "support/RunProgram.h"
#include "work/Recovery.h"
#include "work/RecoveryWriter.h"
#include "work/WorkCli.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>

#include <unistd.h>
#include <atomic>
#include <condition_variable>
#include <mutex>

namespace kolibra::work {
namespace {

using editing::testing::CopyParabole;
using ::kolibra::testing::ReadBytes;
using ::kolibra::testing::WriteBytes;
using editing::testing::THeadlessParabole;



// A process that has ended (and been reaped): its id names no running Kolibra.
TProcessIdentity EndedProcess() {
  QProcess process;
  process.start(QStringLiteral("/bin/true"), {});
  process.waitForStarted();
  const qint64 pid = process.processId();
  process.waitForFinished();
  return {pid > 0 ? pid : 9000000, 12345};
}

class RecoveryTest : public ::testing::Test {
 protected:
  QString Folder() const { return dir.filePath(QStringLiteral("recovery")); }
  // The marked sample as a recovery file of process owner.
  QString WriteRecovery(const TProcessIdentity &owner, const QString &workFile = QString()) {
    QDir().mkpath(Folder());
    const QString name = RecoveryFileName(Folder(), owner);
    const QByteArray text = RecoveryText(work.Context(), {owner, workFile, savedAt, 0});
    EXPECT_TRUE(WriteFileAtomically(name, text));
    return name;
  }
  void SetUp() override { ASSERT_TRUE(work.MarkTrajectory(CopyParabole(dir.path()))); }

  QTemporaryDir dir;
  THeadlessParabole work{dir.path()};
  QDateTime savedAt = QDateTime(QDate(2026, 3, 4), QTime(10, 11, 12, 345), Qt::UTC);
};

TEST_F(RecoveryTest, IsAWorkFileThatTheLoaderAndTheResultsCommandRead) {
  const QString name = WriteRecovery(EndedProcess(), QStringLiteral("/classes/ball.klb"));
  THeadlessParabole reread(dir.path());
  const TWorkLoadResult loaded = reread.Load(name);
  ASSERT_TRUE(loaded.Loaded) << loaded.Error.join(QLatin1Char(' ')).toStdString();
  EXPECT_EQ(reread.Data.FixedMarks().MarksCount(), work.Data.FixedMarks().MarksCount());

  QString out, err;
  QTextStream outStream(&out), errStream(&err);
  EXPECT_EQ(WorkResults(name, false, outStream, errStream), 0) << err.toStdString();
  // One line per marked frame after the heading lines.
  EXPECT_GT(out.count(QLatin1Char('\n')), work.Data.FixedMarks().MarksCount());

  const TRecoveryEntry entry = ReadRecoveryEntry(name);
  EXPECT_EQ(entry.State, rsOrphan);
  EXPECT_EQ(entry.Marks, work.Data.FixedMarks().MarksCount());
  EXPECT_EQ(entry.SavedAt, savedAt);
  EXPECT_EQ(entry.WorkFile, QStringLiteral("/classes/ball.klb"));
  EXPECT_EQ(QFileInfo(entry.Video).fileName(), QStringLiteral("Parabole.avi"));
}

TEST_F(RecoveryTest, TheOwnerIsTheProcessThatStillRunsWithTheSameStart) {
  const TProcessIdentity self = CurrentProcess();
  EXPECT_EQ(self.Pid, qint64(::getpid()));
  EXPECT_GT(self.Start, 0);
  EXPECT_TRUE(ProcessRunning(self));
  // The same id given to a later process is not the writer.
  EXPECT_FALSE(ProcessRunning({self.Pid, self.Start + 1}));
  EXPECT_FALSE(ProcessRunning(EndedProcess()));
  EXPECT_FALSE(ProcessRunning({0, 0}));

  TProcessIdentity owner;
  ASSERT_TRUE(RecoveryFileOwner(RecoveryFileName(Folder(), self), owner));
  EXPECT_EQ(owner, self);
  EXPECT_FALSE(RecoveryFileOwner(QStringLiteral("/x/notes.klb"), owner));
  EXPECT_FALSE(RecoveryFileOwner(QStringLiteral("/x/12-34.klb.aBcDeF"), owner));

  const QString mine = WriteRecovery(self);
  const QString orphan = WriteRecovery({self.Pid, self.Start + 1});
  EXPECT_EQ(ReadRecoveryEntry(mine).State, rsRunning);
  EXPECT_EQ(ReadRecoveryEntry(orphan).State, rsOrphan);
  // Nobody takes or removes a running process's file.
  EXPECT_FALSE(DiscardRecoveryFile(mine));
  EXPECT_FALSE(ClaimRecoveryFile(mine, dir.filePath(QStringLiteral("taken.klb"))));
  EXPECT_TRUE(QFileInfo::exists(mine));
}

TEST_F(RecoveryTest, OnlyOneTakerWinsAnOrphan) {
  const QString orphan = WriteRecovery(EndedProcess());
  const QByteArray bytes = ReadBytes(orphan);
  const QString first = RecoveryFileName(Folder(), {1001, 1});
  const QString second = RecoveryFileName(Folder(), {1002, 1});
  EXPECT_TRUE(ClaimRecoveryFile(orphan, first));
  EXPECT_FALSE(ClaimRecoveryFile(orphan, second));
  EXPECT_FALSE(QFileInfo::exists(orphan));
  EXPECT_FALSE(QFileInfo::exists(second));
  EXPECT_EQ(ReadBytes(first), bytes);
  // A taker never overwrites a file of its own name.
  const QString other = WriteRecovery(EndedProcess());
  EXPECT_FALSE(ClaimRecoveryFile(other, first));
  EXPECT_EQ(ReadBytes(first), bytes);
}

TEST_F(RecoveryTest, DamagedFilesAreListedAndDiscardedNeverFatal) {
  QDir().mkpath(Folder());
  const QString whole = WriteRecovery(EndedProcess());
  const QByteArray bytes = ReadBytes(whole);
  struct TCase {
    const char *Name;
    QByteArray Bytes;
  };
  const TCase cases[] = {
      {"9000001-1.klb", bytes.left(bytes.size() / 2)},               // cut in the document
      {"9000002-1.klb", bytes.left(bytes.size() - 4)},               // cut in the last key
      {"9000003-1.klb", QByteArray()},                               // empty
      {"9000004-1.klb", QByteArray("\x00\xff\xfe garbage\n[", 12)},  // not text
      {"9000005-1.klb", bytes.left(bytes.indexOf("[Recovery]"))},    // no section of its own
  };
  for (const TCase &c : cases) WriteBytes(QDir(Folder()).filePath(QLatin1String(c.Name)), c.Bytes);
  // Past the size of any work file: refused without being read (a sparse file).
  const QString huge = QDir(Folder()).filePath(QStringLiteral("9000006-1.klb"));
  {
    QFile file(huge);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_TRUE(file.resize(measurement::MaxWorkFileSize + 1));
  }
  // A half-written copy and another file are not recovery files.
  WriteBytes(whole + QStringLiteral(".Ab12Cd"), bytes.left(100));
  WriteBytes(QDir(Folder()).filePath(QStringLiteral("notes.txt")), "x");

  const std::vector<TRecoveryEntry> entries = ListRecoveryFiles(Folder());
  ASSERT_EQ(entries.size(), 7u);
  int damaged = 0;
  for (const TRecoveryEntry &entry : entries) {
    if (entry.Path == whole) {
      EXPECT_EQ(entry.State, rsOrphan);
      continue;
    }
    ++damaged;
    EXPECT_EQ(entry.State, rsDamaged) << entry.Path.toStdString();
    EXPECT_TRUE(entry.Video.isEmpty());
    EXPECT_TRUE(DiscardRecoveryFile(entry.Path));
  }
  EXPECT_EQ(damaged, 6);
  EXPECT_EQ(RemoveStaleRecoveryCopies(Folder()), 1);
  EXPECT_EQ(QDir(Folder()).entryList(QDir::Files).size(), 2);  // the whole one and the notes
}

TEST_F(RecoveryTest, ListCommandPrintsOneLinePerFile) {
  const QString stateHome = dir.filePath(QStringLiteral("state"));
  const QString folder = QDir(stateHome).filePath(QStringLiteral("kolibra/recovery"));
  QDir().mkpath(folder);
  const TProcessIdentity ended = EndedProcess();
  ASSERT_TRUE(WriteFileAtomically(RecoveryFileName(folder, ended),
                                  RecoveryText(work.Context(), {ended, {}, savedAt, 0})));
  WriteBytes(QDir(folder).filePath(QStringLiteral("9000007-7.klb")), "");
  const QDateTime damagedTime(QDate(2026, 1, 2), QTime(3, 4, 5), Qt::UTC);
  {
    QFile file(QDir(folder).filePath(QStringLiteral("9000007-7.klb")));
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.setFileTime(damagedTime, QFileDevice::FileModificationTime));
  }
  const auto adjust = [stateHome](QProcessEnvironment &env) {
    env.insert(QStringLiteral("XDG_STATE_HOME"), stateHome);
  };

  const testing::TProgramRun run =
      testing::RunProgram(QStringLiteral(KOLIBRA_TEST_CLI),
                          {QStringLiteral("recover"), QStringLiteral("--list")}, adjust);
  ASSERT_EQ(run.Status, 0) << run.Err.toStdString();
  const QString video = QFileInfo(dir.filePath(QStringLiteral("Parabole.avi"))).absoluteFilePath();
  const QString marks = QString::number(work.Data.FixedMarks().MarksCount());
  EXPECT_EQ(run.Out, RecoveryFileName(folder, ended) + QLatin1Char('\t') + video +
                         QStringLiteral("\t2026-03-04T10:11:12.345Z\t") + marks +
                         QStringLiteral("\torphan\n") +
                         QDir(folder).filePath(QStringLiteral("9000007-7.klb")) +
                         QStringLiteral("\t\t2026-01-02T03:04:05.000Z\t0\tdamaged\n"));

  // No folder yet: nothing to list, no error.
  const testing::TProgramRun none = testing::RunProgram(
      QStringLiteral(KOLIBRA_TEST_CLI), {QStringLiteral("recover"), QStringLiteral("--list")},
      [this](QProcessEnvironment &env) {
        env.insert(QStringLiteral("XDG_STATE_HOME"), dir.filePath(QStringLiteral("none")));
      });
  EXPECT_EQ(none.Status, 0);
  EXPECT_TRUE(none.Out.isEmpty());
  const testing::TProgramRun bad =
      testing::RunProgram(QStringLiteral(KOLIBRA_TEST_CLI), {QStringLiteral("recover")}, adjust);
  EXPECT_EQ(bad.Status, 1);
  EXPECT_TRUE(bad.Err.contains(QStringLiteral("recover --list")));
}

TEST(RecoveryFolderTest, FollowsTheStateHome) {
  const QString before = qEnvironmentVariable("XDG_STATE_HOME");
  qputenv("XDG_STATE_HOME", "/srv/state");
  EXPECT_EQ(RecoveryFolder(), QStringLiteral("/srv/state/kolibra/recovery"));
  qputenv("XDG_STATE_HOME", "relative/state");
  EXPECT_EQ(RecoveryFolder(),
            QDir::home().filePath(QStringLiteral(".local/state/kolibra/recovery")));
  qunsetenv("XDG_STATE_HOME");
  EXPECT_EQ(RecoveryFolder(),
            QDir::home().filePath(QStringLiteral(".local/state/kolibra/recovery")));
  if (!before.isEmpty()) qputenv("XDG_STATE_HOME", before.toLocal8Bit());
}

// ---------------------------------------------------------------------------------------------
// The writer
// ---------------------------------------------------------------------------------------------

TEST(RecoveryWriterTest, RunsTheJobsInOrderAndMakesTheFolder) {
  QTemporaryDir dir;
  const QString name = dir.filePath(QStringLiteral("a/b/1-1.klb"));
  std::atomic<int> done{0};
  {
    TRecoveryWriter writer(name);
    writer.OnDone = [&done](bool ok, const QString &) { done += ok ? 1 : 100; };
    writer.Write("first");
    writer.Wait();
    EXPECT_EQ(ReadBytes(name), QByteArray("first"));
    writer.Write("second");
    writer.Remove();
    writer.Wait();
    EXPECT_FALSE(QFileInfo::exists(name));
    writer.Remove();
    writer.Write("third");
  }
  // The destructor finished the last job.
  EXPECT_EQ(ReadBytes(name), QByteArray("third"));
  EXPECT_GE(done.load(), 3);
  EXPECT_LT(done.load(), 100);
  EXPECT_EQ(QDir(dir.filePath(QStringLiteral("a/b"))).entryList(QDir::Files),
            QStringList{QStringLiteral("1-1.klb")});
}

TEST(RecoveryWriterTest, AFolderThatCannotBeMadeIsReported) {
  QTemporaryDir dir;
  // A file stands where the folder would be: no one, root included, makes it.
  WriteBytes(dir.filePath(QStringLiteral("state")), "a file");
  TRecoveryWriter writer(dir.filePath(QStringLiteral("state/recovery/1-1.klb")));
  std::mutex lock;
  std::vector<std::pair<bool, QString>> results;
  writer.OnDone = [&](bool ok, const QString &reason) {
    const std::lock_guard<std::mutex> guard(lock);
    results.emplace_back(ok, reason);
  };
  writer.Write("lost");
  writer.Wait();
  ASSERT_EQ(results.size(), 1u);
  EXPECT_FALSE(results[0].first);
  EXPECT_TRUE(results[0].second.contains(QStringLiteral("recovery")))
      << results[0].second.toStdString();
}

TEST(RecoveryWriterTest, AFullDiskKeepsTheOldFile) {
  QTemporaryDir dir;
  const QString name = dir.filePath(QStringLiteral("1-1.klb"));
  TRecoveryWriter writer(name);
  std::atomic<bool> lastOk{true};
  writer.OnDone = [&lastOk](bool ok, const QString &) { lastOk = ok; };
  writer.Write("kept");
  writer.Wait();
  ASSERT_TRUE(lastOk);
  // The limit applies to the whole process, the writer's thread included.
  testing::WithFileSizeLimit(64, [&] {
    writer.Write(QByteArray(4096, 'x'));
    writer.Wait();
    return 0;
  });
  EXPECT_FALSE(lastOk);
  EXPECT_EQ(ReadBytes(name), QByteArray("kept"));
}

TEST(RecoveryWriterTest, HalfwayThroughAWriteTheOldFileIsWhole) {
  QTemporaryDir dir;
  const QString name = dir.filePath(QStringLiteral("1-1.klb"));
  TRecoveryWriter writer(name);
  writer.Write("old contents");
  writer.Wait();
  std::mutex lock;
  std::condition_variable changed;
  bool midway = false, resume = false;
  writer.SetMidway([&] {
    std::unique_lock<std::mutex> guard(lock);
    midway = true;
    changed.notify_all();
    changed.wait(guard, [&] { return resume; });
  });
  writer.Write(QByteArray(10000, 'n'));
  {
    std::unique_lock<std::mutex> guard(lock);
    changed.wait(guard, [&] { return midway; });
  }
  // The file is untouched while its copy is being written (unnamed where the system allows).
  EXPECT_EQ(ReadBytes(name), QByteArray("old contents"));
  EXPECT_EQ(QDir(dir.path()).entryList({QStringLiteral("*.klb")}, QDir::Files),
            QStringList{QStringLiteral("1-1.klb")});
  {
    const std::lock_guard<std::mutex> guard(lock);
    resume = true;
  }
  changed.notify_all();
  writer.Wait();
  EXPECT_EQ(ReadBytes(name), QByteArray(10000, 'n'));
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
}

}  // namespace
}  // namespace kolibra::work
