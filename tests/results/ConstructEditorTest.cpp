// The construct tools driven through the graph as the widget drives it (press, moves,
// release), and the graph's undo: a walk over every construct action checking the caption
// before each undo and the constructs after it, and the cases the history used to get wrong.
#include "FakeGraphSurface.h"

#include "kit/Locale.h"
#include "results/ConstructEditor.h"
#include "results/GConstructs.h"
#include "results/Graph.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>

namespace construct_editor_test {

using namespace kolibra;
using namespace kolibra::results;

// World 0..10 on a 400 x 400 plot without margins: world (x, y) is pixel (40 x, 400 - 40 y).
TPoint Px(double x, double y) { return TPoint(int(std::lround(40 * x)), int(std::lround(400 - 40 * y))); }

class ConstructEditor : public ::testing::Test {
 protected:
  ConstructEditor() {
    graph.SetMargins(0, 0, 0, 0);
    graph.SetSize(400, 400);
    graph.SetWorld(TRectD{0, 10, 0, 10}, true);
    auto owned = std::make_unique<TConstructEditor>();
    editor = owned.get();
    graph.SetEditor(std::move(owned));
    graph.SetBullePlace(bpUpRight);
    // A series with one data point far from the constructs and a velocity, so that the
    // vector tool has a kind to draw.
    TVectorSeries velocity{-1, QStringLiteral("m/s"), 0, {TPointD(1, 0)}};
    graph.AddCurve({TPointD(9.5, 0.5)}, 0, {}, {velocity});
    graph.SelectVectorParam(0);
    graph.SetCurveVisible(0, cePoints, true, cfData);
  }

  void Press(TPoint p, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    graph.MouseMove(modifiers, p);
    graph.MouseDown(Qt::LeftButton, modifiers, p);
  }
  void Release(TPoint p) { graph.MouseUp(Qt::LeftButton, Qt::NoModifier, p); }
  void Click(TPoint p, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    Press(p, modifiers);
    Release(p);
  }
  void Drag(TPoint from, TPoint to, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    Press(from, modifiers);
    graph.MouseMove(modifiers, TPoint((from.X + to.X) / 2, (from.Y + to.Y) / 2));
    graph.MouseMove(modifiers, to);
    Release(to);
  }
  void Use(int tool) { ASSERT_TRUE(graph.SetTool(tool)); }

  // The constructs as text: type, id, world positions to a thousandth, colour, components.
  QString State() const {
    std::map<int, QString> lines;
    for (const auto &e : graph.Elements()) {
      if (!e->UserMade) continue;
      QString line = QString::number(e->ObjectType) + QLatin1Char(' ') + QString::number(e->Color.Value, 16);
      if (const auto *poly = dynamic_cast<const TGPolyPoint *>(e.get()))
        for (const auto &p : poly->Points)
          line += QStringLiteral(" (%1,%2)").arg(p->Position.X, 0, 'f', 3).arg(p->Position.Y, 0, 'f', 3);
      if (const auto *v = dynamic_cast<const TGVecteur *>(e.get()))
        line += QStringLiteral(" v(%1,%2)").arg(v->Composantes.X, 0, 'f', 3).arg(v->Composantes.Y, 0, 'f', 3);
      lines[e->Id] = line;
    }
    QString text;
    for (const auto &[id, line] : lines) text += QString::number(id) + QLatin1Char(':') + line + QLatin1Char('\n');
    return text;
  }

  template <typename T>
  T *First(int type, int skip = 0) const {
    for (const auto &e : graph.Elements())
      if (e->UserMade && e->ObjectType == type && skip-- == 0) return static_cast<T *>(e.get());
    return nullptr;
  }
  int UserCount() const {
    int n = 0;
    for (const auto &e : graph.Elements()) n += e->UserMade ? 1 : 0;
    return n;
  }

  ScopedDecimalSeparator separator{QLatin1Char('.')};
  results_test::TFakeGraphSurface surface;
  TGraph graph{&surface};
  TConstructEditor *editor = nullptr;
};

TEST_F(ConstructEditor, UndoWalksBackEveryConstructActionWithItsCaption) {
  std::vector<QString> states{State()};
  std::vector<QString> captions;
  const auto step = [&](const QString &caption) {
    states.push_back(State());
    captions.push_back(caption);
    EXPECT_EQ(editor->UndoCaption(graph), caption);
  };
  Use(gtNewSegment);
  Drag(Px(1, 1), Px(3, 1));
  step(QStringLiteral("Cancel Create Segment"));
  Use(gtNewCircle);
  Drag(Px(6, 6), Px(7, 6));
  step(QStringLiteral("Cancel Create Circle"));
  Use(gtNewArc);
  Drag(Px(1, 8), Px(4, 8));
  step(QStringLiteral("Cancel Create Arc"));
  Use(gtNewEllipse);
  Drag(Px(7, 2), Px(9, 3));
  step(QStringLiteral("Cancel Create Ellipse"));
  Use(gtNewAngle);
  Click(Px(1, 4));
  Click(Px(3, 4));
  Click(Px(3, 6));
  step(QStringLiteral("Cancel Create Angle"));
  Use(gtNewSpline);
  Click(Px(5, 8));
  Click(Px(6, 9));
  graph.MouseMove(Qt::NoModifier, Px(7, 8));
  graph.DoubleClick(Qt::LeftButton, Px(7, 8));
  step(QStringLiteral("Cancel Create Curve"));
  ASSERT_EQ(First<TGSpline>(obSpline)->Points.size(), 5u);
  Use(gtNewVector);
  Drag(Px(2, 6), Px(3, 7));
  step(QStringLiteral("Cancel Create Vector"));
  ASSERT_EQ(UserCount(), 7);

  Use(gtSelect);
  Drag(Px(2, 1), Px(2, 2));
  step(QStringLiteral("Cancel Move Segment"));
  Drag(Px(3, 2), Px(4, 3));
  step(QStringLiteral("Cancel Modify Segment"));
  Drag(Px(3, 4), Px(3.5, 4));
  step(QStringLiteral("Cancel Transform Angle"));

  Use(gtBend);
  Drag(Px(2.5, 8), Px(2.5, 9));
  step(QStringLiteral("Cancel Bend Arc"));
  EXPECT_FALSE(First<TGArc>(obArc)->Straight);
  Drag(Px(7, 6), Px(7.5, 6));
  step(QStringLiteral("Cancel Bend Circle"));
  Drag(Px(7, 3), Px(7, 3.5));
  step(QStringLiteral("Cancel Bend Ellipse"));
  Drag(TPoint(337, 278), TPoint(300, 240));
  step(QStringLiteral("Cancel Rotate Ellipse"));
  EXPECT_GT(First<TGEllipse>(obEllipse)->Angle, 0.1);

  Use(gtDuplicate);
  Click(Px(6, 7.5));
  step(QStringLiteral("Cancel Copy Circle"));
  Use(gtChangeDirection);
  Click(Px(2.5, 6.5));
  step(QStringLiteral("Cancel Change direction Vector"));

  Use(gtSelect);
  editor->ClearSelection(graph);
  editor->SelectElement(graph, First<TGElem>(obSegment), false);
  editor->SelectElement(graph, First<TGElem>(obCercle), true);
  editor->ColorSelection(graph, TColor::FromRgb(10, 20, 30), 0);
  step(QStringLiteral("Cancel Color"));
  Drag(Px(2.5, 2.5), Px(2.5, 1.5));
  step(QStringLiteral("Cancel Move"));
  Use(gtDelete);
  Click(Px(2, 4));
  step(QStringLiteral("Cancel Delete Angle"));
  EXPECT_TRUE(graph.KeyDown(Qt::Key_Delete, Qt::NoModifier));
  step(QStringLiteral("Cancel Delete"));

  for (size_t i = captions.size(); i-- > 0;) {
    EXPECT_EQ(editor->UndoCaption(graph), captions[i]) << "before undoing step " << i;
    graph.KeyDown(i % 2 == 0 ? Qt::Key_A : Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(State(), states[i]) << "after undoing step " << i;
  }
  EXPECT_TRUE(editor->UndoCaption(graph).isEmpty());
  bool enabled = true;
  Q_UNUSED(enabled);
}

TEST_F(ConstructEditor, CoincidentPointsCreateNothingAndRecordNothing) {
  Use(gtNewSegment);
  Click(Px(2, 2));
  Use(gtNewAngle);
  Click(Px(4, 4));
  Click(Px(4, 4));
  Click(Px(4, 4));
  EXPECT_EQ(UserCount(), 0);
  EXPECT_EQ(editor->Historique.Count(), 0);
  EXPECT_TRUE(editor->UndoCaption(graph).isEmpty());
}

TEST_F(ConstructEditor, MovingThreeElementsIsUndoneInOneStep) {
  Use(gtNewSegment);
  Drag(Px(1, 1), Px(3, 1));
  Use(gtNewCircle);
  Drag(Px(6, 6), Px(7, 6));
  Use(gtNewArc);
  Drag(Px(1, 8), Px(4, 8));
  const QString before = State();
  Use(gtSelect);
  // A selection rectangle round all three.
  Drag(Px(0.5, 0.5), Px(8, 9));
  ASSERT_EQ(graph.SelectionCount(), 3);
  Drag(Px(2, 1), Px(2.5, 1.5));
  EXPECT_NE(State(), before);
  editor->Undo(graph);
  EXPECT_EQ(State(), before);
}

TEST_F(ConstructEditor, SelectionRectangleCuttingAnElementLeavesItOut) {
  Use(gtNewSegment);
  Drag(Px(1, 1), Px(3, 1));
  Drag(Px(1, 5), Px(3, 5));
  Use(gtSelect);
  Drag(Px(0.5, 0.5), Px(3.5, 4));
  ASSERT_EQ(graph.SelectionCount(), 1);
  Drag(Px(0.5, 0.5), Px(2, 6));  // cuts both
  EXPECT_EQ(graph.SelectionCount(), 0);
}

TEST_F(ConstructEditor, DeletingAndUndoingGivesBackTheSameElement) {
  Use(gtNewCircle);
  Drag(Px(5, 5), Px(6, 5));
  const int id = First<TGElem>(obCercle)->Id;
  const QString before = State();
  Use(gtDelete);
  Click(Px(5, 6));
  ASSERT_EQ(UserCount(), 0);
  editor->Undo(graph);
  ASSERT_EQ(UserCount(), 1);
  EXPECT_EQ(First<TGElem>(obCercle)->Id, id);
  EXPECT_EQ(State(), before);
}

TEST_F(ConstructEditor, VectorsChainHeadToTailAndFollowTheTip) {
  Use(gtNewVector);
  Drag(Px(2, 2), Px(4, 2));
  Drag(Px(5, 5), Px(5, 7));
  auto *first = First<TGVecteur>(obVecteur), *second = First<TGVecteur>(obVecteur, 1);
  // The second vector dragged so that its tail lands 2 px from the first one's tip.
  Use(gtSelect);
  const TPoint tip = first->Tip;
  const TPoint grab = Px(5, 6);
  Drag(grab, TPoint(grab.X + tip.X + 2 - second->PointPixel(0).X, grab.Y + tip.Y - 1 - second->PointPixel(0).Y));
  EXPECT_EQ(second->PointPixel(0), first->Tip);
  EXPECT_EQ(second->Source, first->Id);
  // Moving the first vector's tip moves the second.
  const TPoint before = second->PointPixel(0);
  // The first vector selected is searched before the second, whose tail shares the pixel.
  editor->SelectElement(graph, first, false);
  Drag(first->Tip, TPoint(first->Tip.X + 20, first->Tip.Y - 10));
  EXPECT_EQ(second->PointPixel(0), TPoint(before.X + 20, before.Y - 10));
  EXPECT_EQ(second->PointPixel(0), first->Tip);
  // And the undo of that tip drag puts both back.
  editor->Undo(graph);
  EXPECT_EQ(first->Tip, tip);
  EXPECT_EQ(second->PointPixel(0), before);
}

TEST_F(ConstructEditor, UndoingATipDragIsNotLost) {
  Use(gtNewVector);
  Drag(Px(2, 2), Px(4, 2));
  auto *vector = First<TGVecteur>(obVecteur);
  const QString before = State();
  Use(gtSelect);
  Drag(vector->Tip, Px(4, 4));
  ASSERT_NE(State(), before);
  EXPECT_EQ(editor->UndoCaption(graph), QStringLiteral("Cancel Modify Vector"));
  editor->Undo(graph);
  EXPECT_EQ(State(), before);
}

TEST_F(ConstructEditor, ChainsNamingDeletedVectorsOrLoopingAreHarmless) {
  Use(gtNewVector);
  Drag(Px(2, 2), Px(4, 2));
  auto *first = First<TGVecteur>(obVecteur);
  // The second one starts on the first one's tip: chained at creation.
  Drag(first->Tip, Px(4, 4));
  auto *second = First<TGVecteur>(obVecteur, 1);
  ASSERT_EQ(second->Source, first->Id);
  const int secondId = second->Id;
  // A colour change keeps the first vector's list in its snapshot; the second one goes.
  editor->ClearSelection(graph);
  editor->SelectElement(graph, first, false);
  editor->ColorSelection(graph, TColor::FromRgb(1, 2, 3), 0);
  editor->ClearSelection(graph);
  Use(gtDelete);
  Click(Px(4, 3));
  ASSERT_EQ(UserCount(), 1);
  // Undo the deletion, the colour, then the creation: the first vector's list names a
  // vector that no longer exists.
  editor->Undo(graph);
  editor->Undo(graph);
  editor->Undo(graph);
  ASSERT_EQ(UserCount(), 1);
  first = First<TGVecteur>(obVecteur);
  ASSERT_EQ(first->Chained, std::vector<int>{secondId});
  Use(gtSelect);
  Drag(first->Tip, Px(5, 3));
  EXPECT_TRUE(first->Chained.empty());

  // Two vectors hanging on each other move once each.
  Use(gtNewVector);
  Drag(Px(6, 6), Px(7, 6));
  auto *a = First<TGVecteur>(obVecteur, 1);
  Drag(a->Tip, Px(8, 7));
  auto *b = First<TGVecteur>(obVecteur, 2);
  a->Source = b->Id;
  b->Chained.push_back(a->Id);
  const TPoint tailB = b->PointPixel(0);
  TConstructEditor::SetVectorTip(graph, *a, TPoint(a->Tip.X + 4, a->Tip.Y));
  EXPECT_EQ(b->PointPixel(0), TPoint(tailB.X + 4, tailB.Y));
}

TEST_F(ConstructEditor, UndoSkipsAStepWhoseElementIsGone) {
  Use(gtNewSegment);
  Drag(Px(1, 1), Px(3, 1));
  const QString created = State();
  // The data vector of the series is moved, then the view rebuilds its data.
  editor->ClearSelection(graph);
  TGElem *data = nullptr;
  for (const auto &e : graph.Elements())
    if (e->ObjectType == obVecteur) data = e.get();
  ASSERT_NE(data, nullptr);
  editor->SelectElement(graph, data, false);
  editor->ColorSelection(graph, TColor::FromRgb(1, 1, 1), 0);
  EXPECT_EQ(editor->UndoCaption(graph), QStringLiteral("Cancel Color Vector"));
  graph.ClearData();
  graph.RefileUserElements();
  EXPECT_EQ(editor->UndoCaption(graph), QStringLiteral("Cancel Create Segment"));
  editor->Undo(graph);
  EXPECT_EQ(UserCount(), 0);
  Q_UNUSED(created);
}

TEST(GraphHistory, DropsWholeOldStepsAndNeverTheOneBeingRecorded) {
  TGraph graph;
  THistorique history;
  TGSegment segment(TPointD(1, 1), TPointD(2, 2), TColor::FromRgb(0, 100, 0));
  segment.UserMade = true;
  // 498 single steps, then a step of three.
  for (int i = 0; i < 498; ++i) history.Record(segment, gaMove);
  history.BeginGroup();
  for (int i = 0; i < 3; ++i) history.Record(segment, gaMove);
  history.EndGroup();
  const auto &items = history.Items();
  ASSERT_EQ(items.size(), 500u);  // the oldest single step went, the group stayed whole
  EXPECT_EQ(items.back()->Step, items[items.size() - 3]->Step);
  EXPECT_EQ(items.front()->Step, 2);
  // A group larger than the history stays whole.
  history.BeginGroup();
  for (int i = 0; i < 600; ++i) history.Record(segment, gaColor);
  history.EndGroup();
  EXPECT_EQ(history.Count(), 600);
  for (const auto &item : history.Items()) EXPECT_EQ(item->Step, history.Step);
  // Points and models are never recorded.
  TGPoint point;
  history.Record(point, gaMove);
  EXPECT_EQ(history.Count(), 600);
}

TEST_F(ConstructEditor, AfterFiveHundredChangesTheOldestIsGone) {
  Use(gtNewSegment);
  Drag(Px(1, 1), Px(3, 1));
  auto *segment = First<TGElem>(obSegment);
  for (int i = 0; i < 500; ++i) {
    editor->ClearSelection(graph);
    editor->SelectElement(graph, segment, false);
    editor->ColorSelection(graph, TColor::FromRgb(i % 256, 0, 0), 0);
  }
  for (int i = 0; i < 500; ++i) editor->Undo(graph);
  // The creation fell out of the history: the segment stays.
  EXPECT_EQ(UserCount(), 1);
  EXPECT_TRUE(editor->UndoCaption(graph).isEmpty());
}

TEST_F(ConstructEditor, BendToolCursorsAndTheBubbleWhileBending) {
  Use(gtNewArc);
  Drag(Px(2, 5), Px(8, 5));
  Use(gtBend);
  graph.MouseMove(Qt::NoModifier, Px(5, 5));
  EXPECT_EQ(surface.Cursor, 44);
  graph.MouseMove(Qt::NoModifier, Px(5, 8));
  EXPECT_EQ(surface.Cursor, 9);
  Press(Px(5, 5));
  graph.MouseMove(Qt::NoModifier, Px(5, 6));
  EXPECT_TRUE(graph.Bulle.Visible());
  EXPECT_TRUE(graph.Bulle.Lines().front().startsWith(QStringLiteral("Arc length : 6.44")));
  Release(Px(5, 6));
  EXPECT_FALSE(graph.Bulle.Visible());
}

}  // namespace construct_editor_test
