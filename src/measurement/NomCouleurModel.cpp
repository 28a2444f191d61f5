#include "measurement/NomCouleurModel.h"

#include "kit/Texts.h"
#include "measurement/Data.h"

#include <QCoreApplication>

namespace kolibra::measurement {

TNomCouleurModel::TNomCouleurModel(TData &data, bool layerMarking) : Data(&data), Layer(layerMarking) { Build(); }

void TNomCouleurModel::Build() {
  Objects = Data->ObjectsCount();
  Names.clear();
  Masses.clear();
  ShowCentre = Data->CentreOfMassShown();
  for (int i = 0; i < Objects; ++i) {
    Names << Data->SystemName(i);
    Masses << MassText(Data->ObjectMass(i));
  }
  if (Layer) {
    Names << BoiteNomCouleurText::tr("The middle of the layer follows the positions")
          << Data->SystemName(1);
  } else {
    Names << QString() << BoiteNomCouleurText::tr("Axes and scale colour");
  }
}

bool TNomCouleurModel::IsHeadingCell(int col, int row) const { return row == 0 || col == 0 || row == Objects + 1; }

TNomCouleurCell TNomCouleurModel::Content(int col, int row) const {
  if (row < 0 || row > LastRow() || col < 0 || col >= ColCount) return ncEmpty;
  if (row == 0) {
    if (col == 2) return ncEye;
    if (col == 3) return ncArrow;
    return col == 4 || col == MassCol ? ncText : ncEmpty;
  }
  if (col == MassCol) return IsObjectRow(row) ? ncText : ncEmpty;
  switch (col) {
    case 0:
      return IsObjectRow(row) ? ncText : ncEmpty;
    case 1:
      return row == Objects + 1 ? ncEmpty : ncSwatch;
    case 2:
      return IsObjectRow(row) ? ncVisibility : ncEmpty;
    case 3:
      return IsObjectRow(row) ? ncSymbol : ncEmpty;
    default:
      return ncText;
  }
}

QString TNomCouleurModel::NameHeading() {
  return BoiteNomCouleurText::tr("the mark") + QLatin1Char(' ') +
         BoiteNomCouleurText::tr("locates the positions") + QStringLiteral(" ...");
}

QString TNomCouleurModel::MassHeading() { return BoiteNomCouleurText::tr("mass (kg)"); }

QString TNomCouleurModel::CentreCaption() {
  return BoiteNomCouleurText::tr("Show the centre of mass on the video");
}

QString TNomCouleurModel::Cell(int col, int row) const {
  if (row == 0) return col == 4 ? NameHeading() : col == MassCol ? MassHeading() : QString();
  if (col == MassCol) return IsObjectRow(row) ? Masses.value(row - 1) : QString();
  if (col == 0) return IsObjectRow(row) ? QString::number(row) : QString();
  if (col == 4 && row >= 1 && row <= LastRow()) return Names.value(row - 1);
  return QString();
}

TColor TNomCouleurModel::SwatchColor(int row) const { return ColourOf(row); }

bool TNomCouleurModel::ObjectVisible(int row) const { return Data->ObjectVisible(ObjectOf(row)); }

bool TNomCouleurModel::CanEdit(int col, int row) const {
  if (col == MassCol) return IsObjectRow(row);
  if (col != 4 || row < 1 || row > LastRow() || row == Objects + 1) return false;
  return row != LastRow() || Layer;
}

void TNomCouleurModel::SetCell(int col, int row, const QString &text) {
  if (!CanEdit(col, row)) return;
  if (col == MassCol)
    Masses[row - 1] = text;
  else
    Names[row - 1] = text;
}

QString TNomCouleurModel::Hint(int col, int row) const {
  const QString results = BoiteNomCouleurText::tr("|The names will be used to clarify the results");
  if (col == 0 && IsObjectRow(row)) return BoiteNomCouleurText::tr("|Mark number");
  if (row != 0 && row != Objects + 1) {
    if (col == 1 && row <= LastRow())
      return BoiteNomCouleurText::tr("|Use the numeric keypad from the main window");
    if (col == 2 && row <= Objects)
      return BoiteNomCouleurText::tr("|Uncheck to hide all object marks");
  }
  if (col == MassCol && IsObjectRow(row))
    return BoiteNomCouleurText::tr(
        "|The mass in kilograms gives the object its momentum and energies; empty for none");
  if (col == 4 && row >= 1) return IsObjectRow(row) ? EditingHint() : results;
  return results;
}

bool TNomCouleurModel::HandCursor(int col, int row) const {
  if (row == 0 || row == Objects + 1 || (col == 0 && IsObjectRow(row))) return false;
  return (col == 1 && row <= LastRow()) || (col == 2 && row <= Objects);
}

QString TNomCouleurModel::EditingHint() {
  return BoiteNomCouleurText::tr("|Do not forget an article before the noun");
}

bool TNomCouleurModel::ClickPicksColour(int col, int row) const {
  return col == 1 && row >= 1 && row <= LastRow() && row != Objects + 1;
}

TColor TNomCouleurModel::ColourOf(int row) const {
  return IsObjectRow(row) ? Data->ObjectColor(ObjectOf(row)) : Data->ElementColor();
}

void TNomCouleurModel::ApplyColour(int row, TColor colour) {
  if (IsObjectRow(row))
    Data->SetObjectColor(ObjectOf(row), colour);
  else if (row == LastRow())
    Data->SetElementColor(colour);
}

bool TNomCouleurModel::ClickTogglesVisibility(int col, int row) const { return col == 2 && IsObjectRow(row); }

void TNomCouleurModel::ToggleVisibility(int row) {
  if (IsObjectRow(row)) Data->SetObjectVisible(ObjectOf(row), !Data->ObjectVisible(ObjectOf(row)));
}

void TNomCouleurModel::Close() {
  for (int i = 0; i < Objects; ++i) Data->SetSystemName(i, Names.value(i).trimmed());
  for (int i = 0; i < Objects; ++i) {
    double kilograms = 0.0;
    if (ParseMassText(Masses.value(i), kilograms)) Data->SetObjectMass(i, kilograms);
  }
  Data->SetCentreOfMassShown(ShowCentre);
  if (Layer) Data->SetSystemName(1, Names.value(LastRow() - 1).trimmed());
}

QString TNomCouleurModel::ExamplesTitle() { return BoiteNomCouleurText::tr("Examples"); }
QString TNomCouleurModel::ExampleMark() { return BoiteNomCouleurText::tr("the mark"); }
QString TNomCouleurModel::ExampleLocates() {
  return BoiteNomCouleurText::tr("locates the positions");
}
QStringList TNomCouleurModel::ExampleEndings() {
  return {BoiteNomCouleurText::tr("of a ball"),
          BoiteNomCouleurText::tr("of the point of a javelin"),
          BoiteNomCouleurText::tr("of the centre of the Earth")};
}

}  // namespace kolibra::measurement
