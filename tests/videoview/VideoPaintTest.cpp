// The back buffer's pixels, the events of a paint, the magnifier's picture and the cursor
// pictures.

#include "videoview/support/FakeSubsystems.h"
#include "videoview/support/VideoFixture.h"

#include "videoview/CursorImages.h"
#include "videoview/LoupeModel.h"

namespace kolibra::videoview::testing {
namespace {

class VideoPaintTest : public VideoFixture {
 protected:
  VideoPaintTest() {
    model.OnAfterPaint = [this](TVideoModel *) { ++afterPaints; };
  }
  QRgb At(int x, int y) const { return model.DisplayBitmap().pixel(x, y); }
  int afterPaints = 0;
};

TEST_F(VideoPaintTest, WithoutAVideoTheTitleFillsTheViewAndNoAfterPaintIsRaised) {
  ASSERT_TRUE(model.PaintDisplay());
  model.FinishPaint();
  EXPECT_EQ(model.DisplayBitmap().size(), QSize(640, 480));
  EXPECT_EQ(afterPaints, 0);
}

TEST_F(VideoPaintTest, EachViewPixelShowsTheFramePixelUnderIt) {
  OpenVideo();
  model.GoTo(3);
  ASSERT_TRUE(model.PaintDisplay());
  model.FinishPaint();
  EXPECT_EQ(afterPaints, 1);
  // 320 x 240 on 640 x 480: view pixel (2x, 2y) shows frame pixel (x, y) of frame 3.
  EXPECT_EQ(At(2 * 17, 2 * 41), TStubReader::PixelOf(17, 41, 3));
  EXPECT_EQ(At(639, 479), TStubReader::PixelOf(319, 239, 3));

  model.SetTool(vtZoom);
  model.ZoomClick(TPoint(320, 240), true, false);
  ASSERT_TRUE(model.PaintDisplay());
  // Source (80, 60, 160, 120) on a 624 x 464 buffer: the centre of the buffer is near the
  // frame's centre, and every pixel agrees with ScreenToFrame.
  for (TPoint p : {TPoint(0, 0), TPoint(311, 231), TPoint(623, 463)}) {
    const TPointD f = model.ScreenToFrame(p);
    const QRgb pixel = At(p.X, p.Y);
    EXPECT_NEAR(qRed(pixel), f.X * 320, 1.0) << p.X;
    EXPECT_NEAR(qGreen(pixel), f.Y * 240, 1.0) << p.Y;
  }
}

TEST_F(VideoPaintTest, AHiddenImageIsWhiteAndTheWaitingTextIsDrawnOverIt) {
  OpenVideo();
  model.SetHideImage(true);
  ASSERT_TRUE(model.PaintDisplay());
  EXPECT_EQ(At(5, 5), qRgb(255, 255, 255));
  model.SetWaiting(true);
  EXPECT_GE(surface.EventRuns, 1);
  ASSERT_TRUE(model.PaintDisplay());
  int dark = 0;
  for (int x = 200; x < 440; ++x) dark += qGray(At(x, 240)) < 100 ? 1 : 0;
  EXPECT_GT(dark, 10) << "\"Wait please ...\" across the middle";
}

TEST_F(VideoPaintTest, TheMontageShowsDroppedFramesInNegative) {
  TCallLog log;
  TFakeMontage montage(log);
  montage.Kept = {0, 2};
  model.SetMontage(&montage);
  OpenVideo();
  ASSERT_TRUE(model.SetMode(vmMontage));
  model.GoTo(1);
  ASSERT_TRUE(model.PaintDisplay());
  EXPECT_EQ(At(2 * 17, 2 * 41), qRgb(255 - 17, 255 - 41, 255 - 1));
  model.GoTo(2);
  ASSERT_TRUE(model.PaintDisplay());
  EXPECT_EQ(At(2 * 17, 2 * 41), TStubReader::PixelOf(17, 41, 2));
}

TEST_F(VideoPaintTest, TheDocumentDrawsItsMarksOverTheFrame) {
  OpenVideo();
  data.SetActiveTool(measurement::dtPointing);
  Click(TPoint(320, 240));
  model.GoTo(0);
  ASSERT_TRUE(model.PaintDisplay());
  EXPECT_NE(At(320, 240), TStubReader::PixelOf(160, 120, 0));
}

TEST_F(VideoPaintTest, TheZoomBandIsDrawnWhileDragged) {
  OpenVideo();
  model.SetTool(vtZoom);
  model.MouseDown(Qt::LeftButton, Qt::NoModifier, TPoint(100, 100));
  model.MouseMove(Qt::NoModifier, TPoint(200, 200));
  ASSERT_TRUE(model.PaintDisplay());
  EXPECT_EQ(At(150, 150), qRgb(255, 255, 255));
  EXPECT_EQ(qRed(At(100, 150)) == 128 || qRed(At(100, 151)) == 128, true);
}

TEST_F(VideoPaintTest, GrabFrameGivesTheWholeFrameAtItsSizeWhateverTheZoom) {
  OpenVideo();
  model.GoTo(9);
  model.ZoomClick(TPoint(100, 100), true, false);
  QImage frame;
  ASSERT_TRUE(model.GrabFrame(frame));
  EXPECT_EQ(frame.size(), QSize(320, 240));
  EXPECT_EQ(frame.pixel(300, 7), TStubReader::PixelOf(300, 7, 9));
  QImage negative(32, 24, QImage::Format_RGB888);
  ASSERT_TRUE(model.DrawFrame(negative, QRect(0, 0, 320, 240), video::NotSrcCopy));
  // Destination pixel (0, 0) takes the source pixel under its centre, (5, 5), inverted.
  EXPECT_EQ(negative.pixel(0, 0), qRgb(255 - 5, 255 - 5, 255 - 9));
  EXPECT_EQ(reader->DrawMode, video::SrcCopy) << "the next paint is a plain copy again";
}

TEST(LoupeModel, SitsInTheTopRightFifthOfTheView) {
  EXPECT_EQ(TLoupeModel::PlaceIn(640, 480), QRect(510, 2, 128, 96));
}

TEST(LoupeModel, ShowsTheCentreEnlargedWithAGappedCrossAndAFrame) {
  QImage display(200, 100, QImage::Format_RGB888);
  for (int y = 0; y < 100; ++y)
    for (int x = 0; x < 200; ++x) display.setPixel(x, y, qRgb(x, y, 50));
  TLoupeModel loupe;
  loupe.Geometry = QRect(0, 0, 60, 30);
  loupe.Centre = TPoint(100, 50);
  EXPECT_EQ(loupe.SourceRect(), QRect(90, 45, 20, 10));
  const QImage picture = loupe.Render(display);
  ASSERT_EQ(picture.size(), QSize(60, 30));
  EXPECT_EQ(picture.pixel(0, 0), qRgb(0, 0, 0));               // the frame
  EXPECT_EQ(picture.pixel(10, 15), qRgb(255, 255, 255));       // the horizontal arm
  EXPECT_EQ(picture.pixel(10, 14), qRgb(0, 0, 0));             // its black edge
  EXPECT_EQ(picture.pixel(30, 15), display.pixel(100, 50));    // the gap shows the centre
  EXPECT_EQ(picture.pixel(6, 4), display.pixel(92, 46));       // 3 times larger
}

TEST(LoupeModel, ClicksZoomWithinLimitsAndTheBorderDrags) {
  TLoupeModel loupe;
  loupe.Geometry = QRect(500, 2, 128, 96);
  EXPECT_FALSE(loupe.Press(TPoint(64, 48), true, TPoint(564, 50)));
  EXPECT_FALSE(loupe.Press(TPoint(64, 48), true, TPoint(564, 50)));
  EXPECT_FALSE(loupe.Press(TPoint(64, 48), true, TPoint(564, 50)));
  EXPECT_FALSE(loupe.Press(TPoint(64, 48), true, TPoint(564, 50)));
  EXPECT_EQ(loupe.LoupeZoom, 600);
  EXPECT_TRUE(loupe.Press(TPoint(3, 48), true, TPoint(503, 50)));
  loupe.DragTo(TPoint(703, 50), 640, 480);
  EXPECT_EQ(loupe.Geometry.left(), 512) << "kept inside the visible area";
  loupe.Follow(TPoint(1, 1));
  EXPECT_EQ(loupe.Centre, TPoint()) << "it does not follow the mouse while dragged";
}

TEST(CursorTable, EveryIndexHasItsNameAndAPicture) {
  EXPECT_EQ(CursorName(1), QStringLiteral("AmortiExpHaut"));
  EXPECT_EQ(CursorName(17), QStringLiteral("Marque0"));
  EXPECT_EQ(CursorName(30), QStringLiteral("Pan"));
  EXPECT_EQ(CursorName(50), QStringLiteral("ZoomY"));
  EXPECT_TRUE(CursorName(51).isEmpty());
  for (int index = 1; index <= CursorCount; ++index) {
    const TCursorImage cursor = CursorImage(index);
    ASSERT_EQ(cursor.Image.size(), QSize(32, 32)) << index;
    int opaque = 0;
    for (int y = 0; y < 32; ++y)
      for (int x = 0; x < 32; ++x) opaque += qAlpha(cursor.Image.pixel(x, y)) > 128 ? 1 : 0;
    EXPECT_GT(opaque, 20) << CursorName(index).toStdString();
    EXPECT_TRUE(QRect(0, 0, 32, 32).contains(cursor.HotSpot));
  }
  EXPECT_TRUE(CursorImage(0).Image.isNull());
  EXPECT_EQ(SystemCursorShape(-22), Qt::SizeAllCursor);
}

}  // namespace
}  // namespace kolibra::videoview::testing
