#include "kit/IniFile.h"
#include "kit/Locale.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace kolibra;

// Writing and reading back a work-file-sized INI file (a few thousand marks).
static void BM_IniRoundTrip(benchmark::State &state) {
  QTemporaryDir dir;
  const QString name = dir.filePath(QStringLiteral("marks.klb"));
  const int marks = int(state.range(0));
  for (auto _ : state) {
    TIniFile out(name);
    for (int i = 0; i < marks; ++i) {
      out.WriteFloat(QStringLiteral("Data"), IndexedKey(QStringLiteral("MarkXCoordinate"), i), i * 0.001);
      out.WriteFloat(QStringLiteral("Data"), IndexedKey(QStringLiteral("MarkYCoordinate"), i), i * 0.002);
    }
    out.UpdateFile();
    TIniFile in(name);
    double sum = 0;
    for (int i = 0; i < marks; i += 97)
      sum += in.ReadFloat(QStringLiteral("Data"), IndexedKey(QStringLiteral("MarkXCoordinate"), i), 0);
    benchmark::DoNotOptimize(sum);
  }
}
BENCHMARK(BM_IniRoundTrip)->Arg(200)->Arg(2000);

// Reading a file of many small sections (a damaged or hostile work file): the time per
// section must not grow with the number of sections.
static void BM_IniManySections(benchmark::State &state) {
  QString text;
  for (int i = 0; i < int(state.range(0)); ++i) text += QStringLiteral("[S%1]\nk=1\n").arg(i);
  for (auto _ : state) {
    const TIniFile ini = TIniFile::FromText(QString(), text);
    benchmark::DoNotOptimize(ini.KeyCount(QStringLiteral("S7")));
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_IniManySections)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

static void BM_RealToText(benchmark::State &state) {
  double x = 0.123456789;
  for (auto _ : state) {
    benchmark::DoNotOptimize(RealToText(x));
    x += 1.000001;
  }
}
BENCHMARK(BM_RealToText);
