#pragma once
// The three facades through which the rest of the program reaches the results: TResCalc
// (the calculators), TResGrid (the datasheets) and TResMem (the results window's memory).
// Each holds one instance for fixed-axes measurement and one for layer measurement and
// forwards a plain call to the instance of the document's current mode, so a reader never
// asks which mode is on. Calls that act on a choice of instances take a selector.
//
// The main window creates the three once; TResCalc is also what the measurement document
// tells about changes (SetResultsInvalidation), which is how a calculator learns it is stale.

#include "kinematics/Calcul.h"
#include "kinematics/Grid.h"
#include "kinematics/Memory.h"
#include "measurement/ResultsInvalidation.h"

#include <functional>
#include <vector>

namespace kolibra::kinematics {

// 0 both instances, 1 the current mode's, 2 the layer's, 3 the fixed axes'.
enum TResultSelector : int { rsBoth = 0, rsActive = 1, rsLayer = 2, rsFixed = 3 };

class TResCalc : public measurement::IResultsInvalidation {
 public:
  TResCalc(const measurement::TData &data, const settings::TOptions &options);

  // Handed to both calculators (see TCalcul::SetVideoOpenQuery).
  void SetVideoOpenQuery(const std::function<bool()> &query);

  TCalcul &Active();
  const TCalcul &Active() const;
  TCalcul &LayerCalcul() { return Layer; }
  const TCalcul &LayerCalcul() const { return Layer; }
  TCalcul &FixedCalcul() { return Fixed; }
  const TCalcul &FixedCalcul() const { return Fixed; }

  // The document's word: the fixed axes', the layer's or both calculators are stale.
  void Invalidate(measurement::TCalculatorSet which) override;
  void Invalidate(int selector);
  // For selector 0: either is stale.
  bool IsStale(int selector) const;
  // Positions of the selected calculators (the layer's first); the first failure, or krOk.
  int Compute(int selector);
  // Derivatives of the selected calculators, both run for selector 0; true only when every
  // one succeeded. LastResult and FailedObject then tell the first failure.
  bool ComputeDerivatives(int selector, int flags);
  int LastResult() const { return Result; }
  int FailedObject() const { return FailedObjectIndex; }

  // --- The active calculator --------------------------------------------------------------

  TPointD ScaleFactors() const { return Active().ScaleFactors(); }
  int ObjectsCount() const { return Active().ObjectsCount(); }
  int SamplesCount() const { return Active().SamplesCount(); }
  double Time(int sample) const { return Active().Time(sample); }
  double Value(int frame, int object, int kind, int sample) const {
    return Active().Value(frame, object, kind, sample);
  }
  int FrameIndex(int object, int sample) const { return Active().FrameIndex(object, sample); }
  bool HasMark(int object, int sample) const { return Active().HasMark(object, sample); }
  bool IsEdge(int object, int sample, int edgeCount) const { return Active().IsEdge(object, sample, edgeCount); }
  int PointNumber(int sample) const { return Active().PointNumber(sample); }
  const TDoubleDynArray &Times() const { return Active().Times(); }
  const TIntegerDynArray &PointNumbers() const { return Active().PointNumbers(); }
  TIntegerDynArray FrameIndexRow(int object) const { return Active().FrameIndexRow(object); }
  TMatriceD Matrix(int frame, int kind) const { return Active().Matrix(frame, kind); }
  double MaxValue(int frame, int kind, int object) const { return Active().MaxValue(frame, kind, object); }
  double MinValue(int frame, int kind, int object) const { return Active().MinValue(frame, kind, object); }
  double MaxValue(int frame, int kind) const { return Active().MaxValue(frame, kind); }
  double MinValue(int frame, int kind) const { return Active().MinValue(frame, kind); }
  void CurvePoints(int frame, int object, int xKind, int yKind, TPointDDynArray &points,
                   TIntegerDynArray &numbers) const {
    Active().CurvePoints(frame, object, xKind, yKind, points, numbers);
  }
  void RelativeTrajectory(int reference, int object, TPointDDynArray &points, TIntegerDynArray &numbers) const {
    Active().RelativeTrajectory(reference, object, points, numbers);
  }

 private:
  std::vector<TCalcul *> Selected(int selector);
  std::vector<const TCalcul *> Selected(int selector) const;

  const measurement::TData *Data;
  TCalcul Fixed;
  TCalcul Layer;
  int Result = krOk;
  int FailedObjectIndex = -1;
};

class TResGrid {
 public:
  TResGrid(const TResCalc &calc, const measurement::TData &data, const settings::TOptions &options);

  TGrid &Active();
  const TGrid &Active() const;
  TGrid &LayerGrid() { return Layer; }
  TGrid &FixedGrid() { return Fixed; }

  // Columns of the selected grids sized to their calculators.
  void Rebuild(int selector);

  // --- The active grid ---------------------------------------------------------------------

  int ColCount() const { return Active().ColCount(); }
  int RowCount() const { return Active().RowCount(); }
  int FixedCols() const { return Active().FixedCols(); }
  int FixedRows() const { return Active().FixedRows(); }
  QString Cell(int col, int row) const { return Active().Cell(col, row); }
  TColor CellColor(int col) const { return Active().CellColor(col); }
  int QuantityColumnOf(int col) const { return Active().QuantityColumnOf(col); }
  void DecreasePrecision(int col) { Active().DecreasePrecision(col); }
  void IncreasePrecision(int col) { Active().IncreasePrecision(col); }
  void ResetPrecisions() { Active().ResetPrecisions(); }
  void SetKindsVisible(TQuantitySet kinds, bool visible) { Active().SetKindsVisible(kinds, visible); }
  void SetColumnVisible(int column, bool visible) { Active().SetColumnVisible(column, visible); }
  int FillText(QStringList &lines, const QString &firstLine,
               const QDateTime &now = QDateTime::currentDateTime()) const {
    return Active().FillText(lines, firstLine, now);
  }
  TMatriceStr Matrix() const { return Active().Matrix(); }

 private:
  const measurement::TData *Data;
  TGrid Fixed;
  TGrid Layer;
};

class TResMem {
 public:
  TResMem(const measurement::TData &data, const settings::TOptions &options);

  TMemory &Active();
  const TMemory &Active() const;
  TMemory &LayerMemory() { return Layer; }
  TMemory &FixedMemory() { return Fixed; }

  void Reset(int selector);
  void ApplyOptions(int selector);

 private:
  std::vector<TMemory *> Selected(int selector);

  const measurement::TData *Data;
  const settings::TOptions *Options;
  TMemory Fixed;
  TMemory Layer;
};

}  // namespace kolibra::kinematics
