#include "modelling/LineSearch.h"

#include "kit/MathUtils.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace kolibra::modelling {

namespace line_search_impl {

constexpr double Golden = 1.6180339887498948482;
constexpr double ShrinkGolden = 0.3819660112501051;  // 2 - Golden
constexpr double SmallestTolerance = 1.4901161e-8;
constexpr double AbsoluteFloor = 1e-10;  // keeps the tolerance alive near x = 0

double WithSign(double magnitude, double sign) {
  return sign >= 0.0 ? std::fabs(magnitude) : -std::fabs(magnitude);
}

}  // namespace line_search_impl

TBracket BracketMinimum(const TLineFunction &g, double a, double b, int maxSteps) {
  using namespace line_search_impl;
  TBracket r;
  r.A = a;
  r.B = b;
  r.FA = g(a);
  r.FB = g(b);
  if (!(r.FB <= r.FA)) {  // walk downhill from A to B; a value that is not a number is uphill
    std::swap(r.A, r.B);
    std::swap(r.FA, r.FB);
  }
  r.C = r.B + Golden * (r.B - r.A);
  r.FC = g(r.C);
  for (int step = 0; step < maxSteps && r.FB > r.FC; ++step) {
    const double next = r.C + Golden * (r.C - r.B);
    r.A = r.B;
    r.FA = r.FB;
    r.B = r.C;
    r.FB = r.FC;
    r.C = next;
    r.FC = g(next);
  }
  return r;
}

double BrentMinimum(const TLineFunction &g, const TBracket &bracket, double tol, int maxIter,
                    double &xmin) {
  using namespace line_search_impl;
  if (tol < SmallestTolerance) tol = SmallestTolerance;
  double a = std::min(bracket.A, bracket.C);
  double b = std::max(bracket.A, bracket.C);
  double x = bracket.B, w = x, v = x;
  double fx = bracket.FB, fw = fx, fv = fx;
  double d = 0.0, e = 0.0;
  for (int iter = 0; iter < maxIter; ++iter) {
    const double xm = 0.5 * (a + b);
    const double tol1 = tol * std::fabs(x) + AbsoluteFloor;
    const double tol2 = 2.0 * tol1;
    if (std::fabs(x - xm) <= tol2 - 0.5 * (b - a)) break;
    bool golden = true;
    if (std::fabs(e) > tol1) {
      // Parabola through x, w and v.
      const double r = (x - w) * (fx - fv);
      double q = (x - v) * (fx - fw);
      double p = (x - v) * q - (x - w) * r;
      q = 2.0 * (q - r);
      if (q > 0.0) p = -p;
      q = std::fabs(q);
      const double previous = e;
      e = d;
      if (!(std::fabs(p) >= std::fabs(0.5 * q * previous) || p <= q * (a - x) ||
            p >= q * (b - x))) {
        golden = false;
        d = p / q;
        const double u = x + d;
        if (u - a < tol2 || b - u < tol2) d = WithSign(tol1, xm - x);
      }
    }
    if (golden) {
      e = x >= xm ? a - x : b - x;
      d = ShrinkGolden * e;
    }
    const double u = std::fabs(d) >= tol1 ? x + d : x + WithSign(tol1, d);
    const double fu = g(u);
    if (fu <= fx) {
      if (u >= x)
        a = x;
      else
        b = x;
      v = w;
      fv = fw;
      w = x;
      fw = fx;
      x = u;
      fx = fu;
    } else {
      if (u < x)
        a = u;
      else
        b = u;
      if (fu <= fw || IsNearZero(w - x)) {
        v = w;
        fv = fw;
        w = u;
        fw = fu;
      } else if (fu <= fv || IsNearZero(v - x) || IsNearZero(v - w)) {
        v = u;
        fv = fu;
      }
    }
  }
  xmin = x;
  return fx;
}

}  // namespace kolibra::modelling
