// The time-interval dialog as the user meets it: its texts, typing through the key filter,
// Ok refusing a microsecond and accepting two, the radio buttons and Cancel.

#include "support/ModalDialogs.h"
#include "kit/Locale.h"
#include "kit/MessageBox.h"
#include "measurement/windows/BoiteTemps.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>

namespace kolibra::measurement::boite_temps_test {

using kolibra::testing::Child;
using kolibra::testing::WhenShown;



TEST(BoiteTemps, RefusesAMicrosecondThenAcceptsTwo) {
  ScopedDecimalSeparator point(QLatin1Char('.'));
  TScriptedMessageBox boxes;
  TBoiteTemps dialog;
  QString title, info, defaultCaption, textAfterRefusal, selectedAfterRefusal;
  bool startedOnDefault = false, otherAfterTyping = false, openAfterRefusal = false;
  WhenShown([&](QDialog *form) {
    title = form->windowTitle();
    info = Child<QLabel>(form, "LabelInformation")->text();
    defaultCaption = Child<QRadioButton>(form, "RadioButtonDefaut")->text();
    startedOnDefault = Child<QRadioButton>(form, "RadioButtonDefaut")->isChecked();
    auto *edit = Child<QLineEdit>(form, "EditValeur");
    edit->selectAll();
    QTest::keyClicks(edit, QStringLiteral("1e-6"));
    otherAfterTyping = Child<QRadioButton>(form, "RadioButtonAutre")->isChecked();
    Child<QPushButton>(form, "ButtonOk")->click();
    openAfterRefusal = form->isVisible();
    textAfterRefusal = edit->text();
    selectedAfterRefusal = edit->selectedText();
    edit->selectAll();
    QTest::keyClicks(edit, QStringLiteral("2e-6"));
    Child<QPushButton>(form, "ButtonOk")->click();
  });
  double result = 0.0;
  EXPECT_TRUE(dialog.Execute(0.04, 0.04, result));
  EXPECT_DOUBLE_EQ(result, 2e-6);
  EXPECT_EQ(title, QStringLiteral("Interval between 2 frames"));
  EXPECT_EQ(info, QStringLiteral("The video file was captured with a frame rate of\n25 images / second.\n"
                                 "The interval between 2 successive images is then\nT = 0.04 s."));
  EXPECT_EQ(defaultCaption, QStringLiteral("Use the default value T = 0.04 s"));
  EXPECT_TRUE(startedOnDefault);
  EXPECT_TRUE(otherAfterTyping);
  EXPECT_TRUE(openAfterRefusal);
  EXPECT_EQ(textAfterRefusal, QStringLiteral("1e-6"));
  EXPECT_EQ(selectedAfterRefusal, QStringLiteral("1e-6"));
  ASSERT_EQ(boxes.Count(), 1);
  EXPECT_EQ(boxes.Last().Lines.at(0).Text, QStringLiteral("Inputted value: 1e-6 s"));
}

TEST(BoiteTemps, TypingKeepsOnlyARealWithTheRegionalSeparator) {
  ScopedDecimalSeparator point(QLatin1Char('.'));
  TScriptedMessageBox boxes;
  TBoiteTemps dialog;
  QString typed;
  WhenShown([&](QDialog *form) {
    auto *edit = Child<QLineEdit>(form, "EditValeur");
    edit->clear();
    QTest::keyClicks(edit, QStringLiteral("1,5 s"));
    typed = edit->text();
    Child<QPushButton>(form, "ButtonOk")->click();
  });
  double result = 0.0;
  EXPECT_TRUE(dialog.Execute(0.04, 0.1, result));
  EXPECT_EQ(typed, QStringLiteral("1.5"));
  EXPECT_DOUBLE_EQ(result, 1.5);
  EXPECT_EQ(boxes.Count(), 0);
}

TEST(BoiteTemps, RadioButtonsAndCancel) {
  ScopedDecimalSeparator point(QLatin1Char('.'));
  TBoiteTemps dialog;
  std::vector<double> applied;
  dialog.OnApplyDefault = [&applied](double seconds) { applied.push_back(seconds); };
  QString shownFirst, afterDefault, afterOther;
  bool otherFirst = false;
  WhenShown([&](QDialog *form) {
    auto *edit = Child<QLineEdit>(form, "EditValeur");
    otherFirst = Child<QRadioButton>(form, "RadioButtonAutre")->isChecked();
    shownFirst = edit->text();
    Child<QRadioButton>(form, "RadioButtonDefaut")->click();
    afterDefault = edit->text();
    Child<QRadioButton>(form, "RadioButtonAutre")->click();
    afterOther = edit->selectedText();
    Child<QPushButton>(form, "ButtonCancel")->click();
  });
  double result = 7.0;
  EXPECT_FALSE(dialog.Execute(1.0 / 30.0, 0.125, result));
  EXPECT_DOUBLE_EQ(result, 7.0);
  EXPECT_TRUE(otherFirst);
  EXPECT_EQ(shownFirst, QStringLiteral("0.125"));
  EXPECT_EQ(afterDefault, QStringLiteral("0.03333333333"));
  EXPECT_EQ(applied, std::vector<double>{1.0 / 30.0});
  // The document took the default: the second button now offers it, selected.
  EXPECT_EQ(afterOther, QStringLiteral("0.03333333333"));
}

}  // namespace kolibra::measurement::boite_temps_test
