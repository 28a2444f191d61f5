// The general number format with a given count of significant digits: the dialogs show
// frame intervals, rates and lengths with it, and files keep reals with 15 digits.

#include "kit/Locale.h"

#include <gtest/gtest.h>

using namespace kolibra;

TEST(GeneralFormat, KeepsTheSignificantDigitsAndPicksTheNotation) {
  ScopedDecimalSeparator point(QLatin1Char('.'));
  const struct {
    double Value;
    int Digits;
    const char *Text;
  } rows[] = {
      {0.04, 3, "0.04"},          {1.0 / 30.0, 3, "0.0333"},       {1.0 / 30.0, 10, "0.03333333333"},
      {0.04, 10, "0.04"},         {1.0 / 29.97, 3, "0.0334"},      {2.0, 3, "2"},
      {1234.5, 3, "1.23E3"},      {1e-6, 10, "1E-6"},              {1.5e-6, 3, "1.5E-6"},
      {0.00001, 3, "0.00001"},    {1e9, 10, "1000000000"},         {-0.125, 3, "-0.125"},
      {0.0, 3, "0"},              {0.9999, 3, "1"},                {30.000000000001, 6, "30"},
      {12.5, 6, "12.5"},          {-0.5, 6, "-0.5"},               {1234567, 6, "1.23457E6"},
      {123456, 6, "123456"},      {1e-6, 6, "1E-6"},               {1.5e-5, 10, "0.000015"},
      {1.0 / 3.0, 10, "0.3333333333"}, {999.96, 3, "1E3"},         {29.97, 3, "30"},
      {10.000000000000002, 3, "10"},   {-2.5e20, 10, "-2.5E20"},   {-1e-30, 3, "-1E-30"},
  };
  for (const auto &row : rows)
    EXPECT_EQ(GeneralFormat(row.Value, row.Digits), QString::fromLatin1(row.Text)) << row.Value << " " << row.Digits;
}

TEST(GeneralFormat, UsesTheRegionalSeparatorWhateverTheProcessLocale) {
  ScopedDecimalSeparator comma(QLatin1Char(','));
  EXPECT_EQ(GeneralFormat(0.04, 3), QStringLiteral("0,04"));
  EXPECT_EQ(GeneralFormat(1.5e-6, 3), QStringLiteral("1,5E-6"));
  // Files use the same conversion with fifteen digits.
  EXPECT_EQ(RealToText(1.0 / 3.0), QStringLiteral("0,333333333333333"));
  EXPECT_EQ(RealToText(1e15), QStringLiteral("1E15"));
}
