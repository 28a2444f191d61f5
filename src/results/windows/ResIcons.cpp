#include "results/windows/ResIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <functional>

#include <cmath>
#include <numbers>

namespace kolibra::results {

namespace res_icons_impl {

const QColor Ink(31, 59, 115);
const QColor Object(240, 150, 30);
const QColor Model(0, 150, 150);
const QColor Grid(150, 170, 200);

// A 32 x 32 drawing.
class TPicture {
 public:
  TPicture() : Pixmap(64, 64) {
    Pixmap.fill(Qt::transparent);
    P.begin(&Pixmap);
    P.setRenderHint(QPainter::Antialiasing, true);
    P.scale(2.0, 2.0);
  }
  void Pen(const QColor &c, double w = 2.0) { P.setPen(QPen(c, w, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin)); P.setBrush(Qt::NoBrush); }
  void Line(double x1, double y1, double x2, double y2) { P.drawLine(QPointF(x1, y1), QPointF(x2, y2)); }
  void Arrow(double x1, double y1, double x2, double y2, double head = 5.0) {
    Line(x1, y1, x2, y2);
    const double a = std::atan2(y2 - y1, x2 - x1);
    Line(x2, y2, x2 - head * std::cos(a - 0.5), y2 - head * std::sin(a - 0.5));
    Line(x2, y2, x2 - head * std::cos(a + 0.5), y2 - head * std::sin(a + 0.5));
  }
  void Dot(double x, double y, double r, const QColor &fill) {
    P.setBrush(fill);
    P.drawEllipse(QPointF(x, y), r, r);
    P.setBrush(Qt::NoBrush);
  }
  // A curve y = f(x) over the box, in pixels.
  void Curve(const std::function<double(double)> &f, const QColor &c, double from = 4, double to = 28) {
    Pen(c, 2.0);
    QPainterPath path;
    for (double x = from; x <= to; x += 0.5) {
      if (x == from)
        path.moveTo(x, f(x));
      else
        path.lineTo(x, f(x));
    }
    P.drawPath(path);
  }
  void Axes() {
    Pen(Ink, 1.5);
    Line(3, 29, 30, 29);
    Line(3, 29, 3, 2);
  }
  void Text(const QString &text, double size, const QColor &c, const QRectF &box = QRectF(0, 0, 32, 32)) {
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(int(size));
    font.setBold(true);
    P.setFont(font);
    P.setPen(c);
    P.drawText(box, Qt::AlignCenter, text);
  }
  QIcon Done() {
    P.end();
    return QIcon(Pixmap);
  }
  QPixmap Pixmap;
  QPainter P;
};

void Parabola(TPicture &p, const QColor &c) {
  p.Curve([](double x) { return 6 + 0.16 * (x - 16) * (x - 16); }, c);
}

}  // namespace res_icons_impl

QIcon ResIcon(TResIcon icon) {
  using namespace res_icons_impl;
  TPicture p;
  switch (icon) {
    case riTableau:
      p.Pen(Ink, 1.5);
      for (int i = 0; i <= 4; ++i) p.Line(3, 4 + 6 * i, 29, 4 + 6 * i);
      for (int x : {3, 11, 20, 29}) p.Line(x, 4, x, 28);
      p.P.fillRect(QRectF(3.7, 4.7, 24.6, 5.3), QColor(200, 215, 240));
      break;
    case riTemps:
      p.Axes();
      p.Curve([](double x) { return 26 - 20 * std::sin((x - 4) / 24.0 * std::numbers::pi * 0.9); }, Object);
      break;
    case riReferentiel:
      p.Axes();
      for (int i = 0; i < 6; ++i) {
        const double t = i / 5.0;
        p.Dot(6 + 22 * t, 26 - 80 * t * (1 - t), 2.2, Object);
      }
      break;
    case riVecteur:
      p.Pen(Ink, 1.0);
      for (int i = 0; i < 4; ++i) {
        const double t = i / 3.0;
        const double x = 5 + 20 * t, y = 24 - 60 * t * (1 - t);
        p.Dot(x, y, 2.0, Object);
        p.Pen(QColor(148, 0, 211), 1.8);
        p.Arrow(x, y, x + 6, y - 12 * (1 - 2 * t), 4);
      }
      break;
    case riFormule: p.Text(QStringLiteral("f(x)"), 14, Ink); break;
    case riClavier:
      p.Pen(Ink, 1.2);
      for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 4; ++c) p.P.drawRoundedRect(QRectF(3 + 7 * c, 7 + 7 * r, 5.5, 5.5), 1, 1);
      break;
    case riFermer:
      p.Pen(Ink, 2.5);
      p.Arrow(26, 16, 6, 16, 7);
      break;
    case riModeleAffine:
      p.Axes();
      p.Pen(Model, 2.2);
      p.Line(4, 22, 29, 6);
      break;
    case riModeleConstant:
      p.Axes();
      p.Pen(Model, 2.2);
      p.Line(4, 14, 29, 14);
      break;
    case riModeleExponentiel:
      p.Axes();
      p.Curve([](double x) { return 27 - 22 * std::exp((x - 28) / 7.0); }, Model);
      break;
    case riModeleParabole:
      p.Axes();
      Parabola(p, Model);
      break;
    case riModeleProportionnel:
      p.Axes();
      p.Pen(Model, 2.2);
      p.Line(3, 29, 28, 5);
      break;
    case riModeleSinus:
      p.Axes();
      p.Curve([](double x) { return 16 - 9 * std::sin((x - 4) / 24.0 * 2 * std::numbers::pi); }, Model);
      break;
    case riModeleSinusAe:
      p.Axes();
      p.Curve([](double x) { return 16 - 12 * std::exp(-(x - 4) / 10.0) * std::sin((x - 4) / 24.0 * 4 * std::numbers::pi); },
              Model);
      break;
    case riModeleSinusAl:
      p.Axes();
      p.Curve([](double x) { return 16 - 12 * (1 - (x - 4) / 30.0) * std::sin((x - 4) / 24.0 * 4 * std::numbers::pi); },
              Model);
      break;
    case riModifierModele:
      p.Axes();
      Parabola(p, Model);
      p.Pen(Ink, 1.8);
      p.Arrow(16, 20, 16, 8, 4);
      p.Arrow(16, 8, 16, 20, 4);
      break;
    case riAngle:
      p.Pen(QColor(199, 21, 133), 2.0);
      p.Line(28, 26, 5, 26);
      p.Line(5, 26, 24, 6);
      p.P.drawArc(QRectF(-5, 16, 20, 20), 0, 47 * 16);
      break;
    case riArc:
      p.Pen(QColor(184, 134, 11), 2.2);
      p.P.drawArc(QRectF(4, 8, 24, 24), 20 * 16, 140 * 16);
      break;
    case riCercle:
      p.Pen(QColor(220, 157, 93), 2.2);
      p.P.drawEllipse(QPointF(16, 16), 11, 11);
      p.Dot(16, 16, 1.5, QColor(220, 157, 93));
      break;
    case riEllipse:
      p.Pen(QColor(255, 127, 80), 2.2);
      p.P.drawEllipse(QPointF(16, 16), 13, 8);
      break;
    case riCurveArc:
      p.Pen(QColor(184, 134, 11), 2.2);
      p.P.drawArc(QRectF(4, 10, 24, 24), 20 * 16, 140 * 16);
      p.Pen(Ink, 1.8);
      p.Arrow(16, 18, 16, 4, 4);
      break;
    case riDupliquer:
      p.Pen(QColor(0, 100, 0), 2.2);
      p.Line(4, 24, 20, 10);
      p.Line(10, 28, 26, 14);
      p.Text(QStringLiteral("+"), 14, Ink, QRectF(18, 0, 14, 14));
      break;
    case riMesurer:
      p.Pen(Ink, 1.5);
      p.P.drawRect(QRectF(3, 11, 26, 10));
      for (int i = 0; i < 6; ++i) p.Line(6 + 4 * i, 11, 6 + 4 * i, i % 2 == 0 ? 17 : 15);
      break;
    case riSegment:
      p.Pen(QColor(0, 100, 0), 2.4);
      p.Line(5, 26, 27, 6);
      p.Dot(5, 26, 2, QColor(0, 100, 0));
      p.Dot(27, 6, 2, QColor(0, 100, 0));
      break;
    case riSpline:
      p.Curve([](double x) { return 16 - 10 * std::sin((x - 4) / 24.0 * 1.5 * std::numbers::pi); }, QColor(65, 105, 225));
      break;
    case riSelection:
      p.Pen(Ink, 1.5);
      p.P.setBrush(Qt::white);
      p.P.drawPolygon(QPolygonF({QPointF(8, 4), QPointF(8, 26), QPointF(13, 21), QPointF(17, 29), QPointF(20, 27),
                                 QPointF(16, 19), QPointF(23, 19)}));
      break;
    case riSupprimer:
      p.Pen(QColor(200, 40, 40), 3.0);
      p.Line(8, 8, 24, 24);
      p.Line(24, 8, 8, 24);
      break;
    case riVecteurOutil:
      p.Pen(QColor(148, 0, 211), 2.4);
      p.Arrow(5, 26, 26, 7, 7);
      break;
    case riSens:
      p.Pen(QColor(148, 0, 211), 2.2);
      p.Arrow(4, 12, 28, 12, 6);
      p.Arrow(28, 22, 4, 22, 6);
      break;
    case riVideo:
      p.Pen(Ink, 1.5);
      p.P.setBrush(QColor(200, 215, 240));
      p.P.drawRect(QRectF(3, 7, 26, 18));
      p.Dot(12, 18, 3, Object);
      break;
    case riReticule:
      p.Pen(Ink, 1.6);
      p.Line(16, 3, 16, 29);
      p.Line(3, 16, 29, 16);
      p.P.drawEllipse(QPointF(16, 16), 7, 7);
      break;
    case riPan:
      p.Pen(Ink, 2.0);
      p.Arrow(16, 16, 16, 3, 5);
      p.Arrow(16, 16, 16, 29, 5);
      p.Arrow(16, 16, 3, 16, 5);
      p.Arrow(16, 16, 29, 16, 5);
      break;
    case riZoom:
      p.Pen(Ink, 2.2);
      p.P.drawEllipse(QPointF(13, 13), 8, 8);
      p.Pen(Ink, 3.5);
      p.Line(19, 19, 28, 28);
      break;
  }
  return p.Done();
}

}  // namespace kolibra::results
