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
//
// Redo: undoing a group keeps its inverse (for a change of state the live state just before
// it was restored, for an addition the object it removes, for a removal the object it puts
// back), so Redo can apply that inverse, which in turn gives the undo side its entry back.
// The undone groups are kept until a new action is recorded or the history is cleared.
// Every group carries a stamp from one counter shared by all histories, so the document can
// tell which history holds the latest action (or the latest undone one).

#include "measurement/HistObject.h"

#include <QString>
#include <QtGlobal>
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
  // The action and object words of the caption without "Cancel" ("Set Mark"); empty when
  // the last group mixes actions or there is nothing to undo.
  QString UndoSubject();
  bool CanUndo();
  // Undoes the last group and keeps what Redo needs to apply it again.
  void Undo();
  // The same words for the group Redo would apply again.
  QString RedoSubject() const;
  bool CanRedo() const { return !RedoEntries.empty(); }
  // Applies again the last undone group; it becomes the last group to undo.
  void Redo();
  // Forgets what was undone: a new action makes it meaningless.
  void ClearRedo() { RedoEntries.clear(); }
  // The stamps of the last group to undo and to redo; 0 when there is none.
  quint64 LastUndoStamp();
  quint64 LastRedoStamp() const { return RedoEntries.empty() ? 0 : RedoEntries.back().Stamp; }
  // Empties the history (the undone groups too) and closes any group.
  void Clear();

  int Count() const { return int(Entries.size()); }
  const THistObject &Entry(int index) const { return *Entries[size_t(index)].Copy; }
  int RedoCount() const { return int(RedoEntries.size()); }
  int GroupCounter() const { return GroupCount; }
  bool IsGrouping() const { return Grouping; }

  bool SuspendRecording = false;

 private:
  struct TEntry {
    std::unique_ptr<THistObject> Copy;
    quint64 Stamp = 0;
  };
  // Takes the last group of from back, newest entry first, and pushes the inverse of each
  // onto to as one group of its own, stamped now.
  void Revert(std::deque<TEntry> &from, std::deque<TEntry> &to, bool toUndoSide);
  static QString Subject(const std::deque<TEntry> &entries, bool &mixedActions);

  // Drops the oldest group unless it is the one being recorded; false when nothing was
  // dropped.
  bool DropOldestGroup();

  IHistoryOwner &Owner;
  std::deque<TEntry> Entries;
  std::deque<TEntry> RedoEntries;  // the last undone group at the back
  int GroupCount = 0;
  int RedoGroupCount = 0;
  int NestingDepth = 0;
  bool Grouping = false;
};

// Actions that added an object (undone by removing it) and that removed one (undone by
// putting the copy back).
inline bool IsAdditionAction(int actionKind) { return actionKind >= akTrackerSet && actionKind <= akDropLayer; }
inline bool IsRemovalAction(int actionKind) {
  return actionKind >= akDeleteMark && actionKind <= akDeleteLastOrigin;
}
// Each addition has its removal, eleven codes further (a tracked mark and a deleted mark, a
// pointed mark and the last mark removed, ...): what undoes one redoes the other.
inline int InverseAction(int actionKind) {
  if (IsAdditionAction(actionKind)) return actionKind + (akDeleteMark - akTrackerSet);
  if (IsRemovalAction(actionKind)) return actionKind - (akDeleteMark - akTrackerSet);
  return actionKind;
}

}  // namespace kolibra::measurement
