// kolibra-cli track: argument parsing only; the tracking is the tracking subsystem's, the
// same run the main window makes.
#include "Commands.h"
#include "kit/Texts.h"
#include "tracking/TrackCli.h"

#include <QCoreApplication>
#include <climits>
#include <cmath>

namespace kolibra::cli {

bool ParsePoint(const QString &Text, TPointD &Point) {
  const QStringList parts = Text.split(QLatin1Char(','));
  if (parts.size() != 2) return false;
  bool okX = false, okY = false;
  Point = TPointD(parts[0].trimmed().toDouble(&okX), parts[1].trimmed().toDouble(&okY));
  return okX && okY && std::isfinite(Point.X) && std::isfinite(Point.Y);
}

bool ParsePoints(const QString &Text, TPointDDynArray &Polygon, int least) {
  Polygon.clear();
  for (const QString &part : Text.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
    TPointD point;
    if (!ParsePoint(part, point)) return false;
    Polygon.push_back(point);
  }
  return int(Polygon.size()) >= least;
}

namespace track_commands {

bool ParseWhole(const QCommandLineParser &Parser, const QString &Name, int Low, int High, int &Value,
                QTextStream &Err) {
  if (!Parser.isSet(Name)) return true;
  bool ok = false;
  const int parsed = Parser.value(Name).toInt(&ok);
  if (!ok || parsed < Low || parsed > High) {
    Err << KolibraCliText::tr("--%1 must be a whole number from %2 to %3: %4")
               .arg(Name)
               .arg(Low)
               .arg(High)
               .arg(Parser.value(Name))
        << Qt::endl;
    return false;
  }
  Value = parsed;
  return true;
}

// "circle" or "polygon" for each outline option, in the order they were given (as --name
// VALUE, --name=VALUE, or with a single dash).
QStringList OutlineOrder(const QStringList &Arguments) {
  QStringList order;
  for (const QString &argument : Arguments) {
    if (!argument.startsWith(QLatin1Char('-'))) continue;
    QString name = argument.mid(argument.startsWith(QLatin1String("--")) ? 2 : 1);
    name = name.section(QLatin1Char('='), 0, 0);
    if (name == QLatin1String("circle") || name == QLatin1String("polygon")) order << name;
  }
  return order;
}

}  // namespace track_commands

int RunTrack(const QStringList &Arguments, QTextStream &Out, QTextStream &Err) {
  using namespace track_commands;
  const QString usage = KolibraCliText::tr(
      "Usage: kolibra-cli track VIDEO (--circle X,Y,R | --polygon X1,Y1;X2,Y2;...)... [--from F] "
      "[--to L] [--step K] [--radius R] [--ignore POLYGON]... [--framework vfw|ds|ffmpeg]");
  QCommandLineParser parser;
  parser.addOption(FrameworkOption());
  parser.addOption(
      {QStringLiteral("circle"),
       KolibraCliText::tr("An object to follow: a circle in frame pixels (may be repeated)."),
       QStringLiteral("X,Y,R")});
  parser.addOption(
      {QStringLiteral("polygon"),
       KolibraCliText::tr("An object to follow: a polygon in frame pixels (may be repeated)."),
       QStringLiteral("POLYGON")});
  parser.addOption({QStringLiteral("from"),
                    KolibraCliText::tr("The frame the outline is on (0 by default)."),
                    QStringLiteral("F")});
  parser.addOption({QStringLiteral("to"),
                    KolibraCliText::tr("The last frame to track (the video's last by default)."),
                    QStringLiteral("L")});
  parser.addOption({QStringLiteral("step"),
                    KolibraCliText::tr("Frames between two tracked frames (1 by default)."),
                    QStringLiteral("K")});
  parser.addOption({QStringLiteral("radius"),
                    KolibraCliText::tr("Search radius in pixels, 10 to 100 (40 by default)."),
                    QStringLiteral("R")});
  parser.addOption({QStringLiteral("ignore"),
                    KolibraCliText::tr("A zone to ignore: a polygon in frame pixels."),
                    QStringLiteral("POLYGON")});
  std::optional<video::TFramework> forced;
  if (!ParseArguments(parser, Arguments, Err) || !ReadFramework(parser, forced, Err)) return 1;
  const QStringList args = parser.positionalArguments();
  const QStringList circles = parser.values(QStringLiteral("circle"));
  const QStringList polygons = parser.values(QStringLiteral("polygon"));
  if (args.size() != 1 || circles.size() + polygons.size() == 0) {
    Err << usage << Qt::endl;
    return 1;
  }

  tracking::TTrackRequest request;
  request.FileName = args[0];
  request.Forced = forced;
  // The objects are numbered in the order their outlines stand on the command line.
  int nextCircle = 0, nextPolygon = 0;
  for (const QString &argument : OutlineOrder(Arguments)) {
    tracking::TTrackOutline object;
    if (argument == QLatin1String("circle")) {
      if (nextCircle >= circles.size()) continue;
      const QString text = circles[nextCircle++];
      const QStringList parts = text.split(QLatin1Char(','));
      bool okR = false;
      const double radius = parts.size() == 3 ? parts[2].trimmed().toDouble(&okR) : 0.0;
      if (!okR || !(radius >= 1.0 && radius < 1e6) ||
          !ParsePoint(parts[0] + QLatin1Char(',') + parts[1], object.CircleCentre)) {
        Err << KolibraCliText::tr("--circle must be X,Y,R in frame pixels with R at least 1: %1")
                   .arg(text)
            << Qt::endl;
        return 1;
      }
      object.CircleRadius = radius;
    } else {
      if (nextPolygon >= polygons.size()) continue;
      const QString text = polygons[nextPolygon++];
      if (!ParsePoints(text, object.Polygon)) {
        Err << KolibraCliText::tr(
                   "--polygon must be at least three points X1,Y1;X2,Y2;X3,Y3 in frame pixels: %1")
                   .arg(text)
            << Qt::endl;
        return 1;
      }
    }
    request.Objects.push_back(object);
  }
  for (const QString &zone : parser.values(QStringLiteral("ignore"))) {
    TPointDDynArray polygon;
    if (!ParsePoints(zone, polygon)) {
      Err << KolibraCliText::tr(
                 "--ignore must be at least three points X1,Y1;X2,Y2;X3,Y3 in frame pixels: %1")
                 .arg(zone)
          << Qt::endl;
      return 1;
    }
    request.Ignore.push_back(polygon);
  }
  int to = -1;
  if (!ParseWhole(parser, QStringLiteral("from"), 0, INT_MAX, request.From, Err) ||
      !ParseWhole(parser, QStringLiteral("to"), 0, INT_MAX, to, Err) ||
      !ParseWhole(parser, QStringLiteral("step"), 1, INT_MAX, request.Step, Err) ||
      !ParseWhole(parser, QStringLiteral("radius"), 10, 100, request.Radius, Err))
    return 1;
  if (parser.isSet(QStringLiteral("to"))) request.To = to;
  video::TVideoSources sources;
  return tracking::TrackVideo(sources, request, Out, Err);
}

}  // namespace kolibra::cli
