#pragma once
// TMainForm: the program's main window. It owns every long-lived object built so far (the
// options, the measurement document, the video view, the dialogs) and the controller that
// holds the window's rules; the window itself only creates the widgets, passes their events
// to TMainController and copies its states back when asked (Refresh).
//
// Layout: the mode bar on the top edge, the tools on the left, the result buttons on the
// right, the panel (navigation, track bar, the four boxes) along the bottom above the
// status bar, and the video view between them, placed by the controller's layout rule.

#include "kit/SaveFileRequest.h"
#include "mainwindow/MainController.h"
#include "mainwindow/WorkSession.h"
#include "measurement/windows/BoiteNomCouleur.h"
#include "measurement/windows/BoiteTemps.h"
#include "settings/windows/BoiteProprietes.h"
#include "settings/windows/BoiteValeur.h"

#include <QMainWindow>
#include <QTimer>
#include <array>
#include <memory>

class QAbstractButton;
class QLabel;
class QLineEdit;
class QMenu;
class QProgressBar;
class QSlider;
class QToolBar;
class QToolButton;

namespace kolibra::measurement {
class TData;
}
namespace kolibra::settings {
class TOptions;
}
namespace kolibra::videoview {
class TVideo;
}
namespace kolibra::tracking {
class TTracking;
}
namespace kolibra::studio {
class TStudio;
}
namespace kolibra::capture {
class TCapture;
class TCapturePreview;
class TCaptureWindows;
}

namespace kolibra::results {
class TResForm;
}
namespace kolibra::editing {
class TMontage;
class IMontageDialogs;
class TMontageDialogWindows;
class TRecordMontage;
}
namespace kolibra::formulas {
class TFormules;
class TCalculatrice;
}
namespace kolibra::settings {
class TBoiteOptions;
}

namespace kolibra::mainwindow {

// The results and everything around them (MainFormResults.cpp).
struct TMainResults;
struct TMainResultsDeleter {
  void operator()(TMainResults *results) const;
};

struct TMainFormSettings {
  // Where the options file is (empty: the per-user one).
  QString OptionsFile;
  // Where the FFmpeg wrapper is (empty: beside the program).
  QString WrapperFolder;
  // The temporary folder (empty: the system's rule).
  QString TemporaryFolder;
  // A video named on the command line, opened instead of a sample.
  QString StartFile;
  // The start-up box and the timer that opens a video 1.2 s after the window shows.
  bool Welcome = true;
  bool StartTimer = true;
  // Who asks values and intervals (tests answer here); null: the window's own dialogs.
  IMainDialogs *Dialogs = nullptr;
  // Who asks the work files' names, and the montage's dialogs (tests answer here); null:
  // the window's own dialogs.
  IWorkDialogs *WorkDialogs = nullptr;
  editing::IMontageDialogs *MontageDialogs = nullptr;
  // Where the recovery files are (empty: the per-user folder); whether the start-up timer
  // offers those of processes no longer running first, and who asks (null: the window's
  // dialog).
  QString RecoveryFolder;
  bool OfferRecovery = true;
  IRecoveryDialog *RecoveryDialog = nullptr;
};

class TMainForm : public QMainWindow,
                  public IMainWindowView,
                  public IMainDialogs,
                  public IWorkDialogs,
                  public IRecoveryDialog {
  Q_OBJECT

 public:
  explicit TMainForm(const TMainFormSettings &settings = TMainFormSettings(), QWidget *parent = nullptr);
  ~TMainForm() override;

  TMainController &Controller() { return *FController; }
  videoview::TVideo &Video() { return *FVideo; }
  measurement::TData &Data() { return *FData; }
  settings::TOptions &Options() { return *FOptions; }
  tracking::TTracking &Tracking() { return *FTracking; }
  studio::TStudio &Studio() { return *FStudio; }
  capture::TCapture &Capture() { return *FCapture; }
  capture::TCapturePreview *CapturePreview() const { return FCapturePreview; }
  QWidget *Control(TControl control) const { return FControls[size_t(control)]; }
  QToolBar *ModeBar() const { return FModeBar; }
  QToolBar *ToolBar() const { return FToolBar; }
  QToolBar *ResultBar() const { return FResultBar; }
  QWidget *Panel() const { return FPanel; }
  QWidget *VideoArea() const { return FVideoArea; }
  const QTimer &StartTimer() const { return FStartTimer; }

  // Opens a video through the controller (every check applies).
  bool OpenVideo(const QString &fileName);
  // "Open video...": the file dialog, then OpenVideo.
  void OpenVideoCommand();
  // The filter of the open dialog: the video extensions, the work files, then all files.
  static QString VideoFileFilter();

  // --- The results (MainFormResults.cpp) ----------------------------------------------------
  results::TResForm &ResultsWindow();
  QWidget *FormulasWindow();
  // --- Work files, montage, names (MainFormWork.cpp) ----------------------------------------
  TWorkSession &Work() { return *FWork; }
  editing::TMontage &Montage() { return *FMontage; }
  measurement::TBoiteNomCouleur &NamesDialog() { return FBoiteNomCouleur; }
  QMenu *RecentMenu() const { return FMenuRecent; }
  // The names and colours dialog for the current marking mode.
  void ShowObjectNames();

  // --- Menus, options, calculator, help (MainFormCommands.cpp) ------------------------------
  QAction *MenuAction(TMenuItem item) const;
  QMenu *PopupMenu() const;
  // The space bar: the pop-up menu at the mouse pointer when it is over the video.
  bool ShowPopupMenu();
  settings::TBoiteOptions &OptionsDialog();
  formulas::TCalculatrice &Calculator();
  // The options command: the password lock, then the dialog.
  void ShowOptions();
  void ShowCalculator();
  void ShowHelp();

  // --- IMainWindowView ------------------------------------------------------------------
  void Refresh(unsigned what) override;
  void LayoutView() override;
  void ShowVideoView() override;

  // The save dialog of the studio and the capture (MainFormSaveDialog.cpp); true with the
  // file chosen.
  bool AskSaveFile(const TSaveFileRequest &request, QString &fileName);

  // --- IMainDialogs ---------------------------------------------------------------------
  settings::TValueResult AskValue(settings::TTypeSaisie kind, const settings::TValueContext &context,
                                  settings::TTypeSaisieLongueur lengthKind) override;
  bool AskFrameInterval(measurement::TTimeBaseChoice &choice) override;
  bool AskPlaneSize(double &width, double &height) override;
  bool AskCheckerboard(int &columns, int &rows) override;

  // --- IWorkDialogs ---------------------------------------------------------------------
  QString AskSaveFileName(const QString &folder, const QString &proposed) override;
  QString AskWorkFileName(const QString &folder) override;
  QString AskVideoFileName(const QString &folder) override;

  // --- IRecoveryDialog ------------------------------------------------------------------
  TRecoveryChoice AskRecovery(const std::vector<work::TRecoveryEntry> &entries) override;
  // Why the recovery file cannot be written, shown in the status bar until it can again.
  QLabel *RecoveryProblem() const { return FRecoveryProblem; }

 protected:
  void showEvent(QShowEvent *event) override;
  void closeEvent(QCloseEvent *event) override;
  void keyPressEvent(QKeyEvent *event) override;
  void wheelEvent(QWheelEvent *event) override;
  void dragEnterEvent(QDragEnterEvent *event) override;
  void dropEvent(QDropEvent *event) override;
  bool eventFilter(QObject *watched, QEvent *event) override;

 private:
  // MainFormLayout.cpp
  void CreateBars();
  void CreatePanel();
  QToolButton *CreateButton(TControl control, QToolBar *bar, QSize iconSize);
  void LayoutPanel();
  TLayoutInput LayoutSizes() const;
  // MainFormMenus.cpp
  void CreateMenus();
  void ShowVideoProperties();
  // MainFormCommands.cpp
  struct TCommands;
  void CreateCommandMenus();
  void UpdateMenus();
  void MenuClicked(TMenuItem item);
  void PopupMenuPopup();
  // MainFormResults.cpp
  void CreateResults();
  void DestroyResults();
  // MainFormStudio.cpp
  class TStudioHost;
  void CreateStudio();
  void DestroyStudio();
  void AskOutlinesAroundMarks();
  // MainFormCapture.cpp
  void CreateCapture();
  void DestroyCapture();
  void PlaceCapturePreview();
  void UpdateCaptureControls();
  // MainFormWork.cpp
  void CreateWork();
  void DestroyWork();
  void RebuildRecentMenu();
  void LoadRecentFiles();
  void SaveRecentFiles();
  // MainFormWriting.cpp
  class TWritingHost;
  void CreateWriting();
  void DestroyWriting();
  void WritingCommand(TControl control);
  // MainForm.cpp
  void TimerTimer();
  void ShowStatusHint(const QString &hint);

  std::unique_ptr<settings::TOptions> FOptions;
  videoview::TVideo *FVideo = nullptr;
  std::unique_ptr<measurement::TData> FData;
  std::unique_ptr<tracking::TTracking> FTracking;
  std::unique_ptr<TMainController> FController;
  std::shared_ptr<TStudioHost> FStudioHost;  // shared: its type is complete only in MainFormStudio.cpp
  std::unique_ptr<studio::TStudio> FStudio;
  int FStudioEvery = 5;
  int FStudioRadius = 20;
  std::unique_ptr<capture::TCaptureWindows> FCaptureWindows;
  std::unique_ptr<capture::TCapture> FCapture;
  capture::TCapturePreview *FCapturePreview = nullptr;
  settings::TBoiteValeur FBoiteValeur;
  settings::TBoiteProprietes FBoiteProprietes;
  measurement::TBoiteTemps FBoiteTemps;
  measurement::TBoiteNomCouleur FBoiteNomCouleur;
  TMainFormSettings FSettings;
  std::unique_ptr<TMainResults, TMainResultsDeleter> FResults;
  std::unique_ptr<editing::TMontage> FMontage;
  std::unique_ptr<editing::TMontageDialogWindows> FMontageWindows;
  std::unique_ptr<formulas::TFormules> FFormules;
  std::unique_ptr<TWorkSession> FWork;
  // shared: their types are complete only in MainFormWriting.cpp
  std::shared_ptr<editing::TRecordMontage> FRecord;
  std::shared_ptr<TWritingHost> FWritingHost;
  QTimer FModifiedTimer;

  QToolBar *FModeBar = nullptr;
  QToolBar *FToolBar = nullptr;
  QToolBar *FResultBar = nullptr;
  QToolBar *FPanelBar = nullptr;
  QWidget *FPanel = nullptr;
  QWidget *FVideoArea = nullptr;
  QProgressBar *FProgressBar = nullptr;
  QLabel *FRecoveryProblem = nullptr;
  QSlider *FTrackBar = nullptr;
  std::array<QWidget *, ControlCount> FControls{};
  std::array<QAction *, ControlCount> FActions{};
  std::shared_ptr<TCommands> FCommands;  // shared: its type is complete only in MainFormCommands.cpp
  QMenu *FMenuRecent = nullptr;
  QTimer FStartTimer;
  bool FRefreshing = false;
  bool FShown = false;
};

}  // namespace kolibra::mainwindow
