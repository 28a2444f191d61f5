// Whether the mouse is on a point, a line, a segment, a circle, an ellipse or a rectangle.
// The pick tolerance never falls below 6 px, so a thin shape can always be grabbed.

#include "measurement/DrawHelpers.h"

#include "kit/MathUtils.h"
#include "measurement/DrawingInternal.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace kolibra::measurement {

namespace hit_detail {

using drawing_detail::Abs64;

std::int64_t HalfSide(int tolerance) { return std::max(6, tolerance) / 2; }

bool WithinSquare(TPoint p, TPoint q, std::int64_t half) {
  return Abs64(std::int64_t(p.X) - q.X) <= half && Abs64(std::int64_t(p.Y) - q.Y) <= half;
}

}  // namespace hit_detail

bool PointHit(TPoint p, TPoint q, int tolerance) {
  return hit_detail::WithinSquare(p, q, hit_detail::HalfSide(tolerance));
}

bool LineHit(TPoint p, TPoint a, TPoint b, int tolerance) {
  const std::int64_t half = hit_detail::HalfSide(tolerance);
  const drawing_detail::TLineWalk walk(a, b);
  // The pixels whose major coordinate is within reach form one run of steps; along it the
  // minor coordinate moves by at most one per step, so it takes every value between its
  // two ends and the test needs only those ends, however long the line.
  const std::int64_t major = walk.IsXMajor() ? p.X : p.Y;
  const std::int64_t minor = walk.IsXMajor() ? p.Y : p.X;
  std::int64_t first = 0;
  std::int64_t last = 0;
  walk.MajorRange(major - half, major + half, first, last);
  if (first > last) return false;
  const TPoint q1 = walk.At(first);
  const TPoint q2 = walk.At(last);
  const std::int64_t m1 = walk.IsXMajor() ? q1.Y : q1.X;
  const std::int64_t m2 = walk.IsXMajor() ? q2.Y : q2.X;
  return std::max(m1, m2) >= minor - half && std::min(m1, m2) <= minor + half;
}

int SegmentHit(TPoint p, TPoint a, TPoint b, int tolerance) {
  using drawing_detail::Abs64;
  const bool shortSegment =
      Abs64(std::int64_t(b.X) - a.X) < tolerance && Abs64(std::int64_t(b.Y) - a.Y) < tolerance;
  if (shortSegment) {
    if (LineHit(p, a, b, 0)) return -1;
    if (PointHit(p, a, tolerance)) return 0;
    if (PointHit(p, b, tolerance)) return 1;
    return -2;
  }
  if (PointHit(p, a, tolerance)) return 0;
  if (PointHit(p, b, tolerance)) return 1;
  if (LineHit(p, a, b, tolerance)) return -1;
  return -2;
}

bool CircleHit(TPoint p, TPoint centre, int radius, int tolerance) {
  if (radius < 0) return false;
  const std::int64_t half = hit_detail::HalfSide(tolerance);
  // Every pixel of the circle is within a pixel of the true circle, so a point farther
  // than the square's diagonal from it cannot hit; this spares building the list.
  const double distance = std::hypot(double(p.X) - centre.X, double(p.Y) - centre.Y);
  if (std::fabs(distance - radius) > double(half) * std::numbers::sqrt2 + 2) return false;
  for (const TPoint &q : CirclePoints(centre, radius))
    if (hit_detail::WithinSquare(p, q, half)) return true;
  return false;
}

bool EllipseHit(TPoint p, TPoint centre, bool filled, int tolerance, double angle, double b, double a) {
  const std::int64_t reach =
      std::int64_t(RoundClamped(std::max(std::fabs(a), std::fabs(b)))) + tolerance;
  if (!hit_detail::WithinSquare(p, centre, reach)) return false;
  if (filled && !IsNearZero(a) && !IsNearZero(b)) {
    const double dx = double(p.X) - centre.X;
    const double dy = double(p.Y) - centre.Y;
    const double c = std::cos(angle);
    const double s = std::sin(angle);
    const double u = (dx * c - dy * s) / a;
    const double v = (dx * s + dy * c) / b;
    if (u * u + v * v < 1) return true;
  }
  const std::int64_t half = hit_detail::HalfSide(tolerance);
  for (const TPoint &q : RotatedEllipsePoints(centre, angle, b, a))
    if (hit_detail::WithinSquare(p, q, half)) return true;
  return false;
}

bool RectHit(TPoint p, TPoint c1, TPoint c2, int tolerance, bool filled) {
  if (filled && PointInBox(p, c1, c2)) return true;
  const TPoint c3(c2.X, c1.Y);
  const TPoint c4(c1.X, c2.Y);
  return LineHit(p, c1, c3, tolerance) || LineHit(p, c3, c2, tolerance) ||
         LineHit(p, c2, c4, tolerance) || LineHit(p, c4, c1, tolerance);
}

bool PointInRect(TPoint p, const QRect &rect) {
  return p.X >= std::min(rect.left(), rect.right()) && p.X <= std::max(rect.left(), rect.right()) &&
         p.Y >= std::min(rect.top(), rect.bottom()) && p.Y <= std::max(rect.top(), rect.bottom());
}

bool PointInBox(TPoint p, TPoint a, TPoint b) {
  return PointInRect(p, QRect(a.ToQPoint(), b.ToQPoint()));
}

}  // namespace kolibra::measurement
