#pragma once
// THistorique: one undo history of the measurement document.
//
// Each entry is a copy (Clone) of a measurement object taken just before a change, or just
// after the object was added, tagged with the group it belongs to and the action that
// caused it. Undo takes back the whole last group, newest entry first:
// - an addition (actions 2 to 5) is undone by removing the live object, found by ObjectId;
// - a removal (actions 13 to 16) is undone by handing the copy itself back to the owner,
//   which puts it in place of the removed object: from then on the document owns it;
// - any other action is a change of state, undone by Assigning the copy to the live object.
// The owner's ApplyUndo then repairs what follows from the change (pixels, notifications).
//
// Ownership: the history owns every copy it holds (unique_ptr); a copy leaves it either
// freed or moved to the owner, never both, so nothing is freed twice or leaked.
//
// Invariants: entries are in recording order and group numbers never decrease along them.
// At most MaxEntries entries are kept: when a new entry would exceed it, whole groups are
// dropped from the oldest end, never part of one, so every undo restores a complete step.
// Only the group being recorded may grow past the limit, for the same reason.

#include "measurement/HistObject.h"

#include <QString>
#include <deque>
#include <memory>

namespace kolibra::measurement {

// What a history needs of the document that owns the live objects.
class IHistoryOwner {
 public:
  virtual ~IHistoryOwner() = default;
  // The live measurement object with this identity, or nullptr.
  virtual THistObject *FindObject(int objectId) const = 0;
  // After an addition is undone (object is the live object, to be removed) or a state is
  // restored (object has just been Assigned its old state).
  virtual void ApplyUndo(THistObject &object, int actionKind) = 0;
  // After a removal is undone: copy is the object as it was removed; the owner takes it
  // back, or frees it when it can no longer be put back.
  virtual void ApplyUndo(std::unique_ptr<THistObject> copy, int actionKind) = 0;
};

class THistorique {
 public:
  static constexpr int MaxEntries = 65536;

  explicit THistorique(IHistoryOwner &owner);
  ~THistorique();
  THistorique(const THistorique &) = delete;
  THistorique &operator=(const THistorique &) = delete;

  // Groups nest: only the outermost EndGroup closes the group.
  void BeginGroup();
  void EndGroup();
  // Keeps a copy of object tagged with actionKind. Ignored while SuspendRecording is set
  // and for anything that is not a measurement object.
  void Record(const THistObject *object, int actionKind);
  // Drops, from the newest entry back, the changes that changed nothing (the copy equals
  // the live object) or whose object is gone, up to the first addition, removal or real
  // change.
  void Purge();
  // "Cancel", then the action word when the whole last group shares one action, then the
  // object word when it also shares one kind of object; empty when there is nothing to undo.
  QString UndoCaption();
  // Undoes the last group.
  void Undo();
  // Empties the history and closes any group.
  void Clear();

  int Count() const { return int(Entries.size()); }
  const THistObject &Entry(int index) const { return *Entries[size_t(index)]; }
  int GroupCounter() const { return GroupCount; }
  bool IsGrouping() const { return Grouping; }

  bool SuspendRecording = false;

 private:
  // Drops the oldest group unless it is the one being recorded; false when nothing was
  // dropped.
  bool DropOldestGroup();

  IHistoryOwner &Owner;
  std::deque<std::unique_ptr<THistObject>> Entries;
  int GroupCount = 0;
  int NestingDepth = 0;
  bool Grouping = false;
};

// Actions that added an object (undone by removing it) and that removed one (undone by
// putting the copy back).
inline bool IsAdditionAction(int actionKind) { return actionKind >= akTrackerSet && actionKind <= akDropLayer; }
inline bool IsRemovalAction(int actionKind) {
  return actionKind >= akDeleteMark && actionKind <= akDeleteLastOrigin;
}

}  // namespace kolibra::measurement
