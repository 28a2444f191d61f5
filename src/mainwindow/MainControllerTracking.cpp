#include "mainwindow/MainControllerTracking.h"

#include "kit/Texts.h"
#include "mainwindow/MainController.h"
#include "measurement/Data.h"
#include "tracking/Tracking.h"
#include "videoview/VideoModel.h"

namespace kolibra::mainwindow {

using namespace videoview;
using tracking::TTracking;

TMainTracking::TMainTracking(TMainController &controller, TTracking &tracker) : Main(controller), Tracking(tracker) {
  Tracking.OnToolChange = [this](TTracking *) { ToolChanged(); };
  Tracking.OnTrackStart = [this](TTracking *) { TrackStarted(); };
  Tracking.OnTrackEnd = [this](TTracking *) { TrackEnded(); };
}

TMainTracking::~TMainTracking() {
  Tracking.OnToolChange = Tracking.OnTrackStart = Tracking.OnTrackEnd = nullptr;
}

settings::TValueContext TMainTracking::Context() const {
  settings::TValueContext context = Main.ValueContext();
  context.TrackerRadius = Tracking.Radius();
  context.TrackerFirstFrame = Tracking.Current().StartFrame;
  context.TrackerLastFrame = Tracking.SequenceEnd();
  context.TrackerObject = Tracking.CurrentObject();
  return context;
}

// ---------------------------------------------------------------------------------------------
// Buttons
// ---------------------------------------------------------------------------------------------

bool TMainTracking::ToolClicked(TControl control) {
  switch (control) {
    case ButtonTrackContour:
      Tracking.SetTool(tracking::ttOutline);
      return true;
    case ButtonTrackBanZone:
      Tracking.SetTool(tracking::ttZone);
      return true;
    case ButtonTrackEffacerContour:
      Tracking.EraseOutline();
      break;
    case ButtonTrackEffacerBanZone:
      Tracking.EraseLastZone();
      break;
    case ButtonTrackEffacerTrack:
      Tracking.EraseTrack();
      break;
    case ButtonTrackNumMarque: {
      const settings::TValueResult object = Main.Dialogs.AskValue(settings::tsNumOrdre, Context(), settings::slLongueurN);
      if (object.Accepted) Tracking.SetObject(object.Integer());
      break;
    }
    case ButtonTrackSequence: {
      if (Tracking.Tracking() || !Tracking.CheckSequence()) break;
      const settings::TValueResult last = Main.Dialogs.AskValue(settings::tsLastImg, Context(), settings::slLongueurN);
      if (!last.Accepted) break;
      Tracking.SetSequenceEnd(last.Integer());
      if (Tracking.CheckStart()) Tracking.Run();
      break;
    }
    case ButtonTrackSuivi:
      if (Tracking.Tracking() || Tracking.CheckStart()) Tracking.Run();
      break;
    default:
      return false;
  }
  Main.Video.Invalidate();
  AfterPaint();
  return true;
}

bool TMainTracking::NavigationClicked(TControl control) {
  if (Main.Video.Mode() != vmTracking) return false;
  if (control == ButtonVideoPause) {
    if (!Tracking.Tracking()) return false;
    Tracking.StopSequence();
    return true;
  }
  if (control != ButtonVideoLecture) return false;
  // With one object the play button starts and stops the run, to the last frame; with
  // several, the tracker's own buttons do, and play plays.
  if (Tracking.Tracking()) {
    Tracking.Run();
    return true;
  }
  if (Main.Data.ObjectsCount() > 1) return false;
  Tracking.SetSequenceEnd(Main.Video.FrameCount() - 1);
  if (Tracking.CheckStart()) Tracking.Run();
  return true;
}

// ---------------------------------------------------------------------------------------------
// Reactions
// ---------------------------------------------------------------------------------------------

void TMainTracking::ModeChanged() {
  if (Main.Video.Mode() != vmTracking || !Main.VideoOpen()) return;
  Tracking.ObjectsChanged();
  // Nothing works in tracking mode before an outline: its tool is ready at once.
  Tracking.SetTool(tracking::ttOutline);
}

bool TMainTracking::ApplyEraseStates() {
  if (Main.Video.Mode() != vmTracking) return false;
  const bool idle = Main.VideoOpen() && !Tracking.Tracking();
  const std::pair<TControl, bool> states[] = {
      {ButtonTrackEffacerContour, idle && Tracking.OutlineCount() > 0},
      {ButtonTrackEffacerBanZone, idle && (Tracking.ZoneCount() > 0 || Tracking.DrawState() == tracking::dsZone)},
      {ButtonTrackEffacerTrack, idle && Tracking.ResultCount() > 0},
  };
  bool changed = false;
  for (const auto &[control, enabled] : states) {
    TControlState &state = Main.States[size_t(control)];
    changed = changed || state.Enabled != enabled;
    state.Enabled = enabled;
  }
  return changed;
}

void TMainTracking::AfterPaint() {
  if (ApplyEraseStates()) Main.Refresh(rfControls);
}

void TMainTracking::SystemsChanged() {
  if (Main.Video.Mode() == vmTracking) Tracking.ObjectsChanged();
}

void TMainTracking::OptionsChanged() { Tracking.ApplyOptions(); }

bool TMainTracking::KeyDown(int key, Qt::KeyboardModifiers modifiers) {
  return Main.Video.Mode() == vmTracking && Tracking.KeyDown(key, modifiers);
}

void TMainTracking::AdjustEnabled() {
  ApplyEraseStates();
  if (!Tracking.Tracking()) return;
  // While a sequence runs only start/stop, play and pause act; the mode buttons stay, since
  // leaving the mode stops the run first.
  for (int i = ButtonOutilZoom; i < ControlCount; ++i) {
    const TControl c = TControl(i);
    const TControlGroup group = ControlGroup(c);
    if (group == cgResult) continue;
    if (c == ButtonTrackSuivi || c == ButtonVideoLecture || c == ButtonVideoPause) continue;
    if (group == cgBox && c != EditImage) continue;
    Main.States[size_t(i)].Enabled = false;
  }
}

void TMainTracking::CommitBeforeLeaving() {
  if (Main.Video.Mode() != vmTracking) return;
  Tracking.StopSequence();
  Tracking.Commit();
}

void TMainTracking::Stop() { Tracking.StopSequence(); }

void TMainTracking::ToolChanged() {
  Main.Video.SetTool(vtNone);
  Main.SetToolDown(Tracking.Tool() == tracking::ttZone ? ButtonTrackBanZone : ButtonTrackContour);
  Main.ViewHintText = ToolHint();
  Main.Video.UpdateCursor();
  Main.Refresh(rfControls | rfViewHint);
}

void TMainTracking::TrackStarted() {
  Main.BusyState.Begin(MainFormText::tr("Automatic tracking"), [this] { Tracking.StopSequence(); });
  Main.ApplyEnabled();
  Main.Video.UpdateCursor();
  Main.Refresh(rfControls);
}

void TMainTracking::TrackEnded() {
  // The positions become marks only when kept: say that the run ended, what it found, and
  // how to keep it.
  const TTracking::TRunSummary summary = Tracking.Summary();
  Main.ViewHintText =
      QLatin1Char('|') + MainFormText::tr(
                             "Tracking ended: %1 frames found, %2 uncertain, %3 lost. Leave the "
                             "tracking mode to keep the positions as marks.")
                             .arg(summary.Found)
                             .arg(summary.Uncertain)
                             .arg(summary.Lost);
  Main.Refresh(rfViewHint);
  Main.ApplyEnabled();
  AfterPaint();
  Main.Video.UpdateCursor();
  Main.Refresh(rfControls);
  // Last: what waited for the run (a mode change, closing) may act now.
  Main.BusyState.End();
}

// ---------------------------------------------------------------------------------------------
// Menus
// ---------------------------------------------------------------------------------------------

QString TMainTracking::ToolHint() const {
  if (Tracking.Tool() == tracking::ttZone)
    return MainFormText::tr(
        "|Left-click = add a vertex to the polygon; double left-click = end; right-click = erase");
  if (Tracking.Tool() != tracking::ttOutline) return QString();
  switch (Tracking.Shape()) {
    case tracking::osFree:
      return MainFormText::tr(
          "|1st left-click = begin the course; 2nd left-click = end; right-click = erase");
    case tracking::osPolygon:
      return MainFormText::tr(
          "|Left-click = add a vertex to the polygon; double left-click = end; right-click = "
          "erase");
    default:
      return MainFormText::tr(
          "|1st left-click = center of the circle; 2nd left-click = end; right-click = erase");
  }
}

void TMainTracking::SetShape(int shape) {
  Tracking.SetShape(shape);
  if (Tracking.Tool() == tracking::ttOutline) Main.ViewHintText = ToolHint();
  Main.Refresh(rfControls | rfViewHint);
}

void TMainTracking::SetRadius(int radius) {
  if (radius <= 0) {
    const settings::TValueResult asked = Main.Dialogs.AskValue(settings::tsDMax, Context(), settings::slLongueurN);
    if (!asked.Accepted) return;
    radius = asked.Integer();
  }
  Tracking.SetRadius(radius);
}

void TMainTracking::ToggleSearchZone() { Tracking.SetShowSearchZone(!Tracking.ShowSearchZone()); }

}  // namespace kolibra::mainwindow
