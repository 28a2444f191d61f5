#include "measurement/ElementPainting.h"

#include "kit/MathUtils.h"
#include "measurement/DrawHelpers.h"
#include "measurement/Legibility.h"
#include "measurement/MeasurementHost.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPolygon>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace kolibra::measurement {

namespace element_painting_impl {

QPen ElementPen(TColor color, int elementSize) {
  // Wide pens end round, as the axes have always been drawn.
  return QPen(color.ToQColor(), ElementPenWidth(elementSize), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

TPointD Unit(double x, double y) {
  const double length = std::hypot(x, y);
  if (IsNearZero(length)) return TPointD(0.0, 0.0);
  return TPointD(x / length, y / length);
}

}  // namespace element_painting_impl

void DrawElementLine(QPainter *canvas, TPoint a, TPoint b, TColor color, int elementSize) {
  if (canvas == nullptr) return;
  canvas->save();
  canvas->setRenderHint(QPainter::Antialiasing, false);
  canvas->setPen(element_painting_impl::ElementPen(color, elementSize));
  if (a == b)
    canvas->drawPoint(a.ToQPoint());
  else
    canvas->drawLine(a.ToQPoint(), b.ToQPoint());
  canvas->restore();
}

void DrawElementOutline(QPainter *canvas, TPoint a, TPoint b, TColor color, int elementSize) {
  if (canvas == nullptr) return;
  canvas->save();
  canvas->setRenderHint(QPainter::Antialiasing, false);
  QPen pen = element_painting_impl::ElementPen(ContrastColor(color), elementSize);
  pen.setWidth(ElementPenWidth(elementSize) + 2);
  // A square cap so the outline also closes over the ends of a thin line.
  if (elementSize == 0) pen.setCapStyle(Qt::SquareCap);
  canvas->setPen(pen);
  if (a == b)
    canvas->drawPoint(a.ToQPoint());
  else
    canvas->drawLine(a.ToQPoint(), b.ToQPoint());
  canvas->restore();
}

void DrawElementArrow(QPainter *canvas, TPoint tail, TPoint tip, TColor color, int elementSize) {
  if (canvas == nullptr) return;
  const std::array<TPoint, 3> head = ArrowHead(tail, tip, 50, ElementArrowLength(elementSize));
  QPolygon polygon;
  for (const TPoint &p : head) polygon << p.ToQPoint();
  canvas->save();
  canvas->setRenderHint(QPainter::Antialiasing, false);
  canvas->setPen(QPen(ContrastColor(color).ToQColor(), 3, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
  canvas->setBrush(Qt::NoBrush);
  canvas->drawPolygon(polygon);
  canvas->setPen(QPen(color.ToQColor(), 1));
  canvas->setBrush(color.ToQColor());
  canvas->drawPolygon(polygon);
  canvas->restore();
}

void DrawElementLabel(QPainter *canvas, TPoint tail, TPoint tip, TPointD side, const QString &text,
                      TColor color, int elementSize, double textAngle) {
  if (canvas == nullptr) return;
  canvas->save();
  canvas->setRenderHint(QPainter::Antialiasing, false);
  QFont font = canvas->font();
  font.setBold(true);
  if (elementSize == 1) font.setPointSize(18);
  if (elementSize == 2) font.setPointSize(24);
  canvas->setFont(font);
  canvas->setPen(color.ToQColor());

  const QFontMetrics metrics(font);
  const double width = metrics.horizontalAdvance(text);
  const double height = metrics.height();
  const double margin = std::max(width, height) / 2.0 + 2.0;
  const int arrow = ElementArrowLength(elementSize);

  // Centre of the label: behind the arrowhead along the axis, beside it across the axis.
  const TPointD along = element_painting_impl::Unit(tip.X - tail.X, tip.Y - tail.Y);
  const TPointD across = element_painting_impl::Unit(side.X, side.Y);
  const double back = arrow + margin;
  const double off = arrow / 2.0 + ElementPenWidth(elementSize) + margin;
  const double cx = tip.X - along.X * back + across.X * off;
  const double cy = tip.Y - along.Y * back + across.Y * off;

  // The text's own directions on screen: its baseline and its downward side.
  const double runX = std::cos(textAngle);
  const double runY = -std::sin(textAngle);
  const double downX = -runY;
  const double downY = runX;
  const double left = cx - runX * width / 2.0 - downX * height / 2.0;
  const double top = cy - runY * width / 2.0 - downY * height / 2.0;
  const int x = RoundClamped(left);
  const int y = RoundClamped(top);
  const int escapement = RoundClamped(textAngle * 1800.0 / std::numbers::pi);
  canvas->setPen(ContrastColor(color).ToQColor());
  for (int dy = -1; dy <= 1; ++dy)
    for (int dx = -1; dx <= 1; ++dx)
      if (dx != 0 || dy != 0) TextOutRotated(canvas, x + dx, y + dy, text, escapement);
  canvas->setPen(color.ToQColor());
  TextOutRotated(canvas, x, y, text, escapement);
  canvas->restore();
}

}  // namespace kolibra::measurement
