// The circle, the ellipse and the rotation handle.
#include "kit/Locale.h"
#include "kit/MathUtils.h"
#include "kit/Texts.h"
#include "measurement/DrawHelpers.h"
#include "results/GElemText.h"
#include "results/GShapes.h"
#include "results/GraphCanvas.h"
#include "results/GraphTools.h"

#include <QPainterPath>
#include <QTransform>

#include <cmath>
#include <numbers>

namespace kolibra::results {

namespace gcircles_impl {

constexpr int CentreMotif = 8;

// A closed list of pixels as one polyline (the first pixel repeated at the end).
void ClosedPixels(TGraphCanvas &canvas, TPointDynArray points) {
  if (points.empty()) return;
  points.push_back(points.front());
  canvas.PixelPolyline(points);
}

}  // namespace gcircles_impl

// ---------------------------------------------------------------------------------------------
// Circle
// ---------------------------------------------------------------------------------------------

TGCercle::TGCercle() {
  ObjectType = obCercle;
  Color = TColor::FromRgb(220, 157, 93);
}

TGCercle::TGCercle(TPointD centre, TPointD onCircle) : TGCercle() {
  AddPoint(centre);
  AddPoint(onCircle);
}

void TGCercle::GeometryChanged() {
  if (Points.size() < 2) return;
  Radius = RoundClamped(DistanceI(PointPixel(0), PointPixel(1)));
}

double TGCercle::WorldRadius() const {
  return Points.size() < 2 ? 0.0 : DistanceD(Points[0]->Position, Points[1]->Position);
}

void TGCercle::FindPart(TPoint point) {
  // Only the outline takes the mouse: the centre and the inside are free for other work.
  HitPart = Points.size() >= 2 && measurement::CircleHit(point, PointPixel(0), Radius, LineWidth()) ? -1 : -2;
}

void TGCercle::Bend(TPoint point) {
  if (Points.size() < 2 || point == PointPixel(0)) return;
  Points[1]->SetPixel(point);
  GeometryChanged();
}

void TGCercle::Info() {
  TGElem::Info();
  const double r = WorldRadius();
  Lines << gelem_text::Line(QT_TRANSLATE_NOOP("GElemText", "Circle girth"),
                            2.0 * std::numbers::pi * r, QStringLiteral("m"));
  Lines << gelem_text::Line(QT_TRANSLATE_NOOP("GElemText", "radius length"), r,
                            QStringLiteral("m"));
}

void TGCercle::Draw(TGraphCanvas &canvas) {
  if (!Visible || Masked || Points.size() < 2) return;
  gelem_text::SetElementPen(canvas, *this);
  const TPoint c = PointPixel(0);
  if (canvas.Vector()) {
    QPainterPath path;
    path.addEllipse(QPointF(c.X, c.Y), Radius, Radius);
    canvas.StrokePath(path);
  } else {
    gcircles_impl::ClosedPixels(canvas, measurement::CirclePoints(c, Radius));
  }
  if (ShowCentre) canvas.Symbol(gcircles_impl::CentreMotif, c, Color, 0);
}

std::unique_ptr<TGElem> TGCercle::Clone() const {
  auto copy = std::make_unique<TGCercle>();
  copy->Assign(*this);
  copy->Id = Id;
  return copy;
}

// ---------------------------------------------------------------------------------------------
// Ellipse
// ---------------------------------------------------------------------------------------------

TGEllipse::TGEllipse() {
  ObjectType = obEllipse;
  Color = TColor::FromRgb(255, 127, 80);
}

TGEllipse::TGEllipse(TPointD centre, double semiX, double semiY) : TGEllipse() {
  for (int i = 0; i < 6; ++i) AddPoint(centre);
  PlaceHandles(std::fabs(semiX), std::fabs(semiY));
}

void TGEllipse::Assign(const THistObject &source) {
  if (const auto *e = dynamic_cast<const TGEllipse *>(&source)) {
    Angle = e->Angle;
    ShowCentre = e->ShowCentre;
  }
  TGPolyPoint::Assign(source);
}

TPointD TGEllipse::Centre() const { return Points.size() >= 5 ? Points[4]->Position : TPointD(); }

double TGEllipse::WorldA() const { return Points.size() >= 5 ? DistanceD(Points[4]->Position, Points[0]->Position) : 0.0; }

double TGEllipse::WorldB() const { return Points.size() >= 5 ? DistanceD(Points[4]->Position, Points[1]->Position) : 0.0; }

double TGEllipse::Girth() const { return EllipsePerimeter(WorldA(), WorldB()); }

void TGEllipse::PlaceHandles(double worldA, double worldB) {
  if (Points.size() < 6) return;
  const TPointD c = Points[4]->Position;
  const double cs = std::cos(Angle), sn = std::sin(Angle);
  const TPointD u(worldA * cs, worldA * sn), v(-worldB * sn, worldB * cs);
  Points[0]->SetPosition(TPointD(c.X + u.X, c.Y + u.Y));
  Points[1]->SetPosition(TPointD(c.X + v.X, c.Y + v.Y));
  Points[2]->SetPosition(TPointD(c.X - u.X, c.Y - u.Y));
  Points[3]->SetPosition(TPointD(c.X - v.X, c.Y - v.Y));
  Points[5]->SetPosition(c);
  GeometryChanged();
}

void TGEllipse::GeometryChanged() {
  if (Points.size() < 6) return;
  A = DistanceI(PointPixel(4), PointPixel(0));
  B = DistanceI(PointPixel(4), PointPixel(1));
}

void TGEllipse::Rotate(TPointD centre, double angle) {
  TGPolyPoint::Rotate(centre, angle);
  Angle = NormalizeAngle(Angle, angle);
}

void TGEllipse::FindPart(TPoint point) {
  HitPart = -2;
  if (Points.size() < 6) return;
  for (int i = 0; i < 4; ++i)
    if (measurement::PointHit(point, PointPixel(i), LineWidth())) {
      HitPart = i;
      return;
    }
  if (measurement::EllipseHit(point, PointPixel(4), false, LineWidth(), Angle, B, A)) HitPart = -1;
}

void TGEllipse::Bend(TPoint point) {
  if (Points.size() < 6 || HitPart < 0 || HitPart > 3) return;
  // The handle follows the mouse along its own axis; the other semi-axis stays.
  const TPointD c = Points[4]->Position, m = PixelToWorld(point);
  const double cs = std::cos(Angle), sn = std::sin(Angle);
  const TPointD axis = HitPart % 2 == 0 ? TPointD(cs, sn) : TPointD(-sn, cs);
  const double along = std::fabs((m.X - c.X) * axis.X + (m.Y - c.Y) * axis.Y);
  if (IsNearZero(along)) return;
  if (HitPart % 2 == 0)
    PlaceHandles(along, WorldB());
  else
    PlaceHandles(WorldA(), along);
}

void TGEllipse::Info() {
  TGElem::Info();
  // An ellipse's axis has no direction: the angle is told between -90 and 90 degrees.
  double angle = NormalizeAngle(Angle, 0.0);
  if (angle > std::numbers::pi / 2) angle -= std::numbers::pi;
  if (angle <= -std::numbers::pi / 2) angle += std::numbers::pi;
  Lines << gelem_text::AngleLine(QT_TRANSLATE_NOOP("GElemText", "Angle with the horizontal axis"),
                                 angle);
  const auto line = [](const char *label, double value) {
    return GElemText::tr(label) + QStringLiteral(": ") + GeneralFormat(value, 3) +
           QStringLiteral(" m");
  };
  Lines << line(QT_TRANSLATE_NOOP("GElemText", "Ellipse girth"), Girth());
  Lines << line(QT_TRANSLATE_NOOP("GElemText", "Length of semi-major axis"),
                std::max(WorldA(), WorldB()));
  Lines << line(QT_TRANSLATE_NOOP("GElemText", "Length of semi-minor axis"),
                std::min(WorldA(), WorldB()));
}

void TGEllipse::Draw(TGraphCanvas &canvas) {
  if (!Visible || Masked || Points.size() < 6) return;
  gelem_text::SetElementPen(canvas, *this);
  const TPoint c = PointPixel(4);
  if (canvas.Vector()) {
    QPainterPath ellipse;
    ellipse.addEllipse(QPointF(0, 0), A, B);
    QTransform turn;
    turn.translate(c.X, c.Y);
    turn.rotateRadians(-Angle);
    canvas.StrokePath(turn.map(ellipse));
  } else {
    gcircles_impl::ClosedPixels(canvas, measurement::RotatedEllipsePoints(c, Angle, B, A));
  }
  if (Selected && Style != nullptr && Style->Tool == gtBend) {
    const int size = Style->SymbolSize;
    for (int i = 0; i < 4; ++i) canvas.Symbol(PointMotif, PointPixel(i), Color, size);
  }
  if (ShowCentre) canvas.Symbol(gcircles_impl::CentreMotif, c, Color, 0);
}

std::unique_ptr<TGElem> TGEllipse::Clone() const {
  auto copy = std::make_unique<TGEllipse>();
  copy->Assign(*this);
  copy->Id = Id;
  return copy;
}

// ---------------------------------------------------------------------------------------------
// Rotation handle
// ---------------------------------------------------------------------------------------------

TRotation::TRotation() = default;

void TRotation::Start(TPointD centre, TPoint mouse) {
  Points.clear();
  AddPoint(centre);
  AddPoint(PixelToWorld(mouse));
  Points[1]->Pixel = mouse;
}

double TRotation::TurnTo(TPoint mouse) {
  if (Points.size() < 2) return 0.0;
  const TPoint c = PointPixel(0), last = PointPixel(1);
  const double before = std::atan2(-(double(last.Y) - c.Y), double(last.X) - c.X);
  const double now = std::atan2(-(double(mouse.Y) - c.Y), double(mouse.X) - c.X);
  Points[1]->SetPixel(mouse);
  if (mouse == c || last == c) return 0.0;
  return NormalizeAngle(now - before, 0.0);
}

std::unique_ptr<TGElem> TRotation::Clone() const {
  auto copy = std::make_unique<TRotation>();
  copy->Assign(*this);
  copy->Id = Id;
  return copy;
}

}  // namespace kolibra::results
