#include "modelling/FitCommand.h"

#include "kit/Texts.h"

#include <QCoreApplication>
#include <QFile>
#include <QLocale>
#include <QTextStream>

#include <cmath>
#include <limits>

namespace kolibra::modelling {

namespace fit_command_impl {

constexpr const char *TranslationContext = "KolibraCliText";

// A finite number written with "." whatever the locale.
bool ReadNumber(const QString &text, double &value) {
  bool ok = false;
  const double v = QLocale::c().toDouble(text.trimmed(), &ok);
  if (!ok || !std::isfinite(v)) return false;
  value = v;
  return true;
}

}  // namespace fit_command_impl

bool ReadSeriesTsv(const QString &fileName, TDoubleDynArray &T, TDoubleDynArray &Y, QString &error) {
  using namespace fit_command_impl;
  T.clear();
  Y.clear();
  QFile file(fileName);
  if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
    error = KolibraCliText::tr("Cannot read %1: %2").arg(fileName, file.errorString());
    return false;
  }
  QTextStream in(&file);
  int lineNumber = 0;
  bool firstContent = true;
  while (!in.atEnd()) {
    const QString line = in.readLine();
    ++lineNumber;
    const QString trimmed = line.trimmed();
    if (trimmed.isEmpty() || trimmed.startsWith(QLatin1Char('#'))) continue;
    const QStringList fields = line.split(QLatin1Char('\t'));
    double t = 0.0, y = 0.0;
    const bool numeric = fields.size() == 2 && ReadNumber(fields[0], t) && ReadNumber(fields[1], y);
    if (!numeric && firstContent) {  // a header line
      firstContent = false;
      continue;
    }
    firstContent = false;
    if (!numeric) {
      error = KolibraCliText::tr(
                  "%1, line %2: expected two numbers separated by a tab (\".\" decimals): %3")
                  .arg(fileName)
                  .arg(lineNumber)
                  .arg(line);
      return false;
    }
    T.push_back(t);
    Y.push_back(y);
  }
  if (T.empty()) {
    error = KolibraCliText::tr("%1 holds no sample.").arg(fileName);
    return false;
  }
  return true;
}

QString FitNumberText(double value) {
  if (!std::isfinite(value)) return QStringLiteral("#Number!");
  return QString::number(value, 'g', QLocale::FloatingPointShortest);
}

QStringList FitReportLines(int type, const TModelFit &fit, const TModelStats &stats) {
  QStringList lines;
  const QChar tab(QLatin1Char('\t'));
  for (size_t i = 0; i < fit.Params.size(); ++i) {
    const double error = i < fit.StdErrors.size() ? fit.StdErrors[i] : std::numeric_limits<double>::quiet_NaN();
    lines << ParameterLetter(int(i)) + tab + FitNumberText(fit.Params[i]) + tab + FitNumberText(error);
  }
  lines << QStringLiteral("chi2") + tab + FitNumberText(fit.Chi2);
  lines << QStringLiteral("relative precision") + tab + FitNumberText(stats.RelPrecision);
  lines << QStringLiteral("average quadratic variation") + tab + FitNumberText(stats.RmsDev);
  if (ShowsCorrelation(type))
    lines << QStringLiteral("correlation coefficient") + tab + FitNumberText(stats.Correlation);
  return lines;
}

int RunFitCommand(const TFitRequest &request, QTextStream &out, QTextStream &err) {
  using namespace fit_command_impl;
  const int type = ModelTypeFromName(request.Model);
  if (type == mtNone) {
    err << KolibraCliText::tr(
               "Unknown model: %1 (constant, proportional, affine, exponential, parabola, sine, "
               "damped-sine-exp or damped-sine-lin).")
               .arg(request.Model)
        << Qt::endl;
    return 1;
  }
  TDoubleDynArray t, y;
  QString error;
  if (!ReadSeriesTsv(request.DataFile, t, y, error)) {
    err << error << Qt::endl;
    return 1;
  }
  if (request.From || request.To) {
    const double from = request.From.value_or(-std::numeric_limits<double>::infinity());
    const double to = request.To.value_or(std::numeric_limits<double>::infinity());
    TDoubleDynArray rangeT, rangeY;
    SelectRange(t, y, from, to, rangeT, rangeY);
    t.swap(rangeT);
    y.swap(rangeY);
  }
  const TModelFit fit = FitModelCurve(type, t, y);
  if (fit.Result != frOk) {
    err << FitMessage(fit.Result) << Qt::endl;
    return 1;
  }
  const TModelStats stats = ModelStatistics(type, fit.Params, t, y);
  for (const QString &line : FitReportLines(type, fit, stats)) out << line << '\n';
  out.flush();
  return 0;
}

}  // namespace kolibra::modelling
