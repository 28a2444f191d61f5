#include "formulas/FormulaMemo.h"

#include "kit/Locale.h"

#include <algorithm>

namespace kolibra::formulas {

namespace formula_memo {

constexpr char16_t DivisionSign = 0x00F7;

using K = TFormulaKey;

struct TFunctionKey {
  TFormulaKey Key;
  const char *Name;
  const char *ArcName;  // while the Arc button is down; nullptr when it has none
};

constexpr TFunctionKey FunctionKeys[] = {
    {K::Sin, "Sin", "ArcSin"}, {K::Cos, "Cos", "ArcCos"}, {K::Tan, "Tan", "ArcTan"},
    {K::Ln, "Ln", nullptr},    {K::Log, "Log", nullptr},  {K::Exp, "Exp", nullptr},
    {K::Sqrt, "Sqrt", nullptr}, {K::Abs, "Abs", nullptr}, {K::Power10, "10^", nullptr},
};

struct TTextKey {
  TFormulaKey Key;
  const char *Text;  // UTF-8
};

constexpr TTextKey TextKeys[] = {
    {K::OpenBracket, "("}, {K::CloseBracket, ")"}, {K::OpenSquare, "["}, {K::CloseSquare, "]"},
    {K::Add, "+"},         {K::Minus, "-"},        {K::Mult, "*"},       {K::Div, "\xc3\xb7"},
    {K::Power, "^"},       {K::Equal, "="},        {K::E, "E"},          {K::Pi, "Pi"},
    {K::Square, "^2"},     {K::Inverse, "^(-1)"},  {K::I, "[i]"},        {K::IMinus1, "[i-1]"},
    {K::IPlus1, "[i+1]"},  {K::Digit0, "0"},       {K::Digit1, "1"},     {K::Digit2, "2"},
    {K::Digit3, "3"},      {K::Digit4, "4"},       {K::Digit5, "5"},     {K::Digit6, "6"},
    {K::Digit7, "7"},      {K::Digit8, "8"},       {K::Digit9, "9"},
};

// Captions of the keys that act instead of inserting.
constexpr TTextKey ActionCaptions[] = {
    {K::Erase, "Del"}, {K::AllClear, "AC"}, {K::Home, "|<"},     {K::End, ">|"},
    {K::Left, "<"},    {K::Right, ">"},     {K::Execute, "Exe"}, {K::Previous, "\xe2\x86\x91"},
    {K::Next, "\xe2\x86\x93"},
};

}  // namespace formula_memo

QString TFormulaMemo::KeyCaption(TFormulaKey key) const {
  using namespace formula_memo;
  if (key == TFormulaKey::Separator) return QString(DecimalSeparator());
  for (const TFunctionKey &f : FunctionKeys)
    if (f.Key == key) return QString::fromLatin1(Arc && f.ArcName ? f.ArcName : f.Name);
  for (const TTextKey &t : TextKeys)
    if (t.Key == key) return QString::fromUtf8(t.Text);
  for (const TTextKey &t : ActionCaptions)
    if (t.Key == key) return QString::fromUtf8(t.Text);
  return QString();
}

QString TFormulaMemo::KeyInsertion(TFormulaKey key) const {
  using namespace formula_memo;
  if (key == TFormulaKey::Separator) return QString(DecimalSeparator());
  const bool atEnd = SelStart + SelLength >= Text.size();
  for (const TFunctionKey &f : FunctionKeys)
    if (f.Key == key)
      return QString::fromLatin1(Arc && f.ArcName ? f.ArcName : f.Name) +
             (atEnd ? QStringLiteral("()") : QStringLiteral("("));
  for (const TTextKey &t : TextKeys)
    if (t.Key == key) return QString::fromUtf8(t.Text);
  return QString();
}

bool TFormulaMemo::PressKey(TFormulaKey key) {
  switch (key) {
    case TFormulaKey::Erase: Erase(); return true;
    case TFormulaKey::AllClear: Clear(); return true;
    case TFormulaKey::Home: Home(); return true;
    case TFormulaKey::End: End(); return true;
    case TFormulaKey::Left: Left(); return true;
    case TFormulaKey::Right: Right(); return true;
    case TFormulaKey::Execute:
    case TFormulaKey::Previous:
    case TFormulaKey::Next: return false;
    default: Insert(KeyInsertion(key)); return true;
  }
}

void TFormulaMemo::ClampSelection() {
  SelStart = std::clamp(SelStart, 0, int(Text.size()));
  SelLength = std::clamp(SelLength, 0, int(Text.size()) - SelStart);
}

void TFormulaMemo::Insert(const QString &text) {
  ClampSelection();
  Text.replace(SelStart, SelLength, text);
  // Inside a pair of brackets just opened and closed, else after the insertion.
  SelStart += int(text.size()) - (text.endsWith(QStringLiteral("()")) ? 1 : 0);
  SelLength = 0;
}

void TFormulaMemo::Erase() {
  ClampSelection();
  if (SelLength > 0) {
    Text.remove(SelStart, SelLength);
  } else if (SelStart > 0) {
    Text.remove(SelStart - 1, 1);
    --SelStart;
  }
  SelLength = 0;
}

void TFormulaMemo::Clear() {
  Text.clear();
  SelStart = SelLength = 0;
}

void TFormulaMemo::Home() { SelStart = SelLength = 0; }

void TFormulaMemo::End() {
  SelStart = int(Text.size());
  SelLength = 0;
}

void TFormulaMemo::Left() {
  ClampSelection();
  SelStart = std::max(0, SelStart - 1);
  SelLength = 0;
}

void TFormulaMemo::Right() {
  ClampSelection();
  SelStart = std::min(int(Text.size()), SelStart + 1);
  SelLength = 0;
}

void TFormulaMemo::ShowText(const QString &text) {
  Text = text;
  End();
}

QChar TFormulaMemo::TypedChar(QChar typed) {
  if (typed == QLatin1Char('.') || typed == QLatin1Char(',')) return DecimalSeparator();
  if (typed == QLatin1Char('/')) return QChar(formula_memo::DivisionSign);
  return typed;
}

void AddToHistory(QStringList &history, const QString &entry) {
  history.erase(std::remove_if(history.begin(), history.end(),
                               [&](const QString &old) {
                                 return QString::compare(old, entry, Qt::CaseInsensitive) == 0;
                               }),
                history.end());
  history.append(entry);
}

}  // namespace kolibra::formulas
