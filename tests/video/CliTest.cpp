// kolibra-cli as a script runs it: the built program, found beside kolibra with its own
// wrapper folder, its standard output, standard error and exit status.

#include "VideoTestSupport.h"
#include "support/RunProgram.h"

#include <QCryptographicHash>
#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace kolibra::video {
namespace {

using testing::CliProgram;
using testing::Fixture;
using testing::ReferenceMd5;
using testing::SharedVideo;

using TRun = kolibra::testing::TProgramRun;

TRun RunCli(const QStringList &Arguments) {
  return kolibra::testing::RunProgram(CliProgram(), Arguments, [](QProcessEnvironment &env) {
    env.remove(QStringLiteral("KOLIBRA_KLBDLL_DIR"));  // it must find its own "KlbDll"
  });
}

QString ImageMd5(const QImage &Image) {
  const QImage rgb = Image.convertToFormat(QImage::Format_RGB888);
  QCryptographicHash hash(QCryptographicHash::Md5);
  for (int y = 0; y < rgb.height(); ++y) {
    hash.addData(QByteArrayView(reinterpret_cast<const char *>(rgb.constScanLine(y)), rgb.width() * 3));
  }
  return QString::fromLatin1(hash.result().toHex());
}

TEST(CliTest, InfoPrintsOneKeyValueLineEach) {
  const struct {
    const char *Clip;
    const char *Framework;
    const char *Expected;
  } cases[] = {
      {"h264_bframes.mp4", nullptr,
       "framework: ffmpeg\nframes: 40\nwidth: 64\nheight: 48\nrate: 25\ninterval: 0.04\nduration: 1.6\n"
       "variable_rate: no\nrotation: 0\n"},
      {"variable.mkv", "ffmpeg",
       "framework: ffmpeg\nframes: 40\nwidth: 64\nheight: 48\nrate: 16.81034483\ninterval: 0.05948717949\n"
       "duration: 2.36\nvariable_rate: yes\nrotation: 0\n"},
      // GStreamer reads it by time at the nominal 25 per second of its header.
      {"variable.mkv", "ds",
       "framework: ds\nframes: 59\nwidth: 64\nheight: 48\nrate: 25\ninterval: 0.04\nduration: 2.36\n"
       "variable_rate: no\nrotation: 0\n"},
      // Four dropped frames kept as empty slots: 34 frames, where FFmpeg counts 30 pictures.
      {"mjpeg_gaps.avi", nullptr,
       "framework: vfw\nframes: 34\nwidth: 64\nheight: 48\nrate: 25\ninterval: 0.04\nduration: 1.36\n"
       "variable_rate: no\nrotation: 0\n"},
  };
  for (const auto &c : cases) {
    QStringList args = {QStringLiteral("info"), Fixture(QString::fromUtf8(c.Clip))};
    if (c.Framework) args << QStringLiteral("--framework") << QString::fromUtf8(c.Framework);
    const TRun run = RunCli(args);
    EXPECT_EQ(run.Status, 0) << run.Err.toStdString();
    EXPECT_EQ(run.Out, QString::fromUtf8(c.Expected)) << c.Clip;
    EXPECT_TRUE(run.Err.isEmpty()) << run.Err.toStdString();
  }
}

// The header of balle1-vp9.avi counts 300 slots, five of them empty: the AVI reader keeps
// them (and so every frame's time), FFmpeg counts the 295 pictures. GStreamer has no decoder
// for VP9 in AVI; forced to it, the file is refused with its reason.
TEST(CliTest, InfoReadsEveryClassroomVideoWithTheReaderItIsGiven) {
  const struct {
    const char *Name;
    const char *Framework;
    int Status;
    const char *Out;
    const char *Err;
  } cases[] = {{"g1.avi", "vfw", 0, "framework: vfw\nframes: 16\n", ""},
               {"Principe_inertie.avi", "vfw", 0, "framework: vfw\nframes: 28\n", ""},
               {"Force_constante.avi", "vfw", 0, "framework: vfw\nframes: 26\n", ""},
               {"balle1-vp9.avi", "vfw", 0, "framework: vfw\nframes: 300\n", ""},
               {"balle1-vp9.avi", "ffmpeg", 0, "framework: ffmpeg\nframes: 295\n", ""},
               {"g1.avi", "ds", 0, "framework: ds\nframes: 16\n", ""},
               {"Force_constante.avi", "ds", 1, "", "GStreamer shows the B-frames of this AVI file at the wrong times."},
               {"balle1-vp9.avi", "ds", 1, "", "GStreamer has no decoder for the video of this file"}};
  for (const auto &c : cases) {
    const QString path = SharedVideo(QString::fromUtf8(c.Name));
    if (path.isEmpty()) GTEST_SKIP() << "the shared videos are not beside the repository";
    const TRun run =
        RunCli({QStringLiteral("info"), path, QStringLiteral("--framework"), QString::fromUtf8(c.Framework)});
    EXPECT_EQ(run.Status, c.Status) << c.Name << " " << run.Err.toStdString();
    if (c.Status == 0) {
      EXPECT_TRUE(run.Out.startsWith(QString::fromUtf8(c.Out))) << c.Name << " " << run.Out.toStdString();
      EXPECT_TRUE(run.Err.isEmpty()) << c.Name << " " << run.Err.toStdString();
    } else {
      EXPECT_TRUE(run.Out.isEmpty()) << c.Name << " " << run.Out.toStdString();
      EXPECT_TRUE(run.Err.contains(QString::fromUtf8(c.Err))) << c.Name << " " << run.Err.toStdString();
    }
  }
}

TEST(CliTest, InfoReadsBothSampleVideos) {
  const struct {
    const char *Name;
    const char *Expected;
  } cases[] = {
      {"Cylindre.avi",
       "framework: vfw\nframes: 50\nwidth: 480\nheight: 240\nrate: 25\ninterval: 0.04\nduration: 2\n"
       "variable_rate: no\nrotation: 0\n"},
      {"Parabole.avi",
       "framework: vfw\nframes: 48\nwidth: 480\nheight: 360\nrate: 50\ninterval: 0.02\nduration: 0.96\n"
       "variable_rate: no\nrotation: 0\n"},
  };
  for (const auto &c : cases) {
    const TRun run =
        RunCli({QStringLiteral("info"), QDir(QStringLiteral(KOLIBRA_TEST_SAMPLES)).filePath(QString::fromUtf8(c.Name))});
    EXPECT_EQ(run.Status, 0) << run.Err.toStdString();
    EXPECT_EQ(run.Out, QString::fromUtf8(c.Expected)) << c.Name;
  }
}

TEST(CliTest, AFileThatCannotBeOpenedGivesItsReasonAndStatusOne) {
  QTemporaryDir folder;
  const QString empty = folder.filePath(QStringLiteral("empty.avi"));
  QFile(empty).open(QIODevice::WriteOnly);
  const struct {
    QString Path;
    const char *Says;
  } cases[] = {{folder.filePath(QStringLiteral("gone.mp4")), "Unable to open this video file."},
               {empty, "The file is empty."}};
  for (const auto &c : cases) {
    for (const QStringList &args : {QStringList{QStringLiteral("info"), c.Path},
                                    QStringList{QStringLiteral("frame"), c.Path, QStringLiteral("0"),
                                                folder.filePath(QStringLiteral("out.png"))}}) {
      const TRun run = RunCli(args);
      EXPECT_EQ(run.Status, 1);
      EXPECT_TRUE(run.Out.isEmpty());
      EXPECT_TRUE(run.Err.contains(c.Path)) << run.Err.toStdString();
      EXPECT_TRUE(run.Err.contains(QString::fromUtf8(c.Says))) << run.Err.toStdString();
    }
  }
}

TEST(CliTest, FrameWritesThePictureOfTheIndexOrRefusesAnIndexOutside) {
  QTemporaryDir folder;
  const QString clip = Fixture(QStringLiteral("mjpeg.avi"));
  const QStringList reference = ReferenceMd5(clip + ".framemd5");
  const QString range = clip + QStringLiteral(": There is no frame %1: the frames of this video are 0 to 29.\n");
  const QString negative = QStringLiteral("There is no frame %1: frame indexes start at 0.\n");
  const struct {
    QStringList Arguments;  // after "frame FILE"
    int Status;
    QString Out;
    QString Err;
  } cases[] = {
      {{"7"}, 0, "frame: 7\n", ""},
      {{"29", "--framework", "ffmpeg"}, 0, "frame: 29\n", ""},
      {{"30"}, 1, "", range.arg(30)},
      {{"999999999", "--framework", "ds"}, 1, "", range.arg(999999999)},
      {{"-1"}, 1, "", negative.arg(-1)},
      {{"-4", "--framework", "vfw"}, 1, "", negative.arg(-4)},
  };
  for (const auto &c : cases) {
    const QString png = folder.filePath(QStringLiteral("frame %1.png").arg(c.Arguments.first()));
    QStringList arguments = {QStringLiteral("frame"), clip, c.Arguments.first(), png};
    arguments << c.Arguments.mid(1);
    const TRun run = RunCli(arguments);
    const std::string name = c.Arguments.join(QLatin1Char(' ')).toStdString();
    EXPECT_EQ(run.Status, c.Status) << name;
    EXPECT_EQ(run.Out, c.Out) << name;
    EXPECT_EQ(run.Err, c.Err) << name;
    const QImage image(png);
    EXPECT_EQ(image.isNull(), c.Status != 0) << name;
    if (!image.isNull()) {
      EXPECT_EQ(ImageMd5(image), reference.value(c.Arguments.first().toInt())) << name;
    }
  }
}

// The two clips of the report: Xvid with packed B-frames (the AVI reader showed them two
// slots late) and VP9 in WebM at 30 frames per second (the GStreamer reader landed a frame
// early), each frame written by kolibra-cli as a user would ask for it.
TEST(CliTest, FrameGivesTheSourcePictureOfEveryIndex) {
  QTemporaryDir folder;
  const struct {
    const char *Clip;
    const char *Source;
    QList<int> Indexes;
    QList<int> Pictures;  // the source picture each index shows
  } cases[] = {
      {"xvid_q4.avi", "source_320x240_25.rgb", {0, 2, 3, 32, 48, 49}, {0, 2, 3, 32, 48, 48}},
      {"vp9_ms.webm", "source_320x240_30.rgb", {1, 30, 59}, {1, 30, 59}},
  };
  for (const auto &c : cases) {
    const QList<QImage> &source = testing::SourcePictures(Fixture(QString::fromUtf8(c.Source)), 320, 240);
    ASSERT_FALSE(source.isEmpty());
    for (int i = 0; i < c.Indexes.size(); ++i) {
      const QString png = folder.filePath(QStringLiteral("%1.png").arg(i));
      const TRun run = RunCli({QStringLiteral("frame"), Fixture(QString::fromUtf8(c.Clip)), QString::number(c.Indexes[i]), png});
      ASSERT_EQ(run.Status, 0) << c.Clip << " " << c.Indexes[i] << ": " << run.Err.toStdString();
      const QImage image = QImage(png).convertToFormat(QImage::Format_RGB888);
      EXPECT_EQ(testing::MostLike(image, source, c.Pictures[i] - 1, c.Pictures[i] + 1), c.Pictures[i])
          << c.Clip << " frame " << c.Indexes[i];
    }
  }
}

TEST(CliTest, BadArgumentsAreRefused) {
  const QString clip = Fixture(QStringLiteral("mjpeg.avi"));
  for (const QStringList &args :
       {QStringList{QStringLiteral("info"), clip, QStringLiteral("--framework"), QStringLiteral("quicktime")},
        QStringList{QStringLiteral("frame"), clip, QStringLiteral("seven"), QStringLiteral("/tmp/x.png")},
        QStringList{QStringLiteral("play"), clip}, QStringList{}}) {
    const TRun run = RunCli(args);
    EXPECT_EQ(run.Status, 1) << args.join(QLatin1Char(' ')).toStdString();
    EXPECT_FALSE(run.Err.isEmpty());
  }
}

}  // namespace
}  // namespace kolibra::video
