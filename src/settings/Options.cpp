#include "settings/Options.h"

#include "kit/IniFile.h"

#include <QDir>
#include <cmath>
#include <QFileInfo>
#include <QStandardPaths>

namespace kolibra::settings {

namespace optionsfile {

const char *const FileName = "Kolibra.ini";

QString existingFolderOf(const char *variable) {
  const QString path = qEnvironmentVariable(variable);
  if (path.isEmpty() || !QFileInfo(path).isDir()) return QString();
  return QDir(path).absolutePath();
}

// All fields but the password lock, from the table's defaults.
void applyDefaults(TOptions &options) {
  for (const TOptionKey &key : OptionKeys()) {
    if (auto field = std::get_if<bool TOptions::*>(&key.Field))
      options.*(*field) = key.Default != 0;
    else if (auto field = std::get_if<int TOptions::*>(&key.Field))
      options.*(*field) = key.Default;
    else if (auto field = std::get_if<std::uint8_t TOptions::*>(&key.Field))
      options.*(*field) = std::uint8_t(key.Default);
    else if (auto field = std::get_if<QString TOptions::*>(&key.Field))
      (options.*(*field)).clear();
  }
}

}  // namespace optionsfile

QString TemporaryFolder() {
  QString folder = optionsfile::existingFolderOf("TMP");
  if (folder.isEmpty()) folder = optionsfile::existingFolderOf("TEMP");
  if (folder.isEmpty()) folder = QDir(QDir::tempPath()).absolutePath();
  return folder;
}

QString OptionsFolder() {
  // The options hold the teacher's password: they belong in the user's own folder, not in
  // a shared temporary one that is also emptied at boot.
  QString folder = qEnvironmentVariable("KOLIBRA_CONFIG_DIR");
  if (folder.isEmpty())
    folder = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
  if (folder.isEmpty()) folder = TemporaryFolder();
  QDir dir(folder);
  dir.mkpath(QStringLiteral("."));
  return dir.absolutePath();
}

QString OptionsFileName() {
  return QDir(OptionsFolder()).filePath(QLatin1String(optionsfile::FileName));
}

TOptions::TOptions(const QString &fileName) : Name(fileName) { Load(); }

void TOptions::SetDefaults() {
  optionsfile::applyDefaults(*this);
  Gravity_Value = DefaultGravity;
  PasswordEnabled = false;
}

void TOptions::Load() {
  const TIniFile ini(Name);
  const QString section = QLatin1String(OptionsSectionName);
  for (const TOptionKey &key : OptionKeys()) {
    const QString name = QLatin1String(key.Key);
    if (auto field = std::get_if<bool TOptions::*>(&key.Field)) {
      this->*(*field) = ini.ReadBool(section, name, key.Default != 0);
    } else if (auto field = std::get_if<int TOptions::*>(&key.Field)) {
      this->*(*field) = key.Clamp(ini.ReadInteger(section, name, key.Default));
    } else if (auto field = std::get_if<std::uint8_t TOptions::*>(&key.Field)) {
      // Clamped before narrowing, so 258 does not wrap round to a valid-looking 2.
      this->*(*field) = std::uint8_t(key.Clamp(ini.ReadInteger(section, name, key.Default)));
    } else if (auto field = std::get_if<QString TOptions::*>(&key.Field)) {
      this->*(*field) = ini.ReadString(section, name, QString());
    }
  }
  PasswordEnabled = !Password.isEmpty();
  const double gravity = ini.ReadFloat(section, QLatin1String(GravityKey), DefaultGravity);
  Gravity_Value = std::isfinite(gravity) && gravity > 0.0 && gravity < 100.0 ? gravity : DefaultGravity;
}

bool TOptions::Save() const {
  // Read first: the other sections of the file belong to other subsystems.
  TIniFile ini(Name);
  const QString section = QLatin1String(OptionsSectionName);
  // Our keys are rewritten in table order; keys we do not know stay where they were.
  for (const TOptionKey &key : OptionKeys()) ini.DeleteKey(section, QLatin1String(key.Key));
  ini.DeleteKey(section, QLatin1String(GravityKey));
  for (const TOptionKey &key : OptionKeys()) {
    const QString name = QLatin1String(key.Key);
    if (auto field = std::get_if<bool TOptions::*>(&key.Field))
      ini.WriteBool(section, name, this->*(*field));
    else if (auto field = std::get_if<int TOptions::*>(&key.Field))
      ini.WriteInteger(section, name, this->*(*field));
    else if (auto field = std::get_if<std::uint8_t TOptions::*>(&key.Field))
      ini.WriteInteger(section, name, int(this->*(*field)));
    else if (auto field = std::get_if<QString TOptions::*>(&key.Field))
      ini.WriteString(section, name, this->*(*field));
  }
  ini.WriteFloat(section, QLatin1String(GravityKey), Gravity_Value);
  return ini.UpdateFile();
}

void TOptions::Changed() {
  if (OnChange) OnChange(this);
}

bool TOptions::IsFormuleModifierHidden() const {
  return ToolButtonFormuleModifierModele_Down ||
         (ToolButtonFormuleModeleConstant_Down && ToolButtonFormuleModeleAffine_Down &&
          ToolButtonFormuleModeleProportionnel_Down && ToolButtonFormuleModeleParabole_Down &&
          ToolButtonFormuleModeleSinus_Down && ToolButtonFormuleModeleSinusAe_Down &&
          ToolButtonFormuleModeleSinusAl_Down && ToolButtonFormuleModeleExponentiel_Down);
}

bool TOptions::IsTempsModifierHidden() const {
  return ToolButtonTempsModifierModele_Down ||
         (ToolButtonTempsModeleConstant_Down && ToolButtonTempsModeleAffine_Down &&
          ToolButtonTempsModeleProportionnel_Down && ToolButtonTempsModeleParabole_Down &&
          ToolButtonTempsModeleSinus_Down && ToolButtonTempsModeleSinusAe_Down &&
          ToolButtonTempsModeleSinusAl_Down && ToolButtonTempsModeleExponentiel_Down);
}

bool TOptions::IsReferentielCurveArcHidden() const {
  return ToolButtonReferentielCurveArc_Down ||
         (ToolButtonReferentielArc_Down && ToolButtonReferentielCercle_Down &&
          ToolButtonReferentielEllipse_Down);
}

bool TOptions::IsVecteurCurveArcHidden() const {
  return ToolButtonVecteurCurveArc_Down ||
         (ToolButtonVecteurArc_Down && ToolButtonVecteurCercle_Down &&
          ToolButtonVecteurEllipse_Down);
}

}  // namespace kolibra::settings
