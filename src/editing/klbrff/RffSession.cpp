#include "RffSession.h"

#include "video/FrameRate.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <vector>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/avutil.h>
#include <libavutil/imgutils.h>
#include <libswscale/swscale.h>
}

namespace kolibra::editing::rff {

namespace rffsession {

// The frame sizes Kolibra's readers take.
constexpr int MaxSide = 16384;
// A fixed quantiser: sharp enough to measure on, a tenth of the uncompressed size.
constexpr int QScale = 3;
constexpr int KeyFrameEvery = 25;
// What libavformat's AVI muxer keeps of a video rate.
constexpr double MuxerMaxFps = 1000.0;

void PutLe32(uint8_t *P, uint32_t V) {
  for (int i = 0; i < 4; ++i) P[i] = uint8_t(V >> (8 * i));
}

std::string AvText(int Code) {
  char text[AV_ERROR_MAX_STRING_SIZE] = {0};
  av_strerror(Code, text, sizeof(text));
  return text;
}

}  // namespace rffsession

TRffSession::TRffSession() {
  av_log_set_level(AV_LOG_QUIET);
  FFrame = av_frame_alloc();
  FPacket = av_packet_alloc();
}

TRffSession::~TRffSession() {
  Cancel();
  av_frame_free(&FFrame);
  av_packet_free(&FPacket);
}

bool TRffSession::Fail(const std::string &Reason, int Code) {
  if (FError.empty()) FError = Reason;
  FStatus = Code < 0 ? Code : -1;
  return false;
}

bool TRffSession::FailAv(const char *What, int Code) { return Fail(std::string(What) + ": " + rffsession::AvText(Code), Code); }

void TRffSession::Release() {
  if (FFormat) {
    if (FFormat->pb) avio_closep(&FFormat->pb);
    avformat_free_context(FFormat);
  }
  FFormat = nullptr;
  FStream = nullptr;
  avcodec_free_context(&FCodec);
  sws_freeContext(FScaler);
  FScaler = nullptr;
  if (FFrame) av_frame_unref(FFrame);
  FHeaderWritten = false;
  FWaiting.clear();
  FNextSlot = 0;
}

void TRffSession::Cancel() {
  Release();
  if (FStatus == 0) FStatus = -1;
}

bool TRffSession::Open(const std::string &FileName, int Height, int Width, double Rate, bool UseCodec) {
  Release();
  FError.clear();
  FStatus = -1;
  const video::TFrameRate rate = video::TFrameRate::Nearest(Rate);
  if (FileName.empty() || Width <= 0 || Height <= 0 || Width > rffsession::MaxSide || Height > rffsession::MaxSide ||
      !rate.IsValid() || rate.Rate > INT32_MAX || rate.Scale > INT32_MAX) {
    return Fail("The file name, the frame size or the frame rate is not valid.");
  }
  FWidth = Width;
  FHeight = Height;
  int r = avformat_alloc_output_context2(&FFormat, nullptr, "avi", nullptr);
  if (r < 0 || !FFormat) return FailAv("AVI muxer", r);
  FStream = avformat_new_stream(FFormat, nullptr);
  if (!FStream) return Fail("Out of memory.");
  // libavformat's AVI muxer rewrites a rate above 1,000 frames per second to 600 (and would
  // then fill the gaps with empty chunks): such a file is written at a stand-in rate, one
  // slot a millisecond, and its headers get the true rate once it is complete.
  FTrueRate = rate;
  const bool standIn = rate.Fps() > rffsession::MuxerMaxFps;
  FSlotNum = standIn ? 1 : int(rate.Scale);
  FSlotDen = standIn ? int(rffsession::MuxerMaxFps) : int(rate.Rate);
  FPatchRate = standIn;
  FFileName = FileName;
  FStream->time_base = AVRational{FSlotNum, FSlotDen};
  FStream->avg_frame_rate = FStream->r_frame_rate = AVRational{int(rate.Rate), int(rate.Scale)};
  AVCodecParameters *par = FStream->codecpar;
  if (UseCodec) {
    const AVCodec *encoder = avcodec_find_encoder(AV_CODEC_ID_MPEG4);
    FCodec = encoder ? avcodec_alloc_context3(encoder) : nullptr;
    if (!FCodec) return Fail("No MPEG-4 encoder is available.");
    FCodec->width = Width;
    FCodec->height = Height;
    FCodec->pix_fmt = AV_PIX_FMT_YUV420P;
    FCodec->codec_tag = MKTAG('F', 'M', 'P', '4');
    int num = 1, den = 1;
    av_reduce(&num, &den, rate.Scale, rate.Rate, 65535);
    FCodec->time_base = AVRational{std::max(num, 1), std::max(den, 1)};
    FCodec->framerate = AVRational{FCodec->time_base.den, FCodec->time_base.num};
    // AVI has no time stamps to put B-frames back in order.
    FCodec->max_b_frames = 0;
    FCodec->gop_size = rffsession::KeyFrameEvery;
    FCodec->flags |= AV_CODEC_FLAG_QSCALE;
    FCodec->global_quality = FF_QP2LAMBDA * rffsession::QScale;
    FCodec->thread_count = 0;
    r = avcodec_open2(FCodec, encoder, nullptr);
    if (r < 0) return FailAv("MPEG-4 encoder", r);
    r = avcodec_parameters_from_context(par, FCodec);
    if (r < 0) return FailAv("MPEG-4 encoder", r);
    FFrame->format = FCodec->pix_fmt;
    FFrame->width = Width;
    FFrame->height = Height;
    r = av_frame_get_buffer(FFrame, 0);
    if (r < 0) return FailAv("Frame", r);
  } else {
    // Bitmaps as the AVI format has always held them: blue, green, red, rows padded to
    // four bytes, bottom row first (the muxer writes a positive height for that).
    par->codec_type = AVMEDIA_TYPE_VIDEO;
    par->codec_id = AV_CODEC_ID_RAWVIDEO;
    par->codec_tag = 0;
    par->format = AV_PIX_FMT_BGR24;
    par->bits_per_coded_sample = 24;
    par->width = Width;
    par->height = Height;
  }
  av_dict_set(&FFormat->metadata, "comment", KLBRFF_COMMENT, 0);
  // "file:" keeps a name with a colon from being taken for another protocol.
  r = avio_open(&FFormat->pb, ("file:" + FileName).c_str(), AVIO_FLAG_WRITE);
  if (r < 0) return FailAv("Cannot create the file", r);
  AVDictionary *options = nullptr;
  if (!UseCodec) av_dict_set(&options, "flipped_raw_rgb", "1", 0);
  r = avformat_write_header(FFormat, &options);
  av_dict_free(&options);
  if (r < 0) return FailAv("Cannot write the file", r);
  FHeaderWritten = true;
  FStatus = 1;  // open: not complete yet
  return true;
}

bool TRffSession::WritePacket(int64_t Slot) {
  FPacket->stream_index = FStream->index;
  // Slots count frame periods; the muxer may have reduced its time base to lowest terms.
  FPacket->pts = FPacket->dts = av_rescale_q(Slot, AVRational{FSlotNum, FSlotDen}, FStream->time_base);
  FPacket->duration = 1;
  const int r = av_write_frame(FFormat, FPacket);
  av_packet_unref(FPacket);
  if (r < 0 || FFormat->pb->error < 0) return FailAv("Cannot write the file", r < 0 ? r : FFormat->pb->error);
  return true;
}

bool TRffSession::WriteEmpty(int64_t Slot) {
  // An empty chunk: its slot keeps its time, readers show the picture before.
  av_packet_unref(FPacket);
  if (av_new_packet(FPacket, 0) < 0) return Fail("Out of memory.");
  return WritePacket(Slot);
}

bool TRffSession::WriteWaiting() {
  while (!FWaiting.empty() && !FWaiting.front().Frame) {
    if (!WriteEmpty(FWaiting.front().Slot)) return false;
    FWaiting.pop_front();
  }
  return true;
}

bool TRffSession::Receive() {
  for (;;) {
    const int r = avcodec_receive_packet(FCodec, FPacket);
    if (r == AVERROR(EAGAIN) || r == AVERROR_EOF) return true;
    if (r < 0) return FailAv("MPEG-4 encoder", r);
    // Packets come out in the order of the frames: the first frame waiting is this one.
    if (FWaiting.empty() || !FWaiting.front().Frame) return Fail("The encoder gave out a frame it was not given.");
    const int64_t slot = FWaiting.front().Slot;
    FWaiting.pop_front();
    if (!WritePacket(slot) || !WriteWaiting()) return false;
  }
}

bool TRffSession::AddFrame(const KlbRffBitmap &Bitmap) {
  if (!FFormat || FStatus != 1) return Fail("No file is open.");
  if (Bitmap.Width <= 0 || Bitmap.Height <= 0 || !Bitmap.Bits || Bitmap.BytesPerLine < 3 * Bitmap.Width)
    return Fail("The picture is not valid.");
  const AVPixelFormat target = FCodec ? FCodec->pix_fmt : AV_PIX_FMT_BGR24;
  FScaler = sws_getCachedContext(FScaler, Bitmap.Width, Bitmap.Height, AV_PIX_FMT_RGB24, FWidth, FHeight, target,
                                 SWS_BICUBIC | SWS_ACCURATE_RND, nullptr, nullptr, nullptr);
  if (!FScaler) return Fail("The picture cannot be converted.");
  const uint8_t *in[4] = {Bitmap.Bits, nullptr, nullptr, nullptr};
  const int inStride[4] = {Bitmap.BytesPerLine, 0, 0, 0};
  const int64_t slot = FNextSlot++;
  if (!FCodec) {
    const int stride = (FWidth * 3 + 3) & ~3;
    av_packet_unref(FPacket);
    if (av_new_packet(FPacket, stride * FHeight) < 0) return Fail("Out of memory.");
    memset(FPacket->data, 0, size_t(FPacket->size));
    // Bottom row first: the last row of the packet receives the top row.
    uint8_t *out[4] = {FPacket->data + int64_t(FHeight - 1) * stride, nullptr, nullptr, nullptr};
    const int outStride[4] = {-stride, 0, 0, 0};
    if (sws_scale(FScaler, in, inStride, 0, Bitmap.Height, out, outStride) <= 0)
      return Fail("The picture cannot be converted.");
    FPacket->flags |= AV_PKT_FLAG_KEY;
    return WritePacket(slot);
  }
  if (av_frame_make_writable(FFrame) < 0) return Fail("Out of memory.");
  if (sws_scale(FScaler, in, inStride, 0, Bitmap.Height, FFrame->data, FFrame->linesize) <= 0)
    return Fail("The picture cannot be converted.");
  FFrame->pts = slot;
  FFrame->quality = FCodec->global_quality;
  FFrame->pict_type = AV_PICTURE_TYPE_NONE;
  FWaiting.push_back({slot, true});
  const int r = avcodec_send_frame(FCodec, FFrame);
  if (r < 0) return FailAv("MPEG-4 encoder", r);
  return Receive();
}

bool TRffSession::AddEmpty() {
  if (!FFormat || FStatus != 1) return Fail("No file is open.");
  const int64_t slot = FNextSlot++;
  if (FWaiting.empty()) return WriteEmpty(slot);
  FWaiting.push_back({slot, false});
  return true;
}

// Writes the true rate into the stream header ("strh": scale, rate) and the main header
// ("avih": microseconds per frame) of the completed file.
bool TRffSession::PatchRate() {
  FILE *file = fopen(FFileName.c_str(), "r+b");
  if (!file) return Fail(std::string("Cannot complete the file: ") + strerror(errno));
  std::vector<uint8_t> head(65536);
  const size_t n = fread(head.data(), 1, head.size(), file);
  const auto find = [&](const char *Tag) -> long {
    for (size_t i = 0; i + 12 <= n; ++i)
      if (memcmp(head.data() + i, Tag, 4) == 0) return long(i);
    return -1;
  };
  const long strh = find("strh"), avih = find("avih");
  bool ok = strh >= 0 && avih >= 0 && size_t(strh) + 8 + 28 <= n && memcmp(head.data() + strh + 8, "vids", 4) == 0;
  if (ok) {
    uint8_t pair[8];
    rffsession::PutLe32(pair, FTrueRate.Scale);
    rffsession::PutLe32(pair + 4, FTrueRate.Rate);
    uint8_t period[4];
    rffsession::PutLe32(period, FTrueRate.MicroSecondsPerFrame());
    ok = fseek(file, strh + 8 + 20, SEEK_SET) == 0 && fwrite(pair, 1, 8, file) == 8 &&
         fseek(file, avih + 8, SEEK_SET) == 0 && fwrite(period, 1, 4, file) == 4;
  }
  ok = fflush(file) == 0 && ok;
  ok = fclose(file) == 0 && ok;
  return ok || Fail("Cannot complete the file: the frame rate could not be written.");
}

void TRffSession::Finish() {
  if (!FFormat || FStatus != 1) {
    Fail("No file is open.");
    Release();
    return;
  }
  bool ok = true;
  if (FCodec) {
    const int r = avcodec_send_frame(FCodec, nullptr);
    ok = (r >= 0 || r == AVERROR_EOF) ? Receive() && WriteWaiting() : FailAv("MPEG-4 encoder", r);
    if (ok && !FWaiting.empty()) ok = Fail("The encoder kept back some frames.");
  }
  if (ok && FNextSlot == 0) ok = Fail("The video holds no frame.");
  if (ok) {
    const int r = av_write_trailer(FFormat);
    if (r < 0) ok = FailAv("Cannot complete the file", r);
  }
  if (ok) {
    const int r = avio_closep(&FFormat->pb);
    if (r < 0) ok = FailAv("Cannot complete the file", r);
  }
  Release();
  if (ok && FPatchRate) ok = PatchRate();
  if (ok) FStatus = 0;
}

}  // namespace kolibra::editing::rff
