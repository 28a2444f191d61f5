// kolibra-cli chrono: argument parsing only; the chronophotograph is the studio's.
#include "Commands.h"
#include "kit/Texts.h"
#include "studio/Chronophotograph.h"

#include <QCoreApplication>

namespace kolibra::cli {

int RunChrono(const QStringList &Arguments, QTextStream &Out, QTextStream &Err) {
  const QString usage =
      QStringLiteral("Usage: kolibra-cli chrono VIDEO OUT.png|OUT.bmp (--circle F:X,Y,R)... [--background]");
  QCommandLineParser parser;
  parser.addOption(QCommandLineOption(
      QStringLiteral("circle"),
      KolibraCliText::tr("Cut a disc of radius R frame pixels round (X, Y) on frame F."),
      QStringLiteral("F:X,Y,R")));
  parser.addOption(QCommandLineOption(
      QStringLiteral("background"),
      KolibraCliText::tr("Paste on the first circle's frame instead of a white page.")));
  if (!ParseArguments(parser, Arguments, Err)) return 1;
  const QStringList args = parser.positionalArguments();
  if (args.size() != 2) {
    Err << usage << Qt::endl;
    return 1;
  }
  std::vector<studio::TChronoCircle> circles;
  for (const QString &text : parser.values(QStringLiteral("circle"))) {
    studio::TChronoCircle circle;
    if (!studio::ParseChronoCircle(text, circle)) {
      Err << KolibraCliText::tr("A circle is FRAME:X,Y,RADIUS with numbers: %1").arg(text)
          << Qt::endl;
      return 1;
    }
    circles.push_back(circle);
  }
  return studio::MakeChronoCommand(QString(), args[0], args[1], circles, parser.isSet(QStringLiteral("background")),
                                   Out, Err);
}

}  // namespace kolibra::cli
