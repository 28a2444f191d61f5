#include "formulas/windows/BoiteFormules.h"

#include "formulas/windows/Clavier.h"
#include "kit/Texts.h"

#include <QAction>
#include <QActionGroup>
#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMouseEvent>
#include <QStatusBar>
#include <QStyledItemDelegate>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

namespace kolibra::formulas {

namespace boite_formules_window {

constexpr int FullColumnWidth = 80;

// What a key typed in a constants cell becomes; a null character swallows it.
class TConstantsKeyFilter : public QObject {
 public:
  TConstantsKeyFilter(QLineEdit *edit, int col) : QObject(edit), Edit(edit), Col(col) {}

  bool eventFilter(QObject *, QEvent *event) override {
    if (event->type() != QEvent::KeyPress) return false;
    const QString text = static_cast<QKeyEvent *>(event)->text();
    if (text.size() != 1 || !text.at(0).isPrint()) return false;
    const QChar typed = TConstantsGrid::TypedChar(Col, text.at(0));
    if (typed == text.at(0)) return false;
    if (!typed.isNull()) Edit->insert(QString(typed));
    return true;
  }

 private:
  QLineEdit *Edit;
  int Col;
};

// The constants grid's editors: they start from the grid's edit text and hand what was typed
// to the grid's rules, after which the window refills (queued: the editor is still closing).
class TConstantsDelegate : public QStyledItemDelegate {
 public:
  TConstantsDelegate(TConstantsGrid &grid, std::function<void()> refill, QObject *parent)
      : QStyledItemDelegate(parent), Grid(grid), Refill(std::move(refill)) {}

  QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &,
                        const QModelIndex &index) const override {
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(QStringLiteral("EditCellule"));
    edit->installEventFilter(new TConstantsKeyFilter(edit, index.column()));
    return edit;
  }
  void setEditorData(QWidget *editor, const QModelIndex &index) const override {
    static_cast<QLineEdit *>(editor)->setText(Grid.EditText(index.column(), index.row()));
  }
  void setModelData(QWidget *editor, QAbstractItemModel *,
                    const QModelIndex &index) const override {
    Grid.Commit(index.column(), index.row(), static_cast<QLineEdit *>(editor)->text());
    Refill();
  }

 private:
  TConstantsGrid &Grid;
  std::function<void()> Refill;
};

QTableWidget *NewGrid(QWidget *parent, const QString &name) {
  auto *table = new QTableWidget(parent);
  table->setObjectName(name);
  table->horizontalHeader()->hide();
  table->verticalHeader()->hide();
  table->setSelectionMode(QAbstractItemView::SingleSelection);
  table->viewport()->setMouseTracking(true);
  return table;
}

QTableWidgetItem *NewCell(const QString &text, bool fixed) {
  auto *item = new QTableWidgetItem(text);
  if (fixed) {
    item->setBackground(QColor(0xF0, 0xF0, 0xF0));
    item->setFlags(Qt::ItemIsEnabled);
  }
  return item;
}

}  // namespace boite_formules_window

TBoiteFormules::TBoiteFormules(TFormules &formules, TClavier &clavier, QWidget *parent)
    : QMainWindow(parent), Formules(formules), Clavier(clavier), GridF(formules), GridC(formules) {
  using namespace boite_formules_window;
  setObjectName(QStringLiteral("FormBoiteFormules"));
  setWindowTitle(BoiteFormulesText::tr("Formulas"));

  Tabs = new QTabWidget(this);
  Tabs->setObjectName(QStringLiteral("PageControl"));
  auto *page = new QWidget(Tabs);
  page->setObjectName(QStringLiteral("TabSheetFormules"));
  TableF = NewGrid(page, QStringLiteral("GridExF"));
  TableF->setEditTriggers(QAbstractItemView::NoEditTriggers);
  TableF->viewport()->installEventFilter(this);
  TableC = NewGrid(page, QStringLiteral("GridExC"));
  TableC->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                          QAbstractItemView::AnyKeyPressed);
  TableC->setItemDelegate(new TConstantsDelegate(
      GridC,
      [this] {
        QMetaObject::invokeMethod(
            this, [this] { Refill(); }, Qt::QueuedConnection);
      },
      TableC));

  auto *helpF = new QLabel(TBoiteFormulesTexts::FormulasHelp().join(QLatin1Char('\n')), page);
  helpF->setObjectName(QStringLiteral("LabelAideFormules"));
  auto *helpC = new QLabel(TBoiteFormulesTexts::ConstantsHelp().join(QLatin1Char('\n')), page);
  helpC->setObjectName(QStringLiteral("LabelAideConstantes"));
  auto *rowF = new QHBoxLayout;
  rowF->addWidget(TableF, 1);
  rowF->addWidget(helpF);
  auto *rowC = new QHBoxLayout;
  rowC->addWidget(TableC, 1);
  rowC->addWidget(helpC);
  auto *layout = new QVBoxLayout(page);
  layout->addLayout(rowF, 3);
  layout->addLayout(rowC, 1);
  Tabs->addTab(page, BoiteFormulesText::tr("Formulas and constants"));
  auto *curves = new QWidget(Tabs);
  curves->setObjectName(QStringLiteral("TabSheetCourbes"));
  Tabs->addTab(curves, BoiteFormulesText::tr("Curves"));
  connect(Tabs, &QTabWidget::currentChanged, this, [this](int tab) {
    if (tab != 1) return;
    Tabs->setCurrentIndex(0);
    close();
    if (OnShowCurves) OnShowCurves();
  });
  setCentralWidget(Tabs);

  ErrorLabel = new QLabel(this);
  ErrorLabel->setObjectName(QStringLiteral("LabelErreur"));
  ErrorLabel->setStyleSheet(QStringLiteral("color: red"));
  statusBar()->addPermanentWidget(ErrorLabel);

  BuildMenus();
  Refill();
  resize(760, 560);
}

void TBoiteFormules::BuildMenus() {
  const auto add = [this](QMenu *menu, const char *name, const char *caption,
                          std::function<void()> run) {
    QAction *action = menu->addAction(BoiteFormulesText::tr(caption));
    action->setObjectName(QString::fromLatin1(name));
    connect(action, &QAction::triggered, this, std::move(run));
    return action;
  };

  QMenu *calculations = menuBar()->addMenu(BoiteFormulesText::tr("Calculations"));
  calculations->setObjectName(QStringLiteral("MenuCalculs"));
  auto *angles = new QActionGroup(this);
  Degrees = add(calculations, "MenuCalculsAngleDegre",
                QT_TRANSLATE_NOOP("BoiteFormulesText", "Angles in degrees"), [this] {
                  Formules.SetRadian(false);
                  Refill();
                });
  Radians = add(calculations, "MenuCalculsAngleRadian",
                QT_TRANSLATE_NOOP("BoiteFormulesText", "Angles in radians"), [this] {
                  Formules.SetRadian(true);
                  Refill();
                });
  for (QAction *action : {Degrees, Radians}) {
    action->setCheckable(true);
    angles->addAction(action);
  }
  calculations->addSeparator();
  add(calculations, "MenuCalculsCalculatrice", QT_TRANSLATE_NOOP("BoiteFormulesText", "Calculator"),
      [this] {
        if (OnCalculator) OnCalculator();
      });

  QMenu *edit = menuBar()->addMenu(BoiteFormulesText::tr("Edit"));
  edit->setObjectName(QStringLiteral("MenuEdition"));
  add(edit, "MenuEditionCopier", QT_TRANSLATE_NOOP("BoiteFormulesText", "Copy the table"),
      [this] { QGuiApplication::clipboard()->setText(GridF.TableText().join(QLatin1Char('\n'))); });
  add(edit, "MenuEditionTableur",
      QT_TRANSLATE_NOOP("BoiteFormulesText", "Copy the table to a spreadsheet"), [this] {
        if (OnCopyToSpreadsheet) OnCopyToSpreadsheet(GridF.TableText());
      });
  add(edit, "MenuEditionRegressi",
      QT_TRANSLATE_NOOP("BoiteFormulesText", "Copy the table to Regressi"), [this] {
        if (OnCopyToRegressi) OnCopyToRegressi(GridF.TableText());
      });
  add(edit, "MenuEditionExporter",
      QT_TRANSLATE_NOOP("BoiteFormulesText", "Export the table to a file"), [this] {
        if (OnExportToFile) OnExportToFile(GridF.TableText());
      });
  edit->addSeparator();
  add(edit, "MenuEditionRestaurerTableau",
      QT_TRANSLATE_NOOP("BoiteFormulesText", "Restore the table"), [this] {
        GridF.RestoreTable();
        Refill();
      });

  QMenu *view = menuBar()->addMenu(BoiteFormulesText::tr("View"));
  view->setObjectName(QStringLiteral("MenuAffichage"));
  add(view, "MenuAffichageVoirCourbes", QT_TRANSLATE_NOOP("BoiteFormulesText", "Curves"), [this] {
    close();
    if (OnShowCurves) OnShowCurves();
  });

  QMenu *help = menuBar()->addMenu(BoiteFormulesText::tr("Help"));
  help->setObjectName(QStringLiteral("MenuAide"));
  add(help, "MenuAideAide", QT_TRANSLATE_NOOP("BoiteFormulesText", "Help"), [this] {
    if (OnHelp) OnHelp();
  });
}

void TBoiteFormules::Refill() {
  Filling = true;
  FillFormulas();
  FillConstants();
  Filling = false;
  (Formules.Radian() ? Radians : Degrees)->setChecked(true);
  ShowError();
}

void TBoiteFormules::FillFormulas() {
  using namespace boite_formules_window;
  const int cols = GridF.ColCount();
  const int rows = GridF.RowCount();
  TableF->clearContents();
  TableF->setColumnCount(cols);
  TableF->setRowCount(rows);
  for (int row = 0; row < rows; ++row)
    for (int col = 0; col < cols; ++col)
      TableF->setItem(row, col,
                      NewCell(GridF.Cell(col, row), row < TFormulesGrid::HeaderRows || col == 0));
  for (int col = 0; col < cols; ++col)
    TableF->setColumnWidth(
        col, col == 0 ? FullColumnWidth / 2 : GridF.ColumnWidth(col, FullColumnWidth));
}

void TBoiteFormules::FillConstants() {
  using namespace boite_formules_window;
  const std::vector<QStringList> cells = GridC.Refill();
  TableC->clearContents();
  TableC->setColumnCount(GridC.ColCount());
  TableC->setRowCount(int(cells.size()));
  for (int row = 0; row < int(cells.size()); ++row)
    for (int col = 0; col < GridC.ColCount(); ++col)
      TableC->setItem(row, col, NewCell(cells[size_t(row)].value(col), row == 0));
  TableC->setColumnWidth(1, 2 * FullColumnWidth);
}

QString TBoiteFormules::ErrorText() const { return ErrorLabel->text(); }

void TBoiteFormules::ShowError() {
  const QString error = GridF.ErrorState();
  ErrorLabel->setText(error);
  ErrorLabel->setVisible(!error.isEmpty());
}

void TBoiteFormules::ShowHint(const QString &hint) {
  // The long part of a hint, after "|", is the status bar's.
  const qsizetype bar = hint.indexOf(QLatin1Char('|'));
  statusBar()->showMessage(bar >= 0 ? hint.mid(bar + 1) : hint);
}

void TBoiteFormules::OpenKeyboard(int col, int row) {
  const TFormulesGrid::TKeyboardRequest request = GridF.KeyboardRequest(col, row);
  if (!request.Open) return;
  const QPoint at = TableF->viewport()->mapToGlobal(
      QPoint(TableF->columnViewportPosition(col),
             TableF->rowViewportPosition(row) + TableF->rowHeight(row)));
  const TClavier::TResult result =
      Clavier.Execute(request.Definition, request.Comment, request.Unit, request.FormulaTab, at);
  TRec *rec = result.Validated ? GridF.ApplyDefinition(col, result.Definition)
                               : Formules.Formula(GridF.FormulaOf(col));
  TFormulesGrid::ApplyCommentAndUnit(rec, result.Comment, result.Unit);
  Refill();
}

bool TBoiteFormules::eventFilter(QObject *watched, QEvent *event) {
  if (watched != TableF->viewport() || Filling) return QMainWindow::eventFilter(watched, event);
  if (event->type() != QEvent::MouseButtonPress && event->type() != QEvent::MouseMove)
    return QMainWindow::eventFilter(watched, event);
  const auto *mouse = static_cast<QMouseEvent *>(event);
  const QPoint pos = mouse->position().toPoint();
  const QModelIndex index = TableF->indexAt(pos);
  if (!index.isValid()) return false;
  const int col = index.column();
  const int row = index.row();
  if (event->type() == QEvent::MouseMove) {
    ShowHint(GridF.Hint(col, row));
    return false;
  }
  if (row == 0) {
    const bool right = mouse->button() == Qt::RightButton;
    if (GridF.HeaderClick(col, pos.x() - TableF->columnViewportPosition(col),
                          TableF->columnWidth(col), right))
      Refill();
    return true;
  }
  if (row < TFormulesGrid::HeaderRows) {
    // After this press has been handled: the keyboard is modal.
    QMetaObject::invokeMethod(
        this, [this, col, row] { OpenKeyboard(col, row); }, Qt::QueuedConnection);
    return true;
  }
  return false;
}

}  // namespace kolibra::formulas
