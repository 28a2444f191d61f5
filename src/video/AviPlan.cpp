#include "video/AviPlan.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <optional>

namespace kolibra::video::avi {

namespace aviplan {

// The decoder takes a chunk this small for the "not coded" stand-in of a packed B-frame.
constexpr uint32_t MaxNotCodedSize = 19;
// The headers and the first VOP lie at the start of a chunk; only packed streams keep a
// second VOP further on.
constexpr int64_t HeaderBytes = 256;
// A P-frame and its B-frame in one chunk take less than this.
constexpr int64_t PackedBytes = int64_t(16) << 20;

class TBits {
 public:
  TBits(const uint8_t *Data, int64_t Size) : FData(Data), FBits(Size * 8) {}
  uint32_t Get(int Count) {
    uint32_t v = 0;
    for (int i = 0; i < Count; ++i) v = (v << 1) | Bit();
    return v;
  }
  uint32_t Bit() {
    if (FPos >= FBits) {
      FOver = true;
      return 0;
    }
    const uint32_t b = (FData[FPos >> 3] >> (7 - (FPos & 7))) & 1;
    ++FPos;
    return b;
  }
  bool Over() const { return FOver; }

 private:
  const uint8_t *FData;
  int64_t FBits;
  int64_t FPos = 0;
  bool FOver = false;
};

// sscanf's %d: blanks, a sign, at least one digit.
bool ScanInt(const char *&p, const char *end) {
  while (p < end && (*p == ' ' || (*p >= '\t' && *p <= '\r'))) ++p;
  if (p < end && (*p == '+' || *p == '-')) ++p;
  const char *digits = p;
  while (p < end && *p >= '0' && *p <= '9') ++p;
  return p > digits;
}

// How many of "DivX%d<Middle>%d%c" match, and the last character.
int ScanDivX(const char *p, const char *end, const char *Middle, char &Last) {
  const size_t n = strlen(Middle);
  if (end - p < 4 || memcmp(p, "DivX", 4) != 0) return 0;
  p += 4;
  if (!ScanInt(p, end)) return 0;
  if (size_t(end - p) < n || memcmp(p, Middle, n) != 0) return 1;
  p += n;
  if (!ScanInt(p, end)) return 1;
  if (p >= end) return 2;
  Last = *p;
  return 3;
}

// The slot of each picture from its time, the first picture standing at FirstSlot; empty
// when the times do not give every picture a slot of its own. Pictures timed past the last
// slot (an encoder that wrote fewer chunks than pictures) have none and are left out.
std::vector<int> SlotsOfTimes(const std::vector<int64_t> &Times, int FirstSlot, double TicksPerSlot, size_t SlotCount) {
  std::vector<int> placed;
  if (Times.empty() || !(TicksPerSlot > 0.0)) return placed;
  for (const int64_t t : Times) {
    const double at = double(FirstSlot) + double(t - Times.front()) / TicksPerSlot;
    if (!(at > -0.5)) return {};
    if (!(at < double(SlotCount) - 0.5)) break;
    const int slot = int(std::lround(at));
    if (!placed.empty() && slot <= placed.back()) return {};
    placed.push_back(slot);
  }
  return placed;
}

int Log2(uint32_t v) {
  int r = 0;
  while (v > 1) {
    v >>= 1;
    ++r;
  }
  return r;
}

}  // namespace aviplan

// ---------------------------------------------------------------------------------------------
// The plan
// ---------------------------------------------------------------------------------------------

const TAviPlan::TKey *TAviPlan::KeyFor(int Target) const {
  if (Keys.empty()) return nullptr;
  auto it = std::upper_bound(Keys.begin(), Keys.end(), Target, [](int p, const TKey &k) { return p < k.Picture; });
  return it == Keys.begin() ? &Keys.front() : &*(it - 1);
}

void TAviPlan::DropKey(int Slot) {
  // The first key is the start of the stream, from which decoding is always right.
  if (Keys.size() <= 1 || Keys.front().Slot == Slot) return;
  Keys.erase(std::remove_if(Keys.begin(), Keys.end(), [Slot](const TKey &k) { return k.Slot == Slot; }), Keys.end());
}

TAviPlan PlanOfChunks(const TAviStream &Stream, bool AllKeys) {
  TAviPlan plan;
  const size_t n = Stream.Slots.size();
  plan.Picture.assign(n, 0);
  int yielded = 0;
  for (size_t k = 0; k < n; ++k) {
    const TAviSlot &s = Stream.Slots[k];
    if (s.Size > 0) {
      // The first picture always starts a run: a decode from the start is never wrong.
      if (yielded == 0 || AllKeys || s.Key) plan.Keys.push_back({int(k), yielded});
      ++yielded;
    }
    plan.Picture[k] = std::max(yielded - 1, 0);
  }
  plan.Pictures = yielded;
  return plan;
}

TAviPlan PlanOfMpeg4(TAviSource &Source, const TAviStream &Stream) {
  using aviplan::HeaderBytes;
  struct TVopAt {
    int Slot = 0;
    bool First = false;  // the first VOP of its chunk
    int Type = 0;
    bool Coded = true;
    bool Timed = false;
    int Seconds = 0;
    int64_t Ticks = 0;
    int64_t Time = 0;  // in ticks of the VOL's clock, once decoded
  };
  const auto vopAt = [](int Slot, bool First, const TMpeg4Vop &v) {
    return TVopAt{Slot, First, v.Type, v.Coded, v.Timed, v.Seconds, v.Ticks, 0};
  };
  TAviPlan plan;
  const size_t n = Stream.Slots.size();
  plan.Picture.assign(n, 0);
  std::vector<int32_t> firstVopPicture(n, -1);
  std::vector<uint8_t> startsWithI(n, 0);
  TMpeg4Headers headers;
  std::vector<uint8_t> bytes;
  std::optional<TVopAt> stored;  // the B- or I-frame the decoder keeps from a packed chunk
  std::optional<TVopAt> held;    // the reference frame shown when the next one comes
  int refs = 0, given = 0, yielded = 0;
  // The pictures as they are given out: their times, and whether all had one.
  std::vector<int64_t> times;
  bool timed = true;
  int firstSlot = 0;
  int resolution = 0;
  const auto giveOut = [&](const TVopAt &v) {
    if (v.First) firstVopPicture[size_t(v.Slot)] = given;
    if (given == 0) firstSlot = v.Slot;
    times.push_back(v.Time);
    timed = timed && v.Timed;
    ++given;
  };
  // The decoder's clock: references move the whole seconds on, B-frames count from the
  // seconds of the reference before the last one.
  int64_t timeBase = 0, lastTimeBase = 0;
  const auto clock = [&](TVopAt &v) {
    if (!v.Timed) return;
    if (v.Type != 2) {
      lastTimeBase = timeBase;
      timeBase += v.Seconds;
      v.Time = timeBase * resolution + v.Ticks;
    } else {
      v.Time = (lastTimeBase + v.Seconds) * resolution + v.Ticks;
    }
  };
  // One VOP decoded: a picture, unless it is not coded or a B-frame without its references.
  const auto decode = [&](TVopAt &v) {
    clock(v);
    if (!v.Coded || (v.Type == 2 && refs < 2)) return false;
    ++yielded;
    if (v.Type == 2) {
      giveOut(v);
    } else {
      if (held) giveOut(*held);
      held = v;
      refs = std::min(refs + 1, 2);
    }
    return true;
  };

  for (size_t k = 0; k < n; ++k) {
    const TAviSlot &s = Stream.Slots[k];
    if (s.Size > 0) {
      int64_t count = std::min<int64_t>(s.Size, HeaderBytes);
      bytes.resize(size_t(count));
      bool read = Source.Read(s.Offset, bytes.data(), count);
      if (read) headers.Read(bytes.data(), count);
      if (read && headers.Packed() && count < int64_t(s.Size)) {
        count = std::min<int64_t>(s.Size, aviplan::PackedBytes);
        bytes.resize(size_t(count));
        read = Source.Read(s.Offset, bytes.data(), count);
        if (read) headers.Read(bytes.data(), count);
      }
      // One clock for the file: a VOL that changes it leaves the times unusable.
      if (headers.Resolution() > 0) {
        if (resolution == 0) resolution = headers.Resolution();
        if (headers.Resolution() != resolution) timed = false;
      }
      static const std::vector<TMpeg4Vop> none;
      const std::vector<TMpeg4Vop> &vops = read ? headers.Vops() : none;
      startsWithI[k] = !vops.empty() && vops.front().Type == 0;
      // A chunk opening with a new sequence makes the decoder drop what it kept.
      if (headers.Packed() && stored && read && headers.FirstStartCode() == 0xB0) stored.reset();
      const bool fromStored = stored && (headers.Packed() || s.Size <= aviplan::MaxNotCodedSize);
      std::optional<TVopAt> vop;
      if (fromStored) {
        vop = stored;
      } else if (!vops.empty()) {
        vop = vopAt(int(k), true, vops.front());
      }
      stored.reset();
      if (vop && decode(*vop) && headers.Packed()) {
        const TMpeg4Vop *next = nullptr;
        if (fromStored) {
          if (s.Size > 7 && !vops.empty()) next = &vops[0];
        } else if (vops.size() > 1) {
          next = &vops[1];
        }
        if (next && (next->Type == 0 || next->Type == 2)) {
          stored = vopAt(int(k), next == &vops[0], *next);
          plan.Packed = true;
        }
      }
    }
    plan.Picture[k] = std::max(yielded - 1, 0);
  }
  // What the last chunk left with the decoder comes out for a stand-in chunk.
  if (stored && headers.Packed()) {
    const int before = yielded;
    plan.FlushStored = decode(*stored) && yielded > before;
  }
  if (held) giveOut(*held);
  plan.Pictures = yielded;

  for (size_t k = 0; k < n; ++k) {
    const TAviSlot &s = Stream.Slots[k];
    if (s.Size == 0) continue;
    // Counted chunk by chunk, the keyframe's slot would show another picture than its own.
    if (startsWithI[k] && firstVopPicture[k] >= 0 && firstVopPicture[k] != plan.Picture[k]) plan.OpenGop = true;
    const bool first = plan.Keys.empty();
    const int picture = first ? 0 : firstVopPicture[k];
    const bool key =
        first || ((Stream.KeysKnown ? s.Key : true) && startsWithI[k] && picture > plan.Keys.back().Picture);
    if (key) plan.Keys.push_back({int(k), picture});
  }

  // Each picture at the slot of its time: by the stream's rate, or where the header's rate
  // is not the VOL's clock, by the usual distance between pictures. Without usable times
  // the pictures stay counted chunk by chunk.
  if (timed && resolution > 0 && given == yielded && given > 0) {
    std::vector<int> placed;
    if (Stream.Rate > 0 && Stream.Scale > 0) {
      placed = aviplan::SlotsOfTimes(times, firstSlot, double(resolution) * Stream.Scale / Stream.Rate, n);
    }
    if (placed.empty() && times.size() > 1) {
      std::vector<int64_t> steps;
      for (size_t j = 1; j < times.size(); ++j) steps.push_back(times[j] - times[j - 1]);
      std::nth_element(steps.begin(), steps.begin() + steps.size() / 2, steps.end());
      placed = aviplan::SlotsOfTimes(times, firstSlot, double(steps[steps.size() / 2]), n);
    }
    if (!placed.empty()) {
      size_t j = 0;
      for (size_t k = 0; k < n; ++k) {
        while (j + 1 < placed.size() && placed[j + 1] <= int(k)) ++j;
        plan.Picture[k] = int32_t(j);
      }
    }
  }
  return plan;
}

// ---------------------------------------------------------------------------------------------
// MPEG-4 headers
// ---------------------------------------------------------------------------------------------

void TMpeg4Headers::Read(const uint8_t *Data, int64_t Size) {
  FVops.clear();
  FFirstStartCode = -1;
  if (!Data || Size < 4) return;
  int64_t i = 0;
  while (i + 3 < Size) {
    const auto *one = static_cast<const uint8_t *>(memchr(Data + i + 2, 1, size_t(Size - i - 2)));
    if (!one) break;
    const int64_t j = one - Data - 2;
    if (Data[j] != 0 || Data[j + 1] != 0 || j + 3 >= Size) {
      i = j + 1;
      continue;
    }
    const int code = Data[j + 3];
    if (FFirstStartCode < 0) FFirstStartCode = code;
    if (code >= 0x20 && code <= 0x2F) {
      ReadVol(Data + j + 4, Size - j - 4);
    } else if (code == 0xB2) {
      ReadUserData(Data + j + 4, Size - j - 4);
    } else if (code == 0xB6) {
      ReadVop(Data + j + 4, Size - j - 4, j);
      if (FVops.size() >= MaxVops) return;
    }
    i = j + 4;
  }
}

void TMpeg4Headers::ReadVol(const uint8_t *Data, int64_t Size) {
  aviplan::TBits b(Data, Size);
  b.Get(1);  // random accessible
  b.Get(8);  // object type
  int verid = 1;
  if (b.Bit()) {
    verid = int(b.Get(4));
    b.Get(3);
  }
  if (b.Get(4) == 15) b.Get(16);  // extended pixel aspect ratio
  if (b.Bit()) {                  // control parameters
    b.Get(2);
    b.Get(1);
    if (b.Bit()) {  // buffer parameters
      b.Get(15);
      b.Get(1);
      b.Get(15);
      b.Get(1);
      b.Get(15);
      b.Get(1);
      b.Get(3);
      b.Get(11);
      b.Get(1);
      b.Get(15);
      b.Get(1);
    }
  }
  const uint32_t shape = b.Get(2);
  if (shape == 3 && verid != 1) b.Get(4);
  b.Get(1);
  const uint32_t resolution = b.Get(16);
  if (b.Over() || resolution == 0) return;
  FTimeBits = aviplan::Log2(resolution - 1) + 1;
  FResolution = int(resolution);
}

void TMpeg4Headers::ReadUserData(const uint8_t *Data, int64_t Size) {
  // As the decoder reads it: up to 255 characters, ending at a zero or the next start code.
  int64_t n = 0;
  while (n < Size && n < 255 && Data[n] != 0) ++n;
  const char *text = reinterpret_cast<const char *>(Data);
  char last = 0;
  int matched = aviplan::ScanDivX(text, text + n, "Build", last);
  if (matched < 2) matched = aviplan::ScanDivX(text, text + n, "b", last);
  if (matched >= 2) FPacked = matched == 3 && last == 'p';
}

void TMpeg4Headers::ReadVop(const uint8_t *Data, int64_t Size, int64_t Offset) {
  aviplan::TBits b(Data, Size);
  TMpeg4Vop vop;
  vop.Offset = Offset;
  vop.Type = int(b.Get(2));
  int seconds = 0;
  while (seconds < 64 && b.Bit()) ++seconds;
  b.Get(1);
  if (FTimeBits > 0) {
    const uint32_t ticks = b.Get(FTimeBits);
    b.Get(1);
    const bool coded = b.Bit() != 0;
    // Cut short, the frame is taken as coded: the decoder will say.
    vop.Coded = coded || b.Over();
    vop.Timed = !b.Over() && seconds < 64;
    vop.Seconds = seconds;
    vop.Ticks = ticks;
  }
  FVops.push_back(vop);
}

}  // namespace kolibra::video::avi
