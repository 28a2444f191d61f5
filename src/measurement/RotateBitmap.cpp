// Turning a frame about its centre for the studio and the tracker's preview.

#include "measurement/DrawHelpers.h"

#include "kit/MathUtils.h"
#include "measurement/DrawingInternal.h"

#include <algorithm>
#include <cmath>

namespace kolibra::measurement {

namespace rotate_detail {

// What shows outside the turned image.
const QColor kRotateBackground(235, 241, 243);

// A position a rounding error away from a whole pixel is that pixel (quarter and half
// turns land exactly on source pixels and must not take their neighbour).
double SnapToWhole(double x) {
  const double whole = std::round(x);
  return std::fabs(x - whole) < 1e-9 ? whole : x;
}

int BlendChannel(const uchar *p00, const uchar *p10, const uchar *p01, const uchar *p11, int channel,
                 double fx, double fy) {
  const double top = p00[channel] * (1 - fx) + p10[channel] * fx;
  const double bottom = p01[channel] * (1 - fx) + p11[channel] * fx;
  return std::clamp(RoundClamped(top * (1 - fy) + bottom * fy), 0, 255);
}

}  // namespace rotate_detail

bool RotateBitmap(const QImage &source, QImage &destination, TPoint pivot, double angle,
                  TPoint &destPivot) {
  using drawing_detail::RoundHalfEven64;
  if (source.isNull() || !std::isfinite(angle)) return false;
  const int w = source.width();
  const int h = source.height();
  // A turn that moves no pixel by a whole pixel is not worth a new picture.
  if (!(std::max(w, h) * std::fabs(angle) > 1)) return false;

  const double c = std::cos(angle);
  const double s = std::sin(angle);
  const int dw = std::max<int>(1, int(std::llabs(RoundHalfEven64(w * c)) + std::llabs(RoundHalfEven64(h * s))));
  const int dh = std::max<int>(1, int(std::llabs(RoundHalfEven64(w * s)) + std::llabs(RoundHalfEven64(h * c))));
  const QImage src = source.convertToFormat(QImage::Format_RGB888);
  QImage dst(dw, dh, QImage::Format_RGB888);
  if (dst.isNull()) return false;
  dst.fill(rotate_detail::kRotateBackground);

  for (int j = 0; j < dh; ++j) {
    uchar *line = dst.scanLine(j);
    const double v = 2.0 * j - dh + 1;
    for (int i = 0; i < dw; ++i) {
      // Doubled coordinates about the centres keep half pixels exact.
      const double u = 2.0 * i - dw + 1;
      const double xs = rotate_detail::SnapToWhole((u * c + v * s + w - 1) / 2);
      const double ys = rotate_detail::SnapToWhole((-u * s + v * c + h - 1) / 2);
      const double fx0 = std::floor(xs);
      const double fy0 = std::floor(ys);
      if (fx0 < 0 || fy0 < 0 || fx0 > w - 1 || fy0 > h - 1) continue;
      const int x0 = int(fx0);
      const int y0 = int(fy0);
      uchar *out = line + 3 * i;
      const uchar *p00 = src.constScanLine(y0) + 3 * x0;
      if (x0 == 0 || y0 == 0 || x0 == w - 1 || y0 == h - 1) {
        std::copy(p00, p00 + 3, out);
        continue;
      }
      const uchar *p10 = p00 + 3;
      const uchar *p01 = src.constScanLine(y0 + 1) + 3 * x0;
      const uchar *p11 = p01 + 3;
      for (int channel = 0; channel < 3; ++channel)
        out[channel] = uchar(rotate_detail::BlendChannel(p00, p10, p01, p11, channel, xs - fx0, ys - fy0));
    }
  }
  destination = dst;

  // Where the pivot lands: the corners, taken about the pivot and turned, span the new
  // picture; the pivot sits as far from its left and top as the leftmost and topmost corner.
  double minX = 0;
  double minY = 0;
  bool firstCorner = true;
  for (const TPoint corner : {TPoint(0, 0), TPoint(w, 0), TPoint(0, h), TPoint(w, h)}) {
    const double dx = double(corner.X) - pivot.X;
    const double dy = double(corner.Y) - pivot.Y;
    const double radius = std::hypot(dx, dy);
    const double polar = std::atan2(dy, dx) + angle;
    const double x = radius * std::cos(polar);
    const double y = radius * std::sin(polar);
    minX = firstCorner ? x : std::min(minX, x);
    minY = firstCorner ? y : std::min(minY, y);
    firstCorner = false;
  }
  destPivot = TPoint(RoundClamped(-minX), RoundClamped(-minY));
  return true;
}

}  // namespace kolibra::measurement
