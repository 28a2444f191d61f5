// Plane geometry on pixel and real points, and the smallest enclosing circle.

#include "kit/MathUtils.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace kolibra {

double DistanceD(TPointD a, TPointD b) { return std::hypot(a.X - b.X, a.Y - b.Y); }

double DistanceI(TPoint a, TPoint b) {
  // In reals: the differences of two 32-bit coordinates may not fit in 32 bits.
  return std::hypot(double(a.X) - double(b.X), double(a.Y) - double(b.Y));
}

bool SamePointD(TPointD a, TPointD b) { return IsNearZero(a.X - b.X) && IsNearZero(a.Y - b.Y); }

bool SamePointI(TPoint a, TPoint b) { return a.X == b.X && a.Y == b.Y; }

double TurnAngle(TPointD a, TPointD b, TPointD c) {
  const double ux = b.X - a.X, uy = b.Y - a.Y;
  const double vx = c.X - b.X, vy = c.Y - b.Y;
  // + 0.0 turns a negative zero into a positive one, so a straight line gives pi, not -pi.
  const double cross = ux * vy - uy * vx + 0.0;
  const double dot = ux * vx + uy * vy;
  if (IsNearZero(dot)) return cross >= 0.0 ? std::numbers::pi / 2.0 : -std::numbers::pi / 2.0;
  return std::atan2(cross, -dot);
}

double TurnAngle(TPoint a, TPoint b, TPoint c) {
  // Integer coordinates are exact in reals, so IsNearZero(dot) is dot = 0 here.
  return TurnAngle(TPointD(a), TPointD(b), TPointD(c));
}

TPointD ProjectOnLine(TPointD p, TPointD q, TPointD a, TPointD b) {
  const double bx = b.X - a.X;
  const double cy = b.Y - a.Y;
  const double d = bx * bx + cy * cy;
  if (IsNearZero(d)) return p;
  return TPointD((bx * cy * (p.Y - q.Y) + bx * bx * p.X + cy * cy * q.X) / d,
                 (bx * cy * (p.X - q.X) + cy * cy * p.Y + bx * bx * q.Y) / d);
}

TPointD PerpendicularFoot(TPointD p, TPointD a, TPointD b) {
  const double dx = b.X - a.X, dy = b.Y - a.Y;
  if (IsNearZero(dx) && IsNearZero(dy)) return a;
  const double t = (dx * (p.X - a.X) + dy * (p.Y - a.Y)) / (dx * dx + dy * dy);
  return TPointD(a.X + t * dx, a.Y + t * dy);
}

bool CircleThrough3(TPointD a, TPointD b, TPointD c, TPointD &centre, double &radius) {
  radius = 0.0;
  // Solved from the two chords c->a and c->b rather than from chord slopes: slopes have no
  // value for a vertical chord, and no reordering of the points avoids one when a right
  // angle has its sides along the axes, as three clicks on the pixel grid easily make.
  const double ux = a.X - c.X, uy = a.Y - c.Y;
  const double vx = b.X - c.X, vy = b.Y - c.Y;
  const double u2 = ux * ux + uy * uy;
  const double v2 = vx * vx + vy * vy;
  if (IsNearZero(u2) || IsNearZero(v2) || SamePointD(a, b)) return false;
  const double cross = ux * vy - uy * vx;
  // Collinear within rounding: the sine of the angle at c is below 1e-12.
  if (!(std::fabs(cross) > 1e-12 * std::sqrt(u2 * v2))) return false;
  const TPointD found(c.X + (u2 * vy - v2 * uy) / (2.0 * cross),
                      c.Y + (v2 * ux - u2 * vx) / (2.0 * cross));
  if (IsHuge(found.X) || IsHuge(found.Y)) return false;
  centre = found;
  radius = DistanceD(centre, a);
  return true;
}

double EllipsePerimeter(double a, double b) {
  a = std::fabs(a);
  b = std::fabs(b);
  if (IsNearZero(a - b)) return 2.0 * std::numbers::pi * a;
  return std::numbers::pi * (3.0 * (a + b) - std::sqrt((a + 3.0 * b) * (3.0 * a + b)));
}

int QuadrantSign(TPoint p, TPoint q) {
  if (p.X == q.X || p.Y == q.Y) return 0;
  if (p.Y < q.Y) return p.X >= q.X ? 1 : -1;
  return p.X >= q.X ? -1 : 1;
}

namespace clip_segment_impl {

enum : int { kLeft = 1, kRight = 2, kBelow = 4, kAbove = 8 };

struct Box {
  double XMin, XMax, YMin, YMax;

  int OutCode(double x, double y) const {
    int code = 0;
    if (x < XMin)
      code |= kLeft;
    else if (x > XMax)
      code |= kRight;
    if (y < YMin)
      code |= kBelow;
    else if (y > YMax)
      code |= kAbove;
    return code;
  }
};

}  // namespace clip_segment_impl

void ClipSegment(TPoint &p1, TPoint &p2, TPoint corner1, TPoint corner2) {
  using namespace clip_segment_impl;
  const Box box{double(std::min(corner1.X, corner2.X)), double(std::max(corner1.X, corner2.X)),
                double(std::min(corner1.Y, corner2.Y)), double(std::max(corner1.Y, corner2.Y))};
  double x1 = p1.X, y1 = p1.Y, x2 = p2.X, y2 = p2.Y;
  int code1 = box.OutCode(x1, y1);
  int code2 = box.OutCode(x2, y2);
  // Each pass clears at least one outside bit of one end, so eight passes always suffice.
  for (int pass = 0; pass < 8 && (code1 | code2) != 0 && (code1 & code2) == 0; ++pass) {
    const int out = code1 != 0 ? code1 : code2;
    double x = 0.0, y = 0.0;
    // The test above guarantees that the segment crosses the edge, so no division by zero.
    if (out & kAbove) {
      x = x1 + (x2 - x1) * (box.YMax - y1) / (y2 - y1);
      y = box.YMax;
    } else if (out & kBelow) {
      x = x1 + (x2 - x1) * (box.YMin - y1) / (y2 - y1);
      y = box.YMin;
    } else if (out & kRight) {
      y = y1 + (y2 - y1) * (box.XMax - x1) / (x2 - x1);
      x = box.XMax;
    } else {
      y = y1 + (y2 - y1) * (box.XMin - x1) / (x2 - x1);
      x = box.XMin;
    }
    if (out == code1) {
      x1 = x;
      y1 = y;
      code1 = box.OutCode(x1, y1);
    } else {
      x2 = x;
      y2 = y;
      code2 = box.OutCode(x2, y2);
    }
  }
  p1 = TPoint(RoundClamped(x1), RoundClamped(y1));
  p2 = TPoint(RoundClamped(x2), RoundClamped(y2));
}

TRectD BoundsD(const TPointDDynArray &points) {
  TRectD r{1e100, -1e100, 1e100, -1e100};
  for (const TPointD &p : points) {
    r.XMin = std::min(r.XMin, p.X);
    r.XMax = std::max(r.XMax, p.X);
    r.YMin = std::min(r.YMin, p.Y);
    r.YMax = std::max(r.YMax, p.Y);
  }
  return r;
}

TRectD UnionRectD(const TRectD &r1, const TRectD &r2) {
  return TRectD{std::min(r1.XMin, r2.XMin), std::max(r1.XMax, r2.XMax),
                std::min(r1.YMin, r2.YMin), std::max(r1.YMax, r2.YMax)};
}

// ---------------------------------------------------------------------------------------------
// Smallest enclosing circle (Elzinga-Hearn)
// ---------------------------------------------------------------------------------------------

namespace enclosing_circle_impl {

constexpr double kSlack = 1e-6;
constexpr int kMaxIterations = 1000;

int FirstOutside(const TPointDDynArray &points, TPointD centre, double radius) {
  for (size_t m = 0; m < points.size(); ++m)
    if (DistanceD(points[m], centre) > radius + kSlack) return int(m);
  return -1;
}

double Cross(TPointD origin, TPointD u, TPointD v) {
  return (u.X - origin.X) * (v.Y - origin.Y) - (u.Y - origin.Y) * (v.X - origin.X);
}

double Dot(TPointD vertex, TPointD u, TPointD v) {
  return (u.X - vertex.X) * (v.X - vertex.X) + (u.Y - vertex.Y) * (v.Y - vertex.Y);
}

TPointD Middle(TPointD a, TPointD b) { return TPointD((a.X + b.X) / 2.0, (a.Y + b.Y) / 2.0); }

}  // namespace enclosing_circle_impl

void EnclosingCircle(const TPointDDynArray &points, TPointD &centre, double &radius) {
  using namespace enclosing_circle_impl;
  radius = 0.0;
  const int n = int(points.size());
  if (n < 3) return;
  auto at = [&points](int index) { return points[size_t(index)]; };

  // Start from the farthest pair; the first such pair in index order wins a tie.
  int i = 0, j = 1;
  double best = DistanceD(at(0), at(1));
  for (int a = 0; a < n; ++a)
    for (int b = a + 1; b < n; ++b) {
      const double d = DistanceD(at(a), at(b));
      if (d > best) {
        best = d;
        i = a;
        j = b;
      }
    }
  TPointD c = Middle(at(i), at(j));
  double r = best / 2.0;
  int k = FirstOutside(points, c, r);

  for (int iteration = 0; k >= 0 && iteration < kMaxIterations; ++iteration) {
    const TPointD vi = at(i), vj = at(j), vk = at(k);
    TPointD circumCentre;
    double circumRadius = 0.0;
    const bool acute = Dot(vi, vj, vk) > 0.0 && Dot(vj, vi, vk) > 0.0 && Dot(vk, vi, vj) > 0.0;
    if (acute && CircleThrough3(vi, vj, vk, circumCentre, circumRadius)) {
      c = circumCentre;
      r = circumRadius;
      const int m = FirstOutside(points, c, r);
      if (m < 0) break;
      // Keep the vertex q farthest from m and the one across the diameter through q from m.
      const int triple[3] = {i, j, k};
      int q = i;
      for (int t : triple)
        if (DistanceD(at(t), at(m)) > DistanceD(at(q), at(m))) q = t;
      int others[2];
      int count = 0;
      for (int t : triple)
        if (t != q && count < 2) others[count++] = t;
      const double sideOfM = Cross(c, at(q), at(m));
      const int across = sideOfM * Cross(c, at(q), at(others[0])) < 0.0 ? others[0] : others[1];
      i = q;
      j = across;
      k = m;
    } else {
      // A right, obtuse or flat triangle: its smallest circle stands on the longest side,
      // which a circumcircle would only overshoot.
      const double dij = DistanceD(vi, vj), djk = DistanceD(vj, vk), dik = DistanceD(vi, vk);
      if (djk > dij && djk >= dik) {
        i = j;
        j = k;
      } else if (dik > dij && dik > djk) {
        j = k;
      }
      c = Middle(at(i), at(j));
      r = DistanceD(at(i), at(j)) / 2.0;
      k = FirstOutside(points, c, r);
    }
  }
  centre = c;
  radius = r;
}

void EnclosingCircleCentre(const TPointDDynArray &points, TPointD &centre) {
  double radius = 0.0;
  EnclosingCircle(points, centre, radius);
}

}  // namespace kolibra
