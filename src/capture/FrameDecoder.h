#pragma once
// Turns what a camera sends (raw pictures in the camera's pixel format, or Motion JPEG) into
// the 24-bit RGB picture the preview shows and the encoders take, through the readers' own
// conversion, so that a recorded picture read back looks as it did live. One decoder per
// capture thread: libavcodec's JPEG decoder and libswscale keep state between frames.

#include "video/convert/PictureConverter.h"

#include <QImage>
#include <QString>
#include <cstdint>

extern "C" {
#include <libavutil/pixfmt.h>
}

struct AVCodecContext;
struct AVFrame;
struct AVPacket;

namespace kolibra::capture {

class TFrameDecoder {
 public:
  TFrameDecoder();
  ~TFrameDecoder();
  TFrameDecoder(const TFrameDecoder &) = delete;
  TFrameDecoder &operator=(const TFrameDecoder &) = delete;

  // A raw picture: planes and line sizes as libavutil lays them out for pixelFormat (an
  // AVPixelFormat), in the matrix and range the stream names. False when the format cannot
  // be converted.
  bool FromRaw(const uint8_t *const planes[4], const int lineSizes[4], int pixelFormat, int width, int height,
               QImage &picture, AVColorSpace colourSpace = AVCOL_SPC_UNSPECIFIED,
               AVColorRange colourRange = AVCOL_RANGE_UNSPECIFIED);
  // A raw picture packed in one buffer (a packet of a raw stream).
  bool FromPacked(const uint8_t *data, int size, int pixelFormat, int width, int height, QImage &picture,
                  AVColorSpace colourSpace = AVCOL_SPC_UNSPECIFIED, AVColorRange colourRange = AVCOL_RANGE_UNSPECIFIED);
  // A Motion JPEG frame (its Huffman tables may be missing, as many cameras leave them out).
  bool FromJpeg(const uint8_t *data, int size, QImage &picture);

  const QString &Error() const { return FError; }

 private:
  bool Convert(const AVFrame *frame, QImage &picture);

  AVCodecContext *FJpeg = nullptr;
  AVFrame *FFrame = nullptr;
  AVPacket *FPacket = nullptr;
  video::TPictureConverter FConverter;
  QString FError;
};

}  // namespace kolibra::capture
