// The document driven as the video view drives it, through the view double only: a scale
// is calibrated, the axes placed and turned, two objects pointed over four frames, marks
// moved and erased, an erase undone, and the series read back in physical units.

#include "measurement/GraphUtils.h"
#include "measurement/support/DocumentFixture.h"

#include <QImage>
#include <QPainter>
#include <cmath>
#include <numbers>

namespace kolibra::measurement::drive_test {

using testing::DocumentFixture;

class DriveTest : public DocumentFixture {
 protected:
  // Pixel of object 0 and object 1 on the k-th pointed frame.
  static TPoint First(int k) { return TPoint(200 + 40 * k, 300 - 20 * k); }
  static TPoint Second(int k) { return TPoint(400, 100 + 30 * k); }
  static TPointD Frame(TPoint pixel) { return TPointD(pixel.X / 640.0, pixel.Y / 480.0); }
  // Physical coordinates of a frame position with the origin at (0.25, 0.75), axes turned
  // by a quarter of pi, 2 units per frame width and 1.5 per frame height.
  static TPointD Expected(TPoint pixel) {
    const TPointD p = Frame(pixel);
    const double u = (p.X - 0.25) * 2.0;
    const double v = (0.75 - p.Y) * 1.5;
    const double c = std::cos(std::numbers::pi / 4);
    const double s = std::sin(std::numbers::pi / 4);
    return TPointD(u * c + v * s, -u * s + v * c);
  }
  TPointD Physical(const TMarkSeries &series, int object, int sample) const {
    TPointD physical(-1, -1);
    RelativeToPhysical(data.Axes(), data.ScaleFactors(),
                       TPointD(series.X[size_t(object)][size_t(sample)], -series.Y[size_t(object)][size_t(sample)]),
                       physical);
    return physical;
  }
};

TEST_F(DriveTest, CalibratePointEditUndoAndReadTheSeries) {
  CreateGraphUtils();
  data.SetFrameInterval(0.04);

  // Scale: a 320-pixel segment across the middle, one unit long.
  data.SetActiveTool(dtScale);
  Click(TPoint(160, 240));
  data.MouseMove(Qt::NoModifier, TPoint(400, 240));
  Click(TPoint(480, 240));
  data.SetScaleLength(1.0);
  ASSERT_TRUE(data.IsScaleReady());
  EXPECT_DOUBLE_EQ(data.ScaleFactors().X, 2.0);
  EXPECT_DOUBLE_EQ(data.ScaleFactors().Y, 1.5);

  // Axes: the origin at a quarter of the width and three quarters of the height, then the
  // x axis dragged a quarter turn up to 45 degrees.
  data.SetActiveTool(dtAxes);
  Click(TPoint(160, 360));
  Drag(TPoint(400, 360), TPoint(260, 260));
  EXPECT_NEAR(data.XAxisAngle(), std::numbers::pi / 4, 1e-12);
  EXPECT_EQ(data.UndoCaption(), QStringLiteral("Cancel Rotate Grid"));

  // Two objects over frames 10 to 13.
  data.SetActiveTool(dtPointing);
  data.SetObjectsCount(2);
  for (int k = 0; k < 4; ++k) {
    ASSERT_EQ(view.CurrentFrame, 10 + k);
    Click(First(k));
    Click(Second(k));
  }
  EXPECT_EQ(view.CurrentFrame, 14);
  EXPECT_EQ(data.MarksCount(), 8);

  // Object 1 on frame 11 is moved; object 0 on frame 12 erased, then brought back; object 1
  // on frame 13 erased for good.
  data.SetActiveTool(dtMove);
  Drag(Second(1), TPoint(420, 140));
  data.SetActiveTool(dtErase);
  Click(First(2));
  EXPECT_EQ(data.MarksCount(), 7);
  EXPECT_EQ(data.UndoCaption(), QStringLiteral("Cancel Delete Mark"));
  EXPECT_TRUE(Key(Qt::Key_A, Qt::ControlModifier));
  EXPECT_EQ(data.MarksCount(), 8);
  Click(Second(3));
  EXPECT_EQ(data.MarksCount(), 7);

  const TMarkSeries series = data.ExtractSeries();
  ASSERT_EQ(series.Times.size(), 4u);
  for (int k = 0; k < 4; ++k) EXPECT_NEAR(series.Times[size_t(k)], 0.04 * k, 1e-12);
  EXPECT_EQ(series.FrameIndex[0], (TIntegerDynArray{0, 1, 2, 3}));
  EXPECT_EQ(series.FrameIndex[1], (TIntegerDynArray{0, 1, 2, -1}));
  for (int k = 0; k < 4; ++k) {
    const TPointD got = Physical(series, 0, k);
    const TPointD want = Expected(First(k));
    EXPECT_NEAR(got.X, want.X, 1e-12) << k;
    EXPECT_NEAR(got.Y, want.Y, 1e-12) << k;
  }
  const TPointD moved = Physical(series, 1, 1);
  EXPECT_NEAR(moved.X, Expected(TPoint(420, 140)).X, 1e-12);
  EXPECT_NEAR(moved.Y, Expected(TPoint(420, 140)).Y, 1e-12);
  EXPECT_NEAR(Physical(series, 0, 0).X, 0.3125 * std::sqrt(0.5), 1e-12);
  EXPECT_NEAR(Physical(series, 0, 0).Y, 0.0625 * std::sqrt(0.5), 1e-12);
  EXPECT_DOUBLE_EQ(series.X[1][3], 0.0);

  // What the view paints: the axes in the element colour and each mark in its object's.
  QImage image(640, 480, QImage::Format_RGB32);
  image.fill(Qt::black);
  QPainter painter(&image);
  data.Paint(&painter);
  painter.end();
  EXPECT_EQ(image.pixel(First(0).X, First(0).Y), data.ObjectColor(0).ToQColor().rgb());
  EXPECT_EQ(image.pixel(420, 140), data.ObjectColor(1).ToQColor().rgb());
  EXPECT_NE(image.pixel(Second(3).X, Second(3).Y), data.ObjectColor(1).ToQColor().rgb());
  EXPECT_EQ(image.pixel(300, 220), qRgb(255, 255, 0));  // on the x axis, 45 degrees up from the origin
}

}  // namespace kolibra::measurement::drive_test
