// kolibra-cli fit: argument parsing only; the fit is the modelling subsystem's, the same the
// modeller panel runs.
#include "Commands.h"
#include "kit/Texts.h"
#include "modelling/FitCommand.h"

#include <QCoreApplication>
#include <QLocale>

#include <cmath>

namespace kolibra::cli {

namespace fit_commands_impl {

QString Usage() {
  return QCoreApplication::translate(
      "KolibraCliText",
      "Usage: kolibra-cli fit MODEL DATA.tsv [--from T1] [--to T2]\n"
      "MODEL: constant, proportional, affine, exponential, parabola, sine, damped-sine-exp, "
      "damped-sine-lin. DATA.tsv: two tab-separated columns, t and the value (\".\" decimals).");
}

// The bound of an option, "." decimals.
bool ReadBound(const QCommandLineParser &parser, const QString &name, std::optional<double> &bound,
               QTextStream &err) {
  bound.reset();
  if (!parser.isSet(name)) return true;
  bool ok = false;
  const double value = QLocale::c().toDouble(parser.value(name), &ok);
  if (!ok || !std::isfinite(value)) {
    err << KolibraCliText::tr("--%1 needs a number (\".\" decimals): %2")
               .arg(name, parser.value(name))
        << Qt::endl;
    return false;
  }
  bound = value;
  return true;
}

}  // namespace fit_commands_impl

int RunFit(const QStringList &Arguments, QTextStream &Out, QTextStream &Err) {
  using namespace fit_commands_impl;
  QCommandLineParser parser;
  parser.addOption(QCommandLineOption(
      QStringLiteral("from"), KolibraCliText::tr("First abscissa fitted."), QStringLiteral("T1")));
  parser.addOption(QCommandLineOption(
      QStringLiteral("to"), KolibraCliText::tr("Last abscissa fitted."), QStringLiteral("T2")));
  if (!ParseArguments(parser, Arguments, Err)) return 1;
  const QStringList args = parser.positionalArguments();
  if (args.size() != 2) {
    Err << Usage() << Qt::endl;
    return 1;
  }
  modelling::TFitRequest request;
  request.Model = args[0];
  request.DataFile = args[1];
  if (!ReadBound(parser, QStringLiteral("from"), request.From, Err) ||
      !ReadBound(parser, QStringLiteral("to"), request.To, Err))
    return 1;
  return modelling::RunFitCommand(request, Out, Err);
}

}  // namespace kolibra::cli
