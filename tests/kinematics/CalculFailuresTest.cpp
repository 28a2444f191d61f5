// What the calculator says when it cannot compute, and that the code it returns names the
// first thing that went wrong rather than the last object it happened to process.

#include "kinematics/ResultMessages.h"
#include "kinematics/support/CalculFixture.h"

#include <functional>
#include <set>

namespace kolibra::kinematics::calcul_failures_test {

using testing::CalculFixture;

class CalculFailures : public CalculFixture {
 protected:
  // Five frames of uniform motion for each object.
  void MarkUniform(int objects = 1) {
    PlaceMarks(objects, 5, [](int o, int k) { return TPointD(0.01 * k, 0.02 * o); });
  }
};

TEST_F(CalculFailures, AFreshCalculatorIsEmptyAndHasNoObject) {
  EXPECT_FALSE(calc.IsStale(rsBoth));
  EXPECT_EQ(calc.SamplesCount(), 0);
  EXPECT_FALSE(calc.ComputeDerivatives(rsActive, 0));
  EXPECT_EQ(calc.LastResult(), krNoObject);
}

TEST_F(CalculFailures, AMissingScaleGivesItsCodeAndLeavesTheResultsEmpty) {
  struct Case {
    const char *Name;
    std::function<void()> Prepare;
  };
  const Case cases[] = {
      {"no point", [] {}},
      {"one point",
       [this] {
         data.SetActiveTool(measurement::dtScale);
         Click(TPoint(0, 240));
         data.SetActiveTool(measurement::dtPointing);
       }},
      {"no length",
       [this] {
         CalibrateScale();
         data.SetScaleLength(0.0);
       }},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.Name);
    data.NewMeasurement();
    data.SetFrameInterval(0.04);
    PlaceAxes(TPoint(100, 400));
    MarkUniform();
    c.Prepare();
    EXPECT_EQ(calc.Compute(rsActive), krNoScale);
    EXPECT_EQ(calc.SamplesCount(), 0);
    EXPECT_EQ(calc.ObjectsCount(), 0);
    EXPECT_TRUE(calc.IsStale(rsActive));
    // The derivatives name the same cause, not "no object" or "too few samples".
    EXPECT_FALSE(calc.ComputeDerivatives(rsActive, sfVelocity));
    EXPECT_EQ(calc.LastResult(), krNoScale);
  }
  // Once the scale is there the same marks compute.
  CalibrateScale();
  EXPECT_EQ(calc.Compute(rsActive), krOk);
  EXPECT_EQ(calc.SamplesCount(), 5);
}

TEST_F(CalculFailures, NoVideoComesFirst) {
  Calibrate();
  MarkUniform();
  calc.SetVideoOpenQuery([] { return false; });
  EXPECT_EQ(calc.Compute(rsBoth), krNoVideo);
  EXPECT_EQ(calc.SamplesCount(), 0);
  // Without a query the view's frame tells: none without a video.
  calc.SetVideoOpenQuery({});
  view.NativeWidth = 0;
  EXPECT_EQ(calc.Compute(rsFixed), krNoVideo);
  view.NativeWidth = 640;
  EXPECT_EQ(calc.Compute(rsFixed), krOk);
}

TEST_F(CalculFailures, DerivationFailuresKeepTheirOwnCodes) {
  struct Case {
    const char *Name;
    double Interval;
    int Samples;
    int Expected;
  };
  const Case cases[] = {
      {"frame interval zero", 0.0, 5, krZeroDivisor},
      {"two marks", 0.04, 2, krTooFewSamples},
      {"one mark", 0.04, 1, krTooFewSamples},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.Name);
    data.NewMeasurement();
    Calibrate();
    data.SetFrameInterval(c.Interval);
    PlaceMarks(1, c.Samples, [](int, int k) { return TPointD(0.01 * k, 0.0); });
    ASSERT_EQ(calc.Compute(rsActive), krOk);
    EXPECT_FALSE(calc.ComputeDerivatives(rsActive, 0));
    EXPECT_EQ(calc.LastResult(), c.Expected);
    EXPECT_EQ(calc.FailedObject(), 0);
    EXPECT_EQ(calc.Value(rfAxes, 0, qkVx, 0), 0.0);
  }
}

// The first object marked on two frames only, the second on five: the computation fails
// with the first object's cause even though the last object processed succeeds.
TEST_F(CalculFailures, AnEarlierObjectsFailureIsNotHidden) {
  Calibrate();
  PlaceMarks(
      2, 5, [](int o, int k) { return TPointD(0.01 * k, 0.02 * o); }, [](int o, int k) { return o == 1 || k < 2; });
  ASSERT_EQ(calc.Compute(rsActive), krOk);
  EXPECT_FALSE(calc.ComputeDerivatives(rsActive, 0));
  EXPECT_EQ(calc.LastResult(), krTooFewSamples);
  EXPECT_EQ(calc.FailedObject(), 0);
  EXPECT_EQ(calc.Active().LastResult(), krTooFewSamples);
}

TEST_F(CalculFailures, ALaterObjectsFailureKeepsTheEarlierResults) {
  Calibrate();
  PlaceMarks(
      2, 5, [](int o, int k) { return TPointD(0.01 * k, 0.02 * o); }, [](int o, int k) { return o == 0 || k > 2; });
  ASSERT_EQ(calc.Compute(rsActive), krOk);
  EXPECT_FALSE(calc.ComputeDerivatives(rsActive, 0));
  EXPECT_EQ(calc.FailedObject(), 1);
  EXPECT_NEAR(calc.Value(rfAxes, 0, qkVx, 2), 0.25, 1e-9);
}

// A velocity and an acceleration fail together when either fails: with a bitwise AND, 1
// and 2 (or 2 and 4) would have passed for success.
TEST(FirstFailure, EitherFailureStops) {
  struct Case {
    int Velocity, Acceleration, Expected;
  };
  const Case cases[] = {{krOk, krOk, krOk},
                        {1, 2, 1},
                        {krTooFewSamples, krNoScale, krTooFewSamples},
                        {krOk, krFitSingular, krFitSingular},
                        {krFitTooFewPoints, krOk, krFitTooFewPoints},
                        {krEqualAbscissas, krEqualAbscissas, krEqualAbscissas}};
  for (const Case &c : cases) EXPECT_EQ(FirstFailure(c.Velocity, c.Acceleration), c.Expected);
}

// One code, one cause, one sentence: a failing fit never reads as "too few samples" or as
// "no scale".
TEST(ResultMessages, EveryCodeNamesItsOwnCause) {
  const int codes[] = {krTooFewSamples, krNoObject,    krNoScale,         krNoVideo,
                       krZeroDivisor,   krEqualAbscissas, krMismatchedSeries, krFitSingular,
                       krFitTooFewPoints, krFitNoCoefficient, krFitNoRange};
  std::set<int> distinctCodes;
  std::set<QString> distinctMessages;
  for (int code : codes) {
    EXPECT_TRUE(distinctCodes.insert(code).second) << code;
    const QString message = ResultMessage(code);
    EXPECT_FALSE(message.isEmpty()) << code;
    EXPECT_TRUE(distinctMessages.insert(message).second) << code;
  }
  EXPECT_TRUE(ResultMessage(krOk).isEmpty());
  EXPECT_TRUE(ResultMessage(krNoScale).contains(QStringLiteral("scale")));
  EXPECT_TRUE(ResultMessage(krNoVideo).contains(QStringLiteral("video")));
  EXPECT_TRUE(ResultMessage(krFitTooFewPoints).startsWith(QStringLiteral("Smoothing")));
  EXPECT_EQ(ResultMessage(99), QStringLiteral("Calculation error 99."));
}

}  // namespace kolibra::kinematics::calcul_failures_test
