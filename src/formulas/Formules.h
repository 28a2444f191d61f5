#pragma once
// TFormules: the user's formulas and constants, computed over the rows of the results.
//
// It owns two lists of TRec in the order of entry and one TParser whose variable handler,
// FindVariable, resolves every name: constants first (a constant with an index matches one
// row), then the rotation angle B, the time t and the preset result quantities (x, y, vx ...
// w with their object numbers, each only while the options show it), then the formulas by
// name. While constants are computed (ConstantsOnly) only constants are visible, so a
// constant never depends on a formula.
//
// Calculation runs in dependency order: a record is computed after every record it reads.
// A formula reading its own earlier rows (v[i+1] = f(v[i])) is an iteration, not a cycle;
// records that read each other in a circle have no value at all, rather than the stale
// values of an arbitrary order, and the circle is reported to the user (CycleError).
//
// A row whose value cannot be computed (a missing mark, an index beyond the rows, a
// division by zero on that row) is simply empty: not-a-number never turns into 0.
//
// Validate is the gate of every record the windows create or change: it returns 0 or the
// code of the first failing rule and shows that rule's message; the caller then removes the
// new record or restores the previous definition.

#include "formulas/FormulaResults.h"
#include "formulas/Parser.h"
#include "formulas/RecUtils.h"
#include "kit/Types.h"

#include <QString>
#include <functional>
#include <memory>
#include <vector>

namespace kolibra {
class TIniFile;
}
namespace kolibra::settings {
class TOptions;
}

namespace kolibra::formulas {

// The codes of Validate and Calculate.
enum TFormulesError : int {
  feOk = 0,
  feHiddenName = 1,  // the name of a collapsed formula column
  feBadName = 2,
  feNameInUse = 3,
  feSamePhrase = 4,
  feParser = 5,  // the parser's own message
  feBadIndex = 6,
  feNoRecord = 7,
  feBadValue = 8,
  fePresetName = 9,
  feValueRange = 10,
  feIndexTooBig = 11,
  feCycle = 12,  // the record reads itself through other records
};

// The message of a code, "%1" replaced by arg; code 5 has no text of its own (the parser's
// message is shown instead) and code 8 has two lines.
QStringList FormulesErrorLines(int code, const QString &arg);

using TRecList = std::vector<std::unique_ptr<TRec>>;

class TFormules {
 public:
  explicit TFormules(IFormulaResults *results = nullptr);
  TFormules(const TFormules &) = delete;
  TFormules &operator=(const TFormules &) = delete;

  void SetResults(IFormulaResults *results) { Results = results; }
  IFormulaResults *ResultsSource() const { return Results; }

  // --- Records ------------------------------------------------------------------------------

  // A new formula, shown, appended to the list. Empty comment and unit read "no comment" and
  // "no unit".
  TRec *AddFormula(const QString &definition, const QString &comment, const QString &unit);
  // A new constant: its value text is read with either decimal separator; a text that is not
  // a number becomes "#Number!".
  TRec *AddConstant(const QString &ident, const QString &phrase, const QString &unit,
                    const QString &valueText);
  // Sets a constant's value text as AddConstant does.
  static void SetConstantValueText(TRec &rec, const QString &valueText);
  void DeleteFormula(int index);
  void DeleteConstant(int index);
  // Removes a record of either list (a new record refused by Validate).
  void Remove(const TRec *rec);

  const TRecList &Formulas() const { return FormulaList; }
  const TRecList &Constants() const { return ConstantList; }
  TRec *Formula(int index) const;
  TRec *Constant(int index) const;
  int IndexOfFormula(const TRec *rec) const;
  int IndexOfConstant(const TRec *rec) const;

  // --- Checking and computing ---------------------------------------------------------------

  // 0, or the code of the first failing rule (its message shown in a warning box).
  int Validate(TRec *rec);
  // Evaluates one record: 0, 5 (every row failed; the parser's message in LastErrorMessage),
  // 8 (a constant whose value text is not a number), 11 (the index reaches beyond the rows).
  int Calculate(TRec *rec);
  void CalculateConstants();
  void CalculateFormulas();
  // The message of the last code 5 of Calculate.
  const QString &LastErrorMessage() const { return ParserMessage; }

  // Records that read themselves through others, named in a message; empty when none. Set by
  // CalculateConstants and CalculateFormulas, which also show it once when it appears.
  QString CycleError() const;

  // The parser's variable handler.
  void FindVariable(const QString &name, int index, bool isAbsolute, bool hasIndex, double &value,
                    bool &found, bool &known);

  // --- Options ------------------------------------------------------------------------------

  // Angle unit of the formulas (and of O and B); recalculates constants, then formulas.
  void SetRadian(bool radian);
  bool Radian() const { return Parser.Radian(); }
  void SetShowVelocity(bool show);
  void SetShowAcceleration(bool show);
  void SetShowPolar(bool show);
  bool ShowVelocity() const { return ShowVelocityFlag; }
  bool ShowAcceleration() const { return ShowAccelerationFlag; }
  bool ShowPolar() const { return ShowPolarFlag; }
  // User row numbers start at 0 instead of 1 (the base b of absolute indices).
  void SetStartAtZero(bool startAtZero) { RowBaseValue = startAtZero ? 0 : 1; }
  int RowBase() const { return RowBaseValue; }
  // The angle unit, the three shown groups of quantities and the row numbering.
  void ApplyOptions(const settings::TOptions &options);
  // Asked when a shown group of quantities changes: the results must be computed again.
  std::function<void()> OnResultsChanged;

  // True when name is a preset quantity under the current options and objects (t included,
  // B not): the names a record may not take.
  bool IsPresetName(const QString &name) const;

  // --- Reading the results ------------------------------------------------------------------

  int FormulaCount() const { return int(FormulaList.size()); }
  // Indexes of the formulas that take part in the results window and graphs.
  std::vector<int> ShownFormulas() const;
  int ShownCount() const { return int(ShownFormulas().size()); }
  QString FormulaName(int i) const;
  QString FormulaIdent(int i) const;
  QString FormulaComment(int i) const;
  QString FormulaUnit(int i) const;
  QString FormulaDefinition(int i) const;
  bool UsesVelocity(int i) const;
  bool UsesAcceleration(int i) const;
  bool AbscissaUsesVelocity() const;
  bool AbscissaUsesAcceleration() const;
  // -1 for time; set only to a non-empty formula, else -1.
  int AbscissaIndex() const { return Abscissa; }
  void SetAbscissaIndex(int index);
  // The abscissa of a row (the time, or the abscissa formula's value); false when it has none.
  bool AbscissaValue(int row, double &value) const;
  // (abscissa, value) where both exist, in row order.
  TPointDDynArray FormulaPoints(int i) const;
  // Extremes of abscissa and value over the shown formulas, from 1e100 and -1e100.
  TRectD FormulaBounds() const;

  // --- Work file ----------------------------------------------------------------------------

  // Sections "Formules" and "Record" of a work file.
  void SaveToWorkFile(TIniFile &ini) const;
  // Reads what SaveToWorkFile wrote (replacing both lists), then computes everything.
  void LoadFromWorkFile(const TIniFile &ini);

  int CurrentPoint = 0;
  bool ConstantsOnly = false;
  TParser Parser;

 private:
  enum class TSource { None, Constant, Scalar, Preset, Formula };
  struct TLookup {
    TSource Source = TSource::None;
    const TRec *Rec = nullptr;
    bool Found = false;
    bool Known = false;
    double Value = 0.0;
  };
  TLookup Lookup(const QString &name, int index, bool isAbsolute, bool hasIndex) const;
  const TRec *MatchConstant(const QString &name, int index, bool isAbsolute, bool hasIndex) const;
  // Kind and 0-based object of a preset quantity present now; false for other names, and for
  // a ready momentum or energy whose name one of the user's formulas or constants holds.
  bool MatchPreset(const QString &name, int &kind, int &object) const;
  bool PresetKindShown(int kind) const;
  int RowsCount() const;
  int ObjectsCount() const;

  int CalculateFormula(TRec &rec);
  int CalculateConstant(TRec &rec);
  void UpdateUsage(TRec &rec);

  // The order of one list: the records to compute, dependencies first, and those on a cycle.
  struct TOrder {
    std::vector<int> Sequence;
    std::vector<int> Cycle;
  };
  TOrder DependencyOrder(const TRecList &list, bool constants);
  void CalculateList(const TRecList &list, bool constants);
  void ReportCycles();
  void CheckAbscissa();

  IFormulaResults *Results = nullptr;
  TRecList FormulaList;
  TRecList ConstantList;
  bool ShowVelocityFlag = true;
  bool ShowAccelerationFlag = true;
  bool ShowPolarFlag = true;
  int RowBaseValue = 1;
  int Abscissa = -1;
  QString ParserMessage;

  // While a constant is computed it cannot read itself (its own previous value would make
  // k = k + 1 grow at every recalculation).
  const TRec *EvaluatedConstant = nullptr;
  // While the dependencies are collected, every record a lookup reaches.
  std::vector<const TRec *> *Reached = nullptr;

  QStringList ConstantCycle;
  QStringList FormulaCycle;
  QString ReportedCycle;
};

}  // namespace kolibra::formulas
