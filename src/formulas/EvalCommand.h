#pragma once
// kolibra-cli eval EXPRESSION [--radian]: one expression of the formula language, without
// variables, evaluated as the formulas window would (blanks removed, "." and "," read as the
// decimal separator, angles in degrees unless --radian), so that scripts and teachers can
// check what the language makes of a text.

#include <QString>
#include <QStringList>

class QTextStream;

namespace kolibra::formulas {

struct TEvalResult {
  bool Ok = false;
  double Value = 0.0;
  QString Message;  // the parser's message when not Ok
};

TEvalResult EvaluateExpression(const QString &expression, bool radian);

// 17 significant digits, "." as the decimal point: enough to read the double back exactly.
QString FormatEvalValue(double value);

// The command with the arguments that follow "eval": prints the value on out and returns 0,
// or prints the error message (or the usage) on err and returns 1. The expression may be
// split over several arguments and may start with "-"; "--" ends the options.
int RunEvalCommand(const QStringList &arguments, QTextStream &out, QTextStream &err);

}  // namespace kolibra::formulas
