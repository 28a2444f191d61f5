#pragma once
// TSourceImg: the video frame drawn behind the vectors view, placed so that the frame and the
// world coordinates of the measurement coincide: a mark drawn on the frame lands on its
// point of the graph. It is invisible until it has a picture.
//
// The placement follows the measurement's own transform: a picture pixel (px, py) is first
// taken to the camera frame, u = (px - ox) sx, v = (oy - py) sy (y up, from the origin
// (ox, oy) in picture pixels, sx and sy the world size of one pixel), then, in the graph
// basis, turned by the axes' angle and flipped as the axes are.

#include "results/GElem.h"

#include <QImage>
#include <QPolygonF>
#include <QTransform>

namespace kolibra::results {

class TSourceImg : public TGPolyPoint {
 public:
  TSourceImg();

  // A copy of the picture and its placement; a null picture makes the element invisible.
  void SetPicture(const QImage &picture, double sx, double sy, TPointD originPixel, bool flipX, bool flipY,
                  double angle);
  void ClearPicture();
  bool HasPicture() const { return !Picture.isNull(); }
  const QImage &Image() const { return Picture; }
  // Picture pixels to world units, and the picture's four corners in world units.
  const QTransform &PictureToWorld() const { return Placement; }
  QPolygonF Corners() const;

  bool HitTest(TPoint) override { return false; }
  void Draw(TGraphCanvas &canvas) override;
  std::unique_ptr<TGElem> Clone() const override;

 private:
  QImage Picture;
  QTransform Placement;
};

}  // namespace kolibra::results
