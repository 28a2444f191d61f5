#include "printing/windows/BoiteImprimer.h"

#include "kit/Hint.h"
#include "printing/GraphSnapshot.h"
#include "printing/windows/GmPreview.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QEvent>
#include <QFontComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QSlider>
#include <QStatusBar>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace kolibra::printing {

namespace boite_imprimer {

constexpr int TitleGroupWidth = 230;
constexpr int ButtonSize = 34;

double ScreenPixelsPerInch() {
  const QScreen *screen = QGuiApplication::primaryScreen();
  return screen != nullptr ? screen->logicalDotsPerInch() : 96.0;
}

// A small sheet for the speed buttons: the sheet's outline and, when given, the picture's
// place on it (fractions of the sheet).
QIcon SheetIcon(bool landscape, const QRectF &picture) {
  QPixmap pixmap(ButtonSize - 8, ButtonSize - 8);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  const double w = landscape ? pixmap.width() - 2 : (pixmap.width() - 2) * 0.72;
  const double h = landscape ? (pixmap.height() - 2) * 0.72 : pixmap.height() - 2;
  const QRectF sheet((pixmap.width() - w) / 2, (pixmap.height() - h) / 2, w, h);
  painter.setPen(Qt::black);
  painter.setBrush(Qt::white);
  painter.drawRect(sheet);
  if (!picture.isEmpty()) {
    painter.setBrush(QColor(70, 110, 190));
    painter.setPen(Qt::NoPen);
    painter.drawRect(QRectF(sheet.left() + picture.left() * w, sheet.top() + picture.top() * h, picture.width() * w,
                            picture.height() * h));
  }
  return QIcon(pixmap);
}

QToolButton *SpeedButton(const QString &name, const QIcon &icon, QWidget *parent) {
  auto *button = new QToolButton(parent);
  button->setObjectName(name);
  button->setIcon(icon);
  button->setIconSize(QSize(ButtonSize - 8, ButtonSize - 8));
  button->setFixedSize(ButtonSize, ButtonSize);
  button->setAutoRaise(false);
  return button;
}

QLabel *ButtonLabel(const QString &name, const QString &text, QWidget *buddy, QWidget *parent) {
  auto *label = new QLabel(text, parent);
  label->setObjectName(name);
  label->setBuddy(buddy);
  return label;
}

}  // namespace boite_imprimer

using namespace boite_imprimer;

TUpDown::TUpDown(QWidget *parent) : QWidget(parent) {
  auto *layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  for (int direction : {1, -1}) {
    auto *button = new QToolButton(this);
    button->setObjectName(direction > 0 ? QStringLiteral("UpDownTitreUp") : QStringLiteral("UpDownTitreDown"));
    button->setArrowType(direction > 0 ? Qt::UpArrow : Qt::DownArrow);
    button->setAutoRepeat(true);
    button->setFixedSize(18, 12);
    connect(button, &QToolButton::clicked, this, [this, direction] { Step(direction); });
    layout->addWidget(button);
  }
}

void TUpDown::SetValue(int value) { Position = std::clamp(value, Min, Max); }

void TUpDown::Step(int steps) {
  SetValue(Position + steps * Increment);
  emit Changed(Position);
}

TBoiteImprimer::TBoiteImprimer(QWidget *parent) : QDialog(parent), PageLayout(ScreenPixelsPerInch()) {
  setObjectName(QStringLiteral("BoiteImprimer"));
  setWindowTitle(tr("Print"));
  setFont(QFont(QStringLiteral("Arial"), 10));
  setSizeGripEnabled(true);
  CreateControls();
  setMinimumSize(612, 452);
  if (const QScreen *screen = QGuiApplication::primaryScreen()) setGeometry(screen->availableGeometry());
  PlaceControls();
}

void TBoiteImprimer::SetHint(QWidget *widget, const QString &hint) {
  widget->setToolTip(ShortHint(hint));
  widget->setStatusTip(LongHint(hint));
  widget->installEventFilter(this);
}

bool TBoiteImprimer::eventFilter(QObject *watched, QEvent *event) {
  // The status bar shows the long hint of the control under the pointer.
  if (auto *widget = qobject_cast<QWidget *>(watched)) {
    if (event->type() == QEvent::Enter && !widget->statusTip().isEmpty())
      StatusBar->showMessage(widget->statusTip());
    else if (event->type() == QEvent::Leave && SavedMessage.isEmpty())
      StatusBar->clearMessage();
    else if (event->type() == QEvent::Leave)
      StatusBar->showMessage(SavedMessage);
  }
  return QDialog::eventFilter(watched, event);
}

void TBoiteImprimer::CreateControls() {
  GmPreview = new TGmPreview(PageLayout, this);
  SetHint(GmPreview->Page(), tr("|Pan or adjust frame dimensions with left mouse button"));
  SetHint(GmPreview, tr("|Pan or adjust frame dimensions with left mouse button"));
  connect(GmPreview, &TGmPreview::PageChanged, this, [this] { GmPreview->Redisplay(); });

  // Title.
  GroupBoxTitre = new QGroupBox(tr("Title"), this);
  GroupBoxTitre->setObjectName(QStringLiteral("GroupBoxTitre"));
  SetHint(GroupBoxTitre, tr("|Add a title"));
  EditTitre = new QLineEdit(GroupBoxTitre);
  EditTitre->setObjectName(QStringLiteral("EditTitre"));
  SetHint(EditTitre, tr("|Add a title"));
  FontComboBoxTitre = new QFontComboBox(GroupBoxTitre);
  FontComboBoxTitre->setObjectName(QStringLiteral("FontComboBoxTitre"));
  FontComboBoxTitre->setCurrentFont(QFont(QStringLiteral("Arial")));
  SetHint(FontComboBoxTitre, tr("|Select a font for title"));
  EditHauteur = new QLineEdit(GroupBoxTitre);
  EditHauteur->setObjectName(QStringLiteral("EditHauteur"));
  EditHauteur->setReadOnly(true);
  EditHauteur->setFixedWidth(44);
  SetHint(EditHauteur, tr("|Title font height"));
  UpDownTitre = new TUpDown(GroupBoxTitre);
  UpDownTitre->setObjectName(QStringLiteral("UpDownTitre"));
  SetHint(UpDownTitre, tr("|Change font height"));
  EditHauteur->setText(QString::number(UpDownTitre->Value()));
  auto *titleLayout = new QGridLayout(GroupBoxTitre);
  titleLayout->addWidget(EditTitre, 0, 0, 1, 3);
  titleLayout->addWidget(FontComboBoxTitre, 1, 0);
  titleLayout->addWidget(EditHauteur, 1, 1);
  titleLayout->addWidget(UpDownTitre, 1, 2);
  titleLayout->setColumnStretch(0, 1);
  connect(EditTitre, &QLineEdit::textChanged, this, [this] { EditTitreChange(); });
  connect(FontComboBoxTitre, &QFontComboBox::currentFontChanged, this, [this] { EditTitreChange(); });
  connect(UpDownTitre, &TUpDown::Changed, this, [this] { EditTitreChange(); });

  // Zoom.
  LabelZoom = new QLabel(tr("Zoom:"), this);
  LabelZoom->setObjectName(QStringLiteral("LabelZoom"));
  TrackBar = new QSlider(Qt::Horizontal, this);
  TrackBar->setObjectName(QStringLiteral("TrackBar"));
  TrackBar->setRange(TPrintLayout::MinZoom, TPrintLayout::MaxZoom);
  TrackBar->setValue(TPrintLayout::StartZoom);
  TrackBar->setTickInterval(10);
  TrackBar->setTickPosition(QSlider::TicksBelow);
  LabelZoom->setBuddy(TrackBar);
  connect(TrackBar, &QSlider::valueChanged, this, [this](int value) {
    PageLayout.SetZoom(value);
    GmPreview->SetZoom(PageLayout.Zoom());
  });

  // Orientation.
  GroupBoxOrientation = new QGroupBox(tr("Orientation"), this);
  GroupBoxOrientation->setObjectName(QStringLiteral("GroupBoxOrientation"));
  SetHint(GroupBoxOrientation, tr("|Landscape mode rotates the graph 90 degrees from its default orientation"));
  ButtonPortrait = SpeedButton(QStringLiteral("ButtonPortrait"), SheetIcon(false, {}), GroupBoxOrientation);
  ButtonPaysage = SpeedButton(QStringLiteral("ButtonPaysage"), SheetIcon(true, {}), GroupBoxOrientation);
  LabelPortrait = ButtonLabel(QStringLiteral("LabelPortrait"), tr("Portrait"), ButtonPortrait, GroupBoxOrientation);
  LabelPaysage = ButtonLabel(QStringLiteral("LabelPaysage"), tr("Landscape"), ButtonPaysage, GroupBoxOrientation);
  for (QToolButton *button : {ButtonPortrait, ButtonPaysage}) button->setCheckable(true);
  auto *orientationGroup = new QButtonGroup(this);
  orientationGroup->addButton(ButtonPortrait);
  orientationGroup->addButton(ButtonPaysage);
  ButtonPortrait->setChecked(true);
  auto *orientationLayout = new QGridLayout(GroupBoxOrientation);
  orientationLayout->addWidget(ButtonPortrait, 0, 0);
  orientationLayout->addWidget(LabelPortrait, 0, 1);
  orientationLayout->addWidget(ButtonPaysage, 1, 0);
  orientationLayout->addWidget(LabelPaysage, 1, 1);
  orientationLayout->setColumnStretch(1, 1);
  connect(ButtonPortrait, &QToolButton::clicked, this, [this] { SetOrientation(TOrientation::Portrait); });
  connect(ButtonPaysage, &QToolButton::clicked, this, [this] { SetOrientation(TOrientation::Landscape); });

  // Templates.
  GroupBoxMiseEnPage = new QGroupBox(tr("Quick page setup"), this);
  GroupBoxMiseEnPage->setObjectName(QStringLiteral("GroupBoxMiseEnPage"));
  SetHint(GroupBoxMiseEnPage, tr("|Select a template"));
  ButtonPortraitHaut = SpeedButton(QStringLiteral("ButtonPortraitHaut"), SheetIcon(false, QRectF(0.12, 0.1, 0.76, 0.42)),
                                   GroupBoxMiseEnPage);
  ButtonPleinePage = SpeedButton(QStringLiteral("ButtonPleinePage"), SheetIcon(true, QRectF(0.1, 0.12, 0.8, 0.76)),
                                 GroupBoxMiseEnPage);
  LabelCentreHaut =
      ButtonLabel(QStringLiteral("LabelCentreHaut"), tr("Top centered"), ButtonPortraitHaut, GroupBoxMiseEnPage);
  LabelPleinePage = ButtonLabel(QStringLiteral("LabelPleinePage"), tr("Full page"), ButtonPleinePage, GroupBoxMiseEnPage);
  auto *templateLayout = new QGridLayout(GroupBoxMiseEnPage);
  templateLayout->addWidget(ButtonPortraitHaut, 0, 0);
  templateLayout->addWidget(LabelCentreHaut, 0, 1);
  templateLayout->addWidget(ButtonPleinePage, 1, 0);
  templateLayout->addWidget(LabelPleinePage, 1, 1);
  templateLayout->setColumnStretch(1, 1);
  connect(ButtonPortraitHaut, &QToolButton::clicked, this, [this] { ApplyTemplate(false); });
  connect(ButtonPleinePage, &QToolButton::clicked, this, [this] { ApplyTemplate(true); });

  // Print.
  GroupBoxImpression = new QGroupBox(tr("Print"), this);
  GroupBoxImpression->setObjectName(QStringLiteral("GroupBoxImpression"));
  SetHint(GroupBoxImpression, tr("|Simple custom printing or automatic double"));
  ButtonImprimer = new QPushButton(tr("Print"), GroupBoxImpression);
  ButtonImprimer->setObjectName(QStringLiteral("ButtonImprimer"));
  ButtonImprimer->setDefault(true);
  ButtonPdf = new QPushButton(tr("Save as PDF"), GroupBoxImpression);
  ButtonPdf->setObjectName(QStringLiteral("ButtonPdf"));
  SetHint(ButtonPdf, tr("|Save the page as a PDF document"));
  CheckBoxMiroir = new QCheckBox(tr("Double"), GroupBoxImpression);
  CheckBoxMiroir->setObjectName(QStringLiteral("CheckBoxMiroir"));
  auto *printLayout = new QGridLayout(GroupBoxImpression);
  printLayout->addWidget(ButtonImprimer, 0, 0);
  printLayout->addWidget(ButtonPdf, 0, 1);
  printLayout->addWidget(CheckBoxMiroir, 1, 0);
  ButtonFermer = new QPushButton(tr("Close"), GroupBoxImpression);
  ButtonFermer->setObjectName(QStringLiteral("ButtonFermer"));
  SetHint(ButtonFermer, tr("|Close the print window"));
  printLayout->addWidget(ButtonFermer, 1, 1);
  // Shown once a PDF is written: saving opens nothing, so the window says where it went.
  LabelPdfSaved = new QLabel(GroupBoxImpression);
  LabelPdfSaved->setObjectName(QStringLiteral("LabelPdfSaved"));
  LabelPdfSaved->setTextInteractionFlags(Qt::TextSelectableByMouse);
  LabelPdfSaved->setVisible(false);
  printLayout->addWidget(LabelPdfSaved, 2, 0, 1, 2);
  connect(ButtonFermer, &QPushButton::clicked, this, &QDialog::reject);
  connect(ButtonImprimer, &QPushButton::clicked, this, [this] { ButtonImprimerClick(); });
  connect(ButtonPdf, &QPushButton::clicked, this, [this] { SavePdfClick(); });
  connect(CheckBoxMiroir, &QCheckBox::toggled, this, [this](bool checked) { CheckBoxMiroirClick(checked); });
  connect(new QShortcut(QKeySequence::Print, this), &QShortcut::activated, this, [this] { ButtonImprimerClick(); });
  connect(new QShortcut(QKeySequence::Save, this), &QShortcut::activated, this, [this] { SavePdfClick(); });

  StatusBar = new QStatusBar(this);
  StatusBar->setObjectName(QStringLiteral("StatusBar"));
  StatusBar->setSizeGripEnabled(false);

  for (QGroupBox *box : {GroupBoxTitre, GroupBoxOrientation, GroupBoxMiseEnPage, GroupBoxImpression})
    box->setFixedWidth(TitleGroupWidth);
}

void TBoiteImprimer::PlaceControls() {
  const int statusHeight = StatusBar->sizeHint().height();
  StatusBar->setGeometry(0, height() - statusHeight, width(), statusHeight);
  const int previewWidth = std::max(100, width() - GroupBoxTitre->width() - 23);
  GmPreview->setGeometry(4, 5, previewWidth, std::max(100, height() - statusHeight - 9));
  const int x = GmPreview->geometry().right() + 1 + 15;
  int y = 5;
  GroupBoxTitre->setGeometry(x, y, TitleGroupWidth, GroupBoxTitre->sizeHint().height());
  y += GroupBoxTitre->height() + 12;
  const int labelWidth = LabelZoom->sizeHint().width();
  const int sliderHeight = TrackBar->sizeHint().height();
  LabelZoom->setGeometry(x, y + (sliderHeight - LabelZoom->sizeHint().height()) / 2, labelWidth,
                         LabelZoom->sizeHint().height());
  TrackBar->setGeometry(x + labelWidth + 8, y, TitleGroupWidth - labelWidth - 8, sliderHeight);
  y += sliderHeight + 12;
  for (QGroupBox *box : {GroupBoxOrientation, GroupBoxMiseEnPage, GroupBoxImpression}) {
    box->setGeometry(x, y, TitleGroupWidth, box->sizeHint().height());
    y += box->height() + 8;
  }
}

void TBoiteImprimer::resizeEvent(QResizeEvent *event) {
  QDialog::resizeEvent(event);
  PlaceControls();
}

bool TBoiteImprimer::SetGraphic(const IGraphDrawing &graph, const QString &graphName) {
  std::shared_ptr<const IGraphDrawing> copy = SnapshotOf(graph);
  if (copy == nullptr) return false;
  // The viewport is sized only once shown: the preview without its scroll bars.
  const QSize viewport = GmPreview->maximumViewportSize();
  if (!PageLayout.SetGraphic(std::move(copy), viewport)) return false;
  GraphName = graphName;
  {
    const QSignalBlocker block(TrackBar);
    TrackBar->setValue(PageLayout.Zoom());
  }
  GmPreview->SetZoom(PageLayout.Zoom());
  SyncControls();
  return true;
}

void TBoiteImprimer::PrintGraph(const IGraphDrawing &graph, const QString &graphName) {
  if (!SetGraphic(graph, graphName)) return;
  exec();
}

void TBoiteImprimer::EditTitreChange() {
  const QString family = FontComboBoxTitre->currentFont().family();
  QFont font = EditTitre->font();
  font.setFamily(family);
  EditTitre->setFont(font);
  EditHauteur->setText(QString::number(UpDownTitre->Value()));
  PageLayout.SetTitle(EditTitre->text(), family, UpDownTitre->Value());
  GmPreview->Redisplay();
}

void TBoiteImprimer::CheckBoxMiroirClick(bool checked) {
  PageLayout.SetDouble(checked);
  SyncControls();
}

void TBoiteImprimer::ApplyTemplate(bool fullPage) {
  if (fullPage)
    PageLayout.ApplyFullPage();
  else
    PageLayout.ApplyTopCentered();
  SyncControls();
}

void TBoiteImprimer::SetOrientation(TOrientation orientation) {
  PageLayout.SetOrientation(orientation);
  SyncControls();
}

void TBoiteImprimer::SyncControls() {
  const bool enabled = PageLayout.ControlsEnabled();
  for (QWidget *widget : std::initializer_list<QWidget *>{ButtonPortrait, ButtonPaysage, ButtonPortraitHaut,
                                                          ButtonPleinePage, EditTitre, FontComboBoxTitre, EditHauteur,
                                                          UpDownTitre})
    widget->setEnabled(enabled);
  const bool portrait = PageLayout.Setup().Orientation == TOrientation::Portrait;
  ButtonPortrait->setChecked(portrait);
  ButtonPaysage->setChecked(!portrait);
  {
    const QSignalBlocker block(CheckBoxMiroir);
    CheckBoxMiroir->setChecked(PageLayout.IsDouble());
  }
  GmPreview->Redisplay();
}

}  // namespace kolibra::printing
