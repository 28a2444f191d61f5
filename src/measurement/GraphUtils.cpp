#include "measurement/GraphUtils.h"

#include "measurement/DrawHelpers.h"
#include "measurement/DrawingInternal.h"

#include <QPainter>

#include <cstdlib>

namespace kolibra::measurement {

TGraphUtils *GraphUtils = nullptr;

namespace graph_utils_detail {

constexpr std::uint32_t kObjectColorsRgb[65] = {
    0xFF0000, 0x05D1E9, 0x32CD32, 0xFFF8DC, 0xFFD700, 0x008B8B, 0xFF1493, 0xBDB76B, 0x7CFC00,
    0x00CED1, 0xFF6347, 0x20B2AA, 0xFFA07A, 0xDCDCDC, 0xD2691E, 0xDAA520, 0xFF69B4, 0x6495ED,
    0xDC143C, 0x90EE90, 0xFF4500, 0xE9967A, 0x00BFFF, 0xFF7F50, 0x66CDAA, 0xF0E68C, 0xFF8C00,
    0xCD5C5C, 0xADD8E6, 0xF08080, 0xB8860B, 0xFFB6C1, 0x87CEFA, 0xB0C4DE, 0x00FF00, 0x32CD32,
    0xC71585, 0x48D1CC, 0x00FA9A, 0x7B68EE, 0x3CB371, 0xBA55D3, 0x0000CD, 0x22B222, 0xFF00FF,
    0x2E8B57, 0xF4A460, 0xFA8072, 0x4169E1, 0xBC8F8F, 0xDDA0DD, 0xCD853F, 0xDB7093, 0xDA70D6,
    0x8FBC8F, 0xFFA500, 0x9ACD32, 0xEE82EE, 0x40E0D0, 0x5F9EA0, 0xD8BFD8, 0x008080, 0x6A5ACD,
    0xDEB887, 0xFFFF00};

constexpr std::uint32_t kFormulaColorsRgb[5] = {0xFF0000, 0x0000FF, 0x008000, 0xD60065, 0x00C9D6};

// abs(index) mod count without overflow for INT_MIN; -1 names the last entry.
int PaletteIndex(int index, std::size_t count) {
  if (count == 0) return 0;
  if (index == -1) return int(count) - 1;
  return int(std::llabs(static_cast<long long>(index)) % static_cast<long long>(count));
}

int WrapNonNegative(int index, int count) {
  return int(std::llabs(static_cast<long long>(index)) % count);
}

}  // namespace graph_utils_detail

void TMotif::Draw(QPainter *canvas, TPoint centre, TColor colour) const {
  if (canvas == nullptr || Size > 2 || Kind > 17) return;
  // A symbol far outside every device is skipped: its vertices would not even fit in int.
  if (!drawing_detail::NearDevice(canvas, centre, 16)) return;

  // The symbol is rasterised here rather than by Qt's polygon filler so that its pixels are
  // exactly the outline's (the same pixel lines as everywhere else), symmetric and the
  // same at every position: the outline in the colour, the inside in the fill colour.
  TPointDynArray outline;
  if (Kind == 14) {
    outline = CirclePoints(centre, MotifDiscRadius(Size));
  } else {
    for (const TPoint &offset : MotifOutline(Kind, Size))
      outline.push_back(drawing_detail::OffsetPoint(centre, offset.X, offset.Y));
  }
  const QColor line = colour.ToQColor();
  const QColor fill = Kind == 17 ? QColor(Qt::white) : line;
  QRect bounds;
  TMatriceI mask;
  TPointDynArray border;
  const QRect area(QPoint(centre.X - 11, centre.Y - 11), QPoint(centre.X + 11, centre.Y + 11));
  if (PolygonMask(outline, area, bounds, mask, border)) {
    for (std::size_t row = 0; row < mask.size(); ++row) {
      const TIntegerDynArray &cells = mask[row];
      std::size_t column = 0;
      while (column < cells.size()) {
        if (cells[column] == 0) {
          ++column;
          continue;
        }
        const std::size_t first = column;
        while (column < cells.size() && cells[column] != 0) ++column;
        canvas->fillRect(QRect(bounds.left() + int(first), bounds.top() + int(row), int(column - first), 1), fill);
      }
    }
  } else {
    // An outline without area: its lines only.
    for (std::size_t i = 0; i < outline.size(); ++i)
      for (const TPoint &p : LinePoints(outline[i], outline[(i + 1) % outline.size()])) border.push_back(p);
  }
  if (fill != line || mask.empty())
    for (const TPoint &p : border) canvas->fillRect(QRect(p.X, p.Y, 1, 1), line);
}

TGraphUtils::TGraphUtils() {
  using namespace graph_utils_detail;
  Motifs.reserve(18);
  for (int kind = 0; kind < 18; ++kind) Motifs.push_back(std::make_unique<TMotif>(std::uint8_t(kind)));
  for (std::uint32_t rgb : kObjectColorsRgb) ObjectColors.push_back(TColor::FromRgbHex(rgb));
  for (std::uint32_t rgb : kFormulaColorsRgb) FormulaColors.push_back(TColor::FromRgbHex(rgb));
}

void TGraphUtils::DrawObjectMotif(QPainter *canvas, TPoint centre, TColor colour, int size,
                                  int objectIndex) {
  if (canvas == nullptr || objectIndex < 0 || size < 0 || size > 2 || ObjectMotifCount <= 0) return;
  TMotif &motif = *Motifs[std::size_t(objectIndex % ObjectMotifCount)];
  motif.Size = std::uint8_t(size);
  motif.Draw(canvas, centre, colour);
}

void TGraphUtils::DrawMotifKind(QPainter *canvas, TPoint centre, TColor colour, int size, int kind) {
  if (canvas == nullptr || size < 0 || size > 2) return;
  for (const std::unique_ptr<TMotif> &motif : Motifs) {
    if (motif->Kind != kind) continue;
    motif->Size = std::uint8_t(size);
    motif->Draw(canvas, centre, colour);
    return;
  }
}

TColor TGraphUtils::ObjectColor(int index) const {
  if (ObjectColors.empty()) return TColor();
  return ObjectColors[std::size_t(graph_utils_detail::PaletteIndex(index, ObjectColors.size()))];
}

TColor TGraphUtils::FormulaColor(int index) const {
  if (FormulaColors.empty()) return TColor();
  return FormulaColors[std::size_t(graph_utils_detail::PaletteIndex(index, FormulaColors.size()))];
}

int TGraphUtils::ColorIndex(TColor colour) const {
  for (std::size_t i = 0; i < ObjectColors.size(); ++i)
    if (ObjectColors[i] == colour) return int(i);
  return 0;
}

int TGraphUtils::ObjectMotifKind(int index) const {
  const int i = graph_utils_detail::WrapNonNegative(index, ObjectMotifCount);
  return Motifs[std::size_t(i)]->Kind;
}

int TGraphUtils::FormulaMotifKind(int index) const {
  const int i = ObjectMotifCount + graph_utils_detail::WrapNonNegative(index, FormulaMotifCount);
  return Motifs[std::size_t(i)]->Kind;
}

TGraphUtils *CreateGraphUtils() {
  if (GraphUtils == nullptr) GraphUtils = new TGraphUtils();
  return GraphUtils;
}

void FreeGraphUtils() {
  delete GraphUtils;
  GraphUtils = nullptr;
}

}  // namespace kolibra::measurement
