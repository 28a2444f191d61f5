// Running a sequence in the window: one frame per turn of the event loop, the positions
// recorded in the current object's tables, the view repainted now and then.

#include "tracking/Tracking.h"

#include "kit/MessageBox.h"
#include "measurement/Data.h"
#include "videoview/VideoModel.h"

#include <QCoreApplication>

namespace kolibra::tracking {

int TViewFrames::FrameCount() const { return Video.FrameCount(); }

void TViewFrames::GoTo(int frame) {
  if (Video.CurrentFrame() != frame) Video.SetFrame(frame);
}

bool TViewFrames::Grab(QImage &picture) { return Video.GrabFrame(picture); }

void TTracking::Run() {
  if (FTracking) {
    // The start/stop button (or the pause button) pressed again: the positions found so
    // far stay.
    StopSequence();
    return;
  }
  const TTrackObject &object = Current();
  if (!Video.IsOpen() || !object.HasOutline || object.StartFrame < 0) return;
  CancelDrawing();
  // Playback would move the frames under the run.
  Video.Stop();
  FTracking = true;
  Fire(OnTrackStart);

  const int before = Video.CurrentFrame();
  if (!FFrames) FFrames = std::make_unique<TViewFrames>(Video);
  FRun = std::make_unique<TTrackRun>(*FFrames);
  // Every object outlined on the same frame as this one runs along with it.
  TTrackSetup setup;
  setup.Outline = object.Outline;
  for (const TPointDDynArray &zone : object.Zones) setup.Zones.push_back(zone);
  FRunObjects.assign(1, FCurrentObject);
  for (int i = 0; i < ObjectCount(); ++i) {
    const TTrackObject &other = FObjects[size_t(i)];
    if (i == FCurrentObject || !other.HasOutline || other.StartFrame != object.StartFrame) continue;
    setup.Others.push_back(other.Outline);
    setup.OtherZones.emplace_back(other.Zones.begin(), other.Zones.end());
    FRunObjects.push_back(i);
  }
  setup.StartFrame = object.StartFrame;
  setup.EndFrame = std::min(FSequenceEnd, LastFrame());
  setup.Step = std::max(1, Data.FramesNumberBetweenTwoMarks());
  setup.Radius = FRadius;
  const TTargetError error = FRun->Start(setup);
  if (Video.CurrentFrame() != before) Video.Repaint();
  if (error != teNone) {
    EndRun();
    TMessageBox(icWarning)
        .AddLine(TargetErrorText(error))
        .AddButton(QCoreApplication::translate("TrackingText", "Ok"))
        .Execute();
    return;
  }
  for (TTrackObject &each : FObjects) FitTables(each);
  RecordAll();
  FSinceRepaint.start();
  FTimer.start();
}

void TTracking::Tick() {
  if (!FTracking || !FRun) {
    FTimer.stop();
    return;
  }
  if (FRun->Next()) RecordAll();
  if (FRun->Finished()) {
    EndRun();
    return;
  }
  if (FSinceRepaint.elapsed() >= RepaintInterval) {
    Video.Repaint();
    FSinceRepaint.restart();
  }
}

void TTracking::StopSequence() {
  if (FTracking) EndRun();
}

void TTracking::EndRun() {
  FTimer.stop();
  FRun.reset();
  FTracking = false;
  Video.Repaint();
  Video.UpdateCursor();
  Fire(OnTrackEnd);
}

void TTracking::RecordAll() {
  const std::vector<TTrackSample> &samples = FRun->LastAll();
  for (size_t i = 0; i < samples.size() && i < FRunObjects.size(); ++i) Record(FObjects[size_t(FRunObjects[i])], samples[i]);
}

void TTracking::Record(TTrackObject &object, const TTrackSample &sample) {
  const int frame = sample.Frame;
  if (frame < 0 || size_t(frame) >= object.TrackFrame.size()) return;
  const size_t f = size_t(frame);
  object.FrameStatus[f] = uint8_t(sample.Status);
  object.Similarity[f] = sample.Similarity;
  const int width = std::max(1, Video.FrameWidth());
  const int height = std::max(1, Video.FrameHeight());
  const TPointD position(sample.Pixel.X / width, sample.Pixel.Y / height);
  object.SearchCentre = position;
  // An uncertain position is kept, to be checked before the marks are placed.
  if (!sample.Located()) {
    object.TrackFrame[f] = -1;
    return;
  }
  object.Status = stTracked;
  object.Position = position;
  object.PositionScreen = Screen(position);
  object.TrackPos[f] = position;
  object.TrackPosScreen[f] = object.PositionScreen;
  object.TrackFrame[f] = frame;
  FResultsOffered = false;
}

}  // namespace kolibra::tracking
