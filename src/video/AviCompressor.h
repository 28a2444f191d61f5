#pragma once
// The compressors of Kolibra's AVI writer, in the place of the video compression manager:
// a libavcodec encoder chosen by the FourCC the stream will carry, fed 24-bit RGB pictures
// and giving one chunk per picture, in order.
//
// Only codecs our three readers and common players read back are offered, each configured
// for AVI, which has no time stamps: no B-frames and no frame reordering, so chunk k is
// picture k; codec headers in band at every key frame (so any key can start a decode), or in
// the stream format for the codecs that keep them there. The lossless ones encode the RGB
// picture itself, so a round trip gives the same pixels back.

#include "video/AviWriter.h"
#include "video/FrameRate.h"

#include <QString>
#include <cstdint>
#include <deque>
#include <vector>

struct AVCodecContext;
struct AVFrame;
struct AVPacket;
struct SwsContext;

namespace kolibra::video::avi {

struct TAviCodec {
  const char *Name;     // the description users choose from
  uint32_t FourCC;      // the stream's code
  const char *Encoder;  // libavcodec's name
  bool Lossless;
  bool EvenSize;  // 4:2:0 that the encoder refuses at odd sizes
};

// Motion JPEG, MPEG-4 part 2, H.264, HuffYUV, Ut Video, FFV1: the codecs this build has an
// encoder for, in that order.
const std::vector<TAviCodec> &AviCodecs();
// The codec of that description or FourCC text (case ignored); null when none.
const TAviCodec *FindAviCodec(const QString &NameOrFourCC);

// The quality scale of the compression manager (0 ... 10000) as a codec's quantiser (1 best,
// 31 worst) and as H.264's constant rate factor. 5000 gives about what users expect of a
// "medium" setting.
int QScaleForQuality(int Quality);
double CrfForQuality(int Quality);

class TAviCompressor {
 public:
  TAviCompressor();
  ~TAviCompressor();
  TAviCompressor(const TAviCompressor &) = delete;
  TAviCompressor &operator=(const TAviCompressor &) = delete;

  // Starts the encoder of Codec for Width x Height pictures. False, with the reason in
  // Error(), when it does not open at that size.
  bool Open(const TAviCodec &Codec, int Width, int Height, TFrameRate Rate, int Quality, int KeyFrameEvery);
  void Close();
  bool IsOpen() const { return FContext != nullptr; }

  // The stream's format: code, bit count and the encoder's set-up data.
  void Describe(TAviWriterFormat &Format) const;

  // Encodes one picture: 24-bit RGB, red first, top row first, of the opened size.
  bool Compress(const uint8_t *Bits, int64_t BytesPerLine);
  // Gives out what the encoder still holds (after the last picture).
  bool Drain();
  // The next chunk, in picture order; false when none is ready.
  bool Take(std::vector<uint8_t> &Data, bool &Key);

  const QString &Error() const { return FError; }

 private:
  bool Receive();
  bool Fail(const QString &Reason);

  const TAviCodec *FCodec = nullptr;
  AVCodecContext *FContext = nullptr;
  AVFrame *FFrame = nullptr;
  AVPacket *FPacket = nullptr;
  SwsContext *FScaler = nullptr;
  int FQuality = 0;
  int64_t FNextPts = 0;
  struct TChunk {
    std::vector<uint8_t> Data;
    bool Key = false;
  };
  std::deque<TChunk> FReady;
  QString FError;
};

}  // namespace kolibra::video::avi
