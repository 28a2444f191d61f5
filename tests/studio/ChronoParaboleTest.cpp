// The chronophotograph of the sample "Parabole" against the equations that drew it: one ball
// per chosen frame at its true place, on white or exactly on frame 0; and kolibra-cli chrono.

#include "studio/Chronophotograph.h"

#include "video/VideoSources.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>
#include <gtest/gtest.h>

#include <cmath>
#include <queue>

namespace kolibra::studio {
namespace {

QString Sample(const char *name) { return QDir(QStringLiteral(KOLIBRA_TEST_SAMPLES)).filePath(QLatin1String(name)); }

// The true centre of the ball in frame pixels, frame by frame, as the generator wrote it.
std::vector<QPointF> TrueCentres() {
  std::vector<QPointF> centres;
  QFile file(Sample("Parabole.csv"));
  if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return centres;
  QTextStream in(&file);
  in.readLine();
  while (!in.atEnd()) {
    const QStringList cells = in.readLine().split(QLatin1Char(','));
    if (cells.size() == 6) centres.emplace_back(cells[4].toDouble(), cells[5].toDouble());
  }
  return centres;
}

bool IsBall(QRgb p) { return qRed(p) > 160 && qGreen(p) < 110 && qBlue(p) < 110; }

// The centroids of the 4-connected groups of ball-red pixels, largest groups only (a stray
// JPEG pixel is not a ball).
std::vector<QPointF> BallCentroids(const QImage &picture) {
  std::vector<QPointF> found;
  std::vector<char> seen(size_t(picture.width() * picture.height()), 0);
  for (int y0 = 0; y0 < picture.height(); ++y0) {
    for (int x0 = 0; x0 < picture.width(); ++x0) {
      if (seen[size_t(y0 * picture.width() + x0)] || !IsBall(picture.pixel(x0, y0))) continue;
      double sx = 0, sy = 0;
      int n = 0;
      std::queue<QPoint> todo;
      todo.push(QPoint(x0, y0));
      seen[size_t(y0 * picture.width() + x0)] = 1;
      while (!todo.empty()) {
        const QPoint p = todo.front();
        todo.pop();
        sx += p.x() + 0.5;
        sy += p.y() + 0.5;
        ++n;
        for (const QPoint d : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
          const QPoint q = p + d;
          if (q.x() < 0 || q.y() < 0 || q.x() >= picture.width() || q.y() >= picture.height()) continue;
          char &mark = seen[size_t(q.y() * picture.width() + q.x())];
          if (mark || !IsBall(picture.pixel(q.x(), q.y()))) continue;
          mark = 1;
          todo.push(q);
        }
      }
      if (n >= 100) found.emplace_back(sx / n, sy / n);
    }
  }
  return found;
}

QImage FrameOf(video::TVideoPlay &reader, int index) {
  reader.SetPosition(index);
  QImage frame(reader.FrameWidth(), reader.FrameHeight(), QImage::Format_RGB888);
  reader.DrawMode = video::SrcCopy;
  EXPECT_TRUE(reader.Draw(frame, QRect(0, 0, frame.width(), frame.height())));
  return frame;
}

class ChronoParaboleTest : public ::testing::Test {
 protected:
  ChronoParaboleTest() {
    truth = TrueCentres();
    for (int frame = 0; frame < 48; frame += 6) {
      const QPointF c = truth.size() > size_t(frame) ? truth[size_t(frame)] : QPointF();
      circles.push_back({frame, c.x(), c.y(), Radius});
    }
  }
  int Make(const QString &out, bool background) {
    QString text, errors;
    QTextStream outText(&text), err(&errors);
    const int status = MakeChronoCommand(QStringLiteral(KOLIBRA_TEST_KLBDLL_DIR), Sample("Parabole.avi"), out,
                                         circles, background, outText, err);
    EXPECT_TRUE(errors.isEmpty()) << errors.toStdString();
    printed = text;
    return status;
  }
  // Farther than the disc from every chosen centre.
  bool OutsideEveryDisc(int x, int y) const {
    for (const TChronoCircle &c : circles)
      if (std::hypot(x - c.X, y - c.Y) <= Radius + 2) return false;
    return true;
  }

  static constexpr double Radius = 14.0;  // the ball's is 9
  std::vector<QPointF> truth;
  std::vector<TChronoCircle> circles;
  QString printed;
  QTemporaryDir dir;
};

TEST_F(ChronoParaboleTest, OneBallPerChosenFrameAtItsTruePlace) {
  ASSERT_EQ(truth.size(), 48u);
  for (bool background : {false, true}) {
    const QString out = dir.filePath(background ? QStringLiteral("on-frame.png") : QStringLiteral("on-white.bmp"));
    ASSERT_EQ(Make(out, background), 0);
    const QImage picture = QImage(out).convertToFormat(QImage::Format_RGB888);
    ASSERT_EQ(picture.size(), QSize(480, 360));
    std::vector<QPointF> balls = BallCentroids(picture);
    ASSERT_EQ(balls.size(), circles.size()) << "background " << background;
    // Each chosen frame's ball, once, within a pixel of where the equations put it.
    for (const TChronoCircle &c : circles) {
      const auto near = std::count_if(balls.begin(), balls.end(), [&c](const QPointF &b) {
        return std::abs(b.x() - c.X) <= 1.0 && std::abs(b.y() - c.Y) <= 1.0;
      });
      EXPECT_EQ(near, 1) << "frame " << c.Frame << " background " << background;
    }
    EXPECT_TRUE(printed.contains(background ? QStringLiteral("background: 0\n") : QStringLiteral("background: white\n")))
        << printed.toStdString();
    EXPECT_TRUE(printed.startsWith(QStringLiteral("outlines: 8\n")));
  }
}

TEST_F(ChronoParaboleTest, TheBackgroundIsExactlyFrameZeroAndTheDiscsTheirFrames) {
  const QString out = dir.filePath(QStringLiteral("exact.png"));
  ASSERT_EQ(Make(out, true), 0);
  const QImage picture = QImage(out).convertToFormat(QImage::Format_RGB888);
  video::TVideoSources sources(QStringLiteral(KOLIBRA_TEST_KLBDLL_DIR));
  ASSERT_TRUE(sources.Open(Sample("Parabole.avi")));
  const QImage frame0 = FrameOf(*sources.Active(), 0);
  int compared = 0;
  for (int y = 0; y < picture.height(); ++y)
    for (int x = 0; x < picture.width(); ++x)
      if (OutsideEveryDisc(x, y)) {
        ASSERT_EQ(picture.pixel(x, y), frame0.pixel(x, y)) << x << "," << y;
        ++compared;
      }
  EXPECT_GT(compared, 480 * 360 * 8 / 10);
  // The centre of each disc holds its own frame's pixels.
  for (const TChronoCircle &c : circles) {
    const QImage frame = FrameOf(*sources.Active(), c.Frame);
    for (int dy = -8; dy <= 8; dy += 4)
      for (int dx = -8; dx <= 8; dx += 4) {
        const int x = int(std::lround(c.X)) + dx, y = int(std::lround(c.Y)) + dy;
        EXPECT_EQ(picture.pixel(x, y), frame.pixel(x, y)) << "frame " << c.Frame;
      }
  }
}

TEST(ChronoCliTest, ArgumentsAndRefusals) {
  QTemporaryDir dir;
  const QString video = Sample("Parabole.avi");
  const QString taken = dir.filePath(QStringLiteral("taken.png"));
  QFile(taken).open(QIODevice::WriteOnly);
  const struct {
    QStringList Arguments;
    int Status;
    const char *Says;
  } cases[] = {
      {{video, dir.filePath(QStringLiteral("a.png")), QStringLiteral("--circle"), QStringLiteral("3:100,200,15")},
       0,
       "outlines: 1"},
      {{video, dir.filePath(QStringLiteral("b.jpg")), QStringLiteral("--circle"), QStringLiteral("3:100,200,15")},
       1,
       ".png or a .bmp"},
      {{video, taken, QStringLiteral("--circle"), QStringLiteral("3:100,200,15")}, 1, "already exists"},
      {{video, dir.filePath(QStringLiteral("c.png")), QStringLiteral("--circle"), QStringLiteral("3:100;200,15")},
       1,
       "FRAME:X,Y,RADIUS"},
      {{video, dir.filePath(QStringLiteral("d.png")), QStringLiteral("--circle"), QStringLiteral("99:100,200,15")},
       1,
       "Frame 99 is not in the video (0 to 47)."},
      {{video, dir.filePath(QStringLiteral("e.png")), QStringLiteral("--circle"), QStringLiteral("3:100,200,15"),
        QStringLiteral("--circle"), QStringLiteral("3:150,200,15")},
       1,
       "two circles"},
      {{video, dir.filePath(QStringLiteral("f.png")), QStringLiteral("--circle"), QStringLiteral("3:-900,-900,15")},
       1,
       "encloses nothing"},
      {{video, dir.filePath(QStringLiteral("g.png"))}, 1, "at least one circle"},
      {{video}, 1, "Usage: kolibra-cli chrono"},
  };
  for (const auto &c : cases) {
    QProcess cli;
    cli.start(QStringLiteral(KOLIBRA_TEST_CLI), QStringList{QStringLiteral("chrono")} + c.Arguments);
    ASSERT_TRUE(cli.waitForFinished(30000));
    const QString said = QString::fromUtf8(cli.readAllStandardOutput() + cli.readAllStandardError());
    EXPECT_EQ(cli.exitCode(), c.Status) << said.toStdString();
    EXPECT_TRUE(said.contains(QLatin1String(c.Says))) << said.toStdString();
  }
  EXPECT_EQ(QFile(taken).size(), 0) << "an existing file is never replaced";
}

}  // namespace
}  // namespace kolibra::studio
