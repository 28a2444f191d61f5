#pragma once
// What keeps drawings readable over any picture: a colour that stands out from a given one
// (the outline of marks, axes and scales on a light or a dark video), and the room taken by
// the labels already written, so that a number that would cover another is left out (on the
// video as on the graphs).

#include "kit/Color.h"

#include <QRect>
#include <QString>

#include <cstdint>
#include <vector>

class QPainter;

namespace kolibra::measurement {

// Black behind a light colour, white behind a dark one (by perceived brightness).
TColor ContrastColor(TColor colour);

// Text with its top-left corner at (x, y) in the painter's font and colour, ringed one pixel
// wide in outline: readable whatever lies under it.
void DrawOutlinedText(QPainter *canvas, int x, int y, const QString &text, TColor colour, TColor outline);

// The room of the labels written in an area, at a resolution of Cell pixels.
class TLabelRoom {
 public:
  explicit TLabelRoom(const QRect &area = QRect()) : Area(area) {}

  // Claims the room of a label: false, and nothing claimed, when it would overlap a label
  // claimed before (numbers written over each other can be read by nobody, and a long series
  // would spend most of its painting on them). Touching labels do not overlap; the parts of
  // a box outside the area are free.
  bool Reserve(const QRect &box);

 private:
  static constexpr int Cell = 4;  // px
  QRect Area;
  std::vector<std::uint8_t> Taken;
  int Columns = 0, Rows = 0;
};

}  // namespace kolibra::measurement
