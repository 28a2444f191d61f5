// Vertex tables of the 18 mark symbols at their three sizes. Offsets are from the centre in
// pixels, y down; the small outlines reach 4 px, medium 7 px and large 10 px. Each size
// has its own hand-made list rather than a scaled one, so thin strokes stay one pixel wide.

#include "measurement/GraphUtils.h"

#include <array>
#include <initializer_list>

namespace kolibra::measurement {

namespace motif_tables {

using TOutline = std::initializer_list<TPoint>;

// Kind 0: thick diagonal cross.
constexpr TOutline kCross[3] = {
    {{2, -3}, {0, -1}, {-2, -3}, {-4, -3}, {-1, 0}, {-4, 3}, {-2, 3}, {0, 1}, {2, 3}, {4, 3}, {1, 0}, {4, -3}},
    {{3, -5}, {0, -2}, {-3, -5}, {-6, -5}, {-1, 0}, {-6, 5}, {-3, 5}, {0, 2}, {3, 5}, {6, 5}, {1, 0}, {6, -5}},
    {{5, -7}, {0, -2}, {-5, -7}, {-9, -7}, {-2, 0}, {-9, 7}, {-5, 7}, {0, 2}, {5, 7}, {9, 7}, {2, 0}, {9, -7}},
};

// Kind 1: four wide wedges on the diagonals.
constexpr TOutline kWideWedges[3] = {
    {{-1, -4}, {0, 0}, {-4, -1}, {-4, 1}, {0, 0}, {-1, 4}, {1, 4}, {0, 0}, {4, 1}, {4, -1}, {0, 0}, {1, -4}},
    {{-2, -7}, {0, 0}, {-7, -2}, {-7, 2}, {0, 0}, {-2, 7}, {2, 7}, {0, 0}, {7, 2}, {7, -2}, {0, 0}, {2, -7}},
    {{-3, -10}, {0, 0}, {-10, -3}, {-10, 3}, {0, 0}, {-3, 10}, {3, 10}, {0, 0}, {10, 3}, {10, -3}, {0, 0}, {3, -10}},
};

// Kind 2: eight spokes when small; a filled eight-pointed star when medium or large.
constexpr TOutline kAsterisk[3] = {
    {{0, -4}, {0, 0}, {-3, -3}, {0, 0}, {-4, 0}, {0, 0}, {-3, 3}, {0, 0},
     {0, 4}, {0, 0}, {3, 3}, {0, 0}, {4, 0}, {0, 0}, {3, -3}, {0, 0}},
    {{-1, -7}, {-1, -2}, {-5, -6}, {-6, -5}, {-2, -1}, {-7, -1},
     {-7, 1}, {-2, 1}, {-6, 5}, {-5, 6}, {-1, 2}, {-1, 7},
     {1, 7}, {1, 2}, {5, 6}, {6, 5}, {2, 1}, {7, 1},
     {7, -1}, {2, -1}, {6, -5}, {5, -6}, {1, -2}, {1, -7}},
    {{-1, -10}, {-1, -2}, {-7, -8}, {-8, -7}, {-2, -1}, {-10, -1},
     {-10, 1}, {-2, 1}, {-8, 7}, {-7, 8}, {-1, 2}, {-1, 10},
     {1, 10}, {1, 2}, {7, 8}, {8, 7}, {2, 1}, {10, 1},
     {10, -1}, {2, -1}, {8, -7}, {7, -8}, {1, -2}, {1, -10}},
};

// Kind 3: thick plus sign, closed outline; the arms stay a third of the width.
constexpr TOutline kThickPlus[3] = {
    {{-1, -4}, {-1, -1}, {-4, -1}, {-4, 1}, {-1, 1}, {-1, 4}, {1, 4}, {1, 1}, {4, 1}, {4, -1}, {1, -1}, {1, -4}, {-1, -4}},
    {{-2, -7}, {-2, -2}, {-7, -2}, {-7, 2}, {-2, 2}, {-2, 7}, {2, 7}, {2, 2}, {7, 2}, {7, -2}, {2, -2}, {2, -7}, {-2, -7}},
    {{-3, -10}, {-3, -3}, {-10, -3}, {-10, 3}, {-3, 3}, {-3, 10}, {3, 10}, {3, 3}, {10, 3}, {10, -3}, {3, -3}, {3, -10}, {-3, -10}},
};

// Kind 4: four narrow wedges on the diagonals.
constexpr TOutline kNarrowWedges[3] = {
    {{0, 0}, {-2, -4}, {-4, -2}, {0, 0}, {-4, 2}, {-2, 4}, {0, 0}, {2, 4}, {4, 2}, {0, 0}, {4, -2}, {2, -4}},
    {{0, 0}, {-4, -7}, {-7, -4}, {0, 0}, {-7, 4}, {-4, 7}, {0, 0}, {4, 7}, {7, 4}, {0, 0}, {7, -4}, {4, -7}},
    {{0, 0}, {-5, -10}, {-10, -5}, {0, 0}, {-10, 5}, {-5, 10}, {0, 0}, {5, 10}, {10, 5}, {0, 0}, {10, -5}, {5, -10}},
};

// Kind 5: four-pointed star.
constexpr TOutline kStar4[3] = {
    {{0, -4}, {-1, -1}, {-4, 0}, {-1, 1}, {0, 4}, {1, 1}, {4, 0}, {1, -1}},
    {{0, -7}, {-2, -2}, {-7, 0}, {-2, 2}, {0, 7}, {2, 2}, {7, 0}, {2, -2}},
    {{0, -10}, {-3, -3}, {-10, 0}, {-3, 3}, {0, 10}, {3, 3}, {10, 0}, {3, -3}},
};

// Kind 6: four right-angled wedges, one per quadrant. The path closes each triangle on its
// right-angle corner and passes through the centre between them, so the wedges meet only
// at the centre pixel and the joining strokes enclose no area.
constexpr TOutline kSquareWedges[3] = {
    {{-1, -4}, {-4, -1}, {-1, -1}, {0, 0}, {-1, 1}, {-4, 1}, {-1, 4}, {-1, 1}, {0, 0}, {1, 1},
     {1, 4}, {4, 1}, {1, 1}, {0, 0}, {1, -1}, {4, -1}, {1, -4}, {1, -1}, {0, 0}, {-1, -1}},
    {{-2, -7}, {-7, -2}, {-2, -2}, {0, 0}, {-2, 2}, {-7, 2}, {-2, 7}, {-2, 2}, {0, 0}, {2, 2},
     {2, 7}, {7, 2}, {2, 2}, {0, 0}, {2, -2}, {7, -2}, {2, -7}, {2, -2}, {0, 0}, {-2, -2}},
    {{-3, -10}, {-10, -3}, {-3, -3}, {0, 0}, {-3, 3}, {-10, 3}, {-3, 10}, {-3, 3}, {0, 0}, {3, 3},
     {3, 10}, {10, 3}, {3, 3}, {0, 0}, {3, -3}, {10, -3}, {3, -10}, {3, -3}, {0, 0}, {-3, -3}},
};

// Kind 7: five-pointed star.
constexpr TOutline kStar5[3] = {
    {{0, -4}, {-1, -1}, {-4, -1}, {-2, 1}, {-3, 4}, {0, 2}, {3, 4}, {2, 1}, {4, -1}, {1, -1}},
    {{0, -7}, {-2, -2}, {-7, -2}, {-4, 2}, {-5, 7}, {0, 4}, {5, 7}, {4, 2}, {7, -2}, {2, -2}},
    {{0, -10}, {-3, -3}, {-10, -3}, {-5, 3}, {-8, 10}, {0, 5}, {8, 10}, {5, 3}, {10, -3}, {3, -3}},
};

// Kind 8: six spokes when small; a thin six-pointed star when medium or large.
constexpr TOutline kSixSpokes[3] = {
    {{0, -4}, {0, 0}, {-4, -2}, {0, 0}, {-4, 2}, {0, 0}, {0, 4}, {0, 0}, {4, 2}, {0, 0}, {4, -2}, {0, 0}},
    {{0, -7}, {-1, -2}, {-7, -4}, {-1, 0}, {-7, 4}, {-1, 2}, {0, 7}, {1, 2}, {7, 4}, {1, 0}, {7, -4}, {1, -2}},
    {{0, -10}, {-1, -2}, {-10, -4}, {-3, 0}, {-10, 4}, {-1, 2}, {0, 10}, {1, 2}, {10, 4}, {3, 0}, {10, -4}, {1, -2}},
};

// Kind 9: six-pointed star.
constexpr TOutline kStar6[3] = {
    {{0, -4}, {-1, -2}, {-4, -2}, {-2, 0}, {-4, 2}, {-1, 2}, {0, 4}, {1, 2}, {4, 2}, {2, 0}, {4, -2}, {1, -2}},
    {{0, -7}, {-2, -4}, {-7, -4}, {-4, 0}, {-7, 4}, {-2, 4}, {0, 7}, {2, 4}, {7, 4}, {4, 0}, {7, -4}, {2, -4}},
    {{0, -10}, {-3, -5}, {-10, -5}, {-5, 0}, {-10, 5}, {-3, 5}, {0, 10}, {3, 5}, {10, 5}, {5, 0}, {10, -5}, {3, -5}},
};

// Kind 10: four thin darts on the axes (compass rose).
constexpr TOutline kCompass[3] = {
    {{0, -4}, {-1, -3}, {0, 0}, {-3, -1}, {-4, 0}, {-3, 1}, {0, 0}, {-1, 3},
     {0, 4}, {1, 3}, {0, 0}, {3, 1}, {4, 0}, {3, -1}, {0, 0}, {1, -3}},
    {{0, -7}, {-2, -5}, {0, 0}, {-5, -2}, {-7, 0}, {-5, 2}, {0, 0}, {-2, 5},
     {0, 7}, {2, 5}, {0, 0}, {5, 2}, {7, 0}, {5, -2}, {0, 0}, {2, -5}},
    {{0, -10}, {-2, -8}, {0, 0}, {-8, -2}, {-10, 0}, {-8, 2}, {0, 0}, {-2, 8},
     {0, 10}, {2, 8}, {0, 0}, {8, 2}, {10, 0}, {8, -2}, {0, 0}, {2, -8}},
};

// Kind 11: four-pointed star on the diagonals.
constexpr TOutline kDiagonalStar[3] = {
    {{0, -2}, {-4, -4}, {-2, 0}, {-4, 4}, {0, 2}, {4, 4}, {2, 0}, {4, -4}},
    {{0, -2}, {-7, -7}, {-2, 0}, {-7, 7}, {0, 2}, {7, 7}, {2, 0}, {7, -7}, {0, -2}},
    {{0, -2}, {-10, -10}, {-2, 0}, {-10, 10}, {0, 2}, {10, 10}, {2, 0}, {10, -10}, {0, -2}},
};

// Kind 12: triangle, point up.
constexpr TOutline kTriangle[3] = {
    {{0, -4}, {-3, 3}, {3, 3}},
    {{0, -7}, {-5, 5}, {5, 5}},
    {{0, -10}, {-7, 7}, {7, 7}},
};

// Kind 13: square.
constexpr TOutline kSquare[3] = {
    {{-3, -3}, {3, -3}, {3, 3}, {-3, 3}},
    {{-5, -5}, {5, -5}, {5, 5}, {-5, 5}},
    {{-7, -7}, {7, -7}, {7, 7}, {-7, 7}},
};

// Kind 15: diamond.
constexpr TOutline kDiamond[3] = {
    {{0, -4}, {-4, 0}, {0, 4}, {4, 0}},
    {{0, -7}, {-7, 0}, {0, 7}, {7, 0}},
    {{0, -10}, {-10, 0}, {0, 10}, {10, 0}},
};

// Kind 16: plus sign of four spokes.
constexpr TOutline kPlusSpokes[3] = {
    {{0, -4}, {0, 0}, {-4, 0}, {0, 0}, {0, 4}, {0, 0}, {4, 0}, {0, 0}},
    {{0, -7}, {0, 0}, {-7, 0}, {0, 0}, {0, 7}, {0, 0}, {7, 0}, {0, 0}},
    {{0, -10}, {0, 0}, {-10, 0}, {0, 0}, {0, 10}, {0, 0}, {10, 0}, {0, 0}},
};

// Kind 17: hollow square.
constexpr TOutline kHollowSquare[3] = {
    {{-2, -2}, {2, -2}, {2, 2}, {-2, 2}, {-2, -2}},
    {{-3, -3}, {3, -3}, {3, 3}, {-3, 3}, {-3, -3}},
    {{-4, -4}, {4, -4}, {4, 4}, {-4, 4}, {-4, -4}},
};

constexpr int kDiscRadius[3] = {4, 7, 10};

}  // namespace motif_tables

TPointDynArray MotifOutline(int kind, int size) {
  using namespace motif_tables;
  if (size < 0 || size > 2) return {};
  static const std::array<const TOutline *, 18> tables = {
      kCross,  kWideWedges, kAsterisk, kThickPlus, kNarrowWedges, kStar4,
      kSquareWedges, kStar5, kSixSpokes, kStar6, kCompass, kDiagonalStar,
      kTriangle, kSquare, nullptr, kDiamond, kPlusSpokes, kHollowSquare};
  if (kind < 0 || kind >= int(tables.size()) || tables[kind] == nullptr) return {};
  const TOutline &outline = tables[kind][size];
  return TPointDynArray(outline.begin(), outline.end());
}

int MotifDiscRadius(int size) {
  if (size < 0 || size > 2) return 0;
  return motif_tables::kDiscRadius[size];
}

}  // namespace kolibra::measurement
