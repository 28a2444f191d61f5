#include "capture/FrameDecoder.h"

#include <QCoreApplication>
#include <cstring>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavutil/imgutils.h>
#include <libswscale/swscale.h>
}

namespace kolibra::capture {

namespace frame_decoder {

// JPEG decoders give "J" formats (full range); swscale wants the plain one with the range set.
AVPixelFormat PlainFormat(AVPixelFormat format, bool &fullRange) {
  fullRange = true;
  switch (format) {
    case AV_PIX_FMT_YUVJ420P:
      return AV_PIX_FMT_YUV420P;
    case AV_PIX_FMT_YUVJ422P:
      return AV_PIX_FMT_YUV422P;
    case AV_PIX_FMT_YUVJ444P:
      return AV_PIX_FMT_YUV444P;
    case AV_PIX_FMT_YUVJ440P:
      return AV_PIX_FMT_YUV440P;
    default:
      fullRange = false;
      return format;
  }
}

}  // namespace frame_decoder

TFrameDecoder::TFrameDecoder() {
  FFrame = av_frame_alloc();
  FPacket = av_packet_alloc();
}

TFrameDecoder::~TFrameDecoder() {
  avcodec_free_context(&FJpeg);
  av_frame_free(&FFrame);
  av_packet_free(&FPacket);
  sws_freeContext(FScaler);
}

bool TFrameDecoder::Convert(const AVFrame *frame, QImage &picture) {
  bool fullRange = false;
  const AVPixelFormat source = frame_decoder::PlainFormat(AVPixelFormat(frame->format), fullRange);
  // A new picture each time: the last one may still be shown or waiting to be written.
  picture = QImage(frame->width, frame->height, QImage::Format_RGB888);
  if (picture.isNull()) {
    FError = CaptureTr("Not enough memory for a picture.");
    return false;
  }
  if (source == AV_PIX_FMT_RGB24) {
    for (int y = 0; y < frame->height; ++y)
      std::memcpy(picture.scanLine(y), frame->data[0] + std::ptrdiff_t(y) * frame->linesize[0], size_t(3 * frame->width));
    return true;
  }
  FScaler = sws_getCachedContext(FScaler, frame->width, frame->height, source, frame->width, frame->height,
                                 AV_PIX_FMT_RGB24, SWS_BICUBIC | SWS_ACCURATE_RND | SWS_FULL_CHR_H_INT, nullptr, nullptr,
                                 nullptr);
  if (FScaler == nullptr) {
    FError = CaptureTr("The camera's pixel format cannot be converted.");
    return false;
  }
  const int *coefficients = sws_getCoefficients(SWS_CS_ITU601);
  sws_setColorspaceDetails(FScaler, coefficients, fullRange ? 1 : 0, coefficients, 1, 0, 1 << 16, 1 << 16);
  uint8_t *target[4] = {picture.bits(), nullptr, nullptr, nullptr};
  const int targetLines[4] = {int(picture.bytesPerLine()), 0, 0, 0};
  sws_scale(FScaler, frame->data, frame->linesize, 0, frame->height, target, targetLines);
  return true;
}

bool TFrameDecoder::FromRaw(const uint8_t *const planes[4], const int lineSizes[4], int pixelFormat, int width,
                            int height, QImage &picture) {
  av_frame_unref(FFrame);
  FFrame->format = pixelFormat;
  FFrame->width = width;
  FFrame->height = height;
  for (int i = 0; i < 4; ++i) {
    FFrame->data[i] = const_cast<uint8_t *>(planes[i]);
    FFrame->linesize[i] = lineSizes[i];
  }
  const bool converted = Convert(FFrame, picture);
  for (int i = 0; i < 4; ++i) FFrame->data[i] = nullptr;
  return converted;
}

bool TFrameDecoder::FromPacked(const uint8_t *data, int size, int pixelFormat, int width, int height, QImage &picture) {
  uint8_t *planes[4] = {};
  int lines[4] = {};
  const int needed = av_image_fill_arrays(planes, lines, data, AVPixelFormat(pixelFormat), width, height, 1);
  if (needed < 0 || needed > size) {
    FError = CaptureTr("The camera sent an incomplete picture.");
    return false;
  }
  return FromRaw(planes, lines, pixelFormat, width, height, picture);
}

bool TFrameDecoder::FromJpeg(const uint8_t *data, int size, QImage &picture) {
  if (FJpeg == nullptr) {
    const AVCodec *codec = avcodec_find_decoder(AV_CODEC_ID_MJPEG);
    FJpeg = codec != nullptr ? avcodec_alloc_context3(codec) : nullptr;
    if (FJpeg == nullptr || avcodec_open2(FJpeg, codec, nullptr) < 0) {
      avcodec_free_context(&FJpeg);
      FError = CaptureTr("No Motion JPEG decoder.");
      return false;
    }
  }
  av_packet_unref(FPacket);
  if (av_new_packet(FPacket, size) < 0) return false;
  std::memcpy(FPacket->data, data, size_t(size));
  FPacket->flags |= AV_PKT_FLAG_KEY;
  if (avcodec_send_packet(FJpeg, FPacket) < 0) {
    FError = CaptureTr("The camera sent a damaged picture.");
    return false;
  }
  av_frame_unref(FFrame);
  if (avcodec_receive_frame(FJpeg, FFrame) < 0) {
    FError = CaptureTr("The camera sent a damaged picture.");
    return false;
  }
  return Convert(FFrame, picture);
}

}  // namespace kolibra::capture
