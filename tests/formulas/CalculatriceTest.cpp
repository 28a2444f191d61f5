// The calculator window as the user meets it: clicked and typed expressions evaluated in the
// memo, Enter, the angle choice, a click after an error, Backspace, and the window hiding
// when another window takes the focus.

#include "support/ModalDialogs.h"
#include "support/WaitFor.h"
#include "formulas/windows/Calculatrice.h"
#include "kit/Locale.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>

using namespace kolibra;
using namespace kolibra::formulas;
using kolibra::testing::Child;

namespace calculatrice_test {

void Click(TCalculatrice &calculator, const char *button) {
  QTest::mouseClick(Child<QToolButton>(&calculator, button), Qt::LeftButton);
}


TEST(Calculatrice, ClickedAndTypedExpressionsAreEvaluatedInTheMemo) {
  const ScopedDecimalSeparator separator(QLatin1Char('.'));
  TCalculatrice calculator;
  calculator.Execute();
  QPlainTextEdit *memo = calculator.Memo();

  // Radians at creation.
  EXPECT_TRUE(Child<QRadioButton>(&calculator, "RadioRadians")->isChecked());
  for (const char *button : {"SpeedButton2", "SpeedButtonAdd", "SpeedButton3", "SpeedButtonEgal"})
    Click(calculator, button);
  EXPECT_EQ(memo->toPlainText(), QStringLiteral("5"));

  // The result is continued from the keyboard; "/" becomes the division sign.
  QTest::keyClicks(memo, QStringLiteral("/2"));
  EXPECT_EQ(memo->toPlainText(), QString::fromUtf8("5\xc3\xb7" "2"));
  QTest::keyClick(memo, Qt::Key_Return);
  EXPECT_EQ(memo->toPlainText(), QStringLiteral("2.5"));

  // Degrees, and a function button opens its brackets with the caret inside.
  QTest::mouseClick(Child<QRadioButton>(&calculator, "RadioDegres"), Qt::LeftButton);
  Click(calculator, "SpeedButtonAC");
  Click(calculator, "SpeedButtonArc");
  Click(calculator, "SpeedButtonTan");
  EXPECT_EQ(Child<QToolButton>(&calculator, "SpeedButtonTan")->text(), QStringLiteral("ArcTan"));
  QTest::keyClicks(memo, QStringLiteral("1"));
  EXPECT_EQ(memo->toPlainText(), QStringLiteral("ArcTan(1)"));
  QTest::keyClick(memo, Qt::Key_Enter);
  EXPECT_EQ(memo->toPlainText(), QStringLiteral("45"));
}

TEST(Calculatrice, AClickAfterAnErrorStartsAFreshExpression) {
  TCalculatrice calculator;
  calculator.Execute();
  QPlainTextEdit *memo = calculator.Memo();
  QTest::keyClicks(memo, QStringLiteral("x+1"));
  QTest::keyClick(memo, Qt::Key_Return);
  EXPECT_EQ(memo->toPlainText(), QStringLiteral("Formula with unknown variable or constant: x"));
  Click(calculator, "SpeedButton7");
  EXPECT_EQ(memo->toPlainText(), QStringLiteral("7"));

  // Backspace on an error clears it as a whole.
  QTest::keyClick(memo, Qt::Key_Return);  // "7" evaluates to 7
  QTest::keyClicks(memo, QStringLiteral("*y"));
  QTest::keyClick(memo, Qt::Key_Return);
  QTest::keyClick(memo, Qt::Key_Backspace);
  EXPECT_EQ(memo->toPlainText(), QString());

  // Previous brings back the last expression; Next the text being typed.
  QTest::keyClicks(memo, QStringLiteral("12"));
  Click(calculator, "SpeedButtonPred");
  EXPECT_EQ(memo->toPlainText(), QStringLiteral("7*y"));
  Click(calculator, "SpeedButtonSucc");
  EXPECT_EQ(memo->toPlainText(), QStringLiteral("12"));
}

TEST(Calculatrice, HidesWhenAnotherWindowTakesTheFocus) {
  TCalculatrice calculator;
  calculator.Execute();
  ASSERT_TRUE(kolibra::testing::WaitFor([&] { return calculator.isActiveWindow(); }));
  QWidget other;
  other.show();
  other.activateWindow();
  EXPECT_TRUE(kolibra::testing::WaitFor([&] { return !calculator.isVisible(); }));
}

}  // namespace calculatrice_test
