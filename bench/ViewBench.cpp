// Next frame at 1080p, from the command to the painted back buffer, against the reader's
// own next frame (seek to the next frame and draw it whole at its size). The view adds its
// paint pipeline: the stretch into the back buffer, the document's overlay and, for the
// widget, the copy to the screen (the offscreen platform's backing store here). Read the
// ratios from one run: ViewNextFrame / ReaderNextFrame is the view's overhead.
//
// The fixture, a 1080p H.264 file with a group of 50 pictures, is made by ffmpeg at start.

#include "measurement/Data.h"
#include "measurement/GraphUtils.h"
#include "settings/Options.h"
#include "video/FFMpegPlay.h"
#include "videoview/NullSurface.h"
#include "videoview/VideoModel.h"
#include "videoview/windows/Video.h"

#include <QApplication>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <memory>

namespace {

using namespace kolibra;

QString WrapperFolder() { return QStringLiteral(KOLIBRA_BENCH_KLBDLL_DIR); }

constexpr int FrameCount = 300;

struct TViewBenchFixture {
  QTemporaryDir Folder;
  QString Video;
  TViewBenchFixture() {
    Video = Folder.filePath(QStringLiteral("next_1080p.mp4"));
    const QStringList arguments = {
        QStringLiteral("-nostdin"), QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-y"),
        QStringLiteral("-f"), QStringLiteral("lavfi"), QStringLiteral("-i"),
        QStringLiteral("testsrc2=size=1920x1080:rate=25"), QStringLiteral("-frames:v"), QString::number(FrameCount),
        QStringLiteral("-c:v"), QStringLiteral("libx264"), QStringLiteral("-preset"), QStringLiteral("veryfast"),
        QStringLiteral("-g"), QStringLiteral("50"), QStringLiteral("-pix_fmt"), QStringLiteral("yuv420p"), Video};
    if (QProcess::execute(QStringLiteral("ffmpeg"), arguments) != 0) std::fprintf(stderr, "ffmpeg failed\n");
  }
};

TViewBenchFixture &Fixture() {
  static TViewBenchFixture fixture;
  return fixture;
}

// A surface that paints nothing on a screen: the back buffer is the end of the road.
using TBufferSurface = videoview::TNullSurface;

// Walks the frames forward; going back to the start is not timed.
template <typename Step>
void RunForward(benchmark::State &state, int start, Step step) {
  int frame = start;
  for (auto _ : state) {
    if (frame + 1 >= FrameCount) {
      state.PauseTiming();
      step(-1);
      frame = 0;
      state.ResumeTiming();
    }
    ++frame;
    step(frame);
  }
  state.SetItemsProcessed(state.iterations());
}

void ReaderNextFrame(benchmark::State &state) {
  video::TFFMpegPlay reader(WrapperFolder());
  if (!reader.OpenFile(Fixture().Video)) {
    state.SkipWithError("the 1080p fixture cannot be opened");
    return;
  }
  QImage picture(reader.FrameWidth(), reader.FrameHeight(), QImage::Format_RGB888);
  const QRect whole(0, 0, reader.FrameWidth(), reader.FrameHeight());
  reader.SetPosition(0);
  reader.Draw(picture, whole);
  RunForward(state, 0, [&](int frame) {
    reader.SetPosition(frame < 0 ? 0 : frame);
    benchmark::DoNotOptimize(reader.Draw(picture, whole));
  });
}

// The view model on a 1080p back buffer; with marks, the document draws 40 marks, the
// scale and the axes over each frame.
void ViewNextFrame(benchmark::State &state, bool marks) {
  TBufferSurface surface;
  videoview::TVideoModel model(surface, WrapperFolder());
  QTemporaryDir folder;
  settings::TOptions options(folder.filePath(QStringLiteral("Kolibra.ini")));
  measurement::TData data(model, options);
  model.SetDocument(&data);
  model.Resize(1920, 1080);
  if (!model.Open(Fixture().Video)) {
    state.SkipWithError("the 1080p fixture cannot be opened");
    return;
  }
  data.NewMeasurement();
  if (marks) {
    data.SetObjectsCount(2);
    data.SetMarksIsAllDrawn(true);
    for (int i = 0; i < 20; ++i) {
      data.MouseDown(Qt::LeftButton, Qt::NoModifier, TPoint(100 + 40 * i, 300));
      data.MouseDown(Qt::LeftButton, Qt::NoModifier, TPoint(100 + 40 * i, 600));
    }
    data.SetActiveTool(measurement::dtAxes);
    data.MouseDown(Qt::LeftButton, Qt::NoModifier, TPoint(200, 900));
    data.SetActiveTool(measurement::dtScale);
    data.MouseDown(Qt::LeftButton, Qt::NoModifier, TPoint(100, 1000));
    data.MouseDown(Qt::LeftButton, Qt::NoModifier, TPoint(900, 1000));
  }
  model.GoTo(0);
  model.PaintDisplay();
  RunForward(state, 0, [&](int frame) {
    model.GoTo(frame < 0 ? 0 : frame);
    benchmark::DoNotOptimize(model.PaintDisplay());
    model.FinishPaint();
  });
  model.SetDocument(nullptr);
}

void ViewNextFrameBare(benchmark::State &state) { ViewNextFrame(state, false); }
void ViewNextFrameWithMarks(benchmark::State &state) { ViewNextFrame(state, true); }

// The widget: the view repainted at once after each move, as playback does.
void WidgetNextFrame(benchmark::State &state) {
  QWidget window;
  window.resize(1920, 1080);
  auto *view = new videoview::TVideo(&window, WrapperFolder());
  view->setGeometry(0, 0, 1920, 1080);
  window.show();
  if (!view->Model().Open(Fixture().Video)) {
    state.SkipWithError("the 1080p fixture cannot be opened");
    return;
  }
  view->show();
  QCoreApplication::processEvents();
  RunForward(state, 0, [&](int frame) {
    view->Model().GoTo(frame < 0 ? 0 : frame);
    view->repaint();
  });
}

BENCHMARK(ReaderNextFrame)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(290);
BENCHMARK(ViewNextFrameBare)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(290);
BENCHMARK(ViewNextFrameWithMarks)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(290);
BENCHMARK(WidgetNextFrame)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(290);

}  // namespace

int main(int argc, char **argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  kolibra::measurement::CreateGraphUtils();
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  Fixture();
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  kolibra::measurement::FreeGraphUtils();
  return 0;
}
