// The dense linear solver of the least-squares fits, the bisection root finder of the models
// and the graduation of graph axes.

#include "kit/MathUtils.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace kolibra {

bool SolveLinearSystem(const TMatriceD &a, TDoubleDynArray &x, const TDoubleDynArray &b) {
  const size_t n = a.size();
  if (n == 0 || x.size() != n || b.size() < n) return true;
  for (const TDoubleDynArray &row : a)
    if (row.size() < n) return true;

  // Rows and columns are exchanged only in the permutation vectors. They are local so that
  // a fit may run inside another one.
  TMatriceD m = a;
  std::vector<size_t> rowOf(n), colOf(n);
  for (size_t s = 0; s < n; ++s) rowOf[s] = colOf[s] = s;
  auto at = [&](size_t r, size_t c) -> double & { return m[rowOf[r]][colOf[c]]; };

  for (size_t s = 0; s < n; ++s) {
    // Complete pivoting on the greatest magnitude: a signed comparison would pick a small
    // positive pivot over a large negative one and call [[0, -1], [-1, 0]] singular.
    size_t pivotRow = s, pivotCol = s;
    double best = std::fabs(at(s, s));
    for (size_t r = s; r < n; ++r)
      for (size_t c = s; c < n; ++c)
        if (std::fabs(at(r, c)) > best) {
          best = std::fabs(at(r, c));
          pivotRow = r;
          pivotCol = c;
        }
    std::swap(rowOf[s], rowOf[pivotRow]);
    std::swap(colOf[s], colOf[pivotCol]);
    const double pivot = at(s, s);
    if (IsNearZero(pivot)) return true;
    for (size_t r = s + 1; r < n; ++r) {
      const double factor = at(r, s) / pivot;
      at(r, s) = factor;  // the unit lower factor, kept in place
      for (size_t c = s + 1; c < n; ++c) at(r, c) -= factor * at(s, c);
    }
  }

  TDoubleDynArray y(n);
  for (size_t s = 0; s < n; ++s) {
    double sum = b[rowOf[s]];
    for (size_t t = 0; t < s; ++t) sum -= at(s, t) * y[t];
    y[s] = sum;
  }
  TDoubleDynArray solution(n);
  for (size_t s = n; s-- > 0;) {
    double sum = y[s];
    for (size_t t = s + 1; t < n; ++t) sum -= at(s, t) * y[t];
    y[s] = sum / at(s, s);
    solution[colOf[s]] = y[s];
  }
  // A nearly singular system can overflow; its callers treat that as singular too.
  for (double v : solution)
    if (!std::isfinite(v)) return true;
  x = std::move(solution);
  return false;
}

bool FindRoot(const std::function<double(const TDoubleDynArray &, double)> &f,
              const TDoubleDynArray &params, int maxIter, double lo, double hi, double tol,
              double &root) {
  if (!(lo < hi)) return false;
  // The sign of u * v, read from the signs: the product itself underflows to zero for tiny
  // values.
  auto signOfProduct = [](double u, double v) {
    const int su = (u > 0.0) - (u < 0.0);
    const int sv = (v > 0.0) - (v < 0.0);
    return su * sv;
  };
  try {
    // A value that is not finite is as much a failure of f as an exception.
    auto value = [&](double t, double &v) {
      v = f(params, t);
      return std::isfinite(v);
    };
    double fLo = 0.0, fHi = 0.0;
    if (!value(lo, fLo) || !value(hi, fHi)) return false;
    if (signOfProduct(fLo, fHi) > 0) return false;
    if (std::fabs(fLo) <= tol) {
      root = lo;
      return true;
    }
    if (std::fabs(fHi) <= tol) {
      root = hi;
      return true;
    }
    double middle = (lo + hi) / 2.0;
    for (int halving = 0; halving <= maxIter; ++halving) {
      middle = (lo + hi) / 2.0;
      double fMiddle = 0.0;
      if (!value(middle, fMiddle)) return false;
      if (std::fabs(fMiddle) <= tol) break;
      if (signOfProduct(fLo, fMiddle) >= 0) {
        lo = middle;
        fLo = fMiddle;
      } else {
        hi = middle;
      }
    }
    root = middle;
    return true;
  } catch (...) {
    return false;
  }
}

void AxisGraduation(double min, double max, double &first, double &last, double &step,
                    int &count) {
  if (!std::isfinite(min) || !std::isfinite(max) || !std::isfinite(max - min)) {
    first = min;
    last = max;
    step = 0.0;
    count = 0;
    return;
  }
  if (max < min) std::swap(min, max);

  const double range = max - min;
  const double e = IsNearZero(range) ? 0.0 : std::floor(std::log10(range));
  const double p = std::pow(10.0, e);
  const double m = range / p;
  double factor = 2.0;
  if (m <= 1.2)
    factor = 0.2;
  else if (m <= 2.4)
    factor = 0.4;
  else if (m <= 3.6)
    factor = 0.6;
  else if (m < 4.0)
    factor = 0.8;
  else if (m <= 6.0)
    factor = 1.0;
  step = p * factor;

  double start = std::trunc(min / step);
  if (start < 0.0) start -= 1.0;
  first = start * step;
  count = RoundClamped(std::trunc(range / step)) + 1;

  // The loops take a few passes; the bound only matters where min is so large that adding a
  // step no longer changes it.
  constexpr int kMaxSteps = 1000;
  if (!IsNearZero(first - min))
    for (int i = 0; i < kMaxSteps && first < min; ++i) first += step;
  last = first;
  int added = 0;
  do {
    last += step;
  } while (++added < kMaxSteps && last < max);
  if (!IsNearZero(max - last)) last -= step;
}

}  // namespace kolibra
