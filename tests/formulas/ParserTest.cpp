// Values of the formula language: precedence and associativity as users' formulas rely on
// them, signs after operators, powers, functions in both angle units, literals.

#include "TestVariables.h"
#include "formulas/Parser.h"
#include "kit/Locale.h"

#include <cmath>
#include <numbers>
#include <gtest/gtest.h>

using namespace kolibra;
using namespace kolibra::formulas;

namespace {

constexpr double ValuesPi = std::numbers::pi;

struct TValueCase {
  const char *Formula;  // UTF-8, so "÷" and "²" are written as users type them
  double Expected;
};

// Evaluates with "." as separator and x = 2, y = -3, m² = 4 known.
void ExpectValues(std::initializer_list<TValueCase> cases, bool radian) {
  const ScopedDecimalSeparator separator(QLatin1Char('.'));
  for (const TValueCase &c : cases) {
    SCOPED_TRACE(c.Formula);
    test_support::TTestVariables variables;
    variables.Set("x", 2.0);
    variables.Set("y", -3.0);
    variables.Set(QString::fromUtf8("m²"), 4.0);
    TParser parser;
    variables.Attach(parser);
    parser.SetRadian(radian);
    parser.SetFormula(QString::fromUtf8(c.Formula));
    parser.Evaluate();
    ASSERT_EQ(parser.ErrorCode(), 0) << parser.ErrorMessage().toStdString();
    EXPECT_NEAR(parser.Value(), c.Expected, 1e-12 * std::max(1.0, std::fabs(c.Expected)));
  }
}

}  // namespace

TEST(ParserValues, SplitsAtTheRightmostLoosestOperator) {
  ExpectValues(
      {
          {"8/4*2", 1},      // "/" binds less tightly than "*": 8/(4*2)
          {"8*4/2", 16},     // (8*4)/2
          {"12/3/2", 2},     // (12/3)/2
          {"2^3^2", 64},     // (2^3)^2, not 2^9
          {"10-4-3", 3},     // (10-4)-3
          {"10-4+3", 9},     // (10-4)+3
          {"2+3*4", 14},
          {"2*3+4", 10},
          {"2*3^2", 18},
          {"2^3*2", 16},
          {"(2*3)^2", 36},
          {"1-2^2", -3},
          {"8÷4*2", 1},      // the keyboard's division sign is "/"
          {"8÷2÷2", 2},
          {"((1+2))*(3)", 9},
          {"2*(3+4)*5", 70},
      },
      true);
}

TEST(ParserValues, MinusAfterAnOperatorNegatesTheWholeRightOperand) {
  ExpectValues(
      {
          {"-2^2", -4},       // 0-2^2
          {"2*-3", -6},
          {"2^-1", 0.5},
          {"2--3", 5},
          {"(-3)", -3},
          {"2*-3^2", -18},    // 2*(-(3^2))
          {"2/-4", -0.5},
          {"2÷-4", -0.5},
          {"2*-3+1", -5},     // (2*-3)+1
          {"2^-2^2", 0.0625}, // (2^-2)^2
          {"-(2+3)", -5},
          {"3*(-2)", -6},
          {"+5", 5},
          {"(+5)*2", 10},
          {"1+-2", -1},
          {"1-+2", -1},
          {"1++2", 3},
          {"1---2", -1},
          {"2*+3", 6},
          {"2^+2", 4},
          {"2÷+4", 0.5},
          {"-x", -2},
          {"x*-y", 6},
      },
      true);
}

TEST(ParserValues, Powers) {
  ExpectValues(
      {
          {"0^0", 1},
          {"x^0", 1},
          {"0^2", 0},
          {"(-2)^3", -8},
          {"(-2)^2", 4},
          {"(-2)^-1", -0.5},
          {"(-2)^-2", 0.25},
          {"2^0.5", std::numbers::sqrt2},
          {"4^0.5", 2},
          {"10^-3", 0.001},
          {"2^10", 1024},
          {"m²^2", 16},
      },
      true);
  // Whole powers of whole numbers are exact, as teachers check them by eye.
  TParser parser;
  parser.SetFormula("2^3");
  parser.Evaluate();
  EXPECT_EQ(parser.Value(), 8.0);
}

TEST(ParserValues, FunctionsInRadians) {
  ExpectValues(
      {
          {"pi", ValuesPi},
          {"PI", ValuesPi},
          {"2*Pi", 2 * ValuesPi},
          {"sin(pi/2)", 1},
          {"Sin(pi/2)", 1},
          {"SIN(pi/2)", 1},
          {"cos(0)", 1},
          {"cos(pi)", -1},
          {"tan(pi/4)", 1},
          {"ln(exp(2))", 2},
          {"log(1000)", 3},
          {"exp(0)", 1},
          {"abs(-3)", 3},
          {"abs(y)", 3},
          {"sqrt(16)", 4},
          {"sqrt(sqrt(16))", 2},
          {"arcsin(1)", ValuesPi / 2},
          {"arcsin(-1)", -ValuesPi / 2},
          {"arccos(0)", ValuesPi / 2},
          {"arccos(-1)", ValuesPi},
          {"arctan(1)", ValuesPi / 4},
          {"sin(cos(0))", std::sin(1.0)},  // COS first, then SIN
          {"sin(x)^2", std::sin(2.0) * std::sin(2.0)},
          {"2*sin(x)*cos(x)", std::sin(4.0)},
          {"ArcTan(1;0)", ValuesPi / 2},
          {"ArcTan(0;-1)", ValuesPi},  // ";-" negates the second argument
          {"ArcTan(1;1)", ValuesPi / 4},
          {"ArcTan(-1;-1)", -3 * ValuesPi / 4},
          {"ArcTan(y;x)", std::atan2(-3.0, 2.0)},  // the polar angle of (x, y)
          {"arctan((1;0))", ValuesPi / 2},
          {"ArcTan(1;0)*2", ValuesPi},
          {"sqrt(ArcTan(1;0))", std::sqrt(ValuesPi / 2)},
          {"ArcTan(ArcTan(1;0))", std::atan(ValuesPi / 2)},  // the outer one takes the angle
      },
      true);
}

TEST(ParserValues, FunctionsInDegrees) {
  ExpectValues(
      {
          {"sin(30)", 0.5},
          {"cos(60)", 0.5},
          {"tan(45)", 1},
          {"sin(90)^2", 1},
          {"arcsin(1)", 90},
          {"arcsin(0.5)", 30},
          {"arccos(0)", 90},
          {"arccos(-1)", 180},
          {"arctan(1)", 45},
          {"ArcTan(1;0)", 90},
          {"ArcTan(0;-1)", 180},
          {"ArcTan(-1;-1)", -135},
          {"ArcTan(y;x)", std::atan2(-3.0, 2.0) * 180 / ValuesPi},
          {"sin(pi)", std::sin(ValuesPi * ValuesPi / 180)},  // pi is a number, not an angle unit
          {"ln(exp(1))", 1},                     // only angles change
      },
      false);
}

TEST(ParserValues, Literals) {
  ExpectValues(
      {
          {".5", 0.5},
          {"5.", 5},
          {"1.5E3", 1500},
          {"1.5e3", 1500},
          {"1.5e-3", 0.0015},
          {"2E+2", 200},
          {"007", 7},
          {"1e308", 1e308},
      },
      true);
}

TEST(ParserValues, NumbersUseTheRegionalSeparator) {
  const ScopedDecimalSeparator separator(QLatin1Char(','));
  TParser parser;
  parser.SetFormula("0,5*9,81");
  parser.Evaluate();
  ASSERT_EQ(parser.ErrorCode(), 0);
  EXPECT_DOUBLE_EQ(parser.Value(), 4.905);

  parser.SetFormula("ArcTan(1;0,5)");
  parser.Evaluate();
  ASSERT_EQ(parser.ErrorCode(), 0);
  EXPECT_DOUBLE_EQ(parser.Value(), std::atan2(1.0, 0.5));

  // Under "," a point is no part of a number.
  parser.SetFormula("1.5");
  parser.Evaluate();
  EXPECT_EQ(parser.ErrorCode(), peBadCharacter);
  EXPECT_EQ(parser.ErrorArg(), QString("."));
}

TEST(ParserValues, NormalisationCollapsesSignsAndOpensWithZero) {
  const struct {
    const char *Formula;
    const char *Text;
  } cases[] = {
      {"-x", "0-x"},
      {"(-x)", "(0-x)"},
      {"(+x)", "(x)"},
      {"+x", "x"},
      {"2--3", "2+3"},
      {"1---2", "1-2"},
      {"+-+-3", "3"},
      {"a;+b", "a;b"},
      {"a*+b/+c^+d", "a*b/c^d"},
      {"a÷+b", "a÷b"},
      {"2*-3", "2*-3"},  // left for the scanner, which sets Negate
      {"sin(-x)", "sin(0-x)"},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.Formula);
    EXPECT_EQ(NormaliseFormula(QString::fromUtf8(c.Formula)), QString::fromUtf8(c.Text));
  }
}
