#include "modelling/ModelFunction.h"

#include "kit/MathUtils.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace kolibra::modelling {

namespace model_function_impl {

constexpr double StopTolerance = 1e-9;
constexpr int StopIterations = 100;

// d/dt [(1 + k t) sin(w t + phi)], params = (w, phi, k).
double EnvelopeSlope(const TDoubleDynArray &q, double t) {
  const double w = q[0], phi = q[1], k = q[2];
  return k * std::sin(w * t + phi) + w * (1.0 + k * t) * std::cos(w * t + phi);
}

}  // namespace model_function_impl

TModelFunction::TModelFunction(int type) : Kind(type), P(WorkingCount(type), 0.0) {}

int TModelFunction::WorkingCount(int type) {
  switch (type) {
    case mtExponential:
    case mtSine:
      return 3;
    case mtSineExpDamped:
    case mtSineLinDamped:
      return 4;
    default:
      return 0;
  }
}

int TModelFunction::ModelCount(int type) {
  switch (type) {
    case mtExponential:
      return 3;
    case mtSine:
      return 4;
    case mtSineExpDamped:
    case mtSineLinDamped:
      return 5;
    default:
      return 0;
  }
}

void TModelFunction::SetParams(const TDoubleDynArray &p) {
  P.assign(p.begin(), p.begin() + std::min(p.size(), size_t(WorkingCount(Kind))));
  P.resize(size_t(WorkingCount(Kind)), 0.0);
  HasStop = false;
  if (Kind == mtSineLinDamped) FindStop();
}

void TModelFunction::FindStop() {
  using namespace model_function_impl;
  const double b = P[0], w = P[1], phi = P[2], k = P[3];
  // Only a falling envelope reaches zero ahead; a growing one vanished in the past and
  // freezing there would flatten the whole curve.
  if (IsNearZero(k) || k > 0.0 || IsNearZero(w) || w < 0.0) return;
  const double t0 = -1.0 / k;
  const double quarter = std::numbers::pi / (2.0 * w);
  const TDoubleDynArray q{w, phi, k};
  double te = t0;
  // The last extremum usually lies within the last quarter period; for some phases it lies
  // up to half a period before t0. Failing both, the motion stops where the envelope ends.
  if (!FindRoot(EnvelopeSlope, q, StopIterations, t0 - quarter, t0, StopTolerance, te) &&
      !FindRoot(EnvelopeSlope, q, StopIterations, t0 - 2.0 * quarter, t0 - quarter, StopTolerance,
                te))
    te = t0;
  HasStop = true;
  StopAt = te;
  Frozen = b * (1.0 + k * te) * std::sin(w * te + phi);
}

double TModelFunction::Value(double t) const {
  switch (Kind) {
    case mtExponential:
      return P[0] + P[1] * std::exp(P[2] * t);
    case mtSine:
      return P[0] * std::sin(P[1] * t + P[2]);
    case mtSineExpDamped:
      return P[0] * std::sin(P[1] * t + P[2]) * std::exp(P[3] * t);
    case mtSineLinDamped:
      if (HasStop && t >= StopAt) return Frozen;
      return P[0] * (1.0 + P[3] * t) * std::sin(P[1] * t + P[2]);
    default:
      return 0.0;
  }
}

void TModelFunction::Partials(double t, TDoubleDynArray &d) const {
  d.assign(P.size(), 0.0);
  switch (Kind) {
    case mtExponential: {
      const double e = std::exp(P[2] * t);
      d[0] = 1.0;
      d[1] = e;
      d[2] = P[1] * t * e;
      break;
    }
    case mtSine: {
      const double s = std::sin(P[1] * t + P[2]), c = std::cos(P[1] * t + P[2]);
      d[0] = s;
      d[1] = P[0] * t * c;
      d[2] = P[0] * c;
      break;
    }
    case mtSineExpDamped: {
      const double s = std::sin(P[1] * t + P[2]), c = std::cos(P[1] * t + P[2]);
      const double e = std::exp(P[3] * t);
      d[0] = s * e;
      d[1] = P[0] * t * c * e;
      d[2] = P[0] * c * e;
      d[3] = P[0] * t * s * e;
      break;
    }
    case mtSineLinDamped: {
      const double s = std::sin(P[1] * t + P[2]), c = std::cos(P[1] * t + P[2]);
      const double g = 1.0 + P[3] * t;
      d[0] = g * s;
      d[1] = P[0] * t * g * c;
      d[2] = P[0] * g * c;
      d[3] = P[0] * t * s;
      break;
    }
    default:
      break;
  }
}

}  // namespace kolibra::modelling
