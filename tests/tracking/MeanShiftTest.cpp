// The mean-shift tracker on pictures drawn here, whose true positions are known: window
// sizes, the target's mask clipped to the frame, the empty colour, searches that find a
// moved square, ignore a decoy under a zone, lose a target that left, and close in on a
// small target from a large window.

#include "tracking/support/Printing.h"
#include "tracking/support/Scenes.h"

#include "tracking/MeanShift.h"

#include <gtest/gtest.h>

#include <cmath>

namespace kolibra::tracking::testing {
namespace {


TEST(MeanShiftTest, TheSearchWindowIsTheLargerOfRadiusAndTarget) {
  const struct {
    int Width, Height, Radius, Side;
  } rows[] = {
      {50, 30, 10, 61},     // Trunc(1.2 x 50) = 60, made odd
      {50, 30, 40, 81},     // 2 x 40 + 1
      {10, 10, 100, 201},
      {200, 100, 10, 241},  // Trunc(240), made odd
      {1, 1, 10, 21},
  };
  for (const auto &row : rows)
    EXPECT_EQ(TMeanShift::SearchSizeFor(row.Width, row.Height, row.Radius), row.Side) << row.Width << 'x' << row.Height;
  TMeanShift shift;
  shift.SetRadius(5);
  EXPECT_EQ(shift.Radius(), 10);
  shift.SetRadius(500);
  EXPECT_EQ(shift.Radius(), 100);
}

TEST(MeanShiftTest, TheTargetIsTheOutlinesInsideWithinTheFrame) {
  const QImage frame = Scene(W, H, {{TPointD(100, 100), 20, Blue}});
  const struct {
    TPointDDynArray Outline;
    TTargetError Error;
    QRect Rect;
  } rows[] = {
      // A rectangle from (80, 80) to (120, 120): its inside and border.
      {RectOutline(80, 80, 120, 120, W, H), teNone, QRect(QPoint(79, 79), QPoint(121, 121))},
      // Half beyond the left edge: clipped there, the mask cropped to the frame.
      {RectOutline(-40, 80, 20, 120, W, H), teNone, QRect(QPoint(0, 79), QPoint(21, 121))},
      // Wholly beyond the right edge.
      {RectOutline(400, 80, 450, 120, W, H), teOutsideFrame, QRect()},
      // Two distinct points only.
      {{{0.1, 0.1}, {0.2, 0.2}, {0.1, 0.1}, {0.2, 0.2}}, teTooFewPoints, QRect()},
  };
  for (const auto &row : rows) {
    TMeanShift shift;
    TPointD centre(-1, -1);
    EXPECT_EQ(shift.InitTarget(frame, row.Outline, centre), row.Error);
    EXPECT_EQ(shift.TargetRect(), row.Rect);
    if (row.Error != teNone) continue;
    EXPECT_EQ(shift.TargetImage().size(), row.Rect.size());
    ASSERT_EQ(int(shift.TargetMask().size()), row.Rect.height());
    EXPECT_GE(centre.X, row.Rect.left());
    EXPECT_LE(centre.X, row.Rect.right());
  }
  TMeanShift shift;
  TPointD centre;
  ASSERT_EQ(shift.InitTarget(frame, RectOutline(80, 80, 120, 120, W, H), centre), teNone);
  EXPECT_DOUBLE_EQ(centre.X, 100.0);
  EXPECT_DOUBLE_EQ(centre.Y, 100.0);
  EXPECT_EQ(shift.InitTarget(QImage(), RectOutline(80, 80, 120, 120, W, H), centre), teUnreadable);
}

TEST(MeanShiftTest, TheEmptyColourFallsIntoABinTheTargetDoesNotHold) {
  for (const QColor &colour : {QColor(0, 0, 0), QColor(255, 255, 255), Blue, Red, Grey, QColor(10, 200, 40)}) {
    const QImage frame = Scene(W, H, {}, colour);
    TMeanShift shift;
    TPointD centre;
    ASSERT_EQ(shift.InitTarget(frame, RectOutline(10, 10, 50, 50, W, H), centre), teNone);
    shift.BuildTarget();
    const TRgb empty = shift.EmptyColour();
    const int bin = shift.Colours().BinOfRgb(empty.R, empty.G, empty.B);
    EXPECT_EQ(shift.TargetHist()[size_t(bin)], 0.0) << colour.name().toStdString();
  }
}

// Sets a target up on frame 0 of a scene and searches frame 1 from a start.
struct TTwoFrames {
  TMeanShift Shift;
  TPointD Centre;
  TSearchResult Result;
  TTwoFrames(const QImage &first, const TPointDDynArray &outline, const QImage &second, TPointD start, int radius,
             const std::vector<TPointDDynArray> &zones = {}) {
    Shift.SetRadius(radius);
    Shift.SetZones(zones, first.width(), first.height());
    EXPECT_EQ(Shift.InitTarget(first, outline, Centre), teNone);
    Shift.BuildTarget();
    Result = Shift.Search(start, second, 10);
  }
};

TEST(MeanShiftTest, ABlueSquareIsFoundAgainOnGrey) {
  const TSquare before{TPointD(100, 100), 20, Blue};
  const struct {
    TPointD Moved;
    int Radius;
  } rows[] = {{{112, 95}, 20}, {{85, 118}, 30}, {{100.5, 101}, 10}, {{130, 100}, 40}};
  for (const auto &row : rows) {
    const TSquare after{row.Moved, 20, Blue};
    TTwoFrames run(Scene(W, H, {before}), RectOutline(88, 88, 112, 112, W, H), Scene(W, H, {after}),
                   TPointD(100, 100), row.Radius);
    ASSERT_TRUE(run.Result.Found);
    const TPointD truth = DrawnCentre(after);
    EXPECT_NEAR(run.Result.Position.X, truth.X, 1.0) << row.Moved.X;
    EXPECT_NEAR(run.Result.Position.Y, truth.Y, 1.0) << row.Moved.Y;
    EXPECT_GT(run.Result.Similarity, 0.9);
  }
}

TEST(MeanShiftTest, ADecoyUnderAZoneToIgnoreAttractsNothing) {
  // The target at (100, 100) moves right; a same-coloured decoy stands 36 pixels further.
  const TSquare target0{TPointD(100, 100), 16, Blue};
  const TSquare target1{TPointD(108, 100), 16, Blue};
  const TSquare decoy{TPointD(144, 100), 16, Blue};
  const QImage first = Scene(W, H, {target0, decoy});
  const QImage second = Scene(W, H, {target1, decoy});
  const TPointDDynArray outline = RectOutline(90, 90, 110, 110, W, H);

  TTwoFrames unguarded(first, outline, second, TPointD(100, 100), 40);
  TTwoFrames guarded(first, outline, second, TPointD(100, 100), 40, {RectOutline(130, 85, 160, 115, W, H)});
  ASSERT_TRUE(guarded.Result.Found);
  EXPECT_NEAR(guarded.Result.Position.X, DrawnCentre(target1).X, 1.0);
  EXPECT_NEAR(guarded.Result.Position.Y, DrawnCentre(target1).Y, 1.0);
  // Without the zone the decoy pulls the window towards it.
  EXPECT_GT(unguarded.Result.Position.X, DrawnCentre(target1).X + 3.0);
  // The zone's pixels do not count in the similarity either.
  EXPECT_TRUE(guarded.Shift.Ignored(144, 100));
  EXPECT_FALSE(guarded.Shift.Ignored(108, 100));
}

TEST(MeanShiftTest, ATargetThatLeftTheFrameIsLost) {
  // The outline inside the square: the target is blue alone.
  const TSquare target{TPointD(20, 120), 20, Blue};
  const QImage first = Scene(W, H, {target});
  const TPointDDynArray outline = RectOutline(13, 113, 28, 128, W, H);
  // Half out (columns 0 to 9 seen): found at the part still in view, half as alike.
  const TSquare half{TPointD(0, 120), 20, Blue};
  TTwoFrames halfOut(first, outline, Scene(W, H, {half}), TPointD(20, 120), 20);
  ASSERT_TRUE(halfOut.Result.Found);
  EXPECT_NEAR(halfOut.Result.Position.X, 4.5, 1.0);
  EXPECT_NEAR(halfOut.Result.Position.Y, DrawnCentre(half).Y, 1.0);
  EXPECT_NEAR(halfOut.Result.Similarity, std::sqrt(0.5), 0.1);
  // Gone: nothing of its colour within reach, the position stays where the search began.
  TTwoFrames gone(first, outline, Scene(W, H, {}), TPointD(5, 120), 20);
  EXPECT_FALSE(gone.Result.Found);
  EXPECT_DOUBLE_EQ(gone.Result.Position.X, 5.0);
  EXPECT_DOUBLE_EQ(gone.Result.Position.Y, 120.0);
  EXPECT_DOUBLE_EQ(gone.Result.Similarity, 0.0);
}

TEST(MeanShiftTest, BackgroundAloneIsHardlyLikeTheTarget) {
  // An outline with a wide margin of grey round the square: grey is a target colour, yet
  // a patch of grey alone scores near 0 and the square itself near 1.
  const TSquare target{TPointD(100, 120), 16, Blue};
  TTwoFrames run(Scene(W, H, {target}), RectOutline(84, 104, 116, 136, W, H), Scene(W, H, {}), TPointD(100, 120),
                 30);
  EXPECT_LT(run.Result.Similarity, 0.2);
  EXPECT_GT(run.Shift.Similarity(DrawnCentre(target), Scene(W, H, {target})), 0.95);
}

TEST(MeanShiftTest, ALargeWindowClosesInOnASmallTarget) {
  // A 9-pixel target with a radius of 100: the window (201) is more than 4 times the
  // target and shrinks at every step, its mask and kernel following its size.
  const TSquare before{TPointD(160, 120), 9, Red};
  const TSquare after{TPointD(190, 96), 9, Red};
  TTwoFrames run(Scene(W, H, {before}), RectOutline(154, 114, 166, 126, W, H), Scene(W, H, {after}),
                 TPointD(160, 120), 100);
  ASSERT_TRUE(run.Result.Found);
  EXPECT_EQ(run.Result.Iterations, 10);
  EXPECT_NEAR(run.Result.Position.X, DrawnCentre(after).X, 1.0);
  EXPECT_NEAR(run.Result.Position.Y, DrawnCentre(after).Y, 1.0);
}

}  // namespace
}  // namespace kolibra::tracking::testing
