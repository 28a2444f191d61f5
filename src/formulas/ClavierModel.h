#pragma once
// The rules of the formula keyboard TClavier, free of widgets: what each button inserts and
// where the caret goes, what typing turns into, validation with its history, and the
// favourite formulas, comments and units.
//
// The memo and its editing rules are TFormulaMemo's, shared with the calculator.

#include "formulas/Favourites.h"
#include "formulas/FormulaMemo.h"

#include <QString>
#include <QStringList>
#include <vector>

namespace kolibra::formulas {

// The formula keyboard's keys are a set of the keys both keyboards share.
using TClavierKey = TFormulaKey;

struct TClavierButton {
  TClavierKey Key;
  const char *Name;  // the button's object name
};

// Every button of the keyboard, in the order the window lays them out.
const std::vector<TClavierButton> &ClavierButtons();

class TClavierModel : public TFormulaMemo {
 public:
  // Texts of the window.
  static QString Caption();

  // The text a button shows: what it inserts ("Sin", "ArcSin" while Arc is on ...) or the
  // sign of its action.
  QString ButtonCaption(TClavierKey key) const;
  // The text a button inserts at the caret now (empty for the action buttons).
  QString Insertion(TClavierKey key) const;
  // Applies a button other than Execute (which the window routes to Validate).
  void Press(TClavierKey key);

  void Type(QChar typed);
  // Starts editing a definition: the memo holds it (blanks removed), caret at the end.
  void SetText(const QString &text);

  // The trimmed definition, appended to the history (an earlier entry equal whatever the
  // case is dropped first); the formulas window applies it.
  QString Validate();

  // Favourite formulas: the memo's text added, the chosen one removed; only while the option
  // allows changes. False when nothing changed.
  bool AddFavouriteFormula();
  bool RemoveFavouriteFormula();
  bool AddFavouriteComment();
  bool RemoveFavouriteComment();
  bool AddFavouriteUnit();
  bool RemoveFavouriteUnit();
  // Previous and next entries of the comment and unit lists, into Comment and Unit.
  void PreviousComment() { Comment = Favourites.Comments.Previous(); }
  void NextComment() { Comment = Favourites.Comments.Next(); }
  void PreviousUnit() { Unit = Favourites.Units.Previous(); }
  void NextUnit() { Unit = Favourites.Units.Next(); }

  // The option "Add or remove favourite formulas": the add and remove buttons are shown.
  bool ChangeFavourites = true;
  QString Comment;
  QString Unit;
  QStringList History;
  TFavourites Favourites;
};

}  // namespace kolibra::formulas
