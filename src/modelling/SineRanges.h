#pragma once
// The pixel ranges the sines keep (an edit beyond them is refused) and the phase rule,
// shared by their conversions and their drags.

#include "kit/MathUtils.h"

#include <cmath>
#include <numbers>

namespace kolibra::modelling::sine_ranges {

inline constexpr double Pi = std::numbers::pi;
inline constexpr double OffsetRange = 10000.0;     // |p0|
inline constexpr double AmplitudeRange = 10000.0;  // 0 <= p1
inline constexpr double MinFrequency = 1e-6;       // p2, radians per pixel
inline constexpr double MaxFrequency = 0.25;
inline constexpr double MaxExpDamping = -0.9;      // p4 of the exponential damping

// An angle brought into [0, 2pi); 0 for an angle that is not finite.
inline double Phase(double a) {
  double p = NormalizeAnglePositive(a);
  if (std::isnan(p)) return 0.0;
  if (p >= 2.0 * Pi) p -= 2.0 * Pi;
  return p;
}

}  // namespace kolibra::modelling::sine_ranges
