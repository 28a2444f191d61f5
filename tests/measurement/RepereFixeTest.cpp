// The fixed axes: angle rules, axis lines, the axes tool through the doubles, storage and
// drawing.

#include "kit/IniFile.h"
#include "kit/Locale.h"
#include "kit/MathUtils.h"
#include "measurement/RepereFixe.h"
#include "measurement/support/FakeMeasurementHost.h"
#include "measurement/support/FakeViewPort.h"

#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace kolibra::measurement::repere_fixe_test {

using testing::FakeMeasurementHost;
using testing::FakeViewPort;

constexpr double kPi = std::numbers::pi;
const QRgb kYellow = qRgb(255, 255, 0);
const QRgb kBlack = qRgb(0, 0, 0);

class RepereFixeTest : public ::testing::Test {
 protected:
  // Axes placed at (0.25, 0.75), which is pixel (160, 360) of the 640 x 480 view.
  void Place() {
    axes.MouseDown(Qt::LeftButton, Qt::NoModifier, TPoint(160, 360));
    axes.MouseUp(Qt::LeftButton, Qt::NoModifier, TPoint(160, 360));
    host.Records.clear();
    host.AxesChangedCount = 0;
    host.InvalidateActiveCount = 0;
  }
  QImage Paint(Qt::GlobalColor background = Qt::black) const {
    QImage image(640, 480, QImage::Format_RGB32);
    image.fill(background);
    QPainter painter(&image);
    axes.Draw(&painter);
    painter.end();
    return image;
  }
  static int CountYellow(const QImage &image, int left, int top, int right, int bottom) {
    int count = 0;
    for (int y = std::max(top, 0); y <= std::min(bottom, image.height() - 1); ++y)
      for (int x = std::max(left, 0); x <= std::min(right, image.width() - 1); ++x)
        if (image.pixel(x, y) == kYellow) ++count;
    return count;
  }

  FakeMeasurementHost host;
  FakeViewPort view;
  TRepereFixe axes{host, view};
};

TEST_F(RepereFixeTest, AngleRules) {
  axes.SetXAxisAngle(3 * kPi / 2);
  EXPECT_NEAR(axes.XAxisAngle, -kPi / 2, 1e-12);
  EXPECT_NEAR(axes.YAxisAngle, 0.0, 1e-12);
  EXPECT_EQ(host.AxesChangedCount, 1);
  EXPECT_EQ(host.InvalidateActiveCount, 1);

  axes.SetXAxisAngle(-kPi / 2);  // no change: nothing happens
  EXPECT_EQ(host.AxesChangedCount, 1);

  axes.SetYAxisAngle(kPi);
  EXPECT_NEAR(axes.YAxisAngle, kPi, 1e-12);
  EXPECT_NEAR(axes.XAxisAngle, kPi / 2, 1e-12);
  EXPECT_EQ(host.AxesChangedCount, 2);
  EXPECT_TRUE(host.Records.empty());
}

TEST_F(RepereFixeTest, ATypedAngleIsRecordedFirst) {
  axes.SetTypedXAxisAngle(0.5);
  ASSERT_EQ(host.ActionKinds(), std::vector<int>{12});
  EXPECT_DOUBLE_EQ(static_cast<TRepereFixe &>(*host.Records[0].Copy).XAxisAngle, 0.0);
  EXPECT_DOUBLE_EQ(axes.XAxisAngle, 0.5);
}

struct AxisLineRow {
  double Angle;
  TPoint XStart, XEnd, YStart, YEnd;
};

TEST_F(RepereFixeTest, AxisLinesRunFromBorderToBorder) {
  const AxisLineRow rows[] = {
      {0.0, {0, 360}, {640, 360}, {160, 480}, {160, 0}},
      {0.0005, {0, 360}, {640, 360}, {160, 480}, {160, 0}},
      {kPi / 2, {160, 480}, {160, 0}, {640, 360}, {0, 360}},
      {kPi, {640, 360}, {0, 360}, {160, 0}, {160, 480}},
      {-kPi / 2, {160, 0}, {160, 480}, {0, 360}, {640, 360}},
      // 45 degrees: ahead the x axis leaves by the top at x = 520, behind by the bottom.
      {kPi / 4, {40, 480}, {520, 0}, {280, 480}, {0, 200}},
  };
  Place();
  for (const AxisLineRow &row : rows) {
    axes.XAxisAngle = row.Angle;
    axes.YAxisAngle = NormalizeAngle(kPi / 2, row.Angle);
    axes.ComputeAxisLines();
    const auto near = [](TPoint a, TPoint b) { return std::abs(a.X - b.X) <= 1 && std::abs(a.Y - b.Y) <= 1; };
    EXPECT_TRUE(near(axes.XAxisStart(), row.XStart)) << row.Angle << ": " << axes.XAxisStart().X << "," << axes.XAxisStart().Y;
    EXPECT_TRUE(near(axes.XAxisEnd(), row.XEnd)) << row.Angle << ": " << axes.XAxisEnd().X << "," << axes.XAxisEnd().Y;
    EXPECT_TRUE(near(axes.YAxisStart(), row.YStart)) << row.Angle << ": " << axes.YAxisStart().X << "," << axes.YAxisStart().Y;
    EXPECT_TRUE(near(axes.YAxisEnd(), row.YEnd)) << row.Angle << ": " << axes.YAxisEnd().X << "," << axes.YAxisEnd().Y;
  }
}

TEST_F(RepereFixeTest, PlacingTheOrigin) {
  axes.MouseDown(Qt::LeftButton, Qt::NoModifier, TPoint(160, 360));
  ASSERT_EQ(host.ActionKinds(), std::vector<int>{1});
  EXPECT_EQ(host.Records[0].ObjectKind, okRepereFixe);
  EXPECT_EQ(static_cast<TRepereFixe &>(*host.Records[0].Copy).OriginePointsNumber, 0);
  EXPECT_TRUE(axes.IsPlaced());
  EXPECT_DOUBLE_EQ(axes.OrigineCurrent.X, 0.25);
  EXPECT_DOUBLE_EQ(axes.OrigineCurrent.Y, 0.75);
  EXPECT_EQ(axes.OriginPixel(), TPoint(160, 360));
  EXPECT_EQ(host.AxesChangedCount, 1);
  EXPECT_EQ(host.InvalidateActiveCount, 1);
  EXPECT_GE(view.PaintRequests(), 1);
  EXPECT_EQ(axes.DragState, 0);
}

TEST_F(RepereFixeTest, DraggingTheOrigin) {
  Place();
  axes.MouseDown(Qt::LeftButton, Qt::NoModifier, TPoint(162, 358));
  EXPECT_EQ(host.ActionKinds(), std::vector<int>{8});
  EXPECT_EQ(axes.DragState, 1);
  axes.MouseMove(Qt::NoModifier, TPoint(202, 338));
  axes.MouseMove(Qt::NoModifier, TPoint(242, 298));
  EXPECT_EQ(axes.OriginPixel(), TPoint(240, 300));
  EXPECT_DOUBLE_EQ(axes.OrigineCurrent.X, 240.0 / 640.0);
  EXPECT_DOUBLE_EQ(axes.OrigineCurrent.Y, 300.0 / 480.0);
  EXPECT_GE(host.InvalidateActiveCount, 1);
  axes.MouseUp(Qt::LeftButton, Qt::NoModifier, TPoint(242, 298));
  EXPECT_EQ(axes.DragState, 0);
  EXPECT_EQ(host.ActionKinds(), std::vector<int>{8});
}

TEST_F(RepereFixeTest, RotatingByEitherAxis) {
  Place();
  axes.MouseDown(Qt::LeftButton, Qt::NoModifier, TPoint(400, 361));
  EXPECT_EQ(axes.DragState, 2);
  axes.MouseMove(Qt::NoModifier, TPoint(260, 260));
  EXPECT_NEAR(axes.XAxisAngle, kPi / 4, 1e-12);
  EXPECT_NEAR(axes.YAxisAngle, 3 * kPi / 4, 1e-12);
  axes.MouseUp(Qt::LeftButton, Qt::NoModifier, TPoint(260, 260));
  EXPECT_EQ(host.AxesChangedCount, 1);

  // The positive y half now runs up and to the left of the origin.
  axes.MouseDown(Qt::LeftButton, Qt::NoModifier, TPoint(60, 260));
  EXPECT_EQ(axes.DragState, 3);
  axes.MouseMove(Qt::NoModifier, TPoint(160, 200));
  EXPECT_NEAR(axes.YAxisAngle, kPi / 2, 1e-12);
  EXPECT_NEAR(axes.XAxisAngle, 0.0, 1e-12);
  axes.MouseUp(Qt::LeftButton, Qt::NoModifier, TPoint(160, 200));
  EXPECT_EQ(host.ActionKinds(), (std::vector<int>{12, 12}));
  EXPECT_NEAR(static_cast<TRepereFixe &>(*host.Records[1].Copy).XAxisAngle, kPi / 4, 1e-12);
}

TEST_F(RepereFixeTest, OnlyThePositiveHalfOfAnAxisTurnsIt) {
  Place();
  axes.MouseDown(Qt::LeftButton, Qt::NoModifier, TPoint(60, 360));  // negative x half
  axes.MouseDown(Qt::LeftButton, Qt::NoModifier, TPoint(160, 450)); // negative y half
  axes.MouseDown(Qt::LeftButton, Qt::NoModifier, TPoint(400, 100)); // nowhere
  EXPECT_EQ(axes.DragState, 0);
  EXPECT_TRUE(host.Records.empty());

  // Reversed, the arrow and the grip are on the left; the angle stays that of the line.
  axes.DirectXAxisDirection = false;
  axes.MouseDown(Qt::LeftButton, Qt::NoModifier, TPoint(60, 360));
  EXPECT_EQ(axes.DragState, 2);
  axes.MouseMove(Qt::NoModifier, TPoint(60, 260));
  EXPECT_NEAR(axes.XAxisAngle, -kPi / 4, 1e-12);
}

TEST_F(RepereFixeTest, TheRightButtonErases) {
  axes.MouseDown(Qt::RightButton, Qt::NoModifier, TPoint(10, 10));  // nothing to erase
  EXPECT_TRUE(host.Records.empty());
  Place();
  axes.SetXAxisAngle(1.0);
  host.AxesChangedCount = 0;
  const int repaints = view.RepaintCount;
  axes.MouseDown(Qt::RightButton, Qt::NoModifier, TPoint(10, 10));
  EXPECT_EQ(host.ActionKinds(), std::vector<int>{9});
  EXPECT_FALSE(axes.IsPlaced());
  EXPECT_DOUBLE_EQ(axes.XAxisAngle, 0.0);
  EXPECT_DOUBLE_EQ(axes.YAxisAngle, kPi / 2);
  EXPECT_DOUBLE_EQ(axes.OrigineCurrent.X, 0.25);
  EXPECT_DOUBLE_EQ(axes.OrigineCurrent.Y, 0.75);
  EXPECT_EQ(host.AxesChangedCount, 1);
  EXPECT_GE(host.InvalidateActiveCount, 1);
  EXPECT_EQ(view.RepaintCount, repaints + 1);
}

TEST_F(RepereFixeTest, CursorsOverTheAxes) {
  Place();
  const struct {
    TPoint Pixel;
    int Cursor;
  } rows[] = {{{161, 361}, 45}, {{400, 360}, 46}, {{160, 100}, 46}, {{60, 360}, 0}, {{400, 100}, 0}};
  for (const auto &row : rows) {
    axes.MouseMove(Qt::NoModifier, row.Pixel);
    EXPECT_EQ(view.LastCursor(), row.Cursor) << row.Pixel.X << "," << row.Pixel.Y;
  }
}

TEST_F(RepereFixeTest, EnterPressesWhereThePointerIs) {
  axes.MouseMove(Qt::NoModifier, TPoint(320, 240));
  EXPECT_TRUE(axes.KeyDown(Qt::Key_Return, Qt::NoModifier));
  EXPECT_TRUE(axes.IsPlaced());
  EXPECT_DOUBLE_EQ(axes.OrigineCurrent.X, 0.5);
  // On the origin, Enter starts a drag; the next Enter ends it.
  EXPECT_TRUE(axes.KeyDown(Qt::Key_Enter, Qt::NoModifier));
  EXPECT_EQ(axes.DragState, 1);
  EXPECT_TRUE(axes.KeyDown(Qt::Key_Enter, Qt::NoModifier));
  EXPECT_EQ(axes.DragState, 0);
  EXPECT_FALSE(axes.KeyDown(Qt::Key_A, Qt::NoModifier));
}

TEST_F(RepereFixeTest, IniRoundTripWithTheGridSuffix) {
  const ScopedDecimalSeparator comma(QLatin1Char(','));
  QTemporaryDir dir;
  TIniFile ini(dir.filePath(QStringLiteral("work.klb")));
  axes.OriginePointsNumber = 1;
  axes.OrigineCurrent = TPointD(0.3125, 0.6);
  axes.XAxisAngle = -2.5;
  axes.YAxisAngle = NormalizeAngle(kPi / 2, -2.5);
  axes.DirectXAxisDirection = false;
  axes.SaveToIni(ini, QStringLiteral("Data"), QStringLiteral("Grid"));

  EXPECT_EQ(ini.Keys(QStringLiteral("Data")),
            (QStringList{"DirectYAxisDirection_Grid", "DirectXAxisDirection_Grid", "OrigineCurrentXCoordinate_Grid",
                         "OrigineCurrentYCoordinate_Grid", "OriginePointsNumber_Grid", "XAxisAngle_Grid",
                         "YAxisAngle_Grid"}));
  EXPECT_EQ(ini.ReadString(QStringLiteral("Data"), QStringLiteral("DirectXAxisDirection_Grid"), {}), "0");
  EXPECT_EQ(ini.ReadString(QStringLiteral("Data"), QStringLiteral("OrigineCurrentXCoordinate_Grid"), {}), "0,3125");

  TRepereFixe loaded(host, view);
  loaded.LoadFromIni(ini, QStringLiteral("Data"), QStringLiteral("Grid"));
  EXPECT_TRUE(loaded.IsEqual(axes));

  // Missing keys give the documented defaults.
  TRepereFixe fresh(host, view);
  fresh.LoadFromIni(ini, QStringLiteral("Data"), QStringLiteral("Other"));
  EXPECT_EQ(fresh.OriginePointsNumber, 0);
  EXPECT_DOUBLE_EQ(fresh.OrigineCurrent.X, 0.5);
  EXPECT_DOUBLE_EQ(fresh.OrigineCurrent.Y, 0.5);
  EXPECT_TRUE(fresh.DirectXAxisDirection);
  EXPECT_DOUBLE_EQ(fresh.XAxisAngle, 0.0);
  EXPECT_DOUBLE_EQ(fresh.YAxisAngle, kPi / 2);
}

TEST_F(RepereFixeTest, NothingIsDrawnBeforeTheAxesArePlaced) {
  const QImage image = Paint();
  EXPECT_EQ(CountYellow(image, 0, 0, 639, 479), 0);
}

TEST_F(RepereFixeTest, DrawnAxesArrowsAndLabels) {
  Place();
  const QImage image = Paint();
  // Both lines in the element colour.
  for (int x : {10, 100, 300, 500, 600}) EXPECT_EQ(image.pixel(x, 360), kYellow) << x;
  for (int y : {20, 100, 300, 420}) EXPECT_EQ(image.pixel(160, y), kYellow) << y;
  // Arrowheads (10 long, 5 wide each side) at the right and top ends only.
  EXPECT_EQ(image.pixel(633, 358), kYellow);
  EXPECT_EQ(image.pixel(633, 362), kYellow);
  EXPECT_EQ(image.pixel(158, 7), kYellow);
  EXPECT_EQ(image.pixel(162, 7), kYellow);
  EXPECT_EQ(image.pixel(7, 358), kBlack);
  EXPECT_EQ(image.pixel(158, 473), kBlack);
  // "x" above the x axis near its arrow, "y" right of the y axis near its arrow.
  EXPECT_GT(CountYellow(image, 560, 300, 630, 352), 5);
  EXPECT_GT(CountYellow(image, 168, 10, 240, 80), 5);
  // Nothing far from the axes.
  EXPECT_EQ(CountYellow(image, 300, 100, 500, 300), 0);
}

TEST_F(RepereFixeTest, OnALightPictureTheAxesAreOutlinedInBlack) {
  Place();
  const QImage image = Paint(Qt::white);
  const QRgb white = qRgb(255, 255, 255);
  const struct {
    int X, Y;
    QRgb Expected;
  } pixels[] = {
      {300, 360, kYellow}, {300, 359, kBlack}, {300, 361, kBlack}, {300, 358, white}, {300, 362, white},
      {160, 200, kYellow}, {159, 200, kBlack}, {161, 200, kBlack}, {158, 200, white},
      // Where the axes cross, both lines lie over both outlines.
      {160, 360, kYellow}, {160, 359, kYellow}, {161, 360, kYellow}, {161, 359, kBlack},
      // The arrowheads are filled yellow and ringed in black: the upper side of the x arrow
      // runs from (629, 355) to the tip (639, 360), so at x = 633 it is at y = 357.
      {633, 358, kYellow}, {633, 356, kYellow}, {633, 355, kBlack}, {633, 352, white},
  };
  for (const auto &p : pixels) EXPECT_EQ(image.pixel(p.X, p.Y), p.Expected) << p.X << "," << p.Y;
  // The labels too: "x" above the x axis has its black ring.
  int ring = 0;
  for (int y = 300; y <= 352; ++y)
    for (int x = 560; x <= 630; ++x)
      if (image.pixel(x, y) == kBlack) ++ring;
  EXPECT_GT(ring, 5);
}

TEST_F(RepereFixeTest, ReversedAxesCarryTheirArrowsAtTheOtherEnd) {
  Place();
  axes.DirectXAxisDirection = false;
  axes.DirectYAxisDirection = false;
  const QImage image = Paint();
  EXPECT_EQ(image.pixel(7, 358), kYellow);
  EXPECT_EQ(image.pixel(158, 473), kYellow);
  EXPECT_EQ(image.pixel(633, 358), kBlack);
  EXPECT_EQ(image.pixel(158, 7), kBlack);
}

TEST_F(RepereFixeTest, LargeElementsDrawWiderLines) {
  Place();
  host.Size = 2;
  const QImage image = Paint();
  EXPECT_EQ(image.pixel(300, 358), kYellow);
  EXPECT_EQ(image.pixel(300, 362), kYellow);
  EXPECT_EQ(image.pixel(300, 364), kBlack);
  // The arrowhead is 20 long.
  EXPECT_EQ(image.pixel(624, 354), kYellow);
}

}  // namespace kolibra::measurement::repere_fixe_test
