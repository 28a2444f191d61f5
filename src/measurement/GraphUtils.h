#pragma once
// The mark symbols and the two colour palettes shared by every view that draws measured
// objects: marks on the video, points on graphs and the legends of formula curves.
//
// There is one TGraphUtils for the whole run, reached through the global GraphUtils; the
// main window creates it when it is created and frees it at exit. It owns its 18 motifs,
// created in kind order so that the index in Motifs equals the kind. A motif's Size is set
// by whoever draws just before the draw, so the shared motifs simply carry the size of the
// last draw; nothing here is safe for concurrent use (everything runs on the UI thread).

#include "kit/Color.h"
#include "kit/Types.h"

#include <cstdint>
#include <memory>
#include <vector>

class QPainter;

namespace kolibra::measurement {

using TColorDynArray = std::vector<TColor>;

// One filled symbol of a fixed kind (0..17) drawn at one of three sizes.
class TMotif {
 public:
  explicit TMotif(std::uint8_t kind) : Kind(kind) {}

  // 0 small, 1 medium, 2 large; any other value draws nothing.
  std::uint8_t Size = 0;
  // The shape; fixed at creation.
  const std::uint8_t Kind;

  // Draws the symbol centred on centre, filled and outlined with colour (kind 17 is
  // filled white). The painter's brush and pen are not touched.
  void Draw(QPainter *canvas, TPoint centre, TColor colour) const;
};

class TGraphUtils {
 public:
  TGraphUtils();

  std::vector<std::unique_ptr<TMotif>> Motifs;
  TColorDynArray ObjectColors;   // 65 default colours of measured objects
  TColorDynArray FormulaColors;  // 5 colours of custom-formula curves
  int ObjectMotifCount = 12;     // motifs 0..11 are the object symbols
  int FormulaMotifCount = 4;     // motifs 12..15 are the formula-curve symbols

  // Motif (objectIndex mod 12) at the given size; a negative index draws nothing.
  void DrawObjectMotif(QPainter *canvas, TPoint centre, TColor colour, int size, int objectIndex);
  // The motif of the given kind; a kind no motif has draws nothing.
  void DrawMotifKind(QPainter *canvas, TPoint centre, TColor colour, int size, int kind);

  // Entry abs(index) mod 65; -1 is the last entry.
  TColor ObjectColor(int index) const;
  // Entry abs(index) mod 5; -1 is the last entry.
  TColor FormulaColor(int index) const;
  // First index of colour among the object colours, 0 when absent.
  int ColorIndex(TColor colour) const;
  int ObjectMotifKind(int index) const;
  int FormulaMotifKind(int index) const;
};

// The single drawing helper object; null until CreateGraphUtils has run.
extern TGraphUtils *GraphUtils;

// Creates GraphUtils the first time and returns it (later calls return the same object).
TGraphUtils *CreateGraphUtils();
// Frees GraphUtils and its motifs; GraphUtils is null afterwards.
void FreeGraphUtils();

// The outline of a motif kind at a size, as offsets from the centre (empty for kind 14,
// which is a disc, and for an unknown kind or size).
TPointDynArray MotifOutline(int kind, int size);
// Radius of the disc of kind 14 at a size (0 for an unknown size).
int MotifDiscRadius(int size);

}  // namespace kolibra::measurement
