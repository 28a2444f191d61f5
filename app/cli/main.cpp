// kolibra-cli: Kolibra's video readers for scripts and batch work.
//   kolibra-cli info FILE [--framework vfw|ds|ffmpeg]
//   kolibra-cli frame FILE INDEX OUT.png [--framework vfw|ds|ffmpeg]
//   kolibra-cli eval EXPRESSION [--radian]
#include "formulas/EvalCommand.h"
#include "video/VideoCli.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>
#include <cstdio>

int main(int argc, char **argv) {
  QCoreApplication app(argc, argv);
  QCoreApplication::setApplicationName(QStringLiteral("kolibra-cli"));
  QCoreApplication::setApplicationVersion(QStringLiteral(KOLIBRA_VERSION));
  QTextStream out(stdout);
  QTextStream err(stderr);
  // The expression may start with "-": eval reads its own arguments.
  if (app.arguments().value(1) == QLatin1String("eval"))
    return kolibra::formulas::RunEvalCommand(app.arguments().mid(2), out, err);

  QCommandLineParser parser;
  parser.setApplicationDescription(
      QCoreApplication::translate("kolibra-cli", "Reads videos as Kolibra does, for scripts and batch work."));
  parser.addHelpOption();
  parser.addVersionOption();
  parser.addPositionalArgument(QStringLiteral("command"),
                               QCoreApplication::translate("kolibra-cli", "info FILE, or frame FILE INDEX OUT.png"));
  const QCommandLineOption frameworkOption(
      QStringLiteral("framework"),
      QCoreApplication::translate("kolibra-cli", "Read with vfw, ds or ffmpeg alone, instead of Kolibra's choice."),
      QStringLiteral("vfw|ds|ffmpeg"));
  parser.addOption(frameworkOption);
  parser.process(app);

  const QStringList args = parser.positionalArguments();
  std::optional<kolibra::video::TFramework> forced;
  if (parser.isSet(frameworkOption)) {
    forced = kolibra::video::FrameworkFromToken(parser.value(frameworkOption));
    if (!forced) {
      err << QCoreApplication::translate("kolibra-cli", "Unknown framework: %1 (vfw, ds or ffmpeg).")
                 .arg(parser.value(frameworkOption))
          << Qt::endl;
      return 1;
    }
  }

  const QString command = args.value(0);
  if (command == QLatin1String("info") && args.size() == 2) {
    kolibra::video::TVideoSources sources;
    return kolibra::video::VideoInfo(sources, args[1], forced, out, err);
  }
  if (command == QLatin1String("frame") && args.size() == 4) {
    bool ok = false;
    const int index = args[2].toInt(&ok);
    if (!ok) {
      err << QCoreApplication::translate("kolibra-cli", "INDEX must be a whole number: %1").arg(args[2]) << Qt::endl;
      return 1;
    }
    kolibra::video::TVideoSources sources;
    return kolibra::video::VideoFrame(sources, args[1], index, args[3], forced, out, err);
  }
  err << parser.helpText();
  return 1;
}
