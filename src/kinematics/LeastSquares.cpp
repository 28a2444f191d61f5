#include "kinematics/LeastSquares.h"

#include "kit/MathUtils.h"

#include <algorithm>
#include <cmath>

namespace kolibra::kinematics {

namespace least_squares_impl {

// Power coefficients (in x) of T0(a x + b) ... T(m-1)(a x + b), by the Chebyshev recurrence.
std::vector<TDoubleDynArray> ChebyshevInPowers(int m, double a, double b) {
  std::vector<TDoubleDynArray> poly(m);
  poly[0] = {1.0};
  if (m > 1) poly[1] = {b, a};
  for (int j = 2; j < m; ++j) {
    TDoubleDynArray next(j + 1, 0.0);
    const TDoubleDynArray &prev = poly[j - 1];
    for (size_t i = 0; i < prev.size(); ++i) {
      next[i] += 2.0 * b * prev[i];
      next[i + 1] += 2.0 * a * prev[i];
    }
    for (size_t i = 0; i < poly[j - 2].size(); ++i) next[i] -= poly[j - 2][i];
    poly[j] = std::move(next);
  }
  return poly;
}

}  // namespace least_squares_impl

void TLeastSquares::Clear() {
  Fitted.clear();
  Residual.clear();
  SumOfSquares = 0.0;
  StdError = 0.0;
  Ratio = 0.0;
  UsedCount = 0;
}

int TLeastSquares::LeastSquaresFit(int M, const TDoubleDynArray &X, TDoubleDynArray &Coefs,
                                   const TDoubleDynArray &Y) {
  Clear();
  const int n = int(std::min(X.size(), Y.size()));
  if (n < 2) return krFitTooFewPoints;
  const int asked = M;
  if (n < M) M = n - 1;
  if (M < 1) return krFitNoCoefficient;

  const auto [minIt, maxIt] = std::minmax_element(X.begin(), X.begin() + n);
  const double range = *maxIt - *minIt;
  if (IsNearZero(range)) return krFitNoRange;
  const double a = 2.0 / range;
  const double b = -(*maxIt + *minIt) / range;

  // Design rows: T0(u) ... T(M-1)(u) at every point.
  TMatriceD design(n, TDoubleDynArray(M));
  for (int i = 0; i < n; ++i) {
    const double u = a * X[i] + b;
    TDoubleDynArray &row = design[i];
    row[0] = 1.0;
    if (M > 1) row[1] = u;
    for (int j = 2; j < M; ++j) row[j] = 2.0 * u * row[j - 1] - row[j - 2];
  }

  TMatriceD normal(M, TDoubleDynArray(M, 0.0));
  TDoubleDynArray right(M, 0.0);
  for (int i = 0; i < n; ++i) {
    const TDoubleDynArray &row = design[i];
    for (int r = 0; r < M; ++r) {
      right[r] += Y[i] * row[r];
      for (int c = 0; c <= r; ++c) normal[r][c] += row[r] * row[c];
    }
  }
  for (int r = 0; r < M; ++r)
    for (int c = r + 1; c < M; ++c) normal[r][c] = normal[c][r];

  TDoubleDynArray cheb(M, 0.0);
  if (SolveLinearSystem(normal, cheb, right)) return krFitSingular;

  Fitted.assign(n, 0.0);
  Residual.assign(n, 0.0);
  double sumFitted2 = 0.0;
  double sumY2 = 0.0;
  for (int i = 0; i < n; ++i) {
    double f = 0.0;
    for (int j = 0; j < M; ++j) f += cheb[j] * design[i][j];
    Fitted[i] = f;
    Residual[i] = f - Y[i];
    SumOfSquares += Residual[i] * Residual[i];
    sumFitted2 += f * f;
    sumY2 += Y[i] * Y[i];
  }
  StdError = n > M ? std::sqrt(SumOfSquares / (n - M)) : 0.0;
  Ratio = IsNearZero(sumY2) ? 0.0 : sumFitted2 / sumY2;
  UsedCount = M;

  const std::vector<TDoubleDynArray> powers = least_squares_impl::ChebyshevInPowers(M, a, b);
  Coefs.assign(std::max(asked, M), 0.0);
  for (int j = 0; j < M; ++j)
    for (size_t i = 0; i < powers[j].size(); ++i) Coefs[i] += cheb[j] * powers[j][i];
  return krOk;
}

int LeastSquaresFit(int M, const TDoubleDynArray &X, TDoubleDynArray &Coefs,
                    const TDoubleDynArray &Y) {
  TLeastSquares fit;
  return fit.LeastSquaresFit(M, X, Coefs, Y);
}

}  // namespace kolibra::kinematics
