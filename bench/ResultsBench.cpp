// Repainting a graph of 10,000 samples with a fitted sine: into the back buffer (what the
// screen shows after a zoom, a pan or a drag) and as an SVG picture (saving, the clipboard).
// Arguments: 0 points and segments; 1 the same with every point's number label.
#include "kit/MathUtils.h"
#include "modelling/ModelFunction.h"
#include "results/Graph.h"

#include <QGuiApplication>
#include <benchmark/benchmark.h>

#include <cmath>

using namespace kolibra;
using namespace kolibra::results;

namespace results_bench {

constexpr int Samples = 10000;

// A pendulum's x over 40 s at 250 samples a second, with a little deterministic noise.
std::unique_ptr<TGraph> MakeGraph(bool labels) {
  auto graph = std::make_unique<TGraph>();
  graph->SetSize(1200, 800);
  TPointDDynArray samples;
  for (int i = 0; i < Samples; ++i) {
    const double t = i * 0.004;
    samples.push_back(TPointD(t, 0.3 * std::sin(2.5 * t + 0.4) + 0.01 * std::sin(12.9898 * i + 0.5 * i * i)));
  }
  const int c = graph->AddCurve(samples, 0, {});
  graph->SetCurveVisible(c, ceLabels, labels, cfData);
  graph->SetWorld(FitWorldRect(BoundsD(samples), false, false, false, false, 0.05), false);
  graph->SetCurveProperty(c, ceModel, modelling::mtSine, cfData, 6);
  graph->SetShowModeleur(true, true);
  return graph;
}

void BM_RepaintRaster(benchmark::State &state) {
  const auto graph = MakeGraph(state.range(0) != 0);
  for (auto _ : state) {
    graph->Invalidate();
    benchmark::DoNotOptimize(graph->Picture().constBits());
  }
}
BENCHMARK(BM_RepaintRaster)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_RepaintSvg(benchmark::State &state) {
  const auto graph = MakeGraph(state.range(0) != 0);
  size_t bytes = 0;
  for (auto _ : state) {
    const QByteArray svg = graph->SvgData();
    bytes = size_t(svg.size());
    benchmark::DoNotOptimize(svg.constData());
  }
  state.counters["svg_kB"] = double(bytes) / 1024.0;
}
BENCHMARK(BM_RepaintSvg)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// A zoom step: the world changes, every element finds its pixels, the picture is repainted.
void BM_ZoomStep(benchmark::State &state) {
  const auto graph = MakeGraph(false);
  graph->SetTool(gtZoom);
  bool in = true;
  for (auto _ : state) {
    graph->MouseDown(in ? Qt::LeftButton : Qt::RightButton, Qt::NoModifier, TPoint(600, 400));
    graph->MouseUp(in ? Qt::LeftButton : Qt::RightButton, Qt::NoModifier, TPoint(600, 400));
    in = !in;
    benchmark::DoNotOptimize(graph->Picture().constBits());
  }
}
BENCHMARK(BM_ZoomStep)->Unit(benchmark::kMillisecond);

}  // namespace results_bench

int main(int argc, char **argv) {
  qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
  QGuiApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
