// Mark collections through the document and view doubles: pointing with the automatic
// advance, refusals, numbering and series, the object count, the right button, the move
// and erase tools, the tracker's marks, the layer's marks and drawing.

#include "kit/MessageBox.h"
#include "measurement/GraphUtils.h"
#include "measurement/PolyContainer.h"
#include "measurement/RepereFixe.h"
#include "measurement/Transparent.h"
#include "measurement/support/FakeMarksHost.h"
#include "measurement/support/FakeViewPort.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

namespace kolibra::measurement::marks_test {

using testing::FakeMarksHost;
using testing::FakeViewPort;

class MarksTest : public ::testing::Test {
 protected:
  void SetUp() override { view.CurrentFrame = view.EditedFrame = 10; }

  // Points the current object at a view pixel on a frame, without the automatic advance.
  TMarque *PointOn(TPolyContainer &collection, int frame, int order, TPoint pixel) {
    view.CurrentFrame = view.EditedFrame = frame;
    collection.SetCurrentMarkOrderNumber(order);
    const int before = collection.MarksCount();
    collection.PointMark(view.ScreenToFrame(pixel));
    return collection.MarksCount() > before ? collection.LastMark() : nullptr;
  }
  std::vector<int> Actions() const { return host.Base.ActionKinds(); }

  FakeMarksHost host;
  FakeViewPort view;
  TRepereFixe axes{host, view};
  TTransparent layer{host, view};
  TPolyMarqueImgRep marks{host, view, axes};
  TPolyMarqueImgTsp layerMarks{host, view, layer};
  TScriptedMessageBox boxes;
};

TEST_F(MarksTest, PointingAdvancesThroughObjectsThenFrames) {
  const struct {
    int Objects, Step, Clicks;
    int ExpectedFrame, ExpectedCurrent, ExpectedMarks;
  } rows[] = {
      {1, 1, 1, 11, 0, 1},  // one object: every click moves on
      {2, 2, 1, 10, 1, 1},  // the first object waits for the second
      {2, 2, 2, 12, 0, 2},  // two objects, frame step 2: frame 10 -> 12, first object again
      {3, 1, 4, 11, 1, 4},  // a fourth click is the second object of the next frame
      {2, 5, 4, 20, 0, 4},
  };
  for (const auto &row : rows) {
    FakeMarksHost rowHost;
    FakeViewPort rowView;
    rowView.CurrentFrame = rowView.EditedFrame = 10;
    rowHost.Base.FramesStep = row.Step;
    TRepereFixe rowAxes(rowHost, rowView);
    TPolyMarqueImgRep collection(rowHost, rowView, rowAxes);
    collection.SetMarksNumberPerFrame(row.Objects);
    for (int i = 0; i < row.Clicks; ++i) collection.PointMarkAt(TPoint(100 + 10 * i, 200));
    SCOPED_TRACE(::testing::Message() << row.Objects << " objects, step " << row.Step << ", " << row.Clicks << " clicks");
    EXPECT_EQ(rowView.CurrentFrame, row.ExpectedFrame);
    EXPECT_EQ(collection.CurrentMarkOrderNumber, row.ExpectedCurrent);
    EXPECT_EQ(collection.MarksCount(), row.ExpectedMarks);
    EXPECT_EQ(rowHost.Base.ActionKinds(), std::vector<int>(size_t(row.Clicks), akSetMark));
  }
}

TEST_F(MarksTest, PointedMarkTakesThePointerPositionAndItsObject) {
  marks.SetMarksNumberPerFrame(2);
  marks.SetCurrentMarkOrderNumber(1);
  marks.PointMarkAt(TPoint(320, 120));
  ASSERT_EQ(marks.MarksCount(), 1);
  const TMarque &mark = *marks.Mark(0);
  EXPECT_EQ(mark.MarkOrderNumber, 1);
  EXPECT_EQ(mark.FrameIndex, 10);
  EXPECT_DOUBLE_EQ(mark.GetAbsolutePosition().X, 0.5);
  EXPECT_DOUBLE_EQ(mark.GetAbsolutePosition().Y, 0.25);
  EXPECT_EQ(mark.Pixel(), TPoint(320, 120));
  EXPECT_EQ(host.MarksChangedCount, 1);
  EXPECT_GE(host.Base.InvalidateActiveCount, 1);
  // The last object was pointed: the video moved on and the first object is next.
  EXPECT_EQ(view.CurrentFrame, 11);
  EXPECT_EQ(marks.CurrentMarkOrderNumber, 0);
}

TEST_F(MarksTest, ASecondMarkOfAnObjectOnAFrameIsRefusedWithAMessage) {
  ASSERT_NE(PointOn(marks, 10, 0, TPoint(100, 100)), nullptr);
  const size_t recorded = host.Base.Records.size();
  EXPECT_EQ(PointOn(marks, 10, 0, TPoint(200, 100)), nullptr);
  ASSERT_EQ(boxes.Count(), 1);
  EXPECT_EQ(boxes.Last().Icon, icInformation);
  EXPECT_EQ(boxes.Last().Text(), QStringLiteral("A similar mark already exists on this image."));
  EXPECT_EQ(boxes.Last().Buttons, QStringList{QStringLiteral("Ok")});
  EXPECT_EQ(host.Base.Records.size(), recorded);
  EXPECT_EQ(marks.MarksCount(), 1);
  EXPECT_EQ(marks.ContainersList().size(), 1u);
}

TEST_F(MarksTest, FramesAreNumberedInFrameOrderAndTimedFromTheFirst) {
  for (int frame : {30, 10, 20}) PointOn(marks, frame, 0, TPoint(frame, 100));
  ASSERT_EQ(marks.ContainersList().size(), 3u);
  EXPECT_EQ(marks.ContainersList()[0]->MarksContainerMarkNumber, 2);
  EXPECT_EQ(marks.ContainersList()[1]->MarksContainerMarkNumber, 0);
  EXPECT_EQ(marks.ContainersList()[2]->MarksContainerMarkNumber, 1);

  const TMarkSeries series = marks.ExtractSeries(0.04, nullptr);
  ASSERT_EQ(series.Times.size(), 3u);
  // Samples in frame order 10, 20, 30: ten frames apart.
  EXPECT_NEAR(series.Times[0], 0.0, 1e-12);
  EXPECT_NEAR(series.Times[1], 0.4, 1e-12);
  EXPECT_NEAR(series.Times[2], 0.8, 1e-12);
  EXPECT_EQ(series.FrameIndex[0], (TIntegerDynArray{0, 10, 20}));
  EXPECT_NEAR(series.X[0][0], 10.0 / 640.0, 1e-12);
  EXPECT_NEAR(series.X[0][2], 30.0 / 640.0, 1e-12);
}

TEST_F(MarksTest, AnObjectWithoutAMarkOnAFrameHasFrameIndexMinusOneThere) {
  marks.SetMarksNumberPerFrame(2);
  axes.OrigineCurrent = TPointD(0.5, 0.5);
  PointOn(marks, 5, 0, TPoint(64, 48));
  PointOn(marks, 5, 1, TPoint(128, 96));
  PointOn(marks, 6, 0, TPoint(192, 144));
  PointOn(marks, 8, 0, TPoint(256, 192));
  PointOn(marks, 8, 1, TPoint(320, 240));
  const TMarkSeries series = marks.ExtractSeries(1.0, nullptr);
  EXPECT_EQ(series.FrameIndex[0], (TIntegerDynArray{0, 1, 3}));
  EXPECT_EQ(series.FrameIndex[1], (TIntegerDynArray{0, -1, 3}));
  EXPECT_DOUBLE_EQ(series.X[1][1], 0.0);
  EXPECT_DOUBLE_EQ(series.Y[1][1], 0.0);
  // Relative to the origin of the axes, y growing upward.
  EXPECT_NEAR(series.X[0][1], 0.3 - 0.5, 1e-12);
  EXPECT_NEAR(series.Y[0][1], -(0.3 - 0.5), 1e-12);
  EXPECT_NEAR(series.X[1][2], 0.0, 1e-12);
  EXPECT_NEAR(series.Y[1][2], 0.0, 1e-12);
}

TEST_F(MarksTest, TimeShiftsOfTheVideoEditingMoveTheSamples) {
  struct TShifts : IFrameTimeShift {
    int FrameTimeShift(int frame) const override { return frame >= 20 ? 3 : 0; }
  } shifts;
  for (int frame : {10, 20, 21}) PointOn(marks, frame, 0, TPoint(frame, 10));
  const TMarkSeries series = marks.ExtractSeries(0.5, &shifts);
  EXPECT_EQ(series.Times, (TDoubleDynArray{0.0, 6.5, 7.0}));
}

TEST_F(MarksTest, FewerObjectsRemoveTheMarksOfTheDroppedOnesFromTheHighestDown) {
  marks.SetMarksNumberPerFrame(3);
  marks.SetSystemName(2, QStringLiteral("ball"));
  for (int frame : {1, 2})
    for (int order = 0; order < 3; ++order) PointOn(marks, frame, order, TPoint(10 * frame + order, 10));
  marks.SetCurrentMarkOrderNumber(2);
  host.Base.Records.clear();
  host.ObjectsCounts.clear();

  marks.SetMarksNumberPerFrame(1);
  EXPECT_EQ(marks.MarksNumberPerFrame, 1);
  EXPECT_EQ(marks.CurrentMarkOrderNumber, 0);
  EXPECT_EQ(marks.MarksCount(), 2);
  EXPECT_EQ(marks.ObjectMarksCount(0), 2);
  EXPECT_EQ(marks.SystemNames, QStringList{DefaultSystemName(0)});
  EXPECT_EQ(host.ObjectsCounts, std::vector<int>{1});
  ASSERT_EQ(host.Base.Records.size(), 4u);
  for (const auto &record : host.Base.Records) EXPECT_EQ(record.ActionKind, akDeleteMark);
  EXPECT_EQ(static_cast<const TMarque &>(*host.Base.Records[0].Copy).MarkOrderNumber, 2);
  EXPECT_EQ(static_cast<const TMarque &>(*host.Base.Records[3].Copy).MarkOrderNumber, 1);
}

TEST_F(MarksTest, MoreObjectsGetDefaultNamesAndTheSystemsNotification) {
  EXPECT_EQ(DefaultSystemName(0), QStringLiteral("of point n°1"));
  EXPECT_TRUE(marks.HasDefaultNames());
  marks.SetMarksNumberPerFrame(3);
  EXPECT_EQ(marks.SystemNames, (QStringList{"of point n°1", "of point n°2", "of point n°3"}));
  EXPECT_EQ(host.ObjectsCounts, std::vector<int>{3});
  marks.SetSystemName(1, QStringLiteral("wheel"));
  EXPECT_FALSE(marks.HasDefaultNames());
  EXPECT_EQ(marks.SystemName(1), QStringLiteral("wheel"));
  EXPECT_EQ(marks.SystemName(7), QString());
  // Setting the same count still tells the document.
  marks.SetMarksNumberPerFrame(3);
  EXPECT_EQ(host.ObjectsCounts, (std::vector<int>{3, 3}));
}

TEST_F(MarksTest, CurrentObjectWrapsBothWays) {
  marks.SetMarksNumberPerFrame(3);
  const struct {
    int Set, Expected;
  } rows[] = {{1, 1}, {-1, 2}, {3, 0}, {2, 2}, {7, 0}};
  for (const auto &row : rows) {
    marks.SetCurrentMarkOrderNumber(row.Set);
    EXPECT_EQ(marks.CurrentMarkOrderNumber, row.Expected) << row.Set;
  }
}

TEST_F(MarksTest, RightButtonRemovesTheLastMarkAndGoesBackToItsFrame) {
  marks.SetMarksNumberPerFrame(2);
  marks.PointMarkAt(TPoint(100, 100));
  marks.PointMarkAt(TPoint(200, 100));
  ASSERT_EQ(view.CurrentFrame, 11);

  EXPECT_TRUE(marks.RemoveLastMark());
  EXPECT_EQ(view.GoToVideoFrameCalls.back(), 10);
  EXPECT_EQ(view.CurrentFrame, 10);
  // Object 0 still has its mark on frame 10: object 1 is to be pointed again.
  EXPECT_EQ(marks.CurrentMarkOrderNumber, 1);
  EXPECT_EQ(host.Base.Records.back().ActionKind, akDeleteLastMark);

  EXPECT_TRUE(marks.RemoveLastMark());
  EXPECT_EQ(marks.CurrentMarkOrderNumber, 0);
  EXPECT_EQ(marks.MarksCount(), 0);
  EXPECT_FALSE(marks.RemoveLastMark());
}

TEST_F(MarksTest, RemovedMarkKeepsItsListIndexForTheHistoryCopy) {
  for (int frame : {1, 2, 3}) PointOn(marks, frame, 0, TPoint(100 * frame, 50));
  TMarque *middle = marks.Mark(1);
  marks.RemoveMark(middle, akDeleteMark);
  EXPECT_EQ(host.Base.Records.back().Copy->ListIndex, 1);
  EXPECT_EQ(marks.Mark(1)->ListIndex, 1);
  EXPECT_EQ(marks.Mark(1)->FrameIndex, 3);
  // The emptied frame's container went with its mark; the copy knows where it stood.
  EXPECT_EQ(static_cast<const TMarque &>(*host.Base.Records.back().Copy).ContainerIndex, 1);
  EXPECT_EQ(marks.FindContainer(2), nullptr);
  EXPECT_EQ(marks.FindContainer(3)->MarksContainerMarkNumber, 1);
  EXPECT_EQ(marks.FrameMarksCount(2), -1);
  EXPECT_EQ(marks.FrameMarksCount(3), 1);

  // Put back, the copy finds its frame's container again, in its place.
  std::unique_ptr<THistObject> copy = host.Base.Records.back().Copy->Clone();
  TMarque *back = marks.AddMark(std::unique_ptr<TMarque>(static_cast<TMarque *>(copy.release())), akTrackerSet);
  ASSERT_NE(back, nullptr);
  EXPECT_EQ(marks.Mark(1), back);
  EXPECT_EQ(marks.ContainersList()[1]->MarksContainerFrameNumber, 2);
  EXPECT_EQ(marks.FindContainer(2)->MarksContainerMarkNumber, 1);
  EXPECT_EQ(marks.FindContainer(3)->MarksContainerMarkNumber, 2);
}

TEST_F(MarksTest, MoveToolDragsTheMarkUnderThePointer) {
  PointOn(marks, 10, 0, TPoint(100, 100));
  marks.MouseMove(mtMove, Qt::NoModifier, TPoint(300, 300));
  EXPECT_EQ(view.LastCursor(), mcMove);
  marks.MouseMove(mtMove, Qt::NoModifier, TPoint(101, 99));
  EXPECT_EQ(view.LastCursor(), mcOverMarkMove);

  marks.MouseDown(mtMove, Qt::LeftButton, Qt::NoModifier, TPoint(101, 99));
  EXPECT_TRUE(marks.IsDraggingMark());
  EXPECT_EQ(host.Base.Records.back().ActionKind, akMove);
  marks.MouseMove(mtMove, Qt::NoModifier, TPoint(160, 240));
  marks.MouseUp(mtMove, Qt::LeftButton, Qt::NoModifier, TPoint(160, 240));
  EXPECT_FALSE(marks.IsDraggingMark());
  EXPECT_DOUBLE_EQ(marks.Mark(0)->GetAbsolutePosition().X, 0.25);
  EXPECT_DOUBLE_EQ(marks.Mark(0)->GetAbsolutePosition().Y, 0.5);
  EXPECT_EQ(marks.Mark(0)->Pixel(), TPoint(160, 240));
  // A press beside every mark starts nothing.
  marks.MouseDown(mtMove, Qt::LeftButton, Qt::NoModifier, TPoint(500, 20));
  EXPECT_FALSE(marks.IsDraggingMark());
}

TEST_F(MarksTest, EraseToolRemovesOneMarkTheFrameOrARectangle) {
  marks.SetMarksNumberPerFrame(2);
  PointOn(marks, 10, 0, TPoint(100, 100));
  PointOn(marks, 10, 1, TPoint(150, 100));
  PointOn(marks, 11, 0, TPoint(300, 300));
  PointOn(marks, 11, 1, TPoint(310, 310));
  PointOn(marks, 12, 0, TPoint(500, 400));
  host.Base.Records.clear();

  // A click on a mark.
  marks.MouseMove(mtErase, Qt::NoModifier, TPoint(501, 401));
  EXPECT_EQ(view.LastCursor(), mcOverMarkErase);
  marks.MouseDown(mtErase, Qt::LeftButton, Qt::NoModifier, TPoint(501, 401));
  marks.MouseUp(mtErase, Qt::LeftButton, Qt::NoModifier, TPoint(501, 401));
  EXPECT_EQ(marks.MarksCount(), 4);
  ASSERT_EQ(host.Base.Records.size(), 1u);
  EXPECT_EQ(host.Base.Records[0].ActionKind, akDeleteMark);
  EXPECT_EQ(host.Base.Records[0].Group, 0);

  // A rectangle round the two marks of frame 11, edges included: one group, last first.
  marks.MouseDown(mtErase, Qt::LeftButton, Qt::NoModifier, TPoint(310, 290));
  marks.MouseMove(mtErase, Qt::NoModifier, TPoint(200, 200));
  EXPECT_EQ(marks.DragState, 2);
  marks.MouseUp(mtErase, Qt::LeftButton, Qt::NoModifier, TPoint(300, 310));
  EXPECT_EQ(marks.MarksCount(), 2);
  ASSERT_EQ(host.Base.Records.size(), 3u);
  EXPECT_EQ(host.Base.Records[1].Group, host.Base.Records[2].Group);
  EXPECT_NE(host.Base.Records[1].Group, 0);
  EXPECT_EQ(static_cast<const TMarque &>(*host.Base.Records[1].Copy).MarkOrderNumber, 1);

  // The right button: every mark of the current frame.
  view.CurrentFrame = 10;
  marks.MouseDown(mtErase, Qt::RightButton, Qt::NoModifier, TPoint(0, 0));
  EXPECT_EQ(marks.MarksCount(), 0);
  EXPECT_EQ(host.Base.Records.size(), 5u);
  EXPECT_EQ(host.Base.Records[3].Group, host.Base.Records[4].Group);
}

TEST_F(MarksTest, TrackedMarksAreCreatedOrMovedInOneGroup) {
  PointOn(marks, 4, 0, TPoint(10, 10));
  marks.SetMarksNumberPerFrame(2);
  host.Base.Records.clear();
  const TPointDMatrix positions{{{0.1, 0.1}, {0.2, 0.2}, {0.3, 0.3}}, {{0.6, 0.6}, {0.7, 0.7}, {0.8, 0.8}}};
  const TMatriceI frames{{4, 5, -1}, {4, -1, 6}};
  marks.PlaceTrackedMarks(positions, frames);
  EXPECT_EQ(host.Base.ActionKinds(), (std::vector<int>{akMove, akTrackerSet, akTrackerSet, akTrackerSet}));
  for (const auto &record : host.Base.Records) EXPECT_EQ(record.Group, host.Base.Records[0].Group);
  EXPECT_EQ(marks.MarksCount(), 4);
  EXPECT_DOUBLE_EQ(marks.FindContainer(4)->FindMark(0)->GetAbsolutePosition().X, 0.1);
  EXPECT_DOUBLE_EQ(marks.FindContainer(6)->FindMark(1)->GetAbsolutePosition().Y, 0.8);
  EXPECT_EQ(marks.FindContainer(5)->MarksCount(), 1);
  EXPECT_EQ(marks.SmallestObjectMarksCount(), 2);
  EXPECT_EQ(marks.LastMarkedFrame(), 6);
}

TEST_F(MarksTest, LayerMarksStayOnTheLayerAndKeepOneObject) {
  layer.OrigineCurrent = TPointD(0.5, 0.5);
  layerMarks.SetMarksNumberPerFrame(3);
  EXPECT_EQ(layerMarks.MarksNumberPerFrame, 1);
  EXPECT_EQ(layerMarks.SystemNames, (QStringList{"of point n°1", "of point n°2"}));
  EXPECT_TRUE(layerMarks.HasDefaultNames());
  layerMarks.SetSystemName(1, QStringLiteral("car"));
  EXPECT_FALSE(layerMarks.HasDefaultNames());
  layerMarks.SetCurrentMarkOrderNumber(1);
  EXPECT_EQ(layerMarks.CurrentMarkOrderNumber, 0);

  ASSERT_TRUE(layerMarks.PointMark(TPointD(0.75, 0.25)));
  const TMarque &mark = *layerMarks.Mark(0);
  EXPECT_EQ(mark.ObjectKind, okMarqueTsp);
  EXPECT_DOUBLE_EQ(mark.GetRelativePosition().X, 0.25);
  EXPECT_DOUBLE_EQ(mark.GetRelativePosition().Y, -0.25);
  // The layer moves: the mark goes with it.
  layer.OrigineCurrent = TPointD(0.25, 0.75);
  layerMarks.ComputePixels();
  EXPECT_DOUBLE_EQ(mark.GetAbsolutePosition().X, 0.5);
  EXPECT_EQ(mark.Pixel(), TPoint(320, 240));
  const TMarkSeries series = layerMarks.ExtractSeries(0.1, nullptr);
  EXPECT_DOUBLE_EQ(series.X[0][0], 0.25);
  EXPECT_DOUBLE_EQ(series.Y[0][0], 0.25);
}

TEST_F(MarksTest, ErasingALayerMarkTakesItsFramesLayerPositionInTheSameGroup) {
  layer.Origins.push_back(std::make_unique<TOrigine>(10, TPointD(0.4, 0.4)));
  layer.Origins.back()->ListIndex = 0;
  layerMarks.PointMark(TPointD(0.5, 0.5));
  host.Base.Records.clear();
  layerMarks.EraseMark(layerMarks.Mark(0));
  EXPECT_EQ(layerMarks.MarksCount(), 0);
  EXPECT_TRUE(layer.Origins.empty());
  EXPECT_EQ(host.Base.ActionKinds(), (std::vector<int>{akDeleteMark, akDeleteOrigin}));
  EXPECT_EQ(host.Base.Records[0].Group, host.Base.Records[1].Group);
  EXPECT_NE(host.Base.Records[0].Group, 0);
}

TEST_F(MarksTest, MarksAreDrawnWithTheirSymbolAndTheirFramesNumber) {
  CreateGraphUtils();
  marks.SetMarksNumberPerFrame(2);
  PointOn(marks, 7, 0, TPoint(100, 100));
  PointOn(marks, 3, 1, TPoint(300, 100));
  const auto paint = [&] {
    QImage image(640, 480, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    marks.Draw(&painter);
    painter.end();
    return image;
  };
  const auto count = [](const QImage &image, QRect area, QRgb colour) {
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
      for (int x = area.left(); x <= area.right(); ++x)
        if (image.pixel(x, y) == colour) ++n;
    return n;
  };
  const QRgb red = qRgb(255, 0, 0);
  const QRgb lime = qRgb(0, 255, 0);
  const QImage below = paint();
  EXPECT_EQ(below.pixel(100, 100), red);
  EXPECT_EQ(below.pixel(300, 100), lime);
  // Numbers below the symbols ("2" for frame 7, the second marked frame).
  EXPECT_GT(count(below, QRect(90, 104, 20, 25), red), 0);
  EXPECT_EQ(count(below, QRect(108, 80, 30, 20), red), 0);

  marks.MarksNumberPosition = 1;
  const QImage right = paint();
  EXPECT_GT(count(right, QRect(106, 85, 20, 25), red), 0);
  EXPECT_EQ(count(right, QRect(90, 108, 20, 20), red), 0);

  marks.MarksNumberPosition = 2;
  const QImage none = paint();
  EXPECT_EQ(count(none, QRect(90, 106, 40, 25), red), 0);

  // Only the last created mark; then a hidden object.
  marks.MarksIsAllDrawn = false;
  const QImage last = paint();
  EXPECT_NE(last.pixel(100, 100), red);
  EXPECT_EQ(last.pixel(300, 100), lime);
  marks.MarksIsAllDrawn = true;
  host.Visible[1] = false;
  const QImage hidden = paint();
  EXPECT_EQ(hidden.pixel(100, 100), red);
  EXPECT_NE(hidden.pixel(300, 100), lime);
}

TEST_F(MarksTest, ANumberThatWouldCoverAnotherIsLeftOutAndSymbolsAreRinged) {
  CreateGraphUtils();
  // Three frames of one object, numbered on the right of the symbols (from x + 8, the top
  // 7 px above the centre): the second mark 6 px below the first, so its number would run
  // over the first's; the third far away.
  marks.MarksNumberPosition = 1;
  PointOn(marks, 1, 0, TPoint(100, 100));
  PointOn(marks, 2, 0, TPoint(100, 106));
  PointOn(marks, 3, 0, TPoint(300, 100));
  QImage image(640, 480, QImage::Format_RGB32);
  image.fill(Qt::black);
  QPainter painter(&image);
  const int ascent = QFontMetrics(painter.font()).ascent();
  marks.Draw(&painter);
  painter.end();
  // Digits are smoothed into their ring: counted by their strongly red pixels.
  const auto reds = [&image](QRect area) {
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
      for (int x = area.left(); x <= area.right(); ++x) {
        const QRgb p = image.pixel(x, y);
        if (qRed(p) >= 200 && qGreen(p) <= 100 && qBlue(p) <= 100) ++n;
      }
    return n;
  };
  const auto drawn = [&image](QRect area) {
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
      for (int x = area.left(); x <= area.right(); ++x)
        if (image.pixel(x, y) != qRgb(0, 0, 0)) ++n;
    return n;
  };
  // "1" from (108, 93), "3" from (308, 93).
  EXPECT_GT(reds(QRect(108, 93, 12, ascent)), 0);
  EXPECT_GT(reds(QRect(308, 93, 12, ascent)), 0);
  // "2" would be written from the row 99 down to its baseline at 99 + ascent: below the "1"
  // and its ring, nothing is drawn.
  EXPECT_EQ(drawn(QRect(106, 93 + ascent + 1, 20, 5)), 0);
  // Red on black is ringed in white: the third symbol has white pixels around it, and its
  // centre stays red.
  EXPECT_EQ(image.pixel(300, 100), qRgb(255, 0, 0));
  int white = 0;
  for (int y = 94; y <= 106; ++y)
    for (int x = 294; x <= 306; ++x)
      if (image.pixel(x, y) == qRgb(255, 255, 255)) ++white;
  EXPECT_GT(white, 0);
}

}  // namespace kolibra::measurement::marks_test
