#pragma once
// Free routines that draw small pieces of geometry on a canvas or tell whether the mouse is
// on them: arrowheads, arcs, circles, ellipses, splines, pixel-exact lines, rectangles, an
// angle marker, the datasheet cell painter, centred and rotated text, bitmap rotation, hit
// tests with a pixel tolerance, and polygon tools (clean-up, mask, clipping, centroid).
//
// All coordinates are integer canvas pixels with y pointing down. A canvas is a QPainter on
// a QImage or a widget; every drawing routine returns at once for a null canvas and draws
// without antialiasing, so the pixels are exactly those of the point lists below (hit tests
// and tracking rely on those lists). Rectangles are QRects with inclusive right and bottom.
// Coordinates anywhere in the int range are accepted: intermediate products are computed
// in 64 bits or reals and results are clamped, never wrapped.

#include "kit/Color.h"
#include "kit/Types.h"

#include <QImage>
#include <QRect>
#include <QString>

#include <array>

class QPainter;

namespace kolibra::measurement {

// Font styles of the datasheet cells, combined as bits.
enum TFontStyle : unsigned {
  fsBold = 1,
  fsItalic = 2,
  fsUnderline = 4,
  fsStrikeOut = 8,
};
using TFontStyles = unsigned;

// Flag bits of DrawGridCell.
enum TGridCellFlag : int {
  gcCentered = 1,     // text centred horizontally
  gcFrame = 2,        // black frame one pixel outside the cell
  gcFrame3D = 4,      // sunken 3-D frame of width 2
  gcSpinArrows = 8,   // bevelled triangles at both ends, no text
  gcDeleteCross = 16  // shaded disc with a light red cross, no text
};

// ---------------------------------------------------------------------------------------------
// Colours, arrowheads, lines and shapes
// ---------------------------------------------------------------------------------------------

// Each of R, G, B times p/100, p = abs(percent) clamped to 0..100.
TColor DarkenColor(TColor colour, int percent);

// Left wing, tip, right wing of a head `length` long whose half-width is `percent` % of its
// length (percent taken absolute, clamped to 0..100). All three are the tip when tail = tip.
std::array<TPoint, 3> ArrowHead(TPoint tail, TPoint tip, int percent, int length);
// A head perMille / 1000 of the vector long, but never shorter than minLength nor longer
// than maxLength (a limit of 0 or less is no limit).
std::array<TPoint, 3> ProportionalArrowHead(TPoint tail, TPoint tip, int percent, int maxLength,
                                            int minLength, int perMille);

// Polyline a-o-b, plus a silver pie of radius 15 at o inside the angle when both legs are
// long enough.
void DrawAngleMark(QPainter *canvas, TPoint a, TPoint o, TPoint b);

// Every pixel of the line from a to b, a first and b last.
TPointDynArray LinePoints(TPoint a, TPoint b);
void DrawLinePixels(QPainter *canvas, TPoint a, TPoint b);

void DrawRectOutline(QPainter *canvas, const QRect &rect);
void DrawCrossedRect(QPainter *canvas, const QRect &rect);
// Dotted grey outline over a white fill; pen and brush colours restored, pen left solid.
void DrawDottedFrame(QPainter *canvas, const QRect &rect);
// Triangle filled with the current brush; edges third-first-second dark, first-second light.
void DrawBevelTriangle(QPainter *canvas, TPoint p1, TPoint p2, TPoint p3, TColor dark, TColor light);
// Disc filled with the current brush, its upper-left half outlined light, the rest dark.
void DrawShadedCircle(QPainter *canvas, TPoint centre, int radius, TColor light, TColor dark);

// ---------------------------------------------------------------------------------------------
// Curves (point lists run continuously: consecutive points are 8-neighbours)
// ---------------------------------------------------------------------------------------------

// The circle round centre, starting at (centre.X + r, centre.Y) towards increasing y and
// going round once (the first point is not repeated). Empty for a negative radius.
TPointDynArray CirclePoints(TPoint centre, int radius);
void DrawCircle(QPainter *canvas, TPoint centre, int radius);

// The part of the circle of the given radius round centre inside the angle a-centre-b
// smaller than 180 degrees, as one continuous list.
TPointDynArray ArcPoints(TPoint a, TPoint b, int radius, TPoint centre);
void DrawArc(QPainter *canvas, TPoint a, TPoint b, int radius, TPoint centre);

// The upright ellipse of half-axes a (along x) and b, once round from (centre.X + a, centre.Y);
// a = 0 or b = 0 gives the two ends of the flat ellipse.
TPointDynArray EllipsePoints(TPoint centre, int a, int b);
void DrawEllipse(QPainter *canvas, TPoint centre, int a, int b);

// The ellipse whose semi-axis a is turned by angle (radians, counter-clockwise on screen),
// starting at (centre.X + round(a cos), centre.Y - round(a sin)).
TPointDynArray RotatedEllipsePoints(TPoint centre, double angle, double b, double a);
void DrawRotatedEllipse(QPainter *canvas, TPoint centre, double angle, double b, double a);

// Catmull-Rom curve through the points, steps points per span (callers pass 5 or more).
TPointDynArray SplinePoints(const TPointDynArray &points, int steps);
void DrawSpline(QPainter *canvas, const TPointDynArray &points, int steps);

// ---------------------------------------------------------------------------------------------
// Text and canvas state
// ---------------------------------------------------------------------------------------------

// Paints one cell of the datasheet or the formulas table (flags: TGridCellFlag bits).
void DrawGridCell(QPainter *canvas, const QRect &rect, TColor backColour, const QString &text,
                  int flags, TFontStyles fontStyle, TColor fontColour);

// Text centred in the box (0, 0, boxWidth, boxHeight) on an opaque background; a font
// height of 0 keeps the canvas font size. Font, pen and brush are restored.
void TextOutCentered(QPainter *canvas, int boxWidth, int boxHeight, int fontHeight,
                     TColor backColour, TColor fontColour, const QString &text);
// The same, centred in the bitmap.
void BitmapTextCentered(QImage &bitmap, const QString &text, TColor fontColour, int fontHeight,
                        TColor backColour);

// Text whose top-left corner is at (x, y), turned counter-clockwise by escapement tenths of
// a degree about that corner.
void TextOutRotated(QPainter *canvas, int x, int y, const QString &text, int escapement);
// The same, clipped to rect.
void TextRectRotated(QPainter *canvas, const QRect &rect, int x, int y, const QString &text,
                     int escapement);

// The single saved-state slot: every save overwrites it, so a routine that saves must
// restore before another one saves. The font colour of a canvas is its pen colour.
void SaveBrush(const QPainter *canvas);
void SaveFont(const QPainter *canvas);
void SavePen(const QPainter *canvas);
void RestoreBrush(QPainter *canvas);
void RestoreFont(QPainter *canvas);
void RestorePen(QPainter *canvas);

// ---------------------------------------------------------------------------------------------
// Bitmaps
// ---------------------------------------------------------------------------------------------

// Turns source by angle (radians) into destination (24-bit, sized to hold the turned image,
// background RGB(235, 241, 243)) and gives in destPivot where the source pixel pivot lands.
// A turn too small to move any pixel (max(W, H) * |angle| <= 1) does nothing and returns
// false: destination and destPivot are left as they were and callers show the source.
bool RotateBitmap(const QImage &source, QImage &destination, TPoint pivot, double angle,
                  TPoint &destPivot);

// ---------------------------------------------------------------------------------------------
// Hit tests (tolerances in pixels; a tolerance below 6 counts as 6)
// ---------------------------------------------------------------------------------------------

// p within the square of half side max(6, tolerance) / 2 round q, bounds included.
bool PointHit(TPoint p, TPoint q, int tolerance);
// PointHit on some pixel of the line a-b.
bool LineHit(TPoint p, TPoint a, TPoint b, int tolerance);
// 0 on end a, 1 on end b, -1 on the body, -2 elsewhere. A segment shorter than the
// tolerance is tried on its body first (at the tightest tolerance), so it can be moved whole.
int SegmentHit(TPoint p, TPoint a, TPoint b, int tolerance);
bool CircleHit(TPoint p, TPoint centre, int radius, int tolerance);
bool EllipseHit(TPoint p, TPoint centre, bool filled, int tolerance, double angle, double b, double a);
// Filled: inside the rectangle of corners c1, c2; otherwise (or outside) on one of its edges.
bool RectHit(TPoint p, TPoint c1, TPoint c2, int tolerance, bool filled);
// Inside the normalised rect, bounds included.
bool PointInRect(TPoint p, const QRect &rect);
bool PointInBox(TPoint p, TPoint a, TPoint b);

// ---------------------------------------------------------------------------------------------
// Polygons
// ---------------------------------------------------------------------------------------------

// The list without consecutive repeats.
TPointDynArray RemoveDuplicatePoints(const TPointDynArray &points);
// Keeps the first and last points and every point not lying exactly on the segment from the
// last kept point to the point after it.
TPointDynArray RemoveCollinearPoints(const TPointDynArray &points);

// Rasterises the closed polygon inside clip. bounds is the polygon's bounding box clipped to
// clip and widened by one pixel; mask[row][column] covers bounds (row 0 = bounds.top()) and
// is non-zero inside the polygon (non-zero winding, border included); border lists the
// border pixels inside bounds in path order. False (outputs emptied) when fewer than two
// distinct points or two row crossings remain, or when the polygon misses clip.
bool PolygonMask(const TPointDynArray &polygon, const QRect &clip, QRect &bounds, TMatriceI &mask,
                 TPointDynArray &border);
// The pieces of the closed outline that lie inside rect, each at least two pixels long
// with its straight runs reduced to their ends; the whole (closed) outline when it never
// leaves rect, nothing when it lies wholly beyond one side.
TMatricePoint ClipOutline(const TPointDynArray &outline, const QRect &rect);
// Mean column and row of the non-zero cells plus rect's left and top, rounded; (0, 0) for
// an empty mask.
TPoint MaskCentroid(const QRect &rect, const TMatriceI &mask);

}  // namespace kolibra::measurement
