// The calculator on motions with known answers, the marks placed through the measurement
// document on a 25 frames-per-second video calibrated at one millimetre per pixel.

#include "kinematics/support/CalculFixture.h"

#include "kit/IniFile.h"

#include <QTemporaryDir>
#include <cmath>
#include <numbers>

namespace kolibra::kinematics::calcul_test {

using testing::CalculFixture;

constexpr double T = 0.04;

struct MotionCase {
  const char *Name;
  int Samples;
  int Flags;
  // Metres and metres per second (squared) at time t, in the unrotated axes.
  TPointD (*Position)(double t);
  TPointD (*Velocity)(double t);
  TPointD (*Acceleration)(double t);
};

class MotionKnownAnswers : public CalculFixture, public ::testing::WithParamInterface<MotionCase> {};

TEST_P(MotionKnownAnswers, EveryQuantityInBothFrames) {
  const MotionCase &c = GetParam();
  Calibrate();
  PlaceMarks(1, c.Samples, [&](int, int k) { return c.Position(k * T); });
  ASSERT_TRUE(ComputeAll(c.Flags)) << calc.LastResult();

  ASSERT_EQ(calc.SamplesCount(), c.Samples);
  ASSERT_EQ(calc.ObjectsCount(), 1);
  for (int k = 0; k < c.Samples; ++k) {
    const double t = k * T;
    const TPointD p = c.Position(t), v = c.Velocity(t), a = c.Acceleration(t);
    SCOPED_TRACE(::testing::Message() << c.Name << " sample " << k);
    EXPECT_NEAR(calc.Time(k), t, 1e-12);
    EXPECT_EQ(calc.FrameIndex(0, k), k);
    EXPECT_EQ(calc.PointNumbers()[size_t(k)], k);
    // Without rotation or reversed axis the two frames agree.
    for (int frame : {rfAxes, rfCamera}) {
      EXPECT_NEAR(calc.Value(frame, 0, qkX, k), p.X, 1e-9);
      EXPECT_NEAR(calc.Value(frame, 0, qkY, k), p.Y, 1e-9);
      EXPECT_NEAR(calc.Value(frame, 0, qkVx, k), v.X, 1e-8);
      EXPECT_NEAR(calc.Value(frame, 0, qkVy, k), v.Y, 1e-8);
      EXPECT_NEAR(calc.Value(frame, 0, qkAx, k), a.X, 1e-6);
      EXPECT_NEAR(calc.Value(frame, 0, qkAy, k), a.Y, 1e-6);
    }
    EXPECT_NEAR(calc.Value(rfAxes, 0, qkV, k), std::hypot(v.X, v.Y), 1e-8);
    EXPECT_NEAR(calc.Value(rfAxes, 0, qkA, k), std::hypot(a.X, a.Y), 1e-6);
    EXPECT_NEAR(calc.Value(rfAxes, 0, qkRadius, k), std::hypot(p.X, p.Y), 1e-9);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Motions, MotionKnownAnswers,
    ::testing::Values(
        // x = 0 .. 4 cm over 5 frames: vx = 0.25 m/s, ax = 0.
        MotionCase{"UniformPlain", 5, 0, [](double t) { return TPointD(0.25 * t, 0.0); },
                   [](double) { return TPointD(0.25, 0.0); }, [](double) { return TPointD(0.0, 0.0); }},
        MotionCase{"UniformSmoothed", 5, sfVelocity | sfAcceleration,
                   [](double t) { return TPointD(0.25 * t, 0.0); }, [](double) { return TPointD(0.25, 0.0); },
                   [](double) { return TPointD(0.0, 0.0); }},
        // 0.75 and 1 m/s: v = 1.25 m/s.
        MotionCase{"Diagonal", 6, 0, [](double t) { return TPointD(0.01 + 0.75 * t, 0.02 + t); },
                   [](double) { return TPointD(0.75, 1.0); }, [](double) { return TPointD(0.0, 0.0); }},
        // Thrown with 0.5 m/s along x, pushed at 2 m/s² along x, falling at 9.81 m/s².
        MotionCase{"UniformAccelerationPlain", 7, 0,
                   [](double t) { return TPointD(0.02 + 0.5 * t + t * t, 0.3 - 4.905 * t * t); },
                   [](double t) { return TPointD(0.5 + 2.0 * t, -9.81 * t); },
                   [](double) { return TPointD(2.0, -9.81); }},
        MotionCase{"UniformAccelerationSmoothed", 7, sfVelocity | sfAcceleration,
                   [](double t) { return TPointD(0.02 + 0.5 * t + t * t, 0.3 - 4.905 * t * t); },
                   [](double t) { return TPointD(0.5 + 2.0 * t, -9.81 * t); },
                   [](double) { return TPointD(2.0, -9.81); }}),
    [](const auto &info) { return std::string(info.param.Name); });

class CalculTest : public CalculFixture {
 protected:
  // Six frames of the diagonal motion above, computed.
  void MarkDiagonal() {
    Calibrate();
    PlaceMarks(1, 6, [](int, int k) { return TPointD(0.01 + 0.03 * k, 0.02 + 0.04 * k); });
    ASSERT_TRUE(ComputeAll(0));
  }
  struct TSnapshot {
    TMatriceD Axes[QuantityKindCount];
    TMatriceD Camera[QuantityKindCount];
  };
  TSnapshot Snapshot() const {
    TSnapshot s;
    for (int kind = 0; kind < QuantityKindCount; ++kind) {
      s.Axes[kind] = calc.Matrix(rfAxes, kind);
      s.Camera[kind] = calc.Matrix(rfCamera, kind);
    }
    return s;
  }
  static void ExpectRows(const TDoubleDynArray &actual, const TDoubleDynArray &expected, double sign,
                         const char *what) {
    ASSERT_EQ(actual.size(), expected.size()) << what;
    for (size_t k = 0; k < actual.size(); ++k) EXPECT_NEAR(actual[k], sign * expected[k], 1e-9) << what << " " << k;
  }
};

TEST_F(CalculTest, ReversingAnAxisFlipsItsComponentsButNotTheValues) {
  MarkDiagonal();
  const TSnapshot before = Snapshot();
  calc.Compute(rsLayer);
  EXPECT_FALSE(calc.IsStale(rsBoth));

  data.SetDirectXAxisDirection(false);
  EXPECT_TRUE(calc.IsStale(rsFixed));
  EXPECT_FALSE(calc.IsStale(rsLayer));
  ASSERT_TRUE(ComputeAll(0));

  const TSnapshot after = Snapshot();
  for (int kind : {qkX, qkVx, qkAx}) ExpectRows(after.Axes[kind][0], before.Axes[kind][0], -1.0, "x kinds");
  for (int kind : {qkY, qkVy, qkAy, qkV, qkA, qkRadius})
    ExpectRows(after.Axes[kind][0], before.Axes[kind][0], 1.0, "unchanged kinds");
  // The camera knows nothing of the axes.
  for (int kind : {qkX, qkY, qkVx, qkVy}) ExpectRows(after.Camera[kind][0], before.Camera[kind][0], 1.0, "camera");
  EXPECT_NEAR(calc.Value(rfAxes, 0, qkVx, 2), -0.75, 1e-9);
  EXPECT_NEAR(calc.Value(rfAxes, 0, qkV, 2), 1.25, 1e-9);
}

// A grid turned a quarter of a turn: its x axis points up the frame, so the axes' x is the
// camera's y and the axes' y the camera's x reversed.
TEST_F(CalculTest, AQuarterTurnedGridExchangesTheAxes) {
  MarkDiagonal();
  data.SetTypedXAxisAngle(std::numbers::pi / 2);
  EXPECT_TRUE(calc.IsStale(rsActive));
  ASSERT_TRUE(ComputeAll(0));
  const TSnapshot s = Snapshot();
  ExpectRows(s.Axes[qkX][0], s.Camera[qkY][0], 1.0, "x");
  ExpectRows(s.Axes[qkY][0], s.Camera[qkX][0], -1.0, "y");
  ExpectRows(s.Axes[qkVx][0], s.Camera[qkVy][0], 1.0, "vx");
  ExpectRows(s.Axes[qkVy][0], s.Camera[qkVx][0], -1.0, "vy");
  EXPECT_NEAR(calc.Value(rfAxes, 0, qkVx, 0), 1.0, 1e-9);
  EXPECT_NEAR(calc.Value(rfAxes, 0, qkVy, 0), -0.75, 1e-9);
  EXPECT_NEAR(calc.Value(rfCamera, 0, qkVx, 0), 0.75, 1e-9);
  EXPECT_NEAR(calc.Value(rfAxes, 0, qkV, 0), 1.25, 1e-9);
}

// Once around the origin in twelve frames, on a circle of 0.1 m: the angle keeps growing
// past pi without a jump, the radius and the angular velocity stay constant.
TEST_F(CalculTest, UniformCircularMotionUnwrapsTheAngle) {
  Calibrate(TPoint(320, 240));
  const double step = std::numbers::pi / 6;
  const int samples = 15;  // two and a half turns of pi: 0 to 7 pi / 3
  PlaceMarks(1, samples, [&](int, int k) { return TPointD(0.1 * std::cos(k * step), 0.1 * std::sin(k * step)); });
  for (int flags : {0, sfVelocity | sfAcceleration}) {
    SCOPED_TRACE(flags);
    calc.Invalidate(rsBoth);
    ASSERT_TRUE(ComputeAll(flags));
    for (int k = 0; k < samples; ++k) {
      EXPECT_NEAR(calc.Value(rfAxes, 0, qkAngle, k), k * step, 1e-9) << k;
      EXPECT_NEAR(calc.Value(rfAxes, 0, qkRadius, k), 0.1, 1e-9) << k;
      EXPECT_NEAR(calc.Value(rfAxes, 0, qkOmega, k), step / T, 1e-7) << k;
    }
  }
  // Plain central differences over a chord of pi / 6 give R sin(pi / 6) / T = 1.25 m/s.
  calc.Invalidate(rsBoth);
  ASSERT_TRUE(ComputeAll(0));
  for (int k = 1; k + 1 < samples; ++k) EXPECT_NEAR(calc.Value(rfAxes, 0, qkV, k), 1.25, 1e-9) << k;
  EXPECT_GT(calc.MaxValue(rfAxes, qkAngle, 0), 2 * std::numbers::pi);
  EXPECT_NEAR(calc.MinValue(rfAxes, qkAngle, 0), 0.0, 1e-12);
}

// The same circle travelled clockwise: the angle decreases past -pi.
TEST_F(CalculTest, ClockwiseMotionUnwrapsDownwards) {
  Calibrate(TPoint(320, 240));
  const double step = -std::numbers::pi / 4;
  PlaceMarks(1, 10, [&](int, int k) { return TPointD(0.05 * std::cos(k * step), 0.05 * std::sin(k * step)); });
  ASSERT_TRUE(ComputeAll(0));
  for (int k = 0; k < 10; ++k) EXPECT_NEAR(calc.Value(rfAxes, 0, qkAngle, k), k * step, 1e-9) << k;
  EXPECT_NEAR(calc.Value(rfAxes, 0, qkOmega, 5), step / T, 1e-7);
}

// Two objects over five frames: object 0 at x = 0.01 k, y = 0; object 1 at x = 0.02 k,
// y = 0.05, without a mark on the third frame.
class CalculTwoObjectsTest : public CalculTest {
 protected:
  void SetUp() override {
    Calibrate();
    PlaceMarks(
        2, 5, [](int o, int k) { return TPointD(0.01 * k * (o + 1), 0.05 * o); },
        [](int o, int k) { return !(o == 1 && k == 2); });
    ASSERT_TRUE(ComputeAll(0));
  }
};

TEST_F(CalculTwoObjectsTest, WholeArraysHoldZeroWhereAMarkIsMissing) {
  EXPECT_EQ(calc.FrameIndexRow(1), (TIntegerDynArray{0, 1, -1, 3, 4}));
  EXPECT_EQ(calc.PointNumbers(), (TIntegerDynArray{0, 1, 2, 3, 4}));
  const TMatriceD x = calc.Matrix(rfAxes, qkX);
  ASSERT_EQ(x.size(), 2u);
  EXPECT_NEAR(x[1][1], 0.02, 1e-9);
  EXPECT_DOUBLE_EQ(x[1][2], 0.0);
  EXPECT_NEAR(x[1][4], 0.08, 1e-9);
  EXPECT_EQ(calc.Matrix(rfAxes, qkTime)[1], calc.Times());
  EXPECT_EQ(calc.Matrix(rfAxes, 9), TMatriceD(2, TDoubleDynArray(5, 0.0)));
}

TEST_F(CalculTwoObjectsTest, ReadsOutOfRangeGiveZero) {
  EXPECT_EQ(calc.Value(rfAxes, 2, qkX, 0), 0.0);   // no third object
  EXPECT_EQ(calc.Value(rfAxes, 0, qkX, 5), 0.0);   // past the last frame
  EXPECT_EQ(calc.Value(rfAxes, 0, 10, 1), 0.0);    // no such quantity
  EXPECT_EQ(calc.Value(7, 0, qkX, 1), 0.0);        // no such frame of reference
  EXPECT_EQ(calc.Time(-1), 0.0);
}

TEST_F(CalculTwoObjectsTest, ExtremesOfOneObjectOrOfAll) {
  EXPECT_NEAR(calc.MaxValue(rfAxes, qkX, 1), 0.08, 1e-9);
  EXPECT_NEAR(calc.MinValue(rfAxes, qkY, 0), 0.0, 1e-9);
  EXPECT_NEAR(calc.MaxValue(rfAxes, qkX), 0.08, 1e-9);
  EXPECT_NEAR(calc.MinValue(rfAxes, qkX), 0.0, 1e-9);
  EXPECT_EQ(calc.MaxValue(rfAxes, qkX, 5), -1e100);  // no such object: nothing to compare
}

TEST_F(CalculTwoObjectsTest, CurvesSkipTheMissingMark) {
  TPointDDynArray points;
  TIntegerDynArray numbers;
  calc.CurvePoints(rfAxes, 1, qkTime, qkX, points, numbers);
  EXPECT_EQ(numbers, (TIntegerDynArray{1, 2, 4, 5}));
  ASSERT_EQ(points.size(), 4u);
  EXPECT_NEAR(points[2].X, 0.12, 1e-12);  // frame 3 at 25 frames/s
  EXPECT_NEAR(points[2].Y, 0.06, 1e-9);
}

// Object 1 seen from object 0: (0.01 k, 0.05) on the frames where both are marked.
TEST_F(CalculTwoObjectsTest, RelativeTrajectoryOnTheFramesBothAreMarked) {
  TPointDDynArray points;
  TIntegerDynArray numbers;
  options.CheckBox36StartByZero_Checked = true;
  calc.RelativeTrajectory(0, 1, points, numbers);
  EXPECT_EQ(numbers, (TIntegerDynArray{0, 1, 3, 4}));
  ASSERT_EQ(points.size(), 4u);
  EXPECT_NEAR(points[3].X, 0.04, 1e-9);
  EXPECT_NEAR(points[3].Y, 0.05, 1e-9);
  // An object seen from itself stands still at the origin.
  calc.RelativeTrajectory(1, 1, points, numbers);
  ASSERT_EQ(points.size(), 1u);
  EXPECT_EQ(points[0].X, 0.0);
  EXPECT_EQ(points[0].Y, 0.0);
}

// A phone's clip whose time stamps pause for half a second after frame 19 while the object
// goes on moving: x = 0.3 t, y = 0.5 t - 4.9 t^2 in real time, marked on frames 10 ... 29.
class CalculStampsTest : public CalculFixture {
 protected:
  static double Stamp(int frame) { return frame * T + (frame >= 20 ? 0.5 : 0.0); }
  static TPointD Position(double t) { return TPointD(0.3 * t, 0.5 * t - 4.9 * t * t); }

  void MeasureAcrossThePause() {
    Calibrate();
    TDoubleDynArray stamps;
    for (int frame = 0; frame < 40; ++frame) stamps.push_back(Stamp(frame));
    data.SetVideoTimes(stamps);
    PlaceMarks(1, 20, [](int, int k) { return Position(Stamp(10 + k) - Stamp(10)); });
  }
};

TEST_F(CalculStampsTest, TimesAreTheStampsAndVelocityHoldsAcrossThePause) {
  MeasureAcrossThePause();
  ASSERT_TRUE(data.UsesVideoTimes());
  ASSERT_TRUE(ComputeAll(0)) << calc.LastResult();
  ASSERT_EQ(calc.SamplesCount(), 20);
  for (int k = 0; k < 20; ++k) {
    const double t = Stamp(10 + k) - Stamp(10);
    SCOPED_TRACE(::testing::Message() << "sample " << k);
    EXPECT_NEAR(calc.Time(k), t, 1e-12);
    EXPECT_EQ(calc.FrameIndex(0, k), k);
    // Three-point derivatives are exact on a parabola, evenly spaced or not.
    EXPECT_NEAR(calc.Value(rfAxes, 0, qkVx, k), 0.3, 1e-8);
    EXPECT_NEAR(calc.Value(rfAxes, 0, qkVy, k), 0.5 - 9.8 * t, 1e-7);
    EXPECT_NEAR(calc.Value(rfAxes, 0, qkAy, k), -9.8, 1e-5);
  }
}

TEST_F(CalculStampsTest, TheRegularIntervalRemainsAChoiceTheWorkFileKeeps) {
  MeasureAcrossThePause();
  data.SetUseVideoTimes(false);
  ASSERT_TRUE(ComputeAll(0)) << calc.LastResult();
  // Every time after the pause comes half a second early, as a mean interval would make it.
  EXPECT_NEAR(calc.Time(10), 10 * T, 1e-12);
  EXPECT_GT(calc.Value(rfAxes, 0, qkVx, 10), 1.0);

  QTemporaryDir dir;
  TIniFile ini(dir.filePath(QStringLiteral("work.klb")));
  data.SaveToIni(ini);
  EXPECT_FALSE(ini.ReadBool(QStringLiteral("Data"), QStringLiteral("VideoTimeStamps"), true));
  data.SetUseVideoTimes(true);
  data.LoadFromIni(ini);
  EXPECT_FALSE(data.UsesVideoTimes());
  // A file written before the key existed measured with the interval: it still does.
  ini.DeleteKey(QStringLiteral("Data"), QStringLiteral("VideoTimeStamps"));
  data.SetUseVideoTimes(true);
  data.LoadFromIni(ini);
  EXPECT_FALSE(data.UsesVideoTimes());
  ini.WriteBool(QStringLiteral("Data"), QStringLiteral("VideoTimeStamps"), true);
  data.LoadFromIni(ini);
  EXPECT_TRUE(data.UsesVideoTimes());
}

}  // namespace kolibra::kinematics::calcul_test
