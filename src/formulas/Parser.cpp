#include "formulas/Parser.h"

#include <QCoreApplication>
#include <limits>

namespace kolibra::formulas {

namespace parser_messages {

struct TMessage {
  int Code;
  const char *Text;
};

// "%1" stands where the argument goes; code 28 shows the name and its two possible initial
// values (under either row numbering).
constexpr TMessage Table[] = {
    {peUnclosedBracket, QT_TRANSLATE_NOOP("Parser", "Opening bracket has not been closed.")},
    {peUnopenedBracket, QT_TRANSLATE_NOOP("Parser", "Closing bracket has not been open.")},
    {peEmptyBrackets, QT_TRANSLATE_NOOP("Parser", "Empty parenthesis.")},
    {peBadNumber, QT_TRANSLATE_NOOP("Parser", "Incorrect number: %1")},
    {peCosine, QT_TRANSLATE_NOOP("Parser", "Calculation of a cosine has failed.")},
    {peSine, QT_TRANSLATE_NOOP("Parser", "Calculation of a sine has failed.")},
    {peTangent, QT_TRANSLATE_NOOP("Parser", "Calculation of a tangent has failed.")},
    {peArcCosine, QT_TRANSLATE_NOOP("Parser", "Calculation of an arc-cosine has failed.")},
    {peArcSine, QT_TRANSLATE_NOOP("Parser", "Calculation of an arc-sine has failed.")},
    {peArcTangent, QT_TRANSLATE_NOOP("Parser", "Calculation of an arc-tangent has failed.")},
    {peLogarithm,
     QT_TRANSLATE_NOOP("Parser", "Calculation of the logarithm of a negative or null number.")},
    {peSquareRoot,
     QT_TRANSLATE_NOOP("Parser", "Calculation of the square root of a negative number.")},
    {peDivisionByZero, QT_TRANSLATE_NOOP("Parser", "Division by zero.")},
    {peNegativeBasePower,
     QT_TRANSLATE_NOOP("Parser", "Calculation of a non-integer power of a negative number.")},
    {peExponential, QT_TRANSLATE_NOOP("Parser", "Calculation of an exponential has failed.")},
    {pePower, QT_TRANSLATE_NOOP("Parser", "Calculation of a power has failed.")},
    {peOutOfRange,
     QT_TRANSLATE_NOOP("Parser", "The result of a calculation is too big or too small.")},
    {peUnknownVariable,
     QT_TRANSLATE_NOOP("Parser", "Formula with unknown variable or constant: %1")},
    {peBadCharacter,
     QT_TRANSLATE_NOOP("Parser",
                       "Non authorized or inappropriate character detected in formula: %1")},
    {peBadIndex,
     QT_TRANSLATE_NOOP("Parser",
                       "The index of a variable or a constant is usually placed into brackets. "
                       "Unknown index into brackets. Faulty variable or constant: %1")},
    {peNoArgument, QT_TRANSLATE_NOOP("Parser", "Function without argument.")},
    {peNoOperand, QT_TRANSLATE_NOOP("Parser", "Operator without operand: %1")},
    {peNoOperator, QT_TRANSLATE_NOOP("Parser", "Operands without operator.")},
    {peEmptyFormula, QT_TRANSLATE_NOOP("Parser", "Empty formula.")},
    {peUnknownValue,
     QT_TRANSLATE_NOOP("Parser",
                       "Variable with unknown value: %1. Check to see if initial value (%2 or "
                       "%3) is registered in the constants datasheet.")},
    {peUnclosedIndex,
     QT_TRANSLATE_NOOP("Parser",
                       "Index of a variable or a constant is usually placed between brackets. "
                       "Closing bracket is missing or misplaced. Faulty variable or constant: "
                       "%1")},
    {peMisplacedSemicolon,
     QT_TRANSLATE_NOOP("Parser",
                       "Use semicolon to separate the 2 variables of a function. Eg : "
                       "ArcTan(x;y).")},
    {peTooLong,
     QT_TRANSLATE_NOOP("Parser", "Formula too long. Maximum length: %1 characters.")},
    {peTooDeep, QT_TRANSLATE_NOOP("Parser", "Too many nested brackets. Maximum depth: %1.")},
};

constexpr const char *UnknownError = QT_TRANSLATE_NOOP("Parser", "Unknown error.");

}  // namespace parser_messages

QString ParserErrorMessage(int code, const QString &arg) {
  for (const parser_messages::TMessage &message : parser_messages::Table) {
    if (message.Code != code) continue;
    const QString text = QCoreApplication::translate("Parser", message.Text);
    if (code == peUnknownValue)
      return text.arg(arg, arg + QStringLiteral("[0]"), arg + QStringLiteral("[1]"));
    // arg() does not rescan what it inserts, so a "%" typed in a formula stays as typed.
    return text.contains(QStringLiteral("%1")) ? text.arg(arg) : text;
  }
  return QCoreApplication::translate("Parser", parser_messages::UnknownError);
}

TParser::TParser() : Result(std::numeric_limits<double>::quiet_NaN()) { Elems.reserve(128); }

void TParser::SetFormula(const QString &text) {
  Source = text;
  Normalised = text;
  Names.clear();
  Elems.clear();
  Elems.shrink_to_fit();
  Elems.reserve(128);
  Tree.reset();
  Parsed = false;
  ParseFailure = false;
  BuildFailure = false;
  Code = peNone;
  Arg.clear();
}

void TParser::Evaluate() {
  if (!Parsed) {
    Parse();
    Parsed = true;
  }
  if (!ParseFailure && !Tree && !BuildFailure) Build();
  if (ParseFailure || BuildFailure) {
    // The failure's code and argument are still in place: nothing has run since.
    Result = std::numeric_limits<double>::quiet_NaN();
    return;
  }
  Code = peNone;
  Arg.clear();
  const double value = EvaluateNode(*Tree);
  Result = Code == peNone ? value : std::numeric_limits<double>::quiet_NaN();
}

QString TParser::ErrorMessage() const { return ParserErrorMessage(Code, Arg); }

void TParser::Fail(int code, const QString &arg) {
  Code = code;
  Arg = arg;
}

}  // namespace kolibra::formulas
