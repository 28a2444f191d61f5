#include "results/windows/GraphControl.h"

#include "videoview/windows/Video.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

namespace kolibra::results {

namespace graph_control_impl {

TPoint PointOf(const QPointF &p) { return TPoint(qRound(p.x()), qRound(p.y())); }

}  // namespace graph_control_impl

TGraphControl::TGraphControl(QWidget *parent) : QWidget(parent), FGraph(this) {
  // The back buffer covers every pixel: nothing needs erasing first.
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(true);
  setFocusPolicy(Qt::StrongFocus);
  FHint = new QLabel(this);
  FHint->setWordWrap(true);
  FHint->setAutoFillBackground(true);
  FHint->setFrameShape(QFrame::Box);
  FHint->setMargin(1);
  QPalette palette = FHint->palette();
  palette.setColor(QPalette::Window, palette.color(QPalette::ToolTipBase));
  palette.setColor(QPalette::WindowText, palette.color(QPalette::ToolTipText));
  FHint->setPalette(palette);
  FHint->setAttribute(Qt::WA_TransparentForMouseEvents);
  FHint->hide();
}

TGraphControl::~TGraphControl() { FGraph.SetSurface(nullptr); }

void TGraphControl::paintEvent(QPaintEvent *) {
  QPainter painter(this);
  painter.drawImage(0, 0, FGraph.Picture());
}

void TGraphControl::resizeEvent(QResizeEvent *) { FGraph.SetSize(width(), height()); }

void TGraphControl::InvalidateGraph() { update(); }

void TGraphControl::ApplyCursor(int code) { setCursor(videoview::TVideo::CursorFor(code)); }

void TGraphControl::ShowHint(TPoint at, const QString &text) {
  // Word-wrapped, 10 px below the point, sized to the text plus a small border, kept inside.
  const int maxWidth = std::max(80, std::min(360, width() - 4));
  const QFontMetrics metrics(FHint->font());
  int textWidth = 0;
  for (const QString &line : text.split(QLatin1Char('\n'))) textWidth = std::max(textWidth, metrics.horizontalAdvance(line));
  FHint->setText(text);
  const int frame = 2 * (FHint->frameWidth() + FHint->margin());
  const int w = std::min(maxWidth, textWidth + frame + 1);
  FHint->resize(w + 6, FHint->heightForWidth(w) + 2);
  const int x = std::clamp(at.X, 0, std::max(0, width() - FHint->width()));
  const int y = std::clamp(at.Y + 10, 0, std::max(0, height() - FHint->height()));
  FHint->move(x, y);
  FHint->show();
  FHint->raise();
}

void TGraphControl::HideHint() { FHint->hide(); }

TPoint TGraphControl::PointerPosition() const { return FPointer; }

void TGraphControl::MovePointer(TPoint at) {
  FPointer = at;
  QCursor::setPos(mapToGlobal(QPoint(at.X, at.Y)));
}

void TGraphControl::mousePressEvent(QMouseEvent *event) {
  FPointer = graph_control_impl::PointOf(event->position());
  FGraph.MouseDown(event->button(), event->modifiers(), FPointer);
}

void TGraphControl::mouseMoveEvent(QMouseEvent *event) {
  const TPoint at = graph_control_impl::PointOf(event->position());
  if (at == FPointer && event->buttons() == Qt::NoButton) return;
  FPointer = at;
  FGraph.MouseMove(event->modifiers(), FPointer);
}

void TGraphControl::mouseReleaseEvent(QMouseEvent *event) {
  FPointer = graph_control_impl::PointOf(event->position());
  FGraph.MouseUp(event->button(), event->modifiers(), FPointer);
}

void TGraphControl::mouseDoubleClickEvent(QMouseEvent *event) {
  FPointer = graph_control_impl::PointOf(event->position());
  FGraph.DoubleClick(event->button(), FPointer);
}

void TGraphControl::wheelEvent(QWheelEvent *event) {
  FGraph.Wheel(event->angleDelta().y(), event->modifiers(), graph_control_impl::PointOf(event->position()));
  event->accept();
}

void TGraphControl::keyPressEvent(QKeyEvent *event) {
  if (FGraph.KeyDown(event->key(), event->modifiers()))
    event->accept();
  else
    QWidget::keyPressEvent(event);
}

void TGraphControl::leaveEvent(QEvent *event) {
  FGraph.MouseLeave();
  QWidget::leaveEvent(event);
}

}  // namespace kolibra::results
