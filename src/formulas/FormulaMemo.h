#pragma once
// The editing rules shared by the formula keyboard and the calculator: a one-line memo of
// formula text with a caret (SelStart) and a selection (SelLength), what a button inserts
// and where the caret goes, what a typed character becomes, and the history of validated
// texts. Both windows only mirror Text and the caret, so these rules are tested headless.
//
// An insertion replaces the selection. A function button opens its bracket, and closes it
// too when the caret is at the end of the text, leaving the caret between the two.

#include <QChar>
#include <QString>
#include <QStringList>

namespace kolibra::formulas {

class TFormulaMemo {
 public:
  QString Text;
  int SelStart = 0;
  int SelLength = 0;
  // The Arc button is down: the sine, cosine and tangent buttons insert the arc functions.
  bool Arc = false;

  // What a function button inserts now: name + "()" with the caret at the end of the text,
  // name + "(" elsewhere.
  QString FunctionInsertion(const QString &name) const;
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
