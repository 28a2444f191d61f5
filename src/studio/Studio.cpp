// The studio's state, its mouse and its overlay on the video view.

#include "studio/Studio.h"

#include "measurement/DrawHelpers.h"
#include "measurement/ViewPort.h"
#include "settings/Options.h"

#include <QPainter>
#include <algorithm>

namespace kolibra::studio {

int ShapeFromOption(int optionValue) {
  switch (optionValue) {
    case 1:
      return osBrokenLine;
    case 2:
      return osFree;
    default:
      return osCircle;
  }
}

TStudio::TStudio(measurement::IViewPort &view, IStudioHost &host, const settings::TOptions *options)
    : View(view), Host(host), Options(options) {
  FOutlines.reserve(32);
  Reset();
  ApplyOptions();
}

TStudio::~TStudio() = default;

// ---------------------------------------------------------------------------------------------
// State
// ---------------------------------------------------------------------------------------------

void TStudio::Reset() {
  FDrawing = false;
  FSelecting = false;
  FHasLastPoint = false;
  FTool = stNone;
  FOutlines.clear();
}

void TStudio::ApplyOptions() { FShape = Options != nullptr ? ShapeFromOption(Options->StudioShapeNumber_Value) : osCircle; }

void TStudio::SetTool(int tool) {
  FTool = tool;
  if (tool != stNone && OnToolChange) OnToolChange(this);
}

void TStudio::SetShape(int shape) {
  DeleteCurrent();
  FDrawing = false;
  FHasLastPoint = false;
  FShape = shape;
}

void TStudio::CancelDrawing() {
  if (FDrawing) Delete(Current());
}

void TStudio::DeleteCurrent() { Delete(Current()); }

void TStudio::Clear() {
  FOutlines.clear();
  FDrawing = false;
  FHasLastPoint = false;
}

void TStudio::Deactivate() {
  // An outline left half drawn would be completed by the first click after coming back.
  if (FDrawing) {
    if (TModele *current = Current(); current != nullptr && !current->Closed) Delete(current);
    FDrawing = false;
    FHasLastPoint = false;
  }
  FSelecting = false;
  FTool = stNone;
}

TModele *TStudio::Current() const {
  const int shown = View.EditedFrameIndex();
  for (const auto &outline : FOutlines)
    if (outline->Frame == shown) return outline.get();
  return nullptr;
}

bool TStudio::CurrentClosed() const {
  const TModele *current = Current();
  return current != nullptr && current->Closed;
}

int TStudio::ClosedCount() const {
  return int(std::count_if(FOutlines.begin(), FOutlines.end(), [](const auto &o) { return o->Closed; }));
}

int TStudio::CursorIndex() const {
  switch (FTool) {
    case stOutline:
      return scPen;
    case stErase:
      return scGomme;
    default:
      return scDefault;
  }
}

void TStudio::Delete(TModele *outline) {
  if (outline == nullptr) return;
  const auto found = std::find_if(FOutlines.begin(), FOutlines.end(), [outline](const auto &o) { return o.get() == outline; });
  if (found != FOutlines.end()) FOutlines.erase(found);
}

void TStudio::DeleteCurrentIfClosed() {
  if (CurrentClosed()) DeleteCurrent();
}

void TStudio::Repaint() { View.Repaint(); }

bool TStudio::Grab(QImage &bitmap) { return Host.GrabFrame(bitmap); }

// ---------------------------------------------------------------------------------------------
// Drawing an outline
// ---------------------------------------------------------------------------------------------

void TStudio::AddPointAt(TPoint pixel) {
  TModele *current = Current();
  if (current == nullptr) {
    auto created = std::make_unique<TModele>(View, FShape);
    created->Frame = View.EditedFrameIndex();
    if (FShape == osCircle) created->SetCentre(View.ScreenToFrame(pixel));
    current = created.get();
    FOutlines.push_back(std::move(created));
  }
  if (FHasLastPoint && pixel == FLastPoint) return;
  FLastPoint = pixel;
  FHasLastPoint = true;
  if (current->Shape == osCircle) {
    current->SetEdge(View.ScreenToFrame(pixel));
  } else {
    FDrawing = true;
    current->AddPoint(pixel);
  }
}

void TStudio::Finish() {
  FDrawing = false;
  FPress.Cancel();
  FHasLastPoint = false;
  TModele *current = Current();
  if (current == nullptr) return;
  if (!current->Complete([this](QImage &bitmap) { return Grab(bitmap); })) {
    // Nothing enclosed: no object to paste, and the user stays on the frame to try again.
    Delete(current);
    return;
  }
  View.GoToFrame(View.EditedFrameIndex() + std::max(1, Host.FrameStep()));
}

void TStudio::LeftDown(TPoint pixel, bool doubleClick) {
  if (FShape == osBrokenLine) {
    if (doubleClick) {
      AddPointAt(pixel);
      Finish();
    } else {
      DeleteCurrentIfClosed();
      AddPointAt(pixel);
      FRubberEnd = pixel;
      FPress.Start(pixel);
    }
    return;
  }
  DeleteCurrentIfClosed();
  if (FDrawing) {
    Finish();
  } else {
    FDrawing = true;
    AddPointAt(pixel);
    FPress.Start(pixel);
  }
}

void TStudio::RightDown() {
  TModele *target = Current();
  if (target == nullptr && !FOutlines.empty()) {
    target = FOutlines.back().get();
    View.GoToFrame(target->Frame);
  }
  Delete(target);
  FDrawing = false;
  FHasLastPoint = false;
  FPress.Cancel();
}

// ---------------------------------------------------------------------------------------------
// Mouse
// ---------------------------------------------------------------------------------------------

void TStudio::MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers, TPoint pixel) {
  if (FTool == stOutline) {
    if (button == Qt::LeftButton) LeftDown(pixel, false);
    if (button == Qt::RightButton) RightDown();
    Repaint();
    return;
  }
  if (FTool != stErase) return;
  if (button == Qt::LeftButton) {
    for (const auto &outline : FOutlines) {
      if (!outline->HitTest(pixel)) continue;
      if (outline->Closed) Delete(outline.get());
      Repaint();
      return;
    }
    // The rubber rectangle shows once the mouse moves.
    FSelecting = true;
    FSelection = QRect(pixel.ToQPoint(), pixel.ToQPoint());
    return;
  }
  if (button == Qt::RightButton) {
    DeleteCurrent();
    Repaint();
  }
}

void TStudio::MouseDoubleClick(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, TPoint pixel) {
  if (FTool == stOutline && button == Qt::LeftButton && FShape == osBrokenLine) {
    LeftDown(pixel, true);
    Repaint();
    return;
  }
  MouseDown(button, modifiers, pixel);
}

void TStudio::MouseMove(Qt::KeyboardModifiers, TPoint pixel) {
  if (FTool == stOutline) {
    if (!FDrawing) return;
    if (FShape == osBrokenLine) {
      if (Current() != nullptr) FRubberEnd = View.FrameToScreen(View.ScreenToFrame(pixel));
    } else {
      AddPointAt(pixel);
    }
    Repaint();
    return;
  }
  if (FTool != stErase) return;
  if (FSelecting) {
    FSelection.setBottomRight(pixel.ToQPoint());
    Repaint();
    return;
  }
  const bool over = std::any_of(FOutlines.begin(), FOutlines.end(), [pixel](const auto &o) { return o->HitTest(pixel); });
  View.SetViewCursor(over ? scSelGomme : scGomme);
}

void TStudio::MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers, TPoint pixel) {
  if (FTool == stOutline) {
    if (button != Qt::LeftButton || !FPress.Release(pixel) || !FDrawing) return;
    AddPointAt(pixel);
    if (FShape == osBrokenLine)
      FRubberEnd = pixel;  // a dragged side: its far corner is where the button comes up
    else
      Finish();
    Repaint();
    return;
  }
  if (FTool != stErase || !FSelecting) return;
  FSelecting = false;
  const QRect area = FSelection.normalized();
  std::erase_if(FOutlines, [&area](const auto &o) { return o->Closed && o->InsideRect(area); });
  View.SetViewCursor(scGomme);
  Repaint();
}

bool TStudio::KeyDown(int, Qt::KeyboardModifiers) { return false; }

// ---------------------------------------------------------------------------------------------
// Painting
// ---------------------------------------------------------------------------------------------

void TStudio::Paint(QPainter *canvas) {
  if (canvas == nullptr) return;
  if (FSelecting) measurement::DrawDottedFrame(canvas, FSelection.normalized());
  const TColor colour = Host.OutlineColor();
  for (const auto &outline : FOutlines) outline->Draw(canvas, colour);
  if (FTool == stOutline && FShape == osBrokenLine && FDrawing) {
    const TModele *current = Current();
    if (current != nullptr && !current->ScreenPoints.empty()) {
      canvas->save();
      canvas->setPen(QPen(colour.ToQColor(), 1));
      measurement::DrawLinePixels(canvas, current->ScreenPoints.back(), FRubberEnd);
      canvas->restore();
    }
  }
}

void TStudio::ViewChanged() {
  for (const auto &outline : FOutlines) outline->UpdateScreen();
}

}  // namespace kolibra::studio
