// The capture's buttons and reactions in the main window.

#include "mainwindow/MainControllerCapture.h"

#include "capture/Capture.h"
#include "editing/Montage.h"
#include "kit/MessageBox.h"
#include "kit/Texts.h"
#include "mainwindow/MainController.h"
#include "videoview/VideoModel.h"

namespace kolibra::mainwindow {

using namespace videoview;

TMainCapture::TMainCapture(TMainController &controller, capture::TCapture &capture) : Main(controller), Part(capture) {
  Part.OnRecordingChange = [this](capture::TCapture *) { RecordingChanged(); };
  Part.OnRecordingSaved = [this](capture::TCapture *) { RecordingSaved(); };
  Part.OnConnectionQuery = [this](capture::TCapture *) { ConnectionQuery(); };
}

TMainCapture::~TMainCapture() {
  Part.OnRecordingChange = nullptr;
  Part.OnRecordingSaved = nullptr;
  Part.OnConnectionQuery = nullptr;
}

bool TMainCapture::ToolClicked(TControl control) {
  if (control < ButtonCapDevice || control > ButtonCapEnregistrer) return false;
  if (Main.Video.Mode() != vmCapture) return true;
  Part.ButtonClicked(capture::TCaptureButton(control - ButtonCapDevice));
  return true;
}

void TMainCapture::AdjustEnabled() {
  // Waiting for the delay counts as recording: nothing may change the camera under it.
  const bool busy = Part.Recording() || Part.State() == capture::csSaving;
  for (int c = ButtonCapDevice; c < ButtonCapEnregistrer; ++c)
    if (busy) Main.States[size_t(c)].Enabled = false;
}

bool TMainCapture::RecordingPicture() const { return Part.Recording(); }

void TMainCapture::RecordingChanged() {
  Main.ApplyEnabled();
  Main.Refresh(rfControls);
}

void TMainCapture::RecordingSaved() {
  Saved.Add(Part.LastRecording());
  TMessageBox(icInformation)
      .AddLine(MainFormText::tr("File successfully saved:"))
      .AddEmptyLine()
      .AddFileName(Part.SavedFile())
      .AddButton(MainFormText::tr("Ok"))
      .Execute();
  ConnectionQuery();
}

void TMainCapture::VideoOpened() {
  if (Main.Montage == nullptr || !Main.Video.IsOpen()) return;
  const capture::TRecordingResult *recording = Saved.Find(Main.Video.VideoFileName(), Main.Video.FrameCount());
  if (recording != nullptr && !recording->LostSlots.empty()) Main.Montage->SetMissingSlots(recording->LostSlots);
}

void TMainCapture::ConnectionQuery() {
  if (Main.Video.Mode() == vmCapture) Part.Connect();
}

void TMainCapture::Stop() {
  if (Part.Recording()) Part.StopRecording();
  Part.StopPreview();
}

}  // namespace kolibra::mainwindow
