#include "mainwindow/OptionsPageIcons.h"

#include "mainwindow/Icons.h"

#include <QFont>
#include <functional>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace kolibra::mainwindow {

namespace options_page_icons {

constexpr int Size = 24;
const QColor Ink(31, 59, 115);

QIcon Drawn(const std::function<void(QPainter &)> &draw) {
  QPixmap pixmap(Size, Size);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(Size / 32.0, Size / 32.0);
  draw(p);
  return QIcon(pixmap);
}

}  // namespace options_page_icons

QIcon OptionsPageIcon(const QString &page) {
  using namespace options_page_icons;
  const struct {
    const char *Page;
    TControl Control;
  } views[] = {
      {"TabSheetDatasheet", ButtonMenuTableau},   {"TabSheetTime", ButtonMenuTemps},
      {"TabSheetTrajectory", ButtonMenuReferentiel}, {"TabSheetVectors", ButtonMenuVecteur},
      {"TabSheetFormulas", ButtonMenuFormule},
  };
  for (const auto &view : views)
    if (page == QLatin1String(view.Page)) return ControlIcon(view.Control, QSize(Size, Size));

  if (page == QLatin1String("TabSheetFormulaEntry")) {
    // A formula being typed: text and a caret.
    return Drawn([](QPainter &p) {
      p.setPen(QPen(Ink, 1.2));
      p.setBrush(Qt::white);
      p.drawRoundedRect(QRectF(2, 7, 28, 18), 3, 3);
      QFont font(QStringLiteral("Arial"));
      font.setPixelSize(11);
      font.setBold(true);
      p.setFont(font);
      p.drawText(QRectF(4, 7, 20, 18), Qt::AlignCenter, QStringLiteral("a=b"));
      p.drawLine(QPointF(26, 10), QPointF(26, 22));
    });
  }
  if (page == QLatin1String("TabSheetGraphs")) {
    // Axes and lines of three thicknesses.
    return Drawn([](QPainter &p) {
      p.setPen(QPen(Ink, 1.5));
      p.drawLine(QPointF(4, 28), QPointF(30, 28));
      p.drawLine(QPointF(4, 28), QPointF(4, 2));
      const QColor colours[] = {QColor(30, 150, 70), QColor(240, 150, 30), QColor(200, 40, 40)};
      for (int i = 0; i < 3; ++i) {
        p.setPen(QPen(colours[i], 1.0 + 1.2 * i, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(8, 24 - 7 * i), QPointF(28, 16 - 7 * i));
      }
    });
  }
  return QIcon();
}

}  // namespace kolibra::mainwindow
