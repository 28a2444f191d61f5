// Formulas and constants computed over result rows: iterations with initial values, indexes
// beyond the rows, empty cells that stay empty, dependency order, angle units, cycles.

#include "FormulesFixture.h"

#include <cmath>
#include <numbers>

using namespace kolibra;
using namespace kolibra::formulas;
using kolibra::formulas::test_support::FormulesFixture;
using kolibra::formulas::test_support::TTableResults;

TEST_F(FormulesFixture, IteratesFromTheInitialValueOfEitherNumbering) {
  ASSERT_EQ(NewConstant(QStringLiteral("v_lam[1]"), QStringLiteral("0.5")), 0);
  ASSERT_EQ(NewFormula(QStringLiteral("v_lam[i+1] = v_lam[i] + 1")), 0);
  for (int row = 0; row < 5; ++row) EXPECT_DOUBLE_EQ(At(0, row), 0.5 + row) << row;

  // Rows numbered from 0: v_lam[1] is now the second row, and the first has no value.
  formules.SetStartAtZero(true);
  formules.CalculateFormulas();
  EXPECT_TRUE(std::isnan(At(0, 0)));
  EXPECT_DOUBLE_EQ(At(0, 1), 0.5);
  EXPECT_DOUBLE_EQ(At(0, 4), 3.5);
  formules.Constant(0)->SetLeftSide(QStringLiteral("v_lam[0]"));
  formules.CalculateFormulas();
  EXPECT_DOUBLE_EQ(At(0, 0), 0.5);
  EXPECT_DOUBLE_EQ(At(0, 4), 4.5);
}

TEST_F(FormulesFixture, AnIterationWithoutItsInitialValueIsEmptyNotZero) {
  ASSERT_EQ(NewFormula(QStringLiteral("u[i+1] = u[i] * 2")), 5);
  EXPECT_EQ(boxes.Last().Text(),
            QStringLiteral(
                "Variable with unknown value: u. Check to see if initial value (u[0] or u[1]) is "
                "registered in the constants datasheet."));
}

TEST_F(FormulesFixture, NeighbourRowsBeyondTheSeriesAreEmpty) {
  ASSERT_EQ(NewFormula(QStringLiteral("dx = x[i+1] - x[i]")), 0);
  ASSERT_EQ(NewFormula(QStringLiteral("vx_ = (x[i+1] - x[i-1]) / (t[i+1] - t[i-1])")), 0);
  for (int row = 0; row < 4; ++row) EXPECT_NEAR(At(0, row), 0.01, 1e-12) << row;
  EXPECT_TRUE(std::isnan(At(0, 4)));
  EXPECT_TRUE(std::isnan(At(1, 0)));
  for (int row = 1; row < 4; ++row) EXPECT_NEAR(At(1, row), 0.25, 1e-12) << row;
  EXPECT_TRUE(std::isnan(At(1, 4)));
  EXPECT_EQ(formules.Formula(1)->Curve.FirstRow, 1);
  EXPECT_EQ(formules.Formula(1)->Curve.LastRow, 3);
}

TEST_F(FormulesFixture, AMissingMarkStaysAnEmptyCellThroughEveryFormula) {
  ASSERT_EQ(NewFormula(QStringLiteral("d2 = x2 * 2")), 0);
  ASSERT_EQ(NewFormula(QStringLiteral("e2 = d2 + 1")), 0);
  ASSERT_EQ(NewFormula(QStringLiteral("abs(x2) * 0")), 0);
  ASSERT_EQ(NewConstant(QStringLiteral("k"), QStringLiteral("3")), 0);
  for (int f = 0; f < 3; ++f) {
    EXPECT_TRUE(std::isnan(At(f, 2))) << f;
    EXPECT_EQ(formules.Formula(f)->Curve.Valid[2], -1) << f;
  }
  EXPECT_DOUBLE_EQ(At(0, 3), 8.0);
  EXPECT_DOUBLE_EQ(At(1, 3), 9.0);
  EXPECT_DOUBLE_EQ(At(2, 3), 0.0);
  // The points handed to graphs skip the empty row.
  const TPointDDynArray points = formules.FormulaPoints(1);
  ASSERT_EQ(points.size(), 4u);
  EXPECT_DOUBLE_EQ(points[2].X, 0.12);
  EXPECT_DOUBLE_EQ(points[2].Y, 9.0);
}

TEST_F(FormulesFixture, ConstantsFollowTheConstantsTheyRead) {
  ASSERT_EQ(NewConstant(QStringLiteral("k"), QStringLiteral("1")), 0);
  ASSERT_EQ(NewConstant(QStringLiteral("Ray"), QStringLiteral("0.1")), 0);
  ASSERT_EQ(NewConstant(QStringLiteral("Vol"), QStringLiteral("=4*Ray^3/3")), 0);
  // k, first in the list, now reads Vol, which reads Ray: list order would be stale.
  formules.Constant(0)->Phrase = QStringLiteral("Vol*2");
  ASSERT_EQ(formules.Validate(formules.Constant(0)), 0);
  ASSERT_EQ(NewFormula(QStringLiteral("m = Vol * 1000 + x")), 0);

  TFormules::SetConstantValueText(*formules.Constant(1), QStringLiteral("0.2"));
  formules.CalculateConstants();
  formules.CalculateFormulas();
  const double vol = 4 * 0.008 / 3;
  EXPECT_NEAR(formules.Constant(2)->Value, vol, 1e-15);
  EXPECT_NEAR(formules.Constant(0)->Value, 2 * vol, 1e-15);
  EXPECT_EQ(formules.Constant(0)->ValueText, QStringLiteral("0.021"));
  EXPECT_NEAR(At(0, 4), vol * 1000 + 0.04, 1e-12);
}

TEST_F(FormulesFixture, FormulasFollowTheFormulasTheyRead) {
  ASSERT_EQ(NewFormula(QStringLiteral("s1 = x")), 0);
  ASSERT_EQ(NewFormula(QStringLiteral("s2 = s1 * 2")), 0);
  ASSERT_EQ(NewFormula(QStringLiteral("s3 = vx * 10")), 0);
  TRec *first = formules.Formula(0);
  first->SetDefinition(QStringLiteral("s1 = s3 + 1"));
  ASSERT_EQ(formules.Validate(first), 0);
  formules.CalculateFormulas();
  EXPECT_DOUBLE_EQ(At(1, 0), 2 * (2.5 + 1));
  // Velocity reaches s2 through s1 and s3.
  EXPECT_TRUE(formules.UsesVelocity(1));
  EXPECT_FALSE(formules.UsesAcceleration(1));
}

TEST_F(FormulesFixture, AnglesFollowTheUnitOfTheFormulas) {
  results.Set(11, 0, {std::numbers::pi / 2, 0, 0, 0, 0});
  results.Angle = std::numbers::pi / 6;
  ASSERT_EQ(NewFormula(QStringLiteral("O*1")), 0);
  ASSERT_EQ(NewFormula(QStringLiteral("B*1")), 0);
  ASSERT_EQ(NewFormula(QStringLiteral("sin(B)")), 0);
  EXPECT_DOUBLE_EQ(At(0, 0), std::numbers::pi / 2);
  EXPECT_DOUBLE_EQ(At(2, 0), 0.5);
  formules.SetRadian(false);
  EXPECT_DOUBLE_EQ(At(0, 0), 90.0);
  EXPECT_NEAR(At(1, 0), 30.0, 1e-12);
  EXPECT_NEAR(At(2, 0), 0.5, 1e-15);
}

TEST_F(FormulesFixture, ACycleIsRefusedWhenTyped) {
  ASSERT_EQ(NewFormula(QStringLiteral("f = x * 2")), 0);
  ASSERT_EQ(NewFormula(QStringLiteral("g = f + 1")), 0);
  TRec *f = formules.Formula(0);
  f->SetDefinition(QStringLiteral("f = g * 2"));
  EXPECT_EQ(formules.Validate(f), 12);
  EXPECT_EQ(
      boxes.Last().Text(),
      QStringLiteral(
          "Circular definition: these variables or constants are calculated from each other and "
          "have no value: f, g"));

  ASSERT_EQ(NewConstant(QStringLiteral("c1"), QStringLiteral("1")), 0);
  ASSERT_EQ(NewConstant(QStringLiteral("c2"), QStringLiteral("=c1*2")), 0);
  formules.Constant(0)->Phrase = QStringLiteral("c2+1");
  EXPECT_EQ(formules.Validate(formules.Constant(0)), 12);
  // A constant cannot read itself either: its value would grow at every recalculation.
  EXPECT_EQ(NewConstant(QStringLiteral("k"), QStringLiteral("=k+1")), 5);
}

TEST_F(FormulesFixture, ACycleThatGotInIsEmptyAndReportedOnce) {
  ASSERT_EQ(NewFormula(QStringLiteral("f = x * 2")), 0);
  ASSERT_EQ(NewFormula(QStringLiteral("g = f + 1")), 0);
  ASSERT_EQ(NewFormula(QStringLiteral("h = g + x")), 0);
  ASSERT_EQ(NewFormula(QStringLiteral("k = x * 3")), 0);
  formules.Formula(0)->SetDefinition(
      QStringLiteral("f = g * 2"));  // not validated: a file, an old edit
  const int before = boxes.Count();
  formules.CalculateFormulas();
  EXPECT_EQ(boxes.Count(), before + 1);
  EXPECT_EQ(
      formules.CycleError(),
      QStringLiteral(
          "Circular definition: these variables or constants are calculated from each other and "
          "have no value: f, g"));
  for (int f = 0; f < 3; ++f) EXPECT_TRUE(formules.Formula(f)->Curve.Empty()) << f;
  EXPECT_DOUBLE_EQ(At(3, 4), 0.12);
  formules.CalculateFormulas();
  EXPECT_EQ(boxes.Count(), before + 1);

  formules.Formula(0)->SetDefinition(QStringLiteral("f = x * 2"));
  formules.CalculateFormulas();
  EXPECT_TRUE(formules.CycleError().isEmpty());
  EXPECT_DOUBLE_EQ(At(2, 4), 0.04 * 2 + 1 + 0.04);
}

TEST_F(FormulesFixture, ShownFormulasAndTheirBoundsFollowTheAbscissa) {
  ASSERT_EQ(NewFormula(QStringLiteral("p = x * 100")), 0);
  ASSERT_EQ(NewFormula(QStringLiteral("q = p ^ 2")), 0);
  ASSERT_EQ(NewFormula(QStringLiteral("rr = x2")), 0);
  formules.SetAbscissaIndex(0);
  EXPECT_EQ(formules.AbscissaIndex(), 0);
  const TRectD bounds = formules.FormulaBounds();
  EXPECT_DOUBLE_EQ(bounds.XMin, 0.0);
  EXPECT_DOUBLE_EQ(bounds.XMax, 4.0);
  EXPECT_DOUBLE_EQ(bounds.YMin, 0.0);
  EXPECT_DOUBLE_EQ(bounds.YMax, 16.0);
  EXPECT_EQ(formules.ShownCount(), 3);

  // The second object vanishes: rr has no value, is not shown, and cannot be the abscissa.
  results.Table.erase({1, 1});
  formules.CalculateFormulas();
  EXPECT_EQ(formules.ShownFormulas(), (std::vector<int>{0, 1}));
  formules.SetAbscissaIndex(2);
  EXPECT_EQ(formules.AbscissaIndex(), -1);
  // It comes back with the mark and is shown again.
  results.Set(1, 1, {1.0, 2.0, 3.0, 4.0, 5.0});
  formules.CalculateFormulas();
  EXPECT_EQ(formules.ShownCount(), 3);
  formules.SetAbscissaIndex(2);
  formules.DeleteFormula(1);
  EXPECT_EQ(formules.AbscissaIndex(), 1);
}

TEST_F(FormulesFixture, BeforeAnyMeasurementAWrongTextIsStillRefused) {
  results.Rows = 0;
  results.Table.clear();
  EXPECT_EQ(NewFormula(QStringLiteral("d = x +")), 5);
  EXPECT_EQ(boxes.Last().Text(), QStringLiteral("Operator without operand: +"));
  EXPECT_EQ(NewFormula(QStringLiteral("d = x * q")), 5);
  ASSERT_EQ(NewFormula(QStringLiteral("d = x * 2")), 0);
  EXPECT_TRUE(formules.Formula(0)->Curve.Empty());
  EXPECT_EQ(formules.ShownCount(), 0);
  // The measurement comes: the formula is computed and shown.
  results.Rows = 5;
  results.Set(0, 0, {0.0, 0.04, 0.08, 0.12, 0.16});
  results.Set(1, 0, {0.0, 0.01, 0.02, 0.03, 0.04});
  formules.CalculateFormulas();
  EXPECT_EQ(formules.ShownCount(), 1);
  EXPECT_DOUBLE_EQ(At(0, 4), 0.08);
}
