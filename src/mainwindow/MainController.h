#pragma once
// TMainController: the rules of the main window, without the window. It turns the user's
// clicks on mode, tool and navigation buttons, boxes and keys into calls on the video view
// and the measurement document, and keeps what the window shows: the state of every button,
// the texts of the four boxes, the track bar, the caption and the view's hint. The window
// (TMainForm) creates the widgets, forwards their events here and copies the states back
// whenever it is asked to refresh.
//
// Invariants:
// - Every video-dependent control is disabled while no video is open (EnableControls).
// - The mode buttons' down states follow the view's mode, also after a refused change.
// - At most one tool button is down: the one of the view's tool, else the document's.
// - Every message goes through TMessageBox; every value is asked through IMainDialogs.
//
// The windows and services built around the controller (the results window, the studio,
// the capture, the video editing, the work file) plug in through the hooks below; a hook
// left empty hides its button and refuses its mode, which keeps the controller testable
// alone.

#include "mainwindow/BusyState.h"
#include "mainwindow/MainControls.h"
#include "mainwindow/MainLayout.h"
#include "mainwindow/MenuStates.h"
#include "measurement/MRUFiles.h"
#include "measurement/TimeBase.h"
#include "settings/ValueEntry.h"

#include <QString>
#include <array>
#include <functional>
#include <map>
#include <memory>

namespace kolibra::settings {
class TOptions;
}
namespace kolibra::measurement {
class TData;
}
namespace kolibra::videoview {
class TVideoModel;
}
namespace kolibra::tracking {
class TTracking;
}
namespace kolibra::studio {
class TStudio;
}
namespace kolibra::capture {
class TCapture;
}
namespace kolibra::editing {
class TMontage;
class IMontageDialogs;
}

namespace kolibra::mainwindow {

class TMainTracking;
class TMainStudio;
class TMainCapture;

// What the window is asked to bring up to date.
enum TRefresh : unsigned {
  rfControls = 1,  // visibility, enabled and down states, hints
  rfBoxes = 2,     // the four boxes
  rfTrackBar = 4,
  rfCaption = 8,
  rfViewHint = 16,
  rfAll = 31,
};

// The window's side.
class IMainWindowView {
 public:
  virtual ~IMainWindowView() = default;
  virtual void Refresh(unsigned what) = 0;
  // Lays the view out between the bars (after an open and on every resize).
  virtual void LayoutView() = 0;
  virtual void ShowVideoView() = 0;
};

// The dialogs the controller asks through; the window shows the real ones, tests answer.
class IMainDialogs {
 public:
  virtual ~IMainDialogs() = default;
  virtual settings::TValueResult AskValue(settings::TTypeSaisie kind, const settings::TValueContext &context,
                                          settings::TTypeSaisieLongueur lengthKind) = 0;
  // The time-interval dialog; true with the interval typed.
  // The time-interval dialog: true with the user's choice in choice on Ok.
  virtual bool AskFrameInterval(measurement::TTimeBaseChoice &choice) = 0;
  // The width and height in metres of the plane's rectangle (given: the present ones, or 0);
  // true with both above zero on Ok.
  virtual bool AskPlaneSize(double &width, double &height) = 0;
  // The inner corners of a printed checkerboard, across and down (given: the last ones);
  // true on Ok.
  virtual bool AskCheckerboard(int &columns, int &rows) = 0;
};

struct TControlState {
  bool Visible = true;
  bool Enabled = true;
  bool Down = false;
};

class TMainController {
 public:
  TMainController(videoview::TVideoModel &video, measurement::TData &data, settings::TOptions &options,
                  IMainWindowView &view, IMainDialogs &dialogs);
  ~TMainController();
  TMainController(const TMainController &) = delete;
  TMainController &operator=(const TMainController &) = delete;

  // --- Start and end ------------------------------------------------------------------

  // What the window's creation leaves: the temporary folder checked, every control in its
  // state without a video. False when the temporary folder is unusable (the user was told).
  bool Start(const QString &temporaryFolder);
  // The start-up box; the window shows it once it is on screen.
  void ShowWelcome();
  // The start-up timer: writes the sample videos and opens one, or the file named on the
  // command line. False when nothing could be opened.
  bool OpenStartVideo(const QString &commandLineFile, int seconds);
  // May the window close? Asks when the option says so; stops every activity first.
  bool CloseRequested();
  void StopActivities();

  // --- Operations of the window --------------------------------------------------------

  bool OpenVideo(const QString &fileName);
  // OpenVideo after the confirmation: the checks, the open and its messages. A slow-motion
  // video's true interval is proposed unless a work file brings its own time base.
  bool LoadVideo(const QString &fileName, bool proposeTimeBase = true);
  // Asks whether a slow-motion video's frames take the interval of its capture rate.
  void ProposeCaptureInterval();
  // Shows the video's pictures as stored (ignored) or upright. The marks lie on the pictures
  // as they stand: a change starts a new measurement, once the user agrees to leave the work.
  void SetOrientationIgnored(bool ignored);
  // Reason 0: before opening another video; 1: before closing. False: the user cancelled.
  bool ConfirmChange(int reason);
  void EnableControls(bool flag);

  // --- The user's clicks ---------------------------------------------------------------

  void ControlClicked(TControl control);
  void TrackBarChanged(int position);
  // FormKeyDown: true when a subsystem used the key (the window consumes every key anyway).
  bool KeyDown(int key, Qt::KeyboardModifiers modifiers);
  // Undo: the active tool's history (Ctrl+Z). UndoLast and Redo: the Edit menu's, the latest
  // action of the mode whatever the tool, and what the latest undo took back.
  void Undo();
  void UndoLast();
  void Redo();
  void AskFrameInterval();
  void SetLoupeVisible(bool visible);

  // --- What the window shows -----------------------------------------------------------

  const TControlState &State(TControl control) const { return States[size_t(control)]; }
  const QString &BoxText(TControl box) const;
  int TrackBarPosition() const { return TrackPosition; }
  int TrackBarMaximum() const { return TrackMaximum; }
  const QString &Caption() const { return WindowCaption; }
  // The view's hint: "|" then the tool's instructions, shown in the status bar.
  const QString &ViewHint() const { return ViewHintText; }
  bool MeasurementMenusEnabled() const;
  const QString &RecentFolder() const { return RecentFiles.Directory(); }
  void SetRecentFolder(const QString &folder) { RecentFiles.SetDirectory(folder); }
  // The recent-files list, with the last folder.
  measurement::TMRUFiles &RecentList() { return RecentFiles; }

  // The layout for the window's sizes.
  TMainLayout Layout(TLayoutInput input) const;

  // --- Run-time memory ---------------------------------------------------------------------

  bool AskObjectNames = true;

  // --- Hooks for the windows and services around the controller -----------------------------

  // Saves the work; when set, the confirmations offer "Save".
  std::function<bool()> SaveWork;
  // The results are out of date: a new video was opened.
  std::function<void()> ClearResults;
  // The names and colours dialog; when missing, its button stays hidden.
  std::function<void()> ShowObjectNames;
  // Whether closing or opening now would lose work; without it, a video open is enough.
  std::function<bool()> HasUnsavedWork;
  // The caption while a video is open (the work file and its modified mark); without it, the
  // video's path.
  std::function<QString()> WorkCaption;
  // Opens a work file (".klb") handed to OpenVideo: every way of opening reaches one loader.
  std::function<bool(const QString &fileName)> OpenWorkFile;
  // Tries a video with a reader of its own before anything changes: the reason it cannot be
  // opened, empty when it can. Without it, a video is only tried by opening it.
  std::function<QString(const QString &fileName)> VideoProblem;
  // A video was opened (a new, empty measurement).
  std::function<void()> VideoOpened;

  // --- The montage -------------------------------------------------------------------------

  // The video editing and its dialogs; without them the montage's buttons do nothing.
  void SetMontage(editing::TMontage *montage, editing::IMontageDialogs *dialogs);
  // In montage mode: whether the shown frame is kept (the toggle button's picture and hint).
  bool MontageFrameKept() const { return MontageKept; }
  // Recomputes the caption (the work was saved, loaded or modified).
  void RefreshCaption();

  // --- Menus (MainControllerMenus.cpp) ------------------------------------------------------

  // The state of every main-menu item now (recomputed each time a menu opens).
  TMenuStates MenuStates();
  // Whether an item is offered now: shown and enabled, and so are its menus.
  bool MenuAvailable(TMenuItem item);
  // The commands that need no window of their own (the window handles the rest); nothing
  // happens when the item is not offered now.
  void MenuCommand(TMenuItem item);
  // The commands of the subsystems wired later (MenuHookItem): an item shows once set here.
  std::map<TMenuItem, std::function<void()>> MenuHooks;
  // The space-bar pop-up menu: its items show where their tool buttons do.
  bool PopupItemVisible(TPopupItem item) const;
  void PopupCommand(TPopupItem item);
  // The options dialog closed with a calculation option changed: every result is stale.
  void CalculationOptionsChanged();
  void ShowAbout();
  // The results window (MainControllerResults.cpp): whether the results can be computed now,
  // and showing it at a view (its codes: 0 formulas, 1 trajectory, 2 datasheet, 3 time,
  // 4 vectors).
  std::function<bool()> ResultsComputable;
  std::function<void(int view)> ShowResults;
  // The frame the view shows after each paint (the results window rings its points).
  std::function<void(int videoFrame)> OnFrameShown;
  // A result button after the checks of the measurement; true when the window was shown.
  bool ResultButtonClicked(TControl control);

  // The tracker of tracking mode (nullptr: none, the mode is refused by the view).
  void SetTracker(tracking::TTracking *tracker);
  TMainTracking *Tracking() const { return TrackingPart.get(); }
  // The application-wide busy state: long loops hold it; opening, mode changes and closing
  // ask it first.
  TBusyState &Busy() { return BusyState; }
  // The record button of the montage mode and the studio's conversions, run by the window
  // (the writer's dialogs are windows).
  std::function<void(TControl)> OnWritingCommand;
  // The chronophotography studio (nullptr: none, the mode is refused by the view).
  void SetStudio(studio::TStudio *studio);
  TMainStudio *Studio() const { return StudioPart.get(); }
  // The capture controller (nullptr: none, the mode is refused by the view).
  void SetCapture(capture::TCapture *capture);
  TMainCapture *Capture() const { return CapturePart.get(); }

 private:
  // The boxes of a video that is not there, or that no reader opens (reason: the readers').
  void ReportMissingVideo(const QString &fileName);
  void ReportUnreadableVideo(const QString &fileName, const QString &reason);
  void Wire();
  void Refresh(unsigned what);
  // The boxes, the cursor and the view after an undo or a redo.
  void AfterUndo();
  // Stops a long loop that can stop; true when none runs afterwards.
  bool WaitUntilIdle();
  // Reactions to the view and the document.
  void AfterOpening();
  void AfterPaint();
  void ModeChanged();
  void ModeRefused();
  void ViewToolChanged();
  void DocumentToolChanged();
  void ScaleChanged();
  void ScaleKindChanged();
  // The options dialog closed: the document and the buttons follow the new options.
  void OptionsChanged();
  // The states that follow the mode, the options and the open video.
  void ApplyVisibility();
  void ApplyEnabled();
  void SetModeDownStates();
  void RefreshBoxes();
  void RefreshMarksBox();
  void RefreshAngleBox();
  void RefreshNavigationBoxes();
  void SetToolDown(TControl control);
  TControl DocumentToolButton() const;
  QString DocumentToolHint() const;
  settings::TValueContext ValueContext() const;
  void ModeButtonClicked(TControl control);
  void ToolButtonClicked(TControl control);
  void NavigationClicked(TControl control);
  void GoToShown(int index);
  void EditImageClicked();
  void EditAngleClicked();
  // MainControllerMenus.cpp
  void DeleteItem(TMenuItem item);
  // Asks the length of the scale of a kind (TScaleKind) and sets it.
  void AskScaleLength(int kind);
  // The size of the plane tool's rectangle, for four clicked corners or the rectangle in place.
  void AskPlaneSize();
  // The lens from a checkerboard filmed in the video.
  void LensFromCheckerboard();
  bool VideoOpen() const;
  // MainControllerMontage.cpp
  void MontageToolClicked(TControl control);
  // True when the buttons' states or the view's hint changed.
  bool RefreshMontageButtons();

  friend class TMainTracking;
  friend class TMainStudio;
  friend class TMainCapture;

  videoview::TVideoModel &Video;
  measurement::TData &Data;
  settings::TOptions &Options;
  IMainWindowView &View;
  IMainDialogs &Dialogs;

  std::array<TControlState, ControlCount> States;
  std::array<QString, 4> Boxes;
  int TrackPosition = 0;
  int TrackMaximum = 0;
  QString WindowCaption;
  QString ViewHintText;
  measurement::TMRUFiles RecentFiles;
  editing::TMontage *Montage = nullptr;
  editing::IMontageDialogs *MontageDialogs = nullptr;
  bool MontageKept = true;
  QString TemporaryFolder;
  bool ControlsEnabled = false;
  bool NavigationAllowed = true;
  TControl DownTool = ControlCount;
  TBusyState BusyState;
  std::unique_ptr<TMainTracking> TrackingPart;
  std::unique_ptr<TMainStudio> StudioPart;
  std::unique_ptr<TMainCapture> CapturePart;
};

}  // namespace kolibra::mainwindow
