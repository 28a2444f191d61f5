#pragma once
// TTrackRun: one tracking sequence, one frame at a time. It sets the target up from the
// outline on the start frame, then each call of Next reads the next frame of the sequence
// (start + step, start + 2 step, ... up to the end frame) and asks the mean-shift tracker
// where the target went. The main window's tracker calls Next once per turn of the event
// loop; kolibra-cli and the benchmarks call it in a plain loop, so both follow one path.
//
// Each search starts where the target should be: the last position plus the last
// displacement, so a fast object stays inside the window. A frame that cannot be read is
// "unreadable"; one where no pixel of the target's colours is in reach, or where what the
// search found is hardly like the target, is "lost"; either way the next search goes on
// from the last position found, without a displacement.
//
// Positions given out are frame pixels measured from the frame's top-left corner: the
// centre of the top-left pixel is (0.5, 0.5), so position / frame size is the
// frame-relative position the document stores.

#include "kit/Types.h"
#include "tracking/MeanShift.h"

#include <QImage>
#include <QString>

#include <cstdint>
#include <vector>

namespace kolibra::video {
class TVideoPlay;
}

namespace kolibra::tracking {

// Below this similarity a position is shown as uncertain, for the user to check.
inline constexpr double UncertainSimilarity = 0.6;
// Below this one only background is in reach: the target counts as lost.
inline constexpr double LostSimilarity = 0.2;
// Mean-shift steps per frame.
inline constexpr int SearchIterations = 10;

// The frames a run reads: the video view in the window, a reader elsewhere.
class ITrackFrames {
 public:
  virtual ~ITrackFrames() = default;
  virtual int FrameCount() const = 0;
  // Makes frame (a video frame index) the current one.
  virtual void GoTo(int frame) = 0;
  // The current frame whole, as a 24-bit picture of the frame's size; false when it cannot
  // be read.
  virtual bool Grab(QImage &picture) = 0;
};

// A video reader as the frames of a run. Stepping forward moves the reader on from where
// it stands, so a reader that decodes sequentially is never made to seek.
class TReaderFrames : public ITrackFrames {
 public:
  explicit TReaderFrames(video::TVideoPlay &reader) : Reader(reader) {}
  int FrameCount() const override;
  void GoTo(int frame) override;
  bool Grab(QImage &picture) override;

 private:
  video::TVideoPlay &Reader;
};

enum TFrameStatus : uint8_t { fsNone, fsFound, fsLost, fsUnreadable };

// "found", "lost", "unreadable" (empty for fsNone).
QString FrameStatusToken(TFrameStatus status);

struct TTrackSetup {
  TPointDDynArray Outline;              // fractions of the frame's width and height
  std::vector<TPointDDynArray> Zones;   // the same
  int StartFrame = 0;
  int EndFrame = 0;                     // the last frame that may be tracked
  int Step = 1;
  int Radius = 40;                      // frame pixels
};

struct TTrackSample {
  int Frame = -1;
  TFrameStatus Status = fsNone;
  TPointD Pixel;            // frame pixels from the corner; for a lost or unreadable frame, the last position
  double Similarity = 0.0;
  bool Uncertain() const { return Status == fsFound && Similarity < UncertainSimilarity; }
};

class TTrackRun {
 public:
  explicit TTrackRun(ITrackFrames &frames) : Frames(frames) {}

  // Reads the start frame and sets the target up; the start frame's sample is Last().
  TTargetError Start(const TTrackSetup &setup);
  // Tracks the next frame of the sequence; false (nothing done) when it is over.
  bool Next();
  bool Finished() const { return !Started || FNextFrame > Setup.EndFrame; }
  int NextFrame() const { return FNextFrame; }
  const TTrackSample &Last() const { return FLast; }
  // The search radius may change while a run goes on.
  void SetRadius(int radius) { Tracker.SetRadius(radius); }
  const TMeanShift &Shift() const { return Tracker; }

 private:
  ITrackFrames &Frames;
  TMeanShift Tracker;
  TTrackSetup Setup;
  QImage Bitmap;  // one picture for every frame of the run
  bool Started = false;
  int FNextFrame = 0;
  TPointD Centre;
  TPointD Velocity;
  TTrackSample FLast;
};

// Why a target could not be set up, for the user.
QString TargetErrorText(TTargetError error);

}  // namespace kolibra::tracking
