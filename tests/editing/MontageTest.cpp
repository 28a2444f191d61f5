// The montage on a video of ten frames: hiding and showing frames, the last kept frame,
// series, missing frames, leaving montage mode, the section of the work file with its
// runs, the questions before marks are deleted, and undo around all of it.

#include "editing/MontageFixture.h"

#include "kit/IniFile.h"

namespace kolibra::editing::montage_test {

using testing::MontageFixture;
using TSlots = std::vector<int>;

class MontageTest : public MontageFixture {};

TEST_F(MontageTest, HidingAFrameClosesTheTimeLineAndShowingReopensIt) {
  Edit();
  ASSERT_TRUE(montage.SetKept(3, false));
  EXPECT_EQ(montage.Count(), 9);
  EXPECT_EQ(montage.TimeShifts(), (std::vector<int>{0, 0, 0, 0, -1, -1, -1, -1, -1, -1}));
  EXPECT_EQ(KeptSlots(), (TSlots{0, 1, 2, 3, 4, 5, 6, 7, 8}));
  EXPECT_EQ(montage.VideoFrameOf(3), 4);
  EXPECT_EQ(montage.MontageIndexOf(3), -1);
  EXPECT_EQ(montage.VideoFrameOf(9), -1);
  EXPECT_FALSE(montage.SetKept(3, false)) << "already hidden";
  ASSERT_TRUE(montage.SetKept(3, true));
  EXPECT_EQ(montage.TimeShifts(), std::vector<int>(10, 0));
  EXPECT_EQ(montage.Count(), 10);
}

TEST_F(MontageTest, NothingChangesOutsideMontageMode) {
  EXPECT_FALSE(montage.SetKept(3, false));
  EXPECT_FALSE(montage.ShiftFromCurrent(1));
  EXPECT_FALSE(montage.CurrentKept());
  EXPECT_EQ(montage.FrameTime(fwCurrent), -1.0);
  EXPECT_EQ(montage.Count(), 10);
}

TEST_F(MontageTest, TheLastKeptFrameStaysAndASeriesStopsThere) {
  Edit();
  montage.SetKeptList(std::vector<bool>(10, true), false);
  EXPECT_EQ(montage.Count(), 1);
  EXPECT_TRUE(montage.IsKept(9));
  ASSERT_EQ(boxes.Count(), 1);
  EXPECT_EQ(boxes.Last().Text(), QStringLiteral("At least 1 frame must remain visible"));
  EXPECT_FALSE(montage.SetKept(9, false));
  EXPECT_EQ(montage.Count(), 1);
  EXPECT_EQ(KeptSlots(), TSlots{0}) << "the only frame left stands at the start";
}

TEST_F(MontageTest, AMissingFrameShiftsTheCurrentFrameAndTheLaterOnes) {
  Edit();
  GoTo(0);
  EXPECT_FALSE(montage.ShiftFromCurrent(-1)) << "the first kept frame never goes below slot 0";
  ASSERT_TRUE(montage.ShiftFromCurrent(1));
  EXPECT_EQ(montage.MissingFramesCount(), 1);
  EXPECT_EQ(KeptSlots().front(), 1);
  GoTo(5);
  ASSERT_TRUE(montage.ShiftFromCurrent(2));
  EXPECT_EQ(montage.MissingFramesCount(), 3);
  EXPECT_DOUBLE_EQ(montage.FrameTime(fwCurrent), 8 * 0.04);
  EXPECT_DOUBLE_EQ(montage.FrameTime(fwPrevious), 5 * 0.04);
  EXPECT_DOUBLE_EQ(montage.FrameTime(fwNext), 9 * 0.04);
  EXPECT_FALSE(montage.ShiftFromCurrent(-3)) << "it would reach the slot of frame 4";
  EXPECT_TRUE(montage.ShiftFromCurrent(-2));
  GoTo(9);
  EXPECT_EQ(montage.FrameTime(fwNext), -1.0);
}

TEST_F(MontageTest, ShowingAFrameNeverPutsTwoKeptFramesAtOneTime) {
  Edit();
  GoTo(1);
  montage.ShiftFromCurrent(1);
  montage.ShiftFromCurrent(1);  // keptSlots 0, 3, 4, 5, ...
  ASSERT_TRUE(montage.SetKept(1, false));  // 0, (3), 3, 4, ...
  GoTo(2);
  ASSERT_TRUE(montage.ShiftFromCurrent(-2));  // 0, (3), 1, 2, ...
  ASSERT_TRUE(montage.SetKept(1, true));
  const TSlots keptSlots = KeptSlots();
  for (size_t i = 1; i < keptSlots.size(); ++i) EXPECT_LT(keptSlots[i - 1], keptSlots[i]) << "kept frame " << i;
  EXPECT_EQ(keptSlots[1], 3) << "the shown frame keeps its own time";
  QString reason;
  EXPECT_TRUE(CheckMontageState(montage.State(), 10, reason)) << reason.toStdString();
}

TEST_F(MontageTest, LeavingMontageModeOnAHiddenFrameLandsOnAKeptOne) {
  Edit();
  montage.SetKept(4, false);
  montage.SetKept(8, false);
  montage.SetKept(9, false);
  GoTo(4);
  ASSERT_TRUE(model.SetMode(videoview::vmRepereFixe));
  EXPECT_EQ(model.CurrentFrame(), 5);
  EXPECT_EQ(model.ShownFrameCount(), 7);
  Edit();
  GoTo(9);
  ASSERT_TRUE(model.SetMode(videoview::vmRepereFixe));
  EXPECT_EQ(model.CurrentFrame(), 7) << "after the last kept frame: the one before";
}

TEST_F(MontageTest, TheViewNavigatesAmongTheKeptFrames) {
  Edit();
  for (int frame : {1, 3, 5, 6, 7, 8, 9}) montage.SetKept(frame, false);
  ASSERT_TRUE(model.SetMode(videoview::vmRepereFixe));
  EXPECT_EQ(model.ShownFrameCount(), 3);
  model.GoTo(2);
  EXPECT_EQ(model.CurrentFrame(), 4);
  EXPECT_EQ(model.ShownFrame(), 2);
}

TEST_F(MontageTest, HidingAskEvenWhenTheExplanationIsSilencedIfMarksWouldGo) {
  // A layer mark on frame 2: the fixed-axes count alone would not see it.
  ASSERT_TRUE(model.SetMode(videoview::vmTransparent));
  Mark(2, data.LayerMarks());
  ASSERT_EQ(data.LayerMarks().MarksCount(), 1);
  options.CheckBox40ShowDialogBoxForHideImage_Checked = false;
  Edit();
  GoTo(2);
  boxes.Answer(1);  // "Cancel"
  montage.ToggleCurrentFrame();
  ASSERT_EQ(boxes.Count(), 1);
  EXPECT_EQ(boxes.Last().Buttons, (QStringList{"Ok", "Cancel"}));
  EXPECT_TRUE(boxes.Last().Text().endsWith(QStringLiteral("The marks set on this frame will be deleted.")));
  EXPECT_TRUE(boxes.Last().CheckBoxText.isEmpty()) << "only the explanation can be silenced";
  EXPECT_TRUE(montage.IsKept(2));
  EXPECT_EQ(data.LayerMarks().MarksCount(), 1);
  montage.ToggleCurrentFrame();  // "Ok"
  EXPECT_FALSE(montage.IsKept(2));
  EXPECT_EQ(data.LayerMarks().MarksCount(), 0);
  // Showing it again deletes nothing and asks nothing.
  montage.ToggleCurrentFrame();
  EXPECT_EQ(boxes.Count(), 2);
  EXPECT_TRUE(montage.IsKept(2));
}

TEST_F(MontageTest, TheExplanationShowsUntilTheUserTicksItsBox) {
  Edit();
  GoTo(5);
  boxes.Answer(0, true);
  montage.ToggleCurrentFrame();
  ASSERT_EQ(boxes.Count(), 1);
  EXPECT_EQ(boxes.Last().CheckBoxText, QStringLiteral("Do not show this dialog again"));
  EXPECT_EQ(boxes.Last().Lines.front().Text, QStringLiteral("This frame will not be visible after leaving the video edit mode."));
  EXPECT_EQ(boxes.Last().Buttons, QStringList{"Ok"});
  EXPECT_FALSE(montage.IsKept(5));
  EXPECT_FALSE(montage.AskConfirm);
  montage.ToggleCurrentFrame();
  EXPECT_EQ(boxes.Count(), 1);
  EXPECT_TRUE(montage.IsKept(5));
}

TEST_F(MontageTest, ASeriesThatWouldDeleteMarksAsksFirst) {
  Mark(3, data.FixedMarks());
  Mark(4, data.FixedMarks());
  Edit();
  struct TSeriesAnswer : IMontageDialogs {
    void ShowSeries(TBoiteBasculerModel &model) override {
      model.TryClose(QStringLiteral("2-5"), TBoiteBasculerModel::lcText, false);
    }
    void ShowMissingFrame(TBoiteInstantModel &) override {}
  } dialogs;
  boxes.Answer(1);
  montage.ShowHideSeries(dialogs);
  EXPECT_EQ(boxes.Last().Text(), QStringLiteral("The marks set on these frames will be deleted."));
  EXPECT_EQ(montage.Count(), 10);
  montage.ShowHideSeries(dialogs);
  EXPECT_EQ(montage.Count(), 6);
  EXPECT_EQ(data.FixedMarks().MarksCount(), 0);
  EXPECT_EQ(montage.SeriesDialog.Caption, QStringLiteral("Show or hide a series of images"));
}

TEST_F(MontageTest, UndoWalksAcrossHideAndShow) {
  // Marks on frames 1 to 5, a typed axes angle; then frame 3 hidden and shown again.
  data.Axes().OriginePointsNumber = 1;
  for (int frame = 1; frame <= 5; ++frame) Mark(frame, data.FixedMarks(), TPointD(0.1 * frame, 0.5));
  data.SetActiveTool(measurement::dtAxes);
  data.SetTypedXAxisAngle(0.3);
  data.SetActiveTool(measurement::dtPointing);
  Edit();
  ASSERT_TRUE(montage.SetKept(3, false));
  ASSERT_TRUE(model.SetMode(videoview::vmRepereFixe));
  // Hiding went through both mark histories: nothing there can bring back what it removed.
  EXPECT_EQ(data.FixedMarks().MarksCount(), 4);
  EXPECT_TRUE(data.UndoCaption().isEmpty());
  data.Undo();
  EXPECT_EQ(data.FixedMarks().MarksCount(), 4);
  const measurement::TMarkSeries hidden = data.ExtractSeries(false);
  EXPECT_EQ(hidden.FrameIndex[0], (std::vector<int>{0, 1, 2, 3})) << "frames 4 and 5 moved a slot earlier";

  Edit();
  ASSERT_TRUE(montage.SetKept(3, true));
  ASSERT_TRUE(model.SetMode(videoview::vmRepereFixe));
  model.GoTo(3);
  data.FixedMarks().PointMark(TPointD(0.3, 0.5));
  EXPECT_EQ(data.ExtractSeries(false).FrameIndex[0], (std::vector<int>{0, 1, 2, 3, 4}));
  EXPECT_EQ(data.UndoCaption(), QStringLiteral("Cancel Set Mark"));
  data.Undo();
  EXPECT_EQ(data.FixedMarks().MarksCount(), 4);
  EXPECT_EQ(data.ExtractSeries(false).FrameIndex[0], (std::vector<int>{0, 1, 3, 4}));
  // The axes' history was not touched by the montage.
  data.SetActiveTool(measurement::dtAxes);
  EXPECT_EQ(data.UndoCaption(), QStringLiteral("Cancel Rotate Grid"));
  data.Undo();
  EXPECT_EQ(data.XAxisAngle(), 0.0);
}

TEST_F(MontageTest, ARecordingsLostSlotsAreMissingFramesAtTheirTrueTimes) {
  // Ten frames at 0.04 s, frame f recorded in slot f: the lost ones are hidden, and every
  // frame kept stands at f x 0.04 s, as the missing-frame dialog would have left it.
  const struct {
    std::vector<int64_t> Lost;
    TSlots Kept;
    int Missing;
  } cases[] = {
      {{3}, {0, 1, 2, 4, 5, 6, 7, 8, 9}, 1},
      {{3, 4, 7}, {0, 1, 2, 5, 6, 8, 9}, 3},
      {{0}, {1, 2, 3, 4, 5, 6, 7, 8, 9}, 1},
      {{9}, {0, 1, 2, 3, 4, 5, 6, 7, 8}, 0},  // nothing after it to wait for it
      {{}, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}, 0},
  };
  for (const auto &c : cases) {
    montage.Reset(10);
    ASSERT_TRUE(montage.SetMissingSlots(c.Lost));
    EXPECT_EQ(KeptSlots(), c.Kept);
    EXPECT_EQ(montage.MissingFramesCount(), c.Missing);
    EXPECT_EQ(montage.TimeShifts(), std::vector<int>(10, 0));
  }
  // Marks on either side of the gap take the slots' times (counted from the first mark).
  montage.Reset(10);
  ASSERT_TRUE(montage.SetMissingSlots({3, 4}));
  for (int frame : {2, 5, 6}) Mark(frame, data.FixedMarks());
  const std::vector<double> times = data.MarkedFrameTimes();
  ASSERT_EQ(times.size(), 3u);
  EXPECT_DOUBLE_EQ(times[0], 0.0);
  EXPECT_DOUBLE_EQ(times[1], 3 * 0.04);
  EXPECT_DOUBLE_EQ(times[2], 4 * 0.04);
}

TEST_F(MontageTest, LostSlotsThatAreNotThisVideosChangeNothing) {
  std::vector<int64_t> all;
  for (int frame = 0; frame < 10; ++frame) all.push_back(frame);
  for (const std::vector<int64_t> &lost : {std::vector<int64_t>{10}, std::vector<int64_t>{-1}, all}) {
    EXPECT_FALSE(montage.SetMissingSlots(lost));
    EXPECT_EQ(montage.Count(), 10);
  }
}

// ---------------------------------------------------------------------------------------------
// The work file's section
// ---------------------------------------------------------------------------------------------

class MontageStorageTest : public MontageFixture {
 protected:
  MontageStorageTest() : MontageFixture(5) {}
  TIniFile Saved() const {
    TIniFile ini = TIniFile::FromText(QString(), QString());
    montage.SaveState(ini);
    return ini;
  }
};

TEST_F(MontageStorageTest, TheSectionOfTheExample) {
  Edit();
  montage.SetKept(2, false);
  montage.SetKept(3, false);
  EXPECT_EQ(montage.TimeShifts(), (std::vector<int>{0, 0, 0, -1, -2}));
  EXPECT_EQ(Saved().ToText(), QStringLiteral("[Montage]\nVisibleImagesNumber=5\nVisibleScalesNumber=3\n"
                                             "VisibleScale_0=0\nVisibleImage_0=1\nVisibleScale_1=2\nVisibleImage_1=0\n"
                                             "VisibleScale_2=4\nVisibleImage_2=1\nTimeShiftsNumber=5\n"
                                             "TimeShiftScalesNumber=3\nTimeShiftScale_0=1\nTimeShift_0=0\n"
                                             "TimeShiftScale_1=-4\nTimeShift_1=-1\nTimeShiftScale_2=5\nTimeShift_2=-2\n"));
  TMontageState read;
  QString reason;
  int stored = 0;
  ASSERT_EQ(ReadMontageState(Saved(), 5, read, reason, stored), mrOk) << reason.toStdString();
  EXPECT_EQ(read.Kept, montage.KeptFrames());
  EXPECT_EQ(read.TimeShift, montage.TimeShifts());
}

TEST_F(MontageStorageTest, ARecordingsMissingFramesGoIntoTheWorkFileAndComeBack) {
  ASSERT_TRUE(montage.SetMissingSlots({1, 2}));
  EXPECT_EQ(Saved().ToText(), QStringLiteral("[Montage]\nVisibleImagesNumber=5\nVisibleScalesNumber=3\n"
                                             "VisibleScale_0=0\nVisibleImage_0=1\nVisibleScale_1=1\nVisibleImage_1=0\n"
                                             "VisibleScale_2=3\nVisibleImage_2=1\nTimeShiftsNumber=5\n"
                                             "TimeShiftScalesNumber=1\nTimeShiftScale_0=1\nTimeShift_0=0\n"));
  TMontageState read;
  QString reason;
  int stored = 0;
  ASSERT_EQ(ReadMontageState(Saved(), 5, read, reason, stored), mrOk) << reason.toStdString();
  EXPECT_EQ(read.Kept, (std::vector<bool>{true, false, false, true, true}));
  EXPECT_EQ(read.TimeShift, std::vector<int>(5, 0));
}

TEST(MontageRuns, EveryShiftComesBackEvenInsideRuns) {
  // Uneven steps inside runs of consecutive changes lost their middle values when every run
  // was compressed (0, 0, 2, 3, 6, 6 came back without the 3).
  const std::vector<std::vector<int>> cases = {
      {0, 0, 2, 3, 6, 6}, {0, 1, 2, 3, 4, 5}, {0, 2, 3, 7, 8, 20}, {5, 5, 5, 5, 5, 5}, {0, 1, 3, 6, 10, 15},
      {-0, 3, 4, 5, 9, 13}};
  for (const std::vector<int> &shifts : cases) {
    videoview::testing::TFakeSurface surface;
    videoview::TVideoModel video(surface);
    settings::TOptions options(QStringLiteral("/nonexistent/Kolibra.ini"));
    measurement::TData data(video, options);
    TMontage montage(video, data, options);
    montage.Reset(6);
    TMontageState state{std::vector<bool>(6, true), shifts};
    ASSERT_TRUE(montage.SetState(state));
    TIniFile ini = TIniFile::FromText(QString(), QString());
    montage.SaveState(ini);
    TMontageState read;
    QString reason;
    int stored = 0;
    ASSERT_EQ(ReadMontageState(ini, 6, read, reason, stored), mrOk) << reason.toStdString();
    EXPECT_EQ(read.TimeShift, shifts) << ini.ToText().toStdString();
  }
}

TEST(MontageRuns, TheReaderRefusesWhatNoEditingProduces) {
  struct Case {
    const char *Lines;
    TMontageRead Expected;
  };
  const Case cases[] = {
      {"", mrAbsent},
      {"[Montage]\nVisibleImagesNumber=9\n", mrMismatch},
      {"[Montage]\nVisibleImagesNumber=2147483647\n", mrDamaged},
      {"[Montage]\nVisibleImagesNumber=0\n", mrDamaged},
      {"[Montage]\nVisibleImagesNumber=4\nVisibleScalesNumber=2147483647\nVisibleScale_0=0\nVisibleImage_0=1\n", mrOk},
      {"[Montage]\nVisibleImagesNumber=4\nVisibleScalesNumber=1\nVisibleScale_0=0\nVisibleImage_0=0\n", mrDamaged},
      {"[Montage]\nVisibleImagesNumber=4\nVisibleScalesNumber=2\nVisibleScale_0=0\nVisibleScale_1=0\n", mrDamaged},
      // Two kept frames at one time: derivation would divide by a zero interval.
      {"[Montage]\nVisibleImagesNumber=4\nTimeShiftScalesNumber=2\nTimeShiftScale_0=1\nTimeShift_0=0\n"
       "TimeShiftScale_1=3\nTimeShift_1=-1\n",
       mrDamaged},
      {"[Montage]\nVisibleImagesNumber=4\nTimeShiftScalesNumber=1\nTimeShiftScale_0=1\nTimeShift_0=-1\n", mrDamaged},
      {"[Montage]\nVisibleImagesNumber=4\nTimeShiftScalesNumber=2147483647\nTimeShiftScale_0=-2\nTimeShift_0=1\n",
       mrDamaged},
      {"[Montage]\nVisibleImagesNumber=4\nTimeShiftScalesNumber=1\nTimeShiftScale_0=-2147483648\n", mrDamaged},
      {"[Montage]\nVisibleImagesNumber=4\nTimeShiftScalesNumber=1\nTimeShiftScale_0=2\nTimeShift_0=100000000\n",
       mrDamaged},
      {"[Montage]\nVisibleImagesNumber=4\nTimeShiftScalesNumber=1\nTimeShiftScale_0=2\nTimeShift_0=-2147483648\n",
       mrDamaged},
      {"[Montage]\nVisibleImagesNumber=4\nTimeShiftsNumber=4\nTimeShiftScalesNumber=1\nTimeShiftScale_0=2\n"
       "TimeShift_0=3\n",
       mrOk},
  };
  for (const Case &c : cases) {
    const TIniFile ini = TIniFile::FromText(QString(), QString::fromUtf8(c.Lines));
    TMontageState state;
    QString reason;
    int stored = 0;
    EXPECT_EQ(ReadMontageState(ini, 4, state, reason, stored), c.Expected) << c.Lines;
    if (c.Expected == mrDamaged) {
      EXPECT_FALSE(reason.isEmpty()) << c.Lines;
    }
  }
}

}  // namespace kolibra::editing::montage_test
