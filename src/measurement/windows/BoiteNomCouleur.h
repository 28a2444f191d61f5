#pragma once
// TBoiteNomCouleur: the object names and colours dialog. It is built at each Execute over
// TNomCouleurModel, which holds the rules; the window paints the grid's cells (swatches,
// visibility boxes, symbols, the heading's eye and arrow), the example picture, and passes
// clicks, typed names and the pointer's position to the model.

#include "kit/Color.h"

#include <QColor>
#include <QFont>
#include <functional>

class QWidget;

namespace kolibra::measurement {

class TData;

class TBoiteNomCouleur {
 public:
  // Shows the dialog over the document, for layer marking or marking with fixed axes. The
  // names are written back when it closes, however it closes.
  void Execute(TData &data, bool layerMarking);

  QFont Font = QFont(QStringLiteral("Arial"), 10);
  TColor BackGroundColor = colors::clBtnFace;
  // Picks a colour starting from initial; an invalid colour when cancelled. The colour
  // dialog by default; tests answer here.
  std::function<QColor(const QColor &initial, QWidget *parent)> PickColour;
  // Runs once the window is shown (tests drive it from here).
  std::function<void(QWidget *form)> OnShown;
};

}  // namespace kolibra::measurement
