// Polygon tools for the tracker's and the studio's outlines: clean-up of point lists, the
// mask of a polygon (which pixels are inside), clipping an outline to a rectangle and the
// centroid of a mask. Border pixels come from the same pixel lines as LinePoints, so a mask
// and a drawn outline agree pixel for pixel.

#include "measurement/DrawHelpers.h"

#include "kit/MathUtils.h"
#include "measurement/DrawingInternal.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace kolibra::measurement {

namespace polygons_detail {

using drawing_detail::ClampToInt;
using drawing_detail::TLineWalk;

// Largest mask built, in cells; a larger one would not be a picture but a runaway clip.
constexpr std::int64_t kMaxMaskCells = std::int64_t(1) << 26;

#if defined(__SIZEOF_INT128__)
__extension__ typedef __int128 TWide;
#else
typedef long double TWide;
#endif

// Sign of the cross product (b - a) x (p - a), exact for any int coordinates.
int CrossSign(TPoint a, TPoint b, TPoint p) {
  const TWide ux = TWide(std::int64_t(b.X) - a.X);
  const TWide uy = TWide(std::int64_t(b.Y) - a.Y);
  const TWide vx = TWide(std::int64_t(p.X) - a.X);
  const TWide vy = TWide(std::int64_t(p.Y) - a.Y);
  const TWide cross = ux * vy - uy * vx;
  return cross > 0 ? 1 : (cross < 0 ? -1 : 0);
}

// ceil(a * b / d) for d > 0, clamped to the int64 range.
std::int64_t CeilMulDiv(std::int64_t a, std::int64_t b, std::int64_t d) {
#if defined(__SIZEOF_INT128__)
  const TWide n = TWide(a) * b;
  TWide q = n / d;
  if (n % d > 0) q += 1;
  if (q > TWide(std::numeric_limits<std::int64_t>::max())) return std::numeric_limits<std::int64_t>::max();
  if (q < TWide(std::numeric_limits<std::int64_t>::min())) return std::numeric_limits<std::int64_t>::min();
  return std::int64_t(q);
#else
  const long double q = std::ceil((long double)a * b / d);
  return std::int64_t(std::clamp(q, -9.2e18L, 9.2e18L));
#endif
}

// The polygon without consecutive repeats and without a closing repeat of its first point.
TPointDynArray OpenPolygon(const TPointDynArray &points) {
  TPointDynArray open = RemoveDuplicatePoints(points);
  while (open.size() > 1 && open.back() == open.front()) open.pop_back();
  return open;
}

// Walks the border pixels of the closed polygon (open vertex list) in path order and hands
// those inside window to visit(pixel, index along the path). Each edge is visited only over
// the steps that can reach the window, so far-away vertices cost nothing; the closing pixel,
// which repeats the first, is left out.
template <class TVisit>
void WalkBorder(const TPointDynArray &open, const QRect &window, TVisit visit) {
  const std::size_t n = open.size();
  std::int64_t total = 0;
  for (std::size_t e = 0; e < n; ++e)
    total += TLineWalk(open[e], open[(e + 1) % n]).Count() - (e == 0 ? 0 : 1);
  std::int64_t base = 0;
  std::int64_t visited = 0;
  for (std::size_t e = 0; e < n && visited < drawing_detail::kMaxPointListLength; ++e) {
    const TLineWalk walk(open[e], open[(e + 1) % n]);
    const std::int64_t skip = e == 0 ? 0 : 1;  // the shared vertex was the previous edge's
    std::int64_t first = 0;
    std::int64_t last = 0;
    walk.WindowRange(window.left(), window.top(), window.right(), window.bottom(), first, last);
    first = std::max(first, skip);
    for (std::int64_t k = first; k <= last; ++k) {
      const std::int64_t index = base + k - skip;
      if (index >= total - 1) break;
      const TPoint q = walk.At(k);
      if (!window.contains(q.ToQPoint())) continue;
      visit(q, index);
      if (++visited >= drawing_detail::kMaxPointListLength) break;
    }
    base += walk.Count() - skip;
  }
}

}  // namespace polygons_detail

TPointDynArray RemoveDuplicatePoints(const TPointDynArray &points) {
  TPointDynArray result;
  result.reserve(points.size());
  for (const TPoint &p : points)
    if (result.empty() || !(result.back() == p)) result.push_back(p);
  return result;
}

TPointDynArray RemoveCollinearPoints(const TPointDynArray &points) {
  if (points.size() <= 2) return points;
  TPointDynArray result{points.front()};
  for (std::size_t i = 1; i + 1 < points.size(); ++i) {
    const TPoint a = result.back();
    const TPoint b = points[i + 1];
    const TPoint p = points[i];
    const bool onSegment = polygons_detail::CrossSign(a, b, p) == 0 &&
                           p.X >= std::min(a.X, b.X) && p.X <= std::max(a.X, b.X) &&
                           p.Y >= std::min(a.Y, b.Y) && p.Y <= std::max(a.Y, b.Y);
    if (!onSegment) result.push_back(p);
  }
  result.push_back(points.back());
  return result;
}

bool PolygonMask(const TPointDynArray &polygon, const QRect &clip, QRect &bounds, TMatriceI &mask,
                 TPointDynArray &border) {
  using namespace polygons_detail;
  bounds = QRect();
  mask.clear();
  border.clear();
  const TPointDynArray open = OpenPolygon(polygon);
  if (open.size() < 2) return false;
  const std::size_t n = open.size();

  // Each edge crosses the pixel rows from its upper end included to its lower end excluded:
  // a vertex where the outline goes on up or down is counted once, one where it turns back
  // vertically twice with opposite directions or not at all, so no row is counted twice.
  std::int64_t crossings = 0;
  for (std::size_t e = 0; e < n; ++e)
    crossings += drawing_detail::Abs64(std::int64_t(open[(e + 1) % n].Y) - open[e].Y);
  if (crossings < 2) return false;

  int minX = open[0].X, maxX = open[0].X, minY = open[0].Y, maxY = open[0].Y;
  for (const TPoint &p : open) {
    minX = std::min(minX, p.X);
    maxX = std::max(maxX, p.X);
    minY = std::min(minY, p.Y);
    maxY = std::max(maxY, p.Y);
  }
  const QRect area = clip.normalized();
  if (std::max(minX, area.left()) > std::min(maxX, area.right()) ||
      std::max(minY, area.top()) > std::min(maxY, area.bottom()))
    return false;
  const std::int64_t left = ClampToInt(std::max(minX, area.left()) - std::int64_t(1));
  const std::int64_t right = ClampToInt(std::min(maxX, area.right()) + std::int64_t(1));
  const std::int64_t top = ClampToInt(std::max(minY, area.top()) - std::int64_t(1));
  const std::int64_t bottom = ClampToInt(std::min(maxY, area.bottom()) + std::int64_t(1));
  const std::int64_t columns = right - left + 1;
  const std::int64_t rows = bottom - top + 1;
  if (double(columns) * double(rows) > double(kMaxMaskCells)) return false;
  bounds = QRect(QPoint(int(left), int(top)), QPoint(int(right), int(bottom)));

  // Winding count: a crossing adds minus its direction to every cell of its row left of
  // it. A crossing right of the bounds still reaches the whole row inside them, so that a
  // polygon larger than the clip stays filled.
  mask.assign(std::size_t(rows), TIntegerDynArray(std::size_t(columns), 0));
  for (std::size_t e = 0; e < n; ++e) {
    const TPoint a = open[e];
    const TPoint b = open[(e + 1) % n];
    const std::int64_t dy = std::int64_t(b.Y) - a.Y;
    if (dy == 0) continue;
    const int direction = dy > 0 ? 1 : -1;
    const std::int64_t dx = std::int64_t(b.X) - a.X;
    const std::int64_t rowFirst = std::max<std::int64_t>(std::min(a.Y, b.Y), top);
    const std::int64_t rowLast = std::min<std::int64_t>(std::int64_t(std::max(a.Y, b.Y)) - 1, bottom);
    for (std::int64_t y = rowFirst; y <= rowLast; ++y) {
      // Cells strictly left of x = a.X + (y - a.Y) dx / dy.
      const std::int64_t lastColumn =
          dy > 0 ? a.X + CeilMulDiv(y - a.Y, dx, dy) - 1 : a.X + CeilMulDiv(a.Y - y, dx, -dy) - 1;
      const std::int64_t upTo = std::min(lastColumn, right);
      TIntegerDynArray &row = mask[std::size_t(y - top)];
      for (std::int64_t x = left; x <= upTo; ++x) row[std::size_t(x - left)] -= direction;
    }
  }

  WalkBorder(open, bounds, [&](TPoint q, std::int64_t) { border.push_back(q); });
  for (const TPoint &q : border) mask[std::size_t(q.Y - top)][std::size_t(q.X - left)] = 1;
  return true;
}

TMatricePoint ClipOutline(const TPointDynArray &outline, const QRect &rect) {
  using namespace polygons_detail;
  if (outline.empty()) return {};
  const QRect area = rect.normalized();
  auto allBeyond = [&](auto beyond) { return std::all_of(outline.begin(), outline.end(), beyond); };
  if (allBeyond([&](TPoint p) { return p.X < area.left(); }) ||
      allBeyond([&](TPoint p) { return p.X > area.right(); }) ||
      allBeyond([&](TPoint p) { return p.Y < area.top(); }) ||
      allBeyond([&](TPoint p) { return p.Y > area.bottom(); }))
    return {};
  const TPointDynArray open = OpenPolygon(outline);
  if (open.size() < 2) return {};

  // Runs of consecutive border pixels inside the rect; a gap in the path index is where
  // the outline left the rect.
  struct TRun {
    std::int64_t First = 0;
    std::int64_t Last = 0;
    TPointDynArray Pixels;
  };
  std::vector<TRun> runs;
  std::int64_t total = 0;
  for (std::size_t e = 0; e < open.size(); ++e)
    total += TLineWalk(open[e], open[(e + 1) % open.size()]).Count() - (e == 0 ? 0 : 1);
  --total;  // the closing pixel repeats the first
  WalkBorder(open, area, [&](TPoint q, std::int64_t index) {
    if (runs.empty() || index != runs.back().Last + 1) runs.push_back({index, index, {}});
    runs.back().Last = index;
    runs.back().Pixels.push_back(q);
  });
  if (runs.empty()) return {};
  TPointDynArray closed = open;
  closed.push_back(open.front());
  if (runs.size() == 1 && runs[0].First == 0 && runs[0].Last == total - 1) return {closed};
  // A run through the starting pixel was cut in two by the start of the walk: rejoin it.
  if (runs.size() > 1 && runs.front().First == 0 && runs.back().Last == total - 1) {
    runs.back().Pixels.insert(runs.back().Pixels.end(), runs.front().Pixels.begin(),
                              runs.front().Pixels.end());
    runs.erase(runs.begin());
  }
  TMatricePoint pieces;
  for (const TRun &run : runs)
    if (run.Pixels.size() >= 2) pieces.push_back(RemoveCollinearPoints(run.Pixels));
  return pieces;
}

TPoint MaskCentroid(const QRect &rect, const TMatriceI &mask) {
  double sumColumns = 0;
  double sumRows = 0;
  std::int64_t count = 0;
  for (std::size_t row = 0; row < mask.size(); ++row)
    for (std::size_t column = 0; column < mask[row].size(); ++column)
      if (mask[row][column] != 0) {
        sumColumns += double(column);
        sumRows += double(row);
        ++count;
      }
  if (count == 0) return TPoint(0, 0);
  return TPoint(RoundClamped(sumColumns / double(count) + rect.left()),
                RoundClamped(sumRows / double(count) + rect.top()));
}

}  // namespace kolibra::measurement
