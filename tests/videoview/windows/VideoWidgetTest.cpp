// The video view's widget offscreen: what reaches the screen, the scroll bars, the mouse,
// the cursor pictures, the magnifier and playback on the real timer.

#include "videoview/support/StubReader.h"
#include "support/WaitFor.h"

#include "kit/Locale.h"
#include "kit/MessageBox.h"
#include "kit/StrayClicks.h"
#include "measurement/Data.h"
#include "settings/Options.h"
#include "videoview/CursorImages.h"
#include "videoview/windows/Loupe.h"
#include "videoview/windows/Video.h"

#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace kolibra::videoview::testing {
namespace {

class VideoWidgetTest : public ::testing::Test {
 protected:
  VideoWidgetTest() {
    window.resize(640, 480);
    video = new TVideo(&window);
    auto stub = std::make_unique<TStubReader>(20, 320, 240, 25.0);
    reader = stub.get();
    model().SetReader(video::fwVfw, nullptr);
    model().SetReader(video::fwDS, nullptr);
    model().SetReader(video::fwFFMpeg, std::move(stub));
    data = std::make_unique<measurement::TData>(model(), options);
    model().SetDocument(data.get());
    video->setGeometry(0, 0, 640, 480);
    window.show();
    EXPECT_TRUE(model().Open(dir.filePath(QStringLiteral("clip.mp4"))));
    video->show();  // as the main window does once it has laid the view out
  }
  ~VideoWidgetTest() override { model().SetDocument(nullptr); }

  TVideoModel &model() { return video->Model(); }
  QImage Screen() { return video->grab().toImage().convertToFormat(QImage::Format_RGB888); }

  ScopedDecimalSeparator separator{QLatin1Char('.')};
  QTemporaryDir dir;
  settings::TOptions options{dir.filePath(QStringLiteral("Kolibra.ini"))};
  TScriptedMessageBox boxes;
  QWidget window;
  TVideo *video = nullptr;
  TStubReader *reader = nullptr;
  std::unique_ptr<measurement::TData> data;
};

TEST_F(VideoWidgetTest, TheScreenShowsTheBackBuffer) {
  model().GoTo(5);
  const QImage screen = Screen();
  EXPECT_EQ(screen.pixel(2 * 100, 2 * 60), TStubReader::PixelOf(100, 60, 5));
  EXPECT_EQ(screen.pixel(639, 0), TStubReader::PixelOf(319, 0, 5));
}

TEST_F(VideoWidgetTest, ZoomingShowsScrollBarsThatMoveTheSource) {
  model().SetTool(vtZoom);
  QTest::mouseClick(video, Qt::LeftButton, Qt::NoModifier, QPoint(320, 240));
  EXPECT_EQ(model().Zoom().Factor, 200);
  QScrollBar *bar = video->HorzScrollBar();
  ASSERT_TRUE(bar->isVisible());
  EXPECT_EQ(bar->pageStep(), model().Geometry().BitmapWidth());
  EXPECT_EQ(bar->maximum(), 2 * model().Geometry().BitmapWidth() - model().Geometry().BitmapWidth());
  EXPECT_EQ(bar->value(), model().Geometry().Horizontal().Position);
  bar->setValue(0);
  EXPECT_EQ(model().Geometry().Source().left(), 0);
  bar->setValue(bar->maximum());
  EXPECT_EQ(model().Geometry().Source().right(), 319);

  model().ResetZoom();
  EXPECT_FALSE(bar->isVisible());
  EXPECT_FALSE(video->VertScrollBar()->isVisible());
}

TEST_F(VideoWidgetTest, AMouseClickPointsAMarkWhereItFalls) {
  QTest::mouseMove(video, QPoint(200, 100));
  QTest::mouseClick(video, Qt::LeftButton, Qt::NoModifier, QPoint(200, 100));
  ASSERT_EQ(data->MarksCount(), 1);
  EXPECT_EQ(data->FixedMarks().LastMark()->Pixel(), TPoint(200, 100));
  EXPECT_EQ(model().CurrentFrame(), 1);
}

// The welcome box closed by itself as the user clicked its "Ok": the click is no mark; the
// next one, meant for the video, is.
TEST_F(VideoWidgetTest, AClickAimedAtABoxThatClosedByItselfPlacesNoMark) {
  StrayClicks().BoxClosedByItself(QRect(), MonotonicMs());
  QTest::mouseMove(video, QPoint(200, 100));
  QTest::mouseClick(video, Qt::LeftButton, Qt::NoModifier, QPoint(200, 100));
  EXPECT_EQ(data->MarksCount(), 0);
  EXPECT_EQ(model().CurrentFrame(), 0);
  StrayClicks().BoxClosedByItself(QRect(), MonotonicMs() - StrayClickMs);
  QTest::mouseClick(video, Qt::LeftButton, Qt::NoModifier, QPoint(200, 100));
  EXPECT_EQ(data->MarksCount(), 1);
}

TEST_F(VideoWidgetTest, CursorsComeFromTheProgramsOwnPictures) {
  model().UpdateCursor();
  EXPECT_EQ(video->cursor().shape(), Qt::BitmapCursor);
  EXPECT_EQ(video->cursor().hotSpot(), CursorImage(crMarque).HotSpot);
  video->ApplyCursor(crDefault);
  EXPECT_EQ(video->cursor().shape(), Qt::ArrowCursor);
  video->ApplyCursor(crSizeNS);
  EXPECT_EQ(video->cursor().shape(), Qt::SizeVerCursor);
  EXPECT_EQ(video->HorzScrollBar()->cursor().shape(), Qt::ArrowCursor);
}

TEST_F(VideoWidgetTest, PlaybackRunsOnAPreciseTimerAndPaintsEachFrame) {
  std::vector<int> painted;
  model().OnAfterPaint = [&](TVideoModel *) { painted.push_back(model().CurrentFrame()); };
  model().Play(2, 5);
  EXPECT_TRUE(video->PlaybackTimer().isActive());
  EXPECT_EQ(video->PlaybackTimer().timerType(), Qt::PreciseTimer);
  EXPECT_EQ(video->PlaybackTimer().interval(), 40);
  ASSERT_TRUE(kolibra::testing::WaitFor([&] { return !model().Playing(); }, 2000));
  EXPECT_FALSE(video->PlaybackTimer().isActive());
  EXPECT_EQ(model().CurrentFrame(), 5);
  ASSERT_GE(painted.size(), 3u);
  EXPECT_EQ(std::vector<int>(painted.end() - 3, painted.end()), (std::vector<int>{3, 4, 5}));
}

TEST_F(VideoWidgetTest, TheMagnifierFollowsTheMouseAndShowsTheBuffer) {
  model().SetLoupeVisible(true);
  TLoupe *loupe = video->Loupe();
  ASSERT_TRUE(loupe->isVisible());
  EXPECT_EQ(loupe->geometry(), QRect(510, 2, 128, 96));
  QTest::mouseMove(video, QPoint(100, 80));
  EXPECT_EQ(model().Loupe().Centre, TPoint(100, 80));
  const QImage picture = loupe->grab().toImage().convertToFormat(QImage::Format_RGB888);
  // Inside the gap of the cross, the magnifier shows the view's pixel under the mouse.
  EXPECT_EQ(picture.pixel(64, 48), Screen().pixel(100, 80));
  QTest::mouseClick(loupe, Qt::LeftButton, Qt::NoModifier, QPoint(64, 48));
  EXPECT_EQ(model().Loupe().LoupeZoom, 400);
}

TEST_F(VideoWidgetTest, ArrowKeysMoveThePointerForThePreciseMark) {
  QTest::mouseMove(video, QPoint(100, 100));
  QTest::keyClick(video, Qt::Key_Right, Qt::ControlModifier);
  QTest::keyClick(video, Qt::Key_Up);
  EXPECT_EQ(video->PointerPosition(), TPoint(110, 99));
  EXPECT_TRUE(data->KeyDown(Qt::Key_Return, Qt::NoModifier));
  ASSERT_EQ(data->MarksCount(), 1);
  EXPECT_EQ(data->FixedMarks().LastMark()->Pixel(), TPoint(110, 99));
}

}  // namespace
}  // namespace kolibra::videoview::testing
