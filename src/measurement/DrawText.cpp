// The datasheet cell painter, centred and rotated text, and the saved canvas-state slot.

#include "measurement/DrawHelpers.h"

#include "kit/MathUtils.h"
#include "measurement/DrawingInternal.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <cstdlib>

namespace kolibra::measurement {

namespace text_detail {

// The one saved canvas state (a slot, not a stack).
struct TSavedCanvasState {
  QBrush Brush;
  QFont Font;
  QPen Pen;
  QPainter::CompositionMode PenMode = QPainter::CompositionMode_SourceOver;
};

TSavedCanvasState &SavedState() {
  static TSavedCanvasState state;
  return state;
}

// Grey of the datasheet's buttons drawn inside cells.
const QColor kCellButtonFace(219, 223, 226);

void ApplyFontStyle(QFont &font, TFontStyles style) {
  font.setBold((style & fsBold) != 0);
  font.setItalic((style & fsItalic) != 0);
  font.setUnderline((style & fsUnderline) != 0);
  font.setStrikeOut((style & fsStrikeOut) != 0);
}

void SetPenColour(QPainter *canvas, const QColor &colour, int width = 1) {
  QPen pen(colour);
  pen.setWidth(width);
  pen.setStyle(Qt::SolidLine);
  canvas->setPen(pen);
}

// Sunken frame: the top and left edges in topColour, the bottom and right edges in
// bottomColour, `width` pixels thick inside rect.
void DrawFrame3D(QPainter *canvas, const QRect &rect, const QColor &topColour,
                 const QColor &bottomColour, int width) {
  for (int i = 0; i < width; ++i) {
    const int l = rect.left() + i;
    const int t = rect.top() + i;
    const int r = rect.right() - i;
    const int b = rect.bottom() - i;
    if (l > r || t > b) break;
    SetPenColour(canvas, topColour);
    canvas->drawLine(l, t, std::max(l, r - 1), t);
    canvas->drawLine(l, t, l, std::max(t, b - 1));
    SetPenColour(canvas, bottomColour);
    canvas->drawLine(r, t, r, b);
    canvas->drawLine(l, b, r, b);
  }
}

// Text with its top-left corner at (x, y), on the canvas's background when it is opaque.
void TextOutTopLeft(QPainter *canvas, int x, int y, const QString &text) {
  const QFontMetrics metrics(canvas->font());
  canvas->drawText(QPoint(x, y + metrics.ascent()), text);
}

}  // namespace text_detail

void DrawGridCell(QPainter *canvas, const QRect &rect, TColor backColour, const QString &text,
                  int flags, TFontStyles fontStyle, TColor fontColour) {
  using namespace text_detail;
  if (canvas == nullptr) return;
  QRectF visible;
  if (drawing_detail::VisibleLogicalRect(canvas, 2, visible) && !visible.intersects(QRectF(rect).adjusted(-1, -1, 1, 1)))
    return;
  canvas->save();
  canvas->setRenderHint(QPainter::Antialiasing, false);
  canvas->fillRect(rect, backColour.ToQColor());

  if ((flags & gcFrame) != 0) {
    SetPenColour(canvas, Qt::black);
    canvas->setBrush(Qt::NoBrush);
    DrawRectOutline(canvas, rect.adjusted(-1, -1, 1, 1));
  }
  const int centreX = rect.left() + rect.width() / 2;
  const int centreY = rect.top() + rect.height() / 2;
  const TColor shadow = colors::clBtnShadow;
  const TColor light = colors::cl3DLight;
  if ((flags & gcSpinArrows) != 0 && rect.width() > 24) {
    canvas->setBrush(QBrush(kCellButtonFace, Qt::SolidPattern));
    DrawBevelTriangle(canvas, TPoint(rect.left() + 1, centreY), TPoint(rect.left() + 12, rect.top()),
                      TPoint(rect.left() + 12, rect.bottom()), shadow, light);
    DrawBevelTriangle(canvas, TPoint(rect.right() - 1, centreY), TPoint(rect.right() - 12, rect.top()),
                      TPoint(rect.right() - 12, rect.bottom()), shadow, light);
  }
  if ((flags & gcDeleteCross) != 0 && rect.width() > rect.height() + 27) {
    canvas->setBrush(QBrush(kCellButtonFace, Qt::SolidPattern));
    DrawShadedCircle(canvas, TPoint(centreX, centreY), rect.height() / 2, light, shadow);
    const int f = RoundClamped(0.12 * rect.height());
    QPen cross(QColor(255, 187, 187));
    cross.setWidth(3);
    canvas->setPen(cross);
    canvas->drawLine(centreX - f, centreY - f - 1, centreX + f, centreY + f);
    canvas->drawLine(centreX + f, centreY - f - 1, centreX - f, centreY + f);
  }
  if ((flags & gcFrame3D) != 0)
    DrawFrame3D(canvas, rect, colors::clBtnShadow.ToQColor(), colors::clBtnHighlight.ToQColor(), 2);

  if ((flags & (gcSpinArrows | gcDeleteCross)) == 0 && !text.isEmpty()) {
    QFont font = canvas->font();
    ApplyFontStyle(font, fontStyle);
    canvas->setFont(font);
    SetPenColour(canvas, fontColour.ToQColor());
    canvas->setBackgroundMode(Qt::TransparentMode);
    canvas->setClipRect(rect, Qt::IntersectClip);
    const int textWidth = QFontMetrics(font).horizontalAdvance(text);
    const int x = (flags & gcCentered) != 0 ? rect.left() + std::max(2, (rect.width() - textWidth) / 2)
                                            : rect.left() + 2;
    TextOutTopLeft(canvas, x, rect.top() + 1, text);
  }
  canvas->restore();
}

void TextOutCentered(QPainter *canvas, int boxWidth, int boxHeight, int fontHeight,
                     TColor backColour, TColor fontColour, const QString &text) {
  if (canvas == nullptr) return;
  canvas->save();
  QFont font = canvas->font();
  if (fontHeight != 0) font.setPixelSize(std::max(1, std::abs(fontHeight)));
  canvas->setFont(font);
  const QFontMetrics metrics(font);
  const int x = (boxWidth - metrics.horizontalAdvance(text)) / 2;
  const int y = (boxHeight - metrics.height()) / 2;
  canvas->setBackgroundMode(Qt::OpaqueMode);
  canvas->setBackground(QBrush(backColour.ToQColor()));
  canvas->setBrush(QBrush(backColour.ToQColor()));
  text_detail::SetPenColour(canvas, fontColour.ToQColor());
  text_detail::TextOutTopLeft(canvas, x, y, text);
  canvas->restore();
}

void BitmapTextCentered(QImage &bitmap, const QString &text, TColor fontColour, int fontHeight,
                        TColor backColour) {
  if (bitmap.isNull()) return;
  QPainter painter(&bitmap);
  TextOutCentered(&painter, bitmap.width(), bitmap.height(), fontHeight, backColour, fontColour, text);
}

void TextOutRotated(QPainter *canvas, int x, int y, const QString &text, int escapement) {
  if (canvas == nullptr) return;
  canvas->save();
  canvas->translate(x, y);
  // Escapement turns counter-clockwise on screen; Qt's rotation turns clockwise.
  canvas->rotate(-double(escapement) / 10.0);
  text_detail::TextOutTopLeft(canvas, 0, 0, text);
  canvas->restore();
}

void TextRectRotated(QPainter *canvas, const QRect &rect, int x, int y, const QString &text,
                     int escapement) {
  if (canvas == nullptr) return;
  canvas->save();
  canvas->setClipRect(rect, Qt::IntersectClip);
  TextOutRotated(canvas, x, y, text, escapement);
  canvas->restore();
}

void SaveBrush(const QPainter *canvas) {
  if (canvas == nullptr) return;
  text_detail::SavedState().Brush = canvas->brush();
}

void SaveFont(const QPainter *canvas) {
  if (canvas == nullptr) return;
  text_detail::SavedState().Font = canvas->font();
}

void SavePen(const QPainter *canvas) {
  if (canvas == nullptr) return;
  text_detail::SavedState().Pen = canvas->pen();
  text_detail::SavedState().PenMode = canvas->compositionMode();
}

void RestoreBrush(QPainter *canvas) {
  if (canvas == nullptr) return;
  canvas->setBrush(text_detail::SavedState().Brush);
}

void RestoreFont(QPainter *canvas) {
  if (canvas == nullptr) return;
  canvas->setFont(text_detail::SavedState().Font);
}

void RestorePen(QPainter *canvas) {
  if (canvas == nullptr) return;
  canvas->setPen(text_detail::SavedState().Pen);
  canvas->setCompositionMode(text_detail::SavedState().PenMode);
}

}  // namespace kolibra::measurement
