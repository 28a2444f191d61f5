// The value and video information dialogs as the user meets them: typing through the key
// filter, Enter and Ok closing only on a valid value, Escape and the window's close button
// cancelling (also when no value can pass), and the information text.

#include "support/ModalDialogs.h"
#include "kit/Locale.h"
#include "kit/MessageBox.h"
#include "settings/windows/BoiteProprietes.h"
#include "settings/windows/BoiteValeur.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <numbers>

namespace kolibra::settings::settings_windows_test {

using kolibra::testing::Child;
using kolibra::testing::WhenShown;



TValueContext Video(int frames) {
  TValueContext c;
  c.VideoOpen = true;
  c.FrameCount = frames;
  c.CurrentFrame = std::min(4, frames - 1);
  c.ObjectCount = 3;
  c.TrackerObject = 1;
  c.ScaleLength = 0.35;
  return c;
}

TEST(BoiteValeur, TypesAFrameNumberAndPressesEnter) {
  TScriptedMessageBox boxes;
  TBoiteValeur dialog;
  QString title, prompt, interval, initial, selected;
  bool focused = false, hasComment = true;
  WhenShown([&](QDialog *form) {
    title = form->windowTitle();
    prompt = Child<QLabel>(form, "LabelSaisie")->text();
    interval = Child<QLabel>(form, "PanelIntervalle")->text();
    hasComment = form->findChild<QLabel *>(QStringLiteral("LabelCommentaire")) != nullptr;
    auto *edit = Child<QLineEdit>(form, "EditValeur");
    initial = edit->text();
    selected = edit->selectedText();
    focused = form->focusWidget() == edit;
    QTest::keyClicks(edit, QStringLiteral("100"));
    QTest::keyClick(edit, Qt::Key_Return);
  });
  const TValueResult result = dialog.Execute(tsNumImg, Video(100));
  EXPECT_TRUE(result.Accepted);
  EXPECT_EQ(result.Integer(), 99);
  EXPECT_TRUE(dialog.Accepted());
  EXPECT_EQ(dialog.Value().toInt(), 99);
  EXPECT_EQ(title, QStringLiteral("Find an image with its number"));
  EXPECT_EQ(prompt, QStringLiteral("New image number :"));
  EXPECT_EQ(interval, QStringLiteral("1 <= number <= 100"));
  EXPECT_EQ(initial, QStringLiteral("5"));
  EXPECT_EQ(selected, QStringLiteral("5"));
  EXPECT_TRUE(focused);
  EXPECT_FALSE(hasComment);
  EXPECT_EQ(boxes.Count(), 0);
}

TEST(BoiteValeur, IntegerKindsDropLettersAndSignsAndEscapeCancels) {
  TBoiteValeur dialog;
  QString typed;
  WhenShown([&](QDialog *form) {
    auto *edit = Child<QLineEdit>(form, "EditValeur");
    QTest::keyClicks(edit, QStringLiteral("1a-2.x"));
    typed = edit->text();
    QTest::keyClick(edit, Qt::Key_Escape);
  });
  const TValueResult result = dialog.Execute(tsNbMqParImg, Video(100));
  EXPECT_EQ(typed, QStringLiteral("12"));
  EXPECT_FALSE(result.Accepted);
  EXPECT_FALSE(result.Value.isValid());
}

TEST(BoiteValeur, RealKindsTypeTheRegionalSeparatorAndOkAccepts) {
  ScopedDecimalSeparator comma(QLatin1Char(','));
  TBoiteValeur dialog;
  QString initial, typed;
  WhenShown([&](QDialog *form) {
    auto *edit = Child<QLineEdit>(form, "EditValeur");
    initial = edit->text();
    QTest::keyClicks(edit, QStringLiteral("1.5m"));
    typed = edit->text();
    Child<QPushButton>(form, "ButtonOk")->click();
  });
  const TValueResult result = dialog.Execute(tsLongueur, Video(100));
  EXPECT_EQ(initial, QStringLiteral("0,35"));
  EXPECT_EQ(typed, QStringLiteral("1,5"));
  EXPECT_TRUE(result.Accepted);
  EXPECT_DOUBLE_EQ(result.Real(), 1.5);
}

TEST(BoiteValeur, AValueOutsideTheIntervalKeepsTheWindowOpen) {
  ScopedDecimalSeparator point(QLatin1Char('.'));
  TScriptedMessageBox boxes;
  TBoiteValeur dialog;
  bool openAfterRefusal = false;
  QString selectedAfterRefusal;
  WhenShown([&](QDialog *form) {
    auto *edit = Child<QLineEdit>(form, "EditValeur");
    QTest::keyClicks(edit, QStringLiteral("181"));
    QTest::keyClick(edit, Qt::Key_Return);
    openAfterRefusal = form->isVisible();
    selectedAfterRefusal = edit->selectedText();
    QTest::keyClicks(edit, QStringLiteral("-180"));
    QTest::keyClick(edit, Qt::Key_Enter);
  });
  const TValueResult result = dialog.Execute(tsAngle, Video(100));
  EXPECT_TRUE(openAfterRefusal);
  EXPECT_EQ(selectedAfterRefusal, QStringLiteral("181"));
  ASSERT_EQ(boxes.Count(), 1);
  EXPECT_EQ(boxes.Last().Lines.at(0).Text, QStringLiteral("Inputted value: 181°"));
  EXPECT_TRUE(result.Accepted);
  EXPECT_DOUBLE_EQ(result.Real(), -std::numbers::pi);
}

// A one-frame video asked for a frame step: nothing can pass, Escape is the way out and the
// value of the last accepted dialog stays.
TEST(BoiteValeur, AnEmptyIntervalIsLeftWithEscape) {
  TScriptedMessageBox boxes;
  TBoiteValeur dialog;
  WhenShown([](QDialog *form) { QTest::keyClick(Child<QLineEdit>(form, "EditValeur"), Qt::Key_Return); });
  ASSERT_TRUE(dialog.Execute(tsNumImg, Video(1)).Accepted);
  ASSERT_EQ(dialog.Value().toInt(), 0);

  QString interval;
  bool openAfterEnter = false;
  WhenShown([&](QDialog *form) {
    interval = Child<QLabel>(form, "PanelIntervalle")->text();
    auto *edit = Child<QLineEdit>(form, "EditValeur");
    QTest::keyClick(edit, Qt::Key_Return);
    openAfterEnter = form->isVisible();
    QTest::keyClick(edit, Qt::Key_Escape);
  });
  const TValueResult result = dialog.Execute(tsNbImgStep, Video(1));
  EXPECT_EQ(interval, QStringLiteral("1 <= number <= 0"));
  EXPECT_TRUE(openAfterEnter);
  EXPECT_EQ(boxes.Count(), 1);
  EXPECT_FALSE(result.Accepted);
  EXPECT_FALSE(dialog.Accepted());
  EXPECT_EQ(dialog.Value().toInt(), 0);
}

TEST(BoiteValeur, ClosingTheWindowCancels) {
  TScriptedMessageBox boxes;
  TBoiteValeur dialog;
  WhenShown([](QDialog *form) {
    QTest::keyClicks(Child<QLineEdit>(form, "EditValeur"), QStringLiteral("7"));
    form->close();
  });
  EXPECT_FALSE(dialog.Execute(tsNbImgStep, Video(1)).Accepted);
  EXPECT_EQ(boxes.Count(), 0);
}

TEST(BoiteValeur, WithoutAVideoOnlyTheFrameRateIsAsked) {
  TBoiteValeur dialog;
  TValueContext closed;
  bool shown = false;
  QTimer *poll = WhenShown([&shown](QDialog *form) {
    shown = true;
    form->reject();
  });
  EXPECT_FALSE(dialog.Execute(tsNumImg, closed).Accepted);
  QTest::qWait(30);
  EXPECT_FALSE(shown);
  delete poll;

  closed.WriterFrameRate = 30.0;
  WhenShown([](QDialog *form) {
    auto *edit = Child<QLineEdit>(form, "EditValeur");
    EXPECT_EQ(edit->text(), QStringLiteral("30"));
    QTest::keyClick(edit, Qt::Key_Return);
  });
  const TValueResult rate = dialog.Execute(tsCadence, closed);
  EXPECT_TRUE(rate.Accepted);
  EXPECT_DOUBLE_EQ(rate.Real(), 30.0);
}

TEST(BoiteValeur, TheCommentSitsAboveThePrompt) {
  TBoiteValeur dialog;
  QRect comment, prompt, edit, ok, status;
  QSize client;
  WhenShown([&](QDialog *form) {
    comment = Child<QLabel>(form, "LabelCommentaire")->geometry();
    prompt = Child<QLabel>(form, "LabelSaisie")->geometry();
    edit = Child<QLineEdit>(form, "EditValeur")->geometry();
    ok = Child<QPushButton>(form, "ButtonOk")->geometry();
    status = Child<QWidget>(form, "StatusBar")->geometry();
    client = form->size();
    QTest::keyClick(Child<QLineEdit>(form, "EditValeur"), Qt::Key_Escape);
  });
  dialog.Execute(tsNumOrdre, Video(100));
  EXPECT_EQ(comment.topLeft(), QPoint(12, 14));
  EXPECT_GT(comment.height(), 0);
  EXPECT_EQ(prompt.top(), comment.bottom() + 1 + 14);
  EXPECT_EQ(edit.left(), prompt.right() + 1 + 12);
  EXPECT_EQ(edit.top(), prompt.top() - 2);
  EXPECT_EQ(status.bottom() + 1, client.height());
  EXPECT_EQ(ok.bottom() + 1 + 10, status.top());
  EXPECT_EQ(client.height(), 127 + comment.height() + 14);
}

TEST(BoiteProprietes, ShowsTheVideoUntilEscape) {
  ScopedDecimalSeparator point(QLatin1Char('.'));
  TBoiteProprietes dialog;
  TVideoProperties video;
  video.FileName = QStringLiteral("/tmp/Parabole.avi");
  video.FrameRate = 25.0;
  video.FrameWidth = 320;
  video.FrameHeight = 240;
  video.FrameCount = 250;
  video.FrameDuration = 0.04;
  QString title, text;
  QSize size;
  bool readOnly = false;
  WhenShown([&](QDialog *form) {
    title = form->windowTitle();
    size = form->size();
    auto *rich = Child<QTextEdit>(form, "RichEditInformation");
    text = rich->toPlainText();
    readOnly = rich->isReadOnly();
    QTest::keyClick(rich, Qt::Key_Escape);
  });
  EXPECT_TRUE(dialog.Execute(video));
  EXPECT_EQ(title, QStringLiteral("Properties"));
  EXPECT_EQ(size, QSize(320, 250));
  EXPECT_TRUE(readOnly);
  EXPECT_EQ(text, QStringLiteral("Information on the video file\n\n/tmp/Parabole.avi\n\n- Frame rate: 25\n"
                                 "- Image width in pixels: 320\n- Image height in pixels: 240\n"
                                 "- Total number of images: 250\n- Video length: 10 s"));

  TVideoProperties none;
  EXPECT_FALSE(dialog.Execute(none));
}

TEST(BoiteProprietes, APortraitPhoneVideoOffersToShowItsPicturesAsStored) {
  ScopedDecimalSeparator point(QLatin1Char('.'));
  TBoiteProprietes dialog;
  TVideoProperties video;
  video.FileName = QStringLiteral("/tmp/phone.mp4");
  video.FrameRate = 30.0;
  video.FrameWidth = 360;
  video.FrameHeight = 640;
  video.FrameCount = 90;
  video.FrameDuration = 1.0 / 30.0;
  video.Rotation = 90;
  video.CaptureRate = 240.0;
  video.VariableRate = true;
  QString text;
  bool offered = false;
  WhenShown([&](QDialog *form) {
    text = Child<QTextEdit>(form, "RichEditInformation")->toPlainText();
    auto *ignore = form->findChild<QCheckBox *>(QStringLiteral("CheckBoxIgnoreRotation"));
    offered = ignore != nullptr && ignore->isVisible() && !ignore->isChecked();
    if (ignore) ignore->setChecked(true);
    QTest::keyClick(form, Qt::Key_Escape);
  });
  EXPECT_TRUE(dialog.Execute(video));
  EXPECT_TRUE(offered);
  EXPECT_TRUE(video.RotationIgnored);
  EXPECT_TRUE(text.endsWith(QStringLiteral("- Video length: 3 s\n- Rotation: 90°\n- Recorded at 240 frames/s\n"
                                           "- Frame durations vary")))
      << text.toStdString();
}

}  // namespace kolibra::settings::settings_windows_test
