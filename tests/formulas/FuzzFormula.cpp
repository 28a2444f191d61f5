#include "FuzzFormula.h"

#include "formulas/Parser.h"
#include "kit/Locale.h"

#include <cmath>
#include <cstring>
#include <limits>

namespace kolibra::formulas::fuzzing {

namespace {

bool FuzzIsKnownCode(int code) {
  switch (code) {
    case peNone: case peUnclosedBracket: case peUnopenedBracket: case peEmptyBrackets:
    case peBadNumber: case peCosine: case peSine: case peTangent: case peArcCosine:
    case peArcSine: case peArcTangent: case peLogarithm: case peSquareRoot:
    case peDivisionByZero: case peNegativeBasePower: case peExponential: case pePower:
    case peOutOfRange: case peUnknownVariable: case peBadCharacter: case peBadIndex:
    case peNoArgument: case peNoOperand: case peNoOperator: case peEmptyFormula:
    case peUnknownValue: case peUnclosedIndex: case peMisplacedSemicolon: case peTooLong:
    case peTooDeep:
      return true;
    default:
      return false;
  }
}

bool FuzzSameValue(double a, double b) {
  if (std::isnan(a) || std::isnan(b)) return std::isnan(a) && std::isnan(b);
  return std::memcmp(&a, &b, sizeof a) == 0;
}

// A fixed world of variables; indexed v_lam has the value of its index for small indices
// and no value beyond, like a series with a few rows.
void FuzzVariable(const QString &name, int index, bool isAbsolute, bool hasIndex, double &value,
                  bool &found, bool &known) {
  const QString key = name.toLower();
  struct TNamed {
    const char *Name;
    double Value;
  };
  static const TNamed named[] = {
      {"x", 2.0},
      {"y", -3.0},
      {"t", 0.5},
      {"nan", std::numeric_limits<double>::quiet_NaN()},
      {"inf", std::numeric_limits<double>::infinity()},
      {"big", 1e300},
      {"zero", 0.0},
  };
  for (const TNamed &n : named) {
    if (key == QLatin1String(n.Name)) {
      found = known = true;
      value = n.Value;
      return;
    }
  }
  if (key == QString::fromUtf8("m²")) {
    found = known = true;
    value = 4.0;
  } else if (key == QLatin1String("v_lam")) {
    found = true;
    known = !hasIndex || (index >= -5 && index <= 5);
    if (known) value = isAbsolute ? index : 10.0 + index;
  } else if (key == QLatin1String("u")) {
    found = true;
  }
}

QString FuzzCheckOne(const QString &formula, bool radian) {
  TParser parser;
  parser.OnVariable = FuzzVariable;
  parser.SetRadian(radian);
  parser.SetFormula(formula);
  parser.Evaluate();
  const int code = parser.ErrorCode();
  const QString arg = parser.ErrorArg();
  const double value = parser.Value();

  if (!FuzzIsKnownCode(code)) return QStringLiteral("unknown error code %1").arg(code);
  const QString message = parser.ErrorMessage();
  if (message.isEmpty() || message.contains(QLatin1String("%1")))
    return QStringLiteral("bad message for code %1: %2").arg(code).arg(message);
  if (code != peNone && !std::isnan(value))
    return QStringLiteral("error %1 with a value %2").arg(code).arg(value);
  if (code == peNone && (parser.ParseFailed() || parser.BuildFailed() || !parser.Root()))
    return QStringLiteral("success without a tree");
  if (!parser.ParseFailed()) {
    qsizetype variables = 0;
    for (const TElemPile &elem : parser.Elements()) {
      if (elem.Kind == ekNone || elem.Kind > ekClose) return QStringLiteral("element without kind");
      if (elem.Level > MaxBracketDepth) return QStringLiteral("element nested too deep");
      if (elem.Kind == ekVariable) ++variables;
    }
    if (variables != parser.Variables().size())
      return QStringLiteral("%1 variable elements but %2 names")
          .arg(variables)
          .arg(parser.Variables().size());
  }

  // The tree is reused: a second evaluation must tell the same story.
  parser.Evaluate();
  if (parser.ErrorCode() != code || parser.ErrorArg() != arg ||
      !FuzzSameValue(parser.Value(), value))
    return QStringLiteral("second evaluation differs: %1/%2 then %3/%4")
        .arg(code)
        .arg(value)
        .arg(parser.ErrorCode())
        .arg(parser.Value());
  return QString();
}

}  // namespace

QString CheckFormula(const QByteArray &bytes) {
  const QString formula = QString::fromUtf8(bytes);
  for (const QChar separator : {QLatin1Char('.'), QLatin1Char(',')}) {
    const ScopedDecimalSeparator scoped(separator);
    for (const bool radian : {true, false}) {
      const QString problem = FuzzCheckOne(formula, radian);
      if (!problem.isEmpty())
        return QStringLiteral("%1 (separator %2, %3)")
            .arg(problem, separator, radian ? QStringLiteral("radians") : QStringLiteral("degrees"));
    }
  }
  return QString();
}

}  // namespace kolibra::formulas::fuzzing
