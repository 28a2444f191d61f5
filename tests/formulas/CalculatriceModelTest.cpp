// The calculator's rules: what the buttons put where, evaluation with its hand-computed
// answers, the history and its browsing, and the faults of the old calculator mended (an
// empty history browsed back, an error message continued by a click, the last key lost
// when browsing).

#include "formulas/CalculatriceModel.h"
#include "kit/Locale.h"

#include <gtest/gtest.h>

using namespace kolibra;
using namespace kolibra::formulas;

namespace calculatrice_model_test {

using K = TFormulaKey;

// "|" in the text is the caret.
void SetCaretText(TCalculatriceModel &model, const QString &text) {
  model.Text = text;
  model.Text.remove(QLatin1Char('|'));
  model.SelStart = int(text.indexOf(QLatin1Char('|')));
  model.SelLength = 0;
}

QString CaretText(const TCalculatriceModel &model) {
  QString text = model.Text;
  return text.insert(model.SelStart, QLatin1Char('|'));
}

void TypeText(TCalculatriceModel &model, const QString &text) {
  for (const QChar c : text) model.Type(c);
}


TEST(CalculatriceModel, ButtonsInsertAtTheCaretAndPlaceItInsideNewBrackets) {
  const ScopedDecimalSeparator separator(QLatin1Char('.'));
  struct TCase {
    const char *Before;
    K Key;
    bool Arc;
    const char *After;
  };
  const TCase cases[] = {
      {"12|", K::Digit7, false, "127|"},
      {"|", K::Digit0, false, "0|"},
      {"3|", K::Separator, false, "3.|"},
      {"2|", K::Sin, false, "2Sin(|)"},
      {"|30", K::Sin, false, "Sin(|30"},
      {"|1", K::Tan, true, "ArcTan(|1"},
      {"|", K::Cos, true, "ArcCos(|)"},
      {"|", K::Power10, false, "10^(|)"},
      {"2|", K::Square, false, "2^2|"},
      {"4|", K::Div, false, "4\xc3\xb7|"},
      {"2|", K::Pi, false, "2Pi|"},
      {"1|", K::E, false, "1E|"},
      {"|9", K::Sqrt, false, "Sqrt(|9"},
      {"ab|c", K::Erase, false, "a|c"},
      {"|abc", K::Erase, false, "|abc"},
      {"ab|c", K::AllClear, false, "|"},
      {"ab|c", K::Home, false, "|abc"},
      {"a|bc", K::End, false, "abc|"},
      {"|abc", K::Left, false, "|abc"},
      {"abc|", K::Right, false, "abc|"},
      {"a|bc", K::Right, false, "ab|c"},
  };
  for (const TCase &c : cases) {
    SCOPED_TRACE(c.Before);
    TCalculatriceModel model;
    SetCaretText(model, QString::fromUtf8(c.Before));
    model.Arc = c.Arc;
    model.Press(c.Key);
    EXPECT_EQ(CaretText(model), QString::fromUtf8(c.After));
  }
}

TEST(CalculatriceModel, EvaluatesInPlaceWithTheGeneralFormat) {
  const ScopedDecimalSeparator separator(QLatin1Char('.'));
  struct TCase {
    const char *Typed;
    bool Radian;
    const char *Shown;
    bool Error = false;
  };
  // Answers worked by hand.
  const TCase cases[] = {
      {"2 + 3", true, "5"},
      {"Sin(30)", false, "0.5"},
      {"ArcTan(1)", false, "45"},
      {"Cos(Pi)", true, "-1"},
      {"1/3", true, "0.333333333333333"},
      {"2^10", true, "1024"},
      {"1E20*1E5", true, "1E25"},
      {"3E-7*2", true, "6E-7"},
      {"Sqrt(2)^2", true, "2"},
      {"10^(3)+Ln(1)", true, "1000"},
      {"x + 1", true, "Formula with unknown variable or constant: x", true},
      {"1/0", true, "Division by zero.", true},
      {"(2", true, "Opening bracket has not been closed.", true},
  };
  for (const TCase &c : cases) {
    SCOPED_TRACE(c.Typed);
    TCalculatriceModel model;
    model.SetRadian(c.Radian);
    model.Text = QString::fromUtf8(c.Typed);
    model.Evaluate();
    EXPECT_EQ(model.Text, QString::fromUtf8(c.Shown));
    EXPECT_EQ(model.SelStart, model.Text.size());
    // An error stays "shown" until the next key; a value can be continued.
    EXPECT_EQ(model.ShowingResult, c.Error);
  }
}

TEST(CalculatriceModel, StartsInRadiansAndKeepsOneHistoryEntryPerExpression) {
  TCalculatriceModel model;
  EXPECT_TRUE(model.Radian());
  model.Text = QStringLiteral("2 + 3");
  model.Evaluate();
  EXPECT_EQ(model.History, QStringList{QStringLiteral("2+3")});
  model.Text = QStringLiteral("Sin(0)");
  model.Evaluate();
  model.Text = QStringLiteral("2+3");
  model.Evaluate();
  model.Text = QStringLiteral("SIN(0)");
  model.Evaluate();
  // The entries compare without regard to case; the last evaluated is the newest.
  EXPECT_EQ(model.History, (QStringList{QStringLiteral("2+3"), QStringLiteral("SIN(0)")}));
  EXPECT_EQ(model.HistoryIndex, 2);
  // A blank text evaluates nothing.
  model.Text = QStringLiteral("  ");
  model.Evaluate();
  EXPECT_EQ(model.History.size(), 2);
  EXPECT_EQ(model.Text, QStringLiteral("  "));
}

TEST(CalculatriceModel, AResultCanBeContinued) {
  TCalculatriceModel model;
  TypeText(model, QStringLiteral("2+3"));
  model.Evaluate();
  TypeText(model, QStringLiteral("*4"));
  EXPECT_EQ(model.Text, QStringLiteral("5*4"));
  model.Press(K::Execute);
  EXPECT_EQ(model.Text, QStringLiteral("20"));
}

TEST(CalculatriceModel, TypingUsesTheRegionalSeparatorAndTheDivisionSign) {
  const ScopedDecimalSeparator separator(QLatin1Char(','));
  TCalculatriceModel model;
  TypeText(model, QStringLiteral("1.5/0,5"));
  EXPECT_EQ(model.Text, QString::fromUtf8("1,5\xc3\xb7" "0,5"));
  model.Evaluate();
  EXPECT_EQ(model.Text, QStringLiteral("3"));
  model.Text = QStringLiteral("1/4");
  model.Evaluate();
  EXPECT_EQ(model.Text, QStringLiteral("0,25"));
  EXPECT_EQ(model.ButtonCaption(K::Separator), QStringLiteral(","));
}

TEST(CalculatriceModel, BrowsingWalksTheHistoryAndEndsOnTheTypedText) {
  TCalculatriceModel model;
  for (const char *expression : {"1+1", "2+2", "3+3"}) {
    model.Text = QLatin1String(expression);
    model.Evaluate();
  }
  TypeText(model, QStringLiteral("+1"));  // continues the result 6
  const char *steps[][2] = {
      {"P", "3+3"}, {"P", "2+2"}, {"P", "1+1"}, {"P", "1+1"},
      {"N", "2+2"}, {"N", "3+3"}, {"N", "6+1"}, {"N", "6+1"},
  };
  for (const auto &step : steps) {
    if (step[0][0] == 'P')
      model.Press(K::Previous);
    else
      model.Press(K::Next);
    EXPECT_EQ(model.Text, QLatin1String(step[1]));
    EXPECT_EQ(model.SelStart, model.Text.size());
  }
}

// The old calculator read before the start of an empty history.
TEST(CalculatriceModel, PreviousWithAnEmptyHistoryDoesNothing) {
  TCalculatriceModel model;
  SetCaretText(model, QStringLiteral("1+|2"));
  model.Press(K::Previous);
  EXPECT_EQ(CaretText(model), QStringLiteral("1+|2"));
  EXPECT_EQ(model.HistoryIndex, 0);
  // Next with an empty history shows the typed text.
  TypeText(model, QStringLiteral("3"));
  model.Press(K::Next);
  EXPECT_EQ(model.Text, QStringLiteral("1+32"));
}

// The old calculator cleared a shown error on a typed key only: a click appended to it.
TEST(CalculatriceModel, AnInsertionReplacesAShownError) {
  struct TCase {
    const char *Name;
    void (*Act)(TCalculatriceModel &);
    const char *After;
  };
  const TCase cases[] = {
      {"digit button", [](TCalculatriceModel &m) { m.Press(K::Digit7); }, "7"},
      {"function button", [](TCalculatriceModel &m) { m.Press(K::Sin); }, "Sin()"},
      {"typed key", [](TCalculatriceModel &m) { m.Type(QLatin1Char('4')); }, "4"},
      {"erase button", [](TCalculatriceModel &m) { m.Press(K::Erase); }, ""},
      {"previous", [](TCalculatriceModel &m) { m.Press(K::Previous); }, "y*2"},
  };
  for (const TCase &c : cases) {
    SCOPED_TRACE(c.Name);
    TCalculatriceModel model;
    model.Text = QStringLiteral("y*2");
    model.Evaluate();
    ASSERT_TRUE(model.ShowingResult);
    c.Act(model);
    EXPECT_EQ(model.Text, QLatin1String(c.After));
    EXPECT_FALSE(model.ShowingResult);
  }
}

// The old calculator saved the text before the key was applied, so browsing back and forth
// lost the last key typed.
TEST(CalculatriceModel, BrowsingBackKeepsTheLastKey) {
  TCalculatriceModel model;
  model.Text = QStringLiteral("5*5");
  model.Evaluate();
  model.Press(K::AllClear);
  TypeText(model, QStringLiteral("1+"));
  model.Press(K::Digit2);
  model.Press(K::Previous);
  EXPECT_EQ(model.Text, QStringLiteral("5*5"));
  model.Press(K::Next);
  EXPECT_EQ(model.Text, QStringLiteral("1+2"));
  // An edit made in the memo itself (Delete, cut) is the user's text too.
  model.Edited(QStringLiteral("1+"), 2);
  model.Press(K::Previous);
  model.Press(K::Next);
  EXPECT_EQ(model.Text, QStringLiteral("1+"));
}

}  // namespace calculatrice_model_test
