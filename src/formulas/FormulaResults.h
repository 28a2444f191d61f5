#pragma once
// What the formulas read of the kinematics results: the rows, and for each row the preset
// quantities of every object. The calculator facades stand behind it in the program
// (TResultsSource); tests use a table of their own.

namespace kolibra::formulas {

class IFormulaResults {
 public:
  virtual ~IFormulaResults() = default;

  // Brings the results up to date when the measurement changed since they were computed.
  virtual void Refresh() {}
  // Results rows (samples): the rows every formula is computed over.
  virtual int RowsCount() const = 0;
  // Objects marked per frame.
  virtual int ObjectsCount() const = 0;
  // The value of a quantity (the calculator's QuantityKind: 0 time, 1 x ... 13 w, 14 px ... 19 Em) of an object
  // (0-based) at a row, in the frame of the axes. False when the row has no value for that
  // object (no mark there), which the formulas show as an empty cell. Time has a value at
  // every row whatever the object.
  virtual bool Value(int kind, int object, int row, double &value) const = 0;
  // The pseudo-objects' indexes for Value (the centre of mass, suffix "G", and the totals,
  // suffix "tot"); -1 when there are none.
  virtual int CentreOfMass() const { return -1; }
  virtual int Totals() const { return -1; }
  // The rotation angle of the fixed axes in radians, 0 when the axes are carried by a layer.
  virtual double AxesAngle() const = 0;
};

}  // namespace kolibra::formulas
