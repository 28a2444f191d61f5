// kolibra-cli export: argument parsing only; the export is the export subsystem's, the same
// file writing the results window's exports use.
#include "Commands.h"
#include "kit/Texts.h"
#include "work/ExportWork.h"

#include <QCoreApplication>

namespace kolibra::cli {

int RunExport(const QStringList &Arguments, QTextStream &Out, QTextStream &Err) {
  Q_UNUSED(Out);
  QCommandLineParser parser;
  if (!ParseArguments(parser, Arguments, Err)) return 1;
  const QStringList args = parser.positionalArguments();
  if (args.size() != 2) {
    Err << KolibraCliText::tr(
               "Usage: kolibra-cli export WORK.klb "
               "OUT.txt|OUT.csv|OUT.json|OUT.ipynb|OUT.xlsx|OUT.ods")
        << Qt::endl;
    return 1;
  }
  return work::ExportWork(args[0], args[1], Err);
}

}  // namespace kolibra::cli
