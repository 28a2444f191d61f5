#pragma once
// kolibra-cli fit MODEL DATA.tsv [--from T1] [--to T2]: the fit the modeller panel makes, for
// scripts. It reads two tab-separated columns (t and the value, "." decimals), fits the
// model through FitModelCurve and prints one line per parameter (letter, value, standard
// error), the sum of squared residuals and the statistics, tab-separated, numbers with "."
// whatever the locale.

#include "kit/Types.h"
#include "modelling/ModelFit.h"

#include <QString>
#include <QStringList>

#include <optional>

class QTextStream;

namespace kolibra::modelling {

// Reads the samples of a two-column file. Blank lines and lines starting with "#" are
// skipped, and so is a first line that is not numeric (a header). False with a reason
// naming the line when the file cannot be read, a line does not hold exactly two finite
// numbers or the file holds no sample.
bool ReadSeriesTsv(const QString &fileName, TDoubleDynArray &T, TDoubleDynArray &Y, QString &error);

// A number as the command line prints it: the shortest text that reads back to the same
// double, "." as the decimal point; "#Number!" when it is not a finite number.
QString FitNumberText(double value);

// The lines the command prints for a successful fit (without line ends).
QStringList FitReportLines(int type, const TModelFit &fit, const TModelStats &stats);

struct TFitRequest {
  QString Model;     // one of ModelName's names
  QString DataFile;
  std::optional<double> From;  // the sub-range of abscissas fitted (bounds included)
  std::optional<double> To;
};

// Runs the command: 0 with the report on out, or 1 with the reason on err.
int RunFitCommand(const TFitRequest &request, QTextStream &out, QTextStream &err);

}  // namespace kolibra::modelling
