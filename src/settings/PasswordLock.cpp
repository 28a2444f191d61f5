// The lock's half of TOptions: asking for, checking and defining the password.

#include "settings/PasswordLock.h"

#include "kit/IniFile.h"
#include "kit/MessageBox.h"
#include "settings/Options.h"
#include "settings/PasswordHash.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace kolibra::settings {

const QString &PasswordPattern() {
  static const QString pattern =
      QStringLiteral("[A-Za-z0-9]{0,%1}").arg(MaxPasswordLength);
  return pattern;
}

bool IsValidPasswordText(const QString &text) {
  static const QRegularExpression whole(QRegularExpression::anchoredPattern(PasswordPattern()));
  return whole.match(text).hasMatch();
}

bool TOptions::CheckAccess(IPasswordPrompt &prompt) {
  if (!PasswordEnabled) return true;
  prompt.PasswordText.clear();
  if (!prompt.Execute()) return false;
  if (VerifyPassword(prompt.PasswordText, Password)) {
    // A password kept as typed by an older version is hashed now that it is known.
    if (!IsPasswordHash(Password)) {
      Password = HashPassword(prompt.PasswordText, PasswordIterations);
      SavePassword();
    }
    return true;
  }
  TMessageBox(icWarning)
      .AddLine(QCoreApplication::translate("TOptions", "Wrong password."))
      .AddButton(QCoreApplication::translate("TOptions", "Ok"))
      .Execute();
  return false;
}

bool TOptions::DefinePassword(IPasswordPrompt &prompt) {
  prompt.PasswordText.clear();
  if (!prompt.Execute() || prompt.PasswordText.isEmpty()) return false;
  Password = HashPassword(prompt.PasswordText, PasswordIterations);
  return true;
}

bool TOptions::SavePassword() const {
  // Only this key: the options dialog has not been confirmed, its other values stay as stored.
  TIniFile ini(Name);
  ini.WriteString(QLatin1String(OptionsSectionName), QStringLiteral("Password"), Password);
  return ini.UpdateFile();
}

}  // namespace kolibra::settings
