#pragma once
// TModele: one outline of an object on one frame, for the chronophotograph. It is drawn in
// view pixels but stored frame-relative (RelPoints, Centre, Edge), so zoom and scrolling
// never change it: UpdateScreen recomputes every view pixel from the stored positions.
//
// Once completed it carries what the chronophotograph needs: the outline's pixels on the
// frame (Bounds and Mask) and the frame's pixels under them (Picture), taken when it was
// completed, so later navigation does not change it. Bounds always lies inside the frame:
// an outline drawn partly beyond the picture keeps only its part on the picture, and its
// mask is never larger than the frame.

#include "kit/Color.h"
#include "kit/Types.h"

#include <QImage>
#include <QRect>
#include <functional>

class QPainter;

namespace kolibra::measurement {
class IViewPort;
}

namespace kolibra::studio {

// Outline shapes, as the studio's Shape and the options' list give them.
enum TOutlineShape : int { osFree = 0, osBrokenLine = 1, osCircle = 2 };

class TModele {
 public:
  TModele(measurement::IViewPort &view, int shape);

  // The frame it was drawn on, in the user's numbering; -1 at creation.
  int Frame = -1;
  const int Shape;
  bool Closed = false;
  TPointDDynArray RelPoints;
  TPointDynArray ScreenPoints;
  TPointD Centre;
  TPointD Edge;
  TPoint ScreenCentre;
  int Radius = 0;
  // The outline clipped to the view: what is drawn and hit once completed.
  TMatricePoint Pieces;
  // Frame pixels, inclusive; inside the frame.
  QRect Bounds;
  // [row][column] over Bounds: non-zero inside the outline, border included.
  TMatriceI Mask;
  QImage Picture;

  // Appends the frame position of a view point, and that position's own view pixel (the
  // stored point is snapped to the frame's grid).
  void AddPoint(TPoint screen);
  // Circle: store a frame-relative position, its view pixel and the radius.
  void SetCentre(TPointD position);
  void SetEdge(TPointD position);

  // Closes the outline. A circle becomes a polygon; the outline is clipped to the view
  // (Pieces) and rasterised on the frame (Bounds, Mask); when it has a mask, grab is asked
  // for the whole current frame and Picture takes its pixels under Bounds. A failed grab
  // leaves the outline without mask and picture. Returns false when the outline encloses
  // nothing (two clicks without moving, a zero radius, a line with no area): such an
  // outline gives nothing to paste and its owner deletes it.
  bool Complete(const std::function<bool(QImage &)> &grab);
  // Has a mask and a picture: it adds an object to a chronophotograph.
  bool HasPicture() const { return !Mask.empty() && !Picture.isNull(); }

  // Copies the picture's pixels under the mask to their places; pixels beyond the bitmap
  // are ignored.
  void PasteInto(QImage &bitmap) const;
  // Within three pixels of the drawn outline, along its edges (not only at its vertices).
  bool HitTest(TPoint point) const;
  // Every point of every piece inside the rectangle; false without pieces.
  bool InsideRect(const QRect &rect) const;
  // The view changed: every view pixel is recomputed from the stored positions.
  void UpdateScreen();
  // A completed outline: its pieces; one being drawn: its circle or its polyline.
  void Draw(QPainter *canvas, TColor colour) const;

 private:
  void UpdateRadius();
  void ClipToView();

  measurement::IViewPort &View;
};

}  // namespace kolibra::studio
