// Real cameras are synthetic here: the test pattern of both back-ends, paced in real time,
// recorded through kolibra-cli (the controller the window uses) and checked with ffprobe and
// ffmpeg; virtual cameras that drop frames or stop; a recording killed, a disk that fills.
// Each run lasts a few seconds.

#include "capture/support/CaptureFakes.h"

#include "capture/AvDeviceCapture.h"
#include "capture/GstCapture.h"
#include "kit/MessageBox.h"
#include "video/AviParser.h"
#include "video/VfwPlay.h"

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QSet>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <csignal>

namespace kolibra::capture::testing {
namespace {

struct TRun {
  int Status = -1;
  QString Out;
  QString Err;
  qint64 Milliseconds = 0;
};

TRun RunCli(const QStringList &arguments, const QString &temporary, const QString &shellPrefix = QString()) {
  QProcess cli;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert(QStringLiteral("TMP"), temporary);
  cli.setProcessEnvironment(environment);
  QElapsedTimer clock;
  clock.start();
  if (shellPrefix.isEmpty()) {
    cli.start(QStringLiteral(KOLIBRA_TEST_CLI), arguments);
  } else {
    QStringList quoted;
    for (const QString &a : arguments) quoted << QLatin1Char('\'') + a + QLatin1Char('\'');
    cli.start(QStringLiteral("bash"), {QStringLiteral("-c"), shellPrefix + QStringLiteral(" exec '") +
                                                                 QStringLiteral(KOLIBRA_TEST_CLI) + QStringLiteral("' ") +
                                                                 quoted.join(QLatin1Char(' '))});
  }
  cli.waitForFinished(60000);
  return {cli.exitCode(), QString::fromUtf8(cli.readAllStandardOutput()), QString::fromUtf8(cli.readAllStandardError()),
          clock.elapsed()};
}

QString Probe(const QString &file, const char *entry) {
  QProcess probe;
  probe.start(QStringLiteral("ffprobe"), {QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-count_frames"),
                                          QStringLiteral("-select_streams"), QStringLiteral("v:0"), QStringLiteral("-show_entries"),
                                          QStringLiteral("stream=") + QLatin1String(entry), QStringLiteral("-of"),
                                          QStringLiteral("default=nw=1:nk=1"), file});
  probe.waitForFinished(30000);
  return QString::fromUtf8(probe.readAllStandardOutput()).trimmed();
}

// The MD5 of every decoded frame, and whether the decoder complained.
QStringList FrameMd5(const QString &file, bool &clean) {
  QProcess ffmpeg;
  ffmpeg.start(QStringLiteral("ffmpeg"), {QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-i"), file,
                                          QStringLiteral("-f"), QStringLiteral("framemd5"), QStringLiteral("-")});
  ffmpeg.waitForFinished(60000);
  clean = ffmpeg.exitCode() == 0 && ffmpeg.readAllStandardError().trimmed().isEmpty();
  QStringList sums;
  for (const QString &line : QString::fromUtf8(ffmpeg.readAllStandardOutput()).split(QLatin1Char('\n')))
    if (!line.startsWith(QLatin1Char('#')) && !line.trimmed().isEmpty()) sums << line.section(QLatin1Char(','), 5).trimmed();
  return sums;
}

class CaptureRealTimeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (QStandardPaths::findExecutable(QStringLiteral("ffprobe")).isEmpty())
      GTEST_SKIP() << "ffprobe and ffmpeg check the recordings";
  }
  QString File(const char *name) const { return dir.filePath(QLatin1String(name)); }
  QTemporaryDir dir;
};

TEST_F(CaptureRealTimeTest, ThreeSecondsOfTheTestPatternOnBothBackEndsAre90DistinctFramesAt30) {
  const struct {
    const char *Framework;
    const char *Codec;
    const char *Delay;
    const char *Name;
  } runs[] = {{"0", "without", "0", "vfw.avi"}, {"1", "Motion JPEG", "1", "ds.avi"}};
  for (const auto &r : runs) {
    const TRun run = RunCli({QStringLiteral("capture"), QStringLiteral("--device"), QStringLiteral("Kolibra test pattern"),
                             QStringLiteral("--framework"), QLatin1String(r.Framework), QStringLiteral("--format"),
                             QStringLiteral("320x240"), QStringLiteral("--rate"), QStringLiteral("30"), QStringLiteral("--codec"),
                             QLatin1String(r.Codec), QStringLiteral("--delay"), QLatin1String(r.Delay),
                             QStringLiteral("--duration"), QStringLiteral("3"), File(r.Name)},
                            dir.path());
    ASSERT_EQ(run.Status, 0) << run.Err.toStdString();
    EXPECT_TRUE(run.Out.startsWith(QStringLiteral("Number of captured images: 90   Number of lost images: 0\n")))
        << run.Out.toStdString();
    EXPECT_EQ(Probe(File(r.Name), "nb_read_frames"), QStringLiteral("90")) << r.Name;
    EXPECT_EQ(Probe(File(r.Name), "r_frame_rate"), QStringLiteral("30/1")) << r.Name;
    bool clean = false;
    const QStringList sums = FrameMd5(File(r.Name), clean);
    EXPECT_TRUE(clean) << r.Name;
    EXPECT_EQ(sums.size(), 90) << r.Name;
    EXPECT_EQ(QSet<QString>(sums.begin(), sums.end()).size(), 90) << r.Name << ": every frame differs";
    // The delay is waited before the three seconds are recorded.
    EXPECT_GE(run.Milliseconds, 1000 * (3 + QByteArray(r.Delay).toInt())) << r.Name;
  }
}

class CaptureVirtualCameraTest : public CaptureRealTimeTest {
 protected:
  // Records Duration seconds from a virtual camera of a back-end, saved as name.
  void Record(int framework, const QString &source, int duration, const char *name) {
    capture.Backend(framework).AddVirtualDevice({QStringLiteral("Virtual"), QString(), source});
    capture.PrepareOnce();
    capture.RefreshDevices();
    const QStringList names = capture.DeviceNames(false);
    for (int i = 0; i < names.size(); ++i)
      if (names[i] == QLatin1String("Virtual") && capture.DeviceFramework(i) == framework) capture.SelectDevice(i);
    ASSERT_EQ(capture.CaptureFramework, framework);
    capture.SelectFormat(0);  // 320 x 240
    capture.DurationEnabled = true;
    capture.Duration = duration;
    dialogs.Answers = {File(name)};
    ASSERT_TRUE(capture.Connect());
    capture.RecordButton();
    ASSERT_TRUE(capture.Recording());
    ASSERT_TRUE(WaitUntil([this] { return capture.State() == csIdle; }, 20000));
  }

  TScriptedMessageBox boxes;
  TScriptedCaptureDialogs dialogs;
  TCapture capture{QString(), dir.path(), dialogs};
};

TEST_F(CaptureVirtualCameraTest, DroppedInputFramesAreLostAndWrittenEmpty) {
  // Source frames 20 to 22 never leave the camera; their time stamps stay where they were.
  Record(cfAvDevice,
         QStringLiteral("testsrc2=size=%Wx%H:rate=%R,format=rgb24,select=not(between(n\\,20\\,22)),realtime"), 2,
         "dropped.avi");
  ASSERT_EQ(capture.SavedFile(), File("dropped.avi"));
  EXPECT_EQ(capture.LostFrames(), 3);
  EXPECT_EQ(capture.CapturedFrames(), 57);
  const std::vector<int64_t> lost = capture.LastRecording().LostSlots;
  ASSERT_EQ(lost.size(), 3u);
  EXPECT_EQ(lost[1], lost[0] + 1);
  EXPECT_EQ(lost[2], lost[0] + 2);
  video::avi::TAviFileSource source;
  video::avi::TAviStream stream;
  QString error;
  ASSERT_TRUE(source.Open(File("dropped.avi"), error) && video::avi::ParseAvi(source, stream, error));
  ASSERT_EQ(stream.Slots.size(), 60u);
  for (size_t i = 0; i < stream.Slots.size(); ++i)
    EXPECT_EQ(stream.Slots[i].Size == 0, std::find(lost.begin(), lost.end(), int64_t(i)) != lost.end()) << i;
}

TEST_F(CaptureVirtualCameraTest, AnUnpluggedCameraLeavesACleanFileOnBothBackEnds) {
  const struct {
    int Framework;
    const char *Source;
    const char *Name;
  } cameras[] = {
      {cfAvDevice, "testsrc2=size=%Wx%H:rate=%R:duration=1.5,format=rgb24,realtime", "unplugged0.avi"},
      {cfGStreamer, "videotestsrc is-live=true pattern=ball num-buffers=45", "unplugged1.avi"},
  };
  for (const auto &c : cameras) {
    Record(c.Framework, QLatin1String(c.Source), 5, c.Name);
    ASSERT_EQ(capture.SavedFile(), File(c.Name)) << c.Name;
    QStringList texts;
    for (const TMessageRequest &r : boxes.Requests()) texts << r.Text();
    EXPECT_TRUE(texts.filter(QStringLiteral("A Plug and Play device was disconnected.")).size() >= 1) << c.Name;
    // Whatever the camera gave before it went: about 1.5 s, closed with its index.
    const int frames = Probe(File(c.Name), "nb_read_frames").toInt();
    EXPECT_GE(frames, 30) << c.Name;
    EXPECT_LE(frames, 46) << c.Name;
    bool clean = false;
    EXPECT_EQ(FrameMd5(File(c.Name), clean).size(), frames) << c.Name;
    EXPECT_TRUE(clean) << c.Name;
    video::avi::TAviFileSource source;
    video::avi::TAviStream stream;
    QString error;
    ASSERT_TRUE(source.Open(File(c.Name), error) && video::avi::ParseAvi(source, stream, error)) << error.toStdString();
    EXPECT_NE(stream.IndexKind, video::avi::ikScan) << c.Name;
  }
}

TEST_F(CaptureRealTimeTest, AKilledRecordingLeavesAReadableFile) {
  QProcess cli;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert(QStringLiteral("TMP"), dir.path());
  cli.setProcessEnvironment(environment);
  cli.start(QStringLiteral(KOLIBRA_TEST_CLI),
            {QStringLiteral("capture"), QStringLiteral("--device"), QStringLiteral("Kolibra test pattern"),
             QStringLiteral("--framework"), QStringLiteral("0"), QStringLiteral("--format"), QStringLiteral("320x240"),
             QStringLiteral("--duration"), QStringLiteral("20"), File("never.avi")});
  ASSERT_TRUE(cli.waitForStarted());
  const QString recording = File("Capture0");
  // Past the checkpoint of the first second.
  ASSERT_TRUE(WaitUntil([&recording] { return QFileInfo(recording).size() > 40 * 230400; }, 20000));
  ::kill(pid_t(cli.processId()), SIGKILL);
  cli.waitForFinished();
  EXPECT_FALSE(QFileInfo::exists(File("never.avi")));
  const int frames = Probe(recording, "nb_read_frames").toInt();
  EXPECT_GE(frames, 31);
  video::TVfwPlay reader;
  reader.SetFileName(recording);
  ASSERT_TRUE(reader.Opened()) << reader.ErrorText().toStdString();
  EXPECT_GE(reader.FrameCount(), 31);
  QImage shown(320, 240, QImage::Format_RGB888);
  reader.SetPosition(reader.FrameCount() - 1);
  EXPECT_TRUE(reader.Draw(shown, QRect(0, 0, 320, 240)));
}

TEST_F(CaptureRealTimeTest, AFullDiskStopsCleanly) {
  // A file-size limit of 3,000 KB stands for the disk: 320 x 240 bitmaps fill it in 13 frames.
  const TRun run = RunCli({QStringLiteral("capture"), QStringLiteral("--device"), QStringLiteral("Kolibra test pattern"),
                           QStringLiteral("--framework"), QStringLiteral("0"), QStringLiteral("--format"),
                           QStringLiteral("320x240"), QStringLiteral("--duration"), QStringLiteral("3"), File("full.avi")},
                          dir.path(), QStringLiteral("trap '' XFSZ; ulimit -f 3000;"));
  ASSERT_EQ(run.Status, 0) << run.Err.toStdString();
  EXPECT_TRUE(run.Err.contains(QStringLiteral("The recording has stopped:"))) << run.Err.toStdString();
  EXPECT_TRUE(run.Out.startsWith(QStringLiteral("Number of captured images: 13   Number of lost images: 0")))
      << run.Out.toStdString();
  EXPECT_EQ(Probe(File("full.avi"), "nb_read_frames"), QStringLiteral("13"));
  EXPECT_EQ(Probe(File("full.avi"), "nb_frames"), QStringLiteral("13")) << "the headers say what the file holds";
  EXPECT_TRUE(QDir(dir.path()).entryList({QStringLiteral("Capture*")}).isEmpty());
}

}  // namespace
}  // namespace kolibra::capture::testing
