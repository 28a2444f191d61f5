#pragma once
// The rules of the formulas window's two grids, free of widgets.
//
// GridExF (TFormulesGrid): column 0 numbers the rows, column 1 is the abscissa of the formula
// graphs (the time, or the formula chosen as abscissa), then one column per formula and a
// last one, headed "Type a formula", that creates a new formula. Row 0 is the header, rows 1
// to 3 the definition, comment and unit, then one row per results row.
//
// GridExC (TConstantsGrid): "Name", "Value or formula", "Unit", one row per constant and an
// empty last row that creates one.
//
// Every change goes through TFormules::Validate: a refused new record is removed and a
// refused change is undone, so the lists never keep what the user was told is wrong.

#include "formulas/Formules.h"
#include "kinematics/ExportForms.h"

#include <QDateTime>

#include <QString>
#include <QStringList>

namespace kolibra::formulas {

// Texts of the window.
struct TBoiteFormulesTexts {
  static QString NewColumnHeader();
  static QString HeaderHint();
  static QString DefinitionHint();
  // The help beside each grid.
  static QStringList FormulasHelp();
  static QStringList ConstantsHelp();
};

class TFormulesGrid {
 public:
  static constexpr int HeaderRows = 4;
  static constexpr int FirstFormulaColumn = 2;
  static constexpr int CollapsedWidth = 15;
  static constexpr int EdgeWidth = 12;

  explicit TFormulesGrid(TFormules &formules) : Formules(formules) {}

  int ColCount() const { return FirstFormulaColumn + Formules.FormulaCount() + 1; }
  int RowCount() const;
  int FormulaOf(int col) const { return col - FirstFormulaColumn; }
  bool IsFormulaColumn(int col) const {
    return FormulaOf(col) >= 0 && FormulaOf(col) < Formules.FormulaCount();
  }
  bool IsNewColumn(int col) const { return col == ColCount() - 1; }
  // Width of a column given its full width: collapsed formula columns are 15 pixels wide.
  int ColumnWidth(int col, int fullWidth) const;

  QString Cell(int col, int row) const;
  // The hint of a cell: the header's and the definition rows' (empty elsewhere).
  QString Hint(int col, int row) const;
  // An empty formula or an error state to show: the circle of formulas, when there is one.
  QString ErrorState() const { return Formules.CycleError(); }

  // A click in the header at x pixels from the column's left edge: digits down within 12
  // pixels of the left edge, up within 12 pixels of the right edge, elsewhere a formula column
  // collapses or opens; the right button deletes the formula. True when something changed.
  bool HeaderClick(int col, int x, int width, bool rightButton);

  // A click in rows 1 to 3 of a formula column or of the new column opens the keyboard.
  struct TKeyboardRequest {
    bool Open = false;
    bool FormulaTab = true;  // else the comments and units tab
    QString Definition;
    QString Comment;
    QString Unit;
  };
  TKeyboardRequest KeyboardRequest(int col, int row) const;
  // The keyboard validated a definition for a column: replaces, deletes or adds the formula
  // as the rules say, then recalculates. The formula that column now shows, or nullptr.
  TRec *ApplyDefinition(int col, const QString &definition);
  // The keyboard closed: its comment and unit go into the record (nullptr: none).
  static void ApplyCommentAndUnit(TRec *rec, const QString &comment, const QString &unit);

  // Every column open again, every precision back to 0.
  void RestoreTable();
  // Tab-separated lines of the whole grid, for the clipboard.
  QStringList TableText() const;

  // The export forms of the table, as the datasheet builds them: the abscissa column and
  // every formula column (the new column holds nothing); symbols from the headers, units
  // and names from the unit and comment rows; values at full precision, empty where a row
  // has none. FillText returns the number of exported columns.
  kinematics::TExportTable ExportTable() const;
  int FillText(QStringList &lines, const QString &firstLine,
               const QDateTime &now = QDateTime::currentDateTime()) const;
  TMatriceStr Matrix() const;

  int AbscissaDigits = 0;

 private:
  int Digits(int col) const;
  QString ValueCell(int col, int row) const;

  TFormules &Formules;
};

class TConstantsGrid {
 public:
  explicit TConstantsGrid(TFormules &formules) : Formules(formules) {}

  int ColCount() const { return 3; }
  int RowCount() const { return int(Formules.Constants().size()) + 2; }
  bool IsNewRow(int row) const { return row == RowCount() - 1; }

  QString Cell(int col, int row) const;
  // The cells as the grid is refilled: a value cell marked ShowPhrase shows its expression
  // this once.
  std::vector<QStringList> Refill();
  // What the editor of a cell starts with: the expression of a computed constant.
  QString EditText(int col, int row);
  // An edited cell is left: the rules of names, values and units, then a recalculation.
  void Commit(int col, int row, const QString &text);
  // A typed character: "~" ignored everywhere (a null QChar), "." and "," the decimal
  // separator and "/" the division sign outside the unit column.
  static QChar TypedChar(int col, QChar typed);

 private:
  TRec *ConstantAt(int row) const { return Formules.Constant(row - 1); }
  void Recalculate();

  TFormules &Formules;
  // What the empty row holds until it gets a name.
  QString PendingValue;
  QString PendingUnit;
};

}  // namespace kolibra::formulas
