#include "kinematics/Deriv.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

using namespace kolibra;
using namespace kolibra::kinematics;

namespace {

TDoubleDynArray Frames(int first, int count) {
  TDoubleDynArray t;
  for (int i = 0; i < count; ++i) t.push_back(first + i);
  return t;
}

void ExpectSeriesNear(const TDoubleDynArray &actual, const TDoubleDynArray &expected,
                      double tolerance, const char *what) {
  ASSERT_EQ(actual.size(), expected.size()) << what;
  for (size_t i = 0; i < actual.size(); ++i)
    EXPECT_NEAR(actual[i], expected[i], tolerance) << what << " at sample " << i;
}

struct KnownDerivative {
  const char *Name;
  TDoubleDynArray Times;
  TDoubleDynArray Values;
  double K;
  bool Smooth;
  TDoubleDynArray Velocity;
  TDoubleDynArray Acceleration;
};

class DeriveKnownAnswers : public ::testing::TestWithParam<KnownDerivative> {};

TEST_P(DeriveKnownAnswers, GivesTheExpectedSeries) {
  const KnownDerivative &c = GetParam();
  TDeriv deriv(c.Times, c.Values, c.K);
  ASSERT_EQ(deriv.Derive(c.Smooth), krOk);
  ExpectSeriesNear(deriv.Velocity, c.Velocity, 1e-9, "velocity");
  ExpectSeriesNear(deriv.Acceleration, c.Acceleration, 1e-9, "acceleration");
}

INSTANTIATE_TEST_SUITE_P(
    Series, DeriveKnownAnswers,
    ::testing::Values(
        // y = t^2: the one-sided ends are exact for a parabola.
        KnownDerivative{"ParabolaPlain",
                        Frames(0, 5),
                        {0, 1, 4, 9, 16},
                        1.0,
                        false,
                        {0, 2, 4, 6, 8},
                        {2, 2, 2, 2, 2}},
        // Smoothed, the parabola fits exactly (degree 2): the blended derivative equals the
        // differences here; the velocity is a straight line, so the sliding slope gives 2.
        KnownDerivative{"ParabolaSmoothed",
                        Frames(0, 5),
                        {0, 1, 4, 9, 16},
                        1.0,
                        true,
                        {0, 2, 4, 6, 8},
                        {2, 2, 2, 2, 2}},
        // x = 0..4 cm on five frames at 25 frames per second.
        KnownDerivative{"UniformMotionPlain",
                        Frames(0, 5),
                        {0, 0.01, 0.02, 0.03, 0.04},
                        0.04,
                        false,
                        {0.25, 0.25, 0.25, 0.25, 0.25},
                        {0, 0, 0, 0, 0}},
        KnownDerivative{"UniformMotionSmoothed",
                        Frames(0, 5),
                        {0, 0.01, 0.02, 0.03, 0.04},
                        0.04,
                        true,
                        {0.25, 0.25, 0.25, 0.25, 0.25},
                        {0, 0, 0, 0, 0}},
        // A line sampled unevenly (an object missing a mark next to an end): the one-sided
        // ends follow the parabola through the three end samples, so they stay exact.
        KnownDerivative{"UnevenLinePlain",
                        {0, 1, 3, 4},
                        {0, 2, 6, 8},
                        1.0,
                        false,
                        {2, 2, 2, 2},
                        {0, 0, 0, 0}},
        KnownDerivative{"UnevenLineSmoothed",
                        {10, 12, 13, 16, 17},
                        {0.5, 1.5, 2.0, 3.5, 4.0},
                        0.5,
                        true,
                        {1, 1, 1, 1, 1},
                        {0, 0, 0, 0, 0}},
        // Varying by less than 0.01 around its mean the series is still: sliding slopes for
        // the velocity, -0.02 times the differences of that velocity for the acceleration.
        KnownDerivative{"StillSeries",
                        Frames(0, 5),
                        {0, 0.001, 0.004, 0.009, 0.016},
                        1.0,
                        true,
                        {0.002, 0.002, 0.004, 0.006, 0.006},
                        {2e-5, -2e-5, -4e-5, -2e-5, 2e-5}}),
    [](const auto &info) { return std::string(info.param.Name); });

// x = x0 + v0 t + a t^2 / 2 sampled every T seconds from an arbitrary frame: the plain
// derivative recovers v0 + a t and a exactly, whatever the frame numbers.
TEST(Derive, RecoversUniformAccelerationExactly) {
  struct Case {
    double X0, V0, A, T;
    int FirstFrame, Count;
  };
  const Case cases[] = {{0.1, 0.5, -9.81, 0.04, 0, 8},
                        {-2.0, 3.0, 1.5, 1.0 / 30.0, 17, 12},
                        {0.0, 0.0, 0.2, 0.01, 1000, 40}};
  for (const Case &c : cases) {
    const TDoubleDynArray frames = Frames(c.FirstFrame, c.Count);
    TDoubleDynArray x, v;
    for (double f : frames) {
      const double t = f * c.T;
      x.push_back(c.X0 + c.V0 * t + 0.5 * c.A * t * t);
      v.push_back(c.V0 + c.A * t);
    }
    TDeriv deriv(frames, x, c.T);
    ASSERT_EQ(deriv.Derive(false), krOk);
    ExpectSeriesNear(deriv.Velocity, v, 1e-8, "velocity");
    ExpectSeriesNear(deriv.Acceleration, TDoubleDynArray(frames.size(), c.A), 1e-6, "acceleration");
  }
}

// Frame numbers in the thousands and a parabola in the positions: the smoothed path fits a
// polynomial over abscissas far from zero and must still give the exact derivatives.
TEST(Derive, SmoothedParabolaFarFromFrameZero) {
  const double T = 0.02;
  const TDoubleDynArray frames = Frames(2000, 11);
  TDoubleDynArray x, v;
  for (double f : frames) {
    const double tau = (f - 2000.0) * T;
    x.push_back(0.3 * tau + 2.0 * tau * tau);
    v.push_back(0.3 + 4.0 * tau);
  }
  TDeriv deriv(frames, x, T);
  ASSERT_EQ(deriv.Derive(true), krOk);
  ExpectSeriesNear(deriv.Velocity, v, 1e-7, "velocity");
  ExpectSeriesNear(deriv.Acceleration, TDoubleDynArray(frames.size(), 4.0), 1e-5, "acceleration");
}

// Free fall marked on frames 5, 6 and 8 at 25 frames per second (frame 7 has no mark): the
// parabola through three marks gives the true velocities and g exactly, gap or not. The
// chord over the gap gave -0.5886 m/s at frame 6 and accelerations of -17.17, -9.81 and
// -2.45 m/s^2. Smoothed, the marks fit a parabola (degree 2): its slope blended with the
// three-point slopes, then the sliding slope of that straight velocity, are exact as well.
TEST(Derive, AGapInTheMarksKeepsFreeFallExact) {
  const double T = 0.04, g = 9.81;
  const TDoubleDynArray frames = {5, 6, 8};
  TDoubleDynArray y;
  for (double f : frames) y.push_back(-0.5 * g * std::pow((f - 5) * T, 2));
  for (bool smooth : {false, true}) {
    TDeriv deriv(frames, y, T);
    ASSERT_EQ(deriv.Derive(smooth), krOk);
    ExpectSeriesNear(deriv.Velocity, {0.0, -0.3924, -1.1772}, 1e-12, smooth ? "smoothed velocity" : "velocity");
    ExpectSeriesNear(deriv.Acceleration, {-g, -g, -g}, 1e-9, smooth ? "smoothed acceleration" : "acceleration");
  }
}

// x = x0 + v0 t + a t^2 / 2 marked with gaps of one to three frames: every velocity and
// acceleration is exact, plain and smoothed (the smoothed velocity blends the fitted
// parabola's slope with the three-point slopes, which are exact too).
TEST(Derive, AParabolaWithGapsIsDerivedExactly) {
  const double T = 1.0 / 30.0, x0 = 0.2, v0 = 1.4, a = -3.2;
  const TDoubleDynArray frames = {3, 4, 6, 7, 8, 11, 12, 15, 16, 18};
  TDoubleDynArray x, v;
  for (double f : frames) {
    const double t = f * T;
    x.push_back(x0 + v0 * t + 0.5 * a * t * t);
    v.push_back(v0 + a * t);
  }
  for (bool smooth : {false, true}) {
    TDeriv deriv(frames, x, T);
    ASSERT_EQ(deriv.Derive(smooth), krOk);
    ExpectSeriesNear(deriv.Velocity, v, 1e-9, smooth ? "smoothed velocity" : "velocity");
    ExpectSeriesNear(deriv.Acceleration, TDoubleDynArray(frames.size(), a), 1e-7,
                     smooth ? "smoothed acceleration" : "acceleration");
  }
}

// A fall measured with a click error of +-2 mm: smoothing must bring the velocity and the
// acceleration closer to the truth than plain differences do.
TEST(Derive, SmoothingTamesMeasurementNoise) {
  const double T = 0.04;
  const TDoubleDynArray frames = Frames(0, 31);
  TDoubleDynArray x, v;
  for (double f : frames) {
    const double t = f * T;
    const double noise = (int(f) % 2 == 0 ? 0.002 : -0.002);
    x.push_back(1.5 * t * t + noise);
    v.push_back(3.0 * t);
  }
  TDeriv plain(frames, x, T), smoothed(frames, x, T);
  ASSERT_EQ(plain.Derive(false), krOk);
  ASSERT_EQ(smoothed.Derive(true), krOk);
  double plainVelocityError = 0.0, smoothVelocityError = 0.0;
  double plainAccelerationError = 0.0, smoothAccelerationError = 0.0;
  for (size_t i = 0; i < frames.size(); ++i) {
    plainVelocityError = std::max(plainVelocityError, std::fabs(plain.Velocity[i] - v[i]));
    smoothVelocityError = std::max(smoothVelocityError, std::fabs(smoothed.Velocity[i] - v[i]));
    plainAccelerationError =
        std::max(plainAccelerationError, std::fabs(plain.Acceleration[i] - 3.0));
    smoothAccelerationError =
        std::max(smoothAccelerationError, std::fabs(smoothed.Acceleration[i] - 3.0));
  }
  EXPECT_LT(smoothVelocityError, plainVelocityError / 2.0);
  EXPECT_LT(smoothAccelerationError, 0.05);
  EXPECT_GT(plainAccelerationError, 1.0);
}

// Input that cannot give a derivative is refused before anything is divided, and the
// results stay at zero.
TEST(Derive, RefusesInputThatWouldDivideByZero) {
  struct Case {
    const char *Name;
    TDoubleDynArray Times, Values;
    double K;
    int Expected;
  };
  const Case cases[] = {
      {"two samples", {0, 1}, {0, 1}, 1.0, krTooFewSamples},
      {"no sample", {}, {}, 1.0, krTooFewSamples},
      {"K zero", {0, 1, 2, 3}, {0, 1, 4, 9}, 0.0, krZeroDivisor},
      {"two neighbours equal", {0, 1, 1, 2}, {0, 1, 1, 4}, 1.0, krEqualAbscissas},
      {"first and third equal", {0, 1, 0, 2}, {0, 1, 0, 4}, 1.0, krEqualAbscissas},
      {"last two equal", {0, 1, 2, 2}, {0, 1, 4, 4}, 0.04, krEqualAbscissas},
      {"values shorter than times", {0, 1, 2, 3}, {0, 1, 4}, 1.0, krMismatchedSeries},
  };
  for (const Case &c : cases) {
    for (bool smooth : {false, true}) {
      TDeriv deriv(c.Times, c.Values, c.K);
      EXPECT_EQ(deriv.Derive(smooth), c.Expected) << c.Name << (smooth ? " smoothed" : "");
      EXPECT_EQ(deriv.Velocity, TDoubleDynArray(c.Times.size(), 0.0)) << c.Name;
      EXPECT_EQ(deriv.Acceleration, TDoubleDynArray(c.Times.size(), 0.0)) << c.Name;
    }
  }
}

TEST(Derive, BuildingBlocksOnAKnownSeries) {
  const TDoubleDynArray t{0, 1, 2, 3, 4};
  const TDoubleDynArray y{0, 1, 8, 27, 64};  // t^3
  TDoubleDynArray threePoint, slope;
  ASSERT_EQ(ThreePointDerivative(t, y, 2.0, threePoint), krOk);
  // (-0 + 4 - 8) / 2, then central differences, then (8 - 108 + 192) / 2, all halved by K.
  ExpectSeriesNear(threePoint, {-1.0, 2.0, 6.5, 14.0, 23.0}, 1e-12, "three-point");
  ASSERT_EQ(SlidingSlope(t, y, 2.0, slope), krOk);
  // Window slopes (y[c+1] - y[c-1]) / 2 halved: 2, 6.5, 14; the ends repeat their window.
  ExpectSeriesNear(slope, {2.0, 2.0, 6.5, 14.0, 14.0}, 1e-12, "sliding slope");
  EXPECT_NEAR(PolynomialDerivative({5.0, -1.0, 0.5, 2.0}, 2.0), -1.0 + 2.0 + 24.0, 1e-12);
  EXPECT_EQ(PolynomialDerivative({5.0}, 3.0), 0.0);
}

}  // namespace
