// The measurement document: the time base's worked examples, the mark examples through the
// mouse, histories and captions, ownership of removed objects, notifications, the results
// it makes stale, keys, cursors and storage.

#include "measurement/GraphUtils.h"
#include "measurement/support/DocumentFixture.h"

#include <cmath>
#include <map>
#include <numbers>

namespace kolibra::measurement::document_test {

using testing::DocumentFixture;

class DocumentTest : public DocumentFixture {
 protected:
  // Points the current object on a frame with the pointing tool.
  void PointOn(int frame, TPoint pixel) {
    view.CurrentFrame = view.EditedFrame = frame;
    Click(pixel);
  }
};

TEST_F(DocumentTest, MarkedFramesAreTimedFromTheFirstOne) {
  data.SetFrameInterval(0.04);  // a 25 frames-per-second video
  for (int frame : {5, 6, 8}) PointOn(frame, TPoint(10 * frame, 100));
  const TDoubleDynArray times = data.MarkedFrameTimes();
  ASSERT_EQ(times.size(), 3u);
  EXPECT_NEAR(times[0], 0.0, 1e-12);
  EXPECT_NEAR(times[1], 0.04, 1e-12);
  EXPECT_NEAR(times[2], 0.12, 1e-12);

  // Without frame 5's marks, frame 6 is the time origin.
  data.SetActiveTool(dtErase);
  view.CurrentFrame = 5;
  Click(TPoint(0, 0), Qt::RightButton);
  const TDoubleDynArray later = data.MarkedFrameTimes();
  ASSERT_EQ(later.size(), 2u);
  EXPECT_NEAR(later[0], 0.0, 1e-12);
  EXPECT_NEAR(later[1], 0.08, 1e-12);
}

TEST_F(DocumentTest, FrameIntervalChangesOnlyByMoreThanNothing) {
  data.SetFrameInterval(0.04);
  EXPECT_EQ(results.Count(TCalculatorSet::Both), 1);
  data.SetFrameInterval(0.04 + 1e-120);
  EXPECT_EQ(results.Count(TCalculatorSet::Both), 1);
  data.SetFrameInterval(1.0 / 30.0);
  EXPECT_EQ(results.Count(TCalculatorSet::Both), 2);
  EXPECT_DOUBLE_EQ(data.FrameInterval(), 1.0 / 30.0);
}

TEST_F(DocumentTest, TwoObjectsWithAFrameStepOfTwoMoveTheVideoOnAfterTheSecond) {
  data.SetObjectsCount(2);
  data.SetFramesNumberBetweenTwoMarks(2);
  Click(TPoint(100, 100));
  EXPECT_EQ(view.CurrentFrame, 10);
  EXPECT_EQ(data.CurrentMarkOrderNumber(), 1);
  Click(TPoint(200, 100));
  EXPECT_EQ(view.CurrentFrame, 12);
  EXPECT_EQ(data.CurrentMarkOrderNumber(), 0);
  EXPECT_EQ(data.MarksCount(), 2);
  EXPECT_EQ(data.UndoCaption(), QStringLiteral("Cancel Set Mark"));
}

TEST_F(DocumentTest, AMissingMarkGivesFrameIndexMinusOne) {
  data.SetObjectsCount(2);
  PointOn(3, TPoint(10, 10));
  PointOn(3, TPoint(20, 10));
  PointOn(4, TPoint(30, 10));
  data.SetCurrentMarkOrderNumber(0);
  PointOn(5, TPoint(40, 10));
  PointOn(5, TPoint(50, 10));
  const TMarkSeries series = data.ExtractSeries();
  EXPECT_EQ(series.FrameIndex[0], (TIntegerDynArray{0, 1, 2}));
  EXPECT_EQ(series.FrameIndex[1], (TIntegerDynArray{0, -1, 2}));
  EXPECT_EQ(data.SmallestObjectMarksCount(), 2);
}

TEST_F(DocumentTest, FramesPointedOutOfOrderAreNumberedInFrameOrder) {
  for (int frame : {30, 10, 20}) PointOn(frame, TPoint(frame, 50));
  const auto &containers = data.FixedMarks().ContainersList();
  ASSERT_EQ(containers.size(), 3u);
  EXPECT_EQ(containers[0]->MarksContainerMarkNumber, 2);
  EXPECT_EQ(containers[1]->MarksContainerMarkNumber, 0);
  EXPECT_EQ(containers[2]->MarksContainerMarkNumber, 1);
  EXPECT_EQ(data.LastMarkedFrame(), 20);
}

TEST_F(DocumentTest, ReducingTheObjectsFromThreeToOneIsOneUndoableStep) {
  data.SetObjectsCount(3);
  for (int frame : {1, 2, 3})
    for (int order = 0; order < 3; ++order) PointOn(frame, TPoint(100 * order + frame, 100));
  data.SetCurrentMarkOrderNumber(2);
  const QString before = Snapshot();

  data.SetObjectsCount(1);
  EXPECT_EQ(data.ObjectsCount(), 1);
  EXPECT_EQ(data.MarksCount(), 3);
  EXPECT_EQ(data.CurrentMarkOrderNumber(), 0);
  for (const TMarque *mark : data.FixedMarks().Marks()) EXPECT_EQ(mark->MarkOrderNumber, 0);
  // The count (action 11) and the removed marks (action 13) make one mixed step.
  EXPECT_EQ(data.UndoCaption(), QStringLiteral("Cancel"));
  data.Undo();
  EXPECT_EQ(data.ObjectsCount(), 3);
  EXPECT_EQ(data.MarksCount(), 9);
  EXPECT_EQ(data.CurrentMarkOrderNumber(), 2);
  EXPECT_EQ(Snapshot(), before);
}

TEST_F(DocumentTest, PressingTheOriginWithoutMovingLeavesNothingToUndo) {
  data.SetActiveTool(dtAxes);
  Click(TPoint(160, 360));
  ASSERT_TRUE(data.AxesPlaced());
  EXPECT_EQ(data.UndoCaption(), QStringLiteral("Cancel Choose Grid"));
  Click(TPoint(160, 360));  // a press on the origin records a move...
  EXPECT_EQ(data.AxesHistory().Count(), 2);
  // ...that changed nothing, so the caption still offers the placement.
  EXPECT_EQ(data.UndoCaption(), QStringLiteral("Cancel Choose Grid"));
  EXPECT_EQ(data.AxesHistory().Count(), 1);
  data.Undo();
  EXPECT_FALSE(data.AxesPlaced());
  EXPECT_EQ(data.UndoCaption(), QString());
}

TEST_F(DocumentTest, OneMarkPointedThenUndone) {
  Click(TPoint(320, 240));
  EXPECT_EQ(data.UndoCaption(), QStringLiteral("Cancel Set Mark"));
  EXPECT_EQ(view.CurrentFrame, 11);
  EXPECT_TRUE(Key(Qt::Key_A, Qt::ControlModifier));
  EXPECT_EQ(data.MarksCount(), 0);
  EXPECT_EQ(view.CurrentFrame, 10);
  EXPECT_EQ(data.UndoCaption(), QString());
}

TEST_F(DocumentTest, DeletingTheMarksOfThreeFramesComesBackInOneStep) {
  for (int frame : {1, 2, 3}) PointOn(frame, TPoint(50 * frame, 50));
  const QString before = Snapshot();
  data.DeleteAllMarks();
  EXPECT_EQ(data.MarksCount(), 0);
  EXPECT_EQ(data.UndoCaption(), QStringLiteral("Cancel Delete Mark"));
  data.Undo();
  EXPECT_EQ(data.MarksCount(), 3);
  EXPECT_EQ(Snapshot(), before);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(data.FixedMarks().Mark(i)->FrameIndex, i + 1);
}

TEST_F(DocumentTest, ADuplicateMarkIsRefusedWithAMessage) {
  Click(TPoint(100, 100));
  view.CurrentFrame = view.EditedFrame = 10;
  Click(TPoint(150, 100));
  ASSERT_EQ(boxes.Count(), 1);
  EXPECT_EQ(boxes.Last().Text(), QStringLiteral("A similar mark already exists on this image."));
  EXPECT_EQ(data.MarksCount(), 1);
  EXPECT_EQ(data.FixedMarksHistory().Count(), 1);
}

// Removed marks go back and forth between the document and its history: every copy has
// exactly one owner (the AddressSanitizer run checks that none is freed twice or leaked).
TEST_F(DocumentTest, RemovedMarksChangeOwnerWithoutBeingFreedTwice) {
  data.SetObjectsCount(2);
  for (int frame : {1, 2}) {
    PointOn(frame, TPoint(100, 100 + frame));
    PointOn(frame, TPoint(200, 100 + frame));
  }
  data.SetActiveTool(dtErase);
  for (int round = 0; round < 3; ++round) {
    Click(TPoint(100, 101));
    ASSERT_EQ(data.MarksCount(), 3);
    data.Undo();
    ASSERT_EQ(data.MarksCount(), 4);
  }
  // A copy handed back is the live mark: erasing it again copies it once more.
  const int id = data.FixedMarks().Mark(0)->ObjectId;
  Click(TPoint(100, 101));
  data.Undo();
  EXPECT_EQ(data.FixedMarks().Mark(0)->ObjectId, id);
  EXPECT_EQ(data.FindObject(id), data.FixedMarks().Mark(0));

  // A copy that can no longer go back (its object has a new mark on that frame) is freed.
  Click(TPoint(100, 101));
  data.SetActiveTool(dtAxes);  // the tracker's marks go to another history here
  data.PlaceTrackedMarks({{{0.5, 0.5}}}, {{1}});
  data.SetActiveTool(dtErase);
  data.Undo();
  EXPECT_EQ(data.MarksCount(), 4);
  EXPECT_DOUBLE_EQ(data.FixedMarks().FindContainer(1)->FindMark(0)->GetAbsolutePosition().X, 0.5);

  // Copies still in the histories go with them.
  Click(TPoint(200, 101));
  data.NewMeasurement();
  EXPECT_EQ(data.MarksCount(), 0);
}

TEST_F(DocumentTest, LayerPositionsChangeOwnerToo) {
  data.SetMeasurementMode(TMeasurementMode::Layer);
  data.SetActiveTool(dtLayer);
  for (int i = 0; i < 3; ++i) {
    Drag(TPoint(400, 200), TPoint(300 + 10 * i, 200));
    Click(TPoint(300, 300));
  }
  ASSERT_EQ(data.Layer().Origins.size(), 3u);
  data.SetActiveTool(dtErase);
  data.DeleteAllMarks();
  EXPECT_TRUE(data.Layer().Origins.empty());
  EXPECT_EQ(data.MarksCount(), 0);
  data.Undo();
  EXPECT_EQ(data.Layer().Origins.size(), 3u);
  EXPECT_EQ(data.MarksCount(), 3);
  data.DeleteFrame(11);
  EXPECT_EQ(data.Layer().Origins.size(), 2u);
  EXPECT_EQ(data.LayerHistory().Count(), 0);
}

TEST_F(DocumentTest, EveryRecordGoesToTheHistoryOfTheToolAndMode) {
  const struct {
    TMeasurementMode Mode;
    int Tool;
    const char *History;
  } rows[] = {
      {TMeasurementMode::FixedAxes, dtScale, "scale"},   {TMeasurementMode::Layer, dtScale, "scale"},
      {TMeasurementMode::FixedAxes, dtAxes, "axes"},     {TMeasurementMode::Layer, dtAxes, "layer"},
      {TMeasurementMode::Layer, dtLayer, "layer"},       {TMeasurementMode::Layer, dtErase, "layer"},
      {TMeasurementMode::FixedAxes, dtPointing, "marks"}, {TMeasurementMode::FixedAxes, dtErase, "marks"},
      {TMeasurementMode::None, dtScale, "marks"},        {TMeasurementMode::Editing, dtAxes, "marks"},
  };
  const std::map<QString, const THistorique *> histories{{"scale", &data.ScaleHistory()},
                                                         {"axes", &data.AxesHistory()},
                                                         {"layer", &data.LayerHistory()},
                                                         {"marks", &data.FixedMarksHistory()}};
  for (const auto &row : rows) {
    data.SetMeasurementMode(row.Mode);
    data.SetActiveTool(row.Tool);
    EXPECT_EQ(&data.CurrentHistory(), histories.at(QString::fromLatin1(row.History))) << row.History << " " << row.Tool;
  }
}

TEST_F(DocumentTest, NotificationsFireAfterTheirChanges) {
  std::map<QString, int> fired;
  const auto count = [&fired](const char *name) { return [&fired, name](TData *) { ++fired[QString::fromLatin1(name)]; }; };
  data.OnAxesChange = count("axes");
  data.OnColorsChange = count("colors");
  data.OnScaleChange = count("scale");
  data.OnScaleKindChange = count("kind");
  data.OnMarksChange = count("marks");
  data.OnSystemsChange = count("systems");
  data.OnToolChange = count("tool");
  data.OnVisibilityChange = count("visibility");

  Click(TPoint(10, 10));
  EXPECT_EQ(fired["marks"], 1);
  data.SetActiveTool(dtAxes);
  EXPECT_EQ(fired["tool"], 1);
  Click(TPoint(100, 100));
  EXPECT_EQ(fired["axes"], 1);
  data.SetActiveTool(dtScale);
  Click(TPoint(100, 100));
  EXPECT_EQ(fired["scale"], 1);
  data.SetScaleKind(skHorizontal);
  EXPECT_EQ(fired["kind"], 1);
  data.SetObjectsCount(2);
  EXPECT_EQ(fired["systems"], 1);
  data.SetObjectColor(1, colors::clBlue);
  EXPECT_EQ(fired["colors"], 1);
  data.SetObjectVisible(1, false);
  EXPECT_EQ(fired["visibility"], 1);
  data.SetActiveTool(dtNone);
  EXPECT_EQ(fired["tool"], 2);
  EXPECT_EQ(fired["marks"], 1);
}

TEST_F(DocumentTest, ChangesMakeTheRightCalculatorsStale) {
  Click(TPoint(10, 10));
  EXPECT_GT(results.Count(TCalculatorSet::FixedAxes), 0);
  EXPECT_EQ(results.Count(TCalculatorSet::Layer), 0);
  results.Calls.clear();
  data.SetScaleLength(2.0);
  EXPECT_EQ(results.Calls, std::vector<TCalculatorSet>{TCalculatorSet::Both});
  results.Calls.clear();
  data.SetMeasurementMode(TMeasurementMode::Layer);
  data.SetDirectXAxisDirection(false);
  EXPECT_GT(results.Count(TCalculatorSet::Layer), 0);
  EXPECT_EQ(results.Count(TCalculatorSet::FixedAxes), 0);
}

TEST_F(DocumentTest, ObjectsOutOfRangeReadAsDefaults) {
  EXPECT_EQ(data.ObjectColor(0), TColor::FromRgbHex(0xFF0000));
  EXPECT_EQ(data.ObjectColor(5), TColor(255));
  EXPECT_TRUE(data.ObjectVisible(-1));
  EXPECT_EQ(data.SystemName(4), QString());
  data.SetObjectsCount(3);
  EXPECT_EQ(data.MarkColors().size(), 3u);
  EXPECT_EQ(data.ObjectColor(2), CreateGraphUtils()->ObjectColor(2));
  data.SetObjectsCount(1);
  // Colours stay for objects that may come back.
  EXPECT_EQ(data.MarkColors().size(), 3u);
}

TEST_F(DocumentTest, KeysActOnlyWhileMeasuring) {
  // "0" walks the palette from the element colour, backwards with Ctrl.
  const TColor start = data.ElementColor();
  EXPECT_TRUE(Key(Qt::Key_0));
  EXPECT_EQ(data.ElementColor(), CreateGraphUtils()->ObjectColor(CreateGraphUtils()->ColorIndex(start) + 1));
  EXPECT_TRUE(Key(Qt::Key_0, Qt::ControlModifier));
  EXPECT_EQ(data.ElementColor(), CreateGraphUtils()->ObjectColor(CreateGraphUtils()->ColorIndex(start)));
  // "1" is object 0's colour; objects that do not exist ignore their key.
  EXPECT_TRUE(Key(Qt::Key_1));
  EXPECT_EQ(data.ObjectColor(0), CreateGraphUtils()->ObjectColor(1));
  EXPECT_FALSE(Key(Qt::Key_5));
  // Alt moves on to the next object with the pointing tool.
  data.SetObjectsCount(3);
  EXPECT_TRUE(Key(Qt::Key_Alt));
  EXPECT_EQ(data.CurrentMarkOrderNumber(), 1);
  // Enter points at the pointer.
  data.MouseMove(Qt::NoModifier, TPoint(64, 48));
  EXPECT_TRUE(Key(Qt::Key_Return));
  ASSERT_EQ(data.MarksCount(), 1);
  EXPECT_EQ(data.FixedMarks().Mark(0)->MarkOrderNumber, 1);
  EXPECT_DOUBLE_EQ(data.FixedMarks().Mark(0)->GetAbsolutePosition().X, 0.1);

  data.SetMeasurementMode(TMeasurementMode::None);
  EXPECT_FALSE(Key(Qt::Key_0));
  EXPECT_FALSE(Key(Qt::Key_A, Qt::ControlModifier));
  EXPECT_EQ(data.MarksCount(), 1);
}

TEST_F(DocumentTest, LayerKeysResizeTheLayer) {
  data.SetMeasurementMode(TMeasurementMode::Layer);
  EXPECT_FALSE(Key(Qt::Key_Minus));  // not with the pointing tool
  data.SetActiveTool(dtLayer);
  EXPECT_TRUE(Key(Qt::Key_Minus));
  EXPECT_NEAR(data.Layer().LayerWidth, 0.45, 1e-12);
  EXPECT_TRUE(Key(Qt::Key_Plus));
  EXPECT_NEAR(data.Layer().LayerWidth, 0.495, 1e-12);
  EXPECT_EQ(data.UndoCaption(), QStringLiteral("Cancel Transform Layer"));
}

TEST_F(DocumentTest, CursorFollowsTheToolAndTheObject) {
  const struct {
    int Tool, Objects, Current, Expected;
  } rows[] = {
      {dtScale, 1, 0, 13}, {dtPointing, 1, 0, 16}, {dtPointing, 3, 0, 18}, {dtPointing, 3, 2, 20},
      {dtPointing, 12, 8, 26}, {dtPointing, 12, 9, 17}, {dtPointing, 12, 10, 18}, {dtMove, 1, 0, 10},
      {dtAxes, 1, 0, 29}, {dtErase, 1, 0, 14},
  };
  for (const auto &row : rows) {
    data.SetActiveTool(row.Tool);
    data.SetObjectsCount(row.Objects);
    data.SetCurrentMarkOrderNumber(row.Current);
    EXPECT_EQ(data.CursorCode(), row.Expected) << row.Tool << " " << row.Objects << " " << row.Current;
  }
  data.SetMeasurementMode(TMeasurementMode::Layer);
  data.SetActiveTool(dtLayer);
  EXPECT_EQ(data.CursorCode(), 30);
  data.Layer().SetLayerStage(2);
  EXPECT_EQ(data.CursorCode(), 16);
}

TEST_F(DocumentTest, AxesAndOriginAsTheActiveSystemReportsThem) {
  data.SetActiveTool(dtAxes);
  Click(TPoint(160, 120));
  data.SetTypedXAxisAngle(3 * std::numbers::pi / 2);
  EXPECT_NEAR(data.XAxisAngle(), -std::numbers::pi / 2, 1e-12);
  EXPECT_NEAR(data.Axes().YAxisAngle, 0.0, 1e-12);
  EXPECT_EQ(data.UndoCaption(), QStringLiteral("Cancel Rotate Grid"));
  EXPECT_DOUBLE_EQ(data.FixedOrigin().X, 0.25);
  data.SetMeasurementMode(TMeasurementMode::Layer);
  EXPECT_TRUE(data.AxesPlaced());
  EXPECT_DOUBLE_EQ(data.XAxisAngle(), 0.0);
  EXPECT_DOUBLE_EQ(data.FixedOrigin().X, 0.0);
}

TEST_F(DocumentTest, FrameMarksAreCountedWhileTheVideoIsEdited) {
  Click(TPoint(10, 10));
  EXPECT_EQ(data.FrameMarksCount(10), -1);
  data.SetMeasurementMode(TMeasurementMode::Editing);
  EXPECT_EQ(data.FrameMarksCount(10), 1);
  EXPECT_EQ(data.FrameMarksCount(11), -1);
}

TEST_F(DocumentTest, ClearAllIsOneStep) {
  data.SetActiveTool(dtScale);
  Click(TPoint(100, 100));
  Click(TPoint(300, 100));
  data.SetActiveTool(dtAxes);
  Click(TPoint(320, 240));
  data.SetActiveTool(dtPointing);
  Click(TPoint(50, 50));
  const QString before = Snapshot();
  data.ClearAll();
  EXPECT_FALSE(data.AxesPlaced());
  EXPECT_EQ(data.MarksCount(), 0);
  EXPECT_EQ(data.Scale().ScalePointsNumber, 0);
  EXPECT_EQ(data.UndoCaption(), QStringLiteral("Cancel"));
  data.Undo();
  EXPECT_EQ(Snapshot(), before);
}

TEST_F(DocumentTest, NewMeasurementStartsAfresh) {
  data.SetObjectsCount(2);
  Click(TPoint(10, 10));
  data.SetFrameInterval(0.04);
  data.SetActiveTool(dtAxes);
  Click(TPoint(10, 10));
  data.NewMeasurement();
  EXPECT_EQ(data.ActiveTool(), dtPointing);
  EXPECT_EQ(data.MarksCount(), 0);
  EXPECT_EQ(data.ObjectsCount(), 1);
  EXPECT_EQ(data.MarkColors().size(), 1u);
  EXPECT_DOUBLE_EQ(data.FrameInterval(), 0.0);
  EXPECT_FALSE(data.AxesPlaced());
  EXPECT_EQ(data.FixedMarksHistory().Count() + data.AxesHistory().Count(), 0);
  EXPECT_TRUE(data.HasDefaultNames());
}

TEST_F(DocumentTest, TheWorkFileKeysReadBackIntoAnotherDocument) {
  data.SetFrameInterval(0.04);
  data.SetFramesNumberBetweenTwoMarks(3);
  data.SetObjectsCount(2);
  data.SetObjectColor(1, colors::clBlue);
  data.SetObjectVisible(0, false);
  data.SetActiveTool(dtScale);
  Click(TPoint(160, 240));
  Click(TPoint(480, 240));
  data.SetScaleLength(1.0);
  data.SetActiveTool(dtAxes);
  Click(TPoint(160, 360));
  data.SetActiveTool(dtPointing);
  Click(TPoint(480, 120));
  Click(TPoint(500, 140));
  data.SetMeasurementMode(TMeasurementMode::Layer);
  data.SetActiveTool(dtLayer);
  Drag(TPoint(400, 200), TPoint(320, 240));
  Click(TPoint(352, 264));
  data.SetMeasurementMode(TMeasurementMode::FixedAxes);

  TIniFile ini(dir.filePath(QStringLiteral("work.klb")));
  data.SaveToIni(ini);
  const QStringList keys = ini.Keys(QStringLiteral("Data"));
  EXPECT_EQ(keys.mid(0, 2), (QStringList{"RequiredDuration", "FramesNumberBetweenTwoMarks"}));
  EXPECT_TRUE(keys.contains(QStringLiteral("MarkVisibiltiesNumber")));
  EXPECT_LT(keys.indexOf(QStringLiteral("XAxisAngle_Grid")), keys.indexOf(QStringLiteral("LayerStage")));
  EXPECT_LT(keys.indexOf(QStringLiteral("ScaleLength")), keys.indexOf(QStringLiteral("MarksNumberPosition_Grid")));
  EXPECT_LT(keys.indexOf(QStringLiteral("MarksNumberPosition_Grid")), keys.indexOf(QStringLiteral("MarksNumberPosition_Layer")));
  EXPECT_EQ(ini.ReadInteger(QStringLiteral("Data"), QStringLiteral("MarkColor_1"), 0), int(colors::clBlue.Value));

  testing::FakeViewPort otherView;
  TData other(otherView, options);
  other.LoadFromIni(ini);
  TIniFile again(dir.filePath(QStringLiteral("again.klb")));
  other.SaveToIni(again);
  EXPECT_EQ(again.ToText(), ini.ToText());
  EXPECT_EQ(other.FixedMarks().MarksCount(), 2);
  EXPECT_EQ(other.LayerMarks().MarksCount(), 1);
}

}  // namespace kolibra::measurement::document_test
