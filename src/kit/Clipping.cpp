#include "kit/Clipping.h"

#include <cmath>

namespace kolibra {

namespace clipping_impl {

bool Finite(const QPointF &p) { return std::isfinite(p.x()) && std::isfinite(p.y()); }

// Liang-Barsky: the part of a-b inside rect as parameters t0 <= t1 on [0, 1].
bool ClipParameters(const QPointF &a, const QPointF &b, const QRectF &rect, double &t0, double &t1) {
  const double dx = b.x() - a.x(), dy = b.y() - a.y();
  const double p[4] = {-dx, dx, -dy, dy};
  const double q[4] = {a.x() - rect.left(), rect.right() - a.x(), a.y() - rect.top(),
                       rect.bottom() - a.y()};
  t0 = 0.0;
  t1 = 1.0;
  for (int i = 0; i < 4; ++i) {
    if (p[i] == 0.0) {
      if (q[i] < 0.0) return false;  // parallel to this edge and outside it
      continue;
    }
    const double t = q[i] / p[i];
    if (p[i] < 0.0) {
      if (t > t1) return false;
      if (t > t0) t0 = t;
    } else {
      if (t < t0) return false;
      if (t < t1) t1 = t;
    }
  }
  return true;
}

QPointF Along(const QPointF &a, const QPointF &b, double t) {
  if (t <= 0.0) return a;
  if (t >= 1.0) return b;
  return a + (b - a) * t;
}

// One edge of Sutherland-Hodgman: keeps the side where inside(p) holds.
template <typename Inside, typename Cross>
QPolygonF ClipEdge(const QPolygonF &in, Inside inside, Cross cross) {
  QPolygonF out;
  if (in.isEmpty()) return out;
  QPointF previous = in.last();
  bool previousInside = inside(previous);
  for (const QPointF &current : in) {
    const bool currentInside = inside(current);
    if (currentInside != previousInside) out << cross(previous, current);
    if (currentInside) out << current;
    previous = current;
    previousInside = currentInside;
  }
  return out;
}

}  // namespace clipping_impl

std::vector<QPolygonF> ClipPolyline(const QPolygonF &polyline, const QRectF &rect) {
  using namespace clipping_impl;
  std::vector<QPolygonF> pieces;
  QPolygonF current;
  const auto flush = [&] {
    if (!current.isEmpty()) pieces.push_back(current);
    current.clear();
  };
  if (polyline.size() == 1 && Finite(polyline[0]) && rect.contains(polyline[0])) {
    pieces.push_back(polyline);
    return pieces;
  }
  for (int i = 1; i < polyline.size(); ++i) {
    const QPointF a = polyline[i - 1], b = polyline[i];
    double t0 = 0.0, t1 = 1.0;
    if (!Finite(a) || !Finite(b) || !ClipParameters(a, b, rect, t0, t1)) {
      flush();
      continue;
    }
    const QPointF start = Along(a, b, t0), end = Along(a, b, t1);
    // A piece goes on while each segment starts where the previous one ended.
    if (current.isEmpty() || t0 > 0.0) {
      flush();
      current << start;
    }
    current << end;
    if (t1 < 1.0) flush();
  }
  flush();
  return pieces;
}

QPolygonF ClipPolygon(const QPolygonF &polygon, const QRectF &rect) {
  using namespace clipping_impl;
  QPolygonF out = polygon;
  if (!out.isEmpty() && out.first() == out.last()) out.removeLast();
  const double left = rect.left(), right = rect.right(), top = rect.top(), bottom = rect.bottom();
  const auto atX = [](const QPointF &a, const QPointF &b, double x) {
    return QPointF(x, a.y() + (b.y() - a.y()) * (x - a.x()) / (b.x() - a.x()));
  };
  const auto atY = [](const QPointF &a, const QPointF &b, double y) {
    return QPointF(a.x() + (b.x() - a.x()) * (y - a.y()) / (b.y() - a.y()), y);
  };
  out = ClipEdge(out, [&](const QPointF &p) { return p.x() >= left; },
                 [&](const QPointF &a, const QPointF &b) { return atX(a, b, left); });
  out = ClipEdge(out, [&](const QPointF &p) { return p.x() <= right; },
                 [&](const QPointF &a, const QPointF &b) { return atX(a, b, right); });
  out = ClipEdge(out, [&](const QPointF &p) { return p.y() >= top; },
                 [&](const QPointF &a, const QPointF &b) { return atY(a, b, top); });
  out = ClipEdge(out, [&](const QPointF &p) { return p.y() <= bottom; },
                 [&](const QPointF &a, const QPointF &b) { return atY(a, b, bottom); });
  return out;
}

}  // namespace kolibra
