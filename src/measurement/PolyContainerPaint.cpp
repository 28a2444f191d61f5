// Drawing marks on the video: each mark's symbol in its object's colour and the rank of its
// frame beside it, and the erase rectangle while it is being drawn. Symbols and numbers are
// ringed in a contrasting colour (a red mark on a red ball stays visible), and a number that
// would cover one written before is left out (marks bunch up at the top of a throw).

#include "measurement/GraphUtils.h"
#include "measurement/Legibility.h"
#include "measurement/PolyContainer.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <map>

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
  QRect visible;
  if (canvas->device() != nullptr)
    visible = canvas->combinedTransform().inverted().mapRect(QRect(0, 0, canvas->device()->width(), canvas->device()->height()));
  TLabelRoom numbers(visible);
  const int first = MarksIsAllDrawn ? 0 : std::max(0, MarksCount() - MarksNumberToDraw);
  // The symbols first, the numbers over them: a later mark's symbol never hides a number.
  for (int i = first; i < MarksCount(); ++i) {
    const TMarque &mark = *AllMarks[size_t(i)];
    if (IsObjectShown(mark.MarkOrderNumber)) DrawMarkSymbol(canvas, mark);
  }
  if (MarksNumberPosition == 2) return;
  for (int i = first; i < MarksCount(); ++i) {
    const TMarque &mark = *AllMarks[size_t(i)];
    if (IsObjectShown(mark.MarkOrderNumber) && mark.Container != nullptr) DrawMarkNumber(canvas, mark, numbers);
  }
}

void TPolyContainer::DrawCentreOfMass(QPainter *canvas, const std::vector<double> &masses) const {
  if (canvas == nullptr) return;
  const auto massOf = [&masses](int object) {
    return object >= 0 && object < int(masses.size()) && masses[size_t(object)] > 0.0 ? masses[size_t(object)] : 0.0;
  };
  int massive = 0;
  for (int o = 0; o < MarksNumberPerFrame; ++o)
    if (massOf(o) > 0.0) ++massive;
  if (massive < 2) return;
  // A weighted mean of pixels is the pixel of the weighted mean: the scale and the axes are
  // affine.
  struct TSum {
    double X = 0.0, Y = 0.0, Mass = 0.0;
    int Count = 0;
  };
  std::map<int, TSum> frames;
  const int first = MarksIsAllDrawn ? 0 : std::max(0, MarksCount() - MarksNumberToDraw);
  for (int i = first; i < MarksCount(); ++i) {
    const TMarque &mark = *AllMarks[size_t(i)];
    const double m = massOf(mark.MarkOrderNumber);
    if (m <= 0.0) continue;
    TSum &sum = frames[mark.FrameIndex];
    sum.X += m * mark.Pixel().X;
    sum.Y += m * mark.Pixel().Y;
    sum.Mass += m;
    ++sum.Count;
  }
  canvas->save();
  canvas->setBrush(Qt::NoBrush);
  for (const auto &[frame, sum] : frames) {
    if (sum.Count != massive) continue;
    const QPointF at(sum.X / sum.Mass, sum.Y / sum.Mass);
    // Black on a white ring: it reads on any picture and is no object's symbol.
    for (const auto &[colour, width] : {std::pair{Qt::white, 4}, std::pair{Qt::black, 2}}) {
      canvas->setPen(QPen(colour, width));
      canvas->drawEllipse(at, 6.0, 6.0);
      canvas->drawLine(at - QPointF(8.0, 0.0), at + QPointF(8.0, 0.0));
      canvas->drawLine(at - QPointF(0.0, 8.0), at + QPointF(0.0, 8.0));
    }
  }
  canvas->restore();
}

void TPolyContainer::DrawMarkSymbol(QPainter *canvas, const TMarque &mark) const {
  const int size = std::clamp(Host().ElementSize(), 0, 2);
  const TColor colour = Host().ObjectColor(mark.MarkOrderNumber);
  const TColor outline = ContrastColor(colour);
  const TPoint at = mark.Pixel();
  TGraphUtils *utils = CreateGraphUtils();
  for (int dy = -1; dy <= 1; ++dy)
    for (int dx = -1; dx <= 1; ++dx)
      if (dx != 0 || dy != 0) utils->DrawObjectMotif(canvas, TPoint(at.X + dx, at.Y + dy), outline, size, mark.MarkOrderNumber);
  utils->DrawObjectMotif(canvas, at, colour, size, mark.MarkOrderNumber);
}

void TPolyContainer::DrawMarkNumber(QPainter *canvas, const TMarque &mark, TLabelRoom &numbers) const {
  const int size = std::clamp(Host().ElementSize(), 0, 2);
  const TColor colour = Host().ObjectColor(mark.MarkOrderNumber);
  const TPoint at = mark.Pixel();

  const int number = mark.Container->MarksContainerMarkNumber + (Host().MarkNumbersStartAtZero() ? 0 : 1);
  // The number sits clear of the symbol, whose size grows with the element size.
  static const int kNumberOffsets[3] = {0, 4, 7};
  const int f = kNumberOffsets[size];
  QFont font = canvas->font();
  if (size == 1) font.setPointSize(12);
  if (size == 2) font.setPointSize(15);
  const QString text = QString::number(number);
  const QFontMetrics metrics(font);
  const int x = MarksNumberPosition == 0 ? at.X - f / 2 - 2 : at.X + f + 8;
  const int top = MarksNumberPosition == 0 ? at.Y + f + 4 : at.Y - f / 2 - 7;
  // The room counts the ring around the digits, and on the video, where numbers follow each
  // other closely along a path, a gap of a few pixels beside them: "2223" is not two numbers.
  const int gap = 3;
  if (!numbers.Reserve(
          QRect(x - 1 - gap, top - 1, metrics.horizontalAdvance(text) + 2 + 2 * gap, metrics.height() + 2)))
    return;
  canvas->save();
  canvas->setFont(font);
  DrawOutlinedText(canvas, x, top, text, colour, ContrastColor(colour));
  canvas->restore();
}

}  // namespace kolibra::measurement
