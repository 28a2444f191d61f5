// The plane and lens tools as the user works them over the video: four clicks on a board
// seen at an angle, its size, a corner dragged, lines traced along edges the lens bends,
// and each of these taken back in one step. The board and the lens are the rendered
// camera's, so the positions are checked against where the camera really puts them.

#include "measurement/support/DocumentFixture.h"
#include "measurement/support/TiltedCamera.h"

#include <cmath>

namespace kolibra::measurement::testing {
namespace {

class PlaneToolTest : public DocumentFixture {
 protected:
  PlaneToolTest() {
    // The 1280 x 720 picture shown at its own size: a click lands within half a pixel.
    view.NativeWidth = 1280;
    view.NativeHeight = 720;
    view.Mapping = TFrameMapping{1280.0, 720.0, 0.0, 0.0};
    data.OnPlaneCornersPlaced = [this](TData *) { ++cornersPlaced; };
    data.OnPlaneRefusal = [this](TData *, const QString &why) { refusals.push_back(why); };
  }

  static TPoint Pixel(TPointD p) { return TPoint(int(std::lround(p.X)), int(std::lround(p.Y))); }

  void ClickBoardCorners(const TTiltedCamera &camera) {
    for (const TPointD &corner : camera.BoardCorners()) Click(Pixel(corner));
  }

  // The largest distance (metres) between where the plane puts the camera's points and
  // where they are on the board.
  double WorstError(const TTiltedCamera &camera) const {
    const TPlaneCalibration plane = data.PlaneForPicture();
    double worst = 0.0;
    for (double x = 0.0; x <= camera.BoardWidth + 1e-9; x += 0.2)
      for (double y = 0.0; y <= camera.BoardHeight + 1e-9; y += 0.15) {
        const TPointD m = plane.ToPlane(camera.Seen(x, y));
        worst = std::max(worst, std::hypot(m.X - x, m.Y - y));
      }
    return worst;
  }

  int cornersPlaced = 0;
  std::vector<QString> refusals;
};

TEST_F(PlaneToolTest, FourClicksAndASizeMeasureTheBoardAndComeBackInOneUndo) {
  TTiltedCamera camera;
  camera.YawDegrees = 35.0;
  camera.PitchDegrees = 10.0;
  data.SetActiveTool(dtPlane);
  ClickBoardCorners(camera);
  EXPECT_EQ(cornersPlaced, 1) << "the size is asked once, after the fourth corner";
  EXPECT_FALSE(data.Plane().HasPlane()) << "nothing is measured before the size is known";
  ASSERT_TRUE(data.PlacePlaneRectangle(camera.BoardWidth, camera.BoardHeight));
  ASSERT_TRUE(data.Plane().HasPlane());
  EXPECT_TRUE(data.PlaneEditor().PendingCorners().empty());
  // Corners clicked to half a pixel: within 2 mm anywhere on the 1.6 m board.
  EXPECT_LT(WorstError(camera), 0.002);
  EXPECT_GE(results.Count(TCalculatorSet::Both), 1) << "the results follow the plane";
  EXPECT_TRUE(Snapshot().contains(QStringLiteral("[Plane]")));

  data.Undo();
  EXPECT_FALSE(data.Plane().HasPlane());
  data.Redo();
  EXPECT_TRUE(data.Plane().HasPlane());
  EXPECT_LT(WorstError(camera), 0.002);
}

TEST_F(PlaneToolTest, ADraggedCornerMovesThePlaneAndOneUndoPutsItBack) {
  TTiltedCamera camera;
  camera.YawDegrees = 30.0;
  data.SetActiveTool(dtPlane);
  // The user first misses the second corner by 14 pixels, then drags it where it belongs.
  TPlaneCalibration::TCorners corners = camera.BoardCorners();
  const TPointD truth = corners[1];
  corners[1] = TPointD(truth.X - 14.0, truth.Y + 9.0);
  for (const TPointD &corner : corners) Click(Pixel(corner));
  ASSERT_TRUE(data.PlacePlaneRectangle(camera.BoardWidth, camera.BoardHeight));
  const double missed = WorstError(camera);
  EXPECT_GT(missed, 0.01);

  Drag(Pixel(corners[1]), Pixel(truth));
  EXPECT_EQ(cornersPlaced, 1) << "a drag places no new rectangle";
  EXPECT_EQ(data.Plane().Corners()[1].X, std::lround(truth.X));
  EXPECT_EQ(data.Plane().Corners()[1].Y, std::lround(truth.Y));
  EXPECT_LT(WorstError(camera), 0.002);

  data.Undo();
  EXPECT_NEAR(WorstError(camera), missed, 1e-9) << "the whole drag is one step";
  data.Undo();
  EXPECT_FALSE(data.Plane().HasPlane());
}

TEST_F(PlaneToolTest, ACornerDraggedAcrossTheRectangleStopsWhereThePlaneHolds) {
  TTiltedCamera camera;
  data.SetActiveTool(dtPlane);
  ClickBoardCorners(camera);
  ASSERT_TRUE(data.PlacePlaneRectangle(camera.BoardWidth, camera.BoardHeight));
  const TPlaneCalibration::TCorners corners = data.Plane().Corners();
  // The third corner pulled past the first one would fold the quadrilateral.
  Drag(Pixel(corners[2]), Pixel(TPointD(corners[0].X - 60.0, corners[0].Y + 40.0)));
  ASSERT_TRUE(data.Plane().HasPlane());
  EXPECT_TRUE(TPlaneCalibration::Refusal(data.Plane().Corners(), 1.0, 1.0).isEmpty());
}

TEST_F(PlaneToolTest, CancelledOrCrossedCornersLeaveThePlaneAsItWas) {
  TTiltedCamera camera;
  data.SetActiveTool(dtPlane);
  const TPlaneCalibration::TCorners corners = camera.BoardCorners();
  Click(Pixel(corners[0]));
  Click(Pixel(corners[1]));
  EXPECT_TRUE(Key(Qt::Key_Escape));
  EXPECT_TRUE(data.PlaneEditor().PendingCorners().empty());
  Click(Pixel(corners[0]));
  Click(Pixel(corners[1]), Qt::RightButton);
  EXPECT_TRUE(data.PlaneEditor().PendingCorners().empty());

  // Clicked in a crossed order: refused with a reason, nothing recorded.
  for (int i : {0, 2, 1, 3}) Click(Pixel(corners[size_t(i)]));
  QString why;
  EXPECT_FALSE(data.PlacePlaneRectangle(1.6, 0.9, &why));
  EXPECT_FALSE(why.isEmpty());
  EXPECT_FALSE(data.Plane().HasPlane());
  EXPECT_FALSE(data.ScaleHistory().CanUndo());
  // A size of zero is refused as well.
  data.PlaneEditor().CancelInput();
  ClickBoardCorners(camera);
  EXPECT_FALSE(data.PlacePlaneRectangle(0.0, 0.9, &why));
  EXPECT_TRUE(data.PlacePlaneRectangle(1.6, 0.9, &why));
  // Retyping the size keeps the corners.
  EXPECT_TRUE(data.PlacePlaneRectangle(3.2, 1.8));
  EXPECT_DOUBLE_EQ(data.Plane().Width(), 3.2);
  EXPECT_EQ(data.Plane().Corners()[2].X, std::lround(corners[2].X));
}

TEST_F(PlaneToolTest, LinesTracedAlongBentEdgesFitTheLensLineByLine) {
  TTiltedCamera camera;
  camera.K1 = -0.25;
  data.SetActiveTool(dtLens);
  // Five clicks along an edge of the board, the right button ends the line.
  const auto trace = [&](TPointD from, TPointD to) {
    for (int i = 0; i <= 4; ++i) {
      const double t = i / 4.0;
      Click(Pixel(camera.Seen(from.X + (to.X - from.X) * t, from.Y + (to.Y - from.Y) * t)));
    }
    Click(Pixel(camera.Seen(to.X, to.Y)), Qt::RightButton);
  };
  // Two clicks and a right click: too short a line, dropped.
  Click(TPoint(100, 100));
  Click(TPoint(200, 110));
  Click(TPoint(300, 120), Qt::RightButton);
  EXPECT_TRUE(data.PlaneEditor().Lines().empty());

  trace(TPointD(0.0, 0.0), TPointD(1.6, 0.0));
  trace(TPointD(0.0, 0.9), TPointD(1.6, 0.9));
  ASSERT_EQ(data.PlaneEditor().Lines().size(), 2u);
  trace(TPointD(0.0, 0.0), TPointD(0.0, 0.9));
  trace(TPointD(1.6, 0.0), TPointD(1.6, 0.9));
  ASSERT_TRUE(data.Plane().HasLens()) << (refusals.empty() ? QString() : refusals.back()).toStdString();
  // The camera's K1 from clicks rounded to the pixel.
  EXPECT_NEAR(data.Plane().LensModel().K1, -0.25, 0.02);

  // With the lens, four corners give the board as the camera sees it.
  data.SetActiveTool(dtPlane);
  ClickBoardCorners(camera);
  ASSERT_TRUE(data.PlacePlaneRectangle(camera.BoardWidth, camera.BoardHeight));
  EXPECT_LT(WorstError(camera), 0.004);

  // Each line was one step; the plane too.
  data.Undo();
  data.Undo();
  EXPECT_EQ(data.PlaneEditor().Lines().size(), 3u);
  data.ErasePlane();
  EXPECT_FALSE(data.Plane().HasLens());
  EXPECT_TRUE(data.PlaneEditor().Lines().empty());
  data.Undo();
  EXPECT_EQ(data.PlaneEditor().Lines().size(), 3u);
}

TEST_F(PlaneToolTest, AReloadedWorkKeepsThePlaneButNoStepToUndo) {
  TTiltedCamera camera;
  camera.YawDegrees = 35.0;
  data.SetActiveTool(dtPlane);
  ClickBoardCorners(camera);
  ASSERT_TRUE(data.PlacePlaneRectangle(camera.BoardWidth, camera.BoardHeight));
  TIniFile ini(dir.filePath(QStringLiteral("work.klb")));
  data.SaveToIni(ini);
  data.NewMeasurement();
  EXPECT_FALSE(data.Plane().HasPlane());
  data.LoadFromIni(ini);
  ASSERT_TRUE(data.Plane().HasPlane());
  EXPECT_LT(WorstError(camera), 0.002);
  EXPECT_FALSE(data.ScaleHistory().CanUndo());
}

}  // namespace
}  // namespace kolibra::measurement::testing
