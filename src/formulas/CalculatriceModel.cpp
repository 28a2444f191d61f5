#include "formulas/CalculatriceModel.h"

#include "formulas/EvalCommand.h"
#include "formulas/RecUtils.h"
#include "kit/Locale.h"

#include <QCoreApplication>
#include <algorithm>

namespace kolibra::formulas {

namespace calculatrice_model {

QString Tr(const char *text) { return QCoreApplication::translate("Calculatrice", text); }

struct TFunctionKey {
  TCalculatriceKey Key;
  const char *Name;
  const char *ArcName;  // while the Arc button is down; nullptr when it has none
};

constexpr TFunctionKey FunctionKeys[] = {
    {TCalculatriceKey::Sin, "Sin", "ArcSin"}, {TCalculatriceKey::Cos, "Cos", "ArcCos"},
    {TCalculatriceKey::Tan, "Tan", "ArcTan"}, {TCalculatriceKey::Ln, "Ln", nullptr},
    {TCalculatriceKey::Log, "Log", nullptr},  {TCalculatriceKey::Exp, "Exp", nullptr},
    {TCalculatriceKey::Sqrt, "Sqrt", nullptr}, {TCalculatriceKey::Power10, "10^", nullptr},
};

struct TTextKey {
  TCalculatriceKey Key;
  const char *Text;  // UTF-8
};

constexpr TTextKey TextKeys[] = {
    {TCalculatriceKey::Digit0, "0"},      {TCalculatriceKey::Digit1, "1"},
    {TCalculatriceKey::Digit2, "2"},      {TCalculatriceKey::Digit3, "3"},
    {TCalculatriceKey::Digit4, "4"},      {TCalculatriceKey::Digit5, "5"},
    {TCalculatriceKey::Digit6, "6"},      {TCalculatriceKey::Digit7, "7"},
    {TCalculatriceKey::Digit8, "8"},      {TCalculatriceKey::Digit9, "9"},
    {TCalculatriceKey::Add, "+"},         {TCalculatriceKey::Minus, "-"},
    {TCalculatriceKey::Mult, "*"},        {TCalculatriceKey::Div, "\xc3\xb7"},
    {TCalculatriceKey::OpenBracket, "("}, {TCalculatriceKey::CloseBracket, ")"},
    {TCalculatriceKey::Power, "^"},       {TCalculatriceKey::Square, "^2"},
    {TCalculatriceKey::E, "E"},           {TCalculatriceKey::Pi, "Pi"},
};

// Captions of the buttons that act instead of inserting.
constexpr TTextKey ActionCaptions[] = {
    {TCalculatriceKey::Erase, "Del"},   {TCalculatriceKey::AllClear, "AC"},
    {TCalculatriceKey::Home, "|<"},     {TCalculatriceKey::End, ">|"},
    {TCalculatriceKey::Left, "<"},      {TCalculatriceKey::Right, ">"},
    {TCalculatriceKey::Equal, "="},     {TCalculatriceKey::Previous, "\xe2\x86\x91"},
    {TCalculatriceKey::Next, "\xe2\x86\x93"},
};

}  // namespace calculatrice_model

const std::vector<TCalculatriceButton> &CalculatriceButtons() {
  using K = TCalculatriceKey;
  // Five columns: functions on the left, the digit pad on the right.
  static const std::vector<TCalculatriceButton> buttons = {
      {K::Sin, "SpeedButtonSin"},       {K::Cos, "SpeedButtonCos"},
      {K::Tan, "SpeedButtonTan"},       {K::Previous, "SpeedButtonPred"},
      {K::Next, "SpeedButtonSucc"},

      {K::Ln, "SpeedButtonLn"},         {K::Log, "SpeedButtonLog"},
      {K::Exp, "SpeedButtonExp"},       {K::Erase, "SpeedButtonEffacer"},
      {K::AllClear, "SpeedButtonAC"},

      {K::Sqrt, "SpeedButtonRacine"},   {K::Power10, "SpeedButtonPuissance10"},
      {K::Digit7, "SpeedButton7"},      {K::Digit8, "SpeedButton8"},
      {K::Digit9, "SpeedButton9"},

      {K::Square, "SpeedButtonCarre"},  {K::Power, "SpeedButtonPuissance"},
      {K::Digit4, "SpeedButton4"},      {K::Digit5, "SpeedButton5"},
      {K::Digit6, "SpeedButton6"},

      {K::OpenBracket, "SpeedButtonOP"}, {K::CloseBracket, "SpeedButtonFP"},
      {K::Digit1, "SpeedButton1"},      {K::Digit2, "SpeedButton2"},
      {K::Digit3, "SpeedButton3"},

      {K::Pi, "SpeedButtonPi"},         {K::E, "SpeedButtonE"},
      {K::Digit0, "SpeedButton0"},      {K::Separator, "SpeedButtonSeparator"},
      {K::Div, "SpeedButtonDiv"},

      {K::Home, "SpeedButtonDebut"},    {K::Left, "SpeedButtonDecSelStart"},
      {K::Right, "SpeedButtonIncSelStart"}, {K::End, "SpeedButtonFin"},
      {K::Mult, "SpeedButtonMult"},

      {K::Add, "SpeedButtonAdd"},       {K::Minus, "SpeedButtonMinus"},
      {K::Equal, "SpeedButtonEgal"},
  };
  return buttons;
}

QString TCalculatriceModel::Caption() { return calculatrice_model::Tr("Calculator"); }

QStringList TCalculatriceModel::AngleItems() {
  return {calculatrice_model::Tr("Radians"), calculatrice_model::Tr("Degrees")};
}

QString TCalculatriceModel::ButtonCaption(TCalculatriceKey key) const {
  using namespace calculatrice_model;
  if (key == TCalculatriceKey::Separator) return QString(DecimalSeparator());
  for (const TFunctionKey &f : FunctionKeys)
    if (f.Key == key) return QString::fromLatin1(Arc && f.ArcName ? f.ArcName : f.Name);
  for (const TTextKey &t : TextKeys)
    if (t.Key == key) return QString::fromUtf8(t.Text);
  for (const TTextKey &t : ActionCaptions)
    if (t.Key == key) return QString::fromUtf8(t.Text);
  return QString();
}

QString TCalculatriceModel::ButtonHint(TCalculatriceKey key) const {
  using calculatrice_model::Tr;
  switch (key) {
    case TCalculatriceKey::Previous: return Tr("Previous");
    case TCalculatriceKey::Next: return Tr("Next");
    default: return QString();
  }
}

QString TCalculatriceModel::Insertion(TCalculatriceKey key) const {
  using namespace calculatrice_model;
  if (key == TCalculatriceKey::Separator) return QString(DecimalSeparator());
  for (const TFunctionKey &f : FunctionKeys)
    if (f.Key == key)
      return FunctionInsertion(QString::fromLatin1(Arc && f.ArcName ? f.ArcName : f.Name));
  for (const TTextKey &t : TextKeys)
    if (t.Key == key) return QString::fromUtf8(t.Text);
  return QString();
}

void TCalculatriceModel::ClearShownResult() {
  if (!ShowingResult) return;
  Clear();
  ShowingResult = false;
}

void TCalculatriceModel::Press(TCalculatriceKey key) {
  switch (key) {
    case TCalculatriceKey::Home: Home(); return;
    case TCalculatriceKey::End: End(); return;
    case TCalculatriceKey::Left: Left(); return;
    case TCalculatriceKey::Right: Right(); return;
    case TCalculatriceKey::Equal: Evaluate(); return;
    case TCalculatriceKey::Previous: Previous(); return;
    case TCalculatriceKey::Next: Next(); return;
    case TCalculatriceKey::AllClear:
      Clear();
      ShowingResult = false;
      break;
    case TCalculatriceKey::Erase:
      // Deleting one letter of an error message would leave a broken message, not an
      // expression: the message goes as a whole.
      if (ShowingResult)
        ClearShownResult();
      else
        Erase();
      break;
    default:
      ClearShownResult();
      Insert(Insertion(key));
      break;
  }
  Typed = Text;
}

void TCalculatriceModel::Type(QChar typed) {
  ClearShownResult();
  Insert(QString(TypedChar(typed)));
  Typed = Text;
}

void TCalculatriceModel::Edited(const QString &text, int selStart) {
  Text = text;
  SelStart = selStart;
  SelLength = 0;
  ClampSelection();
  ShowingResult = false;
  Typed = Text;
}

void TCalculatriceModel::Evaluate() {
  const QString expression = RemoveBlanks(Text);
  if (expression.isEmpty()) return;
  const TEvalResult result = EvaluateExpression(expression, RadianUnit);
  AddToHistory(History, expression);
  HistoryIndex = int(History.size());
  ShowingResult = true;
  if (!result.Ok) {
    ShowText(result.Message);
    return;
  }
  ShowText(RealToText(result.Value));
  ShowingResult = false;
}

void TCalculatriceModel::ShowEntry() {
  // An entry or the user's own text: an expression again, never a message.
  ShowText(HistoryIndex < History.size() ? History.at(HistoryIndex) : Typed);
  ShowingResult = false;
}

void TCalculatriceModel::Previous() {
  // Nothing to go back to: the memo stays as it is.
  if (History.isEmpty()) return;
  HistoryIndex = std::clamp(HistoryIndex - 1, 0, int(History.size()) - 1);
  ShowEntry();
}

void TCalculatriceModel::Next() {
  HistoryIndex = std::clamp(HistoryIndex + 1, 0, int(History.size()));
  ShowEntry();
}

}  // namespace kolibra::formulas
