// The video view's mouse and keyboard: the zoom band, the pan, and the routing of
// everything else to whoever works in the current mode.

#include "measurement/Data.h"
#include "videoview/VideoModel.h"

namespace kolibra::videoview {

void TVideoModel::MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, TPoint pixel) {
  if (!IsOpen() || FPan.Dragging) return;
  switch (FTool) {
    case vtZoom:
      FZoom.Dragging = true;
      FZoom.BandStart = FZoom.BandEnd = pixel;
      return;
    case vtPan:
      if (button != Qt::LeftButton) return;
      FPan.Dragging = true;
      FPan.Start = pixel;
      return;
    default:
      break;
  }
  if (IsMarkingMode()) {
    if (FDocument != nullptr) FDocument->MouseDown(button, modifiers, pixel);
  } else if (IVideoOverlay *overlay = ModeOverlay()) {
    overlay->MouseDown(button, modifiers, pixel);
  }
}

void TVideoModel::MouseDoubleClick(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, TPoint pixel) {
  IVideoOverlay *overlay = ModeOverlay();
  if (!IsOpen() || FPan.Dragging || FTool != vtNone || overlay == nullptr) {
    MouseDown(button, modifiers, pixel);
    return;
  }
  overlay->MouseDoubleClick(button, modifiers, pixel);
}

void TVideoModel::MouseMove(Qt::KeyboardModifiers modifiers, TPoint pixel) {
  if (!IsOpen()) return;
  if (FPan.Dragging) {
    if (FGeometry.PanBy(pixel.X - FPan.Start.X, pixel.Y - FPan.Start.Y)) {
      UpdateGeometry();
      ViewChanged();
    }
    FPan.Start = pixel;
    FSurface.RepaintNow();
    return;
  }
  if (FTool == vtZoom) {
    if (!FZoom.Dragging) return;
    FZoom.BandEnd = pixel;
    FSurface.RepaintNow();
    return;
  }
  if (FTool != vtNone) return;
  if (IsMarkingMode()) {
    if (FDocument != nullptr) FDocument->MouseMove(modifiers, pixel);
  } else if (IVideoOverlay *overlay = ModeOverlay()) {
    overlay->MouseMove(modifiers, pixel);
  }
  FLoupe.Follow(pixel);
}

void TVideoModel::MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, TPoint pixel) {
  if (!IsOpen()) return;
  switch (FTool) {
    case vtPan:
      if (!FPan.Dragging) return;
      EndPan();
      UpdateCursor();
      return;
    case vtZoom:
      EndBand(button, modifiers, pixel);
      return;
    default:
      break;
  }
  if (IsMarkingMode()) {
    if (FDocument != nullptr) FDocument->MouseUp(button, modifiers, pixel);
  } else if (IVideoOverlay *overlay = ModeOverlay()) {
    overlay->MouseUp(button, modifiers, pixel);
  }
}

void TVideoModel::EndPan() { FPan.Dragging = false; }

void TVideoModel::EndBand(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, TPoint pixel) {
  if (FZoom.Dragging) {
    FZoom.BandEnd = pixel;
    FZoom.Dragging = false;
    const QRect band = FZoom.Band();
    if (IsZoomBand(band)) {
      const int factor = ZoomBandFactor(FZoom.Factor, FGeometry.BitmapWidth(), FGeometry.BitmapHeight(),
                                        band.width(), band.height());
      const TPoint centre((2 * band.left() + band.width()) / 2, (2 * band.top() + band.height()) / 2);
      ApplyZoom(factor, centre);
      FSurface.InvalidateView();
      return;
    }
  }
  if (button != Qt::LeftButton && button != Qt::RightButton) {
    FSurface.InvalidateView();
    return;
  }
  ZoomClick(pixel, button == Qt::LeftButton, modifiers.testFlag(Qt::ControlModifier));
}

bool TVideoModel::KeyDown(int key, Qt::KeyboardModifiers modifiers) {
  if (!IsOpen() || !IsMarkingMode()) return false;
  const TPoint pointer = FSurface.PointerPosition();
  switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      if (FPan.Dragging) {
        MouseUp(Qt::LeftButton, modifiers, pointer);
        return true;
      }
      if (FTool == vtPan) {
        MouseDown(Qt::LeftButton, modifiers, pointer);
        return true;
      }
      if (FTool == vtZoom) {
        // A press alone would leave a band waiting for a release no key sends: Enter clicks.
        MouseDown(Qt::LeftButton, modifiers, pointer);
        MouseUp(Qt::LeftButton, modifiers, pointer);
        return true;
      }
      return false;
    case Qt::Key_Escape:
      MouseDown(Qt::RightButton, modifiers, pointer);
      return true;
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
      return NudgePointer(key, modifiers);
    default:
      return false;
  }
}

bool TVideoModel::NudgePointer(int key, Qt::KeyboardModifiers modifiers) {
  if (!IsOpen()) return false;
  const int step = modifiers.testFlag(Qt::ControlModifier) ? 10 : 1;
  TPoint moved = FSurface.PointerPosition();
  switch (key) {
    case Qt::Key_Left:
      moved.X -= step;
      break;
    case Qt::Key_Right:
      moved.X += step;
      break;
    case Qt::Key_Up:
      moved.Y -= step;
      break;
    case Qt::Key_Down:
      moved.Y += step;
      break;
    default:
      return false;
  }
  FSurface.MovePointer(moved);
  MouseMove(modifiers & ~Qt::ControlModifier, moved);
  return true;
}

}  // namespace kolibra::videoview
