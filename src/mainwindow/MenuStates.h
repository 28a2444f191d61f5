#pragma once
// The main window's menus without the widgets: every item of the main menu and of the
// space-bar pop-up menu by its component name, the tree they form, and the state each item
// shows. The controller computes the states each time a menu opens (TMainController::
// MenuStates, MainControllerMenus.cpp) and carries out the commands that need no window;
// the window builds its menus from the table below and copies the states in, nothing more.
//
// The items whose command belongs to another window (MenuHookItem: the results, the video
// writing, printing) show once the window hands its command to the controller, one line
// each: Controller().MenuHooks[MenuFichierEnregistrerVideo] = ...

#include "mainwindow/MainControls.h"

#include <QString>
#include <array>
#include <vector>

namespace kolibra::mainwindow {

enum TMenuItem : int {
  // The five menus of the menu bar.
  MenuFichier,
  MenuEdition,
  MenuAffichage,
  MenuMesures,
  MenuAide,
  // File.
  MenuFichierOuvrir,
  MenuFichierOuvrirTravail,
  MenuFichierRecents,
  MenuFichierEnregistrer,
  MenuFichierProprietes,
  MenuFichierEnregistrerVideo,  // hook: the video writing dialog
  MenuFichierImprimer,          // hook: the print window
  MenuFichierQuitter,
  // Edit: the latest action of the mode, whatever the tool.
  MenuEditionAnnuler,
  MenuEditionRetablir,
  // Display.
  MenuAffichageAnnuler,
  MenuAffichageLoupe,
  MenuAffichageCacherImage,
  MenuAffichageAller,
  MenuAffichageAllerDerniere,
  MenuAffichageAllerNumero,
  MenuAffichageCouleur,
  MenuAffichageTaille,
  MenuAffichageTaillePetite,
  MenuAffichageTailleMoyenne,
  MenuAffichageTailleGrande,
  MenuAffichageNumeroter,
  MenuAffichageNumeroterDessous,
  MenuAffichageNumeroterDroite,
  MenuAffichageNumeroterAucun,
  MenuAffichageDessiner,
  MenuAffichageDessinerDerniere,
  MenuAffichageDessinerToutes,
  MenuAffichageDessinerAutres,
  MenuAffichageDessinerObjets,
  MenuAffichageEffacer,
  MenuAffichageEffacerContour,
  MenuAffichageEffacerMarques,
  MenuAffichageEffacerZones,
  MenuAffichageEffacerCalque,
  MenuAffichageEffacerGrille,
  MenuAffichageEffacerEchelle,
  MenuAffichageEffacerPlan,
  MenuAffichageEffacerTout,
  MenuAffichageResultats,  // hook: the results window
  MenuAffichageOptions,
  // Measurements.
  MenuMesuresForme,
  MenuMesuresFormeLibre,
  MenuMesuresFormePolygone,
  MenuMesuresFormeCercle,
  MenuMesuresEspace,
  MenuMesuresEspace20,
  MenuMesuresEspace40,
  MenuMesuresEspace60,
  MenuMesuresEspaceAutres,
  MenuMesuresZone,
  MenuMesuresTemps,
  MenuMesuresNbMarqueParImage,
  MenuMesuresNbMarqueUne,
  MenuMesuresNbMarqueDeux,
  MenuMesuresNbMarqueTrois,
  MenuMesuresNbMarqueAutres,
  MenuMesuresNbImagesEntreMarques,
  MenuMesuresNbImagesUne,
  MenuMesuresNbImagesAutres,
  MenuMesuresValeurEchelle,
  MenuMesuresValeurEchelleHoriz,
  MenuMesuresValeurEchelleVert,
  MenuMesuresDimensionsPlan,
  MenuMesuresLentilleDamier,
  MenuMesuresAngleRotation,
  MenuMesuresInverserAxeX,
  MenuMesuresInverserAxeY,
  MenuStudioMarques,  // the studio's outlines cut around the marks
  MenuMesuresCalculatrice,
  // Help.
  MenuAideKolibra,
  MenuAideApropos,
  MenuItemCount
};

enum TMenuItemKind {
  mkMenu,       // a menu of the bar or a sub-menu
  mkCommand,
  mkCheck,      // a command with a check mark
  mkRadio,      // one of a sub-menu's exclusive choices
};

struct TMenuItemInfo {
  TMenuItem Item;
  TMenuItem Parent;  // the item itself for a menu of the bar
  const char *Name;
  const char *Caption;  // source text, translated in context "MainFormText"; empty: computed
  TMenuItemKind Kind;
  bool SeparatorBefore = false;
};

// Every item in menu order, parents before their children.
const std::vector<TMenuItemInfo> &MenuTable();
const TMenuItemInfo &MenuInfo(TMenuItem item);
// The component name ("MenuAffichageLoupe").
QString MenuItemName(TMenuItem item);
// The translated caption of the table.
QString MenuItemCaption(TMenuItem item);
// Items of subsystems that have not reached the main window: always hidden.
bool MenuHookItem(TMenuItem item);

struct TMenuItemState {
  bool Visible = true;
  bool Enabled = true;
  bool Checked = false;
};

struct TMenuStates {
  std::array<TMenuItemState, MenuItemCount> Items{};
  // The undo item's caption: the document's undo caption, or "Cancel", and the shortcut.
  QString UndoCaption;
  // The Edit menu's: "Undo Set Mark", "Redo Set Mark", or the bare word.
  QString EditUndoCaption;
  QString EditRedoCaption;

  TMenuItemState &operator[](TMenuItem item) { return Items[size_t(item)]; }
  const TMenuItemState &operator[](TMenuItem item) const { return Items[size_t(item)]; }
};

// --- The space-bar pop-up menu ------------------------------------------------------------------

enum TPopupItem : int {
  PopupMenuZoom,
  PopupMenuPan,
  PopupMenuDeplacer,
  PopupMenuEffacer,
  PopupMenuEchelle,
  PopupMenuEchelleHoriz,
  PopupMenuEchelleVert,
  PopupMenuMarque,
  PopupMenuOrigine,
  PopupMenuTsp,
  PopupMenuContour,
  PopupMenuBanZone,
  PopupItemCount
};

// The tool button an item pushes down and clicks.
TControl PopupButton(TPopupItem item);
QString PopupItemName(TPopupItem item);
QString PopupItemCaption(TPopupItem item);

}  // namespace kolibra::mainwindow
