// The graph's tools, mouse, wheel and keys: zoom, pan, the coordinate read-out, the measure
// and model tools, the model panels, and the construct tools handed to the editor.
#include "results/Graph.h"

#include "kit/MathUtils.h"
#include "modelling/Mdl.h"

#include <cmath>

namespace kolibra::results {

namespace graph_input_impl {

constexpr int RangeClick = 3;  // px: a shorter Shift-drag of the model tools is a click

}  // namespace graph_input_impl

unsigned TGraph::ShiftOf(Qt::KeyboardModifiers modifiers) const {
  unsigned shift = modelling::dsNone;
  if (modifiers & Qt::AltModifier) shift |= modelling::dsAlt;
  if (modifiers & Qt::ControlModifier) shift |= modelling::dsCtrl;
  return shift;
}

void TGraph::ShowHintAt(TPoint at, const QString &text) {
  if (Surface == nullptr) return;
  if (text.isEmpty())
    Surface->HideHint();
  else
    Surface->ShowHint(at, text);
}

// ---------------------------------------------------------------------------------------------
// Tools
// ---------------------------------------------------------------------------------------------

bool TGraph::SetTool(int tool) {
  if (tool < gtNone || tool > GraphToolCount) return false;
  if (tool == gtModifyModel && ModelCount() == 0) return false;
  const int old = FTool;
  if (IsCreationTool(old) && !NewPoints.empty()) NewPoints.clear();
  for (auto &e : FElements)
    if (e->ObjectType == obModele) static_cast<TGModele *>(e.get())->EndAdjust();
  AdjustedModel = nullptr;
  PanelModel = nullptr;
  RangeDragging = false;
  FZoom.Dragging = false;
  FTool = tool;
  Style.Tool = tool;
  FDragState = 0;
  if (FEditor) FEditor->ToolChanged(*this, old, tool);
  ApplyModelPanels();
  if (Surface != nullptr) {
    Surface->HideHint();
    Surface->ApplyCursor(ToolCursor(tool, FKeepAspect || IsZoomX, FKeepAspect || IsZoomY));
  }
  Invalidate();
  if (old != tool && OnOptionChange) OnOptionChange();
  return true;
}

void TGraph::ApplyModelPanels() {
  const bool adjusting = FTool == gtModifyModel;
  for (auto &e : FElements) {
    if (e->ObjectType != obModele) continue;
    auto *m = static_cast<TGModele *>(e.get());
    m->ShowEqua = IsShowModeleurEqua;
    m->ShowStat = IsShowModeleurStat;
    // Keep a panel the user moved inside the control.
    const QRect bounds(0, 0, FWidth, FHeight);
    if (!bounds.contains(m->Panel.Position)) m->Panel.Position = QPoint(FAxeYFromLeft + 10, FAxeXFromTop + 10);
    m->Panel.Visible = adjusting && m->Kind != modelling::mtNone && m->Visible && (IsShowModeleurEqua || IsShowModeleurStat);
    m->RefreshPanel(adjusting);
  }
}

TGModele *TGraph::PanelAt(TPoint at) const {
  for (auto it = FElements.rbegin(); it != FElements.rend(); ++it) {
    if ((*it)->ObjectType != obModele) continue;
    auto *m = static_cast<TGModele *>(it->get());
    if (m->Panel.Contains(at.ToQPoint())) return m;
  }
  return nullptr;
}

// ---------------------------------------------------------------------------------------------
// Zoom
// ---------------------------------------------------------------------------------------------

void TGraph::ZoomBy(double newX, double newY, TPointD about) {
  TRectD rect = World;
  ZoomAbout(rect.XMin, rect.XMax, about.X, FZoom.ZoomX, newX);
  ZoomAbout(rect.YMin, rect.YMax, about.Y, FZoom.ZoomY, newY);
  FZoom.ZoomX = newX;
  FZoom.ZoomY = newY;
  FMovedByHand = true;
  ApplyWorld(rect);
  Invalidate();
}

void TGraph::ZoomClick(Qt::MouseButton button, bool fine, TPoint at) {
  if (button != Qt::LeftButton && button != Qt::RightButton) return;
  const bool in = button == Qt::LeftButton;
  const bool onX = FKeepAspect || IsZoomX, onY = FKeepAspect || IsZoomY;
  const double x = onX ? ZoomStep(FZoom.ZoomX, in, fine) : FZoom.ZoomX;
  const double y = onY ? ZoomStep(FZoom.ZoomY, in, fine) : FZoom.ZoomY;
  ZoomBy(x, y, ScreenToWorld(at.X, at.Y));
}

void TGraph::ZoomRectangle() {
  const QRect r = FZoom.Rect();
  const double w = std::max(1, FZoom.RectWidth()), h = std::max(1, FZoom.RectHeight());
  double x = FZoom.ZoomX, y = FZoom.ZoomY;
  if (FKeepAspect) {
    const double k = std::min(PlotHeight() / h, PlotWidth() / w);
    x *= k;
    y *= k;
  } else {
    if (IsZoomX) x *= PlotWidth() / w;
    if (IsZoomY) y *= PlotHeight() / h;
  }
  x = std::clamp(x, MinZoom, MaxZoom);
  y = std::clamp(y, MinZoom, MaxZoom);
  // Centred on the rectangle's centre, half-ranges scaled by old / new factor.
  const TPointD c = ScreenToWorld(r.center().x(), r.center().y());
  const double hx = 0.5 * (World.XMax - World.XMin) * FZoom.ZoomX / x;
  const double hy = 0.5 * (World.YMax - World.YMin) * FZoom.ZoomY / y;
  FZoom.ZoomX = x;
  FZoom.ZoomY = y;
  FMovedByHand = true;
  ApplyWorld(TRectD{c.X - hx, c.X + hx, c.Y - hy, c.Y + hy});
  Invalidate();
}

void TGraph::Wheel(int angleDelta, Qt::KeyboardModifiers modifiers, TPoint at) {
  const int notches = angleDelta / 120;
  if (notches == 0) return;
  const bool fine = (modifiers & Qt::ControlModifier) != 0;
  const bool onX = FKeepAspect || IsZoomX, onY = FKeepAspect || IsZoomY;
  double x = FZoom.ZoomX, y = FZoom.ZoomY;
  for (int i = 0; i < std::abs(notches); ++i) {
    if (onX) x = ZoomStep(x, notches > 0, fine);
    if (onY) y = ZoomStep(y, notches > 0, fine);
  }
  ZoomBy(x, y, ScreenToWorld(at.X, at.Y));
}

// ---------------------------------------------------------------------------------------------
// Mouse
// ---------------------------------------------------------------------------------------------

void TGraph::MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, TPoint at) {
  LastMouse = at;
  if (TGModele *panel = PanelAt(at); panel != nullptr && button == Qt::LeftButton) {
    PanelModel = panel;
    panel->Panel.MouseDown(at.ToQPoint(), (modifiers & Qt::ControlModifier) != 0);
    Invalidate();
    return;
  }
  bool repaint = false;
  switch (FTool) {
    case gtZoom:
      if (button == Qt::LeftButton || button == Qt::RightButton) {
        FZoom.Dragging = true;
        FZoom.RectStart = at;
        FZoom.RectEnd = at;
      }
      break;
    case gtPan:
      if (button == Qt::LeftButton) FDragState = 3;
      break;
    case gtCoordinates:
      FMouseWorld = ScreenToWorld(at.X, at.Y);
      break;
    case gtModifyModel:
    case gtModelParams:
      if (button == Qt::LeftButton && (modifiers & Qt::ShiftModifier)) {
        RangeDragging = true;
        RangeStart = RangeEnd = at;
        repaint = true;
        break;
      }
      if (FTool == gtModifyModel && button == Qt::LeftButton)
        for (auto it = FElements.rbegin(); it != FElements.rend(); ++it) {
          if ((*it)->ObjectType != obModele) continue;
          auto *m = static_cast<TGModele *>(it->get());
          if (m->BeginAdjust(at)) {
            AdjustedModel = m;
            break;
          }
        }
      break;
    default:
      if (IsConstructTool(FTool) && FEditor) repaint = FEditor->MouseDown(*this, button, modifiers, at);
      break;
  }
  if (repaint) Invalidate();
  TGElem *hit = ElementAt(at);
  if (OnObjectClick) OnObjectClick(button, hit != nullptr ? hit->ObjectType : 0);
  if (OnMouseDown) OnMouseDown(button, modifiers, at);
}

void TGraph::ToolMove(Qt::KeyboardModifiers modifiers, TPoint at) {
  switch (FTool) {
    case gtZoom:
      if (FZoom.Dragging) {
        FZoom.RectEnd = at;
        Invalidate();
      }
      break;
    case gtPan:
      if (FDragState == 3 && FWidth > 0 && FHeight > 0) {
        const int dx = at.X - LastMouse.X, dy = at.Y - LastMouse.Y;
        const double sx = (World.XMax - World.XMin) / FWidth, sy = (World.YMax - World.YMin) / FHeight;
        FMovedByHand = FMovedByHand || dx != 0 || dy != 0;
        ApplyWorld(TRectD{World.XMin - dx * sx, World.XMax - dx * sx, World.YMin + dy * sy, World.YMax + dy * sy});
        Invalidate();
      }
      break;
    case gtCoordinates:
      FMouseWorld = ScreenToWorld(at.X, at.Y);
      break;
    case gtModifyModel:
      if (RangeDragging) {
        RangeEnd = at;
        Invalidate();
      } else if (AdjustedModel != nullptr) {
        AdjustedModel->Adjust(at, ShiftOf(modifiers));
        Invalidate();
      } else if (Surface != nullptr) {
        int cursor = 0;
        for (auto it = FElements.rbegin(); it != FElements.rend(); ++it)
          if ((*it)->ObjectType == obModele) {
            auto *m = static_cast<TGModele *>(it->get());
            if (m->Model() != nullptr && m->Visible) {
              cursor = m->HoverCursor(at);
              if (m->ModelHit(at) >= 0) break;
            }
          }
        Surface->ApplyCursor(cursor);
      }
      break;
    case gtModelParams: {
      if (RangeDragging) {
        RangeEnd = at;
        Invalidate();
        break;
      }
      TGModele *hit = nullptr;
      for (auto it = FElements.rbegin(); it != FElements.rend() && hit == nullptr; ++it)
        if ((*it)->ObjectType == obModele && static_cast<TGModele *>(it->get())->ModelHit(at) >= 0)
          hit = static_cast<TGModele *>(it->get());
      if (Surface != nullptr) Surface->ApplyCursor(hit != nullptr ? CursorDetection : 0);
      ShowHintAt(at, hit != nullptr ? hit->ModelText() : QString());
      break;
    }
    case gtMeasure: {
      TGElem *hit = ElementAt(at);
      QString text;
      if (hit != nullptr) hit->Description(text);
      if (Surface != nullptr) Surface->ApplyCursor(hit != nullptr ? CursorDetection : 0);
      ShowHintAt(at, text);
      break;
    }
    default:
      if (IsConstructTool(FTool) && FEditor && FEditor->MouseMove(*this, modifiers, at)) Invalidate();
      break;
  }
}

void TGraph::MouseMove(Qt::KeyboardModifiers modifiers, TPoint at) {
  if (PanelModel != nullptr && PanelModel->Panel.Dragging()) {
    PanelModel->Panel.MouseMove(at.ToQPoint());
    LastMouse = at;
    Invalidate();
    return;
  }
  if (TGModele *panel = PanelAt(at); panel != nullptr && AdjustedModel == nullptr && !RangeDragging) {
    if (Surface != nullptr) Surface->ApplyCursor(0);
    ShowHintAt(at, panel->Panel.HintAt(at.ToQPoint()));
    LastMouse = at;
    return;
  }
  ToolMove(modifiers, at);
  LastMouse = at;
  if (OnMouseMove) OnMouseMove(modifiers, at);
}

void TGraph::EndDrags(Qt::KeyboardModifiers, TPoint at) {
  if (PanelModel != nullptr) {
    PanelModel->Panel.MouseUp(at.ToQPoint());
    PanelModel = nullptr;
  }
  if (AdjustedModel != nullptr) {
    AdjustedModel->EndAdjust();
    AdjustedModel = nullptr;
  }
  FDragState = 0;
}

void TGraph::MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, TPoint at) {
  LastMouse = at;
  if (PanelModel != nullptr) {
    EndDrags(modifiers, at);
    Invalidate();
    return;
  }
  switch (FTool) {
    case gtZoom:
      if (FZoom.Dragging) {
        FZoom.RectEnd = at;
        FZoom.Dragging = false;
        if (FZoom.RectWidth() >= MinZoomRect && FZoom.RectHeight() >= MinZoomRect)
          ZoomRectangle();
        else
          ZoomClick(button, (modifiers & Qt::ControlModifier) != 0, at);
        Invalidate();
      }
      break;
    case gtModifyModel:
    case gtModelParams:
      if (RangeDragging) {
        RangeDragging = false;
        RangeEnd = at;
        const int curve = CurrentCurve() >= 0 ? CurrentCurve() : (CurveCount() == 1 ? 0 : -1);
        TGModele *model = Modele(curve);
        if (model != nullptr) {
          if (std::abs(RangeEnd.X - RangeStart.X) < graph_input_impl::RangeClick) {
            model->ClearFitRange();
          } else {
            model->SetFitRange(ScreenToWorld(RangeStart.X, 0).X, ScreenToWorld(RangeEnd.X, 0).X);
          }
          ApplyModelPanels();
        }
        Invalidate();
      }
      EndDrags(modifiers, at);
      if (FTool == gtModifyModel && Surface != nullptr) ToolMove(modifiers, at);
      break;
    default:
      if (IsConstructTool(FTool) && FEditor && FEditor->MouseUp(*this, button, modifiers, at)) Invalidate();
      EndDrags(modifiers, at);
      break;
  }
  FDragState = 0;
  if (OnMouseUp) OnMouseUp(button, modifiers, at);
}

void TGraph::DoubleClick(Qt::MouseButton button, TPoint at) {
  if (button == Qt::LeftButton && IsConstructTool(FTool) && FEditor && FEditor->DoubleClick(*this, at)) Invalidate();
}

void TGraph::MouseLeave() {
  if (Surface != nullptr) Surface->HideHint();
  // A drag ends as a release would, where the mouse was last seen.
  if (FZoom.Dragging || FDragState != 0 || AdjustedModel != nullptr || PanelModel != nullptr || RangeDragging)
    MouseUp(Qt::LeftButton, Qt::NoModifier, LastMouse);
}

// ---------------------------------------------------------------------------------------------
// Keys
// ---------------------------------------------------------------------------------------------

bool TGraph::KeyDown(int key, Qt::KeyboardModifiers modifiers) {
  const int step = (modifiers & Qt::ControlModifier) ? 10 : 1;
  TPoint move(0, 0);
  switch (key) {
    case Qt::Key_Left: move = TPoint(-step, 0); break;
    case Qt::Key_Right: move = TPoint(step, 0); break;
    case Qt::Key_Up: move = TPoint(0, -step); break;
    case Qt::Key_Down: move = TPoint(0, step); break;
    case Qt::Key_Space:
      if (OnObjectClick) OnObjectClick(Qt::RightButton, 0);
      return true;
    case Qt::Key_Insert:
    case Qt::Key_Delete:
      if (FEditor) {
        FEditor->DeleteSelection(*this);
      } else {
        // Without an editor there is no undo: the selected constructs simply go.
        const std::vector<TGElem *> selected = Selection;
        for (TGElem *e : selected)
          if (e->UserMade) RemoveElement(e);
      }
      Invalidate();
      return true;
    case Qt::Key_A:
    case Qt::Key_Z:
      // Ctrl+A undoes as it always has; Ctrl+Z is what Linux users press.
      if (!(modifiers & Qt::ControlModifier)) return false;
      if (FEditor) FEditor->Undo(*this);
      Invalidate();
      return true;
    default:
      return false;
  }
  if (Surface == nullptr) return true;
  const TPoint from = Surface->PointerPosition();
  const TPoint to(from.X + move.X, from.Y + move.Y);
  Surface->MovePointer(to);
  // The graph routes this move itself.
  MouseMove(modifiers, to);
  return true;
}

}  // namespace kolibra::results
