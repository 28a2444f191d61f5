#pragma once
// IViewPort: what the coordinate system, the marks and the document need of the video view
// they draw on. The video view implements it; tests use a double.
//
// Positions are stored frame-relative (x from 0 at the left edge of the frame to 1 at the
// right edge, y from 0 at the top to 1 at the bottom); the view turns them into its own
// pixels and back, so zoom, scrolling and window size never reach the stored values.

#include "kit/Types.h"

namespace kolibra::measurement {

// Cursor codes of the program's cursor table that these objects ask for.
enum TViewCursor : int {
  vcDefault = 0,
  vcEchelle = 13,      // placing a scale point
  vcNesw = 27,         // diagonal resize, north-east to south-west
  vcNwse = 28,         // diagonal resize, north-west to south-east
  vcSelection = 45,    // move
  vcSelRotation = 46,  // rotate
};

// The mapping between view pixels and frame-relative positions for one zoom and scroll
// state: DisplayWidth and DisplayHeight are the sizes in view pixels of the whole frame,
// ViewLeft and ViewTop the frame-relative position of the view's top-left corner.
struct TFrameMapping {
  double DisplayWidth = 1.0;
  double DisplayHeight = 1.0;
  double ViewLeft = 0.0;
  double ViewTop = 0.0;

  // Each coordinate limited to [0, 1]: a pointer beside the picture lands on its edge.
  TPointD ScreenToFrame(TPoint pixel) const;
  // RoundClamped((x - ViewLeft) * DisplayWidth), likewise for y; not limited.
  TPoint FrameToScreen(TPointD position) const;
};

class IViewPort {
 public:
  virtual ~IViewPort() = default;

  // View pixel to frame-relative position and back (TFrameMapping's formulas).
  virtual TPointD ScreenToFrame(TPoint pixel) const = 0;
  virtual TPoint FrameToScreen(TPointD position) const = 0;

  // Size of a video frame in its own pixels.
  virtual int NativeFrameWidth() const = 0;
  virtual int NativeFrameHeight() const = 0;

  // Size of the view's client area, scroll bars excluded.
  virtual int ClientWidth() const = 0;
  virtual int ClientHeight() const = 0;

  // Index of the shown frame in the video file.
  virtual int CurrentFrameIndex() const = 0;
  // Index of the shown frame among the frames the video editing keeps (the user's
  // numbering); equal to CurrentFrameIndex when nothing is edited.
  virtual int EditedFrameIndex() const = 0;

  // Shows the frame with the given index among the kept frames (as EditedFrameIndex counts).
  virtual void GoToFrame(int editedIndex) = 0;
  // Shows the frame with the given index in the video file (stored frame numbers are such
  // indexes, which the video editing would otherwise renumber).
  virtual void GoToVideoFrame(int frameIndex) = 0;

  // Paints at once / schedules a paint.
  virtual void Repaint() = 0;
  virtual void Invalidate() = 0;

  // One of the codes of TViewCursor.
  virtual void SetViewCursor(int code) = 0;
};

}  // namespace kolibra::measurement
