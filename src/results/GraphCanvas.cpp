#include "results/GraphCanvas.h"

#include "kit/Clipping.h"
#include "measurement/GraphUtils.h"

#include <QFontMetrics>
#include <QHash>
#include <QImage>
#include <QPainter>

#include <cmath>

namespace kolibra::results {

namespace graph_canvas_impl {

constexpr int StampHalf = 11;  // symbols reach 10 px from their centre

// A symbol drawn once by the measurement's own rasteriser and blitted afterwards: the same
// pixels at a fraction of the cost when a series has thousands of points.
const QImage &Stamp(int kind, int size, TColor colour) {
  static QHash<quint64, QImage> cache;
  const quint64 key = (quint64(colour.Value) << 16) | (quint64(kind & 0xFF) << 8) | quint64(size & 0xFF);
  auto found = cache.constFind(key);
  if (found != cache.constEnd()) return *found;
  QImage stamp(2 * StampHalf + 1, 2 * StampHalf + 1, QImage::Format_ARGB32_Premultiplied);
  stamp.fill(Qt::transparent);
  {
    QPainter painter(&stamp);
    measurement::CreateGraphUtils()->DrawMotifKind(&painter, TPoint(StampHalf, StampHalf), colour, size, kind);
  }
  return *cache.insert(key, stamp);
}

// QPainter takes every new brush as a change (it compares brushes by identity), and each
// change opens a new group in an SVG: a brush or pen equal to the one in force is not set.
void SetBrush(QPainter &painter, const QColor &colour) {
  const QBrush &current = painter.brush();
  if (current.style() == Qt::SolidPattern && current.color() == colour) return;
  painter.setBrush(colour);
}

void SetPen(QPainter &painter, const QPen &pen) {
  if (painter.pen() != pen) painter.setPen(pen);
}

}  // namespace graph_canvas_impl

TGraphCanvas::TGraphCanvas(QPainter &painter, const QRect &plot, bool vector)
    : FPainter(painter), FPlot(plot), FVector(vector) {
  // In pixel terms the plot covers its edge pixels; as real geometry it spans them.
  FPlotF = QRectF(plot.left(), plot.top(), plot.width() - 1, plot.height() - 1);
  FPainter.save();
  if (FVector) {
    FPainter.setRenderHint(QPainter::Antialiasing, true);
  } else {
    FPainter.setRenderHint(QPainter::Antialiasing, false);
    FPainter.setClipRect(FPlot);
  }
}

TGraphCanvas::~TGraphCanvas() { FPainter.restore(); }

void TGraphCanvas::SetPen(TColor colour, int width, bool dotted) {
  QPen pen(colour.ToQColor(), std::max(1, width), dotted ? Qt::DotLine : Qt::SolidLine);
  pen.setCapStyle(FVector ? Qt::RoundCap : Qt::SquareCap);
  pen.setJoinStyle(Qt::RoundJoin);
  graph_canvas_impl::SetPen(FPainter, pen);
}

void TGraphCanvas::Line(TPoint a, TPoint b) {
  if (!FVector) {
    FPainter.drawLine(a.ToQPoint(), b.ToQPoint());
    return;
  }
  Polyline(QPolygonF() << QPointF(a.X, a.Y) << QPointF(b.X, b.Y));
}

void TGraphCanvas::PixelPolyline(const TPointDynArray &points) {
  if (points.empty()) return;
  if (!FVector) {
    QPolygon polygon(int(points.size()));
    for (size_t i = 0; i < points.size(); ++i) polygon[int(i)] = points[i].ToQPoint();
    if (polygon.size() > 1) FPainter.drawPolyline(polygon);
    // Qt's thin lines leave out their last pixel.
    FPainter.drawPoint(polygon.last());
    return;
  }
  QPolygonF polygon(int(points.size()));
  for (size_t i = 0; i < points.size(); ++i) polygon[int(i)] = QPointF(points[i].X, points[i].Y);
  Polyline(polygon);
}

void TGraphCanvas::Polyline(const QPolygonF &points) {
  if (!FVector) {
    FPainter.drawPolyline(points);
    return;
  }
  for (const QPolygonF &piece : ClipPolyline(points, FPlotF)) {
    if (piece.size() == 1)
      FPainter.drawPoint(piece[0]);
    else
      FPainter.drawPolyline(piece);
  }
}

void TGraphCanvas::Polygon(const QPolygonF &points, TColor fill, bool outlined) {
  // Pen and brush stay as the shape set them (see Symbol).
  if (!outlined) graph_canvas_impl::SetPen(FPainter, QPen(Qt::NoPen));
  graph_canvas_impl::SetBrush(FPainter, fill.ToQColor());
  const QPolygonF shape = FVector ? ClipPolygon(points, FPlotF) : points;
  if (!shape.isEmpty()) FPainter.drawPolygon(shape);
}

void TGraphCanvas::Disc(QPointF centre, double radius, TColor fill, bool outlined) {
  const QRectF box(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
  if (!FVector || FPlotF.contains(box)) {
    if (!outlined) graph_canvas_impl::SetPen(FPainter, QPen(Qt::NoPen));
    graph_canvas_impl::SetBrush(FPainter, fill.ToQColor());
    FPainter.drawEllipse(box);
    return;
  }
  // Cut by the plot's edge: the visible part of the disc as a polygon.
  QPainterPath path;
  path.addEllipse(box);
  Polygon(path.toFillPolygon(), fill, outlined);
}

void TGraphCanvas::StrokePath(const QPainterPath &path) {
  if (!FVector) {
    FPainter.drawPath(path);
    return;
  }
  for (const QPolygonF &piece : path.toSubpathPolygons()) Polyline(piece);
}

void TGraphCanvas::Symbol(int kind, TPoint centre, TColor colour, int size) {
  using namespace graph_canvas_impl;
  if (!FVector) {
    FPainter.drawImage(centre.X - StampHalf, centre.Y - StampHalf, Stamp(kind, size, colour));
    return;
  }
  // The pen is left as the symbol needs it: every stroke sets its own pen first, and a run of
  // symbols then shares one style in the SVG instead of one group each.
  if (kind == 14) {
    Disc(QPointF(centre.X, centre.Y), measurement::MotifDiscRadius(size), colour, false);
  } else {
    graph_canvas_impl::SetPen(FPainter, QPen(colour.ToQColor(), 1.0));
    QPolygonF outline;
    for (const TPoint &offset : measurement::MotifOutline(kind, size))
      outline << QPointF(centre.X + offset.X, centre.Y + offset.Y);
    if (!outline.isEmpty()) Polygon(outline, kind == 17 ? colors::clWhite : colour, true);
  }
}

void TGraphCanvas::Text(TPoint topLeft, const QString &text, TColor colour) {
  const QFontMetrics metrics(FPainter.font());
  const QRect box(topLeft.X, topLeft.Y, metrics.horizontalAdvance(text), metrics.height());
  if (FVector && !FPlot.contains(box)) return;
  graph_canvas_impl::SetPen(FPainter, QPen(colour.ToQColor()));
  FPainter.drawText(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip, text);
}

}  // namespace kolibra::results
