#pragma once
// Uncompressed frames (device-independent bitmaps) drawn straight from their chunks, without
// a decoder: 1, 4 and 8 bits through the stream's palette, 16 bits as 5-5-5 or by bit masks,
// 24 bits, and 32 bits plain or by bit masks; rows bottom first unless the height is
// negative. A chunk shorter than the picture it should hold is refused, never read past.

#include "video/AviParser.h"

#include <QImage>
#include <array>
#include <cstdint>
#include <vector>

namespace kolibra::video::avi {

class TDibFormat {
 public:
  // True when the stream holds uncompressed bitmaps this class draws; the layout is then set.
  bool Setup(const TAviStream &Stream);

  int Width() const { return FWidth; }
  int Height() const { return FHeight; }
  int BitCount() const { return FBitCount; }
  // Colours by bit masks rather than in the plain order.
  bool Masked() const { return FMasked; }
  // Bytes of one row as stored (padded to 4) and of a whole picture.
  int64_t Stride() const { return FStride; }
  int64_t ImageBytes() const { return FStride * FHeight; }

  // Converts the chunk Data (Size bytes) into 24-bit rows, top row first, red first. False,
  // leaving the rows as they were, when the chunk is short or the target is too small.
  bool Convert(const uint8_t *Data, int64_t Size, uchar *Bits, int64_t BytesPerLine, int Width, int Height) const;
  bool Convert(const uint8_t *Data, int64_t Size, QImage &Image) const;

 private:
  struct TMask {
    uint32_t Mask = 0;
    int Shift = 0;
    uint32_t Max = 0;
  };
  void ConvertRow(const uint8_t *In, uchar *Out) const;
  static TMask MakeMask(uint32_t Mask);
  uint8_t Scale(const TMask &M, uint32_t Pixel) const;

  int FWidth = 0;
  int FHeight = 0;
  bool FTopDown = false;
  int FBitCount = 0;
  int64_t FStride = 0;
  bool FMasked = false;
  std::array<TMask, 3> FMasks{};  // red, green, blue
  std::array<uint8_t, 256 * 3> FPalette{};
  std::vector<uint8_t> FTable16;  // RGB of every 16-bit pixel value
};

}  // namespace kolibra::video::avi
