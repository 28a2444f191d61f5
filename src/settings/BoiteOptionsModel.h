#pragma once
// The rules of the options dialog TBoiteOptions, free of widgets. The dialog edits a copy
// of the options (Controls); nothing reaches the options, their file or the desktop's
// association before Close, so Cancel (or Escape) leaves everything as it was.
//
//   Show     the controls take the options' values; the modify-model and bend buttons show
//            their derived states (pressed when every tool they act on is hidden); the
//            association box is ticked when the association exists.
//   Close    in this order: the association is created or removed as the box says; the
//            result tells whether one of the eight calculation options changed (the main
//            window then marks both result calculators out of date); every control is
//            stored into the options; Save, then the options' OnChange.
//   Cancel   nothing changes.
//
// The password box acts at once on the copy: unticked, the password goes; ticked, a new
// password is asked and the box falls back when none is given. "Restore defaults" gives
// every option its default value, except the password lock, which is switched off only by
// its own box.

#include "settings/KlbAssociation.h"
#include "settings/Options.h"

#include <QString>
#include <optional>

namespace kolibra::settings {

class IPasswordPrompt;

struct TOptionsDialogResult {
  bool Accepted = false;
  // A calculation option changed: both result calculators are out of date.
  bool CalculationsChanged = false;
};

class TBoiteOptionsModel {
 public:
  TBoiteOptionsModel(TOptions &options, TKlbAssociation &association, const QString &executable);

  static QString Caption();

  void Show();
  TOptionsDialogResult Close();
  void Cancel();
  bool Showing() const { return Work.has_value(); }

  // The controls' state, a copy of the options while the dialog shows.
  TOptions &Controls() { return *Work; }
  const TOptions &Controls() const { return *Work; }

  // A control of a key of the options table.
  bool Checked(const TOptionKey &key) const;
  void SetChecked(const TOptionKey &key, bool checked);
  // An up-down's value, or a combo box's item index.
  int Value(const TOptionKey &key) const;
  void SetValue(const TOptionKey &key, int value);

  bool PasswordChecked() const { return Work->PasswordEnabled; }
  // The password box was clicked into state checked; returns the state it must show.
  bool PasswordClicked(bool checked, IPasswordPrompt &prompt);

  bool AssociationChecked = false;

  const QString &DefaultDirectory() const { return Work->DefaultDirectory; }
  // Where the folder dialog starts: the default folder when it exists, else nowhere special.
  QString FolderDialogStart() const;
  // The folder dialog closed on folder: it becomes the default when it exists, else none.
  void ChangeDefaultDirectory(const QString &folder);
  void DeleteDefaultDirectory();

  void RestoreDefaults();

 private:
  void ReportAssociationFailure() const;

  TOptions &Options;
  TKlbAssociation &Association;
  QString Executable;
  std::optional<TOptions> Work;
};

// The caption and hint of the association box.
QString AssociationCaption();
QString AssociationHint();

}  // namespace kolibra::settings
