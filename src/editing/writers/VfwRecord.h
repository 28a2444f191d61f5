#pragma once
// The "Video for Windows" writer: Kolibra's own AVI writer (AVI 1.0 and OpenDML, see
// video/AviWriter.h) with the libavcodec compressors of video/AviCompressor.h, chosen by
// FourCC in the place of the video compression manager. "without" writes 24-bit RGB bitmaps,
// bottom row first, as every AVI reader knows them.
//
// Chunks go to the file in picture order. A compressor may hold pictures back (H.264 looks
// ahead); an empty slot asked for meanwhile waits in line behind them, so that every slot
// keeps its place.

#include "editing/writers/VideoWriter.h"
#include "video/AviCompressor.h"
#include "video/AviWriter.h"

#include <deque>
#include <memory>
#include <vector>

namespace kolibra::editing {

class TVfwRecord : public TVideoWriter {
 public:
  TVfwRecord();
  ~TVfwRecord() override;

  video::TFramework Framework() const override { return video::fwVfw; }
  // The codecs whose compressor opens at the accepted size, in the order of AviCodecs().
  QStringList CodecNames(QSize Size) override;
  // 16 ... 16384 pixels a side (what Kolibra's AVI reader takes); even for the codecs that
  // refuse odd sizes.
  QSize AcceptedSize(const QString &Codec, QSize Size) override;
  QString ErrorText() const override;
  // The codes of the texts of the error table.
  static QString ErrorTextOf(int Code);

  // The FourCC of the codec of the open output; 0 without compression.
  uint32_t CodecFourCC() const { return FCodec ? FCodec->FourCC : 0; }
  int Parts() const { return FWriter.Parts(); }

 protected:
  bool PrepareCodec(const TWriterSettings &Settings, QSize Size) override;
  bool StartFile(const QString &TempFile) override;
  bool WriteFrame(const QImage &Rgb) override;
  bool WriteEmpty() override;
  bool EndFile() override;
  void AbortFile() override;

 private:
  bool WriteReady();
  bool WriteChunk(const uint8_t *Data, int64_t Size, bool Key);

  const video::avi::TAviCodec *FCodec = nullptr;
  video::avi::TAviCompressor FCompressor;
  video::avi::TAviWriter FWriter;
  video::TFrameRate FRate;
  std::vector<uint8_t> FDib;
  std::vector<uint8_t> FChunk;
  // Slots waiting for the compressor: true a picture, false an empty slot.
  std::deque<bool> FWaiting;
};

}  // namespace kolibra::editing
