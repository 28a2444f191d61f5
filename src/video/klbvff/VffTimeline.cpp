// Access by time, while the scanner builds the frame table of a long file: frame N is the
// picture presented at the time of frame 0 plus N frame intervals. A seek in time lands on a
// keyframe before that time; the run from there names every picture by its time and stops
// at the target. Whatever does not fit that picture (a picture without time, one between two
// slots of the grid, a gap, pictures out of order) makes the run wait for the table, which
// counts the pictures: for files like that, counting and timing name different pictures and
// counting is what the reader promises.

#include "VffSession.h"

#include <sys/stat.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <iterator>

namespace kolibra::video::vff {

namespace vfftimeline {

// Up to this size the table is built at open: the read costs a few tens of milliseconds and
// every answer is exact from the start.
constexpr off_t ScanAtOpenBytes = off_t(64) << 20;
// Forward by up to this many frames a run decodes on; further, a seek in time is shorter
// whenever a keyframe lies between.
constexpr int DecodeOnFrames = 48;
// How far before its time a run starts again when its first picture came after the target,
// in seconds; after the last, from the start of the file.
constexpr double Backoffs[] = {1.0, 5.0, 30.0};
// A picture more than this share of a frame interval from its slot is off the grid.
constexpr double GridTolerance = 0.25;

// KOLIBRA_KLBVFF_LAZY, for tests: "always" opens every file of a timed container without its
// table, "held" too and builds the table only when something waits for it.
enum TLazy { lzBySize, lzAlways, lzHeld };

TLazy Lazy() {
  const char *value = std::getenv("KOLIBRA_KLBVFF_LAZY");
  if (!value) return lzBySize;
  if (std::strcmp(value, "always") == 0) return lzAlways;
  if (std::strcmp(value, "held") == 0) return lzHeld;
  return lzBySize;
}

// Containers that give every picture its presentation time, and seek by it.
bool TimedContainer(const AVInputFormat *Format) {
  if (!Format || !Format->name) return false;
  static const char *const names[] = {"mov,mp4,m4a,3gp,3g2,mj2", "matroska,webm", "mpegts"};
  for (const char *name : names) {
    if (std::strcmp(Format->name, name) == 0) return true;
  }
  return false;
}

}  // namespace vfftimeline

bool TVffSession::TimeEligible() const {
  if (!vfftimeline::TimedContainer(FFormat->iformat)) return false;
  const vfftimeline::TLazy lazy = vfftimeline::Lazy();
  if (lazy == vfftimeline::lzBySize) {
    struct stat info;
    if (stat(FFileName.c_str(), &info) != 0 || info.st_size <= vfftimeline::ScanAtOpenBytes) return false;
  }
  TVffIndex known;
  if (Remembered(FFileName, known)) return false;
  const AVStream *stream = FFormat->streams[FStream];
  return stream->time_base.num > 0 && stream->time_base.den > 0 &&
         (stream->avg_frame_rate.num > 0 || stream->r_frame_rate.num > 0);
}

bool TVffSession::OpenTimed() {
  const AVStream *stream = FFormat->streams[FStream];
  const double tb = av_q2d(stream->time_base);
  FTicksPerFrame = 1.0 / (FRate * tb);
  if (!(FTicksPerFrame > 0.0) || !std::isfinite(FTicksPerFrame)) return false;
  // MP4 counts its samples; the others give a duration.
  double seconds = 0.0;
  if (stream->duration != AV_NOPTS_VALUE && stream->duration > 0) {
    seconds = stream->duration * tb;
  } else if (FFormat->duration != AV_NOPTS_VALUE && FFormat->duration > 0) {
    seconds = FFormat->duration / double(AV_TIME_BASE);
  }
  const double frames = stream->nb_frames > 0 ? double(stream->nb_frames) : std::round(seconds * FRate);
  if (!(frames >= 1.0) || frames > double(INT32_MAX / 2)) return false;
  FEstimatedCount = int(frames);
  FDuration = seconds > 0.0 ? seconds : FEstimatedCount / FRate;

  // Frame 0 is the first picture a decode from the start presents; its time is the origin.
  FOrigin = AV_NOPTS_VALUE;
  FPosition = -1;
  if (!StartRunAtTime(AV_NOPTS_VALUE)) return false;
  if (!DecodeTo(0) || FOrigin == AV_NOPTS_VALUE || !FCurrent->buf[0]) return false;
  FPosition = 0;
  FScanner.Start(FFileName, FStream, vfftimeline::Lazy() == vfftimeline::lzHeld);
  return true;
}

int TVffSession::FrameOfPts(int64_t Pts) const {
  return static_cast<int>(std::llround(double(Pts - FOrigin) / FTicksPerFrame));
}

// A new run from the keyframe the demuxer finds before Pts (AV_NOPTS_VALUE: from where the
// demuxer stands, the start of the file at open).
bool TVffSession::StartRunAtTime(int64_t Pts) {
  FRunActive = false;
  avcodec_flush_buffers(FDecoder);
  av_packet_unref(FPending);
  FHasPending = false;
  FDrainSent = FDrained = false;
  FLastIndex = -1;
  FRunKeyPts = AV_NOPTS_VALUE;
  FRunSeenKey = true;
  FRunDropped = 0;
  FBadKey = false;
  FOffGrid = FLate = false;
  FLastRead = -1;
  FFromStart = false;
  if (Pts != AV_NOPTS_VALUE && av_seek_frame(FFormat, FStream, Pts, AVSEEK_FLAG_BACKWARD) < 0 &&
      !SeekBy(smReopen, TVffPacket())) {
    return false;
  }
  // A seek in a transport stream lands on any packet: decoding starts at the next keyframe.
  // None before the end means the seek went past the last one.
  for (;;) {
    if (ReadVideoPacket(FPending) == -2) {
      FLate = Pts != AV_NOPTS_VALUE;
      return false;
    }
    if ((FPending->flags & AV_PKT_FLAG_KEY) && FPending->size > 0) break;
    av_packet_unref(FPending);
  }
  FHasPending = true;
  FRunKeyPts = FPending->pts;
  // A keyframe is shown this long after it is decoded (B-frames come between): a seek by
  // time, which demuxers make by decoding time, asks that much earlier.
  if (FPending->pts != AV_NOPTS_VALUE && FPending->dts != AV_NOPTS_VALUE)
    FKeyDelay = std::max(FKeyDelay, FPending->pts - FPending->dts);
  FRunActive = true;
  return true;
}

void TVffSession::OutputByTime(AVFrame *Frame, int Target) {
  const int64_t pts = Frame->pts;
  if (pts == AV_NOPTS_VALUE) {
    FOffGrid = true;
    return;
  }
  // Pictures shown before the run's keyframe belong to the group before.
  if (FRunKeyPts != AV_NOPTS_VALUE && pts < FRunKeyPts) return;
  if (FOrigin == AV_NOPTS_VALUE) FOrigin = pts;
  const double at = double(pts - FOrigin) / FTicksPerFrame;
  const double slot = std::round(at);
  if (std::fabs(at - slot) > vfftimeline::GridTolerance || slot < 0.0 || slot > double(INT32_MAX / 2)) {
    FOffGrid = true;
    return;
  }
  const int index = static_cast<int>(slot);
  if (FLastIndex < 0) {
    if (index > Target) {  // the seek went past the target's group
      FLate = true;
      return;
    }
  } else if (index != FLastIndex + 1) {
    FOffGrid = true;
    return;
  }
  FLastIndex = index;
  // A picture past the estimated end: the duration undercounted the file.
  if (index >= FEstimatedCount) FEstimatedCount = index + 1;
  Cache(index, Frame, Target);
}

// Index is within the estimated count and not in the cache (Seek saw to both).
void TVffSession::SeekByTime(int Index) {
  const AVStream *stream = FFormat->streams[FStream];
  const double tb = av_q2d(stream->time_base);
  const int64_t target = FOrigin + std::llround(Index * FTicksPerFrame);
  bool decodeOn = FRunActive && !FDrained && !FOffGrid && FLastIndex >= 0 && FLastIndex < Index &&
                  Index - FLastIndex <= vfftimeline::DecodeOnFrames;
  for (size_t attempt = 0;; ++attempt) {
    if (!decodeOn) {
      int64_t from = target - FKeyDelay;
      // A seek that landed past the target (a transport stream lands anywhere and decoding
      // starts at the next keyframe) goes back by one group of pictures, as far as keyframes
      // were seen apart, then by the backoffs.
      if (attempt == 1 && FKeySpan > 0) {
        from = target - FKeyDelay - FKeySpan - std::llround(FTicksPerFrame);
      } else if (attempt > 0 && attempt <= std::size(vfftimeline::Backoffs)) {
        from = target - FKeyDelay - std::llround(vfftimeline::Backoffs[attempt - 1] / tb);
      } else if (attempt > 0) {
        from = std::min<int64_t>(FOrigin, stream->start_time != AV_NOPTS_VALUE ? stream->start_time : FOrigin) - 1;
      }
      if (!StartRunAtTime(from) && !(FLate && attempt <= std::size(vfftimeline::Backoffs))) {
        FSeekError = "The video cannot be positioned on frame " + std::to_string(Index) + ".";
        return;
      }
    }
    decodeOn = false;
    const bool reached = !FLate && DecodeTo(Index);
    if (FOffGrid || (FLate && attempt > std::size(vfftimeline::Backoffs))) {
      // Counting and timing may name different pictures here: the table decides.
      WaitForTable();
      if (!FTimed) {
        Seek(Index);
        return;
      }
      FSeekError = "Frame " + std::to_string(Index) + " cannot be decoded.";
      return;
    }
    if (FLate) continue;
    if (reached) {
      FPosition = Index;
      return;
    }
    break;
  }
  // The file ends before the duration said: its last picture is the last frame.
  if (FDrained && FLastIndex >= 0 && FLastIndex < Index && FLastOutput->buf[0]) {
    FEstimatedCount = FLastIndex + 1;
    av_frame_unref(FCurrent);
    av_frame_ref(FCurrent, FLastOutput);
    FPosition = FLastIndex;
    return;
  }
  FSeekError = "Frame " + std::to_string(Index) + " cannot be decoded.";
}

void TVffSession::Poll() {
  if (!FTimed || FScanFailed || !FScanner.Done()) return;
  TVffIndex index;
  if (FScanner.Take(index)) {
    Adopt(std::move(index));
  } else {
    FScanFailed = true;
  }
}

void TVffSession::WaitForTable() {
  if (!FTimed || FScanFailed) return;
  FScanner.Wait();
  Poll();
}

int TVffSession::ExactFrameCount() {
  WaitForTable();
  return FrameCount();
}

void TVffSession::Adopt(TVffIndex &&Index) {
  // Counting names the same pictures as timing when every frame stands on its slot.
  bool agrees = Index.PtsUsable() && !Index.FramePts().empty() && Index.FramePts().front() == FOrigin;
  const std::vector<int64_t> &pts = Index.FramePts();
  for (size_t i = 0; agrees && i < pts.size() && i < size_t(Index.FrameCount()); ++i) {
    const double at = double(pts[i] - FOrigin) / FTicksPerFrame;
    agrees = std::fabs(at - double(i)) <= vfftimeline::GridTolerance;
  }
  Remember(FFileName, Index);
  const bool synthetic = !Index.PtsUsable();
  FIndex = std::move(Index);
  FTimed = false;
  FRunActive = false;  // the next run starts from the table
  FOffGrid = FLate = false;
  std::string error;
  const bool reopen = synthetic != FSynthetic;
  FTailSuspect = FIndex.TailSuspect();
  FSynthetic = synthetic;
  if (reopen && !OpenDecoder(error)) {
    FSeekError = error;
    return;
  }
  const bool intraOnly = static_cast<int>(FIndex.Keys().size()) >= FIndex.FrameCount();
  FCache.SetBudget(intraOnly ? 0 : FMemory.CacheBytes, FMemory.CacheMinEntries);
  if (!agrees) {
    // The pictures kept were named by their times: under the count they are others.
    FCache.Clear();
    if (FIndex.PtsUsable() && FCurrent->buf[0] && FCurrent->pts != AV_NOPTS_VALUE) {
      const std::vector<int64_t> &framePts = FIndex.FramePts();
      FPosition = static_cast<int>(std::lower_bound(framePts.begin(), framePts.end(), FCurrent->pts) - framePts.begin());
    }
  }
  if (FIndex.MeanInterval() > 0.0 && FIndex.VariableRate()) FRate = 1.0 / FIndex.MeanInterval();
  if (FIndex.Duration() > 0.0) FDuration = FIndex.Duration();
  if (FTailSuspect) {
    // The tail check decodes: the picture shown stays the one shown.
    AVFrame *shown = av_frame_clone(FCurrent);
    CheckTail();
    if (shown) {
      av_frame_unref(FCurrent);
      av_frame_move_ref(FCurrent, shown);
      av_frame_free(&shown);
    }
    FRunActive = false;
  }
  if (FPosition > FIndex.FrameCount() - 1) FPosition = FIndex.FrameCount() - 1;
}

}  // namespace kolibra::video::vff
