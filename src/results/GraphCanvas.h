#pragma once
// TGraphCanvas: what graph elements draw on. It wraps the painter of the picture being made
// (the back buffer, or a vector picture for SVG files and the clipboard) and keeps every
// stroke inside the plot rectangle. On the back buffer the painter clips; in a vector
// picture the geometry itself is cut, because Qt 6.4 writes SVG without clip paths: lines and
// polylines are cut at the plot's edges, filled shapes are cut to it, a disc that lies wholly
// inside stays a true circle, and text is written only where it fits inside.
//
// Raster strokes are pixel-exact (no antialiasing), so what the hit tests walk is what is
// drawn; vector strokes are antialiased real-valued polylines.

#include "kit/Color.h"
#include "kit/Types.h"
#include "measurement/Legibility.h"

#include <QPainterPath>
#include <QPolygon>
#include <QPolygonF>
#include <QRect>
#include <QString>

#include <cstdint>
#include <vector>

class QPainter;

namespace kolibra::results {

class TGraphCanvas {
 public:
  // plot: the plot rectangle in control pixels, edges included.
  TGraphCanvas(QPainter &painter, const QRect &plot, bool vector);
  ~TGraphCanvas();
  TGraphCanvas(const TGraphCanvas &) = delete;
  TGraphCanvas &operator=(const TGraphCanvas &) = delete;

  QPainter &Painter() { return FPainter; }
  bool Vector() const { return FVector; }
  const QRect &Plot() const { return FPlot; }

  // The pen of the strokes that follow: solid in the colour at width, or dotted (a
  // selected element).
  void SetPen(TColor colour, int width, bool dotted = false);

  void Line(TPoint a, TPoint b);
  // Pixel lists (8-connected walks) are stroked as they are on the back buffer and as one
  // real polyline in vector pictures.
  void PixelPolyline(const TPointDynArray &points);
  void Polyline(const QPolygonF &points);
  // Shapes, symbols and text leave the painter's pen and brush as they set them: every
  // stroke sets its pen first (SetPen), and a vector picture groups a run of alike shapes.
  // A filled polygon in the brush colour, outlined with the pen when outlined.
  void Polygon(const QPolygonF &points, TColor fill, bool outlined);
  // A filled disc (the brush colour), outlined with the pen when outlined.
  void Disc(QPointF centre, double radius, TColor fill, bool outlined);
  // Open path strokes (arcs, ellipses): flattened to polylines and cut in vector pictures.
  void StrokePath(const QPainterPath &path);

  // A mark symbol (GraphUtils' motif kind) centred on a pixel at a symbol size.
  void Symbol(int kind, TPoint centre, TColor colour, int size);

  // Text with its top-left corner at a point, in the painter's font; not written when its box
  // leaves the plot in a vector picture.
  void Text(TPoint topLeft, const QString &text, TColor colour);

  // Claims the room of a label in the plot: false when it would overlap a label written
  // before in this picture.
  bool ReserveLabel(const QRect &box) { return Labels.Reserve(box); }

 private:
  QPainter &FPainter;
  QRect FPlot;
  measurement::TLabelRoom Labels{FPlot};
  QRectF FPlotF;
  bool FVector;
};

}  // namespace kolibra::results
