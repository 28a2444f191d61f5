// The zoom levels, the band rule and the geometry that follows a zoom, a pan or a scroll.

#include "videoview/ViewGeometry.h"
#include "videoview/Zoom.h"

#include <gtest/gtest.h>

#include <vector>

namespace kolibra::videoview {
namespace {

TEST(ZoomLevels, ClicksWalkThePresetLevelsBothWays) {
  std::vector<int> in{100};
  for (int i = 0; i < 7; ++i) in.push_back(ZoomClickFactor(in.back(), true, false));
  EXPECT_EQ(in, (std::vector<int>{100, 200, 300, 400, 500, 600, 800, 800}));
  std::vector<int> out{800};
  for (int i = 0; i < 7; ++i) out.push_back(ZoomClickFactor(out.back(), false, false));
  EXPECT_EQ(out, (std::vector<int>{800, 600, 500, 400, 300, 200, 100, 100}));
}

TEST(ZoomLevels, OddFactorsGoToTheNextPresetLevel) {
  struct Case {
    int factor;
    int in;
    int out;
  };
  const Case cases[] = {{110, 200, 100}, {250, 300, 200}, {290, 300, 200}, {350, 400, 300},
                        {590, 600, 500}, {650, 800, 600}, {700, 800, 600}, {210, 300, 200}};
  for (const Case &c : cases) {
    EXPECT_EQ(ZoomInLevel(c.factor), c.in) << c.factor;
    EXPECT_EQ(ZoomOutLevel(c.factor), c.out) << c.factor;
  }
}

TEST(ZoomLevels, CtrlClickStepsByTenWithinTheLimits) {
  EXPECT_EQ(ZoomClickFactor(100, true, true), 110);
  EXPECT_EQ(ZoomClickFactor(100, false, true), 100);
  EXPECT_EQ(ZoomClickFactor(800, true, true), 800);
  EXPECT_EQ(ZoomClickFactor(350, false, true), 340);
}

TEST(ZoomBand, FactorFromTheNarrowerRatioRoundedDownToTens) {
  // 500 x 400 at 100 %: a band of 100 x 50 gives min(5, 8) = 5.
  EXPECT_EQ(ZoomBandFactor(100, 500, 400, 100, 50), 500);
  // min(640 / 150, 480 / 100) = 4.266...: 427 -> 420.
  EXPECT_EQ(ZoomBandFactor(100, 640, 480, 150, 100), 420);
  EXPECT_EQ(ZoomBandFactor(300, 640, 480, 20, 20), 800);
  EXPECT_EQ(ZoomBandFactor(100, 640, 480, 640, 480), 100);
}

TEST(ZoomBand, ANineByTenBandIsAClick) {
  TZoom zoom;
  zoom.BandStart = TPoint(50, 50);
  zoom.BandEnd = TPoint(41, 60);
  EXPECT_EQ(zoom.Band(), QRect(41, 50, 9, 10));
  EXPECT_FALSE(IsZoomBand(zoom.Band()));
  zoom.BandEnd = TPoint(60, 60);
  EXPECT_TRUE(IsZoomBand(zoom.Band()));
}

class GeometryTest : public ::testing::Test {
 protected:
  GeometryTest() {
    geometry.SetFrameSize(640, 480);
    geometry.SetControlSize(640, 480);
    geometry.SetBarThickness(16, 16);
    geometry.Update(100);
  }
  TViewGeometry geometry;
};

TEST_F(GeometryTest, AtFullSizeTheWholeFrameFillsTheViewWithoutBars) {
  EXPECT_EQ(geometry.Source(), QRect(0, 0, 640, 480));
  EXPECT_DOUBLE_EQ(geometry.DisplayWidth(), 640.0);
  EXPECT_EQ(geometry.BitmapWidth(), 640);
  EXPECT_FALSE(geometry.BarsVisible());
}

TEST_F(GeometryTest, ZoomingInOnACornerKeepsTheSourceInsideTheFrame) {
  geometry.ZoomAt(0, 0, 100, 200);
  geometry.Update(200);
  EXPECT_EQ(geometry.Source(), QRect(0, 0, 320, 240));
  // Bars take their thickness from the back buffer; the display doubles it.
  EXPECT_EQ(geometry.BitmapWidth(), 624);
  EXPECT_EQ(geometry.BitmapHeight(), 464);
  EXPECT_DOUBLE_EQ(geometry.DisplayWidth(), 1248.0);
  EXPECT_TRUE(geometry.BarsVisible());
  EXPECT_EQ(geometry.Horizontal().ImageSize, 1248);
  EXPECT_EQ(geometry.Horizontal().Position, 0);
}

TEST_F(GeometryTest, ZoomingInOnTheCentreCentresTheSource) {
  geometry.ZoomAt(320, 240, 100, 200);
  // left += round(640 * (320 * 100 / 640 / 100 - 50 / 200)) = 160
  EXPECT_EQ(geometry.Source(), QRect(160, 120, 320, 240));
  geometry.Update(200);
  EXPECT_DOUBLE_EQ(geometry.ViewLeft(), 0.25);
  EXPECT_EQ(geometry.Horizontal().Position, 312);  // 160 / 640 * 1248
}

TEST_F(GeometryTest, PanMovesAgainstTheMouseAndStopsAtTheEdges) {
  geometry.ZoomAt(320, 240, 100, 200);
  geometry.Update(200);
  EXPECT_TRUE(geometry.PanBy(-64, 0));  // left -= round(-64 * 320 / 640)
  EXPECT_EQ(geometry.Source().left(), 192);
  EXPECT_TRUE(geometry.PanBy(-10000, -10000));
  EXPECT_EQ(geometry.Source().topLeft(), QPoint(320, 240));
  EXPECT_FALSE(geometry.PanBy(-5, -5));
}

TEST_F(GeometryTest, ScrollBarPositionsMapBackToTheSource) {
  geometry.ZoomAt(0, 0, 100, 400);
  geometry.Update(400);
  EXPECT_TRUE(geometry.ScrollHorizontal(1248));  // 640 * 1248 / 2496
  EXPECT_EQ(geometry.Source().left(), 320);
  EXPECT_FALSE(geometry.ScrollHorizontal(1248));
  EXPECT_TRUE(geometry.ScrollVertical(100000));
  EXPECT_EQ(geometry.Source().top(), 360);
}

TEST_F(GeometryTest, ScreenToFrameStaysOnTheFrameAndRoundTrips) {
  const measurement::TFrameMapping mapping = geometry.Mapping();
  const TPointD left = mapping.ScreenToFrame(TPoint(-20, 500));
  EXPECT_DOUBLE_EQ(left.X, 0.0);
  EXPECT_DOUBLE_EQ(left.Y, 1.0);
  geometry.ZoomAt(320, 240, 100, 300);
  geometry.Update(300);
  const measurement::TFrameMapping zoomed = geometry.Mapping();
  for (TPoint p : {TPoint(0, 0), TPoint(17, 33), TPoint(600, 400)})
    EXPECT_EQ(zoomed.FrameToScreen(zoomed.ScreenToFrame(p)), p);
}

// The zoom box tells the size on the screen: the fitted view enlarges a small frame before
// any zoom (480 pixels shown on 820 are 171 %), and the zoom multiplies that.
TEST(ZoomGeometry, TheScreenPercentIsTheFramesTrueEnlargement) {
  struct TCase {
    int FrameWidth, FrameHeight, ControlWidth, ControlHeight, Zoom, Expected;
  };
  const TCase cases[] = {
      // At 200 % the scroll bars take 16 pixels: 804 view pixels show 240 frame pixels.
      {480, 360, 820, 615, 100, 171}, {480, 360, 820, 615, 200, 335},
      {640, 480, 640, 480, 100, 100}, {1920, 1080, 960, 540, 100, 50},
  };
  for (const TCase &c : cases) {
    TViewGeometry geometry;
    geometry.SetFrameSize(c.FrameWidth, c.FrameHeight);
    geometry.SetControlSize(c.ControlWidth, c.ControlHeight);
    geometry.Update(c.Zoom);
    EXPECT_EQ(geometry.ScreenPercent(), c.Expected) << c.FrameWidth << " on " << c.ControlWidth << " at " << c.Zoom;
  }
  EXPECT_EQ(TViewGeometry().ScreenPercent(), 0);
}

}  // namespace
}  // namespace kolibra::videoview
