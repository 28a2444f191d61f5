#include "video/AviDecoder.h"

#include "kit/Texts.h"
#include "video/AviChunks.h"

#include <QCoreApplication>
#include <algorithm>
#include <cstring>

extern "C" {
#include <libavformat/avformat.h>
}

namespace kolibra::video::avi {

namespace avidecoder {

// A key's own picture comes out within the decoder's delay, or it was no key.
constexpr int MaxLeading = 32;
// Of the pictures decoded on the way to a frame, only a few before it are kept; the others
// go back to the decoder's pool rather than take fresh memory for each. Stepping back, more.
// A far jump leaves the pictures kept around the frame before, for the same reason.
constexpr int KeptJumping = 4;
constexpr int KeptSteppingBack = 64;
constexpr int FarJump = 64;

}  // namespace avidecoder

TAviDecoder::TAviDecoder() {
  // Damaged files make decoders talk, some at their loudest; the reader says what matters
  // through its own texts.
  av_log_set_level(AV_LOG_QUIET);
  FPacket = av_packet_alloc();
  FFrame = av_frame_alloc();
  FCurrent = av_frame_alloc();
  FLastOutput = av_frame_alloc();
}

TAviDecoder::~TAviDecoder() {
  Close();
  av_packet_free(&FPacket);
  av_frame_free(&FFrame);
  av_frame_free(&FCurrent);
  av_frame_free(&FLastOutput);
}

bool TAviDecoder::Open(TAviSource &Source, const TAviStream &Stream, QString &Error) {
  Close();
  const AVCodecTag *const tags[] = {avformat_get_riff_video_tags(), nullptr};
  AVCodecID id = av_codec_get_id(tags, Stream.Bitmap.Compression);
  // The handler names the codec in some files whose format does not; 0 there means nothing.
  if (id == AV_CODEC_ID_NONE && Stream.Handler != 0) id = av_codec_get_id(tags, Stream.Handler);
  const AVCodec *codec = id == AV_CODEC_ID_NONE ? nullptr : avcodec_find_decoder(id);
  if (!codec) {
    Error = VfwPlayText::tr("No decoder is available for the video codec \"%1\" of this file.")
                .arg(FourCCText(Stream.Bitmap.Compression));
    return false;
  }
  FDecoder = avcodec_alloc_context3(codec);
  if (!FDecoder) {
    Error = VfwPlayText::tr("Out of memory.");
    return false;
  }
  FDecoder->width = Stream.Bitmap.Width;
  FDecoder->height = Stream.Height();
  FDecoder->codec_tag = Stream.Bitmap.Compression;
  FDecoder->bits_per_coded_sample = Stream.Bitmap.BitCount;
  // Whatever follows the bitmap header is the codec's set-up data, as FFmpeg's own AVI
  // reader hands it over.
  if (Stream.Format.size() > 40) {
    const size_t extra = Stream.Format.size() - 40;
    FDecoder->extradata = static_cast<uint8_t *>(av_mallocz(extra + AV_INPUT_BUFFER_PADDING_SIZE));
    if (FDecoder->extradata) {
      memcpy(FDecoder->extradata, Stream.Format.data() + 40, extra);
      FDecoder->extradata_size = int(extra);
    }
  }
  if (Stream.Bitmap.BitCount > 0 && Stream.Bitmap.BitCount <= 8) {
    const int64_t start = std::clamp<int64_t>(Stream.Bitmap.HeaderSize, 40, int64_t(Stream.Format.size()));
    const int64_t entries =
        std::min<int64_t>(int64_t(1) << Stream.Bitmap.BitCount, (int64_t(Stream.Format.size()) - start) / 4);
    for (int64_t i = 0; i < entries; ++i)
      FPalette[size_t(i)] = 0xFF000000u | Le32(Stream.Format.data() + start + 4 * i);
    FHasPalette = entries > 0;
  }
  FDecoder->thread_count = 0;  // as many as the machine has
  FDecoder->thread_type = FF_THREAD_FRAME | FF_THREAD_SLICE;
  const int r = avcodec_open2(FDecoder, codec, nullptr);
  if (r < 0) {
    Error = VfwPlayText::tr("The decoder for the codec \"%1\" cannot be started.")
                .arg(QString::fromUtf8(codec->name));
    Close();
    return false;
  }
  const AVCodecDescriptor *descriptor = avcodec_descriptor_get(id);
  FIntraOnly = descriptor && (descriptor->props & AV_CODEC_PROP_INTRA_ONLY);
  FSource = &Source;
  FStream = &Stream;
  FPlan = id == AV_CODEC_ID_MPEG4 ? PlanOfMpeg4(Source, Stream) : PlanOfChunks(Stream, FIntraOnly);
  if (FPlan.Keys.empty() || FPlan.Pictures <= 0) {
    Error = VfwPlayText::tr("The AVI file holds no frame.");
    Close();
    return false;
  }
  FPictureLimit = FPlan.Pictures - 1;
  // Where every picture is a key any frame costs one decode: a large cache would only keep
  // the decoder from reusing warm buffers.
  FCache.SetBudget(FIntraOnly ? 0 : vff::TVffFrameCache::DefaultBudget);
  return true;
}

void TAviDecoder::Close() {
  FCache.Clear();
  if (FCurrent) av_frame_unref(FCurrent);
  if (FLastOutput) av_frame_unref(FLastOutput);
  if (FPacket) av_packet_unref(FPacket);
  avcodec_free_context(&FDecoder);
  FConverter.Reset();
  FSource = nullptr;
  FStream = nullptr;
  FPlan = TAviPlan();
  FHasPalette = false;
  FCurrentPicture = -1;
  FPictureLimit = 0;
  FRunActive = false;
  FHasPending = false;
  FDrainSent = FDrained = false;
  FLastPicture = -1;
}

bool TAviDecoder::Seek(int Slot) {
  if (!IsOpen() || Slot < 0 || Slot >= int(FPlan.Picture.size())) return false;
  const int target = std::min(int(FPlan.Picture[size_t(Slot)]), FPictureLimit);
  if (target == FCurrentPicture && FCurrent->buf[0]) return true;
  if (const AVFrame *cached = FCache.Find(target)) {
    av_frame_unref(FCurrent);
    if (av_frame_ref(FCurrent, cached) < 0) return false;
    FCurrentPicture = target;
    return true;
  }
  FKeptOnTheWay = target < FCurrentPicture ? avidecoder::KeptSteppingBack : avidecoder::KeptJumping;
  if (std::abs(target - FCurrentPicture) > avidecoder::FarJump) FCache.Clear();
  bool decoded = false;
  for (size_t attempt = 0; attempt <= FPlan.Keys.size(); ++attempt) {
    const TAviPlan::TKey *key = FPlan.KeyFor(target);
    if (!key) return false;
    // When the key is the next chunk to feed, going on is starting there, without a flush.
    const bool decodeOn = FRunActive && !FDrained && FNextPicture <= target && key->Slot <= FNextSlot;
    if (!decodeOn) StartRun(*key);
    decoded = DecodeTo(target);
    if (!FBadKey) break;
    FRunActive = false;
    FBadKey = false;
    if (FPlan.Keys.size() <= 1 || FRunKey.Slot == FPlan.Keys.front().Slot) break;
    FPlan.DropKey(FRunKey.Slot);
  }
  if (decoded) {
    FCurrentPicture = target;
    return true;
  }
  // The picture never came: the stream ends before the plan said, or is damaged there. Its
  // last picture stands for the ones missing.
  if (FDrained && FLastPicture >= 0 && FLastPicture < target && FLastOutput->buf[0]) {
    FPictureLimit = FLastPicture;
    av_frame_unref(FCurrent);
    if (av_frame_ref(FCurrent, FLastOutput) < 0) return false;
    FCurrentPicture = FLastPicture;
    return true;
  }
  return false;
}

void TAviDecoder::StartRun(const TAviPlan::TKey &Key) {
  avcodec_flush_buffers(FDecoder);
  av_packet_unref(FPacket);
  FHasPending = false;
  FRunKey = Key;
  FNextSlot = Key.Slot;
  FNextPicture = Key.Picture;
  FLastPicture = Key.Picture - 1;
  // The start of the stream needs no check: a decode from there is the reference.
  FRunChecked = &Key == &FPlan.Keys.front() || Key.Slot == FPlan.Keys.front().Slot;
  FRunDropped = 0;
  FBadKey = false;
  FPaletteSent = false;
  FStandInSent = false;
  FDrainSent = FDrained = false;
  FRunActive = true;
}

bool TAviDecoder::LoadPacket(int Slot) {
  const TAviSlot &s = FStream->Slots[size_t(Slot)];
  av_packet_unref(FPacket);
  if (int64_t(s.Size) > MaxChunkBytes || av_new_packet(FPacket, int(s.Size)) < 0) return false;
  if (!FSource->Read(s.Offset, FPacket->data, s.Size)) {
    av_packet_unref(FPacket);
    return false;
  }
  // The slot as the packet's time: every picture then names the chunk it came from.
  FPacket->pts = Slot;
  FPacket->dts = AV_NOPTS_VALUE;
  if (s.Key) FPacket->flags |= AV_PKT_FLAG_KEY;
  if (FHasPalette && !FPaletteSent) {
    if (uint8_t *side = av_packet_new_side_data(FPacket, AV_PKT_DATA_PALETTE, AVPALETTE_SIZE)) {
      memcpy(side, FPalette.data(), AVPALETTE_SIZE);
    }
    FPaletteSent = true;
  }
  return true;
}

// A "not coded" frame as packing encoders write them: the decoder takes any chunk this
// small as the cue to decode the VOP it kept from the chunk before.
bool TAviDecoder::LoadStandIn(int Slot) {
  static const uint8_t standIn[] = {0x00, 0x00, 0x01, 0xB6, 0x50, 0x00};
  av_packet_unref(FPacket);
  if (av_new_packet(FPacket, int(sizeof standIn)) < 0) return false;
  memcpy(FPacket->data, standIn, sizeof standIn);
  FPacket->pts = Slot;
  FPacket->dts = AV_NOPTS_VALUE;
  return true;
}

bool TAviDecoder::Feed() {
  if (FDrainSent) return false;
  const int count = int(FStream->Slots.size());
  while (!FHasPending) {
    while (FNextSlot < count && FStream->Slots[size_t(FNextSlot)].Size == 0) ++FNextSlot;
    if (FNextSlot >= count && FPlan.FlushStored && !FStandInSent) {
      FStandInSent = true;
      FHasPending = LoadStandIn(count);
      continue;
    }
    if (FNextSlot >= count) {
      FDrainSent = true;
      avcodec_send_packet(FDecoder, nullptr);
      return true;
    }
    FHasPending = LoadPacket(FNextSlot++);
  }
  const int r = avcodec_send_packet(FDecoder, FPacket);
  if (r == AVERROR(EAGAIN)) return true;  // the decoder has pictures to give first
  // A damaged packet is passed over, as a player passes over it.
  av_packet_unref(FPacket);
  FHasPending = false;
  return true;
}

bool TAviDecoder::DecodeTo(int Target) {
  while (FNextPicture <= Target && !FBadKey) {
    const int r = avcodec_receive_frame(FDecoder, FFrame);
    if (r == 0) {
      Output(Target);
      av_frame_unref(FFrame);
      continue;
    }
    if (r == AVERROR(EAGAIN)) {
      if (!Feed()) {
        FDrained = true;
        break;
      }
      continue;
    }
    if (r == AVERROR_EOF) {
      FDrained = true;
      break;
    }
    // Any other answer leaves the decoder unusable for this run.
    FRunActive = false;
    break;
  }
  if (!FRunChecked && FDrained) FBadKey = true;
  return !FBadKey && FNextPicture > Target;
}

void TAviDecoder::Output(int Target) {
  if (!FRunChecked) {
    if (FFrame->pts != FRunKey.Slot) {
      if (++FRunDropped > avidecoder::MaxLeading) FBadKey = true;
      return;
    }
    FRunChecked = true;
  }
  const int index = FNextPicture++;
  if (index >= FPlan.Pictures) return;
  FLastPicture = index;
  if (index >= Target - FKeptOnTheWay) FCache.Put(index, FFrame);
  av_frame_unref(FLastOutput);
  av_frame_ref(FLastOutput, FFrame);
  if (index == Target) {
    av_frame_unref(FCurrent);
    av_frame_ref(FCurrent, FFrame);
  }
}

bool TAviDecoder::Paint(uchar *Bits, int64_t BytesPerLine, int Width, int Height) {
  if (!IsOpen() || !FCurrent->buf[0]) return false;
  return FConverter.ToRgb(*FCurrent, Bits, BytesPerLine, Width, Height);
}

}  // namespace kolibra::video::avi
