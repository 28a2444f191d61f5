#pragma once
// What the element classes share when they describe and draw themselves: the description
// lines ("label : value unit") and the construct pen.

#include "results/GElem.h"

#include <QString>

namespace kolibra::results {

class TGraphCanvas;

namespace gelem_text {

// "label : value unit", the value with 3 significant digits.
QString Line(const char *label, double value, const QString &unit);
// "label : degrees ° (radians rad)", degrees with 1 decimal, radians with 3.
QString AngleLine(const char *label, double radians);
// A selected element: a dotted pen of width 1, darkened; otherwise a solid pen in its colour
// at the results' line width.
void SetElementPen(TGraphCanvas &canvas, const TGElem &element);

}  // namespace gelem_text

}  // namespace kolibra::results
