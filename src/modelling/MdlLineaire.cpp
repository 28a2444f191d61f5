#include "modelling/MdlLineaire.h"

#include "kit/MathUtils.h"
#include "measurement/DrawHelpers.h"

#include <QCoreApplication>

#include <cmath>

namespace kolibra::modelling {

namespace mdl_lineaire_impl {

constexpr double OffsetRange = 10000.0;
constexpr double SlopeRange = 1e10;
constexpr int CursorSelDeformer = 44;
constexpr int CursorSizeAll = -22;
constexpr int CursorSizeNS = -7;

}  // namespace mdl_lineaire_impl

TMdlLineaire::TMdlLineaire(int kind) : TMdl(kind) {}

QString TMdlLineaire::EquationFormat() const {
  switch (Type()) {
    case mtConstant:
      return QCoreApplication::translate("MdlText", "%1");
    case mtProportional:
      return QCoreApplication::translate("MdlText", "%1.t");
    default:
      return QCoreApplication::translate("MdlText", "%1 + %2.t");
  }
}

void TMdlLineaire::KeepFixed() {
  if (Type() == mtConstant) Params[1] = 0.0;
  if (Type() == mtProportional) Params[0] = 0.0;
}

bool TMdlLineaire::ParamsToPixel(bool writeBack) {
  using namespace mdl_lineaire_impl;
  double kx = 0.0, ky = 0.0;
  Scales(kx, ky);
  const double r = Params[0], b = Params[1];
  Pixel = {};
  Pixel[1] = b * ky / kx;
  Pixel[0] = ky * (r - Bounds.YMin + b * Bounds.XMin);
  bool clamped = ClampInto(Pixel[1], -SlopeRange, SlopeRange);
  clamped = ClampInto(Pixel[0], -OffsetRange, OffsetRange) || clamped;
  if (clamped && writeBack) PixelToParams();
  return clamped;
}

void TMdlLineaire::PixelToParams() {
  double kx = 0.0, ky = 0.0;
  if (!Scales(kx, ky)) return;
  Params[0] = (Pixel[0] - Pixel[1] * kx * Bounds.XMin) / ky + Bounds.YMin;
  Params[1] = Pixel[1] * kx / ky;
  KeepFixed();
}

void TMdlLineaire::ClampParams() {
  using namespace mdl_lineaire_impl;
  double kx = 0.0, ky = 0.0;
  if (!Scales(kx, ky)) return;
  ClampInto(Params[1], -SlopeRange * kx / ky, SlopeRange * kx / ky);
  const double centre = Bounds.YMin - Params[1] * Bounds.XMin;
  ClampInto(Params[0], centre - OffsetRange / ky, centre + OffsetRange / ky);
  KeepFixed();
}

void TMdlLineaire::PrepareWalk() {
  // Where the line meets the plot: left edge, right edge, then bottom and top.
  const double p0 = Pixel[0], p1 = Pixel[1];
  const double w = PlotWidth, h = PlotHeight;
  EndCount = 0;
  const auto add = [&](double x, double y) {
    if (EndCount >= 2 || !(x >= 0.0 && x <= w && y >= 0.0 && y <= h)) return;
    const TPoint p(RoundClamped(x), RoundClamped(y));
    if (EndCount == 1 && p == Ends[0]) return;
    Ends[EndCount++] = p;
  };
  add(0.0, p0);
  add(w, p0 + p1 * w);
  if (EndCount < 2 && !IsNearZero(p1)) {
    add(-p0 / p1, 0.0);
    add((h - p0) / p1, h);
  }
}

void TMdlLineaire::Walk(TPixelSink &sink) {
  if (EndCount < 2) return;
  for (const TPoint &p : measurement::LinePoints(Ends[0], Ends[1]))
    if (sink.Visit(p.X, p.Y, 0)) return;
}

int TMdlLineaire::HitRegion(TPoint p, int) const {
  // Nearer the first end or the second, measured along the line's longer extent.
  const bool alongY = std::fabs(Pixel[1]) > 1.0;
  const int d0 = alongY ? std::abs(p.Y - Ends[0].Y) : std::abs(p.X - Ends[0].X);
  const int d1 = alongY ? std::abs(p.Y - Ends[1].Y) : std::abs(p.X - Ends[1].X);
  return d0 < d1 ? 0 : 1;
}

TModelDrag TMdlLineaire::DragFor(int Hit) const {
  switch (Type()) {
    case mtConstant:
      return mdTranslate;
    case mtProportional:
      return Hit >= 0 ? mdReshape : mdNone;
    default:
      return Hit >= 0 ? mdReshape : mdTranslate;
  }
}

int TMdlLineaire::CursorFor(int Hit) const {
  using namespace mdl_lineaire_impl;
  switch (Type()) {
    case mtConstant:
      return CursorSizeNS;  // it only moves up and down
    case mtProportional:
      return Hit >= 0 ? CursorSelDeformer : 0;
    default:
      return Hit >= 0 ? CursorSelDeformer : CursorSizeAll;
  }
}

bool TMdlLineaire::BeginDrag(TPoint Point, TModelDrag Drag) {
  if (Drag != mdReshape) return Drag != mdNone;
  const int hit = HitTest(Point);
  if (hit < 0) return false;
  Grab = hit;
  if (Type() == mtProportional) {
    double kx = 0.0, ky = 0.0;
    if (!Scales(kx, ky)) return false;
    FixedPoint = TPointD(-Bounds.XMin * kx, -Bounds.YMin * ky);  // the data origin
  } else {
    // The end not held stays where it was at the press, however the line turns.
    FixedPoint = Ends[1 - Grab];
  }
  return true;
}

bool TMdlLineaire::SetLine(double p0, double p1) {
  using namespace mdl_lineaire_impl;
  if (!(std::fabs(p0) <= OffsetRange) || !(std::fabs(p1) <= SlopeRange)) return false;
  Pixel[0] = p0;
  Pixel[1] = p1;
  return true;
}

void TMdlLineaire::DoReshape(TPoint P) {
  if (Type() == mtConstant) return;
  const double dx = P.X - FixedPoint.X;
  if (IsNearZero(dx)) return;
  const double slope = (P.Y - FixedPoint.Y) / dx;
  SetLine(FixedPoint.Y - slope * FixedPoint.X, slope);
}

void TMdlLineaire::DoTranslate(int DX, int DY) {
  if (Type() == mtProportional) return;
  if (Type() == mtConstant)
    SetLine(Pixel[0] - DY, Pixel[1]);
  else
    SetLine(Pixel[0] - DY - DX * Pixel[1], Pixel[1]);
}

}  // namespace kolibra::modelling
