#include "measurement/DrawHelpers.h"

#include <gtest/gtest.h>

#include <climits>
#include <set>

using kolibra::TMatriceI;
using kolibra::TMatricePoint;
using kolibra::TPoint;
using kolibra::TPointDynArray;
using namespace kolibra::measurement;

namespace polygons_test {

const QRect kWide(QPoint(-1000, -1000), QPoint(1000, 1000));

int Cell(const QRect &bounds, const TMatriceI &mask, int x, int y) {
  return mask[std::size_t(y - bounds.top())][std::size_t(x - bounds.left())];
}

int InsideCount(const TMatriceI &mask) {
  int count = 0;
  for (const auto &row : mask)
    for (int v : row) count += v != 0 ? 1 : 0;
  return count;
}

// Winding number of the pixel centre (x, y), counted the classic way (Sunday): every edge
// with the point strictly on its left counts, over the rows [upper end, lower end).
int Winding(const TPointDynArray &polygon, int x, int y) {
  int winding = 0;
  for (std::size_t i = 0; i < polygon.size(); ++i) {
    const TPoint a = polygon[i];
    const TPoint b = polygon[(i + 1) % polygon.size()];
    const long long side = (long long)(b.X - a.X) * (y - a.Y) - (long long)(x - a.X) * (b.Y - a.Y);
    if (a.Y <= y && b.Y > y && side > 0) --winding;
    if (b.Y <= y && a.Y > y && side < 0) ++winding;
  }
  return winding;
}

TEST(PointCleanUpTest, DuplicatesAndCollinearPoints) {
  EXPECT_EQ(RemoveDuplicatePoints({{0, 0}, {0, 0}, {1, 1}, {1, 1}, {0, 0}}), (TPointDynArray{{0, 0}, {1, 1}, {0, 0}}));
  EXPECT_TRUE(RemoveDuplicatePoints({}).empty());
  EXPECT_EQ(RemoveCollinearPoints({{0, 0}, {1, 0}, {2, 0}, {3, 1}, {4, 2}}), (TPointDynArray{{0, 0}, {2, 0}, {4, 2}}));
  // Collinear but turning back: not on the segment, so kept.
  EXPECT_EQ(RemoveCollinearPoints({{0, 0}, {5, 0}, {2, 0}}), (TPointDynArray{{0, 0}, {5, 0}, {2, 0}}));
  EXPECT_EQ(RemoveCollinearPoints({{0, 0}, {9, 9}}), (TPointDynArray{{0, 0}, {9, 9}}));
  // Exact even at the ends of the int range.
  EXPECT_EQ(RemoveCollinearPoints({{-INT_MAX, -INT_MAX}, {0, 0}, {INT_MAX, INT_MAX}}),
            (TPointDynArray{{-INT_MAX, -INT_MAX}, {INT_MAX, INT_MAX}}));
  EXPECT_EQ(RemoveCollinearPoints({{-INT_MAX, -INT_MAX}, {0, 1}, {INT_MAX, INT_MAX}}).size(), 3u);
}

TEST(PolygonMaskTest, SquareWithItsBorder) {
  QRect bounds;
  TMatriceI mask;
  TPointDynArray border;
  ASSERT_TRUE(PolygonMask({{0, 0}, {4, 0}, {4, 4}, {0, 4}}, kWide, bounds, mask, border));
  EXPECT_EQ(bounds, QRect(QPoint(-1, -1), QPoint(5, 5)));
  ASSERT_EQ(mask.size(), 7u);
  ASSERT_EQ(mask[0].size(), 7u);
  EXPECT_EQ(InsideCount(mask), 25);
  for (int y = -1; y <= 5; ++y)
    for (int x = -1; x <= 5; ++x)
      EXPECT_EQ(Cell(bounds, mask, x, y) != 0, x >= 0 && x <= 4 && y >= 0 && y <= 4) << x << "," << y;
  EXPECT_EQ(border.size(), 16u);
  EXPECT_EQ(border.front(), TPoint(0, 0));
  EXPECT_EQ(border[4], TPoint(4, 0));
  EXPECT_EQ(border.back(), TPoint(0, 1));
  EXPECT_EQ(MaskCentroid(bounds, mask), TPoint(2, 2));
}

TEST(PolygonMaskTest, ConcavePolygonLeavesItsNotchEmpty) {
  // A U: full rows 0..2, two legs of three columns below, a notch at x = 3.
  const TPointDynArray u = {{0, 0}, {6, 0}, {6, 6}, {4, 6}, {4, 2}, {2, 2}, {2, 6}, {0, 6}};
  QRect bounds;
  TMatriceI mask;
  TPointDynArray border;
  ASSERT_TRUE(PolygonMask(u, kWide, bounds, mask, border));
  EXPECT_EQ(InsideCount(mask), 45);
  for (int y = 3; y <= 6; ++y) {
    EXPECT_EQ(Cell(bounds, mask, 3, y), 0) << y;
    EXPECT_NE(Cell(bounds, mask, 1, y), 0) << y;
    EXPECT_NE(Cell(bounds, mask, 5, y), 0) << y;
  }
  EXPECT_NE(Cell(bounds, mask, 3, 1), 0);
  EXPECT_EQ(MaskCentroid(bounds, mask), TPoint(3, 3));
}

TEST(PolygonMaskTest, AgreesWithTheWindingNumberOfEveryPixel) {
  const TPointDynArray polygons[] = {
      {{3, 2}, {40, 9}, {25, 37}},
      {{20, 0}, {31, 38}, {0, 14}, {40, 14}, {9, 38}},  // a pentagram: its centre winds twice
      {{0, 0}, {30, 5}, {12, 12}, {35, 30}, {2, 25}, {20, 18}},
  };
  for (const TPointDynArray &polygon : polygons) {
    QRect bounds;
    TMatriceI mask;
    TPointDynArray border;
    ASSERT_TRUE(PolygonMask(polygon, kWide, bounds, mask, border));
    std::set<std::pair<int, int>> onBorder;
    for (std::size_t i = 0; i < polygon.size(); ++i)
      for (const TPoint &p : LinePoints(polygon[i], polygon[(i + 1) % polygon.size()])) onBorder.insert({p.X, p.Y});
    std::set<std::pair<int, int>> listed;
    for (const TPoint &p : border) listed.insert({p.X, p.Y});
    EXPECT_EQ(listed, onBorder);
    for (int y = bounds.top(); y <= bounds.bottom(); ++y)
      for (int x = bounds.left(); x <= bounds.right(); ++x) {
        const bool expected = onBorder.count({x, y}) > 0 || Winding(polygon, x, y) != 0;
        ASSERT_EQ(Cell(bounds, mask, x, y) != 0, expected) << x << "," << y;
      }
  }
  QRect bounds;
  TMatriceI mask;
  TPointDynArray border;
  ASSERT_TRUE(PolygonMask(polygons[1], kWide, bounds, mask, border));
  EXPECT_NE(Cell(bounds, mask, 20, 20), 0);
}

TEST(PolygonMaskTest, APolygonLargerThanTheClipStaysFilled) {
  // The right edge lies beyond the clip; its crossings still close every row.
  for (int half : {100, 2000000000}) {
    QRect bounds;
    TMatriceI mask;
    TPointDynArray border;
    ASSERT_TRUE(PolygonMask({{-half, -half}, {half, -half}, {half, half}, {-half, half}},
                            QRect(QPoint(0, 0), QPoint(9, 9)), bounds, mask, border));
    EXPECT_EQ(bounds, QRect(QPoint(-1, -1), QPoint(10, 10)));
    EXPECT_EQ(InsideCount(mask), 144) << half;
    EXPECT_TRUE(border.empty());
  }
}

TEST(PolygonMaskTest, DegenerateOrMissingPolygonsGiveNoMask) {
  QRect bounds;
  TMatriceI mask;
  TPointDynArray border;
  EXPECT_FALSE(PolygonMask({}, kWide, bounds, mask, border));
  EXPECT_FALSE(PolygonMask({{3, 3}, {3, 3}, {3, 3}}, kWide, bounds, mask, border));
  EXPECT_FALSE(PolygonMask({{0, 0}, {10, 0}, {5, 0}}, kWide, bounds, mask, border));  // no row crossed
  EXPECT_FALSE(PolygonMask({{0, 0}, {4, 0}, {4, 4}}, QRect(QPoint(10, 10), QPoint(20, 20)), bounds, mask, border));
  EXPECT_TRUE(mask.empty());
  EXPECT_TRUE(border.empty());
  // Two distinct points make a thin polygon: its mask is the line.
  ASSERT_TRUE(PolygonMask({{0, 0}, {3, 6}}, kWide, bounds, mask, border));
  EXPECT_EQ(InsideCount(mask), 7);
}

TEST(MaskCentroidTest, MeanCellPlusTheRectCorner) {
  EXPECT_EQ(MaskCentroid(QRect(5, 5, 3, 3), {{0, 0, 0}, {0, 0, 0}}), TPoint(0, 0));
  EXPECT_EQ(MaskCentroid(QRect(10, 20, 4, 2), {{1, 0, 0, 0}, {0, 0, 0, 1}}), TPoint(12, 20));  // (1.5, 0.5) half to even
  EXPECT_EQ(MaskCentroid(QRect(10, 20, 4, 2), {{1, 0, 0, 0}, {0, 0, -2, 1}}), TPoint(12, 21));
}

TEST(ClipOutlineTest, PiecesInsideTheRect) {
  const TPointDynArray square = {{0, 0}, {10, 0}, {10, 10}, {0, 10}};
  EXPECT_EQ(ClipOutline(square, QRect(QPoint(-5, -5), QPoint(20, 20))),
            (TMatricePoint{{{0, 0}, {10, 0}, {10, 10}, {0, 10}, {0, 0}}}));
  EXPECT_EQ(ClipOutline(square, QRect(QPoint(5, -5), QPoint(20, 20))),
            (TMatricePoint{{{5, 0}, {10, 0}, {10, 10}, {5, 10}}}));
  // The piece through the outline's first point is one piece, not two.
  EXPECT_EQ(ClipOutline(square, QRect(QPoint(-5, -5), QPoint(5, 20))),
            (TMatricePoint{{{5, 10}, {0, 10}, {0, 0}, {5, 0}}}));
  EXPECT_EQ(ClipOutline(square, QRect(QPoint(-5, 3), QPoint(20, 7))),
            (TMatricePoint{{{10, 3}, {10, 7}}, {{0, 7}, {0, 3}}}));
  EXPECT_TRUE(ClipOutline(square, QRect(QPoint(11, -5), QPoint(20, 20))).empty());
  EXPECT_TRUE(ClipOutline({}, QRect(0, 0, 10, 10)).empty());
}

TEST(ClipOutlineTest, HugeOutlineAgainstASmallRect) {
  const TPointDynArray huge = {{-INT_MAX, 5}, {INT_MAX, 5}, {INT_MAX, INT_MAX}, {-INT_MAX, INT_MAX}};
  EXPECT_EQ(ClipOutline(huge, QRect(QPoint(0, 0), QPoint(9, 9))), (TMatricePoint{{{0, 5}, {9, 5}}}));
}

}  // namespace polygons_test
