#include "printing/windows/GmPreview.h"

#include "printing/DrawPage.h"

#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>

#include <cmath>

namespace kolibra::printing {

namespace gm_preview {

Qt::CursorShape CursorShape(TPageCursor cursor) {
  switch (cursor) {
    case TPageCursor::Move: return Qt::SizeAllCursor;
    case TPageCursor::SizeNwse: return Qt::SizeFDiagCursor;
    case TPageCursor::SizeNesw: return Qt::SizeBDiagCursor;
    case TPageCursor::SizeNs: return Qt::SizeVerCursor;
    case TPageCursor::SizeWe: return Qt::SizeHorCursor;
    case TPageCursor::Default: break;
  }
  return Qt::ArrowCursor;
}

}  // namespace gm_preview

TGmPreview::TGmPreview(TPrintLayout &layout, QWidget *parent) : QScrollArea(parent), Layout(layout) {
  setObjectName(QStringLiteral("GmPreview"));
  setAlignment(Qt::AlignCenter);
  setBackgroundRole(QPalette::Dark);
  auto *page = new QWidget;
  page->setObjectName(QStringLiteral("GmPreviewPage"));
  page->setMouseTracking(true);
  page->installEventFilter(this);
  setWidget(page);
  SetZoom(layout.Zoom());
}

double TGmPreview::PixelsPerGm() const {
  return ZoomPercent / 100.0 * Layout.Graphic().ScreenPixelsPerInch / 2540.0;
}

void TGmPreview::SetZoom(int percent) {
  ZoomPercent = std::clamp(percent, TPrintLayout::MinZoom, TPrintLayout::MaxZoom);
  Redisplay();
}

void TGmPreview::Redisplay() {
  const double scale = PixelsPerGm();
  const TPageSetup &setup = Layout.Setup();
  widget()->resize(int(std::ceil(setup.PageWidth() * scale)) + 2 * Border,
                   int(std::ceil(setup.PageHeight() * scale)) + 2 * Border);
  widget()->update();
}

TGmPoint TGmPreview::PagePoint(const QPoint &pagePixel) const {
  const double scale = PixelsPerGm();
  return {int(std::lround((pagePixel.x() - Border) / scale)), int(std::lround((pagePixel.y() - Border) / scale))};
}

QPoint TGmPreview::PagePixel(TGmPoint point) const {
  const double scale = PixelsPerGm();
  return QPoint(int(std::lround(point.X * scale)) + Border, int(std::lround(point.Y * scale)) + Border);
}

void TGmPreview::PaintPage(QPainter &painter) {
  const double scale = PixelsPerGm();
  const TPageSetup &setup = Layout.Setup();
  const QRectF sheet(Border, Border, setup.PageWidth() * scale, setup.PageHeight() * scale);
  painter.fillRect(widget()->rect(), palette().color(QPalette::Dark));
  painter.fillRect(sheet.translated(3, 3), QColor(80, 80, 80));
  painter.fillRect(sheet, Qt::white);
  painter.translate(Border, Border);
  painter.setClipRect(QRectF(0, 0, sheet.width(), sheet.height()));
  TPageDrawing drawing;
  drawing.PixelsPerGm = scale;
  drawing.Margins = true;
  drawing.Frames = true;
  DrawPage(painter, Layout, drawing);
}

bool TGmPreview::PageMouse(QEvent *event) {
  auto *mouse = static_cast<QMouseEvent *>(event);
  const QPoint at = mouse->position().toPoint();
  const TGmPoint point = PagePoint(at);
  switch (event->type()) {
    case QEvent::MouseButtonPress:
      if (mouse->button() != Qt::LeftButton) return false;
      Layout.MouseDown(point);
      if (!Layout.IsMovingFrame() && !Layout.IsResizingFrame()) {
        Panning = true;
        PanStart = mouse->globalPosition().toPoint();
        widget()->setCursor(Qt::ClosedHandCursor);
      }
      break;
    case QEvent::MouseMove:
      if (Panning) {
        const QPoint now = mouse->globalPosition().toPoint();
        const QPoint delta = now - PanStart;
        PanStart = now;
        horizontalScrollBar()->setValue(horizontalScrollBar()->value() - delta.x());
        verticalScrollBar()->setValue(verticalScrollBar()->value() - delta.y());
        return true;
      }
      widget()->setCursor(gm_preview::CursorShape(Layout.MouseMove(point)));
      break;
    case QEvent::MouseButtonRelease:
      if (mouse->button() != Qt::LeftButton) return false;
      if (Panning) {
        Panning = false;
      } else {
        const bool changed = Layout.IsMovingFrame() || Layout.IsResizingFrame();
        Layout.MouseUp(point);
        if (changed) emit PageChanged();
      }
      widget()->setCursor(Qt::ArrowCursor);
      break;
    default:
      return false;
  }
  widget()->update();
  return true;
}

bool TGmPreview::eventFilter(QObject *watched, QEvent *event) {
  if (watched != widget()) return QScrollArea::eventFilter(watched, event);
  switch (event->type()) {
    case QEvent::Paint: {
      QPainter painter(widget());
      PaintPage(painter);
      return true;
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseMove:
    case QEvent::MouseButtonRelease:
      return PageMouse(event);
    default:
      return QScrollArea::eventFilter(watched, event);
  }
}

}  // namespace kolibra::printing
