#pragma once
// TPasswordDlg: the password prompt of the options' lock. Each Execute builds a small modal
// window (the picture of a key, a masked edit, "&Ok" and "&Annuler") and releases it
// afterwards. The edit takes 0 to 21 letters and digits, whether typed or pasted;
// Backspace and Enter always work, and "&Ok" is enabled while the edit is not empty.

#include "kit/Color.h"
#include "settings/PasswordLock.h"

#include <QFont>
#include <QImage>
#include <QString>

namespace kolibra::settings {

class TPasswordDlg : public IPasswordPrompt {
 public:
  TPasswordDlg();

  bool Execute() override;

  // The picture of a key ("BmpCle"), drawn by the program.
  static QImage KeyPicture();

  QString Caption;
  QFont Font;
  TColor BackGroundColor = colors::clBtnFace;
};

}  // namespace kolibra::settings
