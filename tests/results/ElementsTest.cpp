// Graph elements on their own: lengths and descriptions from their geometry, copies for the
// undo history, and vectors turned round.
#include "results/GConstructs.h"
#include "results/ParamCom.h"

#include <gtest/gtest.h>

namespace elements_test {

using namespace kolibra;
using namespace kolibra::results;

template <typename T>
void Place(T &element) {
  element.SetWorld(TRectD{0.0, 10.0, 0.0, 10.0});
  element.SetPlotRect(50, 20, 400, 200);
}

TEST(Spline, LengthOfStraightControlPointsAndNothingBelowFourPoints) {
  TGSpline spline;
  Place(spline);
  spline.SetThrough({{0, 0}, {1, 0}});  // 4 control points with the end copies
  QString text;
  spline.Description(text);
  EXPECT_EQ(text, QStringLiteral("Curve length : 1 m"));
  spline.SetThrough({{0, 1}, {1, 1}, {2, 1}, {3, 1}});
  EXPECT_NEAR(spline.Length(), 3.0, 1e-9);
  spline.SetThrough({{2, 2}});  // 3 control points: nothing drawn, no text
  spline.Description(text);
  EXPECT_TRUE(text.isEmpty());
  EXPECT_TRUE(spline.Curve().empty());
  EXPECT_FALSE(spline.HitTest(spline.PointPixel(1)));
}

TEST(Segment, CopiesKeepTheIdentityAndCompareByGeometry) {
  TGSegment segment(TPointD(1, 1), TPointD(4, 5), TColor::FromRgb(0, 100, 0));
  Place(segment);
  segment.UserMade = true;
  const auto copy = segment.Clone();
  EXPECT_EQ(copy->Id, segment.Id);
  EXPECT_TRUE(copy->UserMade);
  EXPECT_TRUE(copy->SameAs(segment));
  TGSegment other(TPointD(1, 1), TPointD(4, 6), TColor::FromRgb(0, 100, 0));
  EXPECT_NE(other.Id, segment.Id);
  EXPECT_FALSE(other.SameAs(segment));
  QString text;
  segment.Description(text);
  EXPECT_EQ(text, QStringLiteral("Segment length : 5 m"));
  // Its ends and its body are grabbed; a masked segment is not.
  EXPECT_TRUE(segment.HitTest(segment.PointPixel(0)));
  EXPECT_EQ(segment.HitPart, 0);
  segment.SetMasked(true);
  EXPECT_FALSE(segment.HitTest(segment.PointPixel(0)));
  segment.SetVisible(true);
  EXPECT_FALSE(segment.Visible);
}

TEST(Vector, ChangingDirectionTwiceRestoresIt) {
  TParamCom param(QStringLiteral("m/s"), 0, 64, 400);
  ASSERT_TRUE(param.InitFromLongest(2.0));
  TGVecteur vector(TPointD(5, 5), TPointD(1.0, 1.0), 0, &param);
  Place(vector);
  vector.UpdateTip();
  const TPoint tail = vector.PointPixel(0), tip = vector.Tip;
  EXPECT_DOUBLE_EQ(vector.Angle, 45.0);
  vector.ChangeDirection();
  EXPECT_DOUBLE_EQ(vector.Angle, 225.0);
  EXPECT_EQ(vector.PointPixel(0), tip);
  vector.ChangeDirection();
  EXPECT_DOUBLE_EQ(vector.Angle, 45.0);
  EXPECT_EQ(vector.PointPixel(0), tail);
  EXPECT_EQ(vector.Tip, tip);
}

}  // namespace elements_test
