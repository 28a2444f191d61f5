// The angle and the arc: geometry, bending, hit tests, descriptions and drawing.
#include "results/GShapes.h"

#include "kit/MathUtils.h"
#include "kit/Texts.h"
#include "measurement/DrawHelpers.h"
#include "results/GElemText.h"
#include "results/GraphCanvas.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <numbers>

namespace kolibra::results {

namespace gshapes_impl {

constexpr double Pi = std::numbers::pi;
constexpr double TwoPi = 2.0 * std::numbers::pi;
constexpr int AngleMarkRadius = 15;

QPointF Real(TPoint p) { return QPointF(p.X, p.Y); }

// Direction of p seen from c on the screen, y up.
double Direction(QPointF c, QPointF p) { return std::atan2(-(p.y() - c.y()), p.x() - c.x()); }

double Positive(double angle) {
  double a = std::fmod(angle, TwoPi);
  if (a < 0.0) a += TwoPi;
  return a;
}

// Whether direction lies on the counter-clockwise run from start to end.
bool Between(double direction, double start, double end) {
  return Positive(direction - start) <= Positive(end - start) + 1e-12;
}

// Which side of the line a-b the point p lies on (screen coordinates): the sign of the cross
// product, 0 on the line.
double Side(QPointF a, QPointF b, QPointF p) {
  return (b.x() - a.x()) * (p.y() - a.y()) - (b.y() - a.y()) * (p.x() - a.x());
}

// The angle marker: the legs and, when both are long enough, a silver pie at the vertex from
// the first leg towards the second the short way round. On the back buffer it is the drawing
// helpers' own marker; in a vector picture the same shapes go through the canvas, which cuts
// them to the plot.
void AngleMark(TGraphCanvas &canvas, TPoint a, TPoint o, TPoint b) {
  if (!canvas.Vector()) {
    QPainter &painter = canvas.Painter();
    const QBrush saved = painter.brush();
    measurement::DrawAngleMark(&painter, a, o, b);
    painter.setBrush(saved);
    return;
  }
  canvas.Polyline(QPolygonF() << Real(a) << Real(o) << Real(b));
  const auto longLeg = [o](TPoint p) { return std::abs(p.X - o.X) > 15 || std::abs(p.Y - o.Y) > 15; };
  if (!longLeg(a) || !longLeg(b)) return;
  const double start = Direction(Real(o), Real(a)) * 180.0 / Pi;
  double span = Direction(Real(o), Real(b)) * 180.0 / Pi - start;
  if (span > 180.0) span -= 360.0;
  if (span <= -180.0) span += 360.0;
  QPainterPath pie;
  pie.moveTo(Real(o));
  pie.arcTo(QRectF(o.X - AngleMarkRadius, o.Y - AngleMarkRadius, 2 * AngleMarkRadius, 2 * AngleMarkRadius), start,
            span);
  pie.closeSubpath();
  canvas.Polygon(pie.toFillPolygon(), TColor::FromRgb(192, 192, 192), true);
}

}  // namespace gshapes_impl

// ---------------------------------------------------------------------------------------------
// Angle
// ---------------------------------------------------------------------------------------------

TGAngle::TGAngle() {
  ObjectType = obAngle;
  Color = TColor::FromRgb(199, 21, 133);
}

TGAngle::TGAngle(TPointD first, TPointD vertex, TPointD second) : TGAngle() {
  AddPoint(first);
  AddPoint(vertex);
  AddPoint(second);
}

double TGAngle::Value() const {
  if (Points.size() < 3) return 0.0;
  const TPointD a = Points[0]->Position, o = Points[1]->Position, b = Points[2]->Position;
  const double a1 = std::atan2(a.Y - o.Y, a.X - o.X), a2 = std::atan2(b.Y - o.Y, b.X - o.X);
  double value = std::fabs(a2 - a1);
  if (value > gshapes_impl::Pi) value = gshapes_impl::TwoPi - value;
  return value;
}

void TGAngle::FindPart(TPoint point) {
  TGPolyPoint::FindPart(point);
  if (HitPart != -2 || Points.size() < 3) return;
  if (measurement::LineHit(point, PointPixel(0), PointPixel(1), LineWidth()) ||
      measurement::LineHit(point, PointPixel(1), PointPixel(2), LineWidth()))
    HitPart = -1;
}

void TGAngle::Info() {
  TGElem::Info();
  Lines << gelem_text::AngleLine(QT_TRANSLATE_NOOP("GElemText", "Acute angle between the lines"),
                                 Value());
}

void TGAngle::Draw(TGraphCanvas &canvas) {
  if (!Visible || Masked || Points.size() < 3) return;
  gelem_text::SetElementPen(canvas, *this);
  gshapes_impl::AngleMark(canvas, PointPixel(0), PointPixel(1), PointPixel(2));
}

std::unique_ptr<TGElem> TGAngle::Clone() const {
  auto copy = std::make_unique<TGAngle>();
  copy->Assign(*this);
  copy->Id = Id;
  return copy;
}

// ---------------------------------------------------------------------------------------------
// Arc
// ---------------------------------------------------------------------------------------------

TGArc::TGArc() {
  ObjectType = obArc;
  Color = TColor::FromRgb(184, 134, 11);
}

TGArc::TGArc(TPointD first, TPointD second) : TGArc() {
  AddPoint(first);
  AddPoint(second);
  AddPoint(TPointD(0.5 * (first.X + second.X), 0.5 * (first.Y + second.Y)));
}

void TGArc::Assign(const THistObject &source) {
  if (const auto *a = dynamic_cast<const TGArc *>(&source)) {
    // The flags first: the copied points recompute the pixel geometry from them.
    Straight = a->Straight;
    Flat = a->Flat;
    ShowRadii = a->ShowRadii;
  }
  TGPolyPoint::Assign(source);
}

void TGArc::GeometryChanged() {
  using namespace gshapes_impl;
  if (Points.size() < 3) return;
  const QPointF c = Real(PointPixel(2)), p0 = Real(PointPixel(0)), p1 = Real(PointPixel(1));
  const double r = std::hypot(p0.x() - c.x(), p0.y() - c.y());
  Radius = RoundClamped(r);
  StartAngle = Direction(c, p0);
  EndAngle = Direction(c, p1);
  if (Straight) {
    Angle = 0.0;
    Flat = false;
    return;
  }
  Angle = Positive(EndAngle - StartAngle);
  // A zoom can take the radius past the limits a bend applies.
  if (Angle < Pi && Radius > StraightRadius) {
    Straight = true;
    Angle = 0.0;
    Flat = false;
  } else {
    Flat = Radius > FlatRadius;
  }
}

double TGArc::WorldRadius() const {
  if (Points.size() < 3 || Straight) return 0.0;
  return DistanceD(Points[2]->Position, Points[0]->Position);
}

double TGArc::Length() const {
  if (Points.size() < 3) return 0.0;
  if (Straight) return DistanceD(Points[0]->Position, Points[1]->Position);
  return WorldRadius() * Angle;
}

TPointD TGArc::MiddlePixel() const {
  using namespace gshapes_impl;
  const QPointF p0 = Real(PointPixel(0)), p1 = Real(PointPixel(1));
  if (Straight) return TPointD(0.5 * (p0.x() + p1.x()), 0.5 * (p0.y() + p1.y()));
  const QPointF c = Real(PointPixel(2));
  const double r = std::hypot(p0.x() - c.x(), p0.y() - c.y()), m = StartAngle + 0.5 * Angle;
  return TPointD(c.x() + r * std::cos(m), c.y() - r * std::sin(m));
}

void TGArc::SetCentre(TPointD centre, TPointD side) {
  using namespace gshapes_impl;
  Points[2]->SetPosition(PixelToWorldF(centre.X, centre.Y));
  const QPointF c(centre.X, centre.Y);
  const double toSide = Direction(c, QPointF(side.X, side.Y));
  // The arc runs counter-clockwise from end 0 to end 1: it must hold the side's direction.
  if (!Between(toSide, Direction(c, Real(PointPixel(0))), Direction(c, Real(PointPixel(1)))))
    std::swap(Points[0], Points[1]);
  GeometryChanged();
}

void TGArc::Bend(TPoint point) {
  using namespace gshapes_impl;
  if (Points.size() < 3) return;
  const QPointF p0 = Real(PointPixel(0)), p1 = Real(PointPixel(1)), m = Real(point);
  const QPointF mid = 0.5 * (p0 + p1);
  const double chord = std::hypot(p1.x() - p0.x(), p1.y() - p0.y());
  if (chord < 1.0) return;
  // Unit normal of the chord.
  const QPointF n(-(p1.y() - p0.y()) / chord, (p1.x() - p0.x()) / chord);

  bool solved = false;
  TPointD centre;
  TPointD side;
  if (HitRadius && !HitArc && !Straight) {
    // The centre slides on the chord's perpendicular bisector, where the line from the nearer
    // end through the mouse meets it; the arc stays on the side it bulged to.
    side = MiddlePixel();
    const QPointF e = std::hypot(m.x() - p0.x(), m.y() - p0.y()) <= std::hypot(m.x() - p1.x(), m.y() - p1.y()) ? p0 : p1;
    const QPointF d = m - e;
    const double denominator = d.x() * n.y() - d.y() * n.x();
    if (!IsNearZero(denominator) && (std::fabs(d.x()) > 0.0 || std::fabs(d.y()) > 0.0)) {
      // e + s d = mid + t n
      const QPointF w = mid - e;
      const double s = (w.x() * n.y() - w.y() * n.x()) / denominator;
      centre = TPointD(e.x() + s * d.x(), e.y() + s * d.y());
      solved = true;
    }
  } else {
    side = TPointD(m.x(), m.y());
    double r = 0.0;
    solved = CircleThrough3(TPointD(p0.x(), p0.y()), TPointD(p1.x(), p1.y()), side, centre, r);
  }
  const QPointF s(side.X, side.Y);
  const double sideOfArc = Side(p0, p1, s);
  // Below pi the centre lies across the chord from the arc; on the chord it is a half circle.
  bool belowPi = Straight || Angle < Pi;
  if (solved) {
    const double sideOfCentre = Side(p0, p1, QPointF(centre.X, centre.Y));
    belowPi = sideOfCentre * sideOfArc < 0.0;
  } else if (IsNearZero(sideOfArc)) {
    belowPi = true;
  }
  const double radius = solved ? std::hypot(centre.X - p0.x(), centre.Y - p0.y()) : 0.0;
  // The arc's middle lies on the side of the chord the side point is on: seen from the
  // centre, in the direction of the chord's normal towards that side.
  const double towards = sideOfArc * Side(p0, p1, mid + n) >= 0.0 ? 1.0 : -1.0;
  if (belowPi) {
    if (!solved || radius > StraightRadius) {
      Straight = true;
      Points[2]->SetPosition(PixelToWorldF(mid.x(), mid.y()));
      GeometryChanged();
      return;
    }
  } else if (!solved || radius > FlatRadius) {
    // The centre on the bisector, on the arc's side, 999 px from the ends.
    const double half = 0.5 * chord;
    const double h = FallbackRadius > half ? std::sqrt(double(FallbackRadius) * FallbackRadius - half * half) : 0.0;
    centre = TPointD(mid.x() + towards * h * n.x(), mid.y() + towards * h * n.y());
  }
  Straight = false;
  SetCentre(centre, TPointD(centre.X + towards * n.x(), centre.Y + towards * n.y()));
}

void TGArc::FindPart(TPoint point) {
  using namespace gshapes_impl;
  HitPart = -2;
  HitArc = HitRadius = false;
  if (Points.size() < 3) return;
  const TPoint e0 = PointPixel(0), e1 = PointPixel(1), c = PointPixel(2);
  const int tolerance = LineWidth();
  if (Straight) {
    HitArc = measurement::LineHit(point, e0, e1, tolerance);
  } else {
    // On the circle (within the tolerance square), in the direction of the arc.
    bool onCircle;
    if (Radius <= 2000) {
      onCircle = measurement::CircleHit(point, c, Radius, tolerance);
    } else {
      const double d = std::hypot(double(point.X) - c.X, double(point.Y) - c.Y);
      onCircle = std::fabs(d - Radius) <= 3.0;
    }
    HitArc = onCircle && Between(Direction(Real(c), Real(point)), StartAngle, EndAngle);
    if (!HitArc && !Flat)
      HitRadius = measurement::LineHit(point, c, e0, tolerance) || measurement::LineHit(point, c, e1, tolerance);
  }
  if (HitArc || HitRadius) HitPart = -1;
}

void TGArc::Info() {
  TGElem::Info();
  Lines << gelem_text::Line(QT_TRANSLATE_NOOP("GElemText", "Arc length"), Length(),
                            QStringLiteral("m"));
  Lines << gelem_text::AngleLine(QT_TRANSLATE_NOOP("GElemText", "Angle between radiuses"),
                                 Straight ? 0.0 : Angle);
  if (Straight)
    Lines << GElemText::tr("radius length") + QStringLiteral(" : ") + GElemText::tr("infinite");
  else
    Lines << gelem_text::Line(QT_TRANSLATE_NOOP("GElemText", "radius length"), WorldRadius(),
                              QStringLiteral("m"));
}

void TGArc::Draw(TGraphCanvas &canvas) {
  using namespace gshapes_impl;
  if (!Visible || Masked || Points.size() < 3) return;
  gelem_text::SetElementPen(canvas, *this);
  const TPoint e0 = PointPixel(0), e1 = PointPixel(1), c = PointPixel(2);
  if (Straight) {
    canvas.Line(e0, e1);
    return;
  }
  const double r = std::hypot(double(e0.X) - c.X, double(e0.Y) - c.Y);
  QPainterPath path;
  const QRectF box(c.X - r, c.Y - r, 2 * r, 2 * r);
  path.arcMoveTo(box, StartAngle * 180.0 / Pi);
  path.arcTo(box, StartAngle * 180.0 / Pi, Angle * 180.0 / Pi);
  canvas.StrokePath(path);
  if (!Flat && ShowRadii) {
    canvas.Line(e0, c);
    canvas.Line(c, e1);
  }
}

std::unique_ptr<TGElem> TGArc::Clone() const {
  auto copy = std::make_unique<TGArc>();
  copy->Assign(*this);
  copy->Id = Id;
  return copy;
}

}  // namespace kolibra::results
