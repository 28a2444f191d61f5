#include "formulas/ClavierModel.h"

#include "formulas/RecUtils.h"

#include <QCoreApplication>

namespace kolibra::formulas {

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

QString TClavierModel::Caption() {
  return QCoreApplication::translate("ClavierText", "Keyboard help");
}

QString TClavierModel::ButtonCaption(TClavierKey key) const { return KeyCaption(key); }

QString TClavierModel::Insertion(TClavierKey key) const { return KeyInsertion(key); }

void TClavierModel::Press(TClavierKey key) { PressKey(key); }

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
