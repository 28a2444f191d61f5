// Circles, arcs, upright and rotated ellipses and splines as pixel lists. Every list runs
// continuously round its curve (consecutive points are 8-neighbours), because hit tests
// look for the mouse near its pixels and the tracker walks them.

#include "measurement/DrawHelpers.h"

#include "kit/MathUtils.h"
#include "measurement/DrawingInternal.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace kolibra::measurement {

namespace curves_detail {

using drawing_detail::kMaxCurveExtent;
using drawing_detail::kMaxPointListLength;
using drawing_detail::OffsetPoint;
using drawing_detail::RoundHalfEven64;

using TOctants = std::array<TPointDynArray, 8>;

// Appends p unless it repeats the last point.
void AppendDistinct(TPointDynArray &points, TPoint p) {
  if (points.empty() || !(points.back() == p)) points.push_back(p);
}

// The eight octants of the midpoint circle of radius r as offsets from the centre, each in
// the order that makes the concatenation run once round the circle from (r, 0) towards
// increasing y. Neighbouring octants share their end points.
TOctants CircleOctants(int r) {
  // First octant: x from r down, y from 0 up while x >= y. The decision value starts at
  // 1 - 2r and tells when the midpoint between two candidate columns leaves the circle.
  TPointDynArray first;
  int x = r;
  int y = 0;
  std::int64_t xChange = 1 - 2 * std::int64_t(r);
  std::int64_t yChange = 1;
  std::int64_t error = 0;
  while (x >= y) {
    first.emplace_back(x, y);
    ++y;
    error += yChange;
    yChange += 2;
    if (2 * error + xChange > 0) {
      --x;
      error += xChange;
      xChange += 2;
    }
  }
  TOctants octants;
  const std::size_t n = first.size();
  for (std::size_t i = 0; i < n; ++i) {
    const TPoint f = first[i];          // walked forwards
    const TPoint b = first[n - 1 - i];  // walked backwards
    octants[0].emplace_back(f.X, f.Y);
    octants[1].emplace_back(b.Y, b.X);
    octants[2].emplace_back(-f.Y, f.X);
    octants[3].emplace_back(-b.X, b.Y);
    octants[4].emplace_back(-f.X, -f.Y);
    octants[5].emplace_back(-b.Y, -b.X);
    octants[6].emplace_back(f.Y, -f.X);
    octants[7].emplace_back(b.X, -b.Y);
  }
  return octants;
}

// Joins a closed run of points: repeats dropped, the first point not repeated at the end.
TPointDynArray JoinLoop(const TPointDynArray &points) {
  TPointDynArray loop;
  loop.reserve(points.size());
  for (const TPoint &p : points) AppendDistinct(loop, p);
  while (loop.size() > 1 && loop.back() == loop.front()) loop.pop_back();
  return loop;
}

double Cross(double ux, double uy, double vx, double vy) { return ux * vy - uy * vx; }

// One quadrant of the midpoint ellipse, from (0, b) to (a, 0), a and b positive.
TPointDynArray EllipseQuadrant(std::int64_t a, std::int64_t b) {
  using Real = long double;
  const Real a2 = Real(a) * a;
  const Real b2 = Real(b) * b;
  TPointDynArray quadrant;
  std::int64_t x = 0;
  std::int64_t y = b;
  Real dx = 0;
  Real dy = 2 * a2 * y;
  // Region 1: the slope is below 1, x advances every step.
  Real d1 = b2 - a2 * b + a2 / 4;
  while (dx < dy) {
    quadrant.emplace_back(int(x), int(y));
    ++x;
    dx += 2 * b2;
    if (d1 < 0) {
      d1 += dx + b2;
    } else {
      --y;
      dy -= 2 * a2;
      d1 += dx - dy + b2;
    }
  }
  // Region 2: the slope is above 1, y falls every step.
  Real d2 = b2 * (x + Real(0.5)) * (x + Real(0.5)) + a2 * Real(y - 1) * Real(y - 1) - a2 * b2;
  while (y >= 0) {
    quadrant.emplace_back(int(x), int(y));
    --y;
    dy -= 2 * a2;
    if (d2 > 0) {
      d2 += a2 - dy;
    } else {
      ++x;
      dx += 2 * b2;
      d2 += dx - dy + a2;
    }
  }
  // The last row must end on the axis end itself.
  while (quadrant.back().X < a) quadrant.emplace_back(quadrant.back().X + 1, 0);
  return quadrant;
}

// The implicit form of the turned ellipse, b^2 p^2 + a^2 q^2 - a^2 b^2, with p along the
// semi-axis a and q along b, for offsets (x, y) from the centre (y down).
struct TTurnedEllipse {
  double A2, B2, C, S;

  double Value(double x, double y) const {
    const double p = x * C - y * S;
    const double q = x * S + y * C;
    return B2 * p * p + A2 * q * q - A2 * B2;
  }
  void Gradient(double x, double y, double &gx, double &gy) const {
    const double p = x * C - y * S;
    const double q = x * S + y * C;
    gx = 2 * B2 * p * C + 2 * A2 * q * S;
    gy = -2 * B2 * p * S + 2 * A2 * q * C;
  }
};

int SignOf(double v) { return v > 0 ? 1 : (v < 0 ? -1 : 0); }

// Walks the pixels of a turned ellipse with semi-axes of at least 5 px: from each pixel the
// next is one of the two neighbours in the octant of the tangent (the straight and the
// diagonal step), chosen by the sign of the implicit form at the midpoint between them.
// The walk ends on coming back to the start, or beside it once the tangent has turned
// most of the way round, or after 4 (a + b) points.
TPointDynArray WalkTurnedEllipse(double angle, double b, double a) {
  const TTurnedEllipse e{a * a, b * b, std::cos(angle), std::sin(angle)};
  const TPoint start(int(RoundHalfEven64(a * e.C)), int(-RoundHalfEven64(a * e.S)));
  const std::int64_t limit = std::min<std::int64_t>(RoundHalfEven64(4 * (a + b)), kMaxPointListLength);
  TPointDynArray points{start};
  TPoint p = start;
  double heading = 0;
  double turned = 0;
  bool first = true;
  while (std::int64_t(points.size()) < limit) {
    double gx = 0;
    double gy = 0;
    e.Gradient(p.X, p.Y, gx, gy);
    // Tangent turned a quarter from the gradient: from the start on the a axis it heads
    // towards increasing y, like the circle.
    const double tx = -gy;
    const double ty = gx;
    if (tx == 0 && ty == 0) break;
    const double newHeading = std::atan2(ty, tx);
    if (!first) {
      double delta = newHeading - heading;
      if (delta > std::numbers::pi) delta -= 2 * std::numbers::pi;
      if (delta <= -std::numbers::pi) delta += 2 * std::numbers::pi;
      turned += delta;
    }
    heading = newHeading;
    first = false;
    // A zero component of the tangent leans the diagonal step inwards.
    const int sx = tx != 0 ? SignOf(tx) : -SignOf(gx);
    const int sy = ty != 0 ? SignOf(ty) : -SignOf(gy);
    const bool xMajor = std::fabs(tx) >= std::fabs(ty);
    const TPoint straight = xMajor ? TPoint(p.X + sx, p.Y) : TPoint(p.X, p.Y + sy);
    const TPoint diagonal(p.X + sx, p.Y + sy);
    // The decision value is the implicit form at the midpoint of the two candidates: outside
    // the curve, the inner candidate is nearer to it, inside the outer one. Deciding by
    // inner and outer rather than by the step keeps the walk on the curve when a rounding
    // has put it a little off.
    const double mid = e.Value((straight.X + diagonal.X) / 2.0, (straight.Y + diagonal.Y) / 2.0);
    const bool straightInner = e.Value(straight.X, straight.Y) <= e.Value(diagonal.X, diagonal.Y);
    const TPoint inner = straightInner ? straight : diagonal;
    const TPoint outer = straightInner ? diagonal : straight;
    const TPoint next = mid > 0 ? inner : outer;
    if (next == start) break;
    points.push_back(next);
    p = next;
    if (std::fabs(turned) > 1.5 * std::numbers::pi && std::abs(p.X - start.X) <= 1 &&
        std::abs(p.Y - start.Y) <= 1)
      break;
  }
  return points;
}

// A turned ellipse too small for the walk: the pixels of a turned 9-sided polygon, closed on
// its first point.
TPointDynArray TurnedPolygon(double angle, double b, double a) {
  const double c = std::cos(angle);
  const double s = std::sin(angle);
  std::array<TPoint, 10> vertices;
  for (int k = 0; k < 10; ++k) {
    const double phi = k * 2 * std::numbers::pi / 9;
    const double x = a * std::cos(phi) * c - b * std::sin(phi) * s;
    const double y = -a * std::cos(phi) * s - b * std::sin(phi) * c;
    vertices[std::size_t(k)] = TPoint(int(RoundHalfEven64(x)), int(RoundHalfEven64(y)));
  }
  TPointDynArray points;
  for (std::size_t k = 0; k + 1 < vertices.size(); ++k)
    for (const TPoint &p : LinePoints(vertices[k], vertices[k + 1])) AppendDistinct(points, p);
  return points;
}

}  // namespace curves_detail

TPointDynArray CirclePoints(TPoint centre, int radius) {
  using namespace curves_detail;
  if (radius < 0 || radius > kMaxCurveExtent) return {};
  TPointDynArray offsets;
  const TOctants octants = CircleOctants(radius);
  offsets.reserve(8 * octants[0].size());
  for (const TPointDynArray &octant : octants) offsets.insert(offsets.end(), octant.begin(), octant.end());
  TPointDynArray points = JoinLoop(offsets);
  for (TPoint &p : points) p = OffsetPoint(centre, p.X, p.Y);
  return points;
}

void DrawCircle(QPainter *canvas, TPoint centre, int radius) {
  if (canvas == nullptr) return;
  drawing_detail::DrawPointList(canvas, CirclePoints(centre, radius), true);
}

TPointDynArray ArcPoints(TPoint a, TPoint b, int radius, TPoint centre) {
  using namespace curves_detail;
  if (radius < 0 || radius > kMaxCurveExtent) return {};
  const double ax = double(a.X) - centre.X;
  const double ay = double(a.Y) - centre.Y;
  const double bx = double(b.X) - centre.X;
  const double by = double(b.Y) - centre.Y;
  const double crossAB = Cross(ax, ay, bx, by);
  const bool straight = crossAB == 0;
  // Keeps the points on B's side of line C-A and on A's side of line C-B: the sector of
  // the angle smaller than 180 degrees. With the rays in line, the half-plane on the
  // clockwise side of ray C-A is taken for a straight angle, nothing for a zero angle.
  auto inSector = [&](TPoint p) {
    const double cA = Cross(ax, ay, p.X, p.Y);
    const double cB = Cross(bx, by, p.X, p.Y);
    if (straight) return ax * bx + ay * by < 0 && cA >= 0;
    return cA * crossAB >= 0 && cB * -crossAB >= 0;
  };
  TOctants kept;
  const TOctants octants = CircleOctants(radius);
  for (std::size_t i = 0; i < 8; ++i)
    for (const TPoint &p : octants[i])
      if (inSector(p)) kept[i].push_back(p);
  // Chaining from the octant after the first empty one keeps the arc in one piece.
  std::size_t first = 0;
  for (std::size_t i = 0; i < 8; ++i)
    if (kept[i].empty()) {
      first = (i + 1) % 8;
      break;
    }
  TPointDynArray points;
  for (std::size_t i = 0; i < 8; ++i)
    for (const TPoint &p : kept[(first + i) % 8]) AppendDistinct(points, p);
  for (TPoint &p : points) p = OffsetPoint(centre, p.X, p.Y);
  return points;
}

void DrawArc(QPainter *canvas, TPoint a, TPoint b, int radius, TPoint centre) {
  if (canvas == nullptr) return;
  drawing_detail::DrawPointList(canvas, ArcPoints(a, b, radius, centre), false);
}

TPointDynArray EllipsePoints(TPoint centre, int a, int b) {
  using namespace curves_detail;
  const std::int64_t ra = drawing_detail::Abs64(a);
  const std::int64_t rb = drawing_detail::Abs64(b);
  if (ra > kMaxCurveExtent || rb > kMaxCurveExtent) return {};
  if (ra == 0 && rb == 0) return {centre};
  if (ra == 0) return {OffsetPoint(centre, 0, -rb), OffsetPoint(centre, 0, rb)};
  if (rb == 0) return {OffsetPoint(centre, -ra, 0), OffsetPoint(centre, ra, 0)};
  const TPointDynArray q = EllipseQuadrant(ra, rb);
  TPointDynArray offsets;
  offsets.reserve(4 * q.size());
  // From (a, 0) towards increasing y, like the circle: the quadrants alternate direction.
  for (auto it = q.rbegin(); it != q.rend(); ++it) offsets.emplace_back(it->X, it->Y);
  for (const TPoint &p : q) offsets.emplace_back(-p.X, p.Y);
  for (auto it = q.rbegin(); it != q.rend(); ++it) offsets.emplace_back(-it->X, -it->Y);
  for (const TPoint &p : q) offsets.emplace_back(p.X, -p.Y);
  TPointDynArray points = JoinLoop(offsets);
  for (TPoint &p : points) p = OffsetPoint(centre, p.X, p.Y);
  return points;
}

void DrawEllipse(QPainter *canvas, TPoint centre, int a, int b) {
  if (canvas == nullptr) return;
  const TPointDynArray points = EllipsePoints(centre, a, b);
  drawing_detail::DrawPointList(canvas, points, points.size() > 2);
}

TPointDynArray RotatedEllipsePoints(TPoint centre, double angle, double b, double a) {
  using namespace curves_detail;
  if (!std::isfinite(angle) || !std::isfinite(a) || !std::isfinite(b)) return {};
  a = std::fabs(a);
  b = std::fabs(b);
  if (a > double(kMaxCurveExtent) || b > double(kMaxCurveExtent)) return {};
  TPointDynArray points = a >= 5 && b >= 5 ? WalkTurnedEllipse(angle, b, a) : TurnedPolygon(angle, b, a);
  for (TPoint &p : points) p = OffsetPoint(centre, p.X, p.Y);
  return points;
}

void DrawRotatedEllipse(QPainter *canvas, TPoint centre, double angle, double b, double a) {
  if (canvas == nullptr) return;
  const TPointDynArray points = RotatedEllipsePoints(centre, angle, b, a);
  drawing_detail::DrawPointList(canvas, points, points.size() > 2 && !(points.back() == points.front()));
}

TPointDynArray SplinePoints(const TPointDynArray &points, int steps) {
  if (points.size() < 2) return {};
  TPointDynArray p;
  p.reserve(points.size() + 2);
  if (!(points[0] == points[1])) p.push_back(points[0]);
  p.insert(p.end(), points.begin(), points.end());
  if (!(points[points.size() - 1] == points[points.size() - 2])) p.push_back(points.back());
  const std::int64_t n = std::int64_t(p.size());
  if (n <= 2) return {};
  steps = std::max(steps, 0);
  const std::int64_t count = std::min((n - 3) * steps + 1, drawing_detail::kMaxPointListLength);
  const double divisor = std::max(5, steps);
  TPointDynArray curve;
  curve.reserve(std::size_t(count));
  curve.push_back(p[1]);
  for (std::int64_t k = 1; k <= n - 3 && std::int64_t(curve.size()) < count; ++k) {
    const TPoint &p0 = p[std::size_t(k - 1)];
    const TPoint &p1 = p[std::size_t(k)];
    const TPoint &p2 = p[std::size_t(k + 1)];
    const TPoint &p3 = p[std::size_t(k + 2)];
    for (int w = 1; w <= steps && std::int64_t(curve.size()) < count; ++w) {
      const double t = w / divisor;
      const double t2 = t * t;
      const double t3 = t2 * t;
      const double c0 = t2 - t3 / 2 - t / 2;
      const double c1 = 1 - 5 * t2 / 2 + 3 * t3 / 2;
      const double c2 = t / 2 + 2 * t2 - 3 * t3 / 2;
      const double c3 = t3 / 2 - t2 / 2;
      curve.emplace_back(RoundClamped(c0 * p0.X + c1 * p1.X + c2 * p2.X + c3 * p3.X),
                         RoundClamped(c0 * p0.Y + c1 * p1.Y + c2 * p2.Y + c3 * p3.Y));
    }
  }
  return curve;
}

void DrawSpline(QPainter *canvas, const TPointDynArray &points, int steps) {
  if (canvas == nullptr) return;
  drawing_detail::DrawPointList(canvas, SplinePoints(points, steps), false);
}

}  // namespace kolibra::measurement
