#include "VffSession.h"

#include <sys/stat.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>

extern "C" {
#include <libavutil/imgutils.h>
}

namespace kolibra::video::vff {

namespace vffsession {

// Probing a file must not hang the program on a device or a fifo.
constexpr std::chrono::seconds OpenTimeout(30);
// Frames larger than this are a damaged header, not a camera (8K is 33 Mpixels).
constexpr int MaxSide = 16384;
constexpr int64_t MaxPixels = int64_t(1) << 27;
// A keyframe's own picture comes out within the decoder's delay, or it was no keyframe.
constexpr int MaxLeading = 32;

std::string ErrorText(int Code) {
  char text[AV_ERROR_MAX_STRING_SIZE] = {0};
  av_strerror(Code, text, sizeof text);
  return text;
}

// A timestamp-free name for FFmpeg: without "file:" a name like "clip:1.avi" would be taken
// for a protocol.
std::string FileUrl(const std::string &FileName) { return "file:" + FileName; }

bool RateClose(AVRational Rate, double Interval) {
  if (Rate.num <= 0 || Rate.den <= 0 || Interval <= 0.0) return false;
  return std::fabs(1.0 / av_q2d(Rate) - Interval) <= 0.01 * Interval;
}

// The rate the container announces; 0 when it gives none.
double NominalRate(const AVStream *Stream) {
  if (Stream->avg_frame_rate.num > 0 && Stream->avg_frame_rate.den > 0) return av_q2d(Stream->avg_frame_rate);
  if (Stream->r_frame_rate.num > 0 && Stream->r_frame_rate.den > 0) return av_q2d(Stream->r_frame_rate);
  return 0.0;
}

// The table of the file opened last, with what identifies the file: reopening it (another
// reader taking the wrapper and giving it back, the view opening it again) costs no scan.
struct TRemembered {
  std::string Name;
  off_t Size = -1;
  struct timespec Modified = {};
  TVffIndex Index;
};

TRemembered &LastTable() {
  static TRemembered last;
  return last;
}

bool Identify(const std::string &Name, off_t &Size, struct timespec &Modified) {
  struct stat info;
  if (stat(Name.c_str(), &info) != 0) return false;
  Size = info.st_size;
  Modified = info.st_mtim;
  return true;
}

}  // namespace vffsession

bool TVffSession::Remembered(const std::string &FileName, TVffIndex &Index) {
  const vffsession::TRemembered &last = vffsession::LastTable();
  off_t size = 0;
  struct timespec modified = {};
  if (last.Name.empty() || last.Name != FileName || !vffsession::Identify(FileName, size, modified)) return false;
  if (size != last.Size || modified.tv_sec != last.Modified.tv_sec || modified.tv_nsec != last.Modified.tv_nsec)
    return false;
  Index = last.Index;
  return true;
}

void TVffSession::Remember(const std::string &FileName, const TVffIndex &Index) {
  vffsession::TRemembered &last = vffsession::LastTable();
  last.Name.clear();
  if (!vffsession::Identify(FileName, last.Size, last.Modified)) return;
  last.Index = Index;
  last.Name = FileName;
}

TVffSession::TVffSession() {
  // Damaged files make decoders talk; the reader reports what matters through its texts.
  av_log_set_level(AV_LOG_FATAL);
  FFrame = av_frame_alloc();
  FCurrent = av_frame_alloc();
  FLastOutput = av_frame_alloc();
  FPending = av_packet_alloc();
}

TVffSession::~TVffSession() {
  Close();
  av_frame_free(&FFrame);
  av_frame_free(&FCurrent);
  av_frame_free(&FLastOutput);
  av_packet_free(&FPending);
}

int TVffSession::Interrupt(void *Opaque) {
  auto *self = static_cast<TVffSession *>(Opaque);
  return std::chrono::steady_clock::now() > self->FDeadline ? 1 : 0;
}

bool TVffSession::OpenInput(const std::string &FileName, std::string &Error) {
  FFormat = avformat_alloc_context();
  if (!FFormat) {
    Error = "Out of memory.";
    return false;
  }
  FDeadline = std::chrono::steady_clock::now() + vffsession::OpenTimeout;
  FFormat->interrupt_callback.callback = &TVffSession::Interrupt;
  FFormat->interrupt_callback.opaque = this;
  AVDictionary *options = nullptr;
  av_dict_set(&options, "protocol_whitelist", "file", 0);
  int r = avformat_open_input(&FFormat, vffsession::FileUrl(FileName).c_str(), nullptr, &options);
  av_dict_free(&options);
  if (r < 0) {
    Error = "FFmpeg does not recognise this file as a video (" + vffsession::ErrorText(r) + ").";
    return false;  // avformat_open_input freed the context
  }
  r = avformat_find_stream_info(FFormat, nullptr);
  if (r < 0) {
    Error = "The streams of this file cannot be read (" + vffsession::ErrorText(r) + ").";
    return false;
  }
  // Past the probe, reading is plain file input: a long scan of a big file is not a hang.
  FDeadline = std::chrono::steady_clock::time_point::max();
  return true;
}

bool TVffSession::Open(const std::string &FileName) {
  Close();
  FOpenError.clear();
  FFileName = FileName;

  struct stat info;
  if (FileName.empty()) {
    FOpenError = "No file name was given.";
    return false;
  }
  if (stat(FileName.c_str(), &info) != 0) {
    FOpenError = "The file does not exist or cannot be reached.";
    return false;
  }
  if (S_ISDIR(info.st_mode)) {
    FOpenError = "This is a folder, not a video file.";
    return false;
  }
  if (!S_ISREG(info.st_mode)) {  // a fifo or a device would block the probe
    FOpenError = "This is not a video file but a device or a pipe.";
    return false;
  }
  if (info.st_size == 0) {
    FOpenError = "The file is empty.";
    return false;
  }

  std::string error;
  if (!OpenInput(FileName, error)) {
    FOpenError = error;
    Close();
    return false;
  }

  const AVCodec *codec = nullptr;
  FStream = av_find_best_stream(FFormat, AVMEDIA_TYPE_VIDEO, -1, -1, &codec, 0);
  if (FStream == AVERROR_DECODER_NOT_FOUND || (FStream >= 0 && !codec)) {
    const int any = av_find_best_stream(FFormat, AVMEDIA_TYPE_VIDEO, -1, -1, nullptr, 0);
    const char *name = any >= 0 ? avcodec_get_name(FFormat->streams[any]->codecpar->codec_id) : "?";
    FOpenError = std::string("No decoder is available for the video codec \"") + name + "\" of this file.";
    Close();
    return false;
  }
  if (FStream < 0 || (FFormat->streams[FStream]->disposition & AV_DISPOSITION_ATTACHED_PIC)) {
    FOpenError = "The file holds no video stream.";
    Close();
    return false;
  }
  AVStream *stream = FFormat->streams[FStream];
  FWidth = stream->codecpar->width;
  FHeight = stream->codecpar->height;
  if (FWidth <= 0 || FHeight <= 0) {
    FOpenError = "The frame size announced by the file is missing or not plausible: the file is damaged.";
    Close();
    return false;
  }
  if (FWidth > vffsession::MaxSide || FHeight > vffsession::MaxSide ||
      int64_t(FWidth) * FHeight > vffsession::MaxPixels || av_image_check_size(FWidth, FHeight, 0, nullptr) < 0) {
    FOpenError = "The frame size " + std::to_string(FWidth) + " x " + std::to_string(FHeight) +
                 " announced by the file is not plausible: the file is damaged.";
    Close();
    return false;
  }
  // Cache and decoder threads sized to the pictures, before the first is decoded.
  FMemory = TVffMemory::Plan(TVffMemory::PictureBytes(stream->codecpar->format, FWidth, FHeight), TVffMemory::Cpus());
  FCache.SetBudget(FMemory.CacheBytes, FMemory.CacheMinEntries);
  // The scan and every later read skip the other streams at the demuxer.
  for (unsigned i = 0; i < FFormat->nb_streams; ++i) {
    if (static_cast<int>(i) != FStream) FFormat->streams[i]->discard = AVDISCARD_ALL;
  }

  // A long file in a timed container opens without its table (VffTimeline.cpp).
  FTimed = TimeEligible();
  if (!FTimed && !Scanned(error)) {
    FOpenError = error;
    Close();
    return false;
  }
  FCodec = codec;
  if (!OpenDecoder(error)) {
    FOpenError = error;
    Close();
    return false;
  }

  FRate = vffsession::NominalRate(stream);
  size_t matrixSize = 0;
  const uint8_t *matrix = av_stream_get_side_data(stream, AV_PKT_DATA_DISPLAYMATRIX, &matrixSize);
  if (matrix && matrixSize >= 9 * sizeof(int32_t)) {
    int32_t values[9];
    std::memcpy(values, matrix, sizeof values);
    OrientationOfMatrix(values, FRotation, FMirrored);
  }
  FCaptureRate = CaptureRateOf(stream->metadata);
  if (!(FCaptureRate > 0.0)) FCaptureRate = CaptureRateOf(FFormat->metadata);
  if (!FTimed) {
    // Constant-rate files keep their exact nominal rate (30000/1001 stays that); files whose
    // frame durations vary, or whose header disagrees with the timestamps, get the mean.
    const double mean = FIndex.MeanInterval();
    if (mean > 0.0 && (FIndex.VariableRate() || !vffsession::RateClose(stream->avg_frame_rate, mean))) {
      FRate = vffsession::RateClose(stream->r_frame_rate, mean) && !FIndex.VariableRate()
                  ? av_q2d(stream->r_frame_rate)
                  : 1.0 / mean;
    }
  }
  if (!(FRate > 0.0) || !std::isfinite(FRate)) {
    FOpenError = "The file does not give its frame rate.";
    Close();
    return false;
  }

  if (FTimed && !OpenTimed()) {
    // The pictures do not keep to the grid their times promise: build the table now.
    FScanner.Stop();
    FTimed = false;
    if (!SeekBy(smReopen, TVffPacket()) || !Scanned(error) || !OpenDecoder(error)) {
      FOpenError = error.empty() ? "The first frame of the file cannot be decoded." : error;
      Close();
      return false;
    }
  }
  if (!FTimed) {
    FDuration = FIndex.Duration();
    if (!(FDuration > 0.0)) FDuration = FIndex.FrameCount() / FRate;
    FPosition = -1;
    if (FTailSuspect) CheckTail();
    Seek(0);
  }
  if (FPosition != 0 || !FCurrent->buf[0]) {
    FOpenError = "The first frame of the file cannot be decoded.";
    Close();
    return false;
  }
  return true;
}

// The table, from a scan of the file from where the demuxer stands (the start), or as a
// scan of the same file left it.
bool TVffSession::Scanned(std::string &Error) {
  if (!Remembered(FFileName, FIndex)) {
    if (!FIndex.Scan(FFormat, FStream, Error)) return false;
    Remember(FFileName, FIndex);
  }
  FTailSuspect = FIndex.TailSuspect();
  FSynthetic = !FIndex.PtsUsable();
  // Where every picture is a keyframe (MJPEG, uncompressed) any frame costs one decode:
  // a large cache would only keep the decoder from reusing warm buffers.
  const bool intraOnly = static_cast<int>(FIndex.Keys().size()) >= FIndex.FrameCount();
  FCache.SetBudget(intraOnly ? 0 : FMemory.CacheBytes, FMemory.CacheMinEntries);
  return true;
}

bool TVffSession::OpenDecoder(std::string &Error) {
  avcodec_free_context(&FDecoder);
  const AVStream *stream = FFormat->streams[FStream];
  FDecoder = avcodec_alloc_context3(FCodec);
  if (!FDecoder || avcodec_parameters_to_context(FDecoder, stream->codecpar) < 0) {
    Error = "Out of memory.";
    return false;
  }
  FDecoder->pkt_timebase = stream->time_base;
  FDecoder->thread_count = FMemory.DecoderThreads;  // 0: as many as the machine has
  FDecoder->thread_type = FF_THREAD_FRAME | FF_THREAD_SLICE;
  // After a jump to an open-GOP keyframe the H.264 decoder, waiting for its recovery point,
  // loses the last picture of the file. Shown in full, pictures before the keyframe are
  // dropped here by their times instead.
  if (!FSynthetic) FDecoder->flags2 |= AV_CODEC_FLAG2_SHOW_ALL;
  const int r = avcodec_open2(FDecoder, FCodec, nullptr);
  if (r < 0) {
    Error = std::string("The decoder for the codec \"") + FCodec->name + "\" cannot be started (" +
            vffsession::ErrorText(r) + ").";
    avcodec_free_context(&FDecoder);
    return false;
  }
  return true;
}

void TVffSession::Close() {
  FScanner.Stop();
  FTimed = false;
  FScanFailed = false;
  FEstimatedCount = 0;
  FOrigin = AV_NOPTS_VALUE;
  FOffGrid = FLate = false;
  FKeyDelay = FKeySpan = 0;
  FCache.Clear();
  if (FCurrent) av_frame_unref(FCurrent);
  if (FLastOutput) av_frame_unref(FLastOutput);
  if (FPending) av_packet_unref(FPending);
  FHasPending = false;
  avcodec_free_context(&FDecoder);
  avformat_close_input(&FFormat);
  FConverter.Reset();
  FIndex = TVffIndex();
  FStream = -1;
  FWidth = FHeight = 0;
  FRate = FDuration = 0.0;
  FRotation = 0;
  FMirrored = false;
  FCaptureRate = 0.0;
  FPosition = 0;
  FRunActive = false;
  FDrained = FDrainSent = false;
  FLastIndex = -1;
  FPreferred = smTimestamp;
  FSeekError.clear();
}

// A damaged end may promise more pictures than decode; find out once at open, so that the
// frame count the program works with is the true one.
void TVffSession::CheckTail() {
  const int promised = FIndex.FrameCount();
  const TVffKey last = FIndex.KeyFor(promised - 1);
  if (!StartRun(last)) return;
  DecodeTo(promised - 1);
  if (FDrained && FLastIndex < promised - 1) FIndex.Truncate(std::max(FLastIndex + 1, 1));
  FSeekError.clear();
}

void TVffSession::Seek(int Index) {
  FSeekError.clear();
  if (!IsOpen()) return;
  const int count = FrameCount();
  if (Index < 0) Index = 0;
  if (Index > count - 1) Index = count - 1;
  if (Index == FPosition && FCurrent->buf[0]) return;

  if (const AVFrame *cached = FCache.Find(Index)) {
    av_frame_unref(FCurrent);
    av_frame_ref(FCurrent, cached);
    FPosition = Index;
    return;
  }
  KeepFor(Index);
  if (FTimed) {
    SeekByTime(Index);
    return;
  }

  // A packet flagged key that is none is dropped and the next key back is tried.
  bool decoded = false;
  for (size_t attempt = 0; attempt <= FIndex.Keys().size(); ++attempt) {
    const TVffKey key = FIndex.KeyFor(Index);
    const bool decodeOn = FRunActive && !FDrained && FLastIndex < Index && key.Ordinal < FNextOrdinal;
    if (!decodeOn && !StartRun(key)) {
      FSeekError = "The video cannot be positioned on frame " + std::to_string(Index) + ".";
      return;
    }
    decoded = DecodeTo(Index);
    if (!FBadKey) break;
    FIndex.Forget(FRunKeyOrdinal);
    FRunActive = false;
  }
  if (decoded) {
    FPosition = Index;
    return;
  }
  // The picture never came: the file ends early or is damaged there.
  if (FDrained && FLastIndex < count - 1 && FLastIndex >= 0) {
    FIndex.Truncate(FLastIndex + 1);
    FSeekError = "The file ends at frame " + std::to_string(FLastIndex) + ": the frames after it are missing or damaged.";
  } else {
    FSeekError = "Frame " + std::to_string(Index) + " cannot be decoded.";
  }
  if (FLastIndex >= 0 && FLastOutput->buf[0] && FLastIndex < Index) {
    av_frame_unref(FCurrent);
    av_frame_ref(FCurrent, FLastOutput);
    FPosition = FLastIndex;
  }
}

bool TVffSession::StartRun(const TVffKey &Key) {
  FRunActive = false;
  avcodec_flush_buffers(FDecoder);
  av_packet_unref(FPending);
  FHasPending = false;
  FDrainSent = FDrained = false;
  FStandInSent = false;
  FLastIndex = Key.FrameIndex - 1;
  FRunKeyPts = FIndex.KeyPts(Key);
  FRunKeyOrdinal = Key.Ordinal;
  FRunSeenKey = !FSynthetic;
  FRunDropped = 0;
  FBadKey = false;

  const TVffPacket &target = FIndex.Packets()[Key.Ordinal];
  // A keyframe known only by its place among the packets is found by reading from the start:
  // after a jump, a demuxer may hand out a stray piece first and the count would slip.
  const bool byPlace = !FIndex.Identifiable(target);
  // The method that worked last time goes first; the others follow in order of cost.
  for (int attempt = 0; attempt < smCount; ++attempt) {
    const int method =
        byPlace ? smReopen : attempt == 0 ? FPreferred : (attempt <= FPreferred ? attempt - 1 : attempt);
    if (byPlace && attempt > 0) break;
    if (!SeekBy(static_cast<TSeekMethod>(method), target)) continue;
    for (;;) {
      const int ordinal = ReadVideoPacket(FPending);
      if (ordinal == Key.Ordinal) {
        FHasPending = true;
        FNextOrdinal = Key.Ordinal + 1;
        FPreferred = method;
        FRunActive = true;
        return true;
      }
      av_packet_unref(FPending);
      // Packets the table cannot place (a piece of a packet after a jump, or one without
      // position or time) are passed over; the end, or a packet past the keyframe, mean this
      // method missed.
      if (ordinal == -1) continue;
      if (ordinal < 0 || ordinal > Key.Ordinal) break;
    }
  }
  return false;
}

bool TVffSession::SeekBy(TSeekMethod Method, const TVffPacket &Target) {
  FLastRead = -1;  // after a jump, packets are known again from one the table knows
  FFromStart = Method == smReopen;
  switch (Method) {
    case smTimestamp: {
      int64_t ts = Target.Dts;
      if (ts == AV_NOPTS_VALUE || (Target.Pts != AV_NOPTS_VALUE && Target.Pts < ts)) ts = Target.Pts;
      if (ts == AV_NOPTS_VALUE) return false;
      return av_seek_frame(FFormat, FStream, ts, AVSEEK_FLAG_BACKWARD) >= 0;
    }
    case smByte:
      if (Target.Pos < 0 || (FFormat->iformat->flags & AVFMT_NO_BYTE_SEEK)) return false;
      return av_seek_frame(FFormat, FStream, Target.Pos, AVSEEK_FLAG_BYTE) >= 0;
    case smReopen: {
      // Reading again from the start always finds the keyframe, at the price of the probe.
      avformat_close_input(&FFormat);
      std::string error;
      if (!OpenInput(FFileName, error)) return false;
      if (FStream >= static_cast<int>(FFormat->nb_streams)) return false;
      for (unsigned i = 0; i < FFormat->nb_streams; ++i) {
        if (static_cast<int>(i) != FStream) FFormat->streams[i]->discard = AVDISCARD_ALL;
      }
      return true;
    }
    default:
      return false;
  }
}

// The next packet of the video stream, identified in the table: its decode-order index,
// -1 when the table does not know it, -2 at the end of the file. A packet that carries
// neither position nor time (MPEG program streams leave most without) is known by its place
// after one the table knows.
int TVffSession::ReadVideoPacket(AVPacket *Packet) {
  if (!FFormat) return -2;
  int retries = 0;
  for (;;) {
    const int r = av_read_frame(FFormat, Packet);
    if (r == AVERROR(EAGAIN) && ++retries < 1000) continue;
    if (r < 0) return -2;
    if (Packet->stream_index == FStream) {
      int ordinal = FIndex.Identify(*Packet);
      if (ordinal < 0 && FFromStart && FLastRead >= 0 && Packet->pos < 0 &&
          FLastRead + 1 < static_cast<int>(FIndex.Packets().size())) {
        ordinal = FLastRead + 1;
      }
      FLastRead = ordinal;
      return ordinal;
    }
    av_packet_unref(Packet);
  }
}

bool TVffSession::Feed() {
  if (FDrainSent) return false;
  for (;;) {
    if (!FHasPending) {
      const int r = ReadVideoPacket(FPending);
      if (r == -2 && FIndex.FlushStored() && !FStandInSent && !FTimed) {
        // The "not coded" stand-in a packing encoder would write next: the decoder gives out
        // the picture it kept from the last chunk.
        static const uint8_t standIn[] = {0x00, 0x00, 0x01, 0xB6, 0x50, 0x00};
        FStandInSent = true;
        if (av_new_packet(FPending, int(sizeof standIn)) >= 0) {
          memcpy(FPending->data, standIn, sizeof standIn);
          FPending->stream_index = FStream;
          ++FNextOrdinal;
          FHasPending = true;
          continue;
        }
      }
      if (r == -2) {
        FDrainSent = true;
        avcodec_send_packet(FDecoder, nullptr);
        return true;
      }
      ++FNextOrdinal;
      FHasPending = true;
      if (FTimed && (FPending->flags & AV_PKT_FLAG_KEY) && FPending->pts != AV_NOPTS_VALUE &&
          FRunKeyPts != AV_NOPTS_VALUE && FPending->pts > FRunKeyPts) {
        FKeySpan = FPending->pts - FRunKeyPts;
      }
    }
    if (FPending->size <= 0) {  // an empty packet would end the stream for the decoder
      av_packet_unref(FPending);
      FHasPending = false;
      continue;
    }
    if (FSynthetic) {
      FPending->pts = FNextOrdinal - 1;
      FPending->dts = AV_NOPTS_VALUE;
    }
    const int r = avcodec_send_packet(FDecoder, FPending);
    if (r == AVERROR(EAGAIN)) return true;  // the decoder has pictures to give first
    av_packet_unref(FPending);
    FHasPending = false;
    // A damaged packet is skipped, as a player skips it.
    return true;
  }
}

bool TVffSession::DecodeTo(int Target) {
  while (FLastIndex < Target && !FOffGrid && !FLate) {
    if (FBadKey || (!FRunSeenKey && (FRunDropped > vffsession::MaxLeading || FDrained))) {
      FBadKey = true;
      return false;
    }
    const int r = avcodec_receive_frame(FDecoder, FFrame);
    if (r == 0) {
      Output(FFrame, Target);
      av_frame_unref(FFrame);
      continue;
    }
    if (r == AVERROR(EAGAIN)) {
      if (!Feed()) {
        FDrained = true;
        break;
      }
      continue;
    }
    if (r == AVERROR_EOF) {
      FDrained = true;
      if (!FRunSeenKey) continue;
      break;
    }
    // Any other answer leaves the decoder unusable for this run.
    FRunActive = false;
    break;
  }
  if (!FRunSeenKey) FBadKey = true;
  return FLastIndex >= Target;
}

void TVffSession::Output(AVFrame *Frame, int Target) {
  if (FTimed) {
    OutputByTime(Frame, Target);
    return;
  }
  // Pictures shown before the run's keyframe belong to the previous group and lack their
  // references.
  // (The picture's own time, not the best-effort guess, which may fall back to decoding times.)
  if (FRunKeyPts != AV_NOPTS_VALUE && Frame->pts != AV_NOPTS_VALUE && Frame->pts < FRunKeyPts) {
    return;
  }
  if (FSynthetic) {
    const int64_t ordinal = Frame->pts;
    if (!FRunSeenKey) {
      if (ordinal != FRunKeyOrdinal) {
        ++FRunDropped;
        return;
      }
      if (!Frame->key_frame && Frame->pict_type != AV_PICTURE_TYPE_I) {
        FBadKey = true;
        return;
      }
      FRunSeenKey = true;
    } else if (ordinal != AV_NOPTS_VALUE && ordinal > FRunKeyOrdinal && ordinal <= INT32_MAX) {
      // A key passed on the way: its picture shows where it stands, or that it is none.
      if (const TVffKey *key = FIndex.KeyAt(static_cast<int>(ordinal))) {
        if (Frame->key_frame || Frame->pict_type == AV_PICTURE_TYPE_I) {
          FIndex.Learn(key->Ordinal, FLastIndex + 1);
        } else {
          FIndex.Forget(key->Ordinal);
        }
      }
    }
  }
  const int index = ++FLastIndex;
  if (index >= FIndex.FrameCount()) return;
  Cache(index, Frame, Target);
}

void TVffSession::KeepFor(int Index) {
  FKeptOnTheWay = Index < FPosition ? KeptSteppingBack : KeptJumping;
  if (std::abs(Index - FPosition) > FarJump) FCache.Clear();
}

void TVffSession::Cache(int Index, const AVFrame *Frame, int Target) {
  if (Index >= Target - FKeptOnTheWay) FCache.Put(Index, Frame);
  av_frame_unref(FLastOutput);
  av_frame_ref(FLastOutput, Frame);
  if (Index == Target) {
    av_frame_unref(FCurrent);
    av_frame_ref(FCurrent, Frame);
  }
}

void TVffSession::Draw(const KlbVffBitmap &Bitmap) {
  if (!IsOpen() || !FCurrent->buf[0]) return;
  FConverter.ToRgb(*FCurrent, Bitmap.Bits, Bitmap.BytesPerLine, Bitmap.Width, Bitmap.Height);
}

std::string TVffSession::Comment(const std::string &FileName) {
  struct stat info;
  if (stat(FileName.c_str(), &info) != 0 || !S_ISREG(info.st_mode) || info.st_size == 0) return std::string();
  AVFormatContext *format = nullptr;
  AVDictionary *options = nullptr;
  av_dict_set(&options, "protocol_whitelist", "file", 0);
  const int r = avformat_open_input(&format, vffsession::FileUrl(FileName).c_str(), nullptr, &options);
  av_dict_free(&options);
  if (r < 0) return std::string();
  std::string comment;
  if (const AVDictionaryEntry *e = av_dict_get(format->metadata, "comment", nullptr, 0)) comment = e->value;
  avformat_close_input(&format);
  return comment;
}

}  // namespace kolibra::video::vff

namespace kolibra::video::vff {

bool TVffSession::OrientationOfMatrix(const int32_t Matrix[9], int &Rotation, bool &Mirrored) {
  // The matrix takes a stored pixel (p, q) to the shown one: x = a p + c q, y = b p + d q.
  // Only signed permutations keep the pixel grid: one of a, b and one of c, d is zero.
  const auto unit = [](int32_t v) { return v > 0 ? 1 : v < 0 ? -1 : 0; };
  const int a = unit(Matrix[0]), b = unit(Matrix[1]), c = unit(Matrix[3]), d = unit(Matrix[4]);
  const bool straight = a != 0 && d != 0 && b == 0 && c == 0;
  const bool crossed = b != 0 && c != 0 && a == 0 && d == 0;
  if (!straight && !crossed) return false;
  // A turn counter-clockwise by r on screen (y down) has a = d = cos r, b = -sin r,
  // c = sin r; a flip left to right after it negates a and c. The determinant tells a flip.
  Mirrored = a * d - b * c < 0;
  const int cosR = Mirrored ? -a : a;
  const int sinR = -b;
  Rotation = cosR == 1 ? 0 : cosR == -1 ? 180 : sinR == 1 ? 90 : 270;
  return true;
}

double TVffSession::CaptureRateOf(const AVDictionary *Metadata) {
  static const char *const keys[] = {"com.android.capture.fps", "com.apple.quicktime.capture.fps",
                                     "com.apple.quicktime.camera.capture-fps", "capture_fps"};
  for (const char *key : keys) {
    const AVDictionaryEntry *entry = av_dict_get(Metadata, key, nullptr, 0);
    if (!entry || !entry->value) continue;
    // The value is written with a point ("240.000000") whatever the locale: read it so.
    const char *text = entry->value;
    while (*text == ' ') ++text;
    double rate = 0.0;
    const auto [end, error] = std::from_chars(text, text + std::strlen(text), rate);
    if (error == std::errc() && end != text && std::isfinite(rate) && rate > 0.0 && rate < 100000.0) return rate;
  }
  return 0.0;
}

std::vector<double> TVffSession::FrameTimes() {
  std::vector<double> times;
  if (!IsOpen()) return times;
  WaitForTable();
  const std::vector<int64_t> &pts = FIndex.FramePts();
  if (!FIndex.PtsUsable() || pts.empty()) return times;
  const double tb = av_q2d(FFormat->streams[FStream]->time_base);
  const size_t count = std::min(pts.size(), size_t(std::max(0, FIndex.FrameCount())));
  times.reserve(count);
  for (size_t i = 0; i < count; ++i) times.push_back(double(pts[i] - pts.front()) * tb);
  return times;
}

}  // namespace kolibra::video::vff
