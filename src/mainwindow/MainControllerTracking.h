#pragma once
// TMainTracking: the main window's side of automatic tracking, a part of TMainController
// kept apart because the tracker is optional (tests and future builds may run without it).
// It turns the tracker buttons, the play and pause buttons of tracking mode and the tracking
// menus into calls on TTracking, and reflects the tracker's events back: the tool button
// down with its hint, every control but start/stop disabled while a sequence runs, the erase
// buttons enabled by what there is to erase.
//
// A running sequence holds the application's busy state: opening a video, changing mode or
// closing the window first stops it (then offers to keep its positions as marks).

#include "mainwindow/MainControls.h"

#include <QString>
#include <Qt>

namespace kolibra::settings {
struct TValueContext;
}
namespace kolibra::tracking {
class TTracking;
}

namespace kolibra::mainwindow {

class TMainController;

// The items of the "Delete" menu.
enum TDeleteItem { diOutline, diVideoMarks, diZones, diLayer, diGrid, diScale, diAll };

class TMainTracking {
 public:
  TMainTracking(TMainController &controller, tracking::TTracking &tracker);
  ~TMainTracking();
  TMainTracking(const TMainTracking &) = delete;
  TMainTracking &operator=(const TMainTracking &) = delete;

  tracking::TTracking &Tracker() const { return Tracking; }

  // --- Hooks of the controller (true: the click was the tracker's) ----------------------------

  bool ToolClicked(TControl control);
  bool NavigationClicked(TControl control);
  void ModeChanged();
  void AfterPaint();
  void SystemsChanged();
  void OptionsChanged();
  bool KeyDown(int key, Qt::KeyboardModifiers modifiers);
  // The enabled states while a sequence runs.
  void AdjustEnabled();
  // The work is about to be replaced or closed in tracking mode: stop, offer to keep.
  void CommitBeforeLeaving();
  void Stop();

  // --- Menu commands --------------------------------------------------------------------------

  void SetShape(int shape);
  // A radius in pixels, or 0 to ask it.
  void SetRadius(int radius);
  void ToggleSearchZone();
  // Objects pointed per frame and frames between two marks: a number, or 0 to ask it.
  void SetObjectsCount(int count);
  void SetFramesStep(int frames);
  void Delete(TDeleteItem item);
  // Whether a "Delete" item applies in the current mode, and whether it is enabled.
  bool DeleteShown(TDeleteItem item) const;
  bool DeleteEnabled(TDeleteItem item) const;

  // The instructions of the tracker's tool for the status bar ("|" first).
  QString ToolHint() const;

 private:
  // The erase buttons: enabled when idle with something of their kind; true when changed.
  bool ApplyEraseStates();
  void ToolChanged();
  void TrackStarted();
  void TrackEnded();
  settings::TValueContext Context() const;

  TMainController &Main;
  tracking::TTracking &Tracking;
};

}  // namespace kolibra::mainwindow
