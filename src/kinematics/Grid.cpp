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

constexpr int ColumnsPerObject = 11;
constexpr int CoordinateKinds[] = {qkX, qkY};
constexpr int VelocityKinds[] = {qkVx, qkVy, qkV};
constexpr int AccelerationKinds[] = {qkAx, qkAy, qkA};
constexpr int PolarKinds[] = {qkAngle, qkRadius, qkOmega};

// Where each group of kinds starts among the quantity columns, for n objects.
int CoordinatesStart() { return 1; }
int VelocityStart(int n) { return 1 + 2 * n; }
int AccelerationStart(int n) { return 1 + 5 * n; }
int PolarStart(int n) { return 1 + 8 * n; }

int ObjectsOfColumnCount(int columns) { return columns > 1 ? (columns - 1) / ColumnsPerObject : 0; }

// Kind and object of quantity column c among 1 + 11 n.
std::pair<int, int> KindAndObject(int c, int n) {
  if (c == 0) return {qkTime, -1};
  if (c < 0 || c >= 1 + ColumnsPerObject * n) return {-1, -1};
  if (c < VelocityStart(n)) {
    const int i = c - CoordinatesStart();
    return {CoordinateKinds[i % 2], i / 2};
  }
  if (c < AccelerationStart(n)) {
    const int i = c - VelocityStart(n);
    return {VelocityKinds[i % 3], i / 3};
  }
  if (c < PolarStart(n)) {
    const int i = c - AccelerationStart(n);
    return {AccelerationKinds[i % 3], i / 3};
  }
  const int i = c - PolarStart(n);
  return {PolarKinds[i % 3], i / 3};
}

int ColumnOf(int kind, int object, int n) {
  if (kind == qkTime) return 0;
  if (object < 0 || object >= n) return -1;
  const auto find = [](const int *kinds, int count, int k) {
    for (int i = 0; i < count; ++i)
      if (kinds[i] == k) return i;
    return -1;
  };
  if (const int i = find(CoordinateKinds, 2, kind); i >= 0) return CoordinatesStart() + 2 * object + i;
  if (const int i = find(VelocityKinds, 3, kind); i >= 0) return VelocityStart(n) + 3 * object + i;
  if (const int i = find(AccelerationKinds, 3, kind); i >= 0) return AccelerationStart(n) + 3 * object + i;
  if (const int i = find(PolarKinds, 3, kind); i >= 0) return PolarStart(n) + 3 * object + i;
  return -1;
}

}  // namespace grid_impl

TGrid::TGrid(const TCalcul &calcul, const measurement::TData &data, const settings::TOptions &options)
    : Calcul(&calcul), Data(&data), Options(&options) {
  Rebuild();
}

int TGrid::ObjectsCount() const { return grid_impl::ObjectsOfColumnCount(int(Columns.size())); }

void TGrid::Rebuild() {
  const int n = std::max(0, Calcul->ObjectsCount());
  const int count = 1 + grid_impl::ColumnsPerObject * n;
  if (int(Columns.size()) == count) return;

  // The same object's column when it existed, else the first object's of the same kind,
  // so that hiding the velocities survives adding an object.
  const int oldN = ObjectsCount();
  std::map<std::pair<int, int>, TColumn> old;
  for (int c = 0; c < int(Columns.size()); ++c) old[grid_impl::KindAndObject(c, oldN)] = Columns[size_t(c)];
  TColumnDynArray columns(static_cast<size_t>(count));
  for (int c = 0; c < count; ++c) {
    const auto [kind, object] = grid_impl::KindAndObject(c, n);
    if (auto same = old.find({kind, object}); same != old.end())
      columns[size_t(c)] = same->second;
    else if (auto first = old.find({kind, 0}); first != old.end())
      columns[size_t(c)] = first->second;
  }
  columns[0].Visible = true;
  Columns = std::move(columns);
}

const TColumn *TGrid::ColumnAt(int column) const {
  return column >= 0 && column < int(Columns.size()) ? &Columns[size_t(column)] : nullptr;
}

int TGrid::ColumnKind(int column) const {
  if (ColumnAt(column) == nullptr) return -1;
  return grid_impl::KindAndObject(column, ObjectsCount()).first;
}

int TGrid::ColumnObject(int column) const {
  if (ColumnAt(column) == nullptr) return -1;
  return grid_impl::KindAndObject(column, ObjectsCount()).second;
}

int TGrid::QuantityColumn(int kind, int object) const {
  const int c = grid_impl::ColumnOf(kind, object, ObjectsCount());
  return ColumnAt(c) != nullptr ? c : -1;
}

QString TGrid::ColumnSymbol(int column) const {
  const int kind = ColumnKind(column);
  QString symbol = QuantitySymbol(kind);
  if (kind != qkTime && ObjectsCount() > 1) symbol += QString::number(ColumnObject(column) + 1);
  return symbol;
}

QString TGrid::ColumnUnit(int column) const { return QuantityUnit(ColumnKind(column)); }

QString TGrid::ColumnName(int column) const {
  const int kind = ColumnKind(column);
  if (kind == qkTime || kind < 0) return QuantityName(kind);
  const measurement::TPolyContainer &collection =
      Calcul->IsLayer() ? static_cast<const measurement::TPolyContainer &>(Data->LayerMarks())
                        : static_cast<const measurement::TPolyContainer &>(Data->FixedMarks());
  return QuantityName(kind) + QLatin1Char(' ') + collection.SystemName(ColumnObject(column));
}

bool TGrid::IsEmptyCell(int column, int sample) const {
  const int kind = ColumnKind(column);
  if (kind < 0 || sample < 0 || sample >= Calcul->SamplesCount()) return true;
  if (kind == qkTime) return false;
  const int object = ColumnObject(column);
  if (!Calcul->HasMark(object, sample)) return true;
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
        std::initializer_list<int>{qkAx, qkAy, qkA}})
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
