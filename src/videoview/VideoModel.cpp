// The video view's file, readers, navigation, playback and work-file state.

#include "videoview/VideoModel.h"

#include "kit/IniFile.h"
#include "kit/MathUtils.h"
#include "measurement/Data.h"

#include <QCoreApplication>
#include <algorithm>

namespace kolibra::videoview {

TVideoModel::TVideoModel(IVideoSurface &surface, const QString &wrapperFolder)
    : FSurface(surface), FSources(std::make_unique<video::TVideoSources>(wrapperFolder)) {
  for (video::TFramework f : {video::fwVfw, video::fwDS, video::fwFFMpeg}) Listen(FSources->Reader(f));
}

// The readers go first: closing them fires events that reach this object.
TVideoModel::~TVideoModel() {
  for (video::TFramework f : {video::fwVfw, video::fwDS, video::fwFFMpeg}) {
    if (video::TVideoPlay *reader = FSources->Reader(f)) {
      reader->OnOpen = nullptr;
      reader->OnClose = nullptr;
      reader->OnError = nullptr;
    }
  }
  FSources.reset();
}

void TVideoModel::Listen(video::TVideoPlay *reader) {
  if (reader == nullptr) return;
  reader->OnOpen = [this](video::TVideoPlay *sender) { ReaderOpened(sender); };
  reader->OnClose = [this](video::TVideoPlay *sender) { ReaderClosed(sender); };
  reader->OnError = [this](video::TVideoPlay *sender, const QString &message) { ReaderError(sender, message); };
}

void TVideoModel::SetReader(video::TFramework framework, std::unique_ptr<video::TVideoPlay> reader) {
  if (video::TVideoPlay *old = FSources->Reader(framework)) {
    if (old == FReader) {
      Stop();
      FReader = nullptr;
    }
    old->OnOpen = nullptr;
    old->OnClose = nullptr;
    old->OnError = nullptr;
  }
  video::TVideoPlay *added = reader.get();
  FSources->SetReader(framework, std::move(reader));
  Listen(added);
}

void TVideoModel::SetDocument(measurement::TData *document) {
  FDocument = document;
  SyncDocumentMode();
}

void TVideoModel::SyncDocumentMode() {
  if (FDocument == nullptr) return;
  using measurement::TMeasurementMode;
  TMeasurementMode mode = TMeasurementMode::None;
  if (IsOpen()) {
    if (FMode == vmRepereFixe) mode = TMeasurementMode::FixedAxes;
    if (FMode == vmTransparent) mode = TMeasurementMode::Layer;
    if (FMode == vmMontage) mode = TMeasurementMode::Editing;
  }
  FDocument->SetMeasurementMode(mode);
}

// ---------------------------------------------------------------------------------------------
// Opening
// ---------------------------------------------------------------------------------------------

bool TVideoModel::Open(const QString &fileName) {
  FOpenErrorText.clear();
  Stop();
  const bool opened = FSources->Open(fileName);
  FFramework = FSources->Framework();
  if (!opened) {
    FOpenErrorText = FSources->OpenErrorText();
    // A reader left open on the previous file would show a video the window no longer
    // offers any control for.
    for (video::TFramework f : {video::fwVfw, video::fwDS, video::fwFFMpeg}) {
      video::TVideoPlay *reader = FSources->Reader(f);
      if (reader != nullptr && reader->Opened()) reader->Close();
    }
    FReader = nullptr;
    if (FDocument != nullptr) FDocument->SetVideoTimes({});
    SyncDocumentMode();
    return false;
  }
  FReader = FSources->Active();
  if (FDocument != nullptr) {
    FDocument->SetFrameInterval(FReader->FrameInterval());
    FDocument->SetVideoTimes(video::VideoTimeStamps(*FReader));
  }
  if (FMontage != nullptr) FMontage->VideoOpened(FReader->FrameCount());
  if (FWriter != nullptr) FWriter->Reset();
  FGeometry.SetFrameSize(FReader->FrameWidth(), FReader->FrameHeight());
  UpdateGeometry();
  ViewChanged();
  return true;
}

void TVideoModel::ReaderOpened(video::TVideoPlay *reader) {
  FReader = reader;
  FGeometry.SetFrameSize(reader->FrameWidth(), reader->FrameHeight());
  FSurface.SetViewVisible(false);
  FZoom = TZoom();
  FTool = vtNone;
  EndPan();
  FHideImage = false;
  SetMode(vmRepereFixe);
  // Already in mode 3, SetMode changed nothing; the document must measure all the same.
  SyncDocumentMode();
  // SetMode shows the view again; it stays hidden until the window has laid it out.
  FSurface.SetViewVisible(false);
  UpdateGeometry();
  Fire(OnVideoOpen);
}

void TVideoModel::ReaderClosed(video::TVideoPlay *reader) {
  if (reader != FReader) return;
  Stop();
  FReader = nullptr;
  SyncDocumentMode();
  UpdateGeometry();
  Fire(OnVideoClose);
}

void TVideoModel::ReaderError(video::TVideoPlay *reader, const QString &message) {
  if (reader != FReader) return;
  if (FMode == vmMontage && FWriter != nullptr) FWriter->PlaybackInterrupted();
  Stop();
  if (OnMessage)
    OnMessage(this, QCoreApplication::translate("TVideo", "Reading stopped.") + QLatin1Char(' ') + message);
}

bool TVideoModel::IsOpen() const { return FReader != nullptr && FReader->Opened(); }

int TVideoModel::FrameCount() const { return IsOpen() ? FReader->FrameCount() : 0; }
int TVideoModel::FrameWidth() const { return IsOpen() ? FReader->FrameWidth() : 0; }
int TVideoModel::FrameHeight() const { return IsOpen() ? FReader->FrameHeight() : 0; }
double TVideoModel::FrameInterval() const { return IsOpen() ? FReader->FrameInterval() : 0.0; }
double TVideoModel::CaptureRate() const { return IsOpen() ? FReader->CaptureRate() : 0.0; }
double TVideoModel::FrameRate() const { return IsOpen() ? FReader->FrameRate() : 0.0; }
int TVideoModel::CurrentFrame() const { return IsOpen() ? FReader->Position() : 0; }
QString TVideoModel::VideoFileName() const { return FReader != nullptr ? FReader->FileName() : QString(); }
bool TVideoModel::ReaderBusy() const { return FReader != nullptr && FReader->Drawing(); }
bool TVideoModel::VariableRate() const { return IsOpen() && FReader->VariableRate(); }

video::TOrientation TVideoModel::StreamOrientation() const {
  return IsOpen() ? FReader->StreamOrientation() : video::TOrientation();
}

bool TVideoModel::OrientationIgnored() const { return IsOpen() && FReader->OrientationIgnored(); }

void TVideoModel::SetOrientationIgnored(bool ignored) {
  if (!IsOpen() || ignored == FReader->OrientationIgnored()) return;
  FReader->SetOrientationIgnored(ignored);
  FGeometry.SetFrameSize(FReader->FrameWidth(), FReader->FrameHeight());
  UpdateGeometry();
  ViewChanged();
  Invalidate();
}

int TVideoModel::TimerDelay() const {
  // Above 2,000 frames per second the reader's rounded delay is 0 ms, which no timer runs.
  return IsOpen() ? std::max(1, int(FReader->TimerDelay())) : 1;
}

// ---------------------------------------------------------------------------------------------
// Navigation
// ---------------------------------------------------------------------------------------------

int TVideoModel::ShownFrameCount() const {
  if (!IsOpen()) return 0;
  if (FMontage != nullptr && FMode != vmMontage) return FMontage->KeptCount();
  return FrameCount();
}

int TVideoModel::ShownFrame() const {
  if (!IsOpen()) return 0;
  if (FMontage != nullptr && FMode != vmMontage) return FMontage->KeptIndexOf(CurrentFrame());
  return CurrentFrame();
}

int TVideoModel::VideoFrameOf(int shownIndex) const {
  if (FMontage != nullptr && FMode != vmMontage) return FMontage->VideoFrameOf(shownIndex);
  return shownIndex;
}

void TVideoModel::GoTo(int shownIndex) {
  if (!IsOpen()) return;
  Stop();
  const int frame = VideoFrameOf(shownIndex);
  if (frame >= 0 && frame != CurrentFrame()) SetFrame(frame);
}

void TVideoModel::SetFrame(int videoIndex) {
  if (!IsOpen()) return;
  FReader->SetPosition(videoIndex);
  if (FDocument != nullptr) FDocument->FrameChanged();
}

void TVideoModel::GoToFrame(int editedIndex) { GoTo(editedIndex); }

void TVideoModel::GoToVideoFrame(int frameIndex) {
  if (!IsOpen()) return;
  Stop();
  if (frameIndex != CurrentFrame()) SetFrame(frameIndex);
}

void TVideoModel::GoToLastMarkedFrame() {
  if (!IsMarkingMode() || FDocument == nullptr || !IsOpen()) return;
  const int frame = FDocument->LastMarkedFrame();
  if (frame < 0) return;
  GoTo(FMontage != nullptr ? FMontage->KeptIndexOf(frame) : frame);
}

// ---------------------------------------------------------------------------------------------
// Playback
// ---------------------------------------------------------------------------------------------

void TVideoModel::Play(int fromIndex, int toIndex) {
  if (!IsOpen()) return;
  Stop();
  FPlayFrom = VideoFrameOf(fromIndex);
  FPlayTo = VideoFrameOf(toIndex);
  if (FPlayFrom != CurrentFrame()) SetFrame(FPlayFrom);
  FPlaying = true;
  FSurface.InvalidateView();
  FSurface.StartPlaybackTimer(TimerDelay());
}

void TVideoModel::Stop() {
  if (!FPlaying) return;
  FPlaying = false;
  FSurface.StopPlaybackTimer();
}

void TVideoModel::PlaybackTick() {
  if (!FPlaying) return;
  if (!IsOpen()) {
    Stop();
    return;
  }
  const bool mapped = FMontage != nullptr && FMode != vmMontage;
  const int next = mapped ? FMontage->VideoFrameOf(ShownFrame() + 1) : CurrentFrame() + 1;
  if (next < FPlayFrom || next > FPlayTo || next < 0 || next >= FrameCount()) {
    Stop();
    return;
  }
  SetFrame(next);
  // A frame whose predecessor is still being drawn is skipped, never queued.
  if (FPlaying && !ReaderBusy()) FSurface.RepaintNow();
}

// ---------------------------------------------------------------------------------------------
// Work file
// ---------------------------------------------------------------------------------------------

void TVideoModel::SaveState(TIniFile &ini) const {
  const QString section = QStringLiteral("Video");
  ini.WriteInteger(section, QStringLiteral("ImageNumber"), CurrentFrame());
  ini.WriteBool(section, QStringLiteral("MarkingMode"), FMode == vmTransparent);
  if (OrientationIgnored()) ini.WriteBool(section, QStringLiteral("IgnoreRotation"), true);
}

// ---------------------------------------------------------------------------------------------
// Frames for other subsystems
// ---------------------------------------------------------------------------------------------

bool TVideoModel::DrawFrame(QImage &bitmap, const QRect &source, uint32_t rasterOp) {
  if (!IsOpen()) return false;
  FReader->DrawMode = rasterOp;
  const bool drawn = FReader->Draw(bitmap, source);
  FReader->DrawMode = video::SrcCopy;
  return drawn;
}

bool TVideoModel::GrabFrame(QImage &bitmap) {
  if (!IsOpen()) return false;
  if (bitmap.width() != FrameWidth() || bitmap.height() != FrameHeight() ||
      bitmap.format() != QImage::Format_RGB888)
    bitmap = QImage(FrameWidth(), FrameHeight(), QImage::Format_RGB888);
  return DrawFrame(bitmap, QRect(0, 0, FrameWidth(), FrameHeight()), video::SrcCopy);
}

}  // namespace kolibra::videoview
