#include "formulas/ResultsSource.h"

#include "kinematics/ResultFacades.h"
#include "settings/Options.h"

namespace kolibra::formulas {

TResultsSource::TResultsSource(kinematics::TResCalc &calc, const settings::TOptions &options)
    : Calc(calc) {
  SmoothingFlags = (options.CheckBox54SmoothSpeed_Checked ? kinematics::sfVelocity : 0) |
                   (options.CheckBox7SmoothAcceleration_Checked ? kinematics::sfAcceleration : 0);
}

void TResultsSource::Refresh() {
  if (Calc.IsStale(kinematics::rsActive))
    Calc.ComputeDerivatives(kinematics::rsActive, SmoothingFlags);
}

int TResultsSource::RowsCount() const { return Calc.SamplesCount(); }

int TResultsSource::ObjectsCount() const { return Calc.ObjectsCount(); }

bool TResultsSource::DerivedValueExists(int object) const {
  // A failed derivation stops at the object it failed on: that one and the following have
  // no derivatives.
  const kinematics::TCalcul &active = Calc.Active();
  if (active.LastResult() == kinematics::krOk) return true;
  // The pseudo-objects rest on every object.
  return active.FailedObject() >= 0 && object < active.FailedObject() && object < active.ObjectsCount();
}

int TResultsSource::CentreOfMass() const { return Calc.Active().CentreOfMass(); }

int TResultsSource::Totals() const { return Calc.Active().Totals(); }

bool TResultsSource::Value(int kind, int object, int row, double &value) const {
  if (row < 0 || row >= RowsCount()) return false;
  if (kind == kinematics::qkTime) {
    value = Calc.Time(row);
    return true;
  }
  if (!Calc.Active().IsDefined(kinematics::rfAxes, object, kind, row)) return false;
  if (kind >= kinematics::qkVx && kind != kinematics::qkEp && !DerivedValueExists(object)) return false;
  value = Calc.Value(kinematics::rfAxes, object, kind, row);
  return true;
}

double TResultsSource::AxesAngle() const {
  const kinematics::TCalcul &active = Calc.Active();
  return active.IsLayer() ? 0.0 : active.AxisAngle();
}

}  // namespace kolibra::formulas
