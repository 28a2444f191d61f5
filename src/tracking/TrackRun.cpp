#include "tracking/TrackRun.h"

#include "video/VideoPlay.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>

namespace kolibra::tracking {

int TReaderFrames::FrameCount() const { return Reader.Opened() ? Reader.FrameCount() : 0; }

void TReaderFrames::GoTo(int frame) {
  if (Reader.Position() != frame) Reader.SetPosition(frame);
}

const std::vector<double> &TReaderFrames::TimeStamps() {
  if (!StampsRead) {
    Stamps = video::VideoTimeStamps(Reader);
    StampsRead = true;
  }
  return Stamps;
}

double TReaderFrames::Time(int frame) {
  const std::vector<double> &stamps = TimeStamps();
  const double interval = Reader.FrameInterval();
  if (stamps.empty() || !(interval > 0.0)) return frame;
  return video::FrameTime(stamps, frame, interval) / interval;
}

bool TReaderFrames::Grab(QImage &picture) {
  if (!Reader.Opened()) return false;
  const int width = Reader.FrameWidth();
  const int height = Reader.FrameHeight();
  if (picture.width() != width || picture.height() != height || picture.format() != QImage::Format_RGB888)
    picture = QImage(width, height, QImage::Format_RGB888);
  Reader.DrawMode = video::SrcCopy;
  return Reader.Draw(picture, QRect(0, 0, width, height));
}

namespace track_run {

// The tracker counts pixels by index (pixel (x, y) is at (x, y)); the rest of Kolibra
// measures from the frame's corner.
TPointD FromCorner(TPointD index) { return TPointD(index.X + 0.5, index.Y + 0.5); }

}  // namespace track_run

using track_run::FromCorner;

QString FrameStatusToken(TFrameStatus status) {
  switch (status) {
    case fsFound:
      return QStringLiteral("found");
    case fsLost:
      return QStringLiteral("lost");
    case fsUnreadable:
      return QStringLiteral("unreadable");
    case fsUncertain:
      return QStringLiteral("uncertain");
    default:
      return QString();
  }
}

TTargetError TTrackRun::Start(const TTrackSetup &setup) {
  Setup = setup;
  Setup.Step = std::max(1, Setup.Step);
  Started = false;
  Objects.clear();
  FLast.assign(1 + Setup.Others.size(), TTrackSample());
  Frames.GoTo(Setup.StartFrame);
  if (!GrabFrame()) return teUnreadable;
  const double time = Frames.Time(Setup.StartFrame);
  for (size_t i = 0; i < FLast.size(); ++i) {
    TObjectTrack &object = Objects.emplace_back();
    TPointD centre;
    const bool own = i > 0 && i - 1 < Setup.OtherZones.size();
    const TTargetError error = object.Start(Bitmap, i == 0 ? Setup.Outline : Setup.Others[i - 1],
                                            own ? Setup.OtherZones[i - 1] : Setup.Zones, Setup.Radius, time, centre);
    if (error != teNone) return error;
    FLast[i] = TTrackSample{Setup.StartFrame, fsFound, FromCorner(centre), 1.0};
  }
  FNextFrame = Setup.StartFrame + Setup.Step;
  Started = true;
  return teNone;
}

void TTrackRun::SetRadius(int radius) {
  for (TObjectTrack &object : Objects) object.SetRadius(radius);
}

bool TTrackRun::GrabFrame() {
  if (!Frames.Grab(Bitmap)) return false;
  // The trackers read 24-bit pixels.
  if (Bitmap.format() != QImage::Format_RGB888) Bitmap.convertTo(QImage::Format_RGB888);
  return !Bitmap.isNull();
}

bool TTrackRun::Next() {
  if (Finished()) return false;
  const int frame = FNextFrame;
  FNextFrame += Setup.Step;
  Frames.GoTo(frame);
  const double time = Frames.Time(frame);
  if (!GrabFrame()) {
    for (size_t i = 0; i < Objects.size(); ++i) {
      Objects[i].Skip(time);
      FLast[i] = TTrackSample{frame, fsUnreadable, FLast[i].Pixel, 0.0};
    }
    return true;
  }
  for (size_t i = 0; i < Objects.size(); ++i) {
    const TObjectResult found = Objects[i].Track(Bitmap, time);
    TFrameStatus status = fsLost;
    if (found.Verdict == TObjectVerdict::Found) status = fsFound;
    if (found.Verdict == TObjectVerdict::Uncertain) status = fsUncertain;
    FLast[i] = TTrackSample{frame, status, FromCorner(found.Position), found.Match};
  }
  SeparateObjects();
  return true;
}

void TTrackRun::SeparateObjects() {
  for (size_t i = 0; i < FLast.size(); ++i)
    for (size_t j = i + 1; j < FLast.size(); ++j) {
      TTrackSample &a = FLast[i];
      TTrackSample &b = FLast[j];
      if (!a.Located() || !b.Located()) continue;
      const double apart = std::min(Objects[i].Size(), Objects[j].Size()) / 2.0;
      if (std::hypot(a.Pixel.X - b.Pixel.X, a.Pixel.Y - b.Pixel.Y) > apart) continue;
      TTrackSample &weaker = a.Similarity < b.Similarity ? a : b;
      if (weaker.Status == fsFound) weaker.Status = fsUncertain;
    }
}

QString TargetErrorText(TTargetError error) {
  switch (error) {
    case teTooFewPoints:
      return QCoreApplication::translate(
          "TrackingText", "The outline of the target needs at least three distinct points.");
    case teOutsideFrame:
      return QCoreApplication::translate("TrackingText",
                                         "The outline of the target lies outside the frame.");
    case teNoArea:
      return QCoreApplication::translate("TrackingText",
                                         "The outline of the target encloses no pixel.");
    case teUnreadable:
      return QCoreApplication::translate("TrackingText",
                                         "The first frame of the sequence cannot be read.");
    default:
      return QString();
  }
}

}  // namespace kolibra::tracking
