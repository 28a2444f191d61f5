// Modes and tools: the mode buttons, the tool buttons and their reactions, which buttons
// each mode shows, and the four boxes.

#include "kit/MathUtils.h"
#include "kit/MessageBox.h"
#include "kit/Texts.h"
#include "mainwindow/MainController.h"
#include "mainwindow/MainControllerCapture.h"
#include "mainwindow/MainControllerStudio.h"
#include "mainwindow/MainControllerTracking.h"
#include "measurement/Data.h"
#include "settings/Options.h"
#include "videoview/VideoModel.h"

#include <QCoreApplication>
#include <cmath>

namespace kolibra::mainwindow {

using namespace videoview;

// ---------------------------------------------------------------------------------------------
// Visibility by mode
// ---------------------------------------------------------------------------------------------

void TMainController::ApplyVisibility() {
  const int mode = Video.Mode();
  const bool marking = IsMarkingMode(mode);
  const bool separate = Options.CheckBox41HorizAndVertScale_Checked;
  const bool severalObjects = Data.ObjectsCount() > 1;
  const auto visible = [&](TControl c) -> bool {
    switch (c) {
      case ButtonModeRepereFixe:
      case ButtonModeTransparent:
        return true;
      case ButtonModeCapture:
        return Options.CheckBox49AllowCapture_Checked;
      case ButtonModeMontage:
        return Options.CheckBox48AllowMontage_Checked;
      case ButtonModeStudio:
        return Options.CheckBox58AllowStudio_Checked;
      case ButtonModeTracking:
        return Options.CheckBox47AllowTracking_Checked;
      case ButtonOutilZoom:
      case ButtonOutilPan:
        return mode != vmCapture;
      case ButtonOutilMarque:
      case ButtonOutilOrigine:
        return mode == vmRepereFixe;
      case ButtonOutilPlan:
      case ButtonOutilLentille:
        return marking;
      case ButtonOutilTsp:
        return mode == vmTransparent;
      case ButtonOutilDeplacer:
      case ButtonOutilEffacer:
        return marking;
      case ButtonOutilNom:
        return marking && static_cast<bool>(ShowObjectNames);
      case ButtonOutilEchelle:
        return marking && !separate;
      case ButtonOutilEchelleHoriz:
      case ButtonOutilEchelleVert:
        return marking && separate;
      case ButtonMenuTableau:
        return marking && Options.CheckBox37GridShowItem_Checked;
      case ButtonMenuTemps:
        return marking && Options.CheckBox15TimeShowItem_Checked;
      case ButtonMenuReferentiel:
        return marking && Options.CheckBox18TrajectoryShowItem_Checked;
      case ButtonMenuVecteur:
        return marking && Options.CheckBox22VectorShowItem_Checked;
      case ButtonMenuFormule:
        return marking && Options.CheckBox28FormulaShowItem_Checked;
      default:
        break;
    }
    if (c >= ButtonStudioContour && c <= ButtonStudioP2v) return mode == vmStudio;
    if (c >= ButtonMontageBasculer && c <= ButtonMontageEnregistrer) return mode == vmMontage;
    if (c >= ButtonCapDevice && c <= ButtonCapEnregistrer) return mode == vmCapture;
    if (c >= ButtonTrackContour && c <= ButtonTrackEffacerTrack) return mode == vmTracking;
    if (c >= ButtonTrackNumMarque && c <= ButtonTrackSuivi) return mode == vmTracking && severalObjects;
    // The panel.
    return mode != vmCapture;
  };
  for (int i = 0; i < ControlCount; ++i) States[size_t(i)].Visible = visible(TControl(i));
}

void TMainController::SetModeDownStates() {
  for (int i = ButtonModeRepereFixe; i <= ButtonModeCapture; ++i)
    States[size_t(i)].Down = ControlMode(TControl(i)) == Video.Mode();
}

void TMainController::SetToolDown(TControl control) {
  DownTool = control;
  for (int i = ButtonOutilZoom; i <= ButtonTrackSuivi; ++i) States[size_t(i)].Down = i == control;
}

// ---------------------------------------------------------------------------------------------
// Reactions of the view
// ---------------------------------------------------------------------------------------------

void TMainController::ModeChanged() {
  ApplyVisibility();
  ApplyEnabled();
  SetModeDownStates();
  if (!IsMarkingMode(Video.Mode())) SetToolDown(ControlCount);
  if (TrackingPart) TrackingPart->ModeChanged();
  RefreshMontageButtons();
  RefreshBoxes();
  Video.UpdateCursor();
  Video.Invalidate();
  Refresh(rfAll);
}

void TMainController::ModeRefused() {
  SetModeDownStates();
  Refresh(rfControls);
}

void TMainController::ViewToolChanged() {
  Data.EndDrags();
  if (StudioPart) StudioPart->ViewToolChanged();
  switch (Video.Tool()) {
    case vtZoom:
      SetToolDown(ButtonOutilZoom);
      ViewHintText = MainFormText::tr(
          "|Left-click = make bigger; right-click = make smaller; press CTRL simultaneously to "
          "slow down");
      break;
    case vtPan:
      SetToolDown(ButtonOutilPan);
      ViewHintText = MainFormText::tr("|Pan frame");
      break;
    default:
      DocumentToolChanged();
      return;
  }
  Video.UpdateCursor();
  Refresh(rfControls | rfViewHint);
}

// ---------------------------------------------------------------------------------------------
// Reactions of the document
// ---------------------------------------------------------------------------------------------

TControl TMainController::DocumentToolButton() const {
  switch (Data.ActiveTool()) {
    case measurement::dtScale:
      return Data.ScaleKind() == measurement::skHorizontal ? ButtonOutilEchelleHoriz
             : Data.ScaleKind() == measurement::skVertical ? ButtonOutilEchelleVert
                                                           : ButtonOutilEchelle;
    case measurement::dtPlane:
      return ButtonOutilPlan;
    case measurement::dtLens:
      return ButtonOutilLentille;
    case measurement::dtPointing:
      return ButtonOutilMarque;
    case measurement::dtMove:
      return ButtonOutilDeplacer;
    case measurement::dtAxes:
      return ButtonOutilOrigine;
    case measurement::dtErase:
      return ButtonOutilEffacer;
    case measurement::dtLayer:
      return ButtonOutilTsp;
    default:
      return ControlCount;
  }
}

QString TMainController::DocumentToolHint() const {
  switch (Data.ActiveTool()) {
    case measurement::dtScale:
      return MainFormText::tr(
          "|Left-click (or Enter) = define one end; right-click (or Esc) = cancel; Ctrl + arrow "
          "key = move the mouse pointer");
    case measurement::dtPlane:
      return MainFormText::tr(
          "|Left-click = the next corner of the rectangle, in the order (0, 0), (W, 0), (W, H), "
          "(0, H); drag a corner to adjust; right-click (or Esc) = cancel");
    case measurement::dtLens:
      return MainFormText::tr(
          "|Left-click = a point of a line straight in reality; right-click (or Enter) = end the "
          "line; Esc = cancel");
    case measurement::dtPointing:
      return MainFormText::tr(
          "|Left-click (or Enter) = put a mark; right-click (or Esc) = cancel; Ctrl + arrow key = "
          "move the mouse pointer");
    case measurement::dtMove:
      return MainFormText::tr("|Left-click = drag and drop");
    case measurement::dtAxes:
      return MainFormText::tr(
          "|Left-click (or Enter) = set the origine; right-click (or Esc) = cancel; Ctrl + arrow "
          "key = move the mouse pointer");
    case measurement::dtErase:
      return MainFormText::tr(
          "|Left-click = remove the mark under the mouse pointer; right-click = remove the marks "
          "of the current image");
    case measurement::dtLayer:
      return MainFormText::tr(
          "|Left-click = drag and drop; right-click or ESC = cancel; + or - = layer size");
    default:
      return QString();
  }
}

void TMainController::DocumentToolChanged() {
  Video.SetTool(vtNone);
  SetToolDown(DocumentToolButton());
  ViewHintText = DocumentToolHint();
  RefreshMarksBox();
  RefreshAngleBox();
  Video.UpdateCursor();
  Video.Invalidate();
  Refresh(rfControls | rfBoxes | rfViewHint);
}

void TMainController::ScaleChanged() {
  const measurement::TEchelle &scale = Data.Scale();
  const int kind = Data.ScaleKind();
  const int points = kind == measurement::skHorizontal ? scale.ScaleHorizPointsNumber
                     : kind == measurement::skVertical ? scale.ScaleVertPointsNumber
                                                       : scale.ScalePointsNumber;
  const bool scaleTool = Data.ActiveTool() == measurement::dtScale;
  // Half a segment placed: moving to another frame now would leave it on the wrong one.
  NavigationAllowed = !(scaleTool && points == 1);
  ApplyEnabled();
  Refresh(rfControls);
  if (!scaleTool || points != 2) return;
  AskScaleLength(kind);
}

void TMainController::OptionsChanged() {
  Data.ApplyOptions();
  if (TrackingPart) TrackingPart->OptionsChanged();
  if (StudioPart) StudioPart->OptionsChanged();
  RecentFiles.SetMaxEntries(std::min(Options.EditMRU_Value, 255));
  ApplyVisibility();
  ApplyEnabled();
  if (Video.Tool() == vtNone && VideoOpen()) SetToolDown(DocumentToolButton());
  RefreshBoxes();
  Video.Invalidate();
  Refresh(rfAll);
}

void TMainController::ScaleKindChanged() {
  if (Data.ActiveTool() != measurement::dtScale) return;
  SetToolDown(DocumentToolButton());
  Refresh(rfControls);
}

// ---------------------------------------------------------------------------------------------
// Boxes
// ---------------------------------------------------------------------------------------------

void TMainController::RefreshBoxes() {
  RefreshNavigationBoxes();
  RefreshMarksBox();
  RefreshAngleBox();
}

void TMainController::RefreshNavigationBoxes() {
  if (!VideoOpen()) {
    Boxes[EditImage - EditImage].clear();
    Boxes[EditZoom - EditImage].clear();
    return;
  }
  const int count = Video.ShownFrameCount();
  Boxes[EditImage - EditImage] = QStringLiteral(" %1/%2").arg(Video.ShownFrame() + 1).arg(count);
  // The true size on the screen: the fitted view already enlarges or shrinks the frame.
  Boxes[EditZoom - EditImage] = QStringLiteral(" %1 %").arg(Video.Geometry().ScreenPercent());
  TrackPosition = Video.ShownFrame();
  TrackMaximum = std::max(0, count - 1);
}

void TMainController::RefreshMarksBox() {
  QString &box = Boxes[EditMarque - EditImage];
  if (!VideoOpen())
    box.clear();
  else if (Data.ActiveTool() == measurement::dtScale)
    box = QStringLiteral(" ");
  else
    box = QStringLiteral(" %1").arg(Data.MarksCount());
}

void TMainController::RefreshAngleBox() {
  QString &box = Boxes[EditAngle - EditImage];
  box.clear();
  if (!VideoOpen() || Data.ActiveTool() == measurement::dtLayer || !Data.AxesPlaced()) return;
  box = QLatin1Char(' ') + FormatReal(0, Data.XAxisAngle() * 180.0 / M_PI) + QChar(0x00B0);
}

// ---------------------------------------------------------------------------------------------
// Clicks on mode and tool buttons
// ---------------------------------------------------------------------------------------------

void TMainController::ModeButtonClicked(TControl control) {
  if (BusyState.IsBusy()) {
    // Stops the long loop first (the click then acts), or refuses.
    BusyState.Request([this, control] { ModeButtonClicked(control); });
    SetModeDownStates();
    Refresh(rfControls | rfViewHint);
    return;
  }
  const int mode = Video.Mode();
  const int target = ControlMode(control);
  switch (control) {
    case ButtonModeCapture:
    case ButtonModeStudio:
      if (mode == target && VideoOpen()) break;
      if (mode == target) {
        Video.SetMode(vmRepereFixe);
      } else if (Video.SetMode(target) && control == ButtonModeStudio) {
        ViewHintText.clear();
      }
      break;
    default:
      if (mode != target) Video.SetMode(target);
      break;
  }
  // The button the user pressed went down by itself; the mode says which one stays down.
  SetModeDownStates();
  Refresh(rfControls | rfViewHint);
}

void TMainController::ToolButtonClicked(TControl control) {
  const bool standalone = WorksWithoutVideo(control) || (control >= ButtonStudioContour && control <= ButtonStudioP2v) ||
                          (control >= ButtonCapDevice && control <= ButtonCapEnregistrer);
  if (!standalone && !VideoOpen()) {
    SetToolDown(DownTool);
    Refresh(rfControls);
    return;
  }
  switch (control) {
    case ButtonOutilZoom:
      Video.SetTool(vtZoom);
      break;
    case ButtonOutilPan:
      if (Video.Zoom().Factor == 100) {
        TMessageBox(icInformation)
            .AddLine(MainFormText::tr("Zoom factor must be greater than 100%."))
            .AddButton(MainFormText::tr("Ok"))
            .Execute();
      }
      Video.SetTool(vtPan);
      break;
    case ButtonOutilEchelle:
      Data.SetScaleKind(measurement::skGeneral);
      Data.SetActiveTool(measurement::dtScale);
      break;
    case ButtonOutilEchelleHoriz:
    case ButtonOutilEchelleVert:
      Data.SetScaleKind(control == ButtonOutilEchelleHoriz ? measurement::skHorizontal : measurement::skVertical);
      Data.SetActiveTool(measurement::dtScale);
      Video.Invalidate();
      break;
    case ButtonOutilPlan:
      Data.SetActiveTool(measurement::dtPlane);
      break;
    case ButtonOutilLentille:
      Data.SetActiveTool(measurement::dtLens);
      break;
    case ButtonOutilMarque:
      Data.SetActiveTool(measurement::dtPointing);
      break;
    case ButtonOutilDeplacer:
      Data.SetActiveTool(measurement::dtMove);
      break;
    case ButtonOutilOrigine:
      Data.SetActiveTool(measurement::dtAxes);
      break;
    case ButtonOutilEffacer:
      Data.SetActiveTool(measurement::dtErase);
      break;
    case ButtonOutilTsp:
      Data.SetActiveTool(measurement::dtLayer);
      break;
    case ButtonOutilNom:
      if (ShowObjectNames) ShowObjectNames();
      Video.Invalidate();
      break;
    case ButtonMontageBasculer:
    case ButtonMontageBasculerMult:
    case ButtonMontageInstant:
      MontageToolClicked(control);
      break;
    case ButtonMontageEnregistrer:
    case ButtonStudioV2p:
    case ButtonStudioP2v:
      if (OnWritingCommand) OnWritingCommand(control);
      break;
    default:
      // The tracker's, the studio's and the capture's tools go to their parts.
      if (TrackingPart) TrackingPart->ToolClicked(control);
      if (StudioPart) StudioPart->ToolClicked(control);
      if (CapturePart) CapturePart->ToolClicked(control);
      break;
  }
  SetToolDown(DownTool);
  Refresh(rfControls);
}

}  // namespace kolibra::mainwindow
