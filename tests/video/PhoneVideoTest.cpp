// Videos as phones make them, checked against what ffmpeg itself makes of the same files:
// portrait video stored on its side with a display matrix, frames stamped at uneven times,
// slow motion tagged with its capture rate.

#include "VideoTestSupport.h"
#include "support/RunProgram.h"
#include "video/DSPlay.h"
#include "video/FFMpegPlay.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cmath>

namespace kolibra::video {
namespace {

using testing::CliProgram;
using testing::Fixture;
using testing::Grab;
using testing::MeanAbsDiff;
using testing::RealKlbDll;

kolibra::testing::TProgramRun RunCli(const QStringList &Arguments) {
  return kolibra::testing::RunProgram(CliProgram(), Arguments, [](QProcessEnvironment &env) {
    env.remove(QStringLiteral("KOLIBRA_KLBDLL_DIR"));
  });
}

// Frame Index of Path as ffmpeg shows it (turned upright, as players do), in 24-bit RGB.
QImage FfmpegFrame(const QString &Path, int Index) {
  QProcess ffmpeg;
  ffmpeg.start(QStringLiteral("ffmpeg"),
               {QStringLiteral("-nostdin"), QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-i"), Path,
                QStringLiteral("-vf"), QStringLiteral("select=eq(n\\,%1)").arg(Index), QStringLiteral("-frames:v"),
                QStringLiteral("1"), QStringLiteral("-f"), QStringLiteral("image2pipe"), QStringLiteral("-c:v"),
                QStringLiteral("png"), QStringLiteral("-")});
  if (!ffmpeg.waitForFinished(30000)) return QImage();
  return QImage::fromData(ffmpeg.readAllStandardOutput(), "PNG").convertToFormat(QImage::Format_RGB888);
}

// A copy of an MP4 file whose track matrix is replaced: a = -1, d = 1 shows the pictures
// mirrored left to right, as a phone's front camera may store them.
QString MirroredCopy(const QString &Source, const QString &Target) {
  QFile in(Source);
  if (!in.open(QIODevice::ReadOnly)) return QString();
  QByteArray bytes = in.readAll();
  const qsizetype at = bytes.indexOf("tkhd");
  if (at < 0 || bytes.at(at + 4) != 0) return QString();  // a version 0 track header
  const qint32 matrix[9] = {-0x10000, 0, 0, 0, 0x10000, 0, 0, 0, 0x40000000};
  for (int i = 0; i < 9; ++i) {
    const quint32 v = quint32(matrix[i]);
    const qsizetype p = at + 44 + 4 * i;
    bytes[p] = char(v >> 24);
    bytes[p + 1] = char(v >> 16);
    bytes[p + 2] = char(v >> 8);
    bytes[p + 3] = char(v);
  }
  QFile out(Target);
  if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size()) return QString();
  return Target;
}

// Kolibra's picture and ffmpeg's are one picture, up to the rounding of colours turned before
// or after their conversion; a picture turned the wrong way is far from it.
void ExpectSamePicture(const QImage &Kolibra, const QImage &Ffmpeg, const QString &What) {
  ASSERT_FALSE(Ffmpeg.isNull()) << What.toStdString();
  ASSERT_EQ(Kolibra.size(), Ffmpeg.size()) << What.toStdString();
  EXPECT_LT(MeanAbsDiff(Kolibra, Ffmpeg), 3.0) << What.toStdString();
}

TEST(PhoneVideoTest, PortraitVideoIsShownUprightAsFfmpegShowsIt) {
  const struct {
    const char *Clip;
    int Rotation;
  } cases[] = {{"phone_plain.mp4", 0},
               {"phone_rot90.mp4", 90},
               {"phone_rot180.mp4", 180},
               {"phone_rot270.mp4", 270},
               {"phone_rot90.mov", 90}};
  for (const auto &c : cases) {
    const QString path = Fixture(QString::fromUtf8(c.Clip));
    TFFMpegPlay reader(RealKlbDll());
    ASSERT_TRUE(reader.OpenFile(path)) << c.Clip << ": " << reader.ErrorText().toStdString();
    EXPECT_EQ(reader.StreamOrientation().Rotation, c.Rotation) << c.Clip;
    EXPECT_FALSE(reader.StreamOrientation().Mirrored) << c.Clip;
    const bool portrait = c.Rotation == 90 || c.Rotation == 270;
    EXPECT_EQ(reader.FrameWidth(), portrait ? 48 : 64) << c.Clip;
    EXPECT_EQ(reader.FrameHeight(), portrait ? 64 : 48) << c.Clip;
    for (int index : {0, 7, 3}) {
      reader.SetPosition(index);
      ExpectSamePicture(Grab(reader), FfmpegFrame(path, index), QStringLiteral("%1 frame %2").arg(c.Clip).arg(index));
    }
    // Shown as stored at the user's choice: the plain file's pictures, and back.
    reader.SetOrientationIgnored(true);
    EXPECT_EQ(reader.FrameWidth(), 64);
    EXPECT_EQ(reader.FrameHeight(), 48);
    ExpectSamePicture(Grab(reader), FfmpegFrame(Fixture(QStringLiteral("phone_plain.mp4")), 3), QString::fromUtf8(c.Clip));
    reader.SetOrientationIgnored(false);
    ExpectSamePicture(Grab(reader), FfmpegFrame(path, 3), QString::fromUtf8(c.Clip));
  }
}

TEST(PhoneVideoTest, AMirroredTrackIsFlippedAsFfmpegFlipsIt) {
  QTemporaryDir folder;
  const QString path = MirroredCopy(Fixture(QStringLiteral("phone_plain.mp4")), folder.filePath(QStringLiteral("m.mp4")));
  ASSERT_FALSE(path.isEmpty());
  TFFMpegPlay reader(RealKlbDll());
  ASSERT_TRUE(reader.OpenFile(path)) << reader.ErrorText().toStdString();
  EXPECT_TRUE(reader.StreamOrientation().Mirrored);
  EXPECT_EQ(reader.StreamOrientation().Rotation, 0);
  reader.SetPosition(5);
  const QImage ffmpeg = FfmpegFrame(path, 5);
  ExpectSamePicture(Grab(reader), ffmpeg, QStringLiteral("mirrored"));
  EXPECT_GT(MeanAbsDiff(Grab(reader), ffmpeg.mirrored(true, false)), 10.0) << "the flip is not the identity";
}

TEST(PhoneVideoTest, GStreamerTurnsByTheOrientationTag) {
  if (!TDSPlay::Available()) GTEST_SKIP() << "GStreamer cannot be started";
  const QString path = Fixture(QStringLiteral("phone_rot90.mp4"));
  TDSPlay reader;
  reader.SetFileName(path);
  ASSERT_TRUE(reader.Opened()) << reader.ErrorText().toStdString();
  EXPECT_EQ(reader.FrameWidth(), 48);
  EXPECT_EQ(reader.FrameHeight(), 64);
  reader.SetPosition(2);
  ExpectSamePicture(Grab(reader), FfmpegFrame(path, 2), QStringLiteral("GStreamer"));
}

TEST(PhoneVideoTest, OrientationTagsReadAsGStreamerNamesThem) {
  EXPECT_EQ(OrientationOfTag(QStringLiteral("rotate-90")), (TOrientation{270, false}));
  EXPECT_EQ(OrientationOfTag(QStringLiteral("rotate-270")), (TOrientation{90, false}));
  EXPECT_EQ(OrientationOfTag(QStringLiteral("flip-rotate-0")), (TOrientation{0, true}));
  EXPECT_EQ(OrientationOfTag(QStringLiteral("flip-rotate-90")), (TOrientation{90, true}));
  EXPECT_EQ(OrientationOfTag(QStringLiteral("rotate-45")), TOrientation());
  EXPECT_EQ(OrientationOfTag(QString()), TOrientation());
}

TEST(PhoneVideoTest, InfoPrintsTheUprightSizeRotationAndCaptureRate) {
  kolibra::testing::TProgramRun run = RunCli({QStringLiteral("info"), Fixture(QStringLiteral("phone_rot90.mp4"))});
  ASSERT_EQ(run.Status, 0) << run.Err.toStdString();
  EXPECT_TRUE(run.Out.contains(QStringLiteral("width: 48\nheight: 64\n"))) << run.Out.toStdString();
  EXPECT_TRUE(run.Out.endsWith(QStringLiteral("variable_rate: no\nrotation: 90\n"))) << run.Out.toStdString();

  run = RunCli({QStringLiteral("info"), Fixture(QStringLiteral("phone_slowmo.mp4"))});
  ASSERT_EQ(run.Status, 0) << run.Err.toStdString();
  EXPECT_TRUE(run.Out.contains(QStringLiteral("rate: 30\n"))) << run.Out.toStdString();
  EXPECT_TRUE(run.Out.endsWith(QStringLiteral("rotation: 0\ncapture_rate: 240\n"))) << run.Out.toStdString();
}

// Each line of kolibra-cli times against the time ffprobe gives the frame, to the microsecond.
TEST(PhoneVideoTest, TimesAreTheStreamsTimeStamps) {
  for (const char *clip : {"phone_pause.mp4", "phone_jitter.mp4"}) {
    QFile reference(Fixture(QString::fromUtf8(clip) + QStringLiteral(".times")));
    ASSERT_TRUE(reference.open(QIODevice::ReadOnly | QIODevice::Text)) << clip;
    const QStringList stamps = QString::fromUtf8(reference.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(stamps.size(), 40) << clip;
    const kolibra::testing::TProgramRun run = RunCli({QStringLiteral("times"), Fixture(QString::fromUtf8(clip))});
    ASSERT_EQ(run.Status, 0) << run.Err.toStdString();
    const QStringList lines = run.Out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), stamps.size()) << clip;
    const double origin = stamps[0].toDouble();
    for (int i = 0; i < lines.size(); ++i) {
      const QStringList fields = lines[i].split(QLatin1Char('\t'));
      ASSERT_EQ(fields.size(), 2) << lines[i].toStdString();
      EXPECT_EQ(fields[0].toInt(), i);
      EXPECT_EQ(fields[1].section(QLatin1Char('.'), 1).size(), 6) << "six decimals: " << fields[1].toStdString();
      EXPECT_NEAR(fields[1].toDouble(), stamps[i].toDouble() - origin, 1e-6) << clip << " frame " << i;
    }
  }
  // A regular video's times are whole numbers of its interval.
  const kolibra::testing::TProgramRun run = RunCli({QStringLiteral("times"), Fixture(QStringLiteral("phone_plain.mp4"))});
  ASSERT_EQ(run.Status, 0) << run.Err.toStdString();
  EXPECT_TRUE(run.Out.startsWith(QStringLiteral("0\t0.000000\n1\t0.040000\n2\t0.080000\n"))) << run.Out.toStdString();
  EXPECT_EQ(run.Out.count(QLatin1Char('\n')), 12);
}

// The classroom clip balle1-vp9.avi keeps five dropped frames as empty slots 1 to 5: the AVI
// reader shows them (slot k at k intervals), FFmpeg decodes the 295 pictures only. Each
// picture's time must be its slot's, not its rank's: five intervals later from frame 1 on.
TEST(PhoneVideoTest, DroppedFramesKeepTheTimesOfTheirSlots) {
  const QString path = testing::SharedVideo(QStringLiteral("balle1-vp9.avi"));
  if (path.isEmpty()) GTEST_SKIP() << "the shared videos are not beside the repository";
  TFFMpegPlay reader(RealKlbDll());
  ASSERT_TRUE(reader.OpenFile(path)) << reader.ErrorText().toStdString();
  ASSERT_EQ(reader.ExactFrameCount(), 295);
  const std::vector<double> stamps = VideoTimeStamps(reader);
  ASSERT_EQ(stamps.size(), 295u);
  const double interval = 417.0 / 78125.0;
  for (int i = 0; i < 295; ++i) {
    const int slot = i == 0 ? 0 : i + 5;
    EXPECT_NEAR(stamps[size_t(i)], slot * interval, 1e-6) << "frame " << i;
    EXPECT_NEAR(FrameTime(stamps, i, reader.FrameInterval()), slot * interval, 1e-6) << "frame " << i;
  }
}

TEST(PhoneVideoTest, TimesRefuseWhatIsNoVideo) {
  const kolibra::testing::TProgramRun missing = RunCli({QStringLiteral("times"), QStringLiteral("/nonexistent.mp4")});
  EXPECT_EQ(missing.Status, 1);
  EXPECT_TRUE(missing.Out.isEmpty());
  EXPECT_FALSE(missing.Err.isEmpty());
  const kolibra::testing::TProgramRun usage = RunCli({QStringLiteral("times")});
  EXPECT_EQ(usage.Status, 1);
  EXPECT_TRUE(usage.Err.contains(QStringLiteral("Usage: kolibra-cli times VIDEO")));
}

// The square moves at 100 pixels per second of real time, through the pause in the stamps as
// well: the tracker's positions over the times printed give that speed between every two
// frames, the step across the pause (0.54 s, 54 pixels) included.
TEST(PhoneVideoTest, TrackedSpeedHoldsAcrossAPauseInTheStamps) {
  const kolibra::testing::TProgramRun run =
      RunCli({QStringLiteral("track"), Fixture(QStringLiteral("phone_square_pause.mp4")), QStringLiteral("--circle"),
              QStringLiteral("28,48,5"), QStringLiteral("--radius"), QStringLiteral("100")});
  ASSERT_EQ(run.Status, 0) << run.Err.toStdString();
  QStringList lines = run.Out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
  ASSERT_GT(lines.size(), 30) << run.Out.toStdString();
  lines.removeFirst();
  double lastT = 0.0, lastX = 0.0;
  bool first = true;
  int acrossPause = 0;
  for (const QString &line : lines) {
    const QStringList f = line.split(QLatin1Char(','));
    ASSERT_GE(f.size(), 5) << line.toStdString();
    ASSERT_EQ(f[4], QStringLiteral("found")) << line.toStdString();
    const double t = f[1].toDouble(), x = f[2].toDouble();
    if (!first) {
      EXPECT_NEAR((x - lastX) / (t - lastT), 100.0, 1.0) << line.toStdString();
      if (t - lastT > 0.5) ++acrossPause;
    }
    first = false;
    lastT = t;
    lastX = x;
  }
  EXPECT_EQ(acrossPause, 1);
}

}  // namespace
}  // namespace kolibra::video
