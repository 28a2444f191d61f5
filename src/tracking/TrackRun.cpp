#include "tracking/TrackRun.h"

#include "video/VideoPlay.h"

#include <QCoreApplication>
#include <algorithm>

namespace kolibra::tracking {

int TReaderFrames::FrameCount() const { return Reader.Opened() ? Reader.FrameCount() : 0; }

void TReaderFrames::GoTo(int frame) {
  if (Reader.Position() != frame) Reader.SetPosition(frame);
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
    default:
      return QString();
  }
}

TTargetError TTrackRun::Start(const TTrackSetup &setup) {
  Setup = setup;
  Setup.Step = std::max(1, Setup.Step);
  Started = false;
  FLast = TTrackSample();
  Velocity = TPointD();
  Frames.GoTo(Setup.StartFrame);
  if (!Frames.Grab(Bitmap)) return teUnreadable;
  Tracker.SetRadius(Setup.Radius);
  Tracker.SetZones(Setup.Zones, Bitmap.width(), Bitmap.height());
  TPointD centre;
  const TTargetError error = Tracker.InitTarget(Bitmap, Setup.Outline, centre);
  if (error != teNone) return error;
  Tracker.SetBins(TMeanShift::DefaultBins);
  Tracker.BuildTarget();
  Centre = centre;
  FLast = TTrackSample{Setup.StartFrame, fsFound, FromCorner(centre), Tracker.Similarity(centre, Bitmap)};
  FNextFrame = Setup.StartFrame + Setup.Step;
  Started = true;
  return teNone;
}

bool TTrackRun::Next() {
  if (Finished()) return false;
  const int frame = FNextFrame;
  FNextFrame += Setup.Step;
  Frames.GoTo(frame);
  if (!Frames.Grab(Bitmap)) {
    FLast = TTrackSample{frame, fsUnreadable, FromCorner(Centre), 0.0};
    Velocity = TPointD();
    return true;
  }
  const TPointD start(std::clamp(Centre.X + Velocity.X, 0.0, double(Bitmap.width() - 1)),
                      std::clamp(Centre.Y + Velocity.Y, 0.0, double(Bitmap.height() - 1)));
  const TSearchResult found = Tracker.Search(start, Bitmap, SearchIterations);
  if (!found.Found || found.Similarity < LostSimilarity) {
    FLast = TTrackSample{frame, fsLost, FromCorner(Centre), found.Similarity};
    Velocity = TPointD();
    return true;
  }
  FLast = TTrackSample{frame, fsFound, FromCorner(found.Position), found.Similarity};
  // A doubtful position is a poor guide to where the target goes next.
  Velocity = FLast.Uncertain() ? TPointD() : TPointD(found.Position.X - Centre.X, found.Position.Y - Centre.Y);
  Centre = found.Position;
  return true;
}

QString TargetErrorText(TTargetError error) {
  switch (error) {
    case teTooFewPoints:
      return QCoreApplication::translate("TTracking", "The outline of the target needs at least three distinct points.");
    case teOutsideFrame:
      return QCoreApplication::translate("TTracking", "The outline of the target lies outside the frame.");
    case teNoArea:
      return QCoreApplication::translate("TTracking", "The outline of the target encloses no pixel.");
    case teUnreadable:
      return QCoreApplication::translate("TTracking", "The first frame of the sequence cannot be read.");
    default:
      return QString();
  }
}

}  // namespace kolibra::tracking
