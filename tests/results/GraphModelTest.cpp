// Model curves on a graph: chosen by a series property and fitted, adjusted with the
// modify-model tool and its panel, read with the model-parameters tool, fitted over a chosen
// range, and left alone by zooms.
#include "FakeGraphSurface.h"

#include "kit/MathUtils.h"
#include "modelling/MdlSinus.h"
#include "results/GModele.h"
#include "results/Graph.h"

#include <gtest/gtest.h>

#include <QImage>

#include <cmath>
#include <numbers>

namespace graph_model_test {

using namespace kolibra;
using namespace kolibra::results;
using namespace kolibra::modelling;
using kolibra::modelling::TMdl;
using results_test::TFakeGraphSurface;

constexpr double Pi = std::numbers::pi;

// A pendulum's x: 0.1 + 0.3 sin(2.5 t + 0.5), 80 samples over 4 s.
struct TSineGraph : ::testing::Test {
  TFakeGraphSurface Surface;
  TGraph Graph{&Surface};
  int Curve = -1;
  static double Truth(double t) { return 0.1 + 0.3 * std::sin(2.5 * t + 0.5); }
  TSineGraph() {
    Graph.SetSize(795, 465);  // plot 700 x 400 at (75, 20)
    TPointDDynArray samples;
    for (int i = 0; i < 80; ++i) samples.push_back(TPointD(i * 0.05, Truth(i * 0.05)));
    Curve = Graph.AddCurve(samples, 0, {});
    Graph.SetWorld(FitWorldRect(BoundsD(samples), false, false, false, false, 0.05), false);
    Graph.SetCurveProperty(Curve, ceModel, QStringLiteral("x"), cfData, 2);
    Graph.SetCurveProperty(Curve, ceModel, mtSine, cfData, 6);
  }
  TMdl &Model() { return *Graph.Modele(Curve)->Model(); }
  // The control pixel of the model's curve at world t.
  TPoint OnCurve(double t) {
    TPoint p;
    Graph.WorldToScreen(TPointD(t, ModelValue(mtSine, {Model().GetParam(0), Model().GetParam(1), Model().GetParam(2),
                                                       Model().GetParam(3)},
                                              t)),
                        p);
    return p;
  }
};

TEST_F(TSineGraph, TheModelKindFitsTheSeriesAndDrawsIt) {
  EXPECT_EQ(Graph.ModelCount(), 1);
  ASSERT_TRUE(Model().HasCurve());
  EXPECT_NEAR(Model().GetParam(1), 0.3, 1e-9);
  EXPECT_NEAR(Model().GetParam(2), 2.5, 1e-9);
  const QImage &picture = Graph.Picture();
  const QRgb teal = qRgb(0, 150, 150);
  int modelPixels = 0;
  for (int y = 0; y < picture.height(); ++y)
    for (int x = 0; x < picture.width(); ++x) modelPixels += picture.pixel(x, y) == teal;
  EXPECT_GT(modelPixels, 700);

  // Fewer samples than parameters + 1: the kind is kept, no curve is drawn.
  TGraph small;
  small.SetSize(795, 465);
  const int c = small.AddCurve({{0, 0}, {1, 1}, {2, 0}, {3, 1}}, 0, {});
  small.SetWorld(TRectD{0, 3, 0, 1}, false);
  small.SetCurveProperty(c, ceModel, mtSine, cfData, 6);
  EXPECT_FALSE(small.Modele(c)->Model()->HasCurve());
  const QImage &none = small.Picture();
  for (int y = 0; y < none.height(); ++y)
    for (int x = 0; x < none.width(); ++x) ASSERT_NE(none.pixel(x, y), teal);
}

// The curve is 2 px wide even with the smallest symbols (whose lines are 1 px), and its
// colour keeps away from the points': teal points get a magenta model.
TEST_F(TSineGraph, TheModelIsTwoPixelsWideInAColourApartFromThePoints) {
  Graph.SetSymbolSize(0);
  const auto columnCount = [&](QRgb colour, int x) {
    const QImage &picture = Graph.Picture();
    int count = 0;
    for (int y = 0; y < picture.height(); ++y) count += picture.pixel(x, y) == colour;
    return count;
  };
  // At the crest (2.5 t + 0.5 = pi / 2, t = 0.428) the curve is level: one column crosses
  // it over exactly the pen's width.
  const int crest = OnCurve((Pi / 2 - 0.5) / 2.5).X;
  EXPECT_EQ(columnCount(qRgb(0, 150, 150), crest), 2);
  Graph.SetCurveProperty(Curve, cePoints, QVariant(qlonglong(TColor::FromRgb(0, 140, 140).Value)),
                         cfData, 0);
  EXPECT_EQ(columnCount(qRgb(0, 150, 150), crest), 0);
  EXPECT_EQ(columnCount(qRgb(200, 0, 200), crest), 2);
  // The table of choices: far from the points by at least 150 in RGB.
  EXPECT_EQ(ModelColourFor(TColor::FromRgb(255, 0, 0)), TColor::FromRgb(0, 150, 150));
  EXPECT_EQ(ModelColourFor(TColor::FromRgb(0, 150, 150)), TColor::FromRgb(200, 0, 200));
  EXPECT_EQ(ModelColourFor(TColor::FromRgb(100, 75, 100)),
            TColor::FromRgb(200, 0, 200));  // 135 from teal
  EXPECT_EQ(ModelColourFor(TColor::FromRgb(110, 60, 160)), TColor::FromRgb(240, 120, 0));
}

TEST_F(TSineGraph, TheModifyToolDragsTheCrestAndThePanelNudgesValues) {
  Graph.SetShowModeleur(true, true);
  ASSERT_TRUE(Graph.SetTool(gtModifyModel));
  TGModele &element = *Graph.Modele(Curve);
  EXPECT_TRUE(element.Panel.Visible);
  // The crest at 2.5 t + 0.5 = pi / 2 + 2 pi.
  const double crest = (Pi / 2.0 + 2.0 * Pi - 0.5) / 2.5;
  const TPoint at = OnCurve(crest);
  const double amplitude = Model().GetParam(1);
  Graph.MouseMove(Qt::NoModifier, at);
  EXPECT_EQ(Surface.Cursor, -7);  // north-south arrows over a crest
  Graph.MouseDown(Qt::LeftButton, Qt::NoModifier, at);
  Graph.MouseMove(Qt::NoModifier, TPoint(at.X, at.Y + 20));
  Graph.MouseUp(Qt::LeftButton, Qt::NoModifier, TPoint(at.X, at.Y + 20));
  // 20 px down moves the crest 20 px and leaves the trough: the amplitude loses 10 px.
  const double pixelsPerUnit = Graph.PlotHeight() / (Graph.WorldRect().YMax - Graph.WorldRect().YMin);
  EXPECT_NEAR(Model().GetParam(1), amplitude - 10.0 / pixelsPerUnit, 1e-9);
  EXPECT_TRUE(Model().StdErrors().empty());  // no longer the fitted curve

  // The panel's "increase rapidly" button of b.
  const QRect panel = element.Panel.Bounds();
  QPoint button(-1, -1);
  for (int y = panel.top(); y <= panel.bottom() && button.x() < 0; ++y)
    for (int x = panel.left(); x <= panel.right(); ++x)
      if (element.Panel.ButtonAt(QPoint(x, y)) == 1 * 4 + modelling::mbIncreaseFast) {
        button = QPoint(x + 2, y + 2);
        break;
      }
  ASSERT_GE(button.x(), 0);
  const double before = Model().GetParam(1);
  Graph.MouseMove(Qt::NoModifier, TPoint(button.x(), button.y()));
  EXPECT_EQ(Surface.Hint, QStringLiteral("Increase value rapidly"));
  Graph.MouseDown(Qt::LeftButton, Qt::NoModifier, TPoint(button.x(), button.y()));
  Graph.MouseUp(Qt::LeftButton, Qt::NoModifier, TPoint(button.x(), button.y()));
  EXPECT_NEAR(Model().GetParam(1), before * 1.1, 1e-12);
}

// The linearly damped sine's panel lists the values of its equation of motion, which are not
// curve coefficients: they are shown read-only, without buttons.
TEST_F(TSineGraph, TheLinearlyDampedSinesPanelHasNoButtons) {
  Graph.SetCurveProperty(Curve, ceModel, mtSineLinDamped, cfData, 6);
  Graph.SetShowModeleur(true, false);
  ASSERT_TRUE(Graph.SetTool(gtModifyModel));
  TGModele &element = *Graph.Modele(Curve);
  ASSERT_TRUE(element.Panel.Visible);
  const QRect r = element.Panel.Bounds();
  for (int y = r.top(); y <= r.bottom(); ++y)
    for (int x = r.left(); x <= r.right(); ++x) ASSERT_EQ(element.Panel.ButtonAt(QPoint(x, y)), -1);
  EXPECT_EQ(element.Panel.Values(), Model().GetParams());
  const double c = Model().GetParam(2);
  Graph.MouseDown(Qt::LeftButton, Qt::NoModifier, TPoint(r.right() - 3, r.center().y()));
  Graph.MouseUp(Qt::LeftButton, Qt::NoModifier, TPoint(r.right() - 3, r.center().y()));
  EXPECT_EQ(Model().GetParam(2), c);
}

TEST_F(TSineGraph, TheParametersToolShowsTheModelOverTheCurve) {
  Graph.SetTool(gtModelParams);
  Graph.MouseMove(Qt::NoModifier, OnCurve(1.0));
  EXPECT_TRUE(Surface.HintVisible);
  EXPECT_TRUE(Surface.Hint.startsWith(QStringLiteral("Model: x = r + b.sin(c.t + d)\nr = "))) << Surface.Hint.toStdString();
  EXPECT_TRUE(Surface.Hint.contains(QStringLiteral("average quadratic variation")));
  EXPECT_EQ(Surface.Cursor, CursorDetection);
  Graph.MouseMove(Qt::NoModifier, TPoint(OnCurve(1.0).X, OnCurve(1.0).Y - 60));
  EXPECT_FALSE(Surface.HintVisible);
}

TEST_F(TSineGraph, AShiftDragChoosesTheSamplesToFit) {
  // The series changes after t = 2: a different sine the whole-range fit cannot follow.
  TPointDDynArray samples;
  for (int i = 0; i < 80; ++i) {
    const double t = i * 0.05;
    samples.push_back(TPointD(t, t < 2.0 ? Truth(t) : 0.8 * std::sin(6.0 * t)));
  }
  Graph.Clear();
  Curve = Graph.AddCurve(samples, 0, {});
  Graph.SetWorld(FitWorldRect(BoundsD(samples), false, false, false, false, 0.05), false);
  Graph.SetCurveProperty(Curve, ceModel, mtSine, cfData, 6);
  EXPECT_GT(std::fabs(Model().GetParam(2) - 2.5), 0.01);

  Graph.SetTool(gtModifyModel);
  TPoint from, to;
  Graph.WorldToScreen(TPointD(-0.01, 0.0), from);
  Graph.WorldToScreen(TPointD(1.98, 0.0), to);
  Graph.MouseDown(Qt::LeftButton, Qt::ShiftModifier, from);
  Graph.MouseMove(Qt::ShiftModifier, to);
  Graph.MouseUp(Qt::LeftButton, Qt::ShiftModifier, to);
  ASSERT_TRUE(Graph.Modele(Curve)->FitRange().has_value());
  EXPECT_NEAR(Model().GetParam(2), 2.5, 1e-6);
  EXPECT_NEAR(Model().GetParam(1), 0.3, 1e-6);
  // A Shift-click fits all the samples again.
  Graph.MouseDown(Qt::LeftButton, Qt::ShiftModifier, to);
  Graph.MouseUp(Qt::LeftButton, Qt::ShiftModifier, to);
  EXPECT_FALSE(Graph.Modele(Curve)->FitRange().has_value());
  EXPECT_GT(std::fabs(Model().GetParam(2) - 2.5), 0.01);
}

TEST_F(TSineGraph, ZoomingOutAndBackKeepsTheFit) {
  const TDoubleDynArray fitted = {Model().GetParam(0), Model().GetParam(1), Model().GetParam(2), Model().GetParam(3)};
  Graph.SetTool(gtZoom);
  const TPoint centre(400, 200);
  for (Qt::MouseButton button : {Qt::RightButton, Qt::RightButton, Qt::RightButton, Qt::LeftButton,
                                 Qt::LeftButton, Qt::LeftButton}) {
    Graph.MouseDown(button, Qt::NoModifier, centre);
    Graph.MouseUp(button, Qt::NoModifier, centre);
  }
  Graph.SetSize(300, 200);
  Graph.SetSize(795, 465);
  for (int i = 0; i < 4; ++i) EXPECT_EQ(Model().GetParam(i), fitted[size_t(i)]) << i;
}

}  // namespace graph_model_test
