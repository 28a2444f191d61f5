#include "export/ExportFiles.h"

#include "export/WorkbookWriters.h"
#include "kinematics/Grid.h"
#include "kit/AtomicFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
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

bool SaveWorkbook(const QString &fileName, const TWorkbook &workbook, QString &error) {
  const TWorkbookWriter writer = WorkbookWriterFor(fileName);
  if (writer == nullptr) {
    error = QCoreApplication::translate("Workbook", "Unknown workbook extension: %1").arg(fileName);
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
    error = QCoreApplication::translate("Workbook", "The file cannot be written: %1").arg(fileName);
    return false;
  }
  return true;
}

bool ExportToFile(const QString &fileName, const QStringList &textForm, const TMatriceStr &matrix,
                  const TExportInfo &info, QString &error) {
  if (fileName.endsWith(QLatin1String(".txt"), Qt::CaseInsensitive)) {
    if (WriteTextForm(fileName, textForm)) return true;
    error = QCoreApplication::translate("Workbook", "The file cannot be written: %1").arg(fileName);
    return false;
  }
  if (WorkbookWriterFor(fileName) == nullptr) {
    error = QCoreApplication::translate("Workbook", "The file name must end with .txt, .xlsx or .ods: %1")
                .arg(fileName);
    return false;
  }
  return SaveWorkbook(fileName, ResultsWorkbook(matrix, info), error);
}

bool ExportDatasheetToFile(const kinematics::TGrid &grid, const TExportInfo &info, const QString &fileName,
                           QString &error) {
  QStringList lines;
  grid.FillText(lines, QDir::toNativeSeparators(QCoreApplication::applicationFilePath()), info.Date);
  return ExportToFile(fileName, lines, grid.Matrix(), info, error);
}

}  // namespace kolibra::exporting
