#pragma once
// TAxe: one axis band of a graph, with its ticks, labels, grid lines and title. The graph
// copies its margins, range and title lines into both axes; an axis draws itself into its
// band and lays its grid lines across the plot.

#include "kit/Color.h"
#include "kit/Types.h"

#include <QFont>
#include <QRect>
#include <QStringList>

class QPainter;

namespace kolibra::results {

// The graduation of a range: the round step and the labelled values from the first one
// inside the range, with their texts.
struct TAxisTicks {
  double Step = 0.0;
  double First = 0.0;
  TDoubleDynArray Values;
  QStringList Labels;
};

// Step, first and last from the kit's AxisGraduation; a value after the first one whose
// magnitude x 2^20 is below the step is written 0; labels in scientific notation with 3
// significant digits when max(|min|, |max|) >= 10000 or <= 0.1, else fixed with 4
// significant digits and 0 to 3 decimals, with decimals added until neighbouring labels
// differ. The regional decimal separator.
TAxisTicks AxisTicks(double min, double max);

// The graph's fonts: Arial at a size in points as the screen shows it (96 dots per inch).
QFont GraphFont(int pointSize, bool bold = false);

class TAxe {
 public:
  explicit TAxe(bool vertical);

  bool Vertical;
  QRect Band;  // in control pixels
  int FromLeft = 75, FromRight = 20, FromTop = 20, FromBottom = 45;
  int TitreFromEdge = 14;
  QStringList Titre;
  int NbTicks = 0;
  int NbSubTicks = 5;
  double Min = 0.0, Max = 100.0;
  bool Visible = true;
  TColor Color = colors::clBtnFace;

  // Draws the band, then (unless the range is empty) labels, grid lines across the plot
  // (plotWidth x plotHeight, at FromLeft, FromTop), ticks and title.
  void Draw(QPainter &canvas, int plotWidth, int plotHeight);

 private:
  void DrawTitle(QPainter &canvas, int plotWidth, int plotHeight) const;
};

}  // namespace kolibra::results
