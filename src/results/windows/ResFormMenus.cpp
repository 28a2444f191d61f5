// The results window's menus (File, Edit, Display, Calculations, Help): built from the table
// of ResStates, their commands, and the states the table's rules give each item copied in.
#include "results/ConstructEditor.h"
#include "results/windows/GraphControl.h"
#include "results/windows/ResForm.h"

#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>

namespace kolibra::results {

QAction *TResForm::Action(const QString &name) const {
  const auto found = Actions.find(name);
  return found != Actions.end() ? found->second : nullptr;
}

void TResForm::CreateMenus() {
  std::map<TResMenuItem, QMenu *> menus;
  std::map<TResMenuItem, QActionGroup *> radioGroups;
  for (const TResMenuItemInfo &info : ResMenuTable()) {
    const QString name = QString::fromLatin1(info.Name);
    const QString caption = ResMenuItemCaption(info.Item);
    if (info.Kind == rkMenu && info.Parent == info.Item) {
      QMenu *menu = menuBar()->addMenu(caption);
      menu->setObjectName(name);
      menus[info.Item] = menu;
      continue;
    }
    QMenu *parent = menus.at(info.Parent);
    if (info.SeparatorBefore) parent->addSeparator();
    if (info.Kind == rkMenu) {
      QMenu *menu = parent->addMenu(caption);
      menu->menuAction()->setObjectName(name);
      Actions[name] = menu->menuAction();
      menus[info.Item] = menu;
      continue;
    }
    QAction *action = parent->addAction(caption);
    action->setObjectName(name);
    action->setCheckable(info.Kind != rkCommand);
    const TResMenuItem item = info.Item;
    connect(action, &QAction::triggered, this, [this, item] { MenuCommand(item); });
    Actions[name] = action;
    if (info.Kind == rkRadio) {
      QActionGroup *&group = radioGroups[info.Parent];
      if (group == nullptr) group = new QActionGroup(this);
      group->addAction(action);
    }
  }
  // The Edit and Display menus show the current view's items.
  for (const TResMenuItem menu : {MenuEdition, MenuAffichage})
    connect(menus.at(menu), &QMenu::aboutToShow, this, [this] { UpdateMenus(); });
  PopupMenu = new QMenu(this);
  PopupMenu->setObjectName(QStringLiteral("PopupMenu"));
}

void TResForm::MenuCommand(TResMenuItem item) {
  const bool checked = Action(item)->isChecked();
  switch (item) {
    case MenuFichierExporter: ExportCommand(); break;
    case MenuFichierImprimer: PrintCommand(); break;
    case MenuFichierFermer: close(); break;
    // The graph itself takes Ctrl+A and Ctrl+Z (and leaves them to a box being typed in): the
    // undo item names the key without a shortcut of its own.
    case MenuEditionAnnuler:
      if (TGraphControl *control = CurrentGraphControl())
        if (TConstructEditor *editor = FModel.EditorOf(&control->Graph())) editor->Undo(control->Graph());
      break;
    case MenuEditionRestaurerGraphe: FModel.Rescale(SlotOfView(FModel.View())); break;
    case MenuEditionRestaurerTableau:
      FModel.RestoreTable();
      RefreshGrid();
      break;
    case MenuEditionCopierImage:
    case MenuEditionCopierTableau: CopyCommand(); break;
    case MenuEditionExcel: CopyAndLaunch(ltExcel); break;
    case MenuEditionOpenOffice: CopyAndLaunch(ltOpenOffice); break;
    case MenuEditionRegressi: CopyAndLaunch(ltRegressi); break;
    case MenuAffichageZoomX:
      FModel.SetZoomX(checked);
      SyncToolButtons();
      break;
    case MenuAffichageZoomY:
      FModel.SetZoomY(checked);
      SyncToolButtons();
      break;
    case MenuAffichageOrigineDesAbscisses: FModel.SetOriginX(checked); break;
    case MenuAffichageOrigineDesOrdonnees: FModel.SetOriginY(checked); break;
    case MenuAffichageTaillePetite: FModel.SetSymbolSize(0); break;
    case MenuAffichageTailleMoyenne: FModel.SetSymbolSize(1); break;
    case MenuAffichageTailleGrande: FModel.SetSymbolSize(2); break;
    case MenuAffichageNumeroter0: FModel.SetNumbering(FModel.View(), 0); break;
    case MenuAffichageNumeroter1: FModel.SetNumbering(FModel.View(), 1); break;
    case MenuAffichageNumeroter2: FModel.SetNumbering(FModel.View(), 2); break;
    case MenuAffichageCoordonnees:
    case MenuAffichageVitesse:
    case MenuAffichageAcceleration:
    case MenuAffichagePolaire:
      FModel.SetGridGroup(item == MenuAffichageCoordonnees ? ggCoordinates
                          : item == MenuAffichageVitesse   ? ggVelocity
                          : item == MenuAffichageAcceleration ? ggAcceleration
                                                              : ggPolar,
                          checked);
      RefreshGrid();
      break;
    case MenuAffichageDessinerPolyligne: FModel.SetPolyline(checked); break;
    case MenuAffichageDessinerOrigine: FModel.SetDrawOrigin(checked); break;
    case MenuAffichageDessinerValeurs: FModel.SetDrawVectorValues(checked); break;
    case MenuAffichageTrajectoireCommeVideo: FModel.SetTrajectoryAsVideo(true); break;
    case MenuAffichageTrajectoireDansRepere: FModel.SetTrajectoryAsVideo(false); break;
    case MenuAffichageBulleModeleEqua: FModel.SetShowEquation(checked); break;
    case MenuAffichageBulleModeleStat: FModel.SetShowStatistics(checked); break;
    case MenuAffichageBulleHD:
    case MenuAffichageBulleHG:
    case MenuAffichageBulleBG:
    case MenuAffichageBulleBD: {
      const TBullePlace place = item == MenuAffichageBulleHD   ? bpUpRight
                                : item == MenuAffichageBulleHG ? bpUpLeft
                                : item == MenuAffichageBulleBG ? bpDownLeft
                                                               : bpDownRight;
      // A second click on the checked corner takes the bubble away.
      FModel.SetBullePlace(checked ? place : bpNone);
      UpdateMenus();
      break;
    }
    case MenuCalculsTemps:
      if (OnFrameInterval) OnFrameInterval();
      break;
    case MenuCalculsLisserVitesse:
      FModel.SetSmoothing(FModel.Smoothing() ^ kinematics::sfVelocity);
      RefreshGrid();
      break;
    case MenuCalculsLisserAcceleration:
      FModel.SetSmoothing(FModel.Smoothing() ^ kinematics::sfAcceleration);
      RefreshGrid();
      break;
    case MenuCalculsFormule:
      if (OnTypeFormula) OnTypeFormula();
      break;
    case MenuCalculsCalculatrice:
      if (OnCalculator) OnCalculator();
      break;
    case MenuAideKolibra:
      if (OnHelp) OnHelp();
      break;
    case MenuAideApropos:
      if (OnAbout) OnAbout();
      break;
    default: break;
  }
}

void TResForm::UpdateMenus() {
  const TResMenuStates states = ResMenuStates(FModel, static_cast<bool>(OnPrint));
  for (const TResMenuItemInfo &info : ResMenuTable()) {
    QAction *action = Action(info.Item);
    if (action == nullptr) continue;  // a menu of the bar
    const TResMenuItemState &state = states[info.Item];
    action->setVisible(state.Visible);
    action->setEnabled(state.Enabled);
    if (action->isCheckable()) action->setChecked(state.Checked);
  }
  if (states[MenuEditionAnnuler].Visible) Action(MenuEditionAnnuler)->setText(states.UndoCaption);
}

}  // namespace kolibra::results
