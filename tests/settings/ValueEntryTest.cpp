// The value dialog's rules without a window: the texts of every kind, the values each kind
// accepts and refuses with the exact boxes, the key filter, both decimal separators, the
// dialog's layout and a kind whose interval is empty.

#include "settings/ValueEntry.h"

#include "kit/Locale.h"
#include "kit/MessageBox.h"

#include <gtest/gtest.h>
#include <QStringList>
#include <numbers>

using namespace kolibra;
using namespace kolibra::settings;

namespace {

// A 100-frame video on frame index 4, three objects, a tracking sequence from frame index 9
// to 49 on the second object.
TValueContext HundredFrames() {
  TValueContext c;
  c.VideoOpen = true;
  c.FrameCount = 100;
  c.CurrentFrame = 4;
  c.ScaleLength = 0.35;
  c.ScaleHorizLength = 1.0 / 3.0;
  c.ScaleVertLength = 12345678901.0;
  c.AxisAngle = std::numbers::pi / 6;
  c.ObjectCount = 3;
  c.MarksToDraw = 5;
  c.FramesBetweenMarks = 2;
  c.TrackerRadius = 30;
  c.TrackerFirstFrame = 9;
  c.TrackerLastFrame = 49;
  c.TrackerObject = 1;
  c.WriterFrameRate = 12.5;
  return c;
}

TValueEntryModel ModelFor(TTypeSaisie kind, const TValueContext &context = HundredFrames()) {
  TValueEntryModel model;
  model.SetContext(context);
  model.SetTypeSaisie(kind);
  return model;
}

QStringList LinesOf(const TMessageRequest &request) {
  QStringList lines;
  for (const TMessageLine &line : request.Lines) lines << line.Text;
  return lines;
}

}  // namespace

TEST(ValueEntry, EachKindPreparesItsTexts) {
  ScopedDecimalSeparator point(QLatin1Char('.'));
  struct Row {
    TTypeSaisie Kind;
    const char *Caption, *Prompt, *Initial, *Comment, *Interval;
  };
  const Row rows[] = {
      {tsAngle, "Define grid rotation angle", "Grid rotation angle in degree(s) :", "30", "",
       "-180° <= angle <= +180° trigonometric-wise"},
      {tsCadence, "Frame rate", "Number of frames per second (fps) :", "12.5", "",
       "1 fps <= frame rate <= 100 fps"},
      {tsLongueur, "Calibrate a segment", "Segment length in meter(s) :", "0.35", "",
       "1 mm < segment length < 15 Tm"},
      {tsDMax, "Search radius for target", "Search radius (in pixels) :", "30",
       "Max distance between 2 successive positions of the target, in pixels of the unmodified image",
       "10 <= maximum distance <= 100"},
      {tsLastImg, "Define last frame number for tracking", "Number of last frame :", "50",
       "First frame of the sequence shows the object's outline", "11 <= number <= 100"},
      {tsNbMqDrawn, "Draw last marks", "Number of marks to draw :", "5", "", "number >= 1"},
      {tsNbMqParImg, "Define number of marks per image", "Number of marks per image :", "3", "",
       "1 <= number <= 32"},
      {tsNumImg, "Find an image with its number", "New image number :", "5", "", "1 <= number <= 100"},
      {tsNumOrdre, "Define object number for tracking", "Object number :", "2",
       "Tracking can handle 1 object at a time", "1 <= number <= 3"},
      {tsNbImgStep, "Number of images separating 2 similar marks",
       "Number of images for automatic forward :", "2",
       "The next frame is automatically shown after the last mark is set.", "1 <= number <= 99"},
  };
  for (const Row &row : rows) {
    SCOPED_TRACE(row.Caption);
    const TValueEntryModel model = ModelFor(row.Kind);
    EXPECT_EQ(model.Caption, QString::fromUtf8(row.Caption));
    EXPECT_EQ(model.Prompt(), QString::fromUtf8(row.Prompt));
    EXPECT_EQ(model.InitialText(), QString::fromUtf8(row.Initial));
    EXPECT_EQ(model.Comment(), QString::fromUtf8(row.Comment));
    EXPECT_EQ(model.IntervalText(), QString::fromUtf8(row.Interval));
    EXPECT_EQ(IsRealKind(row.Kind), row.Kind <= tsLongueur);
  }
}

TEST(ValueEntry, LengthKindChoosesTheScaleLengthShown) {
  ScopedDecimalSeparator comma(QLatin1Char(','));
  TValueEntryModel model = ModelFor(tsLongueur);
  EXPECT_EQ(model.InitialText(), QStringLiteral("0,35"));
  model.SetTypeSaisieLongueur(slLongueurH);
  EXPECT_EQ(model.InitialText(), QStringLiteral("0,3333333333"));
  model.SetTypeSaisieLongueur(slLongueurV);
  EXPECT_EQ(model.InitialText(), QStringLiteral("1,23456789E10"));
  // Another kind keeps its own text; the choice applies when the length kind comes back.
  model.SetTypeSaisie(tsNumImg);
  model.SetTypeSaisieLongueur(slLongueurN);
  EXPECT_EQ(model.InitialText(), QStringLiteral("5"));
  model.SetTypeSaisie(tsLongueur);
  EXPECT_EQ(model.InitialText(), QStringLiteral("0,35"));
}

TEST(ValueEntry, AcceptedValuesAndWhatTheyGive) {
  ScopedDecimalSeparator point(QLatin1Char('.'));
  TScriptedMessageBox boxes;
  struct Row {
    TTypeSaisie Kind;
    const char *Text;
    double Expected;
  };
  const Row rows[] = {
      {tsAngle, "-180", -std::numbers::pi},
      {tsAngle, "180", std::numbers::pi},
      {tsAngle, "+45", std::numbers::pi / 4},
      {tsCadence, "1", 1.0},
      {tsCadence, "100", 100.0},
      {tsCadence, "2.5E1", 25.0},
      {tsLongueur, "0.0011", 0.0011},
      {tsLongueur, "1,5", 1.5},
      {tsLongueur, "1.4e13", 1.4e13},
      {tsDMax, "10", 10},
      {tsDMax, "100", 100},
      {tsLastImg, "11", 10},   // typed number - 1: a frame index
      {tsLastImg, "100", 99},
      {tsNbMqDrawn, "1", 1},
      {tsNbMqDrawn, "2000000", 2000000},
      {tsNbMqParImg, "32", 32},
      {tsNumImg, "100", 99},   // the frame count gives the last frame
      {tsNumImg, "1", 0},
      {tsNumOrdre, "3", 2},
      {tsNbImgStep, "99", 99},
  };
  for (const Row &row : rows) {
    SCOPED_TRACE(std::string(row.Text) + " for kind " + std::to_string(row.Kind));
    TValueEntryModel model = ModelFor(row.Kind);
    model.Start();
    ASSERT_TRUE(model.Validate(QString::fromUtf8(row.Text)));
    EXPECT_TRUE(model.Accepted());
    if (IsRealKind(row.Kind)) {
      EXPECT_EQ(model.Value().typeId(), QMetaType::Double);
      EXPECT_DOUBLE_EQ(model.Result().Real(), row.Expected);
    } else {
      EXPECT_EQ(model.Value().typeId(), QMetaType::Int);
      EXPECT_EQ(model.Result().Integer(), int(row.Expected));
    }
  }
  EXPECT_EQ(boxes.Count(), 0);
}

TEST(ValueEntry, ValuesOutsideTheIntervalAreRefusedWithTheInterval) {
  ScopedDecimalSeparator point(QLatin1Char('.'));
  struct Row {
    TTypeSaisie Kind;
    const char *Text;
    const char *FirstLine;
    const char *Interval;
  };
  const Row rows[] = {
      {tsAngle, "181", "Inputted value: 181°", "-180° <= angle <= +180° trigonometric-wise"},
      {tsAngle, "-180.001", "Inputted value: -180.001°", "-180° <= angle <= +180° trigonometric-wise"},
      {tsCadence, "0.5", "Inputted value: 0.5", "1 fps <= frame rate <= 100 fps"},
      {tsCadence, "100.01", "Inputted value: 100.01", "1 fps <= frame rate <= 100 fps"},
      {tsLongueur, "0.001", "Inputted value: 0.001 m", "1 mm < segment length < 15 Tm"},
      {tsLongueur, "1.5e13", "Inputted value: 1.5e13 m", "1 mm < segment length < 15 Tm"},
      {tsLongueur, "-2", "Inputted value: -2 m", "1 mm < segment length < 15 Tm"},
      {tsDMax, "9", "Inputted value: 9", "10 <= maximum distance <= 100"},
      {tsDMax, "101", "Inputted value: 101", "10 <= maximum distance <= 100"},
      {tsLastImg, "10", "Inputted value: 10", "11 <= number <= 100"},
      {tsLastImg, "101", "Inputted value: 101", "11 <= number <= 100"},
      {tsNbMqDrawn, "0", "Inputted value: 0", "number >= 1"},
      {tsNbMqParImg, "33", "Inputted value: 33", "1 <= number <= 32"},
      {tsNbMqParImg, "0", "Inputted value: 0", "1 <= number <= 32"},
      {tsNumImg, "101", "Inputted value: 101", "1 <= number <= 100"},
      {tsNumOrdre, "4", "Inputted value: 4", "1 <= number <= 3"},
      {tsNbImgStep, "100", "Inputted value: 100", "1 <= number <= 99"},  // the frame count
  };
  for (const Row &row : rows) {
    SCOPED_TRACE(row.FirstLine);
    TScriptedMessageBox boxes;
    TValueEntryModel model = ModelFor(row.Kind);
    model.Start();
    EXPECT_FALSE(model.Validate(QString::fromUtf8(row.Text)));
    EXPECT_FALSE(model.Accepted());
    EXPECT_FALSE(model.Value().isValid());
    ASSERT_EQ(boxes.Count(), 1);
    const TMessageRequest &box = boxes.Last();
    EXPECT_EQ(box.Icon, icInformation);
    EXPECT_EQ(box.Buttons, QStringList{QStringLiteral("Ok")});
    EXPECT_EQ(LinesOf(box), (QStringList{QString::fromUtf8(row.FirstLine), QString(),
                                         QStringLiteral("Type a value in the given interval:"), QString(),
                                         QString::fromUtf8(row.Interval)}));
    EXPECT_EQ(box.Lines.at(0).Color, colors::clBlue);
  }
}

TEST(ValueEntry, TextThatIsNoNumberIsRefusedWithAWarning) {
  ScopedDecimalSeparator point(QLatin1Char('.'));
  const QStringList realLines = {
      QString(), QStringLiteral("This string is not a  suitable real."), QString(),
      QStringLiteral("String must contain a sign (optional), numerals, a decimal separator (optional), "
                     "then a mantissa (optional)."),
      QStringLiteral("Mantissa contains « E » or « e » followed by a sign (facultative) and an integer.")};
  struct Row {
    TTypeSaisie Kind;
    const char *Text;
  };
  // Texts a paste can bring past the key filter, and those the filter lets a user type.
  const Row rows[] = {{tsAngle, ""},   {tsAngle, "1e"},     {tsLongueur, "1.2.3"}, {tsCadence, "+-3"},
                      {tsCadence, "INF"}, {tsLongueur, "nan"}, {tsNumImg, ""},     {tsNumImg, "12a"},
                      {tsNbMqDrawn, "99999999999"}, {tsDMax, "1.5"}};
  for (const Row &row : rows) {
    SCOPED_TRACE(row.Text);
    TScriptedMessageBox boxes;
    TValueEntryModel model = ModelFor(row.Kind);
    model.Start();
    EXPECT_FALSE(model.Validate(QString::fromUtf8(row.Text)));
    EXPECT_FALSE(model.Accepted());
    ASSERT_EQ(boxes.Count(), 1);
    const TMessageRequest &box = boxes.Last();
    EXPECT_EQ(box.Icon, icWarning);
    EXPECT_EQ(box.Buttons, QStringList{QStringLiteral("Ok")});
    const QStringList expected =
        QStringList{QStringLiteral("Inputted value: ") + QString::fromUtf8(row.Text)} +
        (IsRealKind(row.Kind) ? realLines
                              : QStringList{QString(), QStringLiteral("This string is not a  suitable integer.")});
    EXPECT_EQ(LinesOf(box), expected);
    EXPECT_EQ(box.Lines.at(0).Color, colors::clBlue);
  }
}

TEST(ValueEntry, BothDecimalSeparatorsReadUnderEitherSetting) {
  TScriptedMessageBox boxes;
  for (QChar separator : {QLatin1Char('.'), QLatin1Char(',')}) {
    ScopedDecimalSeparator scoped(separator);
    for (const char *text : {"1,5", "1.5"}) {
      TValueEntryModel model = ModelFor(tsLongueur);
      ASSERT_TRUE(model.Validate(QString::fromLatin1(text))) << text;
      EXPECT_DOUBLE_EQ(model.Result().Real(), 1.5);
    }
    EXPECT_EQ(ModelFor(tsCadence).InitialText(), QString(QStringLiteral("12")) + separator + QLatin1Char('5'));
  }
  EXPECT_EQ(boxes.Count(), 0);
}

TEST(ValueEntry, KeyFilter) {
  ScopedDecimalSeparator comma(QLatin1Char(','));
  struct Row {
    TTypeSaisie Kind;
    char16_t Key;
    bool Kept;
    char16_t Becomes;
  };
  const Row rows[] = {
      {tsNumImg, u'7', true, u'7'},      {tsNumImg, u'\b', true, u'\b'}, {tsNumImg, u'\r', true, u'\r'},
      {tsNumImg, u'-', false, u'-'},     {tsNumImg, u'a', false, u'a'},  {tsNumImg, u'.', false, u'.'},
      {tsNumImg, u'E', false, u'E'},     {tsNumImg, u'٣', false, u'٣'},  // an Arabic-Indic three
      {tsAngle, u'-', true, u'-'},       {tsAngle, u'+', true, u'+'},    {tsAngle, u'e', true, u'e'},
      {tsAngle, u'E', true, u'E'},       {tsAngle, u'.', true, u','},    {tsLongueur, u',', true, u','},
      {tsCadence, u'x', false, u'x'},    {tsCadence, u' ', false, u' '},
  };
  for (const Row &row : rows) {
    QChar key(row.Key);
    EXPECT_EQ(TValueEntryModel::FilterKey(row.Kind, key), row.Kept) << char(row.Key);
    EXPECT_EQ(key, QChar(row.Becomes)) << char(row.Key);
  }
  ScopedDecimalSeparator point(QLatin1Char('.'));
  QChar comma2(u',');
  EXPECT_TRUE(TValueEntryModel::FilterKey(tsAngle, comma2));
  EXPECT_EQ(comma2, QLatin1Char('.'));
}

TEST(ValueEntry, WithoutAVideoOnlyTheFrameRateIsAsked) {
  TValueContext closed = HundredFrames();
  closed.VideoOpen = false;
  for (int kind = tsAngle; kind <= tsNbImgStep; ++kind)
    EXPECT_EQ(ModelFor(TTypeSaisie(kind), closed).CanExecute(), kind == tsCadence) << kind;
  for (int kind = tsAngle; kind <= tsNbImgStep; ++kind)
    EXPECT_TRUE(ModelFor(TTypeSaisie(kind)).CanExecute()) << kind;
}

// A one-frame video asked for a frame step: no number can pass, so the dialog must be left by
// cancelling, and cancelling keeps what the last accepted dialog gave.
TEST(ValueEntry, EmptyIntervalRefusesEverythingAndCancelChangesNothing) {
  TScriptedMessageBox boxes;
  TValueContext one = HundredFrames();
  one.FrameCount = 1;
  TValueEntryModel model = ModelFor(tsNumImg, one);
  ASSERT_TRUE(model.Validate(QStringLiteral("1")));
  EXPECT_EQ(model.Result().Integer(), 0);

  model.SetTypeSaisie(tsNbImgStep);
  EXPECT_EQ(model.IntervalText(), QStringLiteral("1 <= number <= 0"));
  EXPECT_TRUE(model.Interval().IsEmpty());
  model.Start();
  for (const char *text : {"0", "1", "2"}) EXPECT_FALSE(model.Validate(QString::fromLatin1(text)));
  EXPECT_EQ(boxes.Count(), 3);
  model.Cancel();
  EXPECT_FALSE(model.Accepted());
  EXPECT_EQ(model.Result().Integer(), 0);  // the earlier value, untouched

  // A tracking sequence starting on the last frame has no last frame to choose either.
  TValueContext late = HundredFrames();
  late.TrackerFirstFrame = 99;
  EXPECT_TRUE(ModelFor(tsLastImg, late).Interval().IsEmpty());
  EXPECT_FALSE(ModelFor(tsLastImg).Interval().IsEmpty());
  EXPECT_FALSE(ModelFor(tsLongueur).Interval().IsEmpty());
}


TEST(ValueEntry, LayoutFollowsThePromptAndTheComment) {
  const auto none = [](int) { return 0; };
  // A 200-pixel prompt on a wide screen.
  TValueLayout wide = ComputeValueLayout(QSize(200, 16), false, none, 1366);
  EXPECT_EQ(wide.Client, QSize(356, 127));
  EXPECT_EQ(wide.Prompt, QRect(12, 14, 200, 16));
  EXPECT_EQ(wide.Edit, QRect(224, 12, 120, 21));
  EXPECT_EQ(wide.Button, QRect(140, 69, 75, 25));
  EXPECT_EQ(wide.Bevel, QRect(10, 55, 336, 2));
  EXPECT_EQ(wide.StatusBar, QRect(0, 104, 356, 23));
  EXPECT_TRUE(wide.Comment.isEmpty());

  // A narrow work area: three quarters of 400 pixels, the prompt narrowed to leave the edit room.
  TValueLayout narrow = ComputeValueLayout(QSize(200, 16), false, none, 400);
  EXPECT_EQ(narrow.Client.width(), 300);
  EXPECT_EQ(narrow.Prompt.width(), 144);
  EXPECT_EQ(narrow.Edit.x(), 168);
  EXPECT_EQ(narrow.Edit.right() + 1, 288);

  // A comment of 30 pixels at the width it is given pushes everything below it down.
  int askedWidth = 0;
  TValueLayout commented = ComputeValueLayout(QSize(200, 16), true,
                                              [&askedWidth](int width) {
                                                askedWidth = width;
                                                return 30;
                                              },
                                              1366);
  EXPECT_EQ(askedWidth, 332);
  EXPECT_EQ(commented.Comment, QRect(12, 14, 332, 30));
  EXPECT_EQ(commented.Client, QSize(356, 171));
  EXPECT_EQ(commented.Prompt.topLeft(), QPoint(12, 58));
  EXPECT_EQ(commented.Edit.topLeft(), QPoint(224, 56));
  EXPECT_EQ(commented.Button.topLeft(), QPoint(140, 113));
  EXPECT_EQ(commented.Bevel.y(), 99);
  EXPECT_EQ(commented.StatusBar.y(), 148);
}
