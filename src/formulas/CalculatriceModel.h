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

struct TCalculatriceButton {
  TFormulaKey Key;
  const char *Name;  // the button's object name
};

// Every button of the calculator, in the order the window lays them out.
const std::vector<TCalculatriceButton> &CalculatriceButtons();

class TCalculatriceModel : public TFormulaMemo {
 public:
  static QString Caption();
  // The two items of the angle choice: "Radians", "Degrees".
  static QStringList AngleItems();

  // The text a button shows ("=" evaluates) and its hint.
  QString ButtonCaption(TFormulaKey key) const;
  static QString ButtonHint(TFormulaKey key);

  // A button: an insertion, an edit, a caret move, "=" (Execute) or the history.
  void Press(TFormulaKey key);
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
