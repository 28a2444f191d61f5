#include "export/ExportTexts.h"

#include <QCoreApplication>

namespace kolibra::exporting::texts {

namespace {

QString Tr(const char *text) { return QCoreApplication::translate("Serveur", text); }

}  // namespace

QString Ok() { return Tr("Ok"); }
QString Cancel() { return Tr("Cancel"); }
QString Continue() { return Tr("Continue"); }
QString Substitute() { return Tr("Substitute"); }

QString CopyComplete() { return Tr("Copy to clipboard complete."); }
QString CopyPasteHint() {
  return Tr("After closing this window, open a window and press Ctrl + V (or click Edit > Paste).");
}
QString ColumnsSeparated() { return Tr("Columns are separated by tabulations."); }
QString CopyFailed() { return Tr("The file copy to the clipboard has failed."); }

QString DatasheetPrefix() { return Tr("Datasheet"); }
QString TextFileTitle() { return Tr("Export to text file"); }
QString TextFileFilter() { return Tr("Tab separated values (*.txt)|*.txt"); }
QString TextFileExtension() { return QStringLiteral("txt"); }
QString TextFileSaved() { return Tr("Save to text file complete."); }
QString TextFileExtensionReport() { return Tr("File has TXT extension."); }
QString FileCreationFailed() { return Tr("The file creation in the selected directory has failed."); }
QString CheckAccessRights() { return Tr("Check your access rights to this directory."); }
QString OverwriteQuestion() { return Tr("A file with the same name already exists. Overwrite ?"); }

QString DatasheetFileTitle() { return Tr("Export the datasheet"); }
QString DatasheetFileFilter() {
  return Tr("Tab separated values (*.txt)|*.txt|Excel workbook (*.xlsx)|*.xlsx|"
            "OpenDocument spreadsheet (*.ods)|*.ods|Comma separated values (*.csv)|*.csv|"
            "JSON data (*.json)|*.json|Jupyter notebook (*.ipynb)|*.ipynb");
}
QString DatasheetFileSaved() { return Tr("The datasheet has been saved:"); }

QString WorkbookWritten() { return Tr("The workbook is written in this file:"); }
QString NoSpreadsheetProgram() {
  return Tr("No program could be started to show it. Open it with your spreadsheet program, or install "
            "LibreOffice (the Debian package libreoffice-calc) to have Kolibra open it for you.");
}
QString ExcelFailed() { return Tr("An error occurred while processing the connection with Excel."); }

QString OpenOfficeFailure(int code) {
  switch (code) {
    case 1:
      return Tr("An error occurred while processing the connection with OpenOffice.");
    case 2:
      return Tr("An error occurred while activating the system manager.");
    case 3:
      return Tr("Unable to open the spreadsheet.");
    case 4:
      return Tr("Unable to create a new sheet.");
    case 5:
      return Tr("Unable to find the datasheet.");
    case 6:
      return Tr("An error occurred while writing in a cell.");
    default:
      return QString();
  }
}

QString RegressiNotFound() { return Tr("The copy was canceled because Regressi is not found."); }
QString FollowProcedure() { return Tr("Please follow the procedure:"); }
QString UseSearchButton() { return Tr("use the « Search » button in the next window"); }
QString UseOpenButton() { return Tr("if search is successful, use the button « Open »"); }
QString RestartCopy() { return Tr("Finally, restart the canceled copy (Edit > Copy and launch > Regressi)."); }
QString RegressiFilter() { return QStringLiteral("Regressi.exe|Regressi.exe"); }
QString TooManyVariables() { return Tr("Regressi does not accept more than 16 variables."); }
QString RandomResults() { return Tr("This could produce random results."); }
QString RegressiLaunchFailed() { return Tr("An error occurred while launching Regressi."); }
QString UndefinedValues() { return Tr("The datasheet contains non defined values."); }
QString OldRegressi() { return Tr("An old version of Regressi could misinterpret these data."); }
QString SubstituteQuestion() { return Tr("Substitute non defined values by zeros?"); }
QString RegressiStarting() {
  return Tr("Regressi is starting: once its window is open, press Ctrl + V (or click Edit > Paste) in it.");
}

}  // namespace kolibra::exporting::texts
