#include "kit/Color.h"

#include <QPalette>
#include <gtest/gtest.h>

using namespace kolibra;

TEST(Color, KeepsTheBlueGreenRedEncoding) {
  const TColor orange = TColor::FromRgb(255, 128, 0);
  EXPECT_EQ(orange.Value, 0x000080FFu);
  EXPECT_EQ(TColor::FromRgbHex(0xFF8000), orange);
  EXPECT_EQ(orange.Red(), 255);
  EXPECT_EQ(orange.Green(), 128);
  EXPECT_EQ(orange.Blue(), 0);
  EXPECT_EQ(orange.ToQColor(), QColor(255, 128, 0));
  EXPECT_EQ(colors::clRed.ToQColor(), QColor(Qt::red));
  EXPECT_EQ(colors::clBlue.ToQColor(), QColor(Qt::blue));
  EXPECT_EQ(TColor::FromQColor(QColor(1, 2, 3)).Value, 0x030201u);
  EXPECT_FALSE(orange.IsSystem());
}

TEST(Color, SystemColoursFollowThePalette) {
  QPalette palette;
  palette.setColor(QPalette::Active, QPalette::Button, QColor(10, 20, 30));
  palette.setColor(QPalette::Active, QPalette::Dark, QColor(40, 50, 60));
  palette.setColor(QPalette::Active, QPalette::Highlight, QColor(70, 80, 90));
  EXPECT_TRUE(colors::clBtnFace.IsSystem());
  EXPECT_EQ(colors::clBtnFace.Value, 0xFF00000Fu);
  EXPECT_EQ(colors::clBtnFace.ToQColor(palette), QColor(10, 20, 30));
  EXPECT_EQ(colors::clBtnShadow.ToQColor(palette), QColor(40, 50, 60));
  EXPECT_EQ(colors::clHighlight.ToQColor(palette), QColor(70, 80, 90));
  // A plain colour ignores the palette.
  EXPECT_EQ(colors::clWhite.ToQColor(palette), QColor(255, 255, 255));
}
