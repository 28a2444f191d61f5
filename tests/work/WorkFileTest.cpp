// Work files of the sample "Parabole" through the program's writer and loader, headless:
// every key read back as written, the acceleration of a throw marked at its true positions,
// a video that moved, a video nobody finds, a file made for another video, damaged and
// hostile files (huge counts, values that are no numbers, missing keys, a cut file, a
// byte-order mark, Windows line ends and code page, many sections). A failed load must
// leave the work in memory exactly as it was.

#include "editing/ParaboleWork.h"

#include "kit/Locale.h"
#include "kit/MessageBox.h"

#include <QFileInfo>
#include <QProcess>

#include <cmath>

namespace kolibra::work::work_file_test {

using editing::testing::THeadlessParabole;

QString SavedText(THeadlessWork &work) {
  TIniFile ini = TIniFile::FromText(QString(), QString());
  WriteWork(work.Context(), ini);
  return ini.ToText();
}

void WriteText(const QString &name, const QByteArray &bytes) {
  QFile file(name);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(bytes);
}

QByteArray ManySections(int count) {
  QByteArray text;
  for (int i = 0; i < count; ++i) text += "[S" + QByteArray::number(i) + "]\nk=1\n";
  return text;
}

class WorkFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (editing::testing::ParaboleTruth().empty()) GTEST_SKIP() << "the sample videos are made at build time";
    video = editing::testing::CopyParabole(dir.path());
  }
  QString File(const char *name) const { return dir.filePath(QLatin1String(name)); }
  // A work file of the marked throw, saved by the program.
  QString SaveMarkedThrow(const char *name = "throw.klb") {
    THeadlessParabole work(dir.path());
    EXPECT_TRUE(work.MarkTrajectory(video));
    EXPECT_EQ(SaveWork(work.Context(), File(name)), wsOk);
    return File(name);
  }

  ScopedDecimalSeparator separator{QLatin1Char('.')};
  QTemporaryDir dir;
  QString video;
  TScriptedMessageBox boxes;
};

TEST_F(WorkFileTest, AThrowMarkedAtItsTruePositionsFallsWithG) {
  const QString file = SaveMarkedThrow();
  THeadlessParabole work(dir.path());
  ASSERT_TRUE(work.Load(file).Loaded);
  ASSERT_TRUE(work.Calc.ComputeDerivatives(kinematics::rsActive, work.FormulaResults.SmoothingFlags));
  const std::vector<editing::testing::TTruePosition> truth = editing::testing::ParaboleTruth();
  ASSERT_EQ(work.Calc.SamplesCount(), int(truth.size()));
  for (int k = 0; k < work.Calc.SamplesCount(); ++k) {
    EXPECT_NEAR(work.Calc.Time(k), truth[size_t(k)].T, 1e-12);
    EXPECT_NEAR(work.Calc.Value(kinematics::rfAxes, 0, kinematics::qkX, k), truth[size_t(k)].XMetres, 1e-9);
    EXPECT_NEAR(work.Calc.Value(kinematics::rfAxes, 0, kinematics::qkY, k), truth[size_t(k)].YMetres, 1e-9);
    EXPECT_NEAR(work.Calc.Value(kinematics::rfAxes, 0, kinematics::qkAy, k), -9.81, 9.81 * 0.005) << "sample " << k;
    EXPECT_NEAR(work.Calc.Value(kinematics::rfAxes, 0, kinematics::qkAx, k), 0.0, 1e-6);
  }
}

TEST_F(WorkFileTest, EveryKeyReadsBackAsWritten) {
  THeadlessParabole work(dir.path());
  ASSERT_TRUE(work.MarkTrajectory(video));
  work.Data.SetObjectsCount(2);
  work.Data.SetSystemName(0, QStringLiteral("of the ball"));
  work.Data.SetObjectColor(1, colors::clGreen);
  work.Data.SetObjectVisible(1, false);
  work.Data.SetElementColor(colors::clFuchsia);
  work.Data.SetFramesNumberBetweenTwoMarks(2);
  work.Data.SetFrameInterval(0.0199);
  work.Data.SetTypedXAxisAngle(0.25);
  work.Data.Layer().SetLayerWidth(0.3);
  ASSERT_TRUE(work.Video.SetMode(videoview::vmMontage));
  ASSERT_TRUE(work.Montage.SetKept(47, false));
  work.Video.SetFrame(20);
  ASSERT_TRUE(work.Montage.ShiftFromCurrent(2));
  ASSERT_TRUE(work.Video.SetMode(videoview::vmTransparent));
  work.Video.SetFrame(12);
  ASSERT_NE(work.Formulas.AddFormula(QStringLiteral("E=0.5*v1^2"), QStringLiteral("energy"), QStringLiteral("J/kg")),
            nullptr);
  ASSERT_NE(work.Formulas.AddConstant(QStringLiteral("g"), QString(), QStringLiteral("m/s²"), QStringLiteral("9.81")),
            nullptr);
  const QString file = File("every.klb");
  ASSERT_EQ(SaveWork(work.Context(), file), wsOk);

  THeadlessParabole again(dir.path());
  const TWorkLoadResult loaded = again.Load(file);
  ASSERT_TRUE(loaded.Loaded) << loaded.Error.join(QLatin1Char(' ')).toStdString();
  EXPECT_TRUE(loaded.Warnings.isEmpty());
  EXPECT_FALSE(loaded.VideoMoved);
  EXPECT_EQ(SavedText(again), SavedText(work));
  EXPECT_EQ(again.Video.Mode(), videoview::vmTransparent);
  EXPECT_EQ(again.Video.CurrentFrame(), 12);
  EXPECT_EQ(again.Montage.Count(), 47);
  EXPECT_EQ(again.Formulas.Formulas().size(), 1u);
  const TIniFile written(file);
  EXPECT_EQ(written.ReadInteger(QStringLiteral("Main"), QStringLiteral("Version"), 0), 351000);
  EXPECT_EQ(written.Sections(), (QStringList{"Main", "Data", "Video", "Montage", "Formules", "Record"}));
}

// A phone's clip of the throw: stored on its side with a display matrix, and stamped with a
// half-second pause after frame 10. The work file keeps both choices the user can make on
// it, and a file that made none gets the defaults back: upright, on the stamps.
TEST_F(WorkFileTest, APhoneVideosRotationAndTimeChoicesReadBack) {
  const QString phone = File("phone.mp4");
  const auto run = [](const QStringList &arguments) {
    QProcess ffmpeg;
    ffmpeg.start(QStringLiteral("ffmpeg"), QStringList{"-nostdin", "-v", "error", "-y"} + arguments);
    EXPECT_TRUE(ffmpeg.waitForFinished(60000) && ffmpeg.exitCode() == 0)
        << ffmpeg.readAllStandardError().toStdString();
  };
  run({"-i", video, "-frames:v", "20", "-vf", "settb=1/1000,setpts='PTS+if(gte(N\\,10)\\,0.5/TB\\,0)'",
       "-fps_mode", "vfr", "-enc_time_base", "1:1000", "-c:v", "libx264", "-preset", "veryfast", "-pix_fmt", "yuv420p",
       File("stamped.mp4")});
  // The display matrix is written when the stream is copied, as a phone's muxer writes it.
  run({"-i", File("stamped.mp4"), "-c", "copy", "-metadata:s:v:0", "rotate=90", phone});

  const auto save = [&](bool ignoreRotation, bool stamps, const char *name) {
    THeadlessParabole work(dir.path());
    EXPECT_TRUE(work.Video.Open(phone));
    EXPECT_EQ(work.Video.FrameWidth(), 360);
    EXPECT_EQ(work.Video.FrameHeight(), 480);
    EXPECT_TRUE(work.Data.UsesVideoTimes());
    work.Video.SetOrientationIgnored(ignoreRotation);
    work.Data.SetUseVideoTimes(stamps);
    for (int frame : {0, 15}) {
      work.Video.SetFrame(frame);
      work.Data.FixedMarks().PointMark(TPointD(0.5, 0.5));
    }
    EXPECT_EQ(SaveWork(work.Context(), File(name)), wsOk);
  };
  save(true, false, "choices.klb");
  save(false, true, "defaults.klb");

  THeadlessParabole chosen(dir.path());
  ASSERT_TRUE(chosen.Load(File("choices.klb")).Loaded);
  EXPECT_TRUE(chosen.Video.OrientationIgnored());
  EXPECT_EQ(chosen.Video.FrameWidth(), 480);
  EXPECT_FALSE(chosen.Data.UsesVideoTimes());
  EXPECT_NEAR(chosen.Data.MarkedFrameTimes().back(), 15 * chosen.Data.FrameInterval(), 1e-12);

  THeadlessParabole defaults(dir.path());
  ASSERT_TRUE(defaults.Load(File("defaults.klb")).Loaded);
  EXPECT_FALSE(defaults.Video.OrientationIgnored());
  EXPECT_EQ(defaults.Video.FrameWidth(), 360);
  EXPECT_TRUE(defaults.Data.UsesVideoTimes());
  EXPECT_NEAR(defaults.Data.MarkedFrameTimes().back(), 15 * 0.02 + 0.5, 1e-6);
}

TEST_F(WorkFileTest, AMovedVideoIsFoundBesideTheWorkFile) {
  QDir().mkpath(File("old"));
  QDir().mkpath(File("class"));
  const QString old = editing::testing::CopyParabole(File("old"));
  THeadlessParabole work(dir.path());
  ASSERT_TRUE(work.MarkTrajectory(old));
  ASSERT_EQ(SaveWork(work.Context(), File("class/throw.klb")), wsOk);
  // The folder went to another computer with its video beside the work file.
  ASSERT_TRUE(QFile::rename(old, File("class/Parabole.avi")));

  THeadlessParabole moved(dir.path());
  const TWorkLoadResult loaded = moved.Load(File("class/throw.klb"));
  ASSERT_TRUE(loaded.Loaded);
  EXPECT_TRUE(loaded.VideoMoved);
  EXPECT_EQ(QFileInfo(loaded.VideoFile), QFileInfo(File("class/Parabole.avi")));
  EXPECT_EQ(moved.Data.FixedMarks().MarksCount(), work.Data.FixedMarks().MarksCount());
  ASSERT_EQ(SaveWork(moved.Context(), File("class/throw.klb")), wsOk);
  EXPECT_EQ(TIniFile(File("class/throw.klb")).ReadString(QStringLiteral("Main"), QStringLiteral("VideoFileName"), QString()),
            QFileInfo(File("class/Parabole.avi")).absoluteFilePath())
      << "the next save writes the new path";
}

TEST_F(WorkFileTest, AVideoNobodyFindsChangesNothingUnlessTheUserPointsToIt) {
  const QString file = SaveMarkedThrow();
  ASSERT_TRUE(QFile::rename(video, File("elsewhere.avi")));
  // The work in memory: another measurement on the same video.
  THeadlessParabole work(dir.path());
  ASSERT_TRUE(work.MarkTrajectory(File("elsewhere.avi")));
  work.Data.FixedMarks().RemoveMark(work.Data.FixedMarks().LastMark(), measurement::akDeleteMark);
  const QString before = SavedText(work);

  TWorkLoadRequest request;
  request.FileName = file;
  request.WrapperFolder = QStringLiteral(KOLIBRA_TEST_KLBDLL_DIR);
  QString asked;
  request.LocateVideo = [&asked](const QString &stored) {
    asked = stored;
    return QString();
  };
  TWorkLoadResult result = LoadWork(work.Context(), request);
  EXPECT_TRUE(result.Cancelled);
  EXPECT_FALSE(result.Loaded);
  EXPECT_TRUE(asked.endsWith(QStringLiteral("Parabole.avi")));
  EXPECT_EQ(SavedText(work), before) << "Cancel changes nothing";

  // Without anyone to ask (kolibra-cli), the reason is given.
  request.LocateVideo = nullptr;
  result = LoadWork(work.Context(), request);
  EXPECT_EQ(result.Error.mid(0, 2),
            (QStringList{"Unable to open this video file.", "Check that it has not been moved."}));
  EXPECT_EQ(SavedText(work), before);

  request.LocateVideo = [this](const QString &) { return File("elsewhere.avi"); };
  result = LoadWork(work.Context(), request);
  ASSERT_TRUE(result.Loaded);
  EXPECT_TRUE(result.VideoMoved);
  EXPECT_EQ(work.Data.FixedMarks().MarksCount(), int(editing::testing::ParaboleTruth().size()));
}

TEST_F(WorkFileTest, AFileMadeForALongerVideoDropsItsMontageAndLateMarks) {
  const QString file = SaveMarkedThrow();
  TIniFile ini(file);
  ini.WriteInteger(QStringLiteral("Montage"), QStringLiteral("VisibleImagesNumber"), 60);
  ini.WriteInteger(QStringLiteral("Data"), QStringLiteral("MarksContainerFrameNumber_Grid_5"), 55);
  ASSERT_TRUE(ini.UpdateFile());
  THeadlessParabole work(dir.path());
  const TWorkLoadResult result = work.Load(file);
  ASSERT_TRUE(result.Loaded);
  ASSERT_EQ(result.Warnings.size(), 2);
  EXPECT_EQ(result.Warnings[0], QStringLiteral("The video has 48 frames, but the work was measured on a video of 60 frames."));
  EXPECT_EQ(work.Montage.Count(), 48);
  EXPECT_EQ(work.Data.FixedMarks().MarksCount(), 47) << "the mark moved to frame 55 is past the end";
}

TEST_F(WorkFileTest, ADamagedFileLeavesTheCurrentWorkAsItWas) {
  const QString file = SaveMarkedThrow();
  TIniFile ini(file);
  // Frames 0 and 1 at the same time.
  ini.WriteInteger(QStringLiteral("Montage"), QStringLiteral("TimeShiftScalesNumber"), 2);
  ini.WriteInteger(QStringLiteral("Montage"), QStringLiteral("TimeShiftScale_1"), 2);
  ini.WriteInteger(QStringLiteral("Montage"), QStringLiteral("TimeShift_1"), -1);
  ASSERT_TRUE(ini.UpdateFile());

  THeadlessParabole work(dir.path());
  ASSERT_TRUE(work.MarkTrajectory(video));
  work.Video.SetFrame(7);
  const QString before = SavedText(work);
  const TWorkLoadResult result = work.Load(file);
  EXPECT_FALSE(result.Loaded);
  EXPECT_EQ(result.Error.first(), QStringLiteral("This work file is damaged:"));
  EXPECT_EQ(SavedText(work), before);
  EXPECT_EQ(work.Video.CurrentFrame(), 7);
}

TEST_F(WorkFileTest, WhatIsNotAWorkFileIsRefused) {
  THeadlessParabole work(dir.path());
  struct Case {
    const char *Name;
    QByteArray Bytes;
    const char *Reason;
  };
  const Case cases[] = {
      {"empty.klb", QByteArray(), "This is not a Kolibra work file: it names no video."},
      {"noise.klb", QByteArray("\x01\xFF\x00\x7F[\n=\n", 8), "This is not a Kolibra work file: it names no video."},
      {"options.klb", "[Options]\nEditMRU_Value=8\n", "This is not a Kolibra work file: it names no video."},
  };
  for (const Case &c : cases) {
    WriteText(File(c.Name), c.Bytes);
    EXPECT_EQ(work.Load(File(c.Name)).Error.value(0), QString::fromUtf8(c.Reason)) << c.Name;
  }
  EXPECT_EQ(work.Load(File("missing.klb")).Error.value(0), QStringLiteral("Unable to open this work file."));
  QFile huge(File("huge.klb"));
  ASSERT_TRUE(huge.open(QIODevice::WriteOnly));
  ASSERT_TRUE(huge.resize(measurement::MaxWorkFileSize + 10));
  huge.close();
  EXPECT_EQ(work.Load(huge.fileName()).Error.value(0), QStringLiteral("This file is too large to be a Kolibra work file."));
  EXPECT_FALSE(work.Video.IsOpen()) << "nothing was opened";
}

TEST_F(WorkFileTest, HostileFilesLoadInAMomentWithWhatIsSound) {
  const QString good = SaveMarkedThrow();
  QFile goodFile(good);
  ASSERT_TRUE(goodFile.open(QIODevice::ReadOnly));
  const QByteArray text = goodFile.readAll();
  const QByteArray main = "[Main]\nVersion=351000\nVideoFileName=" + video.toUtf8() + "\n";
  struct Case {
    const char *Name;
    QByteArray Bytes;
    int Marks;
  };
  const Case cases[] = {
      {"truncated", text.left(text.size() / 2 + 7), -1},
      {"bom", "\xEF\xBB\xBF" + text, 48},
      {"crlf", QByteArray(text).replace("\n", "\r\n"), 48},
      {"keys only", main, 0},
      {"huge counts",
       main + "[Data]\nMarksContainersNumber_Grid=2147483647\nMarksNumberPerFrame_Grid=2147483647\n"
              "MarkColorsNumber=2147483647\nSystemNamesNumber_Grid=2147483647\nOriginePositionsNumber_Layer=2147483647\n"
              "[Montage]\nVisibleImagesNumber=48\nVisibleScalesNumber=2147483647\nTimeShiftScalesNumber=2147483647\n"
              "[Formules]\nFormulesNumber=2147483647\nConstantesNumber=2147483647\n",
       0},
      {"not numbers",
       main + "[Data]\nRequiredDuration=NAN\nMarksContainersNumber_Grid=1\nMarksContainerFrameNumber_Grid_0=3\n"
              "MarksContainerMarksNumber_Grid_0=1\nMarkXCoordinate_Grid_0_0=NAN\nMarkYCoordinate_Grid_0_0=INF\n"
              "[Video]\nImageNumber=2147483647\n",
       0},
      {"many sections", main + ManySections(20000), 0},
      {"windows-1252", main + "[Data]\nSystemNamesNumber_Grid=1\nSystemName_Grid_0=de l'\xE9lan\n", 0},
  };
  for (const Case &c : cases) {
    const QString file = File("hostile.klb");
    WriteText(file, c.Bytes);
    THeadlessParabole work(dir.path());
    // A count read as a loop bound would hang here (CTest's time-out stops it); the time of
    // many sections is kit_bench's BM_IniManySections.
    const TWorkLoadResult result = work.Load(file);
    ASSERT_TRUE(result.Loaded) << c.Name << ": " << result.Error.join(QLatin1Char(' ')).toStdString();
    if (c.Marks >= 0) {
      EXPECT_EQ(work.Data.FixedMarks().MarksCount(), c.Marks) << c.Name;
    }
    EXPECT_GT(work.Data.FrameInterval(), 0.0) << c.Name;
    EXPECT_LE(work.Data.ObjectsCount(), measurement::MaxObjectsCount) << c.Name;
  }
  THeadlessParabole work(dir.path());
  ASSERT_TRUE(work.Load(File("hostile.klb")).Loaded);
  EXPECT_EQ(work.Data.SystemName(0), QStringLiteral("de l'élan"));
  EXPECT_DOUBLE_EQ(work.Data.FrameInterval(), 0.02) << "the video's interval";
}

}  // namespace kolibra::work::work_file_test
