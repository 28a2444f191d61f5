// Fitting every model family through the one path the panel and kolibra-cli share: the
// parameters of data drawn from known equations, their standard errors against the textbook
// formulas and against the spread of repeated noisy fits, sub-ranges and the statistics.
#include "modelling/FitCommand.h"
#include "modelling/ModelFit.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <random>
#include <string>

namespace model_fit_test {

using namespace kolibra;
using namespace kolibra::modelling;

constexpr double Pi = std::numbers::pi;

TDoubleDynArray Grid(double first, double step, int count) {
  TDoubleDynArray t;
  for (int i = 0; i < count; ++i) t.push_back(first + i * step);
  return t;
}

// Small, deterministic, irregular noise of about 0.01.
double Noise(int i) { return 0.01 * std::sin(12.9898 * i + 0.5 * i * i); }

struct TFamilyCase {
  std::string Name;
  int Type;
  TDoubleDynArray Truth;
  TDoubleDynArray T;
  double NoisyTolerance;
};

std::vector<TFamilyCase> Families() {
  // The sines are sampled over whole periods through a crest and a trough, so the offset
  // the optimiser holds (the middle of the range or the mean) is the true one.
  const double crest = (Pi / 2.0 - 0.3) / 2.0;
  return {
      {"Constant", mtConstant, {2.5}, Grid(0, 0.1, 30), 0.01},
      {"Proportional", mtProportional, {-1.25}, Grid(0.1, 0.1, 30), 0.01},
      {"Affine", mtAffine, {1.5, -0.75}, Grid(0, 0.1, 30), 0.02},
      {"Parabola", mtParabola, {1.0, 2.0, -4.9}, Grid(0, 0.05, 30), 0.05},
      {"Exponential", mtExponential, {1.0, 4.0, -0.8}, Grid(0, 0.25, 25), 0.02},
      {"Sine", mtSine, {1.0, 5.0, 2.0, 0.3}, Grid(crest - 4 * Pi / 40, Pi / 40, 81), 0.01},
      // Not over whole periods: the offset is found by the refinement, not by the mean.
      {"SineExpDamped", mtSineExpDamped, {0.5, 3.0, 3.0, 0.7, -0.2}, Grid(0, 0.05, 161), 0.01},
      {"SineLinDamped", mtSineLinDamped, {-1.0, 2.0, 4.0, 0.9, -0.08}, Grid(0, 0.05, 201), 0.01},
  };
}

double Error(const TFamilyCase &c, size_t j, double fitted) {
  const bool phase = c.Type != mtExponential && c.Truth.size() >= 4 && j == 3;
  return phase ? std::fabs(std::remainder(fitted - c.Truth[j], 2.0 * Pi)) : std::fabs(fitted - c.Truth[j]);
}


TEST(FitModelCurve, RecoversEveryFamilyFromExactAndNoisyData) {
  for (const TFamilyCase &c : Families()) {
    SCOPED_TRACE(c.Name);
    const TDoubleDynArray exact = ModelValues(c.Type, c.Truth, c.T);
    TDoubleDynArray noisy = exact;
    for (size_t i = 0; i < noisy.size(); ++i) noisy[i] += Noise(int(i));

    const TModelFit fit = FitModelCurve(c.Type, c.T, exact);
    ASSERT_EQ(fit.Result, frOk);
    ASSERT_EQ(fit.Params.size(), c.Truth.size());
    ASSERT_EQ(fit.StdErrors.size(), c.Truth.size());
    for (size_t j = 0; j < c.Truth.size(); ++j) EXPECT_LT(Error(c, j, fit.Params[j]), 1e-6) << j;
    EXPECT_LT(fit.Chi2, 1e-12);
    EXPECT_EQ(fit.Samples, int(c.T.size()));

    const TModelFit rough = FitModelCurve(c.Type, c.T, noisy);
    ASSERT_EQ(rough.Result, frOk);
    for (size_t j = 0; j < c.Truth.size(); ++j) {
      EXPECT_LT(Error(c, j, rough.Params[j]), c.NoisyTolerance) << j;
      EXPECT_TRUE(std::isfinite(rough.StdErrors[j]) && rough.StdErrors[j] > 0.0) << j;
    }
    // Chi2 is the sum of the squared residuals at the parameters handed back.
    double sum = 0.0;
    const TDoubleDynArray model = ModelValues(c.Type, rough.Params, c.T);
    for (size_t i = 0; i < c.T.size(); ++i) sum += (noisy[i] - model[i]) * (noisy[i] - model[i]);
    EXPECT_NEAR(rough.Chi2, sum, 1e-12 * std::max(1.0, sum));
  }
}

TEST(FitModelCurve, StandardErrorsOfTheLinesAreTheTextbookOnes) {
  const TDoubleDynArray t = Grid(0.5, 0.25, 17);
  TDoubleDynArray y;
  for (size_t i = 0; i < t.size(); ++i) y.push_back(3.0 - 0.4 * t[i] + 5.0 * Noise(int(i)));
  const double n = double(t.size());
  double mt = 0.0, my = 0.0;
  for (size_t i = 0; i < t.size(); ++i) {
    mt += t[i] / n;
    my += y[i] / n;
  }
  double sxx = 0.0, sxy = 0.0;
  for (size_t i = 0; i < t.size(); ++i) {
    sxx += (t[i] - mt) * (t[i] - mt);
    sxy += (t[i] - mt) * (y[i] - my);
  }
  const double slope = sxy / sxx, intercept = my - slope * mt;
  double rss = 0.0, tss = 0.0, sumT = 0.0, sumY = 0.0;
  for (size_t i = 0; i < t.size(); ++i) {
    rss += std::pow(y[i] - intercept - slope * t[i], 2);
    tss += std::pow(y[i] - my, 2);
    sumT += t[i];
    sumY += y[i];
  }
  const double s = std::sqrt(rss / (n - 2.0));

  const TModelFit affine = FitModelCurve(mtAffine, t, y);
  ASSERT_EQ(affine.Result, frOk);
  EXPECT_NEAR(affine.Params[0], intercept, 1e-12);
  EXPECT_NEAR(affine.Params[1], slope, 1e-12);
  EXPECT_NEAR(affine.StdErrors[1], s / std::sqrt(sxx), 1e-7);
  EXPECT_NEAR(affine.StdErrors[0], s * std::sqrt(1.0 / n + mt * mt / sxx), 1e-7);

  const TModelFit constant = FitModelCurve(mtConstant, t, y);
  EXPECT_NEAR(constant.Params[0], my, 1e-12);
  EXPECT_NEAR(constant.StdErrors[0], std::sqrt(tss / (n - 1.0)) / std::sqrt(n), 1e-7);

  // The proportional line is the ratio of the means; its error is that of the ratio.
  const TModelFit proportional = FitModelCurve(mtProportional, t, y);
  const double ratio = sumY / sumT;
  double prss = 0.0;
  for (size_t i = 0; i < t.size(); ++i) prss += std::pow(y[i] - ratio * t[i], 2);
  EXPECT_NEAR(proportional.Params[0], ratio, 1e-12);
  EXPECT_NEAR(proportional.StdErrors[0], std::sqrt(prss / (n - 1.0) * n) / std::fabs(sumT), 1e-12);
}

// The standard errors of the non-linear fits are checked against what they promise: the
// spread of the parameters over many fits of the same curve with fresh noise.
TEST(FitModelCurve, StandardErrorsMatchTheSpreadOfRepeatedFits) {
  struct TCase {
    const char *Name;
    int Type;
    TDoubleDynArray Truth;
    TDoubleDynArray T;
    double Sigma;
    std::vector<size_t> Checked;  // the sines' offset is held by the optimiser: not checked
  };
  const double crest = (Pi / 2.0 - 0.3) / 2.0;
  const TCase cases[] = {
      {"parabola", mtParabola, {1.0, 2.0, -4.9}, Grid(0, 0.05, 30), 0.02, {0, 1, 2}},
      {"exponential", mtExponential, {1.0, 4.0, -0.8}, Grid(0, 0.25, 25), 0.02, {0, 1, 2}},
      {"sine", mtSine, {1.0, 5.0, 2.0, 0.3}, Grid(crest - 4 * Pi / 40, Pi / 40, 81), 0.05, {1, 2, 3}},
  };
  constexpr int Runs = 150;
  for (const TCase &c : cases) {
    SCOPED_TRACE(c.Name);
    std::mt19937 random(20240611);
    std::normal_distribution<double> noise(0.0, c.Sigma);
    const TDoubleDynArray exact = ModelValues(c.Type, c.Truth, c.T);
    std::vector<TDoubleDynArray> params;
    TDoubleDynArray meanError(c.Truth.size(), 0.0);
    for (int run = 0; run < Runs; ++run) {
      TDoubleDynArray y = exact;
      for (double &v : y) v += noise(random);
      const TModelFit fit = FitModelCurve(c.Type, c.T, y);
      ASSERT_EQ(fit.Result, frOk);
      params.push_back(fit.Params);
      for (size_t j = 0; j < c.Truth.size(); ++j) meanError[j] += fit.StdErrors[j] / Runs;
    }
    for (size_t j : c.Checked) {
      double mean = 0.0, spread = 0.0;
      for (const auto &p : params) mean += p[j] / Runs;
      for (const auto &p : params) spread += (p[j] - mean) * (p[j] - mean) / (Runs - 1);
      spread = std::sqrt(spread);
      EXPECT_NEAR(meanError[j] / spread, 1.0, 0.2) << "parameter " << j;
    }
  }
}

TEST(FitModelCurve, RefusesTooFewSamplesAndUnknownModels) {
  for (int type : {mtConstant, mtProportional, mtAffine, mtParabola, mtExponential, mtSine, mtSineExpDamped,
                   mtSineLinDamped}) {
    SCOPED_TRACE(ModelName(type).toStdString());
    const int needed = ParameterCount(type) + 1;
    const TDoubleDynArray t = Grid(1.0, 1.0, needed - 1);
    const TModelFit fit = FitModelCurve(type, t, t);
    EXPECT_EQ(fit.Result, frTooFewSamples);
    EXPECT_TRUE(fit.Params.empty());
    EXPECT_FALSE(FitMessage(fit.Result).isEmpty());
  }
  EXPECT_EQ(FitModelCurve(mtNone, Grid(0, 1, 10), Grid(0, 1, 10)).Result, frUnknownModel);
  EXPECT_EQ(FitModelCurve(3, Grid(0, 1, 10), Grid(0, 1, 10)).Result, frUnknownModel);
}

TEST(FitModelCurve, FitsOnlyTheChosenSubRange) {
  // A line up to t = 2, then a sudden climb: fitted on [0, 2], the line alone.
  const TDoubleDynArray t = Grid(0.0, 0.1, 41);
  TDoubleDynArray y;
  for (double x : t) y.push_back(x <= 2.0 + 1e-9 ? 1.0 + 0.5 * x : 10.0 * x);
  TDoubleDynArray rangeT, rangeY;
  SelectRange(t, y, 2.0 + 1e-9, -1e-9, rangeT, rangeY);  // bounds in either order
  ASSERT_EQ(rangeT.size(), 21u);
  const TModelFit fit = FitModelCurve(mtAffine, rangeT, rangeY);
  EXPECT_NEAR(fit.Params[0], 1.0, 1e-12);
  EXPECT_NEAR(fit.Params[1], 0.5, 1e-12);
  EXPECT_EQ(fit.Samples, 21);
}

TEST(ModelStatistics, KnownValuesAndWhatCannotBeComputed) {
  // Data 1, 2, 3 against the constant 2: residuals -1, 0, 1.
  const TModelStats stats = ModelStatistics(mtConstant, {2.0}, {0.0, 1.0, 2.0}, {1.0, 2.0, 3.0});
  EXPECT_NEAR(stats.RmsDev, std::sqrt(2.0 / 3.0), 1e-15);
  EXPECT_NEAR(stats.RelPrecision, std::sqrt(2.0 / 14.0), 1e-15);
  EXPECT_TRUE(std::isnan(stats.Correlation));  // a flat model correlates with nothing

  const TModelStats line = ModelStatistics(mtAffine, {0.0, 1.0}, {0.0, 1.0, 2.0}, {0.0, 1.0, 2.5});
  EXPECT_NEAR(line.Correlation, 0.9933992677987828, 1e-12);

  // Data all zero: no relative precision; no data: nothing at all.
  EXPECT_TRUE(std::isnan(ModelStatistics(mtConstant, {1.0}, {0.0, 1.0}, {0.0, 0.0}).RelPrecision));
  const TModelStats empty = ModelStatistics(mtAffine, {0.0, 1.0}, {}, {});
  EXPECT_TRUE(std::isnan(empty.RmsDev));
  EXPECT_TRUE(std::isnan(empty.RelPrecision));
}

TEST(FitReport, PrintsLettersChi2AndStatisticsWithPoints) {
  TModelFit fit;
  fit.Result = frOk;
  fit.Params = {1.5, -0.25};
  fit.StdErrors = {0.125, std::nan("")};
  fit.Chi2 = 0.5;
  TModelStats stats{0.75, 0.0625, std::nan("")};
  const QStringList lines = FitReportLines(mtAffine, fit, stats);
  const QStringList expected = {
      QStringLiteral("r\t1.5\t0.125"),
      QStringLiteral("b\t-0.25\t#Number!"),
      QStringLiteral("chi2\t0.5"),
      QStringLiteral("relative precision\t#Number!"),
      QStringLiteral("average quadratic variation\t0.0625"),
      QStringLiteral("correlation coefficient\t0.75"),
  };
  EXPECT_EQ(lines, expected);
  // Only the lines show a correlation; numbers read back exactly.
  EXPECT_EQ(FitReportLines(mtSine, fit, stats).size(), 5);
  EXPECT_EQ(FitNumberText(0.1 + 0.2), QStringLiteral("0.30000000000000004"));
  EXPECT_EQ(FitNumberText(1e-7), QStringLiteral("1e-07"));
}

TEST(ModelNames, RoundTripAndLetters) {
  for (int type : {mtConstant, mtProportional, mtAffine, mtParabola, mtExponential, mtSine, mtSineExpDamped,
                   mtSineLinDamped})
    EXPECT_EQ(ModelTypeFromName(ModelName(type)), type);
  EXPECT_EQ(ModelTypeFromName(QStringLiteral("Sine")), mtNone);
  QString letters;
  for (int i = 0; i < 6; ++i) letters += ParameterLetter(i);
  EXPECT_EQ(letters, QStringLiteral("rbcdkf"));
}

}  // namespace model_fit_test
