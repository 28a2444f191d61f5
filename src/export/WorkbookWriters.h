#pragma once
// The two spreadsheet files: an Excel workbook (".xlsx", written by libxlsxwriter) and an
// OpenDocument spreadsheet (".ods", a zip written by libminizip whose XML comes from
// QXmlStreamWriter). Each writes the whole workbook or nothing: on any failure the partial
// file is removed and the reason given.

#include "export/Workbook.h"

#include <QString>

namespace kolibra::exporting {

bool WriteXlsx(const QString &fileName, const TWorkbook &workbook, QString &error);
bool WriteOds(const QString &fileName, const TWorkbook &workbook, QString &error);

// The writer of a file's extension (".xlsx" or ".ods", any case); nullptr for another.
using TWorkbookWriter = bool (*)(const QString &, const TWorkbook &, QString &);
TWorkbookWriter WorkbookWriterFor(const QString &fileName);

}  // namespace kolibra::exporting
