#include "work/ExportWork.h"

#include "work/HeadlessWork.h"
#include "work/WorkCli.h"
#include "export/ExportFiles.h"
#include "kit/Locale.h"

#include <QDir>
#include <QTextStream>

namespace kolibra::work {

int ExportWork(const QString &workFile, const QString &output, QTextStream &err) {
  const ScopedDecimalSeparator point(QLatin1Char('.'));
  THeadlessWork work;
  if (!LoadWorkResults(work, workFile, false, err)) return 1;
  const exporting::TExportInfo info = exporting::ExportInfoOf(work.Data, work.Video, work.Video.VideoFileName());
  QString error;
  if (!exporting::ExportDatasheetToFile(work.Grid.Active(), info, output, error)) {
    err << error << Qt::endl;
    return 1;
  }
  return 0;
}

}  // namespace kolibra::work
