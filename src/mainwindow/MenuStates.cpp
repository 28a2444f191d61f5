#include "mainwindow/MenuStates.h"

#include "kit/Texts.h"

#include <QCoreApplication>

namespace kolibra::mainwindow {

namespace menu_states_impl {

std::vector<TMenuItemInfo> BuildTable() {
  return {
      {MenuFichier, MenuFichier, "MenuFichier", QT_TRANSLATE_NOOP("MainFormText", "File"), mkMenu},
      {MenuFichierOuvrir, MenuFichier, "MenuFichierOuvrir",
       QT_TRANSLATE_NOOP("MainFormText", "Open video..."), mkCommand},
      {MenuFichierOuvrirTravail, MenuFichier, "MenuFichierOuvrirTravail",
       QT_TRANSLATE_NOOP("MainFormText", "Open work..."), mkCommand},
      {MenuFichierRecents, MenuFichier, "MenuFichierRecents",
       QT_TRANSLATE_NOOP("MainFormText", "Recent files"), mkMenu},
      {MenuFichierEnregistrer, MenuFichier, "MenuFichierEnregistrer",
       QT_TRANSLATE_NOOP("MainFormText", "Save"), mkCommand, true},
      {MenuFichierProprietes, MenuFichier, "MenuFichierProprietes",
       QT_TRANSLATE_NOOP("MainFormText", "Video properties"), mkCommand},
      {MenuFichierEnregistrerVideo, MenuFichier, "MenuFichierEnregistrerVideo",
       QT_TRANSLATE_NOOP("MainFormText", "Write video..."), mkCommand},
      {MenuFichierImprimer, MenuFichier, "MenuFichierImprimer",
       QT_TRANSLATE_NOOP("MainFormText", "Print..."), mkCommand},
      {MenuFichierQuitter, MenuFichier, "MenuFichierQuitter",
       QT_TRANSLATE_NOOP("MainFormText", "Quit"), mkCommand, true},

      {MenuEdition, MenuEdition, "MenuEdition", QT_TRANSLATE_NOOP("MainFormText", "Edit"), mkMenu},
      {MenuEditionAnnuler, MenuEdition, "MenuEditionAnnuler", "", mkCommand},
      {MenuEditionRetablir, MenuEdition, "MenuEditionRetablir", "", mkCommand},

      {MenuAffichage, MenuAffichage, "MenuAffichage", QT_TRANSLATE_NOOP("MainFormText", "Display"),
       mkMenu},
      {MenuAffichageAnnuler, MenuAffichage, "MenuAffichageAnnuler", "", mkCommand},
      {MenuAffichageLoupe, MenuAffichage, "MenuAffichageLoupe",
       QT_TRANSLATE_NOOP("MainFormText", "Magnifying glass"), mkCheck, true},
      {MenuAffichageCacherImage, MenuAffichage, "MenuAffichageCacherImage",
       QT_TRANSLATE_NOOP("MainFormText", "Hide frame"), mkCheck},
      {MenuAffichageAller, MenuAffichage, "MenuAffichageAller",
       QT_TRANSLATE_NOOP("MainFormText", "Go to"), mkMenu},
      {MenuAffichageAllerDerniere, MenuAffichageAller, "MenuAffichageAllerDerniere",
       QT_TRANSLATE_NOOP("MainFormText", "last marked frame"), mkCommand},
      {MenuAffichageAllerNumero, MenuAffichageAller, "MenuAffichageAllerNumero",
       QT_TRANSLATE_NOOP("MainFormText", "frame no ..."), mkCommand},
      {MenuAffichageCouleur, MenuAffichage, "MenuAffichageCouleur",
       QT_TRANSLATE_NOOP("MainFormText", "Colours"), mkCommand, true},
      {MenuAffichageTaille, MenuAffichage, "MenuAffichageTaille",
       QT_TRANSLATE_NOOP("MainFormText", "Size"), mkMenu},
      {MenuAffichageTaillePetite, MenuAffichageTaille, "MenuAffichageTaillePetite",
       QT_TRANSLATE_NOOP("MainFormText", "small"), mkRadio},
      {MenuAffichageTailleMoyenne, MenuAffichageTaille, "MenuAffichageTailleMoyenne",
       QT_TRANSLATE_NOOP("MainFormText", "average"), mkRadio},
      {MenuAffichageTailleGrande, MenuAffichageTaille, "MenuAffichageTailleGrande",
       QT_TRANSLATE_NOOP("MainFormText", "large"), mkRadio},
      {MenuAffichageNumeroter, MenuAffichage, "MenuAffichageNumeroter",
       QT_TRANSLATE_NOOP("MainFormText", "Numbering"), mkMenu},
      {MenuAffichageNumeroterDessous, MenuAffichageNumeroter, "MenuAffichageNumeroterDessous",
       QT_TRANSLATE_NOOP("MainFormText", "bellow the point"), mkRadio},
      {MenuAffichageNumeroterDroite, MenuAffichageNumeroter, "MenuAffichageNumeroterDroite",
       QT_TRANSLATE_NOOP("MainFormText", "on the right of the point"), mkRadio},
      {MenuAffichageNumeroterAucun, MenuAffichageNumeroter, "MenuAffichageNumeroterAucun",
       QT_TRANSLATE_NOOP("MainFormText", "none"), mkRadio},
      {MenuAffichageDessiner, MenuAffichage, "MenuAffichageDessiner",
       QT_TRANSLATE_NOOP("MainFormText", "Draw"), mkMenu},
      {MenuAffichageDessinerDerniere, MenuAffichageDessiner, "MenuAffichageDessinerDerniere",
       QT_TRANSLATE_NOOP("MainFormText", "last video mark"), mkRadio},
      {MenuAffichageDessinerToutes, MenuAffichageDessiner, "MenuAffichageDessinerToutes",
       QT_TRANSLATE_NOOP("MainFormText", "all video marks"), mkRadio},
      {MenuAffichageDessinerAutres, MenuAffichageDessiner, "MenuAffichageDessinerAutres",
       QT_TRANSLATE_NOOP("MainFormText", "others ..."), mkRadio},
      {MenuAffichageDessinerObjets, MenuAffichageDessiner, "MenuAffichageDessinerObjets",
       QT_TRANSLATE_NOOP("MainFormText", "Object marks ..."), mkCommand, true},
      {MenuAffichageEffacer, MenuAffichage, "MenuAffichageEffacer",
       QT_TRANSLATE_NOOP("MainFormText", "Delete"), mkMenu, true},
      {MenuAffichageEffacerContour, MenuAffichageEffacer, "MenuAffichageEffacerContour",
       QT_TRANSLATE_NOOP("MainFormText", "object outline"), mkCommand},
      {MenuAffichageEffacerMarques, MenuAffichageEffacer, "MenuAffichageEffacerMarques",
       QT_TRANSLATE_NOOP("MainFormText", "the video marks"), mkCommand},
      {MenuAffichageEffacerZones, MenuAffichageEffacer, "MenuAffichageEffacerZones",
       QT_TRANSLATE_NOOP("MainFormText", "zones to ignore"), mkCommand},
      {MenuAffichageEffacerCalque, MenuAffichageEffacer, "MenuAffichageEffacerCalque",
       QT_TRANSLATE_NOOP("MainFormText", "the layer"), mkCommand},
      {MenuAffichageEffacerGrille, MenuAffichageEffacer, "MenuAffichageEffacerGrille",
       QT_TRANSLATE_NOOP("MainFormText", "grid"), mkCommand},
      {MenuAffichageEffacerEchelle, MenuAffichageEffacer, "MenuAffichageEffacerEchelle",
       QT_TRANSLATE_NOOP("MainFormText", "scale"), mkCommand},
      {MenuAffichageEffacerPlan, MenuAffichageEffacer, "MenuAffichageEffacerPlan",
       QT_TRANSLATE_NOOP("MainFormText", "plane and lens"), mkCommand},
      {MenuAffichageEffacerTout, MenuAffichageEffacer, "MenuAffichageEffacerTout",
       QT_TRANSLATE_NOOP("MainFormText", "all"), mkCommand},
      {MenuAffichageResultats, MenuAffichage, "MenuAffichageResultats",
       QT_TRANSLATE_NOOP("MainFormText", "Results"), mkCommand, true},
      {MenuAffichageOptions, MenuAffichage, "MenuAffichageOptions",
       QT_TRANSLATE_NOOP("MainFormText", "Options"), mkCommand, true},

      {MenuMesures, MenuMesures, "MenuMesures", QT_TRANSLATE_NOOP("MainFormText", "Measurements"),
       mkMenu},
      {MenuMesuresForme, MenuMesures, "MenuMesuresForme",
       QT_TRANSLATE_NOOP("MainFormText", "outline shape"), mkMenu},
      {MenuMesuresFormeLibre, MenuMesuresForme, "MenuMesuresFormeLibre",
       QT_TRANSLATE_NOOP("MainFormText", "free"), mkRadio},
      {MenuMesuresFormePolygone, MenuMesuresForme, "MenuMesuresFormePolygone",
       QT_TRANSLATE_NOOP("MainFormText", "broken line"), mkRadio},
      {MenuMesuresFormeCercle, MenuMesuresForme, "MenuMesuresFormeCercle",
       QT_TRANSLATE_NOOP("MainFormText", "circle"), mkRadio},
      {MenuMesuresEspace, MenuMesures, "MenuMesuresEspace",
       QT_TRANSLATE_NOOP("MainFormText", "Search radius"), mkMenu},
      {MenuMesuresEspace20, MenuMesuresEspace, "MenuMesuresEspace20",
       QT_TRANSLATE_NOOP("MainFormText", "20 pixels"), mkRadio},
      {MenuMesuresEspace40, MenuMesuresEspace, "MenuMesuresEspace40",
       QT_TRANSLATE_NOOP("MainFormText", "40 pixels"), mkRadio},
      {MenuMesuresEspace60, MenuMesuresEspace, "MenuMesuresEspace60",
       QT_TRANSLATE_NOOP("MainFormText", "60 pixels"), mkRadio},
      {MenuMesuresEspaceAutres, MenuMesuresEspace, "MenuMesuresEspaceAutres",
       QT_TRANSLATE_NOOP("MainFormText", "others ..."), mkRadio},
      {MenuMesuresZone, MenuMesures, "MenuMesuresZone",
       QT_TRANSLATE_NOOP("MainFormText", "See search area"), mkCheck},
      {MenuMesuresTemps, MenuMesures, "MenuMesuresTemps",
       QT_TRANSLATE_NOOP("MainFormText", "Time between two frames"), mkCommand, true},
      {MenuMesuresNbMarqueParImage, MenuMesures, "MenuMesuresNbMarqueParImage",
       QT_TRANSLATE_NOOP("MainFormText", "Number of marks per frame"), mkMenu},
      {MenuMesuresNbMarqueUne, MenuMesuresNbMarqueParImage, "MenuMesuresNbMarqueUne",
       QT_TRANSLATE_NOOP("MainFormText", "one"), mkRadio},
      {MenuMesuresNbMarqueDeux, MenuMesuresNbMarqueParImage, "MenuMesuresNbMarqueDeux",
       QT_TRANSLATE_NOOP("MainFormText", "two"), mkRadio},
      {MenuMesuresNbMarqueTrois, MenuMesuresNbMarqueParImage, "MenuMesuresNbMarqueTrois",
       QT_TRANSLATE_NOOP("MainFormText", "three"), mkRadio},
      {MenuMesuresNbMarqueAutres, MenuMesuresNbMarqueParImage, "MenuMesuresNbMarqueAutres",
       QT_TRANSLATE_NOOP("MainFormText", "others ..."), mkRadio},
      {MenuMesuresNbImagesEntreMarques, MenuMesures, "MenuMesuresNbImagesEntreMarques",
       QT_TRANSLATE_NOOP("MainFormText", "Advance automatically"), mkMenu},
      {MenuMesuresNbImagesUne, MenuMesuresNbImagesEntreMarques, "MenuMesuresNbImagesUne",
       QT_TRANSLATE_NOOP("MainFormText", "of 1 image"), mkRadio},
      {MenuMesuresNbImagesAutres, MenuMesuresNbImagesEntreMarques, "MenuMesuresNbImagesAutres",
       QT_TRANSLATE_NOOP("MainFormText", "others ..."), mkRadio},
      {MenuMesuresValeurEchelle, MenuMesures, "MenuMesuresValeurEchelle",
       QT_TRANSLATE_NOOP("MainFormText", "Scale length"), mkCommand, true},
      {MenuMesuresValeurEchelleHoriz, MenuMesures, "MenuMesuresValeurEchelleHoriz",
       QT_TRANSLATE_NOOP("MainFormText", "Horizontal scale length"), mkCommand},
      {MenuMesuresValeurEchelleVert, MenuMesures, "MenuMesuresValeurEchelleVert",
       QT_TRANSLATE_NOOP("MainFormText", "Vertical scale length"), mkCommand},
      {MenuMesuresDimensionsPlan, MenuMesures, "MenuMesuresDimensionsPlan",
       QT_TRANSLATE_NOOP("MainFormText", "Size of the plane's rectangle"), mkCommand},
      {MenuMesuresLentilleDamier, MenuMesures, "MenuMesuresLentilleDamier",
       QT_TRANSLATE_NOOP("MainFormText", "Lens from a checkerboard..."), mkCommand},
      {MenuMesuresAngleRotation, MenuMesures, "MenuMesuresAngleRotation",
       QT_TRANSLATE_NOOP("MainFormText", "Grid rotation angle"), mkCommand},
      {MenuMesuresInverserAxeX, MenuMesures, "MenuMesuresInverserAxeX",
       QT_TRANSLATE_NOOP("MainFormText", "Reverse Ox axis"), mkCheck},
      {MenuMesuresInverserAxeY, MenuMesures, "MenuMesuresInverserAxeY",
       QT_TRANSLATE_NOOP("MainFormText", "Reverse Oy axis"), mkCheck},
      {MenuStudioMarques, MenuMesures, "MenuStudioMarques",
       QT_TRANSLATE_NOOP("MainFormText", "Outlines around the marks..."), mkCommand},
      {MenuMesuresCalculatrice, MenuMesures, "MenuMesuresCalculatrice",
       QT_TRANSLATE_NOOP("MainFormText", "Calculator"), mkCommand, true},

      {MenuAide, MenuAide, "MenuAide", QT_TRANSLATE_NOOP("MainFormText", "Help"), mkMenu},
      {MenuAideKolibra, MenuAide, "MenuAideKolibra",
       QT_TRANSLATE_NOOP("MainFormText", "Kolibra help"), mkCommand},
      {MenuAideApropos, MenuAide, "MenuAideApropos", QT_TRANSLATE_NOOP("MainFormText", "About"),
       mkCommand},
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
    {"PopupMenuZoom", QT_TRANSLATE_NOOP("MainFormText", "Zoom"), ButtonOutilZoom},
    {"PopupMenuPan", QT_TRANSLATE_NOOP("MainFormText", "Pan image"), ButtonOutilPan},
    {"PopupMenuDeplacer", QT_TRANSLATE_NOOP("MainFormText", "Move a video mark"),
     ButtonOutilDeplacer},
    {"PopupMenuEffacer", QT_TRANSLATE_NOOP("MainFormText", "Erase marks"), ButtonOutilEffacer},
    {"PopupMenuEchelle", QT_TRANSLATE_NOOP("MainFormText", "Calibrate an object"),
     ButtonOutilEchelle},
    {"PopupMenuEchelleHoriz", QT_TRANSLATE_NOOP("MainFormText", "Define horizontal scale"),
     ButtonOutilEchelleHoriz},
    {"PopupMenuEchelleVert", QT_TRANSLATE_NOOP("MainFormText", "Define vertical scale"),
     ButtonOutilEchelleVert},
    {"PopupMenuMarque", QT_TRANSLATE_NOOP("MainFormText", "Set video marks"), ButtonOutilMarque},
    {"PopupMenuOrigine", QT_TRANSLATE_NOOP("MainFormText", "Choose a coordinate system"),
     ButtonOutilOrigine},
    {"PopupMenuTsp", QT_TRANSLATE_NOOP("MainFormText", "Use a layer"), ButtonOutilTsp},
    {"PopupMenuContour", QT_TRANSLATE_NOOP("MainFormText", "Draw the outline of an object"),
     ButtonTrackContour},
    {"PopupMenuBanZone", QT_TRANSLATE_NOOP("MainFormText", "Draw an area to ignore"),
     ButtonTrackBanZone},
};

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

QString MenuItemCaption(TMenuItem item) { return MainFormText::tr(MenuInfo(item).Caption); }

bool MenuHookItem(TMenuItem item) {
  // Each shows once its command is given to TMainController::MenuHooks.
  return item == MenuFichierEnregistrerVideo  // the video writing dialog
         || item == MenuFichierImprimer       // the print window
         || item == MenuAffichageResultats;   // the results window
}

TControl PopupButton(TPopupItem item) { return menu_states_impl::PopupTable[item].Button; }

QString PopupItemName(TPopupItem item) { return QLatin1String(menu_states_impl::PopupTable[item].Name); }

QString PopupItemCaption(TPopupItem item) {
  return MainFormText::tr(menu_states_impl::PopupTable[item].Caption);
}

}  // namespace kolibra::mainwindow
