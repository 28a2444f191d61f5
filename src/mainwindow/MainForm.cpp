// The main window's life: creation in the order the objects need each other, the start-up
// timer, closing, the keyboard, the mouse wheel, files dropped on the window, and the
// copy of the controller's states into the widgets.

#include "mainwindow/MainForm.h"

#include "editing/Montage.h"
#include "editing/windows/BoiteInstant.h"
#include "formulas/Formules.h"
#include "kit/Hint.h"
#include "kit/IniFile.h"
#include "mainwindow/MainTexts.h"
#include "measurement/Data.h"
#include "measurement/GraphUtils.h"
#include "settings/Options.h"
#include "tracking/Tracking.h"
#include "capture/Capture.h"
#include "capture/windows/BoiteCapture.h"
#include "studio/Studio.h"
#include "videoview/windows/Video.h"

#include <QAction>
#include <QCloseEvent>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QLabel>
#include <QDragEnterEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenuBar>
#include <QMimeData>
#include <QProgressBar>
#include <QScreen>
#include <QScrollBar>
#include <QSpinBox>
#include <QSlider>
#include <QStatusBar>
#include <QTime>
#include <QToolBar>
#include <QToolButton>

namespace kolibra::mainwindow {

TMainForm::TMainForm(const TMainFormSettings &settings, QWidget *parent) : QMainWindow(parent), FSettings(settings) {
  FOptions = std::make_unique<settings::TOptions>(settings.OptionsFile.isEmpty() ? settings::OptionsFileName()
                                                                                : settings.OptionsFile);
  setObjectName(QStringLiteral("MainForm"));
  setWindowTitle(QStringLiteral("Kolibra"));
  setFont(QFont(QStringLiteral("Arial"), 10));
  setMinimumSize(632, 452);
  if (const QScreen *screen = QGuiApplication::primaryScreen()) setGeometry(screen->availableGeometry());
  setAcceptDrops(true);
  setFocusPolicy(Qt::StrongFocus);

  FProgressBar = new QProgressBar(this);
  FProgressBar->setObjectName(QStringLiteral("ProgressBar"));
  FProgressBar->hide();
  statusBar()->setObjectName(QStringLiteral("StatusBar"));
  statusBar()->addPermanentWidget(FProgressBar);

  measurement::CreateGraphUtils();
  FVideoArea = new QWidget(this);
  FVideoArea->setObjectName(QStringLiteral("VideoArea"));
  FVideoArea->setAutoFillBackground(true);
  QPalette black = FVideoArea->palette();
  black.setColor(QPalette::Window, Qt::black);
  FVideoArea->setPalette(black);
  setCentralWidget(FVideoArea);
  FVideoArea->installEventFilter(this);

  FVideo = new videoview::TVideo(FVideoArea, settings.WrapperFolder);
  FVideo->setObjectName(QStringLiteral("Video"));
  FVideo->installEventFilter(this);
  FData = std::make_unique<measurement::TData>(FVideo->Model(), *FOptions);
  FVideo->Model().SetDocument(FData.get());
  FTracking = std::make_unique<tracking::TTracking>(FVideo->Model(), *FData, *FOptions);
  FVideo->Model().SetTracker(FTracking.get());
  FController = std::make_unique<TMainController>(FVideo->Model(), *FData, *FOptions, *this,
                                                   settings.Dialogs != nullptr ? *settings.Dialogs : *this);
  FController->SetTracker(FTracking.get());
  CreateStudio();
  CreateCapture();

  CreateBars();
  CreatePanel();
  CreateMenus();
  FBoiteValeur.Font = font();
  FBoiteProprietes.Font = font();
  FBoiteTemps.Font = font();
  FBoiteTemps.OnApplyDefault = [this](double seconds) { FData->SetFrameInterval(seconds); };
  CreateWork();
  CreateWriting();
  CreateResults();

  FController->Start(settings.TemporaryFolder.isEmpty() ? settings::TemporaryFolder() : settings.TemporaryFolder);
  // After Start, which tells the list which folder is the temporary one.
  LoadRecentFiles();

  FStartTimer.setSingleShot(true);
  connect(&FStartTimer, &QTimer::timeout, this, [this] { TimerTimer(); });
  Refresh(rfAll);
}

TMainForm::~TMainForm() {
  FStartTimer.stop();
  DestroyWriting();
  DestroyResults();
  DestroyWork();
  // The controller lets go of the view's and the document's events before they go.
  FController.reset();
  // The tracker and the document draw on the view: they go first, then the view and its
  // readers.
  FVideo->Model().SetTracker(nullptr);
  FTracking.reset();
  DestroyStudio();
  DestroyCapture();
  // The document draws on the view: it goes first, then the view and its readers.
  FVideo->Model().SetDocument(nullptr);
  FData.reset();
  delete FVideo;
  FVideo = nullptr;
}

// ---------------------------------------------------------------------------------------------
// Start and end
// ---------------------------------------------------------------------------------------------

void TMainForm::showEvent(QShowEvent *event) {
  QMainWindow::showEvent(event);
  if (FShown) return;
  FShown = true;
  activateWindow();
  setFocus();
  if (FSettings.StartTimer) FStartTimer.start(1200);
  if (FSettings.Welcome) QTimer::singleShot(0, this, [this] { FController->ShowWelcome(); });
}

void TMainForm::TimerTimer() {
  FStartTimer.stop();
  FController->OpenStartVideo(FSettings.StartFile, QTime::currentTime().second());
}

void TMainForm::closeEvent(QCloseEvent *event) {
  if (!FController->CloseRequested()) {
    event->ignore();
    return;
  }
  SaveRecentFiles();
  event->accept();
}

bool TMainForm::OpenVideo(const QString &fileName) { return FController->OpenVideo(fileName); }

// ---------------------------------------------------------------------------------------------
// Refresh: the controller's states into the widgets
// ---------------------------------------------------------------------------------------------

void TMainForm::Refresh(unsigned what) {
  if (FRefreshing || FModeBar == nullptr) return;
  FRefreshing = true;
  if (what & rfControls) {
    for (int i = 0; i < ControlCount; ++i) {
      const TControl c = TControl(i);
      const TControlState &state = FController->State(c);
      if (QAction *action = FActions[size_t(i)]) {
        action->setVisible(state.Visible);
        action->setEnabled(state.Enabled);
        if (action->isCheckable()) action->setChecked(state.Down);
      } else if (QWidget *widget = FControls[size_t(i)]) {
        widget->setVisible(state.Visible);
        widget->setEnabled(state.Enabled);
      }
    }
    UpdateMenus();
    UpdateCaptureControls();
  }
  if (what & rfBoxes) {
    for (TControl box : {EditImage, EditMarque, EditZoom, EditAngle})
      static_cast<QLineEdit *>(FControls[size_t(box)])->setText(FController->BoxText(box));
  }
  if (what & rfTrackBar) {
    const QSignalBlocker blocker(FTrackBar);
    FTrackBar->setMaximum(FController->TrackBarMaximum());
    FTrackBar->setValue(FController->TrackBarPosition());
  }
  if (what & rfCaption) setWindowTitle(FController->Caption());
  if (what & rfViewHint) {
    const QString hint = LongHint(FController->ViewHint());
    FVideo->setStatusTip(hint);
    if (FVideo->underMouse()) ShowStatusHint(hint);
  }
  FRefreshing = false;
}

void TMainForm::ShowStatusHint(const QString &hint) { statusBar()->showMessage(hint); }

void TMainForm::ShowVideoView() { FVideo->show(); }

// ---------------------------------------------------------------------------------------------
// Dialogs
// ---------------------------------------------------------------------------------------------

settings::TValueResult TMainForm::AskValue(settings::TTypeSaisie kind, const settings::TValueContext &context,
                                           settings::TTypeSaisieLongueur lengthKind) {
  return FBoiteValeur.Execute(kind, context, lengthKind);
}

bool TMainForm::AskFrameInterval(measurement::TTimeBaseChoice &choice) { return FBoiteTemps.Execute(choice); }

bool TMainForm::AskCheckerboard(int &columns, int &rows) {
  QDialog dialog(this);
  dialog.setObjectName(QStringLiteral("BoiteDamier"));
  dialog.setWindowTitle(MainTr("Lens from a checkerboard"));
  auto *layout = new QFormLayout(&dialog);
  auto *explanation = new QLabel(MainTr("Film a printed checkerboard held at a few different angles, filling much of the "
                                        "picture. Count its inner corners, where four squares meet."),
                                 &dialog);
  explanation->setWordWrap(true);
  layout->addRow(explanation);
  const auto field = [&](const QString &name, int value) {
    auto *box = new QSpinBox(&dialog);
    box->setObjectName(name);
    box->setRange(3, 60);
    box->setValue(value);
    return box;
  };
  QSpinBox *across = field(QStringLiteral("EditColonnes"), columns);
  QSpinBox *down = field(QStringLiteral("EditLignes"), rows);
  layout->addRow(MainTr("Inner corners across"), across);
  layout->addRow(MainTr("Inner corners down"), down);
  auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
  connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  layout->addRow(buttons);
  if (dialog.exec() != QDialog::Accepted) return false;
  columns = across->value();
  rows = down->value();
  return true;
}

bool TMainForm::AskPlaneSize(double &width, double &height) {
  QDialog dialog(this);
  dialog.setObjectName(QStringLiteral("BoitePlan"));
  dialog.setWindowTitle(MainTr("Size of the plane's rectangle"));
  auto *layout = new QFormLayout(&dialog);
  auto *explanation = new QLabel(
      MainTr("The width runs from the first corner clicked to the second, the height from the first to the fourth."), &dialog);
  explanation->setWordWrap(true);
  layout->addRow(explanation);
  const auto field = [&](const QString &name, double value) {
    auto *box = new QDoubleSpinBox(&dialog);
    box->setObjectName(name);
    box->setDecimals(3);
    box->setRange(0.001, 10000.0);
    box->setSuffix(QStringLiteral(" m"));
    box->setValue(value > 0.0 ? value : 1.0);
    return box;
  };
  QDoubleSpinBox *widthBox = field(QStringLiteral("EditLargeur"), width);
  QDoubleSpinBox *heightBox = field(QStringLiteral("EditHauteur"), height);
  layout->addRow(MainTr("Width"), widthBox);
  layout->addRow(MainTr("Height"), heightBox);
  auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
  connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  layout->addRow(buttons);
  widthBox->selectAll();
  if (dialog.exec() != QDialog::Accepted) return false;
  width = widthBox->value();
  height = heightBox->value();
  return true;
}

// ---------------------------------------------------------------------------------------------
// Keyboard, wheel, drops and the events of the children
// ---------------------------------------------------------------------------------------------

void TMainForm::keyPressEvent(QKeyEvent *event) {
  if (!FVideo->Model().IsOpen()) {
    QMainWindow::keyPressEvent(event);
    return;
  }
  if (event->key() == Qt::Key_Space && !event->isAutoRepeat()) ShowPopupMenu();
  FController->KeyDown(event->key(), event->modifiers());
  event->accept();
}

void TMainForm::wheelEvent(QWheelEvent *event) {
  QScrollBar *bar = FVideo->VertScrollBar();
  if (!bar->isVisible() || event->angleDelta().y() == 0) {
    QMainWindow::wheelEvent(event);
    return;
  }
  bar->triggerAction(event->angleDelta().y() < 0 ? QAbstractSlider::SliderSingleStepAdd
                                                 : QAbstractSlider::SliderSingleStepSub);
  event->accept();
}

void TMainForm::dragEnterEvent(QDragEnterEvent *event) {
  const QMimeData *mime = event->mimeData();
  if (mime->hasUrls() && !mime->urls().isEmpty() && mime->urls().first().isLocalFile()) event->acceptProposedAction();
}

void TMainForm::dropEvent(QDropEvent *event) {
  const QList<QUrl> urls = event->mimeData()->urls();
  if (urls.isEmpty() || !urls.first().isLocalFile()) return;
  event->acceptProposedAction();
  const QString file = urls.first().toLocalFile();
  // The drop must end before a message box may open.
  QTimer::singleShot(0, this, [this, file] { OpenVideo(file); });
}

bool TMainForm::eventFilter(QObject *watched, QEvent *event) {
  switch (event->type()) {
    case QEvent::KeyPress:
      if (watched != this) {
        keyPressEvent(static_cast<QKeyEvent *>(event));
        return true;
      }
      break;
    case QEvent::Resize:
      if (watched == FVideoArea) LayoutView();
      if (watched == FPanel) LayoutPanel();
      break;
    case QEvent::MouseButtonPress:
      for (TControl box : {EditImage, EditMarque, EditZoom, EditAngle}) {
        if (watched == FControls[size_t(box)] &&
            static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
          FController->ControlClicked(box);
          return true;
        }
      }
      break;
    case QEvent::Enter:
      if (watched == FVideo) ShowStatusHint(FVideo->statusTip());
      break;
    case QEvent::Leave:
      if (watched == FVideo) statusBar()->clearMessage();
      break;
    default:
      break;
  }
  return QMainWindow::eventFilter(watched, event);
}

}  // namespace kolibra::mainwindow
