// kolibra-cli codecs: argument parsing only; the work is the video writers'.
#include "Commands.h"
#include "editing/writers/VideoWriters.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace kolibra::cli {

namespace writecommands {

QString Text(const char *Source) { return QCoreApplication::translate("kolibra-cli", Source); }

// "WxH" with two positive whole numbers.
bool ReadSize(const QString &Value, QSize &Size) {
  static const QRegularExpression pattern(QStringLiteral("^\\s*(\\d{1,6})\\s*[xX]\\s*(\\d{1,6})\\s*$"));
  const QRegularExpressionMatch m = pattern.match(Value);
  if (!m.hasMatch()) return false;
  Size = QSize(m.captured(1).toInt(), m.captured(2).toInt());
  return Size.width() > 0 && Size.height() > 0;
}

}  // namespace writecommands

int RunCodecs(const QStringList &Arguments, QTextStream &Out, QTextStream &Err) {
  using writecommands::Text;
  QCommandLineParser parser;
  parser.addOption(QCommandLineOption(QStringLiteral("framework"), Text("Write with vfw, ds or ffmpeg (vfw by default)."),
                                      QStringLiteral("vfw|ds|ffmpeg")));
  parser.addOption(QCommandLineOption(QStringLiteral("size"), Text("The frame size of the video, WIDTHxHEIGHT."),
                                      QStringLiteral("WxH")));
  if (!ParseArguments(parser, Arguments, Err)) return 1;
  const QString usage = Text("Usage: kolibra-cli codecs --size WxH [--framework vfw|ds|ffmpeg]");
  if (!parser.positionalArguments().isEmpty() || !parser.isSet(QStringLiteral("size"))) {
    Err << usage << Qt::endl;
    return 1;
  }
  QSize size;
  if (!writecommands::ReadSize(parser.value(QStringLiteral("size")), size)) {
    Err << Text("The size must be WIDTHxHEIGHT in pixels, such as 640x480: %1").arg(parser.value(QStringLiteral("size")))
        << Qt::endl;
    return 1;
  }
  video::TFramework framework = video::fwVfw;
  if (parser.isSet(QStringLiteral("framework"))) {
    const auto chosen = video::FrameworkFromToken(parser.value(QStringLiteral("framework")));
    if (!chosen) {
      Err << Text("Unknown framework: %1 (vfw, ds or ffmpeg).").arg(parser.value(QStringLiteral("framework")))
          << Qt::endl;
      return 1;
    }
    framework = *chosen;
  }
  editing::TVideoWriters writers;
  return editing::ListCodecs(writers, framework, size, Out, Err);
}

}  // namespace kolibra::cli
