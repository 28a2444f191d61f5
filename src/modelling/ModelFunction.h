#pragma once
// The non-linear model functions as the curve fit sees them: the offset of the sines is
// taken out before fitting, so a sine is b sin(w t + phi) here and the model adds r back.
//
// The linearly damped sine describes an oscillator under dry friction: its envelope
// 1 + k t falls until the motion stops at the last extremum before the envelope would vanish
// (t0 = -1/k); from that moment on the function keeps the value it had. SetParams finds that
// moment once per parameter set, so evaluating many abscissas stays cheap.

#include "kit/Types.h"

namespace kolibra::modelling {

// The graph's model type codes; the same codes select the function to fit.
enum TModelType : int {
  mtAffine = 0,
  mtConstant = 1,
  mtExponential = 2,
  mtParabola = 4,
  mtProportional = 5,
  mtSine = 6,
  mtSineExpDamped = 7,
  mtSineLinDamped = 8,
  mtNone = 9,
};

class TModelFunction {
 public:
  explicit TModelFunction(int type);

  // Number of working parameters of a fitted type: a, b, c for the exponential; b, w, phi
  // for the sine; b, w, phi, k for the damped sines; 0 for any other type.
  static int WorkingCount(int type);
  // Number of parameters handed back to the model (the sines add their offset r first).
  static int ModelCount(int type);

  int Type() const { return Kind; }

  // Takes the working parameters (WorkingCount values) and, for the linearly damped sine,
  // finds where its motion stops.
  void SetParams(const TDoubleDynArray &p);

  // f(t; P) with the stop of the linearly damped sine.
  double Value(double t) const;

  // df/dP_j at t, from the formula without the stop; d gets WorkingCount values.
  void Partials(double t, TDoubleDynArray &d) const;

  // Linearly damped sine only: whether the motion stops, when, and at which value.
  bool Stops() const { return HasStop; }
  double StopTime() const { return StopAt; }
  double StopValue() const { return Frozen; }

 private:
  void FindStop();

  int Kind;
  TDoubleDynArray P;
  bool HasStop = false;
  double StopAt = 0.0;
  double Frozen = 0.0;
};

}  // namespace kolibra::modelling
