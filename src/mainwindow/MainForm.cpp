// The main window's life: creation in the order the objects need each other, the start-up
// timer, closing, the keyboard, the mouse wheel, files dropped on the window, and the
// copy of the controller's states into the widgets.

#include "mainwindow/MainForm.h"

#include "capture/Capture.h"
#include "capture/windows/BoiteCapture.h"
#include "editing/Montage.h"
#include "editing/windows/BoiteInstant.h"
#include "formulas/Formules.h"
#include "kit/Hint.h"
#include "kit/IniFile.h"
#include "kit/Texts.h"
#include "measurement/Data.h"
#include "measurement/GraphUtils.h"
#include "settings/Options.h"
#include "studio/Studio.h"
#include "tracking/Tracking.h"
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
#include <QLabel>
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
  FRecoveryProblem = new QLabel(this);
  FRecoveryProblem->setObjectName(QStringLiteral("RecoveryProblem"));
  FRecoveryProblem->hide();
  statusBar()->addPermanentWidget(FRecoveryProblem);

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
  // Work a crash left behind comes before a sample video.
  if (FSettings.OfferRecovery &&
      FWork->OfferRecovery(FSettings.RecoveryDialog != nullptr ? *FSettings.RecoveryDialog : *this))
    return;
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

namespace main_form_impl {

// A small dialog asking two numbers: an explanation above them, Ok and Cancel below.
class TTwoNumbersDialog {
 public:
  TTwoNumbersDialog(QWidget *parent, const QString &name, const QString &title, const QString &explanation)
      : Dialog(parent), Layout(new QFormLayout(&Dialog)) {
    Dialog.setObjectName(name);
    Dialog.setWindowTitle(title);
    auto *text = new QLabel(explanation, &Dialog);
    text->setWordWrap(true);
    Layout->addRow(text);
  }
  template <typename TBox>
  TBox *Add(const QString &name, const QString &label) {
    auto *box = new TBox(&Dialog);
    box->setObjectName(name);
    Layout->addRow(label, box);
    return box;
  }
  bool Execute() {
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &Dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &Dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &Dialog, &QDialog::reject);
    Layout->addRow(buttons);
    return Dialog.exec() == QDialog::Accepted;
  }

 private:
  QDialog Dialog;
  QFormLayout *Layout;
};

}  // namespace main_form_impl

bool TMainForm::AskCheckerboard(int &columns, int &rows) {
  main_form_impl::TTwoNumbersDialog dialog(
      this, QStringLiteral("BoiteDamier"), MainFormText::tr("Lens from a checkerboard"),
      MainFormText::tr("Film a printed checkerboard held at a few different angles, filling "
                       "much of the picture. Count its inner corners, where four squares meet."));
  auto *across = dialog.Add<QSpinBox>(QStringLiteral("EditColonnes"),
                                      MainFormText::tr("Inner corners across"));
  auto *down =
      dialog.Add<QSpinBox>(QStringLiteral("EditLignes"), MainFormText::tr("Inner corners down"));
  for (QSpinBox *box : {across, down}) box->setRange(3, 60);
  across->setValue(columns);
  down->setValue(rows);
  if (!dialog.Execute()) return false;
  columns = across->value();
  rows = down->value();
  return true;
}

bool TMainForm::AskPlaneSize(double &width, double &height) {
  main_form_impl::TTwoNumbersDialog dialog(
      this, QStringLiteral("BoitePlan"), MainFormText::tr("Size of the plane's rectangle"),
      MainFormText::tr("The width runs from the first corner clicked to the second, the height "
                       "from the first to the fourth."));
  auto *widthBox =
      dialog.Add<QDoubleSpinBox>(QStringLiteral("EditLargeur"), MainFormText::tr("Width"));
  auto *heightBox =
      dialog.Add<QDoubleSpinBox>(QStringLiteral("EditHauteur"), MainFormText::tr("Height"));
  for (QDoubleSpinBox *box : {widthBox, heightBox}) {
    box->setDecimals(3);
    box->setRange(0.001, 10000.0);
    box->setSuffix(QStringLiteral(" m"));
  }
  widthBox->setValue(width > 0.0 ? width : 1.0);
  heightBox->setValue(height > 0.0 ? height : 1.0);
  widthBox->selectAll();
  if (!dialog.Execute()) return false;
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
