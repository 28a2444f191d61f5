#include "editing/writers/VfwRecord.h"

#include "kit/Texts.h"

#include <QCoreApplication>
#include <QFile>

namespace kolibra::editing {

namespace vfwrecord {

constexpr int MinSide = 16;
constexpr int MaxSide = 16384;

constexpr uint32_t DibHandler = uint32_t('D') | uint32_t('I') << 8 | uint32_t('B') << 16 | uint32_t(' ') << 24;

}  // namespace vfwrecord

TVfwRecord::TVfwRecord() = default;

TVfwRecord::~TVfwRecord() { Cancel(); }

QString TVfwRecord::ErrorTextOf(int Code) {
  switch (Code) {
    case 1:
      return VfwRecordText::tr("Process cancelled");
    case 2:
      return VfwRecordText::tr("Video not initialized");
    case 3:
      return VfwRecordText::tr("Aan image is damaged");
    case 4:
      return VfwRecordText::tr("This frame could not be inserted in the video stream");
    case 5:
      return VfwRecordText::tr("Unable to compress video stream");
    case 6:
      return VfwRecordText::tr("Unable to define video stream format");
    case 7:
      return VfwRecordText::tr(
          "Unable to replace a file with the same name (it may be in use in another program)");
    case 8:
      return VfwRecordText::tr("Unable to write video file on disk");
    case 9:
      return VfwRecordText::tr("Unable to create video stream in memory");
    case 10:
      return VfwRecordText::tr("Coder does not exist or is not available");
    default:
      return VfwRecordText::tr("Unknown error");
  }
}

QString TVfwRecord::ErrorText() const { return ErrorTextOf(ErrorCode()); }

QSize TVfwRecord::AcceptedSize(const QString &Codec, QSize Size) {
  const video::avi::TAviCodec *codec = IsWithout(Codec) ? nullptr : video::avi::FindAviCodec(Codec);
  return ClampSize(Size, vfwrecord::MinSide, vfwrecord::MaxSide, codec && codec->EvenSize);
}

QStringList TVfwRecord::CodecNames(QSize Size) {
  QStringList names;
  video::avi::TAviCompressor trial;
  for (const video::avi::TAviCodec &c : video::avi::AviCodecs()) {
    const QSize size = AcceptedSize(QLatin1String(c.Name), Size);
    if (trial.Open(c, size.width(), size.height(), video::TFrameRate::Exact(25, 1), 5000, 25))
      names << QLatin1String(c.Name);
    trial.Close();
  }
  return names;
}

bool TVfwRecord::PrepareCodec(const TWriterSettings &Settings, QSize Size) {
  FCodec = nullptr;
  FCompressor.Close();
  FWaiting.clear();
  FRate = Settings.Rate;
  if (Settings.Codec.isEmpty()) return true;
  const video::avi::TAviCodec *codec = video::avi::FindAviCodec(Settings.Codec);
  if (!codec)
    return SetError(weCodec, VfwRecordText::tr("No codec is called \"%1\".").arg(Settings.Codec));
  if (!FCompressor.Open(*codec, Size.width(), Size.height(), Settings.Rate, Settings.Quality, Settings.KeyFrameEvery))
    return SetError(weCodec, FCompressor.Error());
  FCodec = codec;
  return true;
}

bool TVfwRecord::StartFile(const QString &TempFile) {
  video::avi::TAviWriterFormat format;
  format.Width = Size().width();
  format.Height = Size().height();
  format.Rate = FRate;
  if (FCodec) {
    FCompressor.Describe(format);
  } else {
    format.Handler = vfwrecord::DibHandler;
    format.Compression = 0;
    format.BitCount = 24;
  }
  if (!FWriter.Open(TempFile, format)) return SetError(weDiskWrite, FWriter.Error());
  return true;
}

bool TVfwRecord::WriteChunk(const uint8_t *Data, int64_t Size, bool Key) {
  if (FWriter.WriteChunk(Data, Size, Key)) return true;
  return SetError(weDiskWrite, FWriter.Error());
}

// Writes what the compressor gave out, each picture in its slot and the empty slots that
// waited behind it.
bool TVfwRecord::WriteReady() {
  bool key = false;
  while (!FWaiting.empty()) {
    if (!FWaiting.front()) {
      if (!WriteChunk(nullptr, 0, false)) return false;
      FWaiting.pop_front();
      continue;
    }
    if (!FCompressor.Take(FChunk, key)) break;
    // A picture that compresses to nothing is still a picture: its slot stays.
    if (!WriteChunk(FChunk.data(), int64_t(FChunk.size()), key)) return false;
    FWaiting.pop_front();
  }
  return true;
}

bool TVfwRecord::WriteFrame(const QImage &Rgb) {
  const int w = Rgb.width(), h = Rgb.height();
  if (FCodec) {
    FWaiting.push_back(true);
    if (!FCompressor.Compress(Rgb.constBits(), Rgb.bytesPerLine())) return SetError(weCompress, FCompressor.Error());
    return WriteReady();
  }
  // A bitmap: blue, green, red, rows padded to four bytes, bottom row first.
  const int64_t stride = (int64_t(w) * 3 + 3) & ~int64_t(3);
  FDib.assign(size_t(stride * h), 0);
  for (int y = 0; y < h; ++y) {
    const uchar *in = Rgb.constScanLine(y);
    uint8_t *out = FDib.data() + (h - 1 - y) * stride;
    for (int x = 0; x < w; ++x) {
      out[3 * x] = in[3 * x + 2];
      out[3 * x + 1] = in[3 * x + 1];
      out[3 * x + 2] = in[3 * x];
    }
  }
  return WriteChunk(FDib.data(), int64_t(FDib.size()), true);
}

bool TVfwRecord::WriteEmpty() {
  if (FWaiting.empty()) return WriteChunk(nullptr, 0, false);
  FWaiting.push_back(false);
  return true;
}

bool TVfwRecord::EndFile() {
  if (FCodec) {
    if (!FCompressor.Drain()) return SetError(weCompress, FCompressor.Error());
    if (!WriteReady()) return false;
    // Every picture given must have come out, or slots would be missing.
    if (!FWaiting.empty())
      return SetError(weCompress, VfwRecordText::tr("The codec kept back some frames."));
  }
  if (!FWriter.Finish()) return SetError(weDiskWrite, FWriter.Error());
  FCompressor.Close();
  FCodec = nullptr;
  return true;
}

void TVfwRecord::AbortFile() {
  FWriter.Abort();
  FCompressor.Close();
  FCodec = nullptr;
  FWaiting.clear();
}

}  // namespace kolibra::editing
