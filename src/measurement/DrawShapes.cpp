// Arrowheads, pixel lines, rectangles and the small decorations of the datasheet.

#include "measurement/DrawHelpers.h"

#include "kit/MathUtils.h"
#include "measurement/DrawingInternal.h"

#include <QPainter>
#include <QPolygon>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace kolibra::measurement {

namespace shapes_detail {

using drawing_detail::Abs64;
using drawing_detail::OffsetPoint;
using drawing_detail::RoundHalfEven64;

// abs(value) clamped to 0..limit, safe for INT_MIN.
int AbsClamped(int value, int limit) {
  return int(std::min<std::int64_t>(Abs64(value), limit));
}

// Whether the leg from o to p is long enough to frame the angle marker's pie.
bool LongLeg(TPoint o, TPoint p) {
  return Abs64(std::int64_t(p.X) - o.X) > 15 || Abs64(std::int64_t(p.Y) - o.Y) > 15;
}

// Screen direction of o->p in degrees, counter-clockwise from 3 o'clock (Qt's convention).
double ScreenDegrees(TPoint o, TPoint p) {
  return std::atan2(-(double(p.Y) - o.Y), double(p.X) - o.X) * 180.0 / std::numbers::pi;
}

QPolygon CornerPolygon(const QRect &rect) {
  return QPolygon({rect.topLeft(), rect.topRight(), rect.bottomRight(), rect.bottomLeft()});
}

}  // namespace shapes_detail

TColor DarkenColor(TColor colour, int percent) {
  const int p = shapes_detail::AbsClamped(percent, 100);
  const QColor c = colour.ToQColor();
  return TColor::FromRgb(RoundClamped(c.red() * p / 100.0), RoundClamped(c.green() * p / 100.0),
                         RoundClamped(c.blue() * p / 100.0));
}

std::array<TPoint, 3> ArrowHead(TPoint tail, TPoint tip, int percent, int length) {
  using namespace shapes_detail;
  const int p = AbsClamped(percent, 100);
  if (tail == tip) return {tip, tip, tip};
  const double dx = double(tip.X) - tail.X;
  const double dy = double(tip.Y) - tail.Y;
  const double l = std::hypot(dx, dy);
  const std::int64_t nx = RoundHalfEven64(length * dx / l);
  const std::int64_t ny = RoundHalfEven64(length * dy / l);
  const std::int64_t m = RoundHalfEven64(double(ny) * p / 100.0);
  const std::int64_t o = RoundHalfEven64(double(nx) * p / 100.0);
  return {OffsetPoint(tip, -nx + m, -ny - o), tip, OffsetPoint(tip, -nx - m, -ny + o)};
}

std::array<TPoint, 3> ProportionalArrowHead(TPoint tail, TPoint tip, int percent, int maxLength,
                                            int minLength, int perMille) {
  using namespace shapes_detail;
  const int p = AbsClamped(percent, 100);
  const int g = AbsClamped(perMille, 1000);
  const std::int64_t baseX =
      tail.X + RoundHalfEven64((double(tip.X) - tail.X) * (1000 - g) / 1000.0);
  const std::int64_t baseY =
      tail.Y + RoundHalfEven64((double(tip.Y) - tail.Y) * (1000 - g) / 1000.0);
  const double hx = double(tip.X) - double(baseX);
  const double hy = double(tip.Y) - double(baseY);
  const double d2 = hx * hx + hy * hy;
  if (minLength > 0 && d2 < double(minLength) * minLength) return ArrowHead(tail, tip, percent, minLength);
  if (maxLength > 0 && d2 > double(maxLength) * maxLength) return ArrowHead(tail, tip, percent, maxLength);
  const std::int64_t u = RoundHalfEven64(hx * p / 100.0);
  const std::int64_t v = RoundHalfEven64(hy * p / 100.0);
  const TPoint base(drawing_detail::ClampToInt(baseX), drawing_detail::ClampToInt(baseY));
  return {OffsetPoint(base, -v, u), tip, OffsetPoint(base, v, -u)};
}

void DrawAngleMark(QPainter *canvas, TPoint a, TPoint o, TPoint b) {
  using namespace shapes_detail;
  if (canvas == nullptr) return;
  drawing_detail::TAliasedScope aliased(canvas);
  canvas->drawPolyline(QPolygon({a.ToQPoint(), o.ToQPoint(), b.ToQPoint()}));
  if (!LongLeg(o, a) || !LongLeg(o, b) || !drawing_detail::NearDevice(canvas, o, 16)) return;
  const double start = ScreenDegrees(o, a);
  // The pie goes from leg a towards leg b the short way round.
  double span = ScreenDegrees(o, b) - start;
  if (span > 180.0) span -= 360.0;
  if (span <= -180.0) span += 360.0;
  const QBrush oldBrush = canvas->brush();
  canvas->setBrush(QBrush(QColor(192, 192, 192), Qt::SolidPattern));
  canvas->drawPie(QRect(o.X - 15, o.Y - 15, 30, 30), RoundClamped(start * 16), RoundClamped(span * 16));
  canvas->setBrush(oldBrush);
}

TPointDynArray LinePoints(TPoint a, TPoint b) {
  const drawing_detail::TLineWalk walk(a, b);
  const std::int64_t count = std::min(walk.Count(), drawing_detail::kMaxPointListLength);
  TPointDynArray points;
  points.reserve(std::size_t(count));
  for (std::int64_t k = 0; k < count; ++k) points.push_back(walk.At(k));
  return points;
}

void DrawLinePixels(QPainter *canvas, TPoint a, TPoint b) {
  if (canvas == nullptr) return;
  QRectF storage;
  QPolygon pixels;
  drawing_detail::AppendLinePixels(pixels, a, b, false, drawing_detail::VisibleForPen(canvas, storage));
  drawing_detail::DrawPixelPolyline(canvas, pixels);
}

void DrawRectOutline(QPainter *canvas, const QRect &rect) {
  if (canvas == nullptr) return;
  drawing_detail::TAliasedScope aliased(canvas);
  QPolygon outline = shapes_detail::CornerPolygon(rect);
  outline << rect.topLeft();
  canvas->drawPolyline(outline);
}

void DrawCrossedRect(QPainter *canvas, const QRect &rect) {
  if (canvas == nullptr) return;
  DrawRectOutline(canvas, rect);
  drawing_detail::TAliasedScope aliased(canvas);
  canvas->drawLine(rect.topLeft(), rect.bottomRight());
  canvas->drawLine(rect.topRight(), rect.bottomLeft());
}

void DrawDottedFrame(QPainter *canvas, const QRect &rect) {
  if (canvas == nullptr) return;
  drawing_detail::TAliasedScope aliased(canvas);
  const QPen oldPen = canvas->pen();
  const QBrush oldBrush = canvas->brush();
  QPen dotted = oldPen;
  dotted.setColor(QColor(128, 128, 128));
  dotted.setStyle(Qt::DotLine);
  canvas->setPen(dotted);
  canvas->setBrush(QBrush(Qt::white, Qt::SolidPattern));
  canvas->drawPolygon(shapes_detail::CornerPolygon(rect));
  QPen solid = oldPen;
  solid.setStyle(Qt::SolidLine);
  canvas->setPen(solid);
  canvas->setBrush(oldBrush);
}

void DrawBevelTriangle(QPainter *canvas, TPoint p1, TPoint p2, TPoint p3, TColor dark, TColor light) {
  if (canvas == nullptr) return;
  drawing_detail::TAliasedScope aliased(canvas);
  const QPen oldPen = canvas->pen();
  QPen pen = oldPen;
  pen.setStyle(Qt::SolidLine);
  pen.setColor(dark.ToQColor());
  canvas->setPen(pen);
  // The outline of the filled triangle gives every edge the dark colour; the edge from the
  // first to the second point is then lit.
  canvas->drawPolygon(QPolygon({p1.ToQPoint(), p2.ToQPoint(), p3.ToQPoint()}));
  pen.setColor(light.ToQColor());
  canvas->setPen(pen);
  canvas->drawLine(p1.ToQPoint(), p2.ToQPoint());
  canvas->setPen(oldPen);
}

void DrawShadedCircle(QPainter *canvas, TPoint centre, int radius, TColor light, TColor dark) {
  if (canvas == nullptr || radius < 0) return;
  drawing_detail::TAliasedScope aliased(canvas);
  const QPen oldPen = canvas->pen();
  const double r = radius;
  const QRectF box(centre.X - r, centre.Y - r, 2 * r, 2 * r);
  canvas->setPen(Qt::NoPen);
  canvas->drawEllipse(box.adjusted(0, 0, 1, 1));
  QPen pen = oldPen;
  pen.setStyle(Qt::SolidLine);
  pen.setColor(light.ToQColor());
  canvas->setPen(pen);
  canvas->drawArc(box, 45 * 16, 180 * 16);
  pen.setColor(dark.ToQColor());
  canvas->setPen(pen);
  canvas->drawArc(box, 225 * 16, 180 * 16);
  canvas->setPen(oldPen);
}

}  // namespace kolibra::measurement
