#pragma once
// The derivative engine: one TDeriv turns one coordinate series into its first and second
// derivatives. Plain derivation uses three-point differences; smoothed derivation looks for
// the lowest polynomial degree (1 to 4) that explains 99 % of the series' variance and then
// derives that polynomial, a sliding three-sample line, or falls back to the differences.
//
// Abscissas are frame numbers and K the frame interval, so that derivatives against frame
// numbers come out per second. Nothing is computed, and the arrays keep their zeros, when
// the input could not give a derivative: too few samples, K = 0 or two coincident abscissas
// (they would divide by zero), or series of different lengths.

#include "kinematics/ResultCodes.h"
#include "kit/Types.h"

namespace kolibra::kinematics {

class TDeriv {
 public:
  // Copies both series; Velocity and Acceleration get the length of Times.
  TDeriv(const TDoubleDynArray &times, const TDoubleDynArray &values, double k);

  // krOk, krTooFewSamples, krZeroDivisor, krEqualAbscissas, krMismatchedSeries, or the
  // code of a failing polynomial fit (krFit...), which stops the computation where it is.
  int Derive(bool smooth);

  TDoubleDynArray Times;
  TDoubleDynArray Values;
  double K = 1.0;
  TDoubleDynArray Velocity;
  TDoubleDynArray Acceleration;

 private:
  int DeriveSmoothed();
  // Lowest degree s in 1..4 whose fit to y explains more than 99 % (or 4), with its
  // coefficients; returns the fit's code.
  int ChooseDegree(const TDoubleDynArray &y, int &s, TDoubleDynArray &coefs) const;
};

// The checks Derive makes before computing anything: krOk when t and y have the same length
// of at least 3 samples, K is not zero and no difference a derivative divides by vanishes.
int CheckDerivationInput(const TDoubleDynArray &t, const TDoubleDynArray &y, double k);

// Three-point differences, divided by k: the slope of the parabola through each sample and
// its two neighbours (the central difference on even spacing), and one-sided at both ends
// from the parabola through the three end samples: exact for a parabola, evenly spaced or not.
int ThreePointDerivative(const TDoubleDynArray &t, const TDoubleDynArray &y, double k,
                         TDoubleDynArray &out);

// Slope of the line fitted to every window of three consecutive samples, divided by k; the
// first two samples share the first window, the last one the last window.
int SlidingSlope(const TDoubleDynArray &t, const TDoubleDynArray &y, double k,
                 TDoubleDynArray &out);

// d/dt of c0 + c1 t + c2 t^2 + ... at t (not divided by any K).
double PolynomialDerivative(const TDoubleDynArray &coefs, double t);

// The polynomial's derivative pulled 2 % further away from the three-point derivative of the
// data (threePoint, already divided by k): d + 0.02 (d - threePoint).
void BlendedDerivative(const TDoubleDynArray &coefs, const TDoubleDynArray &t, double k,
                       const TDoubleDynArray &threePoint, TDoubleDynArray &out);

}  // namespace kolibra::kinematics
