// The layer: rest position, resizing limits, the stage machine through the doubles, the
// origin list, storage with its stage encoding, and drawing.

#include "kit/IniFile.h"
#include "kit/MathUtils.h"
#include "measurement/Transparent.h"
#include "measurement/support/FakeMeasurementHost.h"
#include "measurement/support/FakeViewPort.h"

#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cmath>

namespace kolibra::measurement::transparent_test {

using testing::FakeMeasurementHost;
using testing::FakeViewPort;

const QRgb kYellow = qRgb(255, 255, 0);
const QRgb kBlack = qRgb(0, 0, 0);

class TransparentTest : public ::testing::Test {
 protected:
  void SetUp() override {
    view.CurrentFrame = view.EditedFrame = 10;
    host.FramesStep = 2;
  }
  void Click(Qt::MouseButton button, TPoint pixel) {
    layer.MouseDown(button, Qt::NoModifier, pixel);
    layer.MouseUp(button, Qt::NoModifier, pixel);
  }
  // Grabs the layer at `from`, carries it to `to` and drops it there.
  void Carry(TPoint from, TPoint to) {
    layer.MouseDown(Qt::LeftButton, Qt::NoModifier, from);
    layer.MouseMove(Qt::NoModifier, to);
    layer.MouseUp(Qt::LeftButton, Qt::NoModifier, to);
  }
  QImage Paint(Qt::GlobalColor background = Qt::black) const {
    QImage image(640, 480, QImage::Format_RGB32);
    image.fill(background);
    QPainter painter(&image);
    layer.Draw(&painter);
    painter.end();
    return image;
  }
  static int CountYellow(const QImage &image, int left, int top, int right, int bottom) {
    int count = 0;
    for (int y = top; y <= bottom; ++y)
      for (int x = left; x <= right; ++x)
        if (image.pixel(x, y) == kYellow) ++count;
    return count;
  }

  FakeMeasurementHost host;
  FakeViewPort view;
  TTransparent layer{host, view};
};

TEST_F(TransparentTest, DefaultsRestNearTheTopRightCorner) {
  EXPECT_DOUBLE_EQ(layer.LayerWidth, 0.5);
  EXPECT_DOUBLE_EQ(layer.LayerHeight, 0.5);
  EXPECT_EQ(layer.LayerStage, 0);
  EXPECT_NEAR(layer.RestOrigin.Position.X, 0.45, 1e-12);
  EXPECT_NEAR(layer.RestOrigin.Position.Y, 0.55, 1e-12);
  EXPECT_NEAR(layer.OrigineCurrent.X, 0.45, 1e-12);
  EXPECT_NEAR(layer.OrigineCurrent.Y, 0.55, 1e-12);
}

TEST_F(TransparentTest, RestOriginFollowsTheDirections) {
  const struct {
    bool DirectX, DirectY;
    TPointD Expected;
  } rows[] = {{true, true, {0.67, 0.22}}, {false, true, {0.33, 0.22}}, {true, false, {0.67, 0.78}},
              {false, false, {0.33, 0.78}}};
  for (const auto &row : rows) {
    FakeMeasurementHost rowHost;
    TTransparent rowLayer(rowHost, view);
    rowLayer.LayerWidth = 0.3;
    rowLayer.LayerHeight = 0.2;
    rowLayer.ComputeRestOrigin();
    rowLayer.SetDirectX(row.DirectX);
    rowLayer.SetDirectY(row.DirectY);
    EXPECT_EQ(rowHost.Records.size(), size_t(!row.DirectX) + size_t(!row.DirectY));
    for (const auto &call : rowHost.Records) EXPECT_EQ(call.ActionKind, 10);
    EXPECT_NEAR(rowLayer.RestOrigin.Position.X, row.Expected.X, 1e-12);
    EXPECT_NEAR(rowLayer.RestOrigin.Position.Y, row.Expected.Y, 1e-12);
    // With no recorded origin the layer sits at rest.
    EXPECT_NEAR(rowLayer.OrigineCurrent.X, row.Expected.X, 1e-12);
    EXPECT_NEAR(rowLayer.OrigineCurrent.Y, row.Expected.Y, 1e-12);
  }
}

TEST_F(TransparentTest, ADirectionSetToItsValueDoesNothing) {
  layer.SetDirectX(true);
  layer.SetDirectY(true);
  EXPECT_TRUE(host.Records.empty());
  EXPECT_EQ(host.InvalidateCount(), 0);
  layer.SetDirectY(false);
  EXPECT_EQ(host.ActionKinds(), std::vector<int>{10});
  EXPECT_TRUE(static_cast<TTransparent &>(*host.Records[0].Copy).DirectYAxisDirection);
  EXPECT_EQ(host.InvalidateActiveCount, 1);
}

TEST_F(TransparentTest, ResizingStopsAtItsLimits) {
  const struct {
    int Key;
    int Presses;
    int Records;
    double Factor;
  } rows[] = {{Qt::Key_Minus, 30, 16, std::pow(0.9, 16)},
              {Qt::Key_Plus, 30, 8, std::pow(1.1, 8)},
              {Qt::Key_Equal, 1, 1, 1.1},
              {Qt::Key_Minus, 1, 1, 0.9}};
  for (const auto &row : rows) {
    FakeMeasurementHost rowHost;
    TTransparent rowLayer(rowHost, view);
    for (int i = 0; i < row.Presses; ++i) EXPECT_TRUE(rowLayer.KeyDown(row.Key, Qt::NoModifier));
    EXPECT_EQ(rowHost.ActionKinds(), std::vector<int>(size_t(row.Records), 7)) << row.Key;
    EXPECT_NEAR(rowLayer.LayerWidth, 0.5 * row.Factor, 1e-12) << row.Key;
    EXPECT_NEAR(rowLayer.LayerHeight, 0.5 * row.Factor, 1e-12) << row.Key;
  }
  // Recorded before the change.
  layer.KeyDown(Qt::Key_Minus, Qt::NoModifier);
  EXPECT_DOUBLE_EQ(static_cast<TTransparent &>(*host.Records[0].Copy).LayerWidth, 0.5);
  EXPECT_FALSE(layer.KeyDown(Qt::Key_A, Qt::NoModifier));
}

TEST_F(TransparentTest, GrabCarryDropAndPoint) {
  int repaints = view.RepaintCount;
  layer.MouseDown(Qt::LeftButton, Qt::NoModifier, TPoint(300, 270));
  EXPECT_EQ(layer.LayerStage, 1);
  EXPECT_GT(view.RepaintCount, repaints);
  EXPECT_NEAR(layer.GrabOffset.X, 300.0 / 640 - 0.45, 1e-12);
  EXPECT_NEAR(layer.GrabOffset.Y, 270.0 / 480 - 0.55, 1e-12);

  layer.MouseMove(Qt::NoModifier, TPoint(400, 300));
  EXPECT_NEAR(layer.OrigineCurrent.X, 0.625 - layer.GrabOffset.X, 1e-12);
  EXPECT_NEAR(layer.OrigineCurrent.Y, 0.625 - layer.GrabOffset.Y, 1e-12);
  EXPECT_EQ(host.RecomputeLayerMarkPixelsCount, 1);
  EXPECT_TRUE(host.Records.empty());

  repaints = view.RepaintCount;
  layer.MouseUp(Qt::LeftButton, Qt::NoModifier, TPoint(400, 300));
  EXPECT_EQ(layer.LayerStage, 2);
  EXPECT_GT(view.RepaintCount, repaints);
  ASSERT_EQ(layer.Origins.size(), 1u);
  EXPECT_EQ(layer.Origins[0]->ImageNumber, 10);
  EXPECT_TRUE(SamePointD(layer.Origins[0]->Position, layer.OrigineCurrent));
  ASSERT_EQ(host.ActionKinds(), std::vector<int>{5});
  EXPECT_EQ(host.Records[0].ObjectKind, okOrigine);
  EXPECT_EQ(host.Records[0].ObjectId, layer.Origins[0]->ObjectId);

  layer.MouseDown(Qt::LeftButton, Qt::NoModifier, TPoint(352, 240));
  ASSERT_EQ(host.PointedLayerMarks.size(), 1u);
  EXPECT_DOUBLE_EQ(host.PointedLayerMarks[0].X, 0.55);
  EXPECT_DOUBLE_EQ(host.PointedLayerMarks[0].Y, 0.5);
  EXPECT_EQ(view.GoToFrameCalls, std::vector<int>{12});
  EXPECT_EQ(layer.LayerStage, 0);
  EXPECT_EQ(layer.Origins[0]->ImageNumber, 10);
}

TEST_F(TransparentTest, TheRightButtonStepsBack) {
  Carry(TPoint(300, 270), TPoint(400, 300));
  Click(Qt::LeftButton, TPoint(352, 240));  // mark on frame 10, now on frame 12
  const TPointD first = layer.Origins[0]->Position;
  Carry(TPoint(400, 300), TPoint(464, 330));
  ASSERT_EQ(layer.Origins.size(), 2u);
  EXPECT_EQ(layer.Origins[1]->ImageNumber, 12);

  // Stage 2: the drop is taken back, on its own frame.
  layer.MouseDown(Qt::RightButton, Qt::NoModifier, TPoint(0, 0));
  EXPECT_EQ(view.GoToVideoFrameCalls, std::vector<int>{12});
  EXPECT_EQ(host.ActionKinds(), (std::vector<int>{5, 5, 16}));
  EXPECT_EQ(static_cast<TOrigine &>(*host.Records[2].Copy).ImageNumber, 12);
  ASSERT_EQ(layer.Origins.size(), 1u);
  EXPECT_TRUE(SamePointD(layer.OrigineCurrent, first));
  EXPECT_EQ(layer.LayerStage, 0);

  // Stage 0: the last layer mark goes; the host shows its frame and the layer follows.
  view.GoToFrame(30);
  host.OnRemoveLastLayerMark = [this] { view.GoToVideoFrame(10); };
  layer.OrigineCurrent = TPointD(0.1, 0.1);
  layer.MouseDown(Qt::RightButton, Qt::NoModifier, TPoint(0, 0));
  EXPECT_EQ(host.RemoveLastLayerMarkCount, 1);
  EXPECT_EQ(layer.LayerStage, 2);
  EXPECT_TRUE(SamePointD(layer.OrigineCurrent, first));

  // Without a mark to remove nothing moves.
  layer.SetLayerStage(0);
  host.RemoveLastLayerMarkResult = false;
  layer.MouseDown(Qt::RightButton, Qt::NoModifier, TPoint(0, 0));
  EXPECT_EQ(layer.LayerStage, 0);
}

TEST_F(TransparentTest, StagesCycleBothWays) {
  const int forward[] = {1, 2, 0, 1};
  for (int expected : forward) {
    layer.AdvanceStage(1);
    EXPECT_EQ(layer.LayerStage, expected);
  }
  const int backward[] = {0, 2, 1, 0};
  for (int expected : backward) {
    layer.StepBackStage(1);
    EXPECT_EQ(layer.LayerStage, expected);
  }
  layer.AdvanceStage(2);
  EXPECT_EQ(layer.LayerStage, 2);
}

TEST_F(TransparentTest, ARefusedMarkFreesTheLayerWithoutMovingOn) {
  Carry(TPoint(300, 270), TPoint(300, 270));
  host.PointLayerMarkResult = false;
  layer.MouseDown(Qt::LeftButton, Qt::NoModifier, TPoint(352, 240));
  EXPECT_EQ(layer.LayerStage, 0);
  EXPECT_TRUE(view.GoToFrameCalls.empty());
}

TEST_F(TransparentTest, DroppingOnAFrameWithAnOriginMovesIt) {
  Carry(TPoint(300, 270), TPoint(300, 270));
  Click(Qt::LeftButton, TPoint(352, 240));
  view.GoToFrame(10);
  Carry(TPoint(300, 270), TPoint(332, 318));
  ASSERT_EQ(layer.Origins.size(), 1u);
  EXPECT_EQ(host.ActionKinds(), std::vector<int>{5});
  EXPECT_TRUE(SamePointD(layer.Origins[0]->Position, layer.OrigineCurrent));
  EXPECT_NEAR(layer.OrigineCurrent.X, 0.45 + 0.05, 1e-12);
}

TEST_F(TransparentTest, TheDroppedOriginTakesTheFrameOfItsMark) {
  Carry(TPoint(300, 270), TPoint(300, 270));
  view.CurrentFrame = view.EditedFrame = 11;
  Click(Qt::LeftButton, TPoint(352, 240));
  EXPECT_EQ(layer.Origins[0]->ImageNumber, 11);
  EXPECT_EQ(view.GoToFrameCalls, std::vector<int>{13});
}

TEST_F(TransparentTest, EnterGrabsAndDrops) {
  layer.MouseMove(Qt::NoModifier, TPoint(288, 264));
  EXPECT_TRUE(layer.KeyDown(Qt::Key_Return, Qt::NoModifier));
  EXPECT_EQ(layer.LayerStage, 1);
  layer.MouseMove(Qt::NoModifier, TPoint(320, 264));
  EXPECT_TRUE(layer.KeyDown(Qt::Key_Enter, Qt::NoModifier));
  EXPECT_EQ(layer.LayerStage, 2);
  EXPECT_EQ(layer.Origins.size(), 1u);
}

TEST_F(TransparentTest, ChangingToolStopsAFollowingLayer) {
  layer.MouseDown(Qt::LeftButton, Qt::NoModifier, TPoint(288, 264));
  layer.MouseMove(Qt::NoModifier, TPoint(320, 264));
  layer.EndDrag();
  EXPECT_EQ(layer.LayerStage, 0);
  EXPECT_TRUE(layer.Origins.empty());
  EXPECT_NEAR(layer.OrigineCurrent.X, 0.5, 1e-12);
}

TEST_F(TransparentTest, OriginListKeepsPositions) {
  for (int frame : {1, 2, 3}) layer.InsertOrigin(std::make_unique<TOrigine>(frame, TPointD(0.1 * frame, 0.5)), 5);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(layer.Origins[size_t(i)]->ListIndex, i);
  host.Records.clear();

  TOrigine *middle = layer.Origins[1].get();
  const int middleId = middle->ObjectId;
  EXPECT_EQ(layer.FindOriginById(middleId), middle);
  EXPECT_EQ(layer.FindOriginByImage(2), middle);
  EXPECT_TRUE(layer.DeleteOriginOfFrame(2));
  EXPECT_FALSE(layer.DeleteOriginOfFrame(2));
  ASSERT_EQ(host.ActionKinds(), std::vector<int>{15});
  ASSERT_EQ(layer.Origins.size(), 2u);
  EXPECT_EQ(layer.Origins[1]->ListIndex, 1);

  // The copy the history kept goes back where it was.
  std::unique_ptr<THistObject> copy = host.Records[0].Copy->Clone();
  layer.InsertOrigin(std::unique_ptr<TOrigine>(static_cast<TOrigine *>(copy.release())), 4);
  ASSERT_EQ(layer.Origins.size(), 3u);
  EXPECT_EQ(layer.Origins[1]->ImageNumber, 2);
  EXPECT_EQ(layer.Origins[1]->ObjectId, middleId);
  EXPECT_EQ(layer.Origins[2]->ImageNumber, 3);
}

TEST_F(TransparentTest, ClearingAllPositionsIsOneGroup) {
  for (int frame : {4, 5}) layer.InsertOrigin(std::make_unique<TOrigine>(frame, TPointD(0.2, 0.3)), 5);
  layer.ShowLayer(1);
  host.Records.clear();
  layer.ClearAllPositions();
  ASSERT_EQ(host.ActionKinds(), (std::vector<int>{15, 15}));
  EXPECT_NE(host.Records[0].Group, 0);
  EXPECT_EQ(host.Records[0].Group, host.Records[1].Group);
  EXPECT_EQ(host.BeginGroupCount, 1);
  EXPECT_EQ(host.EndGroupCount, 1);
  EXPECT_TRUE(layer.Origins.empty());
  EXPECT_TRUE(SamePointD(layer.OrigineCurrent, layer.RestOrigin.Position));
}

TEST_F(TransparentTest, StageEncodingOfTheWorkFile) {
  const int stored[] = {1, 0, 2};
  for (int stage = 0; stage < 3; ++stage) {
    EXPECT_EQ(TTransparent::StageToStored(stage), stored[stage]);
    EXPECT_EQ(TTransparent::StoredToStage(stored[stage]), stage);
  }
  EXPECT_EQ(TTransparent::StoredToStage(7), 0);
}

TEST_F(TransparentTest, IniRoundTripWithTheLayerSuffix) {
  QTemporaryDir dir;
  TIniFile ini(dir.filePath(QStringLiteral("work.klb")));
  layer.InsertOrigin(std::make_unique<TOrigine>(3, TPointD(0.25, 0.5)), 5);
  layer.InsertOrigin(std::make_unique<TOrigine>(8, TPointD(0.375, 0.625)), 5);
  layer.ShowLayer(1);
  layer.SetDirectX(false);
  layer.SetLayerWidth(0.3);
  layer.SetLayerHeight(0.2);

  for (int stage = 0; stage < 3; ++stage) {
    layer.LayerStage = stage;
    layer.SaveToIni(ini, QStringLiteral("Data"), QStringLiteral("Layer"));
    EXPECT_EQ(ini.ReadInteger(QStringLiteral("Data"), QStringLiteral("LayerStage"), -1),
              TTransparent::StageToStored(stage));
    TTransparent loaded(host, view);
    loaded.LoadFromIni(ini, QStringLiteral("Data"), QStringLiteral("Layer"));
    EXPECT_TRUE(loaded.IsEqual(layer)) << stage;
    EXPECT_EQ(loaded.LayerStage, stage);
  }
  EXPECT_EQ(ini.Keys(QStringLiteral("Data")),
            (QStringList{"DirectYAxisDirection_Layer", "DirectXAxisDirection_Layer", "OrigineCurrentXCoordinate_Layer",
                         "OrigineCurrentYCoordinate_Layer", "LayerStage", "LayerWidth", "LayerHeight",
                         "OriginePositionsNumber_Layer", "OrigineImageNumber_Layer_0", "OrigineXCoordinate_Layer_0",
                         "OrigineYCoordinate_Layer_0", "OrigineImageNumber_Layer_1", "OrigineXCoordinate_Layer_1",
                         "OrigineYCoordinate_Layer_1"}));
  EXPECT_EQ(ini.ReadString(QStringLiteral("Data"), QStringLiteral("OrigineImageNumber_Layer_1"), {}), "8");

  TTransparent fresh(host, view);
  fresh.LoadFromIni(ini, QStringLiteral("Data"), QStringLiteral("Elsewhere"));
  EXPECT_TRUE(fresh.Origins.empty());
  EXPECT_TRUE(fresh.DirectXAxisDirection);
}

TEST_F(TransparentTest, MissingKeysGiveTheDefaults) {
  QTemporaryDir dir;
  const TIniFile ini(dir.filePath(QStringLiteral("empty.klb")));
  layer.LoadFromIni(ini, QStringLiteral("Data"), QStringLiteral("Layer"));
  EXPECT_EQ(layer.LayerStage, 0);
  EXPECT_DOUBLE_EQ(layer.LayerWidth, 0.5);
  EXPECT_DOUBLE_EQ(layer.LayerHeight, 0.5);
  EXPECT_DOUBLE_EQ(layer.OrigineCurrent.X, 0.5);
  EXPECT_TRUE(layer.Origins.empty());
}

TEST_F(TransparentTest, DrawnOutlineAxesArrowsAndLabels) {
  layer.SetLayerWidth(0.25);
  layer.SetLayerHeight(0.25);
  layer.SetCurrentOrigin(TPointD(0.5, 0.5));  // rectangle (160, 120)-(480, 360)
  EXPECT_EQ(layer.RectTopLeft(), TPoint(160, 120));
  EXPECT_EQ(layer.RectBottomRight(), TPoint(480, 360));
  const QImage image = Paint();
  for (const TPoint p : {TPoint(300, 120), TPoint(160, 200), TPoint(480, 300), TPoint(200, 360), TPoint(250, 240),
                         TPoint(320, 300)})
    EXPECT_EQ(image.pixel(p.X, p.Y), kYellow) << p.X << "," << p.Y;
  EXPECT_EQ(image.pixel(473, 238), kYellow);
  EXPECT_EQ(image.pixel(473, 242), kYellow);
  EXPECT_EQ(image.pixel(318, 127), kYellow);
  EXPECT_EQ(image.pixel(167, 238), kBlack);
  EXPECT_EQ(image.pixel(250, 180), kBlack);
  EXPECT_GT(CountYellow(image, 440, 200, 478, 236), 5);  // "x"
  EXPECT_GT(CountYellow(image, 326, 125, 360, 160), 5);  // "y"

  // On a light picture every line has a black edge on both sides; where the x axis meets the
  // frame, the frame's line lies over the axis' outline.
  const QImage light = Paint(Qt::white);
  const struct {
    int X, Y;
    QRgb Expected;
  } edges[] = {{300, 120, kYellow}, {300, 119, kBlack}, {300, 121, kBlack}, {300, 118, qRgb(255, 255, 255)},
               {250, 240, kYellow}, {250, 239, kBlack}, {250, 241, kBlack}, {160, 239, kYellow}};
  for (const auto &e : edges) EXPECT_EQ(light.pixel(e.X, e.Y), e.Expected) << e.X << "," << e.Y;

  layer.DirectXAxisDirection = false;
  const QImage reversed = Paint();
  EXPECT_EQ(reversed.pixel(167, 238), kYellow);
  EXPECT_EQ(reversed.pixel(473, 238), kBlack);
}

}  // namespace kolibra::measurement::transparent_test
