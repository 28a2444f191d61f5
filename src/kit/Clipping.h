#pragma once
// Clipping of real-valued geometry to a rectangle, for pictures whose format keeps no clip
// (Qt 6.4 writes SVG without clip paths): what is drawn outside the rectangle is cut off in
// the geometry itself, so the picture holds only what lies inside.

#include <QPolygonF>
#include <QRectF>

#include <vector>

namespace kolibra {

// The pieces of an open polyline that lie inside rect (edges included), in order. A single
// point inside gives a one-point piece; points that are not finite break the line.
std::vector<QPolygonF> ClipPolyline(const QPolygonF &polyline, const QRectF &rect);

// The closed polygon cut to rect (Sutherland-Hodgman): empty when nothing of it is inside.
// The result is one polygon; a concave shape cut in two comes back joined along the edge.
QPolygonF ClipPolygon(const QPolygonF &polygon, const QRectF &rect);

}  // namespace kolibra
