#include "modelling/PixelWalk.h"

#include "kit/MathUtils.h"

#include <algorithm>
#include <cmath>

namespace kolibra::modelling {

namespace pixel_walk_impl {

// The rounded row of a value, kept far from int overflow.
int Row(double y) {
  if (std::isnan(y)) return -1000000;
  return RoundClamped(std::clamp(y, -1e6, 1e6));
}

}  // namespace pixel_walk_impl

bool TFunctionWalk::Run(int width, int height, TPixelSink &sink) const {
  using pixel_walk_impl::Row;
  if (width <= 0 || height <= 0) return true;
  const auto inside = [height](int row) { return row >= 0 && row <= height; };
  // Whether the curve passes through the plot's height somewhere in column x.
  const auto columnIn = [&](int x) {
    const double a = F(x - 0.5), b = F(x), c = F(x + 0.5);
    if (std::isnan(a) || std::isnan(b) || std::isnan(c)) return false;
    const double lo = std::min({a, b, c}), hi = std::max({a, b, c});
    return hi >= -0.5 && lo <= height + 0.5;
  };
  const auto entryRow = [&](int x) {
    const double y = x == 0 ? F(0.0) : F(x - 0.5);
    return std::clamp(Row(y), 0, height);
  };

  int x = 0;
  while (x <= width && !columnIn(x)) ++x;
  if (x > width) return true;
  int y = x == 0 && inside(Row(F(0.0))) ? Row(F(0.0)) : entryRow(x);
  // Every step moves one column or one row towards a bounded target: this is a safe bound.
  const long long maxSteps = (long long)(width + 2) * (height + 3) + width + 16;
  for (long long step = 0; step < maxSteps; ++step) {
    const bool steep = Steep(x, y);
    if (sink.Visit(x, y, Region ? Region(x, steep) : 0)) return false;
    int nextX = x, nextY = y;
    if (steep) {
      const int target = Row(F(x + 0.5));
      if (target != y)
        nextY = y + (target > y ? 1 : -1);
      else
        nextX = x + 1;
    } else {
      nextX = x + 1;
      const int target = Row(F(nextX));
      nextY = y + std::clamp(target - y, -1, 1);
    }
    if (nextX > width) break;
    if (inside(nextY)) {
      x = nextX;
      y = nextY;
      continue;
    }
    // The curve leaves the plot: end this piece, resume where it comes back.
    sink.EndPiece();
    x = nextX == x ? x + 1 : nextX;
    while (x <= width && !columnIn(x)) ++x;
    if (x > width) return true;
    y = entryRow(x);
  }
  sink.EndPiece();
  return true;
}

}  // namespace kolibra::modelling
