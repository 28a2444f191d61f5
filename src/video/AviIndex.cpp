// The slot table of the video stream: OpenDML indexes, the AVI 1.0 index, or a walk of the
// movi lists. An entry pointing past the end of the file ends the table when every entry
// after it does too (a cut file), and is an empty slot otherwise, so that the frames after a
// damaged entry keep their times.

#include "video/AviChunks.h"

#include <algorithm>
#include <unordered_set>

namespace kolibra::video::avi {

namespace aviindex {

constexpr uint32_t NotKeyBit = 0x80000000u;
constexpr uint32_t Idx1KeyFlag = 0x10;
constexpr uint8_t IndexOfIndexes = 0x00;
constexpr uint8_t IndexOfChunks = 0x01;
constexpr int64_t Idx1Entry = 16;
constexpr int64_t BlockEntries = 4096;

struct TEntry {
  TAviSlot Slot;
  bool Valid = true;
};

struct TTable {
  std::vector<TEntry> Entries;
  int64_t Limit = 0;  // at most this many slots: the file cannot hold more
  bool Full() const { return int64_t(Entries.size()) >= Limit; }
};

// Offsets are added unsigned, where a wrap is defined, and checked before they become signed.
void Add(TTable &Table, int64_t FileSize, uint64_t Offset, uint32_t Size, bool Key) {
  if (Table.Full()) return;
  TEntry e;
  e.Valid = Offset <= uint64_t(FileSize) && int64_t(Size) <= FileSize - int64_t(Offset);
  e.Slot.Offset = e.Valid ? int64_t(Offset) : 0;
  e.Slot.Size = e.Valid ? Size : 0;
  e.Slot.Key = e.Valid && Key && Size > 0;
  Table.Entries.push_back(e);
}

// Trailing entries past the end are the part of a cut file that is missing.
std::vector<TAviSlot> Finish(TTable &Table) {
  while (!Table.Entries.empty() && !Table.Entries.back().Valid) Table.Entries.pop_back();
  std::vector<TAviSlot> table;
  table.reserve(Table.Entries.size());
  for (const TEntry &e : Table.Entries) {
    TAviSlot s = e.Slot;
    if (!e.Valid) {  // a dropped frame, pointing nowhere
      s.Offset = 0;
      s.Size = 0;
      s.Key = false;
    }
    table.push_back(s);
  }
  return table;
}

// A standard index ("ix00"), its 24-byte header at Data: the entries of one RIFF part.
bool ReadChunkIndex(TAviReader &Reader, int64_t Data, int64_t End, TTable &Table) {
  uint8_t h[24];
  if (End - Data < 24 || !Reader.Read(Data, h, 24)) return false;
  const int stride = Le16(h) * 4;
  if (h[3] != IndexOfChunks || stride < 8) return false;
  const uint64_t base = Le64(h + 12);
  const int64_t count = std::min<int64_t>(Le32(h + 4), (End - Data - 24) / stride);
  std::vector<uint8_t> block;
  for (int64_t first = 0; first < count && !Table.Full(); first += BlockEntries) {
    const int64_t n = std::min(BlockEntries, count - first);
    block.resize(size_t(n * stride));
    if (!Reader.Read(Data + 24 + first * stride, block.data(), n * stride)) return false;
    for (int64_t i = 0; i < n; ++i) {
      const uint8_t *e = block.data() + i * stride;
      const uint32_t size = Le32(e + 4);
      Add(Table, Reader.Size(), base + Le32(e), size & ~NotKeyBit, (size & NotKeyBit) == 0);
    }
  }
  return true;
}

bool ReadOpenDml(TAviReader &Reader, const TAviLayout &Layout, TTable &Table) {
  const int64_t data = Layout.SuperIndexData, end = Layout.SuperIndexEnd;
  uint8_t h[24];
  if (data < 0 || end - data < 24 || !Reader.Read(data, h, 24)) return false;
  if (h[3] == IndexOfChunks) return ReadChunkIndex(Reader, data, end, Table);
  const int stride = Le16(h) * 4;
  if (h[3] != IndexOfIndexes || stride < 16) return false;
  const int64_t count = std::min<int64_t>(Le32(h + 4), (end - data - 24) / stride);
  // A super index naming one standard index twice would count its frames twice.
  std::unordered_set<int64_t> seen;
  for (int64_t i = 0; i < count && !Table.Full(); ++i) {
    uint8_t e[16];
    if (!Reader.Read(data + 24 + i * stride, e, 16)) return false;
    const uint64_t offset = Le64(e);
    if (offset > uint64_t(Reader.Size()) || !seen.insert(int64_t(offset)).second) return false;
    TChunk ix;
    if (!ReadChunk(Reader, int64_t(offset), Reader.Size(), ix)) return false;
    if (!ReadChunkIndex(Reader, ix.Data, ix.End, Table)) return false;
  }
  return !Table.Entries.empty();
}

bool ReadIdx1(TAviReader &Reader, const TAviLayout &Layout, int Number, TTable &Table) {
  if (Layout.Idx1Data < 0 || Layout.Movis.empty()) return false;
  const int64_t count = (Layout.Idx1End - Layout.Idx1Data) / Idx1Entry;
  const int64_t moviBase = Layout.Movis.front().TypePos;
  int64_t base = -1;  // offsets count from "movi" in most files, from the file's start in some
  std::vector<uint8_t> block;
  for (int64_t first = 0; first < count && !Table.Full(); first += BlockEntries) {
    const int64_t n = std::min(BlockEntries, count - first);
    block.resize(size_t(n * Idx1Entry));
    if (!Reader.Read(Layout.Idx1Data + first * Idx1Entry, block.data(), n * Idx1Entry)) return false;
    for (int64_t i = 0; i < n; ++i) {
      const uint8_t *e = block.data() + i * Idx1Entry;
      const uint32_t id = Le32(e);
      if (!IsVideoChunk(id, Number)) continue;
      const int64_t offset = Le32(e + 8);
      if (base < 0) {
        uint32_t there = 0;
        base = moviBase;
        if (!(Reader.Read32(moviBase + offset, there) && there == id) && Reader.Read32(offset, there) && there == id) {
          base = 0;
        }
      }
      Add(Table, Reader.Size(), uint64_t(base + offset + 8), Le32(e + 12), (Le32(e + 4) & Idx1KeyFlag) != 0);
    }
  }
  return !Table.Entries.empty();
}

// The video chunks of one movi list, in the order they are stored, "rec " lists included.
void ScanList(TAviReader &Reader, int64_t From, int64_t End, int Number, int Depth, TTable &Table, bool &Damaged) {
  TChunk c;
  int64_t pos = From;
  while (!Damaged && !Table.Full() && ReadChunk(Reader, pos, End, c)) {
    if (!PlausibleId(c.Id)) {
      Damaged = true;  // what follows cannot be told from noise
      return;
    }
    if (c.ListType == Tag("rec ") && Depth == 0) {
      ScanList(Reader, c.Data + 4, c.End, Number, 1, Table, Damaged);
    } else if (IsVideoChunk(c.Id, Number)) {
      if (c.Cut) {  // a cut file: the last chunk is not whole
        Damaged = true;
        return;
      }
      Add(Table, Reader.Size(), uint64_t(c.Data), c.Size, false);
    }
    pos = c.Next;
  }
}

void Scan(TAviReader &Reader, const TAviLayout &Layout, size_t FirstMovi, int Number, TTable &Table) {
  for (size_t m = FirstMovi; m < Layout.Movis.size(); ++m) {
    bool damaged = false;
    ScanList(Reader, Layout.Movis[m].TypePos + 4, Layout.Movis[m].End, Number, 0, Table, damaged);
    if (damaged) return;
  }
}

}  // namespace aviindex

void ReadIndex(TAviReader &Reader, const TAviLayout &Layout, TAviStream &Stream) {
  using namespace aviindex;
  // One past the most the parser takes, so that a longer video is seen to be longer.
  const int64_t limit = std::min<int64_t>(Reader.Size() / 8 + 1, MaxSlots + 1);
  TTable odml, idx1;
  odml.Limit = idx1.Limit = limit;
  const bool haveOdml = ReadOpenDml(Reader, Layout, odml);
  const bool haveIdx1 = ReadIdx1(Reader, Layout, Stream.Number, idx1);
  std::vector<TAviSlot> table;
  if (haveOdml && (!haveIdx1 || odml.Entries.size() >= idx1.Entries.size())) {
    Stream.IndexKind = ikOpenDml;
    table = Finish(odml);
  } else if (haveIdx1) {
    // idx1 covers the first part only; the parts past 1 GB are walked.
    Stream.IndexKind = ikIdx1;
    if (Layout.Movis.size() > 1) Scan(Reader, Layout, 1, Stream.Number, idx1);
    table = Finish(idx1);
  } else {
    Stream.IndexKind = ikScan;
    TTable walked;
    walked.Limit = limit;
    Scan(Reader, Layout, 0, Stream.Number, walked);
    table = Finish(walked);
  }
  bool anyKey = false;
  for (const TAviSlot &s : table) anyKey = anyKey || s.Key;
  Stream.KeysKnown = anyKey;
  Stream.Slots = std::move(table);
}

}  // namespace kolibra::video::avi
