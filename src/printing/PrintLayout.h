#pragma once
// TPrintLayout: the rules of the print window without the window. It lays one graph out on
// an A4 sheet: the two templates ("Top centered" in portrait, "Full page" in landscape), the
// orientation, the title printed as the header (and as the footer in "Double"), the mouse
// that moves the picture and resizes it by its handles, and the second copy of "Double".
//
// Invariants: the layout (position, scale) survives a new picture of the same pixel size;
// in double mode the footer is shown, the templates, orientation and title are disabled and
// the mouse is ignored, all three following the check box; a resize is applied only from a
// proper rectangle (left before right, top above bottom).
//
// The window forwards the preview's mouse in page coordinates and draws what Page() says
// with DrawPage; the PDF and the printer use the same drawing.

#include "printing/ContGraphic.h"

#include <QString>

#include <optional>
#include <vector>

namespace kolibra::printing {

enum class TOrientation { Portrait, Landscape };

struct TPageSetup {
  static constexpr TGmValue A4Width = 21000;
  static constexpr TGmValue A4Height = 29700;

  TOrientation Orientation = TOrientation::Portrait;
  TGmValue MarginTop = 2500;
  TGmValue MarginBottom = 2500;
  TGmValue MarginLeft = 2000;
  TGmValue MarginRight = 2000;
  QString Title;
  QString FontName = QStringLiteral("Arial");
  int FontHeight = 30;  // points
  bool FooterVisible = false;

  TGmValue PageWidth() const { return Orientation == TOrientation::Portrait ? A4Width : A4Height; }
  TGmValue PageHeight() const { return Orientation == TOrientation::Portrait ? A4Height : A4Width; }
  // The header's band, just inside the top margin: the title's font height.
  TGmValue HeaderHeight() const { return GmFromPoints(FontHeight); }
  // The footer's band, just inside the bottom margin; nothing while it is hidden.
  TGmValue FooterHeight() const { return FooterVisible ? HeaderHeight() : 0; }
};

// What the page shows at one moment.
struct TPageContent {
  std::vector<TGmRect> Pictures;   // one, or two in double mode
  std::optional<TGmRect> Frame;    // the dotted frame around the picture
  std::optional<TGmRect> Rubber;   // the dotted rectangle of a move or a resize in progress
  QString Header;
  QString Footer;                  // empty while the footer is hidden
};

class TPrintLayout {
 public:
  static constexpr int MinZoom = 10;
  static constexpr int MaxZoom = 100;
  static constexpr int StartZoom = 30;

  explicit TPrintLayout(double screenPixelsPerInch = 96.0);

  // A new picture from the results window, with the preview's size in screen pixels. A
  // picture of a new size gets the "Top centered" template and a zoom that shows it whole;
  // one of the same size keeps the layout and the zoom. False for an empty picture.
  bool SetGraphic(std::shared_ptr<const IGraphDrawing> picture, QSize previewPixels);

  void ApplyTopCentered();
  void ApplyFullPage();
  // Only the orientation: the picture keeps its scale, its height on the page and its place
  // across the page as seen from the page's middle (a centred picture stays centred).
  void SetOrientation(TOrientation orientation);
  void SetTitle(const QString &title, const QString &fontName, int fontHeight);
  // The "Double" check box: checked applies "Top centered" first; the footer and the
  // enabled states follow the box.
  void SetDouble(bool checked);
  bool IsDouble() const { return DoubleMode; }
  // The templates, the orientation buttons and the title controls.
  bool ControlsEnabled() const { return !DoubleMode; }

  // The preview's mouse, in page coordinates; MouseMove gives the cursor to show.
  TPageCursor MouseMove(TGmPoint p);
  void MouseDown(TGmPoint p);
  void MouseUp(TGmPoint p);
  bool IsMovingFrame() const { return MovingFrame; }
  bool IsResizingFrame() const { return ResizingFrame; }

  // What to draw; in double mode a picture taller than half the page is first brought to
  // (page height / 2 - TopOffset) and centred at the top.
  TPageContent Page(bool withFrame);

  const TContGraphic &Graphic() const { return Container; }
  const TPageSetup &Setup() const { return PageSetup; }
  TGmValue TopOffset() const { return Offset; }
  int Zoom() const { return PreviewZoom; }
  void SetZoom(int zoom);

 private:
  void PlaceDoubleCopies(std::vector<TGmRect> &pictures);

  TContGraphic Container;
  TPageSetup PageSetup;
  TGmValue Offset = 0;
  bool DoubleMode = false;
  bool MovingFrame = false;
  bool ResizingFrame = false;
  TPageCursor Cursor = TPageCursor::Default;
  TGmPoint GrabPoint;
  TGmPoint Pointer;
  int PreviewZoom = StartZoom;
};

}  // namespace kolibra::printing
