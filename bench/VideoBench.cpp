// Speed of the readers on what slows readers down: a 1080p H.264 file with a group of 250
// pictures (B-frames included), an MJPEG AVI and an uncompressed AVI. Measured: open to
// first frame, next frame, previous frame (mean and median), random access, and for scale
// FFmpeg's own decode-and-convert per frame on the same file. The AVI files are read by the
// FFmpeg reader and by Kolibra's AVI reader (and GStreamer's, for scale). Fixtures are made
// by ffmpeg when the program starts. Read the ratios from one run: next / FFmpeg, previous
// median / next, random / (FFmpeg x (mean distance from the keyframe before + 1)), and AVI
// reader / FFmpeg reader on the same file.

#include "video/DSPlay.h"
#include "video/FFMpegPlay.h"
#include "video/VfwPlay.h"
#include "video/convert/PictureConverter.h"

#include <QDir>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>
#include <memory>
#include <random>
#include <vector>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libswscale/swscale.h>
}

namespace {

using kolibra::video::TDSPlay;
using kolibra::video::TFFMpegPlay;
using kolibra::video::TVfwPlay;
using kolibra::video::TVideoPlay;

struct TBenchFixtures {
  QTemporaryDir Folder;
  QString H264;
  QString Mjpeg;
  QString Raw;

  TBenchFixtures() {
    H264 = Folder.filePath(QStringLiteral("gop250_1080p.mp4"));
    Mjpeg = Folder.filePath(QStringLiteral("mjpeg_720p.avi"));
    Raw = Folder.filePath(QStringLiteral("raw_720p.avi"));
    Make({QStringLiteral("-f"), QStringLiteral("lavfi"), QStringLiteral("-i"),
          QStringLiteral("testsrc2=size=1920x1080:rate=25"), QStringLiteral("-frames:v"), QStringLiteral("300"),
          QStringLiteral("-c:v"), QStringLiteral("libx264"), QStringLiteral("-preset"), QStringLiteral("veryfast"),
          QStringLiteral("-g"), QStringLiteral("250"), QStringLiteral("-keyint_min"), QStringLiteral("250"),
          QStringLiteral("-sc_threshold"), QStringLiteral("0"), QStringLiteral("-bf"), QStringLiteral("3"),
          QStringLiteral("-pix_fmt"), QStringLiteral("yuv420p"), H264});
    Make({QStringLiteral("-f"), QStringLiteral("lavfi"), QStringLiteral("-i"),
          QStringLiteral("testsrc2=size=1280x720:rate=25"), QStringLiteral("-frames:v"), QStringLiteral("100"),
          QStringLiteral("-c:v"), QStringLiteral("mjpeg"), QStringLiteral("-q:v"), QStringLiteral("4"),
          QStringLiteral("-pix_fmt"), QStringLiteral("yuvj420p"), Mjpeg});
    Make({QStringLiteral("-f"), QStringLiteral("lavfi"), QStringLiteral("-i"),
          QStringLiteral("testsrc2=size=1280x720:rate=25"), QStringLiteral("-frames:v"), QStringLiteral("40"),
          QStringLiteral("-c:v"), QStringLiteral("rawvideo"), QStringLiteral("-pix_fmt"), QStringLiteral("bgr24"), Raw});
  }

  static void Make(QStringList Arguments) {
    Arguments.prepend(QStringLiteral("-y"));
    Arguments.prepend(QStringLiteral("error"));
    Arguments.prepend(QStringLiteral("-v"));
    Arguments.prepend(QStringLiteral("-nostdin"));
    if (QProcess::execute(QStringLiteral("ffmpeg"), Arguments) != 0) std::fprintf(stderr, "ffmpeg failed\n");
  }
};

TBenchFixtures &Fixtures() {
  static TBenchFixtures fixtures;
  return fixtures;
}

QString BenchFile(int Which) {
  return Which == 0 ? Fixtures().H264 : Which == 1 ? Fixtures().Mjpeg : Fixtures().Raw;
}

QString WrapperFolder() { return QStringLiteral(KOLIBRA_BENCH_KLBDLL_DIR); }

// Reader 0 is FFmpeg's, 1 Kolibra's AVI reader, 2 GStreamer's.
std::unique_ptr<TVideoPlay> MakeReader(int Which) {
  if (Which == 1) return std::make_unique<TVfwPlay>();
  if (Which == 2) return std::make_unique<TDSPlay>();
  return std::make_unique<TFFMpegPlay>(WrapperFolder());
}

std::unique_ptr<TVideoPlay> OpenReader(benchmark::State &State) {
  std::unique_ptr<TVideoPlay> reader = MakeReader(static_cast<int>(State.range(1)));
  reader->SetFileName(BenchFile(static_cast<int>(State.range(0))));
  if (!reader->Opened()) State.SkipWithError("open failed");
  return reader;
}

bool DrawWhole(TVideoPlay &Reader, QImage &Picture) {
  return Reader.Draw(Picture, QRect(0, 0, Reader.FrameWidth(), Reader.FrameHeight()));
}

void SetLabel(benchmark::State &State, int Which) {
  static const char *const files[] = {"h264 1080p gop250", "mjpeg 720p", "raw 720p"};
  static const char *const readers[] = {"ffmpeg", "avi", "gstreamer"};
  std::string label = files[Which];
  if (State.range(1) >= 0 && State.range(1) <= 2) label += std::string(" / ") + readers[State.range(1)];
  State.SetLabel(label);
}

void BM_OpenToFirstFrame(benchmark::State &State) {
  const QString file = BenchFile(static_cast<int>(State.range(0)));
  std::unique_ptr<TVideoPlay> reader = MakeReader(static_cast<int>(State.range(1)));
  QImage picture;
  for (auto _ : State) {
    reader->SetFileName(file);
    if (!reader->Opened()) State.SkipWithError("open failed");
    if (picture.isNull()) picture = QImage(reader->FrameWidth(), reader->FrameHeight(), QImage::Format_RGB888);
    benchmark::DoNotOptimize(DrawWhole(*reader, picture));
  }
  SetLabel(State, static_cast<int>(State.range(0)));
}

void BM_NextFrame(benchmark::State &State) {
  std::unique_ptr<TVideoPlay> opened = OpenReader(State);
  TVideoPlay &reader = *opened;
  QImage picture(reader.FrameWidth(), reader.FrameHeight(), QImage::Format_RGB888);
  DrawWhole(reader, picture);
  for (auto _ : State) {
    if (reader.Position() == reader.FrameCount() - 1) {
      State.PauseTiming();
      reader.SetPosition(0);
      DrawWhole(reader, picture);
      State.ResumeTiming();
    }
    reader.SetPosition(reader.Position() + 1);
    benchmark::DoNotOptimize(DrawWhole(reader, picture));
  }
  SetLabel(State, static_cast<int>(State.range(0)));
}

// Timed one step at a time, so that the median shows beside the mean.
void BM_PreviousFrame(benchmark::State &State) {
  std::unique_ptr<TVideoPlay> opened = OpenReader(State);
  TVideoPlay &reader = *opened;
  QImage picture(reader.FrameWidth(), reader.FrameHeight(), QImage::Format_RGB888);
  reader.SetPosition(reader.FrameCount() - 1);
  DrawWhole(reader, picture);
  std::vector<double> steps;
  for (auto _ : State) {
    if (reader.Position() == 0) {
      reader.SetPosition(reader.FrameCount() - 1);
      DrawWhole(reader, picture);
    }
    const auto start = std::chrono::steady_clock::now();
    reader.SetPosition(reader.Position() - 1);
    DrawWhole(reader, picture);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    State.SetIterationTime(seconds);
    steps.push_back(seconds);
  }
  std::sort(steps.begin(), steps.end());
  if (!steps.empty()) State.counters["median_ms"] = 1000.0 * steps[steps.size() / 2];
  SetLabel(State, static_cast<int>(State.range(0)));
}

void BM_RandomAccess(benchmark::State &State) {
  std::unique_ptr<TVideoPlay> opened = OpenReader(State);
  TVideoPlay &reader = *opened;
  QImage picture(reader.FrameWidth(), reader.FrameHeight(), QImage::Format_RGB888);
  std::mt19937 random(42);
  std::uniform_int_distribution<int> pick(0, reader.FrameCount() - 1);
  for (auto _ : State) {
    reader.SetPosition(pick(random));
    benchmark::DoNotOptimize(DrawWhole(reader, picture));
  }
  SetLabel(State, static_cast<int>(State.range(0)));
}

// FFmpeg alone: read, decode with its threads, convert to 24-bit RGB, one frame per round.
class TPlainDecoder {
 public:
  explicit TPlainDecoder(const QString &File) : FFile(QFile::encodeName(File)) { Open(); }
  ~TPlainDecoder() { Free(); }

  bool Next(std::vector<uint8_t> &Rgb) {
    for (;;) {
      const int r = avcodec_receive_frame(FDecoder, FFrame);
      if (r == 0) {
        Rgb.resize(size_t(FFrame->width) * FFrame->height * 3);
        FScaler = sws_getCachedContext(FScaler, FFrame->width, FFrame->height,
                                       static_cast<AVPixelFormat>(FFrame->format), FFrame->width, FFrame->height,
                                       AV_PIX_FMT_RGB24, SWS_BICUBIC, nullptr, nullptr, nullptr);
        uint8_t *dst[4] = {Rgb.data(), nullptr, nullptr, nullptr};
        int stride[4] = {FFrame->width * 3, 0, 0, 0};
        sws_scale(FScaler, FFrame->data, FFrame->linesize, 0, FFrame->height, dst, stride);
        av_frame_unref(FFrame);
        return true;
      }
      if (r == AVERROR_EOF) return false;
      if (av_read_frame(FFormat, FPacket) < 0) {
        avcodec_send_packet(FDecoder, nullptr);
        continue;
      }
      if (FPacket->stream_index == FStream) avcodec_send_packet(FDecoder, FPacket);
      av_packet_unref(FPacket);
    }
  }

  void Restart() {
    Free();
    Open();
  }

 private:
  void Open() {
    avformat_open_input(&FFormat, FFile.constData(), nullptr, nullptr);
    avformat_find_stream_info(FFormat, nullptr);
    const AVCodec *codec = nullptr;
    FStream = av_find_best_stream(FFormat, AVMEDIA_TYPE_VIDEO, -1, -1, &codec, 0);
    FDecoder = avcodec_alloc_context3(codec);
    avcodec_parameters_to_context(FDecoder, FFormat->streams[FStream]->codecpar);
    FDecoder->thread_count = 0;
    FDecoder->thread_type = FF_THREAD_FRAME | FF_THREAD_SLICE;
    avcodec_open2(FDecoder, codec, nullptr);
    FFrame = av_frame_alloc();
    FPacket = av_packet_alloc();
  }
  void Free() {
    av_frame_free(&FFrame);
    av_packet_free(&FPacket);
    avcodec_free_context(&FDecoder);
    avformat_close_input(&FFormat);
    sws_freeContext(FScaler);
    FScaler = nullptr;
  }

  QByteArray FFile;
  AVFormatContext *FFormat = nullptr;
  AVCodecContext *FDecoder = nullptr;
  SwsContext *FScaler = nullptr;
  AVFrame *FFrame = nullptr;
  AVPacket *FPacket = nullptr;
  int FStream = -1;
};

void BM_FFmpegDecodeAndConvert(benchmark::State &State) {
  TPlainDecoder decoder(BenchFile(static_cast<int>(State.range(0))));
  std::vector<uint8_t> rgb;
  for (auto _ : State) {
    if (!decoder.Next(rgb)) {
      State.PauseTiming();
      decoder.Restart();
      State.ResumeTiming();
      decoder.Next(rgb);
    }
    benchmark::DoNotOptimize(rgb.data());
  }
  SetLabel(State, static_cast<int>(State.range(0)));
}

// One pass over each file (299 steps of 300 frames, 99 of 100, 39 of 40), so that no frame is
// met twice and the cache cannot flatter the figures. Arguments: file, reader.
BENCHMARK(BM_OpenToFirstFrame)->Args({0, 0})->Args({1, 0})->Args({1, 1})->Args({2, 0})->Args({2, 1})
    ->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(BM_FFmpegDecodeAndConvert)->Args({0, -1})->Unit(benchmark::kMillisecond)->Iterations(299);
BENCHMARK(BM_FFmpegDecodeAndConvert)->Args({1, -1})->Unit(benchmark::kMillisecond)->Iterations(99);
BENCHMARK(BM_FFmpegDecodeAndConvert)->Args({2, -1})->Unit(benchmark::kMillisecond)->Iterations(39);
BENCHMARK(BM_NextFrame)->Args({0, 0})->Unit(benchmark::kMillisecond)->Iterations(299);
BENCHMARK(BM_NextFrame)->Args({1, 0})->Args({1, 1})->Args({1, 2})->Unit(benchmark::kMillisecond)->Iterations(99);
BENCHMARK(BM_NextFrame)->Args({2, 0})->Args({2, 1})->Args({2, 2})->Unit(benchmark::kMillisecond)->Iterations(39);
BENCHMARK(BM_PreviousFrame)->Args({0, 0})->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(299);
BENCHMARK(BM_PreviousFrame)->Args({1, 0})->Args({1, 1})->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(99);
BENCHMARK(BM_PreviousFrame)->Args({2, 0})->Args({2, 1})->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(39);
BENCHMARK(BM_RandomAccess)->Args({0, 0})->Args({1, 0})->Args({1, 1})->Args({1, 2})->Args({2, 0})->Args({2, 1})
    ->Unit(benchmark::kMillisecond)->Iterations(40);

// A phone's 4K HDR picture (10-bit 4:2:0, BT.2020) converted for the screen: tone-mapped from
// HLG (0) or PQ (1), and for scale the same picture taken as plain BT.709 (2), matrix and range
// only. Arguments: kind.
void BM_Convert4kPicture(benchmark::State &State) {
  const int kind = static_cast<int>(State.range(0));
  AVFrame *picture = av_frame_alloc();
  picture->format = AV_PIX_FMT_YUV420P10;
  picture->width = 3840;
  picture->height = 2160;
  av_frame_get_buffer(picture, 0);
  // Smooth colours across the whole range, as a sky and a lit floor are.
  for (int p = 0; p < 3; ++p) {
    const int w = p ? picture->width / 2 : picture->width, h = p ? picture->height / 2 : picture->height;
    for (int y = 0; y < h; ++y) {
      auto *row = reinterpret_cast<uint16_t *>(picture->data[p] + std::ptrdiff_t(y) * picture->linesize[p]);
      for (int x = 0; x < w; ++x) row[x] = uint16_t(p ? 320 + (x + 2 * y) % 384 : 64 + (x + y) * 876 / (w + h));
    }
  }
  picture->color_range = AVCOL_RANGE_MPEG;
  picture->colorspace = kind == 2 ? AVCOL_SPC_BT709 : AVCOL_SPC_BT2020_NCL;
  picture->color_primaries = kind == 2 ? AVCOL_PRI_BT709 : AVCOL_PRI_BT2020;
  picture->color_trc = kind == 0 ? AVCOL_TRC_ARIB_STD_B67 : kind == 1 ? AVCOL_TRC_SMPTE2084 : AVCOL_TRC_BT709;
  std::vector<uint8_t> rgb(size_t(picture->width) * size_t(picture->height) * 3);
  kolibra::video::TPictureConverter converter;
  for (auto _ : State) {
    converter.ToRgb(*picture, rgb.data(), int64_t(picture->width) * 3, picture->width, picture->height);
    benchmark::DoNotOptimize(rgb.data());
  }
  av_frame_free(&picture);
  State.SetLabel(kind == 0 ? "HLG tone-mapped" : kind == 1 ? "PQ tone-mapped" : "plain BT.709");
}
BENCHMARK(BM_Convert4kPicture)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->Iterations(20);

}  // namespace

int main(int argc, char **argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  Fixtures();
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
