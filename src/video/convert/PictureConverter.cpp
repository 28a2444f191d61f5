#include "video/convert/PictureConverter.h"

#include "video/convert/HdrPicture.h"

#include <cstring>
#include <utility>

extern "C" {
#include <libavutil/frame.h>
#include <libavutil/pixdesc.h>
#include <libswscale/swscale.h>
}

namespace kolibra::video {

namespace convert {

// The "J" formats and the plain ones they are at full range.
constexpr std::pair<AVPixelFormat, AVPixelFormat> JFormats[] = {
    {AV_PIX_FMT_YUVJ420P, AV_PIX_FMT_YUV420P}, {AV_PIX_FMT_YUVJ422P, AV_PIX_FMT_YUV422P},
    {AV_PIX_FMT_YUVJ444P, AV_PIX_FMT_YUV444P}, {AV_PIX_FMT_YUVJ440P, AV_PIX_FMT_YUV440P},
    {AV_PIX_FMT_YUVJ411P, AV_PIX_FMT_YUV411P}};

}  // namespace convert

TPictureColours ColoursOf(int Format, int ColourSpace, int ColourRange) {
  TPictureColours colours;
  colours.FullRange = ColourRange == AVCOL_RANGE_JPEG;
  // libswscale wants the plain format with the range said, not the "J" one.
  for (const auto &[jFormat, plain] : convert::JFormats) {
    if (Format == jFormat) {
      Format = plain;
      colours.FullRange = true;
    }
  }
  colours.Format = Format;
  colours.Matrix = ColourSpace == AVCOL_SPC_UNSPECIFIED ? SWS_CS_DEFAULT : ColourSpace;
  const AVPixFmtDescriptor *desc = av_pix_fmt_desc_get(static_cast<AVPixelFormat>(Format));
  if (desc && (desc->flags & AV_PIX_FMT_FLAG_RGB)) colours.FullRange = true;
  return colours;
}

TPictureConverter::TPictureConverter() = default;
TPictureConverter::~TPictureConverter() { Reset(); }

void TPictureConverter::Reset() {
  sws_freeContext(FScaler);
  FScaler = FScalerSet = nullptr;
  sws_freeContext(FHdrScaler);
  FHdrScaler = nullptr;
  // The tone curves stay, ready for the next clip of the same kind.
  if (FHdr) FHdr->Reset();
  FHdrPicture = {};
}

bool TPictureConverter::HdrToRgb(const AVFrame &Picture, uint8_t *Bits, int64_t BytesPerLine,
                                 int Width, int Height) {
  if (!FHdr) FHdr = std::make_unique<THdrConverter>();
  if (Width == Picture.width && Height == Picture.height)
    return FHdr->ToRgb(Picture, Bits, BytesPerLine);
  const int64_t pictureLine = int64_t(Picture.width) * 3;
  FHdrPicture.resize(size_t(pictureLine) * size_t(Picture.height));
  if (!FHdr->ToRgb(Picture, FHdrPicture.data(), pictureLine)) return false;
  FHdrScaler = sws_getCachedContext(FHdrScaler, Picture.width, Picture.height, AV_PIX_FMT_RGB24,
                                    Width, Height, AV_PIX_FMT_RGB24, SWS_BICUBIC, nullptr, nullptr,
                                    nullptr);
  if (!FHdrScaler) return false;
  const uint8_t *src[4] = {FHdrPicture.data(), nullptr, nullptr, nullptr};
  const int srcStride[4] = {int(pictureLine), 0, 0, 0};
  return Scale(FHdrScaler, src, srcStride, Picture.height, Bits, BytesPerLine, Width, Height);
}

bool TPictureConverter::Scale(SwsContext *Scaler, const uint8_t *const Source[4], const int SourceStride[4],
                              int SourceHeight, uint8_t *Bits, int64_t BytesPerLine, int Width, int Height) {
  const size_t row = size_t(Width) * 3;
  // Rows aligned and padded, and a spare row below the last.
  const size_t stride = (row + 63) / 64 * 64 + 64;
  FPadded.resize(stride * size_t(Height + 1));
  uint8_t *dst[4] = {FPadded.data(), nullptr, nullptr, nullptr};
  const int dstStride[4] = {int(stride), 0, 0, 0};
  if (sws_scale(Scaler, Source, SourceStride, 0, SourceHeight, dst, dstStride) <= 0) return false;
  for (int y = 0; y < Height; ++y) std::memcpy(Bits + y * BytesPerLine, FPadded.data() + size_t(y) * stride, row);
  return true;
}

bool TPictureConverter::ToRgb(const AVFrame &Picture, uint8_t *Bits, int64_t BytesPerLine, int Width, int Height) {
  if (!Bits || Width <= 0 || Height <= 0 || BytesPerLine < int64_t(Width) * 3 || Picture.width <= 0 ||
      Picture.height <= 0) {
    return false;
  }
  // HDR pictures in a layout the tone mapping does not read (RGB ones) go the plain way.
  if (IsHdrPicture(Picture) && HdrToRgb(Picture, Bits, BytesPerLine, Width, Height)) return true;
  const TPictureColours colours = ColoursOf(Picture.format, Picture.colorspace, Picture.color_range);
  const AVPixelFormat format = static_cast<AVPixelFormat>(colours.Format);
  if (format == AV_PIX_FMT_RGB24 && Width == Picture.width && Height == Picture.height) {
    for (int y = 0; y < Height; ++y) {
      std::memcpy(Bits + y * BytesPerLine, Picture.data[0] + std::ptrdiff_t(y) * Picture.linesize[0],
                  size_t(3) * size_t(Width));
    }
    return true;
  }
  FScaler = sws_getCachedContext(FScaler, Picture.width, Picture.height, format, Width, Height, AV_PIX_FMT_RGB24,
                                 SWS_BICUBIC, nullptr, nullptr, nullptr);
  if (!FScaler) return false;
  // The matrix and range are set again only when the context or the kind of picture changed,
  // since that rebuilds the tables.
  const int srcRange = colours.FullRange ? 1 : 0;
  const std::array<int, 7> kind = {Picture.width, Picture.height, format, Width, Height, colours.Matrix, srcRange};
  if (FScaler != FScalerSet || kind != FScalerKind) {
    int *invTable = nullptr, *table = nullptr, curSrcRange = 0, curDstRange = 0, brightness = 0, contrast = 0,
        saturation = 0;
    if (sws_getColorspaceDetails(FScaler, &invTable, &curSrcRange, &table, &curDstRange, &brightness, &contrast,
                                 &saturation) >= 0) {
      sws_setColorspaceDetails(FScaler, sws_getCoefficients(colours.Matrix), srcRange, table, curDstRange, brightness,
                               contrast, saturation);
    }
    FScalerSet = FScaler;
    FScalerKind = kind;
  }
  return Scale(FScaler, Picture.data, Picture.linesize, Picture.height, Bits, BytesPerLine, Width, Height);
}

}  // namespace kolibra::video
