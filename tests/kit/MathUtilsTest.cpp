#include "kit/Locale.h"
#include "kit/MathUtils.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>

using namespace kolibra;

// Named rather than anonymous: the tests are compiled as one unity batch.
namespace math_utils_test {

constexpr double kPi = std::numbers::pi;
const double kNaN = std::numeric_limits<double>::quiet_NaN();
const double kInf = std::numeric_limits<double>::infinity();

TEST(MathGuards, NearZeroAndHuge) {
  EXPECT_TRUE(IsNearZero(1e-101));
  EXPECT_TRUE(IsNearZero(-1e-101));
  EXPECT_TRUE(IsNearZero(0.0));
  EXPECT_FALSE(IsNearZero(1e-99));
  EXPECT_FALSE(IsNearZero(kNaN));
  EXPECT_FALSE(IsHuge(1e100));
  EXPECT_FALSE(IsHuge(-1e100));
  EXPECT_TRUE(IsHuge(1.1e100));
  EXPECT_TRUE(IsHuge(-kInf));
  EXPECT_TRUE(IsHuge(kNaN));
}

TEST(MathGuards, RoundClampedHalvesToEvenAndClamps) {
  const struct {
    double x;
    int expected;
  } cases[] = {{2.5, 2},         {3.5, 4},          {-2.5, -2},          {-3.5, -4},
               {2.4999, 2},      {-0.4, 0},         {1e10, 2147483647},  {-1e10, -2147483647},
               {kInf, 2147483647}, {kNaN, 0}};
  for (const auto &c : cases) EXPECT_EQ(RoundClamped(c.x), c.expected) << c.x;
}

TEST(MathGuards, NormalizeAngleKeepsBounds) {
  const struct {
    double a, b, expected;
  } cases[] = {{0.0, 3 * kPi, kPi},     {kPi, 0.0, kPi},         {-kPi, 0.0, -kPi},
               {0.0, 2.5 * kPi, kPi / 2}, {-kPi / 2, -kPi, kPi / 2}, {0.1, 0.2, 0.3},
               {0.0, -7 * kPi / 2, kPi / 2}};
  for (const auto &c : cases) EXPECT_NEAR(NormalizeAngle(c.a, c.b), c.expected, 1e-12) << c.a << " " << c.b;

  EXPECT_NEAR(NormalizeAnglePositive(-kPi / 2), 3 * kPi / 2, 1e-12);
  EXPECT_DOUBLE_EQ(NormalizeAnglePositive(2 * kPi), 2 * kPi);
  EXPECT_DOUBLE_EQ(NormalizeAnglePositive(0.0), 0.0);
  EXPECT_NEAR(NormalizeAnglePositive(7 * kPi), kPi, 1e-12);
  // Far and non-finite angles must not loop for ever.
  EXPECT_NEAR(NormalizeAngle(2000 * kPi + 1.0, 0.0), 1.0, 1e-9);
  EXPECT_LE(std::fabs(NormalizeAngle(1e300, 0.0)), kPi);
  EXPECT_TRUE(std::isnan(NormalizeAngle(kInf, 0.0)));
}

TEST(MathGuards, DecimalOrder) {
  const int cases[][2] = {{1, 0},    {9, 0},    {10, 1},   {99, 1},          {100, 2},
                          {999, 2},  {1000, 3}, {123456, 5}, {2147483647, 9}, {0, 0}};
  for (const auto &c : cases) EXPECT_EQ(DecimalOrder(c[0]), c[1]) << c[0];
}

// ---------------------------------------------------------------------------------------------

struct FormatCase {
  int offset;
  double x;
  const char *expected;  // with "." as separator
};

const FormatCase kFormatCases[] = {
    // The worked examples.
    {0, 2.5, "2.500"},
    {0, 12.5, "12.50"},
    {0, 0.05, "0.050"},
    {0, 1234.56, "1235"},
    {0, 0.001234, "1.23E-3"},
    {0, 123456.0, "1.23E+5"},
    {0, 10000.5, "1.00E+4"},
    {0, 0.01, "0.010"},
    {0, 0.00999, "9.99E-3"},
    {0, 0.0, "0"},
    {0, -0.0, "0"},
    {2, 0.0, "0"},
    // Band edges: a bound belongs to the band below it.
    {0, 10.0, "10.000"},
    {0, 100.0, "100.00"},
    {0, 1000.0, "1000.0"},
    {0, 10000.0, "10000"},
    {0, 10.5, "10.50"},
    {0, 9.99996, "10.000"},
    {0, 0.099996, "0.100"},
    {0, 0.012345, "0.012"},
    {0, 3.14159265, "3.142"},
    // Negative values mirror the positive ones.
    {0, -2.5, "-2.500"},
    {0, -1234.56, "-1235"},
    {0, -0.001234, "-1.23E-3"},
    {0, -123456.0, "-1.23E+5"},
    {0, -10000.0, "-10000"},
    {0, -10000.5, "-1.00E+4"},
    // Ties of the binary value round to even; other values to nearest.
    {0, 1234.5, "1234"},
    {0, 1235.5, "1236"},
    {0, 0.0125, "0.013"},
    // Far exponents are written in full.
    {0, 1e-200, "1.00E-200"},
    {0, 1e300, "1.00E+300"},
    {0, 9.999e-5, "1.00E-4"},
    // Offset -1: one digit less, exponents unpadded.
    {-1, 3.14159, "3.14"},
    {-1, 12.5, "12.5"},
    {-1, 123.4, "123"},
    {-1, 1234.56, "1230"},
    {-1, 0.05, "0.05"},
    {-1, 0.001234, "1.2E-3"},
    {-1, 123456.0, "1.2E+5"},
    // Offset 2: two digits more, exponents padded to three digits.
    {2, 3.14159265, "3.14159"},
    {2, 1234.56, "1234.56"},
    {2, 0.5, "0.50000"},
    {2, 0.001234, "1.2340E-003"},
    {2, 123456.0, "1.2346E+005"},
    {2, -1e-200, "-1.0000E-200"},
    // Offset 3 pads to four digits; from 4 on there is no padding.
    {3, 0.001234, "1.23400E-0003"},
    {4, 0.001234, "1.234000E-3"},
    // Offset 8 and above.
    {8, 3.14159265358979, "3.14159265359"},
    {8, 2.5, "2.50000000000"},
    {8, 123456.0, "1.2345600000E+5"},
    {12, 3.14159265358979, "3.14159265359"},
    {12, 123456.0, "1.2345600000E+5"},
    // Offset -3 keeps a single significant digit and never writes "-0".
    {-3, -0.4, "0"},
    {-3, 7.6, "8"},
    {-3, 0.001234, "1E-3"},
};

TEST(FormatReal, WritesTheResultsRuleUnderBothSeparators) {
  for (const QChar separator : {QChar('.'), QChar(',')}) {
    ScopedDecimalSeparator scoped(separator);
    for (const FormatCase &c : kFormatCases) {
      QString expected = QString::fromLatin1(c.expected);
      expected.replace(QLatin1Char('.'), separator);
      EXPECT_EQ(FormatReal(c.offset, c.x), expected)
          << "offset " << c.offset << " x " << c.x << " separator " << separator.toLatin1();
    }
  }
}

TEST(FormatReal, CannotShowNaNOrInfinities) {
  for (const int offset : {-1, 0, 2, 8})
    for (const double x : {kNaN, kInf, -kInf}) EXPECT_EQ(FormatReal(offset, x), "#Number!");
}

TEST(FormatReal, LargeOffsetsBehaveAsEight) {
  for (const double x : {1.0 / 3.0, -2.0 / 3.0, 1234.5678, 1e-7, 5e9})
    EXPECT_EQ(FormatReal(12, x), FormatReal(8, x)) << x;
}

TEST(LocalizeDecimal, ReplacesBothSeparators) {
  ScopedDecimalSeparator scoped(QChar(','));
  EXPECT_EQ(LocalizeDecimal("1.5;2,5"), "1,5;2,5");
}

// ---------------------------------------------------------------------------------------------

TEST(Statistics, MeanOf) {
  EXPECT_EQ(MeanOf({}), 0.0);
  EXPECT_DOUBLE_EQ(MeanOf({1, 2, 3, 4}), 2.5);
  EXPECT_DOUBLE_EQ(MeanOf({-7}), -7.0);
}

TEST(Statistics, CorrelationUsesTheShorterLength) {
  const struct {
    TDoubleDynArray x, y;
    double expected;
  } cases[] = {
      {{1, 2, 3}, {2, 4, 6}, 1.0},
      {{1, 2, 3}, {6, 4, 2}, -1.0},
      {{1, 2, 3}, {2, 4, 6, 100}, 1.0},  // x shorter than y
      {{1, 2, 3, 100}, {2, 4, 6}, 1.0},  // y shorter than x
      {{1, 2, 3, 4}, {1, 3, 2, 4}, 0.8},
      {{1, 2, 3}, {5, 5, 5}, 0.0},       // flat
      {{}, {1, 2}, 0.0},
  };
  for (const auto &c : cases) EXPECT_NEAR(Correlation(c.x, c.y), c.expected, 1e-12);
}

TEST(Statistics, Deviations) {
  EXPECT_DOUBLE_EQ(RmsDeviation({1, 2, 3}, {1, 2, 5}), std::sqrt(4.0 / 3.0));
  EXPECT_DOUBLE_EQ(RmsDeviation({1, 2}, {1, 2, 3}), 0.0);
  EXPECT_DOUBLE_EQ(RmsDeviation({1, 2, 9}, {2, 2}), std::sqrt(0.5));
  EXPECT_EQ(RmsDeviation({}, {1}), -1.0);

  EXPECT_DOUBLE_EQ(RelativeRmsDeviation({3, 4}, {0, 0}), 1.0);
  EXPECT_DOUBLE_EQ(RelativeRmsDeviation({3, 4, 100}, {3, 1}), 3.0 / 5.0);
  EXPECT_EQ(RelativeRmsDeviation({0, 0}, {1, 1}), -1.0);
  EXPECT_EQ(RelativeRmsDeviation({}, {}), -1.0);
}

TEST(Statistics, Extremes) {
  EXPECT_EQ(MaxOfD({}), -1.7e308);
  EXPECT_EQ(MinOfD({}), 1.7e308);
  EXPECT_EQ(MaxOfD({-5, 3, 2}), 3.0);
  EXPECT_EQ(MinOfD({-5, 3, 2}), -5.0);
  EXPECT_EQ(MaxOfI({}), -2147483647);
  EXPECT_EQ(MinOfI({}), 2147483647);
  EXPECT_EQ(MaxOfI({-5, 3, 2}), 3);
  EXPECT_EQ(MinOfI({-5, 3, 2}), -5);
}

TEST(Statistics, ScaleArrayResizesTheOutput) {
  TDoubleDynArray out = {9, 9, 9, 9};
  ScaleArray({1, -2, 0.5}, 2.0, out);
  EXPECT_EQ(out, (TDoubleDynArray{2, -4, 1}));
  ScaleArray(out, -1.0, out);
  EXPECT_EQ(out, (TDoubleDynArray{-2, 4, -1}));
}

TEST(Statistics, SortIndicesIsStable) {
  TIntegerDynArray idx = {7, 7};
  SortIndices(TDoubleDynArray{3, 1, 2, 1}, idx);
  EXPECT_EQ(idx, (TIntegerDynArray{1, 3, 2, 0}));
  SortIndices(TIntegerDynArray{5, 5, 1, 5, 0}, idx);
  EXPECT_EQ(idx, (TIntegerDynArray{4, 2, 0, 1, 3}));
  SortIndices(TDoubleDynArray{kNaN, 2, 1}, idx);
  EXPECT_EQ(idx, (TIntegerDynArray{2, 1, 0}));
  SortIndices(TDoubleDynArray{}, idx);
  EXPECT_TRUE(idx.empty());
}

// ---------------------------------------------------------------------------------------------

TEST(Arrays, GrowCapacitySteps) {
  const struct {
    int length, n, expected;
  } cases[] = {{0, 0, 4},   {4, 3, 4},    {4, 4, 8},    {0, 5, 13},   {8, 8, 16},
               {0, 9, 25},  {64, 64, 80}, {65, 65, 81}, {100, 100, 125}, {500, 20, 500}};
  for (const auto &c : cases) {
    TPointDynArray points(size_t(c.length), TPoint(1, 2));
    GrowCapacity(points, c.n);
    EXPECT_EQ(int(points.size()), c.expected) << c.length << " " << c.n;
    if (c.length > 0) {
      EXPECT_EQ(points.front(), TPoint(1, 2));
    }

    TPointDDynArray reals(size_t(c.length));
    GrowCapacity(reals, c.n);
    EXPECT_EQ(int(reals.size()), c.expected);
    TPointSigneDynArray signs(size_t(c.length));
    GrowCapacity(signs, c.n);
    EXPECT_EQ(int(signs.size()), c.expected);
  }
}

TEST(Arrays, RepeatedEndsAndPadding) {
  const TPointDynArray points = {{1, 2}, {3, 4}};
  EXPECT_EQ(WithFirstRepeated(points), (TPointDynArray{{1, 2}, {1, 2}, {3, 4}}));
  EXPECT_EQ(WithLastRepeated(points), (TPointDynArray{{1, 2}, {3, 4}, {3, 4}}));
  EXPECT_EQ(WithBothRepeated(points), (TPointDynArray{{1, 2}, {1, 2}, {3, 4}, {3, 4}}));
  EXPECT_TRUE(WithBothRepeated(TPointDynArray{}).empty());

  const TPointDDynArray reals = WithBothRepeated(TPointDDynArray{{0.5, 1.5}});
  ASSERT_EQ(reals.size(), 3u);
  EXPECT_EQ(reals[2].Y, 1.5);

  EXPECT_EQ(PaddedPoints(points, 4), (TPointDynArray{{1, 2}, {3, 4}, {0, 0}, {0, 0}}));
  EXPECT_EQ(PaddedPoints(points, 1), (TPointDynArray{{1, 2}}));
  EXPECT_TRUE(PaddedPoints(points, -1).empty());
  EXPECT_EQ(PaddedPoints({TPoint(5, 6)}, 2), (TPointDynArray{{5, 6}, {0, 0}}));
}

TEST(Arrays, FillAndCompare) {
  TMatriceI m = {{1, 2}, {3}};
  FillMatrix(m, 7);
  EXPECT_EQ(m, (TMatriceI{{7, 7}, {7}}));

  TMatrice3Point cube(2, TMatricePoint(2, TPointDynArray(3)));
  FillMatrix(cube, TPoint(-1, 4));
  EXPECT_EQ(cube, TMatrice3Point(2, TMatricePoint(2, TPointDynArray(3, TPoint(-1, 4)))));

  EXPECT_TRUE(SameIntegers({1, 2, 3}, {1, 2, 3}));
  EXPECT_FALSE(SameIntegers({1, 2, 3}, {1, 2, 4}));
  EXPECT_FALSE(SameIntegers({1, 2}, {1, 2, 3}));
  EXPECT_TRUE(SameIntegers({}, {}));
}

}  // namespace math_utils_test
