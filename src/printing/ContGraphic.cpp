#include "printing/ContGraphic.h"

namespace kolibra::printing {

TContGraphic::TContGraphic(double screenPixelsPerInch) : ScreenPixelsPerInch(screenPixelsPerInch) {}

bool TContGraphic::SetPicture(std::shared_ptr<const IGraphDrawing> picture) {
  if (picture == nullptr) return false;
  const QSize size = picture->PixelSize();
  if (size.width() <= 0 || size.height() <= 0) return false;
  Picture = std::move(picture);
  Size = size;
  RatioWH = double(size.width()) / size.height();
  RatioHW = double(size.height()) / size.width();
  SetPrintScale(PrintScale);
  return true;
}

void TContGraphic::SetPrintScale(double scale) {
  PrintScale = scale;
  PrintWidth = GmFromPixels(Size.width() * scale, ScreenPixelsPerInch);
  PrintHeight = GmFromPixels(Size.height() * scale, ScreenPixelsPerInch);
}

double TContGraphic::FitWidthScale(TGmValue length) const {
  return Size.width() > 0 ? length / (Size.width() * 2540.0 / ScreenPixelsPerInch) : 1.0;
}

double TContGraphic::FitHeightScale(TGmValue length) const {
  return Size.height() > 0 ? length / (Size.height() * 2540.0 / ScreenPixelsPerInch) : 1.0;
}

TGmRect TContGraphic::Frame() const {
  return {PagePosition.X, PagePosition.Y, PagePosition.X + PrintWidth, PagePosition.Y + PrintHeight};
}

void TContGraphic::LayoutHandles() {
  const TGmValue x = PagePosition.X, y = PagePosition.Y, w = PrintWidth, h = PrintHeight, k = HandleHalf;
  const TGmPoint corners[4] = {{x, y}, {x + w, y}, {x + w, y + h}, {x, y + h}};
  for (int i = 0; i < 4; ++i)
    CornerHandles[size_t(i)] = {corners[i].X - k, corners[i].Y - k, corners[i].X + k, corners[i].Y + k};
  EdgeHandles[0] = {x + k, y - k, x + w - k, y + k};
  EdgeHandles[1] = {x + w - k, y + k, x + w + k, y + h - k};
  EdgeHandles[2] = {x + k, y + h - k, x + w - k, y + h + k};
  EdgeHandles[3] = {x - k, y + k, x + k, y + h - k};
}

TPageCursor TContGraphic::HitTest(TGmPoint p) {
  static constexpr TPageCursor CornerCursors[4] = {TPageCursor::SizeNwse, TPageCursor::SizeNesw,
                                                   TPageCursor::SizeNwse, TPageCursor::SizeNesw};
  static constexpr TPageCursor EdgeCursors[4] = {TPageCursor::SizeNs, TPageCursor::SizeWe, TPageCursor::SizeNs,
                                                 TPageCursor::SizeWe};
  for (int i = 0; i < 4; ++i) {
    if (CornerHandles[size_t(i)].ContainsStrictly(p)) {
      ResizeCorner = i + 1;
      ResizeEdge = 0;
      return CornerCursors[i];
    }
    if (EdgeHandles[size_t(i)].ContainsStrictly(p)) {
      ResizeEdge = i + 1;
      ResizeCorner = 0;
      return EdgeCursors[i];
    }
  }
  ResizeCorner = ResizeEdge = 0;
  return Frame().ContainsStrictly(p) ? TPageCursor::Move : TPageCursor::Default;
}

TGmRect TContGraphic::ResizedFrame(TGmPoint p) const {
  const TGmValue x = PagePosition.X, y = PagePosition.Y, w = PrintWidth, h = PrintHeight;
  const double r = RatioWH;
  const double hw = w > 0 ? double(h) / w : RatioHW;
  TGmRect rect = Frame();
  // Corners: the opposite corner stays; the width's growth and the height's growth (in width
  // units) compete, the horizontal one winning only when strictly greater.
  const auto corner = [&](bool left, bool top) {
    const double dx = left ? double(x - p.X) : double(p.X - (x + w));
    const double dy = (top ? double(y - p.Y) : double(p.Y - (y + h))) * r;
    if (dx > dy) {
      (left ? rect.Left : rect.Right) = p.X;
      const TGmValue grow = RoundClamped(dx * hw);
      if (top)
        rect.Top = y - grow;
      else
        rect.Bottom = y + h + grow;
    } else {
      const TGmValue grow = RoundClamped(dy);
      if (left)
        rect.Left = x - grow;
      else
        rect.Right = x + w + grow;
      (top ? rect.Top : rect.Bottom) = p.Y;
    }
  };
  switch (ResizeCorner) {
    case 1:
      corner(true, true);
      return rect;
    case 2:
      corner(false, true);
      return rect;
    case 3:
      corner(false, false);
      return rect;
    case 4:
      corner(true, false);
      return rect;
    default:
      break;
  }
  // Edges: the opposite edge stays and the other direction changes half on each side.
  switch (ResizeEdge) {
    case 1: {
      const TGmValue half = RoundClamped((y - p.Y) * r / 2.0);
      rect = {x - half, p.Y, x + w + half, y + h};
      break;
    }
    case 3: {
      const TGmValue half = RoundClamped((p.Y - y - h) * r / 2.0);
      rect = {x - half, y, x + w + half, p.Y};
      break;
    }
    case 2: {
      const TGmValue half = RoundClamped((p.X - x - w) * hw / 2.0);
      rect = {x, y - half, p.X, y + h + half};
      break;
    }
    case 4: {
      const TGmValue half = RoundClamped((x - p.X) * hw / 2.0);
      rect = {p.X, y - half, x + w, y + h + half};
      break;
    }
    default:
      break;
  }
  return rect;
}

}  // namespace kolibra::printing
