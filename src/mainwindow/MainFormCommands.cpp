// The window's menus: the main menu and the space-bar pop-up menu built from the table of
// MenuStates.h, their states copied in from the controller each time a menu opens, and the
// commands that need a window of their own (files, video properties, the options dialog,
// the calculator, help). Every other command is the controller's (MainControllerMenus.cpp).

#include "formulas/windows/Calculatrice.h"
#include "kit/Texts.h"
#include "mainwindow/HelpCommand.h"
#include "mainwindow/HelpWindow.h"
#include "mainwindow/MainForm.h"
#include "mainwindow/OptionsPageIcons.h"
#include "settings/Options.h"
#include "settings/windows/BoiteOptions.h"
#include "videoview/windows/Video.h"

#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QCursor>
#include <QMenu>
#include <QMenuBar>
#include <QScopeGuard>

#include <array>

namespace kolibra::mainwindow {

struct TMainForm::TCommands {
  std::array<QAction *, MenuItemCount> Actions{};
  std::array<QMenu *, MenuItemCount> Menus{};
  QMenu *Popup = nullptr;
  std::array<QAction *, PopupItemCount> PopupActions{};
  settings::TBoiteOptions BoiteOptions;
  std::unique_ptr<formulas::TCalculatrice> Calculatrice;
  std::unique_ptr<THelpWindow> Help;  // made the first time the desktop cannot show the page
};

void TMainForm::CreateCommandMenus() {
  FCommands = std::make_shared<TCommands>();
  TCommands &c = *FCommands;
  std::array<QActionGroup *, MenuItemCount> groups{};
  for (const TMenuItemInfo &info : MenuTable()) {
    const TMenuItem item = info.Item;
    QMenu *parent = info.Parent == item ? nullptr : c.Menus[size_t(info.Parent)];
    if (parent != nullptr && info.SeparatorBefore) parent->addSeparator();
    if (info.Kind == mkMenu) {
      QMenu *menu = parent != nullptr ? parent->addMenu(MenuItemCaption(item)) : menuBar()->addMenu(MenuItemCaption(item));
      menu->setObjectName(MenuItemName(item));
      menu->menuAction()->setObjectName(MenuItemName(item));
      c.Menus[size_t(item)] = menu;
      c.Actions[size_t(item)] = menu->menuAction();
      // The states follow the mode, the tool and the document: recomputed at every opening.
      connect(menu, &QMenu::aboutToShow, this, [this] { UpdateMenus(); });
      continue;
    }
    QAction *action = parent->addAction(MenuItemCaption(item));
    action->setObjectName(MenuItemName(item));
    action->setCheckable(info.Kind != mkCommand);
    if (info.Kind == mkRadio) {
      QActionGroup *&group = groups[size_t(info.Parent)];
      if (group == nullptr) group = new QActionGroup(parent);
      group->addAction(action);
    }
    // The controller decides a check mark: the action shows its state, not the click's.
    connect(action, &QAction::triggered, this, [this, item] { MenuClicked(item); });
    c.Actions[size_t(item)] = action;
  }
  c.Actions[MenuFichierOuvrir]->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
  c.Actions[MenuFichierOuvrirTravail]->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_O));
  c.Actions[MenuFichierEnregistrer]->setShortcut(QKeySequence::Save);
  c.Actions[MenuFichierQuitter]->setShortcut(QKeySequence::Quit);
  c.Actions[MenuAideKolibra]->setShortcut(QKeySequence::HelpContents);
  // Ctrl+Z stays the active tool's undo (the key reaches the controller); the Edit menu's
  // undo goes back through every tool's actions, so it has no key of its own.
  c.Actions[MenuEditionRetablir]->setShortcuts(
      {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
  FMenuRecent = c.Menus[MenuFichierRecents];
  RebuildRecentMenu();

  c.Popup = new QMenu(this);
  c.Popup->setObjectName(QStringLiteral("PopupMenu"));
  for (int i = 0; i < PopupItemCount; ++i) {
    const TPopupItem item = TPopupItem(i);
    QAction *action = c.Popup->addAction(PopupItemCaption(item));
    action->setObjectName(PopupItemName(item));
    connect(action, &QAction::triggered, this, [this, item] {
      // The pop-up closes and the window repaints before the tool acts.
      QCoreApplication::processEvents();
      FController->PopupCommand(item);
    });
    c.PopupActions[size_t(i)] = action;
  }
  connect(c.Popup, &QMenu::aboutToShow, this, [this] { PopupMenuPopup(); });

  c.BoiteOptions.Font = font();
  c.BoiteOptions.PageIcon = OptionsPageIcon;
  c.Calculatrice = std::make_unique<formulas::TCalculatrice>();
  c.Calculatrice->setFont(font());
}

void TMainForm::UpdateMenus() {
  if (!FCommands) return;
  TCommands &c = *FCommands;
  const TMenuStates states = FController->MenuStates();
  for (int i = 0; i < MenuItemCount; ++i) {
    QAction *action = c.Actions[size_t(i)];
    const TMenuItemState &state = states.Items[size_t(i)];
    action->setVisible(state.Visible);
    action->setEnabled(state.Enabled);
    if (action->isCheckable()) action->setChecked(state.Checked);
  }
  c.Actions[MenuAffichageAnnuler]->setText(states.UndoCaption);
  c.Actions[MenuEditionAnnuler]->setText(states.EditUndoCaption);
  c.Actions[MenuEditionRetablir]->setText(states.EditRedoCaption);
}

void TMainForm::MenuClicked(TMenuItem item) {
  // Whatever the click did to the check mark, the controller's state is shown again.
  const auto restore = qScopeGuard([this] { UpdateMenus(); });
  if (!FController->MenuAvailable(item)) return;
  switch (item) {
    case MenuFichierOuvrir:
      OpenVideoCommand();
      return;
    case MenuFichierOuvrirTravail:
      FWork->OpenWorkCommand();
      return;
    case MenuFichierProprietes:
      ShowVideoProperties();
      return;
    case MenuFichierQuitter:
      close();
      return;
    case MenuAffichageOptions:
      ShowOptions();
      return;
    case MenuMesuresCalculatrice:
      ShowCalculator();
      return;
    case MenuAideKolibra:
      ShowHelp();
      return;
    case MenuStudioMarques:
      AskOutlinesAroundMarks();
      return;
    default:
      FController->MenuCommand(item);
  }
}

QAction *TMainForm::MenuAction(TMenuItem item) const { return FCommands->Actions[size_t(item)]; }

// ---------------------------------------------------------------------------------------------
// The pop-up menu
// ---------------------------------------------------------------------------------------------

QMenu *TMainForm::PopupMenu() const { return FCommands->Popup; }

void TMainForm::PopupMenuPopup() {
  for (int i = 0; i < PopupItemCount; ++i) {
    const TPopupItem item = TPopupItem(i);
    QAction *action = FCommands->PopupActions[size_t(i)];
    action->setVisible(FController->PopupItemVisible(item));
    action->setEnabled(FController->State(PopupButton(item)).Enabled);
  }
}

bool TMainForm::ShowPopupMenu() {
  const QPoint pointer = QCursor::pos();
  if (!FVideo->isVisible() || !FVideo->rect().contains(FVideo->mapFromGlobal(pointer))) return false;
  FCommands->Popup->popup(pointer);
  return true;
}

// ---------------------------------------------------------------------------------------------
// Options, calculator, help
// ---------------------------------------------------------------------------------------------

settings::TBoiteOptions &TMainForm::OptionsDialog() { return FCommands->BoiteOptions; }

formulas::TCalculatrice &TMainForm::Calculator() { return *FCommands->Calculatrice; }

void TMainForm::ShowOptions() {
  settings::TBoiteOptions &dialog = FCommands->BoiteOptions;
  // Closing with OK raises the options' OnChange: the document, the studio, the tracker
  // and the buttons re-read them; the results only need to know they are stale.
  if (dialog.CheckAccess(*FOptions) && dialog.Execute(*FOptions).CalculationsChanged)
    FController->CalculationOptionsChanged();
}

void TMainForm::ShowCalculator() { FCommands->Calculatrice->Execute(); }

void TMainForm::ShowHelp() {
  OpenHelp(QCoreApplication::applicationDirPath(), THelpOpener(), [this](const QUrl &page) {
    std::unique_ptr<THelpWindow> &window = FCommands->Help;
    if (!window) {
      window = std::make_unique<THelpWindow>();
      window->setFont(font());
    }
    window->ShowPage(page);
    return true;
  });
}

}  // namespace kolibra::mainwindow
