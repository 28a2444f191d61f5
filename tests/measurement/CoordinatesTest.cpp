// Identities, frame-relative mapping, scale factors, readiness and physical coordinates.

#include "measurement/Echelle.h"
#include "measurement/RepereFixe.h"
#include "measurement/Transparent.h"
#include "measurement/support/FakeMeasurementHost.h"
#include "measurement/support/FakeViewPort.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace kolibra::measurement::coordinates_test {

using testing::FakeMeasurementHost;
using testing::FakeViewPort;

constexpr double kPi = std::numbers::pi;

TEST(HistObjectTest, IdentitiesComeFromOneCounterAndClonesKeepThem) {
  FakeMeasurementHost host;
  FakeViewPort view;
  const int next = THistObject::PeekNextObjectId();
  TOrigine origin(7, TPointD(0.25, 0.5));
  TRepereFixe axes(host, view);
  EXPECT_EQ(origin.ObjectId, next);
  EXPECT_EQ(axes.ObjectId, next + 1);

  axes.OriginePointsNumber = 1;
  axes.XAxisAngle = 0.5;
  axes.YAxisAngle = 0.5 + kPi / 2;
  axes.Origins.push_back(std::make_unique<TOrigine>(3, TPointD(0.1, 0.2)));
  const std::unique_ptr<THistObject> copy = axes.Clone();
  ASSERT_NE(dynamic_cast<TRepereFixe *>(copy.get()), nullptr);
  EXPECT_EQ(copy->ObjectId, axes.ObjectId);
  EXPECT_EQ(copy->ObjectKind, okRepereFixe);
  EXPECT_TRUE(copy->IsEqual(axes));
  // The origin list is copied, not shared, and each copy keeps its original's identity.
  const auto &copied = static_cast<TRepereFixe &>(*copy).Origins;
  ASSERT_EQ(copied.size(), 1u);
  EXPECT_NE(copied[0].get(), axes.Origins[0].get());
  EXPECT_EQ(copied[0]->ObjectId, axes.Origins[0]->ObjectId);

  axes.XAxisAngle = 0.6;
  EXPECT_FALSE(copy->IsEqual(axes));
}

TEST(HistObjectTest, EqualityNeedsTheSameKind) {
  FakeMeasurementHost host;
  FakeViewPort view;
  TRepereFixe axes(host, view);
  TTransparent layer(host, view);
  TEchelle scale(host, view);
  EXPECT_FALSE(axes.IsEqual(layer));
  EXPECT_FALSE(layer.IsEqual(axes));
  EXPECT_FALSE(scale.IsEqual(axes));
  EXPECT_TRUE(TOrigine(2, TPointD(0.5, 0.5)).IsEqual(TOrigine(2, TPointD(0.5, 0.5 + 1e-120))));
  EXPECT_FALSE(TOrigine(2, TPointD(0.5, 0.5)).IsEqual(TOrigine(3, TPointD(0.5, 0.5))));
}

TEST(HistObjectTest, WordsOfTheUndoCommand) {
  const struct {
    int Action;
    const char *Word;
  } actions[] = {{1, "Choose"}, {2, "Set"},     {3, "Set"},    {4, "Move"},   {5, "Move"},
                 {6, "Define"}, {7, "Transform"}, {8, "Move"}, {9, "Erase"},  {10, "Change direction"},
                 {11, "Modify"}, {12, "Rotate"}, {13, "Delete"}, {14, "Delete"}, {15, "Move"},
                 {16, "Move"},  {0, ""},        {17, ""}};
  for (const auto &row : actions) EXPECT_EQ(ActionKindWord(row.Action), QString::fromUtf8(row.Word)) << row.Action;

  const struct {
    int Kind;
    const char *Word;
  } objects[] = {{1, "Scale"}, {2, "Mark"}, {3, "Mark"}, {4, "Layer"}, {5, ""}, {6, ""}, {7, "Grid"}, {8, "Layer"}};
  for (const auto &row : objects) EXPECT_EQ(ObjectKindWord(row.Kind), QString::fromUtf8(row.Word)) << row.Kind;
}

TEST(FrameMappingTest, PixelsAndFrameRelativePositions) {
  // Zoomed twice, scrolled a quarter of the frame to the right and down.
  const TFrameMapping zoomed{1280.0, 960.0, 0.25, 0.25};
  const TPointD centre = zoomed.ScreenToFrame(TPoint(320, 240));
  EXPECT_DOUBLE_EQ(centre.X, 0.5);
  EXPECT_DOUBLE_EQ(centre.Y, 0.5);
  EXPECT_EQ(zoomed.FrameToScreen(TPointD(0.5, 0.5)), TPoint(320, 240));
  // Beside the picture: clamped to its edges one way, not clamped the other way.
  const TPointD outside = zoomed.ScreenToFrame(TPoint(-400, 2000));
  EXPECT_DOUBLE_EQ(outside.X, 0.0);
  EXPECT_DOUBLE_EQ(outside.Y, 1.0);
  EXPECT_EQ(zoomed.FrameToScreen(TPointD(0.0, 1.0)), TPoint(-320, 720));
  // Halves round to even.
  const TFrameMapping plain{5.0, 5.0, 0.0, 0.0};
  EXPECT_EQ(plain.FrameToScreen(TPointD(0.5, 0.7)), TPoint(2, 4));
  // A view without size does not divide by zero.
  const TFrameMapping empty{0.0, 0.0, 0.0, 0.0};
  EXPECT_DOUBLE_EQ(empty.ScreenToFrame(TPoint(10, 10)).X, 0.0);
}

struct ScaleFactorsRow {
  const char *Name;
  bool Separate;
  TPointD P1, P2;
  double Length;
  TPointD H1, H2;
  double HLength;
  TPointD V1, V2;
  double VLength;
  TPointD Expected;
};

TEST(ScaleFactorsTest, KnownAnswers) {
  const ScaleFactorsRow rows[] = {
      {"worked example", false, {0.25, 0.5}, {0.75, 0.5}, 1.0, {}, {}, 0, {}, {}, 0, {2.0, 1.5}},
      {"ends exchanged", false, {0.75, 0.5}, {0.25, 0.5}, 1.0, {}, {}, 0, {}, {}, 0, {2.0, 1.5}},
      {"vertical segment", false, {0.5, 0.25}, {0.5, 0.75}, 1.0, {}, {}, 0, {}, {}, 0, {640.0 / 240.0, 2.0}},
      {"diagonal 3-4-5", false, {0.0, 0.0}, {0.6, 0.6}, 2.0, {}, {}, 0, {}, {}, 0, {640.0 / 240.0, 2.0}},
      {"no segment", false, {0.5, 0.5}, {0.5, 0.5}, 1.0, {}, {}, 0, {}, {}, 0, {-1.0, -1.0}},
      {"separate", true, {}, {}, 0, {0.25, 0.5}, {0.75, 0.5}, 2.0, {0.5, 0.2}, {0.5, 0.7}, 1.0, {4.0, 2.0}},
      {"separate, reversed ends", true, {}, {}, 0, {0.75, 0.5}, {0.25, 0.5}, 2.0, {0.5, 0.7}, {0.5, 0.2}, 1.0,
       {4.0, 2.0}},
      {"separate, no vertical", true, {}, {}, 0, {0.25, 0.5}, {0.75, 0.5}, 2.0, {0.5, 0.2}, {0.5, 0.2}, 1.0,
       {4.0, -1.0}},
      {"separate, no horizontal", true, {}, {}, 0, {0.25, 0.5}, {0.25, 0.5}, 2.0, {0.5, 0.2}, {0.5, 0.7}, 1.0,
       {-1.0, -1.0}},
  };
  FakeMeasurementHost host;
  FakeViewPort view;
  for (const ScaleFactorsRow &row : rows) {
    TEchelle scale(host, view);
    scale.ScalePoint1 = row.P1;
    scale.ScalePoint2 = row.P2;
    scale.ScaleLength = row.Length;
    scale.ScaleHorizPoint1 = row.H1;
    scale.ScaleHorizPoint2 = row.H2;
    scale.ScaleHorizLength = row.HLength;
    scale.ScaleVertPoint1 = row.V1;
    scale.ScaleVertPoint2 = row.V2;
    scale.ScaleVertLength = row.VLength;
    const TPointD factors = scale.ScaleFactors(640, 480, row.Separate);
    EXPECT_NEAR(factors.X, row.Expected.X, 1e-12) << row.Name;
    EXPECT_NEAR(factors.Y, row.Expected.Y, 1e-12) << row.Name;
  }
}

TEST(ScaleFactorsTest, TheVideoAndTheOptionComeFromTheViewAndTheHost) {
  FakeMeasurementHost host;
  FakeViewPort view;
  view.NativeWidth = 320;
  view.NativeHeight = 240;
  TEchelle scale(host, view);
  scale.ScalePoint1 = TPointD(0.25, 0.5);
  scale.ScalePoint2 = TPointD(0.75, 0.5);
  scale.ScaleLength = 1.0;
  const TPointD factors = scale.ScaleFactors();
  EXPECT_DOUBLE_EQ(factors.X, 2.0);
  EXPECT_DOUBLE_EQ(factors.Y, 1.5);
  host.Separate = true;
  EXPECT_DOUBLE_EQ(scale.ScaleFactors().X, -1.0);
}

struct PhysicalRow {
  const char *Name;
  double Angle;
  bool DirectX, DirectY;
  TPointD Expected;
};

TEST(PhysicalCoordinatesTest, WorkedExampleAndItsVariants) {
  // 640 x 480, scale (0.25, 0.5)-(0.75, 0.5) of length 1: Sx = 2, Sy = 1.5; origin at
  // (0.25, 0.75), mark at (0.75, 0.25).
  const PhysicalRow rows[] = {
      {"direct", 0.0, true, true, {1.0, 0.75}},
      {"x axis turned a quarter", kPi / 2, true, true, {0.75, -1.0}},
      {"x reversed", 0.0, false, true, {-1.0, 0.75}},
      {"y reversed", 0.0, true, false, {1.0, -0.75}},
      {"half turn", kPi, true, true, {-1.0, -0.75}},
      {"eighth turn, both reversed", kPi / 4, false, false, {-1.75 / std::sqrt(2.0), 0.25 / std::sqrt(2.0)}},
  };
  FakeMeasurementHost host;
  FakeViewPort view;
  const TPointD factors(2.0, 1.5);
  const TPointD mark(0.75, 0.25);
  for (const PhysicalRow &row : rows) {
    TRepereFixe axes(host, view);
    axes.OrigineCurrent = TPointD(0.25, 0.75);
    axes.XAxisAngle = row.Angle;
    axes.DirectXAxisDirection = row.DirectX;
    axes.DirectYAxisDirection = row.DirectY;
    TPointD physical;
    ASSERT_TRUE(ToPhysical(axes, factors, mark, physical)) << row.Name;
    EXPECT_NEAR(physical.X, row.Expected.X, 1e-12) << row.Name;
    EXPECT_NEAR(physical.Y, row.Expected.Y, 1e-12) << row.Name;

    TPointD back;
    ASSERT_TRUE(FromPhysical(axes, factors, physical, back)) << row.Name;
    EXPECT_NEAR(back.X, mark.X, 1e-12) << row.Name;
    EXPECT_NEAR(back.Y, mark.Y, 1e-12) << row.Name;
  }
}

TEST(PhysicalCoordinatesTest, TheLayerIgnoresRotationAndMarksAreRelative) {
  FakeMeasurementHost host;
  FakeViewPort view;
  TTransparent layer(host, view);
  layer.OrigineCurrent = TPointD(0.25, 0.75);
  TPointD physical;
  ASSERT_TRUE(ToPhysical(layer, TPointD(2.0, 1.5), TPointD(0.75, 0.25), physical));
  EXPECT_NEAR(physical.X, 1.0, 1e-12);
  EXPECT_NEAR(physical.Y, 0.75, 1e-12);
  // A layer mark's relative position is read as it is, wherever the layer is now.
  layer.OrigineCurrent = TPointD(0.9, 0.1);
  ASSERT_TRUE(RelativeToPhysical(layer, TPointD(2.0, 1.5), TPointD(0.5, -0.5), physical));
  EXPECT_NEAR(physical.X, 1.0, 1e-12);
  EXPECT_NEAR(physical.Y, 0.75, 1e-12);
}

TEST(PhysicalCoordinatesTest, NothingIsComputedWithoutAScale) {
  FakeMeasurementHost host;
  FakeViewPort view;
  TRepereFixe axes(host, view);
  const TPointD untouched(123.0, 456.0);
  for (const TPointD factors : {TPointD(-1.0, -1.0), TPointD(2.0, -1.0), TPointD(0.0, 1.5)}) {
    TPointD result = untouched;
    EXPECT_FALSE(ToPhysical(axes, factors, TPointD(0.5, 0.5), result));
    EXPECT_FALSE(FromPhysical(axes, factors, TPointD(0.5, 0.5), result));
    EXPECT_DOUBLE_EQ(result.X, untouched.X);
    EXPECT_DOUBLE_EQ(result.Y, untouched.Y);
  }
}

struct ReadinessRow {
  int Kind;
  int Count, HCount, VCount;
  double Length, HLength, VLength;
  bool Ready;
};

TEST(ScaleReadinessTest, GeneralOrBothSeparateScales) {
  const ReadinessRow rows[] = {
      {0, 2, 0, 0, 1.0, 0.0, 0.0, true},  {0, 1, 0, 0, 1.0, 0.0, 0.0, false}, {0, 2, 0, 0, 0.0, 0.0, 0.0, false},
      {0, 2, 0, 0, -1.0, 0.0, 0.0, false}, {0, 0, 2, 2, 0.0, 1.0, 1.0, false}, {1, 0, 2, 2, 0.0, 1.0, 1.0, true},
      {2, 0, 2, 2, 0.0, 1.0, 1.0, true},  {2, 2, 2, 1, 1.0, 1.0, 1.0, false}, {1, 2, 2, 2, 1.0, 0.0, 1.0, false},
  };
  FakeMeasurementHost host;
  FakeViewPort view;
  for (const ReadinessRow &row : rows) {
    TEchelle scale(host, view);
    scale.ScaleKind = row.Kind;
    scale.ScalePointsNumber = row.Count;
    scale.ScaleHorizPointsNumber = row.HCount;
    scale.ScaleVertPointsNumber = row.VCount;
    scale.ScaleLength = row.Length;
    scale.ScaleHorizLength = row.HLength;
    scale.ScaleVertLength = row.VLength;
    EXPECT_EQ(scale.IsReady(), row.Ready) << "kind " << row.Kind << " counts " << row.Count << row.HCount << row.VCount;
  }
}

TEST(ScaleSettersTest, LengthsChangeOnlyWhenDifferent) {
  FakeMeasurementHost host;
  FakeViewPort view;
  TEchelle scale(host, view);
  scale.SetScaleLength(1.5);
  EXPECT_DOUBLE_EQ(scale.ScaleLength, 1.5);
  EXPECT_EQ(host.InvalidateBothCount, 1);
  scale.SetScaleLength(1.5);
  EXPECT_EQ(host.InvalidateBothCount, 1);
  scale.SetScaleHorizLength(2.0);
  scale.SetScaleVertLength(3.0);
  EXPECT_DOUBLE_EQ(scale.ScaleHorizLength, 2.0);
  EXPECT_DOUBLE_EQ(scale.ScaleVertLength, 3.0);
  EXPECT_EQ(host.InvalidateBothCount, 3);
  EXPECT_EQ(host.InvalidateActiveCount, 0);
  EXPECT_TRUE(host.Records.empty());
}

TEST(ScaleSettersTest, TheKindFollowsTheSeparateScalesOption) {
  FakeMeasurementHost host;
  FakeViewPort view;
  host.Separate = true;
  TEchelle separate(host, view);
  EXPECT_EQ(separate.ScaleKind, skVertical);
  host.Separate = false;

  TEchelle scale(host, view);
  EXPECT_EQ(scale.ScaleKind, skGeneral);
  scale.ApplySeparateScales(true);
  EXPECT_EQ(scale.ScaleKind, skVertical);
  EXPECT_EQ(host.ScaleKindChangedCount, 1);
  scale.SetScaleKind(skHorizontal);
  EXPECT_EQ(host.ScaleKindChangedCount, 2);
  scale.ApplySeparateScales(true);  // already separate: stays horizontal
  EXPECT_EQ(scale.ScaleKind, skHorizontal);
  scale.SetScaleKind(skHorizontal);
  EXPECT_EQ(host.ScaleKindChangedCount, 2);
  scale.ApplySeparateScales(false);
  EXPECT_EQ(scale.ScaleKind, skGeneral);
  EXPECT_EQ(host.ScaleKindChangedCount, 3);
}

}  // namespace kolibra::measurement::coordinates_test
