#include "formulas/ClavierModel.h"

#include "formulas/RecUtils.h"

#include <QCoreApplication>

namespace kolibra::formulas {

namespace clavier_model {

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
  for (const TFunctionKey &f : FunctionKeys)
    if (f.Key == key)
      return FunctionInsertion(QString::fromLatin1(Arc && f.ArcName ? f.ArcName : f.Name));
  for (const TTextKey &t : TextKeys)
    if (t.Key == key) return QString::fromUtf8(t.Text);
  return QString();
}

void TClavierModel::Press(TClavierKey key) {
  switch (key) {
    case TClavierKey::Erase: Erase(); return;
    case TClavierKey::AllClear: Clear(); return;
    case TClavierKey::Home: Home(); return;
    case TClavierKey::End: End(); return;
    case TClavierKey::Left: Left(); return;
    case TClavierKey::Right: Right(); return;
    case TClavierKey::Execute: return;
    default: Insert(Insertion(key)); return;
  }
}

void TClavierModel::Type(QChar typed) { Insert(QString(TypedChar(typed))); }

void TClavierModel::SetText(const QString &text) { ShowText(RemoveBlanks(text)); }

QString TClavierModel::Validate() {
  const QString definition = Text.trimmed();
  if (!definition.isEmpty()) AddToHistory(History, definition);
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
