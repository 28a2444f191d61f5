#pragma once
// The pixel walk of the curves y = f(x) (the exponential and the sines): one pixel at a time
// from the left edge of the plot to the right, so the stroked pixels and the hit test are the
// same pixels. Where the curve is steep (more than one pixel per column) the walk climbs the
// column pixel by pixel until it reaches the curve's value at the column's right edge, then
// moves on one column; elsewhere it moves one column and at most one pixel up or down
// towards the curve. Consecutive pixels are therefore always neighbours: a steep flank has
// no gaps, even one that crosses the whole plot between two columns.
//
// Where the curve leaves the plot's height the stroked piece ends, and the walk resumes at
// the first column whose span [x - 1/2, x + 1/2] brings the curve back inside.

#include "modelling/Mdl.h"

#include <functional>

namespace kolibra::modelling {

struct TFunctionWalk {
  std::function<double(double)> F;  // y in plot pixels at column x
  // Whether the walk climbs at the pixel (x, y): the curve is steeper than one pixel per
  // column there.
  std::function<bool(int x, int y)> Steep;
  // The region a pixel reports to the hit test (the sines' sector); 0 when not given.
  std::function<int(int x, bool steep)> Region;

  // Walks columns 0 ... width and rows 0 ... height; false when the sink stopped it.
  bool Run(int width, int height, TPixelSink &sink) const;
};

}  // namespace kolibra::modelling
