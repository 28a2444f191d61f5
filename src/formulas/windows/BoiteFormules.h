#pragma once
// TBoiteFormules: the formulas window. A first tab holds the formulas grid GridExF and the
// constants grid GridExC, each with its help; a second tab closes the window and shows the
// curves. The window is thin: TFormulesGrid and TConstantsGrid decide what each click and
// each edit does, the formula keyboard edits definitions, and the status bar shows the hint
// of the cell under the mouse and, in red, an error the formulas are in (a circle of
// formulas that cannot be computed).

#include "formulas/FormulesGrid.h"

#include <QMainWindow>
#include <functional>

class QLabel;
class QTableWidget;
class QTabWidget;
class QAction;

namespace kolibra::formulas {

class TClavier;

class TBoiteFormules : public QMainWindow {
 public:
  TBoiteFormules(TFormules &formules, TClavier &clavier, QWidget *parent = nullptr);

  // Refills both grids from the formulas (after the results or the options changed).
  void Refill();

  TFormulesGrid &FormulasGrid() { return GridF; }
  TConstantsGrid &ConstantsGrid() { return GridC; }
  QTableWidget *GridExF() const { return TableF; }
  QTableWidget *GridExC() const { return TableC; }
  // The text of the error state in the status bar (empty when none).
  QString ErrorText() const;

  // What belongs to other windows: the curves (the second tab and the view menu), the
  // calculator, the copies to a spreadsheet or to Regressi, the export to a file, the help.
  std::function<void()> OnShowCurves;
  std::function<void()> OnCalculator;
  std::function<void(const QStringList &)> OnCopyToSpreadsheet;
  std::function<void(const QStringList &)> OnCopyToRegressi;
  std::function<void(const QStringList &)> OnExportToFile;
  std::function<void()> OnHelp;

 protected:
  bool eventFilter(QObject *watched, QEvent *event) override;

 private:
  void BuildMenus();
  void FillFormulas();
  void FillConstants();
  void OpenKeyboard(int col, int row);
  void ShowHint(const QString &hint);
  void ShowError();

  TFormules &Formules;
  TClavier &Clavier;
  TFormulesGrid GridF;
  TConstantsGrid GridC;
  QTabWidget *Tabs = nullptr;
  QTableWidget *TableF = nullptr;
  QTableWidget *TableC = nullptr;
  QLabel *ErrorLabel = nullptr;
  QAction *Degrees = nullptr;
  QAction *Radians = nullptr;
  bool Filling = false;
};

}  // namespace kolibra::formulas
