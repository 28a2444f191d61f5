// The results window: its widgets (graphs, datasheet, choice and scale panels, status bar),
// the views, the lists of the choice panel and the entry points of the main window. Menus
// and commands are in ResFormMenus.cpp, the tool bars in ResFormTools.cpp.
#include "results/windows/ResForm.h"

#include "formulas/Formules.h"
#include "kit/Locale.h"
#include "kit/MathUtils.h"
#include "kit/Texts.h"
#include "measurement/Data.h"
#include "measurement/GraphUtils.h"
#include "results/ConstructEditor.h"
#include "results/windows/Datasheet.h"
#include "results/windows/DropList.h"
#include "results/windows/GraphControl.h"
#include "results/windows/GraphKeyRouter.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QScreen>
#include <QStackedWidget>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace kolibra::results {

namespace res_form_impl {

// The object lists: each object's name with its symbol in its colour.
std::vector<TDropItem> ObjectItems(const TResModel &model) {
  std::vector<TDropItem> items;
  for (int o = 0; o < model.ObjectsCount(); ++o)
    items.push_back({model.ObjectName(o), measurement::CreateGraphUtils()->ObjectMotifKind(o), model.ObjectColour(o)});
  return items;
}

std::vector<bool> CheckedOf(const TIntegerDynArray &chosen, int count) {
  std::vector<bool> checked(size_t(std::max(0, count)), false);
  for (int o : chosen)
    if (o >= 0 && o < count) checked[size_t(o)] = true;
  return checked;
}

TIntegerDynArray IndexesOf(const std::vector<bool> &checked) {
  TIntegerDynArray indexes;
  for (size_t i = 0; i < checked.size(); ++i)
    if (checked[i]) indexes.push_back(int(i));
  return indexes;
}

// The scale arrow of the vectors view: as long as the graph's scale bar.
QPixmap ScaleArrow(int length) {
  QPixmap pixmap(length + 2, 14);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setPen(QPen(Qt::black, 1));
  painter.drawLine(0, 7, length, 7);
  painter.drawLine(length, 7, length - 5, 2);
  painter.drawLine(length, 7, length - 5, 12);
  return pixmap;
}

}  // namespace res_form_impl

TResForm::TResForm(const TResLinks &links, QWidget *parent) : QMainWindow(parent), FModel(links) {
  setObjectName(QStringLiteral("ResForm"));
  setWindowTitle(TResModel::ViewCaption(rvTableau));
  setFont(QFont(QStringLiteral("Arial"), 10));
  CreateToolBars();
  CreateChoicePanel();
  CreateScalePanel();

  Stack = new QStackedWidget(this);
  FGrid = new TDatasheetView(Stack);
  FGrid->SetGrid(links.Grid);
  FGrid->OnControlClick = [this](int col, int x, int width) {
    FModel.DatasheetControlClick(col, x, width);
    RefreshGrid();
  };
  FGrid->OnRowClick = [this](int sample) {
    FModel.HighlightSample(sample);
    const int videoFrame = FModel.SampleVideoFrame(sample);
    if (videoFrame >= 0 && OnShowFrame) OnShowFrame(videoFrame);
  };
  GraphArea = new QWidget(Stack);
  GraphArea->setObjectName(QStringLiteral("Panel"));
  Stack->addWidget(FGrid);
  Stack->addWidget(GraphArea);
  setCentralWidget(Stack);
  CreateGraphs();
  Router = new TGraphKeyRouter(this, nullptr);
  CreateMenus();
  CreateStatusBar();
  if (const QScreen *screen = QGuiApplication::primaryScreen()) setGeometry(screen->availableGeometry());
  SwitchView(rvTableau);
}

TResForm::~TResForm() {
  // The model lets go of the graphs before the widgets that own them go.
  for (const TResMeasurement measurement : ResMeasurements)
    for (int slot = 0; slot < GraphSlotCount; ++slot) FModel.SetGraph(measurement, slot, nullptr);
}

void TResForm::CreateGraphs() {
  auto *layout = new QVBoxLayout(GraphArea);
  layout->setContentsMargins(0, 0, 0, 0);
  for (const TResMeasurement measurement : ResMeasurements)
    for (int slot = 0; slot < GraphSlotCount; ++slot) {
      auto *control = new TGraphControl(GraphArea);
      control->setObjectName(QStringLiteral("Graph%1%2").arg(int(measurement)).arg(slot));
      control->hide();
      layout->addWidget(control);
      Graphs[size_t(measurement)][size_t(slot)] = control;
      FModel.SetGraph(measurement, slot, &control->Graph());
      WireGraph(control);
    }
}

void TResForm::CreateChoicePanel() {
  PanelChoix = new QWidget(this);
  PanelChoix->setObjectName(QStringLiteral("PanelChoix"));
  auto *layout = new QHBoxLayout(PanelChoix);
  layout->setContentsMargins(6, 2, 6, 2);
  layout->setSpacing(8);
  LabelChoix1 = new QLabel(PanelChoix);
  LabelChoix1->setObjectName(QStringLiteral("LabelChoix1"));
  LabelChoix2 = new QLabel(PanelChoix);
  LabelChoix2->setObjectName(QStringLiteral("LabelChoix2"));
  const auto single = [this](const char *name) {
    auto *list = new TDropList(PanelChoix);
    list->setObjectName(QString::fromLatin1(name));
    return list;
  };
  const auto multiple = [this](const char *name) {
    auto *list = new TDropCheckList(PanelChoix);
    list->setObjectName(QString::fromLatin1(name));
    list->Placeholder = ResFormText::tr("(none)");
    return list;
  };
  DropBoxTemps1 = single("DropBoxTemps1");
  DropBoxTemps2 = multiple("DropBoxTemps2");
  DropBoxRef1 = multiple("DropBoxRef1");
  DropBoxRef2 = single("DropBoxRef2");
  DropBoxVecteur1 = single("DropBoxVecteur1");
  DropBoxVecteur2 = multiple("DropBoxVecteur2");
  DropBoxFormule1 = multiple("DropBoxFormule1");
  DropBoxFormule2 = single("DropBoxFormule2");
  DropCheckList = multiple("DropCheckList");
  DropCheckList->Caption = ResFormText::tr("Draw");
  layout->addWidget(LabelChoix1);
  for (QWidget *w : std::initializer_list<QWidget *>{DropBoxTemps1, DropBoxVecteur1, DropBoxRef1, DropBoxFormule1})
    layout->addWidget(w);
  layout->addWidget(LabelChoix2);
  for (QWidget *w : std::initializer_list<QWidget *>{DropBoxTemps2, DropBoxRef2, DropBoxVecteur2, DropBoxFormule2,
                                                      DropCheckList})
    layout->addWidget(w);
  layout->addStretch(1);

  DropBoxTemps1->OnChange = [this](int index) {
    const TIntegerDynArray offered = FModel.OfferedQuantities();
    if (index >= 0 && index < int(offered.size())) FModel.SetTempsQuantity(offered[size_t(index)]);
  };
  DropBoxTemps2->OnChange = [this](const std::vector<bool> &checked) {
    FModel.SetTempsObjects(res_form_impl::IndexesOf(checked));
    UpdateMenus();
  };
  DropBoxRef1->OnChange = [this](const std::vector<bool> &checked) {
    FModel.SetReferentielObjects(res_form_impl::IndexesOf(checked));
  };
  DropBoxRef2->OnChange = [this](int index) { FModel.SetReference(index - 1); };
  DropBoxVecteur1->OnChange = [this](int index) {
    const TIntegerDynArray kinds = FModel.OfferedVectorKinds();
    if (index >= 0 && index < int(kinds.size())) FModel.SetVecteurKind(kinds[size_t(index)]);
    RefreshScalePanel();
  };
  DropBoxVecteur2->OnChange = [this](const std::vector<bool> &checked) {
    FModel.SetVecteurObjects(res_form_impl::IndexesOf(checked));
    RefreshScalePanel();
  };
  DropCheckList->OnChange = [this](const std::vector<bool> &checked) {
    // Headers at 0, 3 and 6; "defaults" then "added" after each.
    const int items[6] = {vdDataSegments, vdUserSegments, vdDataSplines, vdUserSplines, vdDataVectors, vdUserVectors};
    const int rows[6] = {1, 2, 4, 5, 7, 8};
    TVectorDraws draws = FModel.VectorDraws();
    for (int i = 0; i < 6; ++i)
      if (rows[i] < int(checked.size())) draws[size_t(items[i])] = checked[size_t(rows[i])];
    FModel.SetVectorDraws(draws);
  };
  DropBoxFormule1->OnChange = [this](const std::vector<bool> &checked) {
    TIntegerDynArray drawn;
    if (formulas::TFormules *f = FModel.Formules()) {
      const std::vector<int> list = f->ShownFormulas();
      for (size_t i = 0; i < checked.size() && i < list.size(); ++i)
        if (checked[i]) drawn.push_back(list[i]);
    }
    FModel.SetFormulesDrawn(drawn);
    UpdateMenus();
  };
  DropBoxFormule2->OnChange = [this](int index) {
    int abscissa = -1;
    if (formulas::TFormules *f = FModel.Formules()) {
      const std::vector<int> list = f->ShownFormulas();
      if (index >= 1 && index - 1 < int(list.size())) abscissa = list[size_t(index - 1)];
    }
    FModel.SetFormuleAbscissa(abscissa);
  };
  ChoiceBar->addWidget(PanelChoix);
}

void TResForm::CreateScalePanel() {
  PanelEchelle = new QWidget(PanelChoix);
  PanelEchelle->setObjectName(QStringLiteral("PanelEchelle"));
  auto *layout = new QHBoxLayout(PanelEchelle);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(4);
  Fleche = new QLabel(PanelEchelle);
  Fleche->setObjectName(QStringLiteral("Fleche"));
  auto *equals = new QLabel(QStringLiteral("="), PanelEchelle);
  EditEchelle = new QLineEdit(PanelEchelle);
  EditEchelle->setObjectName(QStringLiteral("EditEchelle"));
  EditEchelle->setFixedWidth(70);
  EditEchelle->setAlignment(Qt::AlignRight);
  auto *up = new QToolButton(PanelEchelle);
  up->setObjectName(QStringLiteral("UpDownEchelleUp"));
  up->setArrowType(Qt::UpArrow);
  auto *down = new QToolButton(PanelEchelle);
  down->setObjectName(QStringLiteral("UpDownEchelleDown"));
  down->setArrowType(Qt::DownArrow);
  LabelEchelle3 = new QLabel(PanelEchelle);
  LabelEchelle3->setObjectName(QStringLiteral("LabelEchelle3"));
  layout->addWidget(Fleche);
  layout->addWidget(equals);
  layout->addWidget(EditEchelle);
  layout->addWidget(up);
  layout->addWidget(down);
  layout->addWidget(LabelEchelle3);
  PanelChoix->layout()->addWidget(PanelEchelle);
  const auto step = [this](double factor) {
    const double value = FModel.VectorScale();
    if (value > 0.0) FModel.SetVectorScale(value * factor);
    RefreshScalePanel();
  };
  connect(up, &QToolButton::clicked, this, [step] { step(1.1); });
  connect(down, &QToolButton::clicked, this, [step] { step(0.9); });
  connect(EditEchelle, &QLineEdit::editingFinished, this, [this] {
    bool ok = false;
    const double value = LocalizeDecimal(EditEchelle->text()).replace(DecimalSeparator(), QLatin1Char('.')).toDouble(&ok);
    // A refused value leaves the scale as it was.
    if (ok) FModel.SetVectorScale(value);
    RefreshScalePanel();
  });
}

void TResForm::CreateStatusBar() {
  for (int i = 0; i < 3; ++i) {
    FStatus[size_t(i)] = new QLabel(this);
    FStatus[size_t(i)]->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
    FStatus[size_t(i)]->setMinimumWidth(i == 0 ? 200 : 180);
    statusBar()->addWidget(FStatus[size_t(i)], i == 0 ? 1 : 0);
  }
  statusBar()->setObjectName(QStringLiteral("StatusBar"));
  RefreshStatusPanels();
}

void TResForm::WireGraph(TGraphControl *control) {
  TGraph &graph = control->Graph();
  graph.OnObjectClick = [this](Qt::MouseButton button, int type) {
    if (button == Qt::RightButton) PopupContextMenu(type);
  };
  graph.OnMouseDown = [this](Qt::MouseButton button, Qt::KeyboardModifiers, TPoint at) { GraphMouseDown(button, at); };
  graph.OnMouseMove = [this, &graph](Qt::KeyboardModifiers, TPoint) {
    if (graph.Tool() != gtCoordinates) return;
    const TPointD world = graph.MouseWorld();
    const QRect plot = graph.PlotRect();
    TPoint pixel;
    if (!graph.WorldToScreen(world, pixel) || !plot.contains(pixel.ToQPoint())) {
      FStatus[1]->clear();
      FStatus[2]->clear();
      return;
    }
    FStatus[1]->setText(FModel.ReadOutX(world));
    FStatus[2]->setText(FModel.ReadOutY(world));
  };
  graph.OnOptionChange = [this] {
    SyncToolButtons();
    RefreshStatusPanels();
  };
}

void TResForm::GraphMouseDown(Qt::MouseButton button, TPoint at) {
  TGraphControl *control = CurrentGraphControl();
  if (button != Qt::LeftButton || control == nullptr) return;
  // A measured point: the main window shows its video frame.
  const TGPoint *point = ClickedDataPoint(control->Graph(), at);
  if (point == nullptr) return;
  const int sample = FModel.SampleOfNumber(point->Number);
  FModel.HighlightSample(sample);
  FGrid->SetCurrentSample(sample);
  const int videoFrame = FModel.SampleVideoFrame(sample);
  if (videoFrame >= 0 && OnShowFrame) OnShowFrame(videoFrame);
}

TGraphControl *TResForm::GraphControl(TResMeasurement measurement, int slot) const {
  if (measurement < 0 || measurement >= ResMeasurementCount || slot < 0 || slot >= GraphSlotCount) return nullptr;
  return Graphs[size_t(measurement)][size_t(slot)];
}

TGraphControl *TResForm::CurrentGraphControl() const {
  return GraphControl(FModel.Measurement(), SlotOfView(FModel.View()));
}

// ---------------------------------------------------------------------------------------------
// The main window's calls
// ---------------------------------------------------------------------------------------------

void TResForm::ShowView(int view) {
  FModel.Recalculate();
  SwitchView(view);
  show();
  raise();
  activateWindow();
}

void TResForm::Recalculate() {
  if (!isVisible()) return;
  FModel.Recalculate();
  RefreshLists();
  if (FModel.View() == rvTableau)
    RefreshGrid();
  else
    FModel.BuildView();
  RefreshScalePanel();
  UpdateMenus();
}

void TResForm::ResetResults() {
  FModel.Reset();
  FGrid->SetCurrentSample(-1);
  LastVideoFrame = -1;
  if (isVisible()) hide();
}

void TResForm::ApplyOptions() {
  FModel.ApplyOptions();
  if (isVisible()) {
    FModel.Recalculate(true);
    SwitchView(FModel.View());
  }
}

void TResForm::ShowVideoFrame(int videoFrame) {
  LastVideoFrame = videoFrame;
  const int sample = FModel.SampleAtVideoFrame(videoFrame);
  FModel.HighlightSample(sample);
  FGrid->SetCurrentSample(sample);
  FGrid->ShowSample(sample);
}

void TResForm::showEvent(QShowEvent *event) {
  QMainWindow::showEvent(event);
  if (LastVideoFrame >= 0) ShowVideoFrame(LastVideoFrame);
}

void TResForm::closeEvent(QCloseEvent *event) {
  // Leaving the window ends a construct or a drag in progress.
  if (TGraphControl *control = CurrentGraphControl()) control->Graph().SetTool(control->Graph().Tool());
  event->accept();
}

// ---------------------------------------------------------------------------------------------
// Views
// ---------------------------------------------------------------------------------------------

void TResForm::SwitchView(int view) {
  Refreshing = true;
  for (auto &row : Graphs)
    for (TGraphControl *control : row) control->hide();
  FModel.SelectView(view);
  setWindowTitle(TResModel::ViewCaption(view));
  for (int v = 0; v < int(ViewActions.size()); ++v)
    if (ViewActions[size_t(v)] != nullptr) ViewActions[size_t(v)]->setChecked(v == view);
  TGraphControl *control = CurrentGraphControl();
  Router->SetGraph(control);
  ChoiceBar->setVisible(view != rvTableau);
  ToolBarOutils->setVisible(view != rvTableau);
  if (view == rvTableau) {
    Stack->setCurrentWidget(FGrid);
    RefreshGrid();
  } else {
    Stack->setCurrentWidget(GraphArea);
    control->show();
    control->setFocus();
  }
  const TResChoiceStates choice = ResChoiceStates(FModel);
  LabelChoix1->setVisible(!choice.Caption1.isEmpty());
  LabelChoix2->setVisible(!choice.Caption2.isEmpty());
  if (!choice.Caption1.isEmpty()) LabelChoix1->setText(choice.Caption1);
  if (!choice.Caption2.isEmpty()) LabelChoix2->setText(choice.Caption2);
  const std::pair<QWidget *, int> lists[] = {
      {DropBoxTemps1, rvTemps},         {DropBoxTemps2, rvTemps},     {DropBoxRef1, rvReferentiel},
      {DropBoxRef2, rvReferentiel},     {DropBoxVecteur1, rvVecteur}, {DropBoxVecteur2, rvVecteur},
      {DropCheckList, rvVecteur},       {DropBoxFormule1, rvFormule}, {DropBoxFormule2, rvFormule},
      {PanelEchelle, rvVecteur}};
  for (const auto &[widget, listsView] : lists) widget->setVisible(choice.ListsOf == listsView);
  PanelChoix->setStatusTip(choice.StatusTip);
  Refreshing = false;
  if (view != rvTableau) FModel.SetView(view);
  RefreshLists();
  UpdateTools();
  UpdateMenus();
  RefreshScalePanel();
  SyncToolButtons();
  RefreshStatusPanels();
}

void TResForm::RefreshLists() {
  using namespace res_form_impl;
  Refreshing = true;
  const kinematics::TMemory &m = FModel.Memory();
  const int count = FModel.ObjectsCount();
  const std::vector<TDropItem> objects = ObjectItems(FModel);
  // Quantities against time.
  std::vector<TDropItem> quantities;
  const TIntegerDynArray offered = FModel.OfferedQuantities();
  int current = 0;
  for (size_t i = 0; i < offered.size(); ++i) {
    const TTimeQuantity &q = TimeQuantities()[size_t(offered[i])];
    quantities.push_back(
        {QString::fromUtf8(q.Symbol) + QStringLiteral("   ") + ResFormText::tr(q.Description)});
    if (offered[i] == m.TempsQuantity) current = int(i);
  }
  DropBoxTemps1->SetItems(quantities, current);
  DropBoxTemps2->SetItems(objects, CheckedOf(m.TempsObjects, count));
  DropBoxRef1->SetItems(objects, CheckedOf(m.ReferentielObjects, count));
  std::vector<TDropItem> references{{ResFormText::tr("of the camera")}};
  for (int o = 0; o < count; ++o) references.push_back(objects[size_t(o)]);
  DropBoxRef2->SetItems(references, m.ReferentielReference + 1);
  std::vector<TDropItem> kinds;
  int kindIndex = 0;
  const TIntegerDynArray offeredKinds = FModel.OfferedVectorKinds();
  for (size_t i = 0; i < offeredKinds.size(); ++i) {
    kinds.push_back({offeredKinds[i] == vkVelocity ? ResFormText::tr("velocity")
                                                   : ResFormText::tr("acceleration")});
    if (offeredKinds[i] == m.VecteurKind) kindIndex = int(i);
  }
  DropBoxVecteur1->SetItems(kinds, kindIndex);
  DropBoxVecteur2->SetItems(objects, CheckedOf(m.VecteurObjects, count));
  const TVectorDraws &draw = FModel.VectorDraws();
  DropCheckList->SetItems(
      {{ResFormText::tr("Draw segments :"), -1, {}, true},
       {ResFormText::tr("defaults")},
       {ResFormText::tr("added")},
       {ResFormText::tr("Draw curves :"), -1, {}, true},
       {ResFormText::tr("defaults")},
       {ResFormText::tr("added")},
       {ResFormText::tr("Draw vectors :"), -1, {}, true},
       {ResFormText::tr("defaults")},
       {ResFormText::tr("added")}},
      {false, draw[vdDataSegments], draw[vdUserSegments], false, draw[vdDataSplines],
       draw[vdUserSplines], false, draw[vdDataVectors], draw[vdUserVectors]});
  // Formulas.
  std::vector<TDropItem> formulasItems, abscissas{{ResFormText::tr("time")}};
  std::vector<bool> drawn;
  int abscissaIndex = 0;
  if (formulas::TFormules *f = FModel.Formules()) {
    const std::vector<int> shown = f->ShownFormulas();
    for (size_t i = 0; i < shown.size(); ++i) {
      const int index = shown[i];
      const QString name = f->Formula(index)->DisplayName();
      formulasItems.push_back({name, measurement::CreateGraphUtils()->FormulaMotifKind(index),
                               measurement::CreateGraphUtils()->FormulaColor(index)});
      abscissas.push_back({name});
      const TIntegerDynArray &chosen = FModel.FormulesDrawn();
      drawn.push_back(std::find(chosen.begin(), chosen.end(), index) != chosen.end());
      if (index == f->AbscissaIndex()) abscissaIndex = int(i) + 1;
    }
  }
  DropBoxFormule1->SetItems(formulasItems, drawn);
  DropBoxFormule2->SetItems(abscissas, abscissaIndex);
  Refreshing = false;
}

void TResForm::RefreshGrid() {
  FGrid->Refill();
  if (LastVideoFrame >= 0) FGrid->SetCurrentSample(FModel.SampleAtVideoFrame(LastVideoFrame));
}

void TResForm::RefreshScalePanel() {
  if (FModel.View() != rvVecteur) return;
  TGraphControl *control = CurrentGraphControl();
  if (control == nullptr) return;
  Fleche->setPixmap(res_form_impl::ScaleArrow(control->Graph().LEchelleEnPixels() - 1));
  const double value = FModel.VectorScale();
  EditEchelle->setText(value > 0.0 ? GeneralFormat(value, 3) : QString());
  LabelEchelle3->setText(FModel.VectorUnit());
}

void TResForm::RefreshStatusPanels() {
  TGraphControl *control = CurrentGraphControl();
  const bool coordinates = FModel.View() != rvTableau && control != nullptr && control->Graph().Tool() == gtCoordinates;
  FStatus[1]->setVisible(coordinates);
  FStatus[2]->setVisible(coordinates);
  if (!coordinates) {
    FStatus[1]->clear();
    FStatus[2]->clear();
  }
  if (const QString note = FModel.DynamicsNote(); !note.isEmpty()) FStatus[0]->setText(note);
}

void TResForm::SetHint(const QString &hint) {
  const int bar = hint.indexOf(QLatin1Char('|'));
  FStatus[0]->setText(bar >= 0 ? hint.mid(bar + 1) : hint);
}

}  // namespace kolibra::results
