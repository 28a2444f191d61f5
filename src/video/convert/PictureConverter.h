#pragma once
// Decoded pictures to the 24-bit RGB (red first) that Kolibra shows, analyses and records.
// The AVI reader, the FFmpeg wrapper and the capture all convert here, so that a camera's
// picture and the same picture read back from a file get the same colours.
//
// A picture's colours follow what its stream says of them: the matrix (BT.601, BT.709, ...)
// and the range (limited 16-235 or full 0-255; the "J" formats are the plain ones at full
// range). A picture that names no matrix is taken as BT.601, as FFmpeg's own conversions
// take it. No Qt here: the wrapper links this code too.

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

struct AVFrame;
struct SwsContext;

namespace kolibra::video {

// What a conversion follows: the plain pixel format (an AVPixelFormat, never a "J" one), the
// matrix (an SWS_CS_* constant) and the range of the source values.
struct TPictureColours {
  int Format = -1;
  int Matrix = 0;
  bool FullRange = false;

  bool operator==(const TPictureColours &) const = default;
};

// The colours of a picture in Format (an AVPixelFormat) tagged with ColourSpace (an
// AVColorSpace) and ColourRange (an AVColorRange). RGB sources count as full range.
TPictureColours ColoursOf(int Format, int ColourSpace, int ColourRange);

class THdrConverter;

// One converter per reader or capture thread: it keeps libswscale's context, and its tables,
// from picture to picture while the kind of picture stays the same.
class TPictureConverter {
 public:
  TPictureConverter();
  ~TPictureConverter();
  TPictureConverter(const TPictureConverter &) = delete;
  TPictureConverter &operator=(const TPictureConverter &) = delete;

  // Paints Picture, scaled to Width x Height, into rows of 24-bit RGB BytesPerLine apart.
  // HDR pictures (PQ or HLG) are tone-mapped to BT.709 first (see HdrPicture.h).
  // False when the picture's format cannot be converted.
  bool ToRgb(const AVFrame &Picture, uint8_t *Bits, int64_t BytesPerLine, int Width, int Height);
  // Lets the context go (a file closed).
  void Reset();

 private:
  bool HdrToRgb(const AVFrame &Picture, uint8_t *Bits, int64_t BytesPerLine, int Width, int Height);
  // sws_scale into Bits through a buffer of our own: its vector code writes whole blocks of
  // pixels and overruns a row's end (and the last row's) for some widths, which a picture
  // allocated to the byte does not survive.
  bool Scale(SwsContext *Scaler, const uint8_t *const Source[4], const int SourceStride[4], int SourceHeight,
             uint8_t *Bits, int64_t BytesPerLine, int Width, int Height);

  SwsContext *FScaler = nullptr;
  SwsContext *FScalerSet = nullptr;  // the context whose colour details were last set,
  std::array<int, 7> FScalerKind{};  // for these sizes, format, matrix and range
  // HDR pictures: tone-mapped at their own size, then scaled when asked for another one.
  std::unique_ptr<THdrConverter> FHdr;
  SwsContext *FHdrScaler = nullptr;
  std::vector<uint8_t> FHdrPicture;
  std::vector<uint8_t> FPadded;  // Scale's buffer
};

}  // namespace kolibra::video
