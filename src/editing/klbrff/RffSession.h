#pragma once
// The one file KlbRff writes: libavformat's AVI muxer fed by libavcodec's MPEG-4 part 2
// encoder (or 24-bit RGB bitmaps, bottom row first, without a codec), at the nearest exact
// frame rate, with no B-frames, and marked with the comment that makes Kolibra read it with
// FFmpeg. Slot k of the stream is the kth frame or empty slot given; packets carry their slot
// as time stamp, so the muxer numbers the chunks as the slots.

#include "editing/klbrff/KlbRff.h"
#include "video/FrameRate.h"

#include <cstdint>
#include <deque>
#include <string>

struct AVCodecContext;
struct AVFormatContext;
struct AVFrame;
struct AVPacket;
struct AVStream;
struct SwsContext;

namespace kolibra::editing::rff {

class TRffSession {
 public:
  TRffSession();
  ~TRffSession();
  TRffSession(const TRffSession &) = delete;
  TRffSession &operator=(const TRffSession &) = delete;

  bool Open(const std::string &FileName, int Height, int Width, double Rate, bool UseCodec);
  bool AddFrame(const KlbRffBitmap &Bitmap);
  bool AddEmpty();
  // Drains the encoder, writes the index and closes; Status() tells the outcome.
  void Finish();
  void Cancel();

  bool IsOpen() const { return FFormat != nullptr; }
  int32_t Status() const { return FStatus; }
  const std::string &Error() const { return FError; }

 private:
  bool Fail(const std::string &Reason, int Code = -1);
  bool FailAv(const char *What, int Code);
  bool Receive();
  bool WritePacket(int64_t Slot);
  bool WriteEmpty(int64_t Slot);
  bool WriteWaiting();
  void Release();
  bool PatchRate();

  AVFormatContext *FFormat = nullptr;
  AVStream *FStream = nullptr;
  AVCodecContext *FCodec = nullptr;
  AVFrame *FFrame = nullptr;
  AVPacket *FPacket = nullptr;
  SwsContext *FScaler = nullptr;
  bool FHeaderWritten = false;
  int FWidth = 0;
  int FHeight = 0;
  int64_t FNextSlot = 0;
  int FSlotNum = 1;  // one slot, in seconds
  int FSlotDen = 25;
  video::TFrameRate FTrueRate;
  bool FPatchRate = false;
  std::string FFileName;
  // Slots given but not yet in the file: true a frame the encoder holds, false an empty slot.
  struct TWaiting {
    int64_t Slot;
    bool Frame;
  };
  std::deque<TWaiting> FWaiting;
  int32_t FStatus = -1;
  std::string FError;
};

}  // namespace kolibra::editing::rff
