#include "export/ExportFiles.h"

#include "export/DataFiles.h"
#include "export/WorkbookWriters.h"
#include "kinematics/Grid.h"
#include "kit/AtomicFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QTemporaryDir>

namespace kolibra::exporting {

QString TextFormText(const QStringList &lines) {
  static const QString LineEnd = QStringLiteral("\r\n");
  QString text;
  qsizetype size = 0;
  for (const QString &line : lines) size += line.size() + LineEnd.size();
  text.reserve(size);
  for (const QString &line : lines) text += line + LineEnd;
  return text;
}

QByteArray TextFormBytes(const QStringList &lines) { return TextFormText(lines).toUtf8(); }

QString ForceExtension(const QString &fileName, const QString &extension) {
  const QFileInfo info(fileName);
  QString base = fileName;
  if (!info.suffix().isEmpty()) base.chop(info.suffix().size() + 1);
  while (base.endsWith(QLatin1Char('.'))) base.chop(1);
  return base + QLatin1Char('.') + extension;
}

bool WriteTextForm(const QString &fileName, const QStringList &lines) {
  return WriteFileAtomically(fileName, TextFormBytes(lines));
}

QString CsvField(const QString &text) {
  if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"')) && !text.contains(QLatin1Char('\n')) &&
      !text.contains(QLatin1Char('\r')))
    return text;
  return QLatin1Char('"') + QString(text).replace(QStringLiteral("\""), QStringLiteral("\"\"")) + QLatin1Char('"');
}

QByteArray CsvBytes(const TMatriceStr &matrix) {
  static const QString LineEnd = QStringLiteral("\r\n");
  QString text;
  const auto row = [&matrix](size_t r) { return r < matrix.size() ? matrix[r] : TStringDynArray(); };
  // Rows 1 and 2 of the matrix form: the symbols and their units.
  const TStringDynArray symbols = row(1), units = row(2);
  QStringList header;
  for (size_t c = 0; c < symbols.size(); ++c) {
    const QString unit = c < units.size() ? units[c].trimmed() : QString();
    header << CsvField(unit.isEmpty() ? symbols[c] : symbols[c] + QStringLiteral(" [") + unit + QLatin1Char(']'));
  }
  text += header.join(QLatin1Char(',')) + LineEnd;
  for (size_t r = WorkbookTextRows; r < matrix.size(); ++r) {
    QStringList fields;
    for (const QString &cell : matrix[r]) {
      // The value the workbooks hold, written back in the one notation every reader takes.
      const TWorkbookCell read = MatrixCell(cell, int(r));
      fields << (read.Kind == TWorkbookCell::ckNumber ? QString::number(read.Value, 'g', QLocale::FloatingPointShortest)
                                                      : QString());
    }
    text += fields.join(QLatin1Char(',')) + LineEnd;
  }
  return text.toUtf8();
}

bool SaveWorkbook(const QString &fileName, const TWorkbook &workbook, QString &error) {
  const TWorkbookWriter writer = WorkbookWriterFor(fileName);
  if (writer == nullptr) {
    error =
        QCoreApplication::translate("WorkbookText", "Unknown workbook extension: %1").arg(fileName);
    return false;
  }
  // The libraries write their file in place: they write into a scratch folder, and the
  // finished bytes replace the target in one step.
  QTemporaryDir scratch;
  if (!scratch.isValid()) {
    error = scratch.errorString();
    return false;
  }
  const QString draft = scratch.filePath(QStringLiteral("draft.") + QFileInfo(fileName).suffix());
  if (!writer(draft, workbook, error)) return false;
  QFile file(draft);
  if (!file.open(QIODevice::ReadOnly)) {
    error = file.errorString();
    return false;
  }
  if (!WriteFileAtomically(fileName, file.readAll())) {
    error =
        QCoreApplication::translate("WorkbookText", "The file cannot be written: %1").arg(fileName);
    return false;
  }
  return true;
}

namespace export_files_impl {

// The files made of the matrix form alone, by extension.
QByteArray (*DataWriterFor(const QString &fileName))(const TMatriceStr &, const TExportInfo &) {
  if (fileName.endsWith(QLatin1String(".csv"), Qt::CaseInsensitive))
    return [](const TMatriceStr &matrix, const TExportInfo &) { return CsvBytes(matrix); };
  if (fileName.endsWith(QLatin1String(".json"), Qt::CaseInsensitive)) return JsonBytes;
  if (fileName.endsWith(QLatin1String(".ipynb"), Qt::CaseInsensitive)) return NotebookBytes;
  return nullptr;
}

}  // namespace export_files_impl

bool IsDatasheetFileName(const QString &fileName) {
  return fileName.endsWith(QLatin1String(".txt"), Qt::CaseInsensitive) ||
         export_files_impl::DataWriterFor(fileName) != nullptr || WorkbookWriterFor(fileName) != nullptr;
}

bool ExportToFile(const QString &fileName, const QStringList &textForm, const TMatriceStr &matrix,
                  const TExportInfo &info, QString &error) {
  if (fileName.endsWith(QLatin1String(".txt"), Qt::CaseInsensitive)) {
    if (WriteTextForm(fileName, textForm)) return true;
    error =
        QCoreApplication::translate("WorkbookText", "The file cannot be written: %1").arg(fileName);
    return false;
  }
  if (const auto writer = export_files_impl::DataWriterFor(fileName)) {
    if (WriteFileAtomically(fileName, writer(matrix, info))) return true;
    error =
        QCoreApplication::translate("WorkbookText", "The file cannot be written: %1").arg(fileName);
    return false;
  }
  if (!IsDatasheetFileName(fileName)) {
    error = QCoreApplication::translate(
                "WorkbookText",
                "The file name must end with .txt, .csv, .json, .ipynb, .xlsx or .ods: %1")
                .arg(fileName);
    return false;
  }
  return SaveWorkbook(fileName, ResultsWorkbook(matrix, info), error);
}

bool ExportDatasheetToFile(const kinematics::TGrid &grid, const TExportInfo &info, const QString &fileName,
                           QString &error) {
  QStringList lines;
  grid.FillText(lines, QDir::toNativeSeparators(QCoreApplication::applicationFilePath()), info.Date);
  TExportInfo described = info;
  DescribeColumns(grid, described);
  return ExportToFile(fileName, lines, grid.Matrix(), described, error);
}

}  // namespace kolibra::exporting
