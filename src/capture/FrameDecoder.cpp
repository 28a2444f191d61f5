#include "capture/FrameDecoder.h"

#include "kit/Texts.h"

#include <QCoreApplication>
#include <cstring>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavutil/imgutils.h>
}

namespace kolibra::capture {

TFrameDecoder::TFrameDecoder() {
  FFrame = av_frame_alloc();
  FPacket = av_packet_alloc();
}

TFrameDecoder::~TFrameDecoder() {
  avcodec_free_context(&FJpeg);
  av_frame_free(&FFrame);
  av_packet_free(&FPacket);
}

bool TFrameDecoder::Convert(const AVFrame *frame, QImage &picture) {
  // A new picture each time: the last one may still be shown or waiting to be written.
  picture = QImage(frame->width, frame->height, QImage::Format_RGB888);
  if (picture.isNull()) {
    FError = CaptureText::tr("Not enough memory for a picture.");
    return false;
  }
  if (!FConverter.ToRgb(*frame, picture.bits(), picture.bytesPerLine(), frame->width, frame->height)) {
    FError = CaptureText::tr("The camera's pixel format cannot be converted.");
    return false;
  }
  return true;
}

bool TFrameDecoder::FromRaw(const uint8_t *const planes[4], const int lineSizes[4], int pixelFormat, int width,
                            int height, QImage &picture, AVColorSpace colourSpace, AVColorRange colourRange) {
  av_frame_unref(FFrame);
  FFrame->format = pixelFormat;
  FFrame->width = width;
  FFrame->height = height;
  FFrame->colorspace = colourSpace;
  FFrame->color_range = colourRange;
  for (int i = 0; i < 4; ++i) {
    FFrame->data[i] = const_cast<uint8_t *>(planes[i]);
    FFrame->linesize[i] = lineSizes[i];
  }
  const bool converted = Convert(FFrame, picture);
  for (int i = 0; i < 4; ++i) FFrame->data[i] = nullptr;
  return converted;
}

bool TFrameDecoder::FromPacked(const uint8_t *data, int size, int pixelFormat, int width, int height, QImage &picture,
                               AVColorSpace colourSpace, AVColorRange colourRange) {
  uint8_t *planes[4] = {};
  int lines[4] = {};
  const int needed = av_image_fill_arrays(planes, lines, data, AVPixelFormat(pixelFormat), width, height, 1);
  if (needed < 0 || needed > size) {
    FError = CaptureText::tr("The camera sent an incomplete picture.");
    return false;
  }
  return FromRaw(planes, lines, pixelFormat, width, height, picture, colourSpace, colourRange);
}

bool TFrameDecoder::FromJpeg(const uint8_t *data, int size, QImage &picture) {
  if (FJpeg == nullptr) {
    const AVCodec *codec = avcodec_find_decoder(AV_CODEC_ID_MJPEG);
    FJpeg = codec != nullptr ? avcodec_alloc_context3(codec) : nullptr;
    if (FJpeg == nullptr || avcodec_open2(FJpeg, codec, nullptr) < 0) {
      avcodec_free_context(&FJpeg);
      FError = CaptureText::tr("No Motion JPEG decoder.");
      return false;
    }
  }
  av_packet_unref(FPacket);
  if (av_new_packet(FPacket, size) < 0) return false;
  std::memcpy(FPacket->data, data, size_t(size));
  FPacket->flags |= AV_PKT_FLAG_KEY;
  if (avcodec_send_packet(FJpeg, FPacket) < 0) {
    FError = CaptureText::tr("The camera sent a damaged picture.");
    return false;
  }
  av_frame_unref(FFrame);
  if (avcodec_receive_frame(FJpeg, FFrame) < 0) {
    FError = CaptureText::tr("The camera sent a damaged picture.");
    return false;
  }
  return Convert(FFrame, picture);
}

}  // namespace kolibra::capture
