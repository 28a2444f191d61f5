#include "modelling/CurveFit.h"

#include "kit/MathUtils.h"

#include <algorithm>
#include <cmath>
#include <exception>
#include <numbers>

namespace kolibra::modelling {

namespace curve_fit_impl {

constexpr double Tolerance = 1e-5;
constexpr int MaxIterations = 50;
constexpr double StartDamping = -0.05;

bool IsSine(int type) {
  return type == mtSine || type == mtSineExpDamped || type == mtSineLinDamped;
}

double DefaultFrequency(const TDoubleDynArray &t) {
  const double last = MaxOfD(t);
  return IsNearZero(last) ? 0.0 : 2.0 * std::numbers::pi / last;
}

// The same curve with a positive amplitude and a positive frequency: b sin(w t + phi) equals
// (-b) sin(w t + phi + pi) and b sin(-w t + phi) equals b sin(w t + pi - phi); the damping
// factors do not depend on either. Only a vanished amplitude or frequency falls back to the
// guess, which then at least shows an oscillation of the right size.
void NormaliseSine(TDoubleDynArray &p, const TFitStart &start, const TDoubleDynArray &t) {
  double &b = p[0], &w = p[1], &phi = p[2];
  if (w < 0.0 && !IsNearZero(w)) {
    w = -w;
    phi = std::numbers::pi - phi;
  }
  if (b < 0.0 && !IsNearZero(b)) {
    b = -b;
    phi += std::numbers::pi;
  }
  if (IsNearZero(b)) b = start.P[0];
  if (IsNearZero(w)) w = FrequencyGuess(t, start.FitY, DefaultFrequency(t));
}

}  // namespace curve_fit_impl

double FrequencyGuess(const TDoubleDynArray &T, const TDoubleDynArray &Y, double Default) {
  const size_t n = std::min(T.size(), Y.size());
  int changes = 0;
  double firstCrossing = 0.0;
  for (size_t i = 1; i < n; ++i) {
    if ((Y[i - 1] >= 0.0) == (Y[i] >= 0.0)) continue;
    const double crossing = 0.5 * (T[i - 1] + T[i]);
    if (++changes == 1) {
      firstCrossing = crossing;
      continue;
    }
    const double halfPeriod = std::fabs(crossing - firstCrossing);
    return IsNearZero(halfPeriod) ? Default : std::numbers::pi / halfPeriod;
  }
  return Default;
}

TFitStart InitialGuess(const TDoubleDynArray &T, const TDoubleDynArray &Y, int Type) {
  using namespace curve_fit_impl;
  TFitStart start;
  const size_t n = std::min(T.size(), Y.size());
  const TDoubleDynArray t(T.begin(), T.begin() + n);
  start.FitY.assign(Y.begin(), Y.begin() + n);
  if (n < 2) return start;

  if (Type == mtExponential) {
    const double first = start.FitY.front(), mid = start.FitY[(n - 1) / 2],
                 last = start.FitY.back();
    // A rising series that speeds up, or a falling one that speeds up its fall, departs
    // from its first value as exp(t); the others settle towards their last value as
    // exp(-t).
    const bool convex = last - mid > mid - first;
    if ((last > first) == convex)
      start.P = {first, last - first, 1.0};
    else
      start.P = {last, first - last, -1.0};
    return start;
  }
  if (!IsSine(Type)) return start;

  start.Offset =
      Type == mtSine ? (MaxOfD(start.FitY) + MinOfD(start.FitY)) / 2.0 : MeanOf(start.FitY);
  for (double &y : start.FitY) y -= start.Offset;
  const double b = std::fabs(MaxOfD(start.FitY));
  const double w = FrequencyGuess(t, start.FitY, DefaultFrequency(t));
  const double phi = IsNearZero(b) ? 0.0 : std::asin(std::clamp(start.FitY.front() / b, -1.0, 1.0));
  start.P = {b, w, phi};
  if (Type != mtSine) start.P.push_back(StartDamping);
  return start;
}

int FitModel(const TDoubleDynArray &T, const TDoubleDynArray &Y, int Type,
             TDoubleDynArray &Params) {
  using namespace curve_fit_impl;
  Params.clear();
  const int count = TModelFunction::ModelCount(Type);
  if (count == 0) return frUnknownModel;
  const size_t n = std::min(T.size(), Y.size());
  if (n < size_t(count) + 1) return frTooFewSamples;

  const TDoubleDynArray t(T.begin(), T.begin() + n);
  const TFitStart start = InitialGuess(t, Y, Type);
  const TDoubleDynArray &y = start.FitY;
  TModelFunction model(Type);
  TDoubleDynArray partials;

  auto chi2 = [&](const TDoubleDynArray &p) {
    model.SetParams(p);
    double sum = 0.0;
    for (size_t i = 0; i < n; ++i) {
      const double r = y[i] - model.Value(t[i]);
      sum += r * r;
    }
    return sum;
  };
  auto normal = [&](const TDoubleDynArray &p, TMatriceD &alpha, TDoubleDynArray &beta) {
    model.SetParams(p);
    const size_t m = p.size();
    for (size_t i = 0; i < n; ++i) {
      model.Partials(t[i], partials);
      const double r = y[i] - model.Value(t[i]);
      for (size_t j = 0; j < m; ++j) {
        beta[j] -= r * partials[j];
        for (size_t k = 0; k < m; ++k) alpha[j][k] += partials[j] * partials[k];
      }
    }
  };

  TDoubleDynArray p = start.P;
  double sum = 0.0;
  TMarquardt optimiser;
  int result;
  try {
    result = optimiser.Marquardt(chi2, normal, p, sum, Tolerance, MaxIterations);
  } catch (const std::exception &) {
    result = frNumericFault;
  }
  if (!std::all_of(p.begin(), p.end(), [](double v) { return std::isfinite(v); })) {
    p = start.P;
    if (result == frOk) result = frNumericFault;
  }

  if (IsSine(Type)) {
    NormaliseSine(p, start, t);
    Params.push_back(start.Offset);
  }
  Params.insert(Params.end(), p.begin(), p.end());
  return result;
}

}  // namespace kolibra::modelling
