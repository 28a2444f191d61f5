// The exact rates the writers store: a rate in frames per second becomes the fraction meant,
// never a rounded number of milliseconds.

#include "video/FrameRate.h"

#include <gtest/gtest.h>
#include <cmath>
#include <limits>

namespace kolibra::video {
namespace {

TEST(FrameRate, NearestFindsTheFractionMeant) {
  struct TCase {
    double Fps;
    uint32_t Rate, Scale;
  } cases[] = {
      {30.0, 30, 1},          {30000.0 / 1001.0, 30000, 1001}, {240.0, 240, 1},     {1920.0, 1920, 1},
      {25.0, 25, 1},          {24000.0 / 1001.0, 24000, 1001}, {60000.0 / 1001.0, 60000, 1001},
      {12.5, 25, 2},          {29.97, 2997, 100},              {0.5, 1, 2},         {1.0 / 3.0, 1, 3},
      {1000000.0 / 33333.0, 1000000, 33333},                   {5000.0, 5000, 1},
  };
  for (const TCase &c : cases) {
    const TFrameRate r = TFrameRate::Nearest(c.Fps);
    EXPECT_EQ(r.Rate, c.Rate) << c.Fps;
    EXPECT_EQ(r.Scale, c.Scale) << c.Fps;
  }
}

TEST(FrameRate, NoRateIsMadeOfNonsense) {
  for (const double fps : {0.0, -25.0, std::nan(""), std::numeric_limits<double>::infinity(), 1e7, 1e-9})
    EXPECT_FALSE(TFrameRate::Nearest(fps).IsValid()) << fps;
  EXPECT_FALSE(TFrameRate::Exact(0, 1).IsValid());
  EXPECT_FALSE(TFrameRate::Exact(25, 0).IsValid());
}

TEST(FrameRate, ExactKeepsTheSourcePairAndTheHeaderPeriod) {
  EXPECT_EQ(TFrameRate::Exact(2500, 100), (TFrameRate{2500, 100}));
  // Too large for 32 bits: reduced to lowest terms, the same rate.
  EXPECT_EQ(TFrameRate::Exact(uint64_t(30000) << 32, uint64_t(1001) << 32), (TFrameRate{30000, 1001}));
  EXPECT_EQ(TFrameRate::Exact(30000, 1001).MicroSecondsPerFrame(), 33367u);
  EXPECT_EQ(TFrameRate::Exact(1920, 1).MicroSecondsPerFrame(), 521u);
  EXPECT_DOUBLE_EQ(TFrameRate::Exact(30000, 1001).Fps(), 30000.0 / 1001.0);
}

}  // namespace
}  // namespace kolibra::video
