#include "videoview/ViewGeometry.h"

#include "kit/MathUtils.h"

#include <algorithm>
#include <cmath>

namespace kolibra::videoview {

void TViewGeometry::SetFrameSize(int width, int height) {
  FWidth = std::max(0, width);
  FHeight = std::max(0, height);
  FSource = QRect(0, 0, FWidth, FHeight);
}

void TViewGeometry::SetControlSize(int width, int height) {
  FControlWidth = std::max(0, width);
  FControlHeight = std::max(0, height);
}

void TViewGeometry::SetBarThickness(int verticalWidth, int horizontalHeight) {
  FBarWidth = std::max(0, verticalWidth);
  FBarHeight = std::max(0, horizontalHeight);
}

void TViewGeometry::Update(int zoomFactor) {
  const bool zoomed = zoomFactor > 100 && FWidth > 0 && FHeight > 0;
  FBitmapWidth = zoomed ? std::max(0, FControlWidth - FBarWidth) : FControlWidth;
  FBitmapHeight = zoomed ? std::max(0, FControlHeight - FBarHeight) : FControlHeight;
  FDisplayWidth = double(FBitmapWidth) * zoomFactor / 100.0;
  FDisplayHeight = double(FBitmapHeight) * zoomFactor / 100.0;
  FVertical = TScrollBarState();
  FHorizontal = TScrollBarState();
  if (!zoomed) return;
  FVertical.Visible = FHorizontal.Visible = true;
  FVertical.ImageSize = RoundClamped(FDisplayHeight);
  FVertical.PageSize = FBitmapHeight;
  FVertical.Position = RoundClamped(double(FSource.top()) / FHeight * FDisplayHeight);
  FHorizontal.ImageSize = RoundClamped(FDisplayWidth);
  FHorizontal.PageSize = FBitmapWidth;
  FHorizontal.Position = RoundClamped(double(FSource.left()) / FWidth * FDisplayWidth);
}

void TViewGeometry::ClampSource() {
  FSource.moveLeft(std::clamp(FSource.left(), 0, std::max(0, FWidth - FSource.width())));
  FSource.moveTop(std::clamp(FSource.top(), 0, std::max(0, FHeight - FSource.height())));
}

void TViewGeometry::ZoomAt(int x, int y, int oldFactor, int newFactor) {
  if (FWidth <= 0 || FHeight <= 0 || oldFactor <= 0 || newFactor <= 0) return;
  const double w = std::max(1, FControlWidth);
  const double h = std::max(1, FControlHeight);
  const int left = FSource.left() + RoundClamped(FWidth * (x * 100.0 / w / oldFactor - 50.0 / newFactor));
  const int top = FSource.top() + RoundClamped(FHeight * (y * 100.0 / h / oldFactor - 50.0 / newFactor));
  FSource = QRect(left, top, RoundClamped(FWidth * 100.0 / newFactor), RoundClamped(FHeight * 100.0 / newFactor));
  ClampSource();
}

bool TViewGeometry::PanBy(int dx, int dy) {
  if (FControlWidth <= 0 || FControlHeight <= 0) return false;
  const QPoint before = FSource.topLeft();
  FSource.moveLeft(FSource.left() - RoundClamped(double(dx) * FSource.width() / FControlWidth));
  FSource.moveTop(FSource.top() - RoundClamped(double(dy) * FSource.height() / FControlHeight));
  ClampSource();
  return FSource.topLeft() != before;
}

bool TViewGeometry::ScrollHorizontal(int position) {
  if (IsNearZero(FDisplayWidth)) return false;
  const int before = FSource.left();
  FSource.moveLeft(RoundClamped(FWidth * double(position) / FDisplayWidth));
  ClampSource();
  return FSource.left() != before;
}

bool TViewGeometry::ScrollVertical(int position) {
  if (IsNearZero(FDisplayHeight)) return false;
  const int before = FSource.top();
  FSource.moveTop(RoundClamped(FHeight * double(position) / FDisplayHeight));
  ClampSource();
  return FSource.top() != before;
}

measurement::TFrameMapping TViewGeometry::Mapping() const {
  return measurement::TFrameMapping{FDisplayWidth, FDisplayHeight, ViewLeft(), ViewTop()};
}

int TViewGeometry::ScreenPercent() const {
  return FWidth > 0 ? int(std::lround(100.0 * FDisplayWidth / FWidth)) : 0;
}

}  // namespace kolibra::videoview
