// kolibra-cli track as a script runs it: the CSV it prints on the sample "Parabole" and on
// clips ffmpeg makes here (a square leaving the frame, a square beside a decoy), and its
// refusals with their exit statuses.

#include "support/RunProgram.h"
#include "tracking/support/Printing.h"
#include "tracking/support/Scenes.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cmath>

namespace kolibra::tracking {
namespace {

struct TCliRun {
  int Status = -1;
  QStringList Lines;
  QString Error;
};

TCliRun Track(const QStringList &arguments) {
  const kolibra::testing::TProgramRun program =
      kolibra::testing::RunProgram(QStringLiteral(KOLIBRA_TEST_CLI), QStringList{QStringLiteral("track")} + arguments);
  TCliRun run;
  run.Status = program.Status;
  run.Lines = program.Out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
  run.Error = program.Err;
  return run;
}

// A 320 x 240 grey MJPEG clip of 30 frames at 25 per second, drawn here: a blue 20 x 20
// square whose centre starts at (x0, 120) and moves by dx a frame, and, when asked, a
// second one standing with its centre at (decoyX, 120). Made once per set of arguments.
QString Clip(double x0, double dx, double decoyX = -1) {
  using namespace testing;
  static QTemporaryDir folder;
  const QString path = folder.filePath(QStringLiteral("square_%1_%2_%3.avi").arg(x0).arg(dx).arg(decoyX));
  if (QFileInfo::exists(path)) return path;
  if (QStandardPaths::findExecutable(QStringLiteral("ffmpeg")).isEmpty()) return QString();
  QProcess ffmpeg;
  ffmpeg.start(QStringLiteral("ffmpeg"),
               {QStringLiteral("-nostdin"), QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-y"),
                QStringLiteral("-f"), QStringLiteral("rawvideo"), QStringLiteral("-pix_fmt"), QStringLiteral("rgb24"),
                QStringLiteral("-s"), QStringLiteral("%1x%2").arg(W).arg(H), QStringLiteral("-r"), QStringLiteral("25"),
                QStringLiteral("-i"), QStringLiteral("-"), QStringLiteral("-c:v"), QStringLiteral("mjpeg"),
                QStringLiteral("-q:v"), QStringLiteral("2"), path});
  if (!ffmpeg.waitForStarted()) return QString();
  for (int frame = 0; frame < 30; ++frame) {
    std::vector<TSquare> squares{{TPointD(x0 + dx * frame, 120), 20, Blue}};
    if (decoyX >= 0) squares.push_back({TPointD(decoyX, 120), 20, Blue});
    const QImage image = Scene(W, H, squares);
    for (int y = 0; y < H; ++y) ffmpeg.write(reinterpret_cast<const char *>(image.constScanLine(y)), W * 3);
    ffmpeg.waitForBytesWritten(-1);
  }
  ffmpeg.closeWriteChannel();
  const bool made = ffmpeg.waitForFinished(60000) && ffmpeg.exitCode() == 0;
  return made ? path : QString();
}

// The centre of the square whose centre was asked at x, measured from the frame's corner.
double CornerX(double x) { return testing::CornerCentre(testing::TSquare{TPointD(x, 120), 20}).X; }

QStringList Fields(const QString &line) { return line.split(QLatin1Char(',')); }

TEST(TrackCliTest, PrintsOneLinePerFrameOfParabole) {
  const QString video = QStringLiteral(KOLIBRA_TEST_SAMPLES_DIR "/Parabole.avi");
  const TCliRun run = Track({video, QStringLiteral("--circle"), QStringLiteral("50,310,13"), QStringLiteral("--to"),
                             QStringLiteral("20"), QStringLiteral("--step"), QStringLiteral("2")});
  ASSERT_EQ(run.Status, 0) << run.Error.toStdString();
  ASSERT_EQ(run.Lines.size(), 12);
  EXPECT_EQ(run.Lines[0], QStringLiteral("frame,t,x_px,y_px,status,similarity"));
  EXPECT_TRUE(run.Lines[1].startsWith(QStringLiteral("0,0,50.")) || run.Lines[1].startsWith(QStringLiteral("0,0,49.")))
      << run.Lines[1].toStdString();
  for (int k = 1; k < run.Lines.size(); ++k) {
    const QStringList f = Fields(run.Lines[k]);
    ASSERT_EQ(f.size(), 6) << run.Lines[k].toStdString();
    EXPECT_EQ(f[0].toInt(), 2 * (k - 1));
    EXPECT_DOUBLE_EQ(f[1].toDouble(), 0.02 * 2 * (k - 1));
    EXPECT_EQ(f[4], QStringLiteral("found"));
    EXPECT_FALSE(f[2].contains(QLatin1Char(' ')));
    EXPECT_GT(f[5].toDouble(), 0.6);
  }
}

TEST(TrackCliTest, ASquareLeavingTheFrameIsFoundThenLost) {
  // From x = 250 by 10 a frame: wholly in view up to frame 5, wholly out from frame 9.
  const QString video = Clip(250, 10);
  if (video.isEmpty()) GTEST_SKIP() << "ffmpeg is needed to make the clip";
  // A polygon just inside the square of frame 0.
  const TCliRun run = Track({video, QStringLiteral("--polygon"), QStringLiteral("244,114;256,114;256,126;244,126"),
                             QStringLiteral("--radius"), QStringLiteral("20")});
  ASSERT_EQ(run.Status, 0) << run.Error.toStdString();
  ASSERT_EQ(run.Lines.size(), 31);
  for (int frame = 0; frame < 30; ++frame) {
    const QStringList f = Fields(run.Lines[frame + 1]);
    ASSERT_EQ(f.size(), 6);
    if (frame <= 5) {
      ASSERT_EQ(f[4], QStringLiteral("found")) << frame;
      EXPECT_NEAR(f[2].toDouble(), CornerX(250 + 10.0 * frame), 1.0) << frame;
      EXPECT_NEAR(f[3].toDouble(), 120.5, 1.0) << frame;
    } else if (frame >= 9) {
      EXPECT_EQ(f[4], QStringLiteral("lost")) << frame;
      EXPECT_TRUE(f[2].isEmpty() && f[3].isEmpty()) << run.Lines[frame + 1].toStdString();
    }
  }
}

TEST(TrackCliTest, AZoneToIgnoreKeepsTheDecoyOut) {
  // The target moves right from x = 60 by 3 a frame; a decoy stands at x = 130, which the
  // target comes no closer to than 10 pixels between their edges before frame 14.
  const QString video = Clip(60, 3, 130);
  if (video.isEmpty()) GTEST_SKIP() << "ffmpeg is needed to make the clip";
  const QStringList common = {video, QStringLiteral("--circle"), QStringLiteral("60,120,13"), QStringLiteral("--to"),
                              QStringLiteral("13"), QStringLiteral("--radius"), QStringLiteral("60")};
  const TCliRun guarded =
      Track(common + QStringList{QStringLiteral("--ignore"), QStringLiteral("116,106;144,106;144,134;116,134")});
  const TCliRun open = Track(common);
  ASSERT_EQ(guarded.Status, 0) << guarded.Error.toStdString();
  ASSERT_EQ(open.Status, 0);
  ASSERT_EQ(guarded.Lines.size(), 15);
  double worstGuarded = 0.0, worstOpen = 0.0;
  for (int frame = 1; frame < 14; ++frame) {
    const double truth = CornerX(60 + 3.0 * frame);
    worstGuarded = std::max(worstGuarded, std::abs(Fields(guarded.Lines[frame + 1])[2].toDouble() - truth));
    worstOpen = std::max(worstOpen, std::abs(Fields(open.Lines[frame + 1])[2].toDouble() - truth));
  }
  EXPECT_LE(worstGuarded, 1.0);
  // The motion and the picture keep the decoy out even without a zone.
  EXPECT_LE(worstOpen, 1.0);

  // A zone over the target's path: nothing is found inside it.
  const TCliRun hidden =
      Track(common + QStringList{QStringLiteral("--ignore"), QStringLiteral("80,100;100,100;100,140;80,140")});
  ASSERT_EQ(hidden.Status, 0) << hidden.Error.toStdString();
  for (int frame = 1; frame < 14; ++frame) {
    const QStringList fields = Fields(hidden.Lines[frame + 1]);
    if (fields[4] == QLatin1String("lost")) continue;
    const double x = fields[2].toDouble();
    EXPECT_TRUE(x < 80.0 || x > 100.0) << "frame " << frame << " found at " << x << " inside the zone";
  }
}

TEST(TrackCliTest, SeveralOutlinesAreFollowedInOneRunNumberedInTheirOrder) {
  const QString video = Clip(60, 3, 160);
  if (video.isEmpty()) GTEST_SKIP() << "ffmpeg is needed to make the clip";
  // The standing square first as a polygon, then the moving one as a circle.
  const TCliRun run = Track({video, QStringLiteral("--polygon"), QStringLiteral("148,108;172,108;172,132;148,132"),
                             QStringLiteral("--circle=60,120,13"), QStringLiteral("--to"), QStringLiteral("9")});
  ASSERT_EQ(run.Status, 0) << run.Error.toStdString();
  ASSERT_EQ(run.Lines.size(), 1 + 2 * 10);
  EXPECT_EQ(run.Lines[0], QStringLiteral("object,frame,t,x_px,y_px,status,similarity"));
  for (int frame = 0; frame < 10; ++frame) {
    const QStringList standing = Fields(run.Lines[1 + 2 * frame]);
    const QStringList moving = Fields(run.Lines[2 + 2 * frame]);
    ASSERT_EQ(standing.size(), 7);
    EXPECT_EQ(standing[0], QStringLiteral("1"));
    EXPECT_EQ(moving[0], QStringLiteral("2"));
    EXPECT_EQ(standing[1].toInt(), frame);
    EXPECT_EQ(moving[1].toInt(), frame);
    EXPECT_EQ(standing[5], QStringLiteral("found"));
    EXPECT_EQ(moving[5], QStringLiteral("found"));
    EXPECT_NEAR(standing[3].toDouble(), CornerX(160), 1.0) << frame;
    EXPECT_NEAR(moving[3].toDouble(), CornerX(60 + 3.0 * frame), 1.0) << frame;
  }
}

TEST(TrackCliTest, RefusesBadInputWithAReason) {
  const QString video = QStringLiteral(KOLIBRA_TEST_SAMPLES_DIR "/Parabole.avi");
  const struct {
    QStringList Arguments;
    int Status;
    const char *Says;
  } rows[] = {
      {{video}, 1, "Usage: kolibra-cli track"},
      {{video, "--circle", "50,310,13", "--polygon", "1,1;2,2"}, 1, "--polygon must be at least three points"},
      {{video, "--polygon", "1,1;2,2"}, 1, "--polygon must be at least three points"},
      {{video, "--circle", "50,310"}, 1, "--circle must be X,Y,R"},
      {{video, "--circle", "50,310,13", "--radius", "5"}, 1, "--radius must be a whole number from 10 to 100"},
      {{video, "--circle", "50,310,13", "--step", "0"}, 1, "--step must be a whole number"},
      {{video, "--circle", "50,310,13", "--from", "48"}, 1, "are not all in this video (frames 0 to 47)"},
      {{video, "--circle", "50,310,13", "--from", "10", "--to", "5"}, 1, "are not all in this video"},
      {{video, "--circle", "50,310,13", "--ignore", "1,1"}, 1, "--ignore must be"},
      {{video, "--circle", "50,310,13", "--framework", "qt"}, 1, "Unknown framework: qt"},
      {{QStringLiteral("/nonexistent/clip.avi"), "--circle", "5,5,3"}, 1, "Unable to open this video file."},
      {{video, "--circle", "900,900,20"}, 2, "The outline of the target lies outside the frame."},
  };
  for (const auto &row : rows) {
    const TCliRun run = Track(row.Arguments);
    EXPECT_EQ(run.Status, row.Status) << row.Arguments.join(' ').toStdString();
    EXPECT_TRUE(run.Error.contains(QLatin1String(row.Says))) << run.Error.toStdString();
    EXPECT_TRUE(run.Lines.isEmpty()) << row.Arguments.join(' ').toStdString();
  }
}

}  // namespace
}  // namespace kolibra::tracking
