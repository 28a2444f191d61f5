#pragma once
// TTrackRun: one tracking sequence, one frame at a time, for one object or several. It sets
// every object up from its outline on the start frame, then each call of Next reads the
// next frame of the sequence (start + step, start + 2 step, ... up to the end frame) and
// asks each object's tracker (TObjectTrack: motion, picture and colours) where it went.
// The main window's tracker calls Next once per turn of the event loop; kolibra-cli and the
// benchmarks call it in a plain loop, so all follow one path.
//
// A frame that cannot be read is "unreadable"; one where nothing in reach looks like the
// object is "lost"; one where the picture matches but the colours or the motion disagree is
// "uncertain", as is a frame where two objects were found on the same spot (the weaker
// match). Times between frames are the video's own, so a variable-rate video is followed
// as it was filmed.
//
// Positions given out are frame pixels measured from the frame's top-left corner: the
// centre of the top-left pixel is (0.5, 0.5), so position / frame size is the
// frame-relative position the document stores.

#include "kit/Types.h"
#include "tracking/MeanShift.h"
#include "tracking/ObjectTrack.h"

#include <QImage>
#include <QString>

#include <cstdint>
#include <vector>

namespace kolibra::video {
class TVideoPlay;
}

namespace kolibra::tracking {

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
  // When frame was filmed, in frames from frame 0: the frame's index for a video of even
  // rate, its time stamp divided by the nominal interval otherwise.
  virtual double Time(int frame) { return frame; }
};

// A video reader as the frames of a run. Stepping forward moves the reader on from where
// it stands, so a reader that decodes sequentially is never made to seek.
class TReaderFrames : public ITrackFrames {
 public:
  explicit TReaderFrames(video::TVideoPlay &reader) : Reader(reader) {}
  int FrameCount() const override;
  void GoTo(int frame) override;
  bool Grab(QImage &picture) override;
  double Time(int frame) override;
  // The video's time stamps, read once for the whole run.
  const std::vector<double> &TimeStamps();

 private:
  video::TVideoPlay &Reader;
  std::vector<double> Stamps;
  bool StampsRead = false;
};

enum TFrameStatus : uint8_t { fsNone, fsFound, fsLost, fsUnreadable, fsUncertain };

// "found", "lost", "unreadable", "uncertain" (empty for fsNone).
QString FrameStatusToken(TFrameStatus status);

struct TTrackSetup {
  TPointDDynArray Outline;              // fractions of the frame's width and height
  std::vector<TPointDDynArray> Zones;   // the same
  int StartFrame = 0;
  int EndFrame = 0;                     // the last frame that may be tracked
  int Step = 1;
  int Radius = 40;                      // frame pixels
  // More objects followed in the same run, after the first (Outline): their outlines, and
  // their own zones to ignore where OtherZones has them (Zones otherwise).
  std::vector<TPointDDynArray> Others;
  std::vector<std::vector<TPointDDynArray>> OtherZones;
};

struct TTrackSample {
  int Frame = -1;
  TFrameStatus Status = fsNone;
  TPointD Pixel;            // frame pixels from the corner; for a lost or unreadable frame, where it was expected
  double Similarity = 0.0;  // how well the object's picture matches there, 0 ... 1
  bool Uncertain() const { return Status == fsUncertain; }
  bool Located() const { return Status == fsFound || Status == fsUncertain; }
};

class TTrackRun {
 public:
  explicit TTrackRun(ITrackFrames &frames) : Frames(frames) {}

  // Reads the start frame and sets every object up; the start frame's samples are LastAll()
  // (Last() for the first object). The first outline that cannot be used gives the error.
  TTargetError Start(const TTrackSetup &setup);
  // Tracks the next frame of the sequence; false (nothing done) when it is over.
  bool Next();
  bool Finished() const { return !Started || FNextFrame > Setup.EndFrame; }
  int NextFrame() const { return FNextFrame; }
  int ObjectCount() const { return int(Objects.size()); }
  const TTrackSample &Last() const { return FLast.front(); }
  const std::vector<TTrackSample> &LastAll() const { return FLast; }
  // The search radius may change while a run goes on.
  void SetRadius(int radius);
  const TMeanShift &Shift() const { return Objects.front().Shift(); }

 private:
  bool GrabFrame();
  // Two objects found on one spot: the weaker match is only uncertain.
  void SeparateObjects();

  ITrackFrames &Frames;
  std::vector<TObjectTrack> Objects;
  TTrackSetup Setup;
  QImage Bitmap;  // one picture for every frame of the run
  bool Started = false;
  int FNextFrame = 0;
  std::vector<TTrackSample> FLast = std::vector<TTrackSample>(1);
};

// Why a target could not be set up, for the user.
QString TargetErrorText(TTargetError error);

}  // namespace kolibra::tracking
