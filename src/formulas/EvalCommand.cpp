#include "formulas/EvalCommand.h"

#include "formulas/Parser.h"
#include "formulas/RecUtils.h"
#include "kit/MathUtils.h"

#include <QCoreApplication>
#include <QTextStream>

namespace kolibra::formulas {

TEvalResult EvaluateExpression(const QString &expression, bool radian) {
  TParser parser;
  parser.SetRadian(radian);
  parser.SetFormula(LocalizeDecimal(RemoveBlanks(expression)));
  parser.Evaluate();
  TEvalResult result;
  if (parser.ErrorCode() != peNone) {
    result.Message = parser.ErrorMessage();
    return result;
  }
  result.Ok = true;
  result.Value = parser.Value();
  return result;
}

QString FormatEvalValue(double value) { return QString::number(value, 'g', 17); }

int RunEvalCommand(const QStringList &arguments, QTextStream &out, QTextStream &err) {
  bool radian = false;
  bool optionsEnded = false;
  QStringList words;
  for (const QString &argument : arguments) {
    if (!optionsEnded && argument == QLatin1String("--")) {
      optionsEnded = true;
    } else if (!optionsEnded && argument == QLatin1String("--radian")) {
      radian = true;
    } else if (!optionsEnded &&
               (argument == QLatin1String("--help") || argument == QLatin1String("-h"))) {
      words.clear();
      break;
    } else {
      words << argument;
    }
  }
  if (words.isEmpty()) {
    err << QCoreApplication::translate(
               "KolibraCliText",
               "Usage: kolibra-cli eval EXPRESSION [--radian]\n"
               "Evaluates an expression of the formula language without variables; "
               "angles are in degrees unless --radian is given.")
        << Qt::endl;
    return 1;
  }
  const TEvalResult result = EvaluateExpression(words.join(QLatin1Char(' ')), radian);
  if (!result.Ok) {
    err << result.Message << Qt::endl;
    return 1;
  }
  out << FormatEvalValue(result.Value) << Qt::endl;
  return 0;
}

}  // namespace kolibra::formulas
