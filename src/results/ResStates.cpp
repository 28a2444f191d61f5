#include "results/ResStates.h"

#include "kit/Texts.h"
#include "results/ConstructEditor.h"
#include "settings/Options.h"

#include <QCoreApplication>

namespace kolibra::results {

namespace res_states_impl {

std::vector<TResMenuItemInfo> BuildTable() {
  return {
      {MenuFichier, MenuFichier, "MenuFichier", QT_TRANSLATE_NOOP("ResFormText", "File"), rkMenu},
      {MenuFichierExporter, MenuFichier, "MenuFichierExporter",
       QT_TRANSLATE_NOOP("ResFormText", "Export"), rkCommand},
      {MenuFichierImprimer, MenuFichier, "MenuFichierImprimer",
       QT_TRANSLATE_NOOP("ResFormText", "Print"), rkCommand},
      {MenuFichierFermer, MenuFichier, "MenuFichierFermer",
       QT_TRANSLATE_NOOP("ResFormText", "Close"), rkCommand, true},

      {MenuEdition, MenuEdition, "MenuEdition", QT_TRANSLATE_NOOP("ResFormText", "Edit"), rkMenu},
      {MenuEditionAnnuler, MenuEdition, "MenuEditionAnnuler",
       QT_TRANSLATE_NOOP("ResFormText", "Cancel"), rkCommand},
      {MenuEditionRestaurerGraphe, MenuEdition, "MenuEditionRestaurerGraphe",
       QT_TRANSLATE_NOOP("ResFormText", "Restore graph"), rkCommand},
      {MenuEditionRestaurerTableau, MenuEdition, "MenuEditionRestaurerTableau",
       QT_TRANSLATE_NOOP("ResFormText", "Restore table"), rkCommand},
      {MenuEditionCopierImage, MenuEdition, "MenuEditionCopierImage",
       QT_TRANSLATE_NOOP("ResFormText", "Copy frame to clipboard"), rkCommand},
      {MenuEditionCopierTableau, MenuEdition, "MenuEditionCopierTableau",
       QT_TRANSLATE_NOOP("ResFormText", "Copy datasheet to clipboard"), rkCommand},
      {MenuEditionLancer, MenuEdition, "MenuEditionLancer",
       QT_TRANSLATE_NOOP("ResFormText", "Copy and launch"), rkMenu},
      {MenuEditionExcel, MenuEditionLancer, "MenuEditionExcel",
       QT_TRANSLATE_NOOP("ResFormText", "Excel"), rkCommand},
      {MenuEditionOpenOffice, MenuEditionLancer, "MenuEditionOpenOffice",
       QT_TRANSLATE_NOOP("ResFormText", "OpenOffice"), rkCommand},
      {MenuEditionRegressi, MenuEditionLancer, "MenuEditionRegressi",
       QT_TRANSLATE_NOOP("ResFormText", "Regressi"), rkCommand},

      {MenuAffichage, MenuAffichage, "MenuAffichage", QT_TRANSLATE_NOOP("ResFormText", "Display"),
       rkMenu},
      {MenuAffichageZoom, MenuAffichage, "MenuAffichageZoom",
       QT_TRANSLATE_NOOP("ResFormText", "Zoom"), rkMenu},
      {MenuAffichageZoomX, MenuAffichageZoom, "MenuAffichageZoomX",
       QT_TRANSLATE_NOOP("ResFormText", "of x-axis"), rkCheck},
      {MenuAffichageZoomY, MenuAffichageZoom, "MenuAffichageZoomY",
       QT_TRANSLATE_NOOP("ResFormText", "of y-axis"), rkCheck},
      {MenuAffichageOrigine, MenuAffichage, "MenuAffichageOrigine",
       QT_TRANSLATE_NOOP("ResFormText", "Origin"), rkMenu},
      {MenuAffichageOrigineDesAbscisses, MenuAffichageOrigine, "MenuAffichageOrigineDesAbscisses",
       QT_TRANSLATE_NOOP("ResFormText", "of x-axis"), rkCheck},
      {MenuAffichageOrigineDesOrdonnees, MenuAffichageOrigine, "MenuAffichageOrigineDesOrdonnees",
       QT_TRANSLATE_NOOP("ResFormText", "of y-axis"), rkCheck},
      {MenuAffichageTaille, MenuAffichage, "MenuAffichageTaille",
       QT_TRANSLATE_NOOP("ResFormText", "Size"), rkMenu},
      {MenuAffichageTaillePetite, MenuAffichageTaille, "MenuAffichageTaillePetite",
       QT_TRANSLATE_NOOP("ResFormText", "small"), rkRadio},
      {MenuAffichageTailleMoyenne, MenuAffichageTaille, "MenuAffichageTailleMoyenne",
       QT_TRANSLATE_NOOP("ResFormText", "average"), rkRadio},
      {MenuAffichageTailleGrande, MenuAffichageTaille, "MenuAffichageTailleGrande",
       QT_TRANSLATE_NOOP("ResFormText", "large"), rkRadio},
      {MenuAffichageNumeroter, MenuAffichage, "MenuAffichageNumeroter",
       QT_TRANSLATE_NOOP("ResFormText", "Numbering"), rkMenu},
      {MenuAffichageNumeroter0, MenuAffichageNumeroter, "MenuAffichageNumeroter0",
       QT_TRANSLATE_NOOP("ResFormText", "bellow the point"), rkRadio},
      {MenuAffichageNumeroter1, MenuAffichageNumeroter, "MenuAffichageNumeroter1",
       QT_TRANSLATE_NOOP("ResFormText", "on the right of the point"), rkRadio},
      {MenuAffichageNumeroter2, MenuAffichageNumeroter, "MenuAffichageNumeroter2",
       QT_TRANSLATE_NOOP("ResFormText", "none"), rkRadio},
      {MenuAffichageCoordonnees, MenuAffichage, "MenuAffichageCoordonnees",
       QT_TRANSLATE_NOOP("ResFormText", "Coordinates"), rkCheck},
      {MenuAffichageVitesse, MenuAffichage, "MenuAffichageVitesse",
       QT_TRANSLATE_NOOP("ResFormText", "Velocity"), rkCheck},
      {MenuAffichageAcceleration, MenuAffichage, "MenuAffichageAcceleration",
       QT_TRANSLATE_NOOP("ResFormText", "Acceleration"), rkCheck},
      {MenuAffichagePolaire, MenuAffichage, "MenuAffichagePolaire",
       QT_TRANSLATE_NOOP("ResFormText", "Polar quantities"), rkCheck},
      {MenuAffichageDessiner, MenuAffichage, "MenuAffichageDessiner",
       QT_TRANSLATE_NOOP("ResFormText", "Draw"), rkMenu},
      {MenuAffichageDessinerPolyligne, MenuAffichageDessiner, "MenuAffichageDessinerPolyligne",
       QT_TRANSLATE_NOOP("ResFormText", "broken line"), rkCheck},
      {MenuAffichageDessinerOrigine, MenuAffichageDessiner, "MenuAffichageDessinerOrigine",
       QT_TRANSLATE_NOOP("ResFormText", "graph origin"), rkCheck},
      {MenuAffichageDessinerValeurs, MenuAffichageDessiner, "MenuAffichageDessinerValeurs",
       QT_TRANSLATE_NOOP("ResFormText", "the value of the vectors"), rkCheck},
      {MenuAffichageTrajectoire, MenuAffichage, "MenuAffichageTrajectoire",
       QT_TRANSLATE_NOOP("ResFormText", "Trajectory"), rkMenu},
      {MenuAffichageTrajectoireCommeVideo, MenuAffichageTrajectoire,
       "MenuAffichageTrajectoireCommeVideo", QT_TRANSLATE_NOOP("ResFormText", "same as the video"),
       rkRadio},
      {MenuAffichageTrajectoireDansRepere, MenuAffichageTrajectoire,
       "MenuAffichageTrajectoireDansRepere",
       QT_TRANSLATE_NOOP("ResFormText", "in the graph basis (O, x, y)"), rkRadio},
      {MenuAffichageBulleModele, MenuAffichage, "MenuAffichageBulleModele",
       QT_TRANSLATE_NOOP("ResFormText", "Model modifier"), rkMenu},
      {MenuAffichageBulleModeleEqua, MenuAffichageBulleModele, "MenuAffichageBulleModeleEqua",
       QT_TRANSLATE_NOOP("ResFormText", "Equation display"), rkCheck},
      {MenuAffichageBulleModeleStat, MenuAffichageBulleModele, "MenuAffichageBulleModeleStat",
       QT_TRANSLATE_NOOP("ResFormText", "statistics"), rkCheck},
      // A second click on the checked corner takes the bubble away: checks, not radio items.
      {MenuAffichageBulle, MenuAffichage, "MenuAffichageBulle",
       QT_TRANSLATE_NOOP("ResFormText", "Bubble of values"), rkMenu},
      {MenuAffichageBulleHD, MenuAffichageBulle, "MenuAffichageBulleHD",
       QT_TRANSLATE_NOOP("ResFormText", "up right"), rkCheck},
      {MenuAffichageBulleHG, MenuAffichageBulle, "MenuAffichageBulleHG",
       QT_TRANSLATE_NOOP("ResFormText", "up left"), rkCheck},
      {MenuAffichageBulleBG, MenuAffichageBulle, "MenuAffichageBulleBG",
       QT_TRANSLATE_NOOP("ResFormText", "bottom left"), rkCheck},
      {MenuAffichageBulleBD, MenuAffichageBulle, "MenuAffichageBulleBD",
       QT_TRANSLATE_NOOP("ResFormText", "bottom right"), rkCheck},

      {MenuCalculs, MenuCalculs, "MenuCalculs", QT_TRANSLATE_NOOP("ResFormText", "Calculations"),
       rkMenu},
      {MenuCalculsTemps, MenuCalculs, "MenuCalculsTemps",
       QT_TRANSLATE_NOOP("ResFormText", "Time between two frames"), rkCommand},
      {MenuCalculsLisserVitesse, MenuCalculs, "MenuCalculsLisserVitesse",
       QT_TRANSLATE_NOOP("ResFormText", "Smooth values of the velocity"), rkCheck},
      {MenuCalculsLisserAcceleration, MenuCalculs, "MenuCalculsLisserAcceleration",
       QT_TRANSLATE_NOOP("ResFormText", "Smooth values of the acceleration"), rkCheck},
      {MenuCalculsFormule, MenuCalculs, "MenuCalculsFormule",
       QT_TRANSLATE_NOOP("ResFormText", "Type formula"), rkCommand},
      {MenuCalculsCalculatrice, MenuCalculs, "MenuCalculsCalculatrice",
       QT_TRANSLATE_NOOP("ResFormText", "Calculator"), rkCommand},

      {MenuAide, MenuAide, "MenuAide", QT_TRANSLATE_NOOP("ResFormText", "Help"), rkMenu},
      {MenuAideKolibra, MenuAide, "MenuAideKolibra",
       QT_TRANSLATE_NOOP("ResFormText", "Kolibra help"), rkCommand},
      {MenuAideApropos, MenuAide, "MenuAideApropos", QT_TRANSLATE_NOOP("ResFormText", "About"),
       rkCommand},
  };
}

struct TButtonRule {
  TResButton Button;
  int Tool;
  modelling::TModelType Model;
};

constexpr TButtonRule ButtonRules[rbCount] = {
    {rbModeleAffine, gtNone, modelling::mtAffine},
    {rbModeleConstant, gtNone, modelling::mtConstant},
    {rbModeleExponentiel, gtNone, modelling::mtExponential},
    {rbModeleParabole, gtNone, modelling::mtParabola},
    {rbModeleProportionnel, gtNone, modelling::mtProportional},
    {rbModeleSinus, gtNone, modelling::mtSine},
    {rbModeleSinusAe, gtNone, modelling::mtSineExpDamped},
    {rbModeleSinusAl, gtNone, modelling::mtSineLinDamped},
    {rbModifierModele, gtModifyModel, modelling::mtNone},
    {rbAngle, gtNewAngle, modelling::mtNone},
    {rbArc, gtNewArc, modelling::mtNone},
    {rbCercle, gtNewCircle, modelling::mtNone},
    {rbEllipse, gtNewEllipse, modelling::mtNone},
    {rbCurveArc, gtBend, modelling::mtNone},
    {rbDupliquer, gtDuplicate, modelling::mtNone},
    {rbMesurer, gtMeasure, modelling::mtNone},
    {rbSegment, gtNewSegment, modelling::mtNone},
    {rbSpline, gtNewSpline, modelling::mtNone},
    {rbSelection, gtSelect, modelling::mtNone},
    {rbSupprimer, gtDelete, modelling::mtNone},
    {rbVecteur, gtNewVector, modelling::mtNone},
    {rbSens, gtChangeDirection, modelling::mtNone},
    {rbVideo, gtNone, modelling::mtNone},
    {rbClavier, gtNone, modelling::mtNone},
    {rbReticule, gtCoordinates, modelling::mtNone},
    {rbPan, gtPan, modelling::mtNone},
    {rbZoom, gtZoom, modelling::mtNone},
};

// The construct types the context menu names, in its order.
const struct {
  int Type;
  const char *Word;
} TypeWords[] = {{obAngle, QT_TRANSLATE_NOOP("ResFormText", "Angle")},
                 {obArc, QT_TRANSLATE_NOOP("ResFormText", "Arc")},
                 {obCercle, QT_TRANSLATE_NOOP("ResFormText", "Circle")},
                 {obEllipse, QT_TRANSLATE_NOOP("ResFormText", "Ellipse")},
                 {obSegment, QT_TRANSLATE_NOOP("ResFormText", "Segment")},
                 {obSpline, QT_TRANSLATE_NOOP("ResFormText", "Curve")},
                 {obVecteur, QT_TRANSLATE_NOOP("ResFormText", "Vector")}};

bool IsConstructsView(int view) { return view == rvReferentiel || view == rvVecteur; }
bool IsModelsView(int view) { return view == rvTemps || view == rvFormule; }

// Whether a view serves a button, before the options have their say.
bool ServedByView(const TResModel &model, TResButton button) {
  const int view = model.View();
  if (button <= rbModeleSinusAl || button == rbModifierModele) return IsModelsView(view);
  if (button >= rbAngle && button <= rbSupprimer) return IsConstructsView(view);
  if (button == rbVecteur || button == rbSens) return view == rvVecteur && (model.ShowVelocity() || model.ShowAcceleration());
  if (button == rbVideo) return view == rvVecteur && static_cast<bool>(model.Sources().GrabFrame);
  if (button == rbClavier) return view == rvFormule;
  return view != rvTableau;
}

}  // namespace res_states_impl

// ---------------------------------------------------------------------------------------------
// Menus
// ---------------------------------------------------------------------------------------------

const std::vector<TResMenuItemInfo> &ResMenuTable() {
  static const std::vector<TResMenuItemInfo> table = res_states_impl::BuildTable();
  return table;
}

const TResMenuItemInfo &ResMenuInfo(TResMenuItem item) {
  static const std::array<const TResMenuItemInfo *, ResMenuItemCount> byItem = [] {
    std::array<const TResMenuItemInfo *, ResMenuItemCount> index{};
    for (const TResMenuItemInfo &info : ResMenuTable()) index[size_t(info.Item)] = &info;
    return index;
  }();
  return *byItem[size_t(item)];
}

QString ResMenuItemName(TResMenuItem item) { return QString::fromLatin1(ResMenuInfo(item).Name); }

QString ResMenuItemCaption(TResMenuItem item) {
  return QCoreApplication::translate("ResFormText", ResMenuInfo(item).Caption);
}

TResMenuStates ResMenuStates(const TResModel &model, bool canPrint) {
  using namespace res_states_impl;
  TResMenuStates s;
  const int view = model.View();
  const bool graphView = view != rvTableau;
  const bool datasheet = view == rvTableau;
  const bool constructs = IsConstructsView(view);
  const bool models = IsModelsView(view);
  const kinematics::TMemory &memory = model.Memory();

  s[MenuEditionAnnuler].Visible = constructs;
  if (constructs) {
    bool enabled = false;
    s.UndoCaption = model.UndoItemCaption(enabled);
    s[MenuEditionAnnuler].Enabled = enabled;
  }
  s[MenuFichierImprimer].Visible = graphView;
  s[MenuFichierImprimer].Enabled = canPrint;
  s[MenuEditionRestaurerGraphe].Visible = view == rvReferentiel || view == rvTemps || view == rvVecteur;
  s[MenuEditionRestaurerTableau].Visible = datasheet;
  s[MenuEditionCopierImage].Visible = graphView;
  s[MenuEditionCopierTableau].Visible = datasheet;
  s[MenuEditionLancer].Visible = datasheet;

  s[MenuAffichageZoom].Visible = models;
  s[MenuAffichageZoomX].Checked = model.ZoomX();
  s[MenuAffichageZoomY].Checked = model.ZoomY();
  s[MenuAffichageOrigine].Visible = view == rvFormule;
  s[MenuAffichageOrigineDesAbscisses].Checked = model.OriginX();
  s[MenuAffichageOrigineDesOrdonnees].Checked = model.OriginY();
  s[MenuAffichageTaille].Visible = graphView;
  s[MenuAffichageTaillePetite].Checked = memory.SymbolSize == 0;
  s[MenuAffichageTailleMoyenne].Checked = memory.SymbolSize == 1;
  s[MenuAffichageTailleGrande].Checked = memory.SymbolSize == 2;
  s[MenuAffichageNumeroter].Visible = constructs;
  const int place = view == rvVecteur ? memory.VecteurNumbering : memory.ReferentielNumbering;
  s[MenuAffichageNumeroter0].Checked = place == 0;
  s[MenuAffichageNumeroter1].Checked = place == 1;
  s[MenuAffichageNumeroter2].Checked = place == 2;

  const struct {
    TResMenuItem Item;
    TGridGroup Group;
  } groups[] = {{MenuAffichageCoordonnees, ggCoordinates},
                {MenuAffichageVitesse, ggVelocity},
                {MenuAffichageAcceleration, ggAcceleration},
                {MenuAffichagePolaire, ggPolar}};
  for (const auto &g : groups) {
    s[g.Item].Visible = datasheet;
    s[g.Item].Checked = model.GridGroup(g.Group);
  }
  // A group whose results were not computed cannot be shown.
  s[MenuAffichageVitesse].Enabled = model.ShowVelocity();
  s[MenuAffichageAcceleration].Enabled = model.ShowAcceleration();
  s[MenuAffichagePolaire].Enabled = model.ShowPolar();

  s[MenuAffichageDessiner].Visible = graphView;
  s[MenuAffichageDessinerPolyligne].Visible = view == rvTemps || view == rvReferentiel || view == rvFormule;
  s[MenuAffichageDessinerPolyligne].Checked = model.Polyline();
  s[MenuAffichageDessinerOrigine].Visible = view == rvVecteur;
  s[MenuAffichageDessinerValeurs].Visible = view == rvVecteur;
  s[MenuAffichageDessinerOrigine].Checked = memory.DrawOrigin != 0;
  s[MenuAffichageDessinerValeurs].Checked = memory.DrawVectorValues != 0;
  s[MenuAffichageTrajectoire].Visible = view == rvVecteur;
  s[MenuAffichageTrajectoireCommeVideo].Checked = model.TrajectoryAsVideo();
  s[MenuAffichageTrajectoireDansRepere].Checked = !model.TrajectoryAsVideo();
  s[MenuAffichageBulleModele].Visible = models;
  s[MenuAffichageBulleModeleEqua].Checked = model.ShowEquation();
  s[MenuAffichageBulleModeleStat].Checked = model.ShowStatistics();
  s[MenuAffichageBulle].Visible = constructs;
  s[MenuAffichageBulleHD].Checked = model.BullePlace() == bpUpRight;
  s[MenuAffichageBulleHG].Checked = model.BullePlace() == bpUpLeft;
  s[MenuAffichageBulleBG].Checked = model.BullePlace() == bpDownLeft;
  s[MenuAffichageBulleBD].Checked = model.BullePlace() == bpDownRight;

  s[MenuCalculsLisserVitesse].Checked = (model.Smoothing() & kinematics::sfVelocity) != 0;
  s[MenuCalculsLisserAcceleration].Checked = (model.Smoothing() & kinematics::sfAcceleration) != 0;
  return s;
}

// ---------------------------------------------------------------------------------------------
// The choice panel
// ---------------------------------------------------------------------------------------------

TResChoiceStates ResChoiceStates(const TResModel &model) {
  TResChoiceStates s;
  const int view = model.View();
  switch (view) {
    case rvTemps:
      s.Caption2 = ResFormText::tr("as a function of time");
      break;
    case rvReferentiel:
      s.Caption1 = ResFormText::tr("Trajectory");
      s.Caption2 = ResFormText::tr("in the reference frame");
      break;
    case rvVecteur:
      s.Caption1 = ResFormText::tr("Vector representation of");
      break;
    case rvFormule:
      s.Caption2 = ResFormText::tr("function of");
      break;
    default: break;
  }
  if (SlotOfView(view) >= 0) s.ListsOf = view;
  if (view == rvTemps || view == rvVecteur)
    s.StatusTip =
        model.Measurement() == rmLayer
            ? ResFormText::tr(
                  "Speed and acceleration are calculated within a reference frame linked to the "
                  "layer")
            : ResFormText::tr(
                  "Velocity and acceleration are calculated in the reference frame of the camera ");
  else if (view == rvReferentiel)
    s.StatusTip =
        ResFormText::tr("The reference frames are in translation with respect to each other");
  return s;
}

// ---------------------------------------------------------------------------------------------
// Tools
// ---------------------------------------------------------------------------------------------

bool ViewOffered(const settings::TOptions &o, int view) {
  switch (view) {
    case rvFormule: return o.CheckBox28FormulaShowItem_Checked;
    case rvReferentiel: return o.CheckBox18TrajectoryShowItem_Checked;
    case rvTableau: return o.CheckBox37GridShowItem_Checked;
    case rvTemps: return o.CheckBox15TimeShowItem_Checked;
    case rvVecteur: return o.CheckBox22VectorShowItem_Checked;
    default: return false;
  }
}

int ButtonTool(TResButton button) { return res_states_impl::ButtonRules[size_t(button)].Tool; }

modelling::TModelType ButtonModel(TResButton button) { return res_states_impl::ButtonRules[size_t(button)].Model; }

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

TResToolStates ResToolStates(const TResModel &model) {
  using namespace res_states_impl;
  TResToolStates s;
  const int view = model.View();
  const TGraph *graph = model.CurrentGraph();
  s.Tool = graph != nullptr ? graph->Tool() : gtNone;
  const modelling::TModelType laid = model.ModelOf(view);
  for (int b = 0; b < rbCount; ++b) {
    const TResButton button = TResButton(b);
    TResToolState &state = s.Buttons[size_t(b)];
    state.Visible = ServedByView(model, button) && !HiddenByOptions(*model.Sources().Options, view, button);
    if (ButtonModel(button) != modelling::mtNone)
      state.Checked = ButtonModel(button) == laid;
    else if (ButtonTool(button) != gtNone)
      state.Checked = ButtonTool(button) == s.Tool;
  }
  s.Buttons[rbVideo].Checked = model.DrawVideo();
  return s;
}

void SelectOpeningTool(TResModel &model) {
  if (model.View() != rvVecteur) return;
  TGraph *graph = model.CurrentGraph();
  if (graph != nullptr && graph->Tool() == gtNone && !HiddenByOptions(*model.Sources().Options, rvVecteur, rbSelection))
    graph->SetTool(gtSelect);
}

// ---------------------------------------------------------------------------------------------
// The context menu
// ---------------------------------------------------------------------------------------------

const std::vector<TResPopupTool> &ResPopupTools() {
  static const std::vector<TResPopupTool> tools = {
      {rbAngle, QT_TRANSLATE_NOOP("ResFormText", "Draw an angle")},
      {rbArc, QT_TRANSLATE_NOOP("ResFormText", "Draw an arc")},
      {rbCercle, QT_TRANSLATE_NOOP("ResFormText", "Draw a circle")},
      {rbEllipse, QT_TRANSLATE_NOOP("ResFormText", "Draw an ellipse")},
      {rbSegment, QT_TRANSLATE_NOOP("ResFormText", "Draw a segment")},
      {rbSpline, QT_TRANSLATE_NOOP("ResFormText", "Draw a curve")},
      {rbVecteur, QT_TRANSLATE_NOOP("ResFormText", "Draw a vector")},
      {rbMesurer, QT_TRANSLATE_NOOP("ResFormText", "Measure a value or an angle")},
      {rbModifierModele, QT_TRANSLATE_NOOP("ResFormText", "Modify model curve")},
      {rbPan, QT_TRANSLATE_NOOP("ResFormText", "Pan image")},
      {rbReticule, QT_TRANSLATE_NOOP("ResFormText", "Mouse pointer coordinates")},
      {rbSelection, QT_TRANSLATE_NOOP("ResFormText", "Select an object")},
      {rbZoom, QT_TRANSLATE_NOOP("ResFormText", "Zoom")},
  };
  return tools;
}

const char *ConstructWord(int type) {
  for (const auto &word : res_states_impl::TypeWords)
    if (word.Type == type) return word.Word;
  return "";
}

TResPopupStates ResPopupStates(const TGraph &graph, bool editor, const TGElem *clicked) {
  TResPopupStates s;
  if (clicked != nullptr) s.ClickedType = clicked->ObjectType;
  if (!editor) return s;
  if (graph.SelectionCount() > 1) {
    s.Several = true;
    const unsigned types = graph.SelectionTypes();
    for (const auto &word : res_states_impl::TypeWords)
      if (types & (1u << word.Type)) s.SelectionTypes.push_back(word.Type);
  }
  if (graph.SelectionCount() == 1) {
    const int type = graph.Selection.front()->ObjectType;
    s.Bend = type == obArc || type == obCercle || type == obEllipse;
  }
  s.ChangeDirection = (graph.SelectionTypes() & (1u << obVecteur)) != 0;
  return s;
}

// ---------------------------------------------------------------------------------------------
// Hit tests
// ---------------------------------------------------------------------------------------------

const TGPoint *ClickedDataPoint(const TGraph &graph, TPoint at) {
  // The tools that draw, move or zoom keep the click for themselves.
  const int tool = graph.Tool();
  if (tool != gtNone && tool != gtCoordinates && tool != gtSelect && tool != gtModelParams && tool != gtMeasure)
    return nullptr;
  for (auto it = graph.Elements().rbegin(); it != graph.Elements().rend(); ++it) {
    const TGElem &e = **it;
    if (e.ObjectType != obPoint || e.UserMade || !e.Visible || e.Masked) continue;
    auto &point = static_cast<TGPoint &>(**it);
    if (point.HitTest(at)) return &point;
  }
  return nullptr;
}

TGElem *ClickedConstruct(const TGraph &graph, int type, TPoint at) {
  if (type == 0 || type == obPoint || type == obModele) return nullptr;
  for (auto it = graph.Elements().rbegin(); it != graph.Elements().rend(); ++it)
    if ((*it)->ObjectType == type && (*it)->HitTest(at)) return it->get();
  return nullptr;
}

}  // namespace kolibra::results
