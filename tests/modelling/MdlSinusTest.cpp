// The sines on a plot: steep flanks without gaps, the sectors of the period, the drags of
// amplitude, frequency and damping, the clamps after a fit, zooms that keep the fit, and the
// texts of the linearly damped sine.
#include "MdlTestSupport.h"

#include "modelling/MdlSinus.h"

#include <gtest/gtest.h>

#include <numbers>

namespace mdl_sinus_test {

using namespace mdl_test;

constexpr double Pi = std::numbers::pi;

// Sets the pixel parameters directly (as a drag leaves them) on a fitted model.
void SetPixels(TMdlSinusPure &model, double p0, double p1, double p2, double p3, double p4 = 0.0) {
  model.Pixel = {p0, p1, p2, p3, p4};
}


// A sine far taller than the plot at the highest frequency crosses the whole plot between
// two columns: every row of every flank inside the plot is still stroked.
TEST(SineModel, SteepFlanksHaveNoGaps) {
  TPlot plot;
  for (const double amplitude : {80.0, 2000.0}) {
    SCOPED_TRACE(amplitude);
    TMdlSinus model;
    PlaceModel(model, plot, Grid(0.0, 0.1, 101), {0.0, 3.0, 1.7, 0.4});
    SetPixels(model, 100.0, amplitude, 0.25, 0.3);
    const TPixels pixels = DrawnPixels(model);
    const auto f = [&](double x) { return 100.0 + amplitude * std::sin(0.25 * x + 0.3); };
    for (int x = 0; x <= plot.Width; ++x) {
      const double a = f(std::max(0.0, x - 0.5)), b = f(std::min(double(plot.Width), x + 0.5));
      const int lo = std::max(0, int(std::ceil(std::min(a, b)))), hi = std::min(plot.Height, int(std::floor(std::max(a, b))));
      for (int y = lo; y <= hi; ++y) {
        const TPoint p = plot.Control(x, y);
        ASSERT_LE(Distance(pixels, p), 1) << "column " << x << ", row " << y;
      }
    }
    // Consecutive stroked pixels are neighbours: the walk never jumps inside the plot.
    for (const auto &[x, y] : pixels) EXPECT_LE(OffCurve(plot, f, x, y), 1.0) << x << ", " << y;
  }
}

TEST(SineModel, SectorsOfThePeriodChooseTheDrag) {
  TPlot plot;
  TMdlSinus model;
  PlaceModel(model, plot, Grid(0.0, 0.1, 101), {0.0, 3.0, 1.7, 0.4});
  SetPixels(model, 100.0, 60.0, 2.0 * Pi / 100.0, 0.0);  // a period of 100 px, rising at x = 0
  struct TCase {
    double X;        // plot column on the curve
    int Sector;
    TModelDrag Drag;
    int Cursor;
  };
  const TCase cases[] = {
      {25.0 - 6.0, 1, mdAmplitude, -7},  // before the crest
      {25.0 + 6.0, 2, mdAmplitude, -7},  // after the crest
      {50.0 - 3.0, 3, mdFrequency, 8},   // before the falling crossing
      {50.0 + 3.0, 4, mdFrequency, 5},
      {75.0 + 6.0, 6, mdAmplitude, -7},  // after the trough
      {100.0 - 3.0, 7, mdFrequency, 6},  // before the rising crossing
      {100.0 + 3.0, 0, mdFrequency, 7},
  };
  for (const TCase &c : cases) {
    SCOPED_TRACE(c.X);
    const TPoint p = plot.Control(c.X, 100.0 + 60.0 * std::sin(2.0 * Pi * c.X / 100.0));
    const int sector = model.HitTest(p);
    EXPECT_EQ(sector, c.Sector);
    EXPECT_EQ(model.DragFor(sector), c.Drag);
    EXPECT_EQ(model.CursorFor(sector), c.Cursor);
  }
  EXPECT_EQ(model.DragFor(-1), mdTranslate);
  EXPECT_EQ(model.CursorFor(-1), -22);
}

TEST(SineModel, AmplitudeDragMovesTheHeldCrestOnly) {
  TPlot plot;
  TMdlSinus model;
  PlaceModel(model, plot, Grid(0.0, 0.1, 101), {0.0, 3.0, 1.7, 0.4});
  SetPixels(model, 100.0, 60.0, 2.0 * Pi / 100.0, 0.0);
  const TPoint crest = plot.Control(25.0, 160.0);
  ASSERT_TRUE(model.BeginDrag(crest, mdAmplitude));
  model.ChangeAmplitude(10);  // 10 px down
  EXPECT_NEAR(model.Pixel[0] + model.Pixel[1], 150.0, 1e-12);
  EXPECT_NEAR(model.Pixel[0] - model.Pixel[1], 40.0, 1e-12);

  const TPoint trough = plot.Control(75.0, model.Pixel[0] - model.Pixel[1]);
  ASSERT_TRUE(model.BeginDrag(trough, mdAmplitude));
  EXPECT_GT(model.GrabQuarter, 1);
  model.ChangeAmplitude(10);  // the trough follows the mouse down
  EXPECT_NEAR(model.Pixel[0] - model.Pixel[1], 30.0, 1e-12);
  EXPECT_NEAR(model.Pixel[0] + model.Pixel[1], 150.0, 1e-12);
}

TEST(SineModel, FrequencyDragKeepsTheCrestAndRespectsItsLimits) {
  TPlot plot;
  const auto start = [&](TMdlSinus &model) {
    PlaceModel(model, plot, Grid(0.0, 0.1, 101), {0.0, 3.0, 1.7, 0.4});
    SetPixels(model, 100.0, 60.0, 2.0 * Pi / 100.0, 0.0);
    // Next to the falling crossing (sector 3): the crest at x = 25 is the reference.
    return model.BeginDrag(plot.Control(45.0, 100.0 + 60.0 * std::sin(2.0 * Pi * 45.0 / 100.0)), mdFrequency);
  };
  TMdlSinus plain, slow;
  ASSERT_TRUE(start(plain));
  ASSERT_TRUE(start(slow));
  EXPECT_NEAR(plain.RefX, 25.0, 1e-9);
  plain.ChangeFrequency(dsNone, 1);
  slow.ChangeFrequency(dsAlt, 100);  // Alt: 100 times slower
  EXPECT_NEAR(plain.Pixel[2], slow.Pixel[2], 1e-12);
  EXPECT_LT(plain.Pixel[2], 2.0 * Pi / 100.0);  // the span grew: a lower frequency
  // The crest stayed at x = 25.
  EXPECT_NEAR(std::sin(plain.Pixel[2] * 25.0 + plain.Pixel[3]), 1.0, 1e-12);

  // Dragged through zero, the span gives the highest frequency, never more.
  plain.ChangeFrequency(dsNone, -25);
  EXPECT_LE(plain.Pixel[2], 0.25);
  plain.ChangeFrequency(dsNone, -1000);
  EXPECT_EQ(plain.Pixel[2], 0.25);
}

// A frequency drag needs the press within the curve's height: outside it (a flat sine hit 3
// px away) or with no amplitude at all there is nothing to follow, and no drag starts.
TEST(SineModel, AFrequencyDragPressedOutsideItsSpanDoesNotStart) {
  TPlot plot;
  TMdlSinus model;
  PlaceModel(model, plot, Grid(0.0, 0.1, 101), {0.0, 3.0, 1.7, 0.4});
  SetPixels(model, 100.0, 2.0, 2.0 * Pi / 100.0, 0.0);
  const TPoint beside = plot.Control(100.0, 100.0 + 3.0);  // 3 px above the rising crossing
  const int sector = model.HitTest(beside);
  ASSERT_TRUE(sector == 0 || sector == 7) << sector;
  const auto before = model.Pixel;
  EXPECT_FALSE(model.BeginDrag(beside, mdFrequency));
  model.ChangeFrequency(dsNone, 5);  // a stale span must not move anything
  EXPECT_EQ(model.Pixel, before);

  SetPixels(model, 100.0, 0.0, 2.0 * Pi / 100.0, 0.0);
  EXPECT_FALSE(model.BeginDrag(plot.Control(50.0, 100.0), mdFrequency));
}

TEST(DampedSineModels, DampingDragNeverGrowsNorDampsPastItsLimit) {
  TPlot plot;
  TMdlSinusAe model;
  PlaceModel(model, plot, Grid(0.0, 0.1, 101), {0.0, 4.0, 2.5, 1.0, -0.15});
  SetPixels(model, 100.0, 80.0, 2.0 * Pi / 100.0, 0.0, -0.002);
  const TPoint crest = plot.Control(125.0, 100.0 + 80.0 * std::exp(-0.002 * 125.0));
  const int sector = model.HitTest(crest);
  ASSERT_TRUE(sector == 1 || sector == 2);
  ASSERT_TRUE(model.BeginDrag(crest, mdDamping));
  EXPECT_NEAR(model.RefX, 125.0, 1e-9);
  model.ChangeDamping(dsNone, -30);  // up, away from the centre line: less damping
  EXPECT_LE(model.Pixel[4], 0.0);
  EXPECT_NEAR(model.Pixel[4], std::log((80.0 * std::exp(-0.25) + 30.0) / 80.0) / 125.0 < 0.0
                                  ? std::log((80.0 * std::exp(-0.25) + 30.0) / 80.0) / 125.0
                                  : 0.0,
              1e-12);
  model.ChangeDamping(dsNone, -500);  // would grow: stays at 0
  EXPECT_EQ(model.Pixel[4], 0.0);
  model.ChangeDamping(dsNone, 600);   // to the centre line and past: nothing below h = 0
  model.ChangeDamping(dsCtrl, 10);
  EXPECT_GE(model.Pixel[4], -0.9);
  EXPECT_LE(model.Pixel[4], 0.0);
}

TEST(DampedSineModels, LinearDampingFollowsTheEnvelopeAtTheHeldCrest) {
  TPlot plot;
  TMdlSinusAl model;
  PlaceModel(model, plot, Grid(0.0, 0.1, 101), {0.0, 4.0, 2.5, 1.0, -0.06});
  SetPixels(model, 100.0, 80.0, 2.0 * Pi / 100.0, 0.0, -0.001);
  const TPoint crest = plot.Control(125.0, 100.0 + 80.0 * (1.0 - 0.001 * 125.0));
  ASSERT_TRUE(model.BeginDrag(crest, mdDamping));
  const double envelope = model.EnvAtGrab - 100.0;
  model.ChangeDamping(dsNone, -5);  // 5 px up: the envelope at the crest grows by 5
  EXPECT_LT(model.Pixel[4], 0.0);
  EXPECT_NEAR(model.Pixel[4], ((envelope + 5.0) / 80.0 - 1.0) / 125.0, 1e-12);
  EXPECT_NEAR(80.0 * (1.0 + model.Pixel[4] * 125.0), envelope + 5.0, 1e-9);
  model.ChangeDamping(dsNone, -100);  // growing is refused: no damping at most
  EXPECT_EQ(model.Pixel[4], 0.0);
}

// Half a period of shift is kept only when it fits no worse: a flat series has no
// amplitude, so the shifted phase stays; a real sine keeps its own phase.
TEST(SineModel, ThePhaseIsShiftedByPiOnlyWhenThatFitsNoWorse) {
  TPlot plot;
  const TDoubleDynArray t = Grid(0.0, 0.1, 101);
  TMdlSinus flat;
  flat.SetPlotRect(plot.Left, plot.Top, plot.Width, plot.Height);
  flat.SetBounds(plot.Bounds);
  const TDoubleDynArray level(t.size(), 2.0);
  flat.SetData(t, level);
  const TModelFit fit = FitModelCurve(mtSine, t, level);
  EXPECT_NEAR(std::remainder(flat.GetParam(3) - fit.Params[3] - Pi, 2.0 * Pi), 0.0, 1e-12);

  TMdlSinus sine;
  PlaceModel(sine, plot, t, {0.5, 3.0, 1.7, 0.4});
  EXPECT_NEAR(std::remainder(sine.GetParam(3) - 0.4, 2.0 * Pi), 0.0, 1e-3);
}

// An oscillation 1.5 units below the origin on a narrow range: its offset must survive the
// clamp (the range -(D + YMin) ... D + YMin would be inverted here).
TEST(SineModel, TheOffsetClampHoldsFarBelowTheOrigin) {
  TPlot plot;
  plot.Height = 500;
  plot.Bounds = TRectD{0.0, 10.0, -1.51, -1.49};
  TMdlSinus model;
  PlaceModel(model, plot, Grid(0.0, 0.05, 201), {-1.5, 0.008, 1.7, 0.4});
  EXPECT_NEAR(model.GetParam(0), -1.5, 1e-4);
  EXPECT_NEAR(model.GetParam(1), 0.008, 1e-4);
}

// Zooming out until the pixel frequency passes its limit clamps the drawn copy only: the
// fitted frequency comes back unchanged.
TEST(SineModel, ZoomsAndResizesNeverChangeTheFittedParameters) {
  TPlot plot;
  TMdlSinus model;
  // Ten periods over 300 px: 0.21 rad per pixel, past 0.25 after one zoom-out.
  PlaceModel(model, plot, Grid(0.0, 0.02, 501), {0.0, 3.0, 2.0 * Pi, 0.4});
  const TDoubleDynArray fitted = {model.GetParam(0), model.GetParam(1), model.GetParam(2), model.GetParam(3)};
  const double shown = model.Pixel[2];
  for (double half : {10.0, 20.0, 40.0}) model.SetBounds(TRectD{5.0 - half, 5.0 + half, -5.0, 5.0});
  EXPECT_EQ(model.Pixel[2], 0.25);
  model.SetPlotRect(plot.Left, plot.Top, 20, plot.Height);
  model.SetPlotRect(plot.Left, plot.Top, plot.Width, plot.Height);
  model.SetBounds(plot.Bounds);
  for (int i = 0; i < 4; ++i) EXPECT_EQ(model.GetParam(i), fitted[size_t(i)]) << i;
  EXPECT_DOUBLE_EQ(model.Pixel[2], shown);
}

TEST(SineModel, TextsAndStatistics) {
  TPlot plot;
  TMdlSinus model;
  PlaceModel(model, plot, Grid(0.0, 0.1, 101), {0.5, 3.0, 1.7, 0.4});
  const QStringList texts = model.GetTexts(QStringLiteral("x"), QStringLiteral("time"));
  ASSERT_EQ(texts.size(), 5);
  EXPECT_EQ(texts[0], QStringLiteral("Model: x = r + b.sin(c.time + d)"));
  EXPECT_TRUE(texts[2].startsWith(QStringLiteral("b = 3")));
  const QStringList stats = model.GetStats();
  ASSERT_EQ(stats.size(), 3);
  EXPECT_EQ(stats[0], QStringLiteral("Margin of error on y-axis: "));
  EXPECT_TRUE(stats[1].startsWith(QStringLiteral("- relative precision = "))) << stats[1].toStdString();
  EXPECT_TRUE(stats[1].endsWith(QStringLiteral("%")));
}

// Statistics that cannot be computed (the data are all zero: no relative precision) read
// "#Number!", never "-100%".
TEST(ModelStatisticsTexts, AFailedStatisticReadsNumberError) {
  TPlot plot;
  TMdlSinus model;
  const TDoubleDynArray t = Grid(0.0, 0.1, 101);
  model.SetPlotRect(plot.Left, plot.Top, plot.Width, plot.Height);
  model.SetBounds(plot.Bounds);
  model.SetData(t, TDoubleDynArray(t.size(), 0.0));
  const QStringList stats = model.GetStats();
  EXPECT_EQ(stats[1], QStringLiteral("- relative precision = #Number!"));
  EXPECT_FALSE(stats.join(QString()).contains(QStringLiteral("-100")));
}

TEST(LinearlyDampedSine, ShowsItsEquationOfMotionReadOnly) {
  TPlot plot;
  TMdlSinusAl model;
  PlaceModel(model, plot, Grid(0.0, 0.1, 101), {0.0, 4.0, 2.5, 1.0, -0.06});
  const double r = model.GetParam(0), b = model.GetParam(1), c = model.GetParam(2), d = model.GetParam(3),
               k = model.GetParam(4);
  const TDoubleDynArray motion = model.GetParams();
  ASSERT_EQ(motion.size(), 5u);
  EXPECT_NEAR(motion[0], c * c, 1e-12);
  EXPECT_NEAR(motion[1], -b * c * k * Pi / 2.0, 1e-12);
  EXPECT_NEAR(motion[2], c * c * r, 1e-12);
  EXPECT_NEAR(motion[3], r + b * std::sin(d), 1e-12);
  EXPECT_NEAR(motion[4], b * (c * std::cos(d) + k * std::sin(d)), 1e-12);
  const QStringList texts = model.GetTexts(QStringLiteral("x"), QStringLiteral("t"));
  ASSERT_EQ(texts.size(), 6);
  EXPECT_EQ(texts[0], QStringLiteral("Model: x\" + r.x + b.Sign(x') = c"));
  EXPECT_TRUE(texts[4].startsWith(QStringLiteral("x(0) = ")));
  EXPECT_TRUE(texts[5].startsWith(QStringLiteral("x'(0) = ")));
  // Motion values are not curve coefficients: setting one changes nothing.
  EXPECT_FALSE(model.ParamsEditable());
  model.SetParamAt(0, 123.0);
  EXPECT_EQ(model.GetParam(0), r);
  EXPECT_EQ(model.GetParam(2), c);
}

}  // namespace mdl_sinus_test
