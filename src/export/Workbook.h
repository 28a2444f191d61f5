#pragma once
// The spreadsheets Kolibra writes, independent of their file format: a workbook of named
// sheets, each a table of cells that are empty, a text or a number. Both writers (".xlsx"
// and ".ods") take the same sheets, so the two files hold the same cells.
//
// The results go to the sheet "Kolibra" by the cell rule of the matrix form: rows 0 to 3
// are texts (never converted, so a unit such as "m/s²" or a symbol "x1" stays a text); from
// row 4 on a cell is a number, or empty when its text is empty, "#Number!", not a number at
// all, or a number no spreadsheet can hold (not-a-number, infinite). A second sheet "Info"
// says where the numbers came from.

#include "kit/Types.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <vector>

namespace kolibra::measurement {
class TData;
class IViewPort;
}  // namespace kolibra::measurement

namespace kolibra::exporting {

struct TWorkbookCell {
  enum TKind { ckEmpty, ckText, ckNumber };
  TKind Kind = ckEmpty;
  QString Text;         // a text cell's text; a number cell's text as the user reads it
  double Value = 0.0;   // a number cell's value, always finite

  static TWorkbookCell MakeText(const QString &text);
  static TWorkbookCell MakeNumber(double value, const QString &text);
};

using TWorkbookRow = std::vector<TWorkbookCell>;

struct TWorkbookSheet {
  QString Name;
  std::vector<TWorkbookRow> Rows;
  // The widest row's cell count.
  int ColumnCount() const;
};

using TWorkbook = std::vector<TWorkbookSheet>;

// The rows of the matrix form that hold texts.
inline constexpr int WorkbookTextRows = 4;

// The cell rule for the cell of a matrix at a row.
TWorkbookCell MatrixCell(const QString &text, int row);

// Where the numbers of an export came from.
struct TExportInfo {
  QString VideoFileName;
  double FrameInterval = 0.0;  // seconds
  // Metres per video pixel in x and y; not greater than 0 when the scale is not set.
  double ScaleX = 0.0;
  double ScaleY = 0.0;
  double AxisAngle = 0.0;  // radians, 0 in layer measurement
  QDateTime Date;
  // What the data files (".json", ".ipynb") tell beside the table: the measured objects with
  // their masses in kilograms (0 without one), and the object of each exported column (empty
  // for the time, or when the table's columns belong to no object).
  struct TObject {
    QString Name;
    double Mass = 0.0;
  };
  std::vector<TObject> Objects;
  QStringList ColumnObjects;
};

// The information of the document's active measurement.
TExportInfo ExportInfoOf(const measurement::TData &data, const measurement::IViewPort &view,
                         const QString &videoFileName, const QDateTime &now = QDateTime::currentDateTime());

// The sheet "Kolibra" of a matrix form.
TWorkbookSheet ResultsSheet(const TMatriceStr &matrix);
// The sheet "Info": one line per fact, a label, a value and its unit.
TWorkbookSheet InfoSheet(const TExportInfo &info);
// Both sheets.
TWorkbook ResultsWorkbook(const TMatriceStr &matrix, const TExportInfo &info);

}  // namespace kolibra::exporting
