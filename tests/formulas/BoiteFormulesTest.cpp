// The formulas window and the formula keyboard as the user meets them: a definition typed
// on the keyboard becomes a column, a header click deletes it, constants are typed in their
// grid, a circle of formulas shows in the status bar, and the favourites outlive the keyboard.

#include "support/ModalDialogs.h"
#include "support/WaitFor.h"
#include "FormulesFixture.h"
#include "formulas/windows/BoiteFormules.h"
#include "formulas/windows/Clavier.h"

#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <functional>

using namespace kolibra;
using namespace kolibra::formulas;

namespace boite_formules_test {

using kolibra::testing::Child;
using kolibra::testing::WhenShown;



// The centre of a cell, in the viewport's coordinates.
QPoint CellCentre(QTableWidget *table, int row, int col) {
  return QPoint(table->columnViewportPosition(col) + table->columnWidth(col) / 2,
                table->rowViewportPosition(row) + table->rowHeight(row) / 2);
}

class BoiteFormulesTest : public test_support::FormulesFixture {
 protected:
  BoiteFormulesTest() { clavier.Model().ChangeFavourites = false; }
  QTemporaryDir dir;
  TClavier clavier{dir.filePath(QStringLiteral("Kolibra.ini"))};
  TBoiteFormules window{formules, clavier};
};

}  // namespace boite_formules_test

using boite_formules_test::BoiteFormulesTest;
using boite_formules_test::CellCentre;
using boite_formules_test::Child;

TEST_F(BoiteFormulesTest, ADefinitionTypedOnTheKeyboardBecomesAColumn) {
  QTableWidget *grid = window.GridExF();
  ASSERT_EQ(grid->columnCount(), 3);
  EXPECT_EQ(grid->item(0, 2)->text(), QStringLiteral("Type a formula"));
  EXPECT_TRUE(Child<QLabel>(&window, "LabelAideConstantes")
                  ->text()
                  .contains(QStringLiteral("an integer between brackets")));

  QString title;
  bool addVisible = true;
  boite_formules_test::WhenShown([&](QDialog *form) {
    title = form->windowTitle();
    addVisible = Child<QPushButton>(form, "ButtonAjouterFormule")->isVisible();
    auto *memo = Child<QPlainTextEdit>(form, "MemoF");
    QTest::keyClicks(memo, QStringLiteral("d=100*"));
    Child<QToolButton>(form, "SpeedButtonAbs")->click();
    QTest::keyClicks(memo, QStringLiteral("x"));
    Child<QToolButton>(form, "SpeedButtonExe")->click();
  });
  QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, CellCentre(grid, 1, 2));
  EXPECT_TRUE(kolibra::testing::WaitFor([&] { return formules.FormulaCount() == 1; }));
  EXPECT_EQ(title, QStringLiteral("Keyboard help"));
  EXPECT_FALSE(addVisible);
  EXPECT_EQ(formules.FormulaDefinition(0), QStringLiteral("d=100*Abs(x)"));
  ASSERT_EQ(grid->columnCount(), 4);
  EXPECT_EQ(grid->item(0, 2)->text(), QStringLiteral("d"));
  EXPECT_EQ(grid->item(8, 2)->text(), QStringLiteral("4.000"));
  EXPECT_EQ(clavier.Model().History, QStringList{QStringLiteral("d=100*Abs(x)")});

  // A right click in the header deletes it.
  QTest::mouseClick(grid->viewport(), Qt::RightButton, {}, CellCentre(grid, 0, 2));
  EXPECT_EQ(formules.FormulaCount(), 0);
  EXPECT_EQ(grid->columnCount(), 3);
}

TEST_F(BoiteFormulesTest, ConstantsAreTypedInTheirGrid) {
  const ScopedDecimalSeparator comma(QLatin1Char(','));
  QTableWidget *grid = window.GridExC();
  EXPECT_EQ(grid->item(0, 1)->text(), QStringLiteral("Value or formula"));
  const auto type = [&](int row, int col, const QString &text) {
    grid->setCurrentCell(row, col);
    grid->editItem(grid->item(row, col));
    auto *editor = grid->findChild<QLineEdit *>(QStringLiteral("EditCellule"));
    ASSERT_NE(editor, nullptr);
    editor->selectAll();
    QTest::keyClicks(editor, text);
    QTest::keyClick(editor, Qt::Key_Return);
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);  // the closed editor
  };
  type(1, 1, QStringLiteral("9.81~"));
  type(1, 0, QStringLiteral("g"));
  ASSERT_EQ(formules.Constants().size(), 1u);
  EXPECT_EQ(formules.Constant(0)->ValueText, QStringLiteral("9,81"));
  EXPECT_EQ(grid->rowCount(), 3);
  type(2, 1, QStringLiteral("=g/2"));
  type(2, 0, QStringLiteral("h"));
  ASSERT_EQ(formules.Constants().size(), 2u);
  EXPECT_EQ(formules.Constant(1)->Phrase, QString::fromUtf8("g\xc3\xb7"
                                                            "2"));
  EXPECT_DOUBLE_EQ(formules.Constant(1)->Value, 4.905);
  EXPECT_EQ(grid->item(2, 1)->text(), QStringLiteral("4,905"));
}

TEST_F(BoiteFormulesTest, ACircleOfFormulasShowsInTheStatusBar) {
  ASSERT_EQ(NewFormula(QStringLiteral("f = x * 2")), 0);
  ASSERT_EQ(NewFormula(QStringLiteral("g = f + 1")), 0);
  window.Refill();
  EXPECT_TRUE(window.ErrorText().isEmpty());
  formules.Formula(0)->SetDefinition(QStringLiteral("f = g * 2"));
  formules.CalculateFormulas();
  window.Refill();
  EXPECT_EQ(window.ErrorText(), formules.CycleError());
  EXPECT_FALSE(window.ErrorText().isEmpty());
  EXPECT_EQ(boxes.Last().Text(), window.ErrorText());
  EXPECT_EQ(window.GridExF()->item(4, 2)->text(), QString());
}

TEST(Clavier, FavouritesAreKeptInTheOptionsFile) {
  QTemporaryDir dir;
  const QString name = dir.filePath(QStringLiteral("Kolibra.ini"));
  {
    TClavier clavier(name);
    clavier.Model().ChangeFavourites = true;
    boite_formules_test::WhenShown([](QDialog *form) {
      Child<QPushButton>(form, "ButtonAjouterFormule")->click();
      Child<QLineEdit>(form, "EditUnite")->setText(QStringLiteral("J"));
      QTest::keyClicks(Child<QLineEdit>(form, "EditUnite"), QStringLiteral("/s"));
      Child<QPushButton>(form, "ButtonAjouterUnite")->click();
      QTest::keyClick(Child<QPlainTextEdit>(form, "MemoF"), Qt::Key_Escape);
    });
    const TClavier::TResult result =
        clavier.Execute(QStringLiteral("Ec = 0.5*m*v^2"), QString(), QString(), true, QPoint(0, 0));
    EXPECT_FALSE(result.Validated);
    EXPECT_EQ(result.Unit, QStringLiteral("J/s"));
  }
  QFile file(name);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(QString::fromUtf8(file.readAll()),
            QStringLiteral("[Formulae]\nFormula0=Ec=0.5*m*v^2\n\n[Units]\nUnit0=J/s\n"));
}
