// One small drawing per button, in the same few colours: dark blue lines, an orange object,
// green and red for what is measured. Drawn at start-up at the size the bars use.

#include "mainwindow/Icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <cmath>

namespace kolibra::mainwindow {

namespace icons {

const QColor Ink(31, 59, 115);
const QColor Object(240, 150, 30);
const QColor Measure(30, 150, 70);
const QColor Alert(200, 40, 40);
const QColor Sheet(170, 210, 250, 150);

// Drawing in a 32 x 32 box scaled to the picture.
class TSketch {
 public:
  TSketch(QImage &image, double boxWidth, double boxHeight) : P(&image) {
    P.setRenderHint(QPainter::Antialiasing, true);
    P.scale(image.width() / boxWidth, image.height() / boxHeight);
  }
  void Pen(const QColor &colour, double width = 2.0) {
    P.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    P.setBrush(Qt::NoBrush);
  }
  void Line(double x1, double y1, double x2, double y2) { P.drawLine(QPointF(x1, y1), QPointF(x2, y2)); }
  void Arrow(double x1, double y1, double x2, double y2, double head = 4.0) {
    Line(x1, y1, x2, y2);
    const double a = std::atan2(y2 - y1, x2 - x1);
    QPolygonF tip;
    tip << QPointF(x2, y2) << QPointF(x2 - head * std::cos(a - 0.5), y2 - head * std::sin(a - 0.5))
        << QPointF(x2 - head * std::cos(a + 0.5), y2 - head * std::sin(a + 0.5));
    P.setBrush(P.pen().color());
    P.drawPolygon(tip);
    P.setBrush(Qt::NoBrush);
  }
  void Dot(double x, double y, double r, const QColor &fill) {
    P.setBrush(fill);
    P.drawEllipse(QPointF(x, y), r, r);
    P.setBrush(Qt::NoBrush);
  }
  void Box(double x, double y, double w, double h, const QColor &fill = Qt::transparent) {
    P.setBrush(fill);
    P.drawRect(QRectF(x, y, w, h));
    P.setBrush(Qt::NoBrush);
  }
  void Polygon(const QPolygonF &polygon, const QColor &fill) {
    P.setBrush(fill);
    P.drawPolygon(polygon);
    P.setBrush(Qt::NoBrush);
  }
  void Text(const QRectF &rect, const QString &text, double size, bool bold = true) {
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(int(size));
    font.setBold(bold);
    P.setFont(font);
    P.drawText(rect, Qt::AlignCenter, text);
  }
  QPainter P;
};

void Axes(TSketch &s, double ox, double oy, double lx, double ly) {
  s.Pen(Ink, 2.0);
  s.Arrow(ox, oy, ox + lx, oy);
  s.Arrow(ox, oy, ox, oy - ly);
}

void Trajectory(TSketch &s, double x0, double y0, double w, double h, int dots) {
  s.Pen(Ink, 1.0);
  for (int i = 0; i < dots; ++i) {
    const double t = double(i) / (dots - 1);
    s.Dot(x0 + w * t, y0 - 4.0 * h * t * (1.0 - t), 2.2, Object);
  }
}

void Magnifier(TSketch &s) {
  s.Pen(Ink, 2.5);
  s.P.setBrush(QColor(220, 235, 255));
  s.P.drawEllipse(QPointF(13, 13), 8, 8);
  s.Pen(Ink, 4.0);
  s.Line(19, 19, 27, 27);
}

void Ruler(TSketch &s, bool vertical) {
  s.P.save();
  if (vertical) {
    s.P.translate(32, 0);
    s.P.rotate(90);
  }
  s.Pen(Ink, 1.5);
  s.Box(3, 14, 26, 8, QColor(255, 230, 140));
  for (int x = 6; x <= 26; x += 4) s.Line(x, 14, x, x % 8 == 2 ? 19 : 17);
  s.Pen(Measure, 2.0);
  s.Arrow(10, 8, 3, 8, 3.5);
  s.Arrow(22, 8, 29, 8, 3.5);
  s.P.restore();
}

void Eraser(TSketch &s) {
  QPolygonF body;
  body << QPointF(4, 20) << QPointF(16, 8) << QPointF(26, 18) << QPointF(14, 30);
  s.Pen(Ink, 1.5);
  s.Polygon(body, QColor(240, 120, 140));
  QPolygonF tip;
  tip << QPointF(4, 20) << QPointF(9, 15) << QPointF(19, 25) << QPointF(14, 30);
  s.Polygon(tip, QColor(250, 250, 250));
}

void Film(TSketch &s, bool negative) {
  s.Pen(Ink, 1.5);
  s.Box(3, 6, 26, 20, QColor(60, 60, 70));
  for (int i = 0; i < 3; ++i) s.Box(5 + i * 8.3, 10, 6.5, 12, i == 1 && negative ? QColor(250, 250, 250) : QColor(150, 190, 230));
  s.Pen(QColor(240, 240, 240), 1.0);
  for (int x = 5; x < 29; x += 4) {
    s.Box(x, 7, 2, 1.5, QColor(240, 240, 240));
    s.Box(x, 23.5, 2, 1.5, QColor(240, 240, 240));
  }
}

void Camera(TSketch &s) {
  s.Pen(Ink, 1.5);
  s.Box(3, 10, 20, 14, QColor(90, 100, 120));
  QPolygonF lens;
  lens << QPointF(23, 14) << QPointF(30, 10) << QPointF(30, 24) << QPointF(23, 20);
  s.Polygon(lens, QColor(90, 100, 120));
  s.Dot(9, 8, 3, Alert);
}

// What each capture button does, in a small white badge at the camera's lower right.
void CaptureBadge(TSketch &s, TControl c) {
  s.Pen(Ink, 1.0);
  s.Box(17, 17, 14, 14, Qt::white);
  s.Pen(Ink, 1.4);
  switch (c) {
    case ButtonCapDevice:  // a list of cameras
      for (double y : {21.0, 24.5, 28.0}) s.Line(19.5, y, 28.5, y);
      break;
    case ButtonCapConfigurer:  // a slider
      s.Line(19, 24, 29, 24);
      s.Dot(22, 24, 2, Object);
      break;
    case ButtonCapFormat:  // a picture's frame
      s.Box(19.5, 20.5, 9, 7);
      break;
    case ButtonCapVitesse:  // fast forward
      s.Line(19.5, 20, 23.5, 24);
      s.Line(23.5, 24, 19.5, 28);
      s.Line(24.5, 20, 28.5, 24);
      s.Line(28.5, 24, 24.5, 28);
      break;
    case ButtonCapCompression:  // squeezed
      s.Arrow(19, 24, 23, 24, 2.5);
      s.Arrow(29, 24, 25, 24, 2.5);
      break;
    case ButtonCapTimer:  // a clock
      s.P.drawEllipse(QPointF(24, 24), 5, 5);
      s.Line(24, 24, 24, 20.5);
      s.Line(24, 24, 26.5, 25.5);
      break;
    default:
      break;
  }
}

void Outline(TSketch &s, const QColor &fill) {
  QPainterPath blob;
  blob.moveTo(8, 20);
  blob.cubicTo(4, 8, 18, 2, 24, 10);
  blob.cubicTo(30, 18, 20, 30, 8, 20);
  s.Pen(Ink, 1.5);
  s.P.setBrush(fill);
  s.P.drawPath(blob);
  s.P.setBrush(Qt::NoBrush);
  s.Pen(Ink, 1.0);
  s.P.setPen(QPen(Ink, 1.2, Qt::DashLine));
  s.P.drawEllipse(QPointF(16, 16), 13, 13);
}

void Target(TSketch &s) {
  s.Pen(Alert, 1.8);
  s.P.drawEllipse(QPointF(16, 16), 11, 11);
  s.P.drawEllipse(QPointF(16, 16), 6, 6);
  s.Dot(16, 16, 2, Alert);
}

void Cross(TSketch &s, const QColor &colour) {
  s.Pen(colour, 2.5);
  s.Line(20, 20, 29, 29);
  s.Line(29, 20, 20, 29);
}

void Play(TSketch &s) {
  QPolygonF triangle;
  triangle << QPointF(10, 7) << QPointF(25, 16) << QPointF(10, 25);
  s.Pen(Ink, 1.0);
  s.Polygon(triangle, Measure);
}

void Step(TSketch &s, bool forward, bool toEnd) {
  s.P.save();
  if (!forward) {
    s.P.translate(32, 0);
    s.P.scale(-1, 1);
  }
  s.Pen(Ink, 1.0);
  QPolygonF triangle;
  if (toEnd) {
    triangle << QPointF(6, 8) << QPointF(16, 16) << QPointF(6, 24);
    s.Polygon(triangle, Ink);
    triangle.translate(9, 0);
    s.Polygon(triangle, Ink);
    s.Box(25, 8, 2.5, 16, Ink);
  } else {
    triangle << QPointF(10, 8) << QPointF(20, 16) << QPointF(10, 24);
    s.Polygon(triangle, Ink);
    s.Box(21, 8, 2.5, 16, Ink);
  }
  s.P.restore();
}

void Graph(TSketch &s) {
  s.Pen(Ink, 1.5);
  s.Arrow(5, 27, 29, 27, 3.5);
  s.Arrow(5, 27, 5, 3, 3.5);
}

void Draw(TSketch &s, TControl c) {
  switch (c) {
    case ButtonModeRepereFixe:
      Axes(s, 5, 27, 24, 22);
      Trajectory(s, 9, 24, 19, 18, 5);
      return;
    case ButtonModeTransparent:
    case ButtonOutilTsp: {
      QPolygonF sheet;
      sheet << QPointF(4, 8) << QPointF(24, 4) << QPointF(28, 24) << QPointF(8, 28);
      s.Pen(Ink, 1.5);
      s.Polygon(sheet, Sheet);
      s.Pen(Ink, 1.0);
      s.Arrow(16, 16, 26, 14, 3.0);
      s.Arrow(16, 16, 14, 6, 3.0);
      s.Dot(21, 22, 2.2, Object);
      return;
    }
    case ButtonModeTracking:
      Target(s);
      s.Pen(Measure, 1.8);
      s.Arrow(4, 28, 11, 21, 4);
      return;
    case ButtonModeStudio:
      s.Pen(Ink, 1.0);
      for (int i = 0; i < 4; ++i) {
        QColor ghost = Object;
        ghost.setAlpha(70 + 60 * i);
        s.Dot(6 + i * 7, 24 - i * 5, 4, ghost);
      }
      return;
    case ButtonModeMontage:
    case ButtonMontageBasculer:
    case ButtonMontageBasculerMult:
      Film(s, true);
      return;
    case ButtonModeCapture:
    case ButtonCapDevice:
    case ButtonCapConfigurer:
    case ButtonCapFormat:
    case ButtonCapVitesse:
    case ButtonCapCompression:
    case ButtonCapTimer:
      Camera(s);
      if (c != ButtonModeCapture) CaptureBadge(s, c);
      return;
    case ButtonCapEnregistrer:
      Camera(s);
      s.Dot(26, 26, 4, Alert);
      return;
    case ButtonOutilZoom:
      Magnifier(s);
      s.Pen(Ink, 2.0);
      s.Line(9, 13, 17, 13);
      s.Line(13, 9, 13, 17);
      return;
    case ButtonOutilPan:
      s.Pen(Ink, 2.0);
      s.Arrow(16, 16, 16, 3);
      s.Arrow(16, 16, 16, 29);
      s.Arrow(16, 16, 3, 16);
      s.Arrow(16, 16, 29, 16);
      return;
    case ButtonOutilEchelle:
    case ButtonOutilEchelleHoriz:
      Ruler(s, false);
      return;
    case ButtonOutilEchelleVert:
      Ruler(s, true);
      return;
    case ButtonOutilPlan: {
      // A board seen at an angle, its grid in perspective, the first corner marked.
      QPolygonF board;
      board << QPointF(3, 9) << QPointF(29, 4) << QPointF(29, 29) << QPointF(3, 24);
      s.Pen(Ink, 1.5);
      s.Polygon(board, Sheet);
      s.Pen(Ink, 0.8);
      for (int i = 1; i < 3; ++i) {
        const double t = i / 3.0;
        s.Line(3 + 26 * t, 9 - 5 * t, 3 + 26 * t, 24 + 5 * t);
        s.Line(3, 9 + 15 * t, 29, 4 + 25 * t);
      }
      s.Pen(Ink, 1.2);
      s.Dot(3, 24, 2.8, Alert);
      return;
    }
    case ButtonOutilLentille: {
      // A line the lens bends, and the straight line it really is.
      s.Pen(Measure, 2.0);
      s.Line(4, 26, 28, 6);
      s.Pen(Ink, 2.0);
      QPainterPath bent;
      bent.moveTo(4, 26);
      bent.quadTo(10, 10, 28, 6);
      s.P.drawPath(bent);
      s.Dot(4, 26, 2.2, Object);
      s.Dot(16, 16, 2.2, Object);
      s.Dot(28, 6, 2.2, Object);
      return;
    }
    case ButtonOutilOrigine:
      Axes(s, 7, 25, 22, 20);
      s.Pen(Alert, 1.5);
      s.Dot(7, 25, 3, Alert);
      return;
    case ButtonOutilMarque:
      Trajectory(s, 4, 26, 24, 20, 6);
      s.Pen(Alert, 1.8);
      s.Line(24, 4, 24, 12);
      s.Line(20, 8, 28, 8);
      return;
    case ButtonOutilDeplacer:
      s.Pen(Ink, 1.5);
      s.Dot(16, 16, 4, Object);
      s.Pen(Ink, 1.6);
      s.Arrow(16, 10, 16, 2, 3.5);
      s.Arrow(16, 22, 16, 30, 3.5);
      s.Arrow(10, 16, 2, 16, 3.5);
      s.Arrow(22, 16, 30, 16, 3.5);
      return;
    case ButtonOutilEffacer:
      Eraser(s);
      return;
    case ButtonOutilNom:
      s.Pen(Ink, 1.5);
      s.Text(QRectF(0, 2, 32, 28), QStringLiteral("Aa"), 16);
      return;
    case ButtonStudioContour:
    case ButtonTrackContour:
      Outline(s, QColor(250, 220, 160));
      return;
    case ButtonStudioEffacerContour:
    case ButtonTrackEffacerContour:
      Outline(s, QColor(250, 220, 160));
      Cross(s, Alert);
      return;
    case ButtonStudioChronoPhoto:
    case ButtonStudioCapture:
    case ButtonStudioV2p:
    case ButtonStudioP2v:
      s.Pen(Ink, 1.5);
      s.Box(4, 6, 24, 20, QColor(200, 225, 250));
      s.Pen(Ink, 1.0);
      s.Dot(12, 18, 3, Object);
      s.Dot(20, 13, 3, Object);
      return;
    case ButtonMontageInstant:
      s.Pen(Ink, 1.8);
      s.P.drawEllipse(QPointF(16, 16), 12, 12);
      s.Line(16, 16, 16, 8);
      s.Line(16, 16, 22, 19);
      return;
    case ButtonMontageEnregistrer:
      Film(s, false);
      s.Pen(Measure, 2.5);
      s.Arrow(16, 2, 16, 14, 4);
      return;
    case ButtonTrackBanZone:
    case ButtonTrackEffacerBanZone:
      s.P.setPen(QPen(Ink, 1.5, Qt::DashLine));
      s.P.setBrush(QColor(200, 200, 200));
      s.P.drawRect(QRectF(5, 5, 18, 18));
      if (c == ButtonTrackEffacerBanZone) Cross(s, Alert);
      return;
    case ButtonTrackEffacerTrack:
      Target(s);
      Cross(s, Ink);
      return;
    case ButtonTrackNumMarque:
      s.Pen(Ink, 1.5);
      s.Text(QRectF(0, 0, 32, 32), QStringLiteral("#1"), 15);
      return;
    case ButtonTrackSequence:
    case ButtonTrackSuivi:
      Target(s);
      s.Pen(Measure, 2);
      s.Arrow(2, 30, 10, 22, 4);
      return;
    case ButtonMenuTableau:
      s.Pen(Ink, 1.2);
      s.Box(3, 5, 26, 22, Qt::white);
      s.Box(3, 5, 26, 5, QColor(196, 223, 155));
      for (int y = 15; y < 27; y += 5) s.Line(3, y, 29, y);
      s.Line(12, 5, 12, 27);
      s.Line(21, 5, 21, 27);
      return;
    case ButtonMenuTemps: {
      Graph(s);
      QPainterPath curve;
      curve.moveTo(6, 22);
      for (int x = 6; x <= 28; ++x) curve.lineTo(x, 16 - 8 * std::sin((x - 6) / 3.5) * std::exp(-(x - 6) / 18.0));
      s.Pen(Measure, 1.8);
      s.P.drawPath(curve);
      return;
    }
    case ButtonMenuReferentiel:
      Graph(s);
      Trajectory(s, 8, 24, 19, 18, 6);
      return;
    case ButtonMenuVecteur:
      Graph(s);
      s.Pen(Alert, 1.8);
      s.Arrow(9, 22, 17, 12, 3.5);
      s.Arrow(17, 12, 27, 10, 3.5);
      return;
    case ButtonMenuFormule:
      s.Pen(Ink, 1.5);
      s.Text(QRectF(0, 0, 32, 32), QStringLiteral("f(x)"), 13);
      return;
    case ButtonVideoLecture:
      Play(s);
      return;
    case ButtonVideoPause:
      s.Pen(Ink, 1.0);
      s.Box(9, 9, 14, 14, Alert);
      return;
    case ButtonVideoRetour:
      Step(s, false, true);
      return;
    case ButtonVideoPred:
      Step(s, false, false);
      return;
    case ButtonVideoSucc:
      Step(s, true, false);
      return;
    case ButtonVideoAvance:
      Step(s, true, true);
      return;
    default:
      return;
  }
}

}  // namespace icons

QImage ControlPicture(TControl control, QSize size) {
  QImage image(size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  if (IsModeButton(control)) {
    // A wide picture: the drawing in the middle third of a 48 x 32 box.
    icons::TSketch sketch(image, 48.0, 32.0);
    sketch.P.translate(8, 0);
    icons::Draw(sketch, control);
  } else {
    icons::TSketch sketch(image, 32.0, 32.0);
    icons::Draw(sketch, control);
  }
  return image;
}

QIcon ControlIcon(TControl control, QSize size) {
  QIcon icon;
  icon.addPixmap(QPixmap::fromImage(ControlPicture(control, size)));
  icon.addPixmap(QPixmap::fromImage(ControlPicture(control, size * 2)));
  return icon;
}

}  // namespace kolibra::mainwindow
