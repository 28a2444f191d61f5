#include "modelling/Marquardt.h"

#include "kit/MathUtils.h"
#include "modelling/LineSearch.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace kolibra::modelling {

namespace marquardt_impl {

constexpr double StartLambda = 0.01;
constexpr double LambdaLimit = 1000.0;
constexpr double AcceptedRise = 1e-10;  // relative rise of Chi2 a step may still bring
constexpr double LineTolerance = 0.01;
constexpr int LineIterations = 100;

bool AllFinite(const TDoubleDynArray &values) {
  return std::all_of(values.begin(), values.end(), [](double v) { return std::isfinite(v); });
}

}  // namespace marquardt_impl

bool GaussJordan(const TMatriceD &a, const TDoubleDynArray &b, TDoubleDynArray &x) {
  const size_t n = b.size();
  if (a.size() != n) return true;
  for (const TDoubleDynArray &row : a)
    if (row.size() != n) return true;
  TMatriceD m = a;
  TDoubleDynArray rhs = b;
  std::vector<bool> used(n, false);
  for (size_t step = 0; step < n; ++step) {
    // The largest remaining element in magnitude, among rows and columns not yet pivoted.
    double biggest = -1.0;
    size_t row = 0, col = 0;
    for (size_t i = 0; i < n; ++i) {
      if (used[i]) continue;
      for (size_t j = 0; j < n; ++j) {
        if (used[j]) continue;
        if (std::fabs(m[i][j]) > biggest) {
          biggest = std::fabs(m[i][j]);
          row = i;
          col = j;
        }
      }
    }
    if (!(biggest >= 0.0) || IsNearZero(m[row][col])) return true;
    used[col] = true;
    // Swapping equations moves the pivot onto the diagonal without changing the solution,
    // so no unscrambling is needed at the end.
    if (row != col) {
      std::swap(m[row], m[col]);
      std::swap(rhs[row], rhs[col]);
    }
    const double inverse = 1.0 / m[col][col];
    for (double &v : m[col]) v *= inverse;
    rhs[col] *= inverse;
    for (size_t i = 0; i < n; ++i) {
      if (i == col) continue;
      const double factor = m[i][col];
      for (size_t j = 0; j < n; ++j) m[i][j] -= m[col][j] * factor;
      rhs[i] -= rhs[col] * factor;
    }
  }
  if (!marquardt_impl::AllFinite(rhs)) return true;
  x = std::move(rhs);
  return false;
}

double TMarquardt::LineSearch(const TChi2Function &F, TDoubleDynArray &P) const {
  const TDoubleDynArray start = P;
  TDoubleDynArray trial(P.size());
  auto along = [&](double s) {
    for (size_t i = 0; i < P.size(); ++i) trial[i] = start[i] + s * Delta[i];
    return F(trial);
  };
  const TBracket bracket = BracketMinimum(along, 0.0, 1.0);
  double best = 0.0;
  const double value = BrentMinimum(along, bracket, marquardt_impl::LineTolerance,
                                    marquardt_impl::LineIterations, best);
  for (size_t i = 0; i < P.size(); ++i) P[i] = start[i] + best * Delta[i];
  return value;
}

int TMarquardt::Marquardt(const TChi2Function &F, const TNormalFunction &Normal, TDoubleDynArray &P,
                          double &Chi2, double Tol, int MaxIter) {
  using namespace marquardt_impl;
  const size_t n = P.size();
  Alpha.assign(n, TDoubleDynArray(n, 0.0));
  Beta.assign(n, 0.0);
  Delta.assign(n, 0.0);
  Lambda = StartLambda;
  Iterations = 1;
  Chi2 = F(P);
  if (!std::isfinite(Chi2) || !AllFinite(P)) return frNumericFault;

  bool converged = false;
  TDoubleDynArray gradient(n);
  for (;;) {
    const TDoubleDynArray old = P;
    for (TDoubleDynArray &row : Alpha) std::fill(row.begin(), row.end(), 0.0);
    std::fill(Beta.begin(), Beta.end(), 0.0);
    Normal(P, Alpha, Beta);
    for (size_t i = 0; i < n; ++i) gradient[i] = -Beta[i];

    if (converged) {
      // One undamped Gauss-Newton step polishes the converged parameters.
      if (GaussJordan(Alpha, gradient, Delta)) return frSingular;
      for (size_t i = 0; i < n; ++i) P[i] = old[i] + Delta[i];
      const double polished = F(P);
      if (!std::isfinite(polished) || !AllFinite(P)) {
        P = old;
        return frNumericFault;
      }
      Chi2 = polished;
      return frOk;
    }

    double chi2New = Chi2;
    for (;;) {
      TMatriceD damped = Alpha;
      for (size_t i = 0; i < n; ++i) damped[i][i] = (1.0 + Lambda) * Alpha[i][i];
      if (GaussJordan(damped, gradient, Delta)) return frSingular;
      P = old;
      chi2New = LineSearch(F, P);
      // A step that keeps Chi2 where it was is accepted too: at an exact fit (Chi2 = 0)
      // no step can lower it, and refusing would report a perfect fit as a failure.
      if (std::isfinite(chi2New) && AllFinite(P) && chi2New - Chi2 <= AcceptedRise * Chi2) break;
      P = old;
      Lambda *= 10.0;
      if (Lambda > LambdaLimit) return frDampingLimit;
    }

    converged = true;
    for (size_t i = 0; i < n; ++i)
      if (!(std::fabs(P[i] - old[i]) < Tol * std::max(std::fabs(old[i]), 1.0))) converged = false;
    Lambda *= 0.1;
    Chi2 = chi2New;
    if (++Iterations > MaxIter) return frTooManyIterations;
  }
}

}  // namespace kolibra::modelling
