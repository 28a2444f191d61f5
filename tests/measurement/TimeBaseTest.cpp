// The time base's rules and the time-interval dialog's model: number formats, texts,
// radio buttons, the key filter and the validation with its two messages.

#include "kit/Locale.h"
#include "kit/MessageBox.h"
#include "measurement/TimeBase.h"

#include <gtest/gtest.h>

namespace kolibra::measurement::time_base_test {

TEST(TimeBase, ValidIntervalsLieStrictlyBetweenAMicrosecondAndAGigasecond) {
  EXPECT_FALSE(IsValidFrameInterval(1e-6));
  EXPECT_TRUE(IsValidFrameInterval(2e-6));
  EXPECT_TRUE(IsValidFrameInterval(0.04));
  EXPECT_FALSE(IsValidFrameInterval(1e9));
  EXPECT_FALSE(IsValidFrameInterval(0.0));
  EXPECT_FALSE(IsValidFrameInterval(-0.04));
}

TEST(TimeBase, DialogTextsForA25FramesPerSecondVideo) {
  ScopedDecimalSeparator point(QLatin1Char('.'));
  TTimeBaseDialogModel model(0.04, 0.04);
  EXPECT_EQ(TTimeBaseDialogModel::DefaultCaption(), QStringLiteral("Interval between 2 frames"));
  EXPECT_EQ(model.InfoLines(), (QStringList{"The video file was captured with a frame rate of", "25 images / second.",
                                            "The interval between 2 successive images is then", "T = 0.04 s."}));
  EXPECT_EQ(model.GroupCaption(), QStringLiteral("Duration represented by T"));
  EXPECT_EQ(model.DefaultRadioCaption(), QStringLiteral("Use the default value T = 0.04 s"));
  EXPECT_EQ(model.OtherRadioCaption(), QStringLiteral("Choose another value:"));
  EXPECT_EQ(model.UnitCaption(), QStringLiteral("second(s)"));
  EXPECT_TRUE(model.IsDefaultChecked());
  EXPECT_EQ(model.EditText(), QStringLiteral("0.04"));

  // A 29.97 frames-per-second video rounds its rate half to even.
  TTimeBaseDialogModel ntsc(1.0 / 29.97, 0.5);
  EXPECT_EQ(ntsc.InfoLines()[1], QStringLiteral("30 images / second."));
  EXPECT_EQ(ntsc.InfoLines()[3], QStringLiteral("T = 0.0334 s."));
  EXPECT_FALSE(ntsc.IsDefaultChecked());
  EXPECT_EQ(ntsc.EditText(), QStringLiteral("0.5"));
}

// Filmed at 240 frames per second, stored at 30: the true interval is proposed, the user
// takes it with the first radio button.
TEST(TimeBase, SlowMotionProposesTheIntervalOfItsCaptureRate) {
  ScopedDecimalSeparator point(QLatin1Char('.'));
  TTimeBaseChoice choice;
  choice.DefaultDuration = 1.0 / 30.0;
  choice.FrameInterval = 1.0 / 30.0;
  choice.CaptureRate = 240.0;
  TTimeBaseDialogModel model(choice);
  EXPECT_EQ(model.InfoLines()[1], QStringLiteral("240 images / second."));
  EXPECT_EQ(model.InfoLines().last(), QStringLiteral("This video was recorded at 240 frames/s, stored at 30."));
  EXPECT_EQ(model.DefaultRadioCaption(), QStringLiteral("Use the default value T = 0.00417 s"));
  EXPECT_FALSE(model.IsDefaultChecked());
  EXPECT_FALSE(model.HasStamps());
  double applied = 0.0;
  model.OnApplyDefault = [&applied](double seconds) { applied = seconds; };
  model.ChooseDefault();
  EXPECT_DOUBLE_EQ(applied, 1.0 / 240.0);

  // A capture rate equal to the stored one is no slow motion.
  EXPECT_FALSE(IsSlowMotion(30.0, 30.0));
  EXPECT_FALSE(IsSlowMotion(29.97, 30.0));
  EXPECT_TRUE(IsSlowMotion(120.0, 30.0));
  EXPECT_FALSE(IsSlowMotion(0.0, 30.0));
}

TEST(TimeBase, AVideoWithStampsOffersThemFirst) {
  TTimeBaseChoice choice;
  choice.DefaultDuration = 0.0595;
  choice.FrameInterval = 0.0595;
  choice.HasStamps = true;
  choice.UseStamps = true;
  TTimeBaseDialogModel model(choice);
  EXPECT_EQ(model.StampsRadioCaption(), QStringLiteral("Use the video's time stamps"));
  EXPECT_TRUE(model.IsStampsChecked());
  EXPECT_FALSE(model.IsDefaultChecked());
  EXPECT_EQ(model.InfoLines().last(), QStringLiteral("The frames of this video do not all last the same time."));
  model.TextEdited(QStringLiteral("0.05"));
  EXPECT_FALSE(model.IsStampsChecked()) << "typing an interval chooses the interval";
  model.ChooseStamps();
  EXPECT_TRUE(model.IsStampsChecked());
  model.ChooseDefault();
  EXPECT_FALSE(model.IsStampsChecked());
}

TEST(TimeBase, RadioButtonsApplyTheDefaultOrOfferTheCurrentInterval) {
  ScopedDecimalSeparator point(QLatin1Char('.'));
  TTimeBaseDialogModel model(0.04, 0.1);
  std::vector<double> applied;
  model.OnApplyDefault = [&applied](double seconds) { applied.push_back(seconds); };
  model.TextEdited(QStringLiteral("0.2"));
  EXPECT_FALSE(model.IsDefaultChecked());
  model.ChooseDefault();
  EXPECT_EQ(applied, std::vector<double>{0.04});
  EXPECT_TRUE(model.IsDefaultChecked());
  EXPECT_EQ(model.EditText(), QStringLiteral("0.04"));
  // The document now has the default: the second button offers it.
  model.ChooseOther();
  EXPECT_FALSE(model.IsDefaultChecked());
  EXPECT_EQ(model.EditText(), QStringLiteral("0.04"));
  model.TextEdited(QStringLiteral("0.05"));
  EXPECT_EQ(model.EditText(), QStringLiteral("0.05"));
}

TEST(TimeBase, EditAcceptsOnlyTheCharactersOfAReal) {
  ScopedDecimalSeparator comma(QLatin1Char(','));
  const struct {
    char Typed;
    bool Accepted;
    char Becomes;
  } rows[] = {{'0', true, '0'}, {'9', true, '9'}, {'+', true, '+'}, {'-', true, '-'}, {'E', true, 'E'},
              {'e', true, 'e'}, {'.', true, ','}, {',', true, ','}, {'\b', true, '\b'}, {'\r', true, '\r'},
              {'a', false, 'a'}, {' ', false, ' '}, {'/', false, '/'}, {'x', false, 'x'}};
  for (const auto &row : rows) {
    QChar key = QLatin1Char(row.Typed);
    EXPECT_EQ(TTimeBaseDialogModel::FilterKey(key), row.Accepted) << int(row.Typed);
    if (row.Accepted) {
      EXPECT_EQ(key, QLatin1Char(row.Becomes)) << int(row.Typed);
    }
  }
}

TEST(TimeBase, OkRefusesAMicrosecondAndAcceptsTwo) {
  ScopedDecimalSeparator point(QLatin1Char('.'));
  TScriptedMessageBox boxes;
  double value = -1.0;
  EXPECT_FALSE(TTimeBaseDialogModel::ValidateText(QStringLiteral("1e-6"), value));
  ASSERT_EQ(boxes.Count(), 1);
  EXPECT_EQ(boxes.Last().Icon, icInformation);
  EXPECT_EQ(boxes.Last().Text(), QStringLiteral("Inputted value: 1e-6 s\nType a value in the given interval:\n"
                                                "1 µs < time interval < 1 Gs"));
  EXPECT_EQ(boxes.Last().Buttons, QStringList{QStringLiteral("Ok")});
  EXPECT_DOUBLE_EQ(value, -1.0);

  EXPECT_TRUE(TTimeBaseDialogModel::ValidateText(QStringLiteral("2e-6"), value));
  EXPECT_DOUBLE_EQ(value, 2e-6);
  EXPECT_EQ(boxes.Count(), 1);

  EXPECT_FALSE(TTimeBaseDialogModel::ValidateText(QStringLiteral("1E9"), value));
  EXPECT_EQ(boxes.Count(), 2);
}

TEST(TimeBase, ACommaReadsAsTheSeparatorOfAPointSystem) {
  ScopedDecimalSeparator point(QLatin1Char('.'));
  TScriptedMessageBox boxes;
  double value = 0.0;
  EXPECT_TRUE(TTimeBaseDialogModel::ValidateText(QStringLiteral("1,5"), value));
  EXPECT_DOUBLE_EQ(value, 1.5);
  TTimeBaseDialogModel model(0.04, 0.04);
  model.TextEdited(QStringLiteral("0,25"));
  EXPECT_TRUE(model.Validate(value));
  EXPECT_DOUBLE_EQ(value, 0.25);
  EXPECT_EQ(boxes.Count(), 0);
}

TEST(TimeBase, TextThatIsNoRealGetsTheWarning) {
  ScopedDecimalSeparator point(QLatin1Char('.'));
  TScriptedMessageBox boxes;
  for (const char *text : {"", "abc", "1.2.3", "e5", "--1", "nan", "inf", "1e999"}) {
    double value = 7.0;
    EXPECT_FALSE(TTimeBaseDialogModel::ValidateText(QString::fromLatin1(text), value)) << text;
    EXPECT_DOUBLE_EQ(value, 7.0);
    ASSERT_GT(boxes.Count(), 0);
    EXPECT_EQ(boxes.Last().Icon, icWarning) << text;
  }
  EXPECT_EQ(boxes.Last().Text(),
            QStringLiteral("Inputted value: 1e999\nThis string is not a  suitable real.\n"
                           "String must contain a sign (optional), numerals, a decimal separator (optional), then a "
                           "mantissa (optional).\nMantissa contains « E » or « e » followed by a sign (facultative) "
                           "and an integer."));
  EXPECT_EQ(boxes.Last().Buttons, QStringList{QStringLiteral("Ok")});
}

}  // namespace kolibra::measurement::time_base_test
