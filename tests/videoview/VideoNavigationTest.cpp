// Navigation among the frames the montage keeps, and playback on the timer.

#include "videoview/support/FakeSubsystems.h"
#include "videoview/support/VideoFixture.h"

namespace kolibra::videoview::testing {
namespace {

class VideoNavigationTest : public VideoFixture {
 protected:
  VideoNavigationTest() { OpenVideo(); }

  // Runs the timer until it stops (at most a hundred ticks).
  int RunTimer() {
    int ticks = 0;
    while (surface.TimerRunning && ticks < 100) {
      model.PlaybackTick();
      ++ticks;
    }
    return ticks;
  }

  TCallLog log;
  TFakeMontage montage{log};
};

TEST_F(VideoNavigationTest, PlayingTenToTwelveShowsThreeFramesAndStopsAtTheNextTick) {
  surface.Painted.clear();
  model.Play(10, 12);
  EXPECT_TRUE(surface.TimerRunning);
  EXPECT_EQ(surface.TimerPeriods, std::vector<int>{40});
  EXPECT_EQ(model.CurrentFrame(), 10);
  surface.RepaintNow();  // the paint the view asked for when playback started
  EXPECT_EQ(RunTimer(), 3);
  EXPECT_EQ(surface.Painted, (std::vector<int>{10, 11, 12}));
  EXPECT_FALSE(surface.TimerRunning);
  EXPECT_FALSE(model.Playing());
}

TEST_F(VideoNavigationTest, PlaybackStopsAtTheLastFrame) {
  model.Play(17, 19);
  RunTimer();
  EXPECT_EQ(model.CurrentFrame(), 19);
  EXPECT_FALSE(model.Playing());
}

TEST_F(VideoNavigationTest, GoToStopsPlaybackAndMovesOnlyWhenTheFrameDiffers) {
  model.Play(0, 19);
  model.GoTo(5);
  EXPECT_FALSE(surface.TimerRunning);
  EXPECT_EQ(model.CurrentFrame(), 5);
  const size_t seeks = reader->Seeks.size();
  model.GoTo(5);
  model.GoTo(-1);
  EXPECT_EQ(reader->Seeks.size(), seeks);
  model.GoTo(500);
  EXPECT_EQ(model.CurrentFrame(), 19) << "the reader clamps an index beyond the end";
}

TEST_F(VideoNavigationTest, AMontageKeepingZeroTwoFourShowsThreeFrames) {
  montage.Kept = {0, 2, 4};
  model.SetMontage(&montage);
  EXPECT_EQ(model.ShownFrameCount(), 3);
  model.GoTo(2);
  EXPECT_EQ(model.CurrentFrame(), 4);
  EXPECT_EQ(model.ShownFrame(), 2);
  EXPECT_EQ(model.EditedFrameIndex(), 2);
  EXPECT_EQ(model.CurrentFrameIndex(), 4);
  surface.Painted.clear();
  model.Play(0, 2);
  surface.RepaintNow();
  RunTimer();
  EXPECT_EQ(surface.Painted, (std::vector<int>{0, 2, 4}));
}

TEST_F(VideoNavigationTest, AReadErrorStopsPlaybackWithAMessage) {
  QString message;
  model.OnMessage = [&](TVideoModel *, const QString &text) { message = text; };
  model.Play(0, 19);
  reader->FailNextSeek(QStringLiteral("Invalid data found"));
  EXPECT_FALSE(model.Playing());
  EXPECT_EQ(message, QStringLiteral("Reading stopped. Invalid data found"));
}

TEST_F(VideoNavigationTest, PointingAdvancesTheVideoThroughTheView) {
  data.SetActiveTool(measurement::dtPointing);
  Click(TPoint(100, 100));
  EXPECT_EQ(data.MarksCount(), 1);
  EXPECT_EQ(model.CurrentFrame(), 1);
  data.SetFramesNumberBetweenTwoMarks(3);
  Click(TPoint(110, 100));
  EXPECT_EQ(model.CurrentFrame(), 4);
}

TEST_F(VideoNavigationTest, EveryFrameMoveReachesTheLayer) {
  ASSERT_TRUE(model.SetMode(vmTransparent));
  const auto carry = [this](TPoint from, TPoint to) {
    model.MouseMove(Qt::NoModifier, from);
    model.MouseDown(Qt::LeftButton, Qt::NoModifier, from);
    model.MouseMove(Qt::NoModifier, to);
    model.MouseUp(Qt::LeftButton, Qt::NoModifier, to);
  };
  // Frame 0: carry the layer, point its mark (the video moves on), carry it again on frame 1.
  carry(TPoint(320, 240), TPoint(200, 150));
  Click(TPoint(210, 160));
  ASSERT_EQ(data.LayerMarks().MarksCount(), 1);
  ASSERT_EQ(model.CurrentFrame(), 1);
  const TPointD onFrameZero = data.Layer().Origins.front()->Position;
  carry(TPoint(200, 150), TPoint(400, 300));
  EXPECT_GT(data.Layer().OrigineCurrent.X, onFrameZero.X);
  model.GoTo(0);
  EXPECT_DOUBLE_EQ(data.Layer().OrigineCurrent.X, onFrameZero.X);
  EXPECT_DOUBLE_EQ(data.Layer().OrigineCurrent.Y, onFrameZero.Y);
}

TEST_F(VideoNavigationTest, LastMarkedFrameIsFoundAgain) {
  data.SetActiveTool(measurement::dtPointing);
  model.GoTo(6);
  Click(TPoint(100, 100));
  model.GoTo(0);
  model.GoToLastMarkedFrame();
  EXPECT_EQ(model.CurrentFrame(), 6);
}

class FastVideoTest : public VideoFixture {
 protected:
  FastVideoTest() : VideoFixture(20, 32, 24, 2500.0) {}
};

TEST_F(FastVideoTest, ATimerDelayRoundedToZeroBecomesOneMillisecond) {
  OpenVideo();
  EXPECT_EQ(reader->TimerDelay(), 0);
  EXPECT_EQ(model.TimerDelay(), 1);
  model.Play(0, 3);
  EXPECT_EQ(surface.TimerPeriods, std::vector<int>{1});
}

}  // namespace
}  // namespace kolibra::videoview::testing
