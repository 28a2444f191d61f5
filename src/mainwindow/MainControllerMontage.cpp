// The montage mode's buttons: hide or show the current frame, a series of frames, a missing
// frame; and what the window shows of the current frame (kept or shown in negative).

#include "editing/Montage.h"
#include "kit/Texts.h"
#include "mainwindow/MainController.h"
#include "videoview/VideoModel.h"

namespace kolibra::mainwindow {

using namespace videoview;

void TMainController::SetMontage(editing::TMontage *montage, editing::IMontageDialogs *dialogs) {
  Montage = montage;
  MontageDialogs = dialogs;
}

void TMainController::MontageToolClicked(TControl control) {
  if (Montage == nullptr || Video.Mode() != vmMontage) return;
  switch (control) {
    case ButtonMontageBasculer:
      Montage->ToggleCurrentFrame();
      break;
    case ButtonMontageBasculerMult:
      if (MontageDialogs != nullptr) Montage->ShowHideSeries(*MontageDialogs);
      break;
    case ButtonMontageInstant:
      if (MontageDialogs != nullptr) Montage->MissingFrame(*MontageDialogs);
      break;
    default:
      return;
  }
  Video.Repaint();
  RefreshMontageButtons();
  RefreshNavigationBoxes();
  Refresh(rfControls | rfBoxes | rfTrackBar | rfViewHint);
}

bool TMainController::RefreshMontageButtons() {
  if (Montage == nullptr || Video.Mode() != vmMontage || !VideoOpen()) return false;
  const bool kept = Montage->CurrentKept();
  const QString hint =
      kept ? MainFormText::tr("|This frame will be visible in the video after leaving edit mode")
           : MainFormText::tr(
                 "|This frame will not appear any more in the video after leaving edit mode");
  const bool enabled = ControlsEnabled && kept;
  const bool changed = kept != MontageKept || hint != ViewHintText || enabled != States[ButtonMontageInstant].Enabled;
  MontageKept = kept;
  States[ButtonMontageInstant].Enabled = enabled;
  ViewHintText = hint;
  return changed;
}

}  // namespace kolibra::mainwindow
