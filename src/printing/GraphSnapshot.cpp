#include "printing/GraphSnapshot.h"

#include <QPainter>
#include <QPicture>

namespace kolibra::printing {

namespace graph_snapshot {

class TGraphSnapshot : public IGraphDrawing {
 public:
  TGraphSnapshot(QPicture picture, QSize size) : Picture(std::move(picture)), Size(size) {}
  QSize PixelSize() const override { return Size; }
  void Draw(QPainter &painter, const QRectF &target) const override {
    painter.save();
    painter.translate(target.topLeft());
    // A picture replays at its physical size: on a device of another resolution (a printer,
    // a PDF) it scales itself by the ratio of resolutions, which the target already holds.
    double ratioX = 1.0, ratioY = 1.0;
    if (const QPaintDevice *device = painter.device(); device != nullptr && device->logicalDpiX() > 0) {
      ratioX = double(Picture.logicalDpiX()) / device->logicalDpiX();
      ratioY = double(Picture.logicalDpiY()) / device->logicalDpiY();
    }
    painter.scale(ratioX * target.width() / Size.width(), ratioY * target.height() / Size.height());
    painter.drawPicture(0, 0, Picture);
    painter.restore();
  }

 private:
  QPicture Picture;
  QSize Size;
};

}  // namespace graph_snapshot

std::shared_ptr<const IGraphDrawing> SnapshotOf(const IGraphDrawing &graph) {
  const QSize size = graph.PixelSize();
  if (size.width() <= 0 || size.height() <= 0) return nullptr;
  QPicture picture;
  {
    QPainter painter(&picture);
    graph.Draw(painter, QRectF(0, 0, size.width(), size.height()));
  }
  return std::make_shared<graph_snapshot::TGraphSnapshot>(std::move(picture), size);
}

}  // namespace kolibra::printing
