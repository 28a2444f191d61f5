#include "videoview/Zoom.h"

#include "kit/MathUtils.h"

#include <algorithm>
#include <cstdlib>

namespace kolibra::videoview {

QRect TZoom::Band() const {
  const int left = std::min(BandStart.X, BandEnd.X);
  const int top = std::min(BandStart.Y, BandEnd.Y);
  return QRect(left, top, std::abs(BandEnd.X - BandStart.X), std::abs(BandEnd.Y - BandStart.Y));
}

int ZoomInLevel(int factor) {
  if (factor >= 600) return 800;
  if (factor >= 500) return 600;
  if (factor >= 400) return 500;
  if (factor >= 300) return 400;
  if (factor < 200) return 200;
  return 300;
}

int ZoomOutLevel(int factor) {
  if (factor <= 200) return 100;
  if (factor <= 300) return 200;
  if (factor <= 400) return 300;
  if (factor <= 500) return 400;
  if (factor <= 600) return 500;
  return 600;
}

int ZoomClickFactor(int factor, bool zoomIn, bool fine) {
  if (fine) return std::clamp(factor + (zoomIn ? 10 : -10), MinZoomFactor, MaxZoomFactor);
  return zoomIn ? ZoomInLevel(factor) : ZoomOutLevel(factor);
}

int ZoomBandFactor(int factor, int visibleWidth, int visibleHeight, int bandWidth, int bandHeight) {
  if (bandWidth <= 0 || bandHeight <= 0) return factor;
  const double ratio = std::min(double(visibleWidth) / bandWidth, double(visibleHeight) / bandHeight);
  const int zoom = 10 * (RoundClamped(factor * ratio) / 10);
  return std::clamp(zoom, MinZoomFactor, MaxZoomFactor);
}

bool IsZoomBand(const QRect &band) { return band.width() >= MinZoomBand && band.height() >= MinZoomBand; }

}  // namespace kolibra::videoview
