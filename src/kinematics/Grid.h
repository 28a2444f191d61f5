#pragma once
// TGrid: the datasheet of one measurement mode, a table of quantities by samples read from
// that mode's calculator. The results window shows it cell by cell; the export takes its
// text form (lines of tab-separated cells) or its matrix form (a cell per column).
//
// Quantity columns: 1 + 11 N for N objects without mass, in the order t; x1, y1, x2, y2 ...;
// vx1, vy1, v1, vx2 ...; ax1, ay1, a1, ...; O1, R1, w1, .... Objects with a mass add, in two
// more groups, px, py, p and Ek, Ep, Em; the centre of mass (suffix "G") has every column
// but the polar ones, each in its group after the objects, and the totals (suffix "tot")
// the momentum and energy columns. Each column has a visibility and a precision offset
// (given to FormatReal); the time column is always visible. Rebuild lays the columns out
// for the calculator's objects and masses; the settings of a kind survive a change of the
// number of objects.
//
// Grid geometry: column 0 holds the point numbers, row 0 is the results window's control
// row, rows 1 to 3 hold the symbol, unit and name of each visible quantity column, and row
// 4 + m holds sample m. Values are those of the axes frame; a cell is empty where the object
// has no mark, and at the edges of its samples when the options hide edge velocities
// (one sample each side) or accelerations (two).

#include "kinematics/ExportForms.h"
#include "kinematics/Quantities.h"
#include "kit/Color.h"
#include "kit/Types.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <utility>
#include <vector>

namespace kolibra::measurement {
class TData;
}

namespace kolibra::settings {
class TOptions;
}

namespace kolibra::kinematics {

class TCalcul;

struct TColumn {
  bool Visible = true;
  int Precision = 0;  // offset given to FormatReal, 0 to 8
};
using TColumnDynArray = std::vector<TColumn>;

inline constexpr int GridFixedCols = 1;
inline constexpr int GridFixedRows = 4;
inline constexpr int GridMaxPrecision = 8;

class TGrid {
 public:
  TGrid(const TCalcul &calcul, const measurement::TData &data, const settings::TOptions &options);

  // One quantity column per kind and object of the calculator's last computation.
  void Rebuild();

  // --- Quantity columns -------------------------------------------------------------------

  int QuantityColumnCount() const { return int(Columns.size()); }
  // Kind and object of a quantity column (object -1 for the time; kind -1 out of range).
  int ColumnKind(int column) const;
  int ColumnObject(int column) const;
  // The column of a kind and object; -1 when there is none.
  int QuantityColumn(int kind, int object) const;
  // The kind's symbol followed by the object's suffix (ObjectSymbolSuffix); its unit; its name
  // followed by " " and the object's name.
  QString ColumnSymbol(int column) const;
  QString ColumnUnit(int column) const;
  QString ColumnName(int column) const;
  // The name of the column's object ("centre of mass" and "total" for the pseudo-objects);
  // empty for the time.
  QString ColumnObjectName(int column) const;
  TColor ColumnColor(int column) const { return QuantityColor(ColumnKind(column)); }
  // A value of the column at a sample: as the screen shows it when formatted (ColumnCellText
  // against the column's scale, with its precision), else the full-precision text of files;
  // empty where the cell is empty.
  QString DataCell(int column, int sample, bool formatted) const;
  // The magnitude a column's values are read against: the largest of its non-empty cells,
  // and for a component of a vector (x, y; vx, vy, v; ax, ay, a) the largest among the
  // vector's columns, since a component of a vector is noise when it is tiny next to the
  // vector itself. 0 when every cell is empty or zero.
  double ColumnScale(int column) const;
  bool IsEmptyCell(int column, int sample) const;

  // The visible quantity columns in order, time first.
  TIntegerDynArray VisibleColumns() const;

  // --- Grid -------------------------------------------------------------------------------

  int ColCount() const;
  int RowCount() const;
  int FixedCols() const { return GridFixedCols; }
  int FixedRows() const { return GridFixedRows; }
  // The text of a cell as the results window shows it; empty out of range.
  QString Cell(int col, int row) const;
  // Background of the data cells of a grid column (white for column 0).
  TColor CellColor(int col) const;
  // The quantity column shown in a grid column (>= 1); -1 when none.
  int QuantityColumnOf(int col) const;

  // --- Commands -----------------------------------------------------------------------------

  // Precision of the quantity shown in a grid column: one digit less (not below 0), one
  // more (not above 8); and every column back to 0.
  void DecreasePrecision(int col);
  void IncreasePrecision(int col);
  void ResetPrecisions();
  // Shows or hides every column of the kinds in the set, or one quantity column; the time
  // column stays visible.
  void SetKindsVisible(TQuantitySet kinds, bool visible);
  void SetColumnVisible(int column, bool visible);

  // --- Export -------------------------------------------------------------------------------

  // The text form: firstLine (the program's path), the date and time, the rotation
  // sentence, the symbols, units and names, then one line per sample; cells separated by
  // tabs. Returns the number of exported columns.
  int FillText(QStringList &lines, const QString &firstLine,
               const QDateTime &now = QDateTime::currentDateTime()) const;
  // The matrix form: one row per grid row from row 0, one cell per visible column.
  TMatriceStr Matrix() const;
  // What both forms are made of: the visible columns' texts and values.
  TExportTable ExportTable() const;
  // The x axis angle the export writes: the fixed axes', 0 in layer measurement.
  double ExportedAxisAngle() const;

  TColumnDynArray Columns;

 private:
  const TColumn *ColumnAt(int column) const;
  QString ObjectSuffix(int object) const;

  // (kind, object) of each column, as the last Rebuild laid them out.
  std::vector<std::pair<int, int>> Layout;
  int LayoutObjects = 0;
  int CentreObject = -1;
  int TotalsObject = -1;

  const TCalcul *Calcul;
  const measurement::TData *Data;
  const settings::TOptions *Options;
};

// A value as a datasheet column shows it, read against the column's scale (its largest
// magnitude): below 1e-9 of the scale it is rounding noise and reads "0"; otherwise the
// whole column keeps one notation, fixed when the scale is within 0.01 ... 10000 (with the
// decimals FormatReal gives the scale, so every row has as many), scientific elsewhere.
// Precision is FormatReal's offset. The exports never go through this: they keep every digit.
QString ColumnCellText(double value, double scale, int precision);

// "Grid rotation in the trigonometric direction %s %s %s" with its three blanks filled.
QString RotationSentence(const QString &first, const QString &second, const QString &third);
// A date and time as the export writes them: digits only, ddmmyyyy and hhmmss.
QString ExportDateTimeText(const QDateTime &when);

}  // namespace kolibra::kinematics
