// The axes tool: placing, moving, turning and erasing the fixed axes with the mouse.

#include "kit/MathUtils.h"
#include "measurement/DrawHelpers.h"
#include "measurement/RepereFixe.h"

#include <cmath>

namespace kolibra::measurement {

namespace repere_fixe_mouse_impl {

// The origin is easier to catch than a line.
constexpr int kOriginHitSize = 5;

}  // namespace repere_fixe_mouse_impl

TRepereFixe::THitPart TRepereFixe::HitPart(TPoint pixel) const {
  if (PointHit(pixel, OriginPix, repere_fixe_mouse_impl::kOriginHitSize)) return THitPart::Origin;
  const int hit = ElementPenWidth(Host().ElementSize());
  if (LineHit(pixel, OriginPix, PositiveXEnd(), hit)) return THitPart::XAxis;
  if (LineHit(pixel, OriginPix, PositiveYEnd(), hit)) return THitPart::YAxis;
  return THitPart::None;
}

void TRepereFixe::MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers, TPoint pixel) {
  LastPointer = pixel;
  if (button == Qt::RightButton) {
    EraseAxes();
    return;
  }
  if (button != Qt::LeftButton) return;

  if (!IsPlaced()) {
    Host().Record(this, akChooseOrigin);
    OriginePointsNumber = 1;
    OrigineCurrent = View().ScreenToFrame(pixel);
    ComputeAxisLines();
    Host().InvalidateResults(TResultsScope::ActiveMode);
    Host().AxesChanged();
    View().Invalidate();
    return;
  }
  if (DragState != 0) return;

  switch (HitPart(pixel)) {
    case THitPart::Origin:
      Host().Record(this, akMove);
      DragState = 1;
      LastDragPoint = pixel;
      break;
    case THitPart::XAxis:
      Host().Record(this, akRotate);
      DragState = 2;
      LastDragPoint = pixel;
      break;
    case THitPart::YAxis:
      Host().Record(this, akRotate);
      DragState = 3;
      LastDragPoint = pixel;
      break;
    case THitPart::None:
      break;
  }
}

void TRepereFixe::MouseMove(Qt::KeyboardModifiers, TPoint pixel) {
  LastPointer = pixel;
  if (!IsPlaced()) return;
  const int ox = OriginPix.X;
  const int oy = OriginPix.Y;
  switch (DragState) {
    case 1: {
      const TPoint moved(OriginPix.X + pixel.X - LastDragPoint.X, OriginPix.Y + pixel.Y - LastDragPoint.Y);
      LastDragPoint = pixel;
      OrigineCurrent = View().ScreenToFrame(moved);
      ComputeAxisLines();
      // Every coordinate depends on the origin.
      Host().InvalidateResults(TResultsScope::ActiveMode);
      View().Invalidate();
      return;
    }
    case 2: {
      const double angle = DirectXAxisDirection ? std::atan2(double(oy - pixel.Y), double(pixel.X - ox))
                                                : std::atan2(double(pixel.Y - oy), double(ox - pixel.X));
      LastDragPoint = pixel;
      SetXAxisAngle(angle);
      View().Invalidate();
      return;
    }
    case 3: {
      const double angle = DirectYAxisDirection ? std::atan2(double(oy - pixel.Y), double(pixel.X - ox))
                                                : std::atan2(double(pixel.Y - oy), double(ox - pixel.X));
      LastDragPoint = pixel;
      SetYAxisAngle(angle);
      View().Invalidate();
      return;
    }
    default:
      break;
  }
  switch (HitPart(pixel)) {
    case THitPart::Origin:
      View().SetViewCursor(vcSelection);
      break;
    case THitPart::XAxis:
    case THitPart::YAxis:
      View().SetViewCursor(vcSelRotation);
      break;
    case THitPart::None:
      View().SetViewCursor(vcDefault);
      break;
  }
}

void TRepereFixe::MouseUp(Qt::MouseButton, Qt::KeyboardModifiers, TPoint pixel) {
  LastPointer = pixel;
  DragState = 0;
}

bool TRepereFixe::KeyDown(int key, Qt::KeyboardModifiers modifiers) {
  if (key != Qt::Key_Return && key != Qt::Key_Enter) return false;
  if (DragState != 0)
    MouseUp(Qt::LeftButton, modifiers, LastPointer);
  else
    MouseDown(Qt::LeftButton, modifiers, LastPointer);
  return true;
}

}  // namespace kolibra::measurement
