#include "results/GraphZoom.h"

#include <algorithm>

namespace kolibra::results {

namespace graph_zoom_impl {
constexpr double Reached = 1e-5;
}

QRect TZoom::Rect() const {
  return QRect(RectStart.ToQPoint(), RectEnd.ToQPoint()).normalized();
}

double ZoomStep(double factor, bool zoomIn, bool fine) {
  using graph_zoom_impl::Reached;
  // The neighbouring levels: the one at or below the factor and the one above (for a zoom
  // in), or the one below and the one at or above it (for a zoom out).
  double below = ZoomLadder.front(), above = ZoomLadder.back();
  if (zoomIn) {
    for (double level : ZoomLadder)
      if (level <= factor + Reached) below = level;
    for (auto it = ZoomLadder.rbegin(); it != ZoomLadder.rend(); ++it)
      if (*it > factor + Reached) above = *it;
    if (factor + Reached >= MaxZoom) return MaxZoom;
    if (!fine) return above;
    return std::min(MaxZoom, factor + (above - below) / 10.0);
  }
  for (double level : ZoomLadder)
    if (level < factor - Reached) below = level;
  for (auto it = ZoomLadder.rbegin(); it != ZoomLadder.rend(); ++it)
    if (*it >= factor - Reached) above = *it;
  if (factor - Reached <= MinZoom) return MinZoom;
  if (!fine) return below;
  return std::max(MinZoom, factor - (above - below) / 10.0);
}

void ZoomAbout(double &min, double &max, double c, double oldFactor, double newFactor) {
  const double ratio = oldFactor / newFactor;
  min = c + (min - c) * ratio;
  max = c + (max - c) * ratio;
}

}  // namespace kolibra::results
