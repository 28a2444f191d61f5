#include "results/ResStates.h"

#include "results/ConstructEditor.h"
#include "settings/Options.h"

#include <QCoreApplication>

namespace kolibra::results {

namespace res_states_impl {

#define TR(text) QT_TRANSLATE_NOOP("TResForm", text)

std::vector<TResMenuItemInfo> BuildTable() {
  return {
      {MenuFichier, MenuFichier, "MenuFichier", TR("File"), rkMenu},
      {MenuFichierExporter, MenuFichier, "MenuFichierExporter", TR("Export"), rkCommand},
      {MenuFichierImprimer, MenuFichier, "MenuFichierImprimer", TR("Print"), rkCommand},
      {MenuFichierFermer, MenuFichier, "MenuFichierFermer", TR("Close"), rkCommand, true},

      {MenuEdition, MenuEdition, "MenuEdition", TR("Edit"), rkMenu},
      {MenuEditionAnnuler, MenuEdition, "MenuEditionAnnuler", TR("Cancel"), rkCommand},
      {MenuEditionRestaurerGraphe, MenuEdition, "MenuEditionRestaurerGraphe", TR("Restore graph"), rkCommand},
      {MenuEditionRestaurerTableau, MenuEdition, "MenuEditionRestaurerTableau", TR("Restore table"), rkCommand},
      {MenuEditionCopierImage, MenuEdition, "MenuEditionCopierImage", TR("Copy frame to clipboard"), rkCommand},
      {MenuEditionCopierTableau, MenuEdition, "MenuEditionCopierTableau", TR("Copy datasheet to clipboard"),
       rkCommand},
      {MenuEditionLancer, MenuEdition, "MenuEditionLancer", TR("Copy and launch"), rkMenu},
      {MenuEditionExcel, MenuEditionLancer, "MenuEditionExcel", TR("Excel"), rkCommand},
      {MenuEditionOpenOffice, MenuEditionLancer, "MenuEditionOpenOffice", TR("OpenOffice"), rkCommand},
      {MenuEditionRegressi, MenuEditionLancer, "MenuEditionRegressi", TR("Regressi"), rkCommand},

      {MenuAffichage, MenuAffichage, "MenuAffichage", TR("Display"), rkMenu},
      {MenuAffichageZoom, MenuAffichage, "MenuAffichageZoom", TR("Zoom"), rkMenu},
      {MenuAffichageZoomX, MenuAffichageZoom, "MenuAffichageZoomX", TR("of x-axis"), rkCheck},
      {MenuAffichageZoomY, MenuAffichageZoom, "MenuAffichageZoomY", TR("of y-axis"), rkCheck},
      {MenuAffichageOrigine, MenuAffichage, "MenuAffichageOrigine", TR("Origin"), rkMenu},
      {MenuAffichageOrigineDesAbscisses, MenuAffichageOrigine, "MenuAffichageOrigineDesAbscisses", TR("of x-axis"),
       rkCheck},
      {MenuAffichageOrigineDesOrdonnees, MenuAffichageOrigine, "MenuAffichageOrigineDesOrdonnees", TR("of y-axis"),
       rkCheck},
      {MenuAffichageTaille, MenuAffichage, "MenuAffichageTaille", TR("Size"), rkMenu},
      {MenuAffichageTaillePetite, MenuAffichageTaille, "MenuAffichageTaillePetite", TR("small"), rkRadio},
      {MenuAffichageTailleMoyenne, MenuAffichageTaille, "MenuAffichageTailleMoyenne", TR("average"), rkRadio},
      {MenuAffichageTailleGrande, MenuAffichageTaille, "MenuAffichageTailleGrande", TR("large"), rkRadio},
      {MenuAffichageNumeroter, MenuAffichage, "MenuAffichageNumeroter", TR("Numbering"), rkMenu},
      {MenuAffichageNumeroter0, MenuAffichageNumeroter, "MenuAffichageNumeroter0", TR("bellow the point"), rkRadio},
      {MenuAffichageNumeroter1, MenuAffichageNumeroter, "MenuAffichageNumeroter1", TR("on the right of the point"),
       rkRadio},
      {MenuAffichageNumeroter2, MenuAffichageNumeroter, "MenuAffichageNumeroter2", TR("none"), rkRadio},
      {MenuAffichageCoordonnees, MenuAffichage, "MenuAffichageCoordonnees", TR("Coordinates"), rkCheck},
      {MenuAffichageVitesse, MenuAffichage, "MenuAffichageVitesse", TR("Velocity"), rkCheck},
      {MenuAffichageAcceleration, MenuAffichage, "MenuAffichageAcceleration", TR("Acceleration"), rkCheck},
      {MenuAffichagePolaire, MenuAffichage, "MenuAffichagePolaire", TR("Polar quantities"), rkCheck},
      {MenuAffichageDessiner, MenuAffichage, "MenuAffichageDessiner", TR("Draw"), rkMenu},
      {MenuAffichageDessinerPolyligne, MenuAffichageDessiner, "MenuAffichageDessinerPolyligne", TR("broken line"),
       rkCheck},
      {MenuAffichageDessinerOrigine, MenuAffichageDessiner, "MenuAffichageDessinerOrigine", TR("graph origin"),
       rkCheck},
      {MenuAffichageDessinerValeurs, MenuAffichageDessiner, "MenuAffichageDessinerValeurs",
       TR("the value of the vectors"), rkCheck},
      {MenuAffichageTrajectoire, MenuAffichage, "MenuAffichageTrajectoire", TR("Trajectory"), rkMenu},
      {MenuAffichageTrajectoireCommeVideo, MenuAffichageTrajectoire, "MenuAffichageTrajectoireCommeVideo",
       TR("same as the video"), rkRadio},
      {MenuAffichageTrajectoireDansRepere, MenuAffichageTrajectoire, "MenuAffichageTrajectoireDansRepere",
       TR("in the graph basis (O, x, y)"), rkRadio},
      {MenuAffichageBulleModele, MenuAffichage, "MenuAffichageBulleModele", TR("Model modifier"), rkMenu},
      {MenuAffichageBulleModeleEqua, MenuAffichageBulleModele, "MenuAffichageBulleModeleEqua", TR("Equation display"),
       rkCheck},
      {MenuAffichageBulleModeleStat, MenuAffichageBulleModele, "MenuAffichageBulleModeleStat", TR("statistics"),
       rkCheck},
      // A second click on the checked corner takes the bubble away: checks, not radio items.
      {MenuAffichageBulle, MenuAffichage, "MenuAffichageBulle", TR("Bubble of values"), rkMenu},
      {MenuAffichageBulleHD, MenuAffichageBulle, "MenuAffichageBulleHD", TR("up right"), rkCheck},
      {MenuAffichageBulleHG, MenuAffichageBulle, "MenuAffichageBulleHG", TR("up left"), rkCheck},
      {MenuAffichageBulleBG, MenuAffichageBulle, "MenuAffichageBulleBG", TR("bottom left"), rkCheck},
      {MenuAffichageBulleBD, MenuAffichageBulle, "MenuAffichageBulleBD", TR("bottom right"), rkCheck},

      {MenuCalculs, MenuCalculs, "MenuCalculs", TR("Calculations"), rkMenu},
      {MenuCalculsTemps, MenuCalculs, "MenuCalculsTemps", TR("Time between two frames"), rkCommand},
      {MenuCalculsLisserVitesse, MenuCalculs, "MenuCalculsLisserVitesse", TR("Smooth values of the velocity"),
       rkCheck},
      {MenuCalculsLisserAcceleration, MenuCalculs, "MenuCalculsLisserAcceleration",
       TR("Smooth values of the acceleration"), rkCheck},
      {MenuCalculsFormule, MenuCalculs, "MenuCalculsFormule", TR("Type formula"), rkCommand},
      {MenuCalculsCalculatrice, MenuCalculs, "MenuCalculsCalculatrice", TR("Calculator"), rkCommand},

      {MenuAide, MenuAide, "MenuAide", TR("Help"), rkMenu},
      {MenuAideKolibra, MenuAide, "MenuAideKolibra", TR("Kolibra help"), rkCommand},
      {MenuAideApropos, MenuAide, "MenuAideApropos", TR("About"), rkCommand},
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
} TypeWords[] = {{obAngle, TR("Angle")},     {obArc, TR("Arc")},       {obCercle, TR("Circle")}, {obEllipse, TR("Ellipse")},
                 {obSegment, TR("Segment")}, {obSpline, TR("Curve")}, {obVecteur, TR("Vector")}};

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
  return QCoreApplication::translate("TResForm", ResMenuInfo(item).Caption);
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
  const auto tr = [](const char *text) { return QCoreApplication::translate("TResForm", text); };
  TResChoiceStates s;
  const int view = model.View();
  switch (view) {
    case rvTemps: s.Caption2 = tr("as a function of time"); break;
    case rvReferentiel:
      s.Caption1 = tr("Trajectory");
      s.Caption2 = tr("in the reference frame");
      break;
    case rvVecteur: s.Caption1 = tr("Vector representation of"); break;
    case rvFormule: s.Caption2 = tr("function of"); break;
    default: break;
  }
  if (SlotOfView(view) >= 0) s.ListsOf = view;
  if (view == rvTemps || view == rvVecteur)
    s.StatusTip = model.Measurement() == rmLayer
                      ? tr("Speed and acceleration are calculated within a reference frame linked to the layer")
                      : tr("Velocity and acceleration are calculated in the reference frame of the camera ");
  else if (view == rvReferentiel)
    s.StatusTip = tr("The reference frames are in translation with respect to each other");
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
      {rbAngle, TR("Draw an angle")},
      {rbArc, TR("Draw an arc")},
      {rbCercle, TR("Draw a circle")},
      {rbEllipse, TR("Draw an ellipse")},
      {rbSegment, TR("Draw a segment")},
      {rbSpline, TR("Draw a curve")},
      {rbVecteur, TR("Draw a vector")},
      {rbMesurer, TR("Measure a value or an angle")},
      {rbModifierModele, TR("Modify model curve")},
      {rbPan, TR("Pan image")},
      {rbReticule, TR("Mouse pointer coordinates")},
      {rbSelection, TR("Select an object")},
      {rbZoom, TR("Zoom")},
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

#undef TR

}  // namespace kolibra::results
