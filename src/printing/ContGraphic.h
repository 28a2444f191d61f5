#pragma once
// TContGraphic: the graph on the page. It keeps the picture, the scale at which it is printed,
// its size and place on the page, and the handles by which the mouse moves and resizes it.
//
// Invariants: PrintWidth and PrintHeight are always the picture's pixel size times
// PrintScale converted from screen pixels to 0.01 mm (rounded); the handles follow
// PagePosition and the print size once LayoutHandles has run. The picture is shared with
// the results window, which draws it.

#include "printing/GraphDrawing.h"
#include "printing/PageGeometry.h"

#include <array>
#include <memory>

namespace kolibra::printing {

// Cursors the page asks for while the mouse is over it.
enum class TPageCursor { Default, Move, SizeNwse, SizeNesw, SizeNs, SizeWe };

class TContGraphic {
 public:
  static constexpr TGmValue DefaultHandleHalf = 600;  // 6 mm

  explicit TContGraphic(double screenPixelsPerInch = 96.0);

  // Takes the picture (one of zero width or height is refused: false, nothing changed).
  bool SetPicture(std::shared_ptr<const IGraphDrawing> picture);
  bool IsEmpty() const { return Picture == nullptr; }
  QSize PixelSize() const { return Size; }
  const IGraphDrawing *Drawing() const { return Picture.get(); }

  void SetPrintScale(double scale);
  // The scale that gives a print width (height) of length, and setting it.
  double FitWidthScale(TGmValue length) const;
  double FitHeightScale(TGmValue length) const;
  void FitWidth(TGmValue length) { SetPrintScale(FitWidthScale(length)); }
  void FitHeight(TGmValue length) { SetPrintScale(FitHeightScale(length)); }

  // The picture's frame on the page.
  TGmRect Frame() const;
  void LayoutHandles();
  // The handle under p, tested corner 1, edge 1, corner 2 ... with strict inequalities:
  // sets ResizeCorner or ResizeEdge (1 to 4, the other 0) and gives the cursor; the move
  // cursor strictly inside the frame, else the default one.
  TPageCursor HitTest(TGmPoint p);

  // The frame while a corner or an edge is dragged to p, proportions kept.
  TGmRect ResizedFrame(TGmPoint p) const;

  double ScreenPixelsPerInch;
  double PrintScale = 1.0;
  TGmValue PrintWidth = 0;
  TGmValue PrintHeight = 0;
  double RatioWH = 1.0;
  double RatioHW = 1.0;
  TGmPoint PagePosition;
  TGmValue HandleHalf = DefaultHandleHalf;
  // 1 top-left, 2 top-right, 3 bottom-right, 4 bottom-left; edges 1 top, 2 right, 3 bottom,
  // 4 left (index 0 is number 1).
  std::array<TGmRect, 4> CornerHandles{};
  std::array<TGmRect, 4> EdgeHandles{};
  int ResizeCorner = 0;
  int ResizeEdge = 0;
  TGmRect RubberRect;

 private:
  std::shared_ptr<const IGraphDrawing> Picture;
  QSize Size;
};

}  // namespace kolibra::printing
