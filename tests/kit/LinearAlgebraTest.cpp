#include "kit/MathUtils.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <stdexcept>

using namespace kolibra;

// Named rather than anonymous: the tests are compiled as one unity batch.
namespace linear_algebra_test {

TEST(AxisGraduation, WorkedExamplesAndSteps) {
  const struct {
    double min, max, first, last, step;
    int count;
  } cases[] = {
      {0, 10, 0, 10, 2, 6},
      {-0.5, 1.5, -0.4, 1.2, 0.4, 6},
      {0, 1, 0, 1, 0.2, 6},
      {3, 7, 3, 7, 1, 5},
      {0, 3.5, 0, 3.0, 0.6, 6},
      {0, 3.8, 0, 3.2, 0.8, 5},
      {0, 7, 0, 6, 2, 4},
      {-7, -3, -7, -3, 1, 5},
      {100, 250, 120, 240, 40, 4},
      {0.002, 0.0031, 0.002, 0.003, 0.0002, 6},
      {5, 5, 5, 5, 0.2, 1},  // no range at all
      {10, 0, 0, 10, 2, 6},  // reversed bounds
  };
  for (const auto &c : cases) {
    double first = -1, last = -1, step = -1;
    int count = -1;
    AxisGraduation(c.min, c.max, first, last, step, count);
    EXPECT_NEAR(step, c.step, 1e-12) << c.min << " " << c.max;
    EXPECT_NEAR(first, c.first, 1e-9) << c.min << " " << c.max;
    EXPECT_NEAR(last, c.last, 1e-9) << c.min << " " << c.max;
    EXPECT_EQ(count, c.count) << c.min << " " << c.max;
  }
}

TEST(AxisGraduation, EndsOnUnusableBounds) {
  double first = 0, last = 0, step = 0;
  int count = 0;
  AxisGraduation(1e300, 1e300, first, last, step, count);  // a step lost in min
  EXPECT_TRUE(std::isfinite(last));
  AxisGraduation(0, std::numeric_limits<double>::infinity(), first, last, step, count);
  EXPECT_EQ(step, 0.0);
  EXPECT_EQ(count, 0);
  AxisGraduation(std::nan(""), 1, first, last, step, count);
  EXPECT_EQ(count, 0);
}

// ---------------------------------------------------------------------------------------------

TEST(SolveLinearSystem, SolvesRegularAndPivotNeedingSystems) {
  const struct {
    TMatriceD a;
    TDoubleDynArray b, x;
  } cases[] = {
      {{{2, 1}, {1, 3}}, {3, 5}, {0.8, 1.4}},
      {{{0, -1}, {-1, 0}}, {2, 3}, {-3, -2}},  // every pivot negative
      {{{0, 1}, {1, 0}}, {1, 2}, {2, 1}},      // zero diagonal
      {{{1, 2, 3}, {0, 1, 4}, {5, 6, 0}}, {14, 14, 17}, {1, 2, 3}},
      {{{-4, 1, 0}, {1, -4, 1}, {0, 1, -4}}, {-2, -4, -10}, {1, 2, 3}},
      {{{5}}, {10}, {2}},
  };
  for (const auto &c : cases) {
    TDoubleDynArray x(c.b.size(), 0.0);
    ASSERT_FALSE(SolveLinearSystem(c.a, x, c.b));
    ASSERT_EQ(x.size(), c.x.size());
    for (size_t i = 0; i < x.size(); ++i) EXPECT_NEAR(x[i], c.x[i], 1e-12);
  }
}

TEST(SolveLinearSystem, ResidualOfAPermutedSystemIsZero) {
  // Large entries off the diagonal: the solution must make a * x = b in every row.
  const TMatriceD a = {{1e-3, -7, 2, 0}, {3, 1e-3, -5, 1}, {-2, 4, 1e-3, 8}, {1, 1, 1, -1}};
  const TDoubleDynArray b = {1, 2, 3, 4};
  TDoubleDynArray x(4, 0.0);
  ASSERT_FALSE(SolveLinearSystem(a, x, b));
  for (size_t r = 0; r < 4; ++r) {
    double sum = 0;
    for (size_t c = 0; c < 4; ++c) sum += a[r][c] * x[c];
    EXPECT_NEAR(sum, b[r], 1e-12);
  }
}

TEST(SolveLinearSystem, SingularLeavesXUntouched) {
  const TMatriceD singular[] = {
      {{1, 2}, {0, 0}},                   // zero row
      {{1, 2}, {2, 4}},                   // proportional rows
      {{0, 0}, {0, 0}},
      {{1, 2, 3}, {4, 5, 6}, {7, 8, 9}},  // dependent rows
      {{1, 0}, {0, 1e-120}},
  };
  for (const TMatriceD &a : singular) {
    TDoubleDynArray x(a.size(), 7.0);
    const TDoubleDynArray b(a.size(), 1.0);
    EXPECT_TRUE(SolveLinearSystem(a, x, b));
    EXPECT_EQ(x, TDoubleDynArray(a.size(), 7.0));
  }
}

TEST(SolveLinearSystem, MalformedSystemsAreRefused) {
  TDoubleDynArray x = {7, 7};
  EXPECT_TRUE(SolveLinearSystem({{1, 0}, {0, 1}}, x, {1}));  // short right side
  EXPECT_TRUE(SolveLinearSystem({{1, 0}, {0}}, x, {1, 1}));  // short row
  EXPECT_TRUE(SolveLinearSystem({{1}}, x, {1}));             // x of another size
  EXPECT_EQ(x, (TDoubleDynArray{7, 7}));
}

// ---------------------------------------------------------------------------------------------

struct CountingFunction {
  int Calls = 0;
  std::function<double(const TDoubleDynArray &, double)> Of(std::function<double(double)> f) {
    return [this, f](const TDoubleDynArray &, double x) {
      ++Calls;
      return f(x);
    };
  }
};

TEST(FindRoot, BisectsToTheTolerance) {
  double root = 0;
  const auto f = [](const TDoubleDynArray &p, double x) { return x * x - p[0]; };
  ASSERT_TRUE(FindRoot(f, {2.0}, 100, 0, 2, 1e-12, root));
  EXPECT_NEAR(root, std::sqrt(2.0), 1e-9);
  ASSERT_TRUE(FindRoot(f, {9.0}, 100, -1, 10, 1e-12, root));
  EXPECT_NEAR(root, 3.0, 1e-9);
}

TEST(FindRoot, EndsThatAlreadyMeetTheTolerance) {
  CountingFunction counter;
  double root = -1;
  ASSERT_TRUE(FindRoot(counter.Of([](double x) { return x; }), {}, 50, 0, 1, 1e-9, root));
  EXPECT_EQ(root, 0.0);
  ASSERT_TRUE(FindRoot(counter.Of([](double x) { return x - 1; }), {}, 50, 0, 1, 1e-9, root));
  EXPECT_EQ(root, 1.0);
  EXPECT_EQ(counter.Calls, 4);
}

TEST(FindRoot, MaxIterCountsHalvingsFromZero) {
  double root = -1;
  const auto f = [](const TDoubleDynArray &, double x) { return x - 1.0 / 3.0; };
  ASSERT_TRUE(FindRoot(f, {}, 0, 0, 1, 1e-15, root));
  EXPECT_EQ(root, 0.5);
  ASSERT_TRUE(FindRoot(f, {}, 1, 0, 1, 1e-15, root));
  EXPECT_EQ(root, 0.25);
  ASSERT_TRUE(FindRoot(f, {}, 2, 0, 1, 1e-15, root));
  EXPECT_EQ(root, 0.375);
}

TEST(FindRoot, FailuresLeaveTheRoot) {
  CountingFunction counter;
  double root = 42;
  // Same signs at both ends: no midpoint is evaluated.
  EXPECT_FALSE(FindRoot(counter.Of([](double x) { return x * x + 1; }), {}, 50, -1, 1, 1e-9, root));
  EXPECT_EQ(counter.Calls, 2);
  // Tiny values whose product underflows still have the same sign.
  counter.Calls = 0;
  EXPECT_FALSE(FindRoot(counter.Of([](double) { return 1e-200; }), {}, 50, -1, 1, 0, root));
  EXPECT_EQ(counter.Calls, 2);
  // An empty or reversed interval evaluates nothing.
  counter.Calls = 0;
  EXPECT_FALSE(FindRoot(counter.Of([](double x) { return x; }), {}, 50, 1, 1, 1e-9, root));
  EXPECT_FALSE(FindRoot(counter.Of([](double x) { return x; }), {}, 50, 2, -2, 1e-9, root));
  EXPECT_EQ(counter.Calls, 0);
  // A throwing function, at an end or at a midpoint.
  const auto throwing = [](const TDoubleDynArray &, double x) -> double {
    if (x > 0.4 && x < 0.6) throw std::domain_error("pole");
    return x - 0.3;
  };
  EXPECT_FALSE(FindRoot(throwing, {}, 50, 0, 1, 1e-9, root));
  EXPECT_FALSE(FindRoot(throwing, {}, 50, 0.5, 1, 1e-9, root));
  // A value that is not a number.
  EXPECT_FALSE(FindRoot([](const TDoubleDynArray &, double x) { return x > 0.7 ? std::nan("") : x - 0.6; },
                        {}, 50, 0, 1, 1e-9, root));
  EXPECT_EQ(root, 42.0);
}

TEST(FindRoot, ReturnsTrueWhenTheToleranceIsNotMet) {
  double root = 0;
  // A jump: the sign changes at 0.3 but the value never gets small.
  ASSERT_TRUE(FindRoot([](const TDoubleDynArray &, double x) { return x < 0.3 ? -1.0 : 1.0; }, {},
                       60, 0, 1, 1e-9, root));
  EXPECT_NEAR(root, 0.3, 1e-12);
}

}  // namespace linear_algebra_test
