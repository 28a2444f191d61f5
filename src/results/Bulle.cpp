#include "results/Bulle.h"

#include "results/Axe.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <QPalette>

namespace kolibra::results {

TBulle::TBulle() : Font(GraphFont(9)) {}

void TBulle::SetPlace(TBullePlace place) {
  FPlace = place;
  if (place == bpNone) FVisible = false;
  Arrange(ParentWidth, ParentHeight);
}

int TBulle::LineHeight() const { return QFontMetrics(Font).height(); }

void TBulle::SetLines(const QStringList &lines) {
  FLines = lines;
  const QFontMetrics metrics(Font);
  int widest = 0;
  for (const QString &line : FLines) widest = std::max(widest, metrics.horizontalAdvance(line));
  // A line that reaches the edge (or a wider bubble than needed) calls for a new size.
  if (FBounds.width() - widest < 8 || FBounds.width() > widest + 20) Arrange(ParentWidth, ParentHeight);
}

void TBulle::ShowLines(const QStringList &lines, int parentWidth, int parentHeight) {
  ParentWidth = parentWidth;
  ParentHeight = parentHeight;
  FLines = lines;
  Arrange(parentWidth, parentHeight);
  FVisible = FPlace != bpNone;
}

void TBulle::Arrange(int parentWidth, int parentHeight) {
  ParentWidth = parentWidth;
  ParentHeight = parentHeight;
  const QFontMetrics metrics(Font);
  int widest = 0;
  for (const QString &line : FLines) widest = std::max(widest, metrics.horizontalAdvance(line));
  const int width = widest + 20, height = int(FLines.size()) * LineHeight() + 4;
  int left = 1, top = 1;
  switch (FPlace) {
    case bpUpRight:
      left = parentWidth - width - 2;
      break;
    case bpDownLeft:
      top = parentHeight - height - 2;
      break;
    case bpDownRight:
      left = parentWidth - width - 2;
      top = parentHeight - height - 2;
      break;
    default:
      break;
  }
  FBounds = QRect(left, top, width, height);
}

void TBulle::Paint(QPainter &canvas) const {
  if (!FVisible || FLines.isEmpty()) return;
  canvas.save();
  const QPalette palette = QGuiApplication::palette();
  canvas.fillRect(FBounds, palette.color(QPalette::ToolTipBase));
  const QRect r = FBounds.adjusted(0, 0, -1, -1);
  canvas.setPen(palette.color(QPalette::Button));
  canvas.drawLine(r.topLeft(), r.topRight());
  canvas.drawLine(r.topLeft(), r.bottomLeft());
  canvas.setPen(palette.color(QPalette::Dark));
  canvas.drawLine(r.bottomLeft(), r.bottomRight());
  canvas.drawLine(r.topRight(), r.bottomRight());
  canvas.setFont(Font);
  canvas.setPen(Qt::black);
  const QFontMetrics metrics(Font);
  int y = FBounds.top() + 2;
  for (const QString &line : FLines) {
    canvas.drawText(QPoint(FBounds.left() + 4, y + metrics.ascent()), line);
    y += metrics.height();
  }
  canvas.restore();
}

}  // namespace kolibra::results
