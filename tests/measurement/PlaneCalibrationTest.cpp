// The plane and lens calibration against the renderer's own numbers: a board seen by a
// camera turned 35 degrees about the vertical and 10 about the horizontal, through a lens
// with k1 = -0.25, and both; the fit of the lens from lines straight in reality; what is
// refused; the work file's section.

#include "measurement/PlaneCalibration.h"
#include "measurement/support/TiltedCamera.h"

#include "kit/IniFile.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace kolibra::measurement::testing {
namespace {

TPlaneCalibration Calibrated(const TTiltedCamera &camera) {
  TPlaneCalibration plane;
  plane.SetPictureSize(camera.Width, camera.Height);
  plane.SetLens(camera.LensModel());
  EXPECT_TRUE(plane.SetPlane(camera.BoardCorners(), TTiltedCamera::BoardWidth, TTiltedCamera::BoardHeight));
  return plane;
}

struct TView {
  const char *Name;
  double Yaw, Pitch, K1;
};
const TView Views[] = {{"turned", 35, 10, 0.0}, {"wide lens", 0, 0, -0.25}, {"both", 35, 10, -0.25}};

TEST(PlaneCalibrationTest, EveryPointOfThePlaneComesBackInMetres) {
  for (const TView &view : Views) {
    SCOPED_TRACE(view.Name);
    TTiltedCamera camera;
    camera.YawDegrees = view.Yaw;
    camera.PitchDegrees = view.Pitch;
    camera.K1 = view.K1;
    const TPlaneCalibration plane = Calibrated(camera);
    for (double x = -0.2; x <= 1.8; x += 0.1)
      for (double y = -0.2; y <= 1.1; y += 0.1) {
        const TPointD seen = camera.Seen(x, y);
        const TPointD metres = plane.ToPlane(seen);
        EXPECT_NEAR(metres.X, x, 1e-6) << x << "," << y;
        EXPECT_NEAR(metres.Y, y, 1e-6) << x << "," << y;
        const TPointD back = plane.ToPicture(TPointD(x, y));
        EXPECT_NEAR(back.X, seen.X, 1e-6);
        EXPECT_NEAR(back.Y, seen.Y, 1e-6);
      }
  }
}

TEST(PlaneCalibrationTest, TheLensIsUndoneToTheRenderersPerfectPicture) {
  TTiltedCamera camera;
  camera.K1 = -0.25;
  camera.K2 = 0.05;
  TPlaneCalibration plane;
  plane.SetPictureSize(camera.Width, camera.Height);
  plane.SetLens(camera.LensModel());
  for (double u = 0.5; u < 1280; u += 127.3)
    for (double v = 0.5; v < 720; v += 71.9) {
      const TPointD perfect(u, v);
      const TPointD seen = camera.Lens(perfect);
      const TPointD undone = plane.Undistort(seen);
      EXPECT_NEAR(undone.X, u, 1e-6);
      EXPECT_NEAR(undone.Y, v, 1e-6);
      EXPECT_NEAR(plane.Distort(perfect).X, seen.X, 1e-9);
    }
}

TEST(PlaneCalibrationTest, TheLensIsFittedFromLinesStraightInReality) {
  TTiltedCamera camera;
  camera.K1 = -0.25;
  // The board's edges and two lines of its grid, seven clicks each.
  std::vector<TPointDDynArray> lines;
  auto trace = [&](TPointD from, TPointD to) {
    TPointDDynArray line;
    for (int k = 0; k <= 6; ++k)
      line.push_back(camera.Seen(from.X + (to.X - from.X) * k / 6.0, from.Y + (to.Y - from.Y) * k / 6.0));
    lines.push_back(line);
  };
  trace({0, 0}, {1.6, 0});
  trace({0, 0.9}, {1.6, 0.9});
  trace({0, 0}, {0, 0.9});
  trace({1.6, 0}, {1.6, 0.9});
  TLens lens;
  QString why;
  // The board keeps to the picture's middle: K1 alone is fitted.
  ASSERT_TRUE(FitLens(lines, camera.Width, camera.Height, lens, &why)) << why.toStdString();
  EXPECT_NEAR(lens.K1, -0.25, 0.0025);
  EXPECT_EQ(lens.K2, 0.0);

  // Lines reaching the picture's corners (a door frame, the edge of a table) tell K2 too.
  camera.K2 = 0.06;
  std::vector<TPointDDynArray> far;
  for (const auto &[from, to] : std::vector<std::pair<TPointD, TPointD>>{
           {{20, 30}, {1260, 60}}, {{30, 700}, {1250, 690}}, {{15, 20}, {40, 710}}, {{1265, 25}, {1230, 705}}}) {
    TPointDDynArray line;
    for (int k = 0; k <= 8; ++k)
      line.push_back(camera.Lens(TPointD(from.X + (to.X - from.X) * k / 8.0, from.Y + (to.Y - from.Y) * k / 8.0)));
    far.push_back(line);
  }
  TLens both;
  ASSERT_TRUE(FitLens(far, camera.Width, camera.Height, both, &why)) << why.toStdString();
  EXPECT_NEAR(both.K1, -0.25, 0.005);
  EXPECT_NEAR(both.K2, 0.06, 0.01);

  // One line gives k1 alone.
  TLens single;
  ASSERT_TRUE(FitLens({lines[1]}, camera.Width, camera.Height, single));
  EXPECT_NEAR(single.K1, -0.25, 0.01);
  EXPECT_EQ(single.K2, 0.0);

  EXPECT_FALSE(FitLens({}, 1280, 720, lens, &why));
  EXPECT_FALSE(FitLens({{TPointD(1, 1), TPointD(5, 5)}}, 1280, 720, lens, &why));
  EXPECT_FALSE(why.isEmpty());
}

TEST(PlaneCalibrationTest, TheLensIsFittedFromACheckerboardHeldAtSeveralAngles) {
  TTiltedCamera camera;
  camera.K1 = -0.25;
  camera.K2 = 0.05;
  std::vector<QImage> pictures;
  for (const auto &[yaw, pitch] : std::vector<std::pair<double, double>>{{0, 0}, {30, 5}, {-25, 10}, {15, -15}}) {
    camera.YawDegrees = yaw;
    camera.PitchDegrees = pitch;
    pictures.push_back(camera.Checkerboard(9, 6, 0.14));
  }
  // A picture without the board is passed over.
  pictures.insert(pictures.begin() + 1, QImage(camera.Width, camera.Height, QImage::Format_RGB888));
  pictures[1].fill(Qt::gray);
  TLens lens;
  QString why;
  int found = 0;
  ASSERT_TRUE(FitLensFromCheckerboard(pictures, 9, 6, lens, &why, &found)) << why.toStdString();
  EXPECT_EQ(found, 4);
  TPlaneCalibration plane;
  plane.SetPictureSize(camera.Width, camera.Height);
  plane.SetLens(lens);
  // Wherever the picture reaches, what it shows goes back to the perfect camera's point.
  double worst = 0.0;
  for (double x = 60; x <= 1220; x += 80)
    for (double y = 40; y <= 680; y += 80) {
      const TPointD perfect(x, y);
      const TPointD back = plane.Undistort(camera.Lens(perfect));
      worst = std::max(worst, std::hypot(back.X - x, back.Y - y));
    }
  EXPECT_LT(worst, 0.5);

  EXPECT_FALSE(FitLensFromCheckerboard({pictures[1]}, 9, 6, lens, &why, &found));
  EXPECT_EQ(found, 0);
  EXPECT_FALSE(why.isEmpty());
  EXPECT_FALSE(FitLensFromCheckerboard(pictures, 2, 6, lens, &why));
}

TEST(PlaneCalibrationTest, TheGridIsDrawnWhereThePictureShowsThePlane) {
  TTiltedCamera camera;
  camera.YawDegrees = 35;
  camera.PitchDegrees = 10;
  camera.K1 = -0.25;
  const TPlaneDrawing drawing = DrawPlane(Calibrated(camera), 9);
  EXPECT_DOUBLE_EQ(drawing.Step, 0.1);
  // 15 inside lines across 1.6 m, 8 across 0.9 m.
  ASSERT_EQ(drawing.Grid.size(), 15u + 8u);
  for (size_t i = 0; i < drawing.Grid.size(); ++i) {
    const bool across = i < 15;
    for (size_t k = 0; k < drawing.Grid[i].size(); ++k) {
      const double f = double(k) / 8.0;
      const TPointD truth = across ? camera.Seen(0.1 * double(i + 1), 0.9 * f) : camera.Seen(1.6 * f, 0.1 * double(i - 14));
      EXPECT_NEAR(drawing.Grid[i][k].X, truth.X, 1e-6) << i << " " << k;
      EXPECT_NEAR(drawing.Grid[i][k].Y, truth.Y, 1e-6) << i << " " << k;
    }
  }
  EXPECT_NEAR(drawing.XAxis.back().X, camera.Seen(1.6, 0).X, 1e-6);
  EXPECT_NEAR(drawing.YAxis.back().Y, camera.Seen(0, 0.9).Y, 1e-6);
  EXPECT_EQ(drawing.Rectangle.size(), 4u * 8u + 1u);
  EXPECT_NEAR(drawing.Rectangle.front().X, drawing.Rectangle.back().X, 1e-9);
  // Round steps for other sizes.
  EXPECT_DOUBLE_EQ(PlaneGridStep(10.0, 3.0), 0.5);
  EXPECT_DOUBLE_EQ(PlaneGridStep(0.15, 0.1), 0.01);
  EXPECT_DOUBLE_EQ(PlaneGridStep(2.0, 1.0), 0.1);
  EXPECT_DOUBLE_EQ(PlaneGridStep(3.0, 1.0), 0.2);
  EXPECT_TRUE(DrawPlane(TPlaneCalibration()).Grid.empty());
}

TEST(PlaneCalibrationTest, CornersThatMakeNoRectangleAreRefused) {
  const TPlaneCalibration::TCorners good = {TPointD(100, 600), TPointD(900, 620), TPointD(880, 150), TPointD(120, 170)};
  EXPECT_TRUE(TPlaneCalibration::Refusal(good, 1.6, 0.9).isEmpty());
  // Either way round.
  EXPECT_TRUE(TPlaneCalibration::Refusal({good[3], good[2], good[1], good[0]}, 1.6, 0.9).isEmpty());
  const TPlaneCalibration::TCorners crossed = {good[0], good[2], good[1], good[3]};
  EXPECT_FALSE(TPlaneCalibration::Refusal(crossed, 1.6, 0.9).isEmpty());
  const TPlaneCalibration::TCorners twice = {good[0], good[0], good[2], good[3]};
  EXPECT_FALSE(TPlaneCalibration::Refusal(twice, 1.6, 0.9).isEmpty());
  EXPECT_FALSE(TPlaneCalibration::Refusal(good, 0.0, 0.9).isEmpty());
  EXPECT_FALSE(TPlaneCalibration::Refusal(good, 1.6, -1).isEmpty());
  TPlaneCalibration plane;
  QString why;
  EXPECT_FALSE(plane.SetPlane(crossed, 1.6, 0.9, &why));
  EXPECT_FALSE(plane.HasPlane());
  EXPECT_FALSE(why.isEmpty());
}

TEST(PlaneCalibrationTest, TheWorkFileKeepsItInASectionOfItsOwn) {
  QTemporaryDir dir;
  TTiltedCamera camera;
  camera.YawDegrees = 35;
  camera.K1 = -0.25;
  TPlaneCalibration plane = Calibrated(camera);
  TLens lens = plane.LensModel();
  lens.Focal = 1200;
  lens.HasCentre = true;
  lens.Centre = TPointD(641.5, 358.25);
  plane.SetLens(lens);
  TIniFile ini(dir.filePath(QStringLiteral("work.klb")));
  ini.WriteString(QStringLiteral("Data"), QStringLiteral("RequiredDuration"), QStringLiteral("0.02"));
  plane.SaveToIni(ini, QStringLiteral("Plane"));
  EXPECT_EQ(ini.Sections(), (QStringList{QStringLiteral("Data"), QStringLiteral("Plane")}));
  TPlaneCalibration read;
  read.LoadFromIni(ini, QStringLiteral("Plane"));
  read.SetPictureSize(camera.Width, camera.Height);
  ASSERT_TRUE(read.HasPlane());
  EXPECT_NEAR(read.LensModel().K1, -0.25, 1e-12);
  EXPECT_NEAR(read.Focal(), 1200, 1e-12);
  EXPECT_NEAR(read.Centre().X, 641.5, 1e-12);
  EXPECT_NEAR(read.Width(), TTiltedCamera::BoardWidth, 1e-12);
  for (const TPointD seen : {TPointD(100, 100), TPointD(700, 500)}) {
    EXPECT_NEAR(read.ToPlane(seen).X, plane.ToPlane(seen).X, 1e-9);
    EXPECT_NEAR(read.ToPlane(seen).Y, plane.ToPlane(seen).Y, 1e-9);
  }
  // Nothing there: no calibration; a broken section: none either.
  TPlaneCalibration none;
  none.LoadFromIni(ini, QStringLiteral("Elsewhere"));
  EXPECT_FALSE(none.HasPlane());
  EXPECT_FALSE(none.HasLens());
  ini.WriteFloat(QStringLiteral("Plane"), QStringLiteral("Width"), 0.0);
  read.LoadFromIni(ini, QStringLiteral("Plane"));
  EXPECT_FALSE(read.HasPlane());
}

}  // namespace
}  // namespace kolibra::measurement::testing
