#pragma once
// The main window's buttons and boxes, by the component names every Part uses, with their
// hints and groups. The window creates one widget per entry; the controller keeps their
// states; tests find them by name.

#include <QString>

namespace kolibra::mainwindow {

enum TControl : int {
  // The six mode buttons, in the order of the mode bar.
  ButtonModeRepereFixe,
  ButtonModeTransparent,
  ButtonModeTracking,
  ButtonModeStudio,
  ButtonModeMontage,
  ButtonModeCapture,
  // Tools of the marking modes.
  ButtonOutilZoom,
  ButtonOutilPan,
  ButtonOutilEchelle,
  ButtonOutilEchelleHoriz,
  ButtonOutilEchelleVert,
  ButtonOutilPlan,
  ButtonOutilLentille,
  ButtonOutilOrigine,
  ButtonOutilMarque,
  ButtonOutilTsp,
  ButtonOutilDeplacer,
  ButtonOutilEffacer,
  ButtonOutilNom,
  // Tools of the studio.
  ButtonStudioContour,
  ButtonStudioEffacerContour,
  ButtonStudioChronoPhoto,
  ButtonStudioCapture,
  ButtonStudioV2p,
  ButtonStudioP2v,
  // Tools of the montage.
  ButtonMontageBasculer,
  ButtonMontageBasculerMult,
  ButtonMontageInstant,
  ButtonMontageEnregistrer,
  // Tools of the capture.
  ButtonCapDevice,
  ButtonCapConfigurer,
  ButtonCapFormat,
  ButtonCapVitesse,
  ButtonCapCompression,
  ButtonCapTimer,
  ButtonCapEnregistrer,
  // Tools of the tracker.
  ButtonTrackContour,
  ButtonTrackBanZone,
  ButtonTrackEffacerContour,
  ButtonTrackEffacerBanZone,
  ButtonTrackEffacerTrack,
  ButtonTrackNumMarque,
  ButtonTrackSequence,
  ButtonTrackSuivi,
  // Result views.
  ButtonMenuTableau,
  ButtonMenuTemps,
  ButtonMenuReferentiel,
  ButtonMenuVecteur,
  ButtonMenuFormule,
  // The panel, in the order of the navigation group, then the boxes.
  ButtonVideoLecture,
  ButtonVideoPause,
  ButtonVideoRetour,
  ButtonVideoPred,
  TrackBar,
  ButtonVideoSucc,
  ButtonVideoAvance,
  EditImage,
  EditMarque,
  EditZoom,
  EditAngle,
  ControlCount
};

enum TControlGroup { cgMode, cgTool, cgResult, cgNavigation, cgBox };

TControlGroup ControlGroup(TControl control);
// The component name ("ButtonOutilMarque").
QString ControlName(TControl control);
// The hint, "short|long" (translated).
QString ControlHint(TControl control);
// Tag -1: the seven capture buttons and the still-images-to-video button work without a video.
bool WorksWithoutVideo(TControl control);
// The mode a mode button selects.
int ControlMode(TControl control);

inline bool IsModeButton(TControl c) { return ControlGroup(c) == cgMode; }
inline bool IsToolButton(TControl c) { return ControlGroup(c) == cgTool; }
inline bool IsResultButton(TControl c) { return ControlGroup(c) == cgResult; }

}  // namespace kolibra::mainwindow
