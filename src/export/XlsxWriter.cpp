// The Excel workbook through libxlsxwriter. libxlsxwriter builds the whole file at
// workbook_close, which is where a full disk or an unwritable folder shows: its result
// decides success, and a failed close may leave a truncated zip that must not survive.

#include "export/WorkbookWriters.h"

#include <QCoreApplication>
#include <QFile>

#include <xlsxwriter.h>

namespace kolibra::exporting {

namespace xlsx_impl {

constexpr double ResultsColumnWidth = 14.0;
constexpr double InfoLabelWidth = 18.0;
constexpr double InfoValueWidth = 40.0;

QString Reason(lxw_error code) { return QString::fromUtf8(lxw_strerror(code)); }

lxw_error WriteCell(lxw_worksheet *sheet, int row, int col, const TWorkbookCell &cell) {
  switch (cell.Kind) {
    case TWorkbookCell::ckText:
      return worksheet_write_string(sheet, lxw_row_t(row), lxw_col_t(col), cell.Text.toUtf8().constData(), nullptr);
    case TWorkbookCell::ckNumber:
      return worksheet_write_number(sheet, lxw_row_t(row), lxw_col_t(col), cell.Value, nullptr);
    case TWorkbookCell::ckEmpty:
      break;
  }
  return LXW_NO_ERROR;
}

lxw_error WriteSheet(lxw_workbook *book, const TWorkbookSheet &source, QString &error) {
  lxw_worksheet *sheet = workbook_add_worksheet(book, source.Name.toUtf8().constData());
  if (sheet == nullptr) {
    error = QCoreApplication::translate("WorkbookText", "The sheet %1 cannot be added.")
                .arg(source.Name);
    return LXW_ERROR_MEMORY_MALLOC_FAILED;
  }
  const int columns = source.ColumnCount();
  if (columns > 0) {
    if (source.Name == QLatin1String("Info")) {
      worksheet_set_column(sheet, 0, 0, InfoLabelWidth, nullptr);
      worksheet_set_column(sheet, 1, 1, InfoValueWidth, nullptr);
    } else {
      worksheet_set_column(sheet, 0, lxw_col_t(columns - 1), ResultsColumnWidth, nullptr);
    }
  }
  for (size_t r = 0; r < source.Rows.size(); ++r) {
    for (size_t c = 0; c < source.Rows[r].size(); ++c) {
      const lxw_error code = WriteCell(sheet, int(r), int(c), source.Rows[r][c]);
      if (code != LXW_NO_ERROR) {
        error = Reason(code);
        return code;
      }
    }
  }
  return LXW_NO_ERROR;
}

}  // namespace xlsx_impl

bool WriteXlsx(const QString &fileName, const TWorkbook &workbook, QString &error) {
  using namespace xlsx_impl;
  // A failure removes the file, which must therefore be new.
  if (QFile::exists(fileName)) {
    error = QCoreApplication::translate("WorkbookText", "The file already exists.");
    return false;
  }
  const QByteArray path = QFile::encodeName(fileName);
  lxw_workbook *book = workbook_new(path.constData());
  if (book == nullptr) {
    error = Reason(LXW_ERROR_MEMORY_MALLOC_FAILED);
    return false;
  }
  lxw_error written = LXW_NO_ERROR;
  for (const TWorkbookSheet &sheet : workbook) {
    written = WriteSheet(book, sheet, error);
    if (written != LXW_NO_ERROR) break;
  }
  // workbook_close also frees the workbook, so it runs whatever happened before.
  const lxw_error closed = workbook_close(book);
  if (written == LXW_NO_ERROR && closed != LXW_NO_ERROR) error = Reason(closed);
  if (written != LXW_NO_ERROR || closed != LXW_NO_ERROR) {
    QFile::remove(fileName);
    return false;
  }
  return true;
}

TWorkbookWriter WorkbookWriterFor(const QString &fileName) {
  if (fileName.endsWith(QLatin1String(".xlsx"), Qt::CaseInsensitive)) return WriteXlsx;
  if (fileName.endsWith(QLatin1String(".ods"), Qt::CaseInsensitive)) return WriteOds;
  return nullptr;
}

}  // namespace kolibra::exporting
