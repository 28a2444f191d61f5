#pragma once
// Files of exported results, written the same way by the windows and by kolibra-cli: the
// text form as UTF-8 with CR LF line ends, the workbooks by their extension, each complete
// or not at all.

#include "export/Workbook.h"
#include "kit/Types.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace kolibra::kinematics {
class TGrid;
}

namespace kolibra::exporting {

// The text form as one text, every line followed by CR LF (the clipboard's text).
QString TextFormText(const QStringList &lines);
// The same as UTF-8 bytes (a text file's content).
QByteArray TextFormBytes(const QStringList &lines);

// fileName with its extension replaced by extension (without dot), or extension added.
QString ForceExtension(const QString &fileName, const QString &extension);

// Writes the text form to fileName atomically; false, leaving any old file whole, on failure.
bool WriteTextForm(const QString &fileName, const QStringList &lines);

// The matrix form as comma-separated values (RFC 4180): one header row, each column's symbol
// with its unit in brackets ("x1 [m]"), then one line per row of values, written with "." at
// full precision whatever the user's region; empty cells stay empty, every line ends with
// CR LF, the text is UTF-8. The rotation sentence has no place in such a table.
QByteArray CsvBytes(const TMatriceStr &matrix);
// One field, quoted when it holds a comma, a quote or a line end (its quotes doubled).
QString CsvField(const QString &text);

// Writes the workbook to fileName (".xlsx" or ".ods") so that it is replaced only once
// complete; false with the reason on failure.
bool SaveWorkbook(const QString &fileName, const TWorkbook &workbook, QString &error);

// The export of a table to a file by its extension: ".txt" gets the text form, ".xlsx" and
// ".ods" the matrix form with the information sheet, ".csv" the matrix form's values,
// ".json" and ".ipynb" the data files of DataFiles.h. False with the reason on failure or
// for another extension. An existing file is replaced (the caller asked for it by name).
// Whether ExportToFile writes a file of that name (".txt", ".csv", ".json", ".ipynb",
// ".xlsx", ".ods", any case).
bool IsDatasheetFileName(const QString &fileName);
bool ExportToFile(const QString &fileName, const QStringList &textForm, const TMatriceStr &matrix,
                  const TExportInfo &info, QString &error);

// The datasheet's export to a file, as kolibra-cli calls it once the work is loaded: the
// text form's first line is the running program's path.
bool ExportDatasheetToFile(const kinematics::TGrid &grid, const TExportInfo &info, const QString &fileName,
                           QString &error);

}  // namespace kolibra::exporting
