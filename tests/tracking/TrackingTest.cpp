// The tracker of tracking mode on the video view model with a reader of drawn frames and a
// real document: the checks and their messages, drawing outlines and zones, runs driven by
// the event loop, stopping, failing to start, keeping the positions as marks and undoing
// them, and the geometry it draws.

#include "tracking/support/Printing.h"
#include "tracking/support/Scenes.h"

#include "kit/Locale.h"
#include "kit/MessageBox.h"
#include "measurement/Data.h"
#include "settings/Options.h"
#include "tracking/Tracking.h"
#include "videoview/VideoModel.h"
#include "videoview/support/FakeSurface.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace kolibra::tracking::testing {
namespace {

using videoview::TVideoModel;

constexpr int Frames = 20;

// A blue square moving right by 4 pixels a frame from (100, 120).
TSquare SquareAt(int frame) { return TSquare{TPointD(100 + 4.0 * frame, 120), 16, Blue}; }

class TrackingTest : public ::testing::Test {
 protected:
  TrackingTest() {
    surface.Model = &video;
    auto scene = std::make_unique<TSceneReader>(Frames, W, H, [this](int f) { return Draw(f); });
    reader = scene.get();
    video.SetReader(video::fwVfw, nullptr);
    video.SetReader(video::fwDS, nullptr);
    video.SetReader(video::fwFFMpeg, std::move(scene));
    video.SetDocument(&data);
    video.SetTracker(&tracking);
    video.Resize(2 * W, 2 * H);  // one frame pixel is two view pixels
    tracking.OnTrackStart = [this](TTracking *) { ++starts; };
    tracking.OnTrackEnd = [this](TTracking *) { ++ends; };
  }
  ~TrackingTest() override {
    video.SetTracker(nullptr);
    video.SetDocument(nullptr);
  }

  QImage Draw(int frame) const {
    if (!Standing) return Scene(W, H, {SquareAt(frame)});
    return Scene(W, H, {SquareAt(frame), TSquare{TPointD(60, 60), 16, Red}});
  }
  bool Standing = false;  // a red square standing at (60, 60) too

  // A run from frame 0 to 9 round the square, grey over it (cover, about its centre) on
  // frames first to last.
  bool RunCovered(int first, int last, QRect cover) {
    reader->DrawScene = [=](int f) {
      QImage image = Scene(W, H, {SquareAt(f)});
      if (f >= first && f <= last) {
        const TPointD c = DrawnCentre(SquareAt(f));
        QPainter(&image).fillRect(cover.translated(int(c.X), int(c.Y)), Grey);
      }
      return image;
    };
    Open();
    if (HasFatalFailure()) return false;
    DrawCircle(DrawnCentre(SquareAt(0)), 12);
    tracking.SetSequenceEnd(9);
    tracking.Run();
    return RunToEnd();
  }
  void Open() {
    ASSERT_TRUE(video.Open(dir.filePath(QStringLiteral("scene.avi"))));
    ASSERT_TRUE(video.SetMode(videoview::vmTracking));
  }
  static TPoint View(TPointD framePixel) { return TPoint(int(2 * framePixel.X), int(2 * framePixel.Y)); }
  void Click(TPoint pixel, Qt::MouseButton button = Qt::LeftButton) {
    video.MouseMove(Qt::NoModifier, pixel);
    video.MouseDown(button, Qt::NoModifier, pixel);
    video.MouseUp(button, Qt::NoModifier, pixel);
  }
  // A circle of radius frame pixels round a frame point, drawn with the circle tool.
  void DrawCircle(TPointD centre, int radius) {
    tracking.SetShape(osCircle);
    tracking.SetTool(ttOutline);
    Click(View(centre));
    Click(View(TPointD(centre.X + radius, centre.Y)));
  }
  bool RunToEnd(int timeoutMs = 10000) {
    QElapsedTimer clock;
    clock.start();
    while (tracking.Tracking() && clock.elapsed() < timeoutMs) QCoreApplication::processEvents();
    return !tracking.Tracking();
  }

  ScopedDecimalSeparator separator{QLatin1Char('.')};
  QTemporaryDir dir;
  TScriptedMessageBox boxes;
  videoview::testing::TFakeSurface surface;
  TVideoModel video{surface};
  settings::TOptions options{dir.filePath(QStringLiteral("Kolibra.ini"))};
  measurement::TData data{video, options};
  TTracking tracking{video, data, options};
  TSceneReader *reader = nullptr;
  int starts = 0;
  int ends = 0;
};

TEST_F(TrackingTest, OutlinesAreDrawnByDraggingAsByClicking) {
  Open();
  const auto drag = [this](std::initializer_list<TPoint> path) {
    const TPoint *p = path.begin();
    video.MouseMove(Qt::NoModifier, *p);
    video.MouseDown(Qt::LeftButton, Qt::NoModifier, *p);
    for (++p; p != path.end(); ++p) video.MouseMove(Qt::NoModifier, *p);
    video.MouseUp(Qt::LeftButton, Qt::NoModifier, *(path.end() - 1));
  };
  // A circle: pressed at the centre, released on the edge 24 view pixels to the right.
  tracking.SetShape(osCircle);
  tracking.SetTool(ttOutline);
  drag({TPoint(200, 200), TPoint(210, 200), TPoint(224, 200)});
  ASSERT_TRUE(tracking.Current().HasOutline);
  EXPECT_EQ(tracking.DrawState(), dsIdle);
  int right = 0;
  for (const TPoint &p : tracking.Current().OutlineScreen) right = std::max(right, p.X);
  EXPECT_EQ(right, 224);

  // A release 2 pixels from the press is a click: the circle waits for its edge.
  tracking.SetTool(ttOutline);
  Click(TPoint(10, 10), Qt::RightButton);
  ASSERT_FALSE(tracking.Current().HasOutline);
  drag({TPoint(200, 200), TPoint(202, 201)});
  EXPECT_FALSE(tracking.Current().HasOutline);
  EXPECT_EQ(tracking.DrawState(), dsOutline);
  Click(TPoint(230, 200));
  EXPECT_TRUE(tracking.Current().HasOutline);

  // A free outline: the path of the drag, ended where the button comes up.
  tracking.SetShape(osFree);
  drag({TPoint(100, 100), TPoint(140, 100), TPoint(140, 140), TPoint(100, 140)});
  ASSERT_TRUE(tracking.Current().HasOutline);
  EXPECT_EQ(tracking.Current().OutlineScreen.size(), 4u);
  EXPECT_EQ(tracking.Current().OutlineScreen.back(), TPoint(100, 140));

  // A polygon: each dragged side adds its far corner; Escape closes it.
  tracking.SetShape(osPolygon);
  Click(TPoint(10, 10), Qt::RightButton);
  drag({TPoint(300, 100), TPoint(340, 100)});
  drag({TPoint(340, 100), TPoint(320, 140)});
  EXPECT_EQ(tracking.DrawState(), dsOutline);
  EXPECT_TRUE(tracking.KeyDown(Qt::Key_Escape, Qt::NoModifier));
  ASSERT_TRUE(tracking.Current().HasOutline);
  const TPointDynArray corners{TPoint(300, 100), TPoint(340, 100), TPoint(320, 140)};
  EXPECT_EQ(tracking.Current().OutlineScreen, corners);
}

TEST_F(TrackingTest, TheChecksSayWhatIsMissing) {
  EXPECT_FALSE(tracking.CheckStart());
  EXPECT_EQ(boxes.Last().Text(), QStringLiteral("First open a video file"));
  Open();
  EXPECT_FALSE(tracking.CheckStart());
  EXPECT_EQ(boxes.Last().Text(), QStringLiteral("First draw the outline of the target object"));
  EXPECT_FALSE(tracking.CheckSequence());
  EXPECT_EQ(boxes.Last().Icon, icInformation);
  // An outline on the last frame: nothing to track.
  video.GoToVideoFrame(Frames - 1);
  DrawCircle(DrawnCentre(SquareAt(Frames - 1)), 12);
  ASSERT_TRUE(tracking.Current().HasOutline);
  EXPECT_EQ(tracking.Current().StartFrame, Frames - 1);
  EXPECT_FALSE(tracking.CheckStart());
  EXPECT_EQ(boxes.Last().Text(), QStringLiteral("The sequence starts with the last frame of the video (tracking not necessary)"));
  EXPECT_FALSE(tracking.CheckSequence());
  EXPECT_EQ(boxes.Last().Icon, icWarning);
  EXPECT_EQ(starts, 0);
}

TEST_F(TrackingTest, RadiusAndOptions) {
  const struct {
    int Asked, Kept;
  } rows[] = {{5, 10}, {500, 100}, {55, 55}};
  for (const auto &row : rows) {
    tracking.SetRadius(row.Asked);
    EXPECT_EQ(tracking.Radius(), row.Kept);
  }
  // Other options change: the radius from the menu stays; the radius option changes: it goes.
  options.ShapeNumber_Value = 1;
  tracking.ApplyOptions();
  EXPECT_EQ(tracking.Radius(), 55);
  EXPECT_EQ(tracking.Shape(), osPolygon);
  options.TrackingRadius_Value = 30;
  tracking.ApplyOptions();
  EXPECT_EQ(tracking.Radius(), 30);
  options.ShapeNumber_Value = 2;
  options.CheckBox52ShowRadiusSearch_Checked = false;
  tracking.ApplyOptions();
  EXPECT_EQ(tracking.Shape(), osFree);
  EXPECT_FALSE(tracking.ShowSearchZone());
}

TEST_F(TrackingTest, OutlinesAndZonesNeedEnoughPoints) {
  Open();
  tracking.SetShape(osPolygon);
  tracking.SetTool(ttOutline);
  // Three clicks but two distinct points: no outline.
  Click(TPoint(100, 100));
  Click(TPoint(140, 100));
  video.MouseDoubleClick(Qt::LeftButton, Qt::NoModifier, TPoint(140, 100));
  EXPECT_FALSE(tracking.Current().HasOutline);
  // A third vertex, double-clicked: kept with it.
  video.MouseDoubleClick(Qt::LeftButton, Qt::NoModifier, TPoint(120, 140));
  ASSERT_TRUE(tracking.Current().HasOutline);
  EXPECT_EQ(tracking.Current().Outline.size(), 3u);
  EXPECT_DOUBLE_EQ(tracking.Current().Outline.back().X, 120.0 / (2 * W));
  EXPECT_EQ(tracking.DrawState(), dsIdle);

  tracking.SetTool(ttZone);
  Click(TPoint(300, 300));
  video.MouseDoubleClick(Qt::LeftButton, Qt::NoModifier, TPoint(340, 300));
  EXPECT_EQ(tracking.ZoneCount(), 0) << "a zone of two points is not kept";
  Click(TPoint(300, 300));
  Click(TPoint(340, 300));
  Click(TPoint(340, 340));
  EXPECT_TRUE(tracking.KeyDown(Qt::Key_Escape, Qt::NoModifier));
  ASSERT_EQ(tracking.ZoneCount(), 1);
  EXPECT_EQ(tracking.Current().Zones[0].size(), 4u) << "closed by its first point";
  Click(TPoint(10, 10), Qt::RightButton);
  EXPECT_EQ(tracking.ZoneCount(), 0);

  // The right button of the outline tool erases the outline, not the earlier results.
  tracking.SetTool(ttOutline);
  Click(TPoint(10, 10), Qt::RightButton);
  EXPECT_FALSE(tracking.Current().HasOutline);
  EXPECT_EQ(tracking.Current().StartFrame, -1);
}

TEST_F(TrackingTest, ARunFollowsTheSquareFrameByFrame) {
  Open();
  video.GoToVideoFrame(2);
  DrawCircle(DrawnCentre(SquareAt(2)), 12);
  data.SetFramesNumberBetweenTwoMarks(3);
  tracking.SetSequenceEnd(15);
  ASSERT_TRUE(tracking.CheckStart());
  tracking.Run();
  EXPECT_TRUE(tracking.Tracking());
  EXPECT_EQ(tracking.CursorCode(), tcDetection);
  // Tools ignore the mouse meanwhile.
  Click(TPoint(10, 10), Qt::RightButton);
  EXPECT_TRUE(tracking.Current().HasOutline);
  ASSERT_TRUE(RunToEnd());
  EXPECT_EQ(starts, 1);
  EXPECT_EQ(ends, 1);
  const TTrackObject &object = tracking.Current();
  TIntegerDynArray found;
  for (size_t f = 0; f < object.TrackFrame.size(); ++f) {
    if (object.TrackFrame[f] < 0) continue;
    found.push_back(int(f));
    const TPointD truth = CornerCentre(SquareAt(int(f)));
    EXPECT_NEAR(object.TrackPos[f].X * W, truth.X, 1.0) << f;
    EXPECT_NEAR(object.TrackPos[f].Y * H, truth.Y, 1.0) << f;
  }
  EXPECT_EQ(found, (TIntegerDynArray{2, 5, 8, 11, 14}));
  EXPECT_EQ(video.CurrentFrame(), 14);
  EXPECT_TRUE(tracking.UncertainFrames().empty());
  EXPECT_EQ(tracking.ResultCount(), 5);
}

TEST_F(TrackingTest, ASecondRunStopsAndKeepsWhatWasFound) {
  Open();
  DrawCircle(DrawnCentre(SquareAt(0)), 12);
  ASSERT_TRUE(tracking.CheckStart());
  tracking.Run();
  QCoreApplication::processEvents();
  QCoreApplication::processEvents();
  tracking.Run();
  EXPECT_FALSE(tracking.Tracking());
  EXPECT_EQ(ends, 1);
  const int found = tracking.ResultCount();
  EXPECT_GE(found, 1);
  EXPECT_LT(found, Frames);
  for (int i = 0; i < 5; ++i) QCoreApplication::processEvents();
  EXPECT_EQ(tracking.ResultCount(), found);
}

TEST_F(TrackingTest, ARunThatCannotStartEndsOnceAndSaysWhy) {
  Open();
  DrawCircle(DrawnCentre(SquareAt(0)), 12);
  reader->Unreadable = {0};
  tracking.Run();
  EXPECT_FALSE(tracking.Tracking());
  EXPECT_EQ(starts, 1);
  EXPECT_EQ(ends, 1);
  EXPECT_EQ(boxes.Last().Text(), QStringLiteral("The first frame of the sequence cannot be read."));
  // The tools work again.
  tracking.SetTool(ttOutline);
  Click(TPoint(10, 10), Qt::RightButton);
  EXPECT_FALSE(tracking.Current().HasOutline);
}

TEST_F(TrackingTest, LeavingTheModeOffersToKeepThePositionsAsMarks) {
  Open();
  DrawCircle(DrawnCentre(SquareAt(0)), 12);
  tracking.SetSequenceEnd(9);
  tracking.Run();
  ASSERT_TRUE(RunToEnd());
  const int before = boxes.Count();
  // "Ignore": the document keeps its marks (none).
  boxes.Answer(0);
  ASSERT_TRUE(video.SetMode(videoview::vmRepereFixe));
  ASSERT_EQ(boxes.Count(), before + 1);
  EXPECT_EQ(boxes.Last().Buttons, (QStringList{QStringLiteral("Ignore"), QStringLiteral("Save")}));
  EXPECT_TRUE(boxes.Last().Text().startsWith(QStringLiteral(
      "An automatic tracking has been done.\nDo you want to keep the data ?\nThe new marks will replace any already present ones")));
  EXPECT_EQ(data.MarksCount(), 0);

  // Again, "Save": ten marks at the square's positions, undone in one step.
  ASSERT_TRUE(video.SetMode(videoview::vmTracking));
  video.GoToVideoFrame(0);
  DrawCircle(DrawnCentre(SquareAt(0)), 12);
  tracking.SetSequenceEnd(9);
  tracking.Run();
  ASSERT_TRUE(RunToEnd());
  boxes.Answer(1);
  ASSERT_TRUE(video.SetMode(videoview::vmRepereFixe));
  ASSERT_EQ(data.MarksCount(), 10);
  for (int f = 0; f < 10; ++f) {
    const measurement::TContainer *container = data.FixedMarks().FindContainer(f);
    ASSERT_NE(container, nullptr) << f;
    const TPointD p = container->FindMark(0)->GetAbsolutePosition();
    EXPECT_NEAR(p.X * W, CornerCentre(SquareAt(f)).X, 1.0) << f;
    EXPECT_EQ(container->MarksContainerMarkNumber, f);
  }
  EXPECT_EQ(data.UndoCaption(), QStringLiteral("Cancel Set Mark"));
  data.Undo();
  EXPECT_EQ(data.MarksCount(), 0);
}

TEST_F(TrackingTest, UncertainFramesAreListedBeforeKeeping) {
  // On frames 4 and 5 the square is mostly covered by grey.
  ASSERT_TRUE(RunCovered(4, 5, QRect(-8, -8, 16, 12)));
  EXPECT_EQ(tracking.UncertainFrames(), (TIntegerDynArray{4, 5}));
  boxes.Answer(0);
  tracking.Commit();
  EXPECT_TRUE(boxes.Last().Text().endsWith(QStringLiteral("Uncertain positions of point n°1, to check (frames): 5, 6")))
      << boxes.Last().Text().toStdString();
  EXPECT_FALSE(boxes.Last().Text().contains(QStringLiteral("lost"))) << boxes.Last().Text().toStdString();
  // Offered once: a second commit asks nothing.
  const int asked = boxes.Count();
  tracking.Commit();
  EXPECT_EQ(boxes.Count(), asked);
}

TEST_F(TrackingTest, LostFramesAreListedBeforeKeeping) {
  // On frames 4 to 6 the square is hidden.
  ASSERT_TRUE(RunCovered(4, 6, QRect(-12, -12, 24, 24)));
  EXPECT_EQ(tracking.Summary().Lost, 3);
  boxes.Answer(0);
  tracking.Commit();
  EXPECT_TRUE(boxes.Last().Text().endsWith(QStringLiteral("Lost positions of point n°1, no mark there (frames): 5, 6, 7")))
      << boxes.Last().Text().toStdString();
}

TEST_F(TrackingTest, OneRunFollowsEveryObjectOutlinedOnTheSameFrame) {
  Standing = true;
  Open();
  data.SetObjectsCount(3);
  tracking.ObjectsChanged();
  DrawCircle(DrawnCentre(SquareAt(0)), 12);
  tracking.SetObject(1);
  DrawCircle(TPointD(60, 60), 12);
  // The third object is outlined on another frame: it waits for a run of its own.
  video.GoToVideoFrame(2);
  tracking.SetObject(2);
  DrawCircle(DrawnCentre(SquareAt(2)), 12);
  video.GoToVideoFrame(0);
  tracking.SetObject(0);
  tracking.SetSequenceEnd(5);
  tracking.Run();
  ASSERT_TRUE(RunToEnd());
  EXPECT_EQ(tracking.Object(0).ResultCount(), 6);
  EXPECT_EQ(tracking.Object(1).ResultCount(), 6);
  EXPECT_EQ(tracking.Object(2).ResultCount(), 0);
  for (int f = 0; f <= 5; ++f) {
    EXPECT_NEAR(tracking.Object(0).TrackPos[size_t(f)].X * W, CornerCentre(SquareAt(f)).X, 1.0) << f;
    EXPECT_NEAR(tracking.Object(1).TrackPos[size_t(f)].X * W, 60.5, 1.0) << f;
    EXPECT_NEAR(tracking.Object(1).TrackPos[size_t(f)].Y * H, 60.5, 1.0) << f;
  }
}

TEST_F(TrackingTest, TablesFollowTheObjectsAndTheEraseCommands) {
  Open();
  data.SetObjectsCount(3);
  tracking.ObjectsChanged();
  EXPECT_EQ(tracking.ObjectCount(), 3);
  tracking.SetObject(7);
  EXPECT_EQ(tracking.CurrentObject(), 2);
  DrawCircle(DrawnCentre(SquareAt(0)), 12);
  tracking.SetSequenceEnd(3);
  tracking.Run();
  ASSERT_TRUE(RunToEnd());
  EXPECT_EQ(tracking.ResultCount(), 4);
  EXPECT_EQ(tracking.ResultCount(true), 4);
  EXPECT_EQ(tracking.Object(0).ResultCount(), 0);
  tracking.EraseTrack();
  EXPECT_EQ(tracking.ResultCount(), 0);
  EXPECT_TRUE(tracking.Current().HasOutline);
  EXPECT_EQ(video.CurrentFrame(), 0) << "back to the start frame";
  data.SetObjectsCount(1);
  tracking.ObjectsChanged();
  EXPECT_EQ(tracking.CurrentObject(), 0);
  tracking.EraseAll();
  EXPECT_EQ(tracking.OutlineCount(true), 0);
}

TEST_F(TrackingTest, TheSearchCircleIsComputedWithoutOverflow) {
  // 201 x 100,000 x 800 does not fit 32 bits.
  EXPECT_EQ(TTracking::SearchCircleRadius(201, 100000, 800, 640), 125625);
  EXPECT_EQ(TTracking::SearchCircleRadius(81, 640, 100, 320), 81);
  EXPECT_EQ(TTracking::SearchCircleRadius(81, 640, 100, 0), 0);
  Open();
  DrawCircle(DrawnCentre(SquareAt(0)), 12);
  // Radius 40: side 81 at twice the frame's scale.
  EXPECT_EQ(tracking.SearchCircleRadius(), 81);
}

TEST_F(TrackingTest, TheViewShowsOutlineSearchZoneAndPositions) {
  Open();
  DrawCircle(DrawnCentre(SquareAt(0)), 12);
  tracking.SetSequenceEnd(5);
  tracking.Run();
  ASSERT_TRUE(RunToEnd());
  video.GoToVideoFrame(5);
  ASSERT_TRUE(video.PaintDisplay());
  const QImage &shown = video.DisplayBitmap();
  const QColor colour = data.ObjectColor(0).ToQColor();
  // A filled square on the position of frame 3, in the object's colour.
  const TPoint p3 = View(DrawnCentre(SquareAt(3)));
  EXPECT_EQ(shown.pixelColor(p3.X, p3.Y), colour);
  // The outline ring round the start position, 24 view pixels off its centre.
  const TPoint c = View(DrawnCentre(SquareAt(0)));
  EXPECT_EQ(shown.pixelColor(c.X + 24, c.Y), colour);
}

}  // namespace
}  // namespace kolibra::tracking::testing
