// Cutting polylines and polygons to a rectangle, for pictures that keep no clip.
#include "kit/Clipping.h"

#include <gtest/gtest.h>

#include <cmath>

namespace clipping_test {

using namespace kolibra;

const QRectF Box(0.0, 0.0, 10.0, 10.0);

TEST(ClipPolyline, KeepsThePiecesInsideTheRectangle) {
  struct TCase {
    const char *Name;
    QPolygonF Line;
    std::vector<QPolygonF> Pieces;
  };
  const double nan = std::nan("");
  const TCase cases[] = {
      {"inside", QPolygonF{{1, 1}, {5, 5}, {9, 1}}, {QPolygonF{{1, 1}, {5, 5}, {9, 1}}}},
      {"crossing", QPolygonF{{-5, 5}, {15, 5}}, {QPolygonF{{0, 5}, {10, 5}}}},
      {"out and back in", QPolygonF{{5, 5}, {5, 15}, {8, 5}},
       {QPolygonF{{5, 5}, {5, 10}}, QPolygonF{{6.5, 10}, {8, 5}}}},
      {"outside", QPolygonF{{-5, -5}, {-1, 20}}, {}},
      {"along an edge", QPolygonF{{0, -2}, {0, 12}}, {QPolygonF{{0, 0}, {0, 10}}}},
      {"a gap that is not a number", QPolygonF{{1, 1}, {2, 2}, {nan, 3}, {4, 4}, {5, 5}},
       {QPolygonF{{1, 1}, {2, 2}}, QPolygonF{{4, 4}, {5, 5}}}},
      {"one point", QPolygonF{{3, 3}}, {QPolygonF{{3, 3}}}},
  };
  for (const TCase &c : cases) {
    SCOPED_TRACE(c.Name);
    const std::vector<QPolygonF> pieces = ClipPolyline(c.Line, Box);
    ASSERT_EQ(pieces.size(), c.Pieces.size());
    for (size_t i = 0; i < pieces.size(); ++i) {
      ASSERT_EQ(pieces[i].size(), c.Pieces[i].size()) << i;
      for (int k = 0; k < pieces[i].size(); ++k) {
        EXPECT_NEAR(pieces[i][k].x(), c.Pieces[i][k].x(), 1e-12);
        EXPECT_NEAR(pieces[i][k].y(), c.Pieces[i][k].y(), 1e-12);
      }
    }
  }
}

double Area(const QPolygonF &p) {
  double twice = 0.0;
  for (int i = 0; i < p.size(); ++i) {
    const QPointF a = p[i], b = p[(i + 1) % p.size()];
    twice += a.x() * b.y() - b.x() * a.y();
  }
  return std::fabs(twice) / 2.0;
}

TEST(ClipPolygon, KeepsThePartInsideTheRectangle) {
  // A square half over the right edge and a triangle covering a corner.
  EXPECT_NEAR(Area(ClipPolygon(QPolygonF{{6, 2}, {14, 2}, {14, 6}, {6, 6}}, Box)), 16.0, 1e-12);
  EXPECT_NEAR(Area(ClipPolygon(QPolygonF{{-10, -10}, {30, -10}, {-10, 30}}, Box)), 100.0, 1e-12);
  EXPECT_NEAR(Area(ClipPolygon(QPolygonF{{8, 8}, {12, 8}, {8, 12}}, Box)), 4.0, 1e-12);  // the square [8, 10]²
  EXPECT_NEAR(Area(ClipPolygon(QPolygonF{{6, 6}, {12, 6}, {6, 12}}, Box)), 16.0 - 2.0, 1e-12);  // a corner cut off
  for (const QPointF &p : ClipPolygon(QPolygonF{{8, 8}, {12, 8}, {8, 12}}, Box)) EXPECT_TRUE(Box.contains(p));
  EXPECT_TRUE(ClipPolygon(QPolygonF{{20, 20}, {30, 20}, {25, 30}}, Box).isEmpty());
}

}  // namespace clipping_test
