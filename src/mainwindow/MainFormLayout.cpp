// The four tool areas, their buttons, the panel of the bottom edge and where the view and
// the panel's pieces go.

#include "kit/Hint.h"
#include "mainwindow/Icons.h"
#include "mainwindow/MainForm.h"
#include "videoview/windows/Video.h"

#include <QAction>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QSlider>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>

namespace kolibra::mainwindow {

namespace main_form_layout {

QToolBar *MakeBar(QMainWindow *window, const QString &name, Qt::ToolBarArea area, QSize iconSize) {
  QToolBar *bar = new QToolBar(window);
  bar->setObjectName(name);
  bar->setMovable(false);
  bar->setFloatable(false);
  bar->setIconSize(iconSize);
  bar->setContextMenuPolicy(Qt::PreventContextMenu);
  bar->setFocusPolicy(Qt::NoFocus);
  window->addToolBar(area, bar);
  return bar;
}

// The boxes of the panel: read-only, in the panel's green, a click is a command.
QLineEdit *MakeBox(QWidget *panel, TControl control) {
  QLineEdit *box = new QLineEdit(panel);
  box->setObjectName(ControlName(control));
  box->setReadOnly(true);
  box->setFocusPolicy(Qt::NoFocus);
  box->setCursor(Qt::ArrowCursor);
  box->setToolTip(ShortHint(ControlHint(control)));
  box->setStatusTip(LongHint(ControlHint(control)));
  box->setTextMargins(0, 0, 0, 0);
  QPalette palette = box->palette();
  palette.setColor(QPalette::Base, QColor(196, 223, 155));
  palette.setColor(QPalette::Text, Qt::black);
  box->setPalette(palette);
  return box;
}

}  // namespace main_form_layout

QToolButton *TMainForm::CreateButton(TControl control, QToolBar *bar, QSize iconSize) {
  const QString hint = ControlHint(control);
  QAction *action = new QAction(ControlIcon(control, iconSize), ShortHint(hint), this);
  action->setObjectName(QStringLiteral("Action") + ControlName(control));
  action->setToolTip(ShortHint(hint));
  action->setStatusTip(LongHint(hint));
  action->setCheckable(IsModeButton(control) || IsToolButton(control));
  connect(action, &QAction::triggered, this, [this, control] { FController->ControlClicked(control); });
  bar->addAction(action);
  QToolButton *button = qobject_cast<QToolButton *>(bar->widgetForAction(action));
  button->setObjectName(ControlName(control));
  button->setFocusPolicy(Qt::NoFocus);
  FActions[size_t(control)] = action;
  FControls[size_t(control)] = button;
  return button;
}

void TMainForm::CreateBars() {
  using main_form_layout::MakeBar;
  FModeBar = MakeBar(this, QStringLiteral("ToolBarMode"), Qt::TopToolBarArea, QSize(48, 32));
  FModeBar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
  for (int i = ButtonModeRepereFixe; i <= ButtonModeCapture; ++i) CreateButton(TControl(i), FModeBar, QSize(48, 32));

  FToolBar = MakeBar(this, QStringLiteral("ToolBarOutils"), Qt::LeftToolBarArea, QSize(32, 32));
  for (int i = ButtonOutilZoom; i <= ButtonTrackSuivi; ++i) {
    CreateButton(TControl(i), FToolBar, QSize(32, 32));
    // The view's two tools, then the document's, then each subsystem's group.
    if (i == ButtonOutilPan || i == ButtonOutilLentille) FToolBar->addSeparator();
  }

  FResultBar = MakeBar(this, QStringLiteral("ToolBarResultats"), Qt::RightToolBarArea, QSize(32, 32));
  for (int i = ButtonMenuTableau; i <= ButtonMenuFormule; ++i) CreateButton(TControl(i), FResultBar, QSize(32, 32));
}

void TMainForm::CreatePanel() {
  FPanelBar = main_form_layout::MakeBar(this, QStringLiteral("PageScrollerPanel"), Qt::BottomToolBarArea, QSize(24, 24));
  FPanelBar->setContentsMargins(0, 0, 0, 0);
  FPanelBar->layout()->setContentsMargins(0, 0, 0, 0);
  FPanelBar->layout()->setSpacing(0);
  FPanel = new QWidget(FPanelBar);
  FPanel->setObjectName(QStringLiteral("Panel"));
  FPanel->setFixedHeight(38);
  FPanel->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
  FPanel->installEventFilter(this);
  FPanelBar->addWidget(FPanel);

  for (int i = ButtonVideoLecture; i <= ButtonVideoAvance; ++i) {
    const TControl control = TControl(i);
    if (control == TrackBar) continue;
    QToolButton *button = new QToolButton(FPanel);
    const QString hint = ControlHint(control);
    button->setObjectName(ControlName(control));
    button->setIcon(ControlIcon(control, QSize(24, 24)));
    button->setIconSize(QSize(24, 24));
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setToolTip(ShortHint(hint));
    button->setStatusTip(LongHint(hint));
    connect(button, &QToolButton::clicked, this, [this, control] { FController->ControlClicked(control); });
    FControls[size_t(i)] = button;
  }
  FTrackBar = new QSlider(Qt::Horizontal, FPanel);
  FTrackBar->setObjectName(ControlName(TrackBar));
  FTrackBar->setFocusPolicy(Qt::NoFocus);
  FTrackBar->setToolTip(ControlHint(TrackBar));
  FTrackBar->setStatusTip(ControlHint(TrackBar));
  connect(FTrackBar, &QSlider::valueChanged, this, [this](int value) {
    if (!FRefreshing) FController->TrackBarChanged(value);
  });
  FControls[size_t(TrackBar)] = FTrackBar;
  for (TControl box : {EditImage, EditMarque, EditZoom, EditAngle}) {
    QLineEdit *edit = main_form_layout::MakeBox(FPanel, box);
    edit->installEventFilter(this);
    FControls[size_t(box)] = edit;
  }
}

TLayoutInput TMainForm::LayoutSizes() const {
  TLayoutInput in;
  const int menu = menuBar()->isVisible() ? menuBar()->height() : 0;
  in.Width = width();
  in.Height = height() - menu;
  in.ModeBarHeight = FModeBar->isVisible() ? FModeBar->height() : 0;
  in.ToolBarWidth = FToolBar->isVisible() ? FToolBar->width() : 0;
  in.ResultBarWidth = FResultBar->isVisible() ? FResultBar->width() : 0;
  in.PanelHeight = FPanelBar->isVisible() ? FPanelBar->height() : 0;
  in.StatusBarHeight = statusBar()->isVisible() ? statusBar()->height() : 0;
  in.ButtonWidth = 32;
  return in;
}

void TMainForm::LayoutView() {
  const TMainLayout layout = FController->Layout(LayoutSizes());
  const QRect area = FVideoArea->rect();
  FVideo->Model().SetTitleSize(area.width(), area.height());
  if (!FVideo->Model().IsOpen()) {
    FVideo->setGeometry(area);
    return;
  }
  // The rule works in the window's client area below the menu; the view lives in the area
  // between the bars.
  const int menu = menuBar()->isVisible() ? menuBar()->height() : 0;
  const QPoint origin = FVideoArea->mapTo(this, QPoint(0, 0)) - QPoint(0, menu);
  FVideo->setGeometry(layout.View.translated(-origin).intersected(area));
}

void TMainForm::LayoutPanel() {
  TLayoutInput in;
  in.Width = FPanel->width();
  in.PanelHeight = FPanel->height();
  in.ButtonWidth = 32;
  const TMainLayout layout = ComputeMainLayout(in);
  FControls[size_t(EditImage)]->setGeometry(layout.EditImage);
  FControls[size_t(EditMarque)]->setGeometry(layout.EditMarque);
  FControls[size_t(EditZoom)]->setGeometry(layout.EditZoom);
  FControls[size_t(EditAngle)]->setGeometry(layout.EditAngle);
  FTrackBar->setGeometry(layout.TrackBar);
  const TControl buttons[] = {ButtonVideoLecture, ButtonVideoPause, ButtonVideoRetour,
                              ButtonVideoPred,    ButtonVideoSucc,  ButtonVideoAvance};
  const TNavigationSlot places[] = {nsLecture, nsPause, nsRetour, nsPred, nsSucc, nsAvance};
  for (int i = 0; i < 6; ++i) FControls[size_t(buttons[i])]->setGeometry(layout.Buttons[places[i]]);
}

}  // namespace kolibra::mainwindow
