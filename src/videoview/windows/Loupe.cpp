#include "videoview/windows/Loupe.h"

#include "videoview/CursorImages.h"
#include "videoview/windows/Video.h"

#include <QMouseEvent>
#include <QPainter>

namespace kolibra::videoview {

TLoupe::TLoupe(TVideoModel &model, QWidget *view) : QWidget(view), FModel(model) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(true);
  setCursor(TVideo::CursorFor(crZoom));
}

void TLoupe::paintEvent(QPaintEvent *) {
  QPainter painter(this);
  painter.drawImage(0, 0, State().Render(FModel.DisplayBitmap()));
}

TPoint TLoupe::ViewPoint(const QMouseEvent *event) const {
  const QPoint p = mapToParent(event->position().toPoint());
  return TPoint(p.x(), p.y());
}

void TLoupe::mousePressEvent(QMouseEvent *event) {
  const QPoint local = event->position().toPoint();
  if (State().Press(TPoint(local.x(), local.y()), event->button() == Qt::LeftButton, ViewPoint(event))) {
    setCursor(TVideo::CursorFor(crSizeAll));
    return;
  }
  update();
}

void TLoupe::mouseMoveEvent(QMouseEvent *event) {
  if (State().Dragging) {
    const TViewGeometry &geometry = FModel.Geometry();
    State().DragTo(ViewPoint(event), geometry.BitmapWidth(), geometry.BitmapHeight());
    setGeometry(State().Geometry);
    return;
  }
  const QPoint local = event->position().toPoint();
  setCursor(TVideo::CursorFor(State().NearBorder(TPoint(local.x(), local.y())) ? crSizeAll : crZoom));
}

void TLoupe::mouseReleaseEvent(QMouseEvent *) { State().EndDrag(); }

}  // namespace kolibra::videoview
