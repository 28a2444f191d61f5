#include "measurement/ViewPort.h"

#include "kit/MathUtils.h"

#include <algorithm>

namespace kolibra::measurement {

TPointD TFrameMapping::ScreenToFrame(TPoint pixel) const {
  // A view not laid out yet has no size: everything lands on its top-left corner.
  const double x = IsNearZero(DisplayWidth) ? ViewLeft : double(pixel.X) / DisplayWidth + ViewLeft;
  const double y = IsNearZero(DisplayHeight) ? ViewTop : double(pixel.Y) / DisplayHeight + ViewTop;
  return TPointD(std::clamp(x, 0.0, 1.0), std::clamp(y, 0.0, 1.0));
}

TPoint TFrameMapping::FrameToScreen(TPointD position) const {
  return TPoint(RoundClamped((position.X - ViewLeft) * DisplayWidth),
                RoundClamped((position.Y - ViewTop) * DisplayHeight));
}

}  // namespace kolibra::measurement
