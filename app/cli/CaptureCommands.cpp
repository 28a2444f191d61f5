// kolibra-cli capture: argument parsing only; the recording is the capture controller's.
#include "Commands.h"
#include "capture/CaptureCli.h"
#include "kit/Texts.h"
#include "settings/Options.h"

#include <QCoreApplication>

namespace kolibra::cli {

int RunCapture(const QStringList &Arguments, QTextStream &Out, QTextStream &Err) {
  const QString usage = QStringLiteral(
      "Usage: kolibra-cli capture --device NAME [--framework 0|1] [--format WxH] [--rate R] [--codec NAME] "
      "[--delay S] --duration S OUT.avi");
  QCommandLineParser parser;
  parser.addOption(
      {QStringLiteral("device"),
       KolibraCliText::tr("The camera, as listed (\"Kolibra test pattern\" always is)."),
       QStringLiteral("NAME")});
  parser.addOption({QStringLiteral("framework"),
                    KolibraCliText::tr("0: libavdevice, 1: GStreamer."), QStringLiteral("0|1")});
  parser.addOption(
      {QStringLiteral("format"), KolibraCliText::tr("The picture size."), QStringLiteral("WxH")});
  parser.addOption(
      {QStringLiteral("rate"), KolibraCliText::tr("Frames per second."), QStringLiteral("R")});
  parser.addOption({QStringLiteral("codec"),
                    KolibraCliText::tr("without, \"Motion JPEG\" or FFV1."),
                    QStringLiteral("NAME")});
  parser.addOption({QStringLiteral("delay"), KolibraCliText::tr("Seconds before recording starts."),
                    QStringLiteral("S")});
  parser.addOption(
      {QStringLiteral("duration"), KolibraCliText::tr("Seconds recorded."), QStringLiteral("S")});
  if (!ParseArguments(parser, Arguments, Err)) return 1;
  const QStringList args = parser.positionalArguments();
  if (args.size() != 1 || !parser.isSet(QStringLiteral("device")) || !parser.isSet(QStringLiteral("duration"))) {
    Err << usage << Qt::endl;
    return 1;
  }
  capture::TCaptureCommand command;
  command.Device = parser.value(QStringLiteral("device"));
  command.Format = parser.value(QStringLiteral("format"));
  command.Codec = parser.value(QStringLiteral("codec"));
  command.Out = args[0];
  command.TemporaryFolder = settings::TemporaryFolder();
  const struct {
    const char *Name;
    int *Value;
    int Minimum;
    int Maximum;
  } numbers[] = {{"framework", &command.Framework, 0, 1}, {"rate", &command.Rate, 1, 1000},
                 {"delay", &command.Delay, 0, 3600},      {"duration", &command.Duration, 1, 24 * 3600}};
  for (const auto &n : numbers) {
    const QString name = QLatin1String(n.Name);
    if (!parser.isSet(name)) continue;
    bool ok = false;
    const int value = parser.value(name).toInt(&ok);
    if (!ok || value < n.Minimum || value > n.Maximum) {
      Err << KolibraCliText::tr("--%1 must be a whole number from %2 to %3: %4")
                 .arg(name)
                 .arg(n.Minimum)
                 .arg(n.Maximum)
                 .arg(parser.value(name))
          << Qt::endl;
      return 1;
    }
    *n.Value = value;
  }
  return capture::RunCaptureCommand(command, Out, Err);
}

}  // namespace kolibra::cli
