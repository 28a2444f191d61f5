// The undo walk: one step of every action kind, done as the video view would do it, with
// the state recorded before each step; then undone back to the start, checking the undo
// command's caption before each undo and the state after it. The redo walk does the same
// through the Edit menu's commands, whatever the tool: back to the start, forward to the end,
// back again, and a new action ends what could be redone.

#include "measurement/support/DocumentFixture.h"

#include <QRegularExpression>
#include <functional>

namespace kolibra::measurement::undo_walk_test {

using testing::DocumentFixture;

using M = TMeasurementMode;

struct TStep {
  const char *Name;
  TMeasurementMode Mode;
  int Tool;
  std::function<void()> Act;
  const char *Caption;
  int Action;  // the action kind the step records (the first of a mixed group)
};

class UndoWalkTest : public DocumentFixture {
 protected:
  // The measurement as the work file holds it. The objects' colours are left out: they
  // stay with the document for objects that come back, and are no undoable state.
  QString State() const {
    QString state = Snapshot();
    state.remove(QRegularExpression(QStringLiteral("^MarkColor.*\\n|^MarkVisibil.*\\n"),
                                    QRegularExpression::MultilineOption));
    return state;
  }
  void Enter(const TStep &step) {
    data.SetMeasurementMode(step.Mode);
    data.SetActiveTool(step.Tool);
  }

  std::vector<TStep> Steps() {
    return {
        // The scale.
        {"first scale segment", M::FixedAxes, dtScale, [this] { Click(TPoint(160, 240)); Click(TPoint(480, 240)); },
         "Cancel Define Scale", akDefineScale},
        {"scale end dragged", M::FixedAxes, dtScale, [this] { Drag(TPoint(160, 240), TPoint(100, 240)); },
         "Cancel Modify Scale", akModify},
        {"scale segment moved", M::FixedAxes, dtScale, [this] { Drag(TPoint(300, 240), TPoint(300, 260)); },
         "Cancel Move Scale", akMove},
        {"scale point removed", M::FixedAxes, dtScale, [this] { Click(TPoint(0, 0), Qt::RightButton); },
         "Cancel Erase Scale", akErase},
        // The fixed axes.
        {"origin placed", M::FixedAxes, dtAxes, [this] { Click(TPoint(160, 360)); }, "Cancel Choose Grid", akChooseOrigin},
        {"origin moved", M::FixedAxes, dtAxes, [this] { Drag(TPoint(160, 360), TPoint(200, 340)); }, "Cancel Move Grid",
         akMove},
        {"axes rotated", M::FixedAxes, dtAxes, [this] { Drag(TPoint(400, 340), TPoint(300, 240)); },
         "Cancel Rotate Grid", akRotate},
        {"x reversed", M::FixedAxes, dtAxes, [this] { data.SetDirectXAxisDirection(false); },
         "Cancel Change direction Grid", akChangeDirection},
        {"angle typed", M::FixedAxes, dtAxes, [this] { data.SetTypedXAxisAngle(0.5); }, "Cancel Rotate Grid", akRotate},
        {"axes erased", M::FixedAxes, dtAxes, [this] { Click(TPoint(0, 0), Qt::RightButton); }, "Cancel Erase Grid",
         akErase},
        // The fixed-axes marks.
        {"two objects", M::FixedAxes, dtPointing, [this] { data.SetObjectsCount(2); }, "Cancel Modify", akModify},
        {"first object pointed", M::FixedAxes, dtPointing, [this] { Click(TPoint(100, 100)); }, "Cancel Set Mark",
         akSetMark},
        {"second object pointed", M::FixedAxes, dtPointing, [this] { Click(TPoint(200, 100)); }, "Cancel Set Mark",
         akSetMark},
        {"last mark removed", M::FixedAxes, dtPointing, [this] { Click(TPoint(0, 0), Qt::RightButton); },
         "Cancel Delete Mark", akDeleteLastMark},
        {"mark moved", M::FixedAxes, dtMove, [this] { Drag(TPoint(100, 100), TPoint(120, 130)); }, "Cancel Move Mark",
         akMove},
        {"mark erased", M::FixedAxes, dtErase, [this] { Click(TPoint(120, 130)); }, "Cancel Delete Mark", akDeleteMark},
        {"tracked marks", M::FixedAxes, dtPointing,
         [this] { data.PlaceTrackedMarks({{{0.2, 0.2}, {0.3, 0.3}}, {{0.6, 0.6}}}, {{20, 21}, {20}}); },
         "Cancel Set Mark", akTrackerSet},
        // The layer.
        {"layer dropped", M::Layer, dtLayer, [this] { Drag(TPoint(400, 200), TPoint(320, 240)); }, "Cancel Move Layer",
         akDropLayer},
        {"layer mark pointed", M::Layer, dtLayer, [this] { Click(TPoint(352, 264)); }, "Cancel Set Mark", akSetMark},
        {"layer grown", M::Layer, dtLayer, [this] { Key(Qt::Key_Plus); }, "Cancel Transform Layer", akResizeLayer},
        {"layer mark removed", M::Layer, dtLayer, [this] { Click(TPoint(0, 0), Qt::RightButton); },
         "Cancel Delete Mark", akDeleteLastMark},
        {"layer position removed", M::Layer, dtLayer, [this] { Click(TPoint(0, 0), Qt::RightButton); },
         "Cancel Move Layer", akDeleteLastOrigin},
        {"layer position put in", M::Layer, dtLayer,
         [this] { data.Layer().InsertOrigin(std::make_unique<TOrigine>(15, TPointD(0.3, 0.3)), akPutBackOrigin); },
         "Cancel Move Layer", akPutBackOrigin},
        {"layer position deleted", M::Layer, dtLayer, [this] { data.Layer().DeleteOriginOfFrame(15); },
         "Cancel Move Layer", akDeleteOrigin},
        {"layer y reversed", M::Layer, dtLayer, [this] { data.SetDirectYAxisDirection(false); },
         "Cancel Change direction Layer", akChangeDirection},
        {"layer dropped again", M::Layer, dtLayer, [this] { Drag(TPoint(400, 200), TPoint(330, 250)); },
         "Cancel Move Layer", akDropLayer},
        {"layer mark pointed again", M::Layer, dtLayer, [this] { Click(TPoint(360, 270)); }, "Cancel Set Mark",
         akSetMark},
        // A layer mark and its frame's layer position go together: two actions in one step.
        {"layer mark erased", M::Layer, dtErase, [this] { Click(TPoint(360, 270)); }, "Cancel", akDeleteMark},
    };
  }
};

TEST_F(UndoWalkTest, EveryActionUndoesBackToTheStateBeforeIt) {
  const std::vector<TStep> steps = Steps();
  std::vector<QString> before;
  std::vector<bool> covered(17, false);
  for (const TStep &step : steps) {
    Enter(step);
    before.push_back(State());
    step.Act();
    SCOPED_TRACE(step.Name);
    ASSERT_NE(State(), before.back()) << "the step changed nothing";
    EXPECT_EQ(data.UndoCaption(), QString::fromUtf8(step.Caption));
    covered[size_t(step.Action)] = true;
  }
  // Every action kind but the mixed group's second (15, covered by its own step) is walked.
  for (int action = akChooseOrigin; action <= akDeleteLastOrigin; ++action)
    EXPECT_TRUE(covered[size_t(action)]) << "action " << action;

  for (size_t i = steps.size(); i-- > 0;) {
    const TStep &step = steps[i];
    SCOPED_TRACE(step.Name);
    Enter(step);
    ASSERT_EQ(data.UndoCaption(), QString::fromUtf8(step.Caption));
    data.Undo();
    ASSERT_EQ(State(), before[i]);
  }
  for (const TStep &step : steps) {
    Enter(step);
    EXPECT_EQ(data.UndoCaption(), QString()) << step.Name;
  }
  EXPECT_EQ(data.FixedMarksHistory().Count() + data.LayerHistory().Count() + data.ScaleHistory().Count() +
                data.AxesHistory().Count(),
            0);
}

// The caption's words without "Cancel", as the Edit menu names the action.
QString Subject(const char *caption) {
  QString subject = QString::fromUtf8(caption);
  subject.remove(QRegularExpression(QStringLiteral("^Cancel ?")));
  return subject;
}

TEST_F(UndoWalkTest, TheLatestActionIsUndoneAndRedoneWhateverTheTool) {
  const std::vector<TStep> steps = Steps();
  std::vector<QString> before;
  std::vector<QString> after;
  for (const TStep &step : steps) {
    Enter(step);
    before.push_back(State());
    step.Act();
    after.push_back(State());
  }
  // The pointing tool stays chosen: the scale's and the axes' actions are undone all the same.
  const auto enterMode = [this](const TStep &step) {
    data.SetMeasurementMode(step.Mode);
    data.SetActiveTool(dtPointing);
  };
  const auto undoAll = [&] {
    for (size_t i = steps.size(); i-- > 0;) {
      const TStep &step = steps[i];
      SCOPED_TRACE(step.Name);
      enterMode(step);
      ASSERT_TRUE(data.CanUndoLast());
      ASSERT_EQ(data.UndoLastSubject(), Subject(step.Caption));
      data.UndoLast();
      ASSERT_EQ(State(), before[i]);
      ASSERT_TRUE(data.CanRedo());
      ASSERT_EQ(data.RedoSubject(), Subject(step.Caption));
    }
    for (M mode : {M::FixedAxes, M::Layer}) {
      data.SetMeasurementMode(mode);
      EXPECT_FALSE(data.CanUndoLast());
    }
  };
  ASSERT_NO_FATAL_FAILURE(undoAll());
  for (size_t i = 0; i < steps.size(); ++i) {
    const TStep &step = steps[i];
    SCOPED_TRACE(step.Name);
    enterMode(step);
    ASSERT_EQ(data.RedoSubject(), Subject(step.Caption));
    data.Redo();
    ASSERT_EQ(State(), after[i]);
    ASSERT_EQ(data.UndoLastSubject(), Subject(step.Caption));
  }
  // (Checked in the last step's mode only: a change of mode moves the shown layer.)
  EXPECT_FALSE(data.CanRedo());
  // What was redone undoes again, step by step.
  ASSERT_NO_FATAL_FAILURE(undoAll());

  // Forward three steps, back one: a new action (in another history) ends the redo.
  for (size_t i = 0; i < 3; ++i) {
    enterMode(steps[i]);
    data.Redo();
  }
  data.UndoLast();
  ASSERT_EQ(State(), before[2]);
  ASSERT_TRUE(data.CanRedo());
  data.SetMeasurementMode(M::FixedAxes);
  data.SetActiveTool(dtAxes);
  Click(TPoint(160, 360));
  EXPECT_FALSE(data.CanRedo());
  const QString placed = State();
  data.Redo();
  EXPECT_EQ(State(), placed);
  EXPECT_EQ(data.UndoLastSubject(), QStringLiteral("Choose Grid"));
}

}  // namespace kolibra::measurement::undo_walk_test
