#include "measurement/Historique.h"

#include <QCoreApplication>
#include <QStringList>
#include <typeinfo>

namespace kolibra::measurement {

namespace historique_impl {

// Sets a flag for the lifetime of a scope, so that nothing an undo does is recorded.
class TSuspendScope {
 public:
  explicit TSuspendScope(bool &flag) : Flag(flag), Previous(flag) { Flag = true; }
  ~TSuspendScope() { Flag = Previous; }
  TSuspendScope(const TSuspendScope &) = delete;
  TSuspendScope &operator=(const TSuspendScope &) = delete;

 private:
  bool &Flag;
  bool Previous;
};

bool IsMeasurementObject(const THistObject *object) {
  return object != nullptr && object->ObjectKind >= okEchelle && object->ObjectKind <= okPlane;
}

// One counter for every history: the document compares stamps across its histories.
quint64 NextStamp = 0;

}  // namespace historique_impl

THistorique::THistorique(IHistoryOwner &owner) : Owner(owner) {}

THistorique::~THistorique() = default;

void THistorique::BeginGroup() {
  if (Grouping) {
    ++NestingDepth;
    return;
  }
  ++GroupCount;
  Grouping = true;
  NestingDepth = 0;
}

void THistorique::EndGroup() {
  if (NestingDepth < 1)
    Grouping = false;
  else
    --NestingDepth;
}

bool THistorique::DropOldestGroup() {
  if (Entries.empty()) return false;
  const int oldest = Entries.front().Copy->GroupNumber;
  // The group being recorded stays whole, even past the limit.
  if (Grouping && oldest == GroupCount) return false;
  while (!Entries.empty() && Entries.front().Copy->GroupNumber == oldest) Entries.pop_front();
  return true;
}

void THistorique::Record(const THistObject *object, int actionKind) {
  if (SuspendRecording || !historique_impl::IsMeasurementObject(object)) return;
  while (Entries.size() >= size_t(MaxEntries))
    if (!DropOldestGroup()) break;
  std::unique_ptr<THistObject> copy = object->Clone();
  copy->ObjectId = object->ObjectId;
  if (!Grouping) ++GroupCount;
  copy->GroupNumber = GroupCount;
  copy->ActionKind = actionKind;
  // A new action: what was undone can no longer be applied again on top of it.
  RedoEntries.clear();
  const bool sameGroup = !Entries.empty() && Entries.back().Copy->GroupNumber == GroupCount;
  const quint64 stamp = sameGroup ? Entries.back().Stamp : ++historique_impl::NextStamp;
  Entries.push_back({std::move(copy), stamp});
}

void THistorique::Purge() {
  while (!Entries.empty()) {
    const THistObject &entry = *Entries.back().Copy;
    if (IsAdditionAction(entry.ActionKind) || IsRemovalAction(entry.ActionKind)) return;
    const THistObject *live = Owner.FindObject(entry.ObjectId);
    if (live != nullptr && typeid(*live) == typeid(entry) && !entry.IsEqual(*live)) return;
    Entries.pop_back();
  }
}

QString THistorique::Subject(const std::deque<TEntry> &entries, bool &mixedActions) {
  mixedActions = false;
  if (entries.empty()) return QString();
  const THistObject &last = *entries.back().Copy;
  bool sameObject = true;
  for (auto it = entries.rbegin(); it != entries.rend() && it->Copy->GroupNumber == last.GroupNumber; ++it) {
    mixedActions = mixedActions || it->Copy->ActionKind != last.ActionKind;
    sameObject = sameObject && it->Copy->ObjectKind == last.ObjectKind;
  }
  if (mixedActions) return QString();
  QStringList words;
  const QString action = ActionKindWord(last.ActionKind);
  if (!action.isEmpty()) words << action;
  const QString object = sameObject ? ObjectKindWord(last.ObjectKind) : QString();
  if (!object.isEmpty()) words << object;
  return words.join(QLatin1Char(' '));
}

QString THistorique::UndoCaption() {
  Purge();
  if (Entries.empty()) return QString();
  bool mixed = false;
  const QString subject = Subject(Entries, mixed);
  QString caption = QCoreApplication::translate("THistorique", "Cancel");
  if (!subject.isEmpty()) caption += QLatin1Char(' ') + subject;
  return caption;
}

QString THistorique::UndoSubject() {
  Purge();
  bool mixed = false;
  return Subject(Entries, mixed);
}

bool THistorique::CanUndo() {
  Purge();
  return !Entries.empty();
}

quint64 THistorique::LastUndoStamp() {
  Purge();
  return Entries.empty() ? 0 : Entries.back().Stamp;
}

QString THistorique::RedoSubject() const {
  // The redo side holds inverses: the words name the action as it was first done.
  if (RedoEntries.empty()) return QString();
  bool mixed = false;
  QString subject = Subject(RedoEntries, mixed);
  const int action = RedoEntries.back().Copy->ActionKind;
  if (!mixed && action != InverseAction(action)) {
    // An addition's inverse is a removal: name the addition.
    const QString inverseWord = ActionKindWord(action);
    const QString word = ActionKindWord(InverseAction(action));
    if (!inverseWord.isEmpty() && subject.startsWith(inverseWord)) subject.replace(0, inverseWord.size(), word);
  }
  return subject;
}

void THistorique::Undo() {
  Purge();
  if (Entries.empty()) return;
  Revert(Entries, RedoEntries, false);
}

void THistorique::Redo() {
  if (RedoEntries.empty()) return;
  Revert(RedoEntries, Entries, true);
}

void THistorique::Revert(std::deque<TEntry> &from, std::deque<TEntry> &to, bool toUndoSide) {
  const int group = from.back().Copy->GroupNumber;
  const int inverseGroup = toUndoSide ? ++GroupCount : ++RedoGroupCount;
  const quint64 stamp = ++historique_impl::NextStamp;
  // The inverse of an entry, tagged for the other side.
  const auto keepInverse = [&to, inverseGroup, stamp](const THistObject &live, int action) {
    std::unique_ptr<THistObject> inverse = live.Clone();
    inverse->ObjectId = live.ObjectId;
    inverse->GroupNumber = inverseGroup;
    inverse->ActionKind = action;
    to.push_back({std::move(inverse), stamp});
  };
  historique_impl::TSuspendScope suspend(SuspendRecording);
  while (!from.empty() && from.back().Copy->GroupNumber == group) {
    std::unique_ptr<THistObject> entry = std::move(from.back().Copy);
    from.pop_back();
    const int action = entry->ActionKind;
    if (IsRemovalAction(action)) {
      const int id = entry->ObjectId;
      Owner.ApplyUndo(std::move(entry), action);
      // Put back (unless the owner refused it): applying again removes it again.
      if (const THistObject *back = Owner.FindObject(id)) keepInverse(*back, InverseAction(action));
      continue;
    }
    THistObject *live = Owner.FindObject(entry->ObjectId);
    if (live == nullptr) continue;  // the object is gone: the entry is simply dropped
    if (IsAdditionAction(action)) {
      keepInverse(*live, InverseAction(action));
    } else {
      keepInverse(*live, action);
      live->Assign(*entry);
    }
    Owner.ApplyUndo(*live, action);
  }
}

void THistorique::Clear() {
  Entries.clear();
  RedoEntries.clear();
  GroupCount = 0;
  RedoGroupCount = 0;
  NestingDepth = 0;
  Grouping = false;
}

}  // namespace kolibra::measurement
