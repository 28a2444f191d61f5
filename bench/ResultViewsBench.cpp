// The results window's work on a long measurement: three objects marked on 10,000 frames
// through the measurement document (a pendulum, a throw repeated, a wheel's rim), then the
// recalculation (positions, smoothed derivatives, datasheet, one custom formula) and the
// building and painting of each view as the window does it (TResModel on a 1200 x 800 graph).
#include "formulas/Formules.h"
#include "formulas/ResultsSource.h"
#include "kinematics/ResultFacades.h"
#include "measurement/Data.h"
#include "BenchViewPort.h"
#include "results/ResModel.h"
#include "settings/Options.h"

#include <QGuiApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <cmath>

using namespace kolibra;

namespace result_views_bench {

constexpr int Frames = 10000;
constexpr int Objects = 3;

using TBenchViewPort = bench::TBenchViewPort;

struct TBenchMeasurement {
  TBenchMeasurement() {
    data.SetResultsInvalidation(&calc);
    data.SetMeasurementMode(measurement::TMeasurementMode::FixedAxes);
    data.SetFrameInterval(0.004);
    const auto click = [this](TPoint p) {
      data.MouseMove(Qt::NoModifier, p);
      data.MouseDown(Qt::LeftButton, Qt::NoModifier, p);
      data.MouseUp(Qt::LeftButton, Qt::NoModifier, p);
    };
    data.SetActiveTool(measurement::dtScale);
    click(TPoint(0, 240));
    click(TPoint(100, 240));
    data.SetScaleLength(0.1);
    data.SetActiveTool(measurement::dtAxes);
    click(TPoint(320, 240));
    data.SetActiveTool(measurement::dtPointing);
    data.SetObjectsCount(Objects);
    measurement::TPointDMatrix positions(Objects);
    TMatriceI frames(Objects);
    for (int o = 0; o < Objects; ++o)
      for (int k = 0; k < Frames; ++k) {
        const double t = 0.004 * k;
        TPointD p;
        if (o == 0) p = TPointD(0.3 + 0.2 * std::sin(2.0 * t), 0.2 + 0.05 * std::cos(2.0 * t));
        else if (o == 1) p = TPointD(0.05 + 0.5 * std::fmod(t, 1.0), 0.1 + 0.4 * std::fmod(t, 1.0) - 0.3 * std::pow(std::fmod(t, 1.0), 2));
        else p = TPointD(0.3 + 0.1 * std::cos(3.0 * t) + 0.02 * t, 0.25 + 0.1 * std::sin(3.0 * t));
        positions[size_t(o)].push_back(TPointD(p.X * 1000.0 / 640.0, 1.0 - p.Y * 1000.0 / 480.0));
        frames[size_t(o)].push_back(k);
      }
    data.PlaceTrackedMarks(positions, frames);
    formulas::TRec *rec = formules.AddFormula(QStringLiteral("E = 0.5*v1^2 + 9.81*y1"), QString(), QStringLiteral("J/kg"));
    formules.Validate(rec);
    for (int slot = 0; slot < results::GraphSlotCount; ++slot) {
      graphs[size_t(slot)].SetSize(1200, 800);
      model.SetGraph(results::rmFixedAxes, slot, &graphs[size_t(slot)]);
    }
    model.Recalculate(true);
    model.SetFormulesDrawn({0});
  }
  ~TBenchMeasurement() { data.SetResultsInvalidation(nullptr); }

  QTemporaryDir dir;
  settings::TOptions options{dir.filePath(QStringLiteral("Kolibra.ini"))};
  TBenchViewPort view;
  measurement::TData data{view, options};
  kinematics::TResCalc calc{data, options};
  kinematics::TResGrid grids{calc, data, options};
  kinematics::TResMem memory{data, options};
  formulas::TResultsSource source{calc, options};
  formulas::TFormules formules{&source};
  results::TResModel model{results::TResLinks{&calc, &grids, &memory, &formules, &source, &data, &options, {}, {}}};
  std::array<results::TGraph, results::GraphSlotCount> graphs;
};

TBenchMeasurement &Measurement() {
  static TBenchMeasurement measurement;
  return measurement;
}



// Positions, smoothed derivatives, the datasheet's columns and the formula again.
void BM_Recalculate(benchmark::State &state) {
  TBenchMeasurement &m = Measurement();
  for (auto _ : state) {
    m.calc.Invalidate(kinematics::rsBoth);
    benchmark::DoNotOptimize(m.model.Recalculate(true));
  }
  state.counters["samples"] = m.calc.SamplesCount();
}
BENCHMARK(BM_Recalculate)->Unit(benchmark::kMillisecond);

// A view built from its lists (series of every object, world, titles) and painted.
void BM_BuildAndPaintView(benchmark::State &state) {
  TBenchMeasurement &m = Measurement();
  const int view = int(state.range(0));
  if (view == results::rvTemps) m.model.Memory().TempsObjects = {0, 1, 2};
  m.model.SetView(view);
  results::TGraph &graph = m.graphs[size_t(results::SlotOfView(view))];
  int elements = 0;
  for (auto _ : state) {
    m.model.RequestRescaleAll();
    m.model.BuildView();
    benchmark::DoNotOptimize(graph.Picture().constBits());
    elements = int(graph.Elements().size());
  }
  state.counters["elements"] = elements;
}
BENCHMARK(BM_BuildAndPaintView)
    ->Arg(results::rvTemps)
    ->Arg(results::rvReferentiel)
    ->Arg(results::rvVecteur)
    ->Arg(results::rvFormule)
    ->Unit(benchmark::kMillisecond);

// The time view's y(t) of one object with a fitted parabola: build, fit and paint.
void BM_TimeViewWithModel(benchmark::State &state) {
  TBenchMeasurement &m = Measurement();
  m.model.SetView(results::rvTemps);
  m.model.SetTempsQuantity(1);
  m.model.SetTempsObjects({1});
  m.model.SetViewModel(results::rvTemps, modelling::mtParabola);
  results::TGraph &graph = m.graphs[results::gsTemps];
  for (auto _ : state) {
    m.model.BuildView();
    benchmark::DoNotOptimize(graph.Picture().constBits());
  }
  m.model.SetViewModel(results::rvTemps, modelling::mtNone);
}
BENCHMARK(BM_TimeViewWithModel)->Unit(benchmark::kMillisecond);

// Repainting a built view alone (a zoom, a pan, a construct dragged).
void BM_RepaintView(benchmark::State &state) {
  TBenchMeasurement &m = Measurement();
  const int view = int(state.range(0));
  m.model.SetView(view);
  results::TGraph &graph = m.graphs[size_t(results::SlotOfView(view))];
  for (auto _ : state) {
    graph.Invalidate();
    benchmark::DoNotOptimize(graph.Picture().constBits());
  }
}
BENCHMARK(BM_RepaintView)
    ->Arg(results::rvTemps)
    ->Arg(results::rvReferentiel)
    ->Arg(results::rvVecteur)
    ->Arg(results::rvFormule)
    ->Unit(benchmark::kMillisecond);

// The datasheet's cells of one screen (40 rows) in the middle of the measurement.
void BM_DatasheetScreen(benchmark::State &state) {
  TBenchMeasurement &m = Measurement();
  int length = 0;
  for (auto _ : state)
    for (int row = 5000; row < 5040; ++row)
      for (int col = 0; col < m.grids.ColCount(); ++col) length += int(m.grids.Cell(col, row).size());
  benchmark::DoNotOptimize(length);
}
BENCHMARK(BM_DatasheetScreen)->Unit(benchmark::kMicrosecond);

}  // namespace result_views_bench

int main(int argc, char **argv) {
  qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
  QGuiApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
