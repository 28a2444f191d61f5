// The studio's outlines and mouse: completing, replacing, deleting, erasing along the edges,
// the rubber rectangle, degenerate outlines, outlines beyond the frame, zoom.

#include "studio/support/StudioFixture.h"

#include <QPainter>

namespace kolibra::studio::testing {
namespace {

using StudioTest = StudioFixture;

TEST_F(StudioTest, CompletingOnFrame10WithAStepOf2MovesTo12) {
  ShowFrame(10);
  host.Step = 2;
  DrawCircle(TPoint(100, 100), 30);
  ASSERT_EQ(studio.Outlines().size(), 1u);
  const TModele &outline = *studio.Outlines().front();
  EXPECT_TRUE(outline.Closed);
  EXPECT_EQ(outline.Frame, 10);
  EXPECT_EQ(outline.Radius, 30);
  EXPECT_EQ(view.EditedFrame, 12);
  EXPECT_EQ(studio.ClosedCount(), 1);
  EXPECT_FALSE(studio.Drawing());
  // The disc of radius 30: its bounds one pixel wider than the circle, its picture from frame 10.
  EXPECT_EQ(outline.Bounds, QRect(QPoint(69, 69), QPoint(131, 131)));
  EXPECT_EQ(outline.Picture.pixel(31, 31), PatternPixel(100, 100, 10));
}

TEST_F(StudioTest, OutlinesAreDrawnByDraggingAsByClicking) {
  // A circle pressed at its centre and released on its rim, 30 pixels away.
  ShowFrame(4);
  studio.SetShape(osCircle);
  Press(TPoint(100, 100));
  Move(TPoint(115, 100));
  Move(TPoint(130, 100));
  Release(TPoint(130, 100));
  ASSERT_EQ(studio.ClosedCount(), 1);
  EXPECT_EQ(studio.Outlines().front()->Radius, 30);
  EXPECT_EQ(view.EditedFrame, 5);
  EXPECT_FALSE(studio.Drawing());

  // Released within a click's jitter: the circle waits for the click on its rim.
  Press(TPoint(300, 100));
  Release(TPoint(302, 101));
  EXPECT_TRUE(studio.Drawing());
  Move(TPoint(320, 100));
  Click(TPoint(320, 100));
  ASSERT_EQ(studio.ClosedCount(), 2);
  EXPECT_EQ(studio.Outlines().back()->Radius, 20);

  // A free line: the path of the drag, closed where the button comes up.
  ShowFrame(8);
  studio.SetShape(osFree);
  Press(TPoint(100, 100));
  for (int x = 101; x <= 200; ++x) Move(TPoint(x, 100));
  for (int y = 101; y <= 200; ++y) Move(TPoint(200, y));
  Release(TPoint(200, 200));
  ASSERT_EQ(studio.ClosedCount(), 3);
  EXPECT_EQ(studio.Outlines().back()->RelPoints.size(), 201u);

  // A broken line: a dragged side adds its far corner; the double click still ends it.
  ShowFrame(12);
  studio.SetShape(osBrokenLine);
  Press(TPoint(100, 100));
  Move(TPoint(150, 100));
  Release(TPoint(200, 100));
  Press(TPoint(200, 100));
  Release(TPoint(200, 200));
  studio.MouseDoubleClick(Qt::LeftButton, Qt::NoModifier, TPoint(200, 200));
  Release(TPoint(200, 200));
  ASSERT_EQ(studio.ClosedCount(), 4);
  const TPointDynArray &points = studio.Outlines().back()->ScreenPoints;
  ASSERT_GE(points.size(), 3u);
  EXPECT_EQ(points[0], TPoint(100, 100));
  EXPECT_EQ(points[1], TPoint(200, 100));
  EXPECT_EQ(points[2], TPoint(200, 200));
}

TEST_F(StudioTest, DrawingOnAFrameWithACompletedOutlineReplacesIt) {
  ShowFrame(3);
  host.Step = 0;  // a step of 0 still moves on by one frame
  DrawCircle(TPoint(100, 100), 20);
  ShowFrame(3);
  EXPECT_TRUE(studio.CurrentClosed());
  Click(TPoint(300, 200));
  ASSERT_EQ(studio.Outlines().size(), 1u);
  EXPECT_FALSE(studio.Outlines().front()->Closed) << "the completed outline gave way to the new one";
  EXPECT_EQ(studio.Outlines().front()->ScreenCentre, TPoint(300, 200));
}

TEST_F(StudioTest, RightClickWithoutOutlineDeletesTheLastOneAndShowsItsFrame) {
  for (int frame : {2, 5}) {
    ShowFrame(frame);
    DrawCircle(TPoint(100 + 10 * frame, 100), 15);
  }
  ShowFrame(9);
  Click(TPoint(50, 50), Qt::RightButton);
  ASSERT_EQ(studio.Outlines().size(), 1u);
  EXPECT_EQ(studio.Outlines().front()->Frame, 2);
  EXPECT_EQ(view.EditedFrame, 5);
  // On a frame with an outline, that one goes.
  ShowFrame(2);
  Click(TPoint(50, 50), Qt::RightButton);
  EXPECT_TRUE(studio.Outlines().empty());
}

TEST_F(StudioTest, TheEraserHitsAlongTheEdgesWithinThreePixels) {
  // A square whose straight edges keep only their corners as vertices: a click in the middle
  // of an edge, far from every vertex, must still find it.
  const struct {
    TPoint Click;
    bool Erased;
  } cases[] = {{TPoint(200, 103), true},  {TPoint(200, 97), true},  {TPoint(200, 104), false},
               {TPoint(303, 250), true},  {TPoint(305, 250), false}, {TPoint(200, 200), false},
               {TPoint(100, 100), true}};
  for (const auto &c : cases) {
    studio.Clear();
    studio.SetTool(stOutline);
    ShowFrame(0);
    DrawPolygon({TPoint(100, 100), TPoint(300, 100), TPoint(300, 400), TPoint(100, 400)});
    ASSERT_EQ(studio.ClosedCount(), 1);
    ASSERT_EQ(studio.Outlines().front()->Pieces.size(), 1u);
    studio.SetTool(stErase);
    Click(c.Click);
    EXPECT_EQ(studio.Outlines().empty(), c.Erased) << c.Click.X << "," << c.Click.Y;
  }
}

TEST_F(StudioTest, TheEraserCursorShowsOverAnOutline) {
  DrawCircle(TPoint(200, 200), 40);
  studio.SetTool(stErase);
  Move(TPoint(240, 201));
  EXPECT_EQ(view.LastCursor(), scSelGomme);
  Move(TPoint(200, 200));
  EXPECT_EQ(view.LastCursor(), scGomme);
}

TEST_F(StudioTest, TheRubberRectangleDeletesOnlyCompletedOutlinesWhollyInside) {
  ShowFrame(0);
  DrawCircle(TPoint(100, 100), 20);  // inside
  ShowFrame(1);
  DrawCircle(TPoint(190, 100), 30);  // crosses the right edge of the rectangle
  ShowFrame(2);
  studio.SetShape(osCircle);
  Click(TPoint(100, 120));  // being drawn, inside
  Move(TPoint(110, 120));
  studio.SetTool(stErase);
  Press(TPoint(50, 50));
  EXPECT_TRUE(studio.Selecting());
  Move(TPoint(200, 200));
  EXPECT_EQ(studio.SelectionRect(), QRect(QPoint(50, 50), QPoint(200, 200)));
  Release(TPoint(200, 200));
  EXPECT_FALSE(studio.Selecting());
  ASSERT_EQ(studio.Outlines().size(), 2u);
  EXPECT_EQ(studio.Outlines()[0]->Frame, 1);
  EXPECT_EQ(studio.Outlines()[1]->Frame, 2);
}

TEST_F(StudioTest, ChangingTheShapeDeletesTheCurrentOutlineCompletedOrNot) {
  ShowFrame(4);
  host.Step = 0;
  DrawCircle(TPoint(100, 100), 20);
  ShowFrame(4);
  studio.SetShape(osFree);
  EXPECT_TRUE(studio.Outlines().empty());
  Click(TPoint(10, 10));
  Move(TPoint(50, 10));
  studio.SetShape(osBrokenLine);
  EXPECT_TRUE(studio.Outlines().empty());
  EXPECT_FALSE(studio.Drawing());
}

TEST_F(StudioTest, DegenerateOutlinesAreDeletedWhenCompleted) {
  // Two clicks without moving, a zero radius, a stroke back and forth over one line.
  ShowFrame(7);
  studio.SetShape(osCircle);
  Click(TPoint(100, 100));
  Click(TPoint(100, 100));
  studio.SetShape(osFree);
  Click(TPoint(200, 200));
  Click(TPoint(200, 200));
  Click(TPoint(10, 10));
  Move(TPoint(60, 60));
  Move(TPoint(10, 10));
  Click(TPoint(10, 10));
  EXPECT_TRUE(studio.Outlines().empty());
  EXPECT_EQ(view.EditedFrame, 7) << "the user stays on the frame to draw again";
  EXPECT_TRUE(view.GoToFrameCalls.empty());
}

TEST_F(StudioTest, AFreeLineIsClosedBetweenItsEnds) {
  ShowFrame(0);
  studio.SetShape(osFree);
  Click(TPoint(100, 100));
  for (int x = 101; x <= 200; ++x) Move(TPoint(x, 100));
  for (int y = 101; y <= 200; ++y) Move(TPoint(200, y));
  Click(TPoint(200, 200));
  ASSERT_EQ(studio.ClosedCount(), 1);
  const TModele &outline = *studio.Outlines().front();
  EXPECT_EQ(outline.RelPoints.size(), 201u);
  // The triangle (100,100)-(200,100)-(200,200): inside near the right edge, outside beyond
  // the closing diagonal.
  const auto inside = [&outline](int x, int y) {
    return outline.Mask[size_t(y - outline.Bounds.top())][size_t(x - outline.Bounds.left())] != 0;
  };
  EXPECT_TRUE(inside(190, 150));
  EXPECT_FALSE(inside(110, 190));
}

TEST_F(StudioTest, AnOutlineBeyondTheFrameIsCutToIt) {
  // The view shows the frame at 200 %, scrolled to its bottom-right quarter: a circle drawn
  // round a point near the frame's corner, its rim dragged upwards, reaches past the corner.
  view.Mapping = measurement::TFrameMapping{1280.0, 960.0, 0.5, 0.5};
  ShowFrame(1);
  studio.SetShape(osCircle);
  Click(TPoint(600, 440));
  Move(TPoint(600, 300));
  Click(TPoint(600, 300));
  ASSERT_EQ(studio.ClosedCount(), 1);
  const TModele &outline = *studio.Outlines().front();
  EXPECT_TRUE(QRect(0, 0, 640, 480).contains(outline.Bounds));
  EXPECT_EQ(outline.Bounds.right(), 639);
  EXPECT_EQ(outline.Bounds.bottom(), 479);
  EXPECT_EQ(int(outline.Mask.size()), outline.Bounds.height());
  EXPECT_EQ(int(outline.Mask.front().size()), outline.Bounds.width());
  EXPECT_EQ(outline.Picture.size(), outline.Bounds.size());
  // Frame pixel of the corner is inside, and comes from frame 1.
  EXPECT_NE(outline.Mask.back().back(), 0);
  EXPECT_EQ(outline.Picture.pixel(outline.Picture.width() - 1, outline.Picture.height() - 1),
            PatternPixel(639, 479, 1));
}

TEST_F(StudioTest, AfterZoomingOutlinesAreDrawnAtTheNewScale) {
  ShowFrame(0);
  DrawCircle(TPoint(320, 240), 40);
  const TModele &outline = *studio.Outlines().front();
  const QRect before = outline.Bounds;
  view.Mapping = measurement::TFrameMapping{1280.0, 960.0, 0.25, 0.25};
  studio.ViewChanged();
  // The frame's centre is now at view pixel (320, 240) again, the circle twice as large.
  int minX = 1 << 20, maxX = -(1 << 20);
  for (const auto &piece : outline.Pieces)
    for (const TPoint &p : piece) {
      minX = std::min(minX, p.X);
      maxX = std::max(maxX, p.X);
    }
  EXPECT_NEAR(minX, 240, 2);
  EXPECT_NEAR(maxX, 400, 2);
  EXPECT_EQ(outline.Bounds, before) << "what is cut on the frame does not change";
}

TEST_F(StudioTest, ABrokenLineShowsItsRubberBandAndEndsOnADoubleClick) {
  studio.SetShape(osBrokenLine);
  Click(TPoint(100, 100));
  Click(TPoint(200, 100));
  Move(TPoint(200, 180));
  QImage canvas(640, 480, QImage::Format_RGB888);
  canvas.fill(Qt::black);
  {
    QPainter painter(&canvas);
    studio.Paint(&painter);
  }
  EXPECT_EQ(canvas.pixel(150, 100), qRgb(255, 0, 0)) << "the edge drawn";
  EXPECT_EQ(canvas.pixel(200, 150), qRgb(255, 0, 0)) << "the rubber band to the mouse";
  studio.MouseDoubleClick(Qt::LeftButton, Qt::NoModifier, TPoint(200, 200));
  ASSERT_EQ(studio.ClosedCount(), 1);
  EXPECT_EQ(studio.Outlines().front()->RelPoints.size(), 3u);
}

TEST_F(StudioTest, ToolsCursorsAndTheirEvent) {
  int changes = 0;
  studio.OnToolChange = [&changes](TStudio *) { ++changes; };
  const struct {
    int Tool;
    int Cursor;
    int Changes;
  } cases[] = {{stOutline, scPen, 1}, {stErase, scGomme, 2}, {stNone, scDefault, 2}};
  for (const auto &c : cases) {
    studio.SetTool(c.Tool);
    EXPECT_EQ(studio.CursorCode(), c.Cursor);
    EXPECT_EQ(changes, c.Changes);
  }
  // Another mode drops a half-drawn outline with the tool.
  studio.SetTool(stOutline);
  Click(TPoint(50, 50));
  studio.Deactivate();
  EXPECT_EQ(studio.Tool(), stNone);
  EXPECT_TRUE(studio.Outlines().empty());
}

TEST_F(StudioTest, ShapesFromTheOption) {
  EXPECT_EQ(ShapeFromOption(0), osCircle);
  EXPECT_EQ(ShapeFromOption(1), osBrokenLine);
  EXPECT_EQ(ShapeFromOption(2), osFree);
}

}  // namespace
}  // namespace kolibra::studio::testing
