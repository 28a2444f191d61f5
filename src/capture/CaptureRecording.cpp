// The capture controller's recording: the record button, the delay and the duration, the
// status text, the preview, a camera lost on the way, and the save flow.

#include "capture/Capture.h"
#include "kit/Texts.h"

#include "kit/MessageBox.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cmath>

namespace kolibra::capture {

void TCapture::SetState(TCaptureState state) {
  // Saving keeps the buttons as recording does: the event tells when either changes.
  const auto busy = [this] { return Recording() || FState == csSaving; };
  const bool before = busy();
  FState = state;
  if (before != busy() && OnRecordingChange) OnRecordingChange(this);
}

// ---------------------------------------------------------------------------------------------
// Frames and events from the back-ends' threads
// ---------------------------------------------------------------------------------------------

void TCapture::FrameArrived(const TCapturedFrame &frame) {
  bool post = false;
  {
    std::lock_guard<std::mutex> lock(FFrameLock);
    if (FRecording != nullptr) FRecording->Push(frame);
    FPreview = frame.Picture;
    // One pending repaint at a time: a slow screen skips pictures, it never queues them.
    post = !FPreviewPending;
    FPreviewPending = true;
  }
  if (post) QMetaObject::invokeMethod(this, [this] { ShowPreview(); }, Qt::QueuedConnection);
}

void TCapture::SourceLost(const QString &reason) {
  QMetaObject::invokeMethod(this, [this, reason] { DeviceLost(reason); }, Qt::QueuedConnection);
}

void TCapture::ShowPreview() {
  QImage picture;
  {
    std::lock_guard<std::mutex> lock(FFrameLock);
    picture = FPreview;
    FPreviewPending = false;
  }
  if (!picture.isNull() && FPreviewAllowed && OnPreviewFrame) OnPreviewFrame(this, picture);
}

// ---------------------------------------------------------------------------------------------
// Status
// ---------------------------------------------------------------------------------------------

int64_t TCapture::CapturedFrames() const {
  if (FState == csRecording && FRecorder) return FRecorder->Captured();
  return FFinalCaptured;
}

int64_t TCapture::LostFrames() const {
  if (FState == csRecording && FRecorder) return FRecorder->Lost();
  return FFinalLost;
}

QString TCapture::StatusText() const {
  // The countdown shows the seconds still to wait: from the delay down to 1, never 0.
  if (FState == csWaiting && DelayEnabled && FSeconds < Delay)
    return CaptureText::tr("Recording will start after %d second(s) ")
        .replace(QLatin1String("%d"), QString::number(Delay - FSeconds));
  if (FState == csRecording)
    return CaptureText::tr("Number of captured images:") + QLatin1Char(' ') +
           QString::number(CapturedFrames()) + QStringLiteral("   ") +
           CaptureText::tr("Number of lost images:") + QLatin1Char(' ') +
           QString::number(LostFrames());
  return QString();
}

void TCapture::RaiseStatus() {
  if (OnStatusText) OnStatusText(this, StatusText());
}

// ---------------------------------------------------------------------------------------------
// The record button and the ticker
// ---------------------------------------------------------------------------------------------

void TCapture::RecordButton() {
  if (Recording()) {
    StopRecording();
    return;
  }
  if (FState == csSaving) return;
  if (!IsPreviewing() && !Connect()) return;
  if (!CreateTempFile()) {
    TMessageBox(icWarning)
        .AddLine(CaptureText::tr("Capture has failed. File has not been saved."))
        .AddLine(CaptureText::tr("The temporary folder cannot be written."))
        .AddButton(CaptureText::tr("Ok"))
        .Execute();
    return;
  }
  FSeconds = 0;
  FFinalCaptured = FFinalLost = 0;
  if (!ManualTicks) FTicker.start();
  if (DelayEnabled) {
    SetState(csWaiting);
    RaiseStatus();
  } else {
    StartRecordingNow();
  }
}

void TCapture::Tick() {
  if (!Recording()) {
    FTicker.stop();
    return;
  }
  ++FSeconds;
  if (FState == csWaiting) {
    if (DelayEnabled && FSeconds < Delay) {
      RaiseStatus();
      return;
    }
    if (BeepAtStart) Dialogs.Beep();
    StartRecordingNow();
    return;
  }
  RaiseStatus();
  // The recorder ends the file at exactly the duration's slots; a camera that stalls
  // without an error is given two more seconds before the recording stops anyway.
  const int start = DelayEnabled ? Delay : 0;
  if (DurationEnabled && FSeconds >= start + Duration + 2) StopRecording();
}

void TCapture::StartRecordingNow() {
  const TCaptureFormat *format = Format();
  const video::TFrameRate rate = Current().NegotiatedRate();
  TRecordingPlan plan;
  plan.FileName = FTempFile;
  plan.Width = format != nullptr ? format->Width : 0;
  plan.Height = format != nullptr ? format->Height : 0;
  plan.Rate = rate;
  plan.Codec = FCodecIndex;
  plan.CameraSendsJpeg = format != nullptr && format->IsJpeg();
  plan.QueueFrames = RecorderQueueFrames;
  if (DurationEnabled && rate.IsValid())
    plan.SlotLimit = std::max<int64_t>(1, std::llround(double(Duration) * rate.Rate / rate.Scale));
  auto recorder = std::make_unique<TCaptureRecorder>();
  recorder->OnEnded = [this](TRecorderEnd end) {
    QMetaObject::invokeMethod(this, [this, end] { RecorderEnded(end); }, Qt::QueuedConnection);
  };
  QString reason;
  if (!recorder->Start(plan, reason)) {
    FTicker.stop();
    ReleaseTempFile(true);
    SetState(Current().Running() ? csPreviewing : csIdle);
    RaiseStatus();
    TMessageBox(icWarning)
        .AddLine(CaptureText::tr("Capture has failed. File has not been saved."))
        .AddLine(reason)
        .AddButton(CaptureText::tr("Ok"))
        .Execute();
    if (OnFinished) OnFinished(this);
    return;
  }
  FRecorder = std::move(recorder);
  {
    std::lock_guard<std::mutex> lock(FFrameLock);
    FRecording = FRecorder.get();
  }
  SetState(csRecording);
  RaiseStatus();
}

// ---------------------------------------------------------------------------------------------
// Stopping
// ---------------------------------------------------------------------------------------------

void TCapture::StopRecording() {
  FTicker.stop();
  if (FState == csWaiting) {
    // A delayed start that is cancelled leaves nothing behind.
    ReleaseTempFile(true);
    SetState(Current().Running() ? csPreviewing : csIdle);
    RaiseStatus();
    return;
  }
  if (FState != csRecording) return;
  FinishRecording();
  Current().Stop();
  SetState(csSaving);
  RaiseStatus();
  SaveRecording(FFinalCaptured);
}

void TCapture::FinishRecording() {
  {
    std::lock_guard<std::mutex> lock(FFrameLock);
    FRecording = nullptr;
  }
  if (!FRecorder) return;
  FRecorder->Finish();
  FFinalCaptured = FRecorder->Captured();
  FFinalLost = FRecorder->Lost();
  FLast = TRecordingResult{QString(), Current().NegotiatedRate(), FRecorder->Slots(), FFinalCaptured,
                           FRecorder->LostSlots()};
  FRecorder.reset();
}

void TCapture::RecorderEnded(TRecorderEnd end) {
  if (FState != csRecording || !FRecorder) return;
  if (end == reDiskFull || end == reWriteError) {
    const QString reason = FRecorder->Error();
    FinishRecording();
    Current().Stop();
    FTicker.stop();
    SetState(csSaving);
    TMessageBox box(icWarning);
    box.AddLine(CaptureText::tr("The recording has stopped:"));
    box.AddLine(reason.isEmpty() ? CaptureText::tr("The file cannot be written.") : reason);
    box.AddLine(CaptureText::tr("What was recorded up to there is kept."));
    box.AddButton(CaptureText::tr("Ok")).Execute();
    SaveRecording(FFinalCaptured);
    return;
  }
  StopRecording();
}

void TCapture::DeviceLost(const QString &reason) {
  const TCaptureDevice *device = Device();
  FLostDevice = device != nullptr ? *device : TCaptureDevice();
  const bool recording = FState == csRecording;
  if (FState == csWaiting) StopRecording();
  if (recording) {
    // The file is closed properly before anything is said.
    FTicker.stop();
    FinishRecording();
  }
  Current().Stop();
  if (!recording && FState == csPreviewing) SetState(csIdle);
  if (recording) SetState(csSaving);
  TMessageBox box(icWarning);
  box.AddLine(CaptureText::tr("A Plug and Play device was disconnected."));
  if (!reason.isEmpty()) box.AddLine(reason);
  box.AddButton(CaptureText::tr("Ok")).Execute();
  // A camera with a node may come back; the synthetic ones stop for good.
  if (!FLostDevice.Node.isEmpty() && FPreviewAllowed) FReconnect.start();
  if (recording) SaveRecording(FFinalCaptured);
}

void TCapture::CheckReconnection() {
  if (FLostDevice.Node.isEmpty() || !Current().Present(FLostDevice)) return;
  FReconnect.stop();
  if (Recording() || FState == csSaving) return;
  TMessageBox(icInformation)
      .AddLine(CaptureText::tr("A Plug and Play device was reconnected."))
      .AddButton(CaptureText::tr("Ok"))
      .Execute();
  FConnectedSettingsStale = true;
  Connect();
}

// ---------------------------------------------------------------------------------------------
// Saving
// ---------------------------------------------------------------------------------------------

void TCapture::SaveRecording(int64_t captured) {
  // The saving is over before anybody is told: a reconnection then finds the camera free.
  const auto end = [this](const std::function<void(TCapture *)> &event) {
    SetState(csIdle);
    RaiseStatus();
    if (event) event(this);
    if (OnFinished) OnFinished(this);
  };
  // A file of headers alone is no recording.
  if (FTempFile.isEmpty() || !QFileInfo::exists(FTempFile) || captured <= 0) {
    FSavedFile.clear();
    ReleaseTempFile(true);
    TMessageBox(icWarning)
        .AddLine(CaptureText::tr("Capture has failed. File has not been saved."))
        .AddButton(CaptureText::tr("Ok"))
        .Execute();
    end(OnConnectionQuery);
    return;
  }
  TSaveFileRequest request;
  request.Title = CaptureText::tr("Save video");
  request.Filter = CaptureText::tr("Video file (*.avi)");
  request.DefaultExtension = QStringLiteral("avi");
  request.BaseName = QStringLiteral("Capture");
  request.ConfirmOverwrite = false;
  for (;;) {
    QString name;
    if (!Dialogs.AskSaveFile(request, name)) {
      FSavedFile.clear();
      ReleaseTempFile(true);
      end(OnConnectionQuery);
      return;
    }
    if (!name.endsWith(QLatin1String(".avi"), Qt::CaseInsensitive)) name += QStringLiteral(".avi");
    if (QFileInfo::exists(name)) {
      TMessageBox(icWarning)
          .AddFileName(name)
          .AddLine(
              CaptureText::tr("A file with this name already exists in the selected directory."))
          .AddLine(CaptureText::tr("Please choose a different file name or directory."))
          .AddButton(CaptureText::tr("Ok"))
          .Execute();
      request.Folder = QFileInfo(name).absolutePath();
      continue;
    }
    QString reason;
    if (!CopyFileAtomically(FTempFile, name, reason)) {
      // The recording is still in the temporary file: the user chooses another place.
      TMessageBox box(icWarning);
      box.AddLine(CaptureText::tr("The file creation in the selected directory has failed."));
      box.AddLine(CaptureText::tr("Check your access rights to this directory."));
      if (!reason.isEmpty()) box.AddLine(reason);
      box.AddButton(CaptureText::tr("Ok")).Execute();
      request.Folder = QFileInfo(name).absolutePath();
      continue;
    }
    FSavedFile = name;
    FLast.FileName = name;
    ReleaseTempFile(true);
    end(OnRecordingSaved);
    return;
  }
}

}  // namespace kolibra::capture
