// The model curves of every family on a plot: conversions to plot pixels, the pixels they
// stroke against the equations that made the data, the 7 x 7 hit square, and the drags of
// the line, the exponential and the parabola.
#include "MdlTestSupport.h"

#include "modelling/MdlExponentiel.h"
#include "modelling/MdlLineaire.h"
#include "modelling/MdlParabole.h"
#include "modelling/MdlSinus.h"

#include <gtest/gtest.h>

#include <memory>
#include <numbers>
#include <string>

namespace mdl_family_test {

using namespace mdl_test;

struct TFamily {
  std::string Name;
  std::function<std::unique_ptr<TMdl>()> Make;
  TDoubleDynArray Truth;  // in the letters' order
};

// A phase that makes the damped oscillation average to 0 over the samples, so the offset
// the optimiser holds (their mean) is the true one.
double PhaseWithZeroMean(int type, double w, double k, const TDoubleDynArray &t) {
  double a = 0.0, c = 0.0;
  for (double x : t) {
    const double envelope = type == mtSineExpDamped ? std::exp(k * x) : 1.0 + k * x;
    a += envelope * std::sin(w * x);
    c += envelope * std::cos(w * x);
  }
  return std::atan2(-a, c);
}

const TDoubleDynArray Samples = Grid(0.0, 0.1, 101);

std::vector<TFamily> Families() {
  return {
      {"Constant", [] { return std::make_unique<TMdlConstant>(); }, {1.25}},
      {"Proportional", [] { return std::make_unique<TMdlProportionnel>(); }, {0.4}},
      {"Affine", [] { return std::make_unique<TMdlAffine>(); }, {-3.0, 0.9}},
      {"Parabola", [] { return std::make_unique<TMdlParaboleAv>(); }, {-4.0, 2.2, -0.2}},
      {"Exponential", [] { return std::make_unique<TMdlExponentiel>(); }, {-2.0, 6.0, -0.4}},
      {"Sine", [] { return std::make_unique<TMdlSinus>(); }, {0.5, 3.0, 1.7, 0.4}},
      {"SineExpDamped",
       [] { return std::make_unique<TMdlSinusAe>(); },
       {0.0, 4.0, 2.5, PhaseWithZeroMean(mtSineExpDamped, 2.5, -0.15, Samples), -0.15}},
      {"SineLinDamped",
       [] { return std::make_unique<TMdlSinusAl>(); },
       {0.0, 4.0, 2.5, PhaseWithZeroMean(mtSineLinDamped, 2.5, -0.06, Samples), -0.06}},
  };
}


// Each family fitted to exact data strokes pixels on its equation, in every column where the
// curve is inside the plot, and a point is on it 3 pixels off a stroked pixel, not 4.
TEST(ModelCurves, EveryFamilyStrokesItsEquationAndHitsWithinThreePixels) {
  const TPlot plot;
  const TDoubleDynArray &t = Samples;
  for (const TFamily &family : Families()) {
    SCOPED_TRACE(family.Name);
    const auto model = family.Make();
    PlaceModel(*model, plot, t, family.Truth);
    ASSERT_TRUE(model->HasCurve());
    const auto f = [&](double x) {
      return plot.PixelY(ModelValue(model->Type(), family.Truth, plot.Bounds.XMin + x / plot.Kx()));
    };
    const TPixels pixels = DrawnPixels(*model);
    ASSERT_FALSE(pixels.empty());
    std::set<int> columns;
    for (const auto &[x, y] : pixels) {
      EXPECT_LE(OffCurve(plot, f, x, y), 1.0) << "pixel " << x << ", " << y;
      columns.insert(x);
    }
    for (int x = 0; x <= plot.Width; ++x)
      if (f(x) > 1.0 && f(x) < plot.Height - 1.0) {
        EXPECT_TRUE(columns.count(plot.Left + x)) << "column " << x;
      }

    TPoint near, far;
    ASSERT_TRUE(PointAtDistance(pixels, 3, near));
    ASSERT_TRUE(PointAtDistance(pixels, 4, far));
    EXPECT_GE(model->HitTest(near), 0) << near.X << ", " << near.Y;
    EXPECT_EQ(model->HitTest(far), -1) << far.X << ", " << far.Y;

    // The vector picture follows the same equation, inside the plot.
    QPicture picture;
    {
      QPainter painter(&picture);
      model->Draw(&painter, 1, true);
    }
    EXPECT_GT(picture.size(), 0u);
  }
}

TEST(ModelCurves, DrawNothingWithoutEnoughSamples) {
  const TPlot plot;
  for (const TFamily &family : Families()) {
    SCOPED_TRACE(family.Name);
    const auto model = family.Make();
    const int needed = ParameterCount(model->Type()) + 1;
    PlaceModel(*model, plot, Grid(0.0, 1.0, needed - 1), family.Truth);
    EXPECT_FALSE(model->HasCurve());
    EXPECT_TRUE(DrawnPixels(*model).empty());
    EXPECT_EQ(model->HitTest(TPoint(190, 130)), -1);
  }
}

// ---------------------------------------------------------------------------------------------
// The linear family
// ---------------------------------------------------------------------------------------------

TEST(LinearModels, ConvertBetweenDataAndPlotPixels) {
  TPlot plot;
  plot.Width = 200;
  plot.Height = 100;
  plot.Bounds = TRectD{-2.0, 8.0, 1.0, 11.0};  // kx = 20, ky = 10
  TMdlAffine line;
  PlaceModel(line, plot, Grid(0.0, 1.0, 5), {2.0, 0.5});
  // p1 = b ky / kx, p0 = ky (r - YMin + b XMin).
  EXPECT_NEAR(line.Pixel[1], 0.25, 1e-12);
  EXPECT_NEAR(line.Pixel[0], 10.0 * (2.0 - 1.0 + 0.5 * -2.0), 1e-12);
  // A translate of 10 px down and back up keeps the data parameters.
  line.Translate(0, 10);
  EXPECT_NEAR(line.GetParam(0), 1.0, 1e-12);
  line.Translate(0, -10);
  EXPECT_NEAR(line.GetParam(0), 2.0, 1e-12);
  EXPECT_NEAR(line.GetParam(1), 0.5, 1e-12);
}

TEST(LinearModels, AHorizontalLineTurnsAboutTheEndNotHeld) {
  TPlot plot;
  TMdlAffine line;
  PlaceModel(line, plot, Grid(0.0, 1.0, 5), {0.0, 0.0});  // y = 0: row 100 of the plot
  const int row = plot.Top + plot.Height - 100;
  ASSERT_GE(line.HitTest(TPoint(plot.Left, row)), 0);
  ASSERT_EQ(line.EndCount, 2);
  EXPECT_EQ(line.HitTest(TPoint(plot.Left + 30, row)), 0);   // nearer the left end in x
  EXPECT_EQ(line.HitTest(TPoint(plot.Left + 200, row)), 1);
  EXPECT_EQ(line.DragFor(0), mdReshape);
  EXPECT_EQ(line.DragFor(-1), mdTranslate);
  EXPECT_EQ(line.CursorFor(0), 44);
  EXPECT_EQ(line.CursorFor(-1), -22);

  ASSERT_TRUE(line.BeginDrag(TPoint(plot.Left + 30, row), mdReshape));
  line.Reshape(TPoint(plot.Left + 100, row - 50));  // 50 px higher, 200 px from the right end
  EXPECT_NEAR(line.Pixel[1], 50.0 / -200.0, 1e-12);
  EXPECT_NEAR(line.Pixel[0] + line.Pixel[1] * 300.0, 100.0, 1e-9);  // the right end stayed
  EXPECT_TRUE(line.PixelChanged);
  EXPECT_TRUE(line.StdErrors().empty());  // no longer the fit
}

TEST(LinearModels, TheProportionalLineTurnsAboutTheOrigin) {
  TPlot plot;  // the data origin (0, 0) is at plot pixel (0, 100)
  TMdlProportionnel line;
  PlaceModel(line, plot, Grid(1.0, 1.0, 5), {0.5});
  EXPECT_EQ(line.DragFor(-1), mdNone);  // a press beside it starts nothing
  EXPECT_EQ(line.CursorFor(-1), 0);
  const TPixels pixels = DrawnPixels(line);
  const auto [x, y] = *std::next(pixels.begin(), int(pixels.size()) / 2);
  ASSERT_TRUE(line.BeginDrag(TPoint(x, y), mdReshape));
  const auto before = line.Pixel;
  line.Reshape(TPoint(plot.Left, plot.Top));  // straight above the origin
  EXPECT_EQ(line.Pixel, before);
  line.Reshape(TPoint(plot.Left + 150, plot.Top + plot.Height - 100 - 75));
  EXPECT_NEAR(line.Pixel[1], 0.5, 1e-12);
  EXPECT_NEAR(line.GetParam(0), 0.0, 1e-12);  // the intercept stays 0
  EXPECT_NEAR(line.GetParam(1), 0.5 * plot.Kx() / plot.Ky(), 1e-12);
}

TEST(LinearModels, TheConstantOnlyMovesUpAndDown) {
  TPlot plot;
  TMdlConstant constant;
  PlaceModel(constant, plot, Grid(0.0, 1.0, 5), {1.0});
  EXPECT_EQ(constant.DragFor(0), mdTranslate);
  EXPECT_EQ(constant.DragFor(-1), mdTranslate);
  EXPECT_EQ(constant.CursorFor(0), -7);
  constant.Translate(13, 10);  // 10 px down = 0.5 data units
  EXPECT_NEAR(constant.GetParam(0), 0.5, 1e-12);
  EXPECT_NEAR(constant.GetParam(1), 0.0, 0.0);
  EXPECT_EQ(constant.GetParams(), TDoubleDynArray{0.5});
}

// ---------------------------------------------------------------------------------------------
// The exponential
// ---------------------------------------------------------------------------------------------

TEST(ExponentialModel, TheGrabbedPointFollowsTheMouse) {
  TPlot plot;
  TMdlExponentiel model;
  PlaceModel(model, plot, Grid(0.0, 0.25, 41), {-2.0, 6.0, -0.4});
  const double p0 = model.Pixel[0];
  const auto curve = [&](double x) { return model.Pixel[0] + model.Pixel[1] * std::exp(model.Pixel[2] * x); };
  const int gx = 60;
  const TPoint grab = plot.Control(gx, curve(gx));
  ASSERT_GE(model.HitTest(grab), 0);
  ASSERT_TRUE(model.BeginDrag(grab, mdReshape));
  const TPoint target(plot.Left + 90, grab.Y - 20);
  model.Reshape(target);
  EXPECT_NEAR(curve(90), plot.Top + plot.Height - target.Y, 1.0);
  EXPECT_EQ(model.Pixel[0], p0);

  // At or left of the plot's left edge nothing happens.
  const auto before = model.Pixel;
  model.Reshape(TPoint(plot.Left, grab.Y));
  model.Reshape(TPoint(plot.Left - 5, grab.Y));
  EXPECT_EQ(model.Pixel, before);
}

// A grab on the left edge would set the rate to 0 for good (G.x / P.x = 0): refused.
TEST(ExponentialModel, AGrabOnTheLeftEdgeStartsNoReshape) {
  TPlot plot;
  TMdlExponentiel model;
  PlaceModel(model, plot, Grid(0.0, 0.25, 41), {-2.0, 6.0, -0.4});
  const TPoint onEdge = plot.Control(0, model.Pixel[0] + model.Pixel[1]);
  ASSERT_GE(model.HitTest(onEdge), 0);
  EXPECT_FALSE(model.BeginDrag(onEdge, mdReshape));
  EXPECT_FALSE(model.BeginDrag(TPoint(onEdge.X - 2, onEdge.Y), mdReshape));
  EXPECT_NE(model.Pixel[2], 0.0);
}

TEST(ExponentialModel, TranslateMovesTheWholeCurve) {
  TPlot plot;
  TMdlExponentiel model;
  PlaceModel(model, plot, Grid(0.0, 0.25, 41), {-2.0, 6.0, -0.4});
  const auto old = model.Pixel;
  const auto value = [](const std::array<double, 5> &p, double x) { return p[0] + p[1] * std::exp(p[2] * x); };
  model.Translate(15, 8);  // 15 right, 8 down
  for (double x : {20.0, 100.0, 250.0}) EXPECT_NEAR(value(model.Pixel, x), value(old, x - 15.0) - 8.0, 1e-9);
}

// An exponential 1.5 units below the origin on a narrow range: the offset's range in data
// units is [YMin - D, YMin + D]; the range written as -(D + YMin) ... D + YMin inverts here.
TEST(ExponentialModel, TheOffsetClampHoldsFarBelowTheOrigin) {
  TPlot plot;
  plot.Height = 500;
  plot.Bounds = TRectD{0.0, 10.0, -1.51, -1.49};  // D = 0.02 / 500 x 10000 = 0.4 < 1.51
  TMdlExponentiel model;
  PlaceModel(model, plot, Grid(0.0, 0.25, 41), {-1.5, 0.008, -0.3});
  EXPECT_NEAR(model.GetParam(0), -1.5, 1e-6);
  EXPECT_NEAR(model.GetParam(1), 0.008, 1e-6);
}

// ---------------------------------------------------------------------------------------------
// The parabola
// ---------------------------------------------------------------------------------------------

TEST(ParabolaModel, ReshapeKeepsTheVertexAndPassesThroughTheMouse) {
  TPlot plot;
  TMdlParaboleAv model;
  PlaceModel(model, plot, Grid(0.0, 0.25, 41), {-4.0, 2.2, -0.2});
  ASSERT_EQ(model.StartCount, 0);  // start points are found by a walk
  const TPixels pixels = DrawnPixels(model);
  ASSERT_EQ(model.StartCount, 1);  // the vertex is inside the plot
  const TPoint vertex = model.StartPoints[0].Pixel;
  const auto [x, y] = *pixels.begin();
  const int hit = model.HitTest(TPoint(x, y));
  EXPECT_GE(hit, 1);
  EXPECT_LE(hit, 8);
  EXPECT_EQ(model.DragFor(hit), mdReshape);
  EXPECT_EQ(model.CursorFor(hit), -9);

  model.Reshape(plot.Control(vertex.X + 50, vertex.Y - 40));
  const auto value = [&](double px) { return (model.Pixel[0] * px + model.Pixel[1]) * px + model.Pixel[2]; };
  EXPECT_NEAR(value(vertex.X + 50), vertex.Y - 40, 1e-9);
  EXPECT_NEAR(value(vertex.X), vertex.Y, 1e-9);
  EXPECT_NEAR(-model.Pixel[1] / (2.0 * model.Pixel[0]), vertex.X, 1e-9);

  // Level with the vertex, or straight above it: nothing.
  const auto before = model.Pixel;
  model.Reshape(plot.Control(vertex.X + 30, vertex.Y));
  model.Reshape(plot.Control(vertex.X, vertex.Y - 30));
  EXPECT_EQ(model.Pixel, before);
}

TEST(ParabolaModel, TranslateMovesTheCurveAndADownwardParabolaBelowThePlotDrawsNothing) {
  TPlot plot;
  TMdlParaboleAv model;
  PlaceModel(model, plot, Grid(0.0, 0.25, 41), {-4.0, 2.2, -0.2});
  const auto old = model.Pixel;
  const auto value = [](const std::array<double, 5> &p, double x) { return (p[0] * x + p[1]) * x + p[2]; };
  model.Translate(-20, 12);
  for (double x : {0.0, 130.0, 300.0}) EXPECT_NEAR(value(model.Pixel, x), value(old, x + 20.0) - 12.0, 1e-9);

  // Opening downwards with its vertex under the plot: wholly below.
  TMdlParaboleAv below;
  PlaceModel(below, plot, Grid(0.0, 0.25, 41), {-8.0, 1.0, -0.2});
  EXPECT_TRUE(DrawnPixels(below).empty());
  EXPECT_EQ(below.HitTest(TPoint(plot.Left + 150, plot.Top + plot.Height)), -1);
}

}  // namespace mdl_family_test
