#include "printing/PrintLayout.h"

#include <algorithm>

namespace kolibra::printing {

namespace print_layout {

// The preview keeps this many pixels free around a picture it shows whole.
constexpr int PreviewBorder = 120;

}  // namespace print_layout

TPrintLayout::TPrintLayout(double screenPixelsPerInch)
    : Container(screenPixelsPerInch),
      Offset(RoundClamped(1.05 * (PageSetup.HeaderHeight() + PageSetup.MarginTop))) {}

bool TPrintLayout::SetGraphic(std::shared_ptr<const IGraphDrawing> picture, QSize previewPixels) {
  if (picture == nullptr || picture->PixelSize().isEmpty()) return false;
  const bool wasEmpty = Container.IsEmpty();
  const QSize previous = Container.PixelSize();
  if (!Container.SetPicture(std::move(picture))) return false;
  const QSize size = Container.PixelSize();
  if (wasEmpty || size != previous) ApplyTopCentered();
  if (size != previous) {
    const double fit = std::min(double(previewPixels.height() - print_layout::PreviewBorder) / size.height(),
                                double(previewPixels.width() - print_layout::PreviewBorder) / size.width());
    SetZoom(RoundClamped(100.0 * fit));
  }
  Container.LayoutHandles();
  return true;
}

void TPrintLayout::SetZoom(int zoom) { PreviewZoom = std::clamp(zoom, MinZoom, MaxZoom); }

void TPrintLayout::ApplyTopCentered() {
  PageSetup.Orientation = TOrientation::Portrait;
  Container.FitWidth(PageSetup.PageWidth() - PageSetup.MarginLeft - PageSetup.MarginRight);
  Container.PagePosition = {(PageSetup.PageWidth() - Container.PrintWidth) / 2, Offset};
  Container.LayoutHandles();
}

void TPrintLayout::ApplyFullPage() {
  PageSetup.Orientation = TOrientation::Landscape;
  const double byWidth =
      Container.FitWidthScale(PageSetup.PageWidth() - PageSetup.MarginLeft - PageSetup.MarginRight);
  const double byHeight = Container.FitHeightScale(PageSetup.PageHeight() - Offset - PageSetup.MarginBottom -
                                                   PageSetup.FooterHeight());
  Container.SetPrintScale(std::min(byWidth, byHeight));
  Container.PagePosition = {(PageSetup.PageWidth() - Container.PrintWidth) / 2, Offset};
  Container.LayoutHandles();
}

void TPrintLayout::SetOrientation(TOrientation orientation) {
  if (orientation == PageSetup.Orientation) return;
  const TGmValue oldWidth = PageSetup.PageWidth();
  PageSetup.Orientation = orientation;
  // The title is centred on the page: the picture moves with the page's middle, so a graph
  // centred under it in portrait stays centred in landscape.
  Container.PagePosition.X += (PageSetup.PageWidth() - oldWidth) / 2;
  Container.LayoutHandles();
}

void TPrintLayout::SetTitle(const QString &title, const QString &fontName, int fontHeight) {
  PageSetup.Title = title;
  PageSetup.FontName = fontName;
  PageSetup.FontHeight = fontHeight;
}

void TPrintLayout::SetDouble(bool checked) {
  if (checked) ApplyTopCentered();
  DoubleMode = checked;
  PageSetup.FooterVisible = checked;
  MovingFrame = ResizingFrame = false;
}

TPageCursor TPrintLayout::MouseMove(TGmPoint p) {
  if (DoubleMode) return TPageCursor::Default;
  Pointer = p;
  if (MovingFrame) {
    const TGmPoint at = p - GrabPoint;
    Container.RubberRect = {at.X, at.Y, at.X + Container.PrintWidth, at.Y + Container.PrintHeight};
    return Cursor;
  }
  if (ResizingFrame) {
    Container.RubberRect = Container.ResizedFrame(p);
    return Cursor;
  }
  Cursor = Container.HitTest(p);
  return Cursor;
}

void TPrintLayout::MouseDown(TGmPoint p) {
  if (DoubleMode || Container.IsEmpty()) return;
  Cursor = Container.HitTest(p);
  if (Cursor == TPageCursor::Move) {
    MovingFrame = true;
    GrabPoint = p - Container.PagePosition;
    Container.RubberRect = Container.Frame();
  } else if (Cursor != TPageCursor::Default) {
    ResizingFrame = true;
    // A release without a move applies the frame as it is, never an older rectangle.
    Container.RubberRect = Container.Frame();
  }
}

void TPrintLayout::MouseUp(TGmPoint p) {
  if (DoubleMode) return;
  if (MovingFrame) {
    Container.PagePosition = p - GrabPoint;
  } else if (ResizingFrame) {
    // An edge dragged past the opposite one leaves no rectangle to apply.
    const TGmRect rect = Container.RubberRect;
    if (rect.IsProper()) {
      Container.PagePosition = {rect.Left, rect.Top};
      Container.FitWidth(rect.Width());
    }
  }
  MovingFrame = ResizingFrame = false;
  Cursor = TPageCursor::Default;
  Container.LayoutHandles();
}

void TPrintLayout::PlaceDoubleCopies(std::vector<TGmRect> &pictures) {
  const TGmValue c = Offset;
  const TGmValue pageHeight = PageSetup.PageHeight();
  if (2 * (Container.PrintHeight + c) > pageHeight) {
    Container.FitHeight(pageHeight / 2 - c);
    Container.PagePosition = {(PageSetup.PageWidth() - Container.PrintWidth) / 2, c};
    Container.LayoutHandles();
  }
  const TGmRect first = Container.Frame();
  const TGmValue h = Container.PrintHeight;
  const TGmValue y = first.Top + h + (pageHeight - 2 * (h + c));
  pictures = {first, {first.Left, y, first.Right, y + h}};
}

TPageContent TPrintLayout::Page(bool withFrame) {
  TPageContent page;
  page.Header = PageSetup.Title;
  if (PageSetup.FooterVisible) page.Footer = PageSetup.Title;
  if (Container.IsEmpty()) return page;
  if (MovingFrame || ResizingFrame) {
    // While the mouse works the page shows only the dotted rectangle, when there is one.
    if (Container.RubberRect.IsProper()) page.Rubber = Container.RubberRect;
    return page;
  }
  if (DoubleMode) {
    PlaceDoubleCopies(page.Pictures);
  } else {
    page.Pictures = {Container.Frame()};
    if (withFrame) page.Frame = Container.Frame();
  }
  return page;
}

}  // namespace kolibra::printing
