// The recovery file: what the window does on its own thread before each write (the work
// written to an INI in memory), and what the writer's thread does with it (its fingerprint,
// its text, the atomic write), for works of 100 to 30,000 tracked marks. The window's part
// must stay well under a frame (16 ms) for the marks a class places by hand, a few hundred.

#include "measurement/GraphUtils.h"
#include "work/HeadlessWork.h"
#include "work/Recovery.h"
#include "work/RecoveryWriter.h"

#include <QDateTime>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

using namespace kolibra;

void Track(work::THeadlessWork &work, int count) {
  measurement::TPointDMatrix positions(1);
  TMatriceI frames(1);
  for (int k = 0; k < count; ++k) {
    positions[0].emplace_back((k % 640) / 640.0, (k % 480) / 480.0);
    frames[0].push_back(k);
  }
  work.Data.PlaceTrackedMarks(positions, frames);
}

// The window's part: the work written to an INI in memory.
void RecoveryWindowPart(benchmark::State &state) {
  QTemporaryDir folder;
  work::THeadlessWork work(folder.filePath(QStringLiteral("Kolibra.ini")));
  Track(work, int(state.range(0)));
  for (auto _ : state) {
    TIniFile ini = TIniFile::FromText(QString(), QString());
    work::WriteWork(work.Context(), ini);
    benchmark::DoNotOptimize(ini);
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(RecoveryWindowPart)->Arg(100)->Arg(1000)->Arg(30000)->Unit(benchmark::kMillisecond);

// The writer's part: the fingerprint, the text and the atomic write.
void RecoveryWriterPart(benchmark::State &state) {
  QTemporaryDir folder;
  work::THeadlessWork work(folder.filePath(QStringLiteral("Kolibra.ini")));
  Track(work, int(state.range(0)));
  TIniFile ini = TIniFile::FromText(QString(), QString());
  work::WriteWork(work.Context(), ini);
  const work::TRecoveryInfo info{work::CurrentProcess(), QString(), QDateTime::currentDateTimeUtc(), 0};
  work::TRecoveryWriter writer(folder.filePath(QStringLiteral("recovery/1-1.klb")));
  for (auto _ : state) {
    writer.Submit([ini, info](work::TRecoveryWriter &writer, QString &reason) mutable {
      benchmark::DoNotOptimize(work::WorkFingerprint(ini));
      return writer.WriteNow(work::RecoveryText(ini, info), reason);
    });
    writer.Wait();
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(RecoveryWriterPart)->Arg(100)->Arg(1000)->Arg(30000)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

int main(int argc, char **argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  measurement::CreateGraphUtils();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  measurement::FreeGraphUtils();
  return 0;
}
