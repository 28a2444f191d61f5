// The layer tool: grabbing, carrying and dropping the layer, pointing its mark, stepping
// back with the right button and resizing with the keyboard.

#include "measurement/Transparent.h"

namespace kolibra::measurement {

void TTransparent::MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers, TPoint pixel) {
  LastPointer = pixel;
  if (button == Qt::RightButton) {
    if (LayerStage == 0) {
      if (!Host().RemoveLastLayerMark()) return;
      // The host now shows the frame of the removed mark: the layer goes back there too.
      StepBackStage(1);
      ShowFrameLayer(View().CurrentFrameIndex());
      Host().RecomputeLayerMarkPixels();
      View().Repaint();
    } else if (LayerStage == 2) {
      if (TOrigine *last = LastOrigin()) {
        View().GoToVideoFrame(last->ImageNumber);
        RemoveOrigin(last, akDeleteLastOrigin);
        ShowLayer(int(Origins.size()) - 1);
        Host().RecomputeLayerMarkPixels();
      }
      StepBackStage(2);
    }
    return;
  }
  if (button != Qt::LeftButton) return;
  switch (LayerStage) {
    case 0: {
      GrabPoint = View().ScreenToFrame(pixel);
      GrabOffset = TPointD(GrabPoint.X - OrigineCurrent.X, GrabPoint.Y - OrigineCurrent.Y);
      SetLayerStage(1);
      break;
    }
    case 1:
      Drop(pixel);
      break;
    default:
      PointMark(pixel);
      break;
  }
}

void TTransparent::MouseMove(Qt::KeyboardModifiers, TPoint pixel) {
  LastPointer = pixel;
  if (LayerStage == 1) FollowPointer(pixel);
}

void TTransparent::MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers, TPoint pixel) {
  LastPointer = pixel;
  if (LayerStage == 1 && button == Qt::LeftButton) Drop(pixel);
}

bool TTransparent::KeyDown(int key, Qt::KeyboardModifiers modifiers) {
  switch (key) {
    case Qt::Key_Minus:
      Shrink();
      return true;
    case Qt::Key_Plus:
    case Qt::Key_Equal:
      Grow();
      return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      if (LayerStage == 1)
        Drop(LastPointer);
      else
        MouseDown(Qt::LeftButton, modifiers, LastPointer);
      return true;
    default:
      return false;
  }
}

void TTransparent::EndDrag() {
  if (LayerStage != 1) return;
  OrigineCurrent = Centre();
  SetLayerStage(0);
}

void TTransparent::FollowPointer(TPoint pixel) {
  GrabPoint = View().ScreenToFrame(pixel);
  SetCurrentOrigin(TPointD(GrabPoint.X - GrabOffset.X, GrabPoint.Y - GrabOffset.Y));
  Host().RecomputeLayerMarkPixels();
  View().Repaint();
}

void TTransparent::Drop(TPoint pixel) {
  FollowPointer(pixel);
  const int frame = View().CurrentFrameIndex();
  if (TOrigine *origin = FindOriginByImage(frame)) {
    origin->Position = OrigineCurrent;
    DroppedOriginId = origin->ObjectId;
    Host().InvalidateResults(TResultsScope::ActiveMode);
  } else {
    auto created = std::make_unique<TOrigine>(frame, OrigineCurrent);
    DroppedOriginId = created->ObjectId;
    InsertOrigin(std::move(created), akDropLayer);
  }
  SetLayerStage(2);
}

TOrigine *TTransparent::DroppedOrigin() const {
  if (TOrigine *origin = FindOriginById(DroppedOriginId)) return origin;
  return LastOrigin();
}

void TTransparent::PointMark(TPoint pixel) {
  if (!Host().PointLayerMark(View().ScreenToFrame(pixel))) {
    // Refused (the frame already has its layer mark): the layer is free to be carried on.
    SetLayerStage(0);
    return;
  }
  // The mark may be pointed on another frame than the drop's: the origin follows the mark.
  if (TOrigine *origin = DroppedOrigin()) origin->ImageNumber = View().CurrentFrameIndex();
  View().GoToFrame(View().EditedFrameIndex() + Host().FramesNumberBetweenTwoMarks());
  SetLayerStage(0);
}

}  // namespace kolibra::measurement
