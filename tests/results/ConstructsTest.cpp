// The constructs on their own, against geometry worked out by hand: an element placed on a
// 400 x 400 plot showing the world 0..10 x 0..10 (40 pixels per unit, y up), so world (x, y)
// is pixel (40 x, 400 - 40 y).
#include "results/GConstructs.h"
#include "results/GShapes.h"
#include "results/ParamCom.h"
#include "results/SourceImg.h"

#include "kit/Locale.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace constructs_test {

using namespace kolibra;
using namespace kolibra::results;

template <typename T>
void Place(T &element) {
  element.SetWorld(TRectD{0.0, 10.0, 0.0, 10.0});
  element.SetPlotRect(0, 0, 400, 400);
}

TPoint Px(double x, double y) { return TPoint(int(std::lround(40 * x)), int(std::lround(400 - 40 * y))); }

QString Text(TGElem &element) {
  QString text;
  element.Description(text);
  return text;
}

class Constructs : public ::testing::Test {
 protected:
  ScopedDecimalSeparator separator{QLatin1Char('.')};
};

TEST_F(Constructs, AngleValueDescriptionAndHits) {
  TGAngle angle(TPointD(9, 5), TPointD(5, 5), TPointD(5, 9));
  Place(angle);
  EXPECT_NEAR(angle.Value(), std::numbers::pi / 2, 1e-12);
  EXPECT_EQ(Text(angle), QStringLiteral("Acute angle between the lines : 90.0 ° (1.571 rad)"));
  // A reflex opening reads as its acute (or obtuse) value, never above 180 degrees.
  TGAngle wide(TPointD(9, 5), TPointD(5, 5), TPointD(1, 4));
  Place(wide);
  EXPECT_NEAR(wide.Value(), std::numbers::pi - std::atan(0.25), 1e-12);

  const struct {
    TPoint At;
    bool Hit;
    int Part;
  } cases[] = {
      {Px(5, 5), true, 1},    // the vertex
      {Px(9, 5), true, 0},    // an end
      {Px(7, 5), true, -1},   // a leg
      {Px(5, 7), true, -1},   // the other leg
      {Px(7, 7), false, -2},  // inside the angle
  };
  for (const auto &c : cases) {
    EXPECT_EQ(angle.HitTest(c.At), c.Hit) << c.At.X << "," << c.At.Y;
    EXPECT_EQ(angle.HitPart, c.Part) << c.At.X << "," << c.At.Y;
  }
}

TEST_F(Constructs, NewArcIsItsChordWithAnInfiniteRadius) {
  TGArc arc(TPointD(2, 5), TPointD(8, 5));
  Place(arc);
  EXPECT_TRUE(arc.Straight);
  EXPECT_EQ(Text(arc), QStringLiteral("Arc length : 6 m\nAngle between radiuses : 0.0 ° (0.000 rad)\n"
                                      "radius length : infinite"));
  EXPECT_TRUE(arc.HitTest(Px(5, 5)));
  EXPECT_FALSE(arc.HitTest(Px(5, 6)));
}

TEST_F(Constructs, BendingAnArcMakesItTheArcThroughItsEndsAndTheMouse) {
  TGArc arc(TPointD(2, 5), TPointD(8, 5));
  Place(arc);
  ASSERT_TRUE(arc.HitTest(Px(5, 5)));
  // The circle through (2, 5), (8, 5) and (5, 6) has its centre at (5, 1) and radius 5.
  arc.Bend(Px(5, 6));
  EXPECT_FALSE(arc.Straight);
  EXPECT_FALSE(arc.Flat);
  EXPECT_EQ(arc.Radius, 200);
  EXPECT_EQ(arc.Points[2]->Pixel, Px(5, 1));
  const double angle = 2 * std::asin(0.6);
  EXPECT_NEAR(arc.Angle, angle, 1e-9);
  EXPECT_NEAR(arc.Length(), 5 * angle, 1e-9);
  EXPECT_EQ(Text(arc), QStringLiteral("Arc length : 6.44 m\nAngle between radiuses : 73.7 ° (1.287 rad)\n"
                                      "radius length : 5 m"));
  // The arc itself, a radius, the rest of its circle.
  EXPECT_TRUE(arc.HitTest(Px(5, 6)));
  EXPECT_TRUE(arc.HitArc);
  EXPECT_TRUE(arc.HitTest(Px(3.5, 3)));
  EXPECT_TRUE(arc.HitRadius);
  EXPECT_FALSE(arc.HitTest(Px(0, 1)));  // on the circle, outside the arc

  // Through a point below the chord the arc turns over: it always holds the mouse.
  arc.HitTest(Px(5, 6));
  arc.Bend(Px(5, 4));
  EXPECT_EQ(arc.Points[2]->Pixel, Px(5, 9));
  EXPECT_TRUE(arc.HitTest(Px(5, 4)));
  EXPECT_NEAR(arc.Angle, angle, 1e-9);

  // Far beyond the chord the arc is more than half a circle.
  arc.HitTest(Px(5, 4));
  arc.Bend(Px(5, 1.5));
  EXPECT_GT(arc.Angle, std::numbers::pi);
  EXPECT_TRUE(arc.HitTest(Px(5, 1.5)));

  // Collinear with the ends: straight again.
  arc.HitTest(Px(5, 1.5));
  arc.Bend(Px(5, 5));
  EXPECT_TRUE(arc.Straight);
  EXPECT_TRUE(Text(arc).endsWith(QStringLiteral("radius length : infinite")));
}

TEST_F(Constructs, ArcRadiusLimits) {
  TGArc arc(TPointD(2, 5), TPointD(8, 5));
  Place(arc);
  arc.HitTest(Px(5, 5));
  // A sagitta of one pixel over a 240-pixel chord: a radius of about 7200 px is drawn flat.
  arc.Bend(TPoint(200, 199));
  EXPECT_FALSE(arc.Straight);
  EXPECT_TRUE(arc.Flat);
  EXPECT_GT(arc.Radius, TGArc::FlatRadius);
  // The radii of a flat arc are not grabbed.
  EXPECT_FALSE(arc.HitTest(Px(5, 3)));
  // An arc of half a circle or more that cannot bend takes the 999-pixel radius.
  TGArc big(TPointD(2, 5), TPointD(8, 5));
  Place(big);
  big.HitTest(Px(5, 5));
  big.Bend(Px(5, 1.5));
  ASSERT_GT(big.Angle, std::numbers::pi);
  // Its radius dragged along a line parallel to the chord's bisector: no centre to be found.
  ASSERT_TRUE(big.HitTest(TPoint(140, 209)));
  ASSERT_TRUE(big.HitRadius);
  big.Bend(Px(2, 0));
  EXPECT_FALSE(big.Straight);
  EXPECT_EQ(big.Radius, TGArc::FallbackRadius);
  EXPECT_GT(big.Angle, std::numbers::pi);
}

TEST_F(Constructs, CircleIsGrabbedByItsOutlineOnly) {
  TGCercle circle(TPointD(5, 5), TPointD(8, 5));
  Place(circle);
  EXPECT_EQ(circle.Radius, 120);
  EXPECT_EQ(Text(circle), QStringLiteral("Circle girth : 18.8 m\nradius length : 3 m"));
  EXPECT_TRUE(circle.HitTest(Px(5, 8)));
  EXPECT_EQ(circle.HitPart, -1);
  EXPECT_FALSE(circle.HitTest(Px(5, 5)));  // the centre
  EXPECT_FALSE(circle.HitTest(Px(6, 6)));  // inside
  circle.Bend(Px(5, 9));
  EXPECT_EQ(circle.Radius, 160);
  EXPECT_NEAR(circle.WorldRadius(), 4.0, 1e-9);
}

TEST_F(Constructs, EllipseGeometryHandlesAndRotation) {
  TGEllipse ellipse(TPointD(5, 5), 3, 2);
  Place(ellipse);
  EXPECT_DOUBLE_EQ(ellipse.A, 120);
  EXPECT_DOUBLE_EQ(ellipse.B, 80);
  const double girth = std::numbers::pi * (15 - std::sqrt(99.0));
  EXPECT_NEAR(ellipse.Girth(), girth, 1e-9);
  EXPECT_EQ(Text(ellipse), QStringLiteral("Angle with the horizontal axis : 0.0 ° (0.000 rad)\nEllipse girth: 15.9 m\n"
                                          "Length of semi-major axis: 3 m\nLength of semi-minor axis: 2 m"));
  // Handles first, then the outline; the centre and the inside are free.
  EXPECT_TRUE(ellipse.HitTest(Px(8, 5)));
  EXPECT_EQ(ellipse.HitPart, 0);
  EXPECT_TRUE(ellipse.HitTest(Px(5, 3)));
  EXPECT_EQ(ellipse.HitPart, 3);
  const double c = std::cos(std::numbers::pi / 4), s = std::sin(std::numbers::pi / 4);
  EXPECT_TRUE(ellipse.HitTest(Px(5 + 3 * c, 5 + 2 * s)));
  EXPECT_EQ(ellipse.HitPart, -1);
  EXPECT_FALSE(ellipse.HitTest(Px(5, 5)));

  // A handle moves along its axis: the other semi-axis stays.
  ASSERT_TRUE(ellipse.HitTest(Px(5, 7)));
  ASSERT_EQ(ellipse.HitPart, 1);
  ellipse.Bend(Px(6, 8.5));
  EXPECT_NEAR(ellipse.WorldB(), 3.5, 1e-9);
  EXPECT_NEAR(ellipse.WorldA(), 3.0, 1e-9);

  // Turned a quarter: the right end goes to the top.
  ellipse.Rotate(ellipse.Centre(), std::numbers::pi / 2);
  EXPECT_NEAR(ellipse.Angle, std::numbers::pi / 2, 1e-12);
  EXPECT_EQ(ellipse.Points[0]->Pixel, Px(5, 8));
  EXPECT_TRUE(Text(ellipse).startsWith(QStringLiteral("Angle with the horizontal axis : 90.0 °")));
  // A round ellipse's girth is exactly its circle's.
  TGEllipse round(TPointD(5, 5), 2, 2);
  EXPECT_DOUBLE_EQ(round.Girth(), 4 * std::numbers::pi);
}

TEST_F(Constructs, VectorDrawnSixtyThreePixelsAtOneMetrePerSecondForSixtyThree) {
  TParamCom param(QStringLiteral("m/s"), 0, 63, 400);
  ASSERT_TRUE(param.InitFromLongest(1.0));
  ASSERT_TRUE(param.SetValeur(1.0));
  TGVecteur vector(TPointD(5, 5), TPointD(0, 0), 0, &param);
  Place(vector);
  const TPoint tail = vector.PointPixel(0);
  vector.SetTip(TPoint(tail.X + 63, tail.Y));
  EXPECT_DOUBLE_EQ(vector.Norme, 1.0);
  EXPECT_EQ(Text(vector), QStringLiteral("Vector norm : 1 m/s\nAngle with the horizontal axis : 0.0 ° (0.000 rad)"));
  // Its copy sees a moved tip (an undo must not take the drag for no change).
  const auto copy = vector.Clone();
  EXPECT_TRUE(copy->SameAs(vector));
  vector.SetTip(TPoint(tail.X + 63, tail.Y - 20));
  EXPECT_FALSE(copy->SameAs(vector));
  // Moved by hand it leaves its chain; following a tip it keeps it.
  vector.Source = 7;
  vector.Chained = {8};
  vector.Shift(5, 5);
  EXPECT_EQ(vector.Source, 7);
  vector.Translate(5, 5);
  EXPECT_EQ(vector.Source, -1);
  EXPECT_TRUE(vector.Chained.empty());
}

TEST_F(Constructs, VideoFramePlacedOnTheMeasurement) {
  TSourceImg image;
  EXPECT_FALSE(image.Visible);
  QImage picture(640, 480, QImage::Format_RGB32);
  picture.fill(Qt::white);
  // One millimetre a pixel, the origin at pixel (100, 400).
  image.SetPicture(picture, 0.001, 0.001, TPointD(100, 400), false, false, 0.0);
  EXPECT_TRUE(image.Visible);
  const QPointF corner = image.PictureToWorld().map(QPointF(0, 0));
  EXPECT_NEAR(corner.x(), -0.1, 1e-12);
  EXPECT_NEAR(corner.y(), 0.4, 1e-12);
  // Axes turned a quarter and the y axis reversed: a pixel right of the origin lies on -y.
  image.SetPicture(picture, 0.001, 0.001, TPointD(100, 400), false, true, std::numbers::pi / 2);
  const QPointF right = image.PictureToWorld().map(QPointF(200, 400));
  EXPECT_NEAR(right.x(), 0.0, 1e-12);
  EXPECT_NEAR(right.y(), 0.1, 1e-12);
  image.ClearPicture();
  EXPECT_FALSE(image.Visible);
}

TEST_F(Constructs, RotationHandleMeasuresTheTurn) {
  TRotation rotation;
  Place(rotation);
  rotation.Start(TPointD(5, 5), Px(8, 5));
  EXPECT_NEAR(rotation.TurnTo(Px(5, 8)), std::numbers::pi / 2, 1e-12);
  EXPECT_NEAR(rotation.TurnTo(Px(8, 5)), -std::numbers::pi / 2, 1e-12);
}

}  // namespace constructs_test
