#pragma once
// TClavier: the formula keyboard. It lives as long as the program, keeps its favourite
// formulas, comments and units (read from the options file at creation, written back when it
// is destroyed), and builds its modal window at each Execute over TClavierModel, which holds
// every rule; the window only mirrors the memo and routes the buttons.

#include "formulas/ClavierModel.h"
#include "kit/Color.h"

#include <QFont>
#include <QPoint>
#include <QString>

namespace kolibra::settings {
class TOptions;
}

namespace kolibra::formulas {

class TClavier {
 public:
  explicit TClavier(const QString &optionsFileName);
  ~TClavier();
  TClavier(const TClavier &) = delete;
  TClavier &operator=(const TClavier &) = delete;

  // The add and remove buttons of the favourites follow "Add or remove favourite formulas".
  void ApplyOptions(const settings::TOptions &options);

  struct TResult {
    bool Validated = false;  // Exe or Enter; false when closed otherwise (Escape)
    QString Definition;      // trimmed, when validated
    QString Comment;         // as edited, in either case
    QString Unit;
  };
  // Opens modal at a screen position (its top-left), on the formula tab or on the comments
  // and units tab.
  TResult Execute(const QString &definition, const QString &comment, const QString &unit,
                  bool formulaTab, const QPoint &at);

  TClavierModel &Model() { return State; }
  const QString &OptionsFileName() const { return FileName; }

  QFont Font;
  TColor BackGroundColor = colors::clBtnFace;

 private:
  QString FileName;
  TClavierModel State;
};

}  // namespace kolibra::formulas
