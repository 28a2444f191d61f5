#include "capture/windows/CapturePreview.h"

#include <QPainter>

namespace kolibra::capture {

TCapturePreview::TCapturePreview(QWidget *parent) : QWidget(parent) {
  setObjectName(QStringLiteral("CapturePreview"));
  setFixedSize(320, 240);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void TCapturePreview::ShowPicture(const QImage &picture) {
  FPicture = picture;
  ++FShown;
  update();
}

void TCapturePreview::Clear() {
  FPicture = QImage();
  update();
}

void TCapturePreview::paintEvent(QPaintEvent *) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::black);
  if (FPicture.isNull()) return;
  const QSize size = FPicture.size().scaled(this->size(), Qt::KeepAspectRatio);
  const QRect target(QPoint((width() - size.width()) / 2, (height() - size.height()) / 2), size);
  painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
  painter.drawImage(target, FPicture);
}

}  // namespace kolibra::capture
