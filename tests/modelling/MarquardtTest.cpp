#include "modelling/LineSearch.h"
#include "modelling/Marquardt.h"
#include "modelling/ModelFunction.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>

using namespace kolibra;
using namespace kolibra::modelling;

namespace {

// Least squares over explicit residual functions r_i = -f_i(P) (data 0), with their
// Jacobian rows: enough to drive the optimiser without a model.
struct TResiduals {
  std::function<TDoubleDynArray(const TDoubleDynArray &)> F;   // f_i(P)
  std::function<TMatriceD(const TDoubleDynArray &)> Jacobian;  // df_i/dP_j

  double Chi2(const TDoubleDynArray &p) const {
    double sum = 0.0;
    for (double f : F(p)) sum += f * f;
    return sum;
  }
  void Normal(const TDoubleDynArray &p, TMatriceD &alpha, TDoubleDynArray &beta) const {
    const TDoubleDynArray f = F(p);
    const TMatriceD jac = Jacobian(p);
    for (size_t i = 0; i < f.size(); ++i)
      for (size_t j = 0; j < p.size(); ++j) {
        beta[j] -= -f[i] * jac[i][j];
        for (size_t m = 0; m < p.size(); ++m) alpha[j][m] += jac[i][j] * jac[i][m];
      }
  }
};

const TResiduals Rosenbrock{[](const TDoubleDynArray &p) {
                              return TDoubleDynArray{10.0 * (p[0] * p[0] - p[1]), p[0] - 1.0};
                            },
                            [](const TDoubleDynArray &p) {
                              return TMatriceD{{20.0 * p[0], -10.0}, {1.0, 0.0}};
                            }};

const TResiduals Bowl{[](const TDoubleDynArray &p) {
                        return TDoubleDynArray{p[0] - 1.0, std::sqrt(10.0) * (p[1] + 2.0)};
                      },
                      [](const TDoubleDynArray &) {
                        return TMatriceD{{1.0, 0.0}, {0.0, std::sqrt(10.0)}};
                      }};

int RunFit(TMarquardt &optimiser, const TResiduals &r, TDoubleDynArray &p, double &chi2,
           int maxIter = 50) {
  return optimiser.Marquardt(
      [&](const TDoubleDynArray &q) { return r.Chi2(q); },
      [&](const TDoubleDynArray &q, TMatriceD &a, TDoubleDynArray &b) { r.Normal(q, a, b); }, p,
      chi2, 1e-5, maxIter);
}

TEST(Marquardt, ReachesTheMinimumOfKnownObjectives) {
  struct Case {
    const char *Name;
    const TResiduals *Residuals;
    TDoubleDynArray Start, Minimum;
  };
  const Case cases[] = {{"bowl", &Bowl, {5.0, 5.0}, {1.0, -2.0}},
                        {"bowl from the minimum", &Bowl, {1.0, -2.0}, {1.0, -2.0}},
                        {"Rosenbrock", &Rosenbrock, {-1.2, 1.0}, {1.0, 1.0}}};
  for (const Case &c : cases) {
    TMarquardt optimiser;
    TDoubleDynArray p = c.Start;
    double chi2 = 0.0;
    // From the minimum itself Chi2 is 0 and no step can lower it: still a success.
    ASSERT_EQ(RunFit(optimiser, *c.Residuals, p, chi2), frOk) << c.Name;
    EXPECT_NEAR(p[0], c.Minimum[0], 1e-6) << c.Name;
    EXPECT_NEAR(p[1], c.Minimum[1], 1e-6) << c.Name;
    EXPECT_NEAR(chi2, 0.0, 1e-12) << c.Name;
  }
}

TEST(Marquardt, StopsAfterTooManyIterations) {
  TMarquardt optimiser;
  TDoubleDynArray p{-1.2, 1.0};
  double chi2 = 0.0;
  EXPECT_EQ(RunFit(optimiser, Rosenbrock, p, chi2, 1), frTooManyIterations);
  // The last accepted step is kept, and it did lower Chi2.
  EXPECT_LT(chi2, Rosenbrock.Chi2({-1.2, 1.0}));
  EXPECT_NEAR(chi2, Rosenbrock.Chi2(p), 1e-12);
}

// Every evaluation of this objective is larger than the one before, so no step is ever
// accepted: the damping goes 0.01, 0.1, ... and the sixth refusal takes it past 1000.
TEST(Marquardt, GivesUpWhenNoStepLowersChi2) {
  int evaluations = 0;
  int normals = 0;
  TMarquardt optimiser;
  TDoubleDynArray p{1.0, 2.0};
  double chi2 = 0.0;
  const int result =
      optimiser.Marquardt([&](const TDoubleDynArray &) { return double(++evaluations); },
                          [&](const TDoubleDynArray &, TMatriceD &alpha, TDoubleDynArray &beta) {
                            ++normals;
                            alpha = {{2.0, 0.0}, {0.0, 2.0}};
                            beta = {1.0, 1.0};
                          },
                          p, chi2);
  EXPECT_EQ(result, frDampingLimit);
  EXPECT_EQ(normals, 1);
  EXPECT_NEAR(optimiser.Lambda, 1e4, 1e-6);
  EXPECT_EQ(p, (TDoubleDynArray{1.0, 2.0}));
  EXPECT_EQ(chi2, 1.0);
}

TEST(Marquardt, ReportsSingularAndBrokenObjectives) {
  TMarquardt optimiser;
  TDoubleDynArray p{1.0, 2.0};
  double chi2 = 0.0;
  // A parameter the objective does not depend on leaves a zero row in the normal matrix.
  EXPECT_EQ(
      optimiser.Marquardt([](const TDoubleDynArray &q) { return (q[0] - 3.0) * (q[0] - 3.0); },
                          [](const TDoubleDynArray &q, TMatriceD &alpha, TDoubleDynArray &beta) {
                            alpha[0][0] = 1.0;
                            beta[0] = -(3.0 - q[0]);
                          },
                          p, chi2),
      frSingular);
  EXPECT_EQ(p, (TDoubleDynArray{1.0, 2.0}));

  EXPECT_EQ(optimiser.Marquardt(
                [](const TDoubleDynArray &) { return std::numeric_limits<double>::quiet_NaN(); },
                [](const TDoubleDynArray &, TMatriceD &, TDoubleDynArray &) {}, p, chi2),
            frNumericFault);
}

TEST(GaussJordan, SolvesWithFullPivotingAndRefusesSingularSystems) {
  TDoubleDynArray x{9.0, 9.0, 9.0};
  // A zero on the diagonal from the start: only pivoting gets past it.
  ASSERT_FALSE(GaussJordan({{0, 2, 1}, {1, 0, 0}, {3, 1, 1}}, {7, 1, 8}, x));
  EXPECT_NEAR(x[0], 1.0, 1e-12);
  EXPECT_NEAR(x[1], 2.0, 1e-12);
  EXPECT_NEAR(x[2], 3.0, 1e-12);

  TDoubleDynArray untouched{9.0, 9.0};
  EXPECT_TRUE(GaussJordan({{1, 2}, {2, 4}}, {1, 2}, untouched));
  EXPECT_TRUE(GaussJordan({{1, 2}, {3}}, {1, 2}, untouched));
  EXPECT_TRUE(GaussJordan({{1, 2}, {3, 4}}, {1, 2, 3}, untouched));
  EXPECT_EQ(untouched, (TDoubleDynArray{9.0, 9.0}));
}

TEST(LineSearch, BracketsAndLocatesTheMinimumInEitherDirection) {
  struct Case {
    const char *Name;
    TLineFunction G;
    double Minimum;
  };
  const Case cases[] = {
      {"ahead", [](double x) { return (x - 3.0) * (x - 3.0) + 1.0; }, 3.0},
      {"far ahead", [](double x) { return (x - 40.0) * (x - 40.0); }, 40.0},
      {"behind", [](double x) { return (x + 2.0) * (x + 2.0); }, -2.0},
      {"between", [](double x) { return std::cosh(x - 0.4); }, 0.4},
  };
  for (const Case &c : cases) {
    const TBracket bracket = BracketMinimum(c.G, 0.0, 1.0);
    EXPECT_LE(std::min(bracket.A, bracket.C), c.Minimum) << c.Name;
    EXPECT_GE(std::max(bracket.A, bracket.C), c.Minimum) << c.Name;
    EXPECT_LE(bracket.FB, bracket.FA) << c.Name;
    EXPECT_LE(bracket.FB, bracket.FC) << c.Name;
    double xmin = 0.0;
    const double value = BrentMinimum(c.G, bracket, 0.01, 100, xmin);
    EXPECT_NEAR(xmin, c.Minimum, 0.02 * std::max(1.0, std::fabs(c.Minimum))) << c.Name;
    EXPECT_LE(value, bracket.FB) << c.Name;
    EXPECT_DOUBLE_EQ(value, c.G(xmin)) << c.Name;
  }
}

double EnvelopeSlope(double b, double w, double phi, double k, double t) {
  return b * (k * std::sin(w * t + phi) + w * (1.0 + k * t) * std::cos(w * t + phi));
}

// The linearly damped sine stops at its last extremum before the envelope vanishes and
// keeps that value; for some phases that extremum lies more than a quarter period back.
TEST(ModelFunction, LinearlyDampedSineStopsAtItsLastExtremum) {
  const double b = 2.0, w = 3.0, k = -0.1, t0 = 10.0;
  struct Case {
    const char *Name;
    double Phase;
    double Earliest, Latest;  // where the stop must lie
  };
  const double quarter = std::numbers::pi / (2.0 * w);
  const Case cases[] = {
      {"within the last quarter period", 0.4, t0 - quarter, t0},
      // The phase at t0 is pi - 0.1: no extremum in the last quarter period.
      {"between a quarter and half a period back", std::numbers::pi - 0.1 - w * t0,
       t0 - 2.0 * quarter, t0 - quarter},
  };
  for (const Case &c : cases) {
    TModelFunction f(mtSineLinDamped);
    f.SetParams({b, w, c.Phase, k});
    ASSERT_TRUE(f.Stops()) << c.Name;
    const double te = f.StopTime();
    EXPECT_GE(te, c.Earliest) << c.Name;
    EXPECT_LE(te, c.Latest) << c.Name;
    EXPECT_NEAR(EnvelopeSlope(b, w, c.Phase, k, te), 0.0, 1e-7) << c.Name;
    const double frozen = b * (1.0 + k * te) * std::sin(w * te + c.Phase);
    EXPECT_NEAR(f.StopValue(), frozen, 1e-12) << c.Name;
    for (double after : {0.0, 0.01, 1.0, 50.0}) EXPECT_EQ(f.Value(te + after), frozen) << c.Name;
    const double before = te - 0.3;
    EXPECT_NEAR(f.Value(before), b * (1.0 + k * before) * std::sin(w * before + c.Phase), 1e-12)
        << c.Name;
    EXPECT_GT(std::fabs(frozen), std::fabs(f.Value(te - 0.01))) << c.Name;
  }

  // No stop when the envelope does not fall: a growing one, or none.
  for (double noFall : {0.0, 0.1}) {
    TModelFunction f(mtSineLinDamped);
    f.SetParams({b, w, 0.4, noFall});
    EXPECT_FALSE(f.Stops()) << noFall;
    EXPECT_NEAR(f.Value(20.0), b * (1.0 + noFall * 20.0) * std::sin(w * 20.0 + 0.4), 1e-12);
  }
}

TEST(ModelFunction, PartialsMatchDifferenceQuotients) {
  struct Case {
    int Type;
    TDoubleDynArray P;
  };
  const Case cases[] = {{mtExponential, {3.0, 2.0, 0.5}},
                        {mtSine, {5.0, 2.0, 0.3}},
                        {mtSineExpDamped, {3.0, 3.0, 0.7, -0.2}},
                        {mtSineLinDamped, {2.0, 4.0, 0.2, -0.05}}};
  for (const Case &c : cases) {
    TModelFunction f(c.Type);
    f.SetParams(c.P);
    for (double t : {0.0, 0.7, 2.5}) {
      TDoubleDynArray d;
      f.Partials(t, d);
      ASSERT_EQ(d.size(), c.P.size());
      for (size_t j = 0; j < c.P.size(); ++j) {
        const double h = 1e-6;
        TDoubleDynArray up = c.P, down = c.P;
        up[j] += h;
        down[j] -= h;
        TModelFunction fu(c.Type), fd(c.Type);
        fu.SetParams(up);
        fd.SetParams(down);
        EXPECT_NEAR(d[j], (fu.Value(t) - fd.Value(t)) / (2.0 * h), 1e-5)
            << "type " << c.Type << " parameter " << j << " at " << t;
      }
    }
  }
}

}  // namespace
