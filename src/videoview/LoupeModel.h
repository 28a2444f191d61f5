#pragma once
// The magnifier's state and picture: it shows, enlarged LoupeZoom / 100 times, the part of
// the view's back buffer around the last mouse point, with a cross hair at its centre. The
// widget TLoupe only shows the picture and passes the mouse on; the rules are here.

#include "kit/Types.h"

#include <QImage>
#include <QRect>

namespace kolibra::videoview {

class TLoupeModel {
 public:
  static constexpr int MinZoom = 100;
  static constexpr int MaxZoom = 600;
  // A press this close to the border drags the magnifier instead of zooming it.
  static constexpr int DragBorder = 20;

  // Placement on a view of width x height: a fifth of each side, 2 pixels from the top
  // right corner.
  static QRect PlaceIn(int viewWidth, int viewHeight);

  int LoupeZoom = 300;
  bool Visible = false;
  bool Dragging = false;
  TPoint DragLast;   // the last point of a drag, in the view's pixels
  TPoint Centre;     // the last mouse point on the view, in view pixels
  QRect Geometry;    // where the magnifier sits on the view

  int SourceWidth() const;
  int SourceHeight() const;
  // The part of the back buffer shown, centred on Centre.
  QRect SourceRect() const;

  // A press at a point of the magnifier (its own pixels): near the border it starts a drag
  // (true), inside a left press zooms in by 100 and a right press out (false).
  bool Press(TPoint local, bool leftButton, TPoint viewPoint);
  bool NearBorder(TPoint local) const;
  // The drag moved to viewPoint: the magnifier follows, kept inside the visible area.
  void DragTo(TPoint viewPoint, int visibleWidth, int visibleHeight);
  void EndDrag() { Dragging = false; }
  // The mouse moved over the view; ignored while the magnifier is dragged.
  void Follow(TPoint viewPoint);

  // The picture: black, the source stretched over it (nearest pixel), the white cross with
  // its black edges, and a black frame.
  QImage Render(const QImage &display) const;
};

}  // namespace kolibra::videoview
