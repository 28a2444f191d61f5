// Drawing outlines and zones to ignore with the mouse and the keyboard: by clicks, or by
// pressing, dragging and releasing.

#include "tracking/Tracking.h"

#include "kit/MathUtils.h"
#include "measurement/DrawHelpers.h"
#include "videoview/VideoModel.h"


namespace kolibra::tracking {

TPoint TTracking::Screen(TPointD position) const { return Video.FrameToScreen(position); }

void TTracking::CancelDrawing() {
  FDrawState = dsIdle;
  FWorkScreen.clear();
  FWorkVideo.clear();
  FLastPoint = TPoint(INT_MAX, INT_MAX);
  FCircleRadius = 0;
  FPress.Cancel();
}

bool TTracking::AddWorkPoint(TPoint pixel) {
  // Repeated points add nothing; the polylines never grow past their capacity.
  if (pixel == FLastPoint || int(FWorkScreen.size()) >= WorkCapacity) return false;
  FWorkScreen.push_back(pixel);
  FWorkVideo.push_back(Video.ScreenToFrame(pixel));
  FLastPoint = pixel;
  return true;
}

void TTracking::UpdateRubber(TPoint pixel) {
  FRubberPoint = pixel;
  Video.Invalidate();
}

void TTracking::MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers, TPoint pixel) {
  if (FTracking || !Video.IsOpen()) return;
  if (FTool == ttOutline) {
    if (button == Qt::RightButton) {
      EraseOutline();
      return;
    }
    if (button != Qt::LeftButton) return;
    switch (FShape) {
      case osFree:
        if (FDrawState != dsOutline) {
          CancelDrawing();
          FDrawState = dsOutline;
          AddWorkPoint(pixel);
          FPress.Start(pixel);
        } else {
          AddWorkPoint(pixel);
          EndOutline();
        }
        break;
      case osPolygon:
        if (FDrawState != dsOutline) CancelDrawing();
        FDrawState = dsOutline;
        AddWorkPoint(pixel);
        FPress.Start(pixel);
        UpdateRubber(pixel);
        break;
      default:
        if (FDrawState != dsOutline) {
          CancelDrawing();
          FDrawState = dsOutline;
          FCircleCentreScreen = pixel;
          FCircleCentre = Video.ScreenToFrame(pixel);
          FCircleEdge = FCircleCentre;
          FPress.Start(pixel);
        } else {
          FCircleRadius = RoundClamped(DistanceI(FCircleCentreScreen, pixel));
          FCircleEdge = Video.ScreenToFrame(pixel);
          EndOutline();
        }
        break;
    }
    Video.Invalidate();
  } else if (FTool == ttZone) {
    if (button == Qt::RightButton) {
      EraseLastZone();
      return;
    }
    if (button != Qt::LeftButton) return;
    if (FDrawState != dsZone) CancelDrawing();
    FDrawState = dsZone;
    AddWorkPoint(pixel);
    FPress.Start(pixel);
    UpdateRubber(pixel);
  }
}

void TTracking::MouseDoubleClick(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, TPoint pixel) {
  if (FTracking || !Video.IsOpen() || button != Qt::LeftButton) return;
  const bool polygon = FTool == ttOutline && FShape == osPolygon && FDrawState == dsOutline;
  const bool zone = FTool == ttZone && FDrawState == dsZone;
  if (!polygon && !zone) {
    MouseDown(button, modifiers, pixel);
    return;
  }
  // The double-clicked point is kept (the first click of the pair usually added it).
  AddWorkPoint(pixel);
  if (polygon)
    EndOutline();
  else
    EndZone();
}

void TTracking::MouseMove(Qt::KeyboardModifiers, TPoint pixel) {
  if (FTracking || !Video.IsOpen()) return;
  if (FDrawState == dsOutline && FTool == ttOutline) {
    if (FShape == osFree) {
      if (AddWorkPoint(pixel)) Video.Invalidate();
    } else if (FShape == osCircle) {
      FCircleRadius = RoundClamped(DistanceI(FCircleCentreScreen, pixel));
      FCircleEdge = Video.ScreenToFrame(pixel);
      Video.Invalidate();
    } else {
      UpdateRubber(pixel);
    }
  } else if (FDrawState == dsZone && FTool == ttZone) {
    UpdateRubber(pixel);
  }
}

void TTracking::MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers, TPoint pixel) {
  if (button != Qt::LeftButton || !FPress.Release(pixel) || FTracking || !Video.IsOpen()) return;
  if (FTool == ttOutline && FDrawState == dsOutline) {
    if (FShape == osCircle) {
      FCircleRadius = RoundClamped(DistanceI(FCircleCentreScreen, pixel));
      FCircleEdge = Video.ScreenToFrame(pixel);
      EndOutline();
    } else if (FShape == osFree) {
      AddWorkPoint(pixel);
      EndOutline();
    } else {
      // A dragged side of the polygon: its far corner is where the button comes up.
      AddWorkPoint(pixel);
      UpdateRubber(pixel);
    }
  } else if (FTool == ttZone && FDrawState == dsZone) {
    AddWorkPoint(pixel);
    UpdateRubber(pixel);
  }
}

bool TTracking::KeyDown(int key, Qt::KeyboardModifiers modifiers) {
  if (FTracking || !Video.IsOpen()) return false;
  switch (key) {
    case Qt::Key_Escape:
      if (FDrawState == dsZone) {
        EndZone();
        return true;
      }
      if (FDrawState == dsOutline && FShape == osPolygon) {
        EndOutline();
        return true;
      }
      return false;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      if (FDrawState != dsOutline || FShape == osPolygon) return false;
      if (FShape == osCircle) {
        MouseDown(Qt::LeftButton, modifiers, Video.PointerPosition());
      } else {
        EndOutline();
      }
      return true;
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
      return FTool != ttNone && Video.NudgePointer(key, modifiers);
    default:
      return false;
  }
}

void TTracking::EndOutline() {
  TPointDynArray screen;
  TPointDDynArray video;
  if (FShape == osCircle) {
    // The closed ring of the circle's screen pixels.
    screen = measurement::CirclePoints(FCircleCentreScreen, FCircleRadius);
    for (const TPoint &p : screen) video.push_back(Video.ScreenToFrame(p));
  } else {
    screen = FWorkScreen;
    video = FWorkVideo;
  }
  if (DistinctPointCount(screen) < 3) {
    // Too small to enclose anything: a polygon goes on, a path or a circle starts again.
    if (FShape != osPolygon) CancelDrawing();
    Video.Invalidate();
    return;
  }
  TTrackObject &object = Cur();
  object.Outline = std::move(video);
  object.OutlineScreen = std::move(screen);
  object.HasOutline = true;
  object.Status = stOutline;
  object.StartFrame = Video.CurrentFrame();
  CancelDrawing();
  Video.Invalidate();
}

void TTracking::EndZone() {
  if (DistinctPointCount(FWorkScreen) <= 2) {
    CancelDrawing();
    Video.Invalidate();
    return;
  }
  TPointDynArray screen = FWorkScreen;
  TPointDDynArray video = FWorkVideo;
  if (!(screen.back() == screen.front())) {
    screen.push_back(screen.front());
    video.push_back(video.front());
  }
  Cur().Zones.push_back(std::move(video));
  Cur().ZonesScreen.push_back(std::move(screen));
  CancelDrawing();
  Video.Invalidate();
}

}  // namespace kolibra::tracking
