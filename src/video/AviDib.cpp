#include "video/AviDib.h"

#include "video/AviChunks.h"

#include <algorithm>
#include <bit>

namespace kolibra::video::avi {

namespace avidib {

constexpr uint32_t BiRgb = 0;
constexpr uint32_t BiBitfields = 3;
constexpr uint32_t DibFourCC = Tag("DIB ");

}  // namespace avidib

TDibFormat::TMask TDibFormat::MakeMask(uint32_t Mask) {
  TMask m;
  m.Mask = Mask;
  if (Mask == 0) return m;
  m.Shift = std::countr_zero(Mask);
  m.Max = Mask >> m.Shift;
  return m;
}

uint8_t TDibFormat::Scale(const TMask &M, uint32_t Pixel) const {
  if (M.Max == 0) return 0;
  const uint32_t v = (Pixel & M.Mask) >> M.Shift;
  if (M.Max == 255) return uint8_t(v);
  // Mask bits past the eighth are cut so the product cannot overflow.
  if (M.Max > 0xFFFF) return uint8_t(uint64_t(v) * 255 / M.Max);
  return uint8_t((v * 255 + M.Max / 2) / M.Max);
}

bool TDibFormat::Setup(const TAviStream &Stream) {
  const TBitmapInfo &bi = Stream.Bitmap;
  const bool plain = bi.Compression == avidib::BiRgb || bi.Compression == avidib::DibFourCC;
  const bool masked = bi.Compression == avidib::BiBitfields;
  if (!plain && !masked) return false;
  const int bits = bi.BitCount;
  if (plain && bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32) return false;
  if (masked && bits != 16 && bits != 32) return false;
  FWidth = Stream.Bitmap.Width;
  FHeight = Stream.Height();
  if (FWidth <= 0 || FHeight <= 0 || FWidth > MaxFrameSide || FHeight > MaxFrameSide) return false;
  FTopDown = Stream.TopDown();
  FBitCount = bits;
  FStride = ((int64_t(FWidth) * bits + 31) / 32) * 4;
  FMasked = false;

  const std::vector<uint8_t> &format = Stream.Format;
  if (masked) {
    if (format.size() < 52) return false;
    FMasks = {MakeMask(Le32(format.data() + 40)), MakeMask(Le32(format.data() + 44)),
              MakeMask(Le32(format.data() + 48))};
    FMasked = true;
  } else if (bits == 16) {
    FMasks = {MakeMask(0x7C00), MakeMask(0x03E0), MakeMask(0x001F)};
  } else if (bits == 32) {
    FMasks = {MakeMask(0x00FF0000), MakeMask(0x0000FF00), MakeMask(0x000000FF)};
  }
  if (bits == 16) {
    FTable16.resize(65536 * 3);
    for (uint32_t v = 0; v < 65536; ++v) {
      for (int c = 0; c < 3; ++c) FTable16[v * 3 + c] = Scale(FMasks[c], v);
    }
  }
  if (bits <= 8) {
    // The palette follows the header: as many entries as it says it uses, all by default.
    FPalette.fill(0);
    const int64_t start = std::clamp<int64_t>(bi.HeaderSize, 40, int64_t(format.size()));
    const int64_t full = int64_t(1) << bits;
    const int64_t used = bi.ClrUsed == 0 ? full : std::min<int64_t>(bi.ClrUsed, full);
    const int64_t entries = std::min<int64_t>(used, (int64_t(format.size()) - start) / 4);
    for (int64_t i = 0; i < entries; ++i) {
      const uint8_t *q = format.data() + start + 4 * i;  // blue, green, red, reserved
      FPalette[size_t(3 * i)] = q[2];
      FPalette[size_t(3 * i + 1)] = q[1];
      FPalette[size_t(3 * i + 2)] = q[0];
    }
  }
  return true;
}

void TDibFormat::ConvertRow(const uint8_t *In, uchar *Out) const {
  const int w = FWidth;
  switch (FBitCount) {
    case 1:
    case 4:
    case 8: {
      const int bits = FBitCount;
      const int perByte = 8 / bits;
      const uint8_t mask = uint8_t((1 << bits) - 1);
      for (int x = 0; x < w; ++x) {
        const int shift = 8 - bits * (x % perByte + 1);
        const uint8_t *c = FPalette.data() + 3 * ((In[x / perByte] >> shift) & mask);
        Out[3 * x] = c[0];
        Out[3 * x + 1] = c[1];
        Out[3 * x + 2] = c[2];
      }
      break;
    }
    case 16:
      for (int x = 0; x < w; ++x) {
        const uint8_t *c = FTable16.data() + 3 * size_t(Le16(In + 2 * x));
        Out[3 * x] = c[0];
        Out[3 * x + 1] = c[1];
        Out[3 * x + 2] = c[2];
      }
      break;
    case 24:
      for (int x = 0; x < w; ++x) {
        Out[3 * x] = In[3 * x + 2];
        Out[3 * x + 1] = In[3 * x + 1];
        Out[3 * x + 2] = In[3 * x];
      }
      break;
    case 32:
      if (!FMasked) {
        for (int x = 0; x < w; ++x) {
          Out[3 * x] = In[4 * x + 2];
          Out[3 * x + 1] = In[4 * x + 1];
          Out[3 * x + 2] = In[4 * x];
        }
      } else {
        for (int x = 0; x < w; ++x) {
          const uint32_t p = Le32(In + 4 * x);
          Out[3 * x] = Scale(FMasks[0], p);
          Out[3 * x + 1] = Scale(FMasks[1], p);
          Out[3 * x + 2] = Scale(FMasks[2], p);
        }
      }
      break;
    default:
      break;
  }
}

bool TDibFormat::Convert(const uint8_t *Data, int64_t Size, uchar *Bits, int64_t BytesPerLine, int Width,
                         int Height) const {
  if (!Data || !Bits || FBitCount == 0 || Size < ImageBytes() || Width != FWidth || Height != FHeight ||
      BytesPerLine < int64_t(FWidth) * 3) {
    return false;
  }
  for (int y = 0; y < FHeight; ++y) {
    const int row = FTopDown ? y : FHeight - 1 - y;
    ConvertRow(Data + int64_t(row) * FStride, Bits + int64_t(y) * BytesPerLine);
  }
  return true;
}

bool TDibFormat::Convert(const uint8_t *Data, int64_t Size, QImage &Image) const {
  // A short chunk is refused before a picture of the announced size is made for it.
  if (!Data || FBitCount == 0 || Size < ImageBytes()) return false;
  if (Image.format() != QImage::Format_RGB888 || Image.width() != FWidth || Image.height() != FHeight) {
    Image = QImage(FWidth, FHeight, QImage::Format_RGB888);
    if (Image.isNull()) return false;
  }
  return Convert(Data, Size, Image.bits(), Image.bytesPerLine(), FWidth, FHeight);
}

}  // namespace kolibra::video::avi
