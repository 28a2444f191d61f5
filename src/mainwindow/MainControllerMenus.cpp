// The main menu's and the pop-up menu's rules: which items show, which are enabled or
// checked in each mode and with each tool, and the commands that need no window. A command
// runs only when its item is shown and enabled now, so a menu left open across a change of
// mode (or a caller that does not look) cannot act where the item would not be offered.
//
// Shared items follow the mode: the outline shape and "object outline" act on the studio in
// studio mode and on the tracker in tracking mode; "all" clears the document, the studio's
// outlines or the tracker's data as the mode has them.

#include "kit/MathUtils.h"
#include "kit/MessageBox.h"
#include "kit/Texts.h"
#include "mainwindow/MainController.h"
#include "mainwindow/MainControllerStudio.h"
#include "mainwindow/MainControllerTracking.h"
#include "measurement/Data.h"
#include "measurement/MeasurementHost.h"
#include "settings/Options.h"
#include "studio/Studio.h"
#include "tracking/Tracking.h"
#include "videoview/VideoModel.h"
#include "work/LensFromVideo.h"

namespace kolibra::mainwindow {

using namespace videoview;

TMenuStates TMainController::MenuStates() {
  TMenuStates s;
  const int mode = Video.Mode();
  const bool open = VideoOpen();
  const bool fixed = mode == vmRepereFixe;
  const bool layer = mode == vmTransparent;
  const bool marking = fixed || layer;
  const bool studio = mode == vmStudio && StudioPart != nullptr;
  const bool tracking = mode == vmTracking && TrackingPart != nullptr;
  const bool running = TrackingPart != nullptr && TrackingPart->Tracker().Tracking();
  const bool idle = open && !running;
  const bool scaleTool = Data.ActiveTool() == measurement::dtScale;
  const bool separate = Data.SeparateScales();
  const measurement::TEchelle &scale = Data.Scale();
  const auto show = [&s](TMenuItem item, bool visible, bool enabled = true, bool checked = false) {
    s[item] = {visible, enabled, checked};
  };
  const auto radio = [&s](std::initializer_list<TMenuItem> items, size_t checked) {
    size_t i = 0;
    for (TMenuItem item : items) s[item].Checked = i++ == checked;
  };

  // The menu rule of the modes: no Display or Measurements while capturing, even for the
  // items that are otherwise always there (Options, Calculator).
  show(MenuAffichage, true, MeasurementMenusEnabled());
  show(MenuMesures, true, MeasurementMenusEnabled());
  show(MenuEdition, true, MeasurementMenusEnabled());

  // File.
  show(MenuFichierRecents, true, !RecentFiles.Files().isEmpty());
  show(MenuFichierEnregistrer, mode != vmCapture && mode != vmStudio, open);
  show(MenuFichierProprietes, mode != vmCapture, open);

  // Edit: whatever the tool, the latest action of the mode's histories.
  const bool canUndo = marking && open && Data.CanUndoLast();
  const bool canRedo = marking && open && Data.CanRedo();
  const QString undoSubject = canUndo ? Data.UndoLastSubject() : QString();
  const QString redoSubject = canRedo ? Data.RedoSubject() : QString();
  s.EditUndoCaption = undoSubject.isEmpty() ? MainFormText::tr("Undo")
                                            : MainFormText::tr("Undo %1").arg(undoSubject);
  s.EditRedoCaption = redoSubject.isEmpty() ? MainFormText::tr("Redo")
                                            : MainFormText::tr("Redo %1").arg(redoSubject);
  show(MenuEditionAnnuler, true, canUndo);
  show(MenuEditionRetablir, true, canRedo);

  // Display.
  const QString undo = marking ? Data.UndoCaption() : QString();
  s.UndoCaption = (undo.isEmpty() ? MainFormText::tr("Cancel", "undo") : undo) +
                  QStringLiteral("  ") + MainFormText::tr("(Ctrl Z)");
  show(MenuAffichageAnnuler, marking, open && !undo.isEmpty());
  show(MenuAffichageLoupe, marking, open, Video.Loupe().Visible);
  show(MenuAffichageCacherImage, marking || mode == vmTracking, idle, Video.HideImage());
  show(MenuAffichageAller, mode != vmCapture, open);
  show(MenuAffichageAllerDerniere, marking, open && !scaleTool && Data.MarksCount() > 0);
  show(MenuAffichageAllerNumero, true, open && NavigationAllowed && !running);
  show(MenuAffichageCouleur, (marking || mode == vmTracking) && static_cast<bool>(ShowObjectNames), idle);
  show(MenuAffichageTaille, marking, open);
  radio({MenuAffichageTaillePetite, MenuAffichageTailleMoyenne, MenuAffichageTailleGrande},
        size_t(Data.ElementSize()));
  show(MenuAffichageNumeroter, marking, open && !scaleTool);
  radio({MenuAffichageNumeroterDessous, MenuAffichageNumeroterDroite, MenuAffichageNumeroterAucun},
        size_t(Data.MarksNumberPosition()));
  show(MenuAffichageDessiner, marking, open && !scaleTool);
  radio({MenuAffichageDessinerDerniere, MenuAffichageDessinerToutes, MenuAffichageDessinerAutres},
        Data.MarksIsAllDrawn() ? 1 : Data.MarksNumberToDraw() == 1 ? 0 : 2);
  show(MenuAffichageDessinerObjets, fixed && static_cast<bool>(ShowObjectNames));

  show(MenuAffichageEffacer, marking || studio || tracking, idle);
  const bool outline = tracking   ? TrackingPart->Tracker().OutlineCount() > 0
                       : studio ? StudioPart->Studio().CurrentClosed()
                                : false;
  show(MenuAffichageEffacerContour, studio || tracking, outline);
  show(MenuAffichageEffacerMarques, fixed || tracking);
  show(MenuAffichageEffacerZones, tracking);
  show(MenuAffichageEffacerCalque, layer);
  show(MenuAffichageEffacerGrille, fixed);
  show(MenuAffichageEffacerEchelle, marking);
  show(MenuAffichageEffacerPlan, marking, Data.Plane().HasPlane() || Data.Plane().HasLens());
  show(MenuAffichageEffacerTout, marking || studio || tracking);

  // Measurements.
  show(MenuMesuresForme, studio || tracking, idle);
  const int shape = tracking ? TrackingPart->Tracker().Shape() : studio ? StudioPart->Studio().Shape() : 0;
  radio({MenuMesuresFormeLibre, MenuMesuresFormePolygone, MenuMesuresFormeCercle}, size_t(shape));
  show(MenuMesuresEspace, tracking, idle);
  const int radius = TrackingPart ? TrackingPart->Tracker().Radius() : 0;
  radio({MenuMesuresEspace20, MenuMesuresEspace40, MenuMesuresEspace60, MenuMesuresEspaceAutres},
        radius == 20 ? 0 : radius == 40 ? 1 : radius == 60 ? 2 : 3);
  show(MenuMesuresZone, tracking, true, TrackingPart && TrackingPart->Tracker().ShowSearchZone());
  show(MenuMesuresTemps, marking, open);
  show(MenuMesuresNbMarqueParImage, marking || mode == vmTracking, idle);
  const int objects = Data.ObjectsCount();
  radio({MenuMesuresNbMarqueUne, MenuMesuresNbMarqueDeux, MenuMesuresNbMarqueTrois, MenuMesuresNbMarqueAutres},
        objects >= 1 && objects <= 3 ? size_t(objects - 1) : 3);
  show(MenuMesuresNbImagesEntreMarques, mode >= vmRepereFixe && mode <= vmTransparent, idle);
  radio({MenuMesuresNbImagesUne, MenuMesuresNbImagesAutres}, Data.FramesNumberBetweenTwoMarks() == 1 ? 0 : 1);
  show(MenuMesuresValeurEchelle, marking && !separate, open && scale.ScalePointsNumber == 2);
  show(MenuMesuresValeurEchelleHoriz, marking && separate, open && scale.ScaleHorizPointsNumber == 2);
  show(MenuMesuresValeurEchelleVert, marking && separate, open && scale.ScaleVertPointsNumber == 2);
  show(MenuMesuresDimensionsPlan, marking, open && Data.Plane().HasPlane());
  show(MenuMesuresLentilleDamier, marking, idle);
  show(MenuMesuresAngleRotation, fixed, open && Data.AxesPlaced());
  show(MenuMesuresInverserAxeX, marking, open && Data.AxesPlaced(), !Data.DirectXAxisDirection());
  show(MenuMesuresInverserAxeY, marking, open && Data.AxesPlaced(), !Data.DirectYAxisDirection());
  show(MenuStudioMarques, studio, open);

  // What is not wired yet stays out of sight.
  for (int i = 0; i < MenuItemCount; ++i) {
    const TMenuItem item = TMenuItem(i);
    if (MenuHookItem(item)) show(item, MenuHooks.count(item) > 0 && MenuHooks.at(item) != nullptr, open);
  }
  return s;
}

// ---------------------------------------------------------------------------------------------
// Commands
// ---------------------------------------------------------------------------------------------

bool TMainController::MenuAvailable(TMenuItem item) {
  const TMenuStates states = MenuStates();
  const TMenuItem parent = MenuInfo(item).Parent;
  const TMenuItem top = MenuInfo(parent).Parent;
  return states[item].Visible && states[item].Enabled && states[parent].Visible && states[parent].Enabled &&
         states[top].Enabled;
}

void TMainController::MenuCommand(TMenuItem item) {
  if (!MenuAvailable(item)) return;
  const TMenuItem parent = MenuInfo(item).Parent;
  if (MenuHookItem(item)) {
    MenuHooks.at(item)();
    return;
  }
  const int mode = Video.Mode();
  const auto ask = [this](settings::TTypeSaisie kind) {
    return Dialogs.AskValue(kind, ValueContext(), settings::slLongueurN);
  };
  switch (item) {
    case MenuFichierEnregistrer:
      if (SaveWork) SaveWork();
      return;
    case MenuAffichageAnnuler:
      Undo();
      return;
    case MenuEditionAnnuler:
      UndoLast();
      return;
    case MenuEditionRetablir:
      Redo();
      return;
    case MenuAffichageLoupe:
      SetLoupeVisible(!Video.Loupe().Visible);
      return;
    case MenuAffichageCacherImage:
      Video.SetHideImage(!Video.HideImage());
      Video.Invalidate();
      return;
    case MenuAffichageAllerDerniere:
      Video.GoToLastMarkedFrame();
      Video.Invalidate();
      return;
    case MenuAffichageAllerNumero:
      EditImageClicked();
      return;
    case MenuAffichageCouleur:
    case MenuAffichageDessinerObjets:
      ShowObjectNames();
      return;
    case MenuAffichageTaillePetite:
    case MenuAffichageTailleMoyenne:
    case MenuAffichageTailleGrande:
      Data.SetElementSize(item - MenuAffichageTaillePetite);
      Video.Invalidate();
      return;
    case MenuAffichageNumeroterDessous:
    case MenuAffichageNumeroterDroite:
    case MenuAffichageNumeroterAucun:
      Data.SetMarksNumberPosition(item - MenuAffichageNumeroterDessous);
      Video.Invalidate();
      return;
    case MenuAffichageDessinerDerniere:
    case MenuAffichageDessinerToutes:
    case MenuAffichageDessinerAutres: {
      int count = 1;
      if (item == MenuAffichageDessinerAutres) {
        const settings::TValueResult asked = ask(settings::tsNbMqDrawn);
        if (!asked.Accepted) return;
        count = asked.Integer();
      }
      if (item != MenuAffichageDessinerToutes) Data.SetMarksNumberToDraw(count);
      Data.SetMarksIsAllDrawn(item == MenuAffichageDessinerToutes);
      Video.Invalidate();
      return;
    }
    case MenuMesuresFormeLibre:
    case MenuMesuresFormePolygone:
    case MenuMesuresFormeCercle:
      if (mode == vmStudio) StudioPart->SetShape(item - MenuMesuresFormeLibre);
      if (mode == vmTracking) TrackingPart->SetShape(item - MenuMesuresFormeLibre);
      return;
    case MenuMesuresEspace20:
    case MenuMesuresEspace40:
    case MenuMesuresEspace60:
    case MenuMesuresEspaceAutres:
      TrackingPart->SetRadius(item == MenuMesuresEspaceAutres ? 0 : 20 * (item - MenuMesuresEspace20 + 1));
      return;
    case MenuMesuresZone:
      TrackingPart->ToggleSearchZone();
      return;
    case MenuMesuresTemps:
      AskFrameInterval();
      return;
    case MenuMesuresNbMarqueUne:
    case MenuMesuresNbMarqueDeux:
    case MenuMesuresNbMarqueTrois:
    case MenuMesuresNbMarqueAutres: {
      if (mode == vmTransparent && Data.ActiveTool() == measurement::dtLayer) {
        TMessageBox(icInformation)
            .AddLine(MainFormText::tr(
                "For clarity purposes, only one mark per image is allowed on a layer."))
            .AddButton(MainFormText::tr("Ok"))
            .Execute();
        return;
      }
      int count = item - MenuMesuresNbMarqueUne + 1;
      if (item == MenuMesuresNbMarqueAutres) {
        const settings::TValueResult asked = ask(settings::tsNbMqParImg);
        if (!asked.Accepted) return;
        count = asked.Integer();
      }
      Data.SetObjectsCount(count);
      return;
    }
    case MenuMesuresNbImagesUne:
    case MenuMesuresNbImagesAutres: {
      int frames = 1;
      if (item == MenuMesuresNbImagesAutres) {
        const settings::TValueResult asked = ask(settings::tsNbImgStep);
        if (!asked.Accepted) return;
        frames = std::max(1, asked.Integer());
      }
      Data.SetFramesNumberBetweenTwoMarks(frames);
      return;
    }
    case MenuMesuresValeurEchelle:
      AskScaleLength(measurement::skGeneral);
      return;
    case MenuMesuresValeurEchelleHoriz:
      AskScaleLength(measurement::skHorizontal);
      return;
    case MenuMesuresValeurEchelleVert:
      AskScaleLength(measurement::skVertical);
      return;
    case MenuMesuresDimensionsPlan:
      AskPlaneSize();
      return;
    case MenuMesuresLentilleDamier:
      LensFromCheckerboard();
      return;
    case MenuMesuresAngleRotation:
      EditAngleClicked();
      return;
    case MenuMesuresInverserAxeX:
      Data.SetDirectXAxisDirection(!Data.DirectXAxisDirection());
      Video.Invalidate();
      return;
    case MenuMesuresInverserAxeY:
      Data.SetDirectYAxisDirection(!Data.DirectYAxisDirection());
      Video.Invalidate();
      return;
    case MenuAideApropos:
      ShowAbout();
      return;
    default:
      break;
  }
  if (parent == MenuAffichageEffacer) DeleteItem(item);
}

void TMainController::DeleteItem(TMenuItem item) {
  const int mode = Video.Mode();
  tracking::TTracking *tracker = mode == vmTracking && TrackingPart ? &TrackingPart->Tracker() : nullptr;
  TMainStudio *studio = mode == vmStudio ? StudioPart.get() : nullptr;
  switch (item) {
    case MenuAffichageEffacerContour:
      if (tracker) tracker->EraseOutline();
      if (studio) studio->DeleteCurrent();
      break;
    case MenuAffichageEffacerZones:
      if (tracker) tracker->EraseZones();
      break;
    case MenuAffichageEffacerMarques:
    case MenuAffichageEffacerCalque:
      Data.DeleteAllMarks();
      if (tracker) tracker->EraseTrack();
      break;
    case MenuAffichageEffacerGrille:
      Data.EraseAxes();
      break;
    case MenuAffichageEffacerEchelle:
      Data.EraseScale();
      break;
    case MenuAffichageEffacerPlan:
      Data.ErasePlane();
      break;
    case MenuAffichageEffacerTout:
      if (tracker)
        tracker->EraseAll();
      else if (studio)
        studio->Clear();
      else
        Data.ClearAll();
      break;
    default:
      return;
  }
  RefreshBoxes();
  Video.Invalidate();
  if (TrackingPart) TrackingPart->AfterPaint();
  if (StudioPart) StudioPart->AfterPaint();
  Refresh(rfBoxes);
}

void TMainController::AskPlaneSize() {
  measurement::TPlaneTool &editor = Data.PlaneEditor();
  const TPointDDynArray &clicked = editor.PendingCorners();
  if (clicked.size() == 4) {
    // Corners that make no plane whatever the size are clicked again, without asking.
    const QString why = measurement::TPlaneCalibration::Refusal({clicked[0], clicked[1], clicked[2], clicked[3]}, 1.0, 1.0);
    if (!why.isEmpty()) {
      editor.CancelInput();
      TMessageBox(icWarning).AddLine(why).AddButton(MainFormText::tr("Ok")).Execute();
      return;
    }
  }
  double width = Data.Plane().HasPlane() ? Data.Plane().Width() : 0.0;
  double height = Data.Plane().HasPlane() ? Data.Plane().Height() : 0.0;
  while (Dialogs.AskPlaneSize(width, height)) {
    QString why;
    if (Data.PlacePlaneRectangle(width, height, &why)) {
      Refresh(rfControls);
      return;
    }
    TMessageBox(icWarning).AddLine(why).AddButton(MainFormText::tr("Ok")).Execute();
  }
  editor.CancelInput();
}

void TMainController::LensFromCheckerboard() {
  if (!VideoOpen() || Video.Reader() == nullptr) return;
  int columns = 9, rows = 6;
  if (!Dialogs.AskCheckerboard(columns, rows)) return;
  measurement::TLens lens;
  QString why;
  int found = 0;
  const bool fitted = work::LensFromCheckerboard(*Video.Reader(), columns, rows, lens, &why, &found);
  Video.Invalidate();
  if (!fitted) {
    TMessageBox(icWarning).AddLine(why).AddButton(MainFormText::tr("Ok")).Execute();
    return;
  }
  Data.PlaneEditor().SetLens(lens);
  ViewHintText = MainFormText::tr(
                     "|The lens from the checkerboard seen in %1 frames: k1 = %2, k2 = %3, focal "
                     "length %4 pixels")
                     .arg(found)
                     .arg(FormatReal(0, lens.K1))
                     .arg(FormatReal(0, lens.K2))
                     .arg(FormatReal(0, lens.Focal));
  Refresh(rfControls | rfViewHint);
}

void TMainController::AskScaleLength(int kind) {
  const settings::TTypeSaisieLongueur lengthKind = kind == measurement::skHorizontal ? settings::slLongueurH
                                                   : kind == measurement::skVertical ? settings::slLongueurV
                                                                                     : settings::slLongueurN;
  const settings::TValueResult length = Dialogs.AskValue(settings::tsLongueur, ValueContext(), lengthKind);
  if (!length.Accepted) return;
  if (kind == measurement::skHorizontal)
    Data.SetScaleHorizLength(length.Real());
  else if (kind == measurement::skVertical)
    Data.SetScaleVertLength(length.Real());
  else
    Data.SetScaleLength(length.Real());
  Video.Invalidate();
}

// ---------------------------------------------------------------------------------------------
// The pop-up menu, the options and the about box
// ---------------------------------------------------------------------------------------------

bool TMainController::PopupItemVisible(TPopupItem item) const {
  const TControlState &button = State(PopupButton(item));
  return VideoOpen() && button.Visible;
}

void TMainController::PopupCommand(TPopupItem item) {
  const TControl button = PopupButton(item);
  if (!PopupItemVisible(item) || !State(button).Enabled) return;
  // As if the user had pressed the button: down at once, then its click.
  SetToolDown(button);
  Refresh(rfControls);
  ControlClicked(button);
}

void TMainController::CalculationOptionsChanged() {
  // Through the document, like every other change: whoever computes results is told.
  Data.InvalidateResults(measurement::TResultsScope::BothModes);
}

void TMainController::ShowAbout() {
  const QString version = QCoreApplication::applicationVersion();
  TMessageBox(icInformation)
      .AddLine(version.isEmpty() ? QStringLiteral("Kolibra") : QStringLiteral("Kolibra ") + version)
      .AddLine(MainFormText::tr("Teaching mechanics from video."))
      .AddEmptyLine()
      .AddLine(MainFormText::tr(
          "Free software under the GNU General Public License, version 3 or later."))
      .AddButton(MainFormText::tr("Ok"))
      .Execute();
}

}  // namespace kolibra::mainwindow
