#pragma once
// THistorique (of the graph; the measurement document has its own class of that name): the
// undo history of the constructs drawn on one graph.
//
// Each change records, before it happens, a snapshot of the element it changes: a copy of the
// same class (Clone) holding the element's whole state, its Id, the action and the step. A
// group (BeginGroup ... EndGroup) makes every snapshot recorded inside it one step, undone
// at once. Undo walks back the newest step: a creation or a duplication is undone by
// deleting the live element of that id, a deletion by putting the snapshot itself back, any
// other change by giving the live element the snapshot's state.
//
// The history keeps at most MaxSnapshots snapshots; beyond that the oldest whole steps go,
// never part of a step and never the step being recorded. Snapshots whose live element has
// gone (a view rebuilt its data elements) are skipped, and so are those of changes that did
// not happen after all (a press without a move): Trim drops them before the caption is
// computed, so the caption always names what Undo will do.

#include "results/GElem.h"

#include <QString>

#include <memory>
#include <vector>

namespace kolibra::results {

class TGraph;

// The undo actions, with the words of the undo caption.
enum TGraphAction : std::uint8_t {
  gaColor = 1,
  gaBend = 2,
  gaCreate = 3,
  gaTransform = 4,
  gaMove = 5,
  gaCopy = 6,
  gaChangeDirection = 7,
  gaModify = 8,
  gaRotate = 9,
  gaDelete = 10,
};

// "Color", "Bend", ... "Delete"; empty for an unknown action.
QString ActionWord(int action);
// "Angle", "Arc", "Circle", "Ellipse", "Segment", "Curve", "Vector"; empty for other types.
QString ObjectTypeWord(int objectType);
// The types the history records: the constructs (not points, models or video frames).
bool IsUndoable(const TGElem &element);

class THistorique {
 public:
  static constexpr int MaxSnapshots = 500;

  THistorique();

  int Step = 0;
  int Depth = 0;
  bool InGroup = false;
  bool Suspended = false;

  void BeginGroup();
  void EndGroup();
  // Records the element's state before a change (unless suspended or not undoable).
  void Record(const TGElem &element, int action);
  void ClearHistory();

  // Drops the newest snapshots that have nothing left to undo (see above).
  void Trim(TGraph &graph);
  // Undoes the newest step on the graph; false when there was nothing to undo.
  bool Undo(TGraph &graph);
  // "Cancel", the action word when the newest step has one action, the type word when it
  // concerns one type; empty when there is nothing to undo.
  QString UndoCaption(TGraph &graph);

  int Count() const { return int(Snapshots.size()); }
  const std::vector<std::unique_ptr<TGElem>> &Items() const { return Snapshots; }

 private:
  // Drops whole oldest steps until there is room for one more snapshot, never the step
  // being recorded.
  void MakeRoom();

  std::vector<std::unique_ptr<TGElem>> Snapshots;
};

// The element of the graph with that id, or null.
TGElem *FindElement(const TGraph &graph, int id);

}  // namespace kolibra::results
