// TGrid's two export forms. Both write values at full precision with the user's decimal
// separator and leave a cell empty where the datasheet shows nothing, so a spreadsheet or
// Regressi never reads a hidden edge value or an absent mark as a measured 0.

#include "kinematics/Calcul.h"
#include "kinematics/Grid.h"
#include "kit/Locale.h"

#include <QCoreApplication>

namespace kolibra::kinematics {

namespace grid_export_impl {

constexpr QChar CellSeparator = QLatin1Char('\t');
constexpr int SentenceRow = 0;
constexpr int SymbolRow = 1;
constexpr int UnitRow = 2;
constexpr int NameRow = 3;

}  // namespace grid_export_impl

QString RotationSentence(const QString &first, const QString &second, const QString &third) {
  const QString pattern =
      QCoreApplication::translate("Grid", "Grid rotation in the trigonometric direction %s %s %s");
  // Filled from left to right; a blank inside an argument is not filled again.
  const QString args[] = {first, second, third};
  QString out;
  int from = 0;
  for (const QString &arg : args) {
    const int at = pattern.indexOf(QLatin1String("%s"), from);
    if (at < 0) break;
    out += pattern.mid(from, at - from) + arg;
    from = at + 2;
  }
  return out + pattern.mid(from);
}

QString ExportDateTimeText(const QDateTime &when) {
  return when.toString(QStringLiteral("ddMMyyyy hhmmss"));
}

double TGrid::ExportedAxisAngle() const { return Calcul->IsLayer() ? 0.0 : Calcul->AxisAngle(); }

int TGrid::FillText(QStringList &lines, const QString &firstLine, const QDateTime &now) const {
  using namespace grid_export_impl;
  const TIntegerDynArray visible = VisibleColumns();
  lines.clear();
  lines << firstLine;
  lines << ExportDateTimeText(now);
  lines << RotationSentence(QStringLiteral(":"), RealToText(ExportedAxisAngle()),
                            QCoreApplication::translate("Grid", "rad"));
  QStringList symbols, units, names;
  for (int column : visible) {
    symbols << ColumnSymbol(column);
    units << ColumnUnit(column);
    names << ColumnName(column);
  }
  lines << symbols.join(CellSeparator) << units.join(CellSeparator) << names.join(CellSeparator);
  for (int m = 0; m < Calcul->SamplesCount(); ++m) {
    QStringList cells;
    for (int column : visible) cells << DataCell(column, m, false);
    lines << cells.join(CellSeparator);
  }
  return int(visible.size());
}

TMatriceStr TGrid::Matrix() const {
  using namespace grid_export_impl;
  const TIntegerDynArray visible = VisibleColumns();
  const size_t width = visible.size();
  TMatriceStr matrix(size_t(RowCount()), TStringDynArray(width, QString()));
  // The spreadsheets read rows 0 to 3 as texts: the sentence needs two cells to sit in.
  if (width >= 2) {
    matrix[SentenceRow][0] = RotationSentence(QStringLiteral("(rad)"), QStringLiteral(":"), QString());
    matrix[SentenceRow][1] = RealToText(ExportedAxisAngle());
  }
  for (size_t i = 0; i < width; ++i) {
    const int column = visible[i];
    matrix[SymbolRow][i] = ColumnSymbol(column);
    matrix[UnitRow][i] = ColumnUnit(column);
    matrix[NameRow][i] = ColumnName(column);
    for (int m = 0; m < Calcul->SamplesCount(); ++m)
      matrix[size_t(GridFixedRows + m)][i] = DataCell(column, m, false);
  }
  return matrix;
}

}  // namespace kolibra::kinematics
