// The formulas window's grids without widgets: cells, header clicks, the keyboard's
// definitions applied, constants edited cell by cell, and the keys each grid turns.

#include "FormulesFixture.h"
#include "formulas/FormulesGrid.h"

using namespace kolibra;
using namespace kolibra::formulas;
using kolibra::formulas::test_support::FormulesFixture;

class FormulesGridTest : public FormulesFixture {
 protected:
  TFormulesGrid grid{formules};
  TConstantsGrid constants{formules};
};

TEST_F(FormulesGridTest, CellsShowHeaderDefinitionCommentUnitAndValues) {
  ASSERT_EQ(NewFormula(QStringLiteral("d = x * 100")), 0);
  ASSERT_EQ(NewFormula(QStringLiteral("x2 / 2")), 0);
  formules.Formula(0)->Unit = QStringLiteral("cm");
  ASSERT_EQ(grid.ColCount(), 5);
  ASSERT_EQ(grid.RowCount(), 9);
  const QString expected[9][5] = {
      {"", "t", "d", "x2/2", "Type a formula"},
      {"", "", "d=x*100", "x2/2", ""},
      {"", "", "no comment", "no comment", ""},
      {"", "s", "cm", "no unit", ""},
      {"1", "0", "0", "0.500", ""},
      {"2", "0.040", "1.000", "1.000", ""},
      {"3", "0.080", "2.000", "", ""},  // the second object has no mark there
      {"4", "0.120", "3.000", "2.000", ""},
      {"5", "0.160", "4.000", "2.500", ""},
  };
  for (int row = 0; row < 9; ++row)
    for (int col = 0; col < 5; ++col)
      EXPECT_EQ(grid.Cell(col, row), expected[row][col]) << col << "," << row;
  formules.SetStartAtZero(true);
  EXPECT_EQ(grid.Cell(0, 4), QStringLiteral("0"));
  EXPECT_EQ(grid.Hint(2, 0),
            QStringLiteral("|Left-click = hide or change column; right-click = delete"));
  EXPECT_EQ(grid.Hint(4, 2), QStringLiteral("|Change a formula, its comment or unit"));
  EXPECT_EQ(grid.Hint(2, 5), QString());
  EXPECT_EQ(grid.TableText()[1], QStringLiteral("\t\td=x*100\tx2/2"));
}

TEST_F(FormulesGridTest, HeaderClicksChangeDigitsCollapseAndDelete) {
  ASSERT_EQ(NewFormula(QStringLiteral("d = x * 100")), 0);
  ASSERT_EQ(NewFormula(QStringLiteral("e = d + 1")), 0);
  const int width = 80;
  EXPECT_FALSE(grid.HeaderClick(2, 3, width, false));  // not below 0
  for (int i = 0; i < 10; ++i) grid.HeaderClick(2, 75, width, false);
  EXPECT_EQ(formules.Formula(0)->Curve.Digits, 8);  // nor above 8
  EXPECT_TRUE(grid.HeaderClick(2, 11, width, false));
  EXPECT_EQ(formules.Formula(0)->Curve.Digits, 7);
  EXPECT_TRUE(grid.HeaderClick(1, 70, width, false));
  EXPECT_EQ(grid.AbscissaDigits, 1);
  EXPECT_FALSE(grid.HeaderClick(1, 40, width, false));  // the abscissa does not collapse

  EXPECT_TRUE(grid.HeaderClick(2, 40, width, false));
  EXPECT_FALSE(formules.Formula(0)->Curve.ColumnOpen);
  EXPECT_EQ(grid.ColumnWidth(2, width), 15);
  // Collapsed to 15 pixels, both edges overlap: a click anywhere opens it again.
  EXPECT_TRUE(grid.HeaderClick(2, 3, 15, false));
  EXPECT_TRUE(formules.Formula(0)->Curve.ColumnOpen);
  EXPECT_EQ(formules.Formula(0)->Curve.Digits, 7);

  EXPECT_TRUE(grid.HeaderClick(2, 40, width, true));
  ASSERT_EQ(formules.FormulaCount(), 1);
  EXPECT_TRUE(formules.Formula(0)->Curve.Empty());  // e read d
  grid.RestoreTable();
  EXPECT_EQ(grid.AbscissaDigits, 0);
}

TEST_F(FormulesGridTest, TheKeyboardsDefinitionAddsChangesOrDeletes) {
  const int newColumn = grid.ColCount() - 1;
  TFormulesGrid::TKeyboardRequest request = grid.KeyboardRequest(newColumn, 2);
  EXPECT_TRUE(request.Open);
  EXPECT_TRUE(request.FormulaTab);
  EXPECT_FALSE(grid.KeyboardRequest(1, 1).Open);
  EXPECT_FALSE(grid.KeyboardRequest(newColumn, 4).Open);

  TRec *rec = grid.ApplyDefinition(newColumn, QStringLiteral("d = x * 100"));
  ASSERT_NE(rec, nullptr);
  TFormulesGrid::ApplyCommentAndUnit(rec, QStringLiteral("distance"), QString());
  EXPECT_EQ(rec->Comment, QStringLiteral("distance"));
  EXPECT_EQ(rec->Unit, QStringLiteral("no unit"));
  request = grid.KeyboardRequest(2, 3);
  EXPECT_FALSE(request.FormulaTab);
  EXPECT_EQ(request.Definition, QStringLiteral("d=x*100"));

  // A refused new formula is not kept; a refused change gives the old definition back.
  EXPECT_EQ(grid.ApplyDefinition(grid.ColCount() - 1, QStringLiteral("x = y")), nullptr);
  EXPECT_EQ(formules.FormulaCount(), 1);
  EXPECT_EQ(grid.ApplyDefinition(2, QStringLiteral("d = q * 2")), rec);
  EXPECT_EQ(rec->Definition(), QStringLiteral("d=x*100"));
  EXPECT_DOUBLE_EQ(At(0, 4), 4.0);
  EXPECT_EQ(boxes.Last().Text(), QStringLiteral("Formula with unknown variable or constant: q"));
  grid.ApplyDefinition(2, QStringLiteral("d = x * 1000"));
  EXPECT_DOUBLE_EQ(At(0, 4), 40.0);
  EXPECT_EQ(grid.ApplyDefinition(2, QStringLiteral("  ")), nullptr);
  EXPECT_EQ(formules.FormulaCount(), 0);
}

TEST_F(FormulesGridTest, ConstantsAreEditedCellByCell) {
  EXPECT_EQ(constants.Cell(0, 0), QStringLiteral("Name"));
  EXPECT_EQ(constants.Cell(1, 0), QStringLiteral("Value or formula"));
  EXPECT_EQ(constants.Cell(2, 0), QStringLiteral("Unit"));
  // The empty row: value and unit wait for a name.
  constants.Commit(1, 1, QStringLiteral("=4*Ray^3/3"));
  constants.Commit(2, 1, QStringLiteral("m3"));
  EXPECT_EQ(constants.Cell(1, 1), QStringLiteral("=4*Ray^3/3"));
  constants.Commit(0, 1, QStringLiteral("Vol"));  // Ray does not exist: refused, removed
  EXPECT_EQ(constants.RowCount(), 2);
  constants.Commit(0, 1, QStringLiteral("Ray"));  // an empty value cell gives 0
  ASSERT_EQ(constants.RowCount(), 3);
  EXPECT_EQ(constants.Cell(1, 1), QStringLiteral("0"));
  constants.Commit(1, 1, QStringLiteral("0.5"));
  constants.Commit(1, 2, QStringLiteral("=4*Ray^3/3"));
  constants.Commit(0, 2, QStringLiteral("Vol"));
  ASSERT_EQ(constants.RowCount(), 4);
  EXPECT_EQ(constants.Cell(1, 2), QStringLiteral("0.167"));

  // The editor shows the expression, and so does the next refill, once.
  EXPECT_EQ(constants.EditText(1, 2), QStringLiteral("=4*Ray^3/3"));
  EXPECT_EQ(constants.Refill()[2][1], QStringLiteral("=4*Ray^3/3"));
  EXPECT_EQ(constants.Refill()[2][1], QStringLiteral("0.167"));

  // A refused value gives back the expression it replaced.
  constants.Commit(1, 2, QStringLiteral("=4*Rai^3/3"));
  EXPECT_EQ(formules.Constant(1)->Phrase, QStringLiteral("4*Ray^3/3"));
  EXPECT_EQ(constants.Cell(1, 2), QStringLiteral("0.167"));
  constants.Commit(1, 2, QStringLiteral("2"));
  EXPECT_TRUE(formules.Constant(1)->Phrase.isEmpty());
  EXPECT_DOUBLE_EQ(formules.Constant(1)->Value, 2.0);
  constants.Commit(0, 2, QStringLiteral("2Vol"));  // refused: the name stays
  EXPECT_EQ(constants.Cell(0, 2), QStringLiteral("Vol"));
  constants.Commit(2, 2, QString());
  EXPECT_EQ(constants.Cell(2, 2), QStringLiteral("no unit"));
  constants.Commit(0, 1, QString());
  EXPECT_EQ(constants.RowCount(), 3);
  EXPECT_EQ(constants.Cell(0, 1), QStringLiteral("Vol"));
}

TEST(ConstantsGridKeys, TypedCharactersByColumn) {
  const ScopedDecimalSeparator comma(QLatin1Char(','));
  struct TCase {
    int Col;
    char16_t Typed;
    char16_t Expected;  // 0: ignored
  };
  const TCase cases[] = {
      {0, u'.', u','}, {1, u'.', u','}, {1, u',', u','}, {1, u'/', u'\u00f7'}, {2, u'.', u'.'},
      {2, u'/', u'/'}, {0, u'~', 0},    {2, u'~', 0},    {1, u'x', u'x'},
  };
  for (const TCase &c : cases) {
    const QChar result = TConstantsGrid::TypedChar(c.Col, QChar(c.Typed));
    EXPECT_EQ(result.unicode(), c.Expected) << c.Col << " " << char(c.Typed);
  }
}

// The formulas window hands the export the same two forms as the datasheet: the abscissa and
// every formula, values at full precision, empty where a row has none.
TEST_F(FormulesGridTest, TheExportForms) {
  ASSERT_EQ(NewFormula(QStringLiteral("d = x * 100")), 0);
  ASSERT_EQ(NewFormula(QStringLiteral("x2 / 2")), 0);
  formules.Formula(0)->Unit = QStringLiteral("cm");
  formules.Formula(0)->Comment = QStringLiteral("depth");
  grid.AbscissaDigits = 2;  // the display's precision does not reach the export
  results.Angle = 0.5;
  QStringList lines;
  EXPECT_EQ(grid.FillText(lines, QStringLiteral("kolibra"), QDateTime(QDate(2024, 3, 5), QTime(14, 7, 9))), 3);
  const QStringList expected = {
      "kolibra",
      "05032024 140709",
      "Grid rotation in the trigonometric direction : 0.5 rad",
      "t\td\tx2/2",
      "s\tcm\tno unit",
      "time\tdepth\tno comment",
      "0\t0\t0.5",
      "0.04\t1\t1",
      "0.08\t2\t",
      "0.12\t3\t2",
      "0.16\t4\t2.5",
  };
  EXPECT_EQ(lines, expected);

  const TMatriceStr matrix = grid.Matrix();
  ASSERT_EQ(matrix.size(), 9u);
  EXPECT_EQ(matrix[0], (TStringDynArray{"Grid rotation in the trigonometric direction (rad) : ", "0.5", ""}));
  EXPECT_EQ(matrix[1], (TStringDynArray{"t", "d", "x2/2"}));
  EXPECT_EQ(matrix[3], (TStringDynArray{"time", "depth", "no comment"}));
  EXPECT_EQ(matrix[6], (TStringDynArray{"0.08", "2", ""}));

  // A formula as abscissa takes the time's place.
  formules.SetAbscissaIndex(0);
  grid.FillText(lines, QString());
  EXPECT_EQ(lines[3], QStringLiteral("d\td\tx2/2"));
  EXPECT_EQ(lines[5], QStringLiteral("depth\tdepth\tno comment"));
  EXPECT_EQ(lines[7], QStringLiteral("1\t1\t1"));
}
