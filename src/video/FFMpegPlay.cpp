#include "video/FFMpegPlay.h"
#include "video/WrapperMessages.h"

#include "kit/MathUtils.h"
#include "video/klbvff/KlbVff.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QHash>
#include <algorithm>
#include <cmath>

namespace kolibra::video {

struct TFFMpegPlay::TEntryPoints {
  TFFVersion FFVersion = nullptr;
  TFFwFileName FFwFileName = nullptr;
  TFFIsOpen FFIsOpen = nullptr;
  TFFFrameWidth FFFrameWidth = nullptr;
  TFFFrameHeight FFFrameHeight = nullptr;
  TFFNbImgParSec FFNbImgParSec = nullptr;
  TFFDuration FFDuration = nullptr;
  TFFFrameCount FFFrameCount = nullptr;
  TFFrPosition FFrPosition = nullptr;
  TFFwPosition FFwPosition = nullptr;
  TFFErrorMsg FFErrorMsg = nullptr;
  TFFDraw FFDraw = nullptr;
  TFFCommentaire FFCommentaire = nullptr;
  TFFClose FFClose = nullptr;
  TFFOpenError FFOpenError = nullptr;
  TFFVariableRate FFVariableRate = nullptr;
  TFFExactFrameCount FFExactFrameCount = nullptr;
  TFFRotation FFRotation = nullptr;
  TFFMirrored FFMirrored = nullptr;
  TFFCaptureRate FFCaptureRate = nullptr;
  TFFFrameTimes FFFrameTimes = nullptr;
};

namespace ffmpegplay {

// The reader whose file the wrapper holds, per loaded wrapper.
QHash<void *, TFFMpegPlay *> &WrapperOwners() {
  static QHash<void *, TFFMpegPlay *> owners;
  return owners;
}

}  // namespace ffmpegplay

TFFMpegPlay::TFFMpegPlay(const QString &WrapperFolder)
    : FFolder(WrapperFolder.isEmpty() ? KlbDllFolder() : WrapperFolder), FEntry(new TEntryPoints) {
  FFrameBitmap = QImage(1, 1, QImage::Format_RGB888);
  LoadWrapper();
}

TFFMpegPlay::~TFFMpegPlay() {
  // No OnClose from a reader being destroyed: its listeners may be gone already.
  OnClose = nullptr;
  Close();
  Unload();
  delete FEntry;
}

QString TFFMpegPlay::KlbDllFolder() { return TKlbDll::DefaultFolder(); }

QString TFFMpegPlay::WrapperFileName() { return QStringLiteral("KlbVff.so"); }

bool TFFMpegPlay::LoadWrapper() {
  if (FLibrary.IsLoaded()) return true;
  if (!FLibrary.Load(FFolder, WrapperFileName())) return false;
  TEntryPoints &e = *FEntry;
  FLibrary.Resolve("FFVersion", e.FFVersion);
  FLibrary.Resolve("FFwFileName", e.FFwFileName);
  FLibrary.Resolve("FFIsOpen", e.FFIsOpen);
  FLibrary.Resolve("FFFrameWidth", e.FFFrameWidth);
  FLibrary.Resolve("FFFrameHeight", e.FFFrameHeight);
  FLibrary.Resolve("FFNbImgParSec", e.FFNbImgParSec);
  FLibrary.Resolve("FFDuration", e.FFDuration);
  FLibrary.Resolve("FFFrameCount", e.FFFrameCount);
  FLibrary.Resolve("FFrPosition", e.FFrPosition);
  FLibrary.Resolve("FFwPosition", e.FFwPosition);
  FLibrary.Resolve("FFErrorMsg", e.FFErrorMsg);
  FLibrary.Resolve("FFDraw", e.FFDraw);
  FLibrary.Resolve("FFCommentaire", e.FFCommentaire);
  FLibrary.Resolve("FFClose", e.FFClose);
  FLibrary.Resolve("FFOpenError", e.FFOpenError);
  FLibrary.Resolve("FFVariableRate", e.FFVariableRate);
  FLibrary.Resolve("FFExactFrameCount", e.FFExactFrameCount);
  FLibrary.Resolve("FFRotation", e.FFRotation);
  FLibrary.Resolve("FFMirrored", e.FFMirrored);
  FLibrary.Resolve("FFCaptureRate", e.FFCaptureRate);
  FLibrary.Resolve("FFFrameTimes", e.FFFrameTimes);
  return true;
}

void TFFMpegPlay::Unload() {
  if (!FLibrary.IsLoaded()) return;
  auto &owners = ffmpegplay::WrapperOwners();
  if (owners.value(FLibrary.Handle()) == this) owners.remove(FLibrary.Handle());
  FLibrary.Unload();
  *FEntry = TEntryPoints();
}

bool TFFMpegPlay::OpenFile(const QString &Name) {
  SetError(QString(), ofNone);
  FFileName = Name;
  if (!LoadWrapper()) {
    SetError(TKlbDll::NotInstalledText(), ofFramework);
    return false;
  }
  if (!FEntry->FFVersion || FEntry->FFVersion() < MinimumVersion) {
    SetError(TKlbDll::TooOldText(), ofFramework);
    return false;
  }
  Close();
  try {
    Open();
  } catch (const EFileOpen &) {
    ResetFields();
  }
  if (!FOpened && FErrorText.isEmpty()) {
    // The wrapper's reason says what is wrong with the file; "Unknown error" only without one.
    const QString reason = FEntry->FFOpenError ? TKlbDll::Text(FEntry->FFOpenError()) : QString();
    if (reason.isEmpty()) {
      SetError(QCoreApplication::translate("TFFMpegPlay", "Unknown error"), ofUnknown);
    } else {
      SetError(TranslatedWrapperMessage(reason), ofFile);
    }
  }
  return FOpened;
}

void TFFMpegPlay::Open() {
  const TEntryPoints &e = *FEntry;
  if (!e.FFwFileName || !e.FFIsOpen) throw EFileOpen("entry point");
  e.FFwFileName(QFile::encodeName(FFileName).constData());
  ffmpegplay::WrapperOwners().insert(FLibrary.Handle(), this);
  if (!e.FFIsOpen()) throw EFileOpen("not open");
  if (!e.FFFrameWidth || !e.FFFrameHeight) throw EFileOpen("entry point");
  const int width = e.FFFrameWidth();
  const int height = e.FFFrameHeight();
  if (width <= 0 || height <= 0) throw EFileOpen("size");
  FFrameWidth = width;
  FFrameHeight = height;
  FFrameBitmap = QImage(width, height, QImage::Format_RGB888);
  if (FFrameBitmap.isNull()) throw EFileOpen("memory");
  FBitmapPosition = -1;
  if (!e.FFNbImgParSec || !e.FFDuration || !e.FFFrameCount || !e.FFrPosition) throw EFileOpen("entry point");
  if (!SetRate(e.FFNbImgParSec())) throw EFileOpen("rate");
  FDuration = e.FFDuration();
  FFrameCount = e.FFFrameCount();
  if (FFrameCount <= 0) throw EFileOpen("no frame");
  FPosition = qBound(0, static_cast<int>(e.FFrPosition()), FFrameCount - 1);
  FVariableRate = e.FFVariableRate && e.FFVariableRate();
  const double captureRate = e.FFCaptureRate ? e.FFCaptureRate() : 0.0;
  FCaptureRate = std::isfinite(captureRate) && captureRate > 0.0 ? captureRate : 0.0;
  TOrientation orientation;
  const int rotation = e.FFRotation ? e.FFRotation() : 0;
  if (rotation == 90 || rotation == 180 || rotation == 270) orientation.Rotation = rotation;
  orientation.Mirrored = e.FFMirrored && e.FFMirrored();
  SetStreamOrientation(orientation);
  FOpened = true;
  if (OnOpen) OnOpen(this);
}

void TFFMpegPlay::Close() {
  if (!FLibrary.IsLoaded()) return;
  // Closing another reader's file would pull it from under that reader.
  if (ffmpegplay::WrapperOwners().value(FLibrary.Handle()) == this) {
    if (FEntry->FFClose) FEntry->FFClose();
    ffmpegplay::WrapperOwners().remove(FLibrary.Handle());
  }
  ResetFields();
  FBitmapPosition = -1;
  if (OnClose) OnClose(this);
}

bool TFFMpegPlay::Claim() {
  if (!FLibrary.IsLoaded() || !FOpened) return false;
  if (ffmpegplay::WrapperOwners().value(FLibrary.Handle()) == this) return true;
  const TEntryPoints &e = *FEntry;
  if (!e.FFwFileName || !e.FFIsOpen) return false;
  e.FFwFileName(QFile::encodeName(FFileName).constData());
  ffmpegplay::WrapperOwners().insert(FLibrary.Handle(), this);
  if (!e.FFIsOpen()) {
    const QString reason = e.FFOpenError ? TKlbDll::Text(e.FFOpenError()) : QString();
    if (OnError) OnError(this, TranslatedWrapperMessage(reason));
    return false;
  }
  if (e.FFwPosition) e.FFwPosition(FPosition);
  return true;
}

void TFFMpegPlay::SetPosition(int Index) {
  // Without an open file there is nothing of this reader's to move.
  if (!FLibrary.IsLoaded() || !FEntry->FFwPosition || !FOpened) return;
  if (!Claim()) return;
  const TEntryPoints &e = *FEntry;
  e.FFwPosition(Index);
  if (e.FFErrorMsg) {
    const QString message = TKlbDll::Text(e.FFErrorMsg());
    if (!message.isEmpty() && OnError) OnError(this, TranslatedWrapperMessage(message));
  }
  // A damaged end found while decoding shortens the file; a long file's count, first taken
  // from its duration, becomes exact when the wrapper has counted its frames.
  if (e.FFFrameCount) {
    const int count = e.FFFrameCount();
    if (count > 0) FFrameCount = count;
  }
  if (e.FFrPosition) FPosition = qBound(0, static_cast<int>(e.FFrPosition()), FFrameCount - 1);
}

std::vector<double> TFFMpegPlay::FrameTimes() {
  std::vector<double> times;
  if (!FLibrary.IsLoaded() || !FOpened || !FEntry->FFFrameTimes || !Claim()) return times;
  const int32_t count = FEntry->FFFrameTimes(nullptr, 0);
  if (count <= 0) return times;
  times.resize(size_t(count));
  times.resize(size_t(std::clamp(FEntry->FFFrameTimes(times.data(), count), 0, count)));
  return times;
}

int TFFMpegPlay::ExactFrameCount() {
  if (!FLibrary.IsLoaded() || !FOpened || !Claim()) return FFrameCount;
  const TEntryPoints &e = *FEntry;
  const int count = e.FFExactFrameCount ? e.FFExactFrameCount() : e.FFFrameCount ? e.FFFrameCount() : 0;
  if (count > 0) FFrameCount = count;
  if (e.FFrPosition) FPosition = qBound(0, static_cast<int>(e.FFrPosition()), FFrameCount - 1);
  return FFrameCount;
}

const QImage *TFFMpegPlay::FetchFrame() {
  if (!FLibrary.IsLoaded() || !FOpened || !FEntry->FFDraw) return nullptr;
  if (!Claim()) return nullptr;
  if (FBitmapPosition != FPosition) {
    KlbVffBitmap bitmap;
    bitmap.Width = FFrameBitmap.width();
    bitmap.Height = FFrameBitmap.height();
    bitmap.BytesPerLine = static_cast<int32_t>(FFrameBitmap.bytesPerLine());
    bitmap.Bits = FFrameBitmap.bits();
    FEntry->FFDraw(&bitmap);
    FBitmapPosition = FPosition;
  }
  return &FFrameBitmap;
}

// The view at 100 % and every grab ask for the whole frame at its size: the wrapper paints
// it straight into the picture, saving a copy of every frame.
bool TFFMpegPlay::DrawFrame(QImage &Bitmap, const QRect &Source) {
  const bool whole = Orientation().IsIdentity() && Source == QRect(0, 0, FFrameWidth, FFrameHeight) &&
                     Bitmap.size() == Source.size() &&
                     Bitmap.format() == QImage::Format_RGB888 && DrawMode == SrcCopy;
  if (!whole || FBitmapPosition == FPosition) return TVideoPlay::DrawFrame(Bitmap, Source);
  if (!FLibrary.IsLoaded() || !FOpened || !FEntry->FFDraw || !Claim()) return false;
  KlbVffBitmap bitmap;
  bitmap.Width = Bitmap.width();
  bitmap.Height = Bitmap.height();
  bitmap.BytesPerLine = static_cast<int32_t>(Bitmap.bytesPerLine());
  bitmap.Bits = Bitmap.bits();
  FEntry->FFDraw(&bitmap);
  return true;
}

QString TFFMpegPlay::GetComment(const QString &Name) {
  if (!LoadWrapper() || !FEntry->FFCommentaire) return QString();
  return TKlbDll::Text(FEntry->FFCommentaire(QFile::encodeName(Name).constData()));
}

}  // namespace kolibra::video
