#include "measurement/PlaneCalibration.h"

#include "kit/IniFile.h"
#include "kit/Texts.h"

#include <QCoreApplication>
#include <opencv2/calib3d.hpp>
#include <opencv2/core.hpp>
#include <opencv2/imgproc.hpp>

#include <algorithm>
#include <cmath>

namespace kolibra::measurement {

namespace plane_calibration {

double Cross(TPointD o, TPointD a, TPointD b) { return (a.X - o.X) * (b.Y - o.Y) - (a.Y - o.Y) * (b.X - o.X); }

// Applies the 3 x 3 matrix h (row by row) to p.
TPointD Apply(const std::array<double, 9> &h, TPointD p) {
  const double w = h[6] * p.X + h[7] * p.Y + h[8];
  return TPointD((h[0] * p.X + h[1] * p.Y + h[2]) / w, (h[3] * p.X + h[4] * p.Y + h[5]) / w);
}

// The lens as OpenCV's camera matrix and distortion coefficients.
void LensMatrices(double focal, TPointD centre, double k1, double k2, cv::Mat &camera, cv::Mat &distortion) {
  camera = (cv::Mat_<double>(3, 3) << focal, 0.0, centre.X, 0.0, focal, centre.Y, 0.0, 0.0, 1.0);
  distortion = (cv::Mat_<double>(1, 4) << k1, k2, 0.0, 0.0);
}

// The homography taking the four points from onto the four points to, exactly: the eight
// equations of the four pairs solved in double precision (OpenCV's own four-point transform
// takes single-precision points). False when the points are degenerate.
bool Homography(const std::vector<cv::Point2d> &from, const std::vector<cv::Point2d> &to, std::array<double, 9> &h) {
  cv::Mat a = cv::Mat::zeros(8, 8, CV_64F), b(8, 1, CV_64F), x;
  for (int i = 0; i < 4; ++i) {
    const double u = from[size_t(i)].x, v = from[size_t(i)].y, X = to[size_t(i)].x, Y = to[size_t(i)].y;
    double *r = a.ptr<double>(2 * i);
    r[0] = u, r[1] = v, r[2] = 1.0, r[6] = -u * X, r[7] = -v * X;
    b.at<double>(2 * i) = X;
    r = a.ptr<double>(2 * i + 1);
    r[3] = u, r[4] = v, r[5] = 1.0, r[6] = -u * Y, r[7] = -v * Y;
    b.at<double>(2 * i + 1) = Y;
  }
  if (!cv::solve(a, b, x, cv::DECOMP_LU)) return false;
  for (int i = 0; i < 8; ++i) h[size_t(i)] = x.at<double>(i);
  h[8] = 1.0;
  return true;
}

std::vector<cv::Point2d> Undistorted(const TPointDDynArray &seen, double focal, TPointD centre, double k1, double k2) {
  std::vector<cv::Point2d> in, out;
  for (const TPointD &p : seen) in.emplace_back(p.X, p.Y);
  if (in.empty()) return out;
  cv::Mat camera, distortion;
  LensMatrices(focal, centre, k1, k2, camera, distortion);
  // Iterated to convergence: the default five steps leave a tenth of a pixel at the corners
  // of a wide lens.
  cv::undistortPoints(in, out, camera, distortion, cv::noArray(), camera,
                      cv::TermCriteria(cv::TermCriteria::COUNT + cv::TermCriteria::EPS, 100, 1e-14));
  return out;
}

}  // namespace plane_calibration

using namespace plane_calibration;

QString TPlaneCalibration::Refusal(const TCorners &corners, double width, double height) {
  if (!(width > 0.0) || !(height > 0.0) || !std::isfinite(width) || !std::isfinite(height))
    return PlaneCalibrationText::tr(
        "The width and the height of the rectangle must be above zero.");
  for (const TPointD &p : corners)
    if (!std::isfinite(p.X) || !std::isfinite(p.Y))
      return PlaneCalibrationText::tr("The corners of the rectangle must be numbers.");
  // A convex quadrilateral turns the same way at every corner; a crossed or folded one does
  // not, and one with two corners together does not turn at all.
  int positive = 0, negative = 0;
  for (size_t i = 0; i < 4; ++i) {
    const double turn = Cross(corners[i], corners[(i + 1) % 4], corners[(i + 2) % 4]);
    if (turn > 1e-9) ++positive;
    if (turn < -1e-9) ++negative;
  }
  if (positive != 4 && negative != 4)
    return PlaneCalibrationText::tr(
        "The four corners must be given in turn round the rectangle, without crossing.");
  return QString();
}

void TPlaneCalibration::SetPictureSize(int width, int height) {
  PictureWidth = width;
  PictureHeight = height;
  if (PlaneSet) ComputeHomography();
}

bool TPlaneCalibration::SetPlane(const TCorners &corners, double width, double height, QString *why) {
  const QString refusal = Refusal(corners, width, height);
  if (!refusal.isEmpty()) {
    if (why != nullptr) *why = refusal;
    return false;
  }
  FCorners = corners;
  FWidth = width;
  FHeight = height;
  PlaneSet = true;
  ComputeHomography();
  return true;
}

void TPlaneCalibration::SetLens(const TLens &lens) {
  Lens = lens;
  if (PlaneSet) ComputeHomography();
}

void TPlaneCalibration::Clear() {
  PlaneSet = false;
  Lens = TLens();
}

double TPlaneCalibration::Focal() const { return Lens.Focal > 0.0 ? Lens.Focal : double(PictureWidth); }

TPointD TPlaneCalibration::Centre() const {
  return Lens.HasCentre ? Lens.Centre : TPointD(PictureWidth / 2.0, PictureHeight / 2.0);
}

TPointD TPlaneCalibration::Undistort(TPointD seen) const {
  if (!HasLens() || !(Focal() > 0.0)) return seen;
  const std::vector<cv::Point2d> out = Undistorted({seen}, Focal(), Centre(), Lens.K1, Lens.K2);
  return TPointD(out[0].x, out[0].y);
}

TPointD TPlaneCalibration::Distort(TPointD perfect) const {
  if (!HasLens() || !(Focal() > 0.0)) return perfect;
  const double f = Focal();
  const TPointD c = Centre();
  const double x = (perfect.X - c.X) / f, y = (perfect.Y - c.Y) / f;
  const double r2 = x * x + y * y;
  const double g = 1.0 + Lens.K1 * r2 + Lens.K2 * r2 * r2;
  return TPointD(c.X + f * x * g, c.Y + f * y * g);
}

void TPlaneCalibration::ComputeHomography() {
  std::vector<cv::Point2d> picture, plane;
  for (const TPointD &corner : FCorners) {
    const TPointD p = Undistort(corner);
    picture.emplace_back(p.X, p.Y);
  }
  plane = {{0.0, 0.0}, {FWidth, 0.0}, {FWidth, FHeight}, {0.0, FHeight}};
  if (!Homography(picture, plane, ToPlaneH) || !Homography(plane, picture, FromPlaneH)) PlaneSet = false;
}

TPointD TPlaneCalibration::ToPlane(TPointD seen) const { return Apply(ToPlaneH, Undistort(seen)); }

TPointD TPlaneCalibration::ToPicture(TPointD metres) const { return Distort(Apply(FromPlaneH, metres)); }

void TPlaneCalibration::SaveToIni(TIniFile &ini, const QString &section) const {
  ini.EraseSection(section);
  if (!PlaneSet && !HasLens()) return;
  if (PlaneSet) {
    for (size_t i = 0; i < 4; ++i) {
      ini.WriteFloat(section, QStringLiteral("Corner%1X").arg(i + 1), FCorners[i].X);
      ini.WriteFloat(section, QStringLiteral("Corner%1Y").arg(i + 1), FCorners[i].Y);
    }
    ini.WriteFloat(section, QStringLiteral("Width"), FWidth);
    ini.WriteFloat(section, QStringLiteral("Height"), FHeight);
  }
  if (HasLens()) {
    ini.WriteFloat(section, QStringLiteral("K1"), Lens.K1);
    ini.WriteFloat(section, QStringLiteral("K2"), Lens.K2);
    if (Lens.Focal > 0.0) ini.WriteFloat(section, QStringLiteral("Focal"), Lens.Focal);
    if (Lens.HasCentre) {
      ini.WriteFloat(section, QStringLiteral("CentreX"), Lens.Centre.X);
      ini.WriteFloat(section, QStringLiteral("CentreY"), Lens.Centre.Y);
    }
  }
}

void TPlaneCalibration::LoadFromIni(const TIniFile &ini, const QString &section) {
  Clear();
  if (!ini.SectionExists(section)) return;
  TLens lens;
  lens.K1 = ini.ReadFloat(section, QStringLiteral("K1"), 0.0);
  lens.K2 = ini.ReadFloat(section, QStringLiteral("K2"), 0.0);
  lens.Focal = ini.ReadFloat(section, QStringLiteral("Focal"), 0.0);
  lens.HasCentre = ini.ValueExists(section, QStringLiteral("CentreX")) && ini.ValueExists(section, QStringLiteral("CentreY"));
  if (lens.HasCentre)
    lens.Centre = TPointD(ini.ReadFloat(section, QStringLiteral("CentreX"), 0.0), ini.ReadFloat(section, QStringLiteral("CentreY"), 0.0));
  if (!std::isfinite(lens.K1) || !std::isfinite(lens.K2) || !std::isfinite(lens.Focal) || lens.Focal < 0.0 ||
      !std::isfinite(lens.Centre.X) || !std::isfinite(lens.Centre.Y))
    lens = TLens();
  Lens = lens;
  if (!ini.ValueExists(section, QStringLiteral("Width"))) return;
  TCorners corners;
  for (size_t i = 0; i < 4; ++i)
    corners[i] = TPointD(ini.ReadFloat(section, QStringLiteral("Corner%1X").arg(i + 1), NAN),
                         ini.ReadFloat(section, QStringLiteral("Corner%1Y").arg(i + 1), NAN));
  SetPlane(corners, ini.ReadFloat(section, QStringLiteral("Width"), 0.0), ini.ReadFloat(section, QStringLiteral("Height"), 0.0));
}

double PlaneGridStep(double width, double height) {
  const double longer = std::max(width, height);
  const double steps[] = {0.01, 0.02, 0.05, 0.1, 0.2, 0.5, 1.0, 2.0, 5.0, 10.0, 20.0, 50.0, 100.0};
  // Ten centimetres whenever it is fine enough and not too fine.
  if (longer / 0.1 <= 20.0 && longer / 0.1 >= 2.0) return 0.1;
  for (double step : steps)
    if (longer / step <= 20.0) return step;
  return std::pow(10.0, std::ceil(std::log10(longer / 20.0)));
}

TPlaneDrawing DrawPlane(const TPlaneCalibration &plane, int pointsPerLine) {
  TPlaneDrawing drawing;
  if (!plane.HasPlane()) return drawing;
  const double w = plane.Width(), h = plane.Height();
  const int n = std::max(2, pointsPerLine);
  auto line = [&](TPointD from, TPointD to) {
    TPointDDynArray points;
    for (int k = 0; k < n; ++k) {
      const double f = double(k) / (n - 1);
      points.push_back(plane.ToPicture(TPointD(from.X + (to.X - from.X) * f, from.Y + (to.Y - from.Y) * f)));
    }
    return points;
  };
  for (const auto &[from, to] : {std::pair{TPointD(0, 0), TPointD(w, 0)}, std::pair{TPointD(w, 0), TPointD(w, h)},
                                 std::pair{TPointD(w, h), TPointD(0, h)}, std::pair{TPointD(0, h), TPointD(0, 0)}}) {
    TPointDDynArray edge = line(from, to);
    if (!drawing.Rectangle.empty()) edge.erase(edge.begin());
    drawing.Rectangle.insert(drawing.Rectangle.end(), edge.begin(), edge.end());
  }
  drawing.XAxis = line(TPointD(0, 0), TPointD(w, 0));
  drawing.YAxis = line(TPointD(0, 0), TPointD(0, h));
  drawing.Step = PlaneGridStep(w, h);
  // Inside lines only: the rectangle draws its own edges.
  for (int i = 1; i * drawing.Step < w - 1e-9; ++i) drawing.Grid.push_back(line(TPointD(i * drawing.Step, 0), TPointD(i * drawing.Step, h)));
  for (int j = 1; j * drawing.Step < h - 1e-9; ++j) drawing.Grid.push_back(line(TPointD(0, j * drawing.Step), TPointD(w, j * drawing.Step)));
  return drawing;
}

namespace plane_calibration {

// How far the undistorted points of each line are from the straight line that fits them
// best (pixels), for the lens coefficients the solver tries.
class TStraightness : public cv::LMSolver::Callback {
 public:
  TStraightness(const std::vector<TPointDDynArray> &lines, double focal, TPointD centre, bool withK2)
      : Lines(lines), Focal(focal), Centre(centre), WithK2(withK2) {}

  bool compute(cv::InputArray param, cv::OutputArray err, cv::OutputArray jacobian) const override {
    const cv::Mat p = param.getMat();
    const std::vector<double> residuals = Residuals(p.at<double>(0), WithK2 ? p.at<double>(1) : 0.0);
    err.create(int(residuals.size()), 1, CV_64F);
    cv::Mat e = err.getMat();
    for (size_t i = 0; i < residuals.size(); ++i) e.at<double>(int(i)) = residuals[i];
    if (jacobian.needed()) {
      const int n = WithK2 ? 2 : 1;
      jacobian.create(int(residuals.size()), n, CV_64F);
      cv::Mat j = jacobian.getMat();
      for (int k = 0; k < n; ++k) {
        const double step = 1e-6;
        double k1 = p.at<double>(0), k2 = WithK2 ? p.at<double>(1) : 0.0;
        (k == 0 ? k1 : k2) += step;
        const std::vector<double> moved = Residuals(k1, k2);
        for (size_t i = 0; i < residuals.size(); ++i) j.at<double>(int(i), k) = (moved[i] - residuals[i]) / step;
      }
    }
    return true;
  }

  std::vector<double> Residuals(double k1, double k2) const {
    std::vector<double> out;
    for (const TPointDDynArray &line : Lines) {
      const std::vector<cv::Point2d> points = Undistorted(line, Focal, Centre, k1, k2);
      // The best line through them: through their mean, along the main axis of their spread.
      double mx = 0.0, my = 0.0;
      for (const cv::Point2d &q : points) {
        mx += q.x;
        my += q.y;
      }
      mx /= double(points.size());
      my /= double(points.size());
      double sxx = 0.0, syy = 0.0, sxy = 0.0;
      for (const cv::Point2d &q : points) {
        sxx += (q.x - mx) * (q.x - mx);
        syy += (q.y - my) * (q.y - my);
        sxy += (q.x - mx) * (q.y - my);
      }
      const double angle = 0.5 * std::atan2(2.0 * sxy, sxx - syy);
      double nx = -std::sin(angle), ny = std::cos(angle);
      // One side of the line counts positive whatever the solver tries, or the distances
      // would change sign from one try to the next (a vertical line's angle jumps by pi).
      if ((std::abs(ny) >= std::abs(nx) && ny < 0.0) || (std::abs(ny) < std::abs(nx) && nx < 0.0)) {
        nx = -nx;
        ny = -ny;
      }
      for (const cv::Point2d &q : points) out.push_back((q.x - mx) * nx + (q.y - my) * ny);
    }
    return out;
  }

 private:
  const std::vector<TPointDDynArray> &Lines;
  double Focal;
  TPointD Centre;
  bool WithK2;
};

}  // namespace plane_calibration

// How far from the centre (in focal lengths) lines must reach for K2 to be fitted.
constexpr double FarReach = 0.45;

bool FitLens(const std::vector<TPointDDynArray> &lines, int width, int height, TLens &lens, QString *why) {
  auto refuse = [&](const QString &reason) {
    if (why != nullptr) *why = reason;
    return false;
  };
  if (lines.empty())
    return refuse(
        PlaneCalibrationText::tr("At least one line that is straight in reality is needed."));
  size_t points = 0;
  for (const TPointDDynArray &line : lines) {
    if (line.size() < 3)
      return refuse(PlaneCalibrationText::tr("Each straight line needs at least three points."));
    for (const TPointD &p : line)
      if (!std::isfinite(p.X) || !std::isfinite(p.Y))
        return refuse(PlaneCalibrationText::tr("The points of a line must be numbers."));
    points += line.size();
  }
  const double focal = lens.Focal > 0.0 ? lens.Focal : double(width);
  const TPointD centre = lens.HasCentre ? lens.Centre : TPointD(width / 2.0, height / 2.0);
  if (!(focal > 0.0))
    return refuse(PlaneCalibrationText::tr("The focal length must be above zero."));
  // K2 tells only where the lines reach far from the centre; nearer, it trades off against K1
  // and would bend the picture's outer parts at random.
  double reach = 0.0;
  for (const TPointDDynArray &line : lines)
    for (const TPointD &p : line) reach = std::max(reach, std::hypot(p.X - centre.X, p.Y - centre.Y) / focal);
  const bool withK2 = lines.size() >= 2 && points >= 8 && reach >= FarReach;
  const cv::Ptr<TStraightness> straightness = cv::makePtr<TStraightness>(lines, focal, centre, withK2);
  cv::Mat param = cv::Mat::zeros(withK2 ? 2 : 1, 1, CV_64F);
  const cv::Ptr<cv::LMSolver> solver = cv::LMSolver::create(straightness, 200, 1e-14);
  solver->run(param);
  const double k1 = param.at<double>(0), k2 = withK2 ? param.at<double>(1) : 0.0;
  if (!std::isfinite(k1) || !std::isfinite(k2))
    return refuse(PlaneCalibrationText::tr("The lines do not tell how the lens bends them."));
  lens.K1 = k1;
  lens.K2 = k2;
  return true;
}

bool FitLensFromCheckerboard(const std::vector<QImage> &pictures, int columns, int rows, TLens &lens, QString *why,
                             int *found) {
  auto refuse = [&](const QString &reason) {
    if (why != nullptr) *why = reason;
    return false;
  };
  if (found != nullptr) *found = 0;
  if (columns < 3 || rows < 3 || columns > 60 || rows > 60)
    return refuse(
        PlaneCalibrationText::tr("A checkerboard needs from 3 to 60 inner corners each way."));
  const cv::Size pattern(columns, rows);
  std::vector<cv::Point3f> board;
  for (int r = 0; r < rows; ++r)
    for (int c = 0; c < columns; ++c) board.emplace_back(float(c), float(r), 0.0f);
  std::vector<std::vector<cv::Point3f>> objectPoints;
  std::vector<std::vector<cv::Point2f>> imagePoints;
  cv::Size size;
  for (const QImage &picture : pictures) {
    if (picture.isNull()) continue;
    if (size.width == 0) size = cv::Size(picture.width(), picture.height());
    if (picture.width() != size.width || picture.height() != size.height) continue;
    const QImage grey = picture.convertToFormat(QImage::Format_Grayscale8);
    const cv::Mat view(grey.height(), grey.width(), CV_8UC1, const_cast<uchar *>(grey.constBits()),
                       size_t(grey.bytesPerLine()));
    std::vector<cv::Point2f> corners;
    if (!cv::findChessboardCorners(view, pattern, corners,
                                   cv::CALIB_CB_ADAPTIVE_THRESH | cv::CALIB_CB_NORMALIZE_IMAGE | cv::CALIB_CB_FAST_CHECK))
      continue;
    cv::cornerSubPix(view, corners, cv::Size(5, 5), cv::Size(-1, -1),
                     cv::TermCriteria(cv::TermCriteria::EPS + cv::TermCriteria::COUNT, 40, 0.01));
    // The corners' centres are OpenCV's pixel indexes; Kolibra's pixels count from the
    // frame's corner, the centre of the first being (0.5, 0.5).
    for (cv::Point2f &p : corners) p += cv::Point2f(0.5f, 0.5f);
    imagePoints.push_back(std::move(corners));
    objectPoints.push_back(board);
  }
  if (found != nullptr) *found = int(imagePoints.size());
  if (imagePoints.empty())
    return refuse(PlaneCalibrationText::tr(
                      "The checkerboard (%1 x %2 inner corners) was found in none of the frames.")
                      .arg(columns)
                      .arg(rows));
  // The centre stays the picture's, the pixels square, no tangential distortion: what a
  // classroom camera's few views can tell.
  cv::Mat camera = (cv::Mat_<double>(3, 3) << size.width, 0, size.width / 2.0, 0, size.width, size.height / 2.0, 0, 0, 1);
  cv::Mat distortion = cv::Mat::zeros(5, 1, CV_64F);
  std::vector<cv::Mat> rotations, translations;
  const int flags = cv::CALIB_USE_INTRINSIC_GUESS | cv::CALIB_FIX_PRINCIPAL_POINT | cv::CALIB_FIX_ASPECT_RATIO |
                    cv::CALIB_ZERO_TANGENT_DIST | cv::CALIB_FIX_K3;
  double error = 0.0;
  try {
    error = cv::calibrateCamera(objectPoints, imagePoints, size, camera, distortion, rotations, translations, flags);
  } catch (const cv::Exception &) {
    return refuse(PlaneCalibrationText::tr("The checkerboard's views could not give a lens."));
  }
  const double focal = camera.at<double>(0, 0);
  const double k1 = distortion.at<double>(0), k2 = distortion.at<double>(1);
  if (!std::isfinite(error) || !(focal > 0.0) || !std::isfinite(k1) || !std::isfinite(k2))
    return refuse(PlaneCalibrationText::tr("The checkerboard's views could not give a lens."));
  lens = TLens();
  lens.Focal = focal;
  lens.K1 = k1;
  lens.K2 = k2;
  return true;
}

}  // namespace kolibra::measurement
