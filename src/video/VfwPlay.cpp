#include "video/VfwPlay.h"

#include "kit/MathUtils.h"
#include "kit/Texts.h"

#include <QCoreApplication>

namespace kolibra::video {

TVfwPlay::TVfwPlay() = default;

TVfwPlay::~TVfwPlay() {
  // No OnClose from a reader being destroyed: its listeners may be gone already.
  OnClose = nullptr;
  Close();
}

void TVfwPlay::SetFileName(const QString &Name) {
  FFileName = Name;
  SetError(QString(), ofNone);
  Close();
  Open();
}

void TVfwPlay::Open() {
  if (FFileName.isEmpty()) {
    SetError(VfwPlayText::tr("No file name was given."), ofFile);
    return;
  }
  QString error;
  FFile = std::make_unique<avi::TAviFileSource>();
  if (!FFile->Open(FFileName, error) || !avi::ParseAvi(*FFile, FStream, error)) {
    SetError(error, ofFile);
    Release();
    return;
  }
  // The decompressor: none for uncompressed bitmaps, else the decoder the FourCC names.
  FUncompressed = FDib.Setup(FStream);
  if (FUncompressed) {
    FDibPlan = avi::PlanOfChunks(FStream, true);
    FDibSlot.clear();
    for (size_t k = 0; k < FStream.Slots.size(); ++k) {
      if (FStream.Slots[k].Size > 0) FDibSlot.push_back(int32_t(k));
    }
  } else {
    FDecoder = std::make_unique<avi::TAviDecoder>();
    if (!FDecoder->Open(*FFile, FStream, error)) {
      SetError(error, ofFile);
      Release();
      return;
    }
  }
  if (FStream.Rate == 0 || FStream.Scale == 0) {
    SetError(VfwPlayText::tr("The file gives no frame rate."), ofFile);
    Release();
    return;
  }
  if (!SetRate(double(FStream.Rate) / double(FStream.Scale))) {
    Release();
    return;
  }
  FFrameInterval = double(FStream.Scale) / double(FStream.Rate);
  FFrameCount = int(FStream.Slots.size());
  FFrameWidth = FStream.Width();
  FFrameHeight = FStream.Height();
  FPosition = int(std::min<uint32_t>(FStream.Start, uint32_t(FFrameCount - 1)));
  FBitmapPosition = -1;
  FChunkSlot = -1;
  FOpened = true;

  // The test draw: a file whose first frame cannot be drawn is of no use.
  FTestBitmap = QImage(FFrameWidth, FFrameHeight, QImage::Format_RGB888);
  const uint32_t mode = DrawMode;
  DrawMode = SrcCopy;
  const bool drawn = !FTestBitmap.isNull() && Draw(FTestBitmap, QRect(0, 0, FFrameWidth, FFrameHeight));
  DrawMode = mode;
  FTestBitmap = QImage();
  if (!drawn) {
    Close();
    SetError(VfwPlayText::tr("The first frame of the file cannot be decoded."), ofFile);
    return;
  }
  if (OnOpen) OnOpen(this);
}

void TVfwPlay::Release() {
  FDecoder.reset();
  sws_freeContext(FDibScaler);
  FDibScaler = nullptr;
  FFile.reset();
  FStream = avi::TAviStream();
  FUncompressed = false;
  FDibPlan = avi::TAviPlan();
  FDibSlot.clear();
  FChunk.clear();
  FChunk.shrink_to_fit();
  FChunkSlot = -1;
  FFrameBitmap = QImage();
  FBitmapPosition = -1;
}

void TVfwPlay::Close() {
  if (!FOpened) return;
  Release();
  ResetFields();
  if (OnClose) OnClose(this);
}

void TVfwPlay::SetPosition(int Index) {
  if (!FOpened || Index == FPosition) return;
  FPosition = qBound(0, Index, FFrameCount - 1);
}

int TVfwPlay::PictureOf(int Index) const {
  if (!FOpened || Index < 0 || Index >= FFrameCount) return -1;
  const avi::TAviPlan &plan = FUncompressed ? FDibPlan : FDecoder->Plan();
  return plan.Picture[size_t(Index)];
}

bool TVfwPlay::PaintWhole(uchar *Bits, int64_t BytesPerLine) {
  if (!FOpened) return false;
  if (!FUncompressed) {
    return FDecoder->Seek(FPosition) && FDecoder->Paint(Bits, BytesPerLine, FFrameWidth, FFrameHeight);
  }
  const int slot = FDibSlot[size_t(FDibPlan.Picture[size_t(FPosition)])];
  const avi::TAviSlot &s = FStream.Slots[size_t(slot)];
  if (FChunkSlot != slot) {
    // What lies past the picture is never looked at, however large the chunk says it is.
    const int64_t bytes = std::min<int64_t>(s.Size, FDib.ImageBytes());
    FChunkSlot = -1;
    FChunk.resize(size_t(bytes));
    if (!FFile->Read(s.Offset, FChunk.data(), bytes)) return false;
    FChunkSlot = slot;
  }
  // 24 and 32 bits in plain order: libswscale's copy, which has vector code for it.
  if (!FDib.Masked() && (FDib.BitCount() == 24 || FDib.BitCount() == 32) &&
      int64_t(FChunk.size()) >= FDib.ImageBytes()) {
    const uint8_t *rows = FChunk.data();
    int stride = int(FDib.Stride());
    if (!FStream.TopDown()) {  // bottom row first: read upwards
      rows += (int64_t(FFrameHeight) - 1) * stride;
      stride = -stride;
    }
    FDibScaler = sws_getCachedContext(FDibScaler, FFrameWidth, FFrameHeight,
                                      FDib.BitCount() == 24 ? AV_PIX_FMT_BGR24 : AV_PIX_FMT_BGR0, FFrameWidth,
                                      FFrameHeight, AV_PIX_FMT_RGB24, SWS_POINT, nullptr, nullptr, nullptr);
    if (FDibScaler) {
      uint8_t *out[4] = {Bits, nullptr, nullptr, nullptr};
      const int outStride[4] = {int(BytesPerLine), 0, 0, 0};
      const uint8_t *in[4] = {rows, nullptr, nullptr, nullptr};
      const int inStride[4] = {stride, 0, 0, 0};
      return sws_scale(FDibScaler, in, inStride, 0, FFrameHeight, out, outStride) > 0;
    }
  }
  return FDib.Convert(FChunk.data(), int64_t(FChunk.size()), Bits, BytesPerLine, FFrameWidth, FFrameHeight);
}

const QImage *TVfwPlay::FetchFrame() {
  if (!FOpened) return nullptr;
  if (FBitmapPosition != FPosition) {
    if (FFrameBitmap.width() != FFrameWidth || FFrameBitmap.height() != FFrameHeight) {
      FFrameBitmap = QImage(FFrameWidth, FFrameHeight, QImage::Format_RGB888);
      if (FFrameBitmap.isNull()) return nullptr;
    }
    FBitmapPosition = -1;
    if (!PaintWhole(FFrameBitmap.bits(), FFrameBitmap.bytesPerLine())) return nullptr;
    FBitmapPosition = FPosition;
  }
  return &FFrameBitmap;
}

// The view at 100 % and every grab ask for the whole frame at its size: it is painted straight
// into the picture, saving a copy of every frame.
bool TVfwPlay::DrawFrame(QImage &Bitmap, const QRect &Source) {
  const bool whole = Source == QRect(0, 0, FFrameWidth, FFrameHeight) && Bitmap.size() == Source.size() &&
                     Bitmap.format() == QImage::Format_RGB888 && DrawMode == SrcCopy;
  if (!whole || FBitmapPosition == FPosition) return TVideoPlay::DrawFrame(Bitmap, Source);
  return PaintWhole(Bitmap.bits(), Bitmap.bytesPerLine());
}

}  // namespace kolibra::video
