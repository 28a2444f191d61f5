// kolibra-cli results and resave: argument parsing only; the work is the video editing
// subsystem's, which loads work files with the program's own loader.
#include "Commands.h"
#include "work/WorkCli.h"

#include <QCoreApplication>

namespace kolibra::cli {

int RunResults(const QStringList &Arguments, QTextStream &Out, QTextStream &Err) {
  QCommandLineParser parser;
  const QCommandLineOption layer(
      QStringLiteral("layer"),
      QCoreApplication::translate("kolibra-cli", "The results of the measurement on the layer."));
  parser.addOption(layer);
  if (!ParseArguments(parser, Arguments, Err)) return 1;
  const QStringList args = parser.positionalArguments();
  if (args.size() != 1) {
    Err << QCoreApplication::translate("kolibra-cli", "Usage: kolibra-cli results WORK.klb [--layer]") << Qt::endl;
    return 1;
  }
  return work::WorkResults(args[0], parser.isSet(layer), Out, Err);
}

int RunResave(const QStringList &Arguments, QTextStream &Out, QTextStream &Err) {
  Q_UNUSED(Out);
  QCommandLineParser parser;
  if (!ParseArguments(parser, Arguments, Err)) return 1;
  const QStringList args = parser.positionalArguments();
  if (args.size() != 2) {
    Err << QCoreApplication::translate("kolibra-cli", "Usage: kolibra-cli resave IN.klb OUT.klb") << Qt::endl;
    return 1;
  }
  return work::WorkResave(args[0], args[1], Err);
}

}  // namespace kolibra::cli
