// Speed of the readers on what slows readers down: a 1080p H.264 file with a group of 250
// pictures (B-frames included), an MJPEG AVI and an uncompressed AVI. Measured: open to
// first frame, next frame, previous frame (mean and median), random access, and for scale
// FFmpeg's own decode-and-convert per frame on the same file. The AVI files are read by the
// FFmpeg reader and by Kolibra's AVI reader (and GStreamer's, for scale). Fixtures are made
// by ffmpeg when the program starts. Read the ratios from one run: next / FFmpeg, previous
// median / next, random / (FFmpeg x (mean distance from the keyframe before + 1)), and AVI
// reader / FFmpeg reader on the same file.
//
// Phones film at 3840 x 2160 and 60 frames/s, in H.264 or HEVC: two short clips of that kind
// are stepped through frame after frame as the view plays them, against FFmpeg's own decode
// and conversion, in three rounds taken in turn; the ratios of the best rounds are printed at
// the end, by the clock and by the processor time of all threads (steadier when others share
// the machine). The peak resident memory (VmHWM) of a reader stepping through such a clip,
// back and jumping about is measured in a fresh process, as on this machine and as the wrapper
// would do it on 16 processors.
//
//   build/default/bench/video_bench --benchmark_filter='/[34]/'   (the 4K cases only)

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
#include <ctime>
#include <cstdio>
#include <fstream>
#include <map>
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

// A phone's 4K 60 fps clips, a second and a half each with a keyframe every second, made on
// first use (HEVC at 4K takes a while to encode). H.264 as phones write it (High profile,
// CABAC, no B-frames), HEVC with B-frames.
struct TPhoneFixtures {
  static constexpr int Frames = 90;
  QTemporaryDir Folder;
  QString H264;
  QString Hevc;

  TPhoneFixtures() {
    H264 = Folder.filePath(QStringLiteral("phone_4k60.mp4"));
    Hevc = Folder.filePath(QStringLiteral("phone_4k60_hevc.mp4"));
    const QString frames = QString::number(Frames);
    TBenchFixtures::Make({QStringLiteral("-f"), QStringLiteral("lavfi"), QStringLiteral("-i"),
                          QStringLiteral("testsrc2=size=3840x2160:rate=60"), QStringLiteral("-frames:v"), frames,
                          QStringLiteral("-c:v"), QStringLiteral("libx264"), QStringLiteral("-preset"),
                          QStringLiteral("superfast"), QStringLiteral("-profile:v"), QStringLiteral("high"),
                          QStringLiteral("-g"), QStringLiteral("60"), QStringLiteral("-bf"), QStringLiteral("0"),
                          QStringLiteral("-b:v"), QStringLiteral("50M"), QStringLiteral("-pix_fmt"),
                          QStringLiteral("yuv420p"), H264});
    TBenchFixtures::Make({QStringLiteral("-f"), QStringLiteral("lavfi"), QStringLiteral("-i"),
                          QStringLiteral("testsrc2=size=3840x2160:rate=60"), QStringLiteral("-frames:v"), frames,
                          QStringLiteral("-c:v"), QStringLiteral("libx265"), QStringLiteral("-preset"),
                          QStringLiteral("ultrafast"), QStringLiteral("-x265-params"),
                          QStringLiteral("log-level=error:keyint=60:bframes=2"), QStringLiteral("-b:v"),
                          QStringLiteral("35M"), QStringLiteral("-tag:v"), QStringLiteral("hvc1"),
                          QStringLiteral("-pix_fmt"), QStringLiteral("yuv420p"), Hevc});
  }
};

TPhoneFixtures &PhoneFixtures() {
  static TPhoneFixtures fixtures;
  return fixtures;
}

// Files 0-2 as above, 3 the 4K H.264 clip, 4 the 4K HEVC one.
QString BenchFile(int Which) {
  if (Which == 3) return PhoneFixtures().H264;
  if (Which == 4) return PhoneFixtures().Hevc;
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

// Processor time of every thread of the process, in ms: decoders work on several threads,
// and on a busy machine this varies less than the time on the clock.
double ProcessCpuMilliseconds() {
  timespec now{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
  return now.tv_sec * 1e3 + now.tv_nsec * 1e-6;
}

void SetCpuCounter(benchmark::State &State, double Since) {
  State.counters["cpu_all_ms"] = benchmark::Counter(ProcessCpuMilliseconds() - Since, benchmark::Counter::kAvgIterations);
}

bool DrawWhole(TVideoPlay &Reader, QImage &Picture) {
  return Reader.Draw(Picture, QRect(0, 0, Reader.FrameWidth(), Reader.FrameHeight()));
}

void SetLabel(benchmark::State &State, int Which) {
  static const char *const files[] = {"h264 1080p gop250", "mjpeg 720p", "raw 720p", "h264 4k60", "hevc 4k60"};
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
  const double cpu = ProcessCpuMilliseconds();
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
  SetCpuCounter(State, cpu);
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
  // The first frame is decoded before timing, as the readers' is at open.
  decoder.Next(rgb);
  const double cpu = ProcessCpuMilliseconds();
  for (auto _ : State) {
    if (!decoder.Next(rgb)) {
      State.PauseTiming();
      decoder.Restart();
      State.ResumeTiming();
      decoder.Next(rgb);
    }
    benchmark::DoNotOptimize(rgb.data());
  }
  SetCpuCounter(State, cpu);
  SetLabel(State, static_cast<int>(State.range(0)));
}

// The process's resident memory now and at its peak since the last reset, in MB (Linux).
double StatusMegabytes(const char *Field) {
  std::ifstream status("/proc/self/status");
  std::string line;
  const std::string key = std::string(Field) + ":";
  while (std::getline(status, line)) {
    if (line.compare(0, key.size(), key) == 0) return std::strtod(line.c_str() + key.size(), nullptr) / 1024.0;
  }
  return -1.0;
}

void ResetPeakMemory() {
  std::ofstream clear("/proc/self/clear_refs");
  clear << "5";  // the peak becomes the present
}

// What the user does with a phone's clip: play it through, step back over a second, jump about
// and back to the start. Run in a fresh process of this program (--peak-memory FILE), so that
// what earlier cases left in the C library's pools counts neither way; it prints the resident
// memory before opening and its peak, in MB.
int PeakMemoryOf(const QString &File) {
  ResetPeakMemory();
  const double before = StatusMegabytes("VmRSS");
  {
    TFFMpegPlay reader(WrapperFolder());
    reader.SetFileName(File);
    if (!reader.Opened()) return 1;
    QImage picture(reader.FrameWidth(), reader.FrameHeight(), QImage::Format_RGB888);
    const int count = reader.FrameCount();
    const auto show = [&](int Index) {
      reader.SetPosition(Index);
      DrawWhole(reader, picture);
    };
    for (int i = 0; i < count; ++i) show(i);
    for (int i = count - 2; i >= std::max(0, count - 70); --i) show(i);
    std::mt19937 random(7);
    std::uniform_int_distribution<int> pick(0, count - 1);
    for (int i = 0; i < 10; ++i) show(pick(random));
    for (int i : {count - 1, 0, count / 2, count / 2 - 1, 1}) show(i);
  }
  std::printf("%.1f %.1f\n", before, StatusMegabytes("VmHWM"));
  return 0;
}

// Arguments: file, and the processors the wrapper is told the machine has (0: this machine's),
// since its decoding threads, and their pictures, follow them.
void BM_PeakMemory(benchmark::State &State) {
  const int which = static_cast<int>(State.range(0));
  const int cpus = static_cast<int>(State.range(1));
  const QString file = BenchFile(which);
  for (auto _ : State) {
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    if (cpus > 0) environment.insert(QStringLiteral("KOLIBRA_KLBVFF_CPUS"), QString::number(cpus));
    child.setProcessEnvironment(environment);
    child.start(QStringLiteral("/proc/self/exe"), {QStringLiteral("--peak-memory"), file});
    double before = -1.0, peak = -1.0;
    if (!child.waitForFinished(-1) || child.exitCode() != 0 ||
        std::sscanf(child.readAllStandardOutput().constData(), "%lf %lf", &before, &peak) != 2) {
      State.SkipWithError("measuring process failed");
      break;
    }
    State.counters["rss_before_MB"] = before;
    State.counters["rss_peak_MB"] = peak;
    std::printf("peak resident memory, %s, %s processors: %.1f MB (%.1f MB before opening)\n",
                which == 3 ? "h264 4k60" : "hevc 4k60", cpus > 0 ? std::to_string(cpus).c_str() : "this machine's",
                peak, before);
  }
  State.SetLabel(which == 3 ? "h264 4k60 / ffmpeg" : "hevc 4k60 / ffmpeg");
}

// The console report, and at the end the reader's next frame against FFmpeg's own decode and
// conversion of the same file, per frame (real time: decoders work on several threads). A case
// run several times counts by its best round: the others lost time to whoever shares the machine.
class TRatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run> &Runs) override {
    for (const Run &run : Runs) {
      if (run.error_occurred) continue;
      Keep(FMilliseconds, run.benchmark_name(), run.GetAdjustedRealTime());
      const auto cpu = run.counters.find("cpu_all_ms");
      if (cpu != run.counters.end()) Keep(FCpuMilliseconds, run.benchmark_name(), cpu->second.value);
    }
    ConsoleReporter::ReportRuns(Runs);
  }

  void Finalize() override {
    ConsoleReporter::Finalize();
    struct TPair {
      const char *Label;
      const char *Reader;
      const char *Plain;
    };
    static const TPair pairs[] = {
        {"h264 1080p gop250", "BM_NextFrame/0/0/iterations:299", "BM_FFmpegDecodeAndConvert/0/-1/iterations:299"},
        {"h264 4k60", "BM_NextFrame/3/0/iterations:89", "BM_FFmpegDecodeAndConvert/3/-1/iterations:89"},
        {"hevc 4k60", "BM_NextFrame/4/0/iterations:89", "BM_FFmpegDecodeAndConvert/4/-1/iterations:89"}};
    for (const TPair &pair : pairs) {
      const auto reader = FMilliseconds.find(pair.Reader);
      const auto plain = FMilliseconds.find(pair.Plain);
      if (reader == FMilliseconds.end() || plain == FMilliseconds.end() || plain->second <= 0.0) continue;
      std::printf("next frame, %s: Kolibra %.2f ms, FFmpeg %.2f ms, ratio %.3f", pair.Label, reader->second,
                  plain->second, reader->second / plain->second);
      const double readerCpu = FCpuMilliseconds[pair.Reader];
      const double plainCpu = FCpuMilliseconds[pair.Plain];
      if (plainCpu > 0.0) {
        std::printf(" (processor time, all threads: %.2f ms, %.2f ms, ratio %.3f)", readerCpu, plainCpu,
                    readerCpu / plainCpu);
      }
      std::printf("\n");
    }
  }

 private:
  static void Keep(std::map<std::string, double> &Best, const std::string &Name, double Milliseconds) {
    const auto found = Best.find(Name);
    if (found == Best.end() || Milliseconds < found->second) Best[Name] = Milliseconds;
  }

  std::map<std::string, double> FMilliseconds;
  std::map<std::string, double> FCpuMilliseconds;
};

// One pass over each file (299 steps of 300 frames, 99 of 100, 39 of 40), so that no frame is
// met twice and the cache cannot flatter the figures. Arguments: file, reader.
BENCHMARK(BM_OpenToFirstFrame)->Args({0, 0})->Args({1, 0})->Args({1, 1})->Args({2, 0})->Args({2, 1})
    ->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(BM_FFmpegDecodeAndConvert)->Args({0, -1})->Unit(benchmark::kMillisecond)->Iterations(299);
BENCHMARK(BM_FFmpegDecodeAndConvert)->Args({1, -1})->Unit(benchmark::kMillisecond)->Iterations(99);
BENCHMARK(BM_FFmpegDecodeAndConvert)->Args({2, -1})->Unit(benchmark::kMillisecond)->Iterations(39);
BENCHMARK(BM_NextFrame)->Args({0, 0})->Unit(benchmark::kMillisecond)->Iterations(299);
BENCHMARK(BM_PeakMemory)->Args({3, 0})->Args({4, 0})->Args({3, 16})->Args({4, 16})
    ->Unit(benchmark::kMillisecond)->Iterations(1);
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

// The phone clips, after the others: 89 steps of 90 frames, FFmpeg and the reader in turn, in
// three rounds.
void RegisterPhoneClips() {
  for (int round = 0; round < 3; ++round) {
    for (int file : {3, 4}) {
      benchmark::RegisterBenchmark("BM_FFmpegDecodeAndConvert", BM_FFmpegDecodeAndConvert)
          ->Args({file, -1})->Unit(benchmark::kMillisecond)->Iterations(89);
      benchmark::RegisterBenchmark("BM_NextFrame", BM_NextFrame)->Args({file, 0})->Unit(benchmark::kMillisecond)
          ->Iterations(89);
    }
  }
}

}  // namespace

int main(int argc, char **argv) {
  if (argc == 3 && std::string(argv[1]) == "--peak-memory") return PeakMemoryOf(QString::fromLocal8Bit(argv[2]));
  RegisterPhoneClips();
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  Fixtures();
  TRatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  return 0;
}
