// The reader contract shared by every framework: nearest-pixel stretching of a source
// rectangle, plain and inverted copies, the busy guard, and the timer delay of a rate.

#include "VideoTestSupport.h"
#include "video/VideoPlay.h"

#include <gtest/gtest.h>

namespace kolibra::video {
namespace {

using testing::TStubPlay;

// Pixel (x, y) is (10 x + 1, 10 y + 2, 7).
QImage MakeGradient(int Width, int Height) {
  QImage frame(Width, Height, QImage::Format_RGB888);
  for (int y = 0; y < Height; ++y) {
    for (int x = 0; x < Width; ++x) frame.setPixel(x, y, qRgb(10 * x + 1, 10 * y + 2, 7));
  }
  return frame;
}

struct TStretchCase {
  const char *Name;
  QRect Source;
  QSize Destination;
  uint32_t Mode;
  QPoint At;
  QRgb Expected;
};

TEST(StretchFrameTest, PicksTheSourcePixelUnderEachDestinationPixel) {
  const TStretchCase cases[] = {
      {"identity", QRect(0, 0, 4, 2), QSize(4, 2), SrcCopy, QPoint(3, 1), qRgb(31, 12, 7)},
      {"double size, first", QRect(0, 0, 4, 2), QSize(8, 4), SrcCopy, QPoint(1, 1), qRgb(1, 2, 7)},
      {"double size, middle", QRect(0, 0, 4, 2), QSize(8, 4), SrcCopy, QPoint(2, 3), qRgb(11, 12, 7)},
      {"double size, last", QRect(0, 0, 4, 2), QSize(8, 4), SrcCopy, QPoint(7, 3), qRgb(31, 12, 7)},
      {"half width takes centres", QRect(0, 0, 4, 2), QSize(2, 2), SrcCopy, QPoint(0, 0), qRgb(11, 2, 7)},
      {"half width, second", QRect(0, 0, 4, 2), QSize(2, 2), SrcCopy, QPoint(1, 0), qRgb(31, 2, 7)},
      {"zoomed corner", QRect(2, 1, 2, 1), QSize(4, 2), SrcCopy, QPoint(0, 0), qRgb(21, 12, 7)},
      {"zoomed corner, far", QRect(2, 1, 2, 1), QSize(4, 2), SrcCopy, QPoint(3, 1), qRgb(31, 12, 7)},
      {"outside the frame is black", QRect(-2, 0, 4, 2), QSize(4, 2), SrcCopy, QPoint(0, 0), qRgb(0, 0, 0)},
      {"shifted source", QRect(-2, 0, 4, 2), QSize(4, 2), SrcCopy, QPoint(2, 0), qRgb(1, 2, 7)},
      {"inverted", QRect(0, 0, 4, 2), QSize(4, 2), NotSrcCopy, QPoint(3, 1), qRgb(224, 243, 248)},
      {"inverted outside is white", QRect(0, 0, 8, 2), QSize(8, 2), NotSrcCopy, QPoint(6, 0), qRgb(255, 255, 255)},
  };
  const QImage frame = MakeGradient(4, 2);
  for (const TStretchCase &c : cases) {
    QImage destination(c.Destination, QImage::Format_RGB888);
    destination.fill(Qt::blue);
    ASSERT_TRUE(StretchFrame(frame, c.Source, destination, c.Mode)) << c.Name;
    EXPECT_EQ(destination.pixel(c.At), c.Expected) << c.Name;
  }
}

TEST(StretchFrameTest, FillsThirtyTwoBitPicturesToo) {
  QImage destination(8, 4, QImage::Format_RGB32);
  ASSERT_TRUE(StretchFrame(MakeGradient(4, 2), QRect(0, 0, 4, 2), destination, SrcCopy));
  EXPECT_EQ(destination.pixel(7, 3), qRgb(31, 12, 7));
  EXPECT_EQ(destination.format(), QImage::Format_RGB32);
}

TEST(StretchFrameTest, RefusesAnEmptySourceAndLeavesThePictureAlone) {
  QImage destination(4, 2, QImage::Format_RGB888);
  destination.fill(Qt::blue);
  EXPECT_FALSE(StretchFrame(MakeGradient(4, 2), QRect(0, 0, 0, 2), destination, SrcCopy));
  EXPECT_EQ(destination.pixel(0, 0), qRgb(0, 0, 255));
  QImage null;
  EXPECT_FALSE(StretchFrame(MakeGradient(4, 2), QRect(0, 0, 4, 2), null, SrcCopy));
}

TEST(VideoPlayTest, DrawIsRefusedWhenClosedAndLeavesThePictureAlone) {
  TStubPlay reader(fwVfw, {QStringLiteral("a.avi")});
  QImage destination(4, 2, QImage::Format_RGB888);
  destination.fill(Qt::blue);
  EXPECT_FALSE(reader.Draw(destination, QRect(0, 0, 4, 2)));
  EXPECT_EQ(destination.pixel(0, 0), qRgb(0, 0, 255));
}

TEST(VideoPlayTest, ASecondDrawDuringADrawReturnsFalseAtOnce) {
  TStubPlay reader(fwVfw, {QStringLiteral("a.avi")});
  reader.SetFileName(QStringLiteral("a.avi"));
  ASSERT_TRUE(reader.Opened());
  QImage inner(4, 2, QImage::Format_RGB888);
  bool innerResult = true;
  bool busyDuringDraw = false;
  reader.DuringFetch = [&] {
    busyDuringDraw = reader.Drawing();
    innerResult = reader.Draw(inner, QRect(0, 0, 4, 2));
  };
  QImage outer(4, 2, QImage::Format_RGB888);
  EXPECT_TRUE(reader.Draw(outer, QRect(0, 0, 4, 2)));
  EXPECT_TRUE(busyDuringDraw);
  EXPECT_FALSE(innerResult);
  EXPECT_FALSE(reader.Drawing());
}

TEST(VideoPlayTest, DrawModeInvertsTheCopy) {
  TStubPlay reader(fwVfw, {QStringLiteral("a.avi")});
  reader.Frame = MakeGradient(4, 2);
  reader.SetFileName(QStringLiteral("a.avi"));
  QImage destination(4, 2, QImage::Format_RGB888);
  reader.DrawMode = NotSrcCopy;
  ASSERT_TRUE(reader.Draw(destination, QRect(0, 0, 4, 2)));
  EXPECT_EQ(destination.pixel(1, 0), qRgb(244, 253, 248));
}

TEST(VideoPlayTest, TimerDelayIsTheIntervalInMillisecondsRounded) {
  const struct {
    double Rate;
    int Delay;
  } cases[] = {{25.0, 40}, {30000.0 / 1001.0, 33}, {24.0, 42}, {3.0, 333}, {1000.0 / 65535.0, 65535}};
  for (const auto &c : cases) {
    TStubPlay reader(fwVfw, {});
    ASSERT_TRUE(reader.ApplyRate(c.Rate)) << c.Rate;
    EXPECT_EQ(reader.TimerDelay(), c.Delay) << c.Rate;
    EXPECT_DOUBLE_EQ(reader.FrameInterval(), 1.0 / c.Rate);
    EXPECT_DOUBLE_EQ(reader.FrameRate(), c.Rate);
  }
}

// Once a range error stopped the open; now the file is refused with a reason.
TEST(VideoPlayTest, AnIntervalBeyondTheTimerIsRefusedWithAReason) {
  for (double rate : {1000.0 / 65536.0, 0.01, 1e-9}) {
    TStubPlay reader(fwVfw, {});
    EXPECT_FALSE(reader.ApplyRate(rate)) << rate;
    EXPECT_TRUE(reader.ErrorText().contains(QStringLiteral("too low"))) << reader.ErrorText().toStdString();
    EXPECT_EQ(reader.ErrorKind(), ofFile);
  }
  TStubPlay reader(fwVfw, {});
  EXPECT_FALSE(reader.ApplyRate(0.0));
  EXPECT_FALSE(reader.ErrorText().isEmpty());
}

TEST(VideoPlayTest, FrameworksHaveTheirUserNames) {
  EXPECT_EQ(FrameworkName(fwVfw), QStringLiteral("Video for Windows"));
  EXPECT_EQ(FrameworkName(fwDS), QStringLiteral("DirectShow"));
  EXPECT_EQ(FrameworkName(fwFFMpeg), QStringLiteral("FFMpeg"));
  EXPECT_EQ(static_cast<int>(fwVfw), 0);
  EXPECT_EQ(static_cast<int>(fwDS), 1);
  EXPECT_EQ(static_cast<int>(fwFFMpeg), 2);
}

}  // namespace
}  // namespace kolibra::video
