// TServeur's transfers to the spreadsheets: a new workbook in the temporary folder, opened
// with the program that shows it. The workbook is complete before anything opens it, and a
// failed one leaves no file behind.

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

// The OpenOffice failures by the step that failed.
constexpr int OoConnection = 1;  // the workbook could not be written
constexpr int OoOpen = 3;        // no program could open it

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
  if (!Desktop.OpenDocument(fileName)) {
    ShowFailure(texts::ExcelFailed(), fileName);
    return false;
  }
  return true;
}

bool TServeur::ExportToOpenOffice(const TMatriceStr &matrix, const TExportInfo &info) {
  using namespace serveur_spreadsheets;
  QString fileName;
  if (!WriteWorkbook(QStringLiteral("ods"), matrix, info, fileName)) {
    ShowFailure(texts::OpenOfficeFailure(OoConnection), fileName);
    return false;
  }
  const TProgramCall calc = CalcCall(Desktop, fileName);
  const bool opened = calc.Program.isEmpty() ? Desktop.OpenDocument(fileName)
                                             : Desktop.StartProgram(calc.Program, calc.Arguments);
  if (!opened) {
    ShowFailure(texts::OpenOfficeFailure(OoOpen), fileName);
    return false;
  }
  return true;
}

}  // namespace kolibra::exporting
