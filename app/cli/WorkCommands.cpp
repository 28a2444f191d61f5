// kolibra-cli results, resave, calibrate and recover: argument parsing only; the work is the work
// subsystem's, which loads work files with the program's own loader.
#include "Commands.h"
#include "kit/Texts.h"
#include "work/Recovery.h"
#include "work/WorkCli.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>

namespace kolibra::cli {

int RunResults(const QStringList &Arguments, QTextStream &Out, QTextStream &Err) {
  QCommandLineParser parser;
  const QCommandLineOption layer(
      QStringLiteral("layer"), KolibraCliText::tr("The results of the measurement on the layer."));
  const QCommandLineOption format(
      QStringLiteral("format"),
      KolibraCliText::tr("tsv (the datasheet's text form, by default), csv or json."),
      QStringLiteral("FORMAT"), QStringLiteral("tsv"));
  const QCommandLineOption mass(
      QStringLiteral("mass"),
      KolibraCliText::tr("The mass of an object in kilograms, for this run (may be repeated)."),
      QStringLiteral("NAME=KG"));
  parser.addOption(layer);
  parser.addOption(format);
  parser.addOption(mass);
  if (!ParseArguments(parser, Arguments, Err)) return 1;
  const QStringList args = parser.positionalArguments();
  if (args.size() != 1) {
    Err << KolibraCliText::tr(
               "Usage: kolibra-cli results WORK.klb [--layer] [--format tsv|csv|json] [--mass "
               "NAME=KG]...")
        << Qt::endl;
    return 1;
  }
  work::TResultsFormat chosen = work::TResultsFormat::Tsv;
  if (!work::ParseResultsFormat(parser.value(format), chosen)) {
    Err << KolibraCliText::tr("--format must be tsv, csv or json: %1").arg(parser.value(format))
        << Qt::endl;
    return 1;
  }
  work::TMassOverrides masses;
  for (const QString &given : parser.values(mass)) {
    const qsizetype equals = given.lastIndexOf(QLatin1Char('='));
    double kilograms = 0.0;
    // The mass is a number with "." whatever the region, above zero.
    bool ok = equals > 0;
    if (ok) kilograms = given.mid(equals + 1).trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(kilograms) || !(kilograms > 0.0)) {
      Err << KolibraCliText::tr("--mass must be NAME=KG with a mass above zero in kilograms: %1")
                 .arg(given)
          << Qt::endl;
      return 1;
    }
    masses.push_back({given.left(equals), kilograms});
  }
  return work::WorkResults(args[0], parser.isSet(layer), chosen, masses, Out, Err);
}

int RunResave(const QStringList &Arguments, QTextStream &Out, QTextStream &Err) {
  Q_UNUSED(Out);
  QCommandLineParser parser;
  if (!ParseArguments(parser, Arguments, Err)) return 1;
  const QStringList args = parser.positionalArguments();
  if (args.size() != 2) {
    Err << KolibraCliText::tr("Usage: kolibra-cli resave IN.klb OUT.klb") << Qt::endl;
    return 1;
  }
  return work::WorkResave(args[0], args[1], Err);
}

int RunCalibrate(const QStringList &Arguments, QTextStream &Out, QTextStream &Err) {
  const QString usage = KolibraCliText::tr(
      "Usage: kolibra-cli calibrate WORK.klb OUT.klb --plane X1,Y1;X2,Y2;X3,Y3;X4,Y4 --size W,H "
      "[--lens K1[,K2]] [--focal F] [--centre CX,CY] [--straight X,Y;X,Y;...]... "
      "[--checkerboard COLSxROWS]");
  QCommandLineParser parser;
  parser.addOption(
      {QStringLiteral("plane"),
       KolibraCliText::tr(
           "The corners of a rectangle in the plane of the motion, in picture pixels, in the order "
           "(0,0), (W,0), (W,H), (0,H)."),
       QStringLiteral("CORNERS")});
  parser.addOption({QStringLiteral("size"),
                    KolibraCliText::tr("The rectangle's width and height in metres."),
                    QStringLiteral("W,H")});
  parser.addOption({QStringLiteral("lens"), KolibraCliText::tr("The lens's radial coefficients."),
                    QStringLiteral("K1[,K2]")});
  parser.addOption(
      {QStringLiteral("focal"),
       KolibraCliText::tr("The focal length in pixels (the picture's width by default)."),
       QStringLiteral("F")});
  parser.addOption(
      {QStringLiteral("centre"),
       KolibraCliText::tr("The lens's centre in pixels (the picture's centre by default)."),
       QStringLiteral("CX,CY")});
  parser.addOption(
      {QStringLiteral("straight"),
       KolibraCliText::tr("A line straight in reality, to fit the lens from (may be repeated)."),
       QStringLiteral("POINTS")});
  parser.addOption({QStringLiteral("checkerboard"),
                    KolibraCliText::tr("A printed checkerboard filmed in the video, by its inner "
                                       "corners, to fit the lens from."),
                    QStringLiteral("COLSxROWS")});
  if (!ParseArguments(parser, Arguments, Err)) return 1;
  const QStringList args = parser.positionalArguments();
  if (args.size() != 2 || !parser.isSet(QStringLiteral("plane")) || !parser.isSet(QStringLiteral("size"))) {
    Err << usage << Qt::endl;
    return 1;
  }
  work::TCalibrationRequest request;
  TPointDDynArray corners;
  if (!ParsePoints(parser.value(QStringLiteral("plane")), corners, 4) || corners.size() != 4) {
    Err << KolibraCliText::tr(
               "--plane must be four corners X1,Y1;X2,Y2;X3,Y3;X4,Y4 in picture pixels: %1")
               .arg(parser.value(QStringLiteral("plane")))
        << Qt::endl;
    return 1;
  }
  std::copy(corners.begin(), corners.end(), request.Corners.begin());
  TPointD size;
  if (!ParsePoint(parser.value(QStringLiteral("size")), size)) {
    Err << KolibraCliText::tr("--size must be W,H in metres: %1")
               .arg(parser.value(QStringLiteral("size")))
        << Qt::endl;
    return 1;
  }
  request.Width = size.X;
  request.Height = size.Y;
  if (parser.isSet(QStringLiteral("lens"))) {
    const QStringList parts = parser.value(QStringLiteral("lens")).split(QLatin1Char(','));
    bool ok1 = false, ok2 = parts.size() < 2;
    request.K1 = parts[0].trimmed().toDouble(&ok1);
    if (parts.size() == 2) request.K2 = parts[1].trimmed().toDouble(&ok2);
    if (parts.size() > 2 || !ok1 || !ok2 || !std::isfinite(request.K1) || !std::isfinite(request.K2)) {
      Err << KolibraCliText::tr("--lens must be K1 or K1,K2: %1")
                 .arg(parser.value(QStringLiteral("lens")))
          << Qt::endl;
      return 1;
    }
    request.HasLens = true;
  }
  if (parser.isSet(QStringLiteral("focal"))) {
    bool ok = false;
    request.Focal = parser.value(QStringLiteral("focal")).toDouble(&ok);
    if (!ok || !(request.Focal > 0.0) || !std::isfinite(request.Focal)) {
      Err << KolibraCliText::tr("--focal must be a length in pixels above zero: %1")
                 .arg(parser.value(QStringLiteral("focal")))
          << Qt::endl;
      return 1;
    }
  }
  if (parser.isSet(QStringLiteral("centre"))) {
    if (!ParsePoint(parser.value(QStringLiteral("centre")), request.Centre)) {
      Err << KolibraCliText::tr("--centre must be CX,CY in picture pixels: %1")
                 .arg(parser.value(QStringLiteral("centre")))
          << Qt::endl;
      return 1;
    }
    request.HasCentre = true;
  }
  for (const QString &line : parser.values(QStringLiteral("straight"))) {
    TPointDDynArray points;
    if (!ParsePoints(line, points, 3)) {
      Err << KolibraCliText::tr(
                 "--straight must be at least three points X,Y;X,Y;X,Y in picture pixels: %1")
                 .arg(line)
          << Qt::endl;
      return 1;
    }
    request.Straight.push_back(points);
  }
  if (parser.isSet(QStringLiteral("checkerboard"))) {
    static const QRegularExpression pattern(QStringLiteral("^\\s*(\\d{1,2})\\s*[xX]\\s*(\\d{1,2})\\s*$"));
    const QRegularExpressionMatch match = pattern.match(parser.value(QStringLiteral("checkerboard")));
    if (!match.hasMatch() || match.captured(1).toInt() < 3 || match.captured(2).toInt() < 3) {
      Err << KolibraCliText::tr(
                 "--checkerboard must be the board's inner corners COLSxROWS, at least 3x3: %1")
                 .arg(parser.value(QStringLiteral("checkerboard")))
          << Qt::endl;
      return 1;
    }
    request.BoardColumns = match.captured(1).toInt();
    request.BoardRows = match.captured(2).toInt();
  }
  return work::WorkCalibrate(args[0], args[1], request, Out, Err);
}

int RunRecover(const QStringList &Arguments, QTextStream &Out, QTextStream &Err) {
  QCommandLineParser parser;
  const QCommandLineOption list(
      QStringLiteral("list"),
      KolibraCliText::tr("One line per recovery file: path, video, saved_at, marks, state."));
  parser.addOption(list);
  if (!ParseArguments(parser, Arguments, Err)) return 1;
  if (!parser.isSet(list) || !parser.positionalArguments().isEmpty()) {
    Err << KolibraCliText::tr("Usage: kolibra-cli recover --list") << Qt::endl;
    return 1;
  }
  return work::RecoverList(work::RecoveryFolder(), Out, Err);
}

}  // namespace kolibra::cli
