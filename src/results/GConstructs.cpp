#include "results/GConstructs.h"

#include "kit/Locale.h"
#include "kit/MathUtils.h"
#include "measurement/DrawHelpers.h"
#include "results/GElemText.h"
#include "results/GraphCanvas.h"
#include "results/ParamCom.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QPainter>

#include <cmath>
#include <numbers>

namespace kolibra::results {

namespace gconstructs_impl {

constexpr int MaxSplinePoints = 255;

using gelem_text::AngleLine;
using gelem_text::Line;
using gelem_text::SetElementPen;

}  // namespace gconstructs_impl

// ---------------------------------------------------------------------------------------------
// Segment
// ---------------------------------------------------------------------------------------------

TGSegment::TGSegment() {
  ObjectType = obSegment;
  Color = TColor::FromRgb(0, 100, 0);
}

TGSegment::TGSegment(TPointD a, TPointD b, TColor colour) : TGSegment() {
  Color = colour;
  AddPoint(a);
  AddPoint(b);
}

bool TGSegment::HitTest(TPoint point) {
  if (!TGElem::HitTest(point) || Points.size() < 2) return false;
  HitPart = measurement::SegmentHit(point, PointPixel(0), PointPixel(1), LineWidth());
  return HitPart >= -1;
}

double TGSegment::Length() const {
  return Points.size() < 2 ? 0.0 : DistanceD(Points[0]->Position, Points[1]->Position);
}

void TGSegment::Info() {
  TGElem::Info();
  Lines << gconstructs_impl::Line(QT_TRANSLATE_NOOP("GElemText", "Segment length"), Length(),
                                  QStringLiteral("m"));
}

void TGSegment::Draw(TGraphCanvas &canvas) {
  if (!Visible || Masked || Points.size() < 2) return;
  gconstructs_impl::SetElementPen(canvas, *this);
  canvas.Line(PointPixel(0), PointPixel(1));
}

std::unique_ptr<TGElem> TGSegment::Clone() const {
  auto copy = std::make_unique<TGSegment>();
  copy->Assign(*this);
  copy->Id = Id;
  return copy;
}

// ---------------------------------------------------------------------------------------------
// Spline
// ---------------------------------------------------------------------------------------------

TGSpline::TGSpline() {
  ObjectType = obSpline;
  Color = TColor::FromRgb(65, 105, 225);
}

void TGSpline::SetThrough(const TPointDDynArray &points) {
  Points.clear();
  if (points.empty()) return;
  Points.reserve(points.size() + 2);
  AddPoint(points.front());
  for (const TPointD &p : points) AddPoint(p);
  AddPoint(points.back());
}

const TPointDynArray &TGSpline::Curve() {
  if (CurveStale) {
    TPointDynArray control;
    control.reserve(Points.size());
    for (const auto &p : Points) control.push_back(p->Pixel);
    CurvePixels = Points.size() > 3 ? measurement::SplinePoints(control, Steps) : TPointDynArray();
    CurveStale = false;
  }
  return CurvePixels;
}

void TGSpline::FindPart(TPoint point) {
  HitPart = -2;
  const int n = std::min(int(Points.size()), gconstructs_impl::MaxSplinePoints);
  for (int i = 1; i < n - 1; ++i)
    if (measurement::PointHit(point, PointPixel(i), LineWidth())) {
      HitPart = i;
      return;
    }
  const TPointDynArray &curve = Curve();
  for (size_t i = 1; i < curve.size(); ++i)
    if (measurement::LineHit(point, curve[i - 1], curve[i], LineWidth())) {
      HitPart = -1;
      return;
    }
}

bool TGSpline::HitTest(TPoint point) {
  if (!TGElem::HitTest(point) || Points.size() <= 3) return false;
  FindPart(point);
  return HitPart >= -1;
}

bool TGSpline::MovePart(TPoint point) {
  const int n = int(Points.size());
  if (HitPart < 0 || HitPart >= n) return false;
  // Grabbing an end copy moves its neighbour; the copies follow their neighbours.
  if (HitPart == 0) HitPart = 1;
  if (HitPart == n - 1) HitPart = n - 2;
  if (!TGPolyPoint::MovePart(point)) return false;
  if (HitPart == 1) Points[0]->SetPosition(Points[1]->Position);
  if (HitPart == n - 2) Points[size_t(n - 1)]->SetPosition(Points[size_t(n - 2)]->Position);
  GeometryChanged();
  return true;
}

double TGSpline::Length() const {
  static constexpr double nodes[6] = {-0.9324695142, -0.6612093865, -0.2386191861,
                                      0.2386191861,  0.6612093865,  0.9324695142};
  static constexpr double weights[6] = {0.1713244924, 0.360761573, 0.4679139346,
                                        0.4679139346, 0.360761573, 0.1713244924};
  const int n = int(Points.size());
  double length = 0.0;
  for (int i = 1; i + 2 < n; ++i) {
    const TPointD p0 = Points[size_t(i - 1)]->Position, p1 = Points[size_t(i)]->Position,
                  p2 = Points[size_t(i + 1)]->Position, p3 = Points[size_t(i + 2)]->Position;
    const auto speed = [&](double t) {
      const auto d = [t](double a, double b, double c, double e) {
        return 0.5 * ((-a + c) + 2.0 * (2.0 * a - 5.0 * b + 4.0 * c - e) * t +
                      3.0 * (-a + 3.0 * b - 3.0 * c + e) * t * t);
      };
      return std::hypot(d(p0.X, p1.X, p2.X, p3.X), d(p0.Y, p1.Y, p2.Y, p3.Y));
    };
    double span = 0.0;
    for (int k = 0; k < 6; ++k) span += weights[k] * speed(0.5 + nodes[k] / 2.0);
    length += span / 2.0;
  }
  return length;
}

void TGSpline::Info() {
  TGElem::Info();
  if (Points.size() > 3)
    Lines << gconstructs_impl::Line(QT_TRANSLATE_NOOP("GElemText", "Curve length"), Length(),
                                    QStringLiteral("m"));
}

void TGSpline::Draw(TGraphCanvas &canvas) {
  if (!Visible || Masked || Points.size() <= 3) return;
  gconstructs_impl::SetElementPen(canvas, *this);
  const TPointDynArray &curve = Curve();
  QPolygonF polyline(int(curve.size()));
  for (size_t i = 0; i < curve.size(); ++i) polyline[int(i)] = QPointF(curve[i].X, curve[i].Y);
  canvas.Polyline(polyline);
  if (!Selected) return;
  const int size = Style != nullptr ? Style->SymbolSize : 0;
  for (size_t i = 1; i + 1 < Points.size(); ++i)
    canvas.Symbol(PointMotif, Points[i]->Pixel, measurement::DarkenColor(Color, 50), size);
}

std::unique_ptr<TGElem> TGSpline::Clone() const {
  auto copy = std::make_unique<TGSpline>();
  copy->Assign(*this);
  copy->Steps = Steps;
  copy->Id = Id;
  return copy;
}

// ---------------------------------------------------------------------------------------------
// Vector
// ---------------------------------------------------------------------------------------------

TGVecteur::TGVecteur() {
  ObjectType = obVecteur;
  Color = TColor::FromRgb(148, 0, 211);
}

TGVecteur::TGVecteur(TPointD tail, TPointD components, int kind, TParamCom *param) : TGVecteur() {
  Composantes = components;
  Kind = kind;
  Param = param;
  UpdateNormAngle();
  AddPoint(tail);
}

void TGVecteur::Assign(const THistObject &source) {
  TGPolyPoint::Assign(source);
  const auto *v = dynamic_cast<const TGVecteur *>(&source);
  if (v == nullptr) return;
  Composantes = v->Composantes;
  Kind = v->Kind;
  Param = v->Param;
  Source = v->Source;
  Chained = v->Chained;
  UpdateNormAngle();
  UpdateTip();
}

bool TGVecteur::SameAs(const THistObject &other) const {
  const auto *v = dynamic_cast<const TGVecteur *>(&other);
  return v != nullptr && TGPolyPoint::SameAs(other) && v->Tip == Tip && SamePointD(v->Composantes, Composantes);
}

void TGVecteur::Translate(int dx, int dy) {
  if (dx != 0 || dy != 0) {
    Source = -1;
    Chained.clear();
  }
  TGPolyPoint::Translate(dx, dy);
}

void TGVecteur::Shift(int dx, int dy) { TGPolyPoint::Translate(dx, dy); }

void TGVecteur::UpdateNormAngle() {
  Norme = std::hypot(Composantes.X, Composantes.Y);
  if (IsNearZero(Composantes.X)) {
    Angle = Composantes.Y >= 0.0 ? 90.0 : -90.0;
  } else {
    Angle = std::atan2(Composantes.Y, Composantes.X) * 180.0 / std::numbers::pi;
    if (Angle < 0.0) Angle += 360.0;
  }
}

void TGVecteur::UpdateTip() {
  if (Points.empty()) return;
  const double factor = Param != nullptr ? Param->Facteur : 1.0;
  Displacement = TPointD(Composantes.X * factor, Composantes.Y * factor);
  const TPoint tail = PointPixel(0);
  Tip = TPoint(RoundClamped(tail.X + Displacement.X * Width), RoundClamped(tail.Y - Displacement.Y * Width));
}

void TGVecteur::SetTip(TPoint tip) {
  if (Points.empty() || Param == nullptr || Param->LongueurPx <= 0) return;
  const TPoint tail = PointPixel(0);
  Composantes = TPointD((tip.X - tail.X) * Param->Valeur / Param->LongueurPx,
                        (tail.Y - tip.Y) * Param->Valeur / Param->LongueurPx);
  UpdateNormAngle();
  Tip = tip;
}

void TGVecteur::ChangeDirection() {
  if (Points.empty()) return;
  const TPoint oldTip = Tip;
  Composantes = TPointD(-Composantes.X, -Composantes.Y);
  Points[0]->SetPixel(oldTip);
  UpdateNormAngle();
  UpdateTip();
}

QString TGVecteur::UnitText() const {
  if (Kind == 0) return QStringLiteral("m/s");
  if (Kind == 1) return QStringLiteral("m/s²");
  return Param != nullptr ? Param->Unite : QString();
}

bool TGVecteur::HitTest(TPoint point) {
  if (!TGElem::HitTest(point) || Points.empty()) return false;
  HitPart = measurement::SegmentHit(point, PointPixel(0), Tip, LineWidth());
  return HitPart >= -1;
}

bool TGVecteur::InRect(const QRect &rect) {
  return TGPolyPoint::InRect(rect) && measurement::PointInRect(Tip, rect);
}

void TGVecteur::Info() {
  TGElem::Info();
  Lines << gconstructs_impl::Line(QT_TRANSLATE_NOOP("GElemText", "Vector norm"), Norme, UnitText());
  Lines << gconstructs_impl::AngleLine(
      QT_TRANSLATE_NOOP("GElemText", "Angle with the horizontal axis"),
      Angle * std::numbers::pi / 180.0);
}

void TGVecteur::Draw(TGraphCanvas &canvas) {
  if (!Visible || Masked || Points.empty()) return;
  gconstructs_impl::SetElementPen(canvas, *this);
  const TPoint tail = PointPixel(0);
  canvas.Line(tail, Tip);
  const auto head = measurement::ProportionalArrowHead(tail, Tip, 50, 10, 5, 75);
  canvas.Line(head[0], Tip);
  canvas.Line(Tip, head[2]);
  if (Style == nullptr || !Style->DrawVectorValues) return;
  QPainter &painter = canvas.Painter();
  const QFont saved = painter.font();
  QFont font = saved;
  if (font.pixelSize() > 0)
    font.setPixelSize(font.pixelSize() + 2);
  else
    font.setPointSize(font.pointSize() + 2);
  painter.setFont(font);
  const QFontMetrics metrics(font);
  const bool raise = (Angle >= 90.0 && Angle <= 180.0) || Angle >= 270.0;
  const TPoint at(tail.X + (Tip.X - tail.X) / 4, tail.Y + (Tip.Y - tail.Y) / 4 - (raise ? metrics.height() : 0));
  canvas.Text(at, FormatReal(0, Norme) + QLatin1Char(' ') + UnitText(), Color);
  painter.setFont(saved);
}

std::unique_ptr<TGElem> TGVecteur::Clone() const {
  auto copy = std::make_unique<TGVecteur>();
  copy->Assign(*this);
  copy->Id = Id;
  return copy;
}

}  // namespace kolibra::results
