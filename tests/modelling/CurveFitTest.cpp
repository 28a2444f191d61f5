#include "modelling/CurveFit.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>

using namespace kolibra;
using namespace kolibra::modelling;

namespace {

constexpr double Pi = std::numbers::pi;

TDoubleDynArray Grid(double first, double step, int count) {
  TDoubleDynArray t;
  for (int i = 0; i < count; ++i) t.push_back(first + i * step);
  return t;
}

// The model's own curve at t: params in the order FitModel returns them.
double ModelValue(int type, const TDoubleDynArray &params, double t) {
  TModelFunction f(type);
  if (type == mtExponential) {
    f.SetParams(params);
    return f.Value(t);
  }
  f.SetParams(TDoubleDynArray(params.begin() + 1, params.end()));
  return params[0] + f.Value(t);
}

// A phase that makes the damped oscillation average to 0 over the samples, so that the
// offset the fit starts from (the mean) is the true one and the fit can be exact.
double PhaseWithZeroMean(int type, double w, double k, const TDoubleDynArray &t) {
  double a = 0.0, c = 0.0;
  for (double x : t) {
    const double envelope = type == mtSineExpDamped ? std::exp(k * x) : 1.0 + k * x;
    a += envelope * std::sin(w * x);
    c += envelope * std::cos(w * x);
  }
  return std::atan2(-a, c);
}

// Small, deterministic, irregular noise.
double Noise(int i) { return 0.01 * std::sin(12.9898 * i + 0.5 * i * i); }

struct FitCase {
  std::string Name;
  int Type;
  TDoubleDynArray Truth;  // r, b, c... in FitModel's order
  TDoubleDynArray T;
  double Tolerance;       // on every parameter, exact data
  double NoisyTolerance;  // the same with the noise added
};

// Phases are compared modulo a turn.
double ParameterError(const FitCase &c, size_t j, double fitted) {
  const bool phase = c.Type != mtExponential && j == 3;
  return phase ? std::fabs(std::remainder(fitted - c.Truth[j], 2.0 * Pi))
               : std::fabs(fitted - c.Truth[j]);
}

std::vector<FitCase> FamilyCases() {
  std::vector<FitCase> cases;
  cases.push_back(
      {"ExponentialRisingFaster", mtExponential, {3.0, 2.0, 0.5}, Grid(0, 1, 5), 1e-6, 0.1});
  cases.push_back(
      {"ExponentialDecay", mtExponential, {1.0, 4.0, -0.8}, Grid(0, 0.25, 25), 1e-6, 0.02});
  cases.push_back({"ExponentialFallingFaster",
                   mtExponential,
                   {10.0, -0.5, 0.4},
                   Grid(0, 0.25, 21),
                   1e-6,
                   0.05});
  // 5 sin(2t + 0.3) + 1 over two periods, sampled through a crest and a trough so that the
  // middle of the range is the true offset.
  const double crest = (Pi / 2.0 - 0.3) / 2.0;
  cases.push_back(
      {"Sine", mtSine, {1.0, 5.0, 2.0, 0.3}, Grid(crest - 4 * Pi / 40, Pi / 40, 81), 1e-6, 0.01});
  const TDoubleDynArray dampedT = Grid(0, 0.05, 161);
  cases.push_back({"SineExpDamped",
                   mtSineExpDamped,
                   {0.5, 3.0, 3.0, PhaseWithZeroMean(mtSineExpDamped, 3.0, -0.2, dampedT), -0.2},
                   dampedT,
                   1e-6,
                   0.01});
  const TDoubleDynArray linearT = Grid(0, 0.05, 201);
  cases.push_back({"SineLinDamped",
                   mtSineLinDamped,
                   {-1.0, 2.0, 4.0, PhaseWithZeroMean(mtSineLinDamped, 4.0, -0.08, linearT), -0.08},
                   linearT,
                   1e-6,
                   0.01});
  return cases;
}

class FitFamilies : public ::testing::TestWithParam<FitCase> {};

TEST_P(FitFamilies, RecoversExactData) {
  const FitCase &c = GetParam();
  TDoubleDynArray y;
  for (double t : c.T) y.push_back(ModelValue(c.Type, c.Truth, t));
  TDoubleDynArray params;
  ASSERT_EQ(FitModel(c.T, y, c.Type, params), frOk);
  ASSERT_EQ(params.size(), c.Truth.size());
  for (size_t j = 0; j < params.size(); ++j)
    EXPECT_LT(ParameterError(c, j, params[j]), c.Tolerance)
        << "parameter " << j << " = " << params[j];
}

TEST_P(FitFamilies, StaysCloseWithSmallNoise) {
  const FitCase &c = GetParam();
  TDoubleDynArray y;
  for (size_t i = 0; i < c.T.size(); ++i)
    y.push_back(ModelValue(c.Type, c.Truth, c.T[i]) + Noise(int(i)));
  TDoubleDynArray params;
  ASSERT_EQ(FitModel(c.T, y, c.Type, params), frOk);
  ASSERT_EQ(params.size(), c.Truth.size());
  for (size_t j = 0; j < params.size(); ++j)
    EXPECT_LT(ParameterError(c, j, params[j]), c.NoisyTolerance)
        << "parameter " << j << " = " << params[j];
}

INSTANTIATE_TEST_SUITE_P(Models, FitFamilies, ::testing::ValuesIn(FamilyCases()),
                         [](const auto &info) { return info.param.Name; });

TEST(FitModel, StartsTheExponentialFromFirstMiddleAndLastValues) {
  // 3 + 2 exp(0.5 t) at t = 0..4: 5, about 8.44, about 17.78; rising and speeding up.
  const TDoubleDynArray t = Grid(0, 1, 5);
  TDoubleDynArray y;
  for (double x : t) y.push_back(3.0 + 2.0 * std::exp(0.5 * x));
  const TFitStart start = InitialGuess(t, y, mtExponential);
  ASSERT_EQ(start.P.size(), 3u);
  EXPECT_DOUBLE_EQ(start.P[0], 5.0);
  EXPECT_NEAR(start.P[1], 12.78, 0.01);
  EXPECT_EQ(start.P[2], 1.0);
  EXPECT_EQ(start.Offset, 0.0);

  struct Shape {
    const char *Name;
    TDoubleDynArray Y;
    TDoubleDynArray Guess;
  };
  const Shape shapes[] = {
      {"rising, slowing down", {0, 6, 8, 9, 10}, {10, -10, -1}},
      {"falling, slowing down", {10, 4, 2, 1, 0}, {0, 10, -1}},
      {"falling faster", {10, 9, 8, 6, 0}, {10, -10, 1}},
  };
  for (const Shape &s : shapes) EXPECT_EQ(InitialGuess(t, s.Y, mtExponential).P, s.Guess) << s.Name;
}

TEST(FitModel, StartsTheSineFromOffsetAmplitudeAndCrossings) {
  const TDoubleDynArray t = Grid(0, 0.05, 200);
  TDoubleDynArray y;
  for (double x : t) y.push_back(5.0 * std::sin(2.0 * x + 0.3) + 1.0);
  const TFitStart start = InitialGuess(t, y, mtSine);
  EXPECT_NEAR(start.Offset, 1.0, 0.01);
  ASSERT_EQ(start.P.size(), 3u);
  EXPECT_NEAR(start.P[0], 5.0, 0.01);
  EXPECT_NEAR(start.P[1], 2.0, 0.1);
  EXPECT_NEAR(std::sin(start.P[2]), (y[0] - start.Offset) / start.P[0], 1e-12);
  EXPECT_NEAR(start.FitY[10], y[10] - start.Offset, 1e-12);

  const TFitStart damped = InitialGuess(t, y, mtSineLinDamped);
  ASSERT_EQ(damped.P.size(), 4u);
  EXPECT_EQ(damped.P[3], -0.05);
}

TEST(FrequencyGuess, HalfAPeriodBetweenTheFirstTwoCrossings) {
  struct Case {
    const char *Name;
    TDoubleDynArray T, Y;
    double Expected;
  };
  const TDoubleDynArray t = Grid(0, 0.05, 200);
  TDoubleDynArray sine, slow;
  for (double x : t) {
    sine.push_back(std::sin(2.0 * x));
    slow.push_back(std::sin(0.5 * x + 0.2));  // one crossing only, at 2pi - 0.4
  }
  const Case cases[] = {
      // sin 2t is 0 at t = 0 (counted as positive), changes sign between 1.55 and 1.60 and
      // between 3.10 and 3.15: half a period of 1.55.
      {"clean sine", t, sine, Pi / 1.55},
      {"single crossing", t, slow, 0.75},
      {"no crossing", t, TDoubleDynArray(t.size(), 2.0), 0.75},
      {"too short", {0.0}, {1.0}, 0.75},
  };
  for (const Case &c : cases)
    EXPECT_NEAR(FrequencyGuess(c.T, c.Y, 0.75), c.Expected, 1e-9) << c.Name;
}

// Fewer samples than the model's parameters plus one cannot be fitted: the fit is refused
// and the model gets no parameters at all, rather than values read beyond the data.
TEST(FitModel, RefusesSeriesTooShortForTheModel) {
  struct Case {
    int Type;
    int Shortest;  // the fewest samples accepted
  };
  const Case cases[] = {
      {mtExponential, 4}, {mtSine, 5}, {mtSineExpDamped, 6}, {mtSineLinDamped, 6}};
  for (const Case &c : cases) {
    for (int n : {0, 1, c.Shortest - 1}) {
      TDoubleDynArray params{1.0, 2.0, 3.0};
      const TDoubleDynArray t = Grid(0, 0.5, n);
      TDoubleDynArray y;
      for (double x : t) y.push_back(std::sin(x));
      EXPECT_EQ(FitModel(t, y, c.Type, params), frTooFewSamples) << c.Type << " " << n;
      EXPECT_TRUE(params.empty()) << c.Type << " " << n;
    }
    TDoubleDynArray params;
    const TDoubleDynArray t = Grid(0, 0.5, c.Shortest);
    TDoubleDynArray y;
    for (double x : t) y.push_back(1.0 + std::exp(0.3 * x) * std::sin(2.0 * x));
    EXPECT_NE(FitModel(t, y, c.Type, params), frTooFewSamples) << c.Type;
    EXPECT_EQ(params.size(), size_t(TModelFunction::ModelCount(c.Type))) << c.Type;
  }
  TDoubleDynArray params{1.0};
  EXPECT_EQ(FitModel(Grid(0, 1, 10), Grid(0, 1, 10), mtParabola, params), frUnknownModel);
  EXPECT_TRUE(params.empty());
}

// A flat series has no amplitude, rate or frequency to find: the fit says so, and the
// parameters it leaves still describe the flat line rather than anything wild.
TEST(FitModel, ReportsFailureOnAFlatSeries) {
  const TDoubleDynArray t = Grid(0, 0.1, 30);
  const TDoubleDynArray y(t.size(), 2.0);
  for (int type : {mtExponential, mtSine, mtSineExpDamped, mtSineLinDamped}) {
    TDoubleDynArray params;
    EXPECT_EQ(FitModel(t, y, type, params), frSingular) << type;
    ASSERT_EQ(params.size(), size_t(TModelFunction::ModelCount(type))) << type;
    for (double x : t) EXPECT_NEAR(ModelValue(type, params, x), 2.0, 1e-12) << type;
  }
}

// A sine may converge with a negative amplitude or frequency; the same curve is handed back
// with both positive.
TEST(FitModel, HandsBackPositiveAmplitudeAndFrequency) {
  const TDoubleDynArray t = Grid(0, 0.05, 120);
  TDoubleDynArray y;
  for (double x : t) y.push_back(1.0 - 3.0 * std::sin(-2.5 * x + 0.4));
  TDoubleDynArray params;
  ASSERT_EQ(FitModel(t, y, mtSine, params), frOk);
  ASSERT_EQ(params.size(), 4u);
  EXPECT_GT(params[1], 0.0);
  EXPECT_GT(params[2], 0.0);
  for (double x : t)
    EXPECT_NEAR(ModelValue(mtSine, params, x), 1.0 - 3.0 * std::sin(-2.5 * x + 0.4), 0.05);
}

// The linearly damped sine with its stop inside the measured range: the data rest at the
// last extremum and the fit still lands close to the motion that produced them.
TEST(FitModel, LinearlyDampedSineThatStopsWithinTheData) {
  const TDoubleDynArray truth{0.0, 2.0, 4.0, 0.5, -0.08};
  const TDoubleDynArray t = Grid(0, 0.05, 300);  // the envelope ends at t = 12.5
  TDoubleDynArray y;
  for (double x : t) y.push_back(ModelValue(mtSineLinDamped, truth, x));
  TModelFunction f(mtSineLinDamped);
  f.SetParams({2.0, 4.0, 0.5, -0.08});
  ASSERT_TRUE(f.Stops());
  ASSERT_LT(f.StopTime(), t.back());
  TDoubleDynArray params;
  ASSERT_EQ(FitModel(t, y, mtSineLinDamped, params), frOk);
  EXPECT_NEAR(params[1], 2.0, 0.1);
  EXPECT_NEAR(params[2], 4.0, 0.01);
  EXPECT_NEAR(params[4], -0.08, 0.005);
}

}  // namespace
