#include "results/GraphHistory.h"

#include "kit/Texts.h"
#include "results/Graph.h"

#include <QCoreApplication>

#include <typeinfo>

namespace kolibra::results {

namespace graph_history_impl {

bool IsRecreation(int action) { return action == gaCreate || action == gaCopy || action == gaDelete; }

}  // namespace graph_history_impl

QString ActionWord(int action) {
  switch (action) {
    case gaColor:
      return GraphText::tr("Color");
    case gaBend:
      return GraphText::tr("Bend");
    case gaCreate:
      return GraphText::tr("Create");
    case gaTransform:
      return GraphText::tr("Transform");
    case gaMove:
      return GraphText::tr("Move");
    case gaCopy:
      return GraphText::tr("Copy");
    case gaChangeDirection:
      return GraphText::tr("Change direction");
    case gaModify:
      return GraphText::tr("Modify");
    case gaRotate:
      return GraphText::tr("Rotate");
    case gaDelete:
      return GraphText::tr("Delete");
    default: return QString();
  }
}

QString ObjectTypeWord(int objectType) {
  switch (objectType) {
    case obAngle:
      return GraphText::tr("Angle");
    case obArc:
      return GraphText::tr("Arc");
    case obCercle:
      return GraphText::tr("Circle");
    case obEllipse:
      return GraphText::tr("Ellipse");
    case obSegment:
      return GraphText::tr("Segment");
    case obSpline:
      return GraphText::tr("Curve");
    case obVecteur:
      return GraphText::tr("Vector");
    default: return QString();
  }
}

bool IsUndoable(const TGElem &element) {
  switch (element.ObjectType) {
    case obAngle:
    case obArc:
    case obCercle:
    case obEllipse:
    case obSegment:
    case obSpline:
    case obVecteur:
      return true;
    default:
      return false;
  }
}

TGElem *FindElement(const TGraph &graph, int id) {
  for (const auto &e : graph.Elements())
    if (e->Id == id) return e.get();
  return nullptr;
}

THistorique::THistorique() { Snapshots.reserve(1024); }

void THistorique::BeginGroup() {
  if (InGroup) {
    ++Depth;
  } else {
    ++Step;
    InGroup = true;
  }
}

void THistorique::EndGroup() {
  if (Depth < 1)
    InGroup = false;
  else
    --Depth;
}

void THistorique::MakeRoom() {
  while (int(Snapshots.size()) >= MaxSnapshots) {
    const int oldest = Snapshots.front()->Step;
    // The step being recorded stays whole, even when it alone passes the limit.
    if (oldest == Step) return;
    size_t n = 0;
    while (n < Snapshots.size() && Snapshots[n]->Step == oldest) ++n;
    Snapshots.erase(Snapshots.begin(), Snapshots.begin() + std::ptrdiff_t(n));
  }
}

void THistorique::Record(const TGElem &element, int action) {
  if (Suspended || !IsUndoable(element)) return;
  if (!InGroup) ++Step;
  MakeRoom();
  std::unique_ptr<TGElem> snapshot = element.Clone();
  snapshot->Id = element.Id;
  snapshot->Action = std::uint8_t(action);
  snapshot->Step = Step;
  Snapshots.push_back(std::move(snapshot));
}

void THistorique::ClearHistory() {
  Snapshots.clear();
  Snapshots.reserve(1024);
  Step = 0;
  Depth = 0;
  InGroup = false;
}

void THistorique::Trim(TGraph &graph) {
  while (!Snapshots.empty()) {
    const TGElem &snapshot = *Snapshots.back();
    if (graph_history_impl::IsRecreation(snapshot.Action)) return;
    const TGElem *live = FindElement(graph, snapshot.Id);
    // A change whose element is gone cannot be undone; one that left the element as it was
    // has nothing to undo.
    const bool gone = live == nullptr;
    const bool unchanged = live != nullptr && typeid(*live) == typeid(snapshot) && live->SameAs(snapshot);
    if (!gone && !unchanged) return;
    Snapshots.pop_back();
  }
}

bool THistorique::Undo(TGraph &graph) {
  Trim(graph);
  if (Snapshots.empty()) return false;
  const int step = Snapshots.back()->Step;
  Suspended = true;
  while (!Snapshots.empty() && Snapshots.back()->Step == step) {
    std::unique_ptr<TGElem> snapshot = std::move(Snapshots.back());
    Snapshots.pop_back();
    TGElem *live = FindElement(graph, snapshot->Id);
    switch (snapshot->Action) {
      case gaCreate:
      case gaCopy:
        if (live != nullptr) graph.RemoveElement(live);
        break;
      case gaDelete: {
        // The snapshot itself goes back, with the id the element had; another element of
        // that id cannot exist, ids are never reused.
        if (live != nullptr) break;
        snapshot->Selected = false;
        const int curve = snapshot->ObjectType == obAngle ? -1 : snapshot->CurveIndex;
        graph.AddElement(std::move(snapshot), curve);
        break;
      }
      default:
        if (live == nullptr || typeid(*live) != typeid(*snapshot)) break;
        live->Assign(*snapshot);
        live->SetPlotRect(graph.AxeYFromLeft(), graph.AxeXFromTop(), graph.PlotWidth(), graph.PlotHeight());
        live->SetWorld(graph.WorldRect());
        if (TCourbe *series = live->CurveIndex >= 0 ? graph.Curve(live->CurveIndex) : &graph.DefaultCurve())
          series->Apply(live);
        break;
    }
  }
  Suspended = false;
  graph.Invalidate();
  return true;
}

QString THistorique::UndoCaption(TGraph &graph) {
  Trim(graph);
  if (Snapshots.empty()) return QString();
  const int step = Snapshots.back()->Step;
  int action = -1, type = -1;
  bool sameAction = true, sameType = true;
  for (auto it = Snapshots.rbegin(); it != Snapshots.rend() && (*it)->Step == step; ++it) {
    if (action < 0) action = (*it)->Action;
    if (type < 0) type = (*it)->ObjectType;
    sameAction = sameAction && (*it)->Action == action;
    sameType = sameType && (*it)->ObjectType == type;
  }
  QString caption = GraphText::tr("Cancel");
  if (sameAction) caption += QLatin1Char(' ') + ActionWord(action);
  if (sameType) caption += QLatin1Char(' ') + ObjectTypeWord(type);
  return caption;
}

}  // namespace kolibra::results
