#include "measurement/Historique.h"

#include <QCoreApplication>
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
  return object != nullptr && object->ObjectKind >= okEchelle && object->ObjectKind <= okTransparent;
}

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
  const int oldest = Entries.front()->GroupNumber;
  // The group being recorded stays whole, even past the limit.
  if (Grouping && oldest == GroupCount) return false;
  while (!Entries.empty() && Entries.front()->GroupNumber == oldest) Entries.pop_front();
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
  Entries.push_back(std::move(copy));
}

void THistorique::Purge() {
  while (!Entries.empty()) {
    const THistObject &entry = *Entries.back();
    if (IsAdditionAction(entry.ActionKind) || IsRemovalAction(entry.ActionKind)) return;
    const THistObject *live = Owner.FindObject(entry.ObjectId);
    if (live != nullptr && typeid(*live) == typeid(entry) && !entry.IsEqual(*live)) return;
    Entries.pop_back();
  }
}

QString THistorique::UndoCaption() {
  Purge();
  if (Entries.empty()) return QString();
  const THistObject &last = *Entries.back();
  bool sameAction = true;
  bool sameObject = true;
  for (auto it = Entries.rbegin(); it != Entries.rend() && (*it)->GroupNumber == last.GroupNumber; ++it) {
    sameAction = sameAction && (*it)->ActionKind == last.ActionKind;
    sameObject = sameObject && (*it)->ObjectKind == last.ObjectKind;
  }
  QString caption = QCoreApplication::translate("THistorique", "Cancel");
  if (!sameAction) return caption;
  const QString action = ActionKindWord(last.ActionKind);
  if (!action.isEmpty()) caption += QLatin1Char(' ') + action;
  const QString object = sameObject ? ObjectKindWord(last.ObjectKind) : QString();
  if (!object.isEmpty()) caption += QLatin1Char(' ') + object;
  return caption;
}

void THistorique::Undo() {
  Purge();
  if (Entries.empty()) return;
  const int group = Entries.back()->GroupNumber;
  historique_impl::TSuspendScope suspend(SuspendRecording);
  while (!Entries.empty() && Entries.back()->GroupNumber == group) {
    std::unique_ptr<THistObject> entry = std::move(Entries.back());
    Entries.pop_back();
    const int action = entry->ActionKind;
    if (IsRemovalAction(action)) {
      Owner.ApplyUndo(std::move(entry), action);
      continue;
    }
    THistObject *live = Owner.FindObject(entry->ObjectId);
    if (live == nullptr) continue;  // the object is gone: the entry is simply dropped
    if (!IsAdditionAction(action)) live->Assign(*entry);
    Owner.ApplyUndo(*live, action);
  }
}

void THistorique::Clear() {
  Entries.clear();
  GroupCount = 0;
  NestingDepth = 0;
  Grouping = false;
}

}  // namespace kolibra::measurement
