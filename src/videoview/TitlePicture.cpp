#include "videoview/TitlePicture.h"

#include <QCoreApplication>
#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace kolibra::videoview {

QImage TitlePicture() {
  const int w = 960;
  const int h = 540;
  QImage picture(w, h, QImage::Format_RGB888);
  QPainter p(&picture);
  p.setRenderHint(QPainter::Antialiasing, true);
  QLinearGradient sky(0, 0, 0, h);
  sky.setColorAt(0.0, QColor(18, 40, 78));
  sky.setColorAt(1.0, QColor(6, 14, 30));
  p.fillRect(0, 0, w, h, sky);

  // A ball thrown from the lower left: its trajectory and its positions at equal times.
  QPainterPath path;
  const auto at = [&](double t) { return QPointF(90 + 780 * t, 450 - 1300 * t * (1.0 - t) * 1.05); };
  path.moveTo(at(0));
  for (int i = 1; i <= 100; ++i) path.lineTo(at(i / 100.0));
  p.setPen(QPen(QColor(120, 170, 230, 140), 2, Qt::DashLine));
  p.drawPath(path);
  for (int i = 0; i <= 12; ++i) {
    const QPointF c = at(i / 12.0);
    p.setPen(QPen(QColor(255, 255, 255, 200), 1.5));
    p.setBrush(QColor(250, 200, 60));
    p.drawEllipse(c, 7, 7);
  }
  // The axes of a reference frame at the start.
  p.setPen(QPen(QColor(255, 230, 0), 3));
  p.drawLine(QPointF(90, 450), QPointF(210, 450));
  p.drawLine(QPointF(90, 450), QPointF(90, 330));

  QFont title(QStringLiteral("Arial"));
  title.setPixelSize(96);
  title.setBold(true);
  p.setFont(title);
  p.setPen(Qt::white);
  p.drawText(QRect(0, 150, w, 130), Qt::AlignHCenter | Qt::AlignVCenter, QStringLiteral("Kolibra"));
  QFont subtitle(QStringLiteral("Arial"));
  subtitle.setPixelSize(30);
  p.setFont(subtitle);
  p.setPen(QColor(200, 215, 235));
  p.drawText(QRect(0, 280, w, 50), Qt::AlignHCenter | Qt::AlignVCenter,
             QCoreApplication::translate("TVideo", "Mechanics from video"));
  return picture;
}

}  // namespace kolibra::videoview
