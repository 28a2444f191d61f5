// The main window's start, end, opening of videos, enabled states and the reactions to the
// video view and the measurement document.

#include "mainwindow/MainController.h"
#include "kit/Texts.h"

#include "kit/Locale.h"
#include "kit/MessageBox.h"
#include "mainwindow/FileNames.h"
#include "mainwindow/MainControllerTracking.h"
#include "mainwindow/MainControllerCapture.h"
#include "mainwindow/MainControllerStudio.h"
#include "measurement/Data.h"
#include "settings/Options.h"
#include "videoview/VideoModel.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace kolibra::mainwindow {

using namespace videoview;

TMainController::TMainController(TVideoModel &video, measurement::TData &data, settings::TOptions &options,
                                 IMainWindowView &view, IMainDialogs &dialogs)
    : Video(video), Data(data), Options(options), View(view), Dialogs(dialogs) {
  WindowCaption = QStringLiteral("Kolibra");
  Wire();
}

TMainController::~TMainController() {
  TrackingPart.reset();
  StudioPart.reset();
  CapturePart.reset();
  Video.OnAfterPaint = Video.OnZoomChange = Video.OnVideoClose = Video.OnToolChange = nullptr;
  Video.OnVideoOpen = Video.OnModeChange = Video.OnModeRefused = nullptr;
  Video.OnMessage = nullptr;
  Data.OnAxesChange = Data.OnColorsChange = Data.OnScaleChange = Data.OnScaleKindChange = nullptr;
  Data.OnMarksChange = Data.OnSystemsChange = Data.OnToolChange = Data.OnVisibilityChange = nullptr;
  Data.OnPlaneCornersPlaced = nullptr;
  Data.OnPlaneRefusal = nullptr;
  Options.OnChange = nullptr;
}

void TMainController::Wire() {
  Video.OnAfterPaint = [this](TVideoModel *) { AfterPaint(); };
  Video.OnZoomChange = [this](TVideoModel *) {
    RefreshNavigationBoxes();
    Refresh(rfBoxes);
  };
  Video.OnVideoClose = [this](TVideoModel *) {
    TrackPosition = 0;
    Video.UpdateCursor();
    Refresh(rfTrackBar);
  };
  Video.OnToolChange = [this](TVideoModel *) { ViewToolChanged(); };
  Video.OnVideoOpen = [this](TVideoModel *) { AfterOpening(); };
  Video.OnModeChange = [this](TVideoModel *) { ModeChanged(); };
  Video.OnModeRefused = [this](TVideoModel *) { ModeRefused(); };
  Video.OnMessage = [](TVideoModel *, const QString &text) {
    TMessageBox(icWarning).AddLine(text).AddButton(MainFormText::tr("Ok")).Execute();
  };

  Data.OnAxesChange = [this](measurement::TData *) {
    RefreshAngleBox();
    Refresh(rfBoxes);
  };
  Data.OnColorsChange = [this](measurement::TData *) { Video.Invalidate(); };
  Data.OnVisibilityChange = [this](measurement::TData *) { Video.Invalidate(); };
  Data.OnScaleChange = [this](measurement::TData *) { ScaleChanged(); };
  Data.OnScaleKindChange = [this](measurement::TData *) { ScaleKindChanged(); };
  Data.OnMarksChange = [this](measurement::TData *) {
    RefreshMarksBox();
    Video.Invalidate();
    Refresh(rfBoxes);
  };
  Data.OnSystemsChange = [this](measurement::TData *) {
    if (TrackingPart) TrackingPart->SystemsChanged();
    ApplyVisibility();
    Video.Invalidate();
    Refresh(rfControls);
  };
  Data.OnToolChange = [this](measurement::TData *) { DocumentToolChanged(); };
  Data.OnPlaneCornersPlaced = [this](measurement::TData *) { AskPlaneSize(); };
  Data.OnPlaneRefusal = [this](measurement::TData *, const QString &why) {
    ViewHintText = QLatin1Char('|') + why;
    Refresh(rfViewHint);
  };
  Options.OnChange = [this](settings::TOptions *) { OptionsChanged(); };
}

void TMainController::Refresh(unsigned what) { View.Refresh(what); }

bool TMainController::VideoOpen() const { return Video.IsOpen(); }

// ---------------------------------------------------------------------------------------------
// Start and end
// ---------------------------------------------------------------------------------------------

bool TMainController::Start(const QString &temporaryFolder) {
  const QFileInfo folder(temporaryFolder);
  const bool usable = !temporaryFolder.isEmpty() && folder.isDir() && folder.isWritable();
  TemporaryFolder = usable ? temporaryFolder : QString();
  RecentFiles.SetTemporaryFolder(temporaryFolder);
  if (!usable) {
    TMessageBox(icWarning)
        .AddLine(MainFormText::tr("Backup file creation has failed."))
        .AddLine(MainFormText::tr("Some functions will not be available."))
        .AddButton(MainFormText::tr("Ok"))
        .Execute();
  }
  ApplyVisibility();
  SetModeDownStates();
  EnableControls(false);
  return usable;
}

void TMainController::ShowWelcome() {
  TMessageBox(icInformation)
      .AddLine(MainFormText::tr("Welcome to Kolibra: mechanics from video."))
      .AddLine(MainFormText::tr(
          "Calibrate the scale, place the axes, then click on the moving object in each frame."))
      .AddEmptyLine()
      .AddLine(MainFormText::tr("Another video opens with « File » › « Open video... » (Ctrl+O)."))
      .AddButton(MainFormText::tr("Ok"))
      .SetTimeout(5000)
      .Execute();
}

bool TMainController::OpenStartVideo(const QString &commandLineFile, int seconds) {
  TSampleVideos samples;
  const bool written = !TemporaryFolder.isEmpty() && WriteSampleVideos(TemporaryFolder, samples);
  if (!commandLineFile.isEmpty()) return OpenVideo(commandLineFile);
  if (!written) {
    TMessageBox(icWarning)
        .AddLine(MainFormText::tr("Unable to write video file on disk"))
        .AddButton(MainFormText::tr("Ok"))
        .Execute();
    return false;
  }
  return OpenVideo(ChooseSample(samples, seconds));
}

bool TMainController::WaitUntilIdle() {
  if (!BusyState.IsBusy()) return true;
  // The flag outlives this call: an activity that ends later runs the action from its End.
  const auto ended = std::make_shared<bool>(false);
  BusyState.Request([ended] { *ended = true; });
  return *ended;
}

void TMainController::SetTracker(tracking::TTracking *tracker) {
  TrackingPart.reset();
  if (tracker != nullptr) TrackingPart = std::make_unique<TMainTracking>(*this, *tracker);
}

bool TMainController::CloseRequested() {
  // A long loop ends first; one that cannot be stopped, or not at once, keeps the window open.
  if (!WaitUntilIdle()) return false;
  if (TrackingPart) TrackingPart->CommitBeforeLeaving();
  if (!Options.CheckBox3ConfirmationQuit_Checked) {
    StopActivities();
    return true;
  }
  // Nothing would be lost: the program just closes.
  if (HasUnsavedWork && !HasUnsavedWork()) {
    StopActivities();
    return true;
  }
  TMessageBox box(icConfirmation);
  QStringList buttons;
  const bool canSave = VideoOpen() && SaveWork;
  if (canSave) {
    buttons << MainFormText::tr("Save");
    box.AddLine(MainFormText::tr("Save project to file"));
  }
  buttons << MainFormText::tr("Cancel") << MainFormText::tr("Quit");
  box.AddLine(MainFormText::tr("Cancel closing")).AddLine(MainFormText::tr("Exit program now"));
  for (const QString &button : buttons) box.AddButton(button);
  const int answer = box.Execute();
  if (answer < 0 || answer >= buttons.size()) return false;
  const QString pressed = buttons[answer];
  if (pressed == MainFormText::tr("Cancel")) return false;
  if (pressed == MainFormText::tr("Save") && !SaveWork()) return false;
  StopActivities();
  return true;
}

void TMainController::StopActivities() {
  Video.Stop();
  if (TrackingPart) TrackingPart->Stop();
  if (CapturePart) CapturePart->Stop();
}

void TMainController::SetCapture(capture::TCapture *capture) {
  CapturePart.reset();
  if (capture != nullptr) CapturePart = std::make_unique<TMainCapture>(*this, *capture);
}

void TMainController::SetStudio(studio::TStudio *studio) {
  StudioPart.reset();
  if (studio != nullptr) StudioPart = std::make_unique<TMainStudio>(*this, *studio);
}

// ---------------------------------------------------------------------------------------------
// Opening a video
// ---------------------------------------------------------------------------------------------

bool TMainController::ConfirmChange(int reason) {
  if (!VideoOpen() || !Options.CheckBox4ConfirmationFileChange_Checked) return true;
  if (HasUnsavedWork && !HasUnsavedWork()) return true;
  TMessageBox box(icConfirmation);
  QStringList buttons;
  if (SaveWork) {
    buttons << MainFormText::tr("Save");
    box.AddLine(MainFormText::tr("Save project to file"));
  }
  buttons << MainFormText::tr("Cancel") << MainFormText::tr("Ignore");
  box.AddLine(reason == 0 ? MainFormText::tr("Cancel opening")
                          : MainFormText::tr("Cancel closing"));
  box.AddLine(MainFormText::tr("Ignore saving and continue"));
  for (const QString &button : buttons) box.AddButton(button);
  const int answer = box.Execute();
  if (answer < 0 || answer >= buttons.size()) return false;
  const QString pressed = buttons[answer];
  if (pressed == MainFormText::tr("Save")) return SaveWork();
  return pressed == MainFormText::tr("Ignore");
}

bool TMainController::OpenVideo(const QString &fileName) {
  if (!WaitUntilIdle()) return false;
  // Positions found by the tracker are offered before the work is saved or replaced.
  if (TrackingPart) TrackingPart->CommitBeforeLeaving();
  if (OpenWorkFile && QFileInfo(fileName).suffix().compare(QLatin1String("klb"), Qt::CaseInsensitive) == 0)
    return OpenWorkFile(fileName);
  // A file that will not open must not cost the work in hand: it is tried before the user is
  // asked to save, and the current video, marks and title stay as they are when it fails.
  if (!QFileInfo(fileName).isFile()) {
    ReportMissingVideo(fileName);
    return false;
  }
  if (VideoProblem) {
    const QString problem = VideoProblem(fileName);
    if (!problem.isEmpty()) {
      ReportUnreadableVideo(fileName, problem);
      return false;
    }
  }
  if (!ConfirmChange(0)) return false;
  return LoadVideo(fileName);
}

void TMainController::ReportMissingVideo(const QString &fileName) {
  TMessageBox(icWarning)
      .AddFileName(fileName)
      .AddEmptyLine()
      .AddLine(MainFormText::tr("Unable to open this video file."))
      .AddLine(MainFormText::tr("Check that it has not been moved."))
      .AddButton(MainFormText::tr("Ok"))
      .Execute();
}

void TMainController::ReportUnreadableVideo(const QString &fileName, const QString &reason) {
  TMessageBox box(icWarning);
  box.AddFileName(fileName).AddEmptyLine().AddLine(
      MainFormText::tr("Can not open this video file. Possible Problems and suggestions:"));
  for (const QString &line : reason.split(QRegularExpression(QStringLiteral("\r?\n")))) box.AddLine(line);
  box.AddButton(MainFormText::tr("Ok")).Execute();
}

bool TMainController::LoadVideo(const QString &fileName, bool proposeTimeBase) {
  if (!QFileInfo(fileName).isFile()) {
    ReportMissingVideo(fileName);
    return false;
  }
  RecentFiles.SetDirectory(QFileInfo(fileName).absolutePath());
  if (!Video.Open(fileName)) {
    View.LayoutView();
    ReportUnreadableVideo(fileName, Video.OpenErrorText());
    EnableControls(false);
    return false;
  }
  DocumentToolChanged();
  if (CapturePart) CapturePart->VideoOpened();
  if (VideoOpened) VideoOpened();
  EnableControls(true);
  if (Data.UsesVideoTimes()) {
    TMessageBox(icInformation)
        .AddLine(MainFormText::tr("The frames of this video do not all last the same time."))
        .AddLine(
            MainFormText::tr("Each frame's time is the one the video gives it (its time stamp);"))
        .AddLine(MainFormText::tr("the command « Time between two frames » of the « Measurements » "
                                  "menu can set a regular "
                                  "interval instead."))
        .AddButton(MainFormText::tr("Ok"))
        .Execute();
  } else if (Video.VariableRate()) {
    TMessageBox(icInformation)
        .AddLine(MainFormText::tr("The frames of this video do not all last the same time."))
        .AddLine(MainFormText::tr("Times are computed from the mean interval between two frames,"))
        .AddLine(MainFormText::tr(
            "which the command « Time between two frames » of the « Measurements » menu sets."))
        .AddButton(MainFormText::tr("Ok"))
        .Execute();
  }
  if (proposeTimeBase) ProposeCaptureInterval();
  return true;
}

void TMainController::SetOrientationIgnored(bool ignored) {
  if (!VideoOpen() || ignored == Video.OrientationIgnored()) return;
  // Only marks lie on the pictures: without any, nothing is lost.
  const bool marked = Data.FixedMarks().MarksCount() + Data.LayerMarks().MarksCount() > 0;
  if (marked && !ConfirmChange(0)) return;
  Video.SetOrientationIgnored(ignored);
  const double interval = Data.FrameInterval();
  AfterOpening();
  Data.SetFrameInterval(interval);
}

void TMainController::ProposeCaptureInterval() {
  const double stored = Video.FrameInterval() > 0.0 ? 1.0 / Video.FrameInterval() : 0.0;
  const double capture = Video.CaptureRate();
  if (!measurement::IsSlowMotion(capture, stored)) return;
  const QString interval = GeneralFormat(1.0 / capture, 4);
  const int answer =
      TMessageBox(icConfirmation)
          .AddLine(measurement::SlowMotionLine(capture, stored))
          .AddLine(
              MainFormText::tr("Its true interval between two frames is T = %1 s.").arg(interval))
          .AddButton(MainFormText::tr("Use T = %1 s").arg(interval))
          .AddButton(MainFormText::tr("Keep T = %1 s").arg(GeneralFormat(1.0 / stored, 4)))
          .SetDefaultButton(0)
          .Execute();
  if (answer != 0) return;
  // Filmed at a steady high rate: the stamps, written at the playback rate, would undo it.
  Data.SetFrameInterval(1.0 / capture);
  Data.SetUseVideoTimes(false);
}

void TMainController::AfterOpening() {
  if (ClearResults) ClearResults();
  if (StudioPart) StudioPart->AfterOpening();
  Data.NewMeasurement();
  View.LayoutView();
  Video.UpdateCursor();
  RefreshNavigationBoxes();
  View.ShowVideoView();
  Refresh(rfBoxes);
}

// ---------------------------------------------------------------------------------------------
// Enabled states
// ---------------------------------------------------------------------------------------------

void TMainController::EnableControls(bool flag) {
  ControlsEnabled = flag;
  if (!flag) NavigationAllowed = true;
  RefreshCaption();
  ApplyEnabled();
  if (!flag) {
    for (QString &box : Boxes) box.clear();
    TrackPosition = TrackMaximum = 0;
  } else {
    RefreshBoxes();
  }
  Refresh(rfAll);
}

void TMainController::RefreshCaption() {
  if (!ControlsEnabled || !VideoOpen())
    WindowCaption = QStringLiteral("Kolibra");
  else
    WindowCaption = WorkCaption ? WorkCaption() : QDir::toNativeSeparators(Video.VideoFileName());
  Refresh(rfCaption);
}

void TMainController::ApplyEnabled() {
  const bool open = ControlsEnabled && VideoOpen();
  const int mode = Video.Mode();
  for (int i = 0; i < ControlCount; ++i) {
    const TControl c = TControl(i);
    TControlState &state = States[size_t(i)];
    switch (ControlGroup(c)) {
      case cgMode:
        state.Enabled = c == ButtonModeCapture || c == ButtonModeStudio || open;
        break;
      case cgTool:
        state.Enabled = WorksWithoutVideo(c) || open;
        if (!state.Enabled) state.Down = false;
        break;
      case cgResult:
        state.Enabled = open;
        break;
      case cgNavigation:
        state.Enabled = open && mode != vmCapture && NavigationAllowed;
        break;
      case cgBox:
        state.Enabled = open && mode != vmCapture;
        if (c == EditImage) state.Enabled = state.Enabled && NavigationAllowed;
        if (c == EditAngle) state.Enabled = state.Enabled && mode == vmRepereFixe;
        if (c == EditMarque) state.Enabled = state.Enabled && mode != vmTracking;
        break;
    }
  }
  if (TrackingPart) TrackingPart->AdjustEnabled();
  if (StudioPart) StudioPart->AdjustEnabled();
  if (CapturePart) CapturePart->AdjustEnabled();
  if (DownTool != ControlCount && !States[size_t(DownTool)].Enabled) DownTool = ControlCount;
}

bool TMainController::MeasurementMenusEnabled() const { return Video.Mode() != vmCapture; }

const QString &TMainController::BoxText(TControl box) const {
  static const QString none;
  if (box < EditImage || box > EditAngle) return none;
  return Boxes[size_t(box - EditImage)];
}

TMainLayout TMainController::Layout(TLayoutInput input) const {
  input.VideoOpen = VideoOpen();
  input.FrameWidth = Video.FrameWidth();
  input.FrameHeight = Video.FrameHeight();
  return ComputeMainLayout(input);
}

}  // namespace kolibra::mainwindow
