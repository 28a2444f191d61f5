// The formula keyboard's rules: what each button puts where, typing, validation and its
// history, and the favourites as the option allows.

#include "formulas/ClavierModel.h"
#include "kit/Locale.h"

#include <gtest/gtest.h>

using namespace kolibra;
using namespace kolibra::formulas;

namespace clavier_model_test {

struct TPressCase {
  const char *Before;  // "|" marks the caret
  TClavierKey Key;
  bool Arc;
  const char *After;
};

// "|" in the text is the caret.
void SetCaretText(TClavierModel &model, const QString &text) {
  model.Text = text;
  model.Text.remove(QLatin1Char('|'));
  model.SelStart = int(text.indexOf(QLatin1Char('|')));
  model.SelLength = 0;
}

QString CaretText(const TClavierModel &model) {
  QString text = model.Text;
  return text.insert(model.SelStart, QLatin1Char('|'));
}

}  // namespace clavier_model_test

TEST(ClavierModel, ButtonsInsertAtTheCaretAndPlaceItInsideNewBrackets) {
  using clavier_model_test::TPressCase;
  const TPressCase cases[] = {
      {"x|", TClavierKey::Sin, false, "xSin(|)"},
      {"|x", TClavierKey::Sin, false, "Sin(|x"},
      {"|x", TClavierKey::Sin, true, "ArcSin(|x"},
      {"2*|", TClavierKey::Tan, true, "2*ArcTan(|)"},
      {"|", TClavierKey::Power10, false, "10^(|)"},
      {"|y", TClavierKey::Sqrt, false, "Sqrt(|y"},
      {"v|", TClavierKey::Square, false, "v^2|"},
      {"v|", TClavierKey::Inverse, false, "v^(-1)|"},
      {"x|", TClavierKey::IPlus1, false, "x[i+1]|"},
      {"x|-x", TClavierKey::IMinus1, false, "x[i-1]|-x"},
      {"x|", TClavierKey::Div, false, "x\xc3\xb7|"},
      {"2|", TClavierKey::Pi, false, "2Pi|"},
      {"ab|c", TClavierKey::Erase, false, "a|c"},
      {"|abc", TClavierKey::Erase, false, "|abc"},
      {"ab|c", TClavierKey::AllClear, false, "|"},
      {"ab|c", TClavierKey::Home, false, "|abc"},
      {"ab|c", TClavierKey::End, false, "abc|"},
      {"|abc", TClavierKey::Left, false, "|abc"},
      {"ab|c", TClavierKey::Right, false, "abc|"},
  };
  for (const TPressCase &c : cases) {
    SCOPED_TRACE(c.Before);
    TClavierModel model;
    model.Arc = c.Arc;
    clavier_model_test::SetCaretText(model, QString::fromUtf8(c.Before));
    model.Press(c.Key);
    EXPECT_EQ(clavier_model_test::CaretText(model), QString::fromUtf8(c.After));
  }
}

TEST(ClavierModel, AnInsertionReplacesTheSelection) {
  TClavierModel model;
  model.Text = QStringLiteral("x+y");
  model.SelStart = 1;
  model.SelLength = 1;
  model.Press(TClavierKey::Mult);
  EXPECT_EQ(model.Text, QStringLiteral("x*y"));
  EXPECT_EQ(model.SelStart, 2);
  EXPECT_EQ(TClavierModel::Caption(), QStringLiteral("Keyboard help"));
  model.Arc = true;
  EXPECT_EQ(model.ButtonCaption(TClavierKey::Cos), QStringLiteral("ArcCos"));
  EXPECT_EQ(model.ButtonCaption(TClavierKey::Ln), QStringLiteral("Ln"));
}

TEST(ClavierModel, TypingGivesTheSeparatorAndTheDivisionSign) {
  const ScopedDecimalSeparator comma(QLatin1Char(','));
  TClavierModel model;
  for (QChar c : QStringLiteral("9.81/2,5")) model.Type(c);
  EXPECT_EQ(model.Text, QString::fromUtf8("9,81\xc3\xb7"
                                          "2,5"));
}

TEST(ClavierModel, ValidationTrimsAndKeepsOneHistoryEntryPerFormula) {
  TClavierModel model;
  for (const char *typed : {" a=x*2 ", "b=y", "A=X*2", ""}) {
    model.Text = QString::fromLatin1(typed);
    model.Validate();
  }
  EXPECT_EQ(model.History, (QStringList{QStringLiteral("b=y"), QStringLiteral("A=X*2")}));
  model.Text = QStringLiteral(" c=t ");
  EXPECT_EQ(model.Validate(), QStringLiteral("c=t"));
}

TEST(ClavierModel, FavouritesChangeOnlyWhenTheOptionAllows) {
  TClavierModel model;
  model.Text = QStringLiteral("Ec=0.5*m*v^2");
  model.Comment = QStringLiteral("kinetic energy");
  model.Unit = QStringLiteral("J");
  model.ChangeFavourites = false;
  EXPECT_FALSE(model.AddFavouriteFormula());
  EXPECT_FALSE(model.AddFavouriteComment());
  EXPECT_FALSE(model.AddFavouriteUnit());
  EXPECT_TRUE(model.Favourites.Formulas.Items.isEmpty());

  model.ChangeFavourites = true;
  EXPECT_TRUE(model.AddFavouriteFormula());
  EXPECT_TRUE(model.AddFavouriteComment());
  EXPECT_TRUE(model.AddFavouriteUnit());
  model.Unit = QStringLiteral("W");
  EXPECT_TRUE(model.AddFavouriteUnit());
  model.PreviousUnit();
  EXPECT_EQ(model.Unit, QStringLiteral("J"));
  model.NextUnit();
  EXPECT_EQ(model.Unit, QStringLiteral("W"));
  model.ChangeFavourites = false;
  EXPECT_FALSE(model.RemoveFavouriteUnit());
  model.ChangeFavourites = true;
  EXPECT_TRUE(model.RemoveFavouriteUnit());
  EXPECT_EQ(model.Favourites.Units.Items, QStringList{QStringLiteral("J")});
}
