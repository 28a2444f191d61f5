// kolibra-cli codecs, write, stills and assemble: argument parsing only; the work is the
// video writers' and the edited-video writer's (the windows' code path).
#include "Commands.h"
#include "editing/RecordCli.h"
#include "editing/writers/VideoWriters.h"
#include "kit/Texts.h"

#include "kit/Locale.h"

#include <QCoreApplication>
#include <QLocale>
#include <QRect>
#include <QRegularExpression>

namespace kolibra::cli {

namespace writecommands {

// "WxH" with two positive whole numbers.
bool ReadSize(const QString &Value, QSize &Size) {
  static const QRegularExpression pattern(QStringLiteral("^\\s*(\\d{1,6})\\s*[xX]\\s*(\\d{1,6})\\s*$"));
  const QRegularExpressionMatch m = pattern.match(Value);
  if (!m.hasMatch()) return false;
  Size = QSize(m.captured(1).toInt(), m.captured(2).toInt());
  return Size.width() > 0 && Size.height() > 0;
}

// "X,Y,W,H" with a non-negative corner and a positive size.
bool ReadCrop(const QString &Value, QRect &Crop) {
  static const QRegularExpression pattern(
      QStringLiteral("^\\s*(\\d{1,6})\\s*,\\s*(\\d{1,6})\\s*,\\s*(\\d{1,6})\\s*,\\s*(\\d{1,6})\\s*$"));
  const QRegularExpressionMatch m = pattern.match(Value);
  if (!m.hasMatch()) return false;
  Crop = QRect(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt(), m.captured(4).toInt());
  return Crop.width() > 0 && Crop.height() > 0;
}

// The options shared by write and assemble; false with the reason on Err.
bool ReadWriteOptions(const QCommandLineParser &Parser, editing::TCliWriteOptions &Options, QTextStream &Err) {
  const auto value = [&Parser](const char *name) { return Parser.value(QLatin1String(name)); };
  if (Parser.isSet(QStringLiteral("framework"))) {
    const auto chosen = video::FrameworkFromToken(value("framework"));
    if (!chosen) {
      Err << KolibraCliText::tr("Unknown framework: %1 (vfw, ds or ffmpeg).")
                 .arg(value("framework"))
          << Qt::endl;
      return false;
    }
    Options.Framework = *chosen;
  }
  Options.Codec = value("codec");
  if (Parser.isSet(QStringLiteral("quality"))) {
    bool ok = false;
    const int quality = value("quality").toInt(&ok);
    if (!ok) {
      Err << KolibraCliText::tr("The quality is a percentage from 10 to 100: %1")
                 .arg(value("quality"))
          << Qt::endl;
      return false;
    }
    Options.Quality = quality;
  }
  if (Parser.isSet(QStringLiteral("rate"))) {
    bool ok = false;
    const double rate = QLocale::c().toDouble(value("rate"), &ok);
    if (!ok || !(rate > 0.0) || !video::TFrameRate::Nearest(rate).IsValid()) {
      Err << KolibraCliText::tr("The rate must be a number of frames per second above 0: %1")
                 .arg(value("rate"))
          << Qt::endl;
      return false;
    }
    Options.Rate = rate;
  }
  return true;
}

QList<QCommandLineOption> CompressionOptions() {
  return {
      QCommandLineOption(QStringLiteral("framework"),
                         KolibraCliText::tr("Write with vfw, ds or ffmpeg (vfw by default)."),
                         QStringLiteral("vfw|ds|ffmpeg")),
      QCommandLineOption(QStringLiteral("codec"),
                         KolibraCliText::tr("A codec name as kolibra-cli codecs lists it."),
                         QStringLiteral("NAME")),
      QCommandLineOption(QStringLiteral("quality"),
                         KolibraCliText::tr("Compression quality in percent (10 to 100)."),
                         QStringLiteral("P")),
      QCommandLineOption(QStringLiteral("rate"), KolibraCliText::tr("Frames per second written."),
                         QStringLiteral("R"))};
}

}  // namespace writecommands

int RunCodecs(const QStringList &Arguments, QTextStream &Out, QTextStream &Err) {
  QCommandLineParser parser;
  parser.addOption(
      QCommandLineOption(QStringLiteral("framework"),
                         KolibraCliText::tr("Write with vfw, ds or ffmpeg (vfw by default)."),
                         QStringLiteral("vfw|ds|ffmpeg")));
  parser.addOption(QCommandLineOption(
      QStringLiteral("size"), KolibraCliText::tr("The frame size of the video, WIDTHxHEIGHT."),
      QStringLiteral("WxH")));
  if (!ParseArguments(parser, Arguments, Err)) return 1;
  const QString usage =
      KolibraCliText::tr("Usage: kolibra-cli codecs --size WxH [--framework vfw|ds|ffmpeg]");
  if (!parser.positionalArguments().isEmpty() || !parser.isSet(QStringLiteral("size"))) {
    Err << usage << Qt::endl;
    return 1;
  }
  QSize size;
  if (!writecommands::ReadSize(parser.value(QStringLiteral("size")), size)) {
    Err << KolibraCliText::tr("The size must be WIDTHxHEIGHT in pixels, such as 640x480: %1")
               .arg(parser.value(QStringLiteral("size")))
        << Qt::endl;
    return 1;
  }
  video::TFramework framework = video::fwVfw;
  if (parser.isSet(QStringLiteral("framework"))) {
    const auto chosen = video::FrameworkFromToken(parser.value(QStringLiteral("framework")));
    if (!chosen) {
      Err << KolibraCliText::tr("Unknown framework: %1 (vfw, ds or ffmpeg).")
                 .arg(parser.value(QStringLiteral("framework")))
          << Qt::endl;
      return 1;
    }
    framework = *chosen;
  }
  editing::TVideoWriters writers;
  return editing::ListCodecs(writers, framework, size, Out, Err);
}

int RunWrite(const QStringList &Arguments, QTextStream &Out, QTextStream &Err) {
  QCommandLineParser parser;
  parser.addOptions(writecommands::CompressionOptions());
  parser.addOption(QCommandLineOption(QStringLiteral("size"),
                                      KolibraCliText::tr("Resize the frames to WIDTHxHEIGHT."),
                                      QStringLiteral("WxH")));
  parser.addOption(QCommandLineOption(
      QStringLiteral("crop"), KolibraCliText::tr("Keep the part X,Y,WIDTH,HEIGHT of the frames."),
      QStringLiteral("X,Y,W,H")));
  parser.addOption(
      QCommandLineOption(QStringLiteral("blanks"),
                         KolibraCliText::tr("Grey frames for the montage's missing frames.")));
  if (!ParseArguments(parser, Arguments, Err)) return 1;
  const QStringList positional = parser.positionalArguments();
  if (positional.size() != 2) {
    Err << KolibraCliText::tr(
               "Usage: kolibra-cli write SRC OUT.avi [--framework vfw|ds|ffmpeg] [--codec NAME] "
               "[--quality P] "
               "[--size WxH | --crop X,Y,W,H] [--rate R] [--blanks]")
        << Qt::endl;
    return 1;
  }
  editing::TCliWriteOptions options;
  if (!writecommands::ReadWriteOptions(parser, options, Err)) return 1;
  if (parser.isSet(QStringLiteral("size")) && parser.isSet(QStringLiteral("crop"))) {
    Err << KolibraCliText::tr("Choose --size or --crop, not both.") << Qt::endl;
    return 1;
  }
  if (parser.isSet(QStringLiteral("size"))) {
    QSize size;
    if (!writecommands::ReadSize(parser.value(QStringLiteral("size")), size)) {
      Err << KolibraCliText::tr("The size must be WIDTHxHEIGHT in pixels, such as 640x480: %1")
                 .arg(parser.value(QStringLiteral("size")))
          << Qt::endl;
      return 1;
    }
    options.Size = size;
  }
  if (parser.isSet(QStringLiteral("crop"))) {
    QRect crop;
    if (!writecommands::ReadCrop(parser.value(QStringLiteral("crop")), crop)) {
      Err << KolibraCliText::tr(
                 "The crop must be X,Y,WIDTH,HEIGHT in pixels, such as 10,0,320,240: %1")
                 .arg(parser.value(QStringLiteral("crop")))
          << Qt::endl;
      return 1;
    }
    options.Crop = crop;
  }
  options.InsertBlanks = parser.isSet(QStringLiteral("blanks"));
  const ScopedDecimalSeparator point(QLatin1Char('.'));
  return editing::WriteVideoCli(positional[0], positional[1], options, Out, Err);
}

int RunStills(const QStringList &Arguments, QTextStream &Out, QTextStream &Err) {
  QCommandLineParser parser;
  if (!ParseArguments(parser, Arguments, Err)) return 1;
  const QStringList positional = parser.positionalArguments();
  if (positional.size() != 2) {
    Err << KolibraCliText::tr("Usage: kolibra-cli stills SRC BASE") << Qt::endl;
    return 1;
  }
  return editing::WriteStillsCli(positional[0], positional[1], Out, Err);
}

int RunAssemble(const QStringList &Arguments, QTextStream &Out, QTextStream &Err) {
  QCommandLineParser parser;
  parser.addOptions(writecommands::CompressionOptions());
  if (!ParseArguments(parser, Arguments, Err)) return 1;
  const QStringList positional = parser.positionalArguments();
  if (positional.size() < 2 || !parser.isSet(QStringLiteral("rate"))) {
    Err << KolibraCliText::tr(
               "Usage: kolibra-cli assemble OUT.avi --rate R IMAGES... [--framework vfw|ds|ffmpeg] "
               "[--codec NAME] "
               "[--quality P]")
        << Qt::endl;
    return 1;
  }
  editing::TCliWriteOptions options;
  if (!writecommands::ReadWriteOptions(parser, options, Err)) return 1;
  const ScopedDecimalSeparator point(QLatin1Char('.'));
  return editing::AssembleCli(positional[0], positional.mid(1), options, Out, Err);
}

}  // namespace kolibra::cli
