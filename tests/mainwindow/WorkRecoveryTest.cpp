// The work session's recovery file without a window: when writes are due, a file only while
// there is something to lose, removed on save, on other work and on a clean end; the
// start-up offer (restore as unsaved work from the original file, discard, later, damaged
// files, files of running processes left alone); the slow check of what changes without
// telling; a failure to write told once.

#include "mainwindow/support/ControllerFixture.h"
#include "mainwindow/support/ScriptedWorkDialogs.h"

#include "editing/Montage.h"
#include "kit/AtomicFile.h"
#include "mainwindow/WorkSession.h"
#include "measurement/Klb.h"
#include "results/ResRecord.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QThread>

#include <deque>
#include <memory>

namespace kolibra::mainwindow::testing {
namespace {

TEST(RecoveryScheduleTest, WritesAfterAPauseAndAtLeastEveryHalfMinute) {
  struct TCase {
    const char *What;
    std::vector<qint64> Changes;
    qint64 Due;
  };
  std::vector<qint64> steady;  // a change every 0.5 s for 40 s
  for (qint64 t = 1000; t <= 41000; t += 500) steady.push_back(t);
  const TCase cases[] = {
      {"one change", {5000}, 7000},
      {"a burst", {5000, 5100, 5900}, 7900},
      {"steady work", steady, 31000},
  };
  for (const TCase &c : cases) {
    TRecoverySchedule schedule;
    EXPECT_FALSE(schedule.Pending());
    for (qint64 t : c.Changes) schedule.Changed(t);
    ASSERT_TRUE(schedule.Pending()) << c.What;
    EXPECT_EQ(schedule.DueAt(), c.Due) << c.What;
    schedule.Written();
    EXPECT_FALSE(schedule.Pending()) << c.What;
  }
}

// The identity of a process that has ended.
work::TProcessIdentity EndedProcess() {
  QProcess process;
  process.start(QStringLiteral("/bin/true"), {});
  process.waitForStarted();
  const qint64 pid = process.processId();
  process.waitForFinished();
  return {pid, 1};
}

class TScriptedRecoveryDialog : public IRecoveryDialog {
 public:
  TRecoveryChoice AskRecovery(const std::vector<work::TRecoveryEntry> &entries) override {
    Shown.push_back(entries);
    if (Answers.empty()) return {};
    const TRecoveryChoice answer = Answers.front();
    Answers.pop_front();
    return answer;
  }
  std::deque<TRecoveryChoice> Answers;
  std::vector<std::vector<work::TRecoveryEntry>> Shown;
};

class WorkRecoveryTest : public ControllerFixture {
 protected:
  WorkRecoveryTest() {
    video.SetMontage(&montage);
    data.SetTimeShifts(&montage);
    session->Probe = [](const QString &file) {
      work::TVideoProbe probe;
      probe.Opened = QFileInfo(file).isFile();
      probe.FrameCount = 20;
      return probe;
    };
    session->EnableRecovery(Folder());
  }
  ~WorkRecoveryTest() override {
    session.reset();
    video.SetMontage(nullptr);
    data.SetTimeShifts(nullptr);
  }
  QString Folder() const { return dir.filePath(QStringLiteral("state/recovery")); }
  QString Own() const { return session->Recovery()->FileName(); }
  // What a pause in the work does: the due write, on disk.
  void Pause() {
    session->Recovery()->Check();
    session->Recovery()->Wait();
    QCoreApplication::processEvents();
  }
  int Marks() const { return data.FixedMarks().MarksCount(); }
  void Mark(int x) { ClickView(TPoint(x, 100)); }

  editing::TMontage montage{video, data, options};
  TScriptedWorkDialogs workDialogs;
  std::unique_ptr<TWorkSession> session = std::make_unique<TWorkSession>(
      controller, TWorkObjects{video, data, montage, nullptr}, options, workDialogs);
};

TEST_F(WorkRecoveryTest, AFileOnlyWhileThereIsSomethingToLose) {
  EXPECT_EQ(QFileInfo(Own()).fileName(), QStringLiteral("%1-%2.klb")
                                             .arg(QCoreApplication::applicationPid())
                                             .arg(work::CurrentProcess().Start));
  Open();
  Pause();
  EXPECT_FALSE(QFileInfo::exists(Own())) << "a new measurement holds nothing yet";

  Mark(100);
  Mark(120);
  Pause();
  work::TRecoveryEntry entry = work::ReadRecoveryEntry(Own());
  EXPECT_EQ(entry.State, work::rsRunning);
  EXPECT_EQ(entry.Marks, 2);
  EXPECT_EQ(entry.Video, dir.filePath(QStringLiteral("clip.mp4")));
  EXPECT_TRUE(entry.WorkFile.isEmpty());

  // Saved: nothing to recover.
  const QString lesson = dir.filePath(QStringLiteral("lesson.klb"));
  workDialogs.Answers.push_back(lesson);
  ASSERT_TRUE(session->Save());
  Pause();
  EXPECT_FALSE(QFileInfo::exists(Own()));

  Mark(140);
  Pause();
  entry = work::ReadRecoveryEntry(Own());
  EXPECT_EQ(entry.Marks, 3);
  EXPECT_EQ(entry.WorkFile, lesson);
  // Undone back to the saved work: nothing to recover again.
  controller.Undo();
  Pause();
  EXPECT_FALSE(QFileInfo::exists(Own()));

  // Other work replaces it (the user chose not to save).
  Mark(140);
  Pause();
  ASSERT_TRUE(QFileInfo::exists(Own()));
  boxes.Answer(2);  // "Ignore"
  ASSERT_TRUE(controller.OpenVideo(File(QStringLiteral("other.mp4"))));
  session->Recovery()->Wait();
  EXPECT_FALSE(QFileInfo::exists(Own()));

  // A clean end removes it.
  Mark(100);
  Pause();
  ASSERT_TRUE(QFileInfo::exists(Own()));
  const QString own = Own();
  session.reset();
  EXPECT_FALSE(QFileInfo::exists(own));
}

TEST_F(WorkRecoveryTest, TheSlowCheckCatchesTheModelsThatChangeWithoutTelling) {
  results::TResRecord shown;
  session->CaptureResults = [&shown] { return shown; };
  Open();
  Mark(100);
  Pause();
  const QString own = Own();
  const auto modified = [&own] { return QFileInfo(own).lastModified(); };
  const QDateTime first = modified();
  ASSERT_TRUE(first.isValid());
  // Nothing changed: nothing written.
  QThread::msleep(20);
  session->Recovery()->CheckQuietChanges();
  session->Recovery()->Wait();
  EXPECT_EQ(modified(), first);
  // A model chosen in the results window tells nobody; the slow check writes it.
  shown.Present = true;
  shown.ModelTemps = 3;
  session->Recovery()->CheckQuietChanges();
  session->Recovery()->Wait();
  TIniFile ini = TIniFile::FromText(own, QString());
  ASSERT_EQ(measurement::TKlb::Read(own, ini), measurement::krsOk);
  EXPECT_EQ(results::ReadResRecord(ini).ModelTemps, 3);
  session->CaptureResults = nullptr;
}

TEST_F(WorkRecoveryTest, RestoredWorkIsUnsavedWorkFromItsOriginalFile) {
  // A crash: the work of a process that has ended, measured from lesson.klb.
  Open();
  const QString lesson = dir.filePath(QStringLiteral("lesson.klb"));
  workDialogs.Answers.push_back(lesson);
  Mark(100);
  ASSERT_TRUE(session->Save());
  Mark(120);
  Mark(140);
  Pause();
  const work::TProcessIdentity ended = EndedProcess();
  const QString orphan = work::RecoveryFileName(Folder(), ended);
  ASSERT_TRUE(QFile::rename(Own(), orphan));
  // The next start: a new, empty measurement.
  boxes.Answer(2);  // "Ignore"
  ASSERT_TRUE(controller.OpenVideo(File(QStringLiteral("other.mp4"))));
  ASSERT_EQ(Marks(), 0);

  TScriptedRecoveryDialog dialog;
  dialog.Answers.push_back({raRestore, 0});
  ASSERT_TRUE(session->OfferRecovery(dialog));
  ASSERT_EQ(dialog.Shown.size(), 1u);
  ASSERT_EQ(dialog.Shown[0].size(), 1u);
  EXPECT_EQ(dialog.Shown[0][0].Marks, 3);
  EXPECT_EQ(dialog.Shown[0][0].State, work::rsOrphan);
  EXPECT_EQ(Marks(), 3);
  EXPECT_EQ(video.VideoFileName(), dir.filePath(QStringLiteral("clip.mp4")));
  EXPECT_TRUE(session->Modified());
  EXPECT_EQ(controller.Caption(), QLatin1Char('*') + QDir::toNativeSeparators(lesson));
  EXPECT_TRUE(controller.RecentList().Files() == QStringList{lesson})
      << "the recovery file is no recent file";
  // The file is this process's now, and holds this process's work at the next pause.
  EXPECT_FALSE(QFileInfo::exists(orphan));
  Pause();
  work::TRecoveryEntry entry = work::ReadRecoveryEntry(Own());
  EXPECT_EQ(entry.State, work::rsRunning);
  EXPECT_EQ(entry.Marks, 3);
  EXPECT_EQ(entry.WorkFile, lesson);

  // Save asks where, proposing the original file.
  workDialogs.Answers.push_back(lesson);
  boxes.Answer(1);  // overwrite: "Ok"
  ASSERT_TRUE(session->Save());
  EXPECT_EQ(workDialogs.SaveAsked.back(),
            (std::pair<QString, QString>(dir.path(), QStringLiteral("lesson.klb"))));
  Pause();
  EXPECT_FALSE(QFileInfo::exists(Own()));
}

TEST_F(WorkRecoveryTest, DamagedDiscardedLaterAndOthersFilesLeftAlone) {
  QDir().mkpath(Folder());
  // A running process's file (this one's sleeping child) is never offered.
  QProcess sleeper;
  sleeper.start(QStringLiteral("sleep"), {QStringLiteral("30")});
  ASSERT_TRUE(sleeper.waitForStarted());
  const QString running = work::RecoveryFileName(Folder(), {sleeper.processId(), 0});
  ASSERT_TRUE(WriteFileAtomically(running, "[Main]\n"));
  const QString damaged = QDir(Folder()).filePath(QStringLiteral("9000001-1.klb"));
  ASSERT_TRUE(WriteFileAtomically(damaged, "[Main]\nVideoFileName=/x.avi\n[Da"));

  TScriptedRecoveryDialog dialog;
  dialog.Answers.push_back({raRestore, 0});  // refused: damaged
  dialog.Answers.push_back({raLater, -1});
  EXPECT_FALSE(session->OfferRecovery(dialog));
  ASSERT_EQ(dialog.Shown.size(), 2u);
  ASSERT_EQ(dialog.Shown[0].size(), 1u);
  EXPECT_EQ(dialog.Shown[0][0].Path, damaged);
  EXPECT_EQ(dialog.Shown[0][0].State, work::rsDamaged);
  EXPECT_TRUE(QFileInfo::exists(damaged)) << "Later keeps it";
  EXPECT_FALSE(video.IsOpen());

  dialog.Answers.push_back({raDiscard, 0});
  EXPECT_FALSE(session->OfferRecovery(dialog));
  EXPECT_EQ(dialog.Shown.size(), 3u) << "nothing left to offer after the discard";
  EXPECT_FALSE(QFileInfo::exists(damaged));
  EXPECT_TRUE(QFileInfo::exists(running));
  sleeper.kill();
  sleeper.waitForFinished();
}

TEST_F(WorkRecoveryTest, AFileTakenByAnotherKolibraIsNotRestoredTwice) {
  Open();
  Mark(100);
  Pause();
  const QString orphan = work::RecoveryFileName(Folder(), EndedProcess());
  ASSERT_TRUE(QFile::rename(Own(), orphan));
  const work::TRecoveryEntry entry = work::ReadRecoveryEntry(orphan);
  // Another process took it between the listing and the answer.
  ASSERT_TRUE(work::ClaimRecoveryFile(orphan, work::RecoveryFileName(Folder(), {9000009, 1})));
  EXPECT_FALSE(session->RestoreRecovery(entry));
  EXPECT_EQ(boxes.Last().Lines.back().Text,
            QStringLiteral("Another Kolibra has taken or removed this recovery file."));
  EXPECT_FALSE(QFileInfo::exists(Own()));
}

TEST_F(WorkRecoveryTest, AVideoThatCannotBeFoundGivesTheFileBack) {
  Open(QStringLiteral("gone.mp4"));
  Mark(100);
  Pause();
  const QString orphan = work::RecoveryFileName(Folder(), EndedProcess());
  ASSERT_TRUE(QFile::rename(Own(), orphan));
  QFile::remove(dir.filePath(QStringLiteral("gone.mp4")));
  const QByteArray before = [&] {
    QFile file(orphan);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }();
  boxes.Answer(1);  // "Cancel" looking for the video
  EXPECT_FALSE(session->RestoreRecovery(work::ReadRecoveryEntry(orphan)));
  QFile file(orphan);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(file.readAll(), before);
  EXPECT_FALSE(QFileInfo::exists(Own()));
}

TEST_F(WorkRecoveryTest, AFailureToWriteIsToldOnce) {
  // The folder cannot be made: a file stands where it would be.
  QDir().mkpath(dir.filePath(QStringLiteral("state")));
  ASSERT_TRUE(WriteFileAtomically(Folder(), "not a folder"));
  std::vector<QString> told;
  session->Recovery()->OnProblem = [&told](const QString &reason) { told.push_back(reason); };
  Open();
  for (int x : {100, 120, 140}) {
    Mark(x);
    Pause();
  }
  ASSERT_EQ(told.size(), 1u);
  EXPECT_FALSE(told[0].isEmpty());
  EXPECT_EQ(boxes.Count(), 0) << "no box at any change";
  // The folder can be made again: the next write succeeds and says so.
  QFile::remove(Folder());
  Mark(160);
  Pause();
  ASSERT_EQ(told.size(), 2u);
  EXPECT_TRUE(told[1].isEmpty());
  EXPECT_EQ(work::ReadRecoveryEntry(Own()).Marks, 4);
}

}  // namespace
}  // namespace kolibra::mainwindow::testing
