#include "kit/MathUtils.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <random>

using namespace kolibra;

// Named rather than anonymous: the tests are compiled as one unity batch.
namespace geometry_test {

constexpr double kPi = std::numbers::pi;

void ExpectPoint(TPointD actual, TPointD expected, double tolerance = 1e-9) {
  EXPECT_NEAR(actual.X, expected.X, tolerance);
  EXPECT_NEAR(actual.Y, expected.Y, tolerance);
}

TEST(Geometry, DistancesAndSamePoints) {
  EXPECT_DOUBLE_EQ(DistanceD({0, 0}, {3, 4}), 5.0);
  EXPECT_DOUBLE_EQ(DistanceI({1, 1}, {-2, -3}), 5.0);
  // Differences beyond 32 bits must not wrap.
  EXPECT_DOUBLE_EQ(DistanceI({-2147483647, 0}, {2147483647, 0}), 4294967294.0);
  EXPECT_TRUE(SamePointD({1, 2}, {1 + 1e-101, 2}));
  EXPECT_FALSE(SamePointD({1, 2}, {1, 2.000001}));
  EXPECT_TRUE(SamePointI({3, -4}, {3, -4}));
  EXPECT_FALSE(SamePointI({3, -4}, {3, 4}));
}

TEST(Geometry, TurnAngle) {
  const struct {
    TPoint a, b, c;
    double expected;
  } cases[] = {
      {{0, 0}, {1, 0}, {2, 0}, kPi},           // straight on
      {{0, 0}, {1, 0}, {1, 1}, kPi / 2},       // perpendicular, positive cross
      {{0, 0}, {1, 0}, {1, -1}, -kPi / 2},     // perpendicular, negative cross
      {{0, 0}, {1, 0}, {0, 0}, 0.0},           // straight back
      {{0, 0}, {1, 0}, {2, 1}, 3 * kPi / 4},
      {{0, 0}, {1, 0}, {2, -1}, -3 * kPi / 4},
      {{0, 0}, {1, 0}, {0, 1}, kPi / 4},
      {{5, 5}, {5, 5}, {6, 5}, kPi / 2},       // a zero side counts as perpendicular
  };
  for (const auto &c : cases) {
    EXPECT_NEAR(TurnAngle(c.a, c.b, c.c), c.expected, 1e-12);
    EXPECT_NEAR(TurnAngle(TPointD(c.a), TPointD(c.b), TPointD(c.c)), c.expected, 1e-12);
  }
  // A negative zero must not turn a straight line into -pi.
  EXPECT_DOUBLE_EQ(TurnAngle(TPointD(0, 0), TPointD(1, -0.0), TPointD(2, 0.0)), kPi);
  EXPECT_DOUBLE_EQ(TurnAngle(TPointD(2, 0), TPointD(1, 0.0), TPointD(0, -0.0)), kPi);
}

TEST(Geometry, ProjectionsOnLines) {
  ExpectPoint(ProjectOnLine({3, 4}, {0, 1}, {0, 0}, {2, 0}), {3, 1});
  ExpectPoint(ProjectOnLine({2, 0}, {0, 0}, {0, 0}, {1, 1}), {1, 1});
  ExpectPoint(ProjectOnLine({4, 0}, {0, 2}, {5, 5}, {6, 6}), {1, 3});
  ExpectPoint(ProjectOnLine({2, 7}, {0, 0}, {1, 1}, {1, 1}), {2, 7});

  ExpectPoint(PerpendicularFoot({2, 0}, {0, 0}, {1, 1}), {1, 1});
  ExpectPoint(PerpendicularFoot({5, 5}, {0, 0}, {1, 0}), {5, 0});
  ExpectPoint(PerpendicularFoot({-3, 2}, {1, 1}, {1, 4}), {1, 2});
  ExpectPoint(PerpendicularFoot({5, 5}, {1, 2}, {1, 2}), {1, 2});
}

TEST(Geometry, CircleThrough3) {
  const struct {
    TPointD a, b, c, centre;
    double radius;
  } cases[] = {
      {{0, 0}, {1, 0}, {0, 1}, {0.5, 0.5}, std::sqrt(0.5)},
      {{1, 0}, {0, 1}, {-1, 0}, {0, 0}, 1.0},
      {{0, 0}, {0, 2}, {1, 1}, {0, 1}, 1.0},
      // Right angles with their sides along the axes, in every order.
      {{0, 0}, {1, 0}, {1, 1}, {0.5, 0.5}, std::sqrt(0.5)},
      {{1, 1}, {1, 0}, {0, 0}, {0.5, 0.5}, std::sqrt(0.5)},
      {{100, 100}, {200, 100}, {200, 200}, {150, 150}, std::sqrt(5000.0)},
      {{3, 4 + 5}, {3 + 5, 4}, {3 - 3, 4 - 4}, {3, 4}, 5.0},
  };
  for (const auto &c : cases) {
    TPointD centre(-99, -99);
    double radius = -1;
    ASSERT_TRUE(CircleThrough3(c.a, c.b, c.c, centre, radius));
    ExpectPoint(centre, c.centre);
    EXPECT_NEAR(radius, c.radius, 1e-9);
  }

  const struct {
    TPointD a, b, c;
  } failures[] = {
      {{0, 0}, {1, 1}, {2, 2}},  // collinear
      {{0, 0}, {0, 1}, {0, 2}},  // vertical
      {{0, 3}, {1, 3}, {5, 3}},  // horizontal
      {{1, 1}, {1, 1}, {2, 3}},  // two coincide
      {{0.1, 0.1}, {0.2, 0.2}, {0.3, 0.3}},
  };
  for (const auto &f : failures) {
    TPointD centre(-99, -99);
    double radius = -1;
    EXPECT_FALSE(CircleThrough3(f.a, f.b, f.c, centre, radius));
    EXPECT_EQ(radius, 0.0);
    EXPECT_EQ(centre.X, -99.0);
    EXPECT_EQ(centre.Y, -99.0);
  }
}

TEST(Geometry, EllipsePerimeter) {
  EXPECT_NEAR(EllipsePerimeter(1, 1), 2 * kPi, 1e-12);
  EXPECT_NEAR(EllipsePerimeter(-3, 3), 6 * kPi, 1e-12);
  EXPECT_NEAR(EllipsePerimeter(2, 1), kPi * (9 - std::sqrt(35.0)), 1e-12);
  EXPECT_NEAR(EllipsePerimeter(-2, -1), 9.688421098, 1e-8);
  EXPECT_NEAR(EllipsePerimeter(1, 0), kPi * (3 - std::sqrt(3.0)), 1e-12);
}

TEST(Geometry, QuadrantSign) {
  const struct {
    TPoint p, q;
    int expected;
  } cases[] = {{{0, 0}, {1, 1}, -1},  {{0, 0}, {-1, 1}, 1}, {{0, 0}, {1, -1}, 1},
               {{0, 0}, {-1, -1}, -1}, {{0, 0}, {0, 5}, 0},  {{0, 0}, {5, 0}, 0},
               {{3, 3}, {3, 3}, 0}};
  for (const auto &c : cases) EXPECT_EQ(QuadrantSign(c.p, c.q), c.expected);
}

TEST(Geometry, ClipSegment) {
  const struct {
    TPoint p1, p2, c1, c2, e1, e2;
  } cases[] = {
      {{1, 1}, {9, 9}, {0, 0}, {10, 10}, {1, 1}, {9, 9}},             // inside
      {{-5, 5}, {15, 5}, {0, 0}, {10, 10}, {0, 5}, {10, 5}},          // across
      {{-5, -5}, {15, 15}, {10, 10}, {0, 0}, {0, 0}, {10, 10}},       // corners reversed
      {{5, 5}, {5, 20}, {0, 10}, {10, 0}, {5, 5}, {5, 10}},
      {{5, 5}, {15, 10}, {0, 0}, {10, 10}, {5, 5}, {10, 8}},          // 7.5 rounds to even
      {{-1, 0}, {2, 1}, {0, 0}, {10, 10}, {0, 0}, {2, 1}},
      {{12, -3}, {-2, 11}, {0, 0}, {10, 10}, {9, 0}, {0, 9}},
      // Wholly outside: the first end is clipped once, then the loop gives up.
      {{-10, 5}, {5, -10}, {0, 0}, {10, 10}, {0, -5}, {5, -10}},
      {{20, 20}, {30, 40}, {0, 0}, {10, 10}, {20, 20}, {30, 40}},
  };
  for (const auto &c : cases) {
    TPoint p1 = c.p1, p2 = c.p2;
    ClipSegment(p1, p2, c.c1, c.c2);
    EXPECT_EQ(p1, c.e1) << c.p1.X << "," << c.p1.Y << " " << c.p2.X << "," << c.p2.Y;
    EXPECT_EQ(p2, c.e2) << c.p1.X << "," << c.p1.Y << " " << c.p2.X << "," << c.p2.Y;
  }
}

TEST(Geometry, BoundsAndUnion) {
  const TRectD empty = BoundsD({});
  EXPECT_EQ(empty.XMin, 1e100);
  EXPECT_EQ(empty.YMin, 1e100);
  EXPECT_EQ(empty.XMax, -1e100);
  EXPECT_EQ(empty.YMax, -1e100);

  const TRectD r = BoundsD({{1, 2}, {-3, 5}, {4, -1}});
  EXPECT_EQ(r.XMin, -3.0);
  EXPECT_EQ(r.XMax, 4.0);
  EXPECT_EQ(r.YMin, -1.0);
  EXPECT_EQ(r.YMax, 5.0);

  const TRectD same = UnionRectD(empty, r);
  EXPECT_EQ(same.XMin, -3.0);
  const TRectD u = UnionRectD(r, TRectD{0, 10, -7, 0});
  EXPECT_EQ(u.XMin, -3.0);
  EXPECT_EQ(u.XMax, 10.0);
  EXPECT_EQ(u.YMin, -7.0);
  EXPECT_EQ(u.YMax, 5.0);
}

// ---------------------------------------------------------------------------------------------

TEST(EnclosingCircle, KnownSets) {
  const struct {
    TPointDDynArray points;
    TPointD centre;
    double radius;
  } cases[] = {
      {{{0, 0}, {2, 0}, {2, 2}, {0, 2}}, {1, 1}, std::sqrt(2.0)},          // square
      {{{0, 0}, {4, 0}, {2, 3}}, {2, 5.0 / 6.0}, 13.0 / 6.0},              // acute triangle
      {{{0, 0}, {10, 0}, {5, 1}, {4, -2}}, {5, 0}, 5.0},                   // pair suffices
      {{{0, 0}, {1, 0}, {2, 0}, {5, 0}, {3, 0}}, {2.5, 0}, 2.5},           // collinear
      {{{1, 1}, {1, 1}, {1, 1}}, {1, 1}, 0.0},                             // one point
      {{{0, 0}, {0, 0}, {6, 8}, {6, 8}}, {3, 4}, 5.0},                     // duplicates
  };
  for (const auto &c : cases) {
    TPointD centre(-99, -99);
    double radius = -1;
    EnclosingCircle(c.points, centre, radius);
    ExpectPoint(centre, c.centre, 1e-9);
    EXPECT_NEAR(radius, c.radius, 1e-9);
    TPointD only(-99, -99);
    EnclosingCircleCentre(c.points, only);
    ExpectPoint(only, c.centre, 1e-9);
  }
}

TEST(EnclosingCircle, FewerThanThreePointsKeepTheCentre) {
  for (const TPointDDynArray &points : {TPointDDynArray{}, TPointDDynArray{{1, 1}},
                                         TPointDDynArray{{1, 1}, {5, 5}}}) {
    TPointD centre(7, 8);
    EnclosingCircleCentre(points, centre);
    EXPECT_EQ(centre.X, 7.0);
    EXPECT_EQ(centre.Y, 8.0);
  }
}

// Brute force over every pair and triple: the smallest of their circles that holds all.
void SmallestCircleByBruteForce(const TPointDDynArray &points, TPointD &centre, double &radius) {
  radius = 1e300;
  auto holdsAll = [&points](TPointD c, double r) {
    for (const TPointD &p : points)
      if (DistanceD(p, c) > r + 1e-7) return false;
    return true;
  };
  const size_t n = points.size();
  for (size_t i = 0; i < n; ++i)
    for (size_t j = i + 1; j < n; ++j) {
      const TPointD c((points[i].X + points[j].X) / 2, (points[i].Y + points[j].Y) / 2);
      const double r = DistanceD(points[i], points[j]) / 2;
      if (r < radius && holdsAll(c, r)) {
        centre = c;
        radius = r;
      }
      for (size_t k = j + 1; k < n; ++k) {
        TPointD cc;
        double rr = 0;
        if (CircleThrough3(points[i], points[j], points[k], cc, rr) && rr < radius &&
            holdsAll(cc, rr)) {
          centre = cc;
          radius = rr;
        }
      }
    }
}

TEST(EnclosingCircle, MatchesBruteForceOnRandomSets) {
  std::mt19937 generator(20240611);
  std::uniform_real_distribution<double> coordinate(0.0, 1.0);
  std::uniform_int_distribution<int> count(3, 14);
  for (int set = 0; set < 300; ++set) {
    TPointDDynArray points(size_t(count(generator)));
    for (TPointD &p : points) p = TPointD(coordinate(generator), coordinate(generator));
    TPointD expected, centre;
    double expectedRadius = 0, radius = 0;
    SmallestCircleByBruteForce(points, expected, expectedRadius);
    EnclosingCircle(points, centre, radius);
    EXPECT_NEAR(radius, expectedRadius, 1e-6) << "set " << set;
    ExpectPoint(centre, expected, 1e-5);
  }
}

TEST(EnclosingCircle, StopsOnDegenerateSets) {
  // Many collinear points with rounding noise, and a pixel grid full of right angles.
  TPointDDynArray line;
  for (int i = 0; i < 200; ++i) line.push_back({0.1 * i, 0.3 * i + 1e-12 * (i % 3)});
  TPointD centre;
  double radius = 0;
  EnclosingCircle(line, centre, radius);
  ExpectPoint(centre, {9.95, 29.85}, 1e-6);

  TPointDDynArray grid;
  for (int x = 0; x <= 20; ++x)
    for (int y = 0; y <= 10; ++y) grid.push_back({double(x), double(y)});
  EnclosingCircle(grid, centre, radius);
  ExpectPoint(centre, {10, 5}, 1e-9);
  EXPECT_NEAR(radius, std::sqrt(125.0), 1e-9);
}

}  // namespace geometry_test
