#pragma once
// TNomCouleurModel: the rules of the object names and colours dialog, without the window.
//
// The grid has N + 3 rows for the N objects of the document: row 0 is the heading, rows 1
// to N the objects (object i on row i + 1), row N + 1 an empty heading row and row N + 2
// the axes-and-scale colour (fixed-axes marking) or the layer origin's name (layer
// marking). Columns: 0 the number, 1 the colour swatch, 2 the visibility box, 3 the
// symbol, 4 the name, 5 the object's mass in kilograms (empty for none). Only names and
// masses can be edited; colours and visibilities go to the document at the click, names and
// masses when the dialog closes (Close). A mass that is not a number above zero is refused
// there: the object keeps the mass it had.

#include "kit/Color.h"

#include <QString>
#include <QStringList>

namespace kolibra::measurement {

class TData;

// What a cell shows.
enum TNomCouleurCell {
  ncEmpty,
  ncText,        // its text (Cell)
  ncSwatch,      // a colour swatch (SwatchColor)
  ncVisibility,  // the check box of an object's visibility
  ncSymbol,      // the object's mark symbol in its colour
  ncEye,         // the eye picture of the heading
  ncArrow,       // the red down arrow of the heading
};

class TNomCouleurModel {
 public:
  // layerMarking: the view marks on the layer (mode 6), else with fixed axes.
  TNomCouleurModel(TData &data, bool layerMarking);

  // Reads the objects, their names and the last row's text from the document (FormShow).
  void Build();

  int ObjectsCount() const { return Objects; }
  int RowCount() const { return Objects + 3; }
  static constexpr int ColCount = 6;
  static constexpr int MassCol = 5;
  bool LayerMarking() const { return Layer; }

  // Heading style: row 0, column 0 and the row between the objects and the last row.
  bool IsHeadingCell(int col, int row) const;
  TNomCouleurCell Content(int col, int row) const;
  QString Cell(int col, int row) const;
  // The heading of the name column, drawn in red.
  static QString NameHeading();
  // The heading of the mass column: "mass (kg)".
  static QString MassHeading();
  TColor SwatchColor(int row) const;
  bool ObjectVisible(int row) const;
  // Column 4 of the object rows and, on a layer, of the last row; column 5 of the object rows.
  bool CanEdit(int col, int row) const;
  // The typed text of an editable cell (kept until Close).
  void SetCell(int col, int row, const QString &text);

  // The hint under the pointer ("|" then the status-bar text) and whether the hand shows.
  QString Hint(int col, int row) const;
  bool HandCursor(int col, int row) const;
  // The hint once the user types a name.
  static QString EditingHint();

  // A click on the swatch of a row asks a colour starting from ColourOf(row).
  bool ClickPicksColour(int col, int row) const;
  TColor ColourOf(int row) const;
  // The chosen colour: the object's through the document (colours notification), or, on the
  // last row, the axes and scale colour.
  void ApplyColour(int row, TColor colour);
  // A click on an object's visibility box toggles it through the document.
  bool ClickTogglesVisibility(int col, int row) const;
  void ToggleVisibility(int row);

  // The check box under the grid: whether the video shows the centre of mass; it goes to the
  // document with the names.
  bool CentreShown() const { return ShowCentre; }
  void SetCentreShown(bool shown) { ShowCentre = shown; }
  static QString CentreCaption();

  // FormClose: the trimmed names go to the document, on a layer also the origin's.
  void Close();

  // The example picture's texts, in drawing order.
  static QString ExamplesTitle();
  static QString ExampleMark();
  static QString ExampleLocates();
  static QStringList ExampleEndings();

 private:
  int ObjectOf(int row) const { return row - 1; }
  bool IsObjectRow(int row) const { return row >= 1 && row <= Objects; }
  int LastRow() const { return Objects + 2; }

  TData *Data;
  bool Layer;
  int Objects = 0;
  QStringList Names;  // column 4 of rows 1 .. N + 2 (index row - 1)
  QStringList Masses; // column 5 of rows 1 .. N (index row - 1)
  bool ShowCentre = false;
};

}  // namespace kolibra::measurement
