#pragma once
// One open video file inside the wrapper: demuxer, frame table, decoder, cache and colour
// converter.
//
// A "run" is the decoder fed packet after packet from one keyframe on. Frame indexes are
// handed out by counting the pictures a run yields, starting at the index the table gives
// its keyframe, so they agree with a full decode from the start whatever the container's
// timestamps say. Moving forward continues the run as long as no later keyframe would be a
// shorter way to the target; anything else starts a new run at the last keyframe at or
// before the target. Every picture a run yields goes into the cache.

#include "VffFrameCache.h"
#include "VffIndex.h"
#include "video/klbvff/KlbVff.h"

#include <array>
#include <chrono>
#include <string>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libswscale/swscale.h>
}

namespace kolibra::video::vff {

class TVffSession {
 public:
  TVffSession();
  ~TVffSession();
  TVffSession(const TVffSession &) = delete;
  TVffSession &operator=(const TVffSession &) = delete;

  bool Open(const std::string &FileName);
  void Close();
  bool IsOpen() const { return FDecoder != nullptr; }

  int Width() const { return FWidth; }
  int Height() const { return FHeight; }
  double Rate() const { return FRate; }
  double Duration() const { return FDuration; }
  int FrameCount() const { return FIndex.FrameCount(); }
  int Position() const { return FPosition; }
  bool VariableRate() const { return FIndex.VariableRate(); }
  const std::string &OpenError() const { return FOpenError; }
  const std::string &SeekError() const { return FSeekError; }

  void Seek(int Index);
  void Draw(const KlbVffBitmap &Bitmap);

  // The "comment" tag of a file, read without disturbing the open file.
  static std::string Comment(const std::string &FileName);

 private:
  enum TSeekMethod { smTimestamp, smByte, smReopen, smCount };

  bool OpenInput(const std::string &FileName, std::string &Error);
  bool StartRun(const TVffKey &Key);
  bool SeekBy(TSeekMethod Method, const TVffPacket &Target);
  int ReadVideoPacket(AVPacket *Packet);
  bool DecodeTo(int Target);
  bool Feed();
  void Output(AVFrame *Frame, int Target);
  void CheckTail();
  static int Interrupt(void *Opaque);

  std::string FFileName;
  AVFormatContext *FFormat = nullptr;
  AVCodecContext *FDecoder = nullptr;
  int FStream = -1;
  TVffIndex FIndex;
  TVffFrameCache FCache;
  SwsContext *FScaler = nullptr;
  SwsContext *FScalerSet = nullptr;  // the converter whose colour details were last set,
  std::array<int, 7> FScalerKind{};  // for these sizes, format, matrix and range
  AVFrame *FFrame = nullptr;       // receives the decoder's pictures
  AVFrame *FCurrent = nullptr;     // the picture at FPosition
  AVFrame *FLastOutput = nullptr;  // the last picture the run yielded
  AVPacket *FPending = nullptr;    // read but not yet sent to the decoder
  bool FHasPending = false;

  int FWidth = 0;
  int FHeight = 0;
  double FRate = 0.0;
  double FDuration = 0.0;
  int FPosition = 0;
  bool FTailSuspect = false;

  // State of the run.
  bool FRunActive = false;
  int FNextOrdinal = 0;  // decode-order index of the next packet read
  int FLastIndex = -1;   // index of the last picture yielded
  int64_t FRunKeyPts = AV_NOPTS_VALUE;
  // Without presentation times the decoder is fed each packet's decode-order index as its
  // time, so every picture it yields names the packet it came from.
  bool FSynthetic = false;
  int FRunKeyOrdinal = 0;
  bool FRunSeenKey = false;
  int FRunDropped = 0;
  bool FBadKey = false;
  bool FDrainSent = false;
  bool FDrained = false;
  int FPreferred = smTimestamp;

  std::chrono::steady_clock::time_point FDeadline;
  std::string FOpenError;
  std::string FSeekError;
};

}  // namespace kolibra::video::vff
