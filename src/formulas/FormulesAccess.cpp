// What the results window, the graphs and the export read of the formulas.

#include "formulas/Formules.h"

namespace kolibra::formulas {

std::vector<int> TFormules::ShownFormulas() const {
  std::vector<int> shown;
  for (int i = 0; i < FormulaCount(); ++i)
    if (FormulaList[size_t(i)]->Curve.Shown()) shown.push_back(i);
  return shown;
}

QString TFormules::FormulaName(int i) const {
  const TRec *rec = Formula(i);
  return rec ? rec->Name : QString();
}

QString TFormules::FormulaIdent(int i) const {
  const TRec *rec = Formula(i);
  return rec ? rec->Ident : QString();
}

QString TFormules::FormulaComment(int i) const {
  const TRec *rec = Formula(i);
  return rec ? rec->Comment : QString();
}

QString TFormules::FormulaUnit(int i) const {
  const TRec *rec = Formula(i);
  return rec ? rec->Unit : QString();
}

QString TFormules::FormulaDefinition(int i) const {
  const TRec *rec = Formula(i);
  return rec ? rec->Definition() : QString();
}

bool TFormules::UsesVelocity(int i) const {
  const TRec *rec = Formula(i);
  return rec && rec->Curve.UsesVelocity;
}

bool TFormules::UsesAcceleration(int i) const {
  const TRec *rec = Formula(i);
  return rec && rec->Curve.UsesAcceleration;
}

bool TFormules::AbscissaUsesVelocity() const { return UsesVelocity(Abscissa); }
bool TFormules::AbscissaUsesAcceleration() const { return UsesAcceleration(Abscissa); }

void TFormules::SetAbscissaIndex(int index) {
  const TRec *rec = Formula(index);
  Abscissa = rec && !rec->Curve.Empty() ? index : -1;
}

bool TFormules::AbscissaValue(int row, double &value) const {
  if (const TRec *abscissa = Formula(Abscissa)) {
    if (!abscissa->Curve.HasValue(row)) return false;
    value = abscissa->Curve.Values[size_t(row)];
    return true;
  }
  return Results && row >= 0 && row < RowsCount() && Results->Value(0, 0, row, value);
}

TPointDDynArray TFormules::FormulaPoints(int i) const {
  TPointDDynArray points;
  const TRec *rec = Formula(i);
  if (!rec) return points;
  for (int row = 0; row < rec->Curve.RowsCount(); ++row) {
    double x = 0.0;
    if (rec->Curve.HasValue(row) && AbscissaValue(row, x))
      points.emplace_back(x, rec->Curve.Values[size_t(row)]);
  }
  return points;
}

TRectD TFormules::FormulaBounds() const {
  TRectD bounds{1e100, -1e100, 1e100, -1e100};
  for (int i : ShownFormulas())
    for (const TPointD &p : FormulaPoints(i)) {
      bounds.XMin = std::min(bounds.XMin, p.X);
      bounds.XMax = std::max(bounds.XMax, p.X);
      bounds.YMin = std::min(bounds.YMin, p.Y);
      bounds.YMax = std::max(bounds.YMax, p.Y);
    }
  return bounds;
}

}  // namespace kolibra::formulas
