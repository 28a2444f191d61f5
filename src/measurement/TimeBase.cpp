#include "measurement/TimeBase.h"

#include "kit/Locale.h"
#include "kit/MathUtils.h"
#include "kit/MessageBox.h"
#include "kit/Texts.h"

#include <QCoreApplication>
#include <QLocale>
#include <algorithm>
#include <cmath>
#include <cstdio>

namespace kolibra::measurement {

bool IsValidFrameInterval(double seconds) { return seconds > MinFrameInterval && seconds < MaxFrameInterval; }

bool ParseTypedReal(const QString &text, double &value) {
  QString t = LocalizeDecimal(text.trimmed());
  t.replace(DecimalSeparator(), QLatin1Char('.'));
  if (t.isEmpty()) return false;
  bool ok = false;
  const double parsed = QLocale::c().toDouble(t, &ok);
  if (!ok || !std::isfinite(parsed)) return false;
  value = parsed;
  return true;
}

TTimeBaseDialogModel::TTimeBaseDialogModel(double defaultDuration, double frameInterval)
    : Default(defaultDuration),
      Current(frameInterval),
      DefaultChecked(IsNearZero(defaultDuration - frameInterval)),
      Text(GeneralFormat(DefaultChecked ? defaultDuration : frameInterval, 10)) {}

bool IsSlowMotion(double captureRate, double storedRate) {
  return captureRate > 0.0 && storedRate > 0.0 && std::fabs(captureRate - storedRate) > 0.01 * storedRate;
}

QString SlowMotionLine(double captureRate, double storedRate) {
  return BoiteTempsText::tr("This video was recorded at %1 frames/s, stored at %2.")
      .arg(GeneralFormat(captureRate, 4), GeneralFormat(storedRate, 4));
}

namespace time_base_impl {

// What a frame of the video really lasts: the interval of its capture rate for slow motion,
// else the one the file stores.
double TrueDuration(const TTimeBaseChoice &choice) {
  const double stored = choice.DefaultDuration > 0.0 ? 1.0 / choice.DefaultDuration : 0.0;
  return IsSlowMotion(choice.CaptureRate, stored) ? 1.0 / choice.CaptureRate : choice.DefaultDuration;
}

}  // namespace time_base_impl

TTimeBaseDialogModel::TTimeBaseDialogModel(const TTimeBaseChoice &choice)
    : TTimeBaseDialogModel(time_base_impl::TrueDuration(choice), choice.FrameInterval) {
  Stamps = choice.HasStamps;
  StampsChecked = Stamps && choice.UseStamps;
  if (StampsChecked) DefaultChecked = false;
  if (!IsNearZero(Default - choice.DefaultDuration)) {
    Stored = choice.DefaultDuration;
    Capture = choice.CaptureRate;
  }
}

QString TTimeBaseDialogModel::StampsRadioCaption() const {
  return BoiteTempsText::tr("Use the video's time stamps");
}

void TTimeBaseDialogModel::ChooseStamps() {
  StampsChecked = true;
  DefaultChecked = false;
}

QString TTimeBaseDialogModel::DefaultCaption() {
  return BoiteTempsText::tr("Interval between 2 frames");
}

QStringList TTimeBaseDialogModel::InfoLines() const {
  const QString d = GeneralFormat(Default, 3);
  const int rate = IsNearZero(Default) ? 0 : RoundClamped(1.0 / Default);
  QStringList lines = {
      BoiteTempsText::tr("The video file was captured with a frame rate of"),
      QString::number(rate) + QLatin1Char(' ') + BoiteTempsText::tr("images / second."),
      BoiteTempsText::tr("The interval between 2 successive images is then"),
      BoiteTempsText::tr("T") + QStringLiteral(" = ") + d + QLatin1Char(' ') +
          BoiteTempsText::tr("s") + QLatin1Char('.')};
  if (Stored > 0.0) lines << SlowMotionLine(Capture, 1.0 / Stored);
  if (Stamps)
    lines << BoiteTempsText::tr("The frames of this video do not all last the same time.");
  return lines;
}

QString TTimeBaseDialogModel::GroupCaption() const {
  return BoiteTempsText::tr("Duration represented by T");
}

QString TTimeBaseDialogModel::DefaultRadioCaption() const {
  return BoiteTempsText::tr("Use the default value T = ") + GeneralFormat(Default, 3) +
         QStringLiteral(" s");
}

QString TTimeBaseDialogModel::OtherRadioCaption() const {
  return BoiteTempsText::tr("Choose another value:");
}

QString TTimeBaseDialogModel::UnitCaption() const { return BoiteTempsText::tr("second(s)"); }

void TTimeBaseDialogModel::ChooseDefault() {
  DefaultChecked = true;
  StampsChecked = false;
  Current = Default;
  if (OnApplyDefault) OnApplyDefault(Default);
  Text = GeneralFormat(Default, 10);
}

void TTimeBaseDialogModel::ChooseOther() {
  DefaultChecked = false;
  StampsChecked = false;
  Text = GeneralFormat(Current, 10);
}

void TTimeBaseDialogModel::TextEdited(const QString &text) {
  Text = text;
  DefaultChecked = false;
  StampsChecked = false;
}

bool TTimeBaseDialogModel::FilterKey(QChar &key) {
  if (key == QLatin1Char('.') || key == QLatin1Char(',')) {
    key = DecimalSeparator();
    return true;
  }
  if (key.isDigit() && key.unicode() < 128) return true;
  switch (key.unicode()) {
    case '\b':
    case '\r':
    case '\n':
    case '+':
    case '-':
    case 'E':
    case 'e':
      return true;
    default:
      return false;
  }
}

bool TTimeBaseDialogModel::Validate(double &value) const { return ValidateText(Text, value); }

bool TTimeBaseDialogModel::ValidateText(const QString &text, double &value) {
  double typed = 0.0;
  if (!ParseTypedReal(text, typed)) {
    TMessageBox(icWarning)
        .AddLine(BoiteTempsText::tr("Inputted value:") + QLatin1Char(' ') + text)
        .AddLine(BoiteTempsText::tr("This string is not a  suitable real."))
        .AddLine(BoiteTempsText::tr("String must contain a sign (optional), numerals, a decimal "
                                    "separator (optional), then a "
                                    "mantissa (optional)."))
        .AddLine(BoiteTempsText::tr(
            "Mantissa contains « E » or « e » followed by a sign (facultative) and an integer."))
        .AddButton(BoiteTempsText::tr("Ok"))
        .Execute();
    return false;
  }
  if (!IsValidFrameInterval(typed)) {
    TMessageBox(icInformation)
        .AddLine(BoiteTempsText::tr("Inputted value:") + QLatin1Char(' ') + text +
                 QLatin1Char(' ') + BoiteTempsText::tr("s"))
        .AddLine(BoiteTempsText::tr("Type a value in the given interval:"))
        .AddLine(BoiteTempsText::tr("1 µs < time interval < 1 Gs"))
        .AddButton(BoiteTempsText::tr("Ok"))
        .Execute();
    return false;
  }
  value = typed;
  return true;
}

}  // namespace kolibra::measurement
