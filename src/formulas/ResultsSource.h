#pragma once
// The formulas' view of the kinematics results: the active calculator behind TResCalc, rows
// being its samples. A sample where an object has no mark has no value, and neither have the
// derived quantities of an object whose derivation failed (the calculator leaves zeros
// there, which a formula must not take for measurements).

#include "formulas/FormulaResults.h"

namespace kolibra::kinematics {
class TResCalc;
}
namespace kolibra::settings {
class TOptions;
}

namespace kolibra::formulas {

class TResultsSource : public IFormulaResults {
 public:
  // Smoothing of the derivatives starts as the options say (the results window's commands
  // change it through SmoothingFlags).
  TResultsSource(kinematics::TResCalc &calc, const settings::TOptions &options);

  // Recomputes positions and derivatives when the document made them stale.
  void Refresh() override;
  int RowsCount() const override;
  int ObjectsCount() const override;
  bool Value(int kind, int object, int row, double &value) const override;
  int CentreOfMass() const override;
  int Totals() const override;
  double AxesAngle() const override;

  int SmoothingFlags = 0;  // kinematics::TSmoothingFlags

 private:
  bool DerivedValueExists(int object) const;

  kinematics::TResCalc &Calc;
};

}  // namespace kolibra::formulas
