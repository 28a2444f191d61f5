#include "export/Workbook.h"

#include "kit/Locale.h"
#include "kit/Texts.h"
#include "measurement/Data.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>

namespace kolibra::exporting {

namespace workbook_impl {

// The text FormatReal writes for a value it cannot show.
const QString NumberErrorText = QStringLiteral("#Number!");

void AddNumberLine(TWorkbookSheet &sheet, const QString &label, double value, const QString &unit) {
  TWorkbookRow row{TWorkbookCell::MakeText(label)};
  row.push_back(std::isfinite(value) ? TWorkbookCell::MakeNumber(value, RealToText(value)) : TWorkbookCell());
  row.push_back(TWorkbookCell::MakeText(unit));
  sheet.Rows.push_back(row);
}

}  // namespace workbook_impl

TWorkbookCell TWorkbookCell::MakeText(const QString &text) {
  TWorkbookCell cell;
  if (text.isEmpty()) return cell;
  cell.Kind = ckText;
  cell.Text = text;
  return cell;
}

TWorkbookCell TWorkbookCell::MakeNumber(double value, const QString &text) {
  TWorkbookCell cell;
  cell.Kind = ckNumber;
  cell.Value = value;
  cell.Text = text;
  return cell;
}

int TWorkbookSheet::ColumnCount() const {
  size_t width = 0;
  for (const TWorkbookRow &row : Rows) width = std::max(width, row.size());
  return int(width);
}

TWorkbookCell MatrixCell(const QString &text, int row) {
  if (row < WorkbookTextRows) return TWorkbookCell::MakeText(text);
  if (text.isEmpty() || text == workbook_impl::NumberErrorText) return {};
  double value = 0.0;
  // "NAN" and "INF" convert back to numbers, which no spreadsheet holds: an empty cell, as
  // for a text that is no number at all.
  if (!TextToReal(text.trimmed(), value) || !std::isfinite(value)) return {};
  return TWorkbookCell::MakeNumber(value, text);
}

TExportInfo ExportInfoOf(const measurement::TData &data, const measurement::IViewPort &view,
                         const QString &videoFileName, const QDateTime &now) {
  TExportInfo info;
  info.VideoFileName = videoFileName;
  info.FrameInterval = data.FrameInterval();
  const TPointD factors = data.ScaleFactors();
  const int width = view.NativeFrameWidth();
  const int height = view.NativeFrameHeight();
  info.ScaleX = factors.X > 0.0 && width > 0 ? factors.X / width : 0.0;
  info.ScaleY = factors.Y > 0.0 && height > 0 ? factors.Y / height : 0.0;
  info.AxisAngle = data.XAxisAngle();
  info.Date = now;
  for (int o = 0; o < data.ObjectsCount(); ++o) info.Objects.push_back({data.SystemName(o), data.ObjectMass(o)});
  return info;
}

TWorkbookSheet ResultsSheet(const TMatriceStr &matrix) {
  TWorkbookSheet sheet;
  sheet.Name = QStringLiteral("Kolibra");
  sheet.Rows.reserve(matrix.size());
  for (size_t r = 0; r < matrix.size(); ++r) {
    TWorkbookRow row;
    row.reserve(matrix[r].size());
    for (const QString &text : matrix[r]) row.push_back(MatrixCell(text, int(r)));
    sheet.Rows.push_back(std::move(row));
  }
  return sheet;
}

TWorkbookSheet InfoSheet(const TExportInfo &info) {
  using namespace workbook_impl;
  TWorkbookSheet sheet;
  sheet.Name = QStringLiteral("Info");
  sheet.Rows.push_back({TWorkbookCell::MakeText(WorkbookText::tr("Video file")),
                        TWorkbookCell::MakeText(info.VideoFileName)});
  AddNumberLine(sheet, WorkbookText::tr("Frame interval"), info.FrameInterval, QStringLiteral("s"));
  const QString perPixel = WorkbookText::tr("m/pixel");
  if (info.ScaleX > 0.0 && info.ScaleY > 0.0 && std::abs(info.ScaleX - info.ScaleY) > 1e-12 * info.ScaleX) {
    // Separate horizontal and vertical scales.
    AddNumberLine(sheet, WorkbookText::tr("Horizontal scale"), info.ScaleX, perPixel);
    AddNumberLine(sheet, WorkbookText::tr("Vertical scale"), info.ScaleY, perPixel);
  } else if (info.ScaleX > 0.0) {
    AddNumberLine(sheet, WorkbookText::tr("Scale"), info.ScaleX, perPixel);
  } else {
    sheet.Rows.push_back({TWorkbookCell::MakeText(WorkbookText::tr("Scale")),
                          TWorkbookCell::MakeText(WorkbookText::tr("not set"))});
  }
  AddNumberLine(sheet, WorkbookText::tr("Axes angle"), info.AxisAngle, QStringLiteral("rad"));
  sheet.Rows.push_back(
      {TWorkbookCell::MakeText(WorkbookText::tr("Date")),
       TWorkbookCell::MakeText(info.Date.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss")))});
  return sheet;
}

TWorkbook ResultsWorkbook(const TMatriceStr &matrix, const TExportInfo &info) {
  return {ResultsSheet(matrix), InfoSheet(info)};
}

}  // namespace kolibra::exporting
