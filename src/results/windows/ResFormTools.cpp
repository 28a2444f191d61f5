// The results window's tool bars: the views and "Back to video" on top, the choice panel
// below it, and the tools of the graph on the left. Which tools a view shows and which are
// down is ResToolStates' rule; pressing a tool sets the graph's tool, pressing a model lays it
// over the curve.
#include "kit/MessageBox.h"
#include "kit/Texts.h"
#include "results/windows/GraphControl.h"
#include "results/windows/ResForm.h"
#include "results/windows/ResIcons.h"

#include <QAction>
#include <QCoreApplication>
#include <QToolBar>
#include <QToolButton>

namespace kolibra::results {

namespace res_tools_impl {

// How each button looks; what it does is ButtonTool's and ButtonModel's.
struct TButtonRow {
  TResButton Id;
  const char *Name;  // the component's name
  TResIcon Icon;
  const char *Hint;  // "short|long"
};

constexpr TButtonRow Rows[rbCount] = {
    {rbModeleAffine, "ButtonModeleAffine", riModeleAffine,
     QT_TRANSLATE_NOOP("ResFormText", "Linear fit|Hover mouse over curve to set parameters")},
    {rbModeleConstant, "ButtonModeleConstant", riModeleConstant,
     QT_TRANSLATE_NOOP(
         "ResFormText",
         "Fit using a constant value|Model parameters available by hovering over the curve")},
    {rbModeleExponentiel, "ButtonModeleExponentiel", riModeleExponentiel,
     QT_TRANSLATE_NOOP(
         "ResFormText",
         "Fit using an exponential| Model parameters available by hovering over the curve ")},
    {rbModeleParabole, "ButtonModeleParabole", riModeleParabole,
     QT_TRANSLATE_NOOP("ResFormText", "Parabolic fit|Hover mouse over curve to set parameters")},
    {rbModeleProportionnel, "ButtonModeleProportionnel", riModeleProportionnel,
     QT_TRANSLATE_NOOP("ResFormText",
                       "Fit using a line going through the origin|Model parameters available by "
                       "hovering over the curve")},
    {rbModeleSinus, "ButtonModeleSinus", riModeleSinus,
     QT_TRANSLATE_NOOP("ResFormText", "Sine fit|Hover mouse over curve to set parameters")},
    {rbModeleSinusAe, "ButtonModeleSinusAe", riModeleSinusAe,
     QT_TRANSLATE_NOOP(
         "ResFormText",
         "Dampened sine fit (exponential dampening)|Hover mouse over curve to set parameters")},
    {rbModeleSinusAl, "ButtonModeleSinusAl", riModeleSinusAl,
     QT_TRANSLATE_NOOP(
         "ResFormText",
         "Dampened sine fit (linear dampening)|Hover mouse over curve to set parameters")},
    {rbModifierModele, "ButtonModifierModele", riModifierModele,
     QT_TRANSLATE_NOOP("ResFormText",
                       "Modify model curve|Position of the cursor over the curve determines which "
                       "parameter is modified")},
    {rbAngle, "ButtonAngle", riAngle,
     QT_TRANSLATE_NOOP("ResFormText",
                       "New angle|Draw an angle defined by two straight lines with mouse")},
    {rbArc, "ButtonArc", riArc,
     QT_TRANSLATE_NOOP("ResFormText", "New arc|Draw an arc defined by two points")},
    {rbCercle, "ButtonCercle", riCercle,
     QT_TRANSLATE_NOOP("ResFormText", "New circle|Draw a new circle from the center")},
    {rbEllipse, "ButtonEllipse", riEllipse,
     QT_TRANSLATE_NOOP("ResFormText", "New ellipse|Draw a new ellipse from its center")},
    {rbCurveArc, "ButtonCurveArc", riCurveArc,
     QT_TRANSLATE_NOOP("ResFormText",
                       "Bend an arc, a circle or an ellipse|Catch a point on the circumference or "
                       "radius using the mouse")},
    {rbDupliquer, "ButtonDupliquer", riDupliquer,
     QT_TRANSLATE_NOOP("ResFormText",
                       "Duplicate objects|Duplicate the object under the mouse pointer; duplicate "
                       "the objects in a rectangular zone")},
    {rbMesurer, "ButtonMesurer", riMesurer,
     QT_TRANSLATE_NOOP("ResFormText",
                       "Measure an angle or an object value|Measure an angle or an object value "
                       "under mouse cursor")},
    {rbSegment, "ButtonSegment", riSegment,
     QT_TRANSLATE_NOOP("ResFormText", "New segment|Draw a new segment")},
    {rbSpline, "ButtonSpline", riSpline,
     QT_TRANSLATE_NOOP("ResFormText",
                       "New curve|Draw a curve by setting control points with the mouse.")},
    {rbSelection, "ButtonSelection", riSelection,
     QT_TRANSLATE_NOOP("ResFormText",
                       "Select, move or change an object|Select an object, move or change it with "
                       "the mouse when cursor changes to a cross")},
    {rbSupprimer, "ButtonSupprimer", riSupprimer,
     QT_TRANSLATE_NOOP("ResFormText",
                       "Delete objects|Delete the object under the mouse pointer; delete the "
                       "objects in a rectangular zone")},
    {rbVecteur, "ButtonVecteur", riVecteurOutil,
     QT_TRANSLATE_NOOP("ResFormText", "New vector|Draw a new vector with the mouse")},
    {rbSens, "ButtonSens", riSens,
     QT_TRANSLATE_NOOP("ResFormText",
                       "Change vectors direction|Change direction of the vector under the mouse "
                       "pointer; change direction of the vectors in a rectangular zone")},
    {rbVideo, "ButtonVideo", riVideo,
     QT_TRANSLATE_NOOP(
         "ResFormText",
         "Draw the current video image|The video image is drawn behind the objects.")},
    {rbClavier, "ButtonMenuClavier", riClavier, QT_TRANSLATE_NOOP("ResFormText", "Type formula")},
    {rbReticule, "ButtonReticule", riReticule,
     QT_TRANSLATE_NOOP("ResFormText",
                       "Mouse pointer coordinates|X and Y values of the mouse pointer within the "
                       "graphical area.")},
    {rbPan, "ButtonPan", riPan,
     QT_TRANSLATE_NOOP("ResFormText", "Pan image|Drag an drop the figure with the mouse")},
    {rbZoom, "ButtonZoom", riZoom,
     QT_TRANSLATE_NOOP("ResFormText",
                       "Zoom|Left-click = make bigger; right-click = make smaller; press CTRL "
                       "simultaneously to slow down")},
};

}  // namespace res_tools_impl

void TResForm::CreateToolBars() {
  using namespace res_tools_impl;
  ToolBarMenu = addToolBar(ResFormText::tr("Results"));
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
      {rvTableau, "ButtonMenuTableau", riTableau, QT_TRANSLATE_NOOP("ResFormText", "Datasheet")},
      {rvTemps, "ButtonMenuTemps", riTemps,
       QT_TRANSLATE_NOOP("ResFormText", "Evolution as a function of time")},
      {rvReferentiel, "ButtonMenuReferentiel", riReferentiel,
       QT_TRANSLATE_NOOP("ResFormText", "Trajectory in reference frame")},
      {rvVecteur, "ButtonMenuVecteur", riVecteur,
       QT_TRANSLATE_NOOP("ResFormText", "Vectors representation")},
      {rvFormule, "ButtonMenuFormule", riFormule,
       QT_TRANSLATE_NOOP("ResFormText", "Custom formulas")},
  };
  for (const auto &v : views) {
    QAction *action = ToolBarMenu->addAction(ResIcon(v.Icon), ResFormText::tr(v.Caption));
    action->setObjectName(QString::fromLatin1(v.Name));
    action->setCheckable(true);
    action->setToolTip(ResFormText::tr(v.Caption));
    action->setVisible(ViewOffered(*FModel.Sources().Options, v.View));
    const int view = v.View;
    connect(action, &QAction::triggered, this, [this, view] {
      FModel.Recalculate();
      SwitchView(view);
    });
    ViewActions[size_t(v.View)] = action;
    Actions[action->objectName()] = action;
  }
  ToolBarMenu->addSeparator();
  QAction *close = ToolBarMenu->addAction(ResIcon(riFermer), ResFormText::tr("Back to video"));
  close->setObjectName(QStringLiteral("ButtonMenuFermer"));
  connect(close, &QAction::triggered, this, [this] { this->close(); });
  Actions[close->objectName()] = close;

  addToolBarBreak(Qt::TopToolBarArea);
  ChoiceBar = addToolBar(ResFormText::tr("Choice"));
  ChoiceBar->setObjectName(QStringLiteral("ChoiceBar"));
  ChoiceBar->setMovable(false);

  ToolBarOutils = new QToolBar(ResFormText::tr("Tools"), this);
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
    const QString hint = ResFormText::tr(row.Hint);
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
  const TResToolStates states = ResToolStates(FModel);
  for (const TButtonRow &row : Rows)
    Actions[QString::fromLatin1(row.Name) + QStringLiteral("Action")]->setVisible(states[row.Id].Visible);
  SelectOpeningTool(FModel);
}

void TResForm::SyncToolButtons() {
  const TResToolStates states = ResToolStates(FModel);
  Refreshing = true;
  for (int b = 0; b < rbCount; ++b) FButtons[size_t(b)]->setChecked(states[TResButton(b)].Checked);
  Refreshing = false;
  SetHint(states.Tool != gtNone ? ToolHint(states.Tool) : QString());
}

void TResForm::ButtonToggled(TResButton button, bool down) {
  using namespace res_tools_impl;
  TGraphControl *control = CurrentGraphControl();
  if (control == nullptr) return;
  TGraph &graph = control->Graph();
  if (ButtonModel(button) != modelling::mtNone) {
    ModelButtonToggled(ButtonModel(button), down);
    return;
  }
  if (button == rbVideo) {
    FModel.SetDrawVideo(down);
    return;
  }
  if (down && button == rbModifierModele) {
    QString message;
    if (!FModel.CanModifyModel(message)) {
      TMessageBox(icInformation).AddLine(message).AddButton(ResFormText::tr("Ok")).Execute();
      SyncToolButtons();
      return;
    }
  }
  const int tool = ButtonTool(button);
  if (down)
    graph.SetTool(tool);
  else if (graph.Tool() == tool)
    graph.SetTool(gtNone);
  SyncToolButtons();
  RefreshStatusPanels();
  UpdateMenus();
}

void TResForm::ModelButtonToggled(modelling::TModelType kind, bool down) {
  QString message;
  if (!down) {
    FModel.PressModel(modelling::mtNone, message);
  } else if (!FModel.PressModel(kind, message)) {
    TMessageBox(icInformation).AddLine(message).AddButton(ResFormText::tr("Ok")).Execute();
  } else {
    SetHint(ResFormText::tr("|Hover the mouse over the curve to see parameters"));
  }
  SyncToolButtons();
  if (down && FModel.View() != rvTableau)
    SetHint(ResFormText::tr("|Hover the mouse over the curve to see parameters"));
  RefreshStatusPanels();
}

}  // namespace kolibra::results
