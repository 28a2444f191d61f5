#include "export/ExportTexts.h"

#include "kit/Texts.h"

#include <QCoreApplication>

namespace kolibra::exporting::texts {

namespace {

}  // namespace

QString Ok() { return ServeurText::tr("Ok"); }
QString Cancel() { return ServeurText::tr("Cancel"); }
QString Continue() { return ServeurText::tr("Continue"); }
QString Substitute() { return ServeurText::tr("Substitute"); }

QString CopyComplete() { return ServeurText::tr("Copy to clipboard complete."); }
QString CopyPasteHint() {
  return ServeurText::tr(
      "After closing this window, open a window and press Ctrl + V (or click Edit > Paste).");
}
QString ColumnsSeparated() { return ServeurText::tr("Columns are separated by tabulations."); }
QString CopyFailed() { return ServeurText::tr("The file copy to the clipboard has failed."); }

QString DatasheetPrefix() { return ServeurText::tr("Datasheet"); }
QString TextFileTitle() { return ServeurText::tr("Export to text file"); }
QString TextFileFilter() { return ServeurText::tr("Tab separated values (*.txt)|*.txt"); }
QString TextFileExtension() { return QStringLiteral("txt"); }
QString TextFileSaved() { return ServeurText::tr("Save to text file complete."); }
QString TextFileExtensionReport() { return ServeurText::tr("File has TXT extension."); }
QString FileCreationFailed() {
  return ServeurText::tr("The file creation in the selected directory has failed.");
}
QString CheckAccessRights() {
  return ServeurText::tr("Check your access rights to this directory.");
}
QString OverwriteQuestion() {
  return ServeurText::tr("A file with the same name already exists. Overwrite ?");
}

QString DatasheetFileTitle() { return ServeurText::tr("Export the datasheet"); }
QString DatasheetFileFilter() {
  return ServeurText::tr(
      "Tab separated values (*.txt)|*.txt|Excel workbook (*.xlsx)|*.xlsx|"
      "OpenDocument spreadsheet (*.ods)|*.ods|Comma separated values (*.csv)|*.csv|"
      "JSON data (*.json)|*.json|Jupyter notebook (*.ipynb)|*.ipynb");
}
QString DatasheetFileSaved() { return ServeurText::tr("The datasheet has been saved:"); }

QString WorkbookWritten() { return ServeurText::tr("The workbook is written in this file:"); }
QString NoSpreadsheetProgram() {
  return ServeurText::tr(
      "No program could be started to show it. Open it with your spreadsheet program, or install "
      "LibreOffice (the Debian package libreoffice-calc) to have Kolibra open it for you.");
}
QString ExcelFailed() {
  return ServeurText::tr("An error occurred while processing the connection with Excel.");
}

QString OpenOfficeFailure(int code) {
  switch (code) {
    case 1:
      return ServeurText::tr("An error occurred while processing the connection with OpenOffice.");
    case 2:
      return ServeurText::tr("An error occurred while activating the system manager.");
    case 3:
      return ServeurText::tr("Unable to open the spreadsheet.");
    case 4:
      return ServeurText::tr("Unable to create a new sheet.");
    case 5:
      return ServeurText::tr("Unable to find the datasheet.");
    case 6:
      return ServeurText::tr("An error occurred while writing in a cell.");
    default:
      return QString();
  }
}

QString RegressiNotFound() {
  return ServeurText::tr("The copy was canceled because Regressi is not found.");
}
QString FollowProcedure() { return ServeurText::tr("Please follow the procedure:"); }
QString UseSearchButton() {
  return ServeurText::tr("use the « Search » button in the next window");
}
QString UseOpenButton() {
  return ServeurText::tr("if search is successful, use the button « Open »");
}
QString RestartCopy() {
  return ServeurText::tr("Finally, restart the canceled copy (Edit > Copy and launch > Regressi).");
}
QString RegressiFilter() { return QStringLiteral("Regressi.exe|Regressi.exe"); }
QString TooManyVariables() {
  return ServeurText::tr("Regressi does not accept more than 16 variables.");
}
QString RandomResults() { return ServeurText::tr("This could produce random results."); }
QString RegressiLaunchFailed() {
  return ServeurText::tr("An error occurred while launching Regressi.");
}
QString UndefinedValues() { return ServeurText::tr("The datasheet contains non defined values."); }
QString OldRegressi() {
  return ServeurText::tr("An old version of Regressi could misinterpret these data.");
}
QString SubstituteQuestion() { return ServeurText::tr("Substitute non defined values by zeros?"); }
QString RegressiStarting() {
  return ServeurText::tr(
      "Regressi is starting: once its window is open, press Ctrl + V (or click Edit > Paste) in "
      "it.");
}

}  // namespace kolibra::exporting::texts
