#include "mainwindow/MenuStates.h"

#include "mainwindow/MainTexts.h"

#include <QCoreApplication>

namespace kolibra::mainwindow {

namespace menu_states_impl {

#define TR(text) QT_TRANSLATE_NOOP("TMainForm", text)

std::vector<TMenuItemInfo> BuildTable() {
  return {
      {MenuFichier, MenuFichier, "MenuFichier", TR("File"), mkMenu},
      {MenuFichierOuvrir, MenuFichier, "MenuFichierOuvrir", TR("Open video..."), mkCommand},
      {MenuFichierOuvrirTravail, MenuFichier, "MenuFichierOuvrirTravail", TR("Open work..."), mkCommand},
      {MenuFichierRecents, MenuFichier, "MenuFichierRecents", TR("Recent files"), mkMenu},
      {MenuFichierEnregistrer, MenuFichier, "MenuFichierEnregistrer", TR("Save"), mkCommand, true},
      {MenuFichierProprietes, MenuFichier, "MenuFichierProprietes", TR("Video properties"), mkCommand},
      {MenuFichierEnregistrerVideo, MenuFichier, "MenuFichierEnregistrerVideo", TR("Write video..."), mkCommand},
      {MenuFichierImprimer, MenuFichier, "MenuFichierImprimer", TR("Print..."), mkCommand},
      {MenuFichierQuitter, MenuFichier, "MenuFichierQuitter", TR("Quit"), mkCommand, true},

      {MenuEdition, MenuEdition, "MenuEdition", TR("Edit"), mkMenu},
      {MenuEditionAnnuler, MenuEdition, "MenuEditionAnnuler", "", mkCommand},
      {MenuEditionRetablir, MenuEdition, "MenuEditionRetablir", "", mkCommand},

      {MenuAffichage, MenuAffichage, "MenuAffichage", TR("Display"), mkMenu},
      {MenuAffichageAnnuler, MenuAffichage, "MenuAffichageAnnuler", "", mkCommand},
      {MenuAffichageLoupe, MenuAffichage, "MenuAffichageLoupe", TR("Magnifying glass"), mkCheck, true},
      {MenuAffichageCacherImage, MenuAffichage, "MenuAffichageCacherImage", TR("Hide frame"), mkCheck},
      {MenuAffichageAller, MenuAffichage, "MenuAffichageAller", TR("Go to"), mkMenu},
      {MenuAffichageAllerDerniere, MenuAffichageAller, "MenuAffichageAllerDerniere", TR("last marked frame"),
       mkCommand},
      {MenuAffichageAllerNumero, MenuAffichageAller, "MenuAffichageAllerNumero", TR("frame no ..."), mkCommand},
      {MenuAffichageCouleur, MenuAffichage, "MenuAffichageCouleur", TR("Colours"), mkCommand, true},
      {MenuAffichageTaille, MenuAffichage, "MenuAffichageTaille", TR("Size"), mkMenu},
      {MenuAffichageTaillePetite, MenuAffichageTaille, "MenuAffichageTaillePetite", TR("small"), mkRadio},
      {MenuAffichageTailleMoyenne, MenuAffichageTaille, "MenuAffichageTailleMoyenne", TR("average"), mkRadio},
      {MenuAffichageTailleGrande, MenuAffichageTaille, "MenuAffichageTailleGrande", TR("large"), mkRadio},
      {MenuAffichageNumeroter, MenuAffichage, "MenuAffichageNumeroter", TR("Numbering"), mkMenu},
      {MenuAffichageNumeroterDessous, MenuAffichageNumeroter, "MenuAffichageNumeroterDessous",
       TR("bellow the point"), mkRadio},
      {MenuAffichageNumeroterDroite, MenuAffichageNumeroter, "MenuAffichageNumeroterDroite",
       TR("on the right of the point"), mkRadio},
      {MenuAffichageNumeroterAucun, MenuAffichageNumeroter, "MenuAffichageNumeroterAucun", TR("none"), mkRadio},
      {MenuAffichageDessiner, MenuAffichage, "MenuAffichageDessiner", TR("Draw"), mkMenu},
      {MenuAffichageDessinerDerniere, MenuAffichageDessiner, "MenuAffichageDessinerDerniere",
       TR("last video mark"), mkRadio},
      {MenuAffichageDessinerToutes, MenuAffichageDessiner, "MenuAffichageDessinerToutes", TR("all video marks"),
       mkRadio},
      {MenuAffichageDessinerAutres, MenuAffichageDessiner, "MenuAffichageDessinerAutres", TR("others ..."),
       mkRadio},
      {MenuAffichageDessinerObjets, MenuAffichageDessiner, "MenuAffichageDessinerObjets", TR("Object marks ..."),
       mkCommand, true},
      {MenuAffichageEffacer, MenuAffichage, "MenuAffichageEffacer", TR("Delete"), mkMenu, true},
      {MenuAffichageEffacerContour, MenuAffichageEffacer, "MenuAffichageEffacerContour", TR("object outline"),
       mkCommand},
      {MenuAffichageEffacerMarques, MenuAffichageEffacer, "MenuAffichageEffacerMarques", TR("the video marks"),
       mkCommand},
      {MenuAffichageEffacerZones, MenuAffichageEffacer, "MenuAffichageEffacerZones", TR("zones to ignore"),
       mkCommand},
      {MenuAffichageEffacerCalque, MenuAffichageEffacer, "MenuAffichageEffacerCalque", TR("the layer"), mkCommand},
      {MenuAffichageEffacerGrille, MenuAffichageEffacer, "MenuAffichageEffacerGrille", TR("grid"), mkCommand},
      {MenuAffichageEffacerEchelle, MenuAffichageEffacer, "MenuAffichageEffacerEchelle", TR("scale"), mkCommand},
      {MenuAffichageEffacerPlan, MenuAffichageEffacer, "MenuAffichageEffacerPlan", TR("plane and lens"), mkCommand},
      {MenuAffichageEffacerTout, MenuAffichageEffacer, "MenuAffichageEffacerTout", TR("all"), mkCommand},
      {MenuAffichageResultats, MenuAffichage, "MenuAffichageResultats", TR("Results"), mkCommand, true},
      {MenuAffichageOptions, MenuAffichage, "MenuAffichageOptions", TR("Options"), mkCommand, true},

      {MenuMesures, MenuMesures, "MenuMesures", TR("Measurements"), mkMenu},
      {MenuMesuresForme, MenuMesures, "MenuMesuresForme", TR("outline shape"), mkMenu},
      {MenuMesuresFormeLibre, MenuMesuresForme, "MenuMesuresFormeLibre", TR("free"), mkRadio},
      {MenuMesuresFormePolygone, MenuMesuresForme, "MenuMesuresFormePolygone", TR("broken line"), mkRadio},
      {MenuMesuresFormeCercle, MenuMesuresForme, "MenuMesuresFormeCercle", TR("circle"), mkRadio},
      {MenuMesuresEspace, MenuMesures, "MenuMesuresEspace", TR("Search radius"), mkMenu},
      {MenuMesuresEspace20, MenuMesuresEspace, "MenuMesuresEspace20", TR("20 pixels"), mkRadio},
      {MenuMesuresEspace40, MenuMesuresEspace, "MenuMesuresEspace40", TR("40 pixels"), mkRadio},
      {MenuMesuresEspace60, MenuMesuresEspace, "MenuMesuresEspace60", TR("60 pixels"), mkRadio},
      {MenuMesuresEspaceAutres, MenuMesuresEspace, "MenuMesuresEspaceAutres", TR("others ..."), mkRadio},
      {MenuMesuresZone, MenuMesures, "MenuMesuresZone", TR("See search area"), mkCheck},
      {MenuMesuresTemps, MenuMesures, "MenuMesuresTemps", TR("Time between two frames"), mkCommand, true},
      {MenuMesuresNbMarqueParImage, MenuMesures, "MenuMesuresNbMarqueParImage", TR("Number of marks per frame"),
       mkMenu},
      {MenuMesuresNbMarqueUne, MenuMesuresNbMarqueParImage, "MenuMesuresNbMarqueUne", TR("one"), mkRadio},
      {MenuMesuresNbMarqueDeux, MenuMesuresNbMarqueParImage, "MenuMesuresNbMarqueDeux", TR("two"), mkRadio},
      {MenuMesuresNbMarqueTrois, MenuMesuresNbMarqueParImage, "MenuMesuresNbMarqueTrois", TR("three"), mkRadio},
      {MenuMesuresNbMarqueAutres, MenuMesuresNbMarqueParImage, "MenuMesuresNbMarqueAutres", TR("others ..."),
       mkRadio},
      {MenuMesuresNbImagesEntreMarques, MenuMesures, "MenuMesuresNbImagesEntreMarques",
       TR("Advance automatically"), mkMenu},
      {MenuMesuresNbImagesUne, MenuMesuresNbImagesEntreMarques, "MenuMesuresNbImagesUne", TR("of 1 image"),
       mkRadio},
      {MenuMesuresNbImagesAutres, MenuMesuresNbImagesEntreMarques, "MenuMesuresNbImagesAutres", TR("others ..."),
       mkRadio},
      {MenuMesuresValeurEchelle, MenuMesures, "MenuMesuresValeurEchelle", TR("Scale length"), mkCommand, true},
      {MenuMesuresValeurEchelleHoriz, MenuMesures, "MenuMesuresValeurEchelleHoriz", TR("Horizontal scale length"),
       mkCommand},
      {MenuMesuresValeurEchelleVert, MenuMesures, "MenuMesuresValeurEchelleVert", TR("Vertical scale length"),
       mkCommand},
      {MenuMesuresDimensionsPlan, MenuMesures, "MenuMesuresDimensionsPlan", TR("Size of the plane's rectangle"),
       mkCommand},
      {MenuMesuresLentilleDamier, MenuMesures, "MenuMesuresLentilleDamier", TR("Lens from a checkerboard..."),
       mkCommand},
      {MenuMesuresAngleRotation, MenuMesures, "MenuMesuresAngleRotation", TR("Grid rotation angle"), mkCommand},
      {MenuMesuresInverserAxeX, MenuMesures, "MenuMesuresInverserAxeX", TR("Reverse Ox axis"), mkCheck},
      {MenuMesuresInverserAxeY, MenuMesures, "MenuMesuresInverserAxeY", TR("Reverse Oy axis"), mkCheck},
      {MenuStudioMarques, MenuMesures, "MenuStudioMarques", TR("Outlines around the marks..."), mkCommand},
      {MenuMesuresCalculatrice, MenuMesures, "MenuMesuresCalculatrice", TR("Calculator"), mkCommand, true},

      {MenuAide, MenuAide, "MenuAide", TR("Help"), mkMenu},
      {MenuAideKolibra, MenuAide, "MenuAideKolibra", TR("Kolibra help"), mkCommand},
      {MenuAideApropos, MenuAide, "MenuAideApropos", TR("About"), mkCommand},
  };
}

std::vector<TMenuItemInfo> OrderedByItem(const std::vector<TMenuItemInfo> &table) {
  std::vector<TMenuItemInfo> byItem(size_t(MenuItemCount), table.front());
  for (const TMenuItemInfo &info : table) byItem[size_t(info.Item)] = info;
  return byItem;
}

struct TPopupInfo {
  const char *Name;
  const char *Caption;
  TControl Button;
};

const TPopupInfo PopupTable[PopupItemCount] = {
    {"PopupMenuZoom", TR("Zoom"), ButtonOutilZoom},
    {"PopupMenuPan", TR("Pan image"), ButtonOutilPan},
    {"PopupMenuDeplacer", TR("Move a video mark"), ButtonOutilDeplacer},
    {"PopupMenuEffacer", TR("Erase marks"), ButtonOutilEffacer},
    {"PopupMenuEchelle", TR("Calibrate an object"), ButtonOutilEchelle},
    {"PopupMenuEchelleHoriz", TR("Define horizontal scale"), ButtonOutilEchelleHoriz},
    {"PopupMenuEchelleVert", TR("Define vertical scale"), ButtonOutilEchelleVert},
    {"PopupMenuMarque", TR("Set video marks"), ButtonOutilMarque},
    {"PopupMenuOrigine", TR("Choose a coordinate system"), ButtonOutilOrigine},
    {"PopupMenuTsp", TR("Use a layer"), ButtonOutilTsp},
    {"PopupMenuContour", TR("Draw the outline of an object"), ButtonTrackContour},
    {"PopupMenuBanZone", TR("Draw an area to ignore"), ButtonTrackBanZone},
};

#undef TR

}  // namespace menu_states_impl

const std::vector<TMenuItemInfo> &MenuTable() {
  static const std::vector<TMenuItemInfo> table = menu_states_impl::BuildTable();
  return table;
}

const TMenuItemInfo &MenuInfo(TMenuItem item) {
  static const std::vector<TMenuItemInfo> byItem = menu_states_impl::OrderedByItem(MenuTable());
  return byItem[size_t(item)];
}

QString MenuItemName(TMenuItem item) { return QLatin1String(MenuInfo(item).Name); }

QString MenuItemCaption(TMenuItem item) { return MainTr(MenuInfo(item).Caption); }

bool MenuHookItem(TMenuItem item) {
  // Each shows once its command is given to TMainController::MenuHooks.
  return item == MenuFichierEnregistrerVideo  // the video writing dialog
         || item == MenuFichierImprimer       // the print window
         || item == MenuAffichageResultats;   // the results window
}

TControl PopupButton(TPopupItem item) { return menu_states_impl::PopupTable[item].Button; }

QString PopupItemName(TPopupItem item) { return QLatin1String(menu_states_impl::PopupTable[item].Name); }

QString PopupItemCaption(TPopupItem item) { return MainTr(menu_states_impl::PopupTable[item].Caption); }

}  // namespace kolibra::mainwindow
