#include "formulas/ClavierModel.h"

#include "formulas/RecUtils.h"
#include "kit/Locale.h"

#include <QCoreApplication>
#include <algorithm>

namespace kolibra::formulas {

namespace clavier_model {

constexpr char16_t DivisionSign = 0x00F7;

struct TFunctionKey {
  TClavierKey Key;
  const char *Name;
  const char *ArcName;  // while the Arc button is down; nullptr when it has none
};

constexpr TFunctionKey FunctionKeys[] = {
    {TClavierKey::Sin, "Sin", "ArcSin"},    {TClavierKey::Cos, "Cos", "ArcCos"},
    {TClavierKey::Tan, "Tan", "ArcTan"},    {TClavierKey::Ln, "Ln", nullptr},
    {TClavierKey::Log, "Log", nullptr},     {TClavierKey::Exp, "Exp", nullptr},
    {TClavierKey::Sqrt, "Sqrt", nullptr},   {TClavierKey::Abs, "Abs", nullptr},
    {TClavierKey::Power10, "10^", nullptr},
};

struct TTextKey {
  TClavierKey Key;
  const char *Text;  // UTF-8
};

constexpr TTextKey TextKeys[] = {
    {TClavierKey::OpenBracket, "("}, {TClavierKey::CloseBracket, ")"},
    {TClavierKey::OpenSquare, "["},  {TClavierKey::CloseSquare, "]"},
    {TClavierKey::Add, "+"},         {TClavierKey::Minus, "-"},
    {TClavierKey::Mult, "*"},        {TClavierKey::Div, "\xc3\xb7"},
    {TClavierKey::Power, "^"},       {TClavierKey::Equal, "="},
    {TClavierKey::E, "E"},           {TClavierKey::Pi, "Pi"},
    {TClavierKey::Square, "^2"},     {TClavierKey::Inverse, "^(-1)"},
    {TClavierKey::I, "[i]"},         {TClavierKey::IMinus1, "[i-1]"},
    {TClavierKey::IPlus1, "[i+1]"},
};

// Captions of the buttons that act instead of inserting.
constexpr TTextKey ActionCaptions[] = {
    {TClavierKey::Erase, "Del"},   {TClavierKey::AllClear, "AC"}, {TClavierKey::Home, "|<"},
    {TClavierKey::End, ">|"},      {TClavierKey::Left, "<"},      {TClavierKey::Right, ">"},
    {TClavierKey::Execute, "Exe"},
};

}  // namespace clavier_model

const std::vector<TClavierButton> &ClavierButtons() {
  static const std::vector<TClavierButton> buttons = {
      {TClavierKey::Sin, "SpeedButtonSin"},
      {TClavierKey::Cos, "SpeedButtonCos"},
      {TClavierKey::Tan, "SpeedButtonTan"},
      {TClavierKey::Ln, "SpeedButtonLn"},
      {TClavierKey::Log, "SpeedButtonLog"},
      {TClavierKey::Exp, "SpeedButtonExp"},
      {TClavierKey::Sqrt, "SpeedButtonRacine"},
      {TClavierKey::Abs, "SpeedButtonAbs"},
      {TClavierKey::Power10, "SpeedButtonPuissance10"},
      {TClavierKey::Pi, "SpeedButtonPi"},
      {TClavierKey::Square, "SpeedButtonCarre"},
      {TClavierKey::Inverse, "SpeedButtonInvX"},
      {TClavierKey::OpenBracket, "SpeedButtonOP"},
      {TClavierKey::CloseBracket, "SpeedButtonFP"},
      {TClavierKey::OpenSquare, "SpeedButtonCrochetOuvert"},
      {TClavierKey::CloseSquare, "SpeedButtonCrochetFerme"},
      {TClavierKey::I, "SpeedButtonI"},
      {TClavierKey::IMinus1, "SpeedButtonIMoins1"},
      {TClavierKey::IPlus1, "SpeedButtonIPlus1"},
      {TClavierKey::Add, "SpeedButtonAdd"},
      {TClavierKey::Minus, "SpeedButtonMinus"},
      {TClavierKey::Mult, "SpeedButtonMult"},
      {TClavierKey::Div, "SpeedButtonDiv"},
      {TClavierKey::Power, "SpeedButtonPuissance"},
      {TClavierKey::Equal, "SpeedButtonEgal"},
      {TClavierKey::E, "SpeedButtonE"},
      {TClavierKey::Erase, "SpeedButtonEffacer"},
      {TClavierKey::AllClear, "SpeedButtonAC"},
      {TClavierKey::Home, "SpeedButtonDebut"},
      {TClavierKey::Left, "SpeedButtonDecSelStart"},
      {TClavierKey::Right, "SpeedButtonIncSelStart"},
      {TClavierKey::End, "SpeedButtonFin"},
      {TClavierKey::Execute, "SpeedButtonExe"},
  };
  return buttons;
}

QString TClavierModel::Caption() { return QCoreApplication::translate("Clavier", "Keyboard help"); }

QString TClavierModel::ButtonCaption(TClavierKey key) const {
  using namespace clavier_model;
  for (const TFunctionKey &f : FunctionKeys)
    if (f.Key == key) return QString::fromLatin1(Arc && f.ArcName ? f.ArcName : f.Name);
  for (const TTextKey &t : TextKeys)
    if (t.Key == key) return QString::fromUtf8(t.Text);
  for (const TTextKey &t : ActionCaptions)
    if (t.Key == key) return QString::fromLatin1(t.Text);
  return QString();
}

QString TClavierModel::Insertion(TClavierKey key) const {
  using namespace clavier_model;
  const bool atEnd = SelStart + SelLength >= Text.size();
  for (const TFunctionKey &f : FunctionKeys)
    if (f.Key == key)
      return QString::fromLatin1(Arc && f.ArcName ? f.ArcName : f.Name) +
             (atEnd ? QStringLiteral("()") : QStringLiteral("("));
  for (const TTextKey &t : TextKeys)
    if (t.Key == key) return QString::fromUtf8(t.Text);
  return QString();
}

void TClavierModel::Insert(const QString &text) {
  SelStart = std::clamp(SelStart, 0, int(Text.size()));
  SelLength = std::clamp(SelLength, 0, int(Text.size()) - SelStart);
  Text.replace(SelStart, SelLength, text);
  // Inside a pair of brackets just opened and closed, else after the insertion.
  SelStart += int(text.size()) - (text.endsWith(QStringLiteral("()")) ? 1 : 0);
  SelLength = 0;
}

void TClavierModel::Press(TClavierKey key) {
  SelStart = std::clamp(SelStart, 0, int(Text.size()));
  SelLength = std::clamp(SelLength, 0, int(Text.size()) - SelStart);
  switch (key) {
    case TClavierKey::Erase:
      if (SelLength > 0) {
        Text.remove(SelStart, SelLength);
      } else if (SelStart > 0) {
        Text.remove(SelStart - 1, 1);
        --SelStart;
      }
      SelLength = 0;
      return;
    case TClavierKey::AllClear:
      Text.clear();
      SelStart = SelLength = 0;
      return;
    case TClavierKey::Home:
      SelStart = 0;
      SelLength = 0;
      return;
    case TClavierKey::End:
      SelStart = int(Text.size());
      SelLength = 0;
      return;
    case TClavierKey::Left:
      SelStart = std::max(0, SelStart - 1);
      SelLength = 0;
      return;
    case TClavierKey::Right:
      SelStart = std::min(int(Text.size()), SelStart + 1);
      SelLength = 0;
      return;
    case TClavierKey::Execute:
      return;
    default:
      Insert(Insertion(key));
      return;
  }
}

QChar TClavierModel::TypedChar(QChar typed) {
  if (typed == QLatin1Char('.') || typed == QLatin1Char(',')) return DecimalSeparator();
  if (typed == QLatin1Char('/')) return QChar(clavier_model::DivisionSign);
  return typed;
}

void TClavierModel::Type(QChar typed) { Insert(QString(TypedChar(typed))); }

void TClavierModel::SetText(const QString &text) {
  Text = RemoveBlanks(text);
  SelStart = int(Text.size());
  SelLength = 0;
}

QString TClavierModel::Validate() {
  const QString definition = Text.trimmed();
  if (!definition.isEmpty()) {
    History.erase(std::remove_if(History.begin(), History.end(),
                                 [&](const QString &entry) {
                                   return QString::compare(entry, definition,
                                                           Qt::CaseInsensitive) == 0;
                                 }),
                  History.end());
    History.append(definition);
  }
  return definition;
}

bool TClavierModel::AddFavouriteFormula() {
  return ChangeFavourites && Favourites.Formulas.Add(Text);
}
bool TClavierModel::RemoveFavouriteFormula() {
  return ChangeFavourites && Favourites.Formulas.RemoveCurrent();
}
bool TClavierModel::AddFavouriteComment() {
  return ChangeFavourites && Favourites.Comments.Add(Comment);
}
bool TClavierModel::RemoveFavouriteComment() {
  return ChangeFavourites && Favourites.Comments.RemoveCurrent();
}
bool TClavierModel::AddFavouriteUnit() { return ChangeFavourites && Favourites.Units.Add(Unit); }
bool TClavierModel::RemoveFavouriteUnit() {
  return ChangeFavourites && Favourites.Units.RemoveCurrent();
}

}  // namespace kolibra::formulas
