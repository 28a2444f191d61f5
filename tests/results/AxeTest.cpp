// Axis graduations and labels, and the pixels an axis draws.
#include "kit/Locale.h"
#include "results/Axe.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

namespace axe_test {

using namespace kolibra;
using namespace kolibra::results;

TEST(AxisTicks, StepFirstLabelsAndTheZeroRule) {
  const ScopedDecimalSeparator point(QLatin1Char('.'));
  struct TCase {
    double Min, Max;
    double Step;
    QStringList Labels;
  };
  const TCase cases[] = {
      // r = 7 > 6: step 2; the label at 8 would lie past the end.
      {0.0, 7.0, 2.0, {"0.000", "2.000", "4.000", "6.000"}},
      // E = -1, r = 7: step 0.2, and the label at 0 is exactly 0.
      {-0.35, 0.35, 0.2, {"-0.200", "0.000", "0.200"}},
      {0.0, 50000.0, 10000.0, {"0.00E+0", "1.00E+4", "2.00E+4", "3.00E+4", "4.00E+4", "5.00E+4"}},
      {0.0, 100.0, 20.0, {"0.0", "20.0", "40.0", "60.0", "80.0", "100.0"}},
      {-2500.0, 2500.0, 1000.0, {"-2000", "-1000", "0", "1000", "2000"}},
      {0.0, 0.05, 0.01, {"0.00E+0", "1.00E-2", "2.00E-2", "3.00E-2", "4.00E-2", "5.00E-2"}},
  };
  for (const TCase &c : cases) {
    SCOPED_TRACE(std::to_string(c.Min) + " .. " + std::to_string(c.Max));
    const TAxisTicks ticks = AxisTicks(c.Min, c.Max);
    EXPECT_DOUBLE_EQ(ticks.Step, c.Step);
    EXPECT_EQ(ticks.Labels, c.Labels);
  }
  const TAxisTicks symmetric = AxisTicks(-0.35, 0.35);
  ASSERT_EQ(symmetric.Values.size(), 3u);
  EXPECT_EQ(symmetric.Values[1], 0.0);  // not -2.8e-17
}

// On a narrow range round a large value four significant digits repeat (2.498, 2.498,
// 2.499...): decimals are added until neighbours differ.
TEST(AxisTicks, NeighbouringLabelsNeverRepeat) {
  const ScopedDecimalSeparator comma(QLatin1Char(','));
  for (const auto &[min, max] : {std::pair{2.4984, 2.5016}, std::pair{1000.0001, 1000.0009}, std::pair{-7.00001, -6.99999}}) {
    const TAxisTicks ticks = AxisTicks(min, max);
    ASSERT_GE(ticks.Labels.size(), 2);
    for (int i = 1; i < ticks.Labels.size(); ++i)
      EXPECT_NE(ticks.Labels[i], ticks.Labels[i - 1]) << ticks.Labels.join(QLatin1Char(' ')).toStdString();
    EXPECT_TRUE(ticks.Labels[0].contains(QLatin1Char(','))) << ticks.Labels[0].toStdString();
  }
}

// A Y axis on 0..100 over a plot 200 px high at (75, 20): major ticks black at the rows of
// their values, minor ones grey, never past the axis range; dotted grid across the plot.
TEST(Axe, DrawsTicksAtTheirValuesAndNoMinorTickPastTheRange) {
  QImage image(400, 300, QImage::Format_RGB32);
  image.fill(Qt::white);
  TAxe axe(true);
  axe.FromLeft = 75;
  axe.FromTop = 20;
  axe.Band = QRect(0, 0, 75, 255);
  axe.Min = 0.0;
  axe.Max = 90.0;  // step 20: labels 0 ... 80, minor ticks every 4 up to 88
  axe.Color = TColor::FromRgb(240, 240, 240);
  {
    QPainter painter(&image);
    axe.Draw(painter, 300, 200);
  }
  EXPECT_EQ(axe.NbTicks, 5);
  const auto row = [](double v) { return int(std::lround((1.0 - v / 90.0) * 200.0 + 20.0)); };
  for (double v : {0.0, 20.0, 40.0, 60.0, 80.0}) EXPECT_EQ(image.pixel(72, row(v)), qRgb(0, 0, 0)) << v;
  EXPECT_EQ(image.pixel(73, row(24.0)), qRgb(128, 128, 128));
  // Nothing between the top of the range (row 20) and the band's top: the minor ticks of the
  // interval after 80 stop at 88.
  for (int y = 0; y < 19; ++y) EXPECT_NE(image.pixel(73, y), qRgb(128, 128, 128)) << y;
  // The dotted grid line of 40 crosses the plot.
  int grey = 0;
  for (int x = 76; x < 375; ++x) grey += image.pixel(x, row(40.0)) == qRgb(128, 128, 128);
  EXPECT_GT(grey, 90);  // one pixel in three
  EXPECT_LT(grey, 150);
}

}  // namespace axe_test
