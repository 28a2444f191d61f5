// Formulas over the rows of a real measurement: marks placed through the document on a
// 25 frames-per-second video at one millimetre per pixel, computed by the calculators and read
// through their facade, as the program reads them.

#include "AddRecords.h"
#include "formulas/Formules.h"
#include "formulas/ResultsSource.h"
#include "kinematics/support/CalculFixture.h"

#include <cmath>
#include <numbers>

namespace kolibra::formulas::measurement_test {

using kinematics::qkAngle;
using kinematics::qkAx;
using kinematics::qkAy;
using kinematics::qkV;
using kinematics::qkVx;
using kinematics::qkVy;
using kinematics::qkX;
using kinematics::qkY;
using kinematics::rfAxes;

class FormulesOverMeasurement : public kinematics::testing::CalculFixture {
 protected:
  FormulesOverMeasurement() {
    source.SmoothingFlags = 0;  // three-point derivatives, which a formula can write out
    formules.Parser.SetRadian(true);
  }

  // A ball thrown on seven frames: x = 0.5 t, y = 0.3 t - 4.9 t² (metres, seconds).
  void ThrowBall(int samples = 7) {
    Calibrate();
    PlaceMarks(1, samples, [](int, int k) {
      const double t = 0.04 * k;
      return TPointD(0.5 * t, 0.3 * t - 4.9 * t * t);
    });
  }
  int NewFormula(const QString &definition) { return test_support::AddValidFormula(formules, definition); }
  int NewConstant(const QString &ident, const QString &value) {
    return test_support::AddValidConstant(formules, ident, value);
  }
  bool Has(int formula, int row) const { return formules.Formula(formula)->Curve.HasValue(row); }
  double At(int formula, int row) const {
    return formules.Formula(formula)->Curve.Values[size_t(row)];
  }

  TResultsSource source{calc, options};
  TFormules formules{&source};
};

TEST_F(FormulesOverMeasurement, AVelocityWrittenOutEqualsTheCalculators) {
  ThrowBall();
  ASSERT_EQ(NewFormula(QStringLiteral("vx_ = (x[i+1] - x[i-1]) / (t[i+1] - t[i-1])")), 0);
  ASSERT_EQ(NewFormula(QStringLiteral("vy_ = (y[i+1] - y[i-1]) / (t[i+1] - t[i-1])")), 0);
  ASSERT_EQ(NewFormula(QStringLiteral("v_ = sqrt(vx_^2 + vy_^2)")), 0);
  ASSERT_EQ(NewFormula(QStringLiteral("ay_ = (vy_[i+1] - vy_[i-1]) / (t[i+1] - t[i-1])")), 0);
  ASSERT_EQ(calc.SamplesCount(), 7);
  for (int row = 1; row < 6; ++row) {
    SCOPED_TRACE(row);
    ASSERT_TRUE(Has(0, row) && Has(1, row) && Has(2, row));
    EXPECT_NEAR(At(0, row), calc.Value(rfAxes, 0, qkVx, row), 1e-12);
    EXPECT_NEAR(At(1, row), calc.Value(rfAxes, 0, qkVy, row), 1e-12);
    EXPECT_NEAR(At(2, row), calc.Value(rfAxes, 0, qkV, row), 1e-12);
    EXPECT_NEAR(At(1, row), 0.3 - 9.8 * 0.04 * row, 1e-9);
  }
  for (int row : {0, 6}) EXPECT_FALSE(Has(0, row));
  for (int row = 2; row < 5; ++row) EXPECT_NEAR(At(3, row), -9.8, 1e-8) << row;
  EXPECT_FALSE(formules.UsesVelocity(2));  // written out from positions, not read
}

TEST_F(FormulesOverMeasurement, AnIterationIntegratesTheVelocityFromItsInitialValue) {
  ThrowBall();
  // Euler steps on vy from the measured first position: exact for the uniform x.
  ASSERT_EQ(NewConstant(QStringLiteral("xs[1]"), QStringLiteral("0")), 0);
  ASSERT_EQ(NewConstant(QStringLiteral("Dt"), QStringLiteral("0,04")), 0);
  ASSERT_EQ(NewFormula(QStringLiteral("xs[i+1] = xs[i] + vx[i] * Dt")), 0);
  ASSERT_EQ(NewConstant(QStringLiteral("vys[1]"), QStringLiteral("0.3")), 0);
  ASSERT_EQ(NewFormula(QStringLiteral("vys[i+1] = vys[i] + ay[i] * Dt")), 0);
  for (int row = 0; row < 7; ++row) {
    SCOPED_TRACE(row);
    EXPECT_NEAR(At(0, row), calc.Value(rfAxes, 0, qkX, row), 1e-12);
    EXPECT_NEAR(At(1, row), 0.3 - 9.8 * 0.04 * row, 1e-6);
  }
  EXPECT_TRUE(formules.UsesVelocity(0));
  EXPECT_TRUE(formules.UsesAcceleration(1));
}

TEST_F(FormulesOverMeasurement, ConstantsOfConstantsComeFirstWhateverTheirOrder) {
  ThrowBall();
  ASSERT_EQ(NewConstant(QStringLiteral("Ep0"), QStringLiteral("1")), 0);
  ASSERT_EQ(NewConstant(QStringLiteral("m"), QStringLiteral("0.2")), 0);
  ASSERT_EQ(NewConstant(QStringLiteral("g"), QStringLiteral("9.81")), 0);
  ASSERT_EQ(NewConstant(QStringLiteral("mg"), QStringLiteral("=m*g")), 0);
  // The first constant now reads the last one, which reads the two in between.
  formules.Constant(0)->Phrase = QStringLiteral("mg*y[1]");
  EXPECT_EQ(formules.Validate(formules.Constant(0)), 5);  // constants do not see results
  formules.Constant(0)->Phrase = QStringLiteral("mg*0.1");
  ASSERT_EQ(formules.Validate(formules.Constant(0)), 0);
  ASSERT_EQ(NewFormula(QStringLiteral("Ep = mg * y - Ep0")), 0);
  TFormules::SetConstantValueText(*formules.Constant(1), QStringLiteral("0.5"));
  formules.CalculateConstants();
  formules.CalculateFormulas();
  EXPECT_NEAR(formules.Constant(0)->Value, 0.5 * 9.81 * 0.1, 1e-12);
  for (int row = 0; row < 7; ++row)
    EXPECT_NEAR(At(0, row), 0.5 * 9.81 * calc.Value(rfAxes, 0, qkY, row) - 0.5 * 9.81 * 0.1, 1e-12)
        << row;
}

TEST_F(FormulesOverMeasurement, ObjectsMarksAndOptionsDecideWhatExists) {
  Calibrate();
  // The second object is missing on frame 12.
  PlaceMarks(
      2, 5, [](int o, int k) { return TPointD(0.01 * k, 0.02 * o); },
      [](int o, int k) { return !(o == 1 && k == 2); });
  ASSERT_EQ(NewFormula(QStringLiteral("y3 = x2 * 2")), 0);  // two objects: y3 is no preset
  ASSERT_EQ(NewFormula(QStringLiteral("x2 * 3")), 0);
  EXPECT_EQ(NewFormula(QStringLiteral("X2 = x * 3")), 9);
  EXPECT_TRUE(Has(0, 1));
  EXPECT_FALSE(Has(0, 2));  // no mark: an empty cell, not 0
  EXPECT_NEAR(At(0, 3), 0.06, 1e-12);
  // vx2 exists: each object is derived over its own marks.
  ASSERT_EQ(NewFormula(QStringLiteral("vx2 * 1")), 0);
  EXPECT_NEAR(At(2, 3), 0.25, 1e-9);
  EXPECT_FALSE(Has(2, 2));
}

TEST_F(FormulesOverMeasurement, AFailedDerivationLeavesVelocitiesEmpty) {
  Calibrate();
  PlaceMarks(1, 2, [](int, int k) { return TPointD(0.01 * k, 0.0); });
  ASSERT_EQ(NewFormula(QStringLiteral("x * 100")), 0);
  // Two marks are too few to derive: the calculator's zeros are not velocities.
  EXPECT_EQ(NewFormula(QStringLiteral("vx * 1")), 5);
  EXPECT_NEAR(At(0, 1), 1.0, 1e-9);
}

TEST_F(FormulesOverMeasurement, AnglesOfTheAxesAndThePolarAngleFollowTheUnit) {
  Calibrate();
  data.SetTypedXAxisAngle(std::numbers::pi / 6);
  PlaceMarks(1, 4, [](int, int k) { return TPointD(0.01 * (k + 1), 0.01 * (k + 1)); });
  ASSERT_EQ(NewFormula(QStringLiteral("B + 0")), 0);
  ASSERT_EQ(NewFormula(QStringLiteral("O + 0")), 0);
  EXPECT_NEAR(At(0, 0), std::numbers::pi / 6, 1e-12);
  const double angle = calc.Value(rfAxes, 0, qkAngle, 2);
  formules.SetRadian(false);
  EXPECT_NEAR(At(0, 0), 30.0, 1e-9);
  EXPECT_NEAR(At(1, 2), angle * 180 / std::numbers::pi, 1e-9);
  // A layer carries its axes: B is 0 there.
  data.SetMeasurementMode(measurement::TMeasurementMode::Layer);
  EXPECT_DOUBLE_EQ(source.AxesAngle(), 0.0);
}

}  // namespace kolibra::formulas::measurement_test

namespace kolibra::formulas::measurement_test {

// The ready momentum and energies by their symbols, with the objects' suffixes and those of
// the centre of mass ("G") and the totals ("tot"); a user's own "Ep" keeps its meaning.
TEST_F(FormulesOverMeasurement, ReadyEnergiesAndMomentumAreNamedByTheirSymbols) {
  Calibrate();
  // Two balls thrown alike, 0.2 kg and 0.6 kg, the second 0.1 m higher.
  PlaceMarks(2, 7, [](int o, int k) {
    const double t = 0.04 * k;
    return TPointD(0.5 * t, 0.3 * t - 4.9 * t * t + 0.1 * o);
  });
  data.SetObjectMass(0, 0.2);
  data.SetObjectMass(1, 0.6);
  ASSERT_EQ(NewFormula(QStringLiteral("balance = Em1 - Ek1 - Ep1")), 0);
  ASSERT_EQ(NewFormula(QStringLiteral("ek = Ek2 / (0.5 * 0.6 * v2^2)")), 0);
  ASSERT_EQ(NewFormula(QStringLiteral("share = pxG / pxtot")), 0);
  ASSERT_EQ(NewFormula(QStringLiteral("lift = EpG - Ep1 - Ep2")), 0);
  ASSERT_EQ(NewFormula(QStringLiteral("height = yG")), 0);
  for (int row = 1; row < 6; ++row) {
    SCOPED_TRACE(row);
    ASSERT_TRUE(Has(0, row) && Has(1, row) && Has(2, row) && Has(3, row));
    EXPECT_NEAR(At(0, row), 0.0, 1e-12);
    EXPECT_NEAR(At(1, row), 1.0, 1e-12);
    EXPECT_NEAR(At(2, row), 1.0, 1e-12);
    EXPECT_NEAR(At(3, row), 0.0, 1e-12);
    EXPECT_NEAR(At(4, row), calc.Value(rfAxes, 0, qkY, row) + 0.075, 1e-12);
  }
  EXPECT_TRUE(formules.UsesVelocity(0));
  // A constant the teacher named Ep before the ready one existed.
  ASSERT_EQ(NewConstant(QStringLiteral("Ep"), QStringLiteral("2")), 0);
  ASSERT_EQ(NewFormula(QStringLiteral("twice = Ep * 2")), 0);
  ASSERT_TRUE(Has(5, 3));
  EXPECT_DOUBLE_EQ(At(5, 3), 4.0);
}

}  // namespace kolibra::formulas::measurement_test
