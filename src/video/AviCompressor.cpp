#include "video/AviCompressor.h"

#include "kit/Texts.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavutil/avutil.h>
#include <libavutil/imgutils.h>
#include <libavutil/opt.h>
#include <libswscale/swscale.h>
}

namespace kolibra::video::avi {

namespace avicompressor {

constexpr uint32_t FourCC(const char (&Text)[5]) {
  return uint32_t(uint8_t(Text[0])) | uint32_t(uint8_t(Text[1])) << 8 | uint32_t(uint8_t(Text[2])) << 16 |
         uint32_t(uint8_t(Text[3])) << 24;
}

// The picture each encoder is given: the lossless ones get RGB itself (HuffYUV and FFV1
// packed, Ut Video planar), so nothing is lost in a conversion.
AVPixelFormat PixelFormat(uint32_t Code) {
  switch (Code) {
    case FourCC("MJPG"):
      return AV_PIX_FMT_YUVJ420P;
    case FourCC("HFYU"):
      return AV_PIX_FMT_RGB24;
    case FourCC("ULRG"):
      return AV_PIX_FMT_GBRP;
    case FourCC("FFV1"):
      return AV_PIX_FMT_BGR0;  // what FFV1 takes for RGB
    default:
      return AV_PIX_FMT_YUV420P;
  }
}

const std::vector<TAviCodec> &AllCodecs() {
  static const std::vector<TAviCodec> codecs = {
      {"Motion JPEG", FourCC("MJPG"), "mjpeg", false, false},
      {"MPEG-4 part 2", FourCC("FMP4"), "mpeg4", false, false},
      {"H.264", FourCC("H264"), "libx264", false, true},
      {"HuffYUV", FourCC("HFYU"), "huffyuv", true, false},
      {"Ut Video", FourCC("ULRG"), "utvideo", true, false},
      {"FFV1", FourCC("FFV1"), "ffv1", true, false},
  };
  return codecs;
}

QString FourCCString(uint32_t Code) {
  QString text;
  for (int i = 0; i < 4; ++i) text += QLatin1Char(char(Code >> (8 * i)));
  return text;
}

}  // namespace avicompressor

const std::vector<TAviCodec> &AviCodecs() {
  static const std::vector<TAviCodec> present = [] {
    std::vector<TAviCodec> list;
    for (const TAviCodec &c : avicompressor::AllCodecs())
      if (avcodec_find_encoder_by_name(c.Encoder)) list.push_back(c);
    return list;
  }();
  return present;
}

const TAviCodec *FindAviCodec(const QString &NameOrFourCC) {
  const QString wanted = NameOrFourCC.trimmed();
  for (const TAviCodec &c : AviCodecs()) {
    if (wanted.compare(QLatin1String(c.Name), Qt::CaseInsensitive) == 0 ||
        wanted.compare(avicompressor::FourCCString(c.FourCC), Qt::CaseInsensitive) == 0) {
      return &c;
    }
  }
  return nullptr;
}

int QScaleForQuality(int Quality) {
  // Each fifth of the scale halves the quantiser: 10000 -> 1, 5000 -> 6, 1000 -> 23.
  const double percent = std::clamp(Quality, 0, 10000) / 100.0;
  return std::clamp(int(std::lround(std::pow(2.0, (100.0 - percent) / 20.0))), 1, 31);
}

double CrfForQuality(int Quality) {
  // 5000 -> 23, x264's own default; 10000 -> 6, nearly transparent; 0 -> 40.
  return 40.0 - 0.34 * (std::clamp(Quality, 0, 10000) / 100.0);
}

TAviCompressor::TAviCompressor() {
  // Encoders report their statistics at their loudest; the writer says what matters.
  av_log_set_level(AV_LOG_QUIET);
  FFrame = av_frame_alloc();
  FPacket = av_packet_alloc();
}

TAviCompressor::~TAviCompressor() {
  Close();
  av_frame_free(&FFrame);
  av_packet_free(&FPacket);
}

bool TAviCompressor::Fail(const QString &Reason) {
  FError = Reason;
  return false;
}

void TAviCompressor::Close() {
  avcodec_free_context(&FContext);
  sws_freeContext(FScaler);
  FScaler = nullptr;
  if (FFrame) av_frame_unref(FFrame);
  FReady.clear();
  FCodec = nullptr;
  FNextPts = 0;
}

bool TAviCompressor::Open(const TAviCodec &Codec, int Width, int Height, TFrameRate Rate,
                          int Quality, int KeyFrameEvery) {
  Close();
  FError.clear();
  const AVCodec *encoder = avcodec_find_encoder_by_name(Codec.Encoder);
  if (!encoder)
    return Fail(AviCompressorText::tr("No encoder is installed for the codec \"%1\".")
                    .arg(QLatin1String(Codec.Name)));
  if (Width <= 0 || Height <= 0 || !Rate.IsValid())
    return Fail(AviCompressorText::tr("The size or the frame rate is not valid."));
  FContext = avcodec_alloc_context3(encoder);
  if (!FContext || !FFrame || !FPacket) return Fail(AviCompressorText::tr("Out of memory."));
  AVCodecContext *c = FContext;
  c->width = Width;
  c->height = Height;
  c->pix_fmt = avicompressor::PixelFormat(Codec.FourCC);
  c->codec_tag = Codec.FourCC;
  // The container keeps the exact rate; the encoder's own time base only numbers pictures,
  // and MPEG-4 takes no denominator above 16 bits.
  int num = 1, den = 1;
  av_reduce(&num, &den, Rate.Scale, Rate.Rate, 65535);
  c->time_base = AVRational{std::max(num, 1), std::max(den, 1)};
  c->framerate = AVRational{c->time_base.den, c->time_base.num};
  c->max_b_frames = 0;
  c->gop_size = std::clamp(KeyFrameEvery, 1, 250);
  c->thread_count = 0;
  FQuality = std::clamp(Quality, 0, 10000);
  AVDictionary *options = nullptr;
  switch (Codec.FourCC) {
    case avicompressor::FourCC("MJPG"):
      c->color_range = AVCOL_RANGE_JPEG;
      [[fallthrough]];
    case avicompressor::FourCC("FMP4"):
      c->qmin = 1;
      c->flags |= AV_CODEC_FLAG_QSCALE;
      c->global_quality = FF_QP2LAMBDA * QScaleForQuality(FQuality);
      break;
    case avicompressor::FourCC("H264"):
      av_dict_set(&options, "preset", "veryfast", 0);
      av_dict_set(&options, "crf", QByteArray::number(CrfForQuality(FQuality), 'f', 1).constData(), 0);
      av_dict_set(&options, "bf", "0", 0);
      break;
    case avicompressor::FourCC("FFV1"):
      // FFV1 carries its coder's state from one picture to the next unless each is a key:
      // a reader seeking to a frame must be able to start there.
      c->gop_size = 1;
      break;
    default:
      break;
  }
  const int r = avcodec_open2(c, encoder, &options);
  av_dict_free(&options);
  if (r < 0) {
    char reason[AV_ERROR_MAX_STRING_SIZE] = {0};
    av_strerror(r, reason, sizeof(reason));
    Close();
    return Fail(
        AviCompressorText::tr("The codec \"%1\" cannot compress pictures of %2 x %3 pixels (%4).")
            .arg(QLatin1String(Codec.Name))
            .arg(Width)
            .arg(Height)
            .arg(QString::fromLocal8Bit(reason)));
  }
  FFrame->format = c->pix_fmt;
  FFrame->width = Width;
  FFrame->height = Height;
  if (av_frame_get_buffer(FFrame, 0) < 0) {
    Close();
    return Fail(AviCompressorText::tr("Out of memory."));
  }
  FScaler = sws_getContext(Width, Height, AV_PIX_FMT_RGB24, Width, Height, c->pix_fmt,
                           SWS_BILINEAR, nullptr, nullptr, nullptr);
  if (!FScaler) {
    Close();
    return Fail(AviCompressorText::tr("Out of memory."));
  }
  FCodec = &Codec;
  return true;
}

void TAviCompressor::Describe(TAviWriterFormat &Format) const {
  if (!FContext) return;
  Format.Handler = FCodec->FourCC;
  Format.Compression = FCodec->FourCC;
  // Some decoders (HuffYUV) tell their layouts apart by the bit count.
  Format.BitCount = uint16_t(FContext->bits_per_coded_sample > 0 ? FContext->bits_per_coded_sample : 24);
  Format.SizeImage = uint32_t(std::min<int64_t>(int64_t(FContext->width) * FContext->height * 3, UINT32_MAX));
  Format.Extra.assign(FContext->extradata, FContext->extradata + std::max(FContext->extradata_size, 0));
  Format.Quality = FQuality;
}

bool TAviCompressor::Receive() {
  for (;;) {
    const int r = avcodec_receive_packet(FContext, FPacket);
    if (r == AVERROR(EAGAIN) || r == AVERROR_EOF) return true;
    if (r < 0) return Fail(AviCompressorText::tr("The codec failed to compress a picture."));
    TChunk chunk;
    chunk.Data.assign(FPacket->data, FPacket->data + FPacket->size);
    chunk.Key = (FPacket->flags & AV_PKT_FLAG_KEY) != 0;
    FReady.push_back(std::move(chunk));
    av_packet_unref(FPacket);
  }
}

bool TAviCompressor::Compress(const uint8_t *Bits, int64_t BytesPerLine) {
  if (!FContext) return Fail(AviCompressorText::tr("The codec is not open."));
  if (av_frame_make_writable(FFrame) < 0) return Fail(AviCompressorText::tr("Out of memory."));
  const uint8_t *in[4] = {Bits, nullptr, nullptr, nullptr};
  const int inStride[4] = {int(BytesPerLine), 0, 0, 0};
  if (sws_scale(FScaler, in, inStride, 0, FContext->height, FFrame->data, FFrame->linesize) <= 0) {
    return Fail(AviCompressorText::tr("The picture could not be converted for the codec."));
  }
  FFrame->pts = FNextPts++;
  // With a fixed quantiser, each picture asks for it again.
  FFrame->quality = FContext->global_quality;
  FFrame->pict_type = AV_PICTURE_TYPE_NONE;
  if (avcodec_send_frame(FContext, FFrame) < 0)
    return Fail(AviCompressorText::tr("The codec failed to compress a picture."));
  return Receive();
}

bool TAviCompressor::Drain() {
  if (!FContext) return Fail(AviCompressorText::tr("The codec is not open."));
  const int r = avcodec_send_frame(FContext, nullptr);
  if (r < 0 && r != AVERROR_EOF)
    return Fail(AviCompressorText::tr("The codec failed to compress a picture."));
  return Receive();
}

bool TAviCompressor::Take(std::vector<uint8_t> &Data, bool &Key) {
  if (FReady.empty()) return false;
  Data = std::move(FReady.front().Data);
  Key = FReady.front().Key;
  FReady.pop_front();
  return true;
}

}  // namespace kolibra::video::avi
