#include "export/DataFiles.h"

#include "export/ExportFiles.h"
#include "kinematics/Grid.h"
#include "kinematics/Quantities.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cmath>

namespace kolibra::exporting {

namespace data_files_impl {

constexpr int SymbolRow = 1;
constexpr int UnitRow = 2;
constexpr int NameRow = 3;

QJsonValue NumberOrNull(double value) { return std::isfinite(value) ? QJsonValue(value) : QJsonValue(); }

QString Cell(const TMatriceStr &matrix, size_t row, size_t column) {
  return row < matrix.size() && column < matrix[row].size() ? matrix[row][column] : QString();
}

// A notebook cell's source: its lines, each but the last keeping its line end.
QJsonArray SourceLines(const QString &text) {
  QJsonArray lines;
  const QStringList parts = text.split(QLatin1Char('\n'));
  for (int i = 0; i < parts.size(); ++i)
    lines.append(i + 1 < parts.size() ? parts[i] + QLatin1Char('\n') : parts[i]);
  return lines;
}

QJsonObject CodeCell(const QString &source) {
  return QJsonObject{{QStringLiteral("cell_type"), QStringLiteral("code")},
                     {QStringLiteral("execution_count"), QJsonValue()},
                     {QStringLiteral("metadata"), QJsonObject()},
                     {QStringLiteral("outputs"), QJsonArray()},
                     {QStringLiteral("source"), SourceLines(source)}};
}

QJsonObject MarkdownCell(const QString &source) {
  return QJsonObject{{QStringLiteral("cell_type"), QStringLiteral("markdown")},
                     {QStringLiteral("metadata"), QJsonObject()},
                     {QStringLiteral("source"), SourceLines(source)}};
}

// The plotting cell: y(t) of every object on the left, the energies on the right. It finds
// the columns by their symbols (the header is "symbol [unit]").
const char *const PlotCell = R"py(import re
import matplotlib.pyplot as plt

def symbol(column):
    return column.split(" [")[0]

t = df[df.columns[0]]
fig, (left, right) = plt.subplots(1, 2, figsize=(11, 4))
for column in df.columns:
    if re.fullmatch(r"y(\d+|G)?", symbol(column)):
        left.plot(t, df[column], ".-", label=column)
    if re.fullmatch(r"E[kpm](\d+|G|tot)?", symbol(column)):
        right.plot(t, df[column], ".-", label=column)
for axes, title in ((left, "y(t)"), (right, "Energies")):
    axes.set_xlabel(t.name)
    axes.set_title(title)
    if axes.lines:
        axes.legend()
plt.show())py";

}  // namespace data_files_impl

QByteArray JsonBytes(const TMatriceStr &matrix, const TExportInfo &info) {
  using namespace data_files_impl;
  const size_t width = matrix.size() > size_t(SymbolRow) ? matrix[SymbolRow].size() : 0;
  QJsonArray columns;
  for (size_t c = 0; c < width; ++c) {
    const QString object = info.ColumnObjects.value(int(c));
    columns.append(QJsonObject{{QStringLiteral("symbol"), Cell(matrix, SymbolRow, c)},
                               {QStringLiteral("unit"), Cell(matrix, UnitRow, c)},
                               {QStringLiteral("name"), Cell(matrix, NameRow, c)},
                               {QStringLiteral("object"), object.isEmpty() ? QJsonValue() : QJsonValue(object)}});
  }
  QJsonArray rows;
  for (size_t r = WorkbookTextRows; r < matrix.size(); ++r) {
    QJsonArray row;
    for (size_t c = 0; c < width; ++c) {
      const TWorkbookCell cell = MatrixCell(Cell(matrix, r, c), int(r));
      row.append(cell.Kind == TWorkbookCell::ckNumber ? NumberOrNull(cell.Value) : QJsonValue());
    }
    rows.append(row);
  }
  QJsonArray objects;
  for (const TExportInfo::TObject &object : info.Objects)
    objects.append(QJsonObject{{QStringLiteral("name"), object.Name},
                               {QStringLiteral("mass"), object.Mass > 0.0 ? QJsonValue(object.Mass) : QJsonValue()}});
  const QJsonObject root{{QStringLiteral("video"), QFileInfo(info.VideoFileName).fileName()},
                         {QStringLiteral("interval"), NumberOrNull(info.FrameInterval)},
                         {QStringLiteral("objects"), objects},
                         {QStringLiteral("columns"), columns},
                         {QStringLiteral("rows"), rows}};
  return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

QByteArray NotebookBytes(const TMatriceStr &matrix, const TExportInfo &info) {
  using namespace data_files_impl;
  QString csv = QString::fromUtf8(CsvBytes(matrix));
  csv.remove(QLatin1Char('\r'));
  // A triple-quoted string keeps the lines as they are; its backslashes and quotes are
  // escaped so that no header can end it early.
  csv.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
  csv.replace(QLatin1Char('"'), QStringLiteral("\\\""));
  const QString video = QFileInfo(info.VideoFileName).fileName();
  const QString title = QStringLiteral("# ") + (video.isEmpty() ? QStringLiteral("Kolibra") : video) +
                        QStringLiteral("\n\nThe results measured with Kolibra: one column per quantity, "
                                       "its unit in brackets. Run the cells in order.");
  const QString load = QStringLiteral("import io\nimport pandas as pd\n\nDATA = \"\"\"") + csv +
                       QStringLiteral("\"\"\"\ndf = pd.read_csv(io.StringIO(DATA))\ndf.head()");
  const QJsonObject kernel{{QStringLiteral("display_name"), QStringLiteral("Python 3")},
                           {QStringLiteral("language"), QStringLiteral("python")},
                           {QStringLiteral("name"), QStringLiteral("python3")}};
  const QJsonObject metadata{{QStringLiteral("kernelspec"), kernel},
                             {QStringLiteral("language_info"), QJsonObject{{QStringLiteral("name"), QStringLiteral("python")}}}};
  const QJsonObject root{{QStringLiteral("cells"), QJsonArray{MarkdownCell(title), CodeCell(load),
                                                               CodeCell(QString::fromUtf8(PlotCell))}},
                         {QStringLiteral("metadata"), metadata},
                         {QStringLiteral("nbformat"), 4},
                         {QStringLiteral("nbformat_minor"), 5}};
  return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

void DescribeColumns(const kinematics::TGrid &grid, TExportInfo &info) {
  info.ColumnObjects.clear();
  for (int column : grid.VisibleColumns()) info.ColumnObjects << grid.ColumnObjectName(column);
}

}  // namespace kolibra::exporting
