#include "results/SourceImg.h"

#include "kit/MathUtils.h"
#include "results/GraphCanvas.h"

#include <QPainter>

#include <cmath>

namespace kolibra::results {

TSourceImg::TSourceImg() { Visible = false; }

void TSourceImg::SetPicture(const QImage &picture, double sx, double sy, TPointD originPixel, bool flipX,
                            bool flipY, double angle) {
  Picture = picture;
  // Camera frame: x to the right, y up, from the origin.
  QTransform camera(sx, 0.0, 0.0, -sy, -originPixel.X * sx, originPixel.Y * sy);
  // The graph basis: (x cos + y sin, y cos - x sin), then the axes' flips.
  const double c = std::cos(angle), s = std::sin(angle);
  const QTransform basis(c, -s, s, c, 0.0, 0.0);
  const QTransform flips(flipX ? -1.0 : 1.0, 0.0, 0.0, flipY ? -1.0 : 1.0, 0.0, 0.0);
  Placement = camera * basis * flips;
  Visible = !Picture.isNull();
}

void TSourceImg::ClearPicture() {
  Picture = QImage();
  Visible = false;
}

QPolygonF TSourceImg::Corners() const {
  return Placement.map(QPolygonF(QRectF(0.0, 0.0, Picture.width(), Picture.height())));
}

void TSourceImg::Draw(TGraphCanvas &canvas) {
  if (!Visible || Picture.isNull() || Width <= 0 || Height <= 0) return;
  const double rx = World.XMax - World.XMin, ry = World.YMax - World.YMin;
  if (IsNearZero(rx) || IsNearZero(ry) || IsHuge(rx) || IsHuge(ry)) return;
  // World to plot pixels; the picture is painted into an image of the plot's size, so it
  // stays inside the plot in vector pictures too (their SVG keeps no clipping).
  const QTransform toPlot(Width / rx, 0.0, 0.0, -Height / ry, -World.XMin * Width / rx, World.YMax * Height / ry);
  QImage plot(Width + 1, Height + 1, QImage::Format_ARGB32_Premultiplied);
  plot.fill(Qt::transparent);
  {
    QPainter painter(&plot);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    painter.setTransform(Placement * toPlot);
    painter.drawImage(0, 0, Picture);
  }
  canvas.Painter().drawImage(Left, Top, plot);
}

std::unique_ptr<TGElem> TSourceImg::Clone() const {
  auto copy = std::make_unique<TSourceImg>();
  copy->Assign(*this);
  copy->Picture = Picture;
  copy->Placement = Placement;
  copy->Id = Id;
  return copy;
}

}  // namespace kolibra::results
