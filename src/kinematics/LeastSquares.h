#pragma once
// Polynomial least squares in the Chebyshev basis. The abscissas are mapped onto [-1, 1]
// before the normal equations are built, which keeps the small (at most 5 x 5) system well
// conditioned for frame numbers in the thousands; the coefficients handed back are
// nevertheless those of plain powers of x.
//
// One TLeastSquares holds the outcome of its last fit (fitted values, residuals, standard
// error, determination ratio) until the next one, so fits made by different callers never
// see each other's state.

#include "kinematics/ResultCodes.h"
#include "kit/Types.h"

namespace kolibra::kinematics {

class TLeastSquares {
 public:
  // Fits c0 + c1 x + ... + c(M-1) x^(M-1) to the points (X[i], Y[i]) (n = the shorter
  // length). With fewer points than coefficients M drops to n - 1. On success (krOk)
  // Coefs holds M values in powers of x; when M was reduced the higher ones are 0, so
  // Coefs always has the length asked for. Failures: krFitTooFewPoints (n < 2),
  // krFitNoCoefficient (M < 1), krFitNoRange (all abscissas equal), krFitSingular; Coefs is
  // then left as it was and the results below are cleared.
  int LeastSquaresFit(int M, const TDoubleDynArray &X, TDoubleDynArray &Coefs,
                      const TDoubleDynArray &Y);

  // Results of the last successful fit (empty or 0 after a failure).
  const TDoubleDynArray &FittedValues() const { return Fitted; }
  const TDoubleDynArray &Residuals() const { return Residual; }  // fitted minus data
  double ResidualSumOfSquares() const { return SumOfSquares; }
  double StandardError() const { return StdError; }  // sqrt(S / (n - M)), 0 when n = M
  // Sum of fitted squared over sum of data squared: R squared when Y is centred on its mean.
  double DeterminationRatio() const { return Ratio; }
  int CoefficientCount() const { return UsedCount; }  // M after any reduction

 private:
  void Clear();

  TDoubleDynArray Fitted;
  TDoubleDynArray Residual;
  double SumOfSquares = 0.0;
  double StdError = 0.0;
  double Ratio = 0.0;
  int UsedCount = 0;
};

// Convenience for callers that need only the coefficients.
int LeastSquaresFit(int M, const TDoubleDynArray &X, TDoubleDynArray &Coefs,
                    const TDoubleDynArray &Y);

}  // namespace kolibra::kinematics
