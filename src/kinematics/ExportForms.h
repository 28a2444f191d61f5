#pragma once
// The two forms in which a table of results leaves Kolibra, built alike for the datasheet
// and for the formulas window's table: the text form (lines of tab-separated cells, as the
// clipboard, text files and Regressi take it) and the matrix form (a cell per column, as
// the spreadsheets take it).
//
// Text form: line 0 the caller's first line (the program's path), 1 the date and time,
// 2 the rotation sentence with the x axis angle, 3 to 5 the symbols, units and names, then
// one line per row. Matrix form: row 0 the rotation sentence and the angle (only when there
// are at least two columns, so the sentence has a cell beside it), rows 1 to 3 the symbols,
// units and names, then one row per row. The spreadsheet writers rely on that split: rows
// 0 to 3 hold texts, later rows numbers.

#include "kit/Types.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <vector>

namespace kolibra::kinematics {

struct TExportTable {
  double AxisAngle = 0.0;  // radians, written by the general real-to-text conversion
  QStringList Symbols;
  QStringList Units;
  QStringList Names;
  // One entry per row, one cell per column: the value at full precision, empty where none.
  std::vector<QStringList> Rows;

  int ColumnCount() const { return int(Symbols.size()); }
};

// The rows of the matrix form above the values.
inline constexpr int ExportHeaderRows = 4;
// The lines of the text form above the values.
inline constexpr int ExportTextHeaderLines = 6;

QStringList ExportTextForm(const TExportTable &table, const QString &firstLine, const QDateTime &now);
TMatriceStr ExportMatrixForm(const TExportTable &table);

}  // namespace kolibra::kinematics
