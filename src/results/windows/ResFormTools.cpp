// The results window's tool bars: the views and "Back to video" on top, the choice panel
// below it, and the tools of the graph on the left, each shown in the views it serves unless
// the options hide it; pressing a tool sets the graph's tool, pressing a model lays it over the
// curve.
#include "kit/MessageBox.h"
#include "results/windows/GraphControl.h"
#include "results/windows/ResForm.h"
#include "results/windows/ResIcons.h"
#include "settings/Options.h"

#include <QAction>
#include <QToolBar>
#include <QToolButton>

namespace kolibra::results {

namespace res_tools_impl {

QString Tr(const char *text) { return QCoreApplication::translate("TResForm", text); }

struct TButtonRow {
  TResButton Id;
  const char *Name;  // the component's name
  TResIcon Icon;
  const char *Hint;  // "short|long"
  int Tool;          // the graph tool, 0 for none
  int ModelKind;     // the model of a model button, -1 otherwise
};

constexpr TButtonRow Rows[rbCount] = {
    {rbModeleAffine, "ButtonModeleAffine", riModeleAffine,
     QT_TRANSLATE_NOOP("TResForm", "Linear fit|Hover mouse over curve to set parameters"), 0, 0},
    {rbModeleConstant, "ButtonModeleConstant", riModeleConstant,
     QT_TRANSLATE_NOOP("TResForm", "Fit using a constant value|Model parameters available by hovering over the curve"), 0, 1},
    {rbModeleExponentiel, "ButtonModeleExponentiel", riModeleExponentiel,
     QT_TRANSLATE_NOOP("TResForm", "Fit using an exponential| Model parameters available by hovering over the curve "), 0, 2},
    {rbModeleParabole, "ButtonModeleParabole", riModeleParabole,
     QT_TRANSLATE_NOOP("TResForm", "Parabolic fit|Hover mouse over curve to set parameters"), 0, 4},
    {rbModeleProportionnel, "ButtonModeleProportionnel", riModeleProportionnel,
     QT_TRANSLATE_NOOP("TResForm", "Fit using a line going through the origin|Model parameters available by hovering over the curve"),
     0, 5},
    {rbModeleSinus, "ButtonModeleSinus", riModeleSinus,
     QT_TRANSLATE_NOOP("TResForm", "Sine fit|Hover mouse over curve to set parameters"), 0, 6},
    {rbModeleSinusAe, "ButtonModeleSinusAe", riModeleSinusAe,
     QT_TRANSLATE_NOOP("TResForm", "Dampened sine fit (exponential dampening)|Hover mouse over curve to set parameters"), 0, 7},
    {rbModeleSinusAl, "ButtonModeleSinusAl", riModeleSinusAl,
     QT_TRANSLATE_NOOP("TResForm", "Dampened sine fit (linear dampening)|Hover mouse over curve to set parameters"), 0, 8},
    {rbModifierModele, "ButtonModifierModele", riModifierModele,
     QT_TRANSLATE_NOOP("TResForm", "Modify model curve|Position of the cursor over the curve determines which parameter is modified"),
     gtModifyModel, -1},
    {rbAngle, "ButtonAngle", riAngle, QT_TRANSLATE_NOOP("TResForm", "New angle|Draw an angle defined by two straight lines with mouse"),
     gtNewAngle, -1},
    {rbArc, "ButtonArc", riArc, QT_TRANSLATE_NOOP("TResForm", "New arc|Draw an arc defined by two points"), gtNewArc, -1},
    {rbCercle, "ButtonCercle", riCercle, QT_TRANSLATE_NOOP("TResForm", "New circle|Draw a new circle from the center"),
     gtNewCircle, -1},
    {rbEllipse, "ButtonEllipse", riEllipse, QT_TRANSLATE_NOOP("TResForm", "New ellipse|Draw a new ellipse from its center"),
     gtNewEllipse, -1},
    {rbCurveArc, "ButtonCurveArc", riCurveArc,
     QT_TRANSLATE_NOOP("TResForm", "Bend an arc, a circle or an ellipse|Catch a point on the circumference or radius using the mouse"),
     gtBend, -1},
    {rbDupliquer, "ButtonDupliquer", riDupliquer,
     QT_TRANSLATE_NOOP("TResForm", "Duplicate objects|Duplicate the object under the mouse pointer; duplicate the objects in a rectangular zone"),
     gtDuplicate, -1},
    {rbMesurer, "ButtonMesurer", riMesurer,
     QT_TRANSLATE_NOOP("TResForm", "Measure an angle or an object value|Measure an angle or an object value under mouse cursor"),
     gtMeasure, -1},
    {rbSegment, "ButtonSegment", riSegment, QT_TRANSLATE_NOOP("TResForm", "New segment|Draw a new segment"), gtNewSegment, -1},
    {rbSpline, "ButtonSpline", riSpline,
     QT_TRANSLATE_NOOP("TResForm", "New curve|Draw a curve by setting control points with the mouse."), gtNewSpline, -1},
    {rbSelection, "ButtonSelection", riSelection,
     QT_TRANSLATE_NOOP("TResForm", "Select, move or change an object|Select an object, move or change it with the mouse when cursor changes to a cross"),
     gtSelect, -1},
    {rbSupprimer, "ButtonSupprimer", riSupprimer,
     QT_TRANSLATE_NOOP("TResForm", "Delete objects|Delete the object under the mouse pointer; delete the objects in a rectangular zone"),
     gtDelete, -1},
    {rbVecteur, "ButtonVecteur", riVecteurOutil, QT_TRANSLATE_NOOP("TResForm", "New vector|Draw a new vector with the mouse"),
     gtNewVector, -1},
    {rbSens, "ButtonSens", riSens,
     QT_TRANSLATE_NOOP("TResForm", "Change vectors direction|Change direction of the vector under the mouse pointer; change direction of the vectors in a rectangular zone"),
     gtChangeDirection, -1},
    {rbVideo, "ButtonVideo", riVideo,
     QT_TRANSLATE_NOOP("TResForm", "Draw the current video image|The video image is drawn behind the objects."), 0, -1},
    {rbClavier, "ButtonMenuClavier", riClavier, QT_TRANSLATE_NOOP("TResForm", "Type formula"), 0, -1},
    {rbReticule, "ButtonReticule", riReticule,
     QT_TRANSLATE_NOOP("TResForm", "Mouse pointer coordinates|X and Y values of the mouse pointer within the graphical area."),
     gtCoordinates, -1},
    {rbPan, "ButtonPan", riPan, QT_TRANSLATE_NOOP("TResForm", "Pan image|Drag an drop the figure with the mouse"), gtPan, -1},
    {rbZoom, "ButtonZoom", riZoom,
     QT_TRANSLATE_NOOP("TResForm", "Zoom|Left-click = make bigger; right-click = make smaller; press CTRL simultaneously to slow down"),
     gtZoom, -1},
};

bool IsModelButton(TResButton b) { return b <= rbModeleSinusAl; }

// Whether the options hide a button in a view (the derived states for modify and bend).
bool HiddenByOptions(const settings::TOptions &o, int view, TResButton b) {
  const bool formule = view == rvFormule;
  switch (b) {
    case rbModeleConstant: return formule ? o.ToolButtonFormuleModeleConstant_Down : o.ToolButtonTempsModeleConstant_Down;
    case rbModeleAffine: return formule ? o.ToolButtonFormuleModeleAffine_Down : o.ToolButtonTempsModeleAffine_Down;
    case rbModeleProportionnel:
      return formule ? o.ToolButtonFormuleModeleProportionnel_Down : o.ToolButtonTempsModeleProportionnel_Down;
    case rbModeleParabole: return formule ? o.ToolButtonFormuleModeleParabole_Down : o.ToolButtonTempsModeleParabole_Down;
    case rbModeleSinus: return formule ? o.ToolButtonFormuleModeleSinus_Down : o.ToolButtonTempsModeleSinus_Down;
    case rbModeleSinusAe: return formule ? o.ToolButtonFormuleModeleSinusAe_Down : o.ToolButtonTempsModeleSinusAe_Down;
    case rbModeleSinusAl: return formule ? o.ToolButtonFormuleModeleSinusAl_Down : o.ToolButtonTempsModeleSinusAl_Down;
    case rbModeleExponentiel:
      return formule ? o.ToolButtonFormuleModeleExponentiel_Down : o.ToolButtonTempsModeleExponentiel_Down;
    case rbModifierModele: return formule ? o.IsFormuleModifierHidden() : o.IsTempsModifierHidden();
    default: break;
  }
  const bool vecteur = view == rvVecteur;
  switch (b) {
    case rbReticule:
      return view == rvFormule    ? o.ToolButtonFormuleReticule_Down
             : view == rvTemps    ? o.ToolButtonTempsReticule_Down
             : view == rvVecteur  ? o.ToolButtonVecteurReticule_Down
                                  : o.ToolButtonReferentielReticule_Down;
    case rbAngle: return vecteur ? o.ToolButtonVecteurAngle_Down : o.ToolButtonReferentielAngle_Down;
    case rbArc: return vecteur ? o.ToolButtonVecteurArc_Down : o.ToolButtonReferentielArc_Down;
    case rbCercle: return vecteur ? o.ToolButtonVecteurCercle_Down : o.ToolButtonReferentielCercle_Down;
    case rbCurveArc: return vecteur ? o.IsVecteurCurveArcHidden() : o.IsReferentielCurveArcHidden();
    case rbDupliquer: return vecteur ? o.ToolButtonVecteurDupliquer_Down : o.ToolButtonReferentielDupliquer_Down;
    case rbEllipse: return vecteur ? o.ToolButtonVecteurEllipse_Down : o.ToolButtonReferentielEllipse_Down;
    case rbMesurer: return vecteur ? o.ToolButtonVecteurMesurer_Down : o.ToolButtonReferentielMesurer_Down;
    case rbSegment: return vecteur ? o.ToolButtonVecteurSegment_Down : o.ToolButtonReferentielSegment_Down;
    case rbSelection: return vecteur ? o.ToolButtonVecteurSelection_Down : o.ToolButtonReferentielSelection_Down;
    case rbSpline: return vecteur ? o.ToolButtonVecteurSpline_Down : o.ToolButtonReferentielSpline_Down;
    case rbSupprimer: return vecteur ? o.ToolButtonVecteurSupprimer_Down : o.ToolButtonReferentielSupprimer_Down;
    case rbSens: return o.ToolButtonVecteurSens_Down;
    case rbVecteur: return o.ToolButtonVecteurVecteur_Down;
    case rbVideo: return o.ToolButtonVecteurVideo_Down;
    case rbClavier: return !o.CheckBox27ProfShowItem_Checked;
    default: return false;
  }
}

}  // namespace res_tools_impl

void TResForm::CreateToolBars() {
  using namespace res_tools_impl;
  ToolBarMenu = addToolBar(Tr("Results"));
  ToolBarMenu->setObjectName(QStringLiteral("ToolBarMenu"));
  ToolBarMenu->setMovable(false);
  ToolBarMenu->setIconSize(QSize(28, 28));
  ToolBarMenu->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  const struct {
    int View;
    const char *Name;
    TResIcon Icon;
    const char *Caption;
  } views[] = {
      {rvTableau, "ButtonMenuTableau", riTableau, QT_TRANSLATE_NOOP("TResForm", "Datasheet")},
      {rvTemps, "ButtonMenuTemps", riTemps, QT_TRANSLATE_NOOP("TResForm", "Evolution as a function of time")},
      {rvReferentiel, "ButtonMenuReferentiel", riReferentiel, QT_TRANSLATE_NOOP("TResForm", "Trajectory in reference frame")},
      {rvVecteur, "ButtonMenuVecteur", riVecteur, QT_TRANSLATE_NOOP("TResForm", "Vectors representation")},
      {rvFormule, "ButtonMenuFormule", riFormule, QT_TRANSLATE_NOOP("TResForm", "Custom formulas")},
  };
  const settings::TOptions &o = *FModel.Sources().Options;
  const bool shown[5] = {o.CheckBox28FormulaShowItem_Checked, o.CheckBox18TrajectoryShowItem_Checked,
                         o.CheckBox37GridShowItem_Checked, o.CheckBox15TimeShowItem_Checked,
                         o.CheckBox22VectorShowItem_Checked};
  for (const auto &v : views) {
    QAction *action = ToolBarMenu->addAction(ResIcon(v.Icon), Tr(v.Caption));
    action->setObjectName(QString::fromLatin1(v.Name));
    action->setCheckable(true);
    action->setToolTip(Tr(v.Caption));
    action->setVisible(shown[v.View]);
    const int view = v.View;
    connect(action, &QAction::triggered, this, [this, view] {
      FModel.Recalculate();
      SwitchView(view);
    });
    ViewActions[size_t(v.View)] = action;
    Actions[action->objectName()] = action;
  }
  ToolBarMenu->addSeparator();
  QAction *close = ToolBarMenu->addAction(ResIcon(riFermer), Tr("Back to video"));
  close->setObjectName(QStringLiteral("ButtonMenuFermer"));
  connect(close, &QAction::triggered, this, [this] { this->close(); });
  Actions[close->objectName()] = close;

  addToolBarBreak(Qt::TopToolBarArea);
  ChoiceBar = addToolBar(Tr("Choice"));
  ChoiceBar->setObjectName(QStringLiteral("ChoiceBar"));
  ChoiceBar->setMovable(false);

  ToolBarOutils = new QToolBar(Tr("Tools"), this);
  ToolBarOutils->setObjectName(QStringLiteral("ToolBarOutils"));
  ToolBarOutils->setMovable(false);
  ToolBarOutils->setOrientation(Qt::Vertical);
  ToolBarOutils->setIconSize(QSize(26, 26));
  addToolBar(Qt::LeftToolBarArea, ToolBarOutils);
  for (const TButtonRow &row : Rows) {
    if (row.Id == rbModifierModele || row.Id == rbAngle || row.Id == rbVideo || row.Id == rbReticule)
      ToolBarOutils->addSeparator();
    auto *button = new QToolButton(ToolBarOutils);
    button->setObjectName(QString::fromLatin1(row.Name));
    button->setIcon(ResIcon(row.Icon));
    button->setAutoRaise(true);
    const QString hint = Tr(row.Hint);
    const int bar = hint.indexOf(QLatin1Char('|'));
    button->setToolTip(bar >= 0 ? hint.left(bar) : hint);
    button->setStatusTip(bar >= 0 ? hint.mid(bar + 1).trimmed() : hint);
    button->setCheckable(row.Id != rbClavier);
    FButtons[size_t(row.Id)] = button;
    const TResButton id = row.Id;
    if (id == rbClavier)
      connect(button, &QToolButton::clicked, this, [this] {
        if (OnTypeFormula) OnTypeFormula();
      });
    else
      connect(button, &QToolButton::toggled, this, [this, id](bool down) {
        if (!Refreshing) ButtonToggled(id, down);
      });
    // Each button keeps its own action so that it can be hidden in a tool bar.
    QAction *action = ToolBarOutils->addWidget(button);
    action->setObjectName(QString::fromLatin1(row.Name) + QStringLiteral("Action"));
    Actions[action->objectName()] = action;
  }
}

void TResForm::UpdateTools() {
  using namespace res_tools_impl;
  const int view = FModel.View;
  const settings::TOptions &o = *FModel.Sources().Options;
  const bool constructs = view == rvReferentiel || view == rvVecteur;
  const bool models = view == rvTemps || view == rvFormule;
  for (const TButtonRow &row : Rows) {
    bool visible = false;
    if (IsModelButton(row.Id) || row.Id == rbModifierModele)
      visible = models;
    else if (row.Id >= rbAngle && row.Id <= rbSupprimer)
      visible = constructs;
    else if (row.Id == rbVecteur || row.Id == rbSens)
      visible = view == rvVecteur && (FModel.ShowVelocity || FModel.ShowAcceleration);
    else if (row.Id == rbVideo)
      visible = view == rvVecteur && static_cast<bool>(FModel.Sources().GrabFrame);
    else if (row.Id == rbClavier)
      visible = view == rvFormule;
    else
      visible = view != rvTableau;
    if (visible && view != rvTableau) visible = !HiddenByOptions(o, view, row.Id);
    Actions[QString::fromLatin1(row.Name) + QStringLiteral("Action")]->setVisible(visible);
  }
  // The vectors view opens with the select tool, unless the options hide it.
  if (view == rvVecteur) {
    TGraphControl *control = CurrentGraphControl();
    if (control != nullptr && control->Graph().Tool() == gtNone && !HiddenByOptions(o, view, rbSelection))
      control->Graph().SetTool(gtSelect);
  }
}

void TResForm::SyncToolButtons() {
  using namespace res_tools_impl;
  TGraphControl *control = CurrentGraphControl();
  const int tool = control != nullptr ? control->Graph().Tool() : gtNone;
  const int model = FModel.View == rvTemps ? FModel.ModelTemps : FModel.View == rvFormule ? FModel.ModelFormule : 9;
  Refreshing = true;
  for (const TButtonRow &row : Rows) {
    QToolButton *button = FButtons[size_t(row.Id)];
    if (row.ModelKind >= 0)
      button->setChecked(row.ModelKind == model);
    else if (row.Tool != 0)
      button->setChecked(row.Tool == tool);
  }
  FButtons[rbVideo]->setChecked(FModel.DrawVideo);
  Refreshing = false;
  SetHint(tool != gtNone ? ToolHint(tool) : QString());
}

void TResForm::ButtonToggled(TResButton button, bool down) {
  using namespace res_tools_impl;
  TGraphControl *control = CurrentGraphControl();
  if (control == nullptr) return;
  TGraph &graph = control->Graph();
  const TButtonRow &row = Rows[button];
  if (row.ModelKind >= 0) {
    ModelButtonToggled(row.ModelKind, button, down);
    return;
  }
  if (button == rbVideo) {
    FModel.DrawVideo = down;
    FModel.BuildView();
    return;
  }
  if (down && button == rbModifierModele) {
    QString message;
    if (!FModel.CanModifyModel(message)) {
      TMessageBox(icInformation).AddLine(message).AddButton(Tr("Ok")).Execute();
      SyncToolButtons();
      return;
    }
  }
  if (down)
    graph.SetTool(row.Tool);
  else if (graph.Tool() == row.Tool)
    graph.SetTool(gtNone);
  SyncToolButtons();
  RefreshStatusPanels();
  UpdateMenus();
}

void TResForm::ModelButtonToggled(int kind, TResButton, bool down) {
  QString message;
  if (!down) {
    FModel.PressModel(9, message);
  } else if (!FModel.PressModel(kind, message)) {
    TMessageBox(icInformation).AddLine(message).AddButton(res_tools_impl::Tr("Ok")).Execute();
  } else {
    SetHint(res_tools_impl::Tr("|Hover the mouse over the curve to see parameters"));
  }
  SyncToolButtons();
  if (down && FModel.View != rvTableau) SetHint(res_tools_impl::Tr("|Hover the mouse over the curve to see parameters"));
  RefreshStatusPanels();
}

}  // namespace kolibra::results
