#include "kit/Hint.h"
#include "kit/MessageBox.h"

#include <gtest/gtest.h>

using namespace kolibra;

TEST(MessageBox, ScriptedAnswersComeBackAsButtonIndexesInOrder) {
  TScriptedMessageBox script;
  script.Answer(1);
  script.Answer(0, true);

  TMessageBox box(icWarning);
  box.AddFileName("/home/ann/ball.klb").AddEmptyLine().AddLine("A file with the same name already exists. Overwrite ?");
  box.AddButton("Cancel").AddButton("Ok");
  EXPECT_EQ(box.Execute(), 1);

  TMessageBox second(icConfirmation);
  second.AddLine("Question").AddButton("No").AddButton("Yes").SetCheckBox("Do not show this dialog again");
  EXPECT_EQ(second.Execute(), 0);
  EXPECT_TRUE(second.Checked());

  ASSERT_EQ(script.Count(), 2);
  const TMessageRequest &first = script.Requests()[0];
  EXPECT_EQ(first.Title, QString("Kolibra"));
  EXPECT_EQ(first.Icon, icWarning);
  EXPECT_EQ(first.Buttons, QStringList({"Cancel", "Ok"}));
  ASSERT_EQ(first.Lines.size(), 3u);
  EXPECT_EQ(first.Lines[0].Color, colors::clBlue);  // file names in blue
  EXPECT_EQ(first.Text(), QString("/home/ann/ball.klb\n\nA file with the same name already exists. Overwrite ?"));
  EXPECT_EQ(script.Last().CheckBoxText, QString("Do not show this dialog again"));
}

TEST(MessageBox, UnscriptedBoxesTakeTheFirstButtonAndASingleBoxGetsOk) {
  TScriptedMessageBox script;
  ShowError({"Saving has failed.", "Check that the drive is not write-protected."});
  ASSERT_EQ(script.Count(), 1);
  EXPECT_EQ(script.Last().Icon, icError);
  EXPECT_EQ(script.Last().Buttons, QStringList({"Ok"}));
  TMessageBox timed;
  timed.AddLine("Closing soon").SetTimeout(1500);
  EXPECT_EQ(timed.Execute(), 0);
  EXPECT_EQ(script.Last().TimeoutMs, 1500);
}

TEST(MessageBox, ScriptsNestAndRestoreThePreviousPresenter) {
  IMessagePresenter *before = MessagePresenter();
  {
    TScriptedMessageBox outer;
    {
      TScriptedMessageBox inner;
      inner.Answer(2);
      TMessageBox b;
      b.AddButton("a").AddButton("b").AddButton("c");
      EXPECT_EQ(b.Execute(), 2);
      EXPECT_EQ(outer.Count(), 0);
    }
    EXPECT_EQ(MessagePresenter(), &outer);
  }
  EXPECT_EQ(MessagePresenter(), before);
}

TEST(Hint, ShortAndLongPartsSplitAtTheBar) {
  EXPECT_EQ(ShortHint("New vector|Draw a new vector with the mouse"), QString("New vector"));
  EXPECT_EQ(LongHint("New vector|Draw a new vector with the mouse"), QString("Draw a new vector with the mouse"));
  EXPECT_EQ(ShortHint("|Avoid an unwanted exit"), QString());
  EXPECT_EQ(LongHint("|Avoid an unwanted exit"), QString("Avoid an unwanted exit"));
  EXPECT_EQ(LongHint("plain"), QString("plain"));
  EXPECT_EQ(LongHint("Fit using an exponential| Model parameters available by hovering over the curve "),
            QString(" Model parameters available by hovering over the curve "));
}
