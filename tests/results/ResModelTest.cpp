// The results window's rules over a real measurement built through the document (the
// kinematics tests' fixture: 25 frames per second, one millimetre a pixel on a 640 x 480
// frame, axes at pixel (100, 400)): every view in both measurements, the scales the views
// choose, the models, the read-outs, the constructs a rebuild keeps and the link with the
// video's frames.
#include "formulas/Formules.h"
#include "formulas/ResultsSource.h"
#include "kinematics/support/CalculFixture.h"
#include "results/ConstructEditor.h"
#include "results/GConstructs.h"
#include "results/ResModel.h"

#include "../formulas/AddRecords.h"

#include <cmath>

namespace kolibra::results::res_model_test {

using kinematics::testing::CalculFixture;
using measurement::TMeasurementMode;

constexpr double G = 9.81;

class ResModel : public CalculFixture {
 protected:
  ResModel() {
    for (const TResMeasurement measurement : ResMeasurements)
      for (int slot = 0; slot < GraphSlotCount; ++slot) {
        auto &graph = graphs[size_t(measurement)][size_t(slot)];
        graph = std::make_unique<TGraph>();
        graph->SetSize(900, 600);
        model.SetGraph(measurement, slot, graph.get());
      }
  }

  // Object 0 thrown (x = 0.05 k, y = 0.1 + 0.5 t - g t^2 / 2 with t = 0.04 k); object 1 barely
  // moving near (0.3, 0.05).
  void MarkThrow(int samples = 12) {
    Calibrate();
    PlaceMarks(2, samples, [](int o, int k) {
      const double t = 0.04 * k;
      return o == 0 ? TPointD(0.05 * k, 0.1 + 0.5 * t - 0.5 * G * t * t) : TPointD(0.3 + 0.001 * (k % 2), 0.05);
    });
    ASSERT_TRUE(model.Recalculate());
  }

  TGraph &Graph(int slot, TResMeasurement measurement = rmFixedAxes) { return *graphs[size_t(measurement)][size_t(slot)]; }

  // Visible, unmasked data points of a graph.
  std::vector<const TGPoint *> Points(TGraph &graph) const {
    std::vector<const TGPoint *> points;
    for (const auto &e : graph.Elements())
      if (e->ObjectType == obPoint && !e->UserMade && e->Visible) points.push_back(static_cast<const TGPoint *>(e.get()));
    return points;
  }

  formulas::TResultsSource source{calc, options};
  formulas::TFormules formules{&source};
  TResModel model{TResLinks{&calc, &grids, &memory, &formules, &source, &data, &options, {}, {}}};
  std::array<std::array<std::unique_ptr<TGraph>, GraphSlotCount>, 2> graphs;
};

TEST_F(ResModel, EveryViewOpensInBothMeasurements) {
  MarkThrow();
  ASSERT_EQ(formulas::test_support::AddValidFormula(formules, QStringLiteral("E = 0.5*v1^2 + 9.81*y1")), 0);
  model.Recalculate(true);
  model.SetFormulesDrawn({0});
  for (int view : {rvTemps, rvReferentiel, rvVecteur, rvFormule}) {
    SCOPED_TRACE(view);
    model.SetView(view);
    TGraph &graph = Graph(SlotOfView(view));
    EXPECT_GE(graph.CurveCount(), 1);
    EXPECT_FALSE(Points(graph).empty());
    for (const TGPoint *p : Points(graph)) {
      EXPECT_GE(p->Position.X, graph.WorldRect().XMin);
      EXPECT_LE(p->Position.X, graph.WorldRect().XMax);
      EXPECT_GE(p->Position.Y, graph.WorldRect().YMin);
      EXPECT_LE(p->Position.Y, graph.WorldRect().YMax);
    }
    EXPECT_FALSE(graph.Picture().isNull());
  }
  // The vectors view has both kinds, the velocity shown.
  TGraph &vectors = Graph(gsVecteur);
  ASSERT_EQ(vectors.VectorParams().size(), 2u);
  EXPECT_EQ(vectors.VectorParams()[size_t(vectors.VectorParamIndex())]->Id, vkVelocity);

  // The same views on a moving layer fill the layer's graphs; the fixed axes' keep theirs.
  const int fixedPoints = int(Points(Graph(gsReferentiel)).size());
  data.SetMeasurementMode(TMeasurementMode::Layer);
  data.SetActiveTool(measurement::dtLayer);
  for (int k = 0; k < 6; ++k) {
    Drag(TPoint(400, 200), TPoint(410, 200));
    Click(TPoint(100 + 30 * k, 300 - 5 * k));
  }
  ASSERT_TRUE(model.Recalculate());
  EXPECT_EQ(model.Measurement(), rmLayer);
  for (int view : {rvTemps, rvReferentiel, rvVecteur}) {
    SCOPED_TRACE(view);
    model.SetView(view);
    EXPECT_EQ(model.CurrentGraph(), &Graph(SlotOfView(view), rmLayer));
    EXPECT_EQ(int(Points(Graph(SlotOfView(view), rmLayer)).size()), 6);
  }
  model.SetView(rvFormule);
  EXPECT_EQ(model.CurrentGraph(), &Graph(gsFormule, rmLayer));
  EXPECT_EQ(int(Points(Graph(gsReferentiel)).size()), fixedPoints);
}

TEST_F(ResModel, SeveralObjectsShareOneVerticalScale) {
  MarkThrow();
  model.SetView(rvTemps);
  model.SetTempsQuantity(0);  // X
  model.SetTempsObjects({0, 1});
  TGraph &graph = Graph(gsTemps);
  EXPECT_EQ(graph.CurveCount(), 2);
  double low = 1e9, high = -1e9;
  for (int o = 0; o < 2; ++o) {
    low = std::min(low, calc.MinValue(kinematics::rfAxes, kinematics::qkX, o));
    high = std::max(high, calc.MaxValue(kinematics::rfAxes, kinematics::qkX, o));
  }
  const TRectD world = graph.WorldRect();
  EXPECT_NEAR(world.YMin, low - 0.05 * (high - low), 1e-12);
  EXPECT_NEAR(world.YMax, high + 0.05 * (high - low), 1e-12);
  EXPECT_DOUBLE_EQ(world.XMin, 0.0);
  EXPECT_EQ(graph.TitreAxeY, (QStringList{QStringLiteral("X"), QStringLiteral("Abscissa (m)")}));
  EXPECT_EQ(graph.TitreAxeX, (QStringList{QStringLiteral("t"), QStringLiteral("time (s)")}));
  // One object: its name joins the description.
  model.SetTempsObjects({0});
  EXPECT_EQ(graph.TitreAxeY.at(1), QStringLiteral("Abscissa ") + data.SystemName(0) + QStringLiteral(" (m)"));
}

// The thrown ball: x = 0.05 k runs 0 ... 0.55 m, y peaks at 0.112152 m (k = 1) and ends at
// -0.629608 m (k = 11); each quantity gets its own range with 5 % margins.
TEST_F(ResModel, AnotherQuantityFitsTheAxisUnlessTheUserZoomed) {
  MarkThrow();
  model.SetView(rvTemps);
  model.SetTempsObjects({0});
  model.SetTempsQuantity(0);  // X
  TGraph &graph = Graph(gsTemps);
  EXPECT_NEAR(graph.WorldRect().YMin, -0.0275, 1e-3);
  EXPECT_NEAR(graph.WorldRect().YMax, 0.5775, 1e-3);
  model.SetTempsQuantity(1);  // Y: its own range, not the one of x
  EXPECT_NEAR(graph.WorldRect().YMin, -0.629608 - 0.037088, 1e-3);
  EXPECT_NEAR(graph.WorldRect().YMax, 0.112152 + 0.037088, 1e-3);
  EXPECT_FALSE(graph.MovedByHand());

  // Zoomed by hand, the view stays as the user made it when the quantity changes ...
  graph.Wheel(120, Qt::NoModifier, TPoint(400, 300));
  ASSERT_TRUE(graph.MovedByHand());
  const TRectD zoomed = graph.WorldRect();
  model.SetTempsQuantity(0);
  EXPECT_EQ(graph.WorldRect().YMin, zoomed.YMin);
  EXPECT_EQ(graph.WorldRect().YMax, zoomed.YMax);
  // ... until "Restore graph", which fits it to the quantity shown.
  model.Rescale(gsTemps);
  EXPECT_FALSE(graph.MovedByHand());
  EXPECT_NEAR(graph.WorldRect().YMax, 0.5775, 1e-3);
  // Panning counts as a hand-made view too.
  ASSERT_TRUE(graph.SetTool(gtPan));
  graph.MouseDown(Qt::LeftButton, Qt::NoModifier, TPoint(400, 300));
  graph.MouseMove(Qt::NoModifier, TPoint(400, 340));
  graph.MouseUp(Qt::LeftButton, Qt::NoModifier, TPoint(400, 340));
  EXPECT_TRUE(graph.MovedByHand());
}

TEST_F(ResModel, SpeedStartsAtZeroAndAnAngleShowsZero) {
  Calibrate();
  // On a circle of 0.1 m, the polar angle going from 1 to 1.8 rad.
  PlaceMarks(1, 9, [](int, int k) {
    const double a = 1.0 + 0.1 * k;
    return TPointD(0.1 * std::cos(a), 0.1 * std::sin(a));
  });
  ASSERT_TRUE(model.Recalculate());
  model.SetView(rvTemps);
  model.SetTempsQuantity(4);  // v
  EXPECT_DOUBLE_EQ(Graph(gsTemps).WorldRect().YMin, 0.0);
  model.SetTempsQuantity(8);  // O
  EXPECT_LE(Graph(gsTemps).WorldRect().YMin, 0.0);
  EXPECT_GE(Graph(gsTemps).WorldRect().YMax, 1.8);
}

TEST_F(ResModel, ATrajectoryThatBarelyMovesSpansAQuarterOfTheField) {
  MarkThrow();
  model.SetView(rvReferentiel);
  model.SetReferentielObjects({1});
  const TRectD world = Graph(gsReferentiel).WorldRect();
  EXPECT_GE(world.XMax - world.XMin, 0.25 * 0.64);
  EXPECT_GE(world.YMax - world.YMin, 0.25 * 0.48);
  EXPECT_TRUE(Graph(gsReferentiel).KeepAspect());
  // One metre has as many pixels on both axes.
  TGraph &g = Graph(gsReferentiel);
  EXPECT_NEAR((world.XMax - world.XMin) / g.PlotWidth(), (world.YMax - world.YMin) / g.PlotHeight(), 1e-12);
  // Only the chosen object is shown.
  EXPECT_TRUE(g.Curve(1)->Visible);
  EXPECT_FALSE(g.Curve(0)->Visible);
}

TEST_F(ResModel, AModelFitsOnlyOneCurve) {
  MarkThrow();
  model.SetView(rvTemps);
  model.SetTempsQuantity(1);  // Y
  model.SetTempsObjects({0, 1});
  QString message;
  EXPECT_FALSE(model.PressModel(modelling::mtParabola, message));
  EXPECT_EQ(message, QStringLiteral("Fit regression is available for only one curve at a time."));
  EXPECT_EQ(model.ModelOf(rvTemps), modelling::mtNone);
  EXPECT_FALSE(model.CanModifyModel(message));
  EXPECT_EQ(message, QStringLiteral("First select a model (linear, parabolic, sine...)"));

  model.SetTempsObjects({0});
  ASSERT_TRUE(model.PressModel(modelling::mtParabola, message));
  TGraph &graph = Graph(gsTemps);
  EXPECT_EQ(graph.Tool(), gtModelParams);
  ASSERT_EQ(graph.ModelCount(), 1);
  modelling::TMdl *parabola = graph.Modele(0)->Model();
  ASSERT_NE(parabola, nullptr);
  // y = r + b t + c t^2 with the throw's own numbers.
  EXPECT_NEAR(parabola->GetParam(0), 0.1, 1e-6);
  EXPECT_NEAR(parabola->GetParam(1), 0.5, 1e-6);
  EXPECT_NEAR(parabola->GetParam(2), -G / 2, 1e-5);
  // Each with its unit, from y in metres against t in seconds.
  const QStringList lines = graph.Modele(0)->ModelText().split(QLatin1Char('\n'));
  ASSERT_GE(lines.size(), 4);
  EXPECT_EQ(lines.mid(1, 3),
            (QStringList{QStringLiteral("r = 0.100 m"), QStringLiteral("b = 0.500 m/s"),
                         QStringLiteral("c = -4.905 m/s²")}));
  EXPECT_TRUE(model.CanModifyModel(message));
  // A rebuild (another quantity and back) keeps the model.
  model.SetTempsQuantity(0);
  model.SetTempsQuantity(1);
  EXPECT_EQ(graph.ModelCount(), 1);
}

TEST_F(ResModel, ReadOutsOfEachView) {
  MarkThrow();
  const TPointD world(1.5, 0.25);
  const struct {
    int View;
    const char *X, *Y;
  } cases[] = {
      {rvReferentiel, "X = 1.500 m", "Y = 0.250 m"},
      {rvTemps, "t = 1.500 s", "Y = 0.250 m"},
      {rvFormule, "Abscissa = 1.500", "Ordinates = 0.250"},
      {rvVecteur, "Abscissa = 1.500 m", "Ordinates = 0.250 m"},
  };
  model.Memory().TempsQuantity = 1;
  for (const auto &c : cases) {
    model.SelectView(c.View);
    EXPECT_EQ(model.ReadOutX(world), QString::fromUtf8(c.X));
    EXPECT_EQ(model.ReadOutY(world), QString::fromUtf8(c.Y));
  }
}

TEST_F(ResModel, RebuildsKeepTheUserConstructsAndResetClearsThem) {
  MarkThrow();
  model.SetView(rvReferentiel);
  model.SetReferentielObjects({0});
  TGraph &graph = Graph(gsReferentiel);
  TConstructEditor *editor = model.EditorOf(&graph);
  ASSERT_NE(editor, nullptr);
  auto segment = std::make_unique<TGSegment>(TPointD(0.1, 0.1), TPointD(0.2, 0.2), TColor::FromRgb(0, 100, 0));
  segment->UserMade = true;
  segment->CurveIndex = graph.CurrentCurve();
  TGElem *drawn = editor->AddElement(graph, std::move(segment), gaCreate);
  const int id = drawn->Id;
  model.SetReferentielObjects({0, 1});
  model.SetReferentielObjects({0});
  ASSERT_NE(FindElement(graph, id), nullptr);
  EXPECT_TRUE(FindElement(graph, id)->Visible);
  EXPECT_EQ(graph.Curve(0)->Segments.back(), FindElement(graph, id));
  // Its series hidden, it hides with it.
  model.SetReferentielObjects({1});
  EXPECT_FALSE(FindElement(graph, id)->Visible);
  bool enabled = false;
  EXPECT_EQ(model.UndoItemCaption(enabled), QStringLiteral("Cancel Create Segment     (Ctrl A)"));
  EXPECT_TRUE(enabled);
  model.Reset();
  EXPECT_EQ(FindElement(graph, id), nullptr);
  EXPECT_EQ(model.UndoItemCaption(enabled), QStringLiteral("Cancel"));
  EXPECT_FALSE(enabled);
}

TEST_F(ResModel, VectorScaleRefusesFiveTimesItsStart) {
  MarkThrow();
  model.SetView(rvVecteur);
  const double start = model.VectorScale();
  ASSERT_GT(start, 0.0);
  EXPECT_FALSE(model.SetVectorScale(5 * start));
  EXPECT_DOUBLE_EQ(model.VectorScale(), start);
  EXPECT_TRUE(model.SetVectorScale(1.1 * start));
  EXPECT_EQ(model.VectorUnit(), QStringLiteral("m/s"));
}

TEST_F(ResModel, EdgesHiddenByTheOptionsAndNeverForTheAngularVelocity) {
  options.CheckBox30HideEdgeV_Checked = true;
  MarkThrow(8);
  model.SetView(rvTemps);
  model.SetTempsObjects({0});
  model.SetTempsQuantity(4);  // v: first and last hidden
  EXPECT_EQ(int(Points(Graph(gsTemps)).size()), 6);
  model.SetTempsQuantity(10);  // w
  EXPECT_EQ(int(Points(Graph(gsTemps)).size()), 8);
}

TEST_F(ResModel, SamplesAndVideoFramesPointAtEachOther) {
  MarkThrow(6);
  // The fixture marks sample k on frame 10 + k.
  EXPECT_EQ(model.SampleVideoFrame(0), 10);
  EXPECT_EQ(model.SampleVideoFrame(5), 15);
  EXPECT_EQ(model.SampleVideoFrame(6), -1);
  EXPECT_EQ(model.SampleAtVideoFrame(13), 3);
  EXPECT_EQ(model.SampleAtVideoFrame(9), -1);
  EXPECT_EQ(model.SampleOfNumber(4), 3);
  model.SetView(rvReferentiel);
  model.HighlightSample(3);
  int ringed = 0;
  for (const TGPoint *p : Points(Graph(gsReferentiel))) {
    if (p->Highlighted) {
      EXPECT_EQ(p->Number, 4);
    }
    ringed += p->Highlighted ? 1 : 0;
  }
  EXPECT_EQ(ringed, 2);  // both objects on that frame
}

}  // namespace kolibra::results::res_model_test

namespace kolibra::results::res_model_test {

// With masses, the time view offers the momentum and energies, and every view the centre of
// mass like an object: its curve at the weighted mean, its name, a colour of its own.
TEST_F(ResModel, MassesBringEnergiesAndTheCentreOfMassToTheGraphs) {
  MarkThrow();
  const auto offeredSymbols = [this] {
    QStringList symbols;
    for (int i : model.OfferedQuantities()) symbols << QString::fromUtf8(TimeQuantities()[size_t(i)].Symbol);
    return symbols;
  };
  EXPECT_FALSE(offeredSymbols().contains(QStringLiteral("Ek"))) << "no mass, no energy";
  EXPECT_EQ(model.ObjectsCount(), 2);
  data.SetObjectMass(0, 0.3);
  data.SetObjectMass(1, 0.1);
  ASSERT_TRUE(model.Recalculate());
  EXPECT_TRUE(offeredSymbols().contains(QStringLiteral("Em")));
  ASSERT_EQ(model.ObjectsCount(), 3);
  EXPECT_TRUE(model.IsCentreOfMass(2));
  EXPECT_EQ(model.ObjectName(2), QStringLiteral("centre of mass"));
  EXPECT_EQ(model.ObjectColour(2), colors::clBlack);

  model.SetView(rvTemps);
  model.SetTempsQuantity(1);  // Y
  model.SetTempsObjects({2});
  TGraph &graph = Graph(gsTemps);
  ASSERT_EQ(graph.CurveCount(), 1);
  const std::vector<const TGPoint *> points = Points(graph);
  ASSERT_EQ(points.size(), 12u);
  for (int k = 0; k < 12; ++k) {
    const double t = 0.04 * k;
    const double y0 = 0.1 + 0.5 * t - 0.5 * G * t * t;
    EXPECT_NEAR(points[size_t(k)]->Position.Y, (0.3 * y0 + 0.1 * 0.05) / 0.4, 1e-9) << k;
  }
  // The trajectory view draws it with the objects.
  model.SetView(rvReferentiel);
  EXPECT_EQ(Graph(gsReferentiel).CurveCount(), 3);
}

}  // namespace kolibra::results::res_model_test
