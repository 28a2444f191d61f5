#pragma once
// The zoom and pan states of the video view and the rules by which a click or a band
// changes the zoom factor. The geometry that follows a change is TViewGeometry's.

#include "kit/Types.h"

#include <QRect>

namespace kolibra::videoview {

inline constexpr int MinZoomFactor = 100;
inline constexpr int MaxZoomFactor = 800;
// A band narrower or lower than this counts as a click.
inline constexpr int MinZoomBand = 10;

struct TZoom {
  int Factor = 100;  // percent, 100 ... 800
  bool Dragging = false;
  // The rubber band in view pixels: the press point and the far corner.
  TPoint BandStart;
  TPoint BandEnd;

  // The band as a rectangle, whichever way it was drawn (right and bottom exclusive).
  QRect Band() const;
};

struct TPan {
  bool Dragging = false;
  TPoint Start;  // the last mouse point of the drag
};

// The preset level above / below a factor.
int ZoomInLevel(int factor);
int ZoomOutLevel(int factor);
// A click of the zoom tool: the next level, or with Ctrl a step of 10, limited to 100 ... 800.
int ZoomClickFactor(int factor, bool zoomIn, bool fine);
// The factor after a band of bandWidth x bandHeight on a visible area of visibleWidth x
// visibleHeight: 10 x trunc(round(factor x ratio) / 10), limited to 100 ... 800.
int ZoomBandFactor(int factor, int visibleWidth, int visibleHeight, int bandWidth, int bandHeight);
// A band large enough to zoom on (otherwise the release counts as a click).
bool IsZoomBand(const QRect &band);

}  // namespace kolibra::videoview
