#pragma once
// AVI files laid out byte by byte the way writers in the wild lay them out, for the AVI
// reader's tests and the fuzzer's seeds: AVI 1.0 with an idx1 index counted from "movi" or
// from the file's start, OpenDML with a super index and one standard index per RIFF part,
// no index at all, chunks inside "rec " lists, a sound stream beside the picture, and holes
// (sparse JUNK) that put the later parts past 4 GB without writing them.

#include <QByteArray>
#include <QList>
#include <QString>
#include <cstdint>
#include <utility>
#include <vector>

namespace kolibra::video::testing {

struct TAviChunkData {
  QByteArray Data;  // empty: a dropped frame
  bool Key = true;
};

struct TAviShape {
  enum TIndex { Idx1, Idx1Absolute, OpenDml, NoIndex };
  TIndex Index = Idx1;
  QByteArray Format;     // the video stream's "strf"
  uint32_t Handler = 0;  // the stream header's FourCC
  uint32_t Scale = 1;
  uint32_t Rate = 25;
  uint32_t Start = 0;
  int64_t Length = -1;  // the stream header's frame count; -1: the number of chunks
  int RectWidth = 0;    // the stream header's frame rectangle (0: left empty)
  int RectHeight = 0;
  bool SoundFirst = false;    // a sound stream 00 before the video, which is then stream 01
  bool Rec = false;           // every chunk in a "rec " list of its own
  int ChunksPerPart = 0;      // OpenDML: chunks per RIFF part (0: all in the first)
  int64_t HoleAfterPart = 0;  // OpenDML: unwritten JUNK bytes closing every part but the last
};

// A bitmap header of 40 bytes followed by Extra (palette, masks or codec data).
QByteArray BitmapInfo(int Width, int Height, int BitCount, uint32_t Compression, const QByteArray &Extra = {},
                      uint32_t ClrUsed = 0);
uint32_t FourCC(const char (&Text)[5]);

// The file as pieces at their offsets; the gaps between them are holes of zeros.
struct TAviBytes {
  std::vector<std::pair<int64_t, QByteArray>> Pieces;
  int64_t Size = 0;
  QByteArray Whole() const;               // holes filled in: small files only
  bool Write(const QString &Path) const;  // holes left as holes
};

TAviBytes BuildAvi(const TAviShape &Shape, const QList<TAviChunkData> &Chunks);

}  // namespace kolibra::video::testing
