#pragma once
// The graph's zoom: two factors relative to the last SetWorld, moved along a ladder of 17
// levels or multiplied by a rectangle, and the rectangle being drawn. (The video view has a
// zoom of its own, in its own namespace.)

#include "kit/Types.h"

#include <QRect>

#include <array>
#include <cstdlib>

namespace kolibra::results {

inline constexpr std::array<double, 17> ZoomLadder = {0.0625, 0.0833, 0.125, 0.167, 0.25, 0.333,
                                                      0.5,    0.667,  1.0,   1.5,   2.0,  2.5,
                                                      3.0,    3.5,    4.0,   6.0,   10.0};
inline constexpr double MinZoom = 0.0625;
inline constexpr double MaxZoom = 10.0;
// A rectangle narrower or lower than this counts as a click.
inline constexpr int MinZoomRect = 10;

struct TZoom {
  double ZoomX = 1.0, ZoomY = 1.0;
  bool Dragging = false;
  TPoint RectStart, RectEnd;  // pixel corners of the rectangle being drawn

  QRect Rect() const;  // normalised, edges included
  // The distances between the corners.
  int RectWidth() const { return std::abs(RectEnd.X - RectStart.X); }
  int RectHeight() const { return std::abs(RectEnd.Y - RectStart.Y); }
};

// The factor after one click: the next level of the ladder (a level counts as reached
// within 1e-5), or with fine a tenth of the gap between the two neighbouring levels; never
// beyond 0.0625 ... 10.
double ZoomStep(double factor, bool zoomIn, bool fine);

// The world rectangle after changing a factor from oldFactor to newFactor on one axis, the
// world coordinate c staying where it is.
void ZoomAbout(double &min, double &max, double c, double oldFactor, double newFactor);

}  // namespace kolibra::results
