// The mouse and keyboard of the view: zoom clicks and bands, the pan, the keys of the
// marking modes and the routing to whoever works in the mode.

#include "videoview/support/FakeSubsystems.h"
#include "videoview/support/VideoFixture.h"

#include "videoview/CursorImages.h"

namespace kolibra::videoview::testing {
namespace {

class VideoInputTest : public VideoFixture {
 protected:
  VideoInputTest() {
    OpenVideo();
    model.OnZoomChange = [this](TVideoModel *) { zooms.push_back(model.Zoom().Factor); };
  }
  std::vector<int> zooms;
};

TEST_F(VideoInputTest, ZoomToolClicksZoomInAndOutAroundThePoint) {
  model.SetTool(vtZoom);
  Click(TPoint(320, 240));
  EXPECT_EQ(model.Zoom().Factor, 200);
  EXPECT_EQ(model.Geometry().Source(), QRect(80, 60, 160, 120));
  Click(TPoint(320, 240), Qt::RightButton);
  EXPECT_EQ(model.Zoom().Factor, 100);
  Click(TPoint(0, 0), Qt::LeftButton, Qt::ControlModifier);
  EXPECT_EQ(zooms, (std::vector<int>{200, 100, 110}));
}

TEST_F(VideoInputTest, ABandZoomsOnItsCentreAndASmallOneIsAClick) {
  model.Resize(500, 400);
  model.SetTool(vtZoom);
  model.MouseDown(Qt::LeftButton, Qt::NoModifier, TPoint(100, 100));
  model.MouseMove(Qt::NoModifier, TPoint(200, 150));
  EXPECT_TRUE(model.Zoom().Dragging);
  model.MouseUp(Qt::LeftButton, Qt::NoModifier, TPoint(200, 150));
  EXPECT_EQ(model.Zoom().Factor, 500);
  // Centred on (150, 125): left = round(320 * (150 * 100 / 500 / 100 - 50 / 500)) = 64.
  EXPECT_EQ(model.Geometry().Source(), QRect(64, 51, 64, 48));

  model.ResetZoom();
  model.MouseDown(Qt::LeftButton, Qt::NoModifier, TPoint(100, 100));
  model.MouseUp(Qt::LeftButton, Qt::NoModifier, TPoint(109, 140));
  EXPECT_EQ(model.Zoom().Factor, 200) << "a band 9 pixels wide is a click";
}

TEST_F(VideoInputTest, PanDragsTheSourceAgainstTheMouse) {
  model.SetTool(vtZoom);
  Click(TPoint(320, 240));
  model.SetTool(vtPan);
  model.MouseDown(Qt::RightButton, Qt::NoModifier, TPoint(300, 200));
  EXPECT_FALSE(model.Pan().Dragging) << "only the left button pans";
  model.MouseDown(Qt::LeftButton, Qt::NoModifier, TPoint(300, 200));
  model.MouseMove(Qt::NoModifier, TPoint(260, 180));
  // left -= round(-40 * 160 / 640) = +10, top -= round(-20 * 120 / 480) = +5
  EXPECT_EQ(model.Geometry().Source().topLeft(), QPoint(90, 65));
  model.MouseUp(Qt::LeftButton, Qt::NoModifier, TPoint(260, 180));
  EXPECT_FALSE(model.Pan().Dragging);
}

TEST_F(VideoInputTest, MarksFollowTheZoom) {
  data.SetActiveTool(measurement::dtPointing);
  Click(TPoint(320, 240));
  ASSERT_EQ(data.MarksCount(), 1);
  model.GoTo(0);
  model.SetTool(vtZoom);
  Click(TPoint(0, 0));
  // The mark at the frame's centre is now at the back buffer's bottom right corner (the
  // scroll bars take 16 pixels of the view).
  const measurement::TMarque *mark = data.FixedMarks().LastMark();
  ASSERT_NE(mark, nullptr);
  EXPECT_EQ(mark->Pixel(), TPoint(624, 464));
}

TEST_F(VideoInputTest, EscapeSendsARightPressToTheDocument) {
  data.SetActiveTool(measurement::dtPointing);
  Click(TPoint(100, 100));
  ASSERT_EQ(data.MarksCount(), 1);
  surface.Pointer = TPoint(400, 300);
  EXPECT_TRUE(model.KeyDown(Qt::Key_Escape, Qt::NoModifier));
  EXPECT_EQ(data.MarksCount(), 0) << "the right button removes the last mark";
  EXPECT_EQ(model.CurrentFrame(), 0);
}

TEST_F(VideoInputTest, ArrowKeysMoveThePointerOneOrTenPixels) {
  surface.Pointer = TPoint(100, 100);
  model.KeyDown(Qt::Key_Right, Qt::NoModifier);
  model.KeyDown(Qt::Key_Down, Qt::ControlModifier);
  model.KeyDown(Qt::Key_Left, Qt::ControlModifier);
  EXPECT_EQ(surface.Pointer, TPoint(91, 110));
  // The document heard of the pointer: Enter points a mark there.
  EXPECT_FALSE(model.KeyDown(Qt::Key_Return, Qt::NoModifier)) << "without a view tool Enter is the document's";
  EXPECT_TRUE(data.KeyDown(Qt::Key_Return, Qt::NoModifier));
  ASSERT_EQ(data.MarksCount(), 1);
  EXPECT_EQ(data.FixedMarks().LastMark()->Pixel(), TPoint(91, 110));
}

TEST_F(VideoInputTest, EnterWithThePanToolGrabsAndDrops) {
  model.SetTool(vtZoom);
  Click(TPoint(320, 240));
  model.SetTool(vtPan);
  surface.Pointer = TPoint(300, 200);
  EXPECT_TRUE(model.KeyDown(Qt::Key_Enter, Qt::NoModifier));
  EXPECT_TRUE(model.Pan().Dragging);
  model.KeyDown(Qt::Key_Left, Qt::ControlModifier);
  EXPECT_TRUE(model.KeyDown(Qt::Key_Enter, Qt::NoModifier));
  EXPECT_FALSE(model.Pan().Dragging);
  EXPECT_EQ(model.Geometry().Source().left(), 82);  // 80 - round(-10 * 160 / 640), half to even
}

TEST_F(VideoInputTest, KeysOutsideTheMarkingModesAndWithoutAVideoDoNothing) {
  TCallLog log;
  TFakeStudio studio(log);
  model.SetStudio(&studio);
  ASSERT_TRUE(model.SetMode(vmStudio));
  EXPECT_FALSE(model.KeyDown(Qt::Key_Escape, Qt::NoModifier));
  Click(TPoint(10, 20));
  EXPECT_TRUE(log.Calls.contains(QStringLiteral("studio.down 10,20")));
  EXPECT_EQ(model.CursorCode(), 31);
}

TEST_F(VideoInputTest, CursorFollowsTheToolThenTheDocument) {
  EXPECT_EQ(model.CursorCode(), crMarque);
  model.SetTool(vtZoom);
  EXPECT_EQ(model.CursorCode(), crZoom);
  model.SetTool(vtPan);
  EXPECT_EQ(model.CursorCode(), crPan);
  model.SetTool(vtNone);
  data.SetActiveTool(measurement::dtScale);
  EXPECT_EQ(model.CursorCode(), crEchelle);
  data.SetObjectsCount(2);
  data.SetActiveTool(measurement::dtPointing);
  EXPECT_EQ(model.CursorCode(), crMarque0 + 1);
}

class ClosedVideoInputTest : public VideoFixture {};

TEST_F(ClosedVideoInputTest, WithoutAVideoTheMouseDoesNothing) {
  model.SetTool(vtZoom);
  Click(TPoint(10, 10));
  EXPECT_EQ(model.Zoom().Factor, 100);
  EXPECT_FALSE(model.KeyDown(Qt::Key_Escape, Qt::NoModifier));
  EXPECT_EQ(model.CursorCode(), crDefault);
}

}  // namespace
}  // namespace kolibra::videoview::testing
