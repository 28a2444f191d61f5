#pragma once
// TObjectTrack: follows one object from frame to frame, the way a careful hand would.
//
// Three things are weighed on each frame:
// - where the object should be: a constant-acceleration Kalman filter (OpenCV's) fed with
//   the positions found so far, on the frames' own times, predicts the position and how
//   sure that prediction is;
// - what the object looks like: a picture of it (the box round its outline, taken on the
//   first frame and brought slowly up to date while the match stays good) is looked for by
//   normalised cross-correlation in a window round the prediction, the window growing with
//   the prediction's uncertainty; the best peak is refined to a fraction of a pixel by a
//   parabola through it and its neighbours;
// - its colours: the mean-shift tracker, started from the prediction, and the colour
//   similarity of the patch found, so that the zones to ignore and the colour model keep
//   their say.
//
// A frame is "found" when picture and colours agree and the position is where the motion
// allows; "uncertain" when the picture matches but colours or motion disagree; "lost" when
// nothing in the window looks like the object. After a loss the prediction runs on, the
// window widens frame after frame, and the object is taken back only on a confident match.
//
// Positions are frame pixels as reals, the centre of pixel (x, y) being (x, y), as the
// mean-shift tracker counts them.

#include "kit/Types.h"
#include "tracking/MeanShift.h"

#include <QImage>

#include <memory>
#include <vector>

namespace kolibra::tracking {

// How a frame of an object was tracked (see TTrackSample).
enum class TObjectVerdict { Found, Uncertain, Lost };

struct TObjectResult {
  TObjectVerdict Verdict = TObjectVerdict::Lost;
  TPointD Position;        // frame pixels (index); for a lost frame, the prediction
  double Match = 0.0;      // normalised correlation of the picture, 0 ... 1
};

class TObjectTrack {
 public:
  // Correlation below which nothing in the window is taken for the object.
  static constexpr double LostMatch = 0.5;
  // Correlation at and above which the picture is said to match.
  static constexpr double FoundMatch = 0.7;
  // Correlation needed to take the object back after a loss.
  static constexpr double ResumeMatch = 0.8;

  TObjectTrack();
  ~TObjectTrack();
  TObjectTrack(TObjectTrack &&) noexcept;
  TObjectTrack &operator=(TObjectTrack &&) noexcept;

  // Sets the object up from its outline (fractions of the frame) on frame, at time (in
  // frames; fractions where the video's frame durations vary). radius bounds how far the
  // object may go between two frames at first, and the search never looks nearer than it.
  TTargetError Start(const QImage &frame, const TPointDDynArray &outline, const std::vector<TPointDDynArray> &zones,
                     int radius, double time, TPointD &centre);
  // Looks for the object on the next frame read, at time.
  TObjectResult Track(const QImage &frame, double time);
  // A frame that could not be read: the prediction moves on, nothing is learnt.
  void Skip(double time);
  void SetRadius(int radius);

  // The object's size in pixels (the larger side of its box).
  int Size() const;
  const TMeanShift &Shift() const;

 private:
  struct TState;
  std::unique_ptr<TState> S;
};

}  // namespace kolibra::tracking
