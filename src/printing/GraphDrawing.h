#pragma once
// What printing needs of a graph: its size on screen, which gives its proportions and its
// size on paper at scale 1, and a way to draw it, with white backgrounds, into any rectangle
// of a painter (the preview, a PDF, a printer). The results window's graph control stands
// behind it; tests draw a stand-in.

#include <QRectF>
#include <QSize>

class QPainter;

namespace kolibra::printing {

class IGraphDrawing {
 public:
  virtual ~IGraphDrawing() = default;
  virtual QSize PixelSize() const = 0;
  // Draws the whole graph scaled into target (coordinates of the painter's device).
  virtual void Draw(QPainter &painter, const QRectF &target) const = 0;
};

}  // namespace kolibra::printing
