// The scale tools through the doubles, storage and drawing.

#include "kit/IniFile.h"
#include "measurement/Echelle.h"
#include "measurement/support/FakeMeasurementHost.h"
#include "measurement/support/FakeViewPort.h"

#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace kolibra::measurement::echelle_test {

using testing::FakeMeasurementHost;
using testing::FakeViewPort;

const QRgb kYellow = qRgb(255, 255, 0);
const QRgb kBlack = qRgb(0, 0, 0);

class EchelleTest : public ::testing::Test {
 protected:
  void Click(Qt::MouseButton button, TPoint pixel) {
    scale.MouseDown(button, Qt::NoModifier, pixel);
    scale.MouseUp(button, Qt::NoModifier, pixel);
  }
  // The general segment (160, 240)-(480, 240) of the worked example.
  void PlaceGeneral() {
    Click(Qt::LeftButton, TPoint(160, 240));
    Click(Qt::LeftButton, TPoint(480, 240));
    host.Records.clear();
  }
  QImage Paint(Qt::GlobalColor background = Qt::black) const {
    QImage image(640, 480, QImage::Format_RGB32);
    image.fill(background);
    QPainter painter(&image);
    scale.Draw(&painter);
    painter.end();
    return image;
  }

  FakeMeasurementHost host;
  FakeViewPort view;
  TEchelle scale{host, view};
};

TEST_F(EchelleTest, PlacingTheGeneralScale) {
  Click(Qt::LeftButton, TPoint(160, 240));
  EXPECT_EQ(host.ActionKinds(), std::vector<int>{6});
  EXPECT_EQ(host.Records[0].ObjectKind, okEchelle);
  EXPECT_EQ(static_cast<TEchelle &>(*host.Records[0].Copy).ScalePointsNumber, 0);
  EXPECT_EQ(scale.ScalePointsNumber, 1);
  EXPECT_DOUBLE_EQ(scale.ScalePoint1.X, 0.25);
  EXPECT_DOUBLE_EQ(scale.ScalePoint1.Y, 0.5);
  EXPECT_EQ(host.ScaleChangedCount, 1);
  EXPECT_EQ(host.InvalidateBothCount, 1);

  // The second click on the first point's pixel is ignored.
  Click(Qt::LeftButton, TPoint(160, 240));
  EXPECT_EQ(scale.ScalePointsNumber, 1);
  EXPECT_EQ(host.ScaleChangedCount, 1);

  scale.MouseMove(Qt::NoModifier, TPoint(300, 260));
  EXPECT_EQ(view.LastCursor(), 13);

  Click(Qt::LeftButton, TPoint(480, 240));
  EXPECT_EQ(scale.ScalePointsNumber, 2);
  EXPECT_DOUBLE_EQ(scale.ScalePoint2.X, 0.75);
  EXPECT_DOUBLE_EQ(scale.ScalePoint2.Y, 0.5);
  EXPECT_EQ(host.ScaleChangedCount, 2);
  EXPECT_EQ(host.InvalidateBothCount, 2);
  EXPECT_EQ(host.ActionKinds(), std::vector<int>{6});

  scale.SetScaleLength(1.0);
  const TPointD factors = scale.ScaleFactors();
  EXPECT_DOUBLE_EQ(factors.X, 2.0);
  EXPECT_DOUBLE_EQ(factors.Y, 1.5);
}

TEST_F(EchelleTest, SeparateScalesStayHorizontalAndVertical) {
  const struct {
    int Kind;
    TPoint Ignored;  // on the first point's column (horizontal) or row (vertical)
    TPoint Second;
    TPointD Expected2;
  } rows[] = {{skHorizontal, {100, 300}, {400, 300}, {400.0 / 640, 200.0 / 480}},
              {skVertical, {300, 200}, {400, 300}, {100.0 / 640, 300.0 / 480}}};
  for (const auto &row : rows) {
    FakeMeasurementHost rowHost;
    TEchelle rowScale(rowHost, view);
    rowScale.SetScaleKind(row.Kind);
    rowScale.MouseDown(Qt::LeftButton, Qt::NoModifier, TPoint(100, 200));
    rowScale.MouseDown(Qt::LeftButton, Qt::NoModifier, row.Ignored);
    const int count = row.Kind == skHorizontal ? rowScale.ScaleHorizPointsNumber : rowScale.ScaleVertPointsNumber;
    EXPECT_EQ(count, 1) << row.Kind;
    rowScale.MouseDown(Qt::LeftButton, Qt::NoModifier, row.Second);
    const TPointD p2 = row.Kind == skHorizontal ? rowScale.ScaleHorizPoint2 : rowScale.ScaleVertPoint2;
    EXPECT_DOUBLE_EQ(p2.X, row.Expected2.X) << row.Kind;
    EXPECT_DOUBLE_EQ(p2.Y, row.Expected2.Y) << row.Kind;
    EXPECT_EQ(rowScale.ScalePointsNumber, 0);
    EXPECT_EQ(rowHost.ActionKinds(), std::vector<int>{6});
    EXPECT_EQ(rowHost.ScaleChangedCount, 2);
  }
}

TEST_F(EchelleTest, PressDragReleasePlacesBothEnds) {
  // As two clicks would: one record, the first end at the press, the second at the release.
  scale.MouseDown(Qt::LeftButton, Qt::NoModifier, TPoint(160, 240));
  scale.MouseMove(Qt::NoModifier, TPoint(300, 250));
  EXPECT_EQ(scale.ScalePointsNumber, 1) << "the rubber band follows while the button is down";
  scale.MouseUp(Qt::LeftButton, Qt::NoModifier, TPoint(480, 240));
  EXPECT_EQ(scale.ScalePointsNumber, 2);
  EXPECT_DOUBLE_EQ(scale.ScalePoint1.X, 0.25);
  EXPECT_DOUBLE_EQ(scale.ScalePoint2.X, 0.75);
  EXPECT_DOUBLE_EQ(scale.ScalePoint2.Y, 0.5);
  EXPECT_EQ(host.ActionKinds(), std::vector<int>{6});
  EXPECT_EQ(host.ScaleChangedCount, 2);
  // Nothing follows the pointer any more: no rubber band in the drawing.
  scale.MouseMove(Qt::NoModifier, TPoint(300, 400));
  EXPECT_EQ(Paint().pixel(300, 400), kBlack);
}

TEST_F(EchelleTest, AReleaseWithinAClicksJitterWaitsForTheSecondClick) {
  const struct {
    int Kind;
    TPoint Release;
    int Count;  // points after the release
  } rows[] = {
      {skGeneral, {103, 197}, 1},     // 3 px: a click that slipped
      {skGeneral, {104, 200}, 2},     // 4 px: a drag
      {skHorizontal, {100, 300}, 1},  // dragged along the column: no length across, refused
      {skHorizontal, {400, 320}, 2},  // kept on the first end's row
      {skVertical, {400, 200}, 1},
  };
  for (const auto &row : rows) {
    FakeMeasurementHost rowHost;
    TEchelle rowScale(rowHost, view);
    rowScale.SetScaleKind(row.Kind);
    rowScale.MouseDown(Qt::LeftButton, Qt::NoModifier, TPoint(100, 200));
    rowScale.MouseMove(Qt::NoModifier, row.Release);
    rowScale.MouseUp(Qt::LeftButton, Qt::NoModifier, row.Release);
    const int count = row.Kind == skGeneral      ? rowScale.ScalePointsNumber
                      : row.Kind == skHorizontal ? rowScale.ScaleHorizPointsNumber
                                                 : rowScale.ScaleVertPointsNumber;
    EXPECT_EQ(count, row.Count) << row.Kind << " " << row.Release.X << "," << row.Release.Y;
    if (row.Kind == skHorizontal && count == 2) {
      EXPECT_DOUBLE_EQ(rowScale.ScaleHorizPoint2.Y, 200.0 / 480);
    }
    if (count == 1) {
      // The second click still ends it.
      rowScale.MouseDown(Qt::LeftButton, Qt::NoModifier, TPoint(500, 400));
      rowScale.MouseUp(Qt::LeftButton, Qt::NoModifier, TPoint(500, 400));
      const int after = row.Kind == skGeneral      ? rowScale.ScalePointsNumber
                        : row.Kind == skHorizontal ? rowScale.ScaleHorizPointsNumber
                                                   : rowScale.ScaleVertPointsNumber;
      EXPECT_EQ(after, 2) << row.Kind;
    }
    EXPECT_EQ(rowHost.ActionKinds(), std::vector<int>{6}) << row.Kind;
  }
  // A right click while the button is down drops the first end, and the release adds nothing.
  scale.MouseDown(Qt::LeftButton, Qt::NoModifier, TPoint(100, 200));
  scale.MouseDown(Qt::RightButton, Qt::NoModifier, TPoint(100, 200));
  scale.MouseUp(Qt::LeftButton, Qt::NoModifier, TPoint(300, 200));
  EXPECT_EQ(scale.ScalePointsNumber, 0);
}

TEST_F(EchelleTest, DraggingAnEnd) {
  PlaceGeneral();
  scale.MouseDown(Qt::LeftButton, Qt::NoModifier, TPoint(481, 241));
  EXPECT_EQ(scale.DragState, 1);
  EXPECT_EQ(host.ActionKinds(), std::vector<int>{11});
  scale.MouseMove(Qt::NoModifier, TPoint(500, 300));
  EXPECT_DOUBLE_EQ(scale.ScalePoint2.X, 500.0 / 640);
  EXPECT_DOUBLE_EQ(scale.ScalePoint2.Y, 300.0 / 480);
  // Onto the other end's pixel: refused.
  scale.MouseMove(Qt::NoModifier, TPoint(160, 240));
  EXPECT_DOUBLE_EQ(scale.ScalePoint2.X, 500.0 / 640);
  scale.MouseUp(Qt::LeftButton, Qt::NoModifier, TPoint(160, 240));
  EXPECT_EQ(scale.DragState, -2);
  EXPECT_DOUBLE_EQ(scale.ScalePoint1.X, 0.25);

  scale.MouseDown(Qt::LeftButton, Qt::NoModifier, TPoint(159, 239));
  EXPECT_EQ(scale.DragState, 0);
  EXPECT_EQ(host.ActionKinds(), (std::vector<int>{11, 11}));
}

TEST_F(EchelleTest, DraggingAHorizontalEndKeepsItLevel) {
  scale.SetScaleKind(skHorizontal);
  Click(Qt::LeftButton, TPoint(100, 200));
  Click(Qt::LeftButton, TPoint(400, 200));
  scale.MouseDown(Qt::LeftButton, Qt::NoModifier, TPoint(400, 200));
  EXPECT_EQ(scale.DragState, 1);
  scale.MouseMove(Qt::NoModifier, TPoint(500, 320));
  EXPECT_DOUBLE_EQ(scale.ScaleHorizPoint2.X, 500.0 / 640);
  EXPECT_DOUBLE_EQ(scale.ScaleHorizPoint2.Y, 200.0 / 480);
  scale.MouseMove(Qt::NoModifier, TPoint(100, 320));  // the other end's column: refused
  EXPECT_DOUBLE_EQ(scale.ScaleHorizPoint2.X, 500.0 / 640);
}

TEST_F(EchelleTest, DraggingTheSegment) {
  PlaceGeneral();
  scale.MouseDown(Qt::LeftButton, Qt::NoModifier, TPoint(320, 241));
  EXPECT_EQ(scale.DragState, -1);
  EXPECT_EQ(host.ActionKinds(), std::vector<int>{8});
  scale.MouseMove(Qt::NoModifier, TPoint(330, 261));
  scale.MouseMove(Qt::NoModifier, TPoint(352, 289));
  EXPECT_EQ(scale.Pixel1(skGeneral), TPoint(192, 288));
  EXPECT_EQ(scale.Pixel2(skGeneral), TPoint(512, 288));
  EXPECT_DOUBLE_EQ(scale.ScalePoint1.X, 0.3);
  EXPECT_DOUBLE_EQ(scale.ScalePoint2.Y, 0.6);
  scale.MouseUp(Qt::LeftButton, Qt::NoModifier, TPoint(352, 289));
  EXPECT_EQ(scale.DragState, -2);
  // Elsewhere a press starts nothing.
  scale.MouseDown(Qt::LeftButton, Qt::NoModifier, TPoint(20, 20));
  EXPECT_EQ(scale.DragState, -2);
  EXPECT_EQ(host.ActionKinds(), std::vector<int>{8});
}

TEST_F(EchelleTest, CursorsOverTheSegment) {
  const struct {
    TPoint P1, P2, Pointer;
    int Cursor;
  } rows[] = {{{100, 100}, {300, 300}, {200, 200}, 45}, {{100, 100}, {300, 300}, {100, 100}, 28},
              {{100, 300}, {300, 100}, {301, 101}, 27}, {{100, 300}, {300, 100}, {400, 400}, 0}};
  for (const auto &row : rows) {
    FakeMeasurementHost rowHost;
    FakeViewPort rowView;
    TEchelle rowScale(rowHost, rowView);
    rowScale.MouseDown(Qt::LeftButton, Qt::NoModifier, row.P1);
    rowScale.MouseDown(Qt::LeftButton, Qt::NoModifier, row.P2);
    rowScale.MouseMove(Qt::NoModifier, row.Pointer);
    EXPECT_EQ(rowView.LastCursor(), row.Cursor) << row.Pointer.X << "," << row.Pointer.Y;
  }
}

TEST_F(EchelleTest, TheRightButtonRemovesPoints) {
  PlaceGeneral();
  const int invalidations = host.InvalidateBothCount;
  Click(Qt::RightButton, TPoint(0, 0));
  EXPECT_EQ(scale.ScalePointsNumber, 1);
  EXPECT_EQ(host.ActionKinds(), std::vector<int>{9});
  EXPECT_EQ(static_cast<TEchelle &>(*host.Records[0].Copy).ScalePointsNumber, 2);
  Click(Qt::RightButton, TPoint(0, 0));
  EXPECT_EQ(scale.ScalePointsNumber, 0);
  Click(Qt::RightButton, TPoint(0, 0));
  EXPECT_EQ(scale.ScalePointsNumber, 0);
  EXPECT_EQ(host.ActionKinds(), std::vector<int>{9});
  EXPECT_EQ(host.InvalidateBothCount, invalidations + 2);
}

TEST_F(EchelleTest, ErasingTheSelectedScale) {
  PlaceGeneral();
  scale.EraseSelected();
  EXPECT_EQ(scale.ScalePointsNumber, 0);
  EXPECT_EQ(host.ActionKinds(), std::vector<int>{9});
}

TEST_F(EchelleTest, EnterPlacesAPointWhereThePointerIs) {
  scale.MouseMove(Qt::NoModifier, TPoint(64, 48));
  EXPECT_TRUE(scale.KeyDown(Qt::Key_Return, Qt::NoModifier));
  EXPECT_EQ(scale.ScalePointsNumber, 1);
  EXPECT_DOUBLE_EQ(scale.ScalePoint1.X, 0.1);
  EXPECT_FALSE(scale.KeyDown(Qt::Key_Minus, Qt::NoModifier));
}

TEST_F(EchelleTest, IniRoundTripWithoutSuffix) {
  QTemporaryDir dir;
  TIniFile ini(dir.filePath(QStringLiteral("work.klb")));
  PlaceGeneral();
  scale.ScaleLength = 1.25;
  scale.ScaleHorizPointsNumber = 2;
  scale.ScaleHorizPoint1 = TPointD(0.1, 0.2);
  scale.ScaleHorizPoint2 = TPointD(0.7, 0.2);
  scale.ScaleHorizLength = 3.0;
  scale.ScaleVertPointsNumber = 1;
  scale.ScaleVertPoint1 = TPointD(0.4, 0.9);
  scale.SaveToIni(ini, QStringLiteral("Data"), QString());

  QStringList expected;
  for (const char *prefix : {"Scale", "ScaleHoriz", "ScaleVert"})
    for (const char *name : {"PointsNumber", "Point1XCoordinate", "Point1YCoordinate", "Point2XCoordinate",
                             "Point2YCoordinate", "Length"})
      expected << QLatin1String(prefix) + QLatin1String(name);
  EXPECT_EQ(ini.Keys(QStringLiteral("Data")), expected);
  EXPECT_EQ(ini.ReadInteger(QStringLiteral("Data"), QStringLiteral("ScalePointsNumber"), -1), 2);
  EXPECT_DOUBLE_EQ(ini.ReadFloat(QStringLiteral("Data"), QStringLiteral("ScaleHorizLength"), -1), 3.0);

  TEchelle loaded(host, view);
  loaded.LoadFromIni(ini, QStringLiteral("Data"), QString());
  EXPECT_TRUE(loaded.IsEqual(scale));
  EXPECT_EQ(loaded.Pixel2(skGeneral), TPoint(480, 240));
  loaded.ScaleVertLength = 2.0;
  EXPECT_FALSE(loaded.IsEqual(scale));
}

TEST_F(EchelleTest, DrawnSegmentWithTicks) {
  PlaceGeneral();
  const QImage image = Paint();
  for (int x : {160, 200, 320, 479}) EXPECT_EQ(image.pixel(x, 240), kYellow) << x;
  for (int y : {236, 244}) {
    EXPECT_EQ(image.pixel(160, y), kYellow) << y;
    EXPECT_EQ(image.pixel(480, y), kYellow) << y;
    EXPECT_EQ(image.pixel(320, y), kBlack) << y;
  }
  EXPECT_EQ(image.pixel(100, 240), kBlack);
}

TEST_F(EchelleTest, TheSegmentIsOutlinedInBlackOnALightPicture) {
  const QRgb white = qRgb(255, 255, 255);
  PlaceGeneral();
  const QImage image = Paint(Qt::white);
  const struct {
    int X, Y;
    QRgb Expected;
  } pixels[] = {
      {320, 240, kYellow}, {320, 239, kBlack}, {320, 241, kBlack}, {320, 238, white}, {320, 242, white},
      // The tick's outline runs beside it, and stops at the segment, which is drawn over it.
      {160, 236, kYellow}, {159, 236, kBlack}, {161, 236, kBlack}, {158, 236, white},
      {161, 240, kYellow}, {479, 240, kYellow}, {481, 244, kBlack},
      // Before the first end, the outline closes the segment.
      {159, 240, kBlack}, {157, 240, white},
  };
  for (const auto &p : pixels)
    EXPECT_EQ(image.pixel(p.X, p.Y), p.Expected) << p.X << "," << p.Y;
}

TEST_F(EchelleTest, TheRubberBandFollowsThePointer) {
  scale.SetScaleKind(skHorizontal);
  Click(Qt::LeftButton, TPoint(100, 200));
  scale.MouseMove(Qt::NoModifier, TPoint(300, 350));
  const QImage image = Paint();
  EXPECT_EQ(image.pixel(200, 200), kYellow);
  EXPECT_EQ(image.pixel(300, 196), kYellow);  // tick at the pointer's end, on the first row
  EXPECT_EQ(image.pixel(300, 350), kBlack);
  EXPECT_EQ(image.pixel(350, 200), kBlack);
}

TEST_F(EchelleTest, SeparateScalesDrawBothSegments) {
  scale.ScaleKind = skVertical;
  scale.ScaleHorizPointsNumber = 2;
  scale.ScaleHorizPoint1 = TPointD(0.1, 0.1);
  scale.ScaleHorizPoint2 = TPointD(0.5, 0.1);
  scale.ScaleVertPointsNumber = 2;
  scale.ScaleVertPoint1 = TPointD(0.8, 0.2);
  scale.ScaleVertPoint2 = TPointD(0.8, 0.9);
  scale.ScalePointsNumber = 2;
  scale.ScalePoint1 = TPointD(0.1, 0.5);
  scale.ScalePoint2 = TPointD(0.5, 0.5);
  scale.ComputePixels();
  const QImage image = Paint();
  EXPECT_EQ(image.pixel(200, 48), kYellow);
  EXPECT_EQ(image.pixel(512, 300), kYellow);
  EXPECT_EQ(image.pixel(200, 240), kBlack);  // the general one is not in use
}

}  // namespace kolibra::measurement::echelle_test
