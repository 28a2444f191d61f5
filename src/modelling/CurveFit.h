#pragma once
// Least-squares fit of the non-linear models (exponential and the three sines) to a
// measured series. The linear models use the polynomial least squares of the kinematics
// subsystem instead.
//
// The sines are fitted with their offset held at a first estimate (the middle of the range
// for the plain sine, the mean for the damped ones): the oscillation itself is what the
// optimiser adjusts. Every fit runs in its own objects; nothing is kept between calls.

#include "kit/Types.h"
#include "modelling/Marquardt.h"
#include "modelling/ModelFunction.h"

namespace kolibra::modelling {

// Where a fit starts: the working parameters, the offset taken out of the sines (0 for the
// exponential) and the ordinates the optimiser sees (Y minus that offset).
struct TFitStart {
  TDoubleDynArray P;
  double Offset = 0.0;
  TDoubleDynArray FitY;
};

// Fits the model of type code Type (mtExponential, mtSine, mtSineExpDamped,
// mtSineLinDamped) to the points (T[i], Y[i]) (n = the shorter length). Params receives the
// model's parameters: r, b, c for the exponential r + b exp(c t); r, b, w, phi for the sine;
// r, b, w, phi, k for the damped sines. Returns frOk or a TFitResult failure. A series of
// fewer than ModelCount + 1 samples, or an unknown type, is refused and Params comes back
// empty; on the other failures Params holds the last accepted parameters, so the model can
// still show a curve while the caller reports the failure.
int FitModel(const TDoubleDynArray &T, const TDoubleDynArray &Y, int Type, TDoubleDynArray &Params);

// Angular frequency from the first two zero crossings of a centred series: pi over the time
// between them (half a period), each crossing taken midway between the two samples around
// it. Default when the series crosses zero fewer than twice.
double FrequencyGuess(const TDoubleDynArray &T, const TDoubleDynArray &Y, double Default);

// The initial guess FitModel starts from (T and Y at least 2 samples of equal length).
TFitStart InitialGuess(const TDoubleDynArray &T, const TDoubleDynArray &Y, int Type);

}  // namespace kolibra::modelling
