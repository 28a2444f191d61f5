#include "modelling/MdlExponentiel.h"

#include "kit/MathUtils.h"
#include "modelling/PixelWalk.h"

#include <QCoreApplication>

#include <cmath>

namespace kolibra::modelling {

namespace mdl_exponentiel_impl {

constexpr double OffsetRange = 10000.0;
constexpr double FactorRange = 1e100;
constexpr double RateRange = 1.0;

}  // namespace mdl_exponentiel_impl

TMdlExponentiel::TMdlExponentiel() : TMdl(mtExponential) {}

QString TMdlExponentiel::EquationFormat() const {
  return QCoreApplication::translate("MdlText", "%1 + %2.exp(%3.t)");
}

double TMdlExponentiel::PixelValue(double x) const { return Pixel[0] + Pixel[1] * std::exp(Pixel[2] * x); }

bool TMdlExponentiel::ParamsToPixel(bool writeBack) {
  using namespace mdl_exponentiel_impl;
  double kx = 0.0, ky = 0.0;
  Scales(kx, ky);
  const double r = Params[0], b = Params[1], c = Params[2];
  Pixel = {};
  Pixel[0] = ky * (r - Bounds.YMin);
  Pixel[1] = ky * b * std::exp(c * Bounds.XMin);
  Pixel[2] = c / kx;
  bool clamped = ClampInto(Pixel[0], -OffsetRange, OffsetRange);
  clamped = ClampInto(Pixel[1], -FactorRange, FactorRange) || clamped;
  clamped = ClampInto(Pixel[2], -RateRange, RateRange) || clamped;
  if (clamped && writeBack) PixelToParams();
  return clamped;
}

void TMdlExponentiel::PixelToParams() {
  double kx = 0.0, ky = 0.0;
  if (!Scales(kx, ky)) return;
  Params[0] = Pixel[0] / ky + Bounds.YMin;
  Params[2] = Pixel[2] * kx;
  const double shift = std::exp(Params[2] * Bounds.XMin);
  if (std::isfinite(shift) && !IsNearZero(shift)) Params[1] = Pixel[1] / (ky * shift);
}

void TMdlExponentiel::ClampParams() {
  using namespace mdl_exponentiel_impl;
  double kx = 0.0, ky = 0.0;
  if (!Scales(kx, ky)) return;
  ClampInto(Params[2], -kx * RateRange, kx * RateRange);
  const double factor = FactorRange / ky * std::exp(-Params[2] * Bounds.XMin);
  if (std::isfinite(factor)) ClampInto(Params[1], -factor, factor);
  // The offset's pixel range is [YMin - D, YMin + D] in data units, wherever YMin lies.
  const double d = OffsetRange / ky;
  ClampInto(Params[0], Bounds.YMin - d, Bounds.YMin + d);
}

void TMdlExponentiel::Walk(TPixelSink &sink) {
  TFunctionWalk walk;
  walk.F = [this](double x) { return PixelValue(x); };
  walk.Steep = [this](int x, int) {
    return std::fabs(Pixel[1] * Pixel[2] * std::exp(Pixel[2] * (x + 0.5))) > 1.0;
  };
  walk.Run(PlotWidth, PlotHeight, sink);
}

bool TMdlExponentiel::BeginDrag(TPoint Point, TModelDrag Drag) {
  if (Drag != mdReshape) return Drag != mdNone;
  GrabPoint = ToPlot(Point);
  GrabP1 = Pixel[1];
  GrabP2 = Pixel[2];
  // Scaling the rate by G.x / P.x from a grab at or left of the plot's left edge would set
  // the rate to 0 (or flip its sign) for good.
  return GrabPoint.X > 0;
}

void TMdlExponentiel::DoReshape(TPoint P) {
  using namespace mdl_exponentiel_impl;
  const double lift = GrabPoint.Y - Pixel[0];
  if (P.X <= 0 || GrabPoint.X <= 0 || IsNearZero(lift)) return;
  const double p1 = (P.Y - Pixel[0]) * GrabP1 / lift;
  const double p2 = double(GrabPoint.X) * GrabP2 / P.X;
  if (!(std::fabs(p1) <= FactorRange) || !(std::fabs(p2) <= RateRange)) return;
  Pixel[1] = p1;
  Pixel[2] = p2;
}

void TMdlExponentiel::DoTranslate(int DX, int DY) {
  using namespace mdl_exponentiel_impl;
  const double p0 = Pixel[0] - DY;
  if (std::fabs(p0) <= OffsetRange) Pixel[0] = p0;
  const double p1 = Pixel[1] * std::exp(-Pixel[2] * DX);
  if (std::fabs(p1) <= FactorRange) Pixel[1] = p1;
}

}  // namespace kolibra::modelling
