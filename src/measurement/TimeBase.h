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

// What the time-interval dialog starts from, and what the user chose.
struct TTimeBaseChoice {
  double DefaultDuration = 0.0;  // the frame duration the video reports
  double FrameInterval = 0.0;    // the document's; the chosen one after Ok
  bool HasStamps = false;        // the frame durations vary: times may follow the stamps
  bool UseStamps = false;        // the document's choice; the chosen one after Ok
  double CaptureRate = 0.0;      // frames per second when filmed, if the file says (slow motion)
};

// The capture rate differs from the stored one by more than rounding: slow motion (or a
// time lapse), whose true interval is 1 / CaptureRate.
bool IsSlowMotion(double captureRate, double storedRate);
// "This video was recorded at 240 frames/s, stored at 30."
QString SlowMotionLine(double captureRate, double storedRate);

class TTimeBaseDialogModel {
 public:
  // defaultDuration: the frame duration the video reports; frameInterval: the document's.
  TTimeBaseDialogModel(double defaultDuration, double frameInterval);
  // The same with the video's stamps and capture rate: a slow-motion video proposes its true
  // interval as the default; a video with stamps offers them first.
  explicit TTimeBaseDialogModel(const TTimeBaseChoice &choice);

  static constexpr int EditMaxLength = 16;

  // "Interval between 2 frames".
  static QString DefaultCaption();
  // The four centred lines about the video's own frame rate.
  QStringList InfoLines() const;
  QString GroupCaption() const;
  QString DefaultRadioCaption() const;
  // "Use the video's time stamps", offered only when the video has them.
  QString StampsRadioCaption() const;
  bool HasStamps() const { return Stamps; }
  bool IsStampsChecked() const { return StampsChecked; }
  // The stamps radio button: times follow the video's stamps once Ok is pressed.
  void ChooseStamps();
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
  bool Stamps = false;
  bool StampsChecked = false;
  double Stored = 0.0;   // the interval the file stores, when it is not the default
  double Capture = 0.0;  // the capture rate, for slow motion
};

}  // namespace kolibra::measurement
