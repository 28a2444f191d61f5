// kolibra-cli graph: argument parsing only; the picture is the results subsystem's, built by
// the results window's own rules.
#include "Commands.h"
#include "kit/Texts.h"
#include "work/GraphCli.h"

#include <QCoreApplication>

namespace kolibra::cli {

int RunGraph(const QStringList &Arguments, QTextStream &Out, QTextStream &Err) {
  Q_UNUSED(Out);
  QCommandLineParser parser;
  const QCommandLineOption view(QStringLiteral("view"),
                                KolibraCliText::tr("time, trajectory, vectors or formulas."),
                                KolibraCliText::tr("VIEW"), QStringLiteral("time"));
  const QCommandLineOption quantity(QStringLiteral("quantity"),
                                    KolibraCliText::tr("What the view shows."),
                                    KolibraCliText::tr("SYMBOL"));
  const QCommandLineOption model(QStringLiteral("model"),
                                 KolibraCliText::tr("A model laid over the curve."),
                                 KolibraCliText::tr("NAME"));
  const QCommandLineOption size(QStringLiteral("size"),
                                KolibraCliText::tr("The picture's size in pixels."),
                                KolibraCliText::tr("WxH"), QStringLiteral("1000x700"));
  parser.addOptions({view, quantity, model, size});
  if (!ParseArguments(parser, Arguments, Err)) return 1;
  const QStringList args = parser.positionalArguments();
  work::TGraphRequest request;
  if (args.size() != 2) {
    Err << KolibraCliText::tr(
               "Usage: kolibra-cli graph WORK.klb OUT.svg|OUT.png [--view "
               "time|trajectory|vectors|formulas] "
               "[--quantity SYMBOL] [--model NAME] [--size WxH]")
        << Qt::endl;
    return 1;
  }
  request.WorkFile = args[0];
  request.Output = args[1];
  request.View = parser.value(view);
  request.Quantity = parser.value(quantity);
  request.Model = parser.value(model);
  if (!work::ParsePictureSize(parser.value(size), request.Size)) {
    Err << KolibraCliText::tr("The size is written WxH, each between 200 and 8000 pixels: %1")
               .arg(parser.value(size))
        << Qt::endl;
    return 1;
  }
  return work::RunGraphCommand(request, Err);
}

}  // namespace kolibra::cli
