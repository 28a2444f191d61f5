// Opening a file, the modes and their refusals, the view tools.

#include "videoview/support/FakeSubsystems.h"
#include "videoview/support/VideoFixture.h"

#include "kit/IniFile.h"

namespace kolibra::videoview::testing {
namespace {

using measurement::TMeasurementMode;

class VideoModesTest : public VideoFixture {
 protected:
  VideoModesTest() {
    model.OnVideoOpen = [this](TVideoModel *) { events << QStringLiteral("open"); };
    model.OnVideoClose = [this](TVideoModel *) { events << QStringLiteral("close"); };
    model.OnModeChange = [this](TVideoModel *) { events << QStringLiteral("mode %1").arg(model.Mode()); };
    model.OnModeRefused = [this](TVideoModel *) { events << QStringLiteral("refused"); };
    model.OnToolChange = [this](TVideoModel *) { events << QStringLiteral("tool %1").arg(model.Tool()); };
  }

  // Every subsystem present, the montage keeping every frame of the stub.
  void PlugEverything() {
    montage.Kept = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19};
    model.SetMontage(&montage);
    model.SetStudio(&studio);
    model.SetTracker(&tracker);
    model.SetCapture(&capture);
    model.SetWriter(&writer);
  }

  QStringList events;
  TCallLog log;
  TFakeMontage montage{log};
  TFakeStudio studio{log};
  TFakeTracker tracker{log};
  TFakeCapture capture{log};
  TFakeWriter writer{log};
};

TEST_F(VideoModesTest, WithoutAVideoTheDocumentIsIdleInModeThree) {
  EXPECT_EQ(model.Mode(), vmRepereFixe);
  EXPECT_FALSE(model.IsOpen());
  EXPECT_EQ(data.MeasurementMode(), TMeasurementMode::None);
  EXPECT_EQ(model.ShownFrameCount(), 0);
}

TEST_F(VideoModesTest, OpeningResetsTheViewThenTellsTheWindow) {
  OpenVideo();
  model.ZoomClick(TPoint(100, 100), true, false);
  model.SetTool(vtPan);
  model.SetHideImage(true);
  ASSERT_TRUE(model.SetMode(vmTransparent));
  events.clear();
  surface.Visible = true;

  OpenVideo(QStringLiteral("second.mp4"));
  EXPECT_EQ(events, (QStringList{QStringLiteral("close"), QStringLiteral("mode 3"), QStringLiteral("open")}));
  EXPECT_EQ(model.Zoom().Factor, 100);
  EXPECT_EQ(model.Tool(), vtNone);
  EXPECT_FALSE(model.HideImage());
  EXPECT_EQ(model.Mode(), vmRepereFixe);
  EXPECT_FALSE(surface.Visible) << "the window shows the view once it has laid it out";
  EXPECT_EQ(data.MeasurementMode(), TMeasurementMode::FixedAxes);
  EXPECT_DOUBLE_EQ(data.FrameInterval(), 0.04);
  EXPECT_EQ(model.Geometry().Source(), QRect(0, 0, 320, 240));
  EXPECT_EQ(model.VideoFileName(), dir.filePath(QStringLiteral("second.mp4")));
}

TEST_F(VideoModesTest, OpeningInModeThreeStillStartsTheMeasurement) {
  OpenVideo();
  EXPECT_EQ(data.MeasurementMode(), TMeasurementMode::FixedAxes);
  EXPECT_TRUE(data.IsMeasuring());
}

TEST_F(VideoModesTest, AFailedOpenLeavesNoVideoAndSaysWhy) {
  OpenVideo();
  events.clear();
  EXPECT_FALSE(model.Open(dir.filePath(QStringLiteral("broken.bad"))));
  EXPECT_FALSE(model.IsOpen());
  EXPECT_EQ(model.OpenErrorText(), QStringLiteral("The stub does not read this file."));
  EXPECT_EQ(events, QStringList{QStringLiteral("close")});
  EXPECT_EQ(data.MeasurementMode(), TMeasurementMode::None);
  EXPECT_EQ(model.FrameCount(), 0);
}

TEST_F(VideoModesTest, ModesWithoutTheirSubsystemAreRefusedAndChangeNothing) {
  OpenVideo();
  ASSERT_TRUE(model.SetMode(vmTransparent));
  events.clear();
  for (int mode : {vmCapture, vmMontage, vmStudio, vmTracking}) {
    EXPECT_FALSE(model.SetMode(mode)) << mode;
    EXPECT_EQ(model.Mode(), vmTransparent);
    EXPECT_EQ(data.MeasurementMode(), TMeasurementMode::Layer);
  }
  EXPECT_EQ(events, QStringList(4, QStringLiteral("refused")));
}

TEST_F(VideoModesTest, EnteringTheMarkingModesSetsTheDocumentAndItsTool) {
  OpenVideo();
  ASSERT_TRUE(model.SetMode(vmTransparent));
  EXPECT_EQ(data.MeasurementMode(), TMeasurementMode::Layer);
  EXPECT_EQ(data.ActiveTool(), measurement::dtLayer);
  ASSERT_TRUE(model.SetMode(vmRepereFixe));
  EXPECT_EQ(data.MeasurementMode(), TMeasurementMode::FixedAxes);
  EXPECT_EQ(data.ActiveTool(), measurement::dtPointing);
}

TEST_F(VideoModesTest, AModeChangeDropsTheViewToolOnlyWhenTheModeChanges) {
  OpenVideo();
  model.SetTool(vtZoom);
  events.clear();
  EXPECT_TRUE(model.SetMode(vmRepereFixe));
  EXPECT_EQ(model.Tool(), vtZoom);
  EXPECT_TRUE(events.isEmpty());
  EXPECT_TRUE(model.SetMode(vmTransparent));
  EXPECT_EQ(model.Tool(), vtNone);
  EXPECT_EQ(events, QStringList{QStringLiteral("mode 6")});
}

TEST_F(VideoModesTest, OnlyZoomAndPanAnnounceAToolChange) {
  OpenVideo();
  model.SetTool(vtZoom);
  model.SetTool(vtZoom);
  model.SetTool(vtPan);
  model.SetTool(vtNone);
  EXPECT_EQ(events.filter(QStringLiteral("tool")), (QStringList{QStringLiteral("tool 1"), QStringLiteral("tool 2")}));
}

TEST_F(VideoModesTest, TheMagnifierStaysOnlyInTheMarkingModes) {
  OpenVideo();
  PlugEverything();
  model.SetLoupeVisible(true);
  ASSERT_TRUE(model.SetMode(vmTransparent));
  EXPECT_TRUE(model.Loupe().Visible);
  ASSERT_TRUE(model.SetMode(vmStudio));
  EXPECT_FALSE(model.Loupe().Visible);
  ASSERT_TRUE(model.SetMode(vmRepereFixe));
  EXPECT_FALSE(model.Loupe().Visible);
}

TEST_F(VideoModesTest, LeavingMontageWhileWritingChangesNothingAtAll) {
  OpenVideo();
  PlugEverything();
  ASSERT_TRUE(model.SetMode(vmMontage));
  EXPECT_EQ(data.MeasurementMode(), TMeasurementMode::Editing);
  log.Calls.clear();
  events.clear();
  writer.IsWriting = true;
  for (int mode : {vmRepereFixe, vmTransparent, vmTracking, vmCapture, vmStudio}) {
    EXPECT_FALSE(model.SetMode(mode)) << mode;
  }
  EXPECT_EQ(model.Mode(), vmMontage);
  EXPECT_EQ(data.MeasurementMode(), TMeasurementMode::Editing);
  // Not even told that editing ended, nor a camera searched, nor the studio deactivated.
  EXPECT_TRUE(log.Calls.isEmpty()) << log.Calls.join(QLatin1Char(';')).toStdString();
  EXPECT_EQ(events, QStringList(5, QStringLiteral("refused")));

  writer.IsWriting = false;
  EXPECT_TRUE(model.SetMode(vmRepereFixe));
  EXPECT_TRUE(log.Calls.contains(QStringLiteral("montage.editing ended")));
}

TEST_F(VideoModesTest, CaptureWithoutACameraIsRefusedAfterTheSearch) {
  OpenVideo();
  PlugEverything();
  surface.Visible = true;  // as the window leaves it after laying the view out
  capture.Connected = false;
  log.Calls.clear();
  EXPECT_FALSE(model.SetMode(vmCapture));
  EXPECT_EQ(log.Calls, QStringList{QStringLiteral("capture.prepare")});
  EXPECT_EQ(data.MeasurementMode(), TMeasurementMode::FixedAxes);
  EXPECT_TRUE(surface.Visible);

  capture.Connected = true;
  capture.IsRecording = true;
  EXPECT_TRUE(model.SetMode(vmCapture));
  EXPECT_FALSE(surface.Visible) << "the capture preview takes the view's place";
  EXPECT_TRUE(capture.PreviewAllowed);
  EXPECT_EQ(data.MeasurementMode(), TMeasurementMode::None);
  log.Calls.clear();
  EXPECT_TRUE(model.SetMode(vmRepereFixe));
  EXPECT_EQ(log.Calls.filter(QStringLiteral("capture")),
            (QStringList{QStringLiteral("capture.stop recording"), QStringLiteral("capture.stop preview")}));
  EXPECT_TRUE(surface.Visible);
  EXPECT_FALSE(capture.PreviewAllowed);
}

TEST_F(VideoModesTest, TrackingIsPreparedOnEntryAndResetOnExitUnlessClosing) {
  OpenVideo();
  PlugEverything();
  log.Calls.clear();
  ASSERT_TRUE(model.SetMode(vmTracking));
  EXPECT_TRUE(tracker.Active);
  EXPECT_FALSE(log.Calls.contains(QStringLiteral("tracker.reset")));
  tracker.Running = true;
  log.Calls.clear();
  ASSERT_TRUE(model.SetMode(vmTransparent));
  // A running tracker is stopped before the user is offered its positions, and reset only
  // after that offer, so nothing tracked is lost; it ends inactive, whatever the number of
  // deactivations on the way.
  const auto at = [&](const char *call) { return log.Calls.indexOf(QLatin1String(call)); };
  ASSERT_GE(at("tracker.stop"), 0);
  ASSERT_GE(at("tracker.commit"), 0);
  ASSERT_GE(at("tracker.reset"), 0);
  EXPECT_LT(at("tracker.stop"), at("tracker.commit"));
  EXPECT_LT(at("tracker.commit"), at("tracker.reset"));
  EXPECT_EQ(log.Calls.count(QStringLiteral("tracker.commit")), 1);
  EXPECT_FALSE(tracker.Active);
  EXPECT_FALSE(tracker.Running);
  ASSERT_TRUE(model.SetMode(vmTracking));
  log.Calls.clear();
  ASSERT_TRUE(model.SetMode(vmNone));
  EXPECT_FALSE(log.Calls.contains(QStringLiteral("tracker.reset")));
  EXPECT_FALSE(log.Calls.contains(QStringLiteral("tracker.commit")));
}

class OneFrameModesTest : public VideoFixture {
 protected:
  OneFrameModesTest() : VideoFixture(1) {}
  TCallLog log;
  TFakeMontage montage{log};
};

TEST_F(OneFrameModesTest, MontageOfAOneFrameVideoIsRefused) {
  montage.Kept = {0};
  model.SetMontage(&montage);
  OpenVideo();
  int refused = 0;
  model.OnModeRefused = [&](TVideoModel *) { ++refused; };
  EXPECT_FALSE(model.SetMode(vmMontage));
  EXPECT_EQ(refused, 1);
  EXPECT_EQ(model.Mode(), vmRepereFixe);
  EXPECT_EQ(data.MeasurementMode(), TMeasurementMode::FixedAxes);
}

TEST_F(VideoModesTest, SaveStateWritesTheFrameAndTheMarkingMode) {
  OpenVideo();
  model.GoTo(7);
  ASSERT_TRUE(model.SetMode(vmTransparent));
  TIniFile ini(dir.filePath(QStringLiteral("work.klb")));
  model.SaveState(ini);
  EXPECT_EQ(ini.ToText().trimmed(), QStringLiteral("[Video]\nImageNumber=7\nMarkingMode=1"));
}

}  // namespace
}  // namespace kolibra::videoview::testing
