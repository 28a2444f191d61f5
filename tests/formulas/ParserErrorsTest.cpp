// Every error of the formula language with its exact code, argument and message, and the
// bounds that keep runaway input from exhausting the stack.

#include "TestVariables.h"
#include "formulas/Parser.h"
#include "kit/Locale.h"

#include <cmath>
#include <limits>
#include <gtest/gtest.h>

using namespace kolibra;
using namespace kolibra::formulas;

namespace {

struct TErrorCase {
  const char *Formula;  // UTF-8
  int Code;
  const char *Arg;
  const char *Message;
};

// x = 2 and inf = infinity are known, u exists without a value, "." is the separator.
void ExpectErrors(std::initializer_list<TErrorCase> cases) {
  const ScopedDecimalSeparator separator(QLatin1Char('.'));
  for (const TErrorCase &c : cases) {
    SCOPED_TRACE(c.Formula);
    test_support::TTestVariables variables;
    variables.Set("x", 2.0);
    variables.Set("inf", std::numeric_limits<double>::infinity());
    variables.SetWithoutValue("u");
    TParser parser;
    variables.Attach(parser);
    parser.SetFormula(QString::fromUtf8(c.Formula));
    parser.Evaluate();
    EXPECT_EQ(parser.ErrorCode(), c.Code);
    EXPECT_EQ(parser.ErrorArg(), QString::fromUtf8(c.Arg));
    EXPECT_EQ(parser.ErrorMessage(), QString::fromUtf8(c.Message));
    EXPECT_TRUE(std::isnan(parser.Value())) << "no made-up value after an error";
  }
}

QString Repeated(const char *piece, int count) { return QString(piece).repeated(count); }

}  // namespace

TEST(ParserErrors, WhileScanning) {
  ExpectErrors({
      {"(1", 1, "", "Opening bracket has not been closed."},
      {"((1)", 1, "", "Opening bracket has not been closed."},
      {"1)", 2, "", "Closing bracket has not been open."},
      {"(1))", 2, "", "Closing bracket has not been open."},
      {"1..2", 4, "1..", "Incorrect number: 1.."},
      {"1.2.3", 4, "1.2.3", "Incorrect number: 1.2.3"},
      {"2E", 4, "2E", "Incorrect number: 2E"},
      {"2Ex", 4, "2E", "Incorrect number: 2E"},
      {"2e+", 4, "2E+", "Incorrect number: 2E+"},
      {".", 4, ".", "Incorrect number: ."},
      {"1E999", 4, "1E999", "Incorrect number: 1E999"},
      {"y", 20, "y", "Formula with unknown variable or constant: y"},
      {"2y", 20, "y", "Formula with unknown variable or constant: y"},
      {"sin (x)", 20, "sin", "Formula with unknown variable or constant: sin"},
      {"sin2(x)", 20, "sin2", "Formula with unknown variable or constant: sin2"},
      {"2 3", 21, " ", "Non authorized or inappropriate character detected in formula:  "},
      {"2&3", 21, "&", "Non authorized or inappropriate character detected in formula: &"},
      {"[1]", 21, "[", "Non authorized or inappropriate character detected in formula: ["},
      {"1,5", 21, ",", "Non authorized or inappropriate character detected in formula: ,"},
      {"2+\xF0\x9F\x98\x80", 21, "\xF0\x9F\x98\x80",
       "Non authorized or inappropriate character detected in formula: \xF0\x9F\x98\x80"},
      {"x[]", 22, "x",
       "The index of a variable or a constant is usually placed into brackets. Unknown index "
       "into brackets. Faulty variable or constant: x"},
      {"x[+]", 22, "x",
       "The index of a variable or a constant is usually placed into brackets. Unknown index "
       "into brackets. Faulty variable or constant: x"},
      {"x[i99999999999]", 22, "x",
       "The index of a variable or a constant is usually placed into brackets. Unknown index "
       "into brackets. Faulty variable or constant: x"},
      {"", 26, "", "Empty formula."},
      {"x[i", 29, "x",
       "Index of a variable or a constant is usually placed between brackets. Closing bracket "
       "is missing or misplaced. Faulty variable or constant: x"},
      {"x[", 29, "x",
       "Index of a variable or a constant is usually placed between brackets. Closing bracket "
       "is missing or misplaced. Faulty variable or constant: x"},
      {"x[a]", 29, "x",
       "Index of a variable or a constant is usually placed between brackets. Closing bracket "
       "is missing or misplaced. Faulty variable or constant: x"},
      {"x[i+1", 29, "x",
       "Index of a variable or a constant is usually placed between brackets. Closing bracket "
       "is missing or misplaced. Faulty variable or constant: x"},
  });
}

TEST(ParserErrors, WhileBuildingTheTree) {
  ExpectErrors({
      {"()", 3, "", "Empty parenthesis."},
      {"(())", 3, "", "Empty parenthesis."},
      {"sin()", 23, "", "Function without argument."},
      {"2+", 24, "+", "Operator without operand: +"},
      {"*2", 24, "*", "Operator without operand: *"},
      {"2÷", 24, "÷", "Operator without operand: ÷"},
      {"2*-", 24, "-", "Operator without operand: -"},
      {"ArcTan(1;)", 24, ";", "Operator without operand: ;"},
      {"2x", 25, "", "Operands without operator."},
      {"pi2", 25, "", "Operands without operator."},
      {"(1)(2)", 25, "", "Operands without operator."},
      {")1+2(", 25, "", "Operands without operator."},
      {"1;2", 30, "", "Use semicolon to separate the 2 variables of a function. Eg : ArcTan(x;y)."},
      {"sin(1;2)", 30, "",
       "Use semicolon to separate the 2 variables of a function. Eg : ArcTan(x;y)."},
      {"ArcTan(1;2;3)", 30, "",
       "Use semicolon to separate the 2 variables of a function. Eg : ArcTan(x;y)."},
      {"ArcTan(sin(1;2))", 30, "",
       "Use semicolon to separate the 2 variables of a function. Eg : ArcTan(x;y)."},
  });
}

TEST(ParserErrors, WhileEvaluating) {
  ExpectErrors({
      {"cos(inf)", 5, "", "Calculation of a cosine has failed."},
      {"sin(inf)", 6, "", "Calculation of a sine has failed."},
      {"tan(inf)", 7, "", "Calculation of a tangent has failed."},
      {"arccos(2)", 8, "", "Calculation of an arc-cosine has failed."},
      {"arccos(1.0000001)", 8, "", "Calculation of an arc-cosine has failed."},
      {"arcsin(-2)", 9, "", "Calculation of an arc-sine has failed."},
      {"ln(0)", 11, "", "Calculation of the logarithm of a negative or null number."},
      {"log(-1)", 11, "", "Calculation of the logarithm of a negative or null number."},
      {"sqrt(-1)", 13, "", "Calculation of the square root of a negative number."},
      {"1/0", 14, "", "Division by zero."},
      {"1/1e-101", 14, "", "Division by zero."},
      {"x÷(x-2)", 14, "", "Division by zero."},
      {"(-8)^(1/3)", 15, "", "Calculation of a non-integer power of a negative number."},
      {"(-2)^0.5", 15, "", "Calculation of a non-integer power of a negative number."},
      {"exp(1000)", 16, "", "Calculation of an exponential has failed."},
      {"10^400", 17, "", "Calculation of a power has failed."},
      {"(-10)^401", 17, "", "Calculation of a power has failed."},
      {"2^inf", 17, "", "Calculation of a power has failed."},
      {"1e308*10", 19, "", "The result of a calculation is too big or too small."},
      {"1e308+1e308", 19, "", "The result of a calculation is too big or too small."},
      {"-1e308-1e308", 19, "", "The result of a calculation is too big or too small."},
      {"1e308/1e-10", 19, "", "The result of a calculation is too big or too small."},
      {"inf+1", 19, "", "The result of a calculation is too big or too small."},
      {"u", 28, "u",
       "Variable with unknown value: u. Check to see if initial value (u[0] or u[1]) is "
       "registered in the constants datasheet."},
      {"1+u[i-1]", 28, "u",
       "Variable with unknown value: u. Check to see if initial value (u[0] or u[1]) is "
       "registered in the constants datasheet."},
  });
}

// 0 raised to a negative power is 1/0: a division by zero, not a quiet 0.
TEST(ParserErrors, ZeroToANegativePowerIsADivisionByZero) {
  ExpectErrors({
      {"0^-1", 14, "", "Division by zero."},
      {"0^(-2.5)", 14, "", "Division by zero."},
      {"(x-2)^-3", 14, "", "Division by zero."},
  });
}

// Codes no formula reaches any more still have their texts.
TEST(ParserErrors, MessageTable) {
  EXPECT_EQ(ParserErrorMessage(10, QString()), QString("Calculation of an arc-tangent has failed."));
  EXPECT_EQ(ParserErrorMessage(27, QString()), QString("Unknown error."));
  EXPECT_EQ(ParserErrorMessage(12, QString()), QString("Unknown error."));
  EXPECT_EQ(ParserErrorMessage(99, "x"), QString("Unknown error."));
  EXPECT_EQ(ParserErrorMessage(0, QString()), QString("Unknown error."));
  // An argument is inserted as typed, never read as a placeholder.
  EXPECT_EQ(ParserErrorMessage(20, "%1%2"),
            QString("Formula with unknown variable or constant: %1%2"));
}

TEST(ParserErrors, LongAndDeepInputGetsAnErrorNotAStackOverflow) {
  const ScopedDecimalSeparator separator(QLatin1Char('.'));
  const struct {
    QString Formula;
    int Code;
    const char *Message;
    double Value;
  } cases[] = {
      // At the limits everything still works.
      {Repeated("(", 100) + "1" + Repeated(")", 100), 0, "", 1.0},
      {Repeated("sin(", 100) + "0" + Repeated(")", 100), 0, "", 0.0},
      {"1" + Repeated("+1", 499), 0, "", 500.0},  // 999 characters, a tree 499 deep
      {"1" + Repeated("^1", 499), 0, "", 1.0},
      {Repeated("-", 999) + "1", 0, "", -1.0},
      // Beyond them, errors 31 and 32 with the limit as argument.
      {Repeated("(", 101) + "1" + Repeated(")", 101), 32, "Too many nested brackets. Maximum depth: 100.",
       NAN},
      {Repeated("(", 500), 32, "Too many nested brackets. Maximum depth: 100.", NAN},
      {Repeated("sin(", 101) + "0" + Repeated(")", 101), 32,
       "Too many nested brackets. Maximum depth: 100.", NAN},
      {"1" + Repeated("+1", 500), 31, "Formula too long. Maximum length: 1000 characters.", NAN},
      {Repeated("(", 20000), 31, "Formula too long. Maximum length: 1000 characters.", NAN},
      {Repeated("x*", 50000) + "x", 31, "Formula too long. Maximum length: 1000 characters.",
       NAN},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.Formula.left(40).toStdString());
    test_support::TTestVariables variables;
    variables.Set("x", 1.0);
    TParser parser;
    variables.Attach(parser);
    parser.SetFormula(c.Formula);
    parser.Evaluate();
    ASSERT_EQ(parser.ErrorCode(), c.Code) << parser.ErrorMessage().toStdString();
    if (c.Code == 0) {
      EXPECT_DOUBLE_EQ(parser.Value(), c.Value);
    } else {
      EXPECT_EQ(parser.ErrorMessage(), QString(c.Message));
      EXPECT_EQ(parser.ErrorArg(), QString::number(c.Code == 31 ? MaxFormulaLength : MaxBracketDepth));
    }
  }
}
