#pragma once
// The time base's rules: the valid range of the frame interval, the general number format
// the time-interval dialog writes its values in, and the dialog's model. TBoiteTemps (in
// the measurement windows) only lays the model's texts out and passes clicks and keys on,
// so every rule the user meets there is here and tested without a window.

#include <QChar>
#include <QString>
#include <QStringList>
#include <functional>

namespace kolibra::measurement {

// A frame interval must lie strictly between these (seconds).
inline constexpr double MinFrameInterval = 1e-6;
inline constexpr double MaxFrameInterval = 1e9;
bool IsValidFrameInterval(double seconds);

// A real typed by the user: "," and "." both read as the decimal separator; false for
// anything else, including an empty text and values that are not finite.
bool ParseTypedReal(const QString &text, double &value);

class TTimeBaseDialogModel {
 public:
  // defaultDuration: the frame duration the video reports; frameInterval: the document's.
  TTimeBaseDialogModel(double defaultDuration, double frameInterval);

  static constexpr int EditMaxLength = 16;

  // "Interval between 2 frames".
  static QString DefaultCaption();
  // The four centred lines about the video's own frame rate.
  QStringList InfoLines() const;
  QString GroupCaption() const;
  QString DefaultRadioCaption() const;
  QString OtherRadioCaption() const;
  QString UnitCaption() const;

  bool IsDefaultChecked() const { return DefaultChecked; }
  QString EditText() const { return Text; }
  double DefaultDuration() const { return Default; }
  double FrameInterval() const { return Current; }

  // The first radio button: the document takes the default duration at once (through
  // OnApplyDefault) and the edit shows it.
  void ChooseDefault();
  // The second radio button: the edit shows the document's interval, to be typed over.
  void ChooseOther();
  // The user typed in the edit: the second radio button becomes checked.
  void TextEdited(const QString &text);

  // Keys the edit accepts: backspace, Enter, "+", "-", "E", "e", digits, "." and ","; the
  // last two become the regional decimal separator. False for any other key.
  static bool FilterKey(QChar &key);

  // Ok: true with the value when the edit holds a real strictly between 1 µs and 1 Gs;
  // otherwise the user is told why (a warning for text that is no real, an information
  // for a real out of range) and false is returned.
  bool Validate(double &value) const;
  static bool ValidateText(const QString &text, double &value);

  std::function<void(double)> OnApplyDefault;

 private:
  double Default;
  double Current;
  bool DefaultChecked;
  QString Text;
};

}  // namespace kolibra::measurement
