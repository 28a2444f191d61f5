#include "kinematics/Deriv.h"

#include "kinematics/LeastSquares.h"
#include "kit/MathUtils.h"

#include <cmath>
#include <utility>

namespace kolibra::kinematics {

namespace deriv_impl {

// Below these root-mean-square deviations (in the unit of the coordinate, of the velocity)
// a series counts as still: fitting polynomials to measurement noise would only amplify it.
constexpr double StillPosition = 0.01;
constexpr double StillVelocity = 0.1;
constexpr double DeterminationWanted = 0.99;
constexpr double BlendWeight = 0.02;
constexpr int HighestDegree = 4;

TDoubleDynArray Centred(const TDoubleDynArray &y) {
  const double mean = MeanOf(y);
  TDoubleDynArray out(y.size());
  for (size_t i = 0; i < y.size(); ++i) out[i] = y[i] - mean;
  return out;
}

double RootMeanSquare(const TDoubleDynArray &y) {
  double sum = 0.0;
  for (double v : y) sum += v * v;
  return std::sqrt(sum / double(y.size()));
}

// Slope at a of the parabola through (a, ya), (b, yb), (c, yc). On evenly spaced abscissas
// this is the one-sided rule (-3 ya + 4 yb - yc) / (c - a); an object missing a mark next to
// either end has uneven ones, where that rule would be wrong even for uniform motion.
double EndSlope(double a, double b, double c, double ya, double yb, double yc) {
  if (IsNearZero((c - b) - (b - a))) return (-3.0 * ya + 4.0 * yb - yc) / (c - a);
  const double h1 = b - a;
  const double h2 = c - a;
  return -ya * (h1 + h2) / (h1 * h2) + yb * h2 / (h1 * (h2 - h1)) - yc * h1 / (h2 * (h2 - h1));
}

// Slope at b of the parabola through (a, ya), (b, yb), (c, yc). On evenly spaced abscissas
// it is the chord (yc - ya) / (c - a); where a mark is missing on one side (a gap, a frame
// step with holes) the chord is only first-order accurate: free fall marked on frames 5, 6
// and 8 would give two thirds too much speed at frame 6.
double InnerSlope(double a, double b, double c, double ya, double yb, double yc) {
  const double h1 = b - a;
  const double h2 = c - b;
  if (IsNearZero(h2 - h1)) return (yc - ya) / (c - a);
  return (-ya * h2 / h1 + yb * (h2 - h1) * (h1 + h2) / (h1 * h2) + yc * h1 / h2) / (h1 + h2);
}

}  // namespace deriv_impl

int CheckDerivationInput(const TDoubleDynArray &t, const TDoubleDynArray &y, double k) {
  if (t.size() != y.size()) return krMismatchedSeries;
  if (t.size() < 3) return krTooFewSamples;
  if (IsNearZero(k)) return krZeroDivisor;
  // The three-point rule divides by t[i+2] - t[i]; the windows of the sliding slope need two
  // distinct abscissas; polynomial fits need a range. Neighbours and next-but-one cover all.
  for (size_t i = 0; i + 1 < t.size(); ++i) {
    if (IsNearZero(t[i + 1] - t[i])) return krEqualAbscissas;
    if (i + 2 < t.size() && IsNearZero(t[i + 2] - t[i])) return krEqualAbscissas;
  }
  return krOk;
}

int ThreePointDerivative(const TDoubleDynArray &t, const TDoubleDynArray &y, double k,
                         TDoubleDynArray &out) {
  if (const int check = CheckDerivationInput(t, y, k); check != krOk) return check;
  const size_t n = y.size();
  TDoubleDynArray d(n, 0.0);  // out may be y itself
  d[0] = deriv_impl::EndSlope(t[0], t[1], t[2], y[0], y[1], y[2]) / k;
  for (size_t i = 1; i + 1 < n; ++i)
    d[i] = deriv_impl::InnerSlope(t[i - 1], t[i], t[i + 1], y[i - 1], y[i], y[i + 1]) / k;
  d[n - 1] = deriv_impl::EndSlope(t[n - 1], t[n - 2], t[n - 3], y[n - 1], y[n - 2], y[n - 3]) / k;
  out = std::move(d);
  return krOk;
}

int SlidingSlope(const TDoubleDynArray &t, const TDoubleDynArray &y, double k,
                 TDoubleDynArray &out) {
  if (const int check = CheckDerivationInput(t, y, k); check != krOk) return check;
  const size_t n = y.size();
  TDoubleDynArray slopes(n, 0.0);
  TLeastSquares fit;
  TDoubleDynArray wt(3), wy(3), coefs;
  // Slope of the window centred on sample c, its abscissas centred on their mean.
  auto windowSlope = [&](size_t c, double &slope) {
    const double mean = (t[c - 1] + t[c] + t[c + 1]) / 3.0;
    for (size_t j = 0; j < 3; ++j) {
      wt[j] = t[c - 1 + j] - mean;
      wy[j] = y[c - 1 + j];
    }
    const int result = fit.LeastSquaresFit(2, wt, coefs, wy);
    if (result == krOk) slope = coefs[1] / k;
    return result;
  };
  for (size_t c = 1; c + 1 < n; ++c)
    if (const int result = windowSlope(c, slopes[c]); result != krOk) return result;
  slopes[0] = slopes[1];
  slopes[n - 1] = slopes[n - 2];
  out = std::move(slopes);
  return krOk;
}

double PolynomialDerivative(const TDoubleDynArray &coefs, double t) {
  double d = 0.0;
  for (size_t j = coefs.size(); j-- > 1;) d = d * t + double(j) * coefs[j];
  return d;
}

void BlendedDerivative(const TDoubleDynArray &coefs, const TDoubleDynArray &t, double k,
                       const TDoubleDynArray &threePoint, TDoubleDynArray &out) {
  out.assign(t.size(), 0.0);
  for (size_t i = 0; i < t.size(); ++i) {
    const double d = PolynomialDerivative(coefs, t[i]) / k;
    out[i] = d + deriv_impl::BlendWeight * (d - threePoint[i]);
  }
}

TDeriv::TDeriv(const TDoubleDynArray &times, const TDoubleDynArray &values, double k)
    : Times(times),
      Values(values),
      K(k),
      Velocity(times.size(), 0.0),
      Acceleration(times.size(), 0.0) {}

int TDeriv::Derive(bool smooth) {
  if (const int check = CheckDerivationInput(Times, Values, K); check != krOk) return check;
  if (smooth) return DeriveSmoothed();
  int result = ThreePointDerivative(Times, Values, K, Velocity);
  if (result == krOk) result = ThreePointDerivative(Times, Velocity, K, Acceleration);
  return result;
}

int TDeriv::ChooseDegree(const TDoubleDynArray &y, int &s, TDoubleDynArray &coefs) const {
  TLeastSquares fit;
  for (s = 1; s <= deriv_impl::HighestDegree; ++s) {
    if (const int result = fit.LeastSquaresFit(s + 1, Times, coefs, y); result != krOk)
      return result;
    if (fit.DeterminationRatio() > deriv_impl::DeterminationWanted) return krOk;
  }
  s = deriv_impl::HighestDegree;
  return krOk;
}

int TDeriv::DeriveSmoothed() {
  using namespace deriv_impl;
  int result = krOk;
  TDoubleDynArray coefs;

  // Velocity: the degree s that explains the positions decides how they are derived.
  int s = 0;
  const TDoubleDynArray yc = Centred(Values);
  if (RootMeanSquare(yc) >= StillPosition) {
    if ((result = ChooseDegree(yc, s, coefs)) != krOk) return result;
  }
  if (s <= 1) {
    result = SlidingSlope(Times, Values, K, Velocity);
  } else if (s <= 3) {
    TDoubleDynArray threePoint;
    result = ThreePointDerivative(Times, Values, K, threePoint);
    if (result == krOk) BlendedDerivative(coefs, Times, K, threePoint, Velocity);
  } else {
    result = ThreePointDerivative(Times, Values, K, Velocity);
  }
  if (result != krOk) return result;

  // Acceleration.
  TDoubleDynArray threePoint;
  bool still = s == 0;
  if (s == 1) {
    still = RootMeanSquare(Centred(Velocity)) < StillVelocity;
    if (!still) {
      // The positions look straight but the velocity still moves: both derivatives fall
      // back to plain differences rather than trust the line.
      if ((result = ThreePointDerivative(Times, Values, K, Velocity)) != krOk) return result;
      return ThreePointDerivative(Times, Velocity, K, Acceleration);
    }
  }
  if (still) {
    // The blended derivative of the zero polynomial.
    if ((result = ThreePointDerivative(Times, Velocity, K, threePoint)) != krOk) return result;
    BlendedDerivative(TDoubleDynArray{}, Times, K, threePoint, Acceleration);
    return krOk;
  }

  int s2 = 0;
  if ((result = ChooseDegree(Centred(Velocity), s2, coefs)) != krOk) return result;
  if (s2 == 1) return SlidingSlope(Times, Velocity, K, Acceleration);
  if (s2 <= 3) {
    for (size_t i = 0; i < Times.size(); ++i)
      Acceleration[i] = PolynomialDerivative(coefs, Times[i]) / K;
    return krOk;
  }
  return ThreePointDerivative(Times, Velocity, K, Acceleration);
}

}  // namespace kolibra::kinematics
