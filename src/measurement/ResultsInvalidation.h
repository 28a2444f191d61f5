#pragma once
// IResultsInvalidation: how the measurement document tells the kinematics calculators that
// what they cached no longer matches the measurement. The calculators implement it; until
// they exist (and in tests) the document may have none, and nothing is told.

namespace kolibra::measurement {

// Which calculators a change makes stale: the one reading the fixed axes, the one reading
// the layer, or both (the scale and the time base serve both).
enum class TCalculatorSet { FixedAxes, Layer, Both };

class IResultsInvalidation {
 public:
  virtual ~IResultsInvalidation() = default;
  virtual void Invalidate(TCalculatorSet which) = 0;
};

}  // namespace kolibra::measurement
