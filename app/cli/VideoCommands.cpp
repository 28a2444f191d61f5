// kolibra-cli info, times and frame: argument parsing only; the work is the video subsystem's.
#include "Commands.h"
#include "kit/Texts.h"
#include "video/VideoCli.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace kolibra::cli {

bool ParseArguments(QCommandLineParser &Parser, const QStringList &Arguments, QTextStream &Err) {
  // QCommandLineParser takes the program's name first.
  if (Parser.parse(QStringList{QStringLiteral("kolibra-cli")} + Arguments))
    return true;
  Err << Parser.errorText() << Qt::endl;
  return false;
}

QCommandLineOption FrameworkOption() {
  return QCommandLineOption(
      QStringLiteral("framework"),
      KolibraCliText::tr("Read with vfw, ds or ffmpeg alone, instead of Kolibra's choice."),
      QStringLiteral("vfw|ds|ffmpeg"));
}

bool ReadFramework(const QCommandLineParser &Parser, std::optional<video::TFramework> &Forced, QTextStream &Err) {
  Forced.reset();
  const QString name = FrameworkOption().names().constFirst();
  if (!Parser.isSet(name))
    return true;
  Forced = video::FrameworkFromToken(Parser.value(name));
  if (Forced)
    return true;
  Err << KolibraCliText::tr("Unknown framework: %1 (vfw, ds or ffmpeg).").arg(Parser.value(name))
      << Qt::endl;
  return false;
}

namespace {

using TVideoCommand = int (*)(video::TVideoSources &, const QString &, std::optional<video::TFramework>, QTextStream &,
                              QTextStream &);

// A command on one video, with the framework option: info and times.
int RunOnOneVideo(const QStringList &Arguments, const QString &Usage, TVideoCommand Command, QTextStream &Out,
                  QTextStream &Err) {
  QCommandLineParser parser;
  parser.addOption(FrameworkOption());
  std::optional<video::TFramework> forced;
  if (!ParseArguments(parser, Arguments, Err) || !ReadFramework(parser, forced, Err))
    return 1;
  const QStringList args = parser.positionalArguments();
  if (args.size() != 1) {
    Err << Usage << Qt::endl;
    return 1;
  }
  video::TVideoSources sources;
  return Command(sources, args[0], forced, Out, Err);
}

}  // namespace

int RunInfo(const QStringList &Arguments, QTextStream &Out, QTextStream &Err) {
  return RunOnOneVideo(
      Arguments, KolibraCliText::tr("Usage: kolibra-cli info FILE [--framework vfw|ds|ffmpeg]"),
      video::VideoInfo, Out, Err);
}

int RunTimes(const QStringList &Arguments, QTextStream &Out, QTextStream &Err) {
  return RunOnOneVideo(
      Arguments, KolibraCliText::tr("Usage: kolibra-cli times VIDEO [--framework vfw|ds|ffmpeg]"),
      video::VideoTimes, Out, Err);
}

int RunFrame(const QStringList &Arguments, QTextStream &Out, QTextStream &Err) {
  QCommandLineParser parser;
  parser.addOption(FrameworkOption());
  std::optional<video::TFramework> forced;
  // QCommandLineParser takes "-1" for options: a negative number goes through as a stand-in
  // and comes back as the positional argument it is, so that the index can be refused for
  // what it is.
  static const QRegularExpression negative(QStringLiteral("^-[0-9]+$"));
  static const QString standIn = QStringLiteral("\x01negative\x01");
  QStringList arguments;
  QStringList negatives;
  for (const QString &argument : Arguments) {
    if (negative.match(argument).hasMatch()) {
      negatives << argument;
      arguments << standIn + QString::number(negatives.size() - 1);
    } else {
      arguments << argument;
    }
  }
  if (!ParseArguments(parser, arguments, Err) || !ReadFramework(parser, forced, Err))
    return 1;
  QStringList args = parser.positionalArguments();
  for (QString &argument : args) {
    if (argument.startsWith(standIn)) argument = negatives.value(argument.mid(standIn.size()).toInt());
  }
  if (args.size() != 3) {
    Err << QCoreApplication::translate(
               "KolibraCliText",
               "Usage: kolibra-cli frame FILE INDEX OUT.png [--framework vfw|ds|ffmpeg]")
        << Qt::endl;
    return 1;
  }
  bool ok = false;
  const int index = args[1].toInt(&ok);
  if (!ok) {
    Err << KolibraCliText::tr("INDEX must be a whole number: %1").arg(args[1]) << Qt::endl;
    return 1;
  }
  video::TVideoSources sources;
  return video::VideoFrame(sources, args[0], index, args[2], forced, Out, Err);
}

}  // namespace kolibra::cli
