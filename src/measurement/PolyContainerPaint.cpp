// Drawing marks on the video: each mark's symbol in its object's colour and the rank of its
// frame beside it, and the erase rectangle while it is being drawn.

#include "measurement/GraphUtils.h"
#include "measurement/PolyContainer.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>

namespace kolibra::measurement {

void TPolyContainer::Draw(QPainter *canvas) const {
  if (canvas == nullptr) return;
  if (DragState == 2) {
    canvas->save();
    QPen pen(Host().ElementColor().ToQColor());
    pen.setStyle(Qt::DotLine);
    canvas->setPen(pen);
    canvas->setBrush(Qt::NoBrush);
    // Both corners belong to the rectangle, whichever way it was drawn.
    canvas->drawRect(QRect(QPoint(std::min(SelectionCorner1.X, SelectionCorner2.X), std::min(SelectionCorner1.Y, SelectionCorner2.Y)),
                           QPoint(std::max(SelectionCorner1.X, SelectionCorner2.X), std::max(SelectionCorner1.Y, SelectionCorner2.Y))));
    canvas->restore();
  }
  const int first = MarksIsAllDrawn ? 0 : std::max(0, MarksCount() - MarksNumberToDraw);
  for (int i = first; i < MarksCount(); ++i) {
    const TMarque &mark = *AllMarks[size_t(i)];
    if (IsObjectShown(mark.MarkOrderNumber)) DrawMark(canvas, mark);
  }
}

void TPolyContainer::DrawMark(QPainter *canvas, const TMarque &mark) const {
  const int size = std::clamp(Host().ElementSize(), 0, 2);
  const TColor colour = Host().ObjectColor(mark.MarkOrderNumber);
  const TPoint at = mark.Pixel();
  CreateGraphUtils()->DrawObjectMotif(canvas, at, colour, size, mark.MarkOrderNumber);
  if (MarksNumberPosition == 2 || mark.Container == nullptr) return;

  const int number = mark.Container->MarksContainerMarkNumber + (Host().MarkNumbersStartAtZero() ? 0 : 1);
  // The number sits clear of the symbol, whose size grows with the element size.
  static const int kNumberOffsets[3] = {0, 4, 7};
  const int f = kNumberOffsets[size];
  canvas->save();
  QFont font = canvas->font();
  if (size == 1) font.setPointSize(12);
  if (size == 2) font.setPointSize(15);
  canvas->setFont(font);
  canvas->setPen(colour.ToQColor());
  canvas->setBackgroundMode(Qt::TransparentMode);
  const int x = MarksNumberPosition == 0 ? at.X - f / 2 - 2 : at.X + f + 8;
  const int top = MarksNumberPosition == 0 ? at.Y + f + 4 : at.Y - f / 2 - 7;
  canvas->drawText(QPoint(x, top + QFontMetrics(font).ascent()), QString::number(number));
  canvas->restore();
}

}  // namespace kolibra::measurement
