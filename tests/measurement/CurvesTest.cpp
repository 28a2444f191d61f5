#include "measurement/DrawHelpers.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <numbers>
#include <set>

using kolibra::TPoint;
using kolibra::TPointDynArray;
using namespace kolibra::measurement;

namespace curves_test {

bool Neighbours(TPoint a, TPoint b) {
  return !(a == b) && std::abs(a.X - b.X) <= 1 && std::abs(a.Y - b.Y) <= 1;
}

// Consecutive points are 8-neighbours; closed also asks it of the last and first points.
::testing::AssertionResult Continuous(const TPointDynArray &points, bool closed) {
  for (std::size_t i = 1; i < points.size(); ++i)
    if (!Neighbours(points[i - 1], points[i]))
      return ::testing::AssertionFailure() << "gap at " << i << ": (" << points[i - 1].X << ","
                                           << points[i - 1].Y << ") -> (" << points[i].X << "," << points[i].Y << ")";
  if (closed && points.size() > 1 && !Neighbours(points.back(), points.front()))
    return ::testing::AssertionFailure() << "not closed";
  return ::testing::AssertionSuccess();
}

std::set<std::pair<int, int>> Pixels(const TPointDynArray &points) {
  std::set<std::pair<int, int>> set;
  for (const TPoint &p : points) set.insert({p.X, p.Y});
  return set;
}

std::set<std::pair<int, int>> Painted(const QImage &image) {
  std::set<std::pair<int, int>> set;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (image.pixel(x, y) != 0xFFFFFFFFu) set.insert({x, y});
  return set;
}

// ---------------------------------------------------------------------------------------------

TEST(CirclePointsTest, SmallRadiiExactly) {
  EXPECT_TRUE(CirclePoints({5, 5}, -1).empty());
  EXPECT_EQ(CirclePoints({5, 5}, 0), TPointDynArray{TPoint(5, 5)});
  EXPECT_EQ(CirclePoints({0, 0}, 1), (TPointDynArray{{1, 0}, {0, 1}, {-1, 0}, {0, -1}}));
  const TPointDynArray two = {{2, 0},  {2, 1},   {1, 2},   {0, 2},  {-1, 2}, {-2, 1},
                              {-2, 0}, {-2, -1}, {-1, -2}, {0, -2}, {1, -2}, {2, -1}};
  EXPECT_EQ(CirclePoints({0, 0}, 2), two);
}

TEST(CirclePointsTest, RunsOnceRoundFromTheRightTowardsIncreasingY) {
  for (int r = 1; r <= 60; ++r) {
    const TPoint c(100, -40);
    const TPointDynArray points = CirclePoints(c, r);
    ASSERT_FALSE(points.empty());
    EXPECT_EQ(points.front(), TPoint(c.X + r, c.Y)) << r;
    EXPECT_EQ(points[1].Y, c.Y + 1) << r;
    EXPECT_TRUE(Continuous(points, true)) << "radius " << r;
    const auto set = Pixels(points);
    EXPECT_EQ(set.size(), points.size()) << "a pixel listed twice, radius " << r;
    for (const TPoint &p : points) {
      EXPECT_NEAR(std::hypot(p.X - c.X, p.Y - c.Y), r, 0.75) << r;
      EXPECT_TRUE(set.count({2 * c.X - p.X, p.Y}) && set.count({p.X, 2 * c.Y - p.Y}) &&
                  set.count({c.X + (p.Y - c.Y), c.Y + (p.X - c.X)}))
          << "not symmetric, radius " << r;
    }
  }
}

TEST(CirclePointsTest, DrawnAsItsListAndSafeAtTheEdgeOfTheRange) {
  QImage image(60, 60, QImage::Format_RGB888);
  image.fill(Qt::white);
  QPainter painter(&image);
  painter.setPen(Qt::black);
  DrawCircle(&painter, {30, 30}, 17);
  painter.end();
  EXPECT_EQ(Painted(image), Pixels(CirclePoints({30, 30}, 17)));

  const TPointDynArray edge = CirclePoints({INT_MAX, INT_MIN + 1}, 10);
  ASSERT_FALSE(edge.empty());
  for (const TPoint &p : edge) {
    EXPECT_LE(p.X, INT_MAX);
    EXPECT_GE(p.Y, -INT_MAX);
  }
  EXPECT_TRUE(CirclePoints({0, 0}, INT_MAX).empty());  // far beyond any screen
}

TEST(ArcPointsTest, QuarterArcStaysInItsSectorAndIsContinuous) {
  const TPoint c(50, 50);
  for (const auto &[a, b] : {std::pair{TPoint(80, 50), TPoint(50, 20)}, std::pair{TPoint(50, 20), TPoint(80, 50)}}) {
    const TPointDynArray arc = ArcPoints(a, b, 20, c);
    ASSERT_FALSE(arc.empty());
    EXPECT_TRUE(Continuous(arc, false));
    const auto set = Pixels(arc);
    EXPECT_TRUE(set.count({70, 50}));
    EXPECT_TRUE(set.count({50, 30}));
    for (const TPoint &p : arc) {
      EXPECT_GE(p.X, 50);
      EXPECT_LE(p.Y, 50);
    }
    const bool endsOnTheRays = (arc.front() == TPoint(70, 50) && arc.back() == TPoint(50, 30)) ||
                               (arc.front() == TPoint(50, 30) && arc.back() == TPoint(70, 50));
    EXPECT_TRUE(endsOnTheRays);
  }
}

TEST(ArcPointsTest, ArcsAcrossTheStartOfTheCircleAndWideAnglesAreOnePiece) {
  const TPoint c(0, 0);
  const std::pair<TPoint, TPoint> rays[] = {
      {{30, 12}, {30, -12}}, {{-5, -30}, {30, 20}}, {{-30, 4}, {-30, -4}}, {{10, 30}, {-30, -2}}};
  for (const auto &[a, b] : rays) {
    const TPointDynArray arc = ArcPoints(a, b, 25, c);
    ASSERT_GT(arc.size(), 2u);
    EXPECT_TRUE(Continuous(arc, false)) << a.X << "," << a.Y << " / " << b.X << "," << b.Y;
    EXPECT_LT(arc.size(), CirclePoints(c, 25).size() / 2 + 2);
  }
  EXPECT_TRUE(ArcPoints({30, 0}, {60, 0}, 10, c).empty());  // a zero angle
  EXPECT_TRUE(ArcPoints({30, 0}, {0, 30}, -1, c).empty());
}

// ---------------------------------------------------------------------------------------------

TEST(EllipsePointsTest, FlatEllipsesAreTwoPoints) {
  EXPECT_EQ(EllipsePoints({10, 20}, 0, 6), (TPointDynArray{{10, 14}, {10, 26}}));
  EXPECT_EQ(EllipsePoints({10, 20}, 4, 0), (TPointDynArray{{6, 20}, {14, 20}}));
  EXPECT_EQ(EllipsePoints({10, 20}, 0, 0), TPointDynArray{TPoint(10, 20)});
  QImage image(40, 40, QImage::Format_RGB888);
  image.fill(Qt::white);
  QPainter painter(&image);
  painter.setPen(Qt::black);
  DrawEllipse(&painter, {10, 20}, 0, 6);
  painter.end();
  std::set<std::pair<int, int>> segment;
  for (int y = 14; y <= 26; ++y) segment.insert({10, y});
  EXPECT_EQ(Painted(image), segment);
}

TEST(EllipsePointsTest, RunsOnceRoundCloseToTheCurve) {
  const std::pair<int, int> axes[] = {{10, 5}, {3, 20}, {1, 1}, {50, 7}, {1, 9}, {25, 24}};
  for (const auto &[a, b] : axes) {
    const TPoint c(-20, 30);
    const TPointDynArray points = EllipsePoints(c, a, b);
    EXPECT_EQ(points.front(), TPoint(c.X + a, c.Y));
    EXPECT_TRUE(Continuous(points, true)) << a << "x" << b;
    EXPECT_EQ(Pixels(points).size(), points.size()) << a << "x" << b;
    for (const TPoint &p : points) {
      const double x = p.X - c.X;
      const double y = p.Y - c.Y;
      const double f = x * x / (double(a) * a) + y * y / (double(b) * b) - 1;
      const double gradient = 2 * std::hypot(x / (double(a) * a), y / (double(b) * b));
      EXPECT_LE(std::fabs(f) / gradient, 1.0) << a << "x" << b << " at " << x << "," << y;
    }
  }
}

TEST(RotatedEllipsePointsTest, StartsOnTheTurnedAxisAndClosesRound) {
  struct Case {
    double Angle, B, A;
  } cases[] = {{0.5, 10, 30}, {0, 20, 20}, {-1.2, 40, 8}, {2.8, 5, 5}, {std::numbers::pi / 2, 12, 35}};
  for (const Case &k : cases) {
    const TPoint c(200, 100);
    const TPointDynArray points = RotatedEllipsePoints(c, k.Angle, k.B, k.A);
    ASSERT_GT(points.size(), 8u);
    EXPECT_EQ(points.front(), TPoint(c.X + int(std::lround(k.A * std::cos(k.Angle))),
                                     c.Y - int(std::lround(k.A * std::sin(k.Angle)))));
    EXPECT_LE(double(points.size()), std::round(4 * (k.A + k.B)));
    EXPECT_TRUE(Continuous(points, true)) << k.Angle << " " << k.B << " " << k.A;
    std::set<int> quadrants;
    for (const TPoint &p : points) {
      const double dx = p.X - c.X;
      const double dy = p.Y - c.Y;
      const double u = (dx * std::cos(k.Angle) - dy * std::sin(k.Angle)) / k.A;
      const double v = (dx * std::sin(k.Angle) + dy * std::cos(k.Angle)) / k.B;
      // Within about a pixel of the curve: the normalised radius is close to 1.
      EXPECT_NEAR(std::hypot(u, v), 1.0, 1.5 / std::min(k.A, k.B)) << dx << "," << dy;
      quadrants.insert((u >= 0 ? 1 : 0) + (v >= 0 ? 2 : 0));
    }
    EXPECT_EQ(quadrants.size(), 4u);
  }
}

TEST(RotatedEllipsePointsTest, SmallEllipsesAreAClosedNineSidedPolygon) {
  const TPointDynArray points = RotatedEllipsePoints({10, 10}, 0.3, 2, 4);
  ASSERT_GT(points.size(), 4u);
  EXPECT_EQ(points.front(), TPoint(14, 9));
  EXPECT_EQ(points.back(), points.front());
  EXPECT_TRUE(Continuous(TPointDynArray(points.begin(), points.end() - 1), true));
  EXPECT_TRUE(RotatedEllipsePoints({0, 0}, std::nan(""), 5, 5).empty());
}

// ---------------------------------------------------------------------------------------------

TEST(SplinePointsTest, TwoPointsGiveStepsPlusOnePointsFromFirstToSecond) {
  const TPointDynArray curve = SplinePoints({{0, 0}, {10, 5}}, 10);
  ASSERT_EQ(curve.size(), 11u);
  EXPECT_EQ(curve.front(), TPoint(0, 0));
  EXPECT_EQ(curve.back(), TPoint(10, 5));
  EXPECT_TRUE(SplinePoints({{3, 3}}, 10).empty());
  EXPECT_TRUE(SplinePoints({{3, 3}, {3, 3}}, 10).empty());
  // Fewer than 5 steps still divide by 5: the span is not finished.
  const TPointDynArray coarse = SplinePoints({{0, 0}, {10, 0}}, 3);
  ASSERT_EQ(coarse.size(), 4u);
  EXPECT_LT(coarse.back().X, 10);
}

TEST(SplinePointsTest, PassesThroughEveryControlPoint) {
  const TPointDynArray control = {{0, 0}, {40, 0}, {40, 40}, {0, 40}, {20, 60}};
  const TPointDynArray curve = SplinePoints(control, 10);
  ASSERT_EQ(curve.size(), (control.size() - 1) * 10 + 1);
  for (std::size_t j = 0; j < control.size(); ++j) EXPECT_EQ(curve[j * 10], control[j]) << j;
  // Catmull-Rom at t = 1/2 of the span (40,0)-(40,40) between (0,0) and (0,40): x = 45.
  EXPECT_EQ(curve[15], TPoint(45, 20));
  // A straight run stays straight.
  for (const TPoint &p : SplinePoints({{0, 0}, {10, 0}, {20, 0}}, 5)) EXPECT_EQ(p.Y, 0);
}

TEST(SplinePointsTest, DrawnAsAPolylineAndClampedAtTheRange) {
  QImage image(60, 60, QImage::Format_RGB888);
  image.fill(Qt::white);
  QPainter painter(&image);
  painter.setPen(Qt::black);
  DrawSpline(&painter, {{5, 5}, {50, 10}, {30, 50}}, 10);
  painter.end();
  const auto painted = Painted(image);
  for (const TPoint &p : SplinePoints({{5, 5}, {50, 10}, {30, 50}}, 10)) EXPECT_TRUE(painted.count({p.X, p.Y}));
  // Points farther apart than a pixel are joined.
  QImage straight(60, 10, QImage::Format_RGB888);
  straight.fill(Qt::white);
  QPainter second(&straight);
  second.setPen(Qt::black);
  DrawSpline(&second, {{2, 5}, {52, 5}}, 5);
  second.setPen(QPen(Qt::black, 1, Qt::DashLine));
  DrawCircle(&second, {30, 5}, 40);
  second.end();
  for (int x = 2; x <= 52; ++x) EXPECT_EQ(straight.pixel(x, 5), 0xFF000000u) << x;
  for (const TPoint &p : SplinePoints({{-INT_MAX, 0}, {INT_MAX, 0}, {-INT_MAX, 10}}, 10)) {
    EXPECT_GE(p.X, -INT_MAX);
    EXPECT_LE(p.X, INT_MAX);
  }
}

}  // namespace curves_test
