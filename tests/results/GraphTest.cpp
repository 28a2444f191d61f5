// The graph control's logic: world and pixels, fitting the world to data, series and their
// elements, zoom, pan, tools, keys.
#include "FakeGraphSurface.h"

#include "results/GConstructs.h"
#include "kit/MathUtils.h"
#include "results/Graph.h"

#include <gtest/gtest.h>

#include <cmath>

namespace graph_test {

using namespace kolibra;
using namespace kolibra::results;
using namespace kolibra::modelling;
using results_test::TFakeGraphSurface;

// A 595 x 365 control: the plot is 500 x 300 at (75, 20).
struct TGraphFixture : ::testing::Test {
  TFakeGraphSurface Surface;
  TGraph Graph{&Surface};
  TGraphFixture() {
    Graph.SetSize(595, 365);
    Graph.SetWorld(TRectD{0.0, 10.0, 0.0, 30.0}, false);
  }
  int AddSeries(int samples, int edge, std::vector<TVectorSeries> vectors = {}) {
    TPointDDynArray points;
    TIntegerDynArray numbers;
    for (int i = 0; i < samples; ++i) {
      points.push_back(TPointD(1.0 + i, 2.0 + 3.0 * i));
      numbers.push_back(10 + i);
    }
    return Graph.AddCurve(points, edge, numbers, vectors);
  }
};

TEST_F(TGraphFixture, MapsWorldAndPixelsBothWays) {
  EXPECT_EQ(Graph.PlotWidth(), 500);
  EXPECT_EQ(Graph.PlotHeight(), 300);
  TPoint pixel;
  ASSERT_TRUE(Graph.WorldToScreen(TPointD(2.0, 6.0), pixel));
  EXPECT_EQ(pixel, TPoint(175, 260));  // (500 x 0.2 + 75, 0.8 x 300 + 20)
  const TPointD back = Graph.ScreenToWorld(175, 260);
  EXPECT_NEAR(back.X, 2.0, 1e-12);
  EXPECT_NEAR(back.Y, 6.0, 1e-12);

  // Elements map the same way, and keep their pixels when a range is empty.
  AddSeries(3, 0);
  const auto *point = static_cast<const TGPoint *>(Graph.Elements()[0].get());
  EXPECT_EQ(point->Pixel, TPoint(125, 300));  // (1, 2): (500 x 0.1 + 75, (1 - 2 / 30) x 300 + 20)
  Graph.SetWorld(TRectD{5.0, 5.0, 0.0, 30.0}, false);
  EXPECT_EQ(point->Pixel, TPoint(125, 300));
  EXPECT_FALSE(Graph.WorldToScreen(TPointD(2.0, 6.0), pixel));
}

TEST(FitWorldRect, WidensEmptyRangesAndAddsTheMargin) {
  const TRectD flat = FitWorldRect(TRectD{0.0, 10.0, 3.0, 3.0}, false, false, false, false, 0.05);
  EXPECT_NEAR(flat.YMin, 2.85 - 0.015, 1e-12);
  EXPECT_NEAR(flat.YMax, 3.15 + 0.015, 1e-12);
  EXPECT_NEAR(flat.XMin, -0.5, 1e-12);
  EXPECT_NEAR(flat.XMax, 10.5, 1e-12);
  const TRectD origin = FitWorldRect(TRectD{2.0, 4.0, -6.0, -2.0}, true, true, false, false, 0.0);
  EXPECT_EQ(origin.XMin, 0.0);
  EXPECT_EQ(origin.YMax, 0.0);
  EXPECT_EQ(FitWorldRect(TRectD{2.0, 4.0, -6.0, -2.0}, false, false, true, false, 0.1).YMin, 0.0);
  const TRectD zeros = FitWorldRect(TRectD{0.0, 0.0, 0.0, 0.0}, false, false, false, false, 0.05);
  EXPECT_LT(zeros.XMin, 0.0);
  EXPECT_GT(zeros.XMax, 0.0);
  const TRectD failed = FitWorldRect(TRectD{std::nan(""), 1.0, 0.0, 1.0}, false, false, false, false, 0.05);
  EXPECT_EQ(failed.XMax, 100.0);
  EXPECT_EQ(failed.YMax, 100.0);
}

TEST_F(TGraphFixture, KeepAspectKeepsCirclesRoundThroughResizes) {
  Graph.SetWorld(TRectD{0.0, 10.0, 0.0, 10.0}, true);
  const auto unitsPerPixel = [&] {
    const TRectD &w = Graph.WorldRect();
    return std::pair{(w.XMax - w.XMin) / Graph.PlotWidth(), (w.YMax - w.YMin) / Graph.PlotHeight()};
  };
  auto [ux, uy] = unitsPerPixel();
  EXPECT_NEAR(ux, uy, 1e-12);
  EXPECT_NEAR(uy, 10.0 / 300.0, 1e-12);  // everything asked for stays in view
  Graph.SetSize(895, 565);
  std::tie(ux, uy) = unitsPerPixel();
  EXPECT_NEAR(ux, uy, 1e-12);
  EXPECT_NEAR(uy, 10.0 / 300.0, 1e-12);  // the same scale: the picture does not stretch
  // Without it the world stays and the picture stretches.
  Graph.SetWorld(TRectD{0.0, 10.0, 0.0, 10.0}, false);
  Graph.SetSize(595, 365);
  EXPECT_EQ(Graph.WorldRect().XMax, 10.0);
}

TEST_F(TGraphFixture, BuildsASeriesInDrawingOrderWithItsEdgesMasked) {
  std::vector<TVectorSeries> vectors(1);
  vectors[0].Unit = QStringLiteral("m/s");
  vectors[0].Key = 0;
  vectors[0].EdgeCount = 1;
  vectors[0].Components = {{1, 0}, {0, 1}, {1, 1}, {2, 0}, {0, 2}};
  const int c = AddSeries(5, 1, vectors);
  EXPECT_EQ(c, 0);
  const auto &elements = Graph.Elements();
  ASSERT_EQ(elements.size(), 5u + 4u + 1u + 5u + 1u);
  const std::vector<int> types = {6, 6, 6, 6, 6, 7, 7, 7, 7, 8, 9, 9, 9, 9, 9, 5};
  for (size_t i = 0; i < elements.size(); ++i) EXPECT_EQ(elements[i]->ObjectType, types[i]) << i;
  const std::vector<bool> masked = {true, false, false, false, true, true, false, false, true, false,
                                    true, false, false, false, true, false};
  for (size_t i = 0; i < elements.size(); ++i) EXPECT_EQ(elements[i]->Masked, masked[i]) << i;
  EXPECT_EQ(static_cast<const TGPoint *>(elements[2].get())->Number, 12);
  // The model holds the samples without the edges.
  TGModele *model = Graph.Modele(c);
  ASSERT_NE(model, nullptr);
  EXPECT_EQ(model->X, (TDoubleDynArray{2.0, 3.0, 4.0}));
  EXPECT_EQ(model->Kind, 9);
  // Vectors show once their kind is chosen; masked ones never.
  EXPECT_FALSE(elements[11]->Visible);
  Graph.SelectVectorParam(0);
  EXPECT_TRUE(elements[11]->Visible);
  EXPECT_FALSE(elements[10]->Visible);
  EXPECT_FALSE(elements[10]->HitTest(static_cast<const TGPolyPoint *>(elements[10].get())->PointPixel(0)));
}

TEST_F(TGraphFixture, PropertiesAndVisibilityOfASeries) {
  const int c = AddSeries(4, 0);
  TCourbe *series = Graph.Curve(c);
  const TColor blue = TColor::FromRgb(0, 0, 255);
  EXPECT_TRUE(Graph.SetCurveProperty(c, cePoints, QVariant(qlonglong(blue.Value)), cfData, 0));
  EXPECT_EQ(series->Points[0]->Color, blue);
  EXPECT_TRUE(Graph.SetCurveProperty(c, cePoints, 14, cfData, 6));
  EXPECT_EQ(static_cast<TGPoint *>(series->Points[1])->MotifKind, 14);
  EXPECT_TRUE(Graph.SetCurveProperty(c, ceModel, QStringLiteral("x"), cfData, 2));
  EXPECT_EQ(Graph.Modele(c)->NomY, QStringLiteral("x"));
  EXPECT_TRUE(Graph.SetCurveProperty(c, ceLabels, 1, cfData, 4));
  EXPECT_EQ(static_cast<TGPoint *>(series->Points[0])->LabelPlace, 1);
  EXPECT_FALSE(Graph.SetCurveProperty(c, cePoints, QStringLiteral("red"), cfData, 0));  // not a number
  // Segments of the data only.
  Graph.SetCurveProperty(c, ceSegments, qlonglong(blue.Value), cfData, 0);
  EXPECT_EQ(series->Segments[0]->Color, blue);

  EXPECT_EQ(Graph.VisibleCurveCount(), 1);
  EXPECT_EQ(Graph.CurrentCurve(), 0);
  AddSeries(3, 0);
  EXPECT_EQ(Graph.CurrentCurve(), -1);  // two visible
  Graph.SetCurveVisible(c, cePoints, false, cfData);
  EXPECT_FALSE(series->Points[0]->Visible);
  EXPECT_EQ(Graph.VisibleCurves(), (TIntegerDynArray{1}));
  EXPECT_EQ(Graph.CurrentCurve(), 1);
  Graph.SetAllCurvesVisible(ceSegments, cfData, false);
  EXPECT_FALSE(Graph.Curve(1)->Segments[0]->Visible);

  Graph.Clear();
  EXPECT_EQ(Graph.CurveCount(), 0);
  EXPECT_TRUE(Graph.Elements().empty());
  EXPECT_TRUE(Graph.VectorParams().empty());
}

TEST_F(TGraphFixture, ToolsTheirCursorsHintsAndRefusals) {
  std::vector<int> changes;
  Graph.OnOptionChange = [&] { changes.push_back(Graph.Tool()); };
  EXPECT_FALSE(Graph.SetTool(gtModifyModel));  // no model yet
  EXPECT_FALSE(Graph.SetTool(19));
  EXPECT_TRUE(Graph.SetTool(gtPan));
  EXPECT_EQ(Surface.Cursor, 30);
  Graph.IsZoomY = false;
  EXPECT_TRUE(Graph.SetTool(gtZoom));
  EXPECT_EQ(Surface.Cursor, 49);
  EXPECT_TRUE(Graph.SetTool(gtNewSegment));
  Graph.NewPoints.push_back(TPoint(100, 100));
  EXPECT_TRUE(Graph.SetTool(gtCoordinates));
  EXPECT_TRUE(Graph.NewPoints.empty());  // points of an unfinished construct are dropped
  EXPECT_EQ(Surface.Cursor, 42);
  EXPECT_EQ(changes, (std::vector<int>{gtPan, gtZoom, gtNewSegment, gtCoordinates}));
  EXPECT_EQ(ToolHint(gtPan), QStringLiteral("|Drag an drop the figure with the mouse"));
  EXPECT_EQ(ToolHint(gtNewCircle), QStringLiteral("Draw a circle with the mouse from its center"));
  EXPECT_EQ(ToolHint(gtZoom),
            QStringLiteral("|Left-click = make bigger; right-click = make smaller; press CTRL simultaneously to slow down"));

  AddSeries(5, 0);
  Graph.SetCurveProperty(0, ceModel, mtAffine, cfData, 6);
  EXPECT_EQ(Graph.ModelCount(), 1);
  EXPECT_TRUE(Graph.SetTool(gtModifyModel));
}

TEST_F(TGraphFixture, ZoomClimbsTheLadderAboutTheMouse) {
  Graph.SetTool(gtZoom);
  const TPoint at(200, 100);
  const TPointD fixed = Graph.ScreenToWorld(at.X, at.Y);
  std::vector<double> factors;
  for (int i = 0; i < 9; ++i) {
    Graph.MouseDown(Qt::LeftButton, Qt::NoModifier, at);
    Graph.MouseUp(Qt::LeftButton, Qt::NoModifier, at);
    factors.push_back(Graph.Zoom().ZoomX);
    const TPointD now = Graph.ScreenToWorld(at.X, at.Y);
    EXPECT_NEAR(now.X, fixed.X, 1e-9);
    EXPECT_NEAR(now.Y, fixed.Y, 1e-9);
  }
  EXPECT_EQ(factors, (std::vector<double>{1.5, 2, 2.5, 3, 3.5, 4, 6, 10, 10}));

  Graph.SetWorld(TRectD{0.0, 10.0, 0.0, 30.0}, false);
  factors.clear();
  for (int i = 0; i < 17; ++i) {
    Graph.MouseDown(Qt::RightButton, Qt::NoModifier, at);
    Graph.MouseUp(Qt::RightButton, Qt::NoModifier, at);
    factors.push_back(Graph.Zoom().ZoomY);
  }
  EXPECT_EQ(factors.front(), 0.667);
  EXPECT_EQ(factors[1], 0.5);
  EXPECT_EQ(factors[7], 0.0625);
  EXPECT_EQ(factors.back(), 0.0625);

  // With Ctrl a tenth of the gap between the neighbouring levels.
  Graph.SetWorld(TRectD{0.0, 10.0, 0.0, 30.0}, false);
  Graph.MouseDown(Qt::LeftButton, Qt::ControlModifier, at);
  Graph.MouseUp(Qt::LeftButton, Qt::ControlModifier, at);
  EXPECT_NEAR(Graph.Zoom().ZoomX, 1.05, 1e-12);
}

TEST_F(TGraphFixture, ZoomRectanglesAndTheWheel) {
  Graph.SetTool(gtZoom);
  // 9 px wide: a click.
  Graph.MouseDown(Qt::LeftButton, Qt::NoModifier, TPoint(200, 100));
  Graph.MouseMove(Qt::NoModifier, TPoint(209, 160));
  EXPECT_TRUE(Graph.Zoom().Dragging);
  Graph.MouseUp(Qt::LeftButton, Qt::NoModifier, TPoint(209, 160));
  EXPECT_EQ(Graph.Zoom().ZoomX, 1.5);

  // 100 x 60 px from factor 1: 500 / 100 and 300 / 60, centred on the rectangle.
  Graph.SetWorld(TRectD{0.0, 10.0, 0.0, 30.0}, false);
  const TPointD centre = Graph.ScreenToWorld(250, 130);
  Graph.MouseDown(Qt::LeftButton, Qt::NoModifier, TPoint(200, 100));
  Graph.MouseUp(Qt::LeftButton, Qt::NoModifier, TPoint(300, 160));
  EXPECT_DOUBLE_EQ(Graph.Zoom().ZoomX, 5.0);
  EXPECT_DOUBLE_EQ(Graph.Zoom().ZoomY, 5.0);
  const TRectD &w = Graph.WorldRect();
  EXPECT_NEAR(0.5 * (w.XMin + w.XMax), centre.X, 1e-9);
  EXPECT_NEAR(0.5 * (w.YMin + w.YMax), centre.Y, 1e-9);
  EXPECT_NEAR(w.XMax - w.XMin, 2.0, 1e-9);

  // The wheel zooms about the pointer whatever the tool.
  Graph.SetTool(gtNone);
  Graph.SetWorld(TRectD{0.0, 10.0, 0.0, 30.0}, false);
  const TPointD under = Graph.ScreenToWorld(400, 250);
  Graph.Wheel(120, Qt::NoModifier, TPoint(400, 250));
  EXPECT_EQ(Graph.Zoom().ZoomX, 1.5);
  EXPECT_NEAR(Graph.ScreenToWorld(400, 250).X, under.X, 1e-9);
  EXPECT_NEAR(Graph.ScreenToWorld(400, 250).Y, under.Y, 1e-9);
  Graph.Wheel(-240, Qt::NoModifier, TPoint(400, 250));
  EXPECT_EQ(Graph.Zoom().ZoomX, 0.667);
}

TEST_F(TGraphFixture, PanMovesTheWorldWithTheMouse) {
  Graph.SetTool(gtPan);
  Graph.MouseDown(Qt::LeftButton, Qt::NoModifier, TPoint(200, 200));
  EXPECT_EQ(Graph.DragState(), 3);
  Graph.MouseMove(Qt::NoModifier, TPoint(250, 180));
  // -dx (XMax - XMin) / Width and +dy (YMax - YMin) / Height of the whole control.
  EXPECT_NEAR(Graph.WorldRect().XMin, -50.0 * 10.0 / 595.0, 1e-12);
  EXPECT_NEAR(Graph.WorldRect().YMin, -20.0 * 30.0 / 365.0, 1e-12);
  Graph.MouseUp(Qt::LeftButton, Qt::NoModifier, TPoint(250, 180));
  EXPECT_EQ(Graph.DragState(), 0);
}

TEST_F(TGraphFixture, CoordinatesMeasureAndKeys) {
  AddSeries(4, 0);
  Graph.SetTool(gtCoordinates);
  int moves = 0;
  Graph.OnMouseMove = [&](Qt::KeyboardModifiers, TPoint) { ++moves; };
  Graph.MouseMove(Qt::NoModifier, TPoint(175, 260));
  EXPECT_NEAR(Graph.MouseWorld().X, 2.0, 1e-12);
  EXPECT_EQ(moves, 1);

  // The measure tool describes the element under the mouse: the data segment (1,2)-(2,5).
  Graph.SetTool(gtMeasure);
  TPoint a, b;
  Graph.WorldToScreen(TPointD(1.0, 2.0), a);
  Graph.WorldToScreen(TPointD(2.0, 5.0), b);
  Graph.MouseMove(Qt::NoModifier, TPoint((a.X + b.X) / 2, (a.Y + b.Y) / 2));
  EXPECT_TRUE(Surface.HintVisible);
  EXPECT_EQ(Surface.Hint, QStringLiteral("Segment length : 3.16 m"));
  EXPECT_EQ(Surface.Cursor, CursorDetection);
  Graph.MouseMove(Qt::NoModifier, TPoint(580, 30));
  EXPECT_FALSE(Surface.HintVisible);

  // Arrows move the pointer, Space asks for the context menu, Delete removes the selection.
  Surface.Pointer = TPoint(100, 100);
  EXPECT_TRUE(Graph.KeyDown(Qt::Key_Right, Qt::NoModifier));
  EXPECT_TRUE(Graph.KeyDown(Qt::Key_Up, Qt::ControlModifier));
  EXPECT_EQ(Surface.Pointer, TPoint(101, 90));
  std::vector<std::pair<Qt::MouseButton, int>> clicks;
  Graph.OnObjectClick = [&](Qt::MouseButton button, int type) { clicks.push_back({button, type}); };
  EXPECT_TRUE(Graph.KeyDown(Qt::Key_Space, Qt::NoModifier));
  ASSERT_EQ(clicks.size(), 1u);
  EXPECT_EQ(clicks[0], std::make_pair(Qt::RightButton, 0));
  auto construct = std::make_unique<TGSegment>(TPointD(1, 1), TPointD(3, 3), TColor::FromRgb(0, 100, 0));
  construct->UserMade = true;
  TGElem *drawn = Graph.AddElement(std::move(construct), -1);
  Graph.Selection.push_back(drawn);
  EXPECT_EQ(Graph.SelectionTypes(), 1u << obSegment);
  const size_t before = Graph.Elements().size();
  EXPECT_TRUE(Graph.KeyDown(Qt::Key_Delete, Qt::NoModifier));
  EXPECT_EQ(Graph.Elements().size(), before - 1);
  EXPECT_EQ(Graph.SelectionCount(), 0);
  EXPECT_FALSE(Graph.KeyDown(Qt::Key_A, Qt::NoModifier));  // a plain letter is not the graph's
  // A press reports the type of the element hit.
  Graph.MouseDown(Qt::LeftButton, Qt::NoModifier, a);
  EXPECT_EQ(clicks.back(), std::make_pair(Qt::LeftButton, int(obSegment)));  // segments lie above points
}

}  // namespace graph_test
