#pragma once
// A graph for the printing tests: a frame and the word "GRAPH" filling whatever rectangle
// it is given, at a pixel size of our choosing.

#include "printing/GraphDrawing.h"

#include <QFont>
#include <QPainter>

namespace kolibra::printing::testing {

class TStandInGraph : public IGraphDrawing {
 public:
  explicit TStandInGraph(QSize size) : Size(size) {}
  QSize PixelSize() const override { return Size; }
  void Draw(QPainter &painter, const QRectF &target) const override {
    painter.setPen(Qt::black);
    painter.drawRect(target);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(std::max(1, int(target.height() / 8)));
    painter.setFont(font);
    painter.drawText(target, Qt::AlignCenter, QStringLiteral("GRAPH"));
  }

  QSize Size;
};

inline std::shared_ptr<TStandInGraph> Graph(int width, int height) {
  return std::make_shared<TStandInGraph>(QSize(width, height));
}

}  // namespace kolibra::printing::testing
