#pragma once
// The password lock of the options dialog. TOptions::CheckAccess asks for the password
// before the dialog opens; TOptions::DefinePassword asks for a new one when the lock is
// switched on. Both ask through an IPasswordPrompt, which the password dialog TPasswordDlg
// implements and tests replace.
//
// What the lock is: a teacher's way to keep students from changing the options in the
// program. It is no protection of the options file itself, which anyone who can write the
// user's folder may edit or delete.

#include <QString>

namespace kolibra::settings {

class IPasswordPrompt {
 public:
  virtual ~IPasswordPrompt() = default;
  // Shows the prompt: true when the user confirmed, with PasswordText the typed text;
  // false otherwise, with PasswordText empty.
  virtual bool Execute() = 0;

  QString PasswordText;
};

// The password box takes 0 to 21 letters A-Z, a-z and digits; the same rule checks what is
// pasted.
inline constexpr int MaxPasswordLength = 21;
const QString &PasswordPattern();
bool IsValidPasswordText(const QString &text);

}  // namespace kolibra::settings
