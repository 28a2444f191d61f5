// The engine's records, its name lookup and the evaluation of one record.

#include "formulas/Formules.h"

#include "kit/MathUtils.h"
#include "settings/Options.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

namespace kolibra::formulas {

namespace formules_core {

constexpr double NotANumber = std::numeric_limits<double>::quiet_NaN();
constexpr double DegreesPerRadian = 180.0 / std::numbers::pi;

// A current row so far from every real one that no relative index reaches a row or a
// constant: constants are computed, and dependencies collected, with it.
constexpr int NoRow = -1073741823;

struct TPresetBase {
  const char *Name;
  int Kind;  // the calculator's QuantityKind
};

// In the order the lookup tries them.
constexpr TPresetBase PresetBases[] = {
    {"x", 1},  {"y", 2}, {"vx", 3}, {"vy", 4}, {"v", 5},  {"ax", 6},
    {"ay", 7}, {"a", 8}, {"O", 11}, {"R", 12}, {"w", 13},
    {"px", 14}, {"py", 15}, {"p", 16}, {"Ek", 17}, {"Ep", 18}, {"Em", 19},
};

bool SameName(const QString &a, const QString &b) {
  return QString::compare(a, b, Qt::CaseInsensitive) == 0;
}

}  // namespace formules_core

using formules_core::SameName;

TFormules::TFormules(IFormulaResults *results) : Results(results) {
  FormulaList.reserve(128);
  ConstantList.reserve(128);
  Parser.OnVariable = [this](const QString &name, int index, bool isAbsolute, bool hasIndex,
                             double &value, bool &found, bool &known) {
    FindVariable(name, index, isAbsolute, hasIndex, value, found, known);
  };
}

// ---------------------------------------------------------------------------------------------
// Records
// ---------------------------------------------------------------------------------------------

TRec *TFormules::AddFormula(const QString &definition, const QString &comment,
                            const QString &unit) {
  auto rec = std::make_unique<TRec>(rkFormula);
  rec->SetDefinition(definition);
  rec->Comment = comment.trimmed().isEmpty() ? NoCommentText() : comment;
  rec->Unit = unit.trimmed().isEmpty() ? NoUnitText() : unit;
  rec->Curve.SetShown(true);
  FormulaList.push_back(std::move(rec));
  return FormulaList.back().get();
}

TRec *TFormules::AddConstant(const QString &ident, const QString &phrase, const QString &unit,
                             const QString &valueText) {
  auto rec = std::make_unique<TRec>(rkConstant);
  rec->SetLeftSide(ident);
  rec->Phrase = RemoveBlanks(phrase);
  rec->Unit = unit.trimmed().isEmpty() ? NoUnitText() : unit;
  SetConstantValueText(*rec, valueText);
  ConstantList.push_back(std::move(rec));
  return ConstantList.back().get();
}

void TFormules::SetConstantValueText(TRec &rec, const QString &valueText) {
  const QString text = LocalizeDecimal(RemoveBlanks(valueText));
  double value = 0.0;
  switch (ConvertValueText(text, value)) {
    case TValueConversion::Number:
    case TValueConversion::OutOfRange:  // kept as typed: Validate names the range fault
      rec.ValueText = text;
      rec.Value = value;
      break;
    case TValueConversion::NotANumber:
      rec.ValueText = QString::fromLatin1(NotANumberText);
      rec.Value = formules_core::NotANumber;
      break;
  }
}

void TFormules::DeleteFormula(int index) {
  if (index < 0 || index >= FormulaCount()) return;
  FormulaList.erase(FormulaList.begin() + index);
  if (Abscissa == index)
    Abscissa = -1;
  else if (Abscissa > index)
    --Abscissa;
}

void TFormules::DeleteConstant(int index) {
  if (index < 0 || index >= int(ConstantList.size())) return;
  ConstantList.erase(ConstantList.begin() + index);
}

void TFormules::Remove(const TRec *rec) {
  if (const int f = IndexOfFormula(rec); f >= 0) DeleteFormula(f);
  if (const int c = IndexOfConstant(rec); c >= 0) DeleteConstant(c);
}

TRec *TFormules::Formula(int index) const {
  return index >= 0 && index < FormulaCount() ? FormulaList[size_t(index)].get() : nullptr;
}

TRec *TFormules::Constant(int index) const {
  return index >= 0 && index < int(ConstantList.size()) ? ConstantList[size_t(index)].get()
                                                        : nullptr;
}

int TFormules::IndexOfFormula(const TRec *rec) const {
  for (size_t i = 0; i < FormulaList.size(); ++i)
    if (FormulaList[i].get() == rec) return int(i);
  return -1;
}

int TFormules::IndexOfConstant(const TRec *rec) const {
  for (size_t i = 0; i < ConstantList.size(); ++i)
    if (ConstantList[i].get() == rec) return int(i);
  return -1;
}

// ---------------------------------------------------------------------------------------------
// Names
// ---------------------------------------------------------------------------------------------

int TFormules::RowsCount() const { return Results ? std::max(Results->RowsCount(), 0) : 0; }
int TFormules::ObjectsCount() const { return Results ? std::max(Results->ObjectsCount(), 0) : 0; }

bool TFormules::PresetKindShown(int kind) const {
  if (kind >= 3 && kind <= 5) return ShowVelocityFlag;
  if (kind >= 6 && kind <= 8) return ShowAccelerationFlag;
  if (kind >= 11 && kind <= 13) return ShowPolarFlag;
  // Momentum and energies but Ep rest on the velocity.
  if (kind >= 14) return kind == 18 || ShowVelocityFlag;
  return true;
}

bool TFormules::MatchPreset(const QString &name, int &kind, int &object) const {
  // The ready momentum and energies came after many teachers had typed their own "Ep" or "p":
  // a formula or constant of the user's keeps its name, and hides the ready quantity.
  bool ownName = false;
  for (const auto *list : {&FormulaList, &ConstantList})
    for (const auto &rec : *list)
      if (!rec->Name.isEmpty() && SameName(rec->Name, name)) ownName = true;
  for (const formules_core::TPresetBase &base : formules_core::PresetBases) {
    if (!PresetKindShown(base.Kind)) continue;
    if (base.Kind >= 14 && ownName) continue;
    const QString baseName = QString::fromLatin1(base.Name);
    if (!name.startsWith(baseName, Qt::CaseInsensitive)) continue;
    const QString suffix = name.mid(baseName.size());
    if (suffix.isEmpty()) {
      kind = base.Kind;
      object = 0;
      return true;
    }
    // The pseudo-objects: base + "G" for the centre of mass, base + "tot" for the totals.
    const int centre = Results ? Results->CentreOfMass() : -1;
    const int totals = Results ? Results->Totals() : -1;
    if (centre >= 0 && SameName(suffix, QStringLiteral("G"))) {
      kind = base.Kind;
      object = centre;
      return true;
    }
    if (totals >= 0 && base.Kind >= 14 && SameName(suffix, QStringLiteral("tot"))) {
      kind = base.Kind;
      object = totals;
      return true;
    }
    // Object k is named base + k, as written by QString::number: no sign, no leading zero.
    bool ok = false;
    const int k = suffix.toInt(&ok);
    if (ok && k >= 1 && k <= ObjectsCount() && suffix == QString::number(k)) {
      kind = base.Kind;
      object = k - 1;
      return true;
    }
  }
  return false;
}

bool TFormules::IsPresetName(const QString &name) const {
  int kind = 0;
  int object = 0;
  return SameName(name, QStringLiteral("t")) || MatchPreset(name, kind, object);
}

const TRec *TFormules::MatchConstant(const QString &name, int index, bool isAbsolute,
                                     bool hasIndex) const {
  for (const auto &rec : ConstantList) {
    if (rec.get() == EvaluatedConstant || rec->Name.isEmpty() || !SameName(rec->Name, name))
      continue;
    if (!rec->HasBracket) {
      if (!hasIndex) return rec.get();
      continue;
    }
    if (!hasIndex) continue;
    const qint64 row = isAbsolute ? qint64(index) : qint64(CurrentPoint) + RowBaseValue + index;
    if (row == rec->Index) return rec.get();
  }
  return nullptr;
}

TFormules::TLookup TFormules::Lookup(const QString &name, int index, bool isAbsolute,
                                     bool hasIndex) const {
  TLookup result;
  if (const TRec *constant = MatchConstant(name, index, isAbsolute, hasIndex)) {
    result = {TSource::Constant, constant, true, true, constant->Value};
    if (Reached) Reached->push_back(constant);
    return result;
  }
  if (ConstantsOnly) return result;

  if (SameName(name, QStringLiteral("B"))) {
    const double angle = Results ? Results->AxesAngle() : 0.0;
    return {TSource::Scalar, nullptr, true, true,
            Parser.Radian() ? angle : angle * formules_core::DegreesPerRadian};
  }

  const qint64 row64 = isAbsolute ? qint64(index) - RowBaseValue : qint64(CurrentPoint) + index;
  const int row = row64 < 0 || row64 > std::numeric_limits<int>::max() ? -1 : int(row64);
  int kind = 0;
  int object = 0;
  if (SameName(name, QStringLiteral("t")) || MatchPreset(name, kind, object)) {
    result.Source = TSource::Preset;
    result.Found = true;
    double value = 0.0;
    if (Results && row >= 0 && row < RowsCount() && Results->Value(kind, object, row, value) &&
        !std::isnan(value)) {
      if (kind == 11 && !Parser.Radian()) value *= formules_core::DegreesPerRadian;
      result.Known = true;
      result.Value = value;
    }
    return result;
  }

  for (const auto &rec : FormulaList) {
    if (rec->Name.isEmpty() || !SameName(rec->Name, name)) continue;
    result.Source = TSource::Formula;
    result.Rec = rec.get();
    result.Found = true;
    if (rec->Curve.HasValue(row)) {
      result.Known = true;
      result.Value = rec->Curve.Values[size_t(row)];
    }
    if (Reached) Reached->push_back(rec.get());
    return result;
  }
  return result;
}

void TFormules::FindVariable(const QString &name, int index, bool isAbsolute, bool hasIndex,
                             double &value, bool &found, bool &known) {
  const TLookup lookup = Lookup(name, index, isAbsolute, hasIndex);
  value = lookup.Value;
  found = lookup.Found;
  known = lookup.Known;
}

// ---------------------------------------------------------------------------------------------
// One record
// ---------------------------------------------------------------------------------------------

int TFormules::Calculate(TRec *rec) {
  if (!rec) return feNoRecord;
  return rec->Kind == rkConstant ? CalculateConstant(*rec) : CalculateFormula(*rec);
}

int TFormules::CalculateFormula(TRec &rec) {
  if (Results) Results->Refresh();
  const int rows = RowsCount();
  Parser.SetFormula(rec.Phrase);
  rec.Curve.Reset(rows);
  int result = feOk;
  bool evaluated = false;
  bool lastFailed = false;
  for (int r = 0; r < rows; ++r) {
    if (rows - 1 < rec.Index) {
      result = feIndexTooBig;
      break;
    }
    CurrentPoint = r - rec.Index;
    // The row before the first computed one: the initial value, a constant such as v[1].
    if (!rec.Name.isEmpty()) {
      if (const TRec *initial = MatchConstant(rec.Name, r + RowBaseValue, true, true)) {
        if (!std::isnan(initial->Value)) rec.Curve.SetValue(r, initial->Value);
        continue;
      }
    }
    Parser.Evaluate();
    evaluated = true;
    lastFailed = Parser.ErrorCode() != peNone;
    if (!lastFailed && !std::isnan(Parser.Value())) rec.Curve.SetValue(r, Parser.Value());
  }
  if (rows == 0) {
    // No rows yet (nothing measured): the text itself can still be wrong, and saying nothing
    // would pass a broken formula as a good one.
    CurrentPoint = formules_core::NoRow;
    Parser.Evaluate();
    if (Parser.ParseFailed() || Parser.BuildFailed()) {
      ParserMessage = Parser.ErrorMessage();
      result = feParser;
    }
    rec.Dependencies = Parser.Variables();
    rec.Curve.SetEmpty(true);
    return result;
  }
  if (evaluated) rec.Dependencies = Parser.Variables();

  if (rec.Curve.FirstRow >= 0) {
    rec.Curve.SetEmpty(false);
    UpdateUsage(rec);
    return result;
  }
  rec.Curve.SetEmpty(true);
  rec.Curve.UsesVelocity = false;
  rec.Curve.UsesAcceleration = false;
  if (result == feOk && lastFailed) {
    ParserMessage = Parser.ErrorMessage();
    result = feParser;
  }
  return result;
}

void TFormules::UpdateUsage(TRec &rec) {
  bool velocity = false;
  bool acceleration = false;
  for (const QString &name : rec.Dependencies) {
    int kind = 0;
    int object = 0;
    if (MatchPreset(name, kind, object)) {
      velocity = velocity || (kind >= 3 && kind <= 5) || (kind >= 14 && kind != 18);
      acceleration = acceleration || (kind >= 6 && kind <= 8);
      continue;
    }
    for (const auto &other : FormulaList) {
      if (other.get() == &rec || other->Name.isEmpty() || !SameName(other->Name, name)) continue;
      velocity = velocity || other->Curve.UsesVelocity;
      acceleration = acceleration || other->Curve.UsesAcceleration;
      break;
    }
  }
  rec.Curve.UsesVelocity = velocity;
  rec.Curve.UsesAcceleration = acceleration;
}

int TFormules::CalculateConstant(TRec &rec) {
  if (rec.Phrase.isEmpty())
    return rec.ValueText == QLatin1String(NotANumberText) ? feBadValue : feOk;

  Parser.SetFormula(rec.Phrase);
  CurrentPoint = formules_core::NoRow;
  ConstantsOnly = true;
  EvaluatedConstant = &rec;
  Parser.Evaluate();
  EvaluatedConstant = nullptr;
  ConstantsOnly = false;
  rec.Dependencies = Parser.Variables();
  if (Parser.ErrorCode() != peNone || std::isnan(Parser.Value())) {
    rec.ValueText = QString::fromLatin1(NotANumberText);
    rec.Value = formules_core::NotANumber;
    if (Parser.ErrorCode() == peNone) return feOk;  // it reads a constant without a value
    ParserMessage = Parser.ErrorMessage();
    return feParser;
  }
  rec.Value = Parser.Value();
  rec.ValueText = FormatReal(0, rec.Value);
  return feOk;
}

// ---------------------------------------------------------------------------------------------
// Options
// ---------------------------------------------------------------------------------------------

void TFormules::SetRadian(bool radian) {
  Parser.SetRadian(radian);
  CalculateConstants();
  CalculateFormulas();
}

void TFormules::SetShowVelocity(bool show) {
  if (show == ShowVelocityFlag) return;
  ShowVelocityFlag = show;
  if (OnResultsChanged) OnResultsChanged();
}

void TFormules::SetShowAcceleration(bool show) {
  if (show == ShowAccelerationFlag) return;
  ShowAccelerationFlag = show;
  if (OnResultsChanged) OnResultsChanged();
}

void TFormules::SetShowPolar(bool show) {
  if (show == ShowPolarFlag) return;
  ShowPolarFlag = show;
  if (OnResultsChanged) OnResultsChanged();
}

void TFormules::ApplyOptions(const settings::TOptions &options) {
  SetStartAtZero(options.CheckBox36StartByZero_Checked);
  SetShowVelocity(options.CheckBox9Speed_Checked);
  SetShowAcceleration(options.CheckBox8Acceleration_Checked);
  SetShowPolar(options.CheckBox53PolarQuantities_Checked);
  SetRadian(options.CheckBox32AngleRadian_Checked);
}

}  // namespace kolibra::formulas
