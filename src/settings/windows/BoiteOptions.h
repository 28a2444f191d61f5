#pragma once
// TBoiteOptions: the options dialog. It lives as long as the main window; each Execute
// builds the modal window from the page table (OptionsPages.h) over a TBoiteOptionsModel,
// which holds every rule, and releases the window afterwards.
//
// The main window's options command is, in full:
//
//   if (!FBoiteOptions.CheckAccess(*FOptions)) return;
//   if (FBoiteOptions.Execute(*FOptions).CalculationsChanged) FResCalc->Invalidate(rsBoth);
//
// Execute raises the options' OnChange when the user confirms, which is how the rest of the
// program learns the new options.

#include "kit/Color.h"
#include "settings/BoiteOptionsModel.h"
#include "settings/KlbAssociation.h"
#include "settings/windows/PasswordDlg.h"

#include <QFont>
#include <QIcon>
#include <QString>
#include <functional>

namespace kolibra::settings {

class TBoiteOptions {
 public:
  TBoiteOptions();

  // The password lock: true when the options may be changed.
  bool CheckAccess(TOptions &options) { return options.CheckAccess(PasswordDlg); }
  // Shows the dialog; what the caller must act on when it closes.
  TOptionsDialogResult Execute(TOptions &options);

  // The program the ".klb" association opens (this one, by default).
  QString Executable;
  TKlbAssociation Association;
  TPasswordDlg PasswordDlg;
  // The folder dialog of "Change ...": the chosen folder, or empty when cancelled.
  std::function<QString(const QString &start)> ChooseFolder;
  // The picture of a page whose tab shows only an icon (by the page's object name); without
  // one the tab shows the page's caption.
  std::function<QIcon(const QString &page)> PageIcon;

  QFont Font;
  TColor BackGroundColor = colors::clBtnFace;
};

}  // namespace kolibra::settings
