// The scale tools: placing the two ends of the selected segment (two clicks, or a press at
// one end dragged to the other), dragging an end or the whole segment, and removing points
// with the right button.

#include "kit/MathUtils.h"
#include "measurement/DrawHelpers.h"
#include "measurement/Echelle.h"

namespace kolibra::measurement {

void TEchelle::MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers, TPoint pixel) {
  LastPointer = pixel;
  const TSegment s = Segment(ScaleKind);
  if (button == Qt::RightButton) {
    if (*s.Count == 0) return;
    if (*s.Count == 2) Host().Record(this, akErase);
    --*s.Count;
    DragState = -2;
    Placing.Cancel();
    HasRubber = false;
    Host().InvalidateResults(TResultsScope::BothModes);
    View().Repaint();
    return;
  }
  if (button != Qt::LeftButton) return;

  if (*s.Count == 0) {
    Host().Record(this, akDefineScale);
    *s.Point1 = View().ScreenToFrame(pixel);
    *s.Pixel1 = View().FrameToScreen(*s.Point1);
    *s.Count = 1;
    HasRubber = false;
    Placing.Start(pixel);
    Host().InvalidateResults(TResultsScope::BothModes);
    View().Repaint();
    Host().ScaleChanged();
    return;
  }
  if (*s.Count == 1) {
    Placing.Cancel();
    PlaceSecondEnd(pixel);
    return;
  }
  if (DragState != -2) return;
  switch (SegmentHit(pixel, *s.Pixel1, *s.Pixel2, ElementPenWidth(Host().ElementSize()))) {
    case 0:
      Host().Record(this, akModify);
      DragState = 0;
      break;
    case 1:
      Host().Record(this, akModify);
      DragState = 1;
      break;
    case -1:
      Host().Record(this, akMove);
      DragState = -1;
      break;
    default:
      return;
  }
  LastDragPoint = pixel;
}

bool TEchelle::PlaceSecondEnd(TPoint pixel) {
  const TSegment s = Segment(ScaleKind);
  // A second point on the first one's pixel (or, for the separate scales, on its column
  // or row) would give a segment of no length: it is ignored.
  *s.Pixel1 = View().FrameToScreen(*s.Point1);
  if ((ScaleKind == skGeneral && pixel == *s.Pixel1) || (ScaleKind == skHorizontal && pixel.X == s.Pixel1->X) ||
      (ScaleKind == skVertical && pixel.Y == s.Pixel1->Y))
    return false;
  TPointD point = View().ScreenToFrame(pixel);
  if (ScaleKind == skHorizontal) point.Y = s.Point1->Y;
  if (ScaleKind == skVertical) point.X = s.Point1->X;
  *s.Point2 = point;
  *s.Pixel2 = View().FrameToScreen(point);
  *s.Count = 2;
  HasRubber = false;
  Host().InvalidateResults(TResultsScope::BothModes);
  View().Repaint();
  Host().ScaleChanged();
  return true;
}

bool TEchelle::MoveEnd(int end, TPoint pixel) {
  const TSegment s = Segment(ScaleKind);
  TPointD &moved = end == 0 ? *s.Point1 : *s.Point2;
  const TPointD &other = end == 0 ? *s.Point2 : *s.Point1;
  const TPoint otherPixel = end == 0 ? *s.Pixel2 : *s.Pixel1;
  // As when placing: an end never lands on the other end's pixel, column or row.
  if ((ScaleKind == skGeneral && pixel == otherPixel) || (ScaleKind == skHorizontal && pixel.X == otherPixel.X) ||
      (ScaleKind == skVertical && pixel.Y == otherPixel.Y))
    return false;
  TPointD point = View().ScreenToFrame(pixel);
  if (ScaleKind == skHorizontal) point.Y = other.Y;
  if (ScaleKind == skVertical) point.X = other.X;
  moved = point;
  *s.Pixel1 = View().FrameToScreen(*s.Point1);
  *s.Pixel2 = View().FrameToScreen(*s.Point2);
  return true;
}

void TEchelle::MouseMove(Qt::KeyboardModifiers, TPoint pixel) {
  LastPointer = pixel;
  const TSegment s = Segment(ScaleKind);
  if (*s.Count == 1) {
    Rubber = pixel;
    if (ScaleKind == skHorizontal) Rubber.Y = s.Pixel1->Y;
    if (ScaleKind == skVertical) Rubber.X = s.Pixel1->X;
    HasRubber = true;
    View().SetViewCursor(vcEchelle);
    View().Invalidate();
    return;
  }
  if (*s.Count != 2) return;

  switch (DragState) {
    case -1: {
      const int dx = pixel.X - LastDragPoint.X;
      const int dy = pixel.Y - LastDragPoint.Y;
      LastDragPoint = pixel;
      *s.Point1 = View().ScreenToFrame(TPoint(s.Pixel1->X + dx, s.Pixel1->Y + dy));
      *s.Point2 = View().ScreenToFrame(TPoint(s.Pixel2->X + dx, s.Pixel2->Y + dy));
      *s.Pixel1 = View().FrameToScreen(*s.Point1);
      *s.Pixel2 = View().FrameToScreen(*s.Point2);
      Host().InvalidateResults(TResultsScope::BothModes);
      View().Invalidate();
      return;
    }
    case 0:
    case 1:
      LastDragPoint = pixel;
      if (MoveEnd(DragState, pixel)) {
        Host().InvalidateResults(TResultsScope::BothModes);
        View().Invalidate();
      }
      return;
    default:
      break;
  }

  switch (SegmentHit(pixel, *s.Pixel1, *s.Pixel2, ElementPenWidth(Host().ElementSize()))) {
    case -1:
      View().SetViewCursor(vcSelection);
      break;
    case 0:
    case 1:
      View().SetViewCursor(QuadrantSign(*s.Pixel1, *s.Pixel2) > 0 ? vcNesw : vcNwse);
      break;
    default:
      View().SetViewCursor(vcDefault);
      break;
  }
}

void TEchelle::MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers, TPoint pixel) {
  LastPointer = pixel;
  DragState = -2;
  // The first end was pressed and the mouse dragged away: the release is the second end.
  if (button == Qt::LeftButton && Placing.Release(pixel) && *Segment(ScaleKind).Count == 1) PlaceSecondEnd(pixel);
}

bool TEchelle::KeyDown(int key, Qt::KeyboardModifiers modifiers) {
  if (key != Qt::Key_Return && key != Qt::Key_Enter) return false;
  if (DragState != -2)
    MouseUp(Qt::LeftButton, modifiers, LastPointer);
  else
    MouseDown(Qt::LeftButton, modifiers, LastPointer);
  return true;
}

}  // namespace kolibra::measurement
