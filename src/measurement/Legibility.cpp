#include "measurement/Legibility.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

namespace kolibra::measurement {

TColor ContrastColor(TColor colour) {
  const QColor c = colour.ToQColor();
  // Rec. 601 weights: pale yellow and white count as light, pure red and blue as dark.
  const int brightness = (299 * c.red() + 587 * c.green() + 114 * c.blue()) / 1000;
  return brightness >= 128 ? TColor::FromRgb(0, 0, 0) : TColor::FromRgb(255, 255, 255);
}

void DrawOutlinedText(QPainter *canvas, int x, int y, const QString &text, TColor colour, TColor outline) {
  if (canvas == nullptr) return;
  canvas->save();
  canvas->setBackgroundMode(Qt::TransparentMode);
  const int baseline = y + QFontMetrics(canvas->font()).ascent();
  canvas->setPen(outline.ToQColor());
  for (int dy = -1; dy <= 1; ++dy)
    for (int dx = -1; dx <= 1; ++dx)
      if (dx != 0 || dy != 0) canvas->drawText(QPoint(x + dx, baseline + dy), text);
  canvas->setPen(colour.ToQColor());
  canvas->drawText(QPoint(x, baseline), text);
  canvas->restore();
}

bool TLabelRoom::Reserve(const QRect &box) {
  if (Taken.empty()) {
    Columns = std::max(1, Area.width() / Cell + 1);
    Rows = std::max(1, Area.height() / Cell + 1);
    Taken.assign(size_t(Columns) * size_t(Rows), 0);
  }
  // The cells wholly inside the box: touching labels are not overlapping ones.
  const int c0 = std::max(0, (box.left() - Area.left() + Cell - 1) / Cell);
  const int c1 = std::min(Columns - 1, (box.right() - Area.left()) / Cell - 1);
  const int r0 = std::max(0, (box.top() - Area.top() + Cell - 1) / Cell);
  const int r1 = std::min(Rows - 1, (box.bottom() - Area.top()) / Cell - 1);
  for (int r = r0; r <= r1; ++r)
    for (int c = c0; c <= c1; ++c)
      if (Taken[size_t(r) * size_t(Columns) + size_t(c)] != 0) return false;
  for (int r = r0; r <= r1; ++r)
    for (int c = c0; c <= c1; ++c) Taken[size_t(r) * size_t(Columns) + size_t(c)] = 1;
  return true;
}

}  // namespace kolibra::measurement
