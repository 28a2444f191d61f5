#include "modelling/MdlParabole.h"

#include "kit/MathUtils.h"

#include <QCoreApplication>

#include <cmath>

namespace kolibra::modelling {

namespace mdl_parabole_impl {

constexpr double QuadraticRange = 10000.0;  // p0 and p1
constexpr double OffsetRange = 100000.0;    // p2

// The octant state of a step: travel direction, steepness and vertical sense, 1 to 8.
int Octant(int dir, bool steep, int vertical) {
  return 1 + (dir > 0 ? 0 : 4) + (steep ? 2 : 0) + (vertical > 0 ? 0 : 1);
}

}  // namespace mdl_parabole_impl

TMdlParaboleAv::TMdlParaboleAv() : TMdl(mtParabola) {}

QString TMdlParaboleAv::EquationFormat() const {
  return QCoreApplication::translate("MdlText", "%1 + %2.t + %3.t²");
}

bool TMdlParaboleAv::ParamsToPixel(bool writeBack) {
  using namespace mdl_parabole_impl;
  double kx = 0.0, ky = 0.0;
  Scales(kx, ky);
  const double r = Params[0], b = Params[1], c = Params[2], x0 = Bounds.XMin;
  Pixel = {};
  Pixel[0] = ky * c / (kx * kx);
  Pixel[1] = ky * (b + 2.0 * c * x0) / kx;
  Pixel[2] = ky * (r + b * x0 + c * x0 * x0 - Bounds.YMin);
  bool clamped = ClampInto(Pixel[0], -QuadraticRange, QuadraticRange);
  clamped = ClampInto(Pixel[1], -QuadraticRange, QuadraticRange) || clamped;
  clamped = ClampInto(Pixel[2], -OffsetRange, OffsetRange) || clamped;
  if (clamped && writeBack) PixelToParams();
  return clamped;
}

void TMdlParaboleAv::PixelToParams() {
  double kx = 0.0, ky = 0.0;
  if (!Scales(kx, ky)) return;
  const double x0 = Bounds.XMin;
  const double c = Pixel[0] * kx * kx / ky;
  const double b = Pixel[1] * kx / ky - 2.0 * c * x0;
  Params = {Pixel[2] / ky - b * x0 - c * x0 * x0 + Bounds.YMin, b, c};
}

bool TMdlParaboleAv::Drawable() const { return !IsNearZero(Pixel[0]); }

void TMdlParaboleAv::AddStart(int x, int y) {
  if (StartCount >= 2) return;
  TStartPoint &s = StartPoints[StartCount++];
  s.Pixel = TPoint(x, y);
  s.Decision = PixelValue(x) - y;
  s.HalfSlope = (2.0 * Pixel[0] * x + Pixel[1]) / 2.0;
}

void TMdlParaboleAv::PrepareWalk() {
  StartCount = 0;
  const double p0 = Pixel[0], p1 = Pixel[1], p2 = Pixel[2];
  if (IsNearZero(p0)) return;
  const int w = PlotWidth, h = PlotHeight;
  const bool up = p0 > 0.0;
  const double xvExact = -p1 / (2.0 * p0);
  const int xv = RoundClamped(xvExact);
  const double yvExact = PixelValue(xvExact);
  const bool vertexBelow = yvExact < 0.0, vertexAbove = yvExact > h;
  // Where the curve crosses the row y: xv +- s.
  const auto crossings = [&](double y, double &s) {
    const double d = p1 * p1 - 4.0 * p0 * (p2 - y);
    if (d < 0.0) return false;
    s = std::sqrt(d) / (2.0 * p0);
    return true;
  };
  const auto inWidth = [w](double x) { return x >= 0.0 && x <= w; };

  if (xv > 0 && xv < w) {
    const int yv = RoundClamped(yvExact);
    if (yv >= 0 && yv <= h) {
      AddStart(xv, yv);
      return;
    }
    double s = 0.0;
    if (up && vertexBelow && crossings(0.0, s)) {
      if (inWidth(xv + RoundClamped(s))) AddStart(xv + RoundClamped(s), 0);
      if (inWidth(xv - RoundClamped(s))) AddStart(xv - RoundClamped(s), 0);
    } else if (!up && vertexAbove && crossings(h, s)) {
      if (inWidth(xv + RoundClamped(s))) AddStart(xv + RoundClamped(s), h);
      if (inWidth(xv - RoundClamped(s))) AddStart(xv - RoundClamped(s), h);
    }
    return;
  }
  const double left = p2, right = PixelValue(w);
  if (left >= 0.0 && left <= h) {
    AddStart(0, RoundClamped(left));
  } else if (right >= 0.0 && right <= h) {
    AddStart(w, RoundClamped(right));
  } else if ((up && vertexBelow) || (!up && vertexAbove)) {
    double s = 0.0;
    if (crossings(0.0, s)) {
      const int a = xv + RoundClamped(s), b = xv - RoundClamped(s);
      if (inWidth(a))
        AddStart(a, 0);
      else if (inWidth(b))
        AddStart(b, 0);
    }
  }
}

bool TMdlParaboleAv::Trace(TPoint start, int dir, TPixelSink &sink) const {
  using mdl_parabole_impl::Octant;
  const int w = PlotWidth, h = PlotHeight;
  int x = start.X, y = start.Y;
  const int maxSteps = 2 * (w + h) + 16;
  for (int step = 0; step < maxSteps; ++step) {
    if (x < 0 || x > w || y < 0 || y > h) break;
    // Slope of the travel at the next half column, in rows per column of travel.
    const double slope = (2.0 * Pixel[0] * (x + 0.5 * dir) + Pixel[1]) * dir;
    const int vertical = slope >= 0.0 ? 1 : -1;
    const bool steep = std::fabs(slope) > 1.0;
    if (sink.Visit(x, y, Octant(dir, steep, vertical))) return false;
    if (!steep) {
      // One column on; one row too when the curve is past the midpoint between the rows.
      x += dir;
      if ((PixelValue(x) - (y + 0.5 * vertical)) * vertical > 0.0) y += vertical;
    } else {
      // One row on; one column too when the curve's column for that row is past the
      // midpoint between the columns.
      y += vertical;
      if ((y - PixelValue(x + 0.5 * dir)) * vertical > 0.0) x += dir;
    }
  }
  sink.EndPiece();
  return true;
}

void TMdlParaboleAv::Walk(TPixelSink &sink) {
  for (int i = 0; i < StartCount; ++i) {
    if (!Trace(StartPoints[i].Pixel, 1, sink)) return;
    if (!Trace(StartPoints[i].Pixel, -1, sink)) return;
  }
}

void TMdlParaboleAv::DoReshape(TPoint P) {
  using namespace mdl_parabole_impl;
  if (IsNearZero(Pixel[0])) return;
  const double xvExact = -Pixel[1] / (2.0 * Pixel[0]);
  const int xv = RoundClamped(xvExact);
  const int yv = RoundClamped(PixelValue(xvExact));
  if (P.X == xv || P.Y == yv) return;
  const double a = double(P.Y - yv) / (double(P.X - xv) * double(P.X - xv));
  const double p1 = -2.0 * a * xv;
  const double p2 = a * double(xv) * xv + yv;
  if (!(std::fabs(a) <= QuadraticRange) || !(std::fabs(p1) <= QuadraticRange) ||
      !(std::fabs(p2) <= OffsetRange))
    return;
  Pixel[0] = a;
  Pixel[1] = p1;
  Pixel[2] = p2;
}

void TMdlParaboleAv::DoTranslate(int DX, int DY) {
  using namespace mdl_parabole_impl;
  const double p2 = Pixel[0] * DX * DX - Pixel[1] * DX + Pixel[2] - DY;
  if (std::fabs(p2) <= OffsetRange) Pixel[2] = p2;
  if (DX == 0) return;
  const double p1 = Pixel[1] - 2.0 * Pixel[0] * DX;
  if (std::fabs(p1) <= QuadraticRange) Pixel[1] = p1;
}

}  // namespace kolibra::modelling
