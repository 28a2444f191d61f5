// The main window's work files without a window: the save command with its dialog and
// messages, the real result of a save (a close after a failed save keeps the work), the
// modified mark and the confirmations that appear only when work would be lost, opening
// work files through every way in, a video that moved, the recent files.

#include "mainwindow/support/ControllerFixture.h"
#include "mainwindow/support/ScriptedWorkDialogs.h"

#include "editing/Montage.h"
#include "kit/IniFile.h"
#include "kit/SaveDialogRule.h"
#include "mainwindow/FileNames.h"
#include "mainwindow/WorkSession.h"
#include "modelling/ModelFunction.h"
#include "results/ResModel.h"
#include "support/FullDisk.h"

#include <QDir>
#include <QFileInfo>

namespace kolibra::mainwindow::testing {
namespace {

class WorkSessionTest : public ControllerFixture {
 protected:
  WorkSessionTest() {
    video.SetMontage(&montage);
    data.SetTimeShifts(&montage);
    // The reader double opens any existing file as 20 frames.
    session.Probe = [](const QString &file) {
      work::TVideoProbe probe;
      probe.Opened = QFileInfo(file).isFile();
      probe.FrameCount = 20;
      return probe;
    };
  }
  ~WorkSessionTest() override {
    video.SetMontage(nullptr);
    data.SetTimeShifts(nullptr);
  }
  void MarkSomething(TPoint pixel = TPoint(100, 100)) { ClickView(pixel); }
  QString Saved(const char *name) {
    dialogs.Answers.push_back(dir.filePath(QLatin1String(name)));
    EXPECT_TRUE(session.Save());
    return dir.filePath(QLatin1String(name));
  }
  static QString ReadAll(const QString &name) {
    QFile file(name);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
  }

  editing::TMontage montage{video, data, options};
  TScriptedWorkDialogs dialogs;
  TWorkSession session{controller, TWorkObjects{video, data, montage, nullptr}, options, dialogs};
};

TEST_F(WorkSessionTest, WithoutAVideoThereIsNothingToSave) {
  EXPECT_FALSE(session.Save());
  EXPECT_EQ(boxes.Last().Text(), QStringLiteral("First open a video file."));
  EXPECT_TRUE(dialogs.SaveAsked.empty());
}

TEST_F(WorkSessionTest, TheFirstSaveProposesANameFromTheVideoAndTheNextTheFileItself) {
  Open();
  MarkSomething();
  session.UpdateModified();
  EXPECT_EQ(controller.Caption(), QLatin1Char('*') + QDir::toNativeSeparators(dir.filePath(QStringLiteral("clip.mp4"))));
  dialogs.Answers.push_back(dir.filePath(QStringLiteral("lesson.txt")));
  ASSERT_TRUE(session.Save());
  ASSERT_EQ(dialogs.SaveAsked.size(), 1u);
  EXPECT_EQ(dialogs.SaveAsked[0].second, QStringLiteral("clip_1_%1.klb").arg(DateDigits(QDate::currentDate())));
  const QString file = dir.filePath(QStringLiteral("lesson.klb"));
  EXPECT_TRUE(QFileInfo::exists(file)) << "the extension is forced to .klb";
  EXPECT_EQ(boxes.Last().Text(), QStringLiteral("File successfully saved:\n\n") + QDir::toNativeSeparators(file));
  EXPECT_EQ(controller.Caption(), QDir::toNativeSeparators(file));
  EXPECT_EQ(controller.RecentList().Files(), QStringList{file});
  EXPECT_EQ(controller.RecentFolder(), dir.path());

  MarkSomething(TPoint(200, 120));
  session.UpdateModified();
  EXPECT_TRUE(controller.Caption().startsWith(QLatin1Char('*')));
  const QString before = ReadAll(file);
  dialogs.Answers.push_back(file);
  boxes.Answer(0);  // "Cancel" the overwrite
  EXPECT_FALSE(session.Save());
  EXPECT_EQ(dialogs.SaveAsked[1], (std::pair<QString, QString>(dir.path(), QStringLiteral("lesson.klb"))));
  EXPECT_EQ(boxes.Last().Buttons, (QStringList{"Cancel", "Ok"}));
  EXPECT_EQ(boxes.Last().Lines.back().Text, QStringLiteral("A file with the same name already exists. Overwrite ?"));
  EXPECT_EQ(ReadAll(file), before) << "Cancel writes nothing";
  EXPECT_TRUE(session.Modified());
  dialogs.Answers.push_back(file);
  boxes.Answer(1);
  EXPECT_TRUE(session.Save());
  EXPECT_FALSE(session.Modified());
}

TEST_F(WorkSessionTest, AFailedSaveIsReportedAndACloseAfterItKeepsTheWork) {
  Open();
  MarkSomething();
  dialogs.Answers.push_back(dir.filePath(QStringLiteral("missing/work.klb")));
  EXPECT_FALSE(session.Save());
  EXPECT_EQ(boxes.Last().Lines.front().Text, QStringLiteral("Saving has failed."));
  EXPECT_EQ(boxes.Last().Lines.back().Text, QStringLiteral("Check that the drive is not write-protected."));
  // Closing: "Save", and the save fails again: the window must stay.
  options.CheckBox3ConfirmationQuit_Checked = true;
  dialogs.Answers.push_back(dir.filePath(QStringLiteral("missing/work.klb")));
  boxes.Answer(0);
  EXPECT_FALSE(controller.CloseRequested());
  // Closing: "Save", and the user cancels the dialog.
  boxes.Answer(0);
  EXPECT_FALSE(controller.CloseRequested());
  EXPECT_TRUE(video.IsOpen());
}

TEST_F(WorkSessionTest, AWriteThatFailsKeepsTheOlderFileAndSaysSo) {
  Open();
  MarkSomething();
  const QString file = Saved("work.klb");
  const QString before = ReadAll(file);
  for (int i = 0; i < 30; ++i) {
    controller.ControlClicked(ButtonVideoSucc);
    MarkSomething(TPoint(100 + 5 * i, 100));
  }
  dialogs.Answers.push_back(file);
  boxes.Answer(1);  // overwrite: "Ok"
  // A full disk: no file may grow past a few hundred bytes.
  EXPECT_FALSE(kolibra::testing::WithFileSizeLimit(rlim_t(before.size() + 64), [this] { return session.Save(); }));
  EXPECT_EQ(boxes.Last().Lines.front().Text, QStringLiteral("File saving has failed."));
  EXPECT_EQ(ReadAll(file), before);
  EXPECT_TRUE(session.Modified()) << "the work is still to save";
}

TEST_F(WorkSessionTest, ConfirmationsAppearOnlyWhenWorkWouldBeLost) {
  options.CheckBox3ConfirmationQuit_Checked = true;
  options.CheckBox4ConfirmationFileChange_Checked = true;
  Open();
  EXPECT_TRUE(controller.ConfirmChange(0));
  EXPECT_EQ(boxes.Count(), 0) << "a video just opened holds no work";
  MarkSomething();
  boxes.Answer(1);  // "Cancel"
  EXPECT_FALSE(controller.ConfirmChange(0));
  EXPECT_EQ(boxes.Last().Buttons, (QStringList{"Save", "Cancel", "Ignore"}));
  // Undone back to what the file held: nothing to lose again.
  data.Undo();
  EXPECT_TRUE(controller.ConfirmChange(1));
  EXPECT_TRUE(controller.CloseRequested());
  EXPECT_EQ(boxes.Count(), 1);
}

// A teacher with unsaved marks picks a file that is not a video, or a damaged work file: the
// file is refused before the save question, and the work stays exactly as it was.
TEST_F(WorkSessionTest, AFileThatWillNotOpenLeavesTheWorkInHand) {
  options.CheckBox4ConfirmationFileChange_Checked = true;
  Open();
  MarkSomething(TPoint(100, 100));
  const QString good = Saved("good.klb");
  controller.ControlClicked(ButtonVideoSucc);
  MarkSomething(TPoint(150, 90));
  ASSERT_TRUE(session.Modified());
  const QString caption = controller.Caption(), counter = Box(EditMarque);
  const auto unchanged = [&] {
    EXPECT_EQ(data.MarksCount(), 2);
    EXPECT_EQ(video.VideoFileName(), dir.filePath(QStringLiteral("clip.mp4")));
    EXPECT_EQ(controller.Caption(), caption);
    EXPECT_EQ(Box(EditMarque), counter);
    EXPECT_TRUE(session.Modified());
  };
  const int before = boxes.Count();
  session.Probe = [](const QString &file) {
    work::TVideoProbe probe;
    probe.Opened = QFileInfo(file).suffix() == QLatin1String("mp4");
    probe.FrameCount = 20;
    if (!probe.Opened) probe.Reason = QStringLiteral("No reader knows this file.");
    return probe;
  };

  // Not a video: one box, the reason, no save question.
  EXPECT_FALSE(controller.OpenVideo(File(QStringLiteral("notes.txt"))));
  ASSERT_EQ(boxes.Count(), before + 1);
  EXPECT_TRUE(boxes.Last().Text().contains(QStringLiteral("Can not open this video file.")));
  EXPECT_TRUE(boxes.Last().Text().contains(QStringLiteral("No reader knows this file.")));
  unchanged();

  // A work file that is not one.
  QFile damaged(dir.filePath(QStringLiteral("damaged.klb")));
  ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
  damaged.write("\x00\x01 not a work file");
  damaged.close();
  EXPECT_FALSE(controller.OpenVideo(damaged.fileName()));
  ASSERT_EQ(boxes.Count(), before + 2);
  EXPECT_FALSE(boxes.Last().Buttons.contains(QStringLiteral("Save")));
  unchanged();

  // A good work file: the question comes once it is known to open, and "Cancel" keeps all.
  boxes.Answer(1);  // "Cancel"
  EXPECT_FALSE(controller.OpenVideo(good));
  ASSERT_EQ(boxes.Count(), before + 3);
  EXPECT_EQ(boxes.Last().Buttons, (QStringList{"Save", "Cancel", "Ignore"}));
  unchanged();
  boxes.Answer(2);  // "Ignore"
  EXPECT_TRUE(controller.OpenVideo(good));
  EXPECT_EQ(data.MarksCount(), 1);
  EXPECT_EQ(controller.Caption(), QDir::toNativeSeparators(good));
}

TEST_F(WorkSessionTest, AWorkFileOpensThroughEveryWayIn) {
  Open();
  MarkSomething(TPoint(100, 100));
  controller.ControlClicked(ButtonVideoSucc);
  MarkSomething(TPoint(150, 90));
  const QString file = Saved("work.klb");
  const int marks = data.MarksCount();
  ASSERT_EQ(marks, 2);
  // Another video: a new measurement, which the confirmation does not ask about.
  ASSERT_TRUE(controller.OpenVideo(File(QStringLiteral("other.mp4"))));
  EXPECT_EQ(data.MarksCount(), 0);
  EXPECT_EQ(controller.Caption(), QDir::toNativeSeparators(dir.filePath(QStringLiteral("other.mp4"))));
  // A ".klb" handed to the video's way in (the command line, a drop, the video dialog).
  ASSERT_TRUE(controller.OpenVideo(file));
  EXPECT_EQ(data.MarksCount(), marks);
  EXPECT_EQ(video.VideoFileName(), dir.filePath(QStringLiteral("clip.mp4")));
  EXPECT_EQ(controller.Caption(), QDir::toNativeSeparators(file));
  EXPECT_EQ(Box(EditMarque), QStringLiteral(" 2"));
  EXPECT_EQ(session.WorkFileName(), file);
  // "Open work...".
  dialogs.Answers.push_back(file);
  ASSERT_TRUE(session.OpenWorkCommand());
  EXPECT_EQ(controller.RecentList().Files(), QStringList{file});
}

// The results window's part of the work goes into the file with the marks and comes back to
// the window when the file opens; looking at the results (their view, a scale) is no change
// worth a question, a construct drawn is.
TEST_F(WorkSessionTest, TheResultsPartTravelsWithTheFile) {
  results::TResRecord shown;
  shown.Present = true;
  shown.View = results::rvReferentiel;
  shown.ModelTemps = modelling::mtParabola;
  shown.Scales[0][0] = 0.75;
  shown.Constructs.push_back({0, results::gsReferentiel, results::obSegment, TColor::FromRgb(200, 30, 40),
                              {TPointD(0.5, 1.0), TPointD(2.0, 1.5)}, 0, TPointD()});
  session.CaptureResults = [&shown] { return shown; };
  std::vector<results::TResRecord> restored;
  session.RestoreResults = [&](const results::TResRecord &record) {
    restored.push_back(record);
    shown = record;
  };
  Open();
  MarkSomething();
  const QString file = Saved("work.klb");
  // A new video resets the window's results.
  controller.ClearResults = [&shown] {
    shown = results::TResRecord();
    shown.Present = true;
  };
  ASSERT_TRUE(controller.OpenVideo(File(QStringLiteral("other.mp4"))));
  EXPECT_TRUE(shown.Constructs.empty());
  ASSERT_TRUE(session.OpenWork(file));
  ASSERT_EQ(restored.size(), 1u);
  const results::TResRecord &back = restored[0];
  EXPECT_EQ(back.View, results::rvReferentiel);
  EXPECT_EQ(back.ModelTemps, modelling::mtParabola);
  EXPECT_EQ(back.Scales[0][0], 0.75);
  ASSERT_EQ(back.Constructs.size(), 1u);
  EXPECT_EQ(back.Constructs[0].Colour, TColor::FromRgb(200, 30, 40));
  EXPECT_EQ(back.Constructs[0].Points[1].X, 2.0);
  EXPECT_FALSE(session.UpdateModified());
  shown.View = results::rvTemps;
  shown.Scales[0][0] = 1.5;
  EXPECT_FALSE(session.UpdateModified());
  shown.Constructs.push_back(shown.Constructs[0]);
  EXPECT_TRUE(session.UpdateModified());
  // The hooks reach into this test's locals.
  controller.ClearResults = nullptr;
  session.CaptureResults = nullptr;
  session.RestoreResults = nullptr;
}

TEST_F(WorkSessionTest, AMovedVideoIsLookedForAndCancelChangesNothing) {
  Open(QStringLiteral("ball.mp4"));
  MarkSomething();
  const QString file = Saved("work.klb");
  ASSERT_TRUE(QFile::rename(dir.filePath(QStringLiteral("ball.mp4")), dir.filePath(QStringLiteral("moved.mp4"))));
  Open(QStringLiteral("current.mp4"));
  MarkSomething(TPoint(300, 200));

  options.CheckBox4ConfirmationFileChange_Checked = false;
  boxes.Answer(1);  // "Cancel" instead of looking for it
  EXPECT_FALSE(session.OpenWork(file));
  const TMessageRequest &asked = boxes.Requests()[boxes.Count() - 1];
  EXPECT_EQ(asked.Lines[2].Text, QStringLiteral("Unable to open this video file."));
  EXPECT_EQ(asked.Lines[3].Text, QStringLiteral("Check that it has not been moved."));
  EXPECT_EQ(video.VideoFileName(), dir.filePath(QStringLiteral("current.mp4")));
  EXPECT_EQ(data.MarksCount(), 1);

  boxes.Answer(0);  // "Look for it..."
  dialogs.Answers.push_back(dir.filePath(QStringLiteral("moved.mp4")));
  ASSERT_TRUE(session.OpenWork(file));
  EXPECT_EQ(dialogs.VideoFolder, dir.path());
  EXPECT_EQ(video.VideoFileName(), dir.filePath(QStringLiteral("moved.mp4")));
  EXPECT_TRUE(session.Modified()) << "the next save writes the new path";
}

TEST_F(WorkSessionTest, RecentFilesFollowTheOptionsAndForgetMissingFiles) {
  Open();
  options.CheckBox6FreezeMRU_Checked = true;
  Saved("frozen.klb");
  EXPECT_TRUE(controller.RecentList().Files().isEmpty());
  options.CheckBox6FreezeMRU_Checked = false;
  const QString file = Saved("kept.klb");
  ASSERT_EQ(controller.RecentList().Files(), QStringList{file});
  QFile::remove(file);
  EXPECT_FALSE(controller.OpenVideo(file));
  EXPECT_EQ(boxes.Last().Lines[2].Text, QStringLiteral("Unable to open this work file."));
  EXPECT_TRUE(controller.RecentList().Files().isEmpty());
}

}  // namespace
}  // namespace kolibra::mainwindow::testing
