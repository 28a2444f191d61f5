// kolibra-cli graph as scripts run it: the real program, its exit status and its two streams,
// over the sample "Parabole" marked where the ball truly is. The ball was drawn falling with
// g = 9.81 m/s², so the parabola fitted to y(t) must read a = -g/2.

#include "editing/ParaboleWork.h"
#include "support/RunProgram.h"

#include <QImage>
#include <QRegularExpression>
#include <QSvgRenderer>

#include <cmath>

namespace kolibra::work::graph_cli_test {

using TRun = kolibra::testing::TProgramRun;

class GraphCliTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (editing::testing::ParaboleTruth().empty()) GTEST_SKIP() << "the sample videos are made at build time";
    editing::testing::THeadlessParabole work(dir.path());
    ASSERT_TRUE(work.MarkTrajectory(editing::testing::CopyParabole(dir.path())));
    ASSERT_EQ(work::SaveWork(work.Context(), File("throw.klb")), work::wsOk);
  }
  QString File(const char *name) const { return dir.filePath(QLatin1String(name)); }

  TRun Run(QStringList arguments) const {
    arguments.prepend(QStringLiteral("graph"));
    return kolibra::testing::RunProgram(QStringLiteral(KOLIBRA_TEST_CLI), arguments,
                                        [this](QProcessEnvironment &environment) {
                                          environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
                                          environment.insert(QStringLiteral("KOLIBRA_CONFIG_DIR"), dir.path());
                                          // as a desktop session has one
                                          environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), dir.path());
                                          environment.insert(QStringLiteral("KOLIBRA_KLBDLL_DIR"),
                                                             QStringLiteral(KOLIBRA_TEST_KLBDLL_DIR));
                                        });
  }
  static QString Read(const QString &file) {
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
  }

  QTemporaryDir dir;
};

TEST_F(GraphCliTest, TheParabolaFittedToYOfTReadsHalfOfG) {
  const TRun run = Run({File("throw.klb"), File("y.svg"), QStringLiteral("--model"), QStringLiteral("parabola")});
  ASSERT_EQ(run.Status, 0) << run.Err.toStdString();
  EXPECT_TRUE(run.Err.isEmpty()) << run.Err.toStdString();
  QSvgRenderer renderer(File("y.svg"));
  ASSERT_TRUE(renderer.isValid());
  EXPECT_EQ(renderer.viewBox(), QRect(0, 0, 1000, 700));
  const QString svg = Read(File("y.svg"));
  // The legend: the model's equation, then each fitted value with its standard error and
  // its unit. The
  // ball left y = 0.25 m at 5 m/s, 65 degrees above the horizontal.
  EXPECT_TRUE(svg.contains(QStringLiteral(">Model: Y = r + b.t + c.t²<"))) << "no equation in the legend";
  const double truth[] = {0.25, 5.0 * std::sin(65.0 * M_PI / 180.0), -9.81 / 2};
  const char *names[] = {"r", "b", "c"};
  const QString units[] = {QStringLiteral("m"), QStringLiteral("m/s"), QStringLiteral("m/s²")};
  for (int i = 0; i < 3; ++i) {
    const QRegularExpressionMatch value =
        QRegularExpression(QStringLiteral(">%1 = (-?[0-9.]+)  ± [0-9.E+-]+ %2<")
                               .arg(QLatin1String(names[i]), units[i]))
            .match(svg);
    ASSERT_TRUE(value.hasMatch()) << names[i];
    EXPECT_NEAR(value.captured(1).toDouble(), truth[i], 0.0006) << names[i];
  }
  // The axis titles name the quantity and its unit.
  EXPECT_TRUE(svg.contains(QStringLiteral(">time (s)<"))) << "no time axis title";
  EXPECT_TRUE(svg.contains(QStringLiteral(">Ordinates of point n°1 (m)<"))) << "no ordinate axis title";
}

TEST_F(GraphCliTest, EveryViewIsWrittenAsAPngOfTheAskedSize) {
  struct TCase {
    const char *View, *Quantity, *Output;
  } cases[] = {{"time", "vy", "vy.png"}, {"trajectory", "", "path.png"}, {"vectors", "a", "acc.png"}};
  for (const TCase &c : cases) {
    QStringList arguments{File("throw.klb"), File(c.Output), QStringLiteral("--view"), QLatin1String(c.View),
                          QStringLiteral("--size"), QStringLiteral("640x480")};
    if (*c.Quantity != 0) arguments << QStringLiteral("--quantity") << QLatin1String(c.Quantity);
    const TRun run = Run(arguments);
    ASSERT_EQ(run.Status, 0) << c.View << ": " << run.Err.toStdString();
    const QImage picture(File(c.Output));
    ASSERT_FALSE(picture.isNull()) << c.View;
    EXPECT_EQ(picture.size(), QSize(640, 480)) << c.View;
    // Something was drawn besides the background: the points of the 48 frames at least.
    QSet<QRgb> colours;
    for (int y = 0; y < picture.height(); y += 3)
      for (int x = 0; x < picture.width(); x += 3) colours.insert(picture.pixel(x, y));
    EXPECT_GT(colours.size(), 3) << c.View;
  }
}

TEST_F(GraphCliTest, BadInputExitsWithAReasonAndWritesNothing) {
  struct TCase {
    QStringList Arguments;
    const char *Reason;
  } cases[] = {
      {{File("missing.klb"), File("out.svg")}, "missing.klb"},
      {{File("throw.klb"), File("out.jpg")}, ".svg or a .png"},
      {{File("throw.klb"), File("out.svg"), "--view", "pie"}, "Unknown view"},
      {{File("throw.klb"), File("out.svg"), "--size", "10x10"}, "WxH"},
      {{File("throw.klb"), File("out.svg"), "--size", "wide"}, "WxH"},
      {{File("throw.klb"), File("out.svg"), "--model", "cubic"}, "Unknown model"},
      {{File("throw.klb"), File("out.svg"), "--view", "vectors", "--model", "parabola"}, "time and formulas"},
      {{File("throw.klb"), File("out.svg"), "--view", "trajectory", "--quantity", "x"}, "no --quantity"},
      {{File("throw.klb"), File("out.svg"), "--quantity", "speed"}, "No quantity \"speed\""},
      {{File("throw.klb"), File("out.svg"), "--view", "vectors", "--quantity", "x"}, "velocity"},
      {{File("throw.klb"), File("out.svg"), "--view", "formulas"}, "no formula"},
      {{File("throw.klb")}, "Usage"},
      {{File("throw.klb"), File("nowhere/out.svg")}, "out.svg"},
  };
  for (const TCase &c : cases) {
    const TRun run = Run(c.Arguments);
    const std::string line = c.Arguments.join(QLatin1Char(' ')).toStdString();
    EXPECT_EQ(run.Status, 1) << line;
    EXPECT_TRUE(run.Err.contains(QLatin1String(c.Reason))) << line << "\n" << run.Err.toStdString();
    EXPECT_FALSE(QFile::exists(File("out.svg"))) << line;
  }
}

// A file that is no work file replaces nothing: the older picture stays as it was.
TEST_F(GraphCliTest, AFailedRunLeavesAnOlderPictureWhole) {
  ASSERT_EQ(Run({File("throw.klb"), File("y.svg")}).Status, 0);
  const QString before = Read(File("y.svg"));
  ASSERT_FALSE(before.isEmpty());
  QFile broken(File("broken.klb"));
  ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
  broken.write("not a work file\n");
  broken.close();
  EXPECT_EQ(Run({File("broken.klb"), File("y.svg")}).Status, 1);
  EXPECT_EQ(Read(File("y.svg")), before);
}

}  // namespace kolibra::work::graph_cli_test
