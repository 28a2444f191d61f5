// Killing Kolibra: the main window runs in a child process (recovery_child, offscreen) that
// marks the sample video "Parabole" at the ball's true positions, and is killed with SIGKILL
// while idle, right after a change, during continuous work and halfway through a write. The
// next start finds one recovery file, whole, holding every mark placed more than 2 s before
// the kill at its true place, restores it as unsaved work and removes it on a clean end. The
// options file and the recent files survive a kill in the middle of their rewriting.

#include "editing/ParaboleWork.h"
#include "kit/IniFile.h"
#include "measurement/MRUFiles.h"
#include "settings/Options.h"
#include "work/Recovery.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <csignal>
#include <optional>

namespace kolibra::mainwindow::testing {
namespace {

using editing::testing::CopyParabole;
using editing::testing::ParaboleTruth;
using editing::testing::SampleFile;
using editing::testing::THeadlessParabole;

// The system's monotonic clock in milliseconds, as the child reports its steps.
qint64 Now() {
  QElapsedTimer clock;
  clock.start();
  return clock.msecsSinceReference();
}

// One run of the child, read line by line.
class TChild {
 public:
  TChild(const QString &folder, const QString &stateHome, const QStringList &arguments) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_STATE_HOME"), stateHome);
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    Process.setProcessEnvironment(environment);
    Process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    Process.start(QStringLiteral(KOLIBRA_TEST_RECOVERY_CHILD), QStringList{folder} + arguments);
  }
  ~TChild() {
    if (Process.state() != QProcess::NotRunning) Kill();
  }
  // The next line that starts with prefix (the lines before it are kept); nullopt when the
  // child ends or says nothing of the kind in time.
  std::optional<QString> WaitFor(const QString &prefix, int timeoutMs = 60000) {
    QElapsedTimer waited;
    waited.start();
    for (;;) {
      while (Process.canReadLine()) {
        const QString line = QString::fromUtf8(Process.readLine()).trimmed();
        Lines.push_back(line);
        if (line.startsWith(prefix)) return line;
      }
      if (waited.elapsed() > timeoutMs || Process.state() == QProcess::NotRunning)
        return std::nullopt;
      Process.waitForReadyRead(100);
    }
  }
  // SIGKILL, then the child is reaped (a zombie would still count as running); the time of
  // the kill.
  qint64 Kill() {
    const qint64 at = Now();
    ::kill(pid_t(Process.processId()), SIGKILL);
    Process.waitForFinished(10000);
    return at;
  }
  // When the child said a line that starts with prefix ("opened", "mark 3"), -1 if never.
  qint64 TimeOf(const QString &prefix) const {
    for (const QString &line : Lines)
      if (line.startsWith(prefix + QLatin1Char(' ')))
        return line.section(QLatin1Char(' '), -1).toLongLong();
    return -1;
  }
  // How many marks the child placed before time at.
  int MarksBefore(qint64 at) const {
    int count = 0;
    for (const QString &line : Lines)
      if (line.startsWith(QLatin1String("mark ")) &&
          line.section(QLatin1Char(' '), -1).toLongLong() < at)
        ++count;
    return count;
  }
  bool Finished(int timeoutMs) { return Process.waitForFinished(timeoutMs); }
  int ExitCode() const {
    return Process.exitStatus() == QProcess::NormalExit ? Process.exitCode() : -1;
  }

  QProcess Process;
  QStringList Lines;
};

QString Delays(int count, int ms) {
  QStringList delays;
  for (int i = 0; i < count; ++i) delays << QString::number(ms);
  return delays.join(QLatin1Char(','));
}

class RecoveryKillTest : public ::testing::Test {
 protected:
  void SetUp() override { video = CopyParabole(dir.path()); }
  QString StateHome() const { return dir.filePath(QStringLiteral("state")); }
  QString Folder() const { return QDir(StateHome()).filePath(QStringLiteral("kolibra/recovery")); }
  std::unique_ptr<TChild> Start(const QStringList &arguments) {
    return std::make_unique<TChild>(dir.path(), StateHome(), arguments);
  }
  std::unique_ptr<TChild> Mark(const QString &delays, bool midway = false) {
    QStringList arguments{QStringLiteral("mark"), video, delays};
    if (midway) arguments << QStringLiteral("midway");
    return Start(arguments);
  }

  // The one recovery file left: whole, an orphan, with the first `least` to `most` marks of
  // the ball at their true places (frames 0, 1, ...).
  void ExpectRecovered(int least, int most) {
    const std::vector<work::TRecoveryEntry> entries = work::ListRecoveryFiles(Folder());
    ASSERT_EQ(entries.size(), 1u);
    const work::TRecoveryEntry &entry = entries[0];
    EXPECT_EQ(entry.State, work::rsOrphan);
    EXPECT_GE(entry.Marks, least);
    EXPECT_LE(entry.Marks, most);
    EXPECT_EQ(entry.Video, video);

    THeadlessParabole reread(dir.path());
    const work::TWorkLoadResult loaded = reread.Load(entry.Path);
    ASSERT_TRUE(loaded.Loaded) << loaded.Error.join(QLatin1Char(' ')).toStdString();
    const std::vector<editing::testing::TTruePosition> truth = ParaboleTruth();
    const measurement::TPolyContainer &marks = reread.Data.FixedMarks();
    EXPECT_EQ(marks.MarksCount(), entry.Marks);
    for (int i = 0; i < entry.Marks; ++i) {
      const measurement::TContainer *container = marks.FindContainer(truth[size_t(i)].Frame);
      ASSERT_NE(container, nullptr) << "frame " << truth[size_t(i)].Frame;
      ASSERT_EQ(container->Marks.size(), 1u);
      const TPointD at = container->Marks.front()->GetAbsolutePosition();
      EXPECT_NEAR(at.X, truth[size_t(i)].Relative.X, 1e-6);
      EXPECT_NEAR(at.Y, truth[size_t(i)].Relative.Y, 1e-6);
    }
    // Nothing else was touched: the video is the sample's, byte for byte.
    QFile copy(video), sample(SampleFile("Parabole.avi"));
    ASSERT_TRUE(copy.open(QIODevice::ReadOnly) && sample.open(QIODevice::ReadOnly));
    EXPECT_TRUE(copy.readAll() == sample.readAll());
  }

  QTemporaryDir dir;
  QString video;
};

TEST_F(RecoveryKillTest, KilledWhileIdleTheNextStartRestoresEveryMark) {
  std::unique_ptr<TChild> child = Mark(Delays(6, 100));
  ASSERT_TRUE(child->WaitFor(QStringLiteral("done")));
  QThread::msleep(3000);
  const qint64 at = child->Kill();
  EXPECT_EQ(child->MarksBefore(at - 2000), 6);
  ExpectRecovered(6, 6);

  // The next start offers it; restored, it is unsaved work; a clean end without saving
  // removes it.
  std::unique_ptr<TChild> next = Start({QStringLiteral("restore")});
  const std::optional<QString> restored = next->WaitFor(QStringLiteral("restored"));
  ASSERT_TRUE(restored);
  EXPECT_EQ(*restored, QStringLiteral("restored 6 *") + QDir::toNativeSeparators(video));
  ASSERT_TRUE(next->Finished(30000));
  EXPECT_EQ(next->ExitCode(), 0);
  EXPECT_TRUE(work::ListRecoveryFiles(Folder()).empty());
}

TEST_F(RecoveryKillTest, KilledRightAfterAChangeTheMarksBeforeThePauseAreKept) {
  std::unique_ptr<TChild> child = Mark(Delays(5, 100) + QStringLiteral(",3000"));
  ASSERT_TRUE(child->WaitFor(QStringLiteral("mark 5")));
  const qint64 at = child->Kill();
  EXPECT_EQ(child->MarksBefore(at - 2000), 5);
  // The last mark came too late to be written: the pause after it never ended.
  ExpectRecovered(5, 5);
}

TEST_F(RecoveryKillTest, KilledHalfwayThroughAWriteThePreviousFileIsWhole) {
  std::unique_ptr<TChild> child = Mark(Delays(5, 100) + QStringLiteral(",3000,100,100"), true);
  ASSERT_TRUE(child->WaitFor(QStringLiteral("midway")));
  child->Kill();
  // The copy in hand is lost, the file before it is whole; a half-written copy (where the
  // system gives it a name) is no recovery file, and the next start removes it.
  ExpectRecovered(5, 5);
  work::RemoveStaleRecoveryCopies(Folder());
  EXPECT_EQ(QDir(Folder()).entryList(QDir::Files | QDir::Hidden).size(), 1);
}

TEST_F(RecoveryKillTest, ContinuousWorkIsWrittenAtLeastEveryHalfMinute) {
  // A mark every 0.7 s on the 48 frames: no pause ever comes.
  std::unique_ptr<TChild> child = Mark(Delays(48, 700));
  ASSERT_TRUE(child->WaitFor(QStringLiteral("mark 46"), 90000));
  const qint64 at = child->Kill();
  const qint64 opened = child->TimeOf(QStringLiteral("opened"));
  ASSERT_GT(opened, 0);
  ASSERT_GT(at - opened, 32000) << "the child was too slow for the test to mean anything";
  // Written once the first change, at the opening or after it, was 30 s old: every mark
  // placed before then is in.
  ExpectRecovered(child->MarksBefore(opened + 30000), 47);
}

TEST_F(RecoveryKillTest, TheOptionsAndTheRecentFilesSurviveAKill) {
  const QString options = dir.filePath(QStringLiteral("Kolibra.ini"));
  for (int delayMs : {0, 37, 113}) {
    std::unique_ptr<TChild> child = Start({QStringLiteral("settings")});
    ASSERT_TRUE(child->WaitFor(QStringLiteral("writing")));
    QThread::msleep(delayMs);
    child->Kill();
    // Whichever state was written last, whole: never a mix, never a cut file.
    const settings::TOptions read(options);
    EXPECT_TRUE(read.EditMRU_Value == 7 || read.EditMRU_Value == 9) << read.EditMRU_Value;
    measurement::TMRUFiles recent;
    recent.SetMaxEntries(20);
    recent.LoadFromIni(TIniFile(options));
    ASSERT_EQ(recent.Files().size(), 20);
    const QChar letter = QFileInfo(recent.Files().front()).fileName().front();
    for (const QString &file : recent.Files())
      EXPECT_EQ(QFileInfo(file).fileName().front(), letter);
  }
}

}  // namespace
}  // namespace kolibra::mainwindow::testing
