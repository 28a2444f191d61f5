#pragma once
// TMainStudio: the main window's side of the chronophotography studio, a part of
// TMainController kept apart because the studio is optional (tests run the controller
// without it). It turns the studio's buttons and menu items into calls on TStudio and
// reflects the studio back: its tool button down with the shape's or the eraser's hint, the
// chronophotograph button enabled once an outline is completed.

#include "mainwindow/MainControls.h"

#include <QString>

namespace kolibra::studio {
class TStudio;
}

namespace kolibra::mainwindow {

class TMainController;

class TMainStudio {
 public:
  TMainStudio(TMainController &controller, studio::TStudio &studio);
  ~TMainStudio();
  TMainStudio(const TMainStudio &) = delete;
  TMainStudio &operator=(const TMainStudio &) = delete;

  studio::TStudio &Studio() const { return Part; }

  // --- Hooks of the controller (true: the click was the studio's) -----------------------------

  bool ToolClicked(TControl control);
  // After a paint: the chronophotograph button follows the completed outlines. True when a
  // state changed.
  bool AfterPaint();
  void AdjustEnabled();
  // A new video: no outline, no tool.
  void AfterOpening();
  // The view took its zoom or pan tool: an outline being drawn goes.
  void ViewToolChanged();
  void OptionsChanged();

  // --- Menu commands (studio mode) ----------------------------------------------------------

  void SetShape(int shape);
  void DeleteCurrent();
  void Clear();
  // A circle outline of radius pixels around every mark of the first object, every frames
  // marked frames; the number of outlines made.
  int OutlinesAroundMarks(int every, double radius);

  // The instructions of the studio's tool for the status bar ("|" first).
  QString ToolHint() const;

 private:
  void ToolChanged();

  TMainController &Main;
  studio::TStudio &Part;
};

}  // namespace kolibra::mainwindow
