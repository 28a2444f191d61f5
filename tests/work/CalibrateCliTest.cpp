// kolibra-cli calibrate as a script runs it, on a work file of the sample "Parabole" (seen
// squarely, 200 pixels a metre, the ground on the picture's bottom edge): a plane on the
// whole picture gives back the positions the sample was drawn from; lines traced on it tell
// a lens that does not bend; a checkerboard filmed through a wide lens tells that lens; bad
// input writes nothing.

#include "editing/ParaboleCli.h"
#include "measurement/support/TiltedCamera.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>

namespace kolibra::work::calibrate_cli_test {

using CalibrateCliTest = editing::testing::ParaboleCliTest;
using editing::testing::ParaboleTruth;

TEST_F(CalibrateCliTest, ThePlaneOfThePictureGivesTheSamplesMetres) {
  // The picture's corners: the plane's (0, 0) bottom-left, 2.4 x 1.8 m at 200 px a metre.
  kolibra::testing::TProgramRun run = Run({QStringLiteral("calibrate"), File("throw.klb"), File("plane.klb"),
                                           QStringLiteral("--plane"), QStringLiteral("0,360;480,360;480,0;0,0"),
                                           QStringLiteral("--size"), QStringLiteral("2.4,1.8")});
  ASSERT_EQ(run.Status, 0) << run.Err.toStdString();
  EXPECT_TRUE(run.Out.isEmpty() && run.Err.isEmpty()) << run.Err.toStdString();
  QFile file(File("plane.klb"));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QString text = QString::fromUtf8(file.readAll());
  EXPECT_TRUE(text.contains(QStringLiteral("[Plane]")));

  run = Run({QStringLiteral("results"), File("plane.klb")});
  ASSERT_EQ(run.Status, 0) << run.Err.toStdString();
  const QStringList lines = run.Out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
  const std::vector<editing::testing::TTruePosition> truth = ParaboleTruth();
  ASSERT_EQ(lines.size(), 6 + int(truth.size()));
  for (size_t k = 0; k < truth.size(); ++k) {
    const QStringList cells = lines[6 + int(k)].split(QLatin1Char('\t'));
    ASSERT_GE(cells.size(), 9);
    EXPECT_NEAR(cells[1].toDouble(), truth[k].XMetres, 1e-6) << k;
    EXPECT_NEAR(cells[2].toDouble(), truth[k].YMetres, 1e-6) << k;
    EXPECT_NEAR(cells[8].toDouble(), 9.81, 9.81 * 0.005) << k;
  }
}

TEST_F(CalibrateCliTest, ACheckerboardFilmedThroughTheLensTellsIt) {
  // Four views of a 9 x 6 board through a wide lens, made into a lossless video the work
  // file then refers to instead of the sample.
  measurement::testing::TTiltedCamera camera;
  camera.K1 = -0.25;
  const std::pair<double, double> poses[] = {{0, 0}, {30, 5}, {-25, 10}, {15, -15}};
  for (int i = 0; i < 4; ++i) {
    camera.YawDegrees = poses[i].first;
    camera.PitchDegrees = poses[i].second;
    ASSERT_TRUE(camera.Checkerboard(9, 6, 0.14).save(dir.filePath(QStringLiteral("board%1.png").arg(i))));
  }
  QProcess ffmpeg;
  ffmpeg.start(QStringLiteral("ffmpeg"), {QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-y"),
                                          QStringLiteral("-framerate"), QStringLiteral("4"), QStringLiteral("-i"),
                                          dir.filePath(QStringLiteral("board%d.png")), QStringLiteral("-c:v"),
                                          QStringLiteral("ffv1"), dir.filePath(QStringLiteral("board.avi"))});
  ASSERT_TRUE(ffmpeg.waitForFinished(60000) && ffmpeg.exitCode() == 0) << ffmpeg.readAllStandardError().toStdString();
  QFile work(File("throw.klb"));
  ASSERT_TRUE(work.open(QIODevice::ReadOnly));
  QString text = QString::fromUtf8(work.readAll());
  ASSERT_TRUE(text.contains(QStringLiteral("Parabole.avi")));
  text.replace(QStringLiteral("Parabole.avi"), QStringLiteral("board.avi"));
  QFile board(File("board.klb"));
  ASSERT_TRUE(board.open(QIODevice::WriteOnly));
  board.write(text.toUtf8());
  board.close();

  const kolibra::testing::TProgramRun run =
      Run({QStringLiteral("calibrate"), File("board.klb"), File("lens.klb"), QStringLiteral("--plane"),
           QStringLiteral("100,700;1180,700;1180,20;100,20"), QStringLiteral("--size"), QStringLiteral("1.6,0.9"),
           QStringLiteral("--checkerboard"), QStringLiteral("9x6")});
  ASSERT_EQ(run.Status, 0) << run.Err.toStdString();
  const QStringList lines = run.Out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
  ASSERT_EQ(lines.size(), 3) << run.Out.toStdString();
  EXPECT_TRUE(lines[0].startsWith(QStringLiteral("k1\t")) && lines[1].startsWith(QStringLiteral("k2\t")) &&
              lines[2].startsWith(QStringLiteral("focal\t")))
      << run.Out.toStdString();
  measurement::TLens lens;
  lens.K1 = lines[0].mid(3).toDouble();
  lens.K2 = lines[1].mid(3).toDouble();
  lens.Focal = lines[2].mid(6).toDouble();
  measurement::TPlaneCalibration plane;
  plane.SetPictureSize(camera.Width, camera.Height);
  plane.SetLens(lens);
  double worst = 0.0;
  for (double x = 60; x <= 1220; x += 100)
    for (double y = 40; y <= 680; y += 80) {
      const TPointD back = plane.Undistort(camera.Lens(TPointD(x, y)));
      worst = std::max(worst, std::hypot(back.X - x, back.Y - y));
    }
  EXPECT_LT(worst, 0.5) << run.Out.toStdString();
  EXPECT_TRUE(QFileInfo::exists(File("lens.klb")));

  // Two ways of giving the lens at once, or a board of two corners: refused, nothing written.
  for (const QStringList &extra : {QStringList{QStringLiteral("--lens"), QStringLiteral("-0.2")},
                                   QStringList{QStringLiteral("--focal"), QStringLiteral("1000")}}) {
    const kolibra::testing::TProgramRun refused =
        Run(QStringList{QStringLiteral("calibrate"), File("board.klb"), File("twice.klb"), QStringLiteral("--plane"),
                        QStringLiteral("100,700;1180,700;1180,20;100,20"), QStringLiteral("--size"),
                        QStringLiteral("1.6,0.9"), QStringLiteral("--checkerboard"), QStringLiteral("9x6")} +
            extra);
    EXPECT_EQ(refused.Status, 1);
    EXPECT_FALSE(refused.Err.isEmpty());
  }
  const kolibra::testing::TProgramRun small =
      Run({QStringLiteral("calibrate"), File("board.klb"), File("twice.klb"), QStringLiteral("--plane"),
           QStringLiteral("100,700;1180,700;1180,20;100,20"), QStringLiteral("--size"), QStringLiteral("1.6,0.9"),
           QStringLiteral("--checkerboard"), QStringLiteral("2x6")});
  EXPECT_EQ(small.Status, 1);
  EXPECT_FALSE(QFileInfo::exists(File("twice.klb")));
}

TEST_F(CalibrateCliTest, StraightLinesTellTheLensAndItIsKept) {
  const kolibra::testing::TProgramRun run =
      Run({QStringLiteral("calibrate"), File("throw.klb"), File("lens.klb"), QStringLiteral("--plane"),
           QStringLiteral("0,360;480,360;480,0;0,0"), QStringLiteral("--size"), QStringLiteral("2.4,1.8"),
           QStringLiteral("--straight"), QStringLiteral("10,20;240,22.3;470,24.6"), QStringLiteral("--straight"),
           QStringLiteral("15,340;240,330;465,320")});
  ASSERT_EQ(run.Status, 0) << run.Err.toStdString();
  const QStringList lines = run.Out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
  ASSERT_EQ(lines.size(), 2) << run.Out.toStdString();
  EXPECT_TRUE(lines[0].startsWith(QStringLiteral("k1\t")));
  EXPECT_TRUE(lines[1].startsWith(QStringLiteral("k2\t")));
  // Lines already straight: no bending.
  EXPECT_NEAR(lines[0].mid(3).toDouble(), 0.0, 1e-6);
  EXPECT_FALSE(lines[0].contains(QLatin1Char(','))) << "a point, whatever the locale";
  QFile file(File("lens.klb"));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_TRUE(QString::fromUtf8(file.readAll()).contains(QStringLiteral("[Plane]")));
}

TEST_F(CalibrateCliTest, BadInputIsRefusedAndNothingWritten) {
  const QString good = QStringLiteral("0,360;480,360;480,0;0,0");
  const struct {
    QStringList Arguments;
    const char *Says;
  } rows[] = {
      {{QStringLiteral("--plane"), QStringLiteral("0,360;480,360;480,0"), QStringLiteral("--size"), QStringLiteral("2.4,1.8")},
       "--plane must be four corners"},
      {{QStringLiteral("--plane"), QStringLiteral("0,360;480,0;480,360;0,0"), QStringLiteral("--size"), QStringLiteral("2.4,1.8")},
       "without crossing"},
      {{QStringLiteral("--plane"), good, QStringLiteral("--size"), QStringLiteral("0,1.8")}, "above zero"},
      {{QStringLiteral("--plane"), good, QStringLiteral("--size"), QStringLiteral("2.4,1.8"), QStringLiteral("--straight"),
        QStringLiteral("1,1;5,5")},
       "at least three points"},
      {{QStringLiteral("--plane"), good, QStringLiteral("--size"), QStringLiteral("2.4,1.8"), QStringLiteral("--lens"),
        QStringLiteral("a")},
       "--lens must be"},
      {{QStringLiteral("--plane"), good}, "Usage: kolibra-cli calibrate"},
  };
  for (const auto &row : rows) {
    const kolibra::testing::TProgramRun run =
        Run(QStringList{QStringLiteral("calibrate"), File("throw.klb"), File("bad.klb")} + row.Arguments);
    EXPECT_EQ(run.Status, 1) << row.Says;
    EXPECT_TRUE(run.Err.contains(QLatin1String(row.Says))) << run.Err.toStdString();
    EXPECT_FALSE(QFileInfo::exists(File("bad.klb"))) << row.Says;
  }
}

}  // namespace kolibra::work::calibrate_cli_test
