// The facades: which calculator the document's changes make stale, what each selector
// reaches, layer measurement read on a moving layer, and the results window's memory.

#include "kinematics/support/CalculFixture.h"

namespace kolibra::kinematics::facades_test {

using measurement::TMeasurementMode;
using testing::CalculFixture;

class ResultFacades : public CalculFixture {
 protected:
  // Five frames on the layer: each frame the layer is dragged 10 pixels right, then the
  // object, 30 pixels further right than on the frame before, is pointed on it.
  void MarkOnMovingLayer() {
    data.SetMeasurementMode(TMeasurementMode::Layer);
    data.SetActiveTool(measurement::dtLayer);
    for (int k = 0; k < 5; ++k) {
      Drag(TPoint(400, 200), TPoint(410, 200));
      Click(TPoint(100 + 30 * k, 300));
    }
  }
};

TEST_F(ResultFacades, TheDocumentMakesTheRightCalculatorsStale) {
  Calibrate();
  PlaceMarks(1, 5, [](int, int k) { return TPointD(0.01 * k, 0.0); });
  struct Case {
    const char *Name;
    std::function<void()> Change;
    bool FixedStale, LayerStale;
  };
  const Case cases[] = {
      {"a mark erased", [this] { data.EraseFrameMarks(14); }, true, false},
      {"the axes reversed", [this] { data.SetDirectYAxisDirection(false); }, true, false},
      {"the scale length", [this] { data.SetScaleLength(0.2); }, true, true},
      {"the frame interval", [this] { data.SetFrameInterval(0.02); }, true, true},
      {"a layer change",
       [this] {
         data.SetMeasurementMode(TMeasurementMode::Layer);
         data.SetDirectXAxisDirection(false);
         data.SetMeasurementMode(TMeasurementMode::FixedAxes);
       },
       false, true},
      {"nothing", [] {}, false, false},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.Name);
    calc.Compute(rsBoth);
    ASSERT_FALSE(calc.IsStale(rsBoth));
    c.Change();
    EXPECT_EQ(calc.IsStale(rsFixed), c.FixedStale);
    EXPECT_EQ(calc.IsStale(rsLayer), c.LayerStale);
    EXPECT_EQ(calc.IsStale(rsBoth), c.FixedStale || c.LayerStale);
    EXPECT_EQ(calc.IsStale(rsActive), c.FixedStale);
  }
}

TEST_F(ResultFacades, SelectorsReachTheirCalculators) {
  calc.Invalidate(rsLayer);
  EXPECT_TRUE(calc.IsStale(rsLayer));
  EXPECT_FALSE(calc.IsStale(rsFixed));
  EXPECT_FALSE(calc.IsStale(rsActive));
  calc.Invalidate(rsActive);
  EXPECT_TRUE(calc.IsStale(rsFixed));
  calc.Invalidate(7);  // names none
  Calibrate();
  EXPECT_EQ(calc.Compute(rsFixed), krOk);
  EXPECT_FALSE(calc.IsStale(rsFixed));
  EXPECT_TRUE(calc.IsStale(rsLayer));
  EXPECT_EQ(calc.Compute(rsBoth), krOk);
  EXPECT_FALSE(calc.IsStale(rsBoth));
}

TEST_F(ResultFacades, LayerMeasurementReadsPositionsOnTheLayer) {
  Calibrate();
  MarkOnMovingLayer();
  ASSERT_EQ(data.LayerMarks().MarksCount(), 5);
  ASSERT_EQ(data.Layer().Origins.size(), 5u);
  ASSERT_TRUE(ComputeAll(0));
  EXPECT_EQ(&calc.Active(), &calc.LayerCalcul());
  EXPECT_EQ(calc.SamplesCount(), 5);
  for (int k = 0; k < 5; ++k) {
    // 30 pixels a frame on the video, 10 of them with the layer: 20 mm a frame.
    const TPointD origin = data.Layer().Origins[size_t(k)]->Position;
    EXPECT_NEAR(calc.Value(rfAxes, 0, qkX, k), ((100 + 30 * k) / 640.0 - origin.X) * 0.64, 1e-9) << k;
    EXPECT_NEAR(calc.Value(rfAxes, 0, qkVx, k), 0.5, 1e-9) << k;
    EXPECT_NEAR(calc.Value(rfAxes, 0, qkVy, k), 0.0, 1e-9) << k;
    EXPECT_NEAR(calc.Value(rfAxes, 0, qkAx, k), 0.0, 1e-9) << k;
  }
  // The camera's calculator has no mark: selector 0 fails on it, the layer's alone succeeds.
  EXPECT_FALSE(calc.ComputeDerivatives(rsBoth, 0));
  EXPECT_EQ(calc.LastResult(), krTooFewSamples);
  EXPECT_TRUE(calc.ComputeDerivatives(rsLayer, 0));

  // Switching the mode switches what every facade call reads.
  data.SetMeasurementMode(TMeasurementMode::FixedAxes);
  EXPECT_EQ(&calc.Active(), &calc.FixedCalcul());
  EXPECT_EQ(calc.SamplesCount(), 0);
  EXPECT_EQ(&grids.Active(), &grids.FixedGrid());
  data.SetMeasurementMode(TMeasurementMode::Layer);
  EXPECT_EQ(&grids.Active(), &grids.LayerGrid());
  EXPECT_EQ(grids.RowCount(), 9);
  // One object on the layer: its symbols carry no number, the name is the layer object's.
  EXPECT_EQ(grids.Cell(2, 1), QStringLiteral("x"));
  EXPECT_EQ(grids.Cell(2, 3), QStringLiteral("Abscissa of point n°1"));
}

TEST_F(ResultFacades, LayerDirectionFlagsApplyOnTheLayer) {
  Calibrate();
  MarkOnMovingLayer();
  data.SetDirectXAxisDirection(false);
  ASSERT_TRUE(ComputeAll(0));
  EXPECT_NEAR(calc.Value(rfAxes, 0, qkVx, 2), -0.5, 1e-9);
  EXPECT_NEAR(calc.Value(rfCamera, 0, qkVx, 2), 0.5, 1e-9);
  EXPECT_NEAR(calc.Value(rfAxes, 0, qkV, 2), 0.5, 1e-9);
}

TEST_F(ResultFacades, MemoryStartsFromTheOptionsAndResetsBySelector) {
  options.CheckBox16TrajectoryNumber_Checked = false;
  options.CheckBox33VectorOrigin_Checked = false;
  options.PenSize4Graph_Value = 2;
  memory.ApplyOptions(rsBoth);
  for (TMemory *m : {&memory.FixedMemory(), &memory.LayerMemory()}) {
    EXPECT_EQ(m->ReferentielNumbering, 2);
    EXPECT_EQ(m->VecteurNumbering, 0);
    EXPECT_EQ(m->DrawOrigin, 0);
    EXPECT_EQ(m->SymbolSize, 2);
    EXPECT_EQ(m->ReferentielReference, -1);
  }
  // An out-of-range size leaves the size alone.
  options.PenSize4Graph_Value = 7;
  memory.ApplyOptions(rsActive);
  EXPECT_EQ(memory.Active().SymbolSize, 2);

  memory.FixedMemory().TempsObjects = {0, 1};
  memory.FixedMemory().TempsQuantity = 4;
  memory.FixedMemory().ReferentielReference = 1;
  memory.LayerMemory().VecteurObjects = {0};
  memory.Reset(rsLayer);
  EXPECT_TRUE(memory.LayerMemory().VecteurObjects.empty());
  EXPECT_EQ(memory.FixedMemory().TempsObjects, (TIntegerDynArray{0, 1}));
  memory.Reset(rsActive);
  EXPECT_TRUE(memory.FixedMemory().TempsObjects.empty());
  EXPECT_EQ(memory.FixedMemory().TempsQuantity, 0);
  EXPECT_EQ(memory.FixedMemory().ReferentielReference, -1);
  EXPECT_EQ(memory.FixedMemory().ReferentielNumbering, 2);

  data.SetMeasurementMode(TMeasurementMode::Layer);
  EXPECT_EQ(&memory.Active(), &memory.LayerMemory());
}

}  // namespace kolibra::kinematics::facades_test
