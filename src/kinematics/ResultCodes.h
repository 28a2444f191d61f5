#pragma once
// Result codes of the kinematics subsystem: derivation, the polynomial fit and the
// calculator. They share one table so that a number always names one cause: the results
// window turns each into its own message, and a fit failing inside a smoothed derivative
// must not read as "too few samples" or "no scale".

namespace kolibra::kinematics {

enum TKinematicsResult : int {
  krOk = 0,
  // Derivation and calculator
  krTooFewSamples = 2,     // fewer than 3 (defined) samples: nothing computed
  krNoObject = 3,          // calculator: the document has no object
  krNoScale = 4,           // calculator: no usable scale (a scale factor not above 0)
  krNoVideo = 5,           // calculator: no video open
  krZeroDivisor = 6,       // derivation: the divisor K (the frame interval) is zero
  krEqualAbscissas = 7,    // derivation: two abscissas coincide, a difference would be 0
  krMismatchedSeries = 8,  // derivation: abscissas and values differ in length
  // Polynomial least squares (also returned by a smoothed derivation whose fit fails)
  krFitSingular = 11,       // the normal system is singular
  krFitTooFewPoints = 12,   // fewer than 2 points
  krFitNoCoefficient = 13,  // no coefficient left to fit (asked for fewer than 1)
  krFitNoRange = 14,        // the abscissas span no range
};

// The first of two results that is a failure: a velocity and an acceleration computed
// side by side fail together when either fails, whatever the two codes are.
constexpr int FirstFailure(int first, int second) { return first != krOk ? first : second; }

}  // namespace kolibra::kinematics
