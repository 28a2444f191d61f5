// Automatic tracking: frames tracked per second, decoding included, at 640 x 480 and
// 1280 x 720 with search radii of 40 and 100, with one object and with three, beside the
// reader's own next frame (decode and grab alone) on the same clips; how many frames of each
// rendered scene of the tests are within max(2 px, 5 % of the object's size) of the truth,
// and the RMS error on the sample "Parabole"; the document placing 30,000 tracked marks at
// once, and undoing a few thousand.
//
// The clips (300 frames of MJPEG, a red square going round over ffmpeg's colourful test
// picture) are made by ffmpeg at start. For the one-core figure run under "taskset -c 0".
// Read: TrackFrames items_per_second is the frames tracked per second; the difference with
// ReaderNextFrame is the tracker's own cost.

#include "videoview/NullSurface.h"
#include "measurement/Data.h"
#include "measurement/GraphUtils.h"
#include "settings/Options.h"
#include "tracking/TrackRun.h"
#include "tracking/support/ClassroomClips.h"
#include "tracking/support/RenderedScenes.h"
#include "video/FFMpegPlay.h"
#include "videoview/VideoModel.h"

#include <QDir>
#include <QFile>
#include <QTextStream>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>

namespace {

using namespace kolibra;

constexpr int FrameCount = 300;

// Where the square's centre is on frame n of a width x height clip (index pixels); ffmpeg's
// overlay counts the frames from 1.
TPointD SquareCentre(int n, int width, int height) {
  return TPointD(width / 2.0 + width / 3.0 * std::sin((n + 1) / 25.0) + 11.5,
                 height / 2.0 + height / 4.0 * std::cos((n + 1) / 19.0) + 11.5);
}

using tracking::testing::CircleOutlineFractions;

// KOLIBRA_BENCH_CLIPS names a folder that keeps the clips between runs (for profiling).
struct TTrackingBenchFixture {
  QTemporaryDir Folder;
  QString Small;
  QString Large;
  TTrackingBenchFixture() {
    Small = Make(640, 480);
    Large = Make(1280, 720);
  }
  QString Make(int width, int height) {
    const QString kept = qEnvironmentVariable("KOLIBRA_BENCH_CLIPS");
    const QDir folder(kept.isEmpty() ? Folder.path() : kept);
    const QString path = folder.filePath(QStringLiteral("square_%1x%2.avi").arg(width).arg(height));
    if (!kept.isEmpty() && QFileInfo::exists(path)) return path;
    const QString graph =
        QStringLiteral("testsrc2=size=%1x%2:rate=25[bg];color=c=red:s=24x24:r=25[sq];"
                       "[bg][sq]overlay=x='%3+%4*sin(n/25)':y='%5+%6*cos(n/19)':shortest=1")
            .arg(width)
            .arg(height)
            .arg(width / 2)
            .arg(width / 3.0)
            .arg(height / 2)
            .arg(height / 4.0);
    const QStringList arguments = {QStringLiteral("-nostdin"), QStringLiteral("-v"), QStringLiteral("error"),
                                   QStringLiteral("-y"), QStringLiteral("-filter_complex"), graph,
                                   QStringLiteral("-frames:v"), QString::number(FrameCount), QStringLiteral("-c:v"),
                                   QStringLiteral("mjpeg"), QStringLiteral("-q:v"), QStringLiteral("4"), path};
    if (QProcess::execute(QStringLiteral("ffmpeg"), arguments) != 0) std::fprintf(stderr, "ffmpeg failed\n");
    return path;
  }
};

TTrackingBenchFixture &Fixture() {
  static TTrackingBenchFixture fixture;
  return fixture;
}

QString Clip(int which) { return which == 0 ? Fixture().Small : Fixture().Large; }

// Decoding and grabbing each next frame, as a run reads them.
void ReaderNextFrame(benchmark::State &state) {
  video::TFFMpegPlay reader(QStringLiteral(KOLIBRA_BENCH_KLBDLL_DIR));
  if (!reader.OpenFile(Clip(int(state.range(0))))) {
    state.SkipWithError("the clip cannot be opened");
    return;
  }
  tracking::TReaderFrames frames(reader);
  QImage picture;
  int frame = 0;
  for (auto _ : state) {
    frame = (frame + 1) % FrameCount;
    frames.GoTo(frame);
    benchmark::DoNotOptimize(frames.Grab(picture));
  }
  state.SetItemsProcessed(state.iterations());
}

// One tracked frame an iteration; a run that reaches the end of the clip starts again
// (not timed).
void TrackFrames(benchmark::State &state) {
  video::TFFMpegPlay reader(QStringLiteral(KOLIBRA_BENCH_KLBDLL_DIR));
  if (!reader.OpenFile(Clip(int(state.range(0))))) {
    state.SkipWithError("the clip cannot be opened");
    return;
  }
  const int width = reader.FrameWidth();
  const int height = reader.FrameHeight();
  tracking::TTrackSetup setup;
  setup.Outline = CircleOutlineFractions(SquareCentre(0, width, height), 18, width, height);
  // Two more objects: patches of the test picture itself, still.
  for (int k = 1; k < int(state.range(2)); ++k)
    setup.Others.push_back(CircleOutlineFractions(TPointD(width * k / 4.0, height * 0.8), 18, width, height));
  setup.EndFrame = FrameCount - 1;
  setup.Radius = int(state.range(1));
  tracking::TReaderFrames frames(reader);
  auto run = std::make_unique<tracking::TTrackRun>(frames);
  run->Start(setup);
  int lost = 0;
  for (auto _ : state) {
    if (!run->Next()) {
      state.PauseTiming();
      run = std::make_unique<tracking::TTrackRun>(frames);
      run->Start(setup);
      state.ResumeTiming();
      run->Next();
    }
    if (run->Last().Status != tracking::fsFound) ++lost;
  }
  state.SetItemsProcessed(state.iterations());
  state.counters["lost"] = lost;
}

// Each rendered scene of the tests tracked once: the share of frames within tolerance
// (goal 0.95), frames "found" more than three tolerances off (goal 0), the statuses and the
// RMS error. The time is the scene's drawing and tracking together.
void SceneAccuracy(benchmark::State &state) {
  const std::vector<tracking::scenes::TRenderedScene> all = tracking::scenes::AllScenes();
  const tracking::scenes::TRenderedScene &scene = all[size_t(state.range(0))];
  tracking::scenes::TSceneScore score;
  for (auto _ : state) score = tracking::scenes::ScoreScene(scene);
  state.SetLabel(scene.Name.toStdString());
  state.counters["within"] = score.Share();
  state.counters["found_far_off"] = score.FoundFarOff;
  state.counters["found"] = score.Found;
  state.counters["uncertain"] = score.Uncertain;
  state.counters["lost"] = score.Lost;
  state.counters["rms_px"] = score.Rms;
}

// The classroom clips marked for the tests: the share of marked frames within tolerance,
// frames "found" more than three tolerances off, and the worst error.
void ClassroomAccuracy(benchmark::State &state) {
  const tracking::classroom::TClassroomClip clip =
      state.range(0) == 0 ? tracking::classroom::PuckOnAirTable() : tracking::classroom::ThrownRedBall();
  tracking::classroom::TClipScore score;
  for (auto _ : state)
    score = tracking::classroom::ScoreClip(clip, QStringLiteral(KOLIBRA_BENCH_SHARED_VIDEOS),
                                           QStringLiteral(KOLIBRA_BENCH_MARKS_DIR), QStringLiteral(KOLIBRA_BENCH_KLBDLL_DIR));
  if (!score.Ran) {
    state.SkipWithError("the clip or its marks cannot be read");
    return;
  }
  state.SetLabel(clip.Video.toStdString());
  state.counters["within"] = score.Share();
  state.counters["found_far_off"] = score.FoundFarOff;
  state.counters["worst_px"] = score.Worst;
}

// The ball of the sample "Parabole" against the positions its generator wrote (goal: RMS at
// most 0.3 px).
void ParaboleAccuracy(benchmark::State &state) {
  QFile file(QStringLiteral(KOLIBRA_BENCH_SAMPLES_DIR "/Parabole.csv"));
  std::vector<TPointD> truth;
  if (file.open(QIODevice::ReadOnly | QIODevice::Text)) {
    QTextStream in(&file);
    in.readLine();
    while (!in.atEnd()) {
      const QStringList fields = in.readLine().split(QLatin1Char(','));
      if (fields.size() == 6) truth.emplace_back(fields[4].toDouble(), fields[5].toDouble());
    }
  }
  video::TFFMpegPlay reader(QStringLiteral(KOLIBRA_BENCH_KLBDLL_DIR));
  if (truth.empty() || !reader.OpenFile(QStringLiteral(KOLIBRA_BENCH_SAMPLES_DIR "/Parabole.avi"))) {
    state.SkipWithError("the sample cannot be read");
    return;
  }
  double rms = 0.0;
  for (auto _ : state) {
    tracking::TTrackSetup setup;
    setup.Outline = CircleOutlineFractions(truth[0], 13.0, reader.FrameWidth(), reader.FrameHeight());
    setup.EndFrame = int(truth.size()) - 1;
    tracking::TReaderFrames frames(reader);
    tracking::TTrackRun run(frames);
    run.Start(setup);
    double squares = 0.0;
    int count = 0;
    while (run.Next()) {
      const TPointD &t = truth[size_t(run.Last().Frame)];
      squares += std::pow(run.Last().Pixel.X - t.X, 2) + std::pow(run.Last().Pixel.Y - t.Y, 2);
      ++count;
    }
    rms = std::sqrt(squares / std::max(1, count));
  }
  state.counters["rms_px"] = rms;
}

// count positions of one object on frames 0 to count - 1.
void TrackedPositions(int count, measurement::TPointDMatrix &positions, TMatriceI &frames) {
  positions.assign(1, {});
  frames.assign(1, {});
  for (int k = 0; k < count; ++k) {
    positions[0].emplace_back((k % 640) / 640.0, (k % 480) / 480.0);
    frames[0].push_back(k);
  }
}

// The positions of a 30,000-frame run written into the document as one undoable step.
void PlaceTrackedMarks(benchmark::State &state) {
  videoview::TNullSurface surface;
  videoview::TVideoModel view(surface);
  QTemporaryDir folder;
  settings::TOptions options(folder.filePath(QStringLiteral("Kolibra.ini")));
  measurement::TData data(view, options);
  const int count = int(state.range(0));
  measurement::TPointDMatrix positions;
  TMatriceI frames;
  TrackedPositions(count, positions, frames);
  for (auto _ : state) {
    state.PauseTiming();
    data.NewMeasurement();
    state.ResumeTiming();
    data.PlaceTrackedMarks(positions, frames);
    benchmark::DoNotOptimize(data.MarksCount());
  }
  state.SetItemsProcessed(state.iterations() * count);
}

// Taking them back: every mark leaves the document one by one (quadratic so far).
void UndoTrackedMarks(benchmark::State &state) {
  videoview::TNullSurface surface;
  videoview::TVideoModel view(surface);
  QTemporaryDir folder;
  settings::TOptions options(folder.filePath(QStringLiteral("Kolibra.ini")));
  measurement::TData data(view, options);
  measurement::TPointDMatrix positions;
  TMatriceI frames;
  TrackedPositions(int(state.range(0)), positions, frames);
  for (auto _ : state) {
    state.PauseTiming();
    data.NewMeasurement();
    data.PlaceTrackedMarks(positions, frames);
    state.ResumeTiming();
    data.Undo();
  }
}
BENCHMARK(UndoTrackedMarks)->Arg(1000)->Arg(3000)->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();

BENCHMARK(ReaderNextFrame)->ArgName("clip")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(TrackFrames)
    ->ArgNames({"clip", "radius", "objects"})
    ->Args({0, 40, 1})
    ->Args({0, 100, 1})
    ->Args({0, 40, 3})
    ->Args({1, 40, 1})
    ->Args({1, 100, 1})
    ->Args({1, 40, 3})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(SceneAccuracy)->ArgName("scene")->DenseRange(0, 6)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(ClassroomAccuracy)->ArgName("clip")->DenseRange(0, 1)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(ParaboleAccuracy)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(PlaceTrackedMarks)->Arg(30000)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

int main(int argc, char **argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  measurement::CreateGraphUtils();
  benchmark::Initialize(&argc, argv);
  Fixture();
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
