// TServeur's transfers to the spreadsheets: a new workbook in the temporary folder, opened
// with the program that shows it. The workbook is complete before anything opens it, and a
// failed one leaves no file behind. A written workbook that no program could show is not a
// failure: the user is told where it is and what to install.

#include "export/Desktop.h"
#include "export/ExportHost.h"
#include "export/ExportTexts.h"
#include "export/Serveur.h"
#include "export/WorkbookWriters.h"
#include "kit/MessageBox.h"

#include <QDir>

namespace kolibra::exporting {

namespace serveur_spreadsheets {

void ShowFailure(const QString &line, const QString &fileName) {
  TMessageBox box(icWarning);
  box.AddButton(texts::Ok());
  if (!line.isEmpty()) box.AddLine(line);
  if (!fileName.isEmpty()) box.AddEmptyLine().AddFileName(QDir::toNativeSeparators(fileName));
  box.Execute();
}

// The OpenOffice failure of a workbook that could not be written.
constexpr int OoConnection = 1;

}  // namespace serveur_spreadsheets

bool TServeur::WriteWorkbook(const QString &extension, const TMatriceStr &matrix, const TExportInfo &info,
                             QString &fileName) {
  fileName = Host.ProposeFileName(TemporaryFolder, extension);
  const TWorkbookWriter writer = WorkbookWriterFor(QStringLiteral(".") + extension);
  QString error;
  return !fileName.isEmpty() && writer != nullptr && writer(fileName, ResultsWorkbook(matrix, info), error);
}

bool TServeur::ExportToExcel(const TMatriceStr &matrix, const TExportInfo &info) {
  using namespace serveur_spreadsheets;
  QString fileName;
  if (!WriteWorkbook(QStringLiteral("xlsx"), matrix, info, fileName)) {
    ShowFailure(texts::ExcelFailed(), fileName);
    return false;
  }
  // The desktop's program for workbooks, else LibreOffice Calc.
  if (!Desktop.OpenDocument(fileName) && !StartCalc(fileName)) ReportNoProgram(fileName);
  return true;
}

bool TServeur::StartCalc(const QString &fileName) {
  const TProgramCall calc = CalcCall(Desktop, fileName);
  return !calc.Program.isEmpty() && Desktop.StartProgram(calc.Program, calc.Arguments);
}

void TServeur::ReportNoProgram(const QString &fileName) {
  // The workbook is complete: the export worked, only showing it did not.
  TMessageBox box(icInformation);
  box.AddLine(texts::WorkbookWritten())
      .AddFileName(QDir::toNativeSeparators(fileName))
      .AddEmptyLine()
      .AddLine(texts::NoSpreadsheetProgram())
      .AddButton(texts::Ok());
  box.Execute();
}

bool TServeur::ExportToOpenOffice(const TMatriceStr &matrix, const TExportInfo &info) {
  using namespace serveur_spreadsheets;
  QString fileName;
  if (!WriteWorkbook(QStringLiteral("ods"), matrix, info, fileName)) {
    ShowFailure(texts::OpenOfficeFailure(OoConnection), fileName);
    return false;
  }
  // The OpenOffice command asks for Calc by name: Calc first, else the desktop's program.
  if (!StartCalc(fileName) && !Desktop.OpenDocument(fileName)) ReportNoProgram(fileName);
  return true;
}

}  // namespace kolibra::exporting
