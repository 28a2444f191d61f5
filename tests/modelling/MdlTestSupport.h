#pragma once
// Helpers of the model-curve tests: a plot, the model set up on it, the pixels a model
// strokes and the distances that tell whether a point is on the curve.

#include "modelling/Mdl.h"

#include <QImage>
#include <QPicture>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <functional>
#include <set>
#include <utility>

namespace mdl_test {

using namespace kolibra;
using namespace kolibra::modelling;

// A plot of 300 x 200 pixels at (40, 30) in a 400 x 260 control.
struct TPlot {
  int Left = 40, Top = 30, Width = 300, Height = 200;
  TRectD Bounds{0.0, 10.0, -5.0, 5.0};
  double Kx() const { return Width / (Bounds.XMax - Bounds.XMin); }
  double Ky() const { return Height / (Bounds.YMax - Bounds.YMin); }
  // Plot pixels (y up) of a data point, and control pixels of a plot pixel.
  double PixelX(double t) const { return (t - Bounds.XMin) * Kx(); }
  double PixelY(double y) const { return (y - Bounds.YMin) * Ky(); }
  TPoint Control(double px, double py) const {
    return TPoint(Left + int(std::lround(px)), Top + Height - int(std::lround(py)));
  }
};

inline TDoubleDynArray Grid(double first, double step, int count) {
  TDoubleDynArray t;
  for (int i = 0; i < count; ++i) t.push_back(first + i * step);
  return t;
}

// Puts the model on the plot, fits it to the curve sampled at t and makes it live.
inline void PlaceModel(TMdl &model, const TPlot &plot, const TDoubleDynArray &t, const TDoubleDynArray &truth) {
  model.SetPlotRect(plot.Left, plot.Top, plot.Width, plot.Height);
  model.SetBounds(plot.Bounds);
  model.SetData(t, ModelValues(model.Type(), truth, t));
  model.SetLive(true);
}

using TPixels = std::set<std::pair<int, int>>;  // control pixels (x, y)

// The pixels the model strokes with a 1-pixel pen on the back buffer.
inline TPixels DrawnPixels(TMdl &model, QSize size = QSize(400, 260)) {
  QImage image(size, QImage::Format_RGB32);
  image.fill(Qt::white);
  {
    QPainter painter(&image);
    model.Draw(&painter, 1, false);
  }
  TPixels pixels;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (image.pixel(x, y) != qRgb(255, 255, 255)) pixels.insert({x, y});
  return pixels;
}

// Chebyshev distance from a point to the nearest pixel of a set.
inline int Distance(const TPixels &pixels, TPoint p) {
  int best = 1 << 30;
  for (const auto &[x, y] : pixels) best = std::min(best, std::max(std::abs(x - p.X), std::abs(y - p.Y)));
  return best;
}

// A point exactly d pixels (Chebyshev) from the stroke, found round the stroke's pixels.
inline bool PointAtDistance(const TPixels &pixels, int d, TPoint &found) {
  for (const auto &[x, y] : pixels)
    for (const TPoint offset : {TPoint(0, -d), TPoint(0, d), TPoint(-d, 0), TPoint(d, 0)}) {
      const TPoint p(x + offset.X, y + offset.Y);
      if (Distance(pixels, p) == d) {
        found = p;
        return true;
      }
    }
  return false;
}

// How far a control pixel lies from the true curve y = f(plot x), measured within its own
// column: 0 when the curve passes through the pixel's row somewhere in the column.
inline double OffCurve(const TPlot &plot, const std::function<double(double)> &f, int cx, int cy) {
  const double x = cx - plot.Left, y = plot.Top + plot.Height - cy;
  double lo = 1e300, hi = -1e300;
  for (int k = 0; k <= 20; ++k) {
    const double v = f(x - 0.5 + k / 20.0);
    lo = std::min(lo, v);
    hi = std::max(hi, v);
  }
  if (y >= lo && y <= hi) return 0.0;
  return std::min(std::fabs(y - lo), std::fabs(y - hi));
}

}  // namespace mdl_test
