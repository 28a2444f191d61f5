// Momentum, energies, the centre of mass and the totals on motions with known answers: a
// throw under the options' g (energy conserved, Ek and Ep exchanging), two objects at
// constant velocities (the centre of mass at their weighted mean, the total momentum
// constant), and the datasheet's columns for them.

#include "kinematics/support/CalculFixture.h"

#include "kinematics/ResultMessages.h"

#include <algorithm>
#include <cmath>

namespace kolibra::kinematics::dynamics_test {

using testing::CalculFixture;

constexpr double T = 0.04;
constexpr double G = 9.81;

class DynamicsTest : public CalculFixture {
 protected:
  // A throw from the origin: x = 1.0 t, y = 1.6 t - g t² / 2, over nine frames.
  static TPointD Throw(double t) { return TPointD(1.0 * t, 1.6 * t - 0.5 * G * t * t); }
  static constexpr int ThrowSamples = 9;

  void MarkThrow(double mass) {
    Calibrate();
    PlaceMarks(1, ThrowSamples, [](int, int k) { return Throw(k * T); });
    if (mass > 0.0) data.SetObjectMass(0, mass);
  }

  const TCalcul &Active() const { return calc.Active(); }
};

TEST_F(DynamicsTest, AThrowKeepsItsMechanicalEnergyWhileEkAndEpExchange) {
  const double m = 0.2;
  MarkThrow(m);
  ASSERT_TRUE(ComputeAll(0)) << calc.LastResult();
  // The central differences of a parabola are exact: the true energies on the inner samples.
  const double em = 0.5 * m * (1.0 * 1.0 + 1.6 * 1.6);
  double ekLow = 1e100, ekHigh = -1e100, emLow = 1e100, emHigh = -1e100;
  for (int k = 1; k < ThrowSamples - 1; ++k) {
    SCOPED_TRACE(k);
    const double t = k * T;
    const double vx = 1.0, vy = 1.6 - G * t;
    const double y = Throw(t).Y;
    for (int frame : {rfAxes, rfCamera}) {
      EXPECT_NEAR(Active().Value(frame, 0, qkPx, k), m * vx, 1e-9);
      EXPECT_NEAR(Active().Value(frame, 0, qkPy, k), m * vy, 1e-9);
      EXPECT_NEAR(Active().Value(frame, 0, qkEp, k), m * G * y, 1e-9);
      EXPECT_NEAR(Active().Value(frame, 0, qkEm, k), em, 1e-9);
    }
    EXPECT_NEAR(Active().Value(rfAxes, 0, qkP, k), m * std::hypot(vx, vy), 1e-9);
    EXPECT_NEAR(Active().Value(rfAxes, 0, qkEk, k), 0.5 * m * (vx * vx + vy * vy), 1e-9);
    const double ek = Active().Value(rfAxes, 0, qkEk, k), total = Active().Value(rfAxes, 0, qkEm, k);
    ekLow = std::min(ekLow, ek);
    ekHigh = std::max(ekHigh, ek);
    emLow = std::min(emLow, total);
    emHigh = std::max(emHigh, total);
    if (k > 1) {
      // What one loses the other gains.
      const double dEk = ek - Active().Value(rfAxes, 0, qkEk, k - 1);
      const double dEp = Active().Value(rfAxes, 0, qkEp, k) - Active().Value(rfAxes, 0, qkEp, k - 1);
      EXPECT_NEAR(dEk, -dEp, 1e-9);
    }
  }
  EXPECT_LE(emHigh - emLow, 0.001 * (ekHigh - ekLow));
  EXPECT_TRUE(DynamicsNote(Active()).isEmpty());
}

TEST_F(DynamicsTest, GravityComesFromTheOptions) {
  options.Gravity_Value = 1.62;  // on the Moon
  MarkThrow(2.0);
  ASSERT_TRUE(ComputeAll(0));
  EXPECT_NEAR(Active().Value(rfAxes, 0, qkEp, 3), 2.0 * 1.62 * Throw(3 * T).Y, 1e-12);
}

TEST_F(DynamicsTest, WithoutAMassThereIsNoDynamicsAndTheDatasheetIsUnchanged) {
  MarkThrow(0.0);
  ASSERT_TRUE(ComputeAll(0));
  EXPECT_FALSE(Active().IsDefined(rfAxes, 0, qkEk, 3));
  EXPECT_TRUE(Active().IsDefined(rfAxes, 0, qkVx, 3));
  EXPECT_EQ(Active().CentreOfMass(), -1);
  EXPECT_EQ(grids.Active().QuantityColumnCount(), 1 + 11);
  EXPECT_EQ(grids.Active().QuantityColumn(qkEk, 0), -1);
}

TEST_F(DynamicsTest, EpNeedsAnUpwardYAxis) {
  MarkThrow(0.5);
  data.Axes().DirectYAxisDirection = false;
  calc.Invalidate(rsBoth);
  ASSERT_TRUE(ComputeAll(0));
  EXPECT_FALSE(Active().IsDefined(rfAxes, 0, qkEp, 3));
  EXPECT_FALSE(Active().IsDefined(rfAxes, 0, qkEm, 3));
  EXPECT_TRUE(Active().IsDefined(rfAxes, 0, qkEk, 3));
  // The camera's vertical still points up.
  EXPECT_TRUE(Active().IsDefined(rfCamera, 0, qkEp, 3));
  EXPECT_NEAR(Active().Value(rfCamera, 0, qkEp, 3), 0.5 * G * Throw(3 * T).Y, 1e-9);
  EXPECT_EQ(DynamicsNote(Active()),
            QStringLiteral("The y axis does not point up: the potential energy Ep and the mechanical energy Em are "
                           "left undefined."));
  const int ep = grids.Active().QuantityColumn(qkEp, 0);
  ASSERT_GE(ep, 0);
  EXPECT_TRUE(grids.Active().IsEmptyCell(ep, 3));
}

// Object 1 (0.3 kg) moves right at 0.5 m/s from (0, 0.1), object 2 (0.1 kg) left at
// 0.3 m/s and up at 0.2 m/s from (0.3, 0); object 3 has no mass; object 2 is missing on
// frame 4.
class CentreOfMassTest : public DynamicsTest {
 protected:
  static TPointD Position(int object, double t) {
    switch (object) {
      case 0: return TPointD(0.5 * t, 0.1);
      case 1: return TPointD(0.3 - 0.3 * t, 0.2 * t);
      default: return TPointD(0.2, 0.2);
    }
  }
  static constexpr int Samples = 10;
  static constexpr double M1 = 0.3, M2 = 0.1;

  void SetUp() override {
    Calibrate();
    PlaceMarks(3, Samples, [](int o, int k) { return Position(o, k * T); }, [](int o, int k) { return o != 1 || k != 4; });
    data.SetObjectMass(0, M1);
    data.SetObjectMass(1, M2);
    ASSERT_TRUE(ComputeAll(0)) << calc.LastResult();
  }
};

TEST_F(CentreOfMassTest, TheCentreIsTheWeightedMeanAndTheTotalMomentumIsConstant) {
  const int g = Active().CentreOfMass(), total = Active().Totals();
  ASSERT_EQ(g, 3);
  ASSERT_EQ(total, 4);
  EXPECT_EQ(Active().ObjectsCount(), 3);
  EXPECT_DOUBLE_EQ(Active().Mass(g), M1 + M2);
  const double px = M1 * 0.5 + M2 * -0.3, py = M2 * 0.2;
  for (int k = 0; k < Samples; ++k) {
    SCOPED_TRACE(k);
    EXPECT_EQ(Active().HasMark(g, k), k != 4) << "where every object with a mass is marked";
    if (k == 4) continue;
    const TPointD a = Position(0, k * T), b = Position(1, k * T);
    EXPECT_NEAR(Active().Value(rfAxes, g, qkX, k), (M1 * a.X + M2 * b.X) / (M1 + M2), 1e-9);
    EXPECT_NEAR(Active().Value(rfAxes, g, qkY, k), (M1 * a.Y + M2 * b.Y) / (M1 + M2), 1e-9);
    // Away from the gap and the ends every derivative is exact.
    if (k == 0 || k == 3 || k == 5 || k == Samples - 1) continue;
    EXPECT_NEAR(Active().Value(rfAxes, g, qkVx, k), px / (M1 + M2), 1e-8);
    EXPECT_NEAR(Active().Value(rfAxes, g, qkVy, k), py / (M1 + M2), 1e-8);
    EXPECT_NEAR(Active().Value(rfAxes, g, qkAx, k), 0.0, 1e-6);
    EXPECT_NEAR(Active().Value(rfAxes, total, qkPx, k), px, 1e-9);
    EXPECT_NEAR(Active().Value(rfAxes, total, qkPy, k), py, 1e-9);
    EXPECT_NEAR(Active().Value(rfAxes, total, qkP, k), std::hypot(px, py), 1e-9);
    EXPECT_NEAR(Active().Value(rfAxes, g, qkPx, k), px, 1e-9);
    const double ek = 0.5 * M1 * 0.25 + 0.5 * M2 * (0.09 + 0.04);
    EXPECT_NEAR(Active().Value(rfAxes, total, qkEk, k), ek, 1e-9);
    EXPECT_NEAR(Active().Value(rfAxes, g, qkEk, k), 0.5 * (px * px + py * py) / (M1 + M2), 1e-9);
    EXPECT_NEAR(Active().Value(rfAxes, total, qkEp, k), G * (M1 * a.Y + M2 * b.Y), 1e-9);
    EXPECT_NEAR(Active().Value(rfAxes, g, qkEp, k), G * (M1 * a.Y + M2 * b.Y), 1e-9);
  }
  // The totals have no position; the massless object has no dynamics.
  EXPECT_FALSE(Active().IsDefined(rfAxes, total, qkX, 1));
  EXPECT_FALSE(Active().IsDefined(rfAxes, 2, qkPx, 1));
}

TEST_F(CentreOfMassTest, TheDatasheetNamesEveryColumnWithItsObjectsSuffix) {
  const TGrid &grid = grids.Active();
  QStringList symbols;
  for (int c = 0; c < grid.QuantityColumnCount(); ++c) symbols << grid.ColumnSymbol(c);
  EXPECT_EQ(symbols.join(QLatin1Char(' ')),
            QStringLiteral("t x1 y1 x2 y2 x3 y3 xG yG vx1 vy1 v1 vx2 vy2 v2 vx3 vy3 v3 vxG vyG vG "
                           "ax1 ay1 a1 ax2 ay2 a2 ax3 ay3 a3 axG ayG aG O1 R1 w1 O2 R2 w2 O3 R3 w3 "
                           "px1 py1 p1 px2 py2 p2 pxG pyG pG pxtot pytot ptot "
                           "Ek1 Ep1 Em1 Ek2 Ep2 Em2 EkG EpG EmG Ektot Eptot Emtot"));
  const int ek = grid.QuantityColumn(qkEk, 3);
  EXPECT_EQ(grid.ColumnUnit(ek), QStringLiteral("J"));
  EXPECT_EQ(grid.ColumnName(ek), QStringLiteral("Kinetic energy centre of mass"));
  EXPECT_EQ(grid.ColumnUnit(grid.QuantityColumn(qkPx, 0)), QStringLiteral("kg·m/s"));
  EXPECT_EQ(grid.ColumnName(grid.QuantityColumn(qkP, 4)), QStringLiteral("Value of momentum total"));
  EXPECT_EQ(grid.ColumnObjectName(grid.QuantityColumn(qkX, 3)), QStringLiteral("centre of mass"));
  // The hidden edges of the velocities hide those of the momentum too.
  options.CheckBox30HideEdgeV_Checked = true;
  EXPECT_TRUE(grid.IsEmptyCell(grid.QuantityColumn(qkPx, 0), 0));
  EXPECT_FALSE(grid.IsEmptyCell(grid.QuantityColumn(qkEp, 0), 0));
  EXPECT_TRUE(grid.IsEmptyCell(grid.QuantityColumn(qkPx, 4), 4)) << "object 2 is missing there";
}

TEST_F(CentreOfMassTest, TakingAMassAwayRemovesTheCentreAndItsColumns) {
  data.SetObjectMass(1, 0.0);
  ASSERT_TRUE(ComputeAll(0));
  EXPECT_EQ(Active().CentreOfMass(), -1);
  EXPECT_EQ(Active().RowsCount(), 3);
  EXPECT_EQ(grids.Active().QuantityColumnCount(), 1 + 11 * 3 + 6);
}

}  // namespace kolibra::kinematics::dynamics_test
