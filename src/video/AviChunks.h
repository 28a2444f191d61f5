#pragma once
// The RIFF walk shared by the AVI parser's parts: a read-ahead window over the source, so
// that tables and chunk headers are not read a few bytes at a time, and chunk headers whose
// sizes are checked against their parent before anyone follows them.

#include "video/AviParser.h"

#include <cstring>
#include <vector>

namespace kolibra::video::avi {

constexpr uint32_t Tag(const char (&Text)[5]) {
  return uint32_t(uint8_t(Text[0])) | uint32_t(uint8_t(Text[1])) << 8 | uint32_t(uint8_t(Text[2])) << 16 |
         uint32_t(uint8_t(Text[3])) << 24;
}

inline uint16_t Le16(const uint8_t *p) { return uint16_t(p[0] | p[1] << 8); }
inline uint32_t Le32(const uint8_t *p) {
  return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}
inline uint64_t Le64(const uint8_t *p) { return uint64_t(Le32(p)) | uint64_t(Le32(p + 4)) << 32; }

class TAviReader {
 public:
  explicit TAviReader(TAviSource &Source) : FSource(Source), FSize(Source.Size()) {}
  int64_t Size() const { return FSize; }
  // Count bytes at Offset, from the window when they are in it.
  bool Read(int64_t Offset, void *Buffer, int64_t Count);
  bool Read32(int64_t Offset, uint32_t &Value) {
    uint8_t b[4];
    if (!Read(Offset, b, 4)) return false;
    Value = Le32(b);
    return true;
  }

 private:
  // A page: chunk headers far apart each cost one read of it; tables are read in blocks.
  static constexpr int64_t Window = 4096;
  TAviSource &FSource;
  int64_t FSize;
  std::vector<uint8_t> FWindow;
  int64_t FWindowStart = -1;
};

struct TChunk {
  uint32_t Id = 0;
  uint32_t Size = 0;      // as the header says
  int64_t Data = 0;       // first data byte
  int64_t End = 0;        // end of the data that lies inside the parent
  int64_t Next = 0;       // where the next chunk of the parent starts
  bool Cut = false;       // the header promised more than the parent holds
  uint32_t ListType = 0;  // the type of a "LIST" or "RIFF" chunk, else 0
};

// The chunk whose header is at Pos inside a parent ending at ParentEnd; false when no whole
// header fits.
bool ReadChunk(TAviReader &Reader, int64_t Pos, int64_t ParentEnd, TChunk &Chunk);

// Four characters a RIFF writer could have meant: letters, digits, blanks and punctuation.
bool PlausibleId(uint32_t Id);

// "00dc" and "00db" of stream Number (two decimal digits).
bool IsVideoChunk(uint32_t Id, int Number);

// What the parts of the parser learn about the file before the index is read.
struct TAviLayout {
  struct TMovi {
    int64_t TypePos = 0;  // where "movi" stands: idx1 offsets count from here
    int64_t End = 0;
  };
  std::vector<TMovi> Movis;  // the first RIFF's, then one per AVIX part
  int64_t Idx1Data = -1;
  int64_t Idx1End = -1;
  int64_t SuperIndexData = -1;  // the video stream's "indx"
  int64_t SuperIndexEnd = -1;
};

// Fills Stream.Slots from the layout: OpenDML indexes first, then idx1 (completed by a walk
// of the AVIX parts it does not cover), then a walk of every movi list.
void ReadIndex(TAviReader &Reader, const TAviLayout &Layout, TAviStream &Stream);

}  // namespace kolibra::video::avi
