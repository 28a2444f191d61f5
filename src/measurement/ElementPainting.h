#pragma once
// The strokes that the axes, the layer and the scale share: lines at the element's pen
// width, the filled arrowheads of the axes and the "x" / "y" labels. Every routine keeps
// the canvas state as it found it and does nothing without a canvas.

#include "kit/Color.h"
#include "kit/Types.h"

#include <QString>

class QPainter;

namespace kolibra::measurement {

// A line from a to b, ends included, in the element's colour and pen width (1, 3 or 5).
void DrawElementLine(QPainter *canvas, TPoint a, TPoint b, TColor color, int elementSize);

// The outline of that line: one pixel wider on each side, in the colour that contrasts with
// the element's (a pale yellow scale stays visible on a light video). A drawing strokes all
// its outlines first and its lines over them, so no outline cuts across a line.
void DrawElementOutline(QPainter *canvas, TPoint a, TPoint b, TColor color, int elementSize);

// A filled arrowhead pointing at tip along tail -> tip, 10, 15 or 20 pixels long and half as
// wide on each side, outlined in the contrasting colour.
void DrawElementArrow(QPainter *canvas, TPoint tail, TPoint tip, TColor color, int elementSize);

// A bold axis label set beside the arrowhead at tip: pulled back from the tip along the
// axis by the arrow length, and pushed off the axis towards side (a direction on screen).
// The text runs along textAngle (radians, counter-clockwise on screen); its size is that of
// the canvas for element size 0, 18 points for 1 and 24 for 2; it is ringed in the
// contrasting colour.
void DrawElementLabel(QPainter *canvas, TPoint tail, TPoint tip, TPointD side, const QString &text,
                      TColor color, int elementSize, double textAngle);

}  // namespace kolibra::measurement
