// The main window's rules for tracking mode, without a window: the buttons and their
// states, the play and pause buttons running the tracker, the busy state a run holds while
// the user changes mode, opens a video or closes, and the tracking menus' commands. Also
// the busy state itself.

#include "mainwindow/support/ControllerFixture.h"
#include "tracking/support/Scenes.h"

#include "mainwindow/BusyState.h"
#include "mainwindow/MainControllerTracking.h"
#include "tracking/Tracking.h"

#include <QCoreApplication>
#include <QElapsedTimer>

namespace kolibra::mainwindow::testing {
namespace {

using namespace videoview;
using tracking::TTracking;

TEST(BusyStateTest, ActionsWaitForTheActivityOrAreRefused) {
  TBusyState busy;
  QStringList log;
  busy.OnChange = [&] { log << (busy.IsBusy() ? QStringLiteral("busy") : QStringLiteral("idle")); };
  EXPECT_TRUE(busy.Request([&] { log << QStringLiteral("now"); }));
  // An activity that cannot be stopped refuses.
  ASSERT_TRUE(busy.Begin(QStringLiteral("writing")));
  EXPECT_FALSE(busy.Begin(QStringLiteral("another")));
  EXPECT_FALSE(busy.Request([&] { log << QStringLiteral("refused"); }));
  busy.End();
  // One that stops later runs the actions, in order, when it ends.
  ASSERT_TRUE(busy.Begin(QStringLiteral("capture"), [&] { log << QStringLiteral("stop"); }));
  EXPECT_TRUE(busy.Request([&] { log << QStringLiteral("first"); }));
  EXPECT_TRUE(busy.Request([&] { log << QStringLiteral("second"); }));
  busy.End();
  // One that stops at once runs the action within the request.
  ASSERT_TRUE(busy.Begin(QStringLiteral("tracking"), [&] { busy.End(); }));
  EXPECT_TRUE(busy.Request([&] { log << QStringLiteral("after"); }));
  EXPECT_FALSE(busy.IsBusy());
  EXPECT_EQ(log, (QStringList{"now", "busy", "idle", "busy", "stop", "stop", "idle", "first", "second", "busy", "idle",
                              "after"}));
}

class MainTrackingTest : public ControllerFixture {
 protected:
  MainTrackingTest() {
    auto scene = std::make_unique<tracking::testing::TSceneReader>(
        20, 320, 240, [](int f) { return tracking::testing::Scene(320, 240, {Square(f)}); });
    video.SetReader(video::fwFFMpeg, std::move(scene));
    video.SetTracker(&tracker);
    controller.SetTracker(&tracker);
    Open();
  }
  ~MainTrackingTest() override {
    controller.SetTracker(nullptr);
    video.SetTracker(nullptr);
  }
  static tracking::testing::TSquare Square(int f) {
    return tracking::testing::TSquare{TPointD(100 + 3.0 * f, 120), 16, tracking::testing::Blue};
  }
  // The view is 640 x 480 over a 320 x 240 frame: a circle round the square of the frame.
  void DrawOutline() {
    const TPointD c = tracking::testing::DrawnCentre(Square(video.CurrentFrame()));
    ClickView(TPoint(int(2 * c.X), int(2 * c.Y)));
    ClickView(TPoint(int(2 * c.X) + 24, int(2 * c.Y)));
    ASSERT_TRUE(tracker.Current().HasOutline);
  }
  bool WaitForEnd() {
    QElapsedTimer clock;
    clock.start();
    while (tracker.Tracking() && clock.elapsed() < 10000) QCoreApplication::processEvents();
    return !tracker.Tracking();
  }

  TTracking tracker{video, data, options};
};

TEST_F(MainTrackingTest, TrackingModeShowsItsToolsWithTheOutlineToolReady) {
  Click(ButtonModeTracking);
  ASSERT_EQ(video.Mode(), vmTracking);
  EXPECT_TRUE(State(ButtonModeTracking).Down);
  EXPECT_TRUE(State(ButtonTrackContour).Down);
  EXPECT_EQ(tracker.Tool(), tracking::ttOutline);
  EXPECT_EQ(controller.ViewHint(),
            QStringLiteral("|1st left-click = center of the circle; 2nd left-click = end; right-click = erase"));
  for (TControl c : {ButtonTrackContour, ButtonTrackBanZone, ButtonTrackEffacerContour, ButtonTrackEffacerBanZone,
                     ButtonTrackEffacerTrack})
    EXPECT_TRUE(State(c).Visible) << ControlName(c).toStdString();
  // One object: the play button runs the tracker, its own buttons stay hidden.
  for (TControl c : {ButtonTrackNumMarque, ButtonTrackSequence, ButtonTrackSuivi})
    EXPECT_FALSE(State(c).Visible) << ControlName(c).toStdString();
  EXPECT_FALSE(State(ButtonOutilMarque).Visible);
  EXPECT_FALSE(State(EditMarque).Enabled);
  // Nothing to erase yet.
  EXPECT_FALSE(State(ButtonTrackEffacerContour).Enabled);

  Click(ButtonTrackBanZone);
  EXPECT_TRUE(State(ButtonTrackBanZone).Down);
  EXPECT_FALSE(State(ButtonTrackContour).Down);
  EXPECT_EQ(controller.ViewHint(),
            QStringLiteral("|Left-click = add a vertex to the polygon; double left-click = end; right-click = erase"));
  controller.Tracking()->SetShape(tracking::osFree);
  Click(ButtonTrackContour);
  EXPECT_EQ(controller.ViewHint(),
            QStringLiteral("|1st left-click = begin the course; 2nd left-click = end; right-click = erase"));
}

TEST_F(MainTrackingTest, PlayRunsTheTrackerAndPauseStopsIt) {
  Click(ButtonModeTracking);
  // Without an outline the play button says so and runs nothing.
  Click(ButtonVideoLecture);
  EXPECT_EQ(boxes.Last().Text(), QStringLiteral("First draw the outline of the target object"));
  EXPECT_FALSE(video.Playing());
  DrawOutline();
  video.Repaint();
  EXPECT_TRUE(State(ButtonTrackEffacerContour).Enabled);

  Click(ButtonVideoLecture);
  ASSERT_TRUE(tracker.Tracking());
  EXPECT_TRUE(controller.Busy().IsBusy());
  EXPECT_FALSE(video.Playing()) << "the button ran the tracker, not playback";
  EXPECT_TRUE(State(ButtonVideoPause).Enabled);
  EXPECT_TRUE(State(ButtonVideoLecture).Enabled);
  for (TControl c : {ButtonVideoSucc, ButtonVideoRetour, ButtonTrackContour, ButtonTrackEffacerContour, EditImage})
    EXPECT_FALSE(State(c).Enabled) << ControlName(c).toStdString();
  QCoreApplication::processEvents();
  Click(ButtonVideoPause);
  EXPECT_FALSE(tracker.Tracking());
  EXPECT_FALSE(controller.Busy().IsBusy());
  EXPECT_TRUE(State(ButtonVideoSucc).Enabled);
  EXPECT_TRUE(State(ButtonTrackContour).Enabled);
  const int kept = tracker.ResultCount();
  EXPECT_GE(kept, 1);

  // Play again: a new run to the last frame, which ends by itself.
  video.GoToVideoFrame(0);
  Click(ButtonVideoLecture);
  ASSERT_TRUE(WaitForEnd());
  EXPECT_EQ(tracker.ResultCount(), 20);
  EXPECT_EQ(tracker.SequenceEnd(), 19);
  // The end of the run is told, with what it found and how to keep it.
  const TTracking::TRunSummary summary = tracker.Summary();
  EXPECT_EQ(summary.Found + summary.Uncertain, 20);
  EXPECT_EQ(summary.Lost, 0);
  EXPECT_EQ(controller.ViewHint(), QStringLiteral("|Tracking ended: %1 frames found, %2 uncertain, 0 lost. Leave the "
                                                  "tracking mode to keep the positions as marks.")
                                       .arg(summary.Found)
                                       .arg(summary.Uncertain));
  EXPECT_TRUE(State(ButtonTrackEffacerTrack).Enabled);
  Click(ButtonTrackEffacerTrack);
  EXPECT_EQ(tracker.ResultCount(), 0);
}

TEST_F(MainTrackingTest, SeveralObjectsUseTheTrackersOwnButtons) {
  Click(ButtonModeTracking);
  controller.MenuCommand(MenuMesuresNbMarqueDeux);
  EXPECT_EQ(data.ObjectsCount(), 2);
  EXPECT_EQ(tracker.ObjectCount(), 2);
  for (TControl c : {ButtonTrackNumMarque, ButtonTrackSequence, ButtonTrackSuivi}) EXPECT_TRUE(State(c).Visible);

  dialogs.Answer(2);  // object 2, as an index
  Click(ButtonTrackNumMarque);
  ASSERT_EQ(dialogs.Asked.back().Kind, settings::tsNumOrdre);
  EXPECT_EQ(dialogs.Asked.back().Context.ObjectCount, 2);
  EXPECT_EQ(tracker.CurrentObject(), 1);

  video.GoToVideoFrame(4);
  DrawOutline();
  dialogs.Answer(9);
  Click(ButtonTrackSequence);
  ASSERT_EQ(dialogs.Asked.back().Kind, settings::tsLastImg);
  EXPECT_EQ(dialogs.Asked.back().Context.TrackerFirstFrame, 4);
  EXPECT_EQ(dialogs.Asked.back().Context.TrackerLastFrame, 19);
  ASSERT_TRUE(tracker.Tracking());
  EXPECT_TRUE(State(ButtonTrackSuivi).Enabled) << "start/stop stays enabled during a run";
  ASSERT_TRUE(WaitForEnd());
  EXPECT_EQ(tracker.ResultCount(), 6);  // frames 4 to 9
  EXPECT_EQ(tracker.Object(0).ResultCount(), 0);

  // Play plays with several objects.
  Click(ButtonVideoLecture);
  EXPECT_TRUE(video.Playing());
  EXPECT_FALSE(tracker.Tracking());
  Click(ButtonVideoPause);
  EXPECT_FALSE(video.Playing());
}

TEST_F(MainTrackingTest, ChangingModeDuringARunStopsItThenOffersTheMarks) {
  Click(ButtonModeTracking);
  DrawOutline();
  Click(ButtonVideoLecture);
  ASSERT_TRUE(tracker.Tracking());
  QCoreApplication::processEvents();
  boxes.Answer(1);  // "Save"
  Click(ButtonModeRepereFixe);
  EXPECT_FALSE(tracker.Tracking());
  EXPECT_FALSE(controller.Busy().IsBusy());
  EXPECT_EQ(video.Mode(), vmRepereFixe);
  EXPECT_TRUE(State(ButtonModeRepereFixe).Down);
  EXPECT_FALSE(State(ButtonModeTracking).Down);
  EXPECT_EQ(boxes.Last().Buttons, (QStringList{QStringLiteral("Ignore"), QStringLiteral("Save")}));
  EXPECT_EQ(boxes.Last().DefaultButton, 1) << "Enter keeps the run";
  EXPECT_GE(data.MarksCount(), 1);
  EXPECT_EQ(Box(EditMarque), QStringLiteral(" %1").arg(data.MarksCount()));
}

TEST_F(MainTrackingTest, ClosingOrOpeningStopsTheRunAndOffersTheMarksFirst) {
  options.CheckBox3ConfirmationQuit_Checked = false;
  options.CheckBox4ConfirmationFileChange_Checked = false;
  Click(ButtonModeTracking);
  DrawOutline();
  Click(ButtonVideoLecture);
  QCoreApplication::processEvents();
  boxes.Answer(0);  // "Ignore"
  const int before = boxes.Count();
  EXPECT_TRUE(controller.CloseRequested());
  EXPECT_FALSE(tracker.Tracking());
  EXPECT_EQ(boxes.Count(), before + 1);
  EXPECT_TRUE(boxes.Last().Text().startsWith(QStringLiteral("An automatic tracking has been done.")));
  EXPECT_EQ(data.MarksCount(), 0);

  // Opening another video in the middle of a run: the same.
  video.GoToVideoFrame(0);
  Click(ButtonVideoLecture);
  QCoreApplication::processEvents();
  ASSERT_TRUE(tracker.Tracking());
  boxes.Answer(1);  // "Save"
  EXPECT_TRUE(controller.OpenVideo(File(QStringLiteral("other.mp4"))));
  EXPECT_FALSE(tracker.Tracking());
  EXPECT_EQ(video.Mode(), vmRepereFixe);
  EXPECT_EQ(boxes.Count(), before + 2) << "offered once, before the new video";
  EXPECT_EQ(data.MarksCount(), 0) << "the new video starts a new measurement";
}

TEST_F(MainTrackingTest, MenuCommandsReachTheTracker) {
  Click(ButtonModeTracking);
  controller.MenuCommand(MenuMesuresEspace60);
  EXPECT_EQ(tracker.Radius(), 60);
  EXPECT_TRUE(controller.MenuStates()[MenuMesuresEspace60].Checked);
  dialogs.Answer(75);
  controller.MenuCommand(MenuMesuresEspaceAutres);
  ASSERT_EQ(dialogs.Asked.back().Kind, settings::tsDMax);
  EXPECT_EQ(dialogs.Asked.back().Context.TrackerRadius, 60);
  EXPECT_EQ(tracker.Radius(), 75);
  EXPECT_TRUE(controller.MenuStates()[MenuMesuresEspaceAutres].Checked);
  const bool shown = tracker.ShowSearchZone();
  controller.MenuCommand(MenuMesuresZone);
  EXPECT_NE(tracker.ShowSearchZone(), shown);
  dialogs.Answer(3);
  controller.MenuCommand(MenuMesuresNbImagesAutres);
  EXPECT_EQ(data.FramesNumberBetweenTwoMarks(), 3);
  controller.MenuCommand(MenuMesuresFormePolygone);
  EXPECT_EQ(tracker.Shape(), tracking::osPolygon);
  controller.MenuCommand(MenuMesuresFormeCercle);

  // "Delete" › "object outline" follows the tracker's outline; "all" clears the tracker.
  EXPECT_FALSE(controller.MenuStates()[MenuAffichageEffacerContour].Enabled);
  DrawOutline();
  EXPECT_TRUE(controller.MenuStates()[MenuAffichageEffacerContour].Enabled);
  controller.MenuCommand(MenuAffichageEffacerTout);
  EXPECT_FALSE(tracker.Current().HasOutline);
  DrawOutline();
  controller.MenuCommand(MenuAffichageEffacerContour);
  EXPECT_FALSE(tracker.Current().HasOutline);

  // On a layer with the layer tool, one mark a frame only.
  Click(ButtonModeTransparent);
  controller.MenuCommand(MenuMesuresNbMarqueDeux);
  EXPECT_EQ(boxes.Last().Text(), QStringLiteral("For clarity purposes, only one mark per image is allowed on a layer."));
  EXPECT_EQ(data.ObjectsCount(), 1);
}

}  // namespace
}  // namespace kolibra::mainwindow::testing
