#pragma once
// The pictures of a graph that leave the window: copied to the clipboard, saved to a file
// ("Export to an image file"), and handed to the print window. A copy of the vectors view
// shows both scale bars (the screen shows its own scale panel instead); a printed graph has
// white backgrounds.

#include "printing/GraphDrawing.h"

#include <QString>

namespace kolibra::results {

class TGraph;

// The filters of the picture file dialog, "description|mask" pairs; index 1 is SVG (the
// vector picture other programs can take apart), 2 BMP, 3 PNG.
QString PictureFileFilter();
// The chosen name with the extension of the chosen filter (1 to 3).
QString ForcedPictureName(const QString &chosen, int filterIndex);

// Turns both scale bars on for the life of the scope (the vectors view's copies).
class TScaleBarsScope {
 public:
  TScaleBarsScope(TGraph &graph, bool on);
  ~TScaleBarsScope();
  TScaleBarsScope(const TScaleBarsScope &) = delete;
  TScaleBarsScope &operator=(const TScaleBarsScope &) = delete;

 private:
  TGraph &Graph;
  bool Distances, Vectors;
};

// Saves the graph under the chosen name with the filter's extension: asks before replacing a
// file of the final name (the dialog only saw the name as typed), writes atomically, and
// tells the user how it went. The final name in savedName when it was written.
bool SaveGraphPictureAs(TGraph &graph, const QString &chosen, int filterIndex, bool bothScaleBars,
                        QString *savedName = nullptr);
// The picture on the clipboard (image and SVG), then the message of the outcome.
bool CopyGraphPicture(TGraph &graph, bool bothScaleBars);

// What the print window draws: the graph as a vector picture on white, scaled into the
// rectangle it is given.
class TGraphPrintDrawing : public printing::IGraphDrawing {
 public:
  TGraphPrintDrawing(TGraph &graph, bool bothScaleBars) : Graph(graph), BothBars(bothScaleBars) {}
  QSize PixelSize() const override;
  void Draw(QPainter &painter, const QRectF &target) const override;

 private:
  TGraph &Graph;
  bool BothBars;
};

}  // namespace kolibra::results
