// The contrasting colour of outlines and the room of labels that keeps numbers from being
// written over each other.

#include "measurement/Legibility.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

namespace kolibra::measurement::legibility_test {

TEST(Legibility, TheContrastingColourIsBlackBehindLightColoursAndWhiteBehindDark) {
  const TColor black = TColor::FromRgb(0, 0, 0);
  const TColor white = TColor::FromRgb(255, 255, 255);
  const struct {
    TColor Colour;
    TColor Expected;
  } rows[] = {
      {TColor::FromRgb(255, 255, 128), black},  // the pale yellow of the axes and the scale
      {TColor::FromRgb(255, 255, 0), black},
      {TColor::FromRgb(0, 255, 0), black},      // brightness 149
      {TColor::FromRgb(255, 0, 0), white},      // brightness 76: the red mark on a red ball
      {TColor::FromRgb(0, 0, 255), white},
      {TColor::FromRgb(128, 128, 128), black},  // brightness 128, the first light one
      {TColor::FromRgb(127, 127, 127), white},
      {white, black},
      {black, white},
  };
  for (const auto &row : rows)
    EXPECT_EQ(ContrastColor(row.Colour), row.Expected) << std::hex << row.Colour.Value;
}

TEST(Legibility, ALabelOverlappingOneClaimedBeforeIsRefused) {
  TLabelRoom room(QRect(0, 0, 200, 100));
  ASSERT_TRUE(room.Reserve(QRect(40, 40, 20, 16)));  // x 40..59, y 40..55
  const struct {
    const char *What;
    QRect Box;
    bool Free;
  } rows[] = {
      {"the same place", QRect(40, 40, 20, 16), false},
      {"half a label to the right", QRect(50, 40, 20, 16), false},
      {"a few pixels lower", QRect(42, 46, 20, 16), false},
      {"inside it", QRect(44, 44, 8, 8), false},
      {"touching on the right", QRect(60, 40, 20, 16), true},
      {"touching below", QRect(40, 56, 20, 16), true},
      {"far away", QRect(150, 10, 20, 16), true},
      {"outside the area", QRect(300, 300, 20, 16), true},
  };
  for (const auto &row : rows) {
    TLabelRoom copy = room;
    EXPECT_EQ(copy.Reserve(row.Box), row.Free) << row.What;
  }
  // A refused label claims nothing: the room it would have taken stays free.
  EXPECT_FALSE(room.Reserve(QRect(50, 40, 40, 16)));
  EXPECT_TRUE(room.Reserve(QRect(60, 40, 30, 16)));
}

TEST(Legibility, OutlinedTextIsRingedInTheOutlineColour) {
  QImage image(60, 30, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  QFont font = painter.font();
  font.setPixelSize(20);
  font.setStyleStrategy(QFont::NoAntialias);  // exact colours at the stroke's edges
  painter.setFont(font);
  DrawOutlinedText(&painter, 10, 2, QStringLiteral("l"), TColor::FromRgb(255, 255, 0), TColor::FromRgb(0, 0, 0));
  painter.end();
  // The "l" is one vertical stroke: on a row through it, yellow with black on both sides.
  const int row = 12;
  int firstYellow = -1, lastYellow = -1;
  for (int x = 0; x < image.width(); ++x) {
    if (image.pixel(x, row) != qRgb(255, 255, 0)) continue;
    if (firstYellow < 0) firstYellow = x;
    lastYellow = x;
  }
  ASSERT_GE(firstYellow, 1);
  EXPECT_EQ(image.pixel(firstYellow - 1, row), qRgb(0, 0, 0));
  EXPECT_EQ(image.pixel(lastYellow + 1, row), qRgb(0, 0, 0));
}

}  // namespace kolibra::measurement::legibility_test
