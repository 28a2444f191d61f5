// kolibra-cli calibrate as a script runs it, on a work file of the sample "Parabole" (seen
// squarely, 200 pixels a metre, the ground on the picture's bottom edge): a plane on the
// whole picture gives back the positions the sample was drawn from; lines traced on it tell
// a lens that does not bend; bad input writes nothing.

#include "editing/ParaboleCli.h"

#include <QFile>
#include <QFileInfo>

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
