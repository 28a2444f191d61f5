#include "results/GElem.h"

#include "kit/MathUtils.h"
#include "measurement/DrawHelpers.h"
#include "results/GraphCanvas.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace kolibra::results {

namespace gelem_impl {

int &Counter() {
  static int next = 1;
  return next;
}

bool UsableRange(double range) { return !IsNearZero(range) && !IsHuge(range); }

}  // namespace gelem_impl

// ---------------------------------------------------------------------------------------------
// THistObject
// ---------------------------------------------------------------------------------------------

THistObject::THistObject() : Id(NextId()) {}

int THistObject::NextId() { return gelem_impl::Counter()++; }

void THistObject::ResetIds(int next) { gelem_impl::Counter() = next; }

void THistObject::Assign(const THistObject &source) {
  ObjectType = source.ObjectType;
  Action = source.Action;
}

bool THistObject::SameAs(const THistObject &) const { return true; }

// ---------------------------------------------------------------------------------------------
// TGElem
// ---------------------------------------------------------------------------------------------

TGElem::TGElem() = default;

void TGElem::Assign(const THistObject &source) {
  THistObject::Assign(source);
  const auto *e = dynamic_cast<const TGElem *>(&source);
  if (e == nullptr) return;
  UserMade = e->UserMade;
  Left = e->Left;
  Top = e->Top;
  Width = e->Width;
  Height = e->Height;
  CurveIndex = e->CurveIndex;
  Color = e->Color;
  Masked = e->Masked;
  Visible = e->Visible;
  World = e->World;
  Style = e->Style;
}

bool TGElem::SameAs(const THistObject &other) const {
  const auto *e = dynamic_cast<const TGElem *>(&other);
  return e != nullptr && THistObject::SameAs(other) && e->Color == Color;
}

bool TGElem::HitTest(TPoint) { return Visible && !Masked; }

void TGElem::Description(QString &text) {
  Info();
  text = Lines.join(QLatin1Char('\n'));
}

void TGElem::Info() { Lines.clear(); }

void TGElem::SetPlotRect(int left, int top, int width, int height) {
  Left = left;
  Top = top;
  Width = width;
  Height = height;
}

void TGElem::SetColor(TColor colour) { Color = colour; }

void TGElem::SetMasked(bool flag) {
  Masked = flag;
  Visible = Visible && !flag;
}

void TGElem::SetVisible(bool flag) { Visible = flag && !Masked; }

void TGElem::SetWorld(const TRectD &rect) { World = rect; }

void TGElem::Translate(int, int) {}

bool TGElem::WorldToPixel(TPointD world, TPoint &pixel) const {
  using gelem_impl::UsableRange;
  const double rx = World.XMax - World.XMin, ry = World.YMax - World.YMin;
  if (!UsableRange(rx) || !UsableRange(ry)) return false;
  const double u = (world.X - World.XMin) / rx, v = (world.Y - World.YMin) / ry;
  pixel = TPoint(RoundClamped(Width * u + Left), RoundClamped((1.0 - v) * Height + Top));
  return true;
}

TPointD TGElem::PixelToWorld(TPoint pixel) const { return PixelToWorldF(pixel.X, pixel.Y); }

TPointD TGElem::PixelToWorldF(double x, double y) const {
  const double rx = World.XMax - World.XMin, ry = World.YMax - World.YMin;
  const double w = Width > 0 ? Width : 1, h = Height > 0 ? Height : 1;
  return TPointD(World.XMin + (x - Left) / w * rx, World.YMin + (Height + Top - y) / h * ry);
}

// ---------------------------------------------------------------------------------------------
// TGPoint
// ---------------------------------------------------------------------------------------------

TGPoint::TGPoint() {
  ObjectType = obPoint;
  Color = TColor::FromRgb(255, 0, 0);
}

TGPoint::TGPoint(TPointD position, TColor colour) : TGPoint() {
  Position = position;
  Color = colour;
}

void TGPoint::Assign(const THistObject &source) {
  TGElem::Assign(source);
  const auto *p = dynamic_cast<const TGPoint *>(&source);
  if (p == nullptr) return;
  Pixel = p->Pixel;
  Position = p->Position;
  U = p->U;
  V = p->V;
  LabelColor = p->LabelColor;
  ShowLabel = p->ShowLabel;
  Number = p->Number;
  LabelPlace = p->LabelPlace;
  MotifKind = p->MotifKind;
}

bool TGPoint::SameAs(const THistObject &other) const {
  const auto *p = dynamic_cast<const TGPoint *>(&other);
  return p != nullptr && TGElem::SameAs(other) && SamePointD(p->Position, Position);
}

bool TGPoint::HitTest(TPoint point) {
  const int tolerance = Style != nullptr ? Style->PointTolerance() : 6;
  return TGElem::HitTest(point) && measurement::PointHit(point, Pixel, tolerance);
}

void TGPoint::UpdatePixel() {
  const double rx = World.XMax - World.XMin, ry = World.YMax - World.YMin;
  if (!gelem_impl::UsableRange(rx) || !gelem_impl::UsableRange(ry)) return;
  U = (Position.X - World.XMin) / rx;
  V = (Position.Y - World.YMin) / ry;
  WorldToPixel(Position, Pixel);
}

void TGPoint::SetPlotRect(int left, int top, int width, int height) {
  TGElem::SetPlotRect(left, top, width, height);
  UpdatePixel();
}

void TGPoint::SetWorld(const TRectD &rect) {
  TGElem::SetWorld(rect);
  UpdatePixel();
}

void TGPoint::SetPixel(TPoint pixel) {
  Pixel = pixel;
  Position = PixelToWorld(pixel);
  const double rx = World.XMax - World.XMin, ry = World.YMax - World.YMin;
  if (gelem_impl::UsableRange(rx) && gelem_impl::UsableRange(ry)) {
    U = (Position.X - World.XMin) / rx;
    V = (Position.Y - World.YMin) / ry;
  }
}

void TGPoint::SetPosition(TPointD position) {
  Position = position;
  UpdatePixel();
}

void TGPoint::Translate(int dx, int dy) { SetPixel(TPoint(Pixel.X + dx, Pixel.Y + dy)); }

void TGPoint::Rotate(TPointD centre, double sinA, double cosA) {
  const double x = Position.X - centre.X, y = Position.Y - centre.Y;
  SetPosition(TPointD(centre.X + x * cosA - y * sinA, centre.Y + x * sinA + y * cosA));
}

void TGPoint::Draw(TGraphCanvas &canvas) {
  if (!Visible || Masked) return;
  const int size = Style != nullptr ? Style->SymbolSize : 0;
  canvas.Symbol(MotifKind, Pixel, Color, size);
  if (Highlighted) {
    const int radius = 7 + 2 * size;
    canvas.SetPen(TColor::FromRgb(0, 0, 0), 2);
    QPainterPath ring;
    ring.addEllipse(QPointF(Pixel.X, Pixel.Y), radius, radius);
    canvas.StrokePath(ring);
  }
  if (!ShowLabel) return;
  QPainter &painter = canvas.Painter();
  const QFont saved = painter.font();
  int o = 0;
  if (size != 0) {
    QFont font = saved;
    font.setBold(false);
    font.setItalic(false);
    font.setPixelSize(size == 1 ? 16 : 20);  // 12 and 15 points on the screen
    o = size == 1 ? 4 : 7;
    painter.setFont(font);
  }
  const QString text = QString::number(Number);
  // The label's anchor is the baseline corner of the original canvas text: below the point
  // for place 0, on its right for place 1.
  const TPoint at = LabelPlace == 1 ? TPoint(Pixel.X + o + 8, Pixel.Y - o / 2 - 7)
                                    : TPoint(Pixel.X - o / 2 - 2, Pixel.Y + o + 4);
  const QFontMetrics metrics(painter.font());
  if (canvas.ReserveLabel(QRect(at.X, at.Y, metrics.horizontalAdvance(text), metrics.height())))
    canvas.Text(at, text, LabelColor);
  if (size != 0) painter.setFont(saved);
}

std::unique_ptr<TGElem> TGPoint::Clone() const {
  auto copy = std::make_unique<TGPoint>();
  copy->Assign(*this);
  copy->Id = Id;
  return copy;
}

// ---------------------------------------------------------------------------------------------
// TGPolyPoint
// ---------------------------------------------------------------------------------------------

TGPolyPoint::TGPolyPoint() { Points.reserve(16); }

void TGPolyPoint::AddPoint(TPointD world) {
  auto point = std::make_unique<TGPoint>(world, Color);
  point->Style = Style;
  point->MotifKind = PointMotif;
  point->SetWorld(World);
  point->SetPlotRect(Left, Top, Width, Height);
  Points.push_back(std::move(point));
  GeometryChanged();
}

void TGPolyPoint::Assign(const THistObject &source) {
  TGElem::Assign(source);
  const auto *p = dynamic_cast<const TGPolyPoint *>(&source);
  if (p == nullptr) return;
  PointMotif = p->PointMotif;
  HitPart = p->HitPart;
  Points.clear();
  for (const auto &point : p->Points) {
    auto copy = std::make_unique<TGPoint>();
    copy->Assign(*point);
    Points.push_back(std::move(copy));
  }
  GeometryChanged();
}

bool TGPolyPoint::SameAs(const THistObject &other) const {
  const auto *p = dynamic_cast<const TGPolyPoint *>(&other);
  if (p == nullptr || !TGElem::SameAs(other) || p->Points.size() != Points.size()) return false;
  for (size_t i = 0; i < Points.size(); ++i)
    if (!Points[i]->SameAs(*p->Points[i])) return false;
  return true;
}

bool TGPolyPoint::HitTest(TPoint point) {
  if (!TGElem::HitTest(point)) return false;
  FindPart(point);
  return HitPart >= -1;
}

void TGPolyPoint::SetPlotRect(int left, int top, int width, int height) {
  TGElem::SetPlotRect(left, top, width, height);
  for (auto &p : Points) p->SetPlotRect(left, top, width, height);
  GeometryChanged();
}

void TGPolyPoint::SetWorld(const TRectD &rect) {
  TGElem::SetWorld(rect);
  for (auto &p : Points) p->SetWorld(rect);
  GeometryChanged();
}

void TGPolyPoint::Translate(int dx, int dy) {
  for (auto &p : Points) p->Translate(dx, dy);
  GeometryChanged();
}

void TGPolyPoint::Bend(TPoint) {}

bool TGPolyPoint::InRect(const QRect &rect) {
  if (!Visible || Masked) return false;
  for (const auto &p : Points)
    if (!measurement::PointInRect(p->Pixel, rect)) return false;
  return true;
}

bool TGPolyPoint::MovePart(TPoint point) {
  if (HitPart < 0 || HitPart >= int(Points.size())) return false;
  for (const auto &p : Points)
    if (p->Pixel == point) return false;
  Points[size_t(HitPart)]->SetPixel(point);
  GeometryChanged();
  return true;
}

void TGPolyPoint::Rotate(TPointD centre, double angle) {
  const double s = std::sin(angle), c = std::cos(angle);
  for (auto &p : Points) p->Rotate(centre, s, c);
  GeometryChanged();
}

void TGPolyPoint::FindPart(TPoint point) {
  HitPart = -2;
  for (size_t i = 0; i < Points.size(); ++i)
    if (measurement::PointHit(point, Points[i]->Pixel, LineWidth())) {
      HitPart = int(i);
      return;
    }
}

void TGPolyPoint::SetPointMotif(int kind) {
  PointMotif = kind;
  for (auto &p : Points) p->MotifKind = kind;
}

}  // namespace kolibra::results
