// One tracking sequence over frames drawn here and over the sample "Parabole", against the
// true positions: the frames visited, unreadable and lost frames, fast objects, and the
// accuracy on the sample.

#include "tracking/support/Printing.h"
#include "tracking/support/Scenes.h"

#include "tracking/TrackRun.h"
#include "video/VideoSources.h"

#include <QFile>
#include <QTextStream>
#include <gtest/gtest.h>

#include <cmath>

namespace kolibra::tracking::testing {
namespace {


// A blue square moving at constant speed from (60, 120).
TSquare MovingSquare(int frame, double speed) { return TSquare{TPointD(60 + speed * frame, 120), 16, Blue}; }

TTrackSetup SquareSetup(int start, int end, int step, int radius) {
  TTrackSetup setup;
  setup.Outline = RectOutline(50, 110, 70, 130, W, H);
  setup.StartFrame = start;
  setup.EndFrame = end;
  setup.Step = step;
  setup.Radius = radius;
  return setup;
}

TEST(TrackRunTest, TheSequenceVisitsEveryStepUpToTheEnd) {
  // With a marking step of 3, a run from frame 10 to 20 visits 13, 16, 19.
  TSceneFrames frames(30, [](int f) { return Scene(W, H, {MovingSquare(f - 10, 2.0)}); });
  TTrackRun run(frames);
  ASSERT_EQ(run.Start(SquareSetup(10, 20, 3, 20)), teNone);
  EXPECT_EQ(run.Last().Frame, 10);
  EXPECT_EQ(run.Last().Status, fsFound);
  EXPECT_NEAR(run.Last().Similarity, 1.0, 1e-9);
  std::vector<int> tracked;
  while (run.Next()) tracked.push_back(run.Last().Frame);
  EXPECT_EQ(tracked, (std::vector<int>{13, 16, 19}));
  EXPECT_EQ(frames.Visited, (std::vector<int>{10, 13, 16, 19}));
  EXPECT_TRUE(run.Finished());
  EXPECT_FALSE(run.Next());
}

TEST(TrackRunTest, AnUnreadableFrameIsRecordedAndTheRunGoesOn) {
  TSceneFrames frames(12, [](int f) { return Scene(W, H, {MovingSquare(f, 3.0)}); });
  frames.Unreadable = {4};
  TTrackRun run(frames);
  ASSERT_EQ(run.Start(SquareSetup(0, 11, 1, 20)), teNone);
  while (run.Next()) {
    const TTrackSample &s = run.Last();
    if (s.Frame == 4) {
      EXPECT_EQ(s.Status, fsUnreadable);
      // Where the search goes on from: the last position found.
      EXPECT_NEAR(s.Pixel.X, CornerCentre(MovingSquare(3, 3.0)).X, 1.0);
      continue;
    }
    EXPECT_EQ(s.Status, fsFound) << s.Frame;
    EXPECT_NEAR(s.Pixel.X, CornerCentre(MovingSquare(s.Frame, 3.0)).X, 1.0) << s.Frame;
    EXPECT_NEAR(s.Pixel.Y, CornerCentre(MovingSquare(s.Frame, 3.0)).Y, 1.0) << s.Frame;
  }
  // An unreadable start frame sets nothing up.
  frames.Unreadable = {0};
  TTrackRun none(frames);
  EXPECT_EQ(none.Start(SquareSetup(0, 11, 1, 20)), teUnreadable);
  EXPECT_TRUE(none.Finished());
}

TEST(TrackRunTest, AFastObjectStaysInTheWindowThroughItsLastDisplacement) {
  // 30 pixels a frame with a radius of 20: without the prediction the square would be
  // beyond the window's half side (20) from the third frame on. The first displacement
  // cannot be predicted: it is 15 pixels, within reach.
  TSceneFrames frames(8, [](int f) {
    const double x = f == 0 ? 60.0 : 60.0 + 15.0 + 30.0 * (f - 1);
    return Scene(W, H, {TSquare{TPointD(x, 120), 16, Blue}});
  });
  TTrackRun run(frames);
  ASSERT_EQ(run.Start(SquareSetup(0, 7, 1, 20)), teNone);
  while (run.Next()) {
    const double x = 60.0 + 15.0 + 30.0 * (run.Last().Frame - 1);
    ASSERT_EQ(run.Last().Status, fsFound) << run.Last().Frame;
    EXPECT_NEAR(run.Last().Pixel.X, CornerCentre(TSquare{TPointD(x, 120), 16, Blue}).X, 1.0) << run.Last().Frame;
  }
}

TEST(TrackRunTest, ATargetLeavingTheFrameIsLostThenTheRunGoesOn) {
  // Leaves by the right edge at 20 pixels a frame from x = 260.
  TSceneFrames frames(10, [](int f) { return Scene(W, H, {TSquare{TPointD(260 + 20.0 * f, 120), 16, Blue}}); });
  TTrackRun run(frames);
  TTrackSetup setup;
  setup.Outline = RectOutline(254, 114, 266, 126, W, H);  // inside the square
  setup.EndFrame = 9;
  setup.Radius = 20;
  ASSERT_EQ(run.Start(setup), teNone);
  std::vector<TFrameStatus> statuses;
  while (run.Next()) {
    statuses.push_back(run.Last().Status);
    EXPECT_LE(run.Last().Pixel.X, double(W));
  }
  ASSERT_EQ(statuses.size(), 9u);
  EXPECT_EQ(statuses[0], fsFound);
  EXPECT_EQ(statuses.back(), fsLost);
}

// The true positions the sample generator wrote beside "Parabole".
std::vector<TPointD> ParaboleTruth() {
  QFile file(QStringLiteral(KOLIBRA_TEST_SAMPLES_DIR "/Parabole.csv"));
  std::vector<TPointD> truth;
  if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return truth;
  QTextStream in(&file);
  in.readLine();
  while (!in.atEnd()) {
    const QStringList fields = in.readLine().split(QLatin1Char(','));
    if (fields.size() == 6) truth.emplace_back(fields[4].toDouble(), fields[5].toDouble());
  }
  return truth;
}

TEST(TrackRunTest, TheBallOfParaboleIsTrackedToAFractionOfAPixel) {
  const std::vector<TPointD> truth = ParaboleTruth();
  ASSERT_EQ(truth.size(), 48u);
  video::TVideoSources sources(QStringLiteral(KOLIBRA_TEST_KLBDLL_DIR));
  ASSERT_TRUE(sources.Open(QStringLiteral(KOLIBRA_TEST_SAMPLES_DIR "/Parabole.avi"))) << sources.OpenErrorText().toStdString();
  video::TVideoPlay &reader = *sources.Active();
  ASSERT_EQ(reader.FrameCount(), 48);
  const int w = reader.FrameWidth();
  const int h = reader.FrameHeight();

  for (int radius : {40, 100}) {
    // A circle of 13 pixels round the ball (radius 9) on the first frame, as drawn by hand.
    TTrackSetup setup;
    setup.Outline = CircleOutlineFractions(truth[0], 13.0, w, h);
    setup.EndFrame = 47;
    setup.Radius = radius;
    TReaderFrames frames(reader);
    TTrackRun run(frames);
    ASSERT_EQ(run.Start(setup), teNone);
    double sumSquares = 0.0, worst = 0.0;
    int count = 0;
    while (run.Next()) {
      const TTrackSample &s = run.Last();
      ASSERT_EQ(s.Status, fsFound) << "radius " << radius << " frame " << s.Frame;
      EXPECT_GE(s.Similarity, 0.8) << "radius " << radius << " frame " << s.Frame;
      const double error = std::hypot(s.Pixel.X - truth[size_t(s.Frame)].X, s.Pixel.Y - truth[size_t(s.Frame)].Y);
      sumSquares += error * error;
      worst = std::max(worst, error);
      ++count;
    }
    ASSERT_EQ(count, 47);
    // The picture's peak is refined between pixels.
    EXPECT_LE(std::sqrt(sumSquares / count), 0.3) << "radius " << radius;
    EXPECT_LE(worst, 1.0) << "radius " << radius;
  }
}

}  // namespace
}  // namespace kolibra::tracking::testing
