#include "mainwindow/MainControls.h"

#include "videoview/VideoModes.h"

#include <QCoreApplication>
#include <array>

namespace kolibra::mainwindow {

namespace main_controls {

struct TEntry {
  const char *Name;
  const char *Hint;
};

// The capture button's long hint spoke of a Windows library; Kolibra has none to install.
const std::array<TEntry, ControlCount> Entries = {{
    {"ButtonModeRepereFixe",
     QT_TRANSLATE_NOOP(
         "MainFormText",
         "Manual marking|Set one or several marks and the video automatically moves forward")},
    {"ButtonModeTransparent", QT_TRANSLATE_NOOP("MainFormText",
                                                "Layer|Simulate a tracing paper sheet. Its middle "
                                                "and its two perpendicular axes form a grid")},
    {"ButtonModeTracking",
     QT_TRANSLATE_NOOP("MainFormText",
                       "Automatic marking|Draw, by hand, the outline of an object in a video frame "
                       "and the software looks for the object in the following frames")},
    {"ButtonModeStudio", QT_TRANSLATE_NOOP("MainFormText",
                                           "Video studio|Make a chronophotography, convert vidéo "
                                           "to still images or still images to video")},
    {"ButtonModeMontage",
     QT_TRANSLATE_NOOP("MainFormText",
                       "Video editing|Delete the repeated frames or change the duration between "
                       "the preceding and the following frames")},
    {"ButtonModeCapture", QT_TRANSLATE_NOOP("MainFormText", "Video capture")},
    {"ButtonOutilZoom",
     QT_TRANSLATE_NOOP(
         "MainFormText",
         "Zoom in or out|Place the mouse over the zone you wish to zoom in or out of")},
    {"ButtonOutilPan",
     QT_TRANSLATE_NOOP("MainFormText", "Pan image|Image zoom factor must be greater than 100%")},
    {"ButtonOutilEchelle",
     QT_TRANSLATE_NOOP(
         "MainFormText",
         "Define scale|Calibrate image dimensions using the distance between 2 points.")},
    {"ButtonOutilEchelleHoriz",
     QT_TRANSLATE_NOOP("MainFormText",
                       "Define horizontal scale|Calibrate image dimensions using the distance "
                       "between 2 points.")},
    {"ButtonOutilEchelleVert",
     QT_TRANSLATE_NOOP(
         "MainFormText",
         "Define vertical scale|Calibrate image dimensions using the distance between 2 points.")},
    {"ButtonOutilPlan",
     QT_TRANSLATE_NOOP(
         "MainFormText",
         "Calibrate a plane seen at an angle|Click the four corners of a rectangle of known size "
         "lying in the plane of the motion, then type its width and height")},
    {"ButtonOutilLentille",
     QT_TRANSLATE_NOOP(
         "MainFormText",
         "Straighten the lens|Trace lines that are straight in reality (a door frame, a ruler, a "
         "board's edge): a few clicks along each, right-click to end it")},
    {"ButtonOutilOrigine",
     QT_TRANSLATE_NOOP("MainFormText",
                       "Choose, move or rotate a reference frame|Define the origin of a cartesian "
                       "reference frame. Coordinates depend on this choice.")},
    {"ButtonOutilMarque",
     QT_TRANSLATE_NOOP("MainFormText",
                       "Set marks on the trajectory|Plot the successive positions of a projectile. "
                       "The video moves forward automatically.")},
    {"ButtonOutilTsp",
     QT_TRANSLATE_NOOP("MainFormText",
                       "Use a layer|Use a layer to illustrate the notion of reference frame")},
    {"ButtonOutilDeplacer",
     QT_TRANSLATE_NOOP("MainFormText", "Move a mark|Move a mark with the mouse")},
    {"ButtonOutilEffacer", QT_TRANSLATE_NOOP("MainFormText",
                                             "Erase marks|Erase a mark; erase the marks in a "
                                             "rectangular zone; erase the marks of an image")},
    {"ButtonOutilNom", QT_TRANSLATE_NOOP("MainFormText", "Name objects|Name plotted objects")},
    {"ButtonStudioContour",
     QT_TRANSLATE_NOOP(
         "MainFormText",
         "Draw the outline of an object (chronophotography)|Define the position of an object on "
         "the chronophotography corresponding to the current video frame")},
    {"ButtonStudioEffacerContour",
     QT_TRANSLATE_NOOP("MainFormText",
                       "Erase outlines (chronophotography)|Erase an outline ; erase outlines in a "
                       "rectangular area ; erase the outline on the current video frame")},
    {"ButtonStudioChronoPhoto",
     QT_TRANSLATE_NOOP("MainFormText",
                       "Save composite image to file (chronophotography)|Combine images of an "
                       "object at different positions on a background image then save it to file")},
    {"ButtonStudioCapture",
     QT_TRANSLATE_NOOP("MainFormText", "Convert current video frame to still image")},
    {"ButtonStudioV2p",
     QT_TRANSLATE_NOOP("MainFormText",
                       "Convert video to still images|Video frames hidden during editing will not "
                       "be converted into still images")},
    {"ButtonStudioP2v", QT_TRANSLATE_NOOP("MainFormText", "Convert still images to video")},
    {"ButtonMontageBasculer",
     QT_TRANSLATE_NOOP("MainFormText",
                       "Show or hide frame|A frame appearing in negative will not be visible after "
                       "leaving video edit mode")},
    {"ButtonMontageBasculerMult",
     QT_TRANSLATE_NOOP("MainFormText",
                       "Show or hide a series of frames|The images appearing in negative will not "
                       "be visible after leaving video edit mode")},
    {"ButtonMontageInstant",
     QT_TRANSLATE_NOOP("MainFormText",
                       "Modify frame time|A frame is missing in the video stream, you need to "
                       "change the duration between the preceding and following frames")},
    {"ButtonMontageEnregistrer",
     QT_TRANSLATE_NOOP("MainFormText", "Save edited video|Export edited video to file")},
    {"ButtonCapDevice", QT_TRANSLATE_NOOP("MainFormText", "Choose capture device")},
    {"ButtonCapConfigurer",
     QT_TRANSLATE_NOOP("MainFormText",
                       "Capture device properties |Shutter speed, luminance, contrast...")},
    {"ButtonCapFormat",
     QT_TRANSLATE_NOOP("MainFormText", "Capture format |Width and height of image in pixels")},
    {"ButtonCapVitesse",
     QT_TRANSLATE_NOOP("MainFormText", "Frame rate|Number of images per second")},
    {"ButtonCapCompression", QT_TRANSLATE_NOOP("MainFormText", "Choose a compression Codec")},
    {"ButtonCapTimer", QT_TRANSLATE_NOOP("MainFormText", "Recording delay and duration")},
    {"ButtonCapEnregistrer",
     QT_TRANSLATE_NOOP(
         "MainFormText",
         "Start or stop recording|On the fly compression requires more hardware resources")},
    {"ButtonTrackContour",
     QT_TRANSLATE_NOOP("MainFormText",
                       "Draw the outline of an object|Draws the oultine of the tracked object on "
                       "the image. This frame will be the first in the sequence")},
    {"ButtonTrackBanZone",
     QT_TRANSLATE_NOOP("MainFormText",
                       "Draw the area to ignore|Background rectangular zone to ignore because is "
                       "has the same color of the tracked object")},
    {"ButtonTrackEffacerContour",
     QT_TRANSLATE_NOOP("MainFormText",
                       "Delete the object's outline|Delete the object's outline without affecting "
                       "past trackings")},
    {"ButtonTrackEffacerBanZone",
     QT_TRANSLATE_NOOP("MainFormText", "Erase last zone to ignore|Erase latest zones first")},
    {"ButtonTrackEffacerTrack",
     QT_TRANSLATE_NOOP(
         "MainFormText",
         "Cancel automatic tracking|Cancels tracking withiout affecting already drawn oulines")},
    {"ButtonTrackNumMarque",
     QT_TRANSLATE_NOOP("MainFormText",
                       "Object number|Automatic tracking can handle 1 object at a time")},
    {"ButtonTrackSequence",
     QT_TRANSLATE_NOOP("MainFormText",
                       "Define sequence|First frame shows the object's outline. Choose the last "
                       "frame of the tracking sequence")},
    {"ButtonTrackSuivi", QT_TRANSLATE_NOOP("MainFormText",
                                           "Start or stop automatic tracking|Automatically follows "
                                           "and records the trajectory of the objet")},
    {"ButtonMenuTableau", QT_TRANSLATE_NOOP("MainFormText", "Datasheet")},
    {"ButtonMenuTemps", QT_TRANSLATE_NOOP("MainFormText", "Evolution as a function of time")},
    {"ButtonMenuReferentiel", QT_TRANSLATE_NOOP("MainFormText", "Trajectory in reference frame")},
    {"ButtonMenuVecteur", QT_TRANSLATE_NOOP("MainFormText", "Vectors representation")},
    {"ButtonMenuFormule", QT_TRANSLATE_NOOP("MainFormText", "Custom formulas")},
    {"ButtonVideoLecture", QT_TRANSLATE_NOOP("MainFormText", "Play")},
    {"ButtonVideoPause", QT_TRANSLATE_NOOP("MainFormText", "Stop")},
    {"ButtonVideoRetour", QT_TRANSLATE_NOOP("MainFormText", "First frame")},
    {"ButtonVideoPred", QT_TRANSLATE_NOOP("MainFormText", "Previous frame")},
    {"TrackBar", QT_TRANSLATE_NOOP("MainFormText", "Search")},
    {"ButtonVideoSucc", QT_TRANSLATE_NOOP("MainFormText", "Next frame")},
    {"ButtonVideoAvance", QT_TRANSLATE_NOOP("MainFormText", "Last frame")},
    {"EditImage",
     QT_TRANSLATE_NOOP(
         "MainFormText",
         "Frame number and total frame count|Left-click = type the number of the new frame")},
    {"EditMarque",
     QT_TRANSLATE_NOOP("MainFormText", "Number of marks|Total number of marks set down")},
    {"EditZoom",
     QT_TRANSLATE_NOOP("MainFormText",
                       "Image zoom factor|Image zoom factor; left-click = return to 100%")},
    {"EditAngle",
     QT_TRANSLATE_NOOP("MainFormText", "Graph basis rotation angle|Left-click = type the angle")},
}};

}  // namespace main_controls

TControlGroup ControlGroup(TControl control) {
  if (control <= ButtonModeCapture) return cgMode;
  if (control <= ButtonTrackSuivi) return cgTool;
  if (control <= ButtonMenuFormule) return cgResult;
  if (control <= ButtonVideoAvance) return cgNavigation;
  return cgBox;
}

QString ControlName(TControl control) { return QLatin1String(main_controls::Entries[size_t(control)].Name); }

QString ControlHint(TControl control) {
  return QCoreApplication::translate("MainFormText", main_controls::Entries[size_t(control)].Hint);
}

bool WorksWithoutVideo(TControl control) {
  return (control >= ButtonCapDevice && control <= ButtonCapEnregistrer) || control == ButtonStudioP2v;
}

int ControlMode(TControl control) {
  using namespace videoview;
  switch (control) {
    case ButtonModeCapture:
      return vmCapture;
    case ButtonModeMontage:
      return vmMontage;
    case ButtonModeRepereFixe:
      return vmRepereFixe;
    case ButtonModeStudio:
      return vmStudio;
    case ButtonModeTracking:
      return vmTracking;
    case ButtonModeTransparent:
      return vmTransparent;
    default:
      return vmNone;
  }
}

}  // namespace kolibra::mainwindow
