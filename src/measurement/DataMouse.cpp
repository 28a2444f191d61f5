// The video view's entry points: tools, the mouse and keyboard dispatch, painting, the
// view's geometry and the cursor.

#include "measurement/Data.h"

#include <QPainter>

namespace kolibra::measurement {

void TData::SetActiveTool(int tool) {
  EndDrags();
  if (tool != Tool) PlaneObject->CancelInput();
  Tool = tool;
  if (tool == dtLayer) {
    LayerSystem->ComputeRestOrigin();
    RecomputeLayerMarkPixels();
  }
  View().Invalidate();
  if (tool != dtNone) Fire(OnToolChange);
}

void TData::MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, TPoint pixel) {
  LastPointer = pixel;
  if (!IsMeasuring() || ActiveCollection().IsDraggingMark()) return;
  if (PlaneToolActive()) {
    PlaneObject->MouseDown(PlaneEditing(), button, pixel);
    return;
  }
  if (Mode == TMeasurementMode::FixedAxes) {
    switch (Tool) {
      case dtScale:
        ScaleObject->MouseDown(button, modifiers, pixel);
        break;
      case dtPointing:
        if (button == Qt::LeftButton)
          FixedCollection->PointMarkAt(pixel);
        else if (button == Qt::RightButton)
          FixedCollection->RemoveLastMark();
        break;
      case dtMove:
      case dtErase:
        FixedCollection->MouseDown(Tool, button, modifiers, pixel);
        break;
      case dtAxes:
        FixedAxes->MouseDown(button, modifiers, pixel);
        break;
      default:
        break;
    }
    return;
  }
  switch (Tool) {
    case dtScale:
      ScaleObject->MouseDown(button, modifiers, pixel);
      break;
    case dtMove:
    case dtErase:
      LayerCollection->MouseDown(Tool, button, modifiers, pixel);
      break;
    case dtLayer:
      LayerSystem->MouseDown(button, modifiers, pixel);
      break;
    default:
      break;
  }
}

void TData::MouseMove(Qt::KeyboardModifiers modifiers, TPoint pixel) {
  LastPointer = pixel;
  if (!IsMeasuring()) return;
  switch (Tool) {
    case dtScale:
      ScaleObject->MouseMove(modifiers, pixel);
      break;
    case dtPlane:
    case dtLens:
      PlaneObject->MouseMove(PlaneEditing(), pixel);
      break;
    case dtMove:
    case dtErase:
      ActiveCollection().MouseMove(Tool, modifiers, pixel);
      break;
    case dtAxes:
      if (Mode == TMeasurementMode::FixedAxes) FixedAxes->MouseMove(modifiers, pixel);
      break;
    case dtLayer:
      if (Mode == TMeasurementMode::Layer) LayerSystem->MouseMove(modifiers, pixel);
      break;
    default:
      break;
  }
}

void TData::MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, TPoint pixel) {
  LastPointer = pixel;
  if (!IsMeasuring()) return;
  switch (Tool) {
    case dtScale:
      ScaleObject->MouseUp(button, modifiers, pixel);
      break;
    case dtPlane:
    case dtLens:
      PlaneObject->MouseUp(PlaneEditing(), button, pixel);
      break;
    case dtMove:
    case dtErase:
      ActiveCollection().MouseUp(Tool, button, modifiers, pixel);
      break;
    case dtAxes:
      if (Mode == TMeasurementMode::FixedAxes) FixedAxes->MouseUp(button, modifiers, pixel);
      break;
    case dtLayer:
      if (Mode == TMeasurementMode::Layer) LayerSystem->MouseUp(button, modifiers, pixel);
      break;
    default:
      break;
  }
}

bool TData::KeyDown(int key, Qt::KeyboardModifiers modifiers) {
  if (!IsMeasuring()) return false;
  const bool control = modifiers.testFlag(Qt::ControlModifier);
  if (key == Qt::Key_A && control) {
    Undo();
    return true;
  }
  if (key == Qt::Key_0) {
    SetElementColor(CycleColor(ElemColor, control));
    return true;
  }
  if (key >= Qt::Key_1 && key <= Qt::Key_9) {
    const int object = key - Qt::Key_1;
    if (size_t(object) >= Colors.size()) return false;
    SetObjectColor(object, CycleColor(Colors[size_t(object)], control));
    return true;
  }
  if (PlaneToolActive() && PlaneObject->KeyDown(PlaneEditing(), key)) return true;
  switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return EnterKey(modifiers);
    case Qt::Key_Alt:
      if (Tool != dtPointing) return false;
      SetCurrentMarkOrderNumber(CurrentMarkOrderNumber() + 1);
      return true;
    case Qt::Key_Minus:
    case Qt::Key_Plus:
    case Qt::Key_Equal:
      if (Tool != dtLayer || !IsLayerMeasurement()) return false;
      return LayerSystem->KeyDown(key, modifiers);
    default:
      return false;
  }
}

bool TData::EnterKey(Qt::KeyboardModifiers modifiers) {
  switch (Tool) {
    case dtScale:
      return ScaleObject->KeyDown(Qt::Key_Return, modifiers);
    case dtPointing:
      if (IsLayerMeasurement()) return false;
      MouseDown(Qt::LeftButton, modifiers, LastPointer);
      return true;
    case dtMove:
    case dtErase: {
      TPolyContainer &collection = ActiveCollection();
      if (collection.DragState != 0)
        collection.MouseUp(Tool, Qt::LeftButton, modifiers, LastPointer);
      else
        collection.MouseDown(Tool, Qt::LeftButton, modifiers, LastPointer);
      return true;
    }
    case dtAxes:
      return Mode == TMeasurementMode::FixedAxes && FixedAxes->KeyDown(Qt::Key_Return, modifiers);
    case dtLayer:
      return IsLayerMeasurement() && LayerSystem->KeyDown(Qt::Key_Return, modifiers);
    default:
      return false;
  }
}

void TData::Paint(QPainter *canvas) const {
  if (canvas == nullptr) return;
  ScaleObject->Draw(canvas);
  if (Plane().HasPlane()) PaintPlane(canvas);
  if (IsMeasuring() && PlaneToolActive()) PlaneObject->Draw(canvas, PlaneEditing());
  if (IsLayerMeasurement()) {
    LayerSystem->Draw(canvas);
    LayerCollection->Draw(canvas);
  } else {
    FixedAxes->Draw(canvas);
    FixedCollection->Draw(canvas);
  }
  if (CentreOfMassShown()) ActiveCollection().DrawCentreOfMass(canvas, ObjectMasses.List(IsLayerMeasurement(), ObjectsCount()));
}

void TData::PaintPlane(QPainter *canvas) const {
  // The plane in perspective, as the picture shows it: whether it fits the board the user
  // measured on is seen at once.
  const int w = View().NativeFrameWidth(), h = View().NativeFrameHeight();
  if (w <= 0 || h <= 0) return;
  const TPlaneDrawing drawing = DrawPlane(PlaneForPicture());
  auto screen = [&](const TPointDDynArray &points) {
    QPolygon polygon;
    for (const TPointD &p : points) polygon << View().FrameToScreen(TPointD(p.X / w, p.Y / h)).ToQPoint();
    return polygon;
  };
  canvas->save();
  canvas->setRenderHint(QPainter::Antialiasing, true);
  canvas->setBrush(Qt::NoBrush);
  QColor grid = ElemColor.ToQColor();
  grid.setAlpha(110);
  canvas->setPen(QPen(grid, 1));
  for (const TPointDDynArray &line : drawing.Grid) canvas->drawPolyline(screen(line));
  canvas->setPen(QPen(ElemColor.ToQColor(), 2));
  canvas->drawPolyline(screen(drawing.Rectangle));
  canvas->setPen(QPen(QColor(220, 40, 40), 3));
  canvas->drawPolyline(screen(drawing.XAxis));
  canvas->setPen(QPen(QColor(40, 160, 40), 3));
  canvas->drawPolyline(screen(drawing.YAxis));
  canvas->restore();
}

void TData::ViewChanged() {
  FixedAxes->ComputeAxisLines();
  LayerSystem->ComputeRectangle();
  ScaleObject->ComputePixels();
  FixedCollection->ComputePixels();
  LayerCollection->ComputePixels();
}

void TData::FrameChanged() {
  if (!IsLayerMeasurement() || LayerSystem->LayerStage == 1) return;
  LayerSystem->ShowFrameLayer(View().CurrentFrameIndex());
  RecomputeLayerMarkPixels();
}

int TData::CursorCode() const {
  switch (Tool) {
    case dtScale:
      return dcScale;
    case dtPlane:
    case dtLens:
      return PlaneObject->CursorCode(PlaneEditing());
    case dtPointing: {
      const TPolyContainer &collection = ActiveCollection();
      if (collection.MarksNumberPerFrame <= 1) return dcMarque;
      // "Marque1" .. "Marque9" then "Marque0": the number the user sees, from 1.
      const int remainder = collection.CurrentMarkOrderNumber % 10;
      return remainder == 9 ? dcMarque0 : dcMarque0 + 1 + remainder;
    }
    case dtMove:
      return mcMove;
    case dtErase:
      return mcErase;
    case dtAxes:
      return dcOrigine;
    case dtLayer:
      return LayerSystem->LayerStage == 2 ? dcMarque : dcPan;
    default:
      return vcDefault;
  }
}

}  // namespace kolibra::measurement
