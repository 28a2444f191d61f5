#pragma once
// One-dimensional minimisation for the line search of the curve fit: a golden-ratio
// expansion that brackets a minimum, then Brent's parabolic interpolation inside it.

#include <functional>

namespace kolibra::modelling {

using TLineFunction = std::function<double(double)>;

// A < B < C or A > B > C, with G(B) not above G(A) and, once found, below G(C).
struct TBracket {
  double A = 0.0, B = 0.0, C = 0.0;
  double FA = 0.0, FB = 0.0, FC = 0.0;
};

// Brackets a minimum of g starting from a and b, walking downhill: each new trial point lies
// 1.618... times the last interval beyond the last one. Gives up after maxSteps expansions
// (g still falling), returning the last three points.
TBracket BracketMinimum(const TLineFunction &g, double a, double b, int maxSteps = 60);

// Brent's method inside the bracket, with relative tolerance tol (never below
// 1.4901161e-8) and at most maxIter iterations. Returns the smallest value found and its
// abscissa in xmin; that value is never above G(B).
double BrentMinimum(const TLineFunction &g, const TBracket &bracket, double tol, int maxIter,
                    double &xmin);

}  // namespace kolibra::modelling
