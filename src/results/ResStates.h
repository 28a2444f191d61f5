#pragma once
// The results window's menus, tools and context menu without the widgets: every item by its
// component name, the tree the menus form, and the state each item and each tool button
// shows, recomputed from the model (TResModel) each time a menu opens or a view changes. The
// window (TResForm) builds its menus from the table below and copies the states in, nothing
// more.
//
// The hit tests of the graph views are here too: the measured point a click lands on (the
// main window then shows its video frame) and the construct a right click lands on (the
// context menu acts on it).

#include "results/ResModel.h"

#include <QString>

#include <array>
#include <vector>

namespace kolibra::results {

// --- Menus ------------------------------------------------------------------------------------

enum TResMenuItem : int {
  // The menus of the menu bar.
  MenuFichier,
  MenuEdition,
  MenuAffichage,
  MenuCalculs,
  MenuAide,
  // File.
  MenuFichierExporter,
  MenuFichierImprimer,
  MenuFichierFermer,
  // Edit.
  MenuEditionAnnuler,
  MenuEditionRestaurerGraphe,
  MenuEditionRestaurerTableau,
  MenuEditionCopierImage,
  MenuEditionCopierTableau,
  MenuEditionLancer,
  MenuEditionExcel,
  MenuEditionOpenOffice,
  MenuEditionRegressi,
  // Display.
  MenuAffichageZoom,
  MenuAffichageZoomX,
  MenuAffichageZoomY,
  MenuAffichageOrigine,
  MenuAffichageOrigineDesAbscisses,
  MenuAffichageOrigineDesOrdonnees,
  MenuAffichageTaille,
  MenuAffichageTaillePetite,
  MenuAffichageTailleMoyenne,
  MenuAffichageTailleGrande,
  MenuAffichageNumeroter,
  MenuAffichageNumeroter0,  // below the point
  MenuAffichageNumeroter1,  // on its right
  MenuAffichageNumeroter2,  // none
  MenuAffichageCoordonnees,
  MenuAffichageVitesse,
  MenuAffichageAcceleration,
  MenuAffichagePolaire,
  MenuAffichageDessiner,
  MenuAffichageDessinerPolyligne,
  MenuAffichageDessinerOrigine,
  MenuAffichageDessinerValeurs,
  MenuAffichageTrajectoire,
  MenuAffichageTrajectoireCommeVideo,
  MenuAffichageTrajectoireDansRepere,
  MenuAffichageBulleModele,
  MenuAffichageBulleModeleEqua,
  MenuAffichageBulleModeleStat,
  MenuAffichageBulle,
  MenuAffichageBulleHD,
  MenuAffichageBulleHG,
  MenuAffichageBulleBG,
  MenuAffichageBulleBD,
  // Calculations.
  MenuCalculsTemps,
  MenuCalculsLisserVitesse,
  MenuCalculsLisserAcceleration,
  MenuCalculsFormule,
  MenuCalculsCalculatrice,
  // Help.
  MenuAideKolibra,
  MenuAideApropos,
  ResMenuItemCount
};

enum TResMenuItemKind {
  rkMenu,     // a menu of the bar or a sub-menu
  rkCommand,
  rkCheck,    // a command with a check mark of its own
  rkRadio,    // one of a sub-menu's exclusive choices
};

struct TResMenuItemInfo {
  TResMenuItem Item;
  TResMenuItem Parent;  // the item itself for a menu of the bar
  const char *Name;
  const char *Caption;  // source text, translated in context "ResFormText"
  TResMenuItemKind Kind;
  bool SeparatorBefore = false;
};

// Every item in menu order, parents before their children.
const std::vector<TResMenuItemInfo> &ResMenuTable();
const TResMenuItemInfo &ResMenuInfo(TResMenuItem item);
// The component name ("MenuAffichageZoomX").
QString ResMenuItemName(TResMenuItem item);
QString ResMenuItemCaption(TResMenuItem item);

struct TResMenuItemState {
  bool Visible = true;
  bool Enabled = true;
  bool Checked = false;
};

struct TResMenuStates {
  std::array<TResMenuItemState, ResMenuItemCount> Items{};
  // The undo item's caption: the graph's last construct change, or "Cancel".
  QString UndoCaption;

  TResMenuItemState &operator[](TResMenuItem item) { return Items[size_t(item)]; }
  const TResMenuItemState &operator[](TResMenuItem item) const { return Items[size_t(item)]; }
};

// What each item shows in the model's current view; "Print" is enabled when a print window
// is there to receive the graph.
TResMenuStates ResMenuStates(const TResModel &model, bool canPrint);

// --- The choice panel -----------------------------------------------------------------------

// The panel above a graph view: its two captions around the lists (empty: hidden), whose
// lists it shows (the view's; none for the datasheet) and its status-bar tip.
struct TResChoiceStates {
  QString Caption1, Caption2;
  int ListsOf = -1;
  QString StatusTip;
};
TResChoiceStates ResChoiceStates(const TResModel &model);

// --- Tools ------------------------------------------------------------------------------------

// The buttons of the tool bar, by role, in the tool bar's order.
enum TResButton : int {
  rbModeleAffine, rbModeleConstant, rbModeleExponentiel, rbModeleParabole, rbModeleProportionnel,
  rbModeleSinus, rbModeleSinusAe, rbModeleSinusAl, rbModifierModele,
  rbAngle, rbArc, rbCercle, rbEllipse, rbCurveArc, rbDupliquer, rbMesurer, rbSegment, rbSpline,
  rbSelection, rbSupprimer, rbVecteur, rbSens, rbVideo, rbClavier,
  rbReticule, rbPan, rbZoom,
  rbCount,
};

// Whether the options offer a view's button on the top tool bar.
bool ViewOffered(const settings::TOptions &options, int view);
// The graph tool a button selects (gtNone for the model buttons, the video and the formula
// keyboard), and the model a model button lays (mtNone for the others).
int ButtonTool(TResButton button);
modelling::TModelType ButtonModel(TResButton button);
// Whether the options hide a button in a view (the derived states for modify and bend).
bool HiddenByOptions(const settings::TOptions &options, int view, TResButton button);

struct TResToolState {
  bool Visible = false;
  bool Checked = false;
};

struct TResToolStates {
  std::array<TResToolState, rbCount> Buttons{};
  int Tool = gtNone;  // the current graph's tool

  const TResToolState &operator[](TResButton button) const { return Buttons[size_t(button)]; }
};

// Each button in the model's current view: shown when the view serves it and the options do
// not hide it; down when it is the graph's tool, the view's model or the video drawn.
TResToolStates ResToolStates(const TResModel &model);
// The vectors view opens with the select tool, unless the options hide it or a tool is
// already chosen.
void SelectOpeningTool(TResModel &model);

// --- The context menu -------------------------------------------------------------------------

// One item per tool the view shows, in this order.
struct TResPopupTool {
  TResButton Button;
  const char *Caption;  // translated in context "ResFormText"
};
const std::vector<TResPopupTool> &ResPopupTools();

struct TResPopupStates {
  // The construct under the mouse: the first items act on it (-1: none).
  int ClickedType = -1;
  // More than one construct selected: sub-menus "All" and one item per type selected.
  bool Several = false;
  std::vector<int> SelectionTypes;
  bool Bend = false;             // one arc, circle or ellipse selected
  bool ChangeDirection = false;  // vectors in the selection
};

// The context menu's word for a construct type ("Circle"), translated in context "ResFormText".
const char *ConstructWord(int type);

// What the context menu offers on a graph (editor: whether the graph takes constructs),
// once the clicked construct, if any, is selected.
TResPopupStates ResPopupStates(const TGraph &graph, bool editor, const TGElem *clicked);

// --- Hit tests --------------------------------------------------------------------------------

// The measured point a left click at a pixel lands on (the topmost visible, unmasked data
// point), when the graph's tool leaves clicks to the points; null otherwise.
const TGPoint *ClickedDataPoint(const TGraph &graph, TPoint at);
// The topmost construct of a type under a pixel; null for points, models and type 0, which
// the context menu does not act on.
TGElem *ClickedConstruct(const TGraph &graph, int type, TPoint at);

}  // namespace kolibra::results
