#include "formulas/CalculatriceModel.h"

#include "formulas/EvalCommand.h"
#include "formulas/RecUtils.h"
#include "kit/Locale.h"
#include "kit/Texts.h"

#include <QCoreApplication>
#include <algorithm>

namespace kolibra::formulas {

const std::vector<TCalculatriceButton> &CalculatriceButtons() {
  using K = TFormulaKey;
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
      {K::Execute, "SpeedButtonEgal"},
  };
  return buttons;
}

QString TCalculatriceModel::Caption() { return CalculatriceText::tr("Calculator"); }

QStringList TCalculatriceModel::AngleItems() {
  return {CalculatriceText::tr("Radians"), CalculatriceText::tr("Degrees")};
}

QString TCalculatriceModel::ButtonCaption(TFormulaKey key) const {
  return key == TFormulaKey::Execute ? QStringLiteral("=") : KeyCaption(key);
}

QString TCalculatriceModel::ButtonHint(TFormulaKey key) {
  switch (key) {
    case TFormulaKey::Previous:
      return CalculatriceText::tr("Previous");
    case TFormulaKey::Next:
      return CalculatriceText::tr("Next");
    default: return QString();
  }
}

void TCalculatriceModel::ClearShownResult() {
  if (!ShowingResult) return;
  Clear();
  ShowingResult = false;
}

void TCalculatriceModel::Press(TFormulaKey key) {
  switch (key) {
    case TFormulaKey::Home:
    case TFormulaKey::End:
    case TFormulaKey::Left:
    case TFormulaKey::Right: PressKey(key); return;
    case TFormulaKey::Execute: Evaluate(); return;
    case TFormulaKey::Previous: Previous(); return;
    case TFormulaKey::Next: Next(); return;
    case TFormulaKey::Erase:
      // Deleting one letter of an error message would leave a broken message, not an
      // expression: the message goes as a whole.
      if (ShowingResult)
        ClearShownResult();
      else
        Erase();
      break;
    default:
      ClearShownResult();
      PressKey(key);
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
