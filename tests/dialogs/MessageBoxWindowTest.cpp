#include "support/ModalDialogs.h"
#include "dialogs/MessageBoxWindow.h"
#include "kit/StrayClicks.h"

#include <gtest/gtest.h>
#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <functional>

using namespace kolibra;
using namespace kolibra::dialogs;

namespace {


QAbstractButton *buttonNamed(QMessageBox *box, const QString &text) {
  for (QAbstractButton *b : box->buttons())
    if (b->text() == text) return b;
  return nullptr;
}

TMessageRequest question(const QStringList &buttons) {
  TMessageRequest r;
  r.Icon = icConfirmation;
  r.Lines.push_back({"A file with the same name already exists. Overwrite ?"});
  r.Buttons = buttons;
  return r;
}

}  // namespace

TEST(MessageBoxWindow, ShowsTheButtonsInOrderAndAnswersTheIndexOfThePressedOne) {
  QString title;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  std::vector<int> lefts;
  kolibra::testing::WhenShown<QMessageBox>([&](QMessageBox *box) {
    title = box->windowTitle();
    icon = box->icon();
    for (const char *text : {"Give a name", "Cancel", "Ignore"}) {
      QAbstractButton *b = buttonNamed(box, text);
      lefts.push_back(b ? b->mapTo(box, QPoint(0, 0)).x() : -1);
    }
    buttonNamed(box, "Cancel")->click();
  });
  const TMessageAnswer a =
      TMessageBoxWindow().Present(question({"Give a name", "Cancel", "Ignore"}));
  EXPECT_EQ(a.Button, 1);
  EXPECT_EQ(title, QString("Kolibra"));
  EXPECT_EQ(icon, QMessageBox::Question);
  ASSERT_EQ(lefts.size(), 3u);
  EXPECT_GE(lefts[0], 0);
  EXPECT_LT(lefts[0], lefts[1]);
  EXPECT_LT(lefts[1], lefts[2]);
}

TEST(MessageBoxWindow, MapsEachIconOfTheKit) {
  const std::pair<TDefaultIcons, QMessageBox::Icon> cases[] = {
      {icWarning, QMessageBox::Warning},
      {icError, QMessageBox::Critical},
      {icInformation, QMessageBox::Information},
      {icConfirmation, QMessageBox::Question},
      {icNone, QMessageBox::NoIcon},
      {icCustom, QMessageBox::NoIcon},
  };
  for (const auto &[kit, expected] : cases) {
    QMessageBox::Icon shown = QMessageBox::Icon(-1);
    kolibra::testing::WhenShown<QMessageBox>([&shown](QMessageBox *box) {
      shown = box->icon();
      box->buttons().first()->click();
    });
    TMessageRequest r;
    r.Icon = kit;
    r.Lines.push_back({"First open a video file."});
    EXPECT_EQ(TMessageBoxWindow().Present(r).Button, 0);
    EXPECT_EQ(shown, expected) << int(kit);
  }
}

TEST(MessageBoxWindow, ReturnsTheStateOfTheCheckBox) {
  QString text;
  kolibra::testing::WhenShown<QMessageBox>([&text](QMessageBox *box) {
    ASSERT_NE(box->checkBox(), nullptr);
    text = box->checkBox()->text();
    box->checkBox()->click();
    buttonNamed(box, "Ignore")->click();
  });
  TMessageRequest r = question({"Give a name", "Cancel", "Ignore"});
  r.CheckBoxText = "Do not show this dialog again";
  const TMessageAnswer a = TMessageBoxWindow().Present(r);
  EXPECT_EQ(a.Button, 2);
  EXPECT_TRUE(a.Checked);
  EXPECT_EQ(text, QString("Do not show this dialog again"));
}

TEST(MessageBoxWindow, ClosesByItselfAfterItsTimeoutAndAnswersMinusOne) {
  TMessageRequest r;
  r.Lines.push_back({"Welcome"});
  r.Buttons << "Ok";
  r.CheckBoxText = "Do not show this dialog again";
  r.CheckBoxChecked = true;
  r.TimeoutMs = 200;
  QElapsedTimer clock;
  clock.start();
  const TMessageAnswer a = TMessageBoxWindow().Present(r);
  EXPECT_EQ(a.Button, -1);
  EXPECT_TRUE(a.Checked);
  EXPECT_GE(clock.elapsed(), 150);
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
  // The press the user aimed at its "Ok" as it vanished is dropped by the views.
  EXPECT_TRUE(StrayClicks().Swallow(QPoint(-10000, -10000), MonotonicMs()));
}

TEST(MessageBoxWindow, EnterPressesTheFirstButtonUnlessTheQuestionNamesAnother) {
  for (int chosen : {0, 1}) {
    TMessageRequest r = question({"Save", "Ignore"});
    r.DefaultButton = chosen;
    kolibra::testing::WhenShown<QMessageBox>([](QMessageBox *box) {
      QTest::keyClick(box, Qt::Key_Return);
    });
    EXPECT_EQ(TMessageBoxWindow().Present(r).Button, chosen);
  }
}

TEST(MessageBoxWindow, ClosingWithoutAButtonAnswersMinusOneUnlessThereIsASingleButton) {
  struct Case {
    QStringList Buttons;
    bool Escape;
    int Expected;
  };
  const Case cases[] = {
      {{"Cancel", "Ok"}, false, -1},
      {{"Cancel", "Ok"}, true, -1},
      {{"Ok"}, false, 0},
      {{"Ok"}, true, 0},
      {{}, false, 0},  // a box without buttons gets "Ok"
  };
  for (const Case &c : cases) {
    QStringList shownButtons;
    kolibra::testing::WhenShown<QMessageBox>([&shownButtons, escape = c.Escape](QMessageBox *box) {
      for (QAbstractButton *b : box->buttons()) shownButtons << b->text();
      if (escape)
        QTest::keyClick(box, Qt::Key_Escape);
      else
        box->close();
    });
    EXPECT_EQ(TMessageBoxWindow().Present(question(c.Buttons)).Button, c.Expected)
        << c.Buttons.join(',').toStdString() << (c.Escape ? " Escape" : " close");
    EXPECT_EQ(shownButtons.size(), c.Buttons.isEmpty() ? 1 : c.Buttons.size());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
  }
}

TEST(MessageBoxWindow, WritesEachLineInItsOwnStyleAndColour) {
  TMessageRequest r;
  r.Lines.push_back({"Saving has failed.", msBold, colors::clRed});
  r.Lines.push_back({"/home/prof/a<b>&c.klb", msNormal, colors::clBlue});
  r.Lines.push_back({});
  r.Lines.push_back({"Unable to launch help. ", msItalic | msUnderline, colors::clBlack});
  EXPECT_EQ(TMessageBoxWindow::RichText(r),
            QString("<p style=\"white-space:pre-wrap\">"
                    "<span style=\"color:#ff0000;font-weight:bold;\">Saving has failed.</span><br>"
                    "<span style=\"color:#0000ff;\">/home/prof/a&lt;b&gt;&amp;c.klb</span><br>"
                    "<span style=\"color:#000000;\">&nbsp;</span><br>"
                    "<span style=\"color:#000000;font-style:italic;text-decoration:underline;\">"
                    "Unable to launch help. </span></p>"));

  QString shown;
  Qt::TextFormat format = Qt::AutoText;
  kolibra::testing::WhenShown<QMessageBox>([&](QMessageBox *box) {
    shown = box->text();
    format = box->textFormat();
    box->buttons().first()->click();
  });
  TMessageBoxWindow().Present(r);
  EXPECT_EQ(shown, TMessageBoxWindow::RichText(r));
  EXPECT_EQ(format, Qt::RichText);
}

TEST(MessageBoxWindow, AnswersTheKitsBoxesOnceInstalled) {
  TMessageBoxWindow window;
  IMessagePresenter *previous = SetMessagePresenter(&window);
  kolibra::testing::WhenShown<QMessageBox>([](QMessageBox *box) { buttonNamed(box, "Ok")->click(); });
  TMessageBox box(icWarning);
  box.AddLine("A file with the same name already exists. Overwrite ?")
      .AddButton("Cancel")
      .AddButton("Ok");
  EXPECT_EQ(box.Execute(), 1);
  SetMessagePresenter(previous);
}
