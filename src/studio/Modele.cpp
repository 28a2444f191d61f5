#include "studio/Modele.h"

#include "kit/MathUtils.h"
#include "measurement/DrawHelpers.h"
#include "measurement/ViewPort.h"

#include <QPainter>
#include <cmath>
#include <cstring>

namespace kolibra::studio {

namespace modele {

// The view-pixel tolerance of the erase tool: PointHit's 6-pixel square, three pixels
// either way of the line.
constexpr int HitTolerance = 5;

// Twice the area the polygon encloses (shoelace), in frame pixels squared.
double DoubleArea(const TPointDynArray &polygon) {
  double sum = 0.0;
  for (std::size_t i = 0; i < polygon.size(); ++i) {
    const TPoint a = polygon[i];
    const TPoint b = polygon[(i + 1) % polygon.size()];
    sum += double(a.X) * double(b.Y) - double(b.X) * double(a.Y);
  }
  return std::fabs(sum);
}

// Keeps the cells of mask (over bounds) that lie inside area; bounds shrinks to match.
void CropMask(QRect &bounds, TMatriceI &mask, const QRect &area) {
  const QRect kept = bounds.intersected(area);
  if (kept == bounds) return;
  TMatriceI cropped;
  if (!kept.isEmpty()) {
    cropped.reserve(std::size_t(kept.height()));
    for (int y = kept.top(); y <= kept.bottom(); ++y) {
      const TIntegerDynArray &row = mask[std::size_t(y - bounds.top())];
      const auto first = row.begin() + (kept.left() - bounds.left());
      cropped.emplace_back(first, first + kept.width());
    }
  }
  bounds = kept;
  mask = std::move(cropped);
}

bool AnyCell(const TMatriceI &mask) {
  for (const TIntegerDynArray &row : mask)
    for (int cell : row)
      if (cell != 0) return true;
  return false;
}

}  // namespace modele

TModele::TModele(measurement::IViewPort &view, int shape) : Shape(shape), View(view) {}

void TModele::AddPoint(TPoint screen) {
  const TPointD position = View.ScreenToFrame(screen);
  RelPoints.push_back(position);
  ScreenPoints.push_back(View.FrameToScreen(position));
}

void TModele::SetCentre(TPointD position) {
  Centre = position;
  ScreenCentre = View.FrameToScreen(position);
  UpdateRadius();
}

void TModele::SetEdge(TPointD position) {
  Edge = position;
  UpdateRadius();
}

void TModele::UpdateRadius() {
  const TPoint rim = View.FrameToScreen(Edge);
  Radius = RoundClamped(std::hypot(double(rim.X) - ScreenCentre.X, double(rim.Y) - ScreenCentre.Y));
}

void TModele::ClipToView() {
  // The view's drawing area widened by a pixel, so a line along an edge stays whole.
  Pieces = measurement::ClipOutline(ScreenPoints, QRect(-1, -1, View.ClientWidth() + 2, View.ClientHeight() + 2));
}

bool TModele::Complete(const std::function<bool(QImage &)> &grab) {
  Closed = true;
  if (Shape == osCircle) {
    ScreenPoints = measurement::CirclePoints(ScreenCentre, Radius);
    RelPoints.clear();
    for (const TPoint &p : ScreenPoints) RelPoints.push_back(View.ScreenToFrame(p));
  }
  ClipToView();

  const int width = View.NativeFrameWidth();
  const int height = View.NativeFrameHeight();
  TPointDynArray polygon;
  polygon.reserve(RelPoints.size());
  for (const TPointD &p : RelPoints) polygon.emplace_back(RoundClamped(width * p.X), RoundClamped(height * p.Y));
  Bounds = QRect();
  Mask.clear();
  Picture = QImage();
  // Nothing inside: a point, or a line that goes back over itself.
  if (Radius <= 0 && Shape == osCircle) return false;
  if (modele::DoubleArea(measurement::RemoveDuplicatePoints(polygon)) < 1.0) return false;

  // The mask is taken on the frame only: an outline beyond the picture has nothing to cut
  // there, and a huge one must not cost more memory than the frame itself.
  const QRect frame(0, 0, width, height);
  TPointDynArray border;
  if (!measurement::PolygonMask(polygon, frame, Bounds, Mask, border)) {
    Bounds = QRect();
    return false;
  }
  modele::CropMask(Bounds, Mask, frame);
  if (!modele::AnyCell(Mask)) {
    Bounds = QRect();
    Mask.clear();
    return false;
  }

  QImage whole;
  if (!grab || !grab(whole) || whole.isNull()) {
    Bounds = QRect();
    Mask.clear();
    return true;
  }
  Picture = whole.copy(Bounds).convertToFormat(QImage::Format_RGB888);
  return true;
}

void TModele::PasteInto(QImage &bitmap) const {
  if (!HasPicture()) return;
  const bool direct = bitmap.format() == QImage::Format_RGB888 && Picture.format() == QImage::Format_RGB888;
  for (std::size_t i = 0; i < Mask.size(); ++i) {
    const int y = Bounds.top() + int(i);
    if (y < 0 || y >= bitmap.height() || int(i) >= Picture.height()) continue;
    const uchar *source = Picture.constScanLine(int(i));
    uchar *target = direct ? bitmap.scanLine(y) : nullptr;
    const TIntegerDynArray &row = Mask[i];
    for (std::size_t j = 0; j < row.size(); ++j) {
      const int x = Bounds.left() + int(j);
      if (row[j] == 0 || x < 0 || x >= bitmap.width() || int(j) >= Picture.width()) continue;
      if (direct)
        std::memcpy(target + 3 * x, source + 3 * j, 3);
      else
        bitmap.setPixel(x, y, Picture.pixel(int(j), int(i)));
    }
  }
}

bool TModele::HitTest(TPoint point) const {
  // The pieces keep only the ends of their straight runs: the whole edge between two
  // vertices is what the user sees, so that is what is tested.
  for (const TPointDynArray &piece : Pieces) {
    if (piece.size() == 1 && measurement::PointHit(point, piece.front(), modele::HitTolerance)) return true;
    for (std::size_t k = 1; k < piece.size(); ++k)
      if (measurement::LineHit(point, piece[k - 1], piece[k], modele::HitTolerance)) return true;
  }
  return false;
}

bool TModele::InsideRect(const QRect &rect) const {
  if (Pieces.empty()) return false;
  const QRect area = rect.normalized();
  for (const TPointDynArray &piece : Pieces)
    for (const TPoint &p : piece)
      if (!measurement::PointInRect(p, area)) return false;
  return true;
}

void TModele::UpdateScreen() {
  ScreenPoints.clear();
  for (const TPointD &p : RelPoints) ScreenPoints.push_back(View.FrameToScreen(p));
  ScreenCentre = View.FrameToScreen(Centre);
  UpdateRadius();
  if (Closed) ClipToView();
}

void TModele::Draw(QPainter *canvas, TColor colour) const {
  if (canvas == nullptr) return;
  canvas->save();
  canvas->setPen(QPen(colour.ToQColor(), 1));
  canvas->setBrush(Qt::NoBrush);
  if (Closed) {
    for (const TPointDynArray &piece : Pieces)
      for (std::size_t k = 1; k < piece.size(); ++k) measurement::DrawLinePixels(canvas, piece[k - 1], piece[k]);
  } else if (Shape == osCircle) {
    measurement::DrawCircle(canvas, ScreenCentre, Radius);
  } else if (ScreenPoints.size() == 1) {
    measurement::DrawLinePixels(canvas, ScreenPoints.front(), ScreenPoints.front());
  } else {
    for (std::size_t k = 1; k < ScreenPoints.size(); ++k)
      measurement::DrawLinePixels(canvas, ScreenPoints[k - 1], ScreenPoints[k]);
  }
  canvas->restore();
}

}  // namespace kolibra::studio
