#include "kinematics/Grid.h"

#include "kinematics/Calcul.h"
#include "kit/Locale.h"
#include "kit/MathUtils.h"
#include "measurement/Data.h"
#include "settings/Options.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <map>
#include <utility>

namespace kolibra::kinematics {

namespace grid_impl {

// The groups of kinds, in the datasheet's order; within a group, object by object.
constexpr int Groups[][3] = {
    {qkX, qkY, -1},     {qkVx, qkVy, qkV},   {qkAx, qkAy, qkA},
    {qkAngle, qkRadius, qkOmega}, {qkPx, qkPy, qkP}, {qkEk, qkEp, qkEm},
};

// Whether object (a real object or a pseudo-object of calcul) has a column of kind.
bool HasColumn(const TCalcul &calcul, int kind, int object) {
  const bool polar = kind == qkAngle || kind == qkRadius || kind == qkOmega;
  if (object == calcul.Totals()) return IsDynamicKind(kind);
  if (object == calcul.CentreOfMass()) return !polar;
  return !IsDynamicKind(kind) || calcul.HasMass(object);
}

}  // namespace grid_impl

TGrid::TGrid(const TCalcul &calcul, const measurement::TData &data, const settings::TOptions &options)
    : Calcul(&calcul), Data(&data), Options(&options) {
  Rebuild();
}

void TGrid::Rebuild() {
  std::vector<std::pair<int, int>> layout{{qkTime, -1}};
  const int rows = std::max(0, Calcul->RowsCount());
  for (const auto &group : grid_impl::Groups)
    for (int object = 0; object < rows; ++object)
      for (int kind : group)
        if (kind >= 0 && grid_impl::HasColumn(*Calcul, kind, object)) layout.emplace_back(kind, object);
  const int objects = std::max(0, Calcul->ObjectsCount());
  if (layout == Layout && objects == LayoutObjects && Columns.size() == Layout.size()) return;

  // The same object's column when it existed, else the first object's of the same kind,
  // so that hiding the velocities survives adding an object.
  std::map<std::pair<int, int>, TColumn> old;
  for (size_t c = 0; c < Columns.size() && c < Layout.size(); ++c) old[Layout[c]] = Columns[c];
  TColumnDynArray columns(layout.size());
  for (size_t c = 0; c < layout.size(); ++c) {
    if (auto same = old.find(layout[c]); same != old.end())
      columns[c] = same->second;
    else if (auto first = old.find({layout[c].first, 0}); first != old.end())
      columns[c] = first->second;
  }
  columns[0].Visible = true;
  Columns = std::move(columns);
  Layout = std::move(layout);
  LayoutObjects = objects;
  CentreObject = Calcul->CentreOfMass();
  TotalsObject = Calcul->Totals();
}

const TColumn *TGrid::ColumnAt(int column) const {
  return column >= 0 && column < int(Columns.size()) ? &Columns[size_t(column)] : nullptr;
}

int TGrid::ColumnKind(int column) const {
  if (ColumnAt(column) == nullptr || size_t(column) >= Layout.size()) return -1;
  return Layout[size_t(column)].first;
}

int TGrid::ColumnObject(int column) const {
  if (ColumnAt(column) == nullptr || size_t(column) >= Layout.size()) return -1;
  return Layout[size_t(column)].second;
}

int TGrid::QuantityColumn(int kind, int object) const {
  if (kind == qkTime) return Layout.empty() ? -1 : 0;
  for (size_t c = 0; c < Layout.size() && c < Columns.size(); ++c)
    if (Layout[c] == std::pair<int, int>(kind, object)) return int(c);
  return -1;
}

QString TGrid::ObjectSuffix(int object) const {
  return ObjectSymbolSuffix(object, LayoutObjects, CentreObject, TotalsObject);
}

QString TGrid::ColumnSymbol(int column) const {
  const int kind = ColumnKind(column);
  QString symbol = QuantitySymbol(kind);
  if (kind != qkTime) symbol += ObjectSuffix(ColumnObject(column));
  return symbol;
}

QString TGrid::ColumnUnit(int column) const { return QuantityUnit(ColumnKind(column)); }

QString TGrid::ColumnObjectName(int column) const {
  const int kind = ColumnKind(column);
  if (kind == qkTime || kind < 0) return QString();
  const int object = ColumnObject(column);
  if (object == CentreObject) return CentreOfMassName();
  if (object == TotalsObject) return TotalsName();
  const measurement::TPolyContainer &collection =
      Calcul->IsLayer() ? static_cast<const measurement::TPolyContainer &>(Data->LayerMarks())
                        : static_cast<const measurement::TPolyContainer &>(Data->FixedMarks());
  return collection.SystemName(object);
}

QString TGrid::ColumnName(int column) const {
  const int kind = ColumnKind(column);
  if (kind == qkTime || kind < 0) return QuantityName(kind);
  return QuantityName(kind) + QLatin1Char(' ') + ColumnObjectName(column);
}

bool TGrid::IsEmptyCell(int column, int sample) const {
  const int kind = ColumnKind(column);
  if (kind < 0 || sample < 0 || sample >= Calcul->SamplesCount()) return true;
  if (kind == qkTime) return false;
  const int object = ColumnObject(column);
  if (!Calcul->IsDefined(rfAxes, object, kind, sample)) return true;
  switch (DerivativeOrder(kind)) {
    case 1:
      return Options->CheckBox30HideEdgeV_Checked && Calcul->IsEdge(object, sample, 1);
    case 2:
      return Options->CheckBox31HideEdgeA_Checked && Calcul->IsEdge(object, sample, 2);
    default:
      return false;
  }
}

QString TGrid::DataCell(int column, int sample, bool formatted) const {
  if (IsEmptyCell(column, sample)) return QString();
  const int kind = ColumnKind(column);
  const double value =
      kind == qkTime ? Calcul->Time(sample) : Calcul->Value(rfAxes, ColumnObject(column), kind, sample);
  return formatted ? ColumnCellText(value, ColumnScale(column), Columns[size_t(column)].Precision)
                   : RealToText(value);
}

double TGrid::ColumnScale(int column) const {
  const int kind = ColumnKind(column);
  if (kind < 0) return 0.0;
  const int object = ColumnObject(column);
  TIntegerDynArray columns{column};
  for (const auto &group :
       {std::initializer_list<int>{qkX, qkY}, std::initializer_list<int>{qkVx, qkVy, qkV},
        std::initializer_list<int>{qkAx, qkAy, qkA}, std::initializer_list<int>{qkPx, qkPy, qkP}})
    if (std::find(group.begin(), group.end(), kind) != group.end()) {
      columns.clear();
      for (int k : group) columns.push_back(QuantityColumn(k, object));
    }
  double scale = 0.0;
  for (int c : columns)
    for (int m = 0; m < Calcul->SamplesCount(); ++m) {
      if (c < 0 || IsEmptyCell(c, m)) continue;
      const int k = ColumnKind(c);
      const double value = k == qkTime ? Calcul->Time(m) : Calcul->Value(rfAxes, object, k, m);
      if (std::isfinite(value)) scale = std::max(scale, std::fabs(value));
    }
  return scale;
}

QString ColumnCellText(double value, double scale, int precision) {
  if (!std::isfinite(value)) return FormatReal(precision, value);
  precision = std::clamp(precision, 0, GridMaxPrecision);
  double size = std::fabs(value);
  // Rounding noise is a zero; a zero is written in its column's notation ("0.000" among
  // three-decimal values), or "0" in a column of zeros or of scientific values.
  if (size < 1e-9 * scale) value = size = 0.0;
  const bool fixed = scale >= 0.01 && scale <= 10000.0;
  if (size == 0.0 && !fixed) return QStringLiteral("0");
  QString text;
  if (fixed) {
    // The decimals of the column's largest value, for every row.
    const int decimals = precision + (scale <= 10.0     ? 3
                                      : scale <= 100.0  ? 2
                                      : scale <= 1000.0 ? 1
                                                        : 0);
    text = FixedNotation(value, precision + 4, decimals);
  } else {
    text = ScientificNotation(value, precision + 3, precision + 1 <= 4 ? precision + 1 : 0);
  }
  text.replace(QLatin1Char('.'), DecimalSeparator());
  return text;
}

TIntegerDynArray TGrid::VisibleColumns() const {
  TIntegerDynArray visible;
  for (int c = 0; c < int(Columns.size()); ++c)
    if (Columns[size_t(c)].Visible) visible.push_back(c);
  return visible;
}

int TGrid::ColCount() const { return std::max(1, int(VisibleColumns().size())) + GridFixedCols; }

int TGrid::RowCount() const { return Calcul->SamplesCount() + GridFixedRows; }

int TGrid::QuantityColumnOf(int col) const {
  if (col < GridFixedCols) return -1;
  const TIntegerDynArray visible = VisibleColumns();
  const int index = col - GridFixedCols;
  return index < int(visible.size()) ? visible[size_t(index)] : -1;
}

QString TGrid::Cell(int col, int row) const {
  if (col < 0 || row < 0 || col >= ColCount() || row >= RowCount()) return QString();
  if (col == 0) return row >= GridFixedRows ? QString::number(Calcul->PointNumber(row - GridFixedRows)) : QString();
  const int column = QuantityColumnOf(col);
  if (column < 0) return QString();
  switch (row) {
    case 0:
      return QString();
    case 1:
      return ColumnSymbol(column);
    case 2:
      return ColumnUnit(column);
    case 3:
      return ColumnName(column);
    default:
      return DataCell(column, row - GridFixedRows, true);
  }
}

TColor TGrid::CellColor(int col) const {
  const int column = QuantityColumnOf(col);
  return column < 0 ? colors::clWhite : ColumnColor(column);
}

void TGrid::DecreasePrecision(int col) {
  const int column = QuantityColumnOf(col);
  if (column >= 0) Columns[size_t(column)].Precision = std::max(0, Columns[size_t(column)].Precision - 1);
}

void TGrid::IncreasePrecision(int col) {
  const int column = QuantityColumnOf(col);
  if (column >= 0)
    Columns[size_t(column)].Precision = std::min(GridMaxPrecision, Columns[size_t(column)].Precision + 1);
}

void TGrid::ResetPrecisions() {
  for (TColumn &column : Columns) column.Precision = 0;
}

void TGrid::SetKindsVisible(TQuantitySet kinds, bool visible) {
  for (int c = 1; c < int(Columns.size()); ++c)
    if (kinds & QuantityBit(ColumnKind(c))) Columns[size_t(c)].Visible = visible;
}

void TGrid::SetColumnVisible(int column, bool visible) {
  if (column > 0 && column < int(Columns.size())) Columns[size_t(column)].Visible = visible;
}

}  // namespace kolibra::kinematics
