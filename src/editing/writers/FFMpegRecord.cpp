#include "editing/writers/FFMpegRecord.h"

#include "editing/klbrff/KlbRff.h"
#include "editing/writers/VfwRecord.h"

#include <QCoreApplication>
#include <QFile>

namespace kolibra::editing {

struct TFFMpegRecord::TEntryPoints {
  TRffVersion FFVersion = nullptr;
  TRffwFileName FFwFileName = nullptr;
  TRffAddFrame FFAddFrame = nullptr;
  TRffWriteFile FFWriteFile = nullptr;
  TRffWriteStatus FFWriteStatus = nullptr;
  TRffWriteErrorMsg FFWriteErrorMsg = nullptr;
  TRffAddEmptyFrame FFAddEmptyFrame = nullptr;
  TRffCancelFile FFCancelFile = nullptr;
};

namespace ffmpegrecord {

constexpr int MinSide = 16;
constexpr int MaxSide = 16384;

}  // namespace ffmpegrecord

TFFMpegRecord::TFFMpegRecord(const QString &Folder) : FEntry(new TEntryPoints) {
  if (!FLibrary.Load(Folder, LibraryFileName())) return;
  TEntryPoints &e = *FEntry;
  FLibrary.Resolve("FFVersion", e.FFVersion);
  FLibrary.Resolve("FFwFileName", e.FFwFileName);
  FLibrary.Resolve("FFAddFrame", e.FFAddFrame);
  FLibrary.Resolve("FFWriteFile", e.FFWriteFile);
  FLibrary.Resolve("FFWriteStatus", e.FFWriteStatus);
  FLibrary.Resolve("FFWriteErrorMsg", e.FFWriteErrorMsg);
  FLibrary.Resolve("FFAddEmptyFrame", e.FFAddEmptyFrame);
  FLibrary.Resolve("FFCancelFile", e.FFCancelFile);
}

TFFMpegRecord::~TFFMpegRecord() {
  Cancel();
  delete FEntry;
}

QString TFFMpegRecord::LibraryFileName() { return QStringLiteral("KlbRff.so"); }

QString TFFMpegRecord::CodecName() { return QStringLiteral("FFMpeg internal MPEG4 codec"); }

QString TFFMpegRecord::ErrorText() const {
  if (!FLibrary.IsLoaded()) return video::TKlbDll::NotInstalledText();
  switch (ErrorCode()) {
    case weTooOld:
      return video::TKlbDll::TooOldText();
    case weCancelled:
    case weReplace:
      return TVfwRecord::ErrorTextOf(ErrorCode());
    default:
      return TVfwRecord::ErrorTextOf(0);
  }
}

QSize TFFMpegRecord::AcceptedSize(const QString &, QSize Size) {
  return ClampSize(Size, ffmpegrecord::MinSide, ffmpegrecord::MaxSide, false);
}

QStringList TFFMpegRecord::CodecNames(QSize) {
  if (!FLibrary.IsLoaded()) return {};
  return {CodecName()};
}

bool TFFMpegRecord::LibraryError(TWriteError Code) {
  const QString reason = FEntry->FFWriteErrorMsg ? QString::fromUtf8(FEntry->FFWriteErrorMsg()) : QString();
  return SetError(Code, reason);
}

bool TFFMpegRecord::PrepareCodec(const TWriterSettings &Settings, QSize) {
  const TEntryPoints &e = *FEntry;
  if (!FLibrary.IsLoaded()) return SetError(weNotOpen);
  if (!e.FFVersion || e.FFVersion() < MinimumVersion) return SetError(weTooOld);
  if (!e.FFwFileName || !e.FFAddFrame || !e.FFWriteFile) return SetError(weTooOld);
  if (!Settings.Codec.isEmpty() && Settings.Codec.compare(CodecName(), Qt::CaseInsensitive) != 0)
    return SetError(weCodec, QCoreApplication::translate("TFFMpegRecord", "No codec is called \"%1\".").arg(Settings.Codec));
  FUseCodec = !Settings.Codec.isEmpty();
  FFps = Settings.Rate.Fps();
  return true;
}

bool TFFMpegRecord::StartFile(const QString &TempFile) {
  FLast = QImage();
  if (!FEntry->FFwFileName(QFile::encodeName(TempFile).constData(), Size().height(), Size().width(), FFps,
                           FUseCodec ? 1 : 0)) {
    return LibraryError(weDiskWrite);
  }
  FFileOpen = true;
  return true;
}

bool TFFMpegRecord::WriteFrame(const QImage &Rgb) {
  KlbRffBitmap bitmap;
  bitmap.Width = Rgb.width();
  bitmap.Height = Rgb.height();
  bitmap.BytesPerLine = int32_t(Rgb.bytesPerLine());
  bitmap.Bits = Rgb.constBits();
  if (!FEntry->FFAddFrame(&bitmap)) return LibraryError(weFrameRejected);
  if (!FEntry->FFAddEmptyFrame) FLast = Rgb;
  return true;
}

bool TFFMpegRecord::WriteEmpty() {
  if (FEntry->FFAddEmptyFrame) return FEntry->FFAddEmptyFrame() || LibraryError(weFrameRejected);
  // An older library: the picture before, again.
  if (FLast.isNull()) {
    FLast = QImage(Size(), QImage::Format_RGB888);
    FLast.fill(Qt::black);
  }
  return WriteFrame(FLast);
}

bool TFFMpegRecord::EndFile() {
  FEntry->FFWriteFile();
  FFileOpen = false;
  FLast = QImage();
  // Without the status entry point the library's word is all there is.
  if (FEntry->FFWriteStatus && FEntry->FFWriteStatus() != 0) return LibraryError(weDiskWrite);
  return true;
}

void TFFMpegRecord::AbortFile() {
  if (!FFileOpen) return;
  FFileOpen = false;
  FLast = QImage();
  if (FEntry->FFCancelFile) {
    FEntry->FFCancelFile();
  } else {
    FEntry->FFWriteFile();
  }
}

}  // namespace kolibra::editing
