#pragma once
// The texts of the export's messages and dialogs, each used exactly where the export shows
// it and translated through the context "ServeurText".

#include <QString>

namespace kolibra::exporting::texts {

QString Ok();
QString Cancel();
QString Continue();
QString Substitute();

// The clipboard.
QString CopyComplete();
QString CopyPasteHint();
QString ColumnsSeparated();
QString CopyFailed();

// The text file.
QString DatasheetPrefix();
QString TextFileTitle();
QString TextFileFilter();
QString TextFileExtension();
QString TextFileSaved();
QString TextFileExtensionReport();
QString FileCreationFailed();
QString CheckAccessRights();
QString OverwriteQuestion();

// The datasheet's file, in any of the formats the results window offers.
QString DatasheetFileTitle();
QString DatasheetFileFilter();
QString DatasheetFileSaved();

// The spreadsheets.
QString ExcelFailed();
// The line of an OpenOffice failure code (1 to 6; empty for any other).
QString OpenOfficeFailure(int code);
// A workbook written where no program could be started to show it.
QString WorkbookWritten();
QString NoSpreadsheetProgram();

// Regressi.
QString RegressiNotFound();
QString FollowProcedure();
QString UseSearchButton();
QString UseOpenButton();
QString RestartCopy();
QString RegressiFilter();
QString TooManyVariables();
QString RandomResults();
QString RegressiLaunchFailed();
QString UndefinedValues();
QString OldRegressi();
QString SubstituteQuestion();
QString RegressiStarting();

}  // namespace kolibra::exporting::texts
