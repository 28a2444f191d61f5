#pragma once
// TConstructEditor: what the construct tools of a graph do with the mouse, and the graph's
// undo history. The graph (TGraph) hands it the mouse while tools 1 to 10, 14 or 17 are
// active and the keys Delete and Ctrl+A; the results window calls its operations from the
// context menu (colour, duplicate, delete, change direction, undo).
//
// Drag states (TGraph::DragState): 1 bending, 2 moving a control point, 4 moving a
// selection that holds the grabbed vector, 5 moving a selection, 6 turning an ellipse, 7 a
// selection rectangle; 3 (panning) is the graph's own.
//
// Every change to a construct is recorded in the history before it is made: creation (3),
// duplication (6) and deletion (10) as whole elements, the others as the element's state
// before the change. A gesture that changes several elements is one group, undone at once.
//
// Vectors chain head to tail: a vector whose tail lies on another one's tip (of the same
// kind) follows that tip when it is dragged, and so on down the chain. Chains are kept as
// ids and walked with a visited set, so a list that names a deleted vector, or a chain that
// loops, is harmless.

#include "results/GraphEditor.h"
#include "results/GraphHistory.h"
#include "results/GShapes.h"

#include <QRect>

#include <memory>
#include <set>

namespace kolibra::results {

class TGVecteur;

class TConstructEditor : public IGraphEditor {
 public:
  TConstructEditor();

  // --- IGraphEditor ------------------------------------------------------------------------
  bool MouseDown(TGraph &graph, Qt::MouseButton button, Qt::KeyboardModifiers modifiers, TPoint at) override;
  bool MouseMove(TGraph &graph, Qt::KeyboardModifiers modifiers, TPoint at) override;
  bool MouseUp(TGraph &graph, Qt::MouseButton button, Qt::KeyboardModifiers modifiers, TPoint at) override;
  bool DoubleClick(TGraph &graph, TPoint at) override;
  void PaintRubberBand(TGraph &graph, QPainter &canvas) override;
  void ToolChanged(TGraph &graph, int oldTool, int newTool) override;
  void DeleteSelection(TGraph &graph) override { DeleteSelection(graph, 0); }
  void Undo(TGraph &graph) override;
  void ClearHistory() override { Historique.ClearHistory(); }

  // --- Operations (the context menu and the keys) -------------------------------------------

  THistorique Historique;

  // Appends an element (filed under its series, angles under none) and records the action.
  TGElem *AddElement(TGraph &graph, std::unique_ptr<TGElem> element, int action);
  // Records the deletion, unchains it and removes it.
  void DeleteElement(TGraph &graph, TGElem *element);
  // A copy beside the element, selected instead of it.
  TGElem *Duplicate(TGraph &graph, TGElem *element);
  // Reverses a vector (other elements are left alone).
  void ChangeDirection(TGraph &graph, TGElem *element);
  // With Shift, toggles the element's selection; without, selects it alone unless it is
  // already selected.
  void SelectElement(TGraph &graph, TGElem *element, bool shift);
  void ClearSelection(TGraph &graph);
  // type 0: every selected element; else only those of that type. One undo step each.
  void ColorSelection(TGraph &graph, TColor colour, int type);
  void DeleteSelection(TGraph &graph, int type);
  void DuplicateSelection(TGraph &graph, int type);
  void ReverseSelection(TGraph &graph);
  QString UndoCaption(TGraph &graph) { return Historique.UndoCaption(graph); }

  // --- Geometry helpers, public for the tests -----------------------------------------------

  // The pixel a clicked point snaps to: a visible data point or the origin marker under it.
  static TPoint SnapPoint(TGraph &graph, TPoint at);
  // The tip of a visible vector of the kind shown within the hit tolerance, or at itself.
  static TPoint SnapToTip(TGraph &graph, TPoint at, const TGVecteur *except = nullptr);
  // Moves a vector's tip, the vectors chained to it following.
  static void SetVectorTip(TGraph &graph, TGVecteur &vector, TPoint tip);
  // The vectors that follow a vector's tip, itself excluded, each once.
  static std::vector<TGVecteur *> ChainOf(TGraph &graph, const TGVecteur &vector);

 private:
  // --- Mouse, by tool ---
  bool CreationDown(TGraph &graph, TPoint at);
  bool CreationUp(TGraph &graph, TPoint at);
  void CreateConstruct(TGraph &graph, const TPointDynArray &points);
  bool SelectDown(TGraph &graph, Qt::KeyboardModifiers modifiers, TPoint at);
  bool BendDown(TGraph &graph, Qt::KeyboardModifiers modifiers, TPoint at);
  bool ActDown(TGraph &graph, Qt::KeyboardModifiers modifiers, TPoint at);
  bool DragMove(TGraph &graph, TPoint at);
  bool DragUp(TGraph &graph, TPoint at);
  void HoverCursor(TGraph &graph, TPoint at);

  // The element under the mouse as the tools find it (selected ones first, models and data
  // points skipped; in the bend tool only arcs, circles and ellipses), or null.
  TGElem *Find(TGraph &graph, TPoint at, bool bendOnly) const;
  // Duplicate, change direction or delete acting on one element; false when it cannot.
  bool CanAct(int tool, const TGElem &element) const;
  void Act(TGraph &graph, int tool, TGElem *element);
  // Snaps an element as a whole onto a data point after a move.
  static void SnapElement(TGraph &graph, TGElem &element);
  // Puts a moved vector's tail on a nearby tip and chains it; false when none is near.
  static bool ChainOnto(TGraph &graph, TGVecteur &vector);
  void ShowDescription(TGraph &graph, TGElem &element);
  // Style, world and plot rectangle of the graph, before an element is computed.
  static void Prepare(TGraph &graph, TGElem &element);

  TGElem *Grabbed = nullptr;  // the element being dragged
  TPoint LastMouse;
  TPoint Mouse;               // for the rubber band
  QRect SelectionRect;
  TRotation RotationHandle;
};

}  // namespace kolibra::results
