// The kinematics calculator on a long measurement: three objects marked on 10,000 frames
// each (a throw, a turning wheel's rim and a damped swing), calibrated as a user calibrates,
// through the document. Measured: the positions (times, coordinates in both frames of
// reference), the derivatives of every series unsmoothed and smoothed (velocities,
// accelerations, angular velocity), every quantity together as the results window asks for
// them (positions, derivatives, the datasheet's columns and every value read once), and the
// datasheet's full text form as the export writes it.

#include "kinematics/Calcul.h"
#include "kinematics/Quantities.h"
#include "kinematics/ResultFacades.h"
#include "kit/Locale.h"
#include "measurement/Data.h"
#include "BenchViewPort.h"
#include "settings/Options.h"

#include <QDateTime>
#include <QGuiApplication>
#include <QStringList>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cmath>
#include <memory>

namespace {

using namespace kolibra;

constexpr int Objects = 3;
constexpr int Frames = 10000;

using TBenchViewPort = bench::TBenchViewPort;

struct TMeasurement {
  ScopedDecimalSeparator Separator{QLatin1Char('.')};
  QTemporaryDir Folder;
  TBenchViewPort View;
  settings::TOptions Options{Folder.filePath(QStringLiteral("Kolibra.ini"))};
  measurement::TData Data{View, Options};
  kinematics::TResCalc Calc{Data, Options};
  kinematics::TResGrid Grids{Calc, Data, Options};

  void Click(TPoint pixel) {
    Data.MouseMove(Qt::NoModifier, pixel);
    Data.MouseDown(Qt::LeftButton, Qt::NoModifier, pixel);
    Data.MouseUp(Qt::LeftButton, Qt::NoModifier, pixel);
  }

  TMeasurement() {
    Data.SetResultsInvalidation(&Calc);
    Data.SetMeasurementMode(measurement::TMeasurementMode::FixedAxes);
    Data.SetFrameInterval(0.04);
    // A scale of 100 pixels for 0.1 m, the axes' origin at pixel (100, 400).
    Data.SetActiveTool(measurement::dtScale);
    Click(TPoint(0, 240));
    Click(TPoint(100, 240));
    Data.SetScaleLength(0.1);
    Data.SetActiveTool(measurement::dtAxes);
    Click(TPoint(100, 400));
    Data.SetActiveTool(measurement::dtPointing);

    Data.SetObjectsCount(Objects);
    measurement::TPointDMatrix positions(Objects);
    TMatriceI frames(Objects);
    for (int k = 0; k < Frames; ++k) {
      const double t = k * 0.04;
      const double phase = 2.0 * M_PI * std::fmod(t, 8.0) / 8.0;
      const double metres[Objects][2] = {
          {0.02 + 0.05 * std::fmod(t, 8.0), 0.05 + 0.3 * std::sin(phase / 2.0)},           // a throw, again and again
          {0.25 + 0.1 * std::cos(3.0 * phase), 0.2 + 0.1 * std::sin(3.0 * phase)},           // a rim
          {0.3 + 0.15 * std::exp(-0.05 * t) * std::sin(7.0 * phase), 0.3 - 0.01 * std::cos(phase)}};  // a swing
      for (int o = 0; o < Objects; ++o) {
        const double x = (100.0 + metres[o][0] / 0.001) / 640.0;
        const double y = (400.0 - metres[o][1] / 0.001) / 480.0;
        positions[size_t(o)].push_back(TPointD(x, y));
        frames[size_t(o)].push_back(k);
      }
    }
    Data.PlaceTrackedMarks(positions, frames);
  }
};

TMeasurement &Measurement() {
  static TMeasurement measurement;
  return measurement;
}

void SetLabel(benchmark::State &State, int Flags) {
  State.SetLabel(std::to_string(Objects) + " objects x " + std::to_string(Frames) + " frames, " +
                 (Flags == 0 ? "unsmoothed" : "smoothed"));
}

void BM_Positions(benchmark::State &State) {
  TMeasurement &m = Measurement();
  for (auto _ : State) {
    m.Calc.Invalidate(kinematics::rsActive);
    if (m.Calc.Compute(kinematics::rsActive) != kinematics::krOk) State.SkipWithError("no positions");
  }
  SetLabel(State, 0);
}

// Argument: the smoothing flags (0 none, 3 velocity and acceleration).
void BM_Derivatives(benchmark::State &State) {
  TMeasurement &m = Measurement();
  const int flags = int(State.range(0));
  m.Calc.Compute(kinematics::rsActive);
  for (auto _ : State) {
    if (!m.Calc.ComputeDerivatives(kinematics::rsActive, flags)) State.SkipWithError("the derivation failed");
  }
  SetLabel(State, flags);
}

// What the results window asks for after a change: the positions, the derivatives, the
// datasheet's columns, and every value of every quantity read once.
void BM_EveryQuantity(benchmark::State &State) {
  TMeasurement &m = Measurement();
  const int flags = int(State.range(0));
  static const int kinds[] = {kinematics::qkTime,  kinematics::qkX,  kinematics::qkY,     kinematics::qkVx,
                              kinematics::qkVy, kinematics::qkV,  kinematics::qkAx,    kinematics::qkAy,
                              kinematics::qkA,  kinematics::qkAngle, kinematics::qkRadius, kinematics::qkOmega};
  for (auto _ : State) {
    m.Calc.Invalidate(kinematics::rsActive);
    m.Calc.Compute(kinematics::rsActive);
    m.Calc.ComputeDerivatives(kinematics::rsActive, flags);
    m.Grids.Rebuild(kinematics::rsActive);
    double sum = 0.0;
    for (int frame = 0; frame < 2; ++frame) {
      for (int o = 0; o < Objects; ++o) {
        for (int kind : kinds) {
          for (int s = 0; s < m.Calc.SamplesCount(); ++s) sum += m.Calc.Value(frame, o, kind, s);
        }
      }
    }
    benchmark::DoNotOptimize(sum);
  }
  State.counters["values"] = 2.0 * Objects * std::size(kinds) * m.Calc.SamplesCount();
  if (m.Calc.LastResult() != kinematics::krOk) State.SkipWithError("the derivation failed");
  SetLabel(State, flags);
}

// The datasheet's full text form (every column shown), as the export writes it.
void BM_TextForm(benchmark::State &State) {
  TMeasurement &m = Measurement();
  const int flags = int(State.range(0));
  m.Calc.Compute(kinematics::rsActive);
  m.Calc.ComputeDerivatives(kinematics::rsActive, flags);
  m.Grids.Rebuild(kinematics::rsActive);
  m.Grids.SetKindsVisible(~kinematics::TQuantitySet(0), true);
  const QDateTime when(QDate(2024, 3, 5), QTime(14, 7, 9));
  qsizetype characters = 0;
  int columns = 0;
  for (auto _ : State) {
    QStringList lines;
    columns = m.Grids.FillText(lines, QStringLiteral("kolibra"), when);
    characters = 0;
    for (const QString &line : lines) characters += line.size() + 1;
    benchmark::DoNotOptimize(characters);
  }
  State.counters["columns"] = columns;
  State.counters["MB"] = double(characters) / 1e6;
  SetLabel(State, flags);
}

BENCHMARK(BM_Positions)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(BM_Derivatives)->Arg(0)->Arg(kinematics::sfVelocity | kinematics::sfAcceleration)
    ->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(BM_EveryQuantity)->Arg(0)->Arg(kinematics::sfVelocity | kinematics::sfAcceleration)
    ->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(BM_TextForm)->Arg(0)->Arg(kinematics::sfVelocity | kinematics::sfAcceleration)
    ->Unit(benchmark::kMillisecond)->MinTime(1.0);

}  // namespace

int main(int argc, char **argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  Measurement();
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
