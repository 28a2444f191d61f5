#pragma once
// The rules of the calculator TCalculatrice, free of widgets: a memo where the user types or
// clicks an expression of the formula language, evaluation in place, the history of the
// evaluated expressions with its browsing, and the angle unit.
//
// The calculator has no variables: it evaluates through the formula language without a
// variable owner (EvaluateExpression), so numbers, pi, operators and functions are accepted
// and any name is "Formula with unknown variable or constant: %1".
//
// ShowingResult means the memo holds an error message instead of an expression: the next
// insertion, whether typed or clicked, replaces it. After a successful evaluation the memo
// holds the value with the caret after it, so that the result can be continued.
//
// Typed is the user's own text, saved after every edit, and shown again when browsing goes
// past the newest history entry.

#include "formulas/FormulaMemo.h"

#include <QString>
#include <QStringList>
#include <vector>

namespace kolibra::formulas {

enum class TCalculatriceKey {
  Digit0, Digit1, Digit2, Digit3, Digit4, Digit5, Digit6, Digit7, Digit8, Digit9,
  Separator,
  Add, Minus, Mult, Div,
  OpenBracket, CloseBracket,
  Power, Square, E, Pi,
  Sin, Cos, Tan, Ln, Log, Exp, Sqrt, Power10,
  Erase, AllClear, Home, End, Left, Right,
  Equal, Previous, Next,
};

struct TCalculatriceButton {
  TCalculatriceKey Key;
  const char *Name;  // the button's object name
};

// Every button of the calculator, in the order the window lays them out.
const std::vector<TCalculatriceButton> &CalculatriceButtons();

class TCalculatriceModel : public TFormulaMemo {
 public:
  static QString Caption();
  // The two items of the angle choice: "Radians", "Degrees".
  static QStringList AngleItems();

  // The text a button shows (the arc functions while Arc is on) and its hint.
  QString ButtonCaption(TCalculatriceKey key) const;
  QString ButtonHint(TCalculatriceKey key) const;
  // The text a button inserts at the caret now (empty for the action buttons).
  QString Insertion(TCalculatriceKey key) const;

  // A button: an insertion, an edit, a caret move, "=" or the history.
  void Press(TCalculatriceKey key);
  // A character typed in the memo (see TypedChar).
  void Type(QChar typed);
  // The memo was changed by the user by other means (cut, Delete): its new text and caret.
  void Edited(const QString &text, int selStart);
  // Enter or "=": evaluates the memo's text without blanks; an empty text does nothing.
  void Evaluate();
  void Previous();
  void Next();

  bool Radian() const { return RadianUnit; }
  void SetRadian(bool radian) { RadianUnit = radian; }

  QStringList History;
  int HistoryIndex = 0;
  QString Typed;
  bool ShowingResult = false;

 private:
  // An error message is not the user's text: it goes before anything is inserted.
  void ClearShownResult();
  void ShowEntry();

  bool RadianUnit = true;
};

}  // namespace kolibra::formulas
