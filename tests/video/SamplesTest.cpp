// The sample videos: embedded as resources, read frame-exact, and showing their tracked
// point where their table of true positions says.

#include "VideoTestSupport.h"
#include "video/FFMpegPlay.h"

#include <QDir>
#include <QFile>
#include <QTextStream>
#include <gtest/gtest.h>

namespace kolibra::video {
namespace {

QString SampleFile(const QString &Name) { return QDir(QStringLiteral(KOLIBRA_TEST_SAMPLES)).filePath(Name); }

// The true position of the tracked point in frame pixels, frame by frame.
QList<QPointF> TruePixels(const QString &Name) {
  QFile file(SampleFile(Name + QStringLiteral(".csv")));
  QList<QPointF> pixels;
  if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return pixels;
  QTextStream in(&file);
  in.readLine();
  while (!in.atEnd()) {
    const QStringList cells = in.readLine().split(QLatin1Char(','));
    if (cells.size() == 6) pixels << QPointF(cells[4].toDouble(), cells[5].toDouble());
  }
  return pixels;
}

// The centre of the red pixels of a frame: the ball, or the mark on the rim.
QPointF RedCentre(const QImage &Frame) {
  double sx = 0, sy = 0, n = 0;
  for (int y = 0; y < Frame.height(); ++y) {
    for (int x = 0; x < Frame.width(); ++x) {
      const QRgb p = Frame.pixel(x, y);
      if (qRed(p) > 160 && qGreen(p) < 110 && qBlue(p) < 110) {
        sx += x + 0.5;
        sy += y + 0.5;
        n += 1;
      }
    }
  }
  return n > 0 ? QPointF(sx / n, sy / n) : QPointF(-1, -1);
}

TEST(SamplesTest, BothVideosAreEmbeddedAsAviResources) {
  for (const char *name : {"Cylindre", "Parabole"}) {
    QFile resource(QStringLiteral(":/samples/%1").arg(QString::fromUtf8(name)));
    ASSERT_TRUE(resource.open(QIODevice::ReadOnly)) << name;
    const QByteArray bytes = resource.readAll();
    EXPECT_TRUE(bytes.startsWith("RIFF")) << name;
    EXPECT_EQ(bytes.mid(8, 4), QByteArray("AVI ")) << name;
    EXPECT_GT(bytes.size(), 100 * 1024) << name;
    EXPECT_LT(bytes.size(), 5 * 1024 * 1024) << name;
  }
}

TEST(SamplesTest, TheTrackedPointIsWhereTheEquationsPutIt) {
  const struct {
    const char *Name;
    int Frames;
    double Rate;
    int Width;
    int Height;
  } cases[] = {{"Cylindre", 50, 25.0, 480, 240}, {"Parabole", 48, 50.0, 480, 360}};
  for (const auto &c : cases) {
    const QString name = QString::fromUtf8(c.Name);
    const QList<QPointF> truth = TruePixels(name);
    ASSERT_EQ(truth.size(), c.Frames) << c.Name;
    TFFMpegPlay reader(testing::RealKlbDll());
    ASSERT_TRUE(reader.OpenFile(SampleFile(name + QStringLiteral(".avi")))) << reader.ErrorText().toStdString();
    EXPECT_EQ(reader.FrameCount(), c.Frames);
    EXPECT_DOUBLE_EQ(reader.FrameRate(), c.Rate);
    EXPECT_FALSE(reader.VariableRate());
    ASSERT_EQ(reader.FrameWidth(), c.Width);
    ASSERT_EQ(reader.FrameHeight(), c.Height);
    QImage frame(c.Width, c.Height, QImage::Format_RGB888);
    for (int i = 0; i < c.Frames; i += 7) {
      reader.SetPosition(i);
      ASSERT_TRUE(reader.Draw(frame, QRect(0, 0, c.Width, c.Height)));
      const QPointF seen = RedCentre(frame);
      EXPECT_NEAR(seen.x(), truth[i].x(), 1.0) << c.Name << " frame " << i;
      EXPECT_NEAR(seen.y(), truth[i].y(), 1.0) << c.Name << " frame " << i;
    }
  }
}

}  // namespace
}  // namespace kolibra::video
