#include "settings/ValueEntry.h"

#include "kit/Locale.h"
#include "kit/MathUtils.h"
#include "kit/MessageBox.h"
#include "kit/Texts.h"

#include <QCoreApplication>
#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdio>
#include <numbers>

namespace kolibra::settings {

namespace value_entry_impl {

// The texts of each kind, in the order of TTypeSaisie. "%d" in an interval text stands for
// the bounds, lowest first.
struct TKindTexts {
  const char *Caption;
  const char *Prompt;
  const char *Comment;  // nullptr: none
  const char *Interval;
};

constexpr TKindTexts KindTexts[] = {
    {QT_TRANSLATE_NOOP("BoiteValeurText", "Define grid rotation angle"),
     QT_TRANSLATE_NOOP("BoiteValeurText", "Grid rotation angle in degree(s)"), nullptr,
     QT_TRANSLATE_NOOP("BoiteValeurText", "-180° <= angle <= +180° trigonometric-wise")},
    {QT_TRANSLATE_NOOP("BoiteValeurText", "Frame rate"),
     QT_TRANSLATE_NOOP("BoiteValeurText", "Number of frames per second (fps)"), nullptr,
     QT_TRANSLATE_NOOP("BoiteValeurText", "1 fps <= frame rate <= 100 fps")},
    {QT_TRANSLATE_NOOP("BoiteValeurText", "Calibrate a segment"),
     QT_TRANSLATE_NOOP("BoiteValeurText", "Segment length in meter(s)"), nullptr,
     QT_TRANSLATE_NOOP("BoiteValeurText", "1 mm < segment length < 15 Tm")},
    {QT_TRANSLATE_NOOP("BoiteValeurText", "Search radius for target"),
     QT_TRANSLATE_NOOP("BoiteValeurText", "Search radius (in pixels)"),
     QT_TRANSLATE_NOOP(
         "BoiteValeurText",
         "Max distance between 2 successive positions of the target, in pixels of the "
         "unmodified image"),
     QT_TRANSLATE_NOOP("BoiteValeurText", "%d <= maximum distance <= %d")},
    {QT_TRANSLATE_NOOP("BoiteValeurText", "Define last frame number for tracking"),
     QT_TRANSLATE_NOOP("BoiteValeurText", "Number of last frame"),
     QT_TRANSLATE_NOOP("BoiteValeurText", "First frame of the sequence shows the object's outline"),
     QT_TRANSLATE_NOOP("BoiteValeurText", "%d <= number <= %d")},
    {QT_TRANSLATE_NOOP("BoiteValeurText", "Draw last marks"),
     QT_TRANSLATE_NOOP("BoiteValeurText", "Number of marks to draw"), nullptr,
     QT_TRANSLATE_NOOP("BoiteValeurText", "number >= 1")},
    {QT_TRANSLATE_NOOP("BoiteValeurText", "Define number of marks per image"),
     QT_TRANSLATE_NOOP("BoiteValeurText", "Number of marks per image"), nullptr,
     QT_TRANSLATE_NOOP("BoiteValeurText", "%d <= number <= %d")},
    {QT_TRANSLATE_NOOP("BoiteValeurText", "Find an image with its number"),
     QT_TRANSLATE_NOOP("BoiteValeurText", "New image number"), nullptr,
     QT_TRANSLATE_NOOP("BoiteValeurText", "%d <= number <= %d")},
    {QT_TRANSLATE_NOOP("BoiteValeurText", "Define object number for tracking"),
     QT_TRANSLATE_NOOP("BoiteValeurText", "Object number"),
     QT_TRANSLATE_NOOP("BoiteValeurText", "Tracking can handle 1 object at a time"),
     QT_TRANSLATE_NOOP("BoiteValeurText", "%d <= number <= %d")},
    {QT_TRANSLATE_NOOP("BoiteValeurText", "Number of images separating 2 similar marks"),
     QT_TRANSLATE_NOOP("BoiteValeurText", "Number of images for automatic forward"),
     QT_TRANSLATE_NOOP("BoiteValeurText",
                       "The next frame is automatically shown after the last mark is set."),
     QT_TRANSLATE_NOOP("BoiteValeurText", "%d <= number <= %d")},
};

// Fills the "%d" of a translated pattern in order, without handing the pattern to printf.
QString FillBounds(QString pattern, int low, int high) {
  for (int bound : {low, high}) {
    const int at = pattern.indexOf(QLatin1String("%d"));
    if (at < 0) break;
    pattern.replace(at, 2, QString::number(bound));
  }
  return pattern;
}

// The kinds whose number is shown from 1 and returned as an index from 0.
bool IsIndexKind(TTypeSaisie kind) { return kind == tsLastImg || kind == tsNumImg || kind == tsNumOrdre; }

}  // namespace value_entry_impl

bool IsRealKind(TTypeSaisie kind) { return kind == tsAngle || kind == tsCadence || kind == tsLongueur; }

bool TValueInterval::Contains(double v) const {
  // Written so that a NaN is outside every interval.
  return Strict ? (v > Low && v < High) : (v >= Low && v <= High);
}

bool TValueInterval::IsEmpty() const { return Strict ? !(Low < High) : !(Low <= High); }

TValueEntryModel::TValueEntryModel() { SetTypeSaisie(tsAngle); }

void TValueEntryModel::SetTypeSaisie(TTypeSaisie kind) {
  using namespace value_entry_impl;
  Kind = kind;
  const TKindTexts &texts = KindTexts[kind];
  Caption = BoiteValeurText::tr(texts.Caption);
  FPrompt = BoiteValeurText::tr(texts.Prompt) + QStringLiteral(" :");
  FComment = texts.Comment ? BoiteValeurText::tr(texts.Comment) : QString();

  int low = 1, high = 1;
  switch (kind) {
    case tsAngle:
      FInterval = {-180.0, 180.0, false};
      FInitialText = GeneralFormat(Ctx.AxisAngle * 180.0 / std::numbers::pi, 6);
      break;
    case tsCadence:
      FInterval = {1.0, 100.0, false};
      FInitialText = GeneralFormat(Ctx.WriterFrameRate, 6);
      break;
    case tsLongueur:
      FInterval = {0.001, 1.5e13, true};
      RefreshLengthText();
      break;
    case tsDMax:
      low = 10, high = 100;
      FInitialText = QString::number(Ctx.TrackerRadius);
      break;
    case tsLastImg:
      low = Ctx.TrackerFirstFrame + 2, high = Ctx.FrameCount;
      FInitialText = QString::number(Ctx.TrackerLastFrame + 1);
      break;
    case tsNbMqDrawn:
      low = 1, high = INT_MAX;
      FInitialText = QString::number(Ctx.MarksToDraw);
      break;
    case tsNbMqParImg:
      low = 1, high = 32;
      FInitialText = QString::number(Ctx.ObjectCount);
      break;
    case tsNumImg:
      low = 1, high = Ctx.FrameCount;
      FInitialText = QString::number(Ctx.CurrentFrame + 1);
      break;
    case tsNumOrdre:
      low = 1, high = Ctx.ObjectCount;
      FInitialText = QString::number(Ctx.TrackerObject + 1);
      break;
    case tsNbImgStep:
      low = 1, high = Ctx.FrameCount - 1;
      FInitialText = QString::number(Ctx.FramesBetweenMarks);
      break;
  }
  if (IsRealKind(kind)) {
    FIntervalText = BoiteValeurText::tr(texts.Interval);
  } else {
    FInterval = {double(low), double(high), false};
    FIntervalText = FillBounds(BoiteValeurText::tr(texts.Interval), low, high);
  }
}

void TValueEntryModel::SetTypeSaisieLongueur(TTypeSaisieLongueur kind) {
  LengthKind = kind;
  if (Kind == tsLongueur) RefreshLengthText();
}

void TValueEntryModel::RefreshLengthText() {
  const double length = LengthKind == slLongueurH   ? Ctx.ScaleHorizLength
                        : LengthKind == slLongueurV ? Ctx.ScaleVertLength
                                                    : Ctx.ScaleLength;
  FInitialText = GeneralFormat(length, 10);
}

bool TValueEntryModel::CanExecute() const { return Kind == tsCadence || Ctx.VideoOpen; }

bool TValueEntryModel::FilterKey(TTypeSaisie kind, QChar &key) {
  switch (key.unicode()) {
    case '\b':
    case '\r':
    case '\n':
      return true;
    default:
      break;
  }
  if (key.unicode() >= '0' && key.unicode() <= '9') return true;
  if (!IsRealKind(kind)) return false;
  switch (key.unicode()) {
    case '.':
    case ',':
      key = DecimalSeparator();
      return true;
    case '+':
    case '-':
    case 'E':
    case 'e':
      return true;
    default:
      return false;
  }
}

bool TValueEntryModel::Validate(const QString &text) {
  double number = 0.0;
  int whole = 0;
  if (IsRealKind(Kind)) {
    // Infinities and NaN read by the general conversion are no number a user can mean here.
    if (!TextToReal(text, number) || !std::isfinite(number)) {
      ShowNotANumber(text);
      return false;
    }
  } else {
    bool ok = false;
    whole = text.trimmed().toInt(&ok, 10);
    if (!ok) {
      ShowNotANumber(text);
      return false;
    }
    number = whole;
  }
  if (!FInterval.Contains(number)) {
    ShowOutOfInterval(text);
    return false;
  }
  if (Kind == tsAngle)
    FValue = number * std::numbers::pi / 180.0;
  else if (IsRealKind(Kind))
    FValue = number;
  else
    FValue = value_entry_impl::IsIndexKind(Kind) ? whole - 1 : whole;
  FAccepted = true;
  return true;
}

void TValueEntryModel::ShowNotANumber(const QString &text) const {
  TMessageBox box(icWarning);
  box.AddLine(BoiteValeurText::tr("Inputted value:") + QLatin1Char(' ') + text, msNormal,
              colors::clBlue)
      .AddEmptyLine();
  if (IsRealKind(Kind)) {
    box.AddLine(BoiteValeurText::tr("This string is not a  suitable real."))
        .AddEmptyLine()
        .AddLine(BoiteValeurText::tr(
            "String must contain a sign (optional), numerals, a decimal separator "
            "(optional), then a mantissa (optional)."))
        .AddLine(BoiteValeurText::tr(
            "Mantissa contains « E » or « e » followed by a sign (facultative) and an "
            "integer."));
  } else {
    box.AddLine(BoiteValeurText::tr("This string is not a  suitable integer."));
  }
  box.AddButton(BoiteValeurText::tr("Ok")).Execute();
}

void TValueEntryModel::ShowOutOfInterval(const QString &text) const {
  QString typed = BoiteValeurText::tr("Inputted value:") + QLatin1Char(' ') + text;
  if (Kind == tsAngle)
    typed += QStringLiteral("°");
  else if (Kind == tsLongueur)
    typed += QLatin1Char(' ') + BoiteValeurText::tr("m");
  TMessageBox(icInformation)
      .AddLine(typed, msNormal, colors::clBlue)
      .AddEmptyLine()
      .AddLine(BoiteValeurText::tr("Type a value in the given interval:"))
      .AddEmptyLine()
      .AddLine(FIntervalText)
      .AddButton(BoiteValeurText::tr("Ok"))
      .Execute();
}

TValueLayout ComputeValueLayout(QSize promptSize, bool hasComment,
                                const std::function<int(int width)> &commentHeight,
                                int workAreaWidth) {
  using L = TValueLayout;
  TValueLayout layout;
  const int width = std::min(workAreaWidth * 3 / 4, promptSize.width() + 36 + L::EditWidth);
  int height = L::EditHeight + 56 + L::ButtonHeight + L::StatusBarHeight + 2;
  int promptTop = 14;
  if (hasComment) {
    const int commentWidth = width - 24;
    const int commentH = commentHeight ? commentHeight(commentWidth) : 0;
    layout.Comment = QRect(12, 14, commentWidth, commentH);
    height += commentH + 14;
    promptTop = 14 + commentH + 14;
  }
  layout.Client = QSize(width, height);
  const int promptWidth = std::min(promptSize.width(), width - L::EditWidth - 36);
  layout.Prompt = QRect(12, promptTop, promptWidth, promptSize.height());
  layout.Edit = QRect(layout.Prompt.x() + promptWidth + 12, promptTop - 2, L::EditWidth, L::EditHeight);
  const int statusTop = height - L::StatusBarHeight;
  layout.StatusBar = QRect(0, statusTop, width, L::StatusBarHeight);
  layout.Button = QRect((width - L::ButtonWidth) / 2, statusTop - 10 - L::ButtonHeight, L::ButtonWidth,
                        L::ButtonHeight);
  layout.Bevel = QRect(10, layout.Button.y() - 14, width - 20, 2);
  return layout;
}

}  // namespace kolibra::settings
