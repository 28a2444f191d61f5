#pragma once
// The editing rules shared by the formula keyboard and the calculator: a one-line memo of
// formula text with a caret (SelStart) and a selection (SelLength), the keys of both
// keyboards with what each button shows and inserts and where the caret goes, what a typed
// character becomes, and the history of validated texts. Both windows only mirror Text and
// the caret, so these rules are tested headless.
//
// An insertion replaces the selection. A function button opens its bracket, and closes it
// too when the caret is at the end of the text, leaving the caret between the two.

#include <QChar>
#include <QString>
#include <QStringList>

namespace kolibra::formulas {

// The keys of the formula keyboard and of the calculator; each window shows its own set.
enum class TFormulaKey {
  OpenBracket,
  CloseBracket,
  OpenSquare,
  CloseSquare,
  Add,
  Minus,
  Mult,
  Div,
  Power,
  Equal,
  E,
  Sin,
  Cos,
  Tan,
  Ln,
  Log,
  Exp,
  Sqrt,
  Abs,
  Power10,
  Pi,
  Square,
  Inverse,
  I,
  IMinus1,
  IPlus1,
  Digit0,
  Digit1,
  Digit2,
  Digit3,
  Digit4,
  Digit5,
  Digit6,
  Digit7,
  Digit8,
  Digit9,
  Separator,  // the regional decimal separator
  Erase,
  AllClear,
  Home,
  End,
  Left,
  Right,
  Execute,   // validate or evaluate: the window's own business
  Previous,  // browse the history: the window's own business
  Next,
};

class TFormulaMemo {
 public:
  QString Text;
  int SelStart = 0;
  int SelLength = 0;
  // The Arc button is down: the sine, cosine and tangent buttons insert the arc functions.
  bool Arc = false;

  // The text a key's button shows: what it inserts ("Sin", "ArcSin" while Arc is on ...) or
  // the sign of its action.
  QString KeyCaption(TFormulaKey key) const;
  // The text a key inserts at the caret now; empty for the keys that act instead.
  QString KeyInsertion(TFormulaKey key) const;
  // Applies an insertion, Erase, AllClear or a caret move; false (nothing done) for Execute,
  // Previous and Next, which the windows handle.
  bool PressKey(TFormulaKey key);
  // Replaces the selection with text; the caret goes after it, or between "()" that it ends with.
  void Insert(const QString &text);
  // Deletes the selection, else the character before the caret.
  void Erase();
  void Clear();
  void Home();
  void End();
  void Left();
  void Right();
  // Shows text with the caret at its end.
  void ShowText(const QString &text);

  // What a character typed in the memo becomes: "." and "," the decimal separator, "/" the
  // division sign; others unchanged.
  static QChar TypedChar(QChar typed);

 protected:
  // Brings a caret or selection set from outside back inside the text.
  void ClampSelection();
};

// Moves entry to the end of history, dropping an earlier entry equal whatever the case.
void AddToHistory(QStringList &history, const QString &entry);

}  // namespace kolibra::formulas
