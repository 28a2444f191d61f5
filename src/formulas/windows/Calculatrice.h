#pragma once
// TCalculatrice: the calculator window, opened from the formulas window and from the main
// window. It is created once and lives as long as the program; it hides itself when it
// loses the focus. Every rule is TCalculatriceModel's: the window mirrors the memo and the
// caret, routes the buttons, the keys and the angle choice, and shows the model again.

#include "formulas/CalculatriceModel.h"
#include "kit/Color.h"

#include <QWidget>
#include <utility>
#include <vector>

class QButtonGroup;
class QPlainTextEdit;
class QToolButton;

namespace kolibra::formulas {

class TCalculatrice : public QWidget {
  Q_OBJECT

 public:
  explicit TCalculatrice(QWidget *parent = nullptr);

  // Shows the window in front, the caret in the memo.
  void Execute();

  TCalculatriceModel &Model() { return State; }
  QPlainTextEdit *Memo() const { return FMemo; }

  // Called by the memo (see the key filter in Calculatrice.cpp).
  void MemoKey(QChar typed);
  void MemoEnter();
  void MemoErase();
  void MemoInsert(const QString &text);
  void MemoEdited();

  void SetBackGroundColor(TColor color);

 protected:
  void changeEvent(QEvent *event) override;

 private:
  void ButtonClicked(TFormulaKey key);
  void ReadMemo();
  void ShowMemo();
  void ShowCaptions();

  TCalculatriceModel State;
  QPlainTextEdit *FMemo = nullptr;
  QButtonGroup *FAngle = nullptr;
  std::vector<std::pair<TFormulaKey, QToolButton *>> FButtons;
  bool FShowing = false;
};

}  // namespace kolibra::formulas
