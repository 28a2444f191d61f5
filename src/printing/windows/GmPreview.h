#pragma once
// TGmPreview: the page preview of the print window. It shows the sheet of the layout at a
// zoom (100 per cent: the page at its real size on this screen) inside scroll bars, drawn
// by the one page drawing with the margins and the dotted frames, and hands the mouse to
// the layout in page coordinates (0.01 mm). Where the layout offers no handle and no
// picture to move, the left button pans the page instead.

#include "printing/PrintLayout.h"

#include <QScrollArea>

namespace kolibra::printing {

class TGmPreview : public QScrollArea {
  Q_OBJECT

 public:
  TGmPreview(TPrintLayout &layout, QWidget *parent = nullptr);

  // The zoom in per cent; the page is resized and redrawn.
  void SetZoom(int percent);
  int Zoom() const { return ZoomPercent; }
  // Device pixels of the page widget per 0.01 mm at the current zoom.
  double PixelsPerGm() const;
  // The page widget (drawn sheet and mouse) and the point of the page under a position in it.
  QWidget *Page() const { return widget(); }
  TGmPoint PagePoint(const QPoint &pagePixel) const;
  QPoint PagePixel(TGmPoint point) const;
  // The page changed (new picture, template, title, orientation): redraw it at its size.
  void Redisplay();

  // The page's border around the sheet, in pixels.
  static constexpr int Border = 12;

 signals:
  void PageChanged();

 protected:
  bool eventFilter(QObject *watched, QEvent *event) override;

 private:
  void PaintPage(QPainter &painter);
  bool PageMouse(QEvent *event);

  TPrintLayout &Layout;
  int ZoomPercent = TPrintLayout::StartZoom;
  bool Panning = false;
  QPoint PanStart;
};

}  // namespace kolibra::printing
