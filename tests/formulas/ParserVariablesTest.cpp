// How a parser meets its owner: the questions it asks about variables and indices, the
// names it reports, re-evaluation without re-parsing, and the error state each parser keeps.

#include "TestVariables.h"
#include "formulas/Parser.h"
#include "kit/Locale.h"

#include <cmath>
#include <limits>
#include <gtest/gtest.h>

using namespace kolibra;
using namespace kolibra::formulas;
using kolibra::formulas::test_support::TTestVariables;

TEST(ParserVariables, IndicesReachTheOwnerAsWritten) {
  const struct {
    const char *Formula;
    int Index;
    bool IsAbsolute;
    bool HasIndex;
  } cases[] = {
      {"x", 0, false, false},       {"x[i]", 0, false, true},    {"x[i-1]", -1, false, true},
      {"x[i+1]", 1, false, true},   {"x[i1]", 1, false, true},   {"x[I-2]", -2, false, true},
      {"x[2]", 2, true, true},      {"x[-1]", -1, true, true},   {"x[+3]", 3, true, true},
      {"x[i-0012]", -12, false, true},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.Formula);
    TTestVariables variables;
    variables.Set("x", 5.0);
    TParser parser;
    variables.Attach(parser);
    parser.SetFormula(c.Formula);
    parser.Evaluate();
    ASSERT_EQ(parser.ErrorCode(), 0);
    EXPECT_EQ(parser.Value(), 5.0);
    // Once while scanning, once for the leaf at the evaluation, with the same reference.
    ASSERT_EQ(variables.Questions.size(), 2u);
    for (const auto &question : variables.Questions) {
      EXPECT_EQ(question.Name, QString("x"));
      EXPECT_EQ(question.Index, c.Index);
      EXPECT_EQ(question.IsAbsolute, c.IsAbsolute);
      EXPECT_EQ(question.HasIndex, c.HasIndex);
    }
    ASSERT_EQ(parser.Elements().size(), 1u);
    const TElemPile &elem = parser.Elements().front();
    EXPECT_EQ(elem.Kind, ekVariable);
    EXPECT_EQ(elem.Index, c.Index);
    EXPECT_EQ(elem.IsAbsolute, c.IsAbsolute);
    EXPECT_EQ(elem.HasIndex, c.HasIndex);
  }
}

TEST(ParserVariables, NamesAreListedInOrderWithRepeats) {
  TTestVariables variables;
  for (const char *name : {"a", "B", "m²", "v_lam1", "x³"}) variables.Set(QString::fromUtf8(name), 1.0);
  TParser parser;
  variables.Attach(parser);
  parser.SetFormula(QString::fromUtf8("a+B*a+m²/v_lam1[i-1]-x³+sin(a)"));
  parser.Evaluate();
  ASSERT_EQ(parser.ErrorCode(), 0) << parser.ErrorMessage().toStdString();
  EXPECT_EQ(parser.Variables(), QStringList({"a", "B", "a", QString::fromUtf8("m²"), "v_lam1",
                                             QString::fromUtf8("x³"), "a"}));
}

TEST(ParserVariables, TheTreeIsReusedAndEveryLeafAskedOncePerEvaluation) {
  double v = 3.0;
  int calls = 0;
  TParser parser;
  parser.OnVariable = [&](const QString &, int, bool, bool, double &value, bool &found,
                          bool &known) {
    ++calls;
    found = known = true;
    value = v;
  };
  parser.SetFormula("0.5*v^2+v");  // two leaves
  {
    const ScopedDecimalSeparator separator(QLatin1Char('.'));
    parser.Evaluate();
  }
  ASSERT_EQ(parser.ErrorCode(), 0);
  EXPECT_DOUBLE_EQ(parser.Value(), 7.5);
  const TNoeud *root = parser.Root();
  ASSERT_NE(root, nullptr);
  EXPECT_EQ(calls, 4);  // two while scanning, two for the leaves

  // Rows come one after the other: new values, the same tree, no scanning. The separator
  // no longer matters once the formula is parsed.
  const ScopedDecimalSeparator comma(QLatin1Char(','));
  for (const double row : {4.0, -2.0, 0.0}) {
    v = row;
    calls = 0;
    parser.Evaluate();
    EXPECT_EQ(parser.ErrorCode(), 0);
    EXPECT_DOUBLE_EQ(parser.Value(), 0.5 * row * row + row);
    EXPECT_EQ(calls, 2);
  }
  EXPECT_EQ(parser.Root(), root);
}

TEST(ParserVariables, AngleUnitChangesWithoutParsingAgain) {
  TParser parser;
  parser.SetFormula("sin(90)");
  parser.Evaluate();
  EXPECT_DOUBLE_EQ(parser.Value(), std::sin(90.0));
  parser.SetRadian(false);
  parser.Evaluate();
  EXPECT_NEAR(parser.Value(), 1.0, 1e-15);
  EXPECT_FALSE(parser.Radian());
}

// A variable without a real value (an empty cell, a constant reading "#Number!") gives a
// result without a value, never a quiet 0, and no error: the row is just empty.
TEST(ParserVariables, NotANumberOperandGivesNotANumber) {
  for (const char *formula : {"x", "x+1", "1+x", "0*x", "2*x", "x^0", "0^x", "sin(x)",
                              "ArcTan(x;1)", "ArcTan(1;x)", "abs(x)*2", "x/0", "sqrt(-1*x)"}) {
    SCOPED_TRACE(formula);
    TTestVariables variables;
    variables.Set("x", std::numeric_limits<double>::quiet_NaN());
    TParser parser;
    variables.Attach(parser);
    parser.SetFormula(formula);
    parser.Evaluate();
    EXPECT_EQ(parser.ErrorCode(), 0);
    EXPECT_TRUE(std::isnan(parser.Value())) << parser.Value();
  }
}

TEST(ParserVariables, ValueKnownAgainClearsTheError) {
  double x = 0.0;
  TParser parser;
  parser.OnVariable = [&](const QString &, int, bool, bool, double &value, bool &found,
                          bool &known) {
    found = known = true;
    value = x;
  };
  parser.SetFormula("1/x");
  parser.Evaluate();
  EXPECT_EQ(parser.ErrorCode(), peDivisionByZero);
  EXPECT_TRUE(std::isnan(parser.Value()));
  x = 4.0;
  parser.Evaluate();
  EXPECT_EQ(parser.ErrorCode(), 0);
  EXPECT_DOUBLE_EQ(parser.Value(), 0.25);
}

TEST(ParserVariables, WithoutAHandlerNoNameIsKnown) {
  TParser parser;
  parser.SetFormula("g*2");
  parser.Evaluate();
  EXPECT_EQ(parser.ErrorCode(), peUnknownVariable);
  EXPECT_EQ(parser.ErrorArg(), QString("g"));
  EXPECT_TRUE(parser.Variables().isEmpty());
}

// The error state belongs to each parser: one formula failing tells nothing about another.
TEST(ParserVariables, EachParserKeepsItsOwnErrorState) {
  TParser good;
  TParser bad;
  good.SetFormula("1+2");
  bad.SetFormula("1+");
  bad.Evaluate();
  good.Evaluate();
  EXPECT_EQ(bad.ErrorCode(), peNoOperand);
  EXPECT_EQ(bad.ErrorArg(), QString("+"));
  EXPECT_EQ(good.ErrorCode(), 0);
  EXPECT_EQ(good.Value(), 3.0);

  // A failed build is reported again at every row, not forgotten after the first one.
  bad.Evaluate();
  EXPECT_EQ(bad.ErrorCode(), peNoOperand);
  EXPECT_TRUE(bad.BuildFailed());
  EXPECT_TRUE(std::isnan(bad.Value()));

  // A failed parse too, and SetFormula starts over.
  bad.SetFormula("(1");
  bad.Evaluate();
  bad.Evaluate();
  EXPECT_EQ(bad.ErrorCode(), peUnclosedBracket);
  EXPECT_TRUE(bad.ParseFailed());
  bad.SetFormula("(1)");
  EXPECT_EQ(bad.ErrorCode(), 0);
  bad.Evaluate();
  EXPECT_EQ(bad.ErrorCode(), 0);
  EXPECT_EQ(bad.Value(), 1.0);
  EXPECT_EQ(bad.Formula(), QString("(1)"));
}

TEST(ParserVariables, ElementsCarryLevelsAndNegation) {
  const ScopedDecimalSeparator separator(QLatin1Char('.'));
  TParser parser;
  parser.SetFormula("-(2*-3)");
  parser.Evaluate();
  ASSERT_EQ(parser.ErrorCode(), 0);
  EXPECT_EQ(parser.Text(), QString("0-(2*-3)"));
  EXPECT_EQ(parser.Value(), 6.0);
  const auto &elems = parser.Elements();
  const struct {
    TElemKind Kind;
    int Level;
    bool Negate;
  } expected[] = {{ekNumber, 0, false}, {ekMinus, 0, false},   {ekOpen, 1, false},
                  {ekNumber, 1, false}, {ekMultiply, 1, true}, {ekNumber, 1, false},
                  {ekClose, 1, false}};
  ASSERT_EQ(elems.size(), std::size(expected));
  for (size_t i = 0; i < elems.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(elems[i].Kind, expected[i].Kind);
    EXPECT_EQ(elems[i].Level, expected[i].Level);
    EXPECT_EQ(elems[i].Negate, expected[i].Negate);
  }
  // The root splits at the minus; its right child is the bracket, peeled to 2*-3.
  const TNoeud *root = parser.Root();
  ASSERT_EQ(root->Children.size(), 2u);
  EXPECT_EQ(root->Pivot, 1);
  EXPECT_EQ(root->Children[1]->Pivot, 4);
  EXPECT_EQ(root->Children[1]->First, 3);
  EXPECT_EQ(root->Children[1]->Last, 6);
}
