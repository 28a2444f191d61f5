// Navigation, the boxes that ask a value, the keyboard and the commands of the menus that
// reach the document.

#include "mainwindow/MainController.h"
#include "mainwindow/MainControllerTracking.h"
#include "mainwindow/MainControllerStudio.h"
#include "measurement/Data.h"
#include "videoview/VideoModel.h"

namespace kolibra::mainwindow {

using namespace videoview;

void TMainController::ControlClicked(TControl control) {
  switch (ControlGroup(control)) {
    case cgMode:
      ModeButtonClicked(control);
      return;
    case cgTool:
      ToolButtonClicked(control);
      return;
    case cgResult:
      ResultButtonClicked(control);
      return;
    case cgNavigation:
      NavigationClicked(control);
      return;
    case cgBox:
      if (!VideoOpen() || !State(control).Enabled) return;
      if (control == EditImage) EditImageClicked();
      if (control == EditZoom) Video.ResetZoom();
      if (control == EditAngle) EditAngleClicked();
      return;
  }
}

// ---------------------------------------------------------------------------------------------
// Navigation
// ---------------------------------------------------------------------------------------------

void TMainController::GoToShown(int index) {
  const int before = Video.ShownFrame();
  if (index < 0 || index >= Video.ShownFrameCount() || index == before) return;
  Video.GoTo(index);
  if (Video.ShownFrame() != before) Video.Invalidate();
}

void TMainController::NavigationClicked(TControl control) {
  if (!VideoOpen() || control == TrackBar) return;
  if (TrackingPart && TrackingPart->NavigationClicked(control)) return;
  const int shown = Video.ShownFrame();
  const int count = Video.ShownFrameCount();
  switch (control) {
    case ButtonVideoRetour:
      GoToShown(0);
      break;
    case ButtonVideoPred:
      GoToShown(shown - 1);
      break;
    case ButtonVideoSucc:
      GoToShown(shown + 1);
      break;
    case ButtonVideoAvance:
      GoToShown(count - 1);
      break;
    case ButtonVideoLecture:
      Video.Play(shown, count - 1);
      break;
    case ButtonVideoPause:
      Video.Stop();
      break;
    default:
      break;
  }
}

void TMainController::TrackBarChanged(int position) {
  if (!VideoOpen()) return;
  GoToShown(position);
}

void TMainController::AfterPaint() {
  if (TrackingPart) TrackingPart->AfterPaint();
  if (StudioPart) StudioPart->AfterPaint();
  RefreshNavigationBoxes();
  // The montage's buttons follow the frame shown; the others only need the boxes.
  const unsigned montage = RefreshMontageButtons() ? unsigned(rfControls | rfViewHint) : 0u;
  Refresh(rfTrackBar | rfBoxes | montage);
  if (OnFrameShown && VideoOpen()) OnFrameShown(Video.CurrentFrame());
}

settings::TValueContext TMainController::ValueContext() const {
  settings::TValueContext context;
  context.VideoOpen = VideoOpen();
  context.FrameCount = Video.ShownFrameCount();
  context.CurrentFrame = Video.ShownFrame();
  const measurement::TEchelle &scale = Data.Scale();
  context.ScaleLength = scale.ScaleLength;
  context.ScaleHorizLength = scale.ScaleHorizLength;
  context.ScaleVertLength = scale.ScaleVertLength;
  context.AxisAngle = Data.XAxisAngle();
  context.ObjectCount = Data.ObjectsCount();
  context.MarksToDraw = Data.MarksNumberToDraw();
  context.FramesBetweenMarks = Data.FramesNumberBetweenTwoMarks();
  return context;
}

void TMainController::EditImageClicked() {
  const settings::TValueResult frame = Dialogs.AskValue(settings::tsNumImg, ValueContext(), settings::slLongueurN);
  if (frame.Accepted) GoToShown(frame.Integer());
}

void TMainController::EditAngleClicked() {
  if (Video.Mode() != vmRepereFixe || !Data.AxesPlaced()) return;
  const settings::TValueResult angle = Dialogs.AskValue(settings::tsAngle, ValueContext(), settings::slLongueurN);
  if (!angle.Accepted) return;
  Data.SetTypedXAxisAngle(angle.Real());
  Video.Invalidate();
}

// ---------------------------------------------------------------------------------------------
// Keyboard and commands
// ---------------------------------------------------------------------------------------------

bool TMainController::KeyDown(int key, Qt::KeyboardModifiers modifiers) {
  if (!VideoOpen()) return false;
  // Ctrl+Shift+Z and Ctrl+Y redo: the Edit menu's keys, when its item did not take them.
  const bool control = modifiers.testFlag(Qt::ControlModifier);
  if (control && (key == Qt::Key_Y || (key == Qt::Key_Z && modifiers.testFlag(Qt::ShiftModifier)))) {
    if (!Data.IsMeasuring()) return false;
    Redo();
    return true;
  }
  if (key == Qt::Key_Z && control) {
    if (!Data.IsMeasuring()) return false;
    Undo();
    return true;
  }
  // The view first (its tools), then the document; the first that uses the key keeps it.
  bool used = Video.KeyDown(key, modifiers);
  if (!used) used = Data.KeyDown(key, modifiers);
  if (!used && TrackingPart) used = TrackingPart->KeyDown(key, modifiers);
  if (used) {
    Video.UpdateCursor();
    Video.Invalidate();
  }
  return used;
}

void TMainController::Undo() {
  if (!Data.IsMeasuring()) return;
  Data.Undo();
  AfterUndo();
}

void TMainController::UndoLast() {
  if (!Data.IsMeasuring()) return;
  Data.UndoLast();
  AfterUndo();
}

void TMainController::Redo() {
  if (!Data.IsMeasuring()) return;
  Data.Redo();
  AfterUndo();
}

void TMainController::AfterUndo() {
  RefreshBoxes();
  Video.UpdateCursor();
  Video.Invalidate();
  Refresh(rfBoxes);
}

void TMainController::AskFrameInterval() {
  if (!VideoOpen() || !Data.IsMeasuring()) return;
  measurement::TTimeBaseChoice choice;
  choice.DefaultDuration = Video.FrameInterval();
  choice.FrameInterval = Data.FrameInterval();
  choice.HasStamps = Data.HasVideoTimes();
  choice.UseStamps = Data.UsesVideoTimes();
  choice.CaptureRate = Video.CaptureRate();
  if (!Dialogs.AskFrameInterval(choice)) return;
  Data.SetFrameInterval(choice.FrameInterval);
  Data.SetUseVideoTimes(choice.UseStamps);
}

void TMainController::SetLoupeVisible(bool visible) {
  Video.SetLoupeVisible(visible && VideoOpen() && Video.IsMarkingMode());
}

}  // namespace kolibra::mainwindow
