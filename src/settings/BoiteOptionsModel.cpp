#include "settings/BoiteOptionsModel.h"

#include "kit/MessageBox.h"
#include "kit/Texts.h"
#include "settings/PasswordLock.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <variant>

namespace kolibra::settings {

namespace boite_options_model {

template <typename T>
auto FieldOf(const TOptionKey &key) -> T TOptions::* {
  const auto field = std::get_if<T TOptions::*>(&key.Field);
  return field ? *field : nullptr;
}

// Every field of the options table from one object to another.
void CopyKeys(const TOptions &from, TOptions &to) {
  for (const TOptionKey &key : OptionKeys()) {
    std::visit([&](auto field) { to.*field = from.*field; }, key.Field);
  }
  to.PasswordEnabled = from.PasswordEnabled;
}

bool SameKey(const TOptionKey &key, const TOptions &a, const TOptions &b) {
  return std::visit([&](auto field) { return a.*field == b.*field; }, key.Field);
}

}  // namespace boite_options_model

QString AssociationCaption() {
  return BoiteOptionsText::tr("Associate KLB extension to Kolibra program");
}

QString AssociationHint() {
  return BoiteOptionsText::tr("|Initialize or clean the association of KLB files in the desktop");
}

TBoiteOptionsModel::TBoiteOptionsModel(TOptions &options, TKlbAssociation &association,
                                       const QString &executable)
    : Options(options), Association(association), Executable(executable) {}

QString TBoiteOptionsModel::Caption() { return BoiteOptionsText::tr("Options"); }

void TBoiteOptionsModel::Show() {
  Work.emplace(Options);
  Work->OnChange = nullptr;
  // These buttons show whether the tool is hidden in the results window, which also
  // happens when every tool they act on is hidden.
  Work->ToolButtonFormuleModifierModele_Down = Options.IsFormuleModifierHidden();
  Work->ToolButtonTempsModifierModele_Down = Options.IsTempsModifierHidden();
  Work->ToolButtonReferentielCurveArc_Down = Options.IsReferentielCurveArcHidden();
  Work->ToolButtonVecteurCurveArc_Down = Options.IsVecteurCurveArcHidden();
  AssociationChecked = Association.IsRegistered();
}

void TBoiteOptionsModel::Cancel() { Work.reset(); }

bool TBoiteOptionsModel::Checked(const TOptionKey &key) const {
  const auto field = boite_options_model::FieldOf<bool>(key);
  return field && (*Work).*field;
}

void TBoiteOptionsModel::SetChecked(const TOptionKey &key, bool checked) {
  if (const auto field = boite_options_model::FieldOf<bool>(key)) (*Work).*field = checked;
}

int TBoiteOptionsModel::Value(const TOptionKey &key) const {
  int value = 0;
  if (const auto field = boite_options_model::FieldOf<int>(key))
    value = (*Work).*field;
  else if (const auto byte = boite_options_model::FieldOf<std::uint8_t>(key))
    value = (*Work).*byte;
  // A list shows the item Min(value, item count - 1).
  if (!key.Items.empty()) value = std::min(value, int(key.Items.size()) - 1);
  return value;
}

void TBoiteOptionsModel::SetValue(const TOptionKey &key, int value) {
  value = key.Clamp(value);
  if (const auto field = boite_options_model::FieldOf<int>(key))
    (*Work).*field = value;
  else if (const auto byte = boite_options_model::FieldOf<std::uint8_t>(key))
    (*Work).*byte = std::uint8_t(value);
}

bool TBoiteOptionsModel::PasswordClicked(bool checked, IPasswordPrompt &prompt) {
  if (!checked) {
    Work->Password.clear();
    Work->PasswordEnabled = false;
    return false;
  }
  Work->PasswordEnabled = Work->DefinePassword(prompt);
  return Work->PasswordEnabled;
}

QString TBoiteOptionsModel::FolderDialogStart() const {
  return QFileInfo(Work->DefaultDirectory).isDir() ? Work->DefaultDirectory : QString();
}

void TBoiteOptionsModel::ChangeDefaultDirectory(const QString &folder) {
  Work->DefaultDirectory =
      !folder.isEmpty() && QFileInfo(folder).isDir() ? QDir::cleanPath(folder) : QString();
}

void TBoiteOptionsModel::DeleteDefaultDirectory() { Work->DefaultDirectory.clear(); }

void TBoiteOptionsModel::RestoreDefaults() {
  const QString password = Work->Password;
  const bool locked = Work->PasswordEnabled;
  Work->SetDefaults();
  Work->Password = password;
  Work->PasswordEnabled = locked;
}

void TBoiteOptionsModel::ReportAssociationFailure() const {
  TMessageBox(icWarning)
      .AddLine(
          BoiteOptionsText::tr("An error occurred while writing the association of KLB files:"))
      .AddFileName(QDir::toNativeSeparators(Association.FailedFile()))
      .AddButton(BoiteOptionsText::tr("Ok"))
      .Execute();
}

TOptionsDialogResult TBoiteOptionsModel::Close() {
  TOptionsDialogResult result;
  if (!Work) return result;
  result.Accepted = true;

  // 1. The association; a failure is told and the options are stored all the same.
  const bool registered = Association.IsRegistered();
  if (AssociationChecked && !registered && QFileInfo(Executable).isFile()) {
    if (!Association.Register(Executable)) ReportAssociationFailure();
  } else if (!AssociationChecked && registered) {
    if (!Association.Unregister()) ReportAssociationFailure();
  }

  // 2. A calculation option changed: the results computed so far are out of date.
  for (const TOptionKey &key : OptionKeys())
    if (key.Group == ogCalculations && !boite_options_model::SameKey(key, *Work, Options))
      result.CalculationsChanged = true;

  // 3 and 4. Every control into the options, the file, and the news to the program.
  boite_options_model::CopyKeys(*Work, Options);
  Work.reset();
  Options.Save();
  Options.Changed();
  return result;
}

}  // namespace kolibra::settings
