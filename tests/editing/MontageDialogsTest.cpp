// The rules of the montage's dialogs: the typed series of frames (1-based numbers and
// ranges), the list entries, the keys, the group warning; the missing-frame dialog's texts
// and arrows.

#include "editing/MontageFixture.h"

namespace kolibra::editing::montage_dialogs_test {

using testing::MontageFixture;

// Video indexes (0-based) of a selection.
std::vector<int> Selected(const TBoiteBasculerModel &model) {
  std::vector<int> frames;
  for (size_t i = 0; i < model.Selection.size(); ++i)
    if (model.Selection[i]) frames.push_back(int(i));
  return frames;
}

TEST(BoiteBasculerModel, TypedGroupsSelectFrames) {
  struct Case {
    const char *Text;
    std::vector<int> Frames;  // video indexes
  };
  const Case cases[] = {
      {"5-3; 8", {2, 3, 4, 7}},
      {"1;;2--4;", {0, 1, 2, 3}},
      {"10", {9}},
      {"3-", {2}},
      {" 2 ; 4 - 5 ;;", {1, 3, 4}},
      {"", {}},
      {";-;", {}},
  };
  for (const Case &c : cases) {
    TBoiteBasculerModel model;
    model.Prepare(10);
    EXPECT_EQ(model.TryClose(QString::fromUtf8(c.Text), TBoiteBasculerModel::lcText, true), TBoiteBasculerModel::crClose)
        << c.Text;
    EXPECT_EQ(Selected(model), c.Frames) << c.Text;
    EXPECT_TRUE(model.Accepted());
    EXPECT_TRUE(model.Action);
  }
}

TEST(BoiteBasculerModel, AWrongGroupWarnsAndKeepsTheDialogOpen) {
  TScriptedMessageBox boxes;
  struct Case {
    const char *Text;
    TBoiteBasculerModel::TCloseResult Result;
  };
  const Case cases[] = {
      {"0", TBoiteBasculerModel::crKeepOpen},
      {"11", TBoiteBasculerModel::crKeepOpen},
      {"2; 0-3", TBoiteBasculerModel::crKeepOpen},
      {"-4", TBoiteBasculerModel::crKeepOpen},
      {"1 2", TBoiteBasculerModel::crKeepOpen},
      {"99999999999", TBoiteBasculerModel::crKeepOpen},
      {"1,2", TBoiteBasculerModel::crKeepOpenEmptied},
      {"a", TBoiteBasculerModel::crKeepOpenEmptied},
  };
  for (const Case &c : cases) {
    TBoiteBasculerModel model;
    model.Prepare(10);
    EXPECT_EQ(model.TryClose(QString::fromUtf8(c.Text), TBoiteBasculerModel::lcText, false), c.Result) << c.Text;
    EXPECT_TRUE(Selected(model).empty()) << "selections of earlier groups are discarded: " << c.Text;
    EXPECT_FALSE(model.Accepted());
    EXPECT_EQ(boxes.Last().Text(), QStringLiteral("The image group at hide is incorrect")) << c.Text;
  }
  TBoiteBasculerModel model;
  model.Prepare(10);
  model.TryClose(QStringLiteral("12"), TBoiteBasculerModel::lcText, true);
  EXPECT_EQ(boxes.Last().Text(), QStringLiteral("The image group at show is incorrect"));
  EXPECT_FALSE(model.Action) << "the action changes only when the dialog closes";
}

TEST(BoiteBasculerModel, EvenAndOddNumbersAreOneBased) {
  TBoiteBasculerModel model;
  model.Prepare(5);
  model.TryClose(QString(), TBoiteBasculerModel::lcEven, false);
  EXPECT_EQ(Selected(model), (std::vector<int>{1, 3}));
  model.Prepare(5);
  model.TryClose(QString(), TBoiteBasculerModel::lcOdd, false);
  EXPECT_EQ(Selected(model), (std::vector<int>{0, 2, 4}));
}

TEST(BoiteBasculerModel, KeysOfTheComboBox) {
  using M = TBoiteBasculerModel;
  for (QChar key : QStringLiteral("0123456789 -;\b")) EXPECT_EQ(M::FilterKey(key, false), M::kuAccept) << int(key.unicode());
  for (QChar key : QStringLiteral("a,.+x")) EXPECT_EQ(M::FilterKey(key, false), M::kuIgnore) << int(key.unicode());
  EXPECT_EQ(M::FilterKey(QLatin1Char('\r'), false), M::kuOk);
  EXPECT_EQ(M::FilterKey(QLatin1Char('5'), true), M::kuIgnore) << "a list entry takes no typing";
}

class BoiteInstantModelTest : public MontageFixture {};

TEST_F(BoiteInstantModelTest, TextsAndArrows) {
  ASSERT_TRUE(model.SetMode(videoview::vmMontage));
  GoTo(0);
  TBoiteInstantModel instant(montage, data);
  EXPECT_EQ(instant.IntervalLine(), QStringLiteral("The interval between 2 successive frames is T = 0.040 s."));
  EXPECT_EQ(instant.PreviousLine(), QString()) << "no frame before the first";
  EXPECT_EQ(instant.CurrentValue(), QStringLiteral("0 s"));
  EXPECT_EQ(instant.NextLine(), QStringLiteral("next visible image  t = 0.040 s"));
  EXPECT_FALSE(instant.Down());
  ASSERT_TRUE(instant.Up());
  EXPECT_EQ(instant.CurrentValue(), QStringLiteral("0.040 s"));
  EXPECT_EQ(montage.MissingFramesCount(), 1);
  GoTo(4);
  EXPECT_EQ(instant.PreviousLine(), QStringLiteral("previous visible image t = 0.160 s"));
}

TEST_F(BoiteInstantModelTest, TheDialogRunsOnlyOnAKeptFrame) {
  struct TCounting : IMontageDialogs {
    void ShowSeries(TBoiteBasculerModel &) override {}
    void ShowMissingFrame(TBoiteInstantModel &model) override {
      ++Shown;
      Caption = model.Caption;
    }
    int Shown = 0;
    QString Caption;
  } dialogs;
  ASSERT_TRUE(model.SetMode(videoview::vmMontage));
  montage.SetKept(3, false);
  GoTo(3);
  montage.MissingFrame(dialogs);
  EXPECT_EQ(dialogs.Shown, 0);
  GoTo(4);
  montage.MissingFrame(dialogs);
  EXPECT_EQ(dialogs.Shown, 1);
  EXPECT_EQ(dialogs.Caption, QStringLiteral("A frame is missing in the video stream"));
}

}  // namespace kolibra::editing::montage_dialogs_test
