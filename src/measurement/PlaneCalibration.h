#pragma once
// TPlaneCalibration: measuring in a plane the camera does not face squarely, through a lens
// that may bend lines.
//
// The lens: radial distortion about a centre (the picture's centre unless given), on
// coordinates divided by a focal length in pixels (the picture's width unless given). A
// point seen at distance r from the centre (in those units) lies, in a perfect camera, where
// the distorted point d = p (1 + K1 |p|^2 + K2 |p|^4) is the one seen. Undistort goes from
// what the picture shows to the perfect camera's point, Distort back.
//
// The plane: four corners of a rectangle of known width and height lying in the plane of the
// motion, as seen in the picture, in the order plane (0, 0), (W, 0), (W, H), (0, H). The
// homography between the undistorted corners and the rectangle maps every picture point to
// plane metres: the origin on the first corner, x along the first edge, y along the last.
//
// Picture points are frame pixels measured from the frame's corner (the centre of the
// top-left pixel is (0.5, 0.5)), as kolibra-cli track prints them.
//
// The work file keeps a calibration in a section of its own ("Plane"), which readers that
// know only the scale ignore.

#include "kit/Types.h"

#include <QImage>
#include <QString>

#include <array>
#include <vector>

namespace kolibra {
class TIniFile;
}

namespace kolibra::measurement {

struct TLens {
  double K1 = 0.0;
  double K2 = 0.0;
  double Focal = 0.0;     // pixels; 0: the picture's width
  TPointD Centre;         // pixels from the corner
  bool HasCentre = false; // false: the picture's centre
  bool IsSet() const { return K1 != 0.0 || K2 != 0.0; }
};

class TPlaneCalibration {
 public:
  using TCorners = std::array<TPointD, 4>;

  // Why these corners and this size cannot make a plane (empty when they can): a size not
  // above zero, corners not all distinct and finite, a crossed or folded quadrilateral.
  static QString Refusal(const TCorners &corners, double width, double height);

  // The picture's size, for the lens's default centre and focal length.
  void SetPictureSize(int width, int height);
  // False (and nothing changes) when Refusal has a reason, given in why.
  bool SetPlane(const TCorners &corners, double width, double height, QString *why = nullptr);
  void SetLens(const TLens &lens);
  void Clear();

  bool HasPlane() const { return PlaneSet; }
  bool HasLens() const { return Lens.IsSet(); }
  const TCorners &Corners() const { return FCorners; }
  double Width() const { return FWidth; }
  double Height() const { return FHeight; }
  const TLens &LensModel() const { return Lens; }
  double Focal() const;
  TPointD Centre() const;

  TPointD Undistort(TPointD seen) const;
  TPointD Distort(TPointD perfect) const;
  // Plane metres of a picture point (as seen); only with a plane.
  TPointD ToPlane(TPointD seen) const;
  // Where a point of the plane (metres) is seen in the picture.
  TPointD ToPicture(TPointD metres) const;

  void SaveToIni(TIniFile &ini, const QString &section) const;
  // Nothing in the section: no calibration. A section that does not make a plane is left
  // out as a whole.
  void LoadFromIni(const TIniFile &ini, const QString &section);

 private:
  void ComputeHomography();

  int PictureWidth = 0, PictureHeight = 0;
  bool PlaneSet = false;
  TCorners FCorners{};
  double FWidth = 0.0, FHeight = 0.0;
  TLens Lens;
  std::array<double, 9> ToPlaneH{};   // picture (undistorted) -> plane
  std::array<double, 9> FromPlaneH{}; // plane -> picture (undistorted)
};

// What is drawn over the picture to show a plane calibration, in picture pixels as seen:
// the rectangle, the plane's axes (from the origin along the first and the last edge, as
// long as the rectangle's sides) and a grid of the plane every Step metres inside it. Each
// line is a polyline of many points, so that it bends with the lens as the picture does.
struct TPlaneDrawing {
  double Step = 0.1;
  TPointDDynArray Rectangle;  // closed
  TPointDDynArray XAxis, YAxis;
  std::vector<TPointDDynArray> Grid;
};
// Step: 10 cm when that makes at most 20 cells along the longer side, else the next round
// step (0.2, 0.5, 1, 2, 5 ... metres) that does; 1 cm, 2 cm or 5 cm for a small rectangle.
double PlaneGridStep(double width, double height);
TPlaneDrawing DrawPlane(const TPlaneCalibration &plane, int pointsPerLine = 24);

// Fits the lens's K1 (and K2 when there are at least two lines and eight points, reaching
// out to the picture's outer parts) from lines
// that are straight in reality, traced on the picture (points as seen, at least three per
// line), for a picture of width x height with the given focal length and centre (0 and
// HasCentre false: the defaults). False with the reason when the lines cannot tell.
bool FitLens(const std::vector<TPointDDynArray> &lines, int width, int height, TLens &lens, QString *why = nullptr);

// Fits the lens (K1, K2 and the focal length they are taken on; the centre stays the
// picture's) from pictures of a printed checkerboard of columns x rows inner corners, held
// at a few different angles. Pictures where the whole board is not found are passed over;
// found tells how many served. False with the reason when none did or the fit failed.
bool FitLensFromCheckerboard(const std::vector<QImage> &pictures, int columns, int rows, TLens &lens,
                             QString *why = nullptr, int *found = nullptr);

}  // namespace kolibra::measurement
