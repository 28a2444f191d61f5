#include "export/ExportWork.h"

#include "editing/HeadlessWork.h"
#include "editing/WorkCli.h"
#include "export/ExportFiles.h"
#include "kit/Locale.h"

#include <QDir>
#include <QTextStream>

namespace kolibra::exporting {

int ExportWork(const QString &workFile, const QString &output, QTextStream &err) {
  const ScopedDecimalSeparator point(QLatin1Char('.'));
  editing::THeadlessWork work;
  if (!editing::LoadWorkResults(work, workFile, false, err)) return 1;
  const TExportInfo info = ExportInfoOf(work.Data, work.Video, work.Video.VideoFileName());
  QString error;
  if (!ExportDatasheetToFile(work.Grid.Active(), info, output, error)) {
    err << error << Qt::endl;
    return 1;
  }
  return 0;
}

}  // namespace kolibra::exporting
