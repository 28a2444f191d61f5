// The undo history on its own, with probe objects: groups, captions, purging, the three
// ways an undo goes, who owns a copy, and the limit of 65536 entries kept by whole groups.

#include "measurement/Historique.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <vector>

namespace kolibra::measurement::historique_test {

// A measurement object with one value, of whatever kind a test needs.
class TProbe : public THistObject {
 public:
  explicit TProbe(int kind, int value = 0) : THistObject(kind), Value(value) {}
  void Assign(const THistObject &source) override {
    THistObject::Assign(source);
    if (const auto *probe = dynamic_cast<const TProbe *>(&source)) Value = probe->Value;
  }
  bool IsEqual(const THistObject &other) const override {
    const auto *probe = dynamic_cast<const TProbe *>(&other);
    return probe != nullptr && probe->Value == Value;
  }
  std::unique_ptr<THistObject> Clone() const override {
    return FinishClone(std::make_unique<TProbe>(ObjectKind), *this);
  }
  int Value;
};

// Owns the live probes; additions undone remove them, removals undone take the copy back.
class FakeOwner : public IHistoryOwner {
 public:
  TProbe *Add(int kind, int value = 0) {
    Live.push_back(std::make_unique<TProbe>(kind, value));
    return Live.back().get();
  }
  THistObject *FindObject(int objectId) const override {
    for (const auto &probe : Live)
      if (probe->ObjectId == objectId) return probe.get();
    return nullptr;
  }
  void ApplyUndo(THistObject &object, int actionKind) override {
    Applied.push_back(actionKind);
    if (IsAdditionAction(actionKind)) Remove(&object);
  }
  void ApplyUndo(std::unique_ptr<THistObject> copy, int actionKind) override {
    Applied.push_back(actionKind);
    Live.emplace_back(static_cast<TProbe *>(copy.release()));
  }
  std::unique_ptr<TProbe> Remove(const THistObject *object) {
    const auto it = std::find_if(Live.begin(), Live.end(), [object](const auto &p) { return p.get() == object; });
    if (it == Live.end()) return nullptr;
    std::unique_ptr<TProbe> removed = std::move(*it);
    Live.erase(it);
    return removed;
  }

  std::vector<std::unique_ptr<TProbe>> Live;
  std::vector<int> Applied;
};

class HistoriqueTest : public ::testing::Test {
 protected:
  FakeOwner owner;
  THistorique history{owner};
};

TEST_F(HistoriqueTest, CaptionNamesTheActionAndTheObjectOfTheLastGroup) {
  const struct {
    std::vector<std::pair<int, int>> Group;  // object kind, action kind
    const char *Caption;
  } rows[] = {
      {{{okMarqueRep, akSetMark}}, "Cancel Set Mark"},
      {{{okRepereFixe, akRotate}}, "Cancel Rotate Grid"},
      {{{okEchelle, akDefineScale}}, "Cancel Define Scale"},
      {{{okTransparent, akResizeLayer}}, "Cancel Transform Layer"},
      {{{okRepereFixe, akChangeDirection}}, "Cancel Change direction Grid"},
      {{{okPolyMarqueImgRep, akModify}}, "Cancel Modify"},
      {{{okMarqueRep, akDeleteMark}, {okMarqueRep, akDeleteMark}}, "Cancel Delete Mark"},
      {{{okMarqueTsp, akDeleteMark}, {okOrigine, akDeleteOrigin}}, "Cancel"},
      {{{okMarqueRep, akMove}, {okEchelle, akMove}}, "Cancel Move"},
      {{{okMarqueTsp, akDeleteMark}, {okMarqueRep, akDeleteLastMark}}, "Cancel"},
  };
  for (const auto &row : rows) {
    THistorique h(owner);
    h.BeginGroup();
    for (const auto &[kind, action] : row.Group) {
      TProbe *probe = owner.Add(kind, 1);
      h.Record(probe, action);
      probe->Value = 2;  // a real change, so that nothing is purged
    }
    h.EndGroup();
    EXPECT_EQ(h.UndoCaption(), QString::fromUtf8(row.Caption));
  }
  EXPECT_EQ(history.UndoCaption(), QString());
}

TEST_F(HistoriqueTest, NestedGroupsCloseWithTheOutermostEnd) {
  TProbe *a = owner.Add(okEchelle);
  history.BeginGroup();
  history.Record(a, akModify);
  history.BeginGroup();
  history.Record(a, akModify);
  history.EndGroup();
  EXPECT_TRUE(history.IsGrouping());
  history.Record(a, akModify);
  history.EndGroup();
  EXPECT_FALSE(history.IsGrouping());
  history.Record(a, akModify);
  ASSERT_EQ(history.Count(), 4);
  EXPECT_EQ(history.Entry(0).GroupNumber, history.Entry(2).GroupNumber);
  EXPECT_NE(history.Entry(2).GroupNumber, history.Entry(3).GroupNumber);
  EXPECT_EQ(history.Entry(0).ObjectId, a->ObjectId);
}

TEST_F(HistoriqueTest, RecordIgnoresNonMeasurementObjectsAndSuspendedRecording) {
  TProbe *none = owner.Add(okNone);
  history.Record(none, akMove);
  history.Record(nullptr, akMove);
  history.SuspendRecording = true;
  history.Record(owner.Add(okEchelle), akMove);
  history.SuspendRecording = false;
  EXPECT_EQ(history.Count(), 0);
}

TEST_F(HistoriqueTest, PurgeDropsChangesThatChangedNothingUpToARealChange) {
  TProbe *scale = owner.Add(okEchelle, 1);
  TProbe *axes = owner.Add(okRepereFixe, 1);
  TProbe *mark = owner.Add(okMarqueRep, 1);
  history.Record(mark, akSetMark);    // an addition stops the walk
  history.Record(scale, akModify);
  scale->Value = 5;                   // a real change stops it too
  history.Record(axes, akMove);       // pressed and released without moving
  history.Record(scale, akMove);      // the same
  EXPECT_EQ(history.UndoCaption(), QStringLiteral("Cancel Modify Scale"));
  EXPECT_EQ(history.Count(), 2);
  // An entry whose object is gone goes as well.
  TProbe *gone = owner.Add(okTransparent, 1);
  history.Record(gone, akResizeLayer);
  owner.Remove(gone);
  history.Purge();
  EXPECT_EQ(history.Count(), 2);
}

TEST_F(HistoriqueTest, UndoRestoresStatesRemovesAdditionsAndHandsBackRemovals) {
  TProbe *scale = owner.Add(okEchelle, 1);
  TProbe *mark = owner.Add(okMarqueRep, 7);
  const int markId = mark->ObjectId;
  history.BeginGroup();
  history.Record(scale, akModify);
  scale->Value = 2;
  history.Record(mark, akDeleteMark);
  owner.Remove(mark);  // the live mark is freed here; the history keeps its copy
  TProbe *added = owner.Add(okMarqueRep, 3);
  history.Record(added, akSetMark);
  history.EndGroup();

  history.Undo();
  EXPECT_EQ(history.Count(), 0);
  EXPECT_EQ(owner.Applied, (std::vector<int>{akSetMark, akDeleteMark, akModify}));
  EXPECT_EQ(scale->Value, 1);
  ASSERT_EQ(owner.Live.size(), 2u);
  // The copy itself is the live mark again, with its identity.
  const auto *back = static_cast<const TProbe *>(owner.FindObject(markId));
  ASSERT_NE(back, nullptr);
  EXPECT_EQ(back->Value, 7);
  EXPECT_FALSE(history.SuspendRecording);
}

TEST_F(HistoriqueTest, UndoOfAGoneObjectDropsItsEntry) {
  TProbe *scale = owner.Add(okEchelle, 1);
  history.Record(scale, akModify);
  scale->Value = 4;
  owner.Remove(scale);
  TProbe *other = owner.Add(okEchelle, 1);
  history.Record(other, akModify);
  other->Value = 3;
  history.Undo();
  EXPECT_EQ(other->Value, 1);
  history.Undo();
  EXPECT_EQ(history.Count(), 0);
  EXPECT_EQ(owner.Applied, std::vector<int>{akModify});
}

// With more than 65535 entries the oldest go by whole groups, so that every undo that
// remains still restores a complete step.
TEST_F(HistoriqueTest, OldestEntriesGoByWholeGroupsBeyondTheLimit) {
  TProbe *probe = owner.Add(okEchelle, 0);
  const int groups = 23400;  // three entries each: 70200 entries in all
  for (int g = 0; g < groups; ++g) {
    history.BeginGroup();
    for (int i = 0; i < 3; ++i) {
      history.Record(probe, akModify);
      ++probe->Value;
    }
    history.EndGroup();
  }
  EXPECT_LE(history.Count(), THistorique::MaxEntries);
  EXPECT_GT(history.Count(), THistorique::MaxEntries - 3);
  EXPECT_EQ(history.Count() % 3, 0);
  EXPECT_EQ(history.Entry(0).GroupNumber, history.Entry(2).GroupNumber);
  EXPECT_NE(history.Entry(2).GroupNumber, history.Entry(3).GroupNumber);

  // Every undo takes back exactly one step of three changes.
  const int steps = history.Count() / 3;
  for (int step = 0; step < steps; ++step) {
    const int before = probe->Value;
    history.Undo();
    ASSERT_EQ(probe->Value, before - 3) << "step " << step;
  }
  EXPECT_EQ(history.Count(), 0);
  EXPECT_EQ(probe->Value, 3 * (groups - steps));
}

TEST_F(HistoriqueTest, UngroupedEntriesStopAtTheLimitAndTheNewestStillUndo) {
  TProbe *probe = owner.Add(okEchelle, 0);
  for (int i = 0; i < THistorique::MaxEntries + 100; ++i) {
    history.Record(probe, akModify);
    ++probe->Value;
  }
  EXPECT_EQ(history.Count(), THistorique::MaxEntries);
  history.Undo();
  EXPECT_EQ(probe->Value, THistorique::MaxEntries + 99);
}

TEST_F(HistoriqueTest, TheGroupBeingRecordedIsNeverCut) {
  TProbe *probe = owner.Add(okEchelle, 0);
  history.Record(probe, akModify);
  ++probe->Value;
  history.BeginGroup();
  for (int i = 0; i < THistorique::MaxEntries + 10; ++i) {
    history.Record(probe, akModify);
    ++probe->Value;
  }
  history.EndGroup();
  // The older step went whole; the big one stays whole.
  EXPECT_EQ(history.Count(), THistorique::MaxEntries + 10);
  EXPECT_EQ(history.Entry(0).GroupNumber, history.Entry(history.Count() - 1).GroupNumber);
  history.Undo();
  EXPECT_EQ(probe->Value, 1);
  EXPECT_EQ(history.Count(), 0);
}

TEST_F(HistoriqueTest, ClearFreesEveryCopyAndResetsTheGroups) {
  TProbe *mark = owner.Add(okMarqueRep, 1);
  history.BeginGroup();
  history.Record(mark, akDeleteMark);
  owner.Remove(mark);
  history.Clear();
  EXPECT_EQ(history.Count(), 0);
  EXPECT_FALSE(history.IsGrouping());
  EXPECT_EQ(history.GroupCounter(), 0);
  history.Undo();
  EXPECT_TRUE(owner.Applied.empty());
}

// The live probes as (identity, value), in identity order.
std::vector<std::pair<int, int>> LiveState(const FakeOwner &owner) {
  std::vector<std::pair<int, int>> state;
  for (const auto &probe : owner.Live) state.emplace_back(probe->ObjectId, probe->Value);
  std::sort(state.begin(), state.end());
  return state;
}

// A change of state, an addition and a removal, one group mixing two: undone to the start,
// redone to the end, each state checked against the one recorded; a new action ends the redo.
TEST_F(HistoriqueTest, RedoAppliesAgainWhatWasUndoneUntilANewAction) {
  TProbe *a = owner.Add(okMarqueRep, 0);
  std::vector<std::vector<std::pair<int, int>>> states{LiveState(owner)};
  history.Record(a, akMove);
  a->Value = 1;
  states.push_back(LiveState(owner));
  history.BeginGroup();
  history.Record(a, akMove);
  a->Value = 2;
  TProbe *b = owner.Add(okMarqueRep, 7);
  history.Record(b, akSetMark);
  history.EndGroup();
  states.push_back(LiveState(owner));
  history.Record(b, akMove);
  b->Value = 8;
  states.push_back(LiveState(owner));
  history.Record(b, akDeleteMark);
  owner.Remove(b);
  states.push_back(LiveState(owner));
  history.Record(owner.Add(okMarqueRep, 5), akTrackerSet);
  states.push_back(LiveState(owner));
  const std::vector<QString> subjects{"Move Mark", "", "Move Mark", "Delete Mark", "Set Mark"};

  for (int step = int(subjects.size()); step-- > 0;) {
    SCOPED_TRACE(step);
    ASSERT_EQ(history.UndoSubject(), subjects[size_t(step)]);
    history.Undo();
    ASSERT_EQ(LiveState(owner), states[size_t(step)]);
    ASSERT_EQ(history.RedoSubject(), subjects[size_t(step)]);
  }
  EXPECT_FALSE(history.CanUndo());
  quint64 stamp = 0;
  for (size_t step = 0; step < subjects.size(); ++step) {
    SCOPED_TRACE(step);
    ASSERT_TRUE(history.CanRedo());
    history.Redo();
    ASSERT_EQ(LiveState(owner), states[step + 1]);
    ASSERT_EQ(history.UndoSubject(), subjects[step]);
    // Every step redone is the newest action of all.
    ASSERT_GT(history.LastUndoStamp(), stamp);
    stamp = history.LastUndoStamp();
  }
  EXPECT_FALSE(history.CanRedo());

  history.Undo();
  history.Undo();
  EXPECT_EQ(history.RedoCount(), 2);  // the removal's mark back, the tracked mark
  history.Record(a, akMove);
  a->Value = 9;
  EXPECT_FALSE(history.CanRedo());
  EXPECT_EQ(history.LastRedoStamp(), 0u);
  history.Undo();
  EXPECT_EQ(LiveState(owner), states[3]);
  history.Clear();
  EXPECT_FALSE(history.CanRedo());
}

}  // namespace kolibra::measurement::historique_test
