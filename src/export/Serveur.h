#pragma once
// TServeur: the export server, one for the program. It delivers a table of results to the
// world outside Kolibra and knows nothing of quantities: its callers (the datasheet of the
// results window and the formulas window) hand it texts, either the text form, line by line
// through ClearLines and AddLine into ExportLines, or the matrix form as an argument
// (kinematics/ExportForms.h describes both).
//
// Where each goes:
// - the clipboard: the text form, UTF-8, every line ended by CR LF;
// - a text file chosen in the save dialog: the same bytes, always with the extension
//   ".txt", written atomically and never over an existing file without the user's yes;
// - the datasheet's file: the same dialog offers the text form (".txt"), the workbooks
//   (".xlsx", ".ods", as below but where the user says) and comma-separated values (".csv");
// - Excel and OpenOffice: a new ".xlsx" or ".ods" workbook in the temporary folder under a
//   name no file has yet, with the sheets "Kolibra" (the matrix form) and "Info", opened
//   with the default program (the OpenOffice one with LibreOffice Calc when installed);
// - Regressi: the text form with an empty date line through the clipboard, then the
//   Regressi program is started (through Wine, since it is a Windows program) and the user
//   is told to paste. Its path lives in the options file only.
//
// It borrows the host (dialogs, recent folder, file names), the desktop and the clipboard.
// Every command reports to the user through message boxes and returns whether it delivered.

#include "export/Workbook.h"
#include "kit/Types.h"

#include <QString>
#include <QStringList>

namespace kolibra::exporting {

class IClipboard;
class IDesktop;
class IExportHost;

// Regressi takes at most this many columns without a warning.
inline constexpr int RegressiMaxVariables = 16;
// The section and key of the options file that hold Regressi's path.
inline constexpr const char *RegressiSection = "ResultsForm";
inline constexpr const char *RegressiKey = "Regressi";

class TServeur {
 public:
  TServeur(IExportHost &host, IDesktop &desktop, IClipboard &clipboard, const QString &optionsFileName,
           const QString &temporaryFolder);

  // --- The text form ----------------------------------------------------------------------

  // Empties ExportLines and reserves room for 1024 lines.
  void ClearLines();
  void AddLine(const QString &text);

  // --- Commands ---------------------------------------------------------------------------

  // The text form on the clipboard; with report, a box tells how to paste. A refused
  // clipboard is reported whatever report says.
  bool CopyToClipboard(bool report);
  // The text form to a ".txt" file the user names.
  bool ExportToTextFile();
  // The datasheet to a file the user names, in the format of its extension (".txt" the text
  // form, ".xlsx" and ".ods" the workbook, ".csv" the values); another extension, or none,
  // becomes ".txt". The matrix form and the information come with the text form in
  // ExportLines.
  bool ExportDatasheet(const TMatriceStr &matrix, const TExportInfo &info);
  // A workbook in the temporary folder, shown by the desktop's program for it or LibreOffice
  // Calc (Calc first for OpenOffice). False when it could not be written; a written workbook
  // no program could show is reported with its path and what to install, and counts as done.
  bool ExportToExcel(const TMatriceStr &matrix, const TExportInfo &info);
  bool ExportToOpenOffice(const TMatriceStr &matrix, const TExportInfo &info);
  // The text form to Regressi; columnCount is the number of exported columns.
  bool LaunchRegressi(int columnCount);

  // --- Regressi's path --------------------------------------------------------------------

  // Writes the path into the options file (section "ResultsForm", key "Regressi").
  bool SaveRegressiPath(const QString &path);
  // The stored path when a file of that path exists and is named "Regressi.exe" (any case);
  // empty otherwise.
  QString LocateRegressi() const;

  QStringList ExportLines;

 private:
  // The text form with the date line empty and, at the user's word, zeros in empty cells.
  void PrepareRegressiLines();
  void ReportRegressiNotFound();
  // The text form to fileName, its extension already ".txt".
  bool WriteTextFile(const QString &fileName);
  // Writes a workbook to a new file of the temporary folder, named in fileName.
  bool WriteWorkbook(const QString &extension, const TMatriceStr &matrix, const TExportInfo &info,
                     QString &fileName);
  bool StartCalc(const QString &fileName);
  void ReportNoProgram(const QString &fileName);

  IExportHost &Host;
  IDesktop &Desktop;
  IClipboard &Clipboard;
  QString OptionsFileName;
  QString TemporaryFolder;
};

}  // namespace kolibra::exporting
