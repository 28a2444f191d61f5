// One-shot random access, against ffmpeg doing the same, read as a ratio from one run:
// - whole processes: `kolibra-cli frame FILE N out.png` against
//   `ffmpeg -ss N/rate -i FILE -frames:v 1 out.png`, run one after the other, median wall time
//   and peak memory of each (counters kolibra_ms, ffmpeg_ms, ratio, kolibra_MB, ffmpeg_MB);
// - inside one open reader: the FFmpeg reader moved to a random frame and drawn, against
//   FFmpeg's own seek to the keyframe before, decode up to the frame and conversion to RGB.
// Files: a 1080p H.264 MP4 with a group of 250 pictures (frame 283 and frame 5), and a
// 5-minute 1080p camcorder MPEG-TS (9,000 frames, 600 MB) with the same file as MP4 (the
// middle frame). The fixtures are made by ffmpeg into the build folder on the first run
// (the 5-minute files by repeating a 10-second stream) and kept for the next runs.

#include "video/FFMpegPlay.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>
#include <random>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <vector>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libswscale/swscale.h>
}

extern char **environ;

namespace {

using kolibra::video::TFFMpegPlay;

// KOLIBRA_BENCH_CLI and KOLIBRA_KLBDLL_DIR name another build's kolibra-cli and wrapper, to
// measure before and after a change in one run of the same benchmark.
QString Folder() { return QStringLiteral(KOLIBRA_BENCH_FIXTURES); }
QString Cli() {
  const QString forced = qEnvironmentVariable("KOLIBRA_BENCH_CLI");
  return forced.isEmpty() ? QStringLiteral(KOLIBRA_BENCH_CLI) : forced;
}
QString WrapperFolder() {
  const QString forced = qEnvironmentVariable("KOLIBRA_KLBDLL_DIR");
  return forced.isEmpty() ? QStringLiteral(KOLIBRA_BENCH_KLBDLL_DIR) : forced;
}

bool Ffmpeg(QStringList Arguments) {
  Arguments = QStringList{QStringLiteral("-nostdin"), QStringLiteral("-v"), QStringLiteral("error"),
                          QStringLiteral("-y")} + Arguments;
  return QProcess::execute(QStringLiteral("ffmpeg"), Arguments) == 0;
}

struct TFixtures {
  QString Gop250;      // 1080p H.264, 300 frames at 30 per second, keyframes 0 and 250
  QString CamcorderTs;  // 5 minutes of 1080p at 30 per second, 16 Mbit/s, groups of 15
  QString CamcorderMp4;

  TFixtures() {
    QDir().mkpath(Folder());
    const QDir dir(Folder());
    Gop250 = dir.filePath(QStringLiteral("gop250_1080p.mp4"));
    CamcorderTs = dir.filePath(QStringLiteral("camcorder_5min_1080p.ts"));
    CamcorderMp4 = dir.filePath(QStringLiteral("camcorder_5min_1080p.mp4"));
    const QString testsrc = QStringLiteral("testsrc2=size=1920x1080:rate=30");
    if (!QFileInfo::exists(Gop250)) {
      Ffmpeg({"-f", "lavfi", "-i", testsrc, "-frames:v", "300", "-c:v", "libx264", "-preset", "veryfast", "-g", "250",
              "-keyint_min", "250", "-sc_threshold", "0", "-bf", "3", "-pix_fmt", "yuv420p", Gop250 + ".part.mp4"});
      QFile::rename(Gop250 + ".part.mp4", Gop250);
    }
    if (!QFileInfo::exists(CamcorderTs)) {
      // Ten seconds at a constant 16 Mbit/s (what a camcorder writes), thirty times over.
      const QString segment = dir.filePath(QStringLiteral("segment.ts"));
      const QString list = dir.filePath(QStringLiteral("segments.txt"));
      Ffmpeg({"-f", "lavfi", "-i", testsrc, "-frames:v", "300", "-c:v", "libx264", "-preset", "ultrafast", "-g", "15",
              "-bf", "2", "-sc_threshold", "0", "-b:v", "16M", "-minrate", "16M", "-maxrate", "16M", "-bufsize", "8M",
              "-x264-params", "nal-hrd=cbr", "-pix_fmt", "yuv420p", "-f", "mpegts", segment});
      QFile file(list);
      if (file.open(QIODevice::WriteOnly)) {
        for (int i = 0; i < 30; ++i) file.write("file 'segment.ts'\n");
        file.close();
      }
      Ffmpeg({"-f", "concat", "-safe", "0", "-i", list, "-c", "copy", "-f", "mpegts", CamcorderTs + ".part"});
      QFile::rename(CamcorderTs + ".part", CamcorderTs);
      QFile::remove(segment);
      QFile::remove(list);
    }
    if (!QFileInfo::exists(CamcorderMp4)) {
      Ffmpeg({"-i", CamcorderTs, "-c", "copy", "-movflags", "+faststart", CamcorderMp4 + ".part.mp4"});
      QFile::rename(CamcorderMp4 + ".part.mp4", CamcorderMp4);
    }
  }
};

TFixtures &Fixtures() {
  static TFixtures fixtures;
  return fixtures;
}

struct TCase {
  const char *Label;
  QString TFixtures::*File;
  int Frame;
  const char *Framework;  // forced on kolibra-cli, or null for its own choice
};

const TCase Cases[] = {
    {"h264 1080p gop250, frame 283", &TFixtures::Gop250, 283, nullptr},
    {"h264 1080p gop250, frame 5", &TFixtures::Gop250, 5, nullptr},
    {"5 min 1080p mpeg-ts, middle frame, ffmpeg reader", &TFixtures::CamcorderTs, 4500, "ffmpeg"},
    {"5 min 1080p mpeg-ts, middle frame, kolibra's own choice of reader", &TFixtures::CamcorderTs, 4500, nullptr},
    {"5 min 1080p mp4, middle frame", &TFixtures::CamcorderMp4, 4500, nullptr},
};

// Runs a program to its end: wall seconds, and the child's peak resident memory in MB.
bool Run(const QStringList &Command, double &Seconds, double &PeakMB) {
  std::vector<QByteArray> bytes;
  for (const QString &part : Command) bytes.push_back(QFile::encodeName(part));
  std::vector<char *> argv;
  for (QByteArray &b : bytes) argv.push_back(b.data());
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  const auto start = std::chrono::steady_clock::now();
  pid_t pid = 0;
  const int spawned = posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  if (spawned != 0) return false;
  int status = 0;
  struct rusage usage = {};
  if (wait4(pid, &status, 0, &usage) != pid) return false;
  Seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  PeakMB = usage.ru_maxrss / 1024.0;
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

double Median(std::vector<double> Values) {
  std::sort(Values.begin(), Values.end());
  return Values.empty() ? 0.0 : Values[Values.size() / 2];
}

// Whole processes, alternately, one pair per iteration; the time of record is kolibra-cli's.
void BM_OneShotProcess(benchmark::State &State) {
  const TCase &c = Cases[State.range(0)];
  const QString file = Fixtures().*c.File;
  QTemporaryDir out;
  const QString rate = QStringLiteral("30");
  QStringList kolibra = {Cli(), QStringLiteral("frame"), file, QString::number(c.Frame), out.filePath("k.png")};
  if (c.Framework) kolibra << QStringLiteral("--framework") << QString::fromUtf8(c.Framework);
  const QStringList ffmpeg = {QStringLiteral("ffmpeg"), QStringLiteral("-nostdin"), QStringLiteral("-v"),
                              QStringLiteral("error"), QStringLiteral("-y"), QStringLiteral("-ss"),
                              QString::number(c.Frame / 30.0, 'f', 4), QStringLiteral("-i"), file,
                              QStringLiteral("-frames:v"), QStringLiteral("1"), out.filePath("f.png")};
  std::vector<double> kolibraTimes, ffmpegTimes, kolibraMemory, ffmpegMemory;
  for (auto _ : State) {
    double seconds = 0.0, megabytes = 0.0;
    if (!Run(kolibra, seconds, megabytes)) State.SkipWithError("kolibra-cli failed");
    kolibraTimes.push_back(seconds);
    kolibraMemory.push_back(megabytes);
    State.SetIterationTime(seconds);
    if (!Run(ffmpeg, seconds, megabytes)) State.SkipWithError("ffmpeg failed");
    ffmpegTimes.push_back(seconds);
    ffmpegMemory.push_back(megabytes);
  }
  State.counters["kolibra_ms"] = 1000.0 * Median(kolibraTimes);
  State.counters["ffmpeg_ms"] = 1000.0 * Median(ffmpegTimes);
  State.counters["ratio"] = Median(kolibraTimes) / std::max(Median(ffmpegTimes), 1e-9);
  State.counters["kolibra_MB"] = Median(kolibraMemory);
  State.counters["ffmpeg_MB"] = Median(ffmpegMemory);
  State.SetLabel(c.Label);
}

// FFmpeg alone, kept open: seek to the keyframe before a frame, decode up to it, convert it.
class TPlainSeeker {
 public:
  explicit TPlainSeeker(const QString &File) {
    avformat_open_input(&FFormat, QFile::encodeName(File).constData(), nullptr, nullptr);
    avformat_find_stream_info(FFormat, nullptr);
    const AVCodec *codec = nullptr;
    FStream = av_find_best_stream(FFormat, AVMEDIA_TYPE_VIDEO, -1, -1, &codec, 0);
    FDecoder = avcodec_alloc_context3(codec);
    avcodec_parameters_to_context(FDecoder, FFormat->streams[FStream]->codecpar);
    FDecoder->pkt_timebase = FFormat->streams[FStream]->time_base;
    FDecoder->thread_count = 0;
    FDecoder->thread_type = FF_THREAD_FRAME | FF_THREAD_SLICE;
    avcodec_open2(FDecoder, codec, nullptr);
    FFrame = av_frame_alloc();
    FPacket = av_packet_alloc();
    const AVStream *s = FFormat->streams[FStream];
    FStart = s->start_time == AV_NOPTS_VALUE ? 0 : s->start_time;
    FTicks = 1.0 / (av_q2d(s->avg_frame_rate) * av_q2d(s->time_base));
  }
  ~TPlainSeeker() {
    av_frame_free(&FFrame);
    av_packet_free(&FPacket);
    avcodec_free_context(&FDecoder);
    avformat_close_input(&FFormat);
    sws_freeContext(FScaler);
  }

  bool Frame(int Index, std::vector<uint8_t> &Rgb) {
    const int64_t target = FStart + std::llround(Index * FTicks);
    av_seek_frame(FFormat, FStream, target, AVSEEK_FLAG_BACKWARD);
    avcodec_flush_buffers(FDecoder);
    for (;;) {
      const int r = avcodec_receive_frame(FDecoder, FFrame);
      if (r == 0) {
        const bool reached = FFrame->pts != AV_NOPTS_VALUE && FFrame->pts >= target - FTicks / 2;
        if (reached) {
          Rgb.resize(size_t(FFrame->width) * FFrame->height * 3);
          FScaler = sws_getCachedContext(FScaler, FFrame->width, FFrame->height, AVPixelFormat(FFrame->format),
                                         FFrame->width, FFrame->height, AV_PIX_FMT_RGB24, SWS_BICUBIC, nullptr,
                                         nullptr, nullptr);
          uint8_t *dst[4] = {Rgb.data(), nullptr, nullptr, nullptr};
          int stride[4] = {FFrame->width * 3, 0, 0, 0};
          sws_scale(FScaler, FFrame->data, FFrame->linesize, 0, FFrame->height, dst, stride);
        }
        av_frame_unref(FFrame);
        if (reached) return true;
        continue;
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

 private:
  AVFormatContext *FFormat = nullptr;
  AVCodecContext *FDecoder = nullptr;
  SwsContext *FScaler = nullptr;
  AVFrame *FFrame = nullptr;
  AVPacket *FPacket = nullptr;
  int FStream = -1;
  int64_t FStart = 0;
  double FTicks = 1.0;
};

// Inside one open reader: random frames, the same ones for the FFmpeg reader and for FFmpeg.
void BM_RandomFrameInOpenReader(benchmark::State &State) {
  const TCase &c = Cases[State.range(0)];
  const QString file = Fixtures().*c.File;
  TFFMpegPlay reader(WrapperFolder());
  if (!reader.OpenFile(file)) {
    State.SkipWithError("open failed");
    return;
  }
  TPlainSeeker plain(file);
  QImage picture(reader.FrameWidth(), reader.FrameHeight(), QImage::Format_RGB888);
  std::vector<uint8_t> rgb;
  std::mt19937 random(7);
  std::uniform_int_distribution<int> pick(0, reader.FrameCount() - 1);
  double kolibra = 0.0, ffmpeg = 0.0, drawing = 0.0;
  int64_t rounds = 0;
  for (auto _ : State) {
    // Who goes first changes at each round: the first one reads the file's pages in.
    const int frame = pick(random);
    const bool plainFirst = rounds % 2 == 1;
    auto start = std::chrono::steady_clock::now();
    if (plainFirst) {
      plain.Frame(frame, rgb);
      ffmpeg += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
      start = std::chrono::steady_clock::now();
    }
    reader.SetPosition(frame);
    const auto drawStart = std::chrono::steady_clock::now();
    reader.Draw(picture, QRect(0, 0, reader.FrameWidth(), reader.FrameHeight()));
    drawing += std::chrono::duration<double>(std::chrono::steady_clock::now() - drawStart).count();
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    State.SetIterationTime(seconds);
    kolibra += seconds;
    if (!plainFirst) {
      start = std::chrono::steady_clock::now();
      plain.Frame(frame, rgb);
      ffmpeg += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }
    ++rounds;
  }
  State.counters["kolibra_ms"] = 1000.0 * kolibra / double(std::max<int64_t>(rounds, 1));
  State.counters["ffmpeg_ms"] = 1000.0 * ffmpeg / double(std::max<int64_t>(rounds, 1));
  State.counters["ratio"] = kolibra / std::max(ffmpeg, 1e-9);
  State.counters["draw_ms"] = 1000.0 * drawing / double(std::max<int64_t>(rounds, 1));
  State.SetLabel(c.Label);
}

BENCHMARK(BM_OneShotProcess)->DenseRange(0, 4)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(5);
BENCHMARK(BM_RandomFrameInOpenReader)->Arg(0)->Arg(2)->Arg(4)->Unit(benchmark::kMillisecond)->UseManualTime()
    ->Iterations(20);

}  // namespace

int main(int argc, char **argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  Fixtures();
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
