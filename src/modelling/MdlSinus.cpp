#include "modelling/MdlSinus.h"

#include "kit/MathUtils.h"
#include "modelling/ParamUnits.h"
#include "modelling/PixelWalk.h"
#include "modelling/SineRanges.h"

#include <QCoreApplication>

#include <cmath>

namespace kolibra::modelling {

TMdlSinusPure::TMdlSinusPure(int type) : TMdl(type), PixelCurve(type) {}

QString TMdlSinus::EquationFormat() const {
  return QCoreApplication::translate("MdlText", "%1 + %2.sin(%3.t + %4)");
}

QString TMdlSinusAe::EquationFormat() const {
  return QCoreApplication::translate("MdlText", "%1 + %2.sin(%3.t + %4).exp(%5.t)");
}

QString TMdlSinusAl::EquationFormat() const {
  return QCoreApplication::translate("MdlText", "%1 + %2.sin(%3.t + %4)");
}

// ---------------------------------------------------------------------------------------------
// Conversions and clamps
// ---------------------------------------------------------------------------------------------

bool TMdlSinusPure::ParamsToPixel(bool writeBack) {
  using namespace sine_ranges;
  double kx = 0.0, ky = 0.0;
  Scales(kx, ky);
  const double r = Params[0], b = Params[1], c = Params[2], d = Params[3];
  const double previousDamping = Pixel[4];
  Pixel = {};
  Pixel[0] = (r - Bounds.YMin) * ky;
  Pixel[1] = b * ky;
  Pixel[2] = c / kx;
  Pixel[3] = Phase(c * Bounds.XMin + d);
  bool clamped = false;
  if (Type() == mtSineExpDamped) {
    const double k = Params[4];
    Pixel[4] = k / kx;
    Pixel[1] *= std::exp(k * Bounds.XMin);
    clamped = ClampInto(Pixel[4], MaxExpDamping, 0.0);
  } else if (Type() == mtSineLinDamped) {
    const double k = Params[4];
    const double g = 1.0 + k * Bounds.XMin;
    if (IsNearZero(g) || g < 0.0) {
      Pixel[4] = previousDamping;  // the envelope has ended before the plot starts
    } else {
      Pixel[4] = k / kx / g;
      Pixel[1] *= g;
      clamped = ClampInto(Pixel[4], -1e300, 0.0);
    }
  }
  clamped = ClampInto(Pixel[0], -OffsetRange, OffsetRange) || clamped;
  clamped = ClampInto(Pixel[1], 0.0, AmplitudeRange) || clamped;
  clamped = ClampInto(Pixel[2], MinFrequency, MaxFrequency) || clamped;
  if (clamped && writeBack) PixelToParams();
  return clamped;
}

void TMdlSinusPure::PixelToParams() {
  using namespace sine_ranges;
  double kx = 0.0, ky = 0.0;
  if (!Scales(kx, ky)) return;
  const double c = Pixel[2] * kx;
  Params[0] = Pixel[0] / ky + Bounds.YMin;
  Params[1] = Pixel[1] / ky;
  Params[2] = c;
  Params[3] = Phase(Pixel[3] - c * Bounds.XMin);
  if (Type() == mtSineExpDamped) {
    const double k = Pixel[4] * kx;
    Params[4] = k;
    const double shift = std::exp(k * Bounds.XMin);
    if (std::isfinite(shift) && !IsNearZero(shift)) Params[1] /= shift;
  } else if (Type() == mtSineLinDamped) {
    const double g = 1.0 - Pixel[4] * Bounds.XMin * kx;
    if (!IsNearZero(g)) {
      Params[4] = Pixel[4] * kx / g;
      Params[1] *= g;
    }
  }
}

void TMdlSinusPure::ClampParams() {
  using namespace sine_ranges;
  double kx = 0.0, ky = 0.0;
  if (!Scales(kx, ky)) return;
  // The offset's pixel range is [YMin - D, YMin + D] in data units, wherever YMin lies.
  const double d = OffsetRange / ky;
  ClampInto(Params[0], Bounds.YMin - d, Bounds.YMin + d);
  if (Params[1] < 0.0) Params[1] = 0.0;
  if (Params[1] > AmplitudeRange / ky) Params[1] = AmplitudeRange / ky;
  ClampInto(Params[2], kx * MinFrequency, kx * MaxFrequency);
  // The curve shifted by half a period is kept unless it fits worse.
  const double before = ModelStatistics(Type(), Params, X, Y).RmsDev;
  const double phase = Params[3];
  Params[3] = Phase(phase + Pi);
  const double after = ModelStatistics(Type(), Params, X, Y).RmsDev;
  if (after > before) Params[3] = phase;
}

// ---------------------------------------------------------------------------------------------
// The walk
// ---------------------------------------------------------------------------------------------

double TMdlSinusPure::Envelope(double x) const {
  switch (Type()) {
    case mtSineExpDamped:
      return std::exp(Pixel[4] * x);
    case mtSineLinDamped:
      return 1.0 + Pixel[4] * x;
    default:
      return 1.0;
  }
}

void TMdlSinusPure::PrepareWalk() {
  MaxSlope = Pixel[1] * Pixel[2];
  SteepBand = std::fabs(MaxSlope) > 1.0 ? RoundClamped(Pixel[1] * std::sqrt(1.0 - 1.0 / (MaxSlope * MaxSlope))) : 0;
  QuarterStep = Pixel[2] * 2.0 / sine_ranges::Pi;
  TDoubleDynArray p{Pixel[1], Pixel[2], Pixel[3]};
  if (Damped()) p.push_back(Pixel[4]);
  PixelCurve.SetParams(p);
}

double TMdlSinusPure::PixelValue(double x) const { return Pixel[0] + PixelCurve.Value(x); }

void TMdlSinusPure::Walk(TPixelSink &sink) {
  using namespace sine_ranges;
  // Nothing when the band the curve can reach misses the plot's height (the damping only
  // shrinks the envelope from the left edge on).
  if (Pixel[0] + Pixel[1] < 0.0 || Pixel[0] - Pixel[1] > PlotHeight) return;
  TFunctionWalk walk;
  walk.F = [this](double x) { return PixelValue(x); };
  if (Damped())
    walk.Steep = [this](int x, int) { return std::fabs(PixelValue(x + 0.5) - PixelValue(x - 0.5)) > 1.0; };
  else
    walk.Steep = [this](int, int y) { return MaxSlope > 1.0 && std::fabs(y - Pixel[0]) <= SteepBand; };
  walk.Region = [this](int x, bool steep) {
    const double phase = Phase(Pixel[2] * (x + (steep ? 0.5 : 0.0)) + Pixel[3]);
    return std::clamp(int(phase / (Pi / 4.0)), 0, 7);
  };
  walk.Run(PlotWidth, PlotHeight, sink);
}

int TMdlSinusPure::HitRegion(TPoint, int walkRegion) const {
  GrabQuarter = walkRegion / 2;
  return walkRegion;
}

// ---------------------------------------------------------------------------------------------
// Linear damping: the equation of motion
// ---------------------------------------------------------------------------------------------

TDoubleDynArray TMdlSinusAl::MotionValues() {
  using sine_ranges::Pi;
  const TDoubleDynArray p = CurveParams();
  const double r = p[0], b = p[1], c = p[2], d = p[3], k = p[4];
  return {c * c, -b * c * k * Pi / 2.0, c * c * r, r + b * std::sin(d),
          b * (c * std::cos(d) + k * std::sin(d))};
}

QStringList TMdlSinusAl::GetTexts(const QString &YName, const QString &, const QString &YUnit,
                                  const QString &TUnit) {
  const auto unit = [&](int i) {
    const QString u = ParameterUnit(mtSineLinDamped, i, TUnit, YUnit);
    return u.isEmpty() ? u : QLatin1Char(' ') + u;
  };
  const TDoubleDynArray v = MotionValues();
  const QString r = ParameterLetter(0), b = ParameterLetter(1), c = ParameterLetter(2);
  ParamTexts.clear();
  ParamTexts << QCoreApplication::translate("MdlText", "Model") + QStringLiteral(": ") + YName +
                    QStringLiteral("\" + ") + r + QStringLiteral(".") + YName +
                    QStringLiteral(" + ") + b + QStringLiteral(".Sign(") + YName +
                    QStringLiteral("') = ") + c;
  for (int i = 0; i < 3; ++i)
    ParamTexts << ParameterLetter(i) + QStringLiteral(" = ") + FormatReal(0, v[size_t(i)]) +
                      unit(i);
  ParamTexts << YName + QStringLiteral("(0) = ") + FormatReal(0, v[3]) + unit(3);
  ParamTexts << YName + QStringLiteral("'(0) = ") + FormatReal(0, v[4]) + unit(4);
  return ParamTexts;
}

}  // namespace kolibra::modelling
