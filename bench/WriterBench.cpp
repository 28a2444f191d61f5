// Frames written per second at 720p (1280 x 720, 25 frames per second), per back-end and
// codec: the picture handed over, converted, compressed and written to a file on the
// temporary folder's disk. The pictures change from frame to frame (a moving disc over
// gradients and noise), so that no codec is flattered by a still picture. Real time is
// measured: the GStreamer pipeline and the encoders run on threads of their own.

#include "editing/writers/VideoWriters.h"

#include <QImage>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cmath>
#include <vector>

namespace {

using kolibra::editing::TVideoWriter;
using kolibra::editing::TVideoWriters;
using kolibra::editing::TWriterSettings;

const std::vector<QImage> &Pictures() {
  static const std::vector<QImage> pictures = [] {
    std::vector<QImage> list;
    uint32_t noise = 12345;
    for (int k = 0; k < 16; ++k) {
      QImage p(1280, 720, QImage::Format_RGB888);
      for (int y = 0; y < 720; ++y) {
        uchar *row = p.scanLine(y);
        for (int x = 0; x < 1280; ++x) {
          noise = noise * 1664525u + 1013904223u;
          const int n = int(noise >> 29);
          const bool disc = std::hypot(x - 200.0 - 50.0 * k, y - 360.0) < 90.0;
          row[3 * x] = uchar(disc ? 230 : 40 + x * 170 / 1280 + n);
          row[3 * x + 1] = uchar(disc ? 200 : 30 + y * 180 / 720 + n);
          row[3 * x + 2] = uchar(disc ? 20 : 90 + k * 5 + n);
        }
      }
      list.push_back(p);
    }
    return list;
  }();
  return pictures;
}

TVideoWriters &Writers() {
  static TVideoWriters writers{QStringLiteral(KOLIBRA_BENCH_KLBDLL_DIR)};
  return writers;
}

// One iteration writes a clip of ClipFrames frames, finish included (the frames a codec
// holds back and the index); opening the file is not counted.
constexpr int ClipFrames = 75;

void WriteFrames(benchmark::State &State, kolibra::video::TFramework Framework, const char *Codec) {
  TVideoWriter &writer = *Writers().Writer(Framework);
  if (!writer.Available()) {
    State.SkipWithError("framework not available");
    return;
  }
  QTemporaryDir folder;
  TWriterSettings settings;
  settings.Width = 1280;
  settings.Height = 720;
  settings.Codec = QString::fromLatin1(Codec);
  settings.Overwrite = true;
  const QString file = folder.filePath(QStringLiteral("bench.avi"));
  const std::vector<QImage> &pictures = Pictures();
  for (auto _ : State) {
    State.PauseTiming();
    const bool open = writer.OpenOutput(file, settings);
    State.ResumeTiming();
    if (!open) {
      State.SkipWithError((writer.ErrorText() + QStringLiteral(": ") + writer.ErrorDetail()).toStdString().c_str());
      return;
    }
    for (int i = 0; i < ClipFrames; ++i) {
      if (!writer.AddFrame(pictures[size_t(i) % pictures.size()])) {
        State.SkipWithError("frame refused");
        return;
      }
    }
    if (!writer.Finish()) {
      State.SkipWithError("finish failed");
      return;
    }
  }
  State.SetItemsProcessed(State.iterations() * ClipFrames);
}

void Register() {
  using kolibra::video::fwDS;
  using kolibra::video::fwFFMpeg;
  using kolibra::video::fwVfw;
  const struct {
    kolibra::video::TFramework Framework;
    const char *Codec;
    const char *Name;
  } cases[] = {
      {fwVfw, "without", "Vfw/without"},
      {fwVfw, "Motion JPEG", "Vfw/MotionJPEG"},
      {fwVfw, "MPEG-4 part 2", "Vfw/MPEG4"},
      {fwVfw, "H.264", "Vfw/H264"},
      {fwVfw, "HuffYUV", "Vfw/HuffYUV"},
      {fwVfw, "Ut Video", "Vfw/UtVideo"},
      {fwVfw, "FFV1", "Vfw/FFV1"},
      {fwFFMpeg, "without", "FFMpeg/without"},
      {fwFFMpeg, "FFMpeg internal MPEG4 codec", "FFMpeg/MPEG4"},
      {fwDS, "without", "DS/without"},
      {fwDS, "jpegenc", "DS/jpegenc"},
      {fwDS, "x264enc", "DS/x264enc"},
      {fwDS, "avenc_mpeg4", "DS/avenc_mpeg4"},
      {fwDS, "avenc_huffyuv", "DS/avenc_huffyuv"},
      {fwDS, "pngenc", "DS/pngenc"},
  };
  for (const auto &c : cases) {
    benchmark::RegisterBenchmark(c.Name, WriteFrames, c.Framework, c.Codec)
        ->Iterations(2)
        ->UseRealTime()
        ->Unit(benchmark::kMillisecond);
  }
}

}  // namespace

int main(int argc, char **argv) {
  Register();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
