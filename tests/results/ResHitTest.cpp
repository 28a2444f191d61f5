// What a click on a results graph lands on, without a window: the measured point a left click
// shows the video frame of, the construct a right click acts on, and what the context menu
// then offers for the selection. On a graph with world 0..10 on a 400 x 400 plot without
// margins, so world (x, y) is pixel (40 x, 400 - 40 y).
#include "FakeGraphSurface.h"

#include "results/ConstructEditor.h"
#include "results/GConstructs.h"
#include "results/Graph.h"
#include "results/ResStates.h"

#include <gtest/gtest.h>

#include <cmath>

namespace res_hit_test {

using namespace kolibra;
using namespace kolibra::results;

TPoint Px(double x, double y) { return TPoint(int(std::lround(40 * x)), int(std::lround(400 - 40 * y))); }

class ResHit : public ::testing::Test {
 protected:
  ResHit() {
    graph.SetSurface(&surface);
    graph.SetMargins(0, 0, 0, 0);
    graph.SetSize(400, 400);
    graph.SetWorld(TRectD{0, 10, 0, 10}, true);
    auto owned = std::make_unique<TConstructEditor>();
    editor = owned.get();
    graph.SetEditor(std::move(owned));
    // Two measured points, the second (numbered 2) drawn over the first at (5, 5), and one
    // alone at (8, 2); a velocity so the vector tool has a kind to draw.
    TVectorSeries velocity{-1, QStringLiteral("m/s"), 0, {TPointD(1, 0), TPointD(1, 0), TPointD(1, 0)}};
    graph.AddCurve({TPointD(5, 5), TPointD(5, 5), TPointD(8, 2)}, 0, {1, 2, 3}, {velocity});
    graph.SelectVectorParam(0);
    graph.SetCurveVisible(0, cePoints, true, cfData);
    graph.Picture();
  }
  ~ResHit() override { graph.SetSurface(nullptr); }

  void Use(int tool) { ASSERT_TRUE(graph.SetTool(tool)); }
  void Drag(TPoint from, TPoint to) {
    graph.MouseMove(Qt::NoModifier, from);
    graph.MouseDown(Qt::LeftButton, Qt::NoModifier, from);
    graph.MouseMove(Qt::NoModifier, TPoint((from.X + to.X) / 2, (from.Y + to.Y) / 2));
    graph.MouseMove(Qt::NoModifier, to);
    graph.MouseUp(Qt::LeftButton, Qt::NoModifier, to);
  }
  TGElem *Last(int type) const {
    for (auto it = graph.Elements().rbegin(); it != graph.Elements().rend(); ++it)
      if ((*it)->UserMade && (*it)->ObjectType == type) return it->get();
    return nullptr;
  }
  int NumberAt(TPoint at) const {
    const TGPoint *point = ClickedDataPoint(graph, at);
    return point != nullptr ? point->Number : -1;
  }

  results_test::TFakeGraphSurface surface;
  TGraph graph;
  TConstructEditor *editor = nullptr;
};

TEST_F(ResHit, AClickShowsTheTopmostMeasuredPointWhenTheToolLeavesItThePoints) {
  EXPECT_EQ(NumberAt(Px(5, 5)), 2);
  EXPECT_EQ(NumberAt(Px(8, 2)), 3);
  EXPECT_EQ(NumberAt(Px(2, 8)), -1);
  // The tools that only look leave the click to the points; the others keep it.
  const struct {
    int Tool;
    bool Points;
  } tools[] = {{gtNone, true},        {gtCoordinates, true}, {gtSelect, true},     {gtMeasure, true},
               {gtZoom, false},       {gtPan, false},        {gtNewSegment, false}, {gtDelete, false}};
  for (const auto &t : tools) {
    Use(t.Tool);
    EXPECT_EQ(NumberAt(Px(8, 2)), t.Points ? 3 : -1) << t.Tool;
  }
}

TEST_F(ResHit, HiddenOrMaskedPointsAndUserPointsAreNotMeasurements) {
  ASSERT_EQ(NumberAt(Px(8, 2)), 3);
  auto *alone = const_cast<TGPoint *>(ClickedDataPoint(graph, Px(8, 2)));
  alone->Masked = true;
  EXPECT_EQ(NumberAt(Px(8, 2)), -1);
  alone->Masked = false;
  alone->Visible = false;
  EXPECT_EQ(NumberAt(Px(8, 2)), -1);
  alone->Visible = true;
  alone->UserMade = true;
  EXPECT_EQ(NumberAt(Px(8, 2)), -1);
}

TEST_F(ResHit, ARightClickFindsTheTopmostConstructOfItsType) {
  Use(gtNewSegment);
  Drag(Px(1, 1), Px(5, 1));
  TGElem *lower = Last(obSegment);
  Drag(Px(3, 1), Px(7, 1));
  TGElem *upper = Last(obSegment);
  Use(gtNewCircle);
  Drag(Px(2, 7), Px(3, 7));  // centre (2, 7), radius 1
  ASSERT_NE(lower, upper);
  EXPECT_EQ(ClickedConstruct(graph, obSegment, Px(2, 1)), lower);
  EXPECT_EQ(ClickedConstruct(graph, obSegment, Px(4, 1)), upper);
  EXPECT_EQ(ClickedConstruct(graph, obSegment, Px(4, 4)), nullptr);
  EXPECT_EQ(ClickedConstruct(graph, obCercle, Px(4, 1)), nullptr);
  EXPECT_EQ(ClickedConstruct(graph, obCercle, Px(3, 7)), Last(obCercle));
  // Points and models are not the context menu's, nor is type 0.
  EXPECT_EQ(ClickedConstruct(graph, obPoint, Px(5, 5)), nullptr);
  EXPECT_EQ(ClickedConstruct(graph, 0, Px(4, 1)), nullptr);
}

TEST_F(ResHit, TheContextMenuOffersWhatTheSelectionHolds) {
  Use(gtNewSegment);
  Drag(Px(1, 1), Px(5, 1));
  Use(gtNewArc);
  Drag(Px(1, 8), Px(4, 8));
  Use(gtNewVector);
  Drag(Px(6, 6), Px(7, 7));
  Use(gtSelect);

  // Nothing under the mouse, nothing selected: the tools alone.
  editor->ClearSelection(graph);
  TResPopupStates states = ResPopupStates(graph, true, nullptr);
  EXPECT_EQ(states.ClickedType, -1);
  EXPECT_FALSE(states.Several);
  EXPECT_FALSE(states.Bend);
  EXPECT_FALSE(states.ChangeDirection);

  // The arc clicked and selected alone: its own items and the bend.
  TGElem *arc = ClickedConstruct(graph, obArc, Px(1, 8));
  ASSERT_NE(arc, nullptr);
  editor->SelectElement(graph, arc, false);
  states = ResPopupStates(graph, true, arc);
  EXPECT_EQ(states.ClickedType, obArc);
  EXPECT_TRUE(states.Bend);
  EXPECT_FALSE(states.Several);

  // Three types selected: sub-menus by type in the menu's order, and the direction command.
  editor->SelectElement(graph, Last(obVecteur), true);
  editor->SelectElement(graph, Last(obSegment), true);
  states = ResPopupStates(graph, true, nullptr);
  EXPECT_TRUE(states.Several);
  EXPECT_EQ(states.SelectionTypes, (std::vector<int>{obArc, obSegment, obVecteur}));
  EXPECT_FALSE(states.Bend);
  EXPECT_TRUE(states.ChangeDirection);
  EXPECT_STREQ(ConstructWord(obSpline), "Curve");

  // A graph without constructs offers none of it.
  states = ResPopupStates(graph, false, nullptr);
  EXPECT_FALSE(states.Several);
  EXPECT_FALSE(states.ChangeDirection);
}

}  // namespace res_hit_test
