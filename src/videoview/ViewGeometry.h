#pragma once
// Where the video view's pixels fall on the frame: the part of the frame shown (Source, in
// frame pixels), the size of the back buffer, the size the whole frame would have at the
// current zoom, and what the two scroll bars show.
//
// Invariants once a frame size is known: Source lies inside the frame, and its size is the
// frame's times 100 / zoom (rounded); DisplayWidth and DisplayHeight are the back buffer's
// size times zoom / 100; ViewLeft and ViewTop are Source's corner over the frame's size.

#include "kit/Types.h"
#include "measurement/ViewPort.h"

#include <QRect>

namespace kolibra::videoview {

struct TScrollBarState {
  bool Visible = false;
  int ImageSize = 0;  // the whole frame's length in view pixels at this zoom
  int PageSize = 0;   // the visible part
  int Position = 0;   // where the visible part starts
};

class TViewGeometry {
 public:
  // A new file: Source becomes the whole frame.
  void SetFrameSize(int width, int height);
  int FrameWidth() const { return FWidth; }
  int FrameHeight() const { return FHeight; }

  // The view's own size and the thickness of its scroll bars (the vertical bar's width, the
  // horizontal bar's height).
  void SetControlSize(int width, int height);
  void SetBarThickness(int verticalWidth, int horizontalHeight);
  int ControlWidth() const { return FControlWidth; }
  int ControlHeight() const { return FControlHeight; }

  // Recomputes the back buffer's size, the display sizes and the scroll bars for a zoom.
  void Update(int zoomFactor);

  // Re-centres Source on the view pixel (x, y) while the zoom goes from oldFactor to
  // newFactor (the click rule); then Update must run.
  void ZoomAt(int x, int y, int oldFactor, int newFactor);
  // Shifts Source against a mouse move of (dx, dy) view pixels. True when it moved.
  bool PanBy(int dx, int dy);
  // A scroll bar moved to position (view pixels). True when Source moved.
  bool ScrollHorizontal(int position);
  bool ScrollVertical(int position);

  const QRect &Source() const { return FSource; }
  double DisplayWidth() const { return FDisplayWidth; }
  double DisplayHeight() const { return FDisplayHeight; }
  double ViewLeft() const { return FWidth > 0 ? double(FSource.left()) / FWidth : 0.0; }
  double ViewTop() const { return FHeight > 0 ? double(FSource.top()) / FHeight : 0.0; }
  // The frame's pixels on the screen, in percent: 171 when a 480-pixel frame fills 820 view
  // pixels, whatever the zoom factor relative to the fitted view (0 before a frame size).
  int ScreenPercent() const;
  int BitmapWidth() const { return FBitmapWidth; }
  int BitmapHeight() const { return FBitmapHeight; }
  const TScrollBarState &Horizontal() const { return FHorizontal; }
  const TScrollBarState &Vertical() const { return FVertical; }
  bool BarsVisible() const { return FVertical.Visible; }

  measurement::TFrameMapping Mapping() const;

 private:
  void ClampSource();

  int FWidth = 0;
  int FHeight = 0;
  int FControlWidth = 0;
  int FControlHeight = 0;
  int FBarWidth = 16;
  int FBarHeight = 16;
  QRect FSource;
  int FBitmapWidth = 0;
  int FBitmapHeight = 0;
  double FDisplayWidth = 0.0;
  double FDisplayHeight = 0.0;
  TScrollBarState FHorizontal;
  TScrollBarState FVertical;
};

}  // namespace kolibra::videoview
