#pragma once
// The pictures of a compressed AVI stream, decoded by the libavcodec decoder that the
// stream's FourCC names (libavformat's table of AVI codes, as the compression manager would
// find one), read chunk by chunk from the slot table.
//
// A run is the decoder fed chunk after chunk from a key of the plan on; the pictures it gives
// out are numbered from the key's picture, so they agree with a decode from the start.
// Moving forward continues the run while no later key is a shorter way; anything else
// starts a new run at the last key before the target. Every packet carries its slot as its
// time, so the first picture of a run can be checked to be the key's own; a key whose run
// does not start with it is dropped from the plan. Decoded pictures are kept in a cache,
// which makes stepping back cheap.

#include "video/AviParser.h"
#include "video/AviPlan.h"
#include "video/convert/PictureConverter.h"
#include "video/klbvff/VffFrameCache.h"

#include <QString>
#include <array>
#include <cstdint>

extern "C" {
#include <libavcodec/avcodec.h>
}

namespace kolibra::video::avi {

class TAviDecoder {
 public:
  TAviDecoder();
  ~TAviDecoder();
  TAviDecoder(const TAviDecoder &) = delete;
  TAviDecoder &operator=(const TAviDecoder &) = delete;

  // Finds and starts the decoder and plans the pictures. Source and Stream must outlive the
  // decoder's use of them. False with the reason when no decoder fits.
  bool Open(TAviSource &Source, const TAviStream &Stream, QString &Error);
  void Close();
  bool IsOpen() const { return FDecoder != nullptr; }

  // Makes the picture that slot Slot shows current; false when none can be had.
  bool Seek(int Slot);
  // The current picture's number, -1 before the first seek.
  int CurrentPicture() const { return FCurrentPicture; }
  // Paints the current picture, converted to 24-bit RGB (red first), into Height rows of
  // Width pixels, BytesPerLine apart.
  bool Paint(uchar *Bits, int64_t BytesPerLine, int Width, int Height);

  const TAviPlan &Plan() const { return FPlan; }
  bool IntraOnly() const { return FIntraOnly; }

 private:
  void StartRun(const TAviPlan::TKey &Key);
  bool LoadPacket(int Slot);
  bool LoadStandIn(int Slot);
  bool Feed();
  bool DecodeTo(int Target);
  void Output(int Target);

  TAviSource *FSource = nullptr;
  const TAviStream *FStream = nullptr;
  TAviPlan FPlan;
  AVCodecContext *FDecoder = nullptr;
  AVPacket *FPacket = nullptr;
  AVFrame *FFrame = nullptr;
  AVFrame *FCurrent = nullptr;
  AVFrame *FLastOutput = nullptr;
  vff::TVffFrameCache FCache;
  TPictureConverter FConverter;
  bool FIntraOnly = false;
  bool FHasPalette = false;
  std::array<uint32_t, 256> FPalette{};

  int FCurrentPicture = -1;
  int FPictureLimit = 0;  // pictures past this one never came out of a decode to the end
  int FKeptOnTheWay = 0;  // how many pictures before the target a run keeps in the cache

  // The run.
  bool FRunActive = false;
  TAviPlan::TKey FRunKey;
  int FNextSlot = 0;
  int FNextPicture = 0;
  int FLastPicture = -1;
  bool FRunChecked = false;  // the run's first picture was found to be the key's own
  int FRunDropped = 0;
  bool FBadKey = false;
  bool FHasPending = false;
  bool FPaletteSent = false;
  bool FStandInSent = false;
  bool FDrainSent = false;
  bool FDrained = false;
};

}  // namespace kolibra::video::avi
