#pragma once
// Fitting a model curve of any family to a measured series, with what a user wants to know
// about the result: the parameters, their standard errors, the sum of squared residuals and
// the statistics the modeller panel shows. The model curves (TMdl) and `kolibra-cli fit`
// both fit through FitModelCurve, so the command line prints what the panel shows.
//
// Parameters are those the user sees, in the order of their letters ("rbcdk..."):
// constant r; proportional r (the slope: y = r.t); affine r + b.t; exponential r + b.exp(c.t);
// parabola r + b.t + c.t²; sine r + b.sin(c.t + d); damped sines r, b, c, d, k.

#include "kit/Types.h"
#include "modelling/Marquardt.h"
#include "modelling/ModelFunction.h"

#include <QString>

namespace kolibra::modelling {

// Number of parameters a family shows (0 for mtNone or an unknown code).
int ParameterCount(int type);

// The letter of parameter index: "r", "b", "c", "d", "k", "f", ... from "rbcdkfghijlmnopq".
QString ParameterLetter(int index);

// y(t) of a family in data units, parameters in the order above. The linearly damped sine
// stops at its last extremum (ModelFunction.h). Not a number for an unknown family or too
// few parameters.
double ModelValue(int type, const TDoubleDynArray &params, double t);
// The same at many abscissas (the damped sines find their stop once).
TDoubleDynArray ModelValues(int type, const TDoubleDynArray &params, const TDoubleDynArray &t);

struct TModelFit {
  int Result = frUnknownModel;  // frOk, a TFitResult, or a kinematics least-squares code
  TDoubleDynArray Params;       // empty when the fit was refused
  TDoubleDynArray StdErrors;    // one per parameter; not a number where none can be given
  double Chi2 = 0.0;            // sum of squared residuals at Params
  int Samples = 0;              // samples the fit used
};

// Fits the family to the points (T[i], Y[i]) (n = the shorter length): the constant, the
// affine line and the parabola by polynomial least squares, the proportional line by the
// ratio of the means, the others by Levenberg-Marquardt (FitModel); a sine fitted with its
// offset held is then refined with every parameter free, so the curve is the least-squares
// one and its standard errors describe it. Fewer samples than parameters + 1
// are refused (frTooFewSamples, no parameters). A non-linear fit that did not converge still
// hands back its last parameters with a failure code.
//
// Standard errors come from the covariance s² (JᵀJ)⁻¹ of the model at the fitted
// parameters, s² = Chi2 / (n - parameters), J the derivatives of the model with respect to
// every parameter shown (the offset of the sines included, though the optimiser holds it);
// the proportional line's is that of its ratio estimator, s sqrt(n) / |sum t|.
TModelFit FitModelCurve(int type, const TDoubleDynArray &T, const TDoubleDynArray &Y);

// The samples whose abscissa lies within [from, to] (bounds included, in either order).
void SelectRange(const TDoubleDynArray &T, const TDoubleDynArray &Y, double from, double to,
                 TDoubleDynArray &rangeT, TDoubleDynArray &rangeY);

// Statistics of a model against data. A value that cannot be computed (no samples, data all
// zero, a flat series for the correlation) is not a number: it is shown as "#Number!".
struct TModelStats {
  double Correlation = 0.0;   // Pearson correlation of the data and the model's values
  double RmsDev = 0.0;        // root mean square of the residuals
  double RelPrecision = 0.0;  // sqrt(sum residual² / sum y²)
};
TModelStats ModelStatistics(int type, const TDoubleDynArray &params, const TDoubleDynArray &T,
                            const TDoubleDynArray &Y);
// Only the affine and proportional lines show their correlation coefficient.
bool ShowsCorrelation(int type);

// The reason a fit failed, for message boxes and the command line; empty for frOk.
QString FitMessage(int result);

// "constant", "proportional", "affine", "exponential", "parabola", "sine",
// "damped-sine-exp", "damped-sine-lin" and back (mtNone for an unknown name).
QString ModelName(int type);
int ModelTypeFromName(const QString &name);

}  // namespace kolibra::modelling
