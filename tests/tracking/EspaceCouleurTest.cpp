// The colour space against known L*u*v* values of the primaries, round trips through the
// bins, and the spread of all colours over the bins.

#include "tracking/support/Printing.h"
#include "tracking/EspaceCouleur.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace kolibra::tracking {
namespace {

TEST(EspaceCouleurTest, PrimariesHaveTheirPublishedCoordinates) {
  // CIE L*u*v* of the sRGB primaries and neutrals under D65 (linear components).
  const struct {
    int R, G, B;
    double L, U, V;
  } rows[] = {
      {0, 0, 0, 0.0, 0.0, 0.0},
      {255, 255, 255, 100.0, 0.0, 0.0},
      {255, 0, 0, 53.24, 175.01, 37.76},
      {0, 255, 0, 87.73, -83.07, 107.40},
      {0, 0, 255, 32.30, -9.40, -130.35},
  };
  for (const auto &row : rows) {
    const TLuv luv = RgbToLuv(row.R, row.G, row.B);
    // The matrix's rounded coefficients move the values by a few tenths.
    EXPECT_NEAR(luv.L, row.L, 0.1) << row.R << ',' << row.G << ',' << row.B;
    EXPECT_NEAR(luv.U, row.U, 0.3) << row.R << ',' << row.G << ',' << row.B;
    EXPECT_NEAR(luv.V, row.V, 0.3) << row.R << ',' << row.G << ',' << row.B;
  }
}

TEST(EspaceCouleurTest, ColoursComeBackFromTheirCoordinates) {
  for (int r = 0; r < 256; r += 15)
    for (int g = 0; g < 256; g += 15)
      for (int b = 0; b < 256; b += 15) {
        TRgb back;
        ASSERT_TRUE(LuvToRgb(RgbToLuv(r, g, b), back));
        // Below L* 0.1 everything is black by rule.
        if (RgbToLuv(r, g, b).L < 0.1) continue;
        EXPECT_LE(std::abs(back.R - r), 1) << r << ',' << g << ',' << b;
        EXPECT_LE(std::abs(back.G - g), 1) << r << ',' << g << ',' << b;
        EXPECT_LE(std::abs(back.B - b), 1) << r << ',' << g << ',' << b;
      }
}

TEST(EspaceCouleurTest, AChromaticityBeyondEveryColourHasNone) {
  TRgb colour{1, 2, 3};
  EXPECT_FALSE(LuvToRgb(TLuv{50.0, 0.0, -400.0}, colour));
  EXPECT_EQ(colour, (TRgb{1, 2, 3}));
  EXPECT_TRUE(LuvToRgb(TLuv{0.05, 10.0, 10.0}, colour));
  EXPECT_EQ(colour, (TRgb{0, 0, 0}));
}

TEST(EspaceCouleurTest, BinsCoverEachAxisOverItsWholeRange) {
  TEspaceCouleur space(20);
  int l = 0, u = 0, v = 0;
  space.AxisIndexes(space.BinOf(RgbToLuv(0, 0, 0)), l, u, v);
  // Black sits at u* = v* = 0: inside the axes, not at their start.
  EXPECT_EQ(l, 0);
  EXPECT_EQ(u, 6);
  EXPECT_EQ(v, 11);
  space.AxisIndexes(space.BinOf(RgbToLuv(255, 0, 0)), l, u, v);
  EXPECT_EQ(u, 19);  // the greatest u* of all
  space.AxisIndexes(space.BinOf(RgbToLuv(0, 255, 0)), l, u, v);
  EXPECT_EQ(u, 0);   // the smallest u*
  EXPECT_EQ(v, 19);  // the greatest v*
  space.AxisIndexes(space.BinOf(RgbToLuv(0, 0, 255)), l, u, v);
  EXPECT_EQ(v, 0);   // the smallest v*
  // A bin's centre falls in that bin.
  for (int bin = 0; bin < space.BinCount(); bin += 37) EXPECT_EQ(space.BinOf(space.BinCentre(bin)), bin);
}

TEST(EspaceCouleurTest, BlueIsToldFromAGreyOfTheSameLightness) {
  TEspaceCouleur space(20);
  // (18, 18, 18) has the lightness of pure blue.
  ASSERT_NEAR(RgbToLuv(18, 18, 18).L, RgbToLuv(0, 0, 255).L, 0.7);
  EXPECT_NE(space.BinOfRgb(0, 0, 255), space.BinOfRgb(18, 18, 18));
  EXPECT_NE(space.BinOfRgb(0, 0, 255), space.BinOfRgb(128, 128, 128));
}

TEST(EspaceCouleurTest, NoBinOfAnAxisHoldsMostColours) {
  // Binned from 0, 63 % of all colours fell into the first u bin.
  TEspaceCouleur space(20);
  std::vector<int> uCounts(20, 0), vCounts(20, 0);
  int total = 0;
  for (int r = 0; r < 256; r += 4)
    for (int g = 0; g < 256; g += 4)
      for (int b = 0; b < 256; b += 4) {
        int l = 0, u = 0, v = 0;
        space.AxisIndexes(space.BinOfRgb(uint8_t(r), uint8_t(g), uint8_t(b)), l, u, v);
        ++uCounts[size_t(u)];
        ++vCounts[size_t(v)];
        ++total;
      }
  EXPECT_LT(*std::max_element(uCounts.begin(), uCounts.end()), total / 4);
  EXPECT_LT(*std::max_element(vCounts.begin(), vCounts.end()), total / 4);
}

TEST(EspaceCouleurTest, TheLookupTableAgreesWithTheConversion) {
  TEspaceCouleur space(20);
  for (int k = 0; k < 2; ++k)  // the second pass reads the table
    for (int r = 3; r < 256; r += 31)
      for (int g = 7; g < 256; g += 29)
        for (int b = 1; b < 256; b += 23)
          ASSERT_EQ(space.BinOfRgb(uint8_t(r), uint8_t(g), uint8_t(b)), space.BinOf(RgbToLuv(r, g, b)));
  space.SetBins(10);
  EXPECT_EQ(space.BinCount(), 1000);
  EXPECT_EQ(space.BinOfRgb(255, 0, 0), space.BinOf(RgbToLuv(255, 0, 0)));
}

}  // namespace
}  // namespace kolibra::tracking
