// Kolibra's own cursors, drawn once at first use: a black line over a white halo so that
// each one reads on a dark or a light frame alike.

#include "videoview/CursorImages.h"

#include <QPainter>
#include <QPainterPath>
#include <array>
#include <cmath>

namespace kolibra::videoview {

namespace cursor_images {

const std::array<const char *, CursorCount> Names = {
    "AmortiExpHaut", "AmortiExpBas", "AmortiLinHaut", "AmortiLinBas", "DeformBasDroit", "DeformBasGauche",
    "DeformHautDroit", "DeformHautGauche", "Deformer", "Deplacer", "Detection", "Dupliquer", "Echelle", "Gomme",
    "Inverser", "Marque", "Marque0", "Marque1", "Marque2", "Marque3", "Marque4", "Marque5", "Marque6", "Marque7",
    "Marque8", "Marque9", "Nesw", "Nwse", "Origine", "Pan", "Pen", "Pen0", "Pen1", "Pen2", "Pen3", "Pen4", "Pen5",
    "Pen6", "Pen7", "Pen8", "Pen9", "Reticule", "Rotation", "SelDeformer", "Selection", "SelRotation", "SelGomme",
    "Zoom", "ZoomX", "ZoomY"};

// Strokes a path black over a white halo.
void Stroke(QPainter &p, const QPainterPath &path, qreal width = 1.0) {
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(Qt::white, width + 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawPath(path);
  p.setPen(QPen(Qt::black, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawPath(path);
}

void Fill(QPainter &p, const QPainterPath &path, const QColor &colour) {
  p.setPen(QPen(Qt::white, 3.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(Qt::NoBrush);
  p.drawPath(path);
  p.setPen(QPen(Qt::black, 1.0));
  p.setBrush(colour);
  p.drawPath(path);
}

QPainterPath Line(qreal x1, qreal y1, qreal x2, qreal y2) {
  QPainterPath path;
  path.moveTo(x1, y1);
  path.lineTo(x2, y2);
  return path;
}

// A thin cross hair round (c, c) with a gap at the centre.
void CrossHair(QPainter &p, qreal c = 15.5, qreal arm = 11.0) {
  QPainterPath path;
  path.moveTo(c - arm, c);
  path.lineTo(c - 3, c);
  path.moveTo(c + 3, c);
  path.lineTo(c + arm, c);
  path.moveTo(c, c - arm);
  path.lineTo(c, c - 3);
  path.moveTo(c, c + 3);
  path.lineTo(c, c + arm);
  Stroke(p, path);
}

// A double-headed arrow from (x1, y1) to (x2, y2).
QPainterPath DoubleArrow(qreal x1, qreal y1, qreal x2, qreal y2, qreal head = 4.0) {
  QPainterPath path = Line(x1, y1, x2, y2);
  const qreal a = std::atan2(y2 - y1, x2 - x1);
  for (int end = 0; end < 2; ++end) {
    const qreal x = end == 0 ? x2 : x1;
    const qreal y = end == 0 ? y2 : y1;
    const qreal d = end == 0 ? a : a + M_PI;
    path.moveTo(x - head * std::cos(d - 0.6), y - head * std::sin(d - 0.6));
    path.lineTo(x, y);
    path.lineTo(x - head * std::cos(d + 0.6), y - head * std::sin(d + 0.6));
  }
  return path;
}

QPainterPath FourArrows(qreal cx, qreal cy, qreal r) {
  QPainterPath path = DoubleArrow(cx - r, cy, cx + r, cy);
  path.addPath(DoubleArrow(cx, cy - r, cx, cy + r));
  return path;
}

// The system-like arrow pointer with its tip at (0, 0).
void Pointer(QPainter &p) {
  QPainterPath path;
  path.moveTo(1, 1);
  path.lineTo(1, 17);
  path.lineTo(5, 13);
  path.lineTo(8, 20);
  path.lineTo(10, 19);
  path.lineTo(7, 12);
  path.lineTo(12, 12);
  path.closeSubpath();
  Fill(p, path, Qt::white);
}

void Digit(QPainter &p, int digit, qreal x, qreal y) {
  QFont font(QStringLiteral("Arial"));
  font.setPixelSize(10);
  font.setBold(true);
  QPainterPath path;
  path.addText(x, y, font, QString::number(digit));
  p.setPen(QPen(Qt::white, 2.5));
  p.setBrush(Qt::NoBrush);
  p.drawPath(path);
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::black);
  p.drawPath(path);
}

void Magnifier(QPainter &p) {
  QPainterPath lens;
  lens.addEllipse(QPointF(12, 12), 8, 8);
  Stroke(p, lens, 1.5);
  Stroke(p, Line(18, 18, 27, 27), 3.0);
}

void Eraser(QPainter &p, qreal dx, qreal dy, qreal scale) {
  QPainterPath body;
  body.moveTo(dx + 2 * scale, dy + 12 * scale);
  body.lineTo(dx + 10 * scale, dy + 4 * scale);
  body.lineTo(dx + 16 * scale, dy + 10 * scale);
  body.lineTo(dx + 8 * scale, dy + 18 * scale);
  body.closeSubpath();
  Fill(p, body, QColor(240, 120, 140));
}

void Pencil(QPainter &p) {
  QPainterPath body;
  body.moveTo(1, 1);
  body.lineTo(8, 4);
  body.lineTo(24, 20);
  body.lineTo(20, 24);
  body.lineTo(4, 8);
  body.closeSubpath();
  Fill(p, body, QColor(250, 210, 80));
}

QPainterPath RoundArrow(qreal cx, qreal cy, qreal r) {
  QPainterPath path;
  path.arcMoveTo(cx - r, cy - r, 2 * r, 2 * r, 30);
  path.arcTo(cx - r, cy - r, 2 * r, 2 * r, 30, 280);
  const QPointF end = path.currentPosition();
  path.moveTo(end + QPointF(-4, -1));
  path.lineTo(end);
  path.lineTo(end + QPointF(1, -4));
  return path;
}

QPainterPath DampedWave(bool exponential) {
  QPainterPath path;
  path.moveTo(2, 16);
  for (int x = 2; x <= 22; ++x) {
    const qreal t = (x - 2) / 20.0;
    const qreal amplitude = exponential ? 9.0 * std::exp(-2.5 * t) : 9.0 * (1.0 - t);
    path.lineTo(x, 16 - amplitude * std::sin(t * 4 * M_PI));
  }
  return path;
}

void Draw(QPainter &p, int index, QPoint &hot) {
  hot = QPoint(15, 15);
  const QString name = QLatin1String(Names[size_t(index - 1)]);
  if (name.startsWith(QLatin1String("Amorti"))) {
    Stroke(p, DampedWave(name.contains(QLatin1String("Exp"))), 1.5);
    const bool up = name.endsWith(QLatin1String("Haut"));
    Stroke(p, DoubleArrow(27, up ? 14 : 4, 27, up ? 4 : 14));
    hot = QPoint(27, up ? 4 : 14);
  } else if (name.startsWith(QLatin1String("Deform")) && name != QLatin1String("Deformer")) {
    const bool down = name.contains(QLatin1String("Bas"));
    const bool right = name.contains(QLatin1String("Droit"));
    const qreal x1 = right ? 6 : 26, x2 = right ? 26 : 6;
    const qreal y1 = down ? 6 : 26, y2 = down ? 26 : 6;
    Stroke(p, DoubleArrow(x1, y1, x2, y2, 6.0), 1.5);
  } else if (name == QLatin1String("Deformer") || name == QLatin1String("SelDeformer")) {
    if (name.startsWith(QLatin1String("Sel"))) Pointer(p);
    QPainterPath box;
    box.addRect(14, 14, 14, 14);
    Stroke(p, box);
    for (const QPointF &c : {QPointF(14, 14), QPointF(28, 14), QPointF(14, 28), QPointF(28, 28)}) {
      QPainterPath handle;
      handle.addRect(c.x() - 2, c.y() - 2, 4, 4);
      Fill(p, handle, Qt::black);
    }
    hot = name.startsWith(QLatin1String("Sel")) ? QPoint(1, 1) : QPoint(15, 15);
  } else if (name == QLatin1String("Deplacer")) {
    Stroke(p, FourArrows(15.5, 15.5, 12), 1.5);
  } else if (name == QLatin1String("Detection")) {
    CrossHair(p);
    QPainterPath box;
    box.addRect(7.5, 7.5, 16, 16);
    p.setPen(QPen(Qt::black, 1, Qt::DotLine));
    p.setBrush(Qt::NoBrush);
    p.drawPath(box);
  } else if (name == QLatin1String("Dupliquer")) {
    Pointer(p);
    QPainterPath plus = Line(20, 24, 30, 24);
    plus.addPath(Line(25, 19, 25, 29));
    Stroke(p, plus, 2.0);
    hot = QPoint(1, 1);
  } else if (name == QLatin1String("Echelle")) {
    CrossHair(p);
    QPainterPath ruler;
    ruler.addRect(18.5, 24.5, 12, 5);
    for (int x = 21; x <= 29; x += 3) ruler.addPath(Line(x + 0.5, 24.5, x + 0.5, 27));
    Fill(p, ruler, QColor(255, 240, 150));
  } else if (name == QLatin1String("Gomme")) {
    Eraser(p, 0, 6, 1.4);
    hot = QPoint(4, 22);
  } else if (name == QLatin1String("Inverser")) {
    Stroke(p, DoubleArrow(4, 12, 28, 12), 1.5);
    Stroke(p, DoubleArrow(4, 20, 28, 20), 1.5);
  } else if (name.startsWith(QLatin1String("Marque"))) {
    CrossHair(p);
    QPainterPath ring;
    ring.addEllipse(QPointF(15.5, 15.5), 5, 5);
    Stroke(p, ring);
    if (name.size() > 6) Digit(p, name.right(1).toInt(), 22, 30);
  } else if (name == QLatin1String("Nesw")) {
    Stroke(p, DoubleArrow(6, 26, 26, 6, 6.0), 1.5);
  } else if (name == QLatin1String("Nwse")) {
    Stroke(p, DoubleArrow(6, 6, 26, 26, 6.0), 1.5);
  } else if (name == QLatin1String("Origine")) {
    CrossHair(p);
    QPainterPath axes;
    axes.moveTo(20.5, 20);
    axes.lineTo(20.5, 30.5);
    axes.lineTo(31, 30.5);
    Stroke(p, axes, 1.5);
  } else if (name == QLatin1String("Pan")) {
    QPainterPath palm;
    palm.addRoundedRect(9, 12, 14, 13, 4, 4);
    for (int f = 0; f < 4; ++f) palm.addRoundedRect(9 + f * 3.6, 4 + (f == 0 || f == 3 ? 3 : 0), 3.2, 12, 1.5, 1.5);
    palm.setFillRule(Qt::WindingFill);
    Fill(p, palm.simplified(), Qt::white);
  } else if (name.startsWith(QLatin1String("Pen"))) {
    Pencil(p);
    if (name.size() > 3) Digit(p, name.right(1).toInt(), 2, 30);
    hot = QPoint(1, 1);
  } else if (name == QLatin1String("Reticule")) {
    CrossHair(p, 15.5, 15.0);
  } else if (name == QLatin1String("Rotation")) {
    Stroke(p, RoundArrow(15.5, 15.5, 10), 1.5);
  } else if (name == QLatin1String("Selection")) {
    Pointer(p);
    Stroke(p, FourArrows(24, 24, 6));
    hot = QPoint(1, 1);
  } else if (name == QLatin1String("SelRotation")) {
    Pointer(p);
    Stroke(p, RoundArrow(24, 24, 5));
    hot = QPoint(1, 1);
  } else if (name == QLatin1String("SelGomme")) {
    Pointer(p);
    Eraser(p, 14, 12, 0.8);
    hot = QPoint(1, 1);
  } else if (name.startsWith(QLatin1String("Zoom"))) {
    Magnifier(p);
    if (name == QLatin1String("Zoom")) {
      QPainterPath plus = Line(8, 12, 16, 12);
      plus.addPath(Line(12, 8, 12, 16));
      Stroke(p, plus, 1.5);
    } else if (name == QLatin1String("ZoomX")) {
      Stroke(p, DoubleArrow(6, 12, 18, 12, 3.0));
    } else {
      Stroke(p, DoubleArrow(12, 6, 12, 18, 3.0));
    }
    hot = QPoint(12, 12);
  }
}

}  // namespace cursor_images

QString CursorName(int index) {
  if (index < 1 || index > CursorCount) return QString();
  return QLatin1String(cursor_images::Names[size_t(index - 1)]);
}

TCursorImage CursorImage(int index) {
  TCursorImage result;
  if (index < 1 || index > CursorCount) return result;
  result.Image = QImage(32, 32, QImage::Format_ARGB32_Premultiplied);
  result.Image.fill(Qt::transparent);
  QPainter painter(&result.Image);
  painter.setRenderHint(QPainter::Antialiasing, true);
  cursor_images::Draw(painter, index, result.HotSpot);
  return result;
}

Qt::CursorShape SystemCursorShape(int index) {
  switch (index) {
    case crSizeAll:
      return Qt::SizeAllCursor;
    case crSizeNS:
      return Qt::SizeVerCursor;
    case crSizeWE:
      return Qt::SizeHorCursor;
    default:
      return Qt::ArrowCursor;
  }
}

}  // namespace kolibra::videoview
