// printdemo [--heading TEXT] [--double] [--full] [--zoom PERCENT]
// The print window with a small graph drawn here (axes, a parabola of points and its
// curve), shown as the results window shows it.
#include "printing/windows/BoiteImprimer.h"

#include <QApplication>
#include <QCheckBox>
#include <QCommandLineParser>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QSlider>
#include <QToolButton>

using namespace kolibra::printing;

namespace {

class TDemoGraph : public IGraphDrawing {
 public:
  QSize PixelSize() const override { return QSize(800, 600); }
  void Draw(QPainter &painter, const QRectF &target) const override {
    painter.save();
    painter.translate(target.topLeft());
    painter.scale(target.width() / 800.0, target.height() / 600.0);
    painter.fillRect(QRectF(0, 0, 800, 600), Qt::white);
    painter.setPen(QPen(Qt::black, 1.5));
    painter.drawLine(QPointF(60, 540), QPointF(770, 540));
    painter.drawLine(QPointF(60, 540), QPointF(60, 30));
    painter.drawText(QRectF(700, 548, 70, 20), Qt::AlignRight, QStringLiteral("t (s)"));
    painter.drawText(QRectF(66, 26, 80, 20), Qt::AlignLeft, QStringLiteral("y (m)"));
    QPainterPath curve;
    for (int i = 0; i <= 100; ++i) {
      const double t = i / 100.0;
      const QPointF p(60 + 700 * t, 540 - 480 * 4 * t * (1 - t));
      if (i == 0) curve.moveTo(p); else curve.lineTo(p);
    }
    painter.setPen(QPen(QColor(200, 40, 40), 2));
    painter.drawPath(curve);
    painter.setPen(QPen(QColor(30, 60, 200), 2));
    for (int i = 0; i <= 20; ++i) {
      const double t = i / 20.0;
      painter.drawEllipse(QPointF(60 + 700 * t, 540 - 480 * 4 * t * (1 - t)), 4, 4);
    }
    painter.restore();
  }
};

}  // namespace

int main(int argc, char **argv) {
  QApplication app(argc, argv);
  QCommandLineParser parser;
  const QCommandLineOption title(QStringLiteral("heading"), QStringLiteral("The title (QApplication takes -title)."), QStringLiteral("text"));
  const QCommandLineOption twice(QStringLiteral("double"), QStringLiteral("Check Double."));
  const QCommandLineOption full(QStringLiteral("full"), QStringLiteral("Apply Full page."));
  const QCommandLineOption zoom(QStringLiteral("zoom"), QStringLiteral("The zoom."), QStringLiteral("percent"));
  parser.addOptions({title, twice, full, zoom});
  parser.addHelpOption();
  parser.process(app);

  TBoiteImprimer window;
  window.SetGraphic(TDemoGraph(), QStringLiteral("Parabole - time"));
  if (parser.isSet(title)) window.EditTitre->setText(parser.value(title));
  if (parser.isSet(full)) window.ButtonPleinePage->click();
  if (parser.isSet(twice)) window.CheckBoxMiroir->click();
  if (parser.isSet(zoom)) window.TrackBar->setValue(parser.value(zoom).toInt());
  window.show();
  return app.exec();
}
