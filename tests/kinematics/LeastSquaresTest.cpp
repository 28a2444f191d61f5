#include "kinematics/LeastSquares.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

using namespace kolibra;
using namespace kolibra::kinematics;

namespace {

double Polynomial(const TDoubleDynArray &c, double x) {
  double y = 0.0;
  for (size_t j = c.size(); j-- > 0;) y = y * x + c[j];
  return y;
}

struct ExactPolynomialCase {
  const char *Name;
  TDoubleDynArray Coefs;  // c0, c1, ...
  double FirstX;
  double StepX;
  int Count;
};

class LeastSquaresExact : public ::testing::TestWithParam<ExactPolynomialCase> {};

TEST_P(LeastSquaresExact, RecoversThePolynomialInPowersOfX) {
  const ExactPolynomialCase &c = GetParam();
  TDoubleDynArray x, y;
  for (int i = 0; i < c.Count; ++i) {
    x.push_back(c.FirstX + i * c.StepX);
    y.push_back(Polynomial(c.Coefs, x.back()));
  }
  TLeastSquares fit;
  TDoubleDynArray coefs;
  ASSERT_EQ(fit.LeastSquaresFit(int(c.Coefs.size()), x, coefs, y), krOk);
  ASSERT_EQ(coefs.size(), c.Coefs.size());
  for (size_t j = 0; j < coefs.size(); ++j)
    EXPECT_NEAR(coefs[j], c.Coefs[j], 1e-7 * std::max(1.0, std::fabs(c.Coefs[j]))) << "c" << j;
  ASSERT_EQ(fit.FittedValues().size(), y.size());
  for (size_t i = 0; i < y.size(); ++i) {
    EXPECT_NEAR(fit.FittedValues()[i], y[i], 1e-9 * std::max(1.0, std::fabs(y[i])));
    EXPECT_NEAR(fit.Residuals()[i], 0.0, 1e-9 * std::max(1.0, std::fabs(y[i])));
  }
  EXPECT_NEAR(fit.StandardError(), 0.0, 1e-8);
  EXPECT_NEAR(fit.DeterminationRatio(), 1.0, 1e-12);
  EXPECT_EQ(fit.CoefficientCount(), int(c.Coefs.size()));
}

INSTANTIATE_TEST_SUITE_P(
    Polynomials, LeastSquaresExact,
    ::testing::Values(ExactPolynomialCase{"Constant", {2.5}, 0.0, 1.0, 6},
                      ExactPolynomialCase{"Line", {-1.0, 0.25}, -3.0, 0.5, 9},
                      ExactPolynomialCase{"Parabola", {1.0, -2.0, 0.5}, 0.0, 1.0, 7},
                      ExactPolynomialCase{"Cubic", {0.1, 0.0, -3.0, 1.5}, -1.0, 0.2, 11},
                      ExactPolynomialCase{"Quartic", {1.0, 1.0, 1.0, 1.0, 1.0}, -2.0, 0.25, 17},
                      // Frame numbers in the thousands: the [-1, 1] mapping keeps this sound.
                      ExactPolynomialCase{
                          "ParabolaFarFromZero", {3.0, 0.02, 1e-5}, 1000.0, 1.0, 25},
                      // As many points as coefficients: interpolation.
                      ExactPolynomialCase{"Interpolation", {4.0, -1.0, 2.0}, 1.0, 2.0, 3}),
    [](const auto &info) { return std::string(info.param.Name); });

TEST(LeastSquares, StatisticsOfAKnownLine) {
  // y = -0.1 + 0.9 x: residuals -0.1, -0.2, 0.7, -0.4, S = 0.7, two degrees of freedom.
  const TDoubleDynArray x{0, 1, 2, 3};
  const TDoubleDynArray y{0, 1, 1, 3};
  TLeastSquares fit;
  TDoubleDynArray coefs;
  ASSERT_EQ(fit.LeastSquaresFit(2, x, coefs, y), krOk);
  EXPECT_NEAR(coefs[0], -0.1, 1e-12);
  EXPECT_NEAR(coefs[1], 0.9, 1e-12);
  const double residuals[] = {-0.1, -0.2, 0.7, -0.4};
  for (int i = 0; i < 4; ++i) EXPECT_NEAR(fit.Residuals()[i], residuals[i], 1e-12);
  EXPECT_NEAR(fit.ResidualSumOfSquares(), 0.7, 1e-12);
  EXPECT_NEAR(fit.StandardError(), std::sqrt(0.35), 1e-12);
  EXPECT_NEAR(fit.DeterminationRatio(), 10.3 / 11.0, 1e-12);

  // Centred on its mean, the ratio is R squared: Sxy^2 / (Sxx Syy) = 4.5^2 / (5 * 4.75).
  const TDoubleDynArray centred{-1.25, -0.25, -0.25, 1.75};
  ASSERT_EQ(fit.LeastSquaresFit(2, x, coefs, centred), krOk);
  EXPECT_NEAR(fit.DeterminationRatio(), 20.25 / 23.75, 1e-12);
}

TEST(LeastSquares, FewerPointsThanCoefficientsFallsBackToTheMean) {
  TLeastSquares fit;
  TDoubleDynArray coefs;
  ASSERT_EQ(fit.LeastSquaresFit(3, {1.0, 4.0}, coefs, {2.0, 5.0}), krOk);
  EXPECT_EQ(fit.CoefficientCount(), 1);
  ASSERT_EQ(coefs.size(), 3u);  // a parabola caller can still read all three
  EXPECT_NEAR(coefs[0], 3.5, 1e-12);
  EXPECT_EQ(coefs[1], 0.0);
  EXPECT_EQ(coefs[2], 0.0);
  EXPECT_NEAR(fit.StandardError(), std::sqrt(4.5), 1e-12);
}

TEST(LeastSquares, RefusesWhatItCannotFitWithItsOwnCodes) {
  struct Case {
    const char *Name;
    int M;
    TDoubleDynArray X, Y;
    int Expected;
  };
  const Case cases[] = {
      {"no point", 2, {}, {}, krFitTooFewPoints},
      {"one point", 1, {1.0}, {2.0}, krFitTooFewPoints},
      {"one point with two abscissas", 2, {1.0, 2.0}, {3.0}, krFitTooFewPoints},
      {"no coefficient", 0, {0.0, 1.0, 2.0}, {1.0, 2.0, 3.0}, krFitNoCoefficient},
      {"abscissas without range", 2, {2.0, 2.0, 2.0}, {1.0, 2.0, 3.0}, krFitNoRange},
  };
  for (const Case &c : cases) {
    TLeastSquares fit;
    TDoubleDynArray coefs{7.0, 8.0};
    EXPECT_EQ(fit.LeastSquaresFit(c.M, c.X, coefs, c.Y), c.Expected) << c.Name;
    if (c.Expected != krOk) {
      EXPECT_EQ(coefs, (TDoubleDynArray{7.0, 8.0})) << c.Name;
      EXPECT_TRUE(fit.FittedValues().empty()) << c.Name;
      EXPECT_EQ(fit.DeterminationRatio(), 0.0) << c.Name;
    }
  }
  // The codes name causes of their own, never one of the calculator's.
  for (int code : {krFitSingular, krFitTooFewPoints, krFitNoCoefficient, krFitNoRange})
    for (int other : {krTooFewSamples, krNoObject, krNoScale, krNoVideo}) EXPECT_NE(code, other);
}

TEST(LeastSquares, EachFitKeepsItsOwnResults) {
  TLeastSquares first, second;
  TDoubleDynArray coefs;
  ASSERT_EQ(first.LeastSquaresFit(2, {0, 1, 2}, coefs, {1, 3, 5}), krOk);
  ASSERT_EQ(second.LeastSquaresFit(1, {0, 1, 2}, coefs, {0, 3, 0}), krOk);
  EXPECT_NEAR(first.StandardError(), 0.0, 1e-12);
  EXPECT_NEAR(first.FittedValues()[2], 5.0, 1e-12);
  EXPECT_NEAR(second.FittedValues()[2], 1.0, 1e-12);
}

}  // namespace
