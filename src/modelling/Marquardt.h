#pragma once
// Levenberg-Marquardt least squares with a line search along each step. The objective and
// its normal equations come in as functions, so one optimiser serves every model and the
// tests can hand it any objective. All working state (the normal matrix, the step, the
// damping) lives in the TMarquardt object: two fits never share anything.

#include "kit/Types.h"

#include <functional>

namespace kolibra::modelling {

// Result codes of the curve fit. They are negative, so they never meet the kinematics
// codes (all 0 or positive) in one message table.
enum TFitResult : int {
  frOk = 0,
  frSingular = -1,           // the normal system is singular: no step can be computed
  frDampingLimit = -2,       // the damping passed 1000 without a step lowering Chi2
  frTooManyIterations = -3,  // no convergence within the allowed iterations
  frTooFewSamples = -4,      // fewer samples than the model's parameters plus one
  frNumericFault = -5,       // the sum of squares or a parameter stopped being a number
  frUnknownModel = -6,       // the type code has no non-linear fit
};

// Chi2(P): the sum of squared residuals.
using TChi2Function = std::function<double(const TDoubleDynArray &P)>;
// Fills Alpha with the Gauss-Newton matrix sum df/dPj df/dPm and Beta with
// -sum r df/dPj (r = data minus model), both already sized to the parameter count.
using TNormalFunction =
    std::function<void(const TDoubleDynArray &P, TMatriceD &Alpha, TDoubleDynArray &Beta)>;

// Solves a x = b by Gauss-Jordan elimination with full pivoting. Returns true, x untouched,
// when a pivot is near zero (singular) or the system is malformed.
bool GaussJordan(const TMatriceD &a, const TDoubleDynArray &b, TDoubleDynArray &x);

class TMarquardt {
 public:
  // Minimises F from P. On frOk P holds the converged parameters and Chi2 their sum of
  // squares; on a failure P and Chi2 are those of the last accepted step (the start when
  // none was accepted).
  int Marquardt(const TChi2Function &F, const TNormalFunction &Normal, TDoubleDynArray &P,
                double &Chi2, double Tol = 1e-5, int MaxIter = 50);

  // State of the last run, for the curious (and the tests).
  TMatriceD Alpha;
  TDoubleDynArray Beta;
  TDoubleDynArray Delta;
  double Lambda = 0.01;
  int Iterations = 0;

 private:
  // Moves P to the minimum of F along Delta; returns F there.
  double LineSearch(const TChi2Function &F, TDoubleDynArray &P) const;
};

}  // namespace kolibra::modelling
