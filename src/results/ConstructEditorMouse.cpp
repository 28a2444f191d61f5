// The construct tools' mouse: creating angles, arcs, circles, ellipses, segments, curves and
// vectors, selecting, moving, reshaping, bending and turning them, acting on them with the
// duplicate, change-direction and delete tools, and the rubber band drawn meanwhile.
#include "kit/MathUtils.h"
#include "measurement/DrawHelpers.h"
#include "results/ConstructEditor.h"
#include "results/GConstructs.h"
#include "results/Graph.h"

#include <QPainter>

#include <cmath>

namespace kolibra::results {

namespace construct_mouse_impl {

constexpr int CursorSelDeformer = 44;
constexpr int CursorSelRotation = 46;
constexpr int CursorSelGomme = 47;
constexpr int CursorDeformer = 9;

// The default colour of the construct a creation tool makes.
TColor ToolColour(int tool) {
  switch (tool) {
    case gtNewAngle: return TColor::FromRgb(199, 21, 133);
    case gtNewArc: return TColor::FromRgb(184, 134, 11);
    case gtNewCircle: return TColor::FromRgb(220, 157, 93);
    case gtNewEllipse: return TColor::FromRgb(255, 127, 80);
    case gtNewSegment: return TColor::FromRgb(0, 100, 0);
    case gtNewSpline: return TColor::FromRgb(65, 105, 225);
    default: return TColor::FromRgb(148, 0, 211);
  }
}

bool ActsOnType(int type) { return (type >= obAngle && type <= obEllipse) || (type >= obSegment && type <= obVecteur); }

}  // namespace construct_mouse_impl

// ---------------------------------------------------------------------------------------------
// Finding
// ---------------------------------------------------------------------------------------------

TGElem *TConstructEditor::Find(TGraph &graph, TPoint at, bool bendOnly) const {
  const auto candidate = [bendOnly](const TGElem &e) {
    if (e.ObjectType == obModele || e.ObjectType == obPoint || e.ObjectType == obNone) return false;
    return !bendOnly || e.ObjectType == obArc || e.ObjectType == obCercle || e.ObjectType == obEllipse;
  };
  for (auto it = graph.Elements().rbegin(); it != graph.Elements().rend(); ++it)
    if ((*it)->Selected && candidate(**it) && (*it)->HitTest(at)) return it->get();
  for (auto it = graph.Elements().rbegin(); it != graph.Elements().rend(); ++it)
    if (!(*it)->Selected && candidate(**it) && (*it)->HitTest(at)) return it->get();
  return nullptr;
}

bool TConstructEditor::CanAct(int tool, const TGElem &element) const {
  if (tool == gtChangeDirection) return element.ObjectType == obVecteur;
  return construct_mouse_impl::ActsOnType(element.ObjectType);
}

void TConstructEditor::Act(TGraph &graph, int tool, TGElem *element) {
  switch (tool) {
    case gtDuplicate: Duplicate(graph, element); break;
    case gtChangeDirection: ChangeDirection(graph, element); break;
    case gtDelete: DeleteElement(graph, element); break;
    default: break;
  }
}

void TConstructEditor::ShowDescription(TGraph &graph, TGElem &element) {
  if (graph.BullePlace() == bpNone) return;
  element.Info();
  graph.ShowBulle(element.Lines);
}

// ---------------------------------------------------------------------------------------------
// Press
// ---------------------------------------------------------------------------------------------

bool TConstructEditor::MouseDown(TGraph &graph, Qt::MouseButton button, Qt::KeyboardModifiers modifiers, TPoint at) {
  LastMouse = Mouse = at;
  if (button != Qt::LeftButton) return false;
  const int tool = graph.Tool();
  if (IsCreationTool(tool)) return CreationDown(graph, at);
  switch (tool) {
    case gtSelect: return SelectDown(graph, modifiers, at);
    case gtBend: return BendDown(graph, modifiers, at);
    case gtDuplicate:
    case gtChangeDirection:
    case gtDelete: return ActDown(graph, modifiers, at);
    default: return false;
  }
}

bool TConstructEditor::CreationDown(TGraph &graph, TPoint at) {
  const int tool = graph.Tool();
  TPointDynArray &points = graph.NewPoints;
  TPoint p = SnapPoint(graph, at);
  if (tool == gtNewVector) p = SnapToTip(graph, p);
  switch (tool) {
    case gtNewAngle:
      points.push_back(p);
      return true;
    case gtNewSpline:
      // The first press gives the first point and the one that follows the mouse; each next
      // press fixes the follower and starts a new one.
      if (points.empty()) points.push_back(p);
      if (!points.empty()) points.back() = p;
      points.push_back(p);
      return true;
    default:
      points.assign({p, p});
      return true;
  }
}

bool TConstructEditor::SelectDown(TGraph &graph, Qt::KeyboardModifiers modifiers, TPoint at) {
  TGElem *e = Find(graph, at, false);
  if (e == nullptr) {
    ClearSelection(graph);
    SelectionRect = QRect(at.ToQPoint(), at.ToQPoint());
    graph.SetDragState(7);
    return true;
  }
  graph.BringToTop(e);
  SelectElement(graph, e, (modifiers & Qt::ShiftModifier) != 0);
  if (!e->Selected) return true;  // Shift took it out of the selection
  Grabbed = e;
  auto *poly = dynamic_cast<TGPolyPoint *>(e);
  const int part = poly != nullptr ? poly->HitPart : -1;
  int state = 5;
  int action = 0;
  switch (e->ObjectType) {
    case obAngle:
      if (part >= 0 && part <= 2) state = 2, action = gaTransform;
      break;
    case obSegment:
      if (e->UserMade && (part == 0 || part == 1)) state = 2, action = gaModify;
      break;
    case obVecteur:
      state = 4;
      if (e->UserMade && (part == 0 || part == 1)) state = 2, action = gaModify;
      break;
    case obSpline:
      if (part >= 0) state = 2, action = gaModify;
      break;
    default:
      break;
  }
  graph.SetDragState(state);
  if (state == 2) {
    Historique.BeginGroup();
    Historique.Record(*e, action);
    // A tip drag carries the chain hanging on it: its vectors come back with the undo.
    if (e->ObjectType == obVecteur && part == 1)
      for (TGVecteur *c : ChainOf(graph, *static_cast<TGVecteur *>(e))) Historique.Record(*c, action);
    Historique.EndGroup();
    ShowDescription(graph, *e);
  } else {
    Historique.BeginGroup();
    for (TGElem *s : graph.Selection) Historique.Record(*s, gaMove);
    Historique.EndGroup();
  }
  return true;
}

bool TConstructEditor::BendDown(TGraph &graph, Qt::KeyboardModifiers modifiers, TPoint at) {
  TGElem *e = Find(graph, at, true);
  if (e == nullptr) {
    ClearSelection(graph);
    return true;
  }
  graph.BringToTop(e);
  SelectElement(graph, e, (modifiers & Qt::ShiftModifier) != 0);
  if (graph.Selection.size() != 1 || graph.Selection.front() != e) return true;
  Grabbed = e;
  if (e->ObjectType == obEllipse && static_cast<TGEllipse *>(e)->HitPart == -1) {
    auto *ellipse = static_cast<TGEllipse *>(e);
    Historique.Record(*e, gaRotate);
    Prepare(graph, RotationHandle);
    RotationHandle.Start(ellipse->Centre(), at);
    graph.SetDragState(6);
  } else {
    Historique.Record(*e, gaBend);
    graph.SetDragState(1);
  }
  ShowDescription(graph, *e);
  return true;
}

bool TConstructEditor::ActDown(TGraph &graph, Qt::KeyboardModifiers, TPoint at) {
  const int tool = graph.Tool();
  TGElem *e = Find(graph, at, false);
  if (e != nullptr && CanAct(tool, *e)) {
    Act(graph, tool, e);
    return true;
  }
  SelectionRect = QRect(at.ToQPoint(), at.ToQPoint());
  graph.SetDragState(7);
  return true;
}

// ---------------------------------------------------------------------------------------------
// Moves
// ---------------------------------------------------------------------------------------------

bool TConstructEditor::MouseMove(TGraph &graph, Qt::KeyboardModifiers, TPoint at) {
  Mouse = at;
  const int tool = graph.Tool();
  if (IsCreationTool(tool)) {
    TPointDynArray &points = graph.NewPoints;
    if (points.empty()) return false;
    if (tool != gtNewAngle && tool != gtNewSpline && points.size() >= 2) points.back() = at;
    if (tool == gtNewSpline) points.back() = at;
    return true;
  }
  if (graph.DragState() == 0) {
    HoverCursor(graph, at);
    return false;
  }
  const bool repaint = DragMove(graph, at);
  LastMouse = at;
  return repaint;
}

bool TConstructEditor::DragMove(TGraph &graph, TPoint at) {
  const int dx = at.X - LastMouse.X, dy = at.Y - LastMouse.Y;
  switch (graph.DragState()) {
    case 1:
      if (Grabbed == nullptr) return false;
      static_cast<TGPolyPoint *>(Grabbed)->Bend(at);
      ShowDescription(graph, *Grabbed);
      return true;
    case 2: {
      if (Grabbed == nullptr) return false;
      auto *poly = static_cast<TGPolyPoint *>(Grabbed);
      if (Grabbed->ObjectType == obVecteur) {
        auto *v = static_cast<TGVecteur *>(Grabbed);
        if (v->HitPart == 1) {
          SetVectorTip(graph, *v, at);
        } else {
          // The tail moves, the tip stays: the components change.
          const TPoint tip = v->Tip;
          if (at == tip) return false;
          v->Points[0]->SetPixel(at);
          v->SetTip(tip);
          v->UpdateTip();
        }
      } else {
        poly->MovePart(at);
      }
      ShowDescription(graph, *Grabbed);
      return true;
    }
    case 4:
    case 5:
      if (dx == 0 && dy == 0) return false;
      for (TGElem *e : graph.Selection) e->Translate(dx, dy);
      return true;
    case 6: {
      if (Grabbed == nullptr) return false;
      auto *ellipse = static_cast<TGEllipse *>(Grabbed);
      const double angle = RotationHandle.TurnTo(at);
      if (!IsNearZero(angle)) ellipse->Rotate(ellipse->Centre(), angle);
      ShowDescription(graph, *Grabbed);
      return true;
    }
    case 7:
      SelectionRect.setBottomRight(at.ToQPoint());
      return true;
    default:
      return false;
  }
}

void TConstructEditor::HoverCursor(TGraph &graph, TPoint at) {
  using namespace construct_mouse_impl;
  IGraphSurface *surface = graph.SurfaceLink();
  if (surface == nullptr) return;
  const int tool = graph.Tool();
  if (tool == gtBend) {
    int cursor = CursorDeformer;
    if (TGElem *e = Find(graph, at, true)) {
      const bool outline = e->ObjectType == obEllipse && static_cast<TGEllipse *>(e)->HitPart == -1;
      cursor = outline ? CursorSelRotation : CursorSelDeformer;
    }
    surface->ApplyCursor(cursor);
  } else if (tool == gtDuplicate || tool == gtChangeDirection || tool == gtDelete) {
    TGElem *e = Find(graph, at, false);
    surface->ApplyCursor(e != nullptr && CanAct(tool, *e) ? CursorSelGomme : ToolCursor(tool, true, true));
  }
}

// ---------------------------------------------------------------------------------------------
// Release
// ---------------------------------------------------------------------------------------------

bool TConstructEditor::MouseUp(TGraph &graph, Qt::MouseButton button, Qt::KeyboardModifiers, TPoint at) {
  Mouse = at;
  if (button != Qt::LeftButton) return false;
  if (IsCreationTool(graph.Tool())) return CreationUp(graph, at);
  return DragUp(graph, at);
}

bool TConstructEditor::CreationUp(TGraph &graph, TPoint at) {
  const int tool = graph.Tool();
  TPointDynArray &points = graph.NewPoints;
  if (points.empty()) return false;
  switch (tool) {
    case gtNewAngle:
      if (points.size() < 3) return true;
      CreateConstruct(graph, points);
      points.clear();
      return true;
    case gtNewSpline:
      return true;  // a double click ends the curve
    default: {
      TPoint p = SnapPoint(graph, at);
      if (tool == gtNewVector) p = SnapToTip(graph, at);
      const TPointDynArray ends{points.front(), p};
      points.clear();
      CreateConstruct(graph, ends);
      return true;
    }
  }
}

bool TConstructEditor::DoubleClick(TGraph &graph, TPoint at) {
  if (graph.Tool() != gtNewSpline || graph.NewPoints.empty()) return false;
  // The second press of a double click comes as the double click itself: it adds its point
  // first. The curve is made of the points clicked, without the one following the mouse and
  // without repeats (a double click lands twice on the same pixel).
  CreationDown(graph, at);
  TPointDynArray points;
  for (size_t i = 0; i + 1 < graph.NewPoints.size(); ++i)
    if (points.empty() || points.back() != graph.NewPoints[i]) points.push_back(graph.NewPoints[i]);
  graph.NewPoints.clear();
  CreateConstruct(graph, points);
  return true;
}

void TConstructEditor::CreateConstruct(TGraph &graph, const TPointDynArray &points) {
  const int tool = graph.Tool();
  std::unique_ptr<TGElem> element;
  const auto world = [&graph](TPoint p) { return graph.ScreenToWorld(p.X, p.Y); };
  switch (tool) {
    case gtNewAngle: {
      const TPoint a = points[0], o = points[1], b = points[2];
      if (b == o || o == a || a == b) return;
      element = std::make_unique<TGAngle>(world(a), world(o), world(b));
      break;
    }
    case gtNewSpline: {
      if (points.size() < 2) return;
      TPointDDynArray through;
      for (const TPoint &p : points) through.push_back(world(p));
      auto spline = std::make_unique<TGSpline>();
      Prepare(graph, *spline);
      spline->SetThrough(through);
      element = std::move(spline);
      break;
    }
    default: {
      const TPoint a = points[0], b = points[1];
      if (a == b) return;
      switch (tool) {
        case gtNewArc: element = std::make_unique<TGArc>(world(a), world(b)); break;
        case gtNewCircle: element = std::make_unique<TGCercle>(world(a), world(b)); break;
        case gtNewEllipse: {
          const TPointD c = world(a), m = world(b);
          element = std::make_unique<TGEllipse>(c, std::fabs(m.X - c.X), std::fabs(m.Y - c.Y));
          break;
        }
        case gtNewSegment: element = std::make_unique<TGSegment>(world(a), world(b), TColor::FromRgb(0, 100, 0)); break;
        case gtNewVector: {
          const int index = graph.VectorParamIndex();
          if (index < 0 || index >= int(graph.VectorParams().size())) return;
          TParamCom *param = graph.VectorParams()[size_t(index)].get();
          auto vector = std::make_unique<TGVecteur>(world(a), TPointD(0.0, 0.0), param->Id, param);
          Prepare(graph, *vector);
          vector->Points[0]->SetPixel(a);
          vector->SetTip(b);
          // A tail laid exactly on a tip of the same kind hangs on it.
          for (const auto &e : graph.Elements())
            if (e->ObjectType == obVecteur) {
              auto *other = static_cast<TGVecteur *>(e.get());
              if (other->Visible && other->Kind == param->Id && other->Tip == a) {
                vector->Source = other->Id;
                other->Chained.push_back(vector->Id);
                break;
              }
            }
          element = std::move(vector);
          break;
        }
        default: return;
      }
    }
  }
  element->UserMade = true;
  element->CurveIndex = graph.CurrentCurve();
  element->Visible = true;
  ClearSelection(graph);
  TGElem *added = AddElement(graph, std::move(element), gaCreate);
  added->SetVisible(true);
  added->Selected = true;
  graph.Selection.push_back(added);
  graph.Invalidate();
}

bool TConstructEditor::DragUp(TGraph &graph, TPoint at) {
  const int state = graph.DragState();
  switch (state) {
    case 2:
      if (Grabbed != nullptr) {
        auto *poly = static_cast<TGPolyPoint *>(Grabbed);
        const TPoint snapped = SnapPoint(graph, at);
        if (snapped != at) {
          if (Grabbed->ObjectType == obVecteur && poly->HitPart == 1) {
            SetVectorTip(graph, *static_cast<TGVecteur *>(Grabbed), snapped);
          } else if (Grabbed->ObjectType == obVecteur) {
            auto *v = static_cast<TGVecteur *>(Grabbed);
            const TPoint tip = v->Tip;
            if (snapped != tip) {
              v->Points[0]->SetPixel(snapped);
              v->SetTip(tip);
              v->UpdateTip();
            }
          } else {
            poly->MovePart(snapped);
          }
        }
      }
      break;
    case 4:
      for (TGElem *e : graph.Selection) {
        if (e->ObjectType == obVecteur && ChainOnto(graph, *static_cast<TGVecteur *>(e))) continue;
        SnapElement(graph, *e);
      }
      break;
    case 5:
      for (TGElem *e : graph.Selection) SnapElement(graph, *e);
      break;
    case 7: {
      SelectionRect.setBottomRight(at.ToQPoint());
      const QRect rect = SelectionRect.normalized();
      std::vector<TGElem *> inside;
      for (const auto &e : graph.Elements()) {
        if (!construct_mouse_impl::ActsOnType(e->ObjectType)) continue;
        auto *poly = dynamic_cast<TGPolyPoint *>(e.get());
        if (poly != nullptr && poly->InRect(rect)) inside.push_back(e.get());
      }
      const int tool = graph.Tool();
      if (tool == gtSelect) {
        for (TGElem *e : inside)
          if (!e->Selected) {
            e->Selected = true;
            graph.Selection.push_back(e);
          }
      } else {
        Historique.BeginGroup();
        for (TGElem *e : inside)
          if (CanAct(tool, *e)) Act(graph, tool, e);
        Historique.EndGroup();
      }
      break;
    }
    default:
      break;
  }
  Grabbed = nullptr;
  graph.HideBulle();
  graph.SetDragState(0);
  return state != 0;
}

// ---------------------------------------------------------------------------------------------
// Tool changes and the rubber band
// ---------------------------------------------------------------------------------------------

void TConstructEditor::ToolChanged(TGraph &graph, int, int) {
  Grabbed = nullptr;
  graph.NewPoints.clear();
  graph.HideBulle();
}

void TConstructEditor::PaintRubberBand(TGraph &graph, QPainter &canvas) {
  using namespace measurement;
  const int tool = graph.Tool();
  if (graph.DragState() == 7) {
    DrawDottedFrame(&canvas, SelectionRect.normalized());
    return;
  }
  const TPointDynArray &points = graph.NewPoints;
  if (!IsCreationTool(tool) || points.empty()) return;
  canvas.save();
  canvas.setPen(QPen(construct_mouse_impl::ToolColour(tool).ToQColor(), 1));
  canvas.setBrush(Qt::NoBrush);
  const TPoint first = points.front();
  switch (tool) {
    case gtNewAngle:
      if (points.size() == 1)
        DrawLinePixels(&canvas, first, Mouse);
      else
        DrawAngleMark(&canvas, points[0], points[1], Mouse);
      break;
    case gtNewCircle:
      DrawCircle(&canvas, first, RoundClamped(DistanceI(first, points.back())));
      break;
    case gtNewEllipse:
      DrawEllipse(&canvas, first, std::abs(points.back().X - first.X), std::abs(points.back().Y - first.Y));
      break;
    case gtNewSpline: {
      if (points.size() >= 2) {
        TPointDynArray control{points.front()};
        control.insert(control.end(), points.begin(), points.end());
        control.push_back(points.back());
        DrawSpline(&canvas, control, 10);
      }
      break;
    }
    default:
      DrawLinePixels(&canvas, first, points.back());
      break;
  }
  canvas.restore();
}

}  // namespace kolibra::results
