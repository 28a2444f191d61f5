#pragma once
// Where the main window puts the video view and the pieces of its bottom panel. Pure
// arithmetic on the sizes of the window and its bars, so the rules are tested without one.

#include <QRect>
#include <QSize>
#include <array>

namespace kolibra::mainwindow {

struct TLayoutInput {
  int Width = 0;   // the client area below the menu
  int Height = 0;
  int ModeBarHeight = 0;
  int ToolBarWidth = 0;
  int ResultBarWidth = 0;
  int PanelHeight = 38;
  int StatusBarHeight = 0;
  bool VideoOpen = false;
  int FrameWidth = 0;
  int FrameHeight = 0;
  int ButtonWidth = 32;  // the navigation buttons'
};

// The navigation buttons in the order of the group: play, stop, first, previous, next, last.
enum TNavigationSlot { nsLecture, nsPause, nsRetour, nsPred, nsSucc, nsAvance };

struct TMainLayout {
  QRect View;   // client coordinates
  QSize Title;  // the title picture: the space between the bars
  // Panel coordinates.
  QRect EditImage, EditMarque, EditZoom, EditAngle;
  QRect TrackBar;
  std::array<QRect, 6> Buttons;
};

TMainLayout ComputeMainLayout(const TLayoutInput &input);

}  // namespace kolibra::mainwindow
