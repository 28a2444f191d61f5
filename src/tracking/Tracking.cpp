// The tracker's settings, per-object tables, checks, erase commands and keeping the
// results as marks.

#include "tracking/Tracking.h"

#include "kit/MessageBox.h"
#include "kit/Texts.h"
#include "measurement/Data.h"
#include "settings/Options.h"
#include "videoview/VideoModel.h"

#include <QCoreApplication>
#include <QStringList>
#include <algorithm>

namespace kolibra::tracking {

namespace tracking_impl {

void Warn(const QString &text, TDefaultIcons icon = icWarning) {
  TMessageBox(icon).AddLine(text).AddButton(TrackingText::tr("Ok")).Execute();
}

}  // namespace tracking_impl

int TTrackObject::ResultCount() const {
  return int(std::count_if(TrackFrame.begin(), TrackFrame.end(), [](int frame) { return frame >= 0; }));
}

bool TTrackObject::Uncertain(int frame) const {
  return frame >= 0 && size_t(frame) < TrackFrame.size() && TrackFrame[size_t(frame)] >= 0 &&
         FrameStatus[size_t(frame)] == fsUncertain;
}

TTracking::TTracking(videoview::TVideoModel &video, measurement::TData &data, const settings::TOptions &options)
    : Video(video), Data(data), Options(options) {
  FWorkScreen.reserve(WorkCapacity);
  FWorkVideo.reserve(WorkCapacity);
  FObjects.resize(1);
  FTimer.setInterval(0);
  QObject::connect(&FTimer, &QTimer::timeout, [this] { Tick(); });
  ApplyOptions();
}

TTracking::~TTracking() { FTimer.stop(); }

int TTracking::LastFrame() const { return std::max(0, Video.FrameCount() - 1); }

// ---------------------------------------------------------------------------------------------
// Settings
// ---------------------------------------------------------------------------------------------

void TTracking::ApplyOptions() {
  switch (Options.ShapeNumber_Value) {
    case 1:
      FShape = osPolygon;
      break;
    case 2:
      FShape = osFree;
      break;
    default:
      FShape = osCircle;
      break;
  }
  FShowSearchZone = Options.CheckBox52ShowRadiusSearch_Checked;
  // A radius chosen from the menu stays until the option itself is changed.
  if (Options.TrackingRadius_Value != FAppliedRadiusOption) {
    FAppliedRadiusOption = Options.TrackingRadius_Value;
    SetRadius(Options.TrackingRadius_Value);
  }
}

void TTracking::SetRadius(int radius) {
  FRadius = std::clamp(radius, TMeanShift::MinRadius, TMeanShift::MaxRadius);
  if (FRun) FRun->SetRadius(FRadius);
  Video.Invalidate();
}

void TTracking::SetShape(int shape) {
  EraseOutline();
  FShape = std::clamp(shape, int(osFree), int(osCircle));
}

void TTracking::SetTool(int tool) {
  FTool = tool;
  if (tool == ttNone) return;
  CancelDrawing();
  Fire(OnToolChange);
}

void TTracking::SetObject(int object) {
  FCurrentObject = std::clamp(object, 0, std::max(0, ObjectCount() - 1));
  Video.Invalidate();
}

void TTracking::SetShowSearchZone(bool show) {
  FShowSearchZone = show;
  Video.Invalidate();
}

void TTracking::SetSequenceEnd(int frame) {
  frame = std::max(frame, Current().StartFrame + 1);
  frame = std::min(frame, LastFrame());
  FSequenceEnd = std::max(frame, 1);
}

// ---------------------------------------------------------------------------------------------
// Objects
// ---------------------------------------------------------------------------------------------

void TTracking::FitTables(TTrackObject &object) const {
  const size_t frames = size_t(std::max(0, Video.FrameCount()));
  if (object.TrackFrame.size() == frames) return;
  object.TrackPos.resize(frames);
  object.TrackPosScreen.resize(frames);
  object.TrackFrame.resize(frames, -1);
  object.Similarity.resize(frames, 0.0);
  object.FrameStatus.resize(frames, fsNone);
}

void TTracking::ObjectsChanged() {
  FObjects.resize(size_t(std::max(1, Data.ObjectsCount())));
  for (TTrackObject &object : FObjects) FitTables(object);
  FCurrentObject = std::clamp(FCurrentObject, 0, ObjectCount() - 1);
  Video.Invalidate();
}

void TTracking::Reset() {
  if (FTracking) StopSequence();
  CancelDrawing();
  FObjects.assign(size_t(std::max(1, Data.ObjectsCount())), TTrackObject());
  for (TTrackObject &object : FObjects) FitTables(object);
  FSequenceEnd = LastFrame();
  FCurrentObject = 0;
  FResultsOffered = false;
  FLastPoint = TPoint(INT_MAX, INT_MAX);
  FCircleRadius = 0;
}

void TTracking::ActivateAndPrepare() {
  FActive = true;
  Reset();
}

void TTracking::Deactivate() {
  FActive = false;
  FTool = ttNone;
  CancelDrawing();
}

// ---------------------------------------------------------------------------------------------
// Checks
// ---------------------------------------------------------------------------------------------

bool TTracking::CheckSequence() {
  const TTrackObject &object = Current();
  if (!object.HasOutline) {
    tracking_impl::Warn(TrackingText::tr("First draw the outline of the target object"),
                        icInformation);
    return false;
  }
  if (object.StartFrame >= LastFrame()) {
    tracking_impl::Warn(TrackingText::tr(
        "The sequence starts with the last frame of the video (tracking not necessary)"));
    return false;
  }
  return true;
}

bool TTracking::CheckStart() {
  const TTrackObject &object = Current();
  if (!Video.IsOpen()) {
    tracking_impl::Warn(TrackingText::tr("First open a video file"));
    return false;
  }
  if (!object.HasOutline || FDrawState == dsOutline) {
    tracking_impl::Warn(TrackingText::tr("First draw the outline of the target object"));
    return false;
  }
  if (object.StartFrame >= LastFrame()) {
    tracking_impl::Warn(TrackingText::tr(
        "The sequence starts with the last frame of the video (tracking not necessary)"));
    return false;
  }
  if (object.StartFrame < 0) {
    tracking_impl::Warn(TrackingText::tr("Number of the first frame is incorrect"));
    return false;
  }
  if (FSequenceEnd <= object.StartFrame || FSequenceEnd > LastFrame()) FSequenceEnd = LastFrame();
  return true;
}

// ---------------------------------------------------------------------------------------------
// Erasing
// ---------------------------------------------------------------------------------------------

void TTracking::EraseOutline() {
  if (FDrawState != dsIdle) {
    CancelDrawing();
  } else {
    TTrackObject &object = Cur();
    object.HasOutline = false;
    object.Outline.clear();
    object.OutlineScreen.clear();
    object.Status = stNothing;
    object.StartFrame = -1;
    FLastPoint = TPoint(INT_MAX, INT_MAX);
    FCircleRadius = 0;
  }
  Video.Invalidate();
}

void TTracking::EraseLastZone() {
  TTrackObject &object = Cur();
  if (FDrawState == dsZone) {
    CancelDrawing();
  } else if (!object.Zones.empty()) {
    object.Zones.pop_back();
    object.ZonesScreen.pop_back();
  }
  Video.Invalidate();
}

void TTracking::EraseZones() {
  Cur().Zones.clear();
  Cur().ZonesScreen.clear();
  Video.Invalidate();
}

void TTracking::EraseTrack() {
  TTrackObject &object = Cur();
  if (object.ResultCount() > 0 && object.StartFrame >= 0) Video.GoToVideoFrame(object.StartFrame);
  std::fill(object.TrackFrame.begin(), object.TrackFrame.end(), -1);
  std::fill(object.FrameStatus.begin(), object.FrameStatus.end(), uint8_t(fsNone));
  if (object.Status == stTracked) object.Status = object.HasOutline ? stOutline : stNothing;
  Video.Invalidate();
}

void TTracking::EraseAll() {
  const int current = FCurrentObject;
  for (int i = 0; i < ObjectCount(); ++i) {
    FCurrentObject = i;
    CancelDrawing();
    EraseOutline();
    EraseZones();
    EraseTrack();
  }
  FCurrentObject = current;
}

// ---------------------------------------------------------------------------------------------
// Counters and keeping the results
// ---------------------------------------------------------------------------------------------

int TTracking::ZoneCount(bool all) const {
  int count = 0;
  for (int i = 0; i < ObjectCount(); ++i)
    if (all || i == FCurrentObject) count += int(FObjects[size_t(i)].Zones.size());
  return count;
}

int TTracking::ResultCount(bool all) const {
  int count = 0;
  for (int i = 0; i < ObjectCount(); ++i)
    if (all || i == FCurrentObject) count += FObjects[size_t(i)].ResultCount();
  return count;
}

int TTracking::OutlineCount(bool all) const {
  int count = 0;
  for (int i = 0; i < ObjectCount(); ++i)
    if ((all || i == FCurrentObject) && FObjects[size_t(i)].HasOutline) ++count;
  return count;
}

TIntegerDynArray TTracking::UncertainFrames() const {
  TIntegerDynArray frames;
  const TTrackObject &object = Current();
  for (size_t f = 0; f < object.TrackFrame.size(); ++f)
    if (object.Uncertain(int(f))) frames.push_back(int(f));
  return frames;
}

TTracking::TRunSummary TTracking::Summary() const {
  TRunSummary summary;
  for (const TTrackObject &object : FObjects)
    for (size_t f = 0; f < object.FrameStatus.size(); ++f) {
      if (object.FrameStatus[f] == fsFound)
        ++summary.Found;
      else if (object.FrameStatus[f] == fsUncertain)
        ++summary.Uncertain;
      else if (object.FrameStatus[f] == fsLost || object.FrameStatus[f] == fsUnreadable)
        ++summary.Lost;
    }
  return summary;
}

void TTracking::Commit() {
  if (FTracking) StopSequence();
  SetTool(ttNone);
  if (FResultsOffered || ResultCount(true) == 0) return;
  FResultsOffered = true;

  TMessageBox box(icConfirmation);
  box.AddLine(TrackingText::tr("An automatic tracking has been done."))
      .AddLine(TrackingText::tr("Do you want to keep the data ?"))
      .AddLine(TrackingText::tr("The new marks will replace any already present ones"));
  // The frames to look at before keeping them, numbered from 1 as the window shows them: the
  // uncertain ones, and those where the object was lost (no mark will be placed there).
  auto numbers = [](const TIntegerDynArray &frames) {
    QStringList list;
    for (size_t k = 0; k < frames.size() && k < 20; ++k) list << QString::number(frames[k]);
    if (frames.size() > 20) list << QStringLiteral("...");
    return list.join(QStringLiteral(", "));
  };
  for (int i = 0; i < ObjectCount(); ++i) {
    TIntegerDynArray uncertain, lost;
    const TTrackObject &object = FObjects[size_t(i)];
    for (size_t f = 0; f < object.TrackFrame.size(); ++f) {
      if (object.Uncertain(int(f))) uncertain.push_back(int(f) + 1);
      if (object.FrameStatus[f] == fsLost || object.FrameStatus[f] == fsUnreadable) lost.push_back(int(f) + 1);
    }
    if (!uncertain.empty())
      box.AddEmptyLine().AddLine(TrackingText::tr("Uncertain positions %1, to check (frames): %2")
                                     .arg(Data.SystemName(i), numbers(uncertain)),
                                 msNormal, colors::clRed);
    if (!lost.empty())
      box.AddEmptyLine().AddLine(TrackingText::tr("Lost positions %1, no mark there (frames): %2")
                                     .arg(Data.SystemName(i), numbers(lost)),
                                 msNormal, colors::clRed);
  }
  // Enter keeps the run: throwing away minutes of tracking takes a deliberate click.
  box.AddButton(TrackingText::tr("Ignore")).AddButton(TrackingText::tr("Save")).SetDefaultButton(1);
  if (box.Execute() != 1) return;

  measurement::TPointDMatrix positions;
  TMatriceI frames;
  for (const TTrackObject &object : FObjects) {
    positions.push_back(object.TrackPos);
    frames.push_back(object.TrackFrame);
  }
  Data.PlaceTrackedMarks(positions, frames);
}

}  // namespace kolibra::tracking
