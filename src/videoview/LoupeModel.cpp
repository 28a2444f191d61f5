#include "videoview/LoupeModel.h"

#include "kit/MathUtils.h"
#include "video/VideoPlay.h"

#include <QPainter>
#include <algorithm>

namespace kolibra::videoview {

QRect TLoupeModel::PlaceIn(int viewWidth, int viewHeight) {
  return QRect(viewWidth - viewWidth / 5 - 2, 2, viewWidth / 5, viewHeight / 5);
}

int TLoupeModel::SourceWidth() const { return RoundClamped(Geometry.width() * 100.0 / LoupeZoom); }
int TLoupeModel::SourceHeight() const { return RoundClamped(Geometry.height() * 100.0 / LoupeZoom); }

QRect TLoupeModel::SourceRect() const {
  const int w = SourceWidth();
  const int h = SourceHeight();
  return QRect(Centre.X - w / 2, Centre.Y - h / 2, w, h);
}

bool TLoupeModel::NearBorder(TPoint local) const {
  return local.X < DragBorder || local.Y < DragBorder || local.X >= Geometry.width() - DragBorder ||
         local.Y >= Geometry.height() - DragBorder;
}

bool TLoupeModel::Press(TPoint local, bool leftButton, TPoint viewPoint) {
  if (NearBorder(local)) {
    Dragging = true;
    DragLast = viewPoint;
    return true;
  }
  LoupeZoom = std::clamp(LoupeZoom + (leftButton ? 100 : -100), MinZoom, MaxZoom);
  return false;
}

void TLoupeModel::DragTo(TPoint viewPoint, int visibleWidth, int visibleHeight) {
  if (!Dragging) return;
  QRect moved = Geometry.translated(viewPoint.X - DragLast.X, viewPoint.Y - DragLast.Y);
  moved.moveLeft(std::clamp(moved.left(), 0, std::max(0, visibleWidth - moved.width())));
  moved.moveTop(std::clamp(moved.top(), 0, std::max(0, visibleHeight - moved.height())));
  Geometry = moved;
  DragLast = viewPoint;
}

void TLoupeModel::Follow(TPoint viewPoint) {
  if (!Dragging) Centre = viewPoint;
}

QImage TLoupeModel::Render(const QImage &display) const {
  const int w = Geometry.width();
  const int h = Geometry.height();
  if (w <= 0 || h <= 0) return QImage();
  QImage picture(w, h, QImage::Format_RGB888);
  picture.fill(Qt::black);
  if (!display.isNull()) video::StretchFrame(display, SourceRect(), picture, video::SrcCopy);

  QPainter painter(&picture);
  painter.setRenderHint(QPainter::Antialiasing, false);
  const int cx = w / 2;
  const int cy = h / 2;
  // Each arm ends 2 pixels before the centre and starts again 3 pixels after it, so the
  // point under the cross stays visible.
  const auto arms = [&](int offset, const QColor &colour) {
    painter.setPen(colour);
    painter.drawLine(0, cy + offset, cx - 3, cy + offset);
    painter.drawLine(cx + 3, cy + offset, w - 1, cy + offset);
    painter.drawLine(cx + offset, 0, cx + offset, cy - 3);
    painter.drawLine(cx + offset, cy + 3, cx + offset, h - 1);
  };
  arms(-1, Qt::black);
  arms(1, Qt::black);
  arms(0, Qt::white);
  painter.setPen(Qt::black);
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(0, 0, w - 1, h - 1);
  return picture;
}

}  // namespace kolibra::videoview
