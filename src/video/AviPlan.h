#pragma once
// Which picture each frame slot of an AVI stream shows, and where decoding may start.
//
// Pictures are numbered in the order a decode from the first chunk gives them out. Slot k
// shows the picture whose display time is slot k; a slot without one (an empty chunk, or an
// MPEG-4 "not coded" frame the decoder passes over) shows the picture before it, so every
// frame keeps its time. A run of the decoder started at a key gives out pictures from the
// key's own on, in order.
//
// For most codecs every chunk that holds data yields one picture, shown at its slot. MPEG-4
// Visual (DivX, Xvid) differs: B-frames are stored after the frame they precede, and the
// DivX "packed" way stores a B-frame inside the chunk before it and leaves a "not coded"
// frame in its slot; encoders that pack also leave empty chunks for their own delay at the
// start. Counting pictures chunk by chunk would show every picture of such a file late, so
// PlanOfMpeg4 follows the decoder's own handling through the VOP headers of every chunk and
// places each picture at the slot its VOP time names.

#include "video/AviParser.h"

#include <cstdint>
#include <vector>

namespace kolibra::video::avi {

struct TAviPlan {
  struct TKey {
    int Slot = 0;     // the chunk to feed first
    int Picture = 0;  // the first picture the run gives out
  };
  std::vector<int32_t> Picture;  // per slot
  std::vector<TKey> Keys;        // by Picture and Slot increasing
  int Pictures = 0;
  // Some keyframe is followed, in the order of the chunks, by B-frames shown before it (an
  // open group of pictures): its picture is not the one its slot shows.
  bool OpenGop = false;
  // The last chunk leaves a packed VOP with the decoder, which gives it out only when one
  // more chunk comes: the reader feeds a stand-in before draining, or the picture is lost.
  bool FlushStored = false;
  // Some chunk holds a B-frame packed with the frame before it (DivX, Xvid).
  bool Packed = false;

  // The last key whose run reaches Picture (the first key for earlier pictures); null when
  // there is no key at all.
  const TKey *KeyFor(int Picture) const;
  // Forgets a key that turned out not to be one.
  void DropKey(int Slot);
};

// Every chunk with data is one picture shown at its slot. Keys: the index's keyframes; every
// picture when AllKeys (intra-only codecs), or when the index flagged none, the first.
TAviPlan PlanOfChunks(const TAviStream &Stream, bool AllKeys);

// MPEG-4 Visual: reads the headers of every chunk (whole chunks when the stream is packed).
TAviPlan PlanOfMpeg4(TAviSource &Source, const TAviStream &Stream);

// --- The MPEG-4 header reading, exposed for tests and the fuzzer ---

struct TMpeg4Vop {
  int64_t Offset = 0;  // of its start code in the chunk
  int Type = 0;        // 0 I, 1 P, 2 B, 3 S (global motion)
  bool Coded = true;
  // Its time: whole seconds past the reference's (modulo_time_base) and ticks of the VOL's
  // resolution into that second; valid when Timed (a VOL header came before).
  bool Timed = false;
  int Seconds = 0;
  int64_t Ticks = 0;
};

class TMpeg4Headers {
 public:
  // Reads the headers of a chunk (the start of it is enough): the VOPs, and on the way the
  // time resolution of a VOL header and the writer's note that B-frames are packed.
  void Read(const uint8_t *Data, int64_t Size);
  const std::vector<TMpeg4Vop> &Vops() const { return FVops; }
  // The start code that comes first in the chunk, or -1.
  int FirstStartCode() const { return FFirstStartCode; }
  bool Packed() const { return FPacked; }
  int TimeBits() const { return FTimeBits; }
  // Ticks per second of the last VOL header; 0 before one.
  int Resolution() const { return FResolution; }

  static constexpr size_t MaxVops = 8;

 private:
  void ReadVol(const uint8_t *Data, int64_t Size);
  void ReadUserData(const uint8_t *Data, int64_t Size);
  void ReadVop(const uint8_t *Data, int64_t Size, int64_t Offset);

  std::vector<TMpeg4Vop> FVops;
  int FFirstStartCode = -1;
  bool FPacked = false;
  int FTimeBits = 0;  // 0 until a VOL header gave the resolution
  int FResolution = 0;
};

}  // namespace kolibra::video::avi
