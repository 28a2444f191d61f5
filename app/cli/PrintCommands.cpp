// kolibra-cli print: argument parsing only; the page is the printing subsystem's, laid out
// and drawn as the print window does it, of a results view drawn as the results window
// draws it.
#include "Commands.h"
#include "kit/Texts.h"
#include "work/PrintWork.h"

#include <QCoreApplication>

namespace kolibra::cli {

namespace print_commands_impl {

QString Usage() {
  return QCoreApplication::translate(
      "KolibraCliText",
      "Usage: kolibra-cli print WORK.klb OUT.pdf [--view time|trajectory|vectors] "
      "[--template top|full] [--double] [--title TEXT]");
}

}  // namespace print_commands_impl

int RunPrint(const QStringList &Arguments, QTextStream &Out, QTextStream &Err) {
  Q_UNUSED(Out);
  using namespace print_commands_impl;
  QCommandLineParser parser;
  const QCommandLineOption view(QStringLiteral("view"),
                                KolibraCliText::tr("The results view to print."),
                                QStringLiteral("time|trajectory|vectors"), QStringLiteral("time"));
  const QCommandLineOption layout(QStringLiteral("template"),
                                  KolibraCliText::tr("The page template."),
                                  QStringLiteral("top|full"), QStringLiteral("top"));
  const QCommandLineOption twice(QStringLiteral("double"),
                                 KolibraCliText::tr("The graph twice on the sheet."));
  const QCommandLineOption title(QStringLiteral("title"),
                                 KolibraCliText::tr("The title printed as the header."),
                                 QStringLiteral("TEXT"));
  parser.addOptions({view, layout, twice, title});
  if (!ParseArguments(parser, Arguments, Err)) return 1;
  const QStringList args = parser.positionalArguments();
  if (args.size() != 2) {
    Err << Usage() << Qt::endl;
    return 1;
  }
  if (!work::IsPrintableView(parser.value(view))) {
    Err << KolibraCliText::tr("--view must be time, trajectory or vectors: %1")
               .arg(parser.value(view))
        << Qt::endl;
    return 1;
  }
  printing::TPrintRequest request;
  const QString templateName = parser.value(layout);
  if (templateName == QLatin1String("full")) {
    request.Template = printing::TPrintTemplate::FullPage;
  } else if (templateName != QLatin1String("top")) {
    Err << KolibraCliText::tr("--template must be top or full: %1").arg(templateName) << Qt::endl;
    return 1;
  }
  request.Double = parser.isSet(twice);
  request.Title = parser.value(title);
  return work::PrintWork(args[0], args[1], parser.value(view), request, Err);
}

}  // namespace kolibra::cli
