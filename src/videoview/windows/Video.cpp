#include "videoview/windows/Video.h"

#include "kit/StrayClicks.h"
#include "measurement/Data.h"
#include "videoview/CursorImages.h"
#include "videoview/windows/Loupe.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QScrollBar>

namespace kolibra::videoview {

namespace video_widget {

TPoint PointOf(const QMouseEvent *event) {
  const QPoint p = event->position().toPoint();
  return TPoint(p.x(), p.y());
}

}  // namespace video_widget

TVideo::TVideo(QWidget *parent, const QString &wrapperFolder) : QWidget(parent) {
  FModel = std::make_unique<TVideoModel>(*this, wrapperFolder);
  // The back buffer covers every pixel: Qt need not erase anything first.
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(true);
  setFocusPolicy(Qt::NoFocus);
  QPalette black = palette();
  black.setColor(QPalette::Window, Qt::black);
  setPalette(black);

  FVertScrollBar = new QScrollBar(Qt::Vertical, this);
  FHorzScrollBar = new QScrollBar(Qt::Horizontal, this);
  for (QScrollBar *bar : {FVertScrollBar, FHorzScrollBar}) {
    bar->hide();
    bar->setCursor(Qt::ArrowCursor);
    bar->setFocusPolicy(Qt::NoFocus);
  }
  FModel->SetBarThickness(FVertScrollBar->sizeHint().width(), FHorzScrollBar->sizeHint().height());
  connect(FVertScrollBar, &QScrollBar::valueChanged, this,
          [this](int value) { ScrollBarMoved(Qt::Vertical, value); });
  connect(FHorzScrollBar, &QScrollBar::valueChanged, this,
          [this](int value) { ScrollBarMoved(Qt::Horizontal, value); });

  FLoupe = new TLoupe(*FModel, this);
  FLoupe->hide();

  FTimer.setTimerType(Qt::PreciseTimer);
  connect(&FTimer, &QTimer::timeout, this, [this] { FModel->PlaybackTick(); });
}

TVideo::~TVideo() {
  FTimer.stop();
  FModel.reset();
}

QCursor TVideo::CursorFor(int code) {
  // Never freed: pixmaps must not outlive the application object, static destructors would.
  static auto *cache = new QHash<int, QCursor>;
  if (code < 1 || code > CursorCount) return QCursor(SystemCursorShape(code));
  auto found = cache->constFind(code);
  if (found != cache->constEnd()) return *found;
  const TCursorImage image = CursorImage(code);
  const QCursor cursor(QPixmap::fromImage(image.Image), image.HotSpot.x(), image.HotSpot.y());
  cache->insert(code, cursor);
  return cursor;
}

// ---------------------------------------------------------------------------------------------
// Painting
// ---------------------------------------------------------------------------------------------

void TVideo::paintEvent(QPaintEvent *) {
  if (parentWidget() == nullptr || !isVisible() || width() <= 0 || height() <= 0) return;
  if (!FModel->PaintDisplay()) return;
  {
    QPainter painter(this);
    painter.drawImage(0, 0, FModel->DisplayBitmap());
    if (FModel->Geometry().BarsVisible()) {
      painter.fillRect(FVertScrollBar->x(), FHorzScrollBar->y(), FVertScrollBar->width(),
                       FHorzScrollBar->height(), palette().color(QPalette::Button));
    }
  }
  FModel->FinishPaint();
  if (FLoupe->isVisible()) FLoupe->update();
}

void TVideo::RepaintNow() {
  if (isVisible()) repaint();
}

void TVideo::InvalidateView() { update(); }

void TVideo::ApplyCursor(int code) { setCursor(CursorFor(code)); }

void TVideo::SetViewVisible(bool visible) { setVisible(visible); }

bool TVideo::ViewVisible() const { return !isHidden(); }

void TVideo::ProcessPendingEvents() { QCoreApplication::processEvents(); }

// ---------------------------------------------------------------------------------------------
// Geometry
// ---------------------------------------------------------------------------------------------

void TVideo::resizeEvent(QResizeEvent *) {
  FModel->Resize(width(), height());
  PlaceChildren();
}

void TVideo::PlaceChildren() {
  const int barWidth = FVertScrollBar->sizeHint().width();
  const int barHeight = FHorzScrollBar->sizeHint().height();
  FVertScrollBar->setGeometry(width() - barWidth, 0, barWidth, std::max(0, height() - barHeight));
  FHorzScrollBar->setGeometry(0, height() - barHeight, std::max(0, width() - barWidth), barHeight);
}

void TVideo::GeometryChanged() {
  const TViewGeometry &geometry = FModel->Geometry();
  FUpdatingBars = true;
  const auto apply = [](QScrollBar *bar, const TScrollBarState &state) {
    if (state.Visible) {
      bar->setRange(0, std::max(0, state.ImageSize - state.PageSize));
      bar->setPageStep(std::max(1, state.PageSize));
      bar->setSingleStep(std::max(1, state.PageSize / 10));
      bar->setValue(state.Position);
    }
    bar->setVisible(state.Visible);
  };
  apply(FVertScrollBar, geometry.Vertical());
  apply(FHorzScrollBar, geometry.Horizontal());
  FUpdatingBars = false;

  const TLoupeModel &loupe = FModel->Loupe();
  FLoupe->setGeometry(loupe.Geometry);
  FLoupe->setVisible(loupe.Visible && FModel->IsOpen());
}

void TVideo::ScrollBarMoved(Qt::Orientation orientation, int value) {
  if (FUpdatingBars) return;
  FModel->ScrollTo(orientation, value);
}

// ---------------------------------------------------------------------------------------------
// Playback
// ---------------------------------------------------------------------------------------------

void TVideo::StartPlaybackTimer(int periodMs) { FTimer.start(std::max(1, periodMs)); }

void TVideo::StopPlaybackTimer() { FTimer.stop(); }

// ---------------------------------------------------------------------------------------------
// Mouse and keyboard
// ---------------------------------------------------------------------------------------------

TPoint TVideo::PointerPosition() const { return FPointer; }

void TVideo::MovePointer(TPoint viewPixel) {
  FPointer = viewPixel;
  // The model routes this move itself; the move event the system may send for it is a repeat.
  FLastRouted = viewPixel;
  FHasRouted = true;
  QCursor::setPos(mapToGlobal(QPoint(viewPixel.X, viewPixel.Y)));
  if (FLoupe->isVisible()) FLoupe->update();
}

void TVideo::mousePressEvent(QMouseEvent *event) {
  FPointer = video_widget::PointOf(event);
  // A click aimed at a box that just closed by itself is no measurement.
  FSwallowedPress = StrayClicks().Swallow(event->globalPosition().toPoint(), MonotonicMs());
  if (FSwallowedPress) return;
  FModel->MouseDown(event->button(), event->modifiers(), FPointer);
}

void TVideo::mouseDoubleClickEvent(QMouseEvent *event) {
  FPointer = video_widget::PointOf(event);
  FModel->MouseDoubleClick(event->button(), event->modifiers(), FPointer);
}

void TVideo::mouseMoveEvent(QMouseEvent *event) {
  FPointer = video_widget::PointOf(event);
  if (FHasRouted && FPointer == FLastRouted) return;
  FLastRouted = FPointer;
  FHasRouted = true;
  FModel->MouseMove(event->modifiers(), FPointer);
  if (FLoupe->isVisible()) FLoupe->update();
}

void TVideo::mouseReleaseEvent(QMouseEvent *event) {
  FPointer = video_widget::PointOf(event);
  if (FSwallowedPress) {
    FSwallowedPress = false;
    return;
  }
  FModel->MouseUp(event->button(), event->modifiers(), FPointer);
}

void TVideo::keyPressEvent(QKeyEvent *event) {
  if (FModel->KeyDown(event->key(), event->modifiers())) {
    event->accept();
    return;
  }
  // The window passes unused keys on to the document and the other subsystems.
  event->ignore();
}

}  // namespace kolibra::videoview
