// The construct editor's operations: adding, deleting, duplicating, reversing, selecting and
// colouring constructs with their undo steps, snapping and the chains of vectors. The mouse
// is in ConstructEditorMouse.cpp.
#include "results/ConstructEditor.h"

#include "kit/MathUtils.h"
#include "measurement/DrawHelpers.h"
#include "results/GConstructs.h"
#include "results/Graph.h"

#include <algorithm>

namespace kolibra::results {

namespace construct_editor_impl {

bool IsConstructType(int type) { return (type >= obAngle && type <= obEllipse) || (type >= obSegment && type <= obVecteur); }

bool OfType(const TGElem &e, int type) { return type == 0 || e.ObjectType == type; }

}  // namespace construct_editor_impl

TConstructEditor::TConstructEditor() = default;

void TConstructEditor::Prepare(TGraph &graph, TGElem &element) {
  element.SetWorld(graph.WorldRect());
  element.SetPlotRect(graph.AxeYFromLeft(), graph.AxeXFromTop(), graph.PlotWidth(), graph.PlotHeight());
}

// ---------------------------------------------------------------------------------------------
// Elements
// ---------------------------------------------------------------------------------------------

TGElem *TConstructEditor::AddElement(TGraph &graph, std::unique_ptr<TGElem> element, int action) {
  // Angles belong to no series: they measure between anything.
  const int curve = element->ObjectType == obAngle ? -1 : element->CurveIndex;
  TGElem *added = graph.AddElement(std::move(element), curve);
  Historique.Record(*added, action);
  return added;
}

void TConstructEditor::DeleteElement(TGraph &graph, TGElem *element) {
  if (element == nullptr) return;
  Historique.Record(*element, gaDelete);
  if (element == Grabbed) Grabbed = nullptr;
  if (element->ObjectType == obVecteur)
    for (const auto &e : graph.Elements())
      if (e->ObjectType == obVecteur) {
        auto &chained = static_cast<TGVecteur *>(e.get())->Chained;
        chained.erase(std::remove(chained.begin(), chained.end(), element->Id), chained.end());
      }
  graph.RemoveElement(element);
}

TGElem *TConstructEditor::Duplicate(TGraph &graph, TGElem *element) {
  if (element == nullptr || !construct_editor_impl::IsConstructType(element->ObjectType)) return nullptr;
  std::unique_ptr<TGElem> copy = element->Clone();
  copy->Id = THistObject::NextId();
  copy->UserMade = true;
  copy->Selected = false;
  copy->Masked = false;
  copy->Visible = true;
  Prepare(graph, *copy);
  // The copy lies beside its source, shifted across the source's own direction so that the
  // two do not overlap.
  int dy = 8;
  if (auto *poly = dynamic_cast<TGPolyPoint *>(copy.get()); poly != nullptr && poly->Points.size() >= 2 &&
                                                             (copy->ObjectType == obArc || copy->ObjectType == obSegment)) {
    if (QuadrantSign(poly->PointPixel(0), poly->PointPixel(1)) >= 0) dy = -8;
  } else if (copy->ObjectType == obVecteur) {
    const double angle = static_cast<TGVecteur *>(copy.get())->Angle;
    if ((angle > 90.0 && angle < 180.0) || angle > 270.0) dy = -8;
  }
  copy->Translate(8, dy);
  if (copy->ObjectType == obVecteur) {
    auto *v = static_cast<TGVecteur *>(copy.get());
    v->Source = -1;
    v->Chained.clear();
  }
  if (element->Selected) {
    element->Selected = false;
    graph.Selection.erase(std::remove(graph.Selection.begin(), graph.Selection.end(), element), graph.Selection.end());
  }
  TGElem *added = AddElement(graph, std::move(copy), gaCopy);
  added->Selected = true;
  graph.Selection.push_back(added);
  return added;
}

void TConstructEditor::ChangeDirection(TGraph &graph, TGElem *element) {
  if (element == nullptr || element->ObjectType != obVecteur) return;
  Historique.Record(*element, gaChangeDirection);
  static_cast<TGVecteur *>(element)->ChangeDirection();
  graph.Invalidate();
}

void TConstructEditor::SelectElement(TGraph &graph, TGElem *element, bool shift) {
  if (element == nullptr) return;
  auto &selection = graph.Selection;
  if (shift) {
    element->Selected = !element->Selected;
    if (element->Selected)
      selection.push_back(element);
    else
      selection.erase(std::remove(selection.begin(), selection.end(), element), selection.end());
  } else if (!element->Selected) {
    ClearSelection(graph);
    element->Selected = true;
    selection.push_back(element);
  }
  graph.Invalidate();
}

void TConstructEditor::ClearSelection(TGraph &graph) {
  for (TGElem *e : graph.Selection) e->Selected = false;
  graph.Selection.clear();
  graph.Invalidate();
}

void TConstructEditor::ColorSelection(TGraph &graph, TColor colour, int type) {
  Historique.BeginGroup();
  for (TGElem *e : graph.Selection)
    if (construct_editor_impl::OfType(*e, type)) {
      Historique.Record(*e, gaColor);
      e->SetColor(colour);
    }
  Historique.EndGroup();
  graph.Invalidate();
}

void TConstructEditor::DeleteSelection(TGraph &graph, int type) {
  const std::vector<TGElem *> selected = graph.Selection;
  Historique.BeginGroup();
  for (TGElem *e : selected)
    if (construct_editor_impl::OfType(*e, type) && construct_editor_impl::IsConstructType(e->ObjectType))
      DeleteElement(graph, e);
  Historique.EndGroup();
  graph.Invalidate();
}

void TConstructEditor::DuplicateSelection(TGraph &graph, int type) {
  const std::vector<TGElem *> selected = graph.Selection;
  Historique.BeginGroup();
  for (TGElem *e : selected)
    if (construct_editor_impl::OfType(*e, type)) Duplicate(graph, e);
  Historique.EndGroup();
  graph.Invalidate();
}

void TConstructEditor::ReverseSelection(TGraph &graph) {
  Historique.BeginGroup();
  for (TGElem *e : graph.Selection) ChangeDirection(graph, e);
  Historique.EndGroup();
  graph.Invalidate();
}

void TConstructEditor::Undo(TGraph &graph) {
  // A drag in progress would go on with an element the undo changes or removes.
  Grabbed = nullptr;
  graph.SetDragState(0);
  graph.HideBulle();
  Historique.Undo(graph);
}

// ---------------------------------------------------------------------------------------------
// Snapping and chains
// ---------------------------------------------------------------------------------------------

TPoint TConstructEditor::SnapPoint(TGraph &graph, TPoint at) {
  for (auto it = graph.Elements().rbegin(); it != graph.Elements().rend(); ++it) {
    TGElem &e = **it;
    if (e.ObjectType == obPoint && !e.UserMade && e.Visible && e.HitTest(at)) return static_cast<TGPoint &>(e).Pixel;
  }
  if (graph.IsOrigineVisible && graph.Origine().HitTest(at)) return graph.Origine().Pixel;
  return at;
}

TPoint TConstructEditor::SnapToTip(TGraph &graph, TPoint at, const TGVecteur *except) {
  const int index = graph.VectorParamIndex();
  if (index < 0 || index >= int(graph.VectorParams().size())) return at;
  const int key = graph.VectorParams()[size_t(index)]->Id;
  for (auto it = graph.Elements().rbegin(); it != graph.Elements().rend(); ++it) {
    if ((*it)->ObjectType != obVecteur || it->get() == except) continue;
    const auto *v = static_cast<const TGVecteur *>(it->get());
    if (v->Visible && !v->Masked && v->Kind == key && measurement::PointHit(at, v->Tip, v->LineWidth())) return v->Tip;
  }
  return at;
}

std::vector<TGVecteur *> TConstructEditor::ChainOf(TGraph &graph, const TGVecteur &vector) {
  std::vector<TGVecteur *> chain;
  std::set<int> visited{vector.Id};
  std::vector<const TGVecteur *> pending{&vector};
  while (!pending.empty()) {
    const TGVecteur *v = pending.back();
    pending.pop_back();
    for (int id : v->Chained) {
      auto *c = dynamic_cast<TGVecteur *>(FindElement(graph, id));
      // A chained vector that left the chain (moved by hand) no longer follows.
      if (c == nullptr || c->Source != v->Id || !visited.insert(id).second) continue;
      chain.push_back(c);
      pending.push_back(c);
    }
  }
  return chain;
}

void TConstructEditor::SetVectorTip(TGraph &graph, TGVecteur &vector, TPoint tip) {
  const TPoint before = vector.Tip;
  // The chain as it hangs now, each vector once (a looping chain moves once).
  const std::vector<TGVecteur *> chain = ChainOf(graph, vector);
  vector.SetTip(tip);
  vector.UpdateTip();
  const int dx = vector.Tip.X - before.X, dy = vector.Tip.Y - before.Y;
  if (dx != 0 || dy != 0)
    for (TGVecteur *c : chain) c->Shift(dx, dy);
  // The lists drop what no longer hangs on them.
  const auto prune = [&graph](TGVecteur &v) {
    std::vector<int> kept;
    for (int id : v.Chained) {
      const auto *c = dynamic_cast<const TGVecteur *>(FindElement(graph, id));
      if (c != nullptr && c->Source == v.Id) kept.push_back(id);
    }
    v.Chained = kept;
  };
  prune(vector);
  for (TGVecteur *c : chain) prune(*c);
  graph.Invalidate();
}

void TConstructEditor::SnapElement(TGraph &graph, TGElem &element) {
  auto *poly = dynamic_cast<TGPolyPoint *>(&element);
  if (poly == nullptr) return;
  for (const auto &point : poly->Points) {
    const TPoint snapped = SnapPoint(graph, point->Pixel);
    if (snapped != point->Pixel) {
      element.Translate(snapped.X - point->Pixel.X, snapped.Y - point->Pixel.Y);
      return;
    }
  }
}

bool TConstructEditor::ChainOnto(TGraph &graph, TGVecteur &vector) {
  if (vector.Points.empty()) return false;
  const TPoint tail = vector.PointPixel(0);
  for (auto it = graph.Elements().rbegin(); it != graph.Elements().rend(); ++it) {
    if ((*it)->ObjectType != obVecteur || it->get() == &vector) continue;
    auto *other = static_cast<TGVecteur *>(it->get());
    if (!other->Visible || other->Masked || other->Kind != vector.Kind) continue;
    if (!measurement::PointHit(tail, other->Tip, other->LineWidth())) continue;
    // A vector cannot hang on its own chain (the tips would chase each other).
    bool loops = false;
    for (const TGVecteur *c : ChainOf(graph, vector)) loops = loops || c == other;
    if (loops) continue;
    vector.Translate(other->Tip.X - tail.X, other->Tip.Y - tail.Y);
    vector.Source = other->Id;
    if (std::find(other->Chained.begin(), other->Chained.end(), vector.Id) == other->Chained.end())
      other->Chained.push_back(vector.Id);
    return true;
  }
  return false;
}

}  // namespace kolibra::results
