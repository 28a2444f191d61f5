// The export forms of a table of results (ExportForms.h) and TGrid's use of them. Both
// write values at full precision with the user's decimal separator and leave a cell empty
// where the datasheet shows nothing, so a spreadsheet or Regressi never reads a hidden edge
// value or an absent mark as a measured 0.

#include "kinematics/Calcul.h"
#include "kinematics/ExportForms.h"
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

TExportTable TGrid::ExportTable() const {
  const TIntegerDynArray visible = VisibleColumns();
  TExportTable table;
  table.AxisAngle = ExportedAxisAngle();
  for (int column : visible) {
    table.Symbols << ColumnSymbol(column);
    table.Units << ColumnUnit(column);
    table.Names << ColumnName(column);
  }
  for (int m = 0; m < Calcul->SamplesCount(); ++m) {
    QStringList cells;
    for (int column : visible) cells << DataCell(column, m, false);
    table.Rows.push_back(cells);
  }
  return table;
}

int TGrid::FillText(QStringList &lines, const QString &firstLine, const QDateTime &now) const {
  const TExportTable table = ExportTable();
  lines = ExportTextForm(table, firstLine, now);
  return table.ColumnCount();
}

TMatriceStr TGrid::Matrix() const { return ExportMatrixForm(ExportTable()); }

QStringList ExportTextForm(const TExportTable &table, const QString &firstLine, const QDateTime &now) {
  using namespace grid_export_impl;
  QStringList lines;
  lines.reserve(ExportTextHeaderLines + int(table.Rows.size()));
  lines << firstLine;
  lines << ExportDateTimeText(now);
  lines << RotationSentence(QStringLiteral(":"), RealToText(table.AxisAngle),
                            QCoreApplication::translate("Grid", "rad"));
  lines << table.Symbols.join(CellSeparator) << table.Units.join(CellSeparator)
        << table.Names.join(CellSeparator);
  for (const QStringList &row : table.Rows) lines << row.join(CellSeparator);
  return lines;
}

TMatriceStr ExportMatrixForm(const TExportTable &table) {
  using namespace grid_export_impl;
  const size_t width = size_t(table.ColumnCount());
  TMatriceStr matrix(size_t(ExportHeaderRows) + table.Rows.size(), TStringDynArray(width, QString()));
  // The spreadsheets read rows 0 to 3 as texts: the sentence needs two cells to sit in.
  if (width >= 2) {
    matrix[SentenceRow][0] = RotationSentence(QStringLiteral("(rad)"), QStringLiteral(":"), QString());
    matrix[SentenceRow][1] = RealToText(table.AxisAngle);
  }
  for (size_t i = 0; i < width; ++i) {
    matrix[SymbolRow][i] = table.Symbols.value(int(i));
    matrix[UnitRow][i] = table.Units.value(int(i));
    matrix[NameRow][i] = table.Names.value(int(i));
  }
  for (size_t m = 0; m < table.Rows.size(); ++m)
    for (size_t i = 0; i < width; ++i) matrix[size_t(ExportHeaderRows) + m][i] = table.Rows[m].value(int(i));
  return matrix;
}

}  // namespace kolibra::kinematics
